// Reads pictures out of the game-data folder this build made, through the
// engine's own resource layer and BMP reader.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/bmp_reader.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "tests/support/headless_fixture.h"

namespace art_test {

inline std::uint32_t At(const display::BmpPicture& p, int x, int y) {
  return p.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(p.width) +
                  static_cast<std::size_t>(x)];
}
inline int Red(std::uint32_t c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
inline int Green(std::uint32_t c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline int Blue(std::uint32_t c) {
  return static_cast<int>(c & 0xFF);
}

class ArtTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    core::InstallFolder = std::string(CELLWRIGHT_GAMEDATA) + "/";
    ASSERT_TRUE(media::OpenResourceArchives());
  }

  // The picture by its UTF-8 name, decoded; nullopt (with a test failure) when
  // it is missing or does not decode.
  std::optional<display::BmpPicture> Picture(const std::string& utf8Name) {
    media::ResourceFile file;
    if (file.Open(platform::Sjis(utf8Name).c_str(), file.readMode) != 1) {
      ADD_FAILURE() << "missing " << utf8Name;
      return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(file.Size());
    if (file.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size())) != bytes.size()) {
      ADD_FAILURE() << "short " << utf8Name;
      return std::nullopt;
    }
    display::MemorySource source(bytes.data(), bytes.size());
    display::BmpError error = display::BmpError::None;
    std::optional<display::BmpPicture> picture = display::ReadBmp(source, &error);
    if (!picture) ADD_FAILURE() << utf8Name << " does not decode: " << static_cast<int>(error);
    return picture;
  }
};

}  // namespace art_test
