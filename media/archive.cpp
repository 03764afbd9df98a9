#include "media/archive.h"

#include <cstring>

#include "media/resource_name.h"
#include "media/sjis_compare.h"

namespace media {

Archive PictureArchive;
Archive SoundArchive;

int Archive::Open(const char* path, const ArchiveEntry* directory) {
  directory_ = directory;
  selected_ = nullptr;
  position_ = 0;
  return file_.Open(path, ReadMode);
}

int Archive::Find(const char* path, std::uint32_t mode) {
  selected_ = nullptr;
  position_ = 0;
  if (mode == writeMode || directory_ == nullptr || path == nullptr || !file_.IsOpen()) return 0;
  const std::string_view wanted = FileNamePart(path);
  for (const ArchiveEntry* row = directory_; row->name != nullptr; ++row) {
    if (SjisCompareNoCase(wanted, std::string_view(row->name, std::strlen(row->name))) != 0) {
      continue;
    }
    if (file_.Seek(row->offset, FILE_BEGIN) != row->offset) return 0;
    selected_ = row;
    return 1;
  }
  return 0;
}

std::uint32_t Archive::Read(void* buffer, std::uint32_t size) {
  if (selected_ == nullptr || buffer == nullptr) return 0;
  // The original read on into the next member; a damaged picture then decoded
  // its neighbour's bytes.
  const std::uint32_t left = selected_->size - position_;
  const std::uint32_t got = file_.Read(buffer, size < left ? size : left);
  position_ += got;
  return got;
}

std::uint32_t Archive::Size() const {
  return selected_ != nullptr ? selected_->size : 0;
}

int Archive::Close() {
  selected_ = nullptr;
  position_ = 0;
  return 1;
}

}  // namespace media
