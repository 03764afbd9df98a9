// Pictures and sounds ship packed end to end in one archive file each; the
// table of members (the directory) is compiled into the program, not read
// from the archive.
#pragma once

#include <cstdint>

#include "media/data_file.h"

namespace media {

struct ArchiveEntry {
  const char* name;  // Shift-JIS; null closes the directory
  std::uint32_t offset;
  std::uint32_t size;
};

class Archive {
 public:
  const std::uint32_t readMode = ReadMode;
  const std::uint32_t writeMode = WriteMode;

  // Keeps the directory even when the file cannot be opened. 1 when open.
  int Open(const char* path, const ArchiveEntry* directory);
  // Selects the first member named like the file-name part of path (after the
  // last '/' or '\\'; letters compared without case, kanji exactly). 0 when
  // writing, without a directory or an open file, or when no member matches.
  int Find(const char* path, std::uint32_t mode);
  // Never past the selected member's end, nor past the archive file's end.
  std::uint32_t Read(void* buffer, std::uint32_t size);
  // The selected member's size as the directory gives it; 0 with none.
  std::uint32_t Size() const;
  // Deselects; the archive file stays open for the next Find. Returns 1.
  int Close();
  bool IsOpen() const { return file_.IsOpen(); }
  // The selected member's directory row; null with none.
  const ArchiveEntry* Selected() const { return selected_; }

 private:
  DataFile file_;
  const ArchiveEntry* directory_ = nullptr;
  const ArchiveEntry* selected_ = nullptr;
  std::uint32_t position_ = 0;  // within the selected member
};

// The directories are generated from the game data by the data builder; a
// target named cellwright_directories defines them (see docs/resources.md).
// Until then both are empty.
extern const ArchiveEntry* const PictureDirectory;
extern const ArchiveEntry* const SoundDirectory;

inline constexpr const char* kPictureArchiveName = "bmp.arc";
inline constexpr const char* kSoundArchiveName = "wave.arc";

// Process-wide, like the engine's other state; main thread only.
extern Archive PictureArchive;
extern Archive SoundArchive;

}  // namespace media
