#include "media/resource_file.h"

#include <optional>
#include <string>

#include "core/shell_state.h"
#include "media/path_resolver.h"
#include "media/resource_name.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace media {

namespace {

void ReportNotFound(const std::string& folder, const std::string& relativeSjis) {
  const std::string text =
      platform::Sjis("見つかりません ") + FolderForDisplay(folder) + relativeSjis;
  platform::ShowGameBox(text);
}

Archive* ArchiveFor(ResourceKind kind) {
  if (kind == ResourceKind::Picture) return &PictureArchive;
  if (kind == ResourceKind::Sound) return &SoundArchive;
  return nullptr;
}

// The install folder first, then the disc.
bool OpenArchive(Archive& archive, const char* name, const ArchiveEntry* directory) {
  for (const std::string* folder : {&core::InstallFolder, &core::MediaFolder}) {
    if (folder->empty()) continue;
    const std::optional<std::string> path = ResolvePath(*folder, name);
    if (path && archive.Open(path->c_str(), directory) == 1) return true;
  }
  archive.Open("", directory);  // keeps the directory, as a failed open does
  return false;
}

}  // namespace

std::string FolderForDisplay(std::string_view utf8Folder) {
  if (std::optional<std::string> whole = platform::Utf8ToCp932(utf8Folder)) return *whole;
  const std::string standIn = platform::Sjis("〓");
  std::string shown;
  std::size_t at = 0;
  while (at < utf8Folder.size()) {
    const std::size_t length = platform::Utf8SequenceLength(utf8Folder, at);
    const std::optional<std::string> converted =
        length > 0 ? platform::Utf8ToCp932(utf8Folder.substr(at, length)) : std::nullopt;
    shown += converted ? *converted : standIn;
    at += length > 0 ? length : 1;
  }
  return shown;
}

int ResourceFile::Open(const char* name, std::uint32_t mode) {
  Close();
  if (name == nullptr) return 0;
  const std::string_view sjisName(name);
  const ResourcePlace place = PlaceOf(sjisName);
  if (place.kind == ResourceKind::Raw) {
    return sjisName.size() <= kMaxPathLength ? file_.Open(name, mode) : 0;
  }

  const std::string& folder = place.inMediaFolder ? core::MediaFolder : core::InstallFolder;
  // Only the loose file's path lived in a 256-byte buffer; the archive, opened
  // once at start-up, is found whatever the folder's length.
  if (place.relativeUtf8 && !folder.empty() &&
      folder.size() + place.relativeSjis.size() <= kMaxPathLength) {
    const LastComponent last =
        mode == writeMode ? LastComponent::MayBeAbsent : LastComponent::MustExist;
    const std::optional<std::string> path = ResolvePath(folder, *place.relativeUtf8, last);
    if (path && file_.Open(path->c_str(), mode) != 0) return 1;
  }
  Archive* archive = ArchiveFor(place.kind);
  if (archive != nullptr && archive->Find(place.relativeSjis.c_str(), mode) != 0) {
    archive_ = archive;
    return 1;
  }
  ReportNotFound(folder, place.relativeSjis);
  return 0;
}

std::uint32_t ResourceFile::Read(void* buffer, std::uint32_t size) {
  return archive_ != nullptr ? archive_->Read(buffer, size) : file_.Read(buffer, size);
}

std::uint32_t ResourceFile::Write(const void* buffer, std::uint32_t size) {
  return archive_ != nullptr ? 0 : file_.Write(buffer, size);
}

std::uint32_t ResourceFile::Size() const {
  return archive_ != nullptr ? archive_->Size() : file_.Size();
}

int ResourceFile::Close() {
  if (archive_ != nullptr) archive_->Close();
  archive_ = nullptr;
  file_.Close();
  return 1;
}

bool OpenResourceArchives() {
  return OpenArchive(PictureArchive, kPictureArchiveName, PictureDirectory) &&
         OpenArchive(SoundArchive, kSoundArchiveName, SoundDirectory);
}

}  // namespace media
