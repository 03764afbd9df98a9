// A picture, sound, piece of music or movie by its resource name, or any other
// file by its path: a loose file in the game's folders wins, then the member of
// the kind's archive; a data resource found nowhere is reported in a box.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "media/archive.h"
#include "media/data_file.h"

namespace media {

class ResourceFile {
 public:
  const std::uint32_t readMode = ReadMode;
  const std::uint32_t writeMode = WriteMode;

  ResourceFile() = default;
  ResourceFile(const ResourceFile&) = delete;
  ResourceFile& operator=(const ResourceFile&) = delete;
  ~ResourceFile() { Close(); }

  // name is Shift-JIS. ".bmp", ".wav", ".mid" and ".arc" name data in the
  // install or media folder; any other name is a path used as it is, never
  // reported. 1 when a file or archive member is open.
  int Open(const char* name, std::uint32_t mode);
  std::uint32_t Read(void* buffer, std::uint32_t size);
  // 0 for an archive member: archives are never written.
  std::uint32_t Write(const void* buffer, std::uint32_t size);
  std::uint32_t Size() const;
  int Close();
  // The archive member open, by its directory row; null for a loose file.
  const ArchiveEntry* Member() const {
    return archive_ != nullptr ? archive_->Selected() : nullptr;
  }

 private:
  DataFile file_;
  Archive* archive_ = nullptr;
};

// Opens PictureArchive and SoundArchive with their directories, each from the
// install folder or else the disc. False when either is in neither place.
bool OpenResourceArchives();

// The folder for a message box: Shift-JIS, with each character that has no
// Shift-JIS form shown as 〓 so the rest of the path still reads.
std::string FolderForDisplay(std::string_view utf8Folder);

}  // namespace media
