// Pixels as the engine holds them (0x00RRGGBB): channels, and the screenshots
// the headless backend writes (8-bit RGB PNG) read back.
#pragma once

#include <png.h>

#include <cstdint>
#include <string>
#include <vector>

namespace cellwright_test {

inline int Red(std::uint32_t c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
inline int Green(std::uint32_t c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline int Blue(std::uint32_t c) {
  return static_cast<int>(c & 0xFF);
}

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};

// An empty picture when the file is missing or not a PNG.
inline Picture ReadPng(const std::string& path) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, path.c_str()) == 0) return {};
  image.format = PNG_FORMAT_RGB;
  std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) == 0) {
    png_image_free(&image);
    return {};
  }
  Picture picture;
  picture.width = static_cast<int>(image.width);
  picture.height = static_cast<int>(image.height);
  picture.pixels.reserve(rgb.size() / 3);
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    picture.pixels.push_back(std::uint32_t{rgb[i]} << 16 | std::uint32_t{rgb[i + 1]} << 8 |
                             rgb[i + 2]);
  }
  return picture;
}

}  // namespace cellwright_test
