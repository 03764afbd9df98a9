#include "platform/headless/png_writer.h"

#include <png.h>

#include <cstddef>
#include <vector>

namespace platform::headless {

bool WritePng(const std::string& path, const std::uint32_t* pixels, int width, int height,
              std::string* error) {
  if (pixels == nullptr || width <= 0 || height <= 0) {
    if (error != nullptr) *error = "no pixels";
    return false;
  }
  const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
  std::vector<std::uint8_t> rgb(count * 3);
  for (std::size_t i = 0; i < count; ++i) {
    rgb[i * 3 + 0] = static_cast<std::uint8_t>(pixels[i] >> 16);
    rgb[i * 3 + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
    rgb[i * 3 + 2] = static_cast<std::uint8_t>(pixels[i]);
  }

  // The simplified API keeps libpng's longjmp error handling away from C++ frames.
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = PNG_FORMAT_RGB;
  const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr);
  if (ok == 0) {
    if (error != nullptr) *error = image.message;
    png_image_free(&image);
    return false;
  }
  return true;
}

}  // namespace platform::headless
