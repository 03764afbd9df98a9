#include "platform/font/face_lookup.h"

#include <fontconfig/fontconfig.h>

#include <memory>

namespace platform::font {

namespace {

struct ConfigDeleter {
  void operator()(FcConfig* config) const { FcConfigDestroy(config); }
};
struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
using ConfigPtr = std::unique_ptr<FcConfig, ConfigDeleter>;
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

const FcChar8* AsFc(const std::string& text) {
  return reinterpret_cast<const FcChar8*>(text.c_str());
}

std::string FirstFamily(FcPattern* pattern) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, FC_FAMILY, 0, &value) != FcResultMatch) return "no font";
  return reinterpret_cast<const char*>(value);
}

}  // namespace

std::optional<FaceFile> FindFaceFile(const std::string& family, std::string* why) {
  auto fail = [why](std::string reason) -> std::optional<FaceFile> {
    if (why != nullptr) *why = std::move(reason);
    return std::nullopt;
  };
  // A configuration of our own, released when done: the process-wide one would
  // stay allocated for good, and the game asks only once.
  const ConfigPtr config(FcInitLoadConfigAndFonts());
  if (!config) return fail("fontconfig could not load its configuration");
  const PatternPtr pattern(FcPatternCreate());
  if (!pattern || !FcPatternAddString(pattern.get(), FC_FAMILY, AsFc(family))) {
    return fail("out of memory");
  }
  FcConfigSubstitute(config.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  FcResult result = FcResultNoMatch;
  const PatternPtr match(FcFontMatch(config.get(), pattern.get(), &result));
  if (!match) return fail("fontconfig has no fonts at all");

  // A face lists its family under several names (English and Japanese).
  bool familyMatches = false;
  FcChar8* name = nullptr;
  for (int i = 0; FcPatternGetString(match.get(), FC_FAMILY, i, &name) == FcResultMatch; ++i) {
    if (FcStrCmpIgnoreCase(name, AsFc(family)) == 0) {
      familyMatches = true;
      break;
    }
  }
  if (!familyMatches) return fail("fontconfig offers " + FirstFamily(match.get()) + " instead");

  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch) {
    return fail("fontconfig names no file for it");
  }
  FaceFile found;
  found.path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch) found.index = index;
  return found;
}

}  // namespace platform::font
