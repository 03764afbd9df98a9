// A window and a display on the headless backend, and pictures made in memory.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "display/bmp_reader.h"
#include "display/surface.h"
#include "tests/support/bmp_builder.h"
#include "tests/support/headless_fixture.h"

namespace cellwright_test {

// A colour for every position that never equals the colour key, so a test can
// tell which source pixel landed where.
inline std::uint32_t Pattern(int x, int y) {
  return (static_cast<std::uint32_t>(x & 0x3FF) << 12) | static_cast<std::uint32_t>(y & 0x3FF);
}

inline BmpPlan TrueColourPlan(int w, int h,
                              const std::function<std::uint32_t(int, int)>& colour = Pattern) {
  BmpPlan plan;
  plan.width = w;
  plan.height = h;
  plan.bitCount = 24;
  plan.pixels.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) plan.pixels.push_back(colour(x, y));
  }
  return plan;
}

class DisplayTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
    ASSERT_TRUE(display::InitDisplay());
  }
  void TearDown() override {
    display::ShutdownDisplay();
    HeadlessTest::TearDown();
  }

  static bool LoadPicture(display::Surface& slot, int w, int h,
                          const std::function<std::uint32_t(int, int)>& colour = Pattern,
                          const char* name = "test.bmp") {
    const auto bytes = WriteBmp(TrueColourPlan(w, h, colour));
    display::MemorySource source(bytes.data(), bytes.size());
    return slot.LoadFromSource(name, source);
  }

  std::uint32_t ScreenAt(int x, int y) {
    return Sys().ScreenPixels()[static_cast<std::size_t>(y) * 640 + static_cast<std::size_t>(x)];
  }
  void FillScreen(std::uint32_t colour) { std::fill_n(Sys().ScreenPixels(), 640 * 480, colour); }
  static std::uint32_t At(const display::Surface& s, int x, int y) {
    return s.Pixels()[static_cast<std::size_t>(y) * static_cast<std::size_t>(s.Pitch()) +
                      static_cast<std::size_t>(x)];
  }
  static void Fill(display::Surface& s, std::uint32_t colour) {
    const auto context = s.BeginDrawing();
    ASSERT_TRUE(context);
    context->FillRect({0, 0, s.width, s.height}, colour);
    s.EndDrawing(*context);
  }
};

}  // namespace cellwright_test
