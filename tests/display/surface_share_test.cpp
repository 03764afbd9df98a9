// Archive pictures decoded once and shown in several slots: drawing on one
// slot must never reach the others, nor a later load of the same picture.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "display/surface.h"
#include "tests/support/built_data_fixture.h"

namespace {

using display::Surface;

std::vector<std::uint32_t> PixelsOf(const Surface& surface) {
  const std::uint32_t* p = surface.Pixels();
  return {p, p + static_cast<std::ptrdiff_t>(surface.width) * surface.height};
}

class SharedPictureTest : public cellwright_test::BuiltDataTest {};

TEST_F(SharedPictureTest, DrawingOnOneCopyLeavesTheOthersAndLaterLoadsAlone) {
  Surface& first = display::LayerSlots[0];
  Surface& second = display::LayerSlots[1];
  ASSERT_TRUE(first.Load("bg034.bmp"));
  const std::vector<std::uint32_t> picture = PixelsOf(first);
  ASSERT_TRUE(second.Load("bg034.bmp"));  // from the kept decode
  ASSERT_EQ(PixelsOf(second), picture);

  // Every way of drawing on a surface: a drawing context, a lock, a blit onto it.
  const auto context = second.BeginDrawing();
  ASSERT_TRUE(context.has_value());
  context->FillRect({0, 0, 4, 4}, 0x00FF00FFu);
  second.EndDrawing(*context);
  ASSERT_TRUE(first.Lock({10, 10, 20, 20}).has_value());
  first.Lock({10, 10, 20, 20})->first[0] = 0x0000FF00u;
  first.Unlock();
  Surface& third = display::LayerSlots[2];
  ASSERT_TRUE(third.Load("bg034.bmp"));
  ASSERT_TRUE(second.DrawTo(0, third, 100, 100, {0, 0, 8, 8}));

  EXPECT_NE(PixelsOf(first), picture);
  EXPECT_NE(PixelsOf(second), picture);
  EXPECT_NE(PixelsOf(third), picture);
  ASSERT_TRUE(display::LayerSlots[3].Load("bg034.bmp"));
  EXPECT_EQ(PixelsOf(display::LayerSlots[3]), picture);
  ASSERT_TRUE(first.RestoreAndReload());
  EXPECT_EQ(PixelsOf(first), picture);
}

}  // namespace
