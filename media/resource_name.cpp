#include "media/resource_name.h"

#include "media/sjis_compare.h"
#include "platform/encoding.h"

namespace media {

namespace {

bool EqualsAsciiNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (fold(a[i]) != fold(b[i])) return false;
  }
  return true;
}

struct KindRule {
  std::string_view extension;
  std::string_view subFolder;
  ResourceKind kind;
  bool inMediaFolder;
};

constexpr KindRule kRules[] = {
    {".bmp", "bmp/", ResourceKind::Picture, false},
    {".wav", "wave/", ResourceKind::Sound, false},
    {".mid", "bgm/", ResourceKind::Music, true},
    {".arc", "movie/", ResourceKind::Movie, true},
};

}  // namespace

std::string_view ExtensionOf(std::string_view name) {
  for (std::size_t i = name.size(); i > 1; --i) {
    const char c = name[i - 1];
    if (c == '.' || c == '\\') return name.substr(i - 1);
  }
  return name;
}

ResourceKind KindOf(std::string_view name) {
  const std::string_view extension = ExtensionOf(name);
  for (const KindRule& rule : kRules) {
    if (EqualsAsciiNoCase(extension, rule.extension)) return rule.kind;
  }
  return ResourceKind::Raw;
}

std::string_view FileNamePart(std::string_view sjisPath) {
  std::size_t start = 0;
  for (std::size_t i = 0; i < sjisPath.size(); ++i) {
    const auto c = static_cast<unsigned char>(sjisPath[i]);
    if (platform::IsLeadByte(c) && i + 1 < sjisPath.size()) {
      ++i;
    } else if (c == '/' || c == '\\') {
      start = i + 1;
    }
  }
  return sjisPath.substr(start);
}

bool IsSafeFileName(std::string_view utf8Name) {
  if (utf8Name.empty() || utf8Name == "." || utf8Name == "..") return false;
  return utf8Name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

ResourcePlace PlaceOf(std::string_view sjisName) {
  ResourcePlace place;
  place.kind = KindOf(sjisName);
  const KindRule* rule = nullptr;
  for (const KindRule& candidate : kRules) {
    if (candidate.kind == place.kind) rule = &candidate;
  }
  if (rule == nullptr) return place;
  place.inMediaFolder = rule->inMediaFolder;
  std::string fileName(sjisName);
  // Sounds ship compressed: the data asks for .wav, the disc holds .WMA.
  if (place.kind == ResourceKind::Sound)
    fileName.replace(fileName.rfind('.'), std::string::npos, ".WMA");
  place.relativeSjis = std::string(rule->subFolder) + fileName;
  std::optional<std::string> utf8 = platform::Cp932ToUtf8(fileName);
  if (utf8 && IsSafeFileName(*utf8)) place.relativeUtf8 = std::string(rule->subFolder) + *utf8;
  return place;
}

}  // namespace media
