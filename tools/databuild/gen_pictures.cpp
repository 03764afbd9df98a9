// The picture families: an SVG under data/ rendered at its own size and
// written in the row's BMP format.
#include "tools/databuild/asset.h"
#include "tools/databuild/picture.h"
#include "tools/databuild/svg_render.h"

namespace databuild {

namespace {

std::optional<std::vector<std::uint8_t>> MakePicture(const Asset& asset,
                                                     const BuildContext& context,
                                                     std::string* error) {
  const std::optional<PictureFormat> format = ParsePictureFormat(asset.format);
  if (!format) {
    *error = "'" + asset.format + "' is not a picture format";
    return std::nullopt;
  }
  const std::filesystem::path source = std::filesystem::path(asset.source).lexically_normal();
  if (source.is_absolute() || source.empty() || *source.begin() == "..") {
    *error = "the source '" + asset.source + "' must be a path inside data/";
    return std::nullopt;
  }
  std::optional<RgbaImage> image = RenderSvg(context.dataDir / source, format->keyed, error);
  if (!image) return std::nullopt;
  return EncodePicture(*image, *format);
}

// Bump the version when the rendering or encoding changes its output.
const GeneratorRegistrar kUi("ui", MakePicture, "picture-1");
const GeneratorRegistrar kSvg("svg", MakePicture, "picture-1");

}  // namespace

}  // namespace databuild
