// Arbitrary bytes as resource names and as archive directory names, through the
// extension rule, the Shift-JIS comparison, member selection, the case-blind
// path resolution and ResourceFile over a small install folder. Checks what
// must hold for every name: no escape from the folders, reads inside members,
// a box exactly when a data resource is not found.
//
// Input: NAME [NUL ROW-NAME [NUL ...]]; bytes after a second NUL are ignored.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shell_state.h"
#include "media/archive.h"
#include "media/path_resolver.h"
#include "media/resource_file.h"
#include "media/resource_name.h"
#include "media/sjis_compare.h"
#include "platform/encoding.h"
#include "platform/null_system.h"

namespace {

void Require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "broken: %s\n", what);
  std::abort();
}

// Answers every box with OK and remembers how many there were.
class BoxCountingSystem : public platform::NullSystem {
 public:
  int boxes = 0;
  std::string lastText;

  platform::BoxAnswer ShowMessageBox(const platform::MessageBoxRequest& request) override {
    ++boxes;
    lastText = request.text;
    return platform::BoxAnswer::Ok;
  }
  std::string CurrentFolder() override { return core::InstallFolder; }
  std::string PrivateTempFolder() override { return core::InstallFolder; }
  std::string PrivateDataFolder() override { return core::InstallFolder; }
};

BoxCountingSystem Boxes;
std::string Root;           // the temporary tree, removed at exit
std::string CanonicalRoot;  // for the escape check
std::string NotFoundPrefix;

const std::string kPictureBytes = "PPPPKKQQQ";
const media::ArchiveEntry kPictures[] = {
    {"T01.BMP", 0, 4}, {"\x83\x41.bmp", 4, 2}, {"long.bmp", 6, 50}, {nullptr, 0, 0}};
const std::string kSoundBytes = "SSSSSSab";
const media::ArchiveEntry kSounds[] = {{"01SE.wma", 0, 6}, {"a.b.WMA", 6, 2}, {nullptr, 0, 0}};
// The fuzzed row goes first, then fixed rows, one of them past the end.
const std::string kRowArchiveBytes = "0123456789";

void Write(const std::string& relative, const std::string& bytes) {
  const std::filesystem::path path = Root + relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

void RemoveTree() {
  std::error_code ignored;
  std::filesystem::remove_all(Root, ignored);
}

void MakeInstall() {
  std::string pattern = (std::filesystem::temp_directory_path() / "cw-fuzz-XXXXXX").string();
  Require(mkdtemp(pattern.data()) != nullptr, "temporary folder");
  Root = pattern + "/";
  CanonicalRoot = std::filesystem::canonical(Root).string() + "/";
  std::atexit(RemoveTree);
  Write("install/bmp/T02.BMP", "loose");
  Write("install/bmp/地図.bmp", "map");
  Write("install/wave/01se.wma", "loose sound");
  Write("install/BMP.ARC", kPictureBytes);
  Write("install/wave.arc", kSoundBytes);
  Write("install/rows.arc", kRowArchiveBytes);
  Write("disc/BGM/X.MID", "music");
  Write("disc/movie/op.arc", "movie");
  Write("outside.bmp", "escaped");
  std::filesystem::create_directories(Root + "install/bmp/dir.bmp");
  mkfifo((Root + "install/bmp/fifo.bmp").c_str(), 0600);
  core::InstallFolder = Root + "install/";
  core::MediaFolder = Root + "disc/";
  platform::SetSystem(&Boxes);
  NotFoundPrefix = platform::Sjis("見つかりません ");
  media::PictureArchive.Open((core::InstallFolder + "BMP.ARC").c_str(), kPictures);
  media::SoundArchive.Open((core::InstallFolder + "wave.arc").c_str(), kSounds);
}

// The comparison rule written another way: a text as its characters, letters
// folded only when they stand alone.
std::vector<std::uint32_t> Characters(std::string_view text) {
  std::vector<std::uint32_t> out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (platform::IsLeadByte(c) && i + 1 < text.size()) {
      out.push_back(0x10000u | (std::uint32_t{c} << 8) | static_cast<unsigned char>(text[++i]));
    } else {
      out.push_back(c >= 'A' && c <= 'Z' ? c + 32u : c);
    }
  }
  return out;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

void CheckComparison(const std::string& a, const std::string& b) {
  const int ab = media::SjisCompareNoCase(a, b);
  const int ba = media::SjisCompareNoCase(b, a);
  Require(media::SjisCompareNoCase(a, a) == 0, "a text equals itself");
  Require((ab < 0) == (ba > 0) && (ab == 0) == (ba == 0), "the order is antisymmetric");
  Require((ab == 0) == (Characters(a) == Characters(b)), "equal exactly under the rule");
  Require(media::SjisCompareNoCase(a.c_str(), b.c_str()) == ab, "C strings compare the same");
}

void CheckName(const std::string& name) {
  const std::string_view extension = media::ExtensionOf(name);
  Require(EndsWith(name, extension), "the extension ends the name");
  Require(EndsWith(name, media::FileNamePart(name)), "the file name ends the path");
  const media::ResourcePlace place = media::PlaceOf(name);
  Require(place.kind == media::KindOf(name), "the place has the name's kind");
  if (place.kind == media::ResourceKind::Raw) {
    Require(place.relativeSjis.empty() && !place.relativeUtf8, "raw names have no place");
    return;
  }
  if (!place.relativeUtf8) return;
  const std::string& relative = *place.relativeUtf8;
  const std::size_t slash = relative.find('/');
  Require(slash != std::string::npos && relative.find('/', slash + 1) == std::string::npos,
          "one folder, one file name");
  Require(media::IsSafeFileName(relative.substr(slash + 1)), "the file name stays inside");
  const std::string& folder = place.inMediaFolder ? core::MediaFolder : core::InstallFolder;
  for (const media::LastComponent last :
       {media::LastComponent::MustExist, media::LastComponent::MayBeAbsent}) {
    const std::optional<std::string> path = media::ResolvePath(folder, relative, last);
    if (!path) continue;
    Require(path->rfind(folder, 0) == 0, "resolved below the folder");
    // The folder part exists; the file name was checked to be a single component.
    std::error_code error;
    const std::string real =
        std::filesystem::canonical(std::filesystem::path(*path).parent_path(), error).string();
    Require(!error && (real + "/").rfind(CanonicalRoot, 0) == 0, "resolved inside the tree");
    Require(media::EqualsIgnoringAsciiCase(path->substr(folder.size()), relative),
            "only letter case changes");
  }
}

void CheckMemberSelection(const std::string& name, const std::string& rowName) {
  const media::ArchiveEntry rows[] = {
      {rowName.c_str(), 2, 3}, {"T01.BMP", 0, 4}, {"tail.bmp", 8, 100}, {nullptr, 0, 0}};
  media::Archive archive;
  Require(archive.Open((core::InstallFolder + "rows.arc").c_str(), rows) == 1, "rows.arc");
  Require(archive.Find(name.c_str(), archive.writeMode) == 0, "writing never selects");
  const std::string_view wanted = media::FileNamePart(name);
  const media::ArchiveEntry* expected = nullptr;
  for (const media::ArchiveEntry* row = rows; row->name != nullptr && !expected; ++row) {
    if (Characters(wanted) == Characters(row->name)) expected = row;
  }
  const int found = archive.Find(name.c_str(), archive.readMode);
  Require(found == (expected != nullptr ? 1 : 0), "found exactly when a row matches");
  if (expected == nullptr) {
    Require(archive.Size() == 0, "nothing selected");
    return;
  }
  Require(archive.Size() == expected->size, "the first matching row is selected");
  char buffer[128];
  const std::uint32_t got = archive.Read(buffer, sizeof buffer);
  const std::size_t inFile =
      kRowArchiveBytes.size() > expected->offset ? kRowArchiveBytes.size() - expected->offset : 0;
  Require(got == std::min<std::size_t>(expected->size, inFile), "reads end at the member");
  Require(std::string_view(buffer, got) ==
              std::string_view(kRowArchiveBytes).substr(expected->offset, got),
          "reads the member's bytes");
  // The row's own name, after a folder, selects it (or an identical earlier row).
  if (media::FileNamePart(rowName) == rowName && !rowName.empty()) {
    Require(archive.Find(("bmp/" + rowName).c_str(), archive.readMode) == 1 && archive.Size() == 3,
            "a row is found by its own name");
  }
}

void CheckResourceFile(const std::string& name) {
  if (media::KindOf(name) == media::ResourceKind::Raw) return;  // any path at all: not here
  const int before = Boxes.boxes;
  media::ResourceFile file;
  const int opened = file.Open(name.c_str(), file.readMode);
  Require(Boxes.boxes == before + (opened == 1 ? 0 : 1), "a box exactly when not found");
  if (opened == 0) {
    Require(Boxes.lastText.rfind(NotFoundPrefix, 0) == 0, "the box says what was not found");
    Require(file.Size() == 0, "nothing open");
    return;
  }
  char buffer[64];
  const std::uint32_t got = file.Read(buffer, sizeof buffer);
  Require(got <= file.Size(), "no read beyond the size");
  Require(std::string_view(buffer, got) != "escaped", "no file outside the folders");
  Require(file.Write("x", 1) == 0, "opened for reading only");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  MakeInstall();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = input.find('\0');
  const std::string name(input.substr(0, cut));
  std::string rowName;
  if (cut != std::string_view::npos) {
    const std::string_view rest = input.substr(cut + 1);
    rowName = std::string(rest.substr(0, rest.find('\0')));
  }
  CheckComparison(name, rowName);
  CheckName(name);
  CheckName(rowName);
  CheckMemberSelection(name, rowName);
  CheckResourceFile(name);
  CheckResourceFile(rowName);
  return 0;
}
