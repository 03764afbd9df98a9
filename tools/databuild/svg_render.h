// Renders an SVG file at its own size with librsvg and cairo.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "tools/databuild/picture.h"

namespace databuild {

// transparent: keep the SVG's own transparency; otherwise it is drawn over
// white. nullopt with *error set when the file cannot be read or has no size.
std::optional<RgbaImage> RenderSvg(const std::filesystem::path& file, bool transparent,
                                   std::string* error);

// The same for SVG text held in memory (a generator's own drawing); messages
// name it "SVG text".
std::optional<RgbaImage> RenderSvgText(const std::string& svg, bool transparent,
                                       std::string* error);

}  // namespace databuild
