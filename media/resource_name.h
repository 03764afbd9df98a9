// How a resource name becomes a place to look: the kind its extension gives,
// the folder and sub-folder, the archive, and the name's file-system form.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace media {

enum class ResourceKind { Picture, Sound, Music, Movie, Raw };

// The engine's path buffers held 256 bytes; a longer path is not found.
inline constexpr std::size_t kMaxPathLength = 255;

// The name's extension as the original took it: from the last '.' or '\\' that
// is not the first byte, or the whole name when there is none.
std::string_view ExtensionOf(std::string_view name);
ResourceKind KindOf(std::string_view name);

// After the last '/' or '\\' standing as a character of its own: a 0x5C that
// is the trail byte of a kanji (表 is 0x95 0x5C) does not split the name.
std::string_view FileNamePart(std::string_view sjisPath);

// Where a resource of a kind is looked for; Raw names are their own path.
struct ResourcePlace {
  ResourceKind kind = ResourceKind::Raw;
  bool inMediaFolder = false;               // else the install folder
  std::string relativeSjis;                 // "bmp/NAME", "wave/NAME.WMA" ...: shown when not found
  std::optional<std::string> relativeUtf8;  // on disk; nullopt: no loose file can match
};

ResourcePlace PlaceOf(std::string_view sjisName);

// A name that stays inside its folder: one component, neither "." nor "..".
bool IsSafeFileName(std::string_view utf8Name);

}  // namespace media
