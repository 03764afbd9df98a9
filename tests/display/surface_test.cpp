#include "display/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/display_fixture.h"

namespace {

using cellwright_test::DisplayTest;
using cellwright_test::Pattern;
using display::Rect;
using display::Surface;

constexpr std::uint32_t kBackdrop = 0x00ABCDEF;

class SurfaceTest : public DisplayTest {
 protected:
  // Every screen pixel against expected(x, y); names the first that differs.
  ::testing::AssertionResult ScreenIs(const std::function<std::uint32_t(int, int)>& expected) {
    int differences = 0;
    std::string first;
    for (int y = 0; y < 480; ++y) {
      for (int x = 0; x < 640; ++x) {
        if (ScreenAt(x, y) == expected(x, y)) continue;
        if (differences++ == 0) {
          first = "(" + std::to_string(x) + "," + std::to_string(y) + ") is " +
                  std::to_string(ScreenAt(x, y)) + ", expected " + std::to_string(expected(x, y));
        }
      }
    }
    if (differences == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differences << " pixels differ, first " << first;
  }
  ::testing::AssertionResult ScreenUntouched() {
    return ScreenIs([](int, int) { return kBackdrop; });
  }
};

// --- bringing the display up and down --------------------------------------------

class DisplayLifecycle : public cellwright_test::HeadlessTest {
 protected:
  void TearDown() override {
    display::ShutdownDisplay();
    HeadlessTest::TearDown();
  }
};

TEST_F(DisplayLifecycle, NeedsTheMainWindow) {
  EXPECT_FALSE(display::InitDisplay());
  EXPECT_FALSE(display::DisplayIsUp());
  EXPECT_FALSE(display::Screen.HasPixels());
  EXPECT_FALSE(display::ComposeBuffer.CreateBlank(4, 4));
}

TEST_F(DisplayLifecycle, ScreenIsThePlatformBufferAndComposeBufferIsBlack) {
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  std::fill_n(Sys().ScreenPixels(), 640 * 480, kBackdrop);
  ASSERT_TRUE(display::InitDisplay());
  EXPECT_TRUE(display::DisplayIsUp());

  const Surface& screen = display::Screen;
  EXPECT_EQ(screen.Pixels(), Sys().ScreenPixels());
  EXPECT_EQ(screen.Pitch(), 640);
  EXPECT_EQ(screen.bitDepth, 32u);
  EXPECT_EQ(screen.layout16, 0u);
  EXPECT_EQ(screen.width, 640);
  EXPECT_EQ(screen.height, 480);
  EXPECT_EQ(screen.cellWidth, 640);
  EXPECT_EQ(screen.cellHeight, 480);
  EXPECT_EQ(screen.x, 0);
  EXPECT_EQ(screen.y, 0);
  // Bringing the display up does not paint over what the player sees.
  EXPECT_EQ(Sys().ScreenPixels()[0], kBackdrop);

  const Surface& compose = display::ComposeBuffer;
  ASSERT_TRUE(compose.HasPixels());
  EXPECT_EQ(compose.width, 640);
  EXPECT_EQ(compose.height, 480);
  EXPECT_EQ(compose.bitDepth, 0u);
  EXPECT_NE(compose.Pixels(), screen.Pixels());
  EXPECT_EQ(std::count(compose.Pixels(), compose.Pixels() + 640 * 480, 0u), 640 * 480);

  for (const Surface& slot : display::LayerSlots) EXPECT_FALSE(slot.HasPixels());
  EXPECT_EQ(std::size(display::LayerSlots), static_cast<std::size_t>(display::kLayerSlotCount));
  EXPECT_EQ(display::kLayerSlotCount, 40);
}

TEST_F(DisplayLifecycle, ShutdownEmptiesEverySlotAndTakesTheDisplayDown) {
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  ASSERT_TRUE(display::InitDisplay());
  for (int i = 0; i < display::kLayerSlotCount; ++i) {
    ASSERT_TRUE(display::LayerSlots[i].CreateBlank(i + 1, 2)) << i;
  }
  display::ShutdownDisplay();
  EXPECT_FALSE(display::DisplayIsUp());
  for (int i = 0; i < display::kLayerSlotCount; ++i) {
    EXPECT_FALSE(display::LayerSlots[i].HasPixels()) << i;
  }
  EXPECT_FALSE(display::ComposeBuffer.HasPixels());
  EXPECT_FALSE(display::Screen.HasPixels());
  EXPECT_EQ(display::Screen.bitDepth, 0u);

  // And it comes back up.
  ASSERT_TRUE(display::InitDisplay());
  EXPECT_TRUE(display::Screen.HasPixels());
  EXPECT_TRUE(display::ComposeBuffer.HasPixels());
}

TEST_F(DisplayLifecycle, OnlyTheScreenIsPrimary) {
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  ASSERT_TRUE(display::InitDisplay());
  Surface other;
  EXPECT_FALSE(other.CreatePrimary());
  EXPECT_FALSE(other.HasPixels());
}

TEST_F(SurfaceTest, EveryOperationRefusesWhileTheDisplayIsDown) {
  Surface picture;
  Surface target;
  ASSERT_TRUE(LoadPicture(picture, 8, 8));
  ASSERT_TRUE(target.CreateBlank(8, 8));
  FillScreen(kBackdrop);
  display::Display.up = false;

  EXPECT_FALSE(picture.DrawTo(0, target, 0, 0, {0, 0, 8, 8}));
  EXPECT_FALSE(picture.Show(0));
  EXPECT_FALSE(picture.ShowCurrent());
  EXPECT_FALSE(picture.ComposeOnto(target));
  EXPECT_FALSE(picture.ShowSlice(0, 0));
  EXPECT_FALSE(picture.BeginDrawing());
  EXPECT_FALSE(picture.Lock({0, 0, 8, 8}));
  EXPECT_FALSE(picture.RestoreAndReload());
  Surface fresh;
  EXPECT_FALSE(fresh.CreateBlank(4, 4));
  const auto bytes = cellwright_test::WriteBmp(cellwright_test::TrueColourPlan(2, 2));
  display::MemorySource source(bytes.data(), bytes.size());
  EXPECT_FALSE(fresh.LoadFromSource("x.bmp", source));
  EXPECT_FALSE(fresh.HasPixels());
  EXPECT_FALSE(display::PresentScreenIfChanged());

  display::Display.up = true;
  EXPECT_TRUE(ScreenUntouched());
  EXPECT_EQ(At(target, 0, 0), 0u);
  EXPECT_EQ(Sys().PresentCount(), 0);
}

// --- blank surfaces and loading --------------------------------------------------

TEST_F(SurfaceTest, CreateBlankTakesSidesFromOneTo8192) {
  Surface s;
  for (const auto& [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-1, 5}, std::pair{5, -1},
                             std::pair{8193, 1}, std::pair{1, 8193}, std::pair{INT_MIN, INT_MIN}}) {
    EXPECT_FALSE(s.CreateBlank(w, h)) << w << "x" << h;
    EXPECT_FALSE(s.HasPixels()) << w << "x" << h;
  }
  for (const auto& [w, h] : {std::pair{8192, 1}, std::pair{1, 8192}, std::pair{1, 1}}) {
    ASSERT_TRUE(s.CreateBlank(w, h)) << w << "x" << h;
    EXPECT_EQ(s.width, w);
    EXPECT_EQ(s.height, h);
    EXPECT_EQ(s.cellWidth, w);
    EXPECT_EQ(s.cellHeight, h);
    EXPECT_EQ(s.Pitch(), w);
    EXPECT_EQ(At(s, w - 1, h - 1), 0u);
  }
  s.SetPosition(7, 9);
  ASSERT_TRUE(s.CreateBlank(3, 3));
  EXPECT_EQ(s.x, 0);
  EXPECT_EQ(s.y, 0);
  EXPECT_EQ(s.bitDepth, 0u);
}

TEST_F(SurfaceTest, CreateBlankNeedsTheScreen) {
  display::Screen.Release();
  Surface s;
  EXPECT_FALSE(s.CreateBlank(4, 4));
  ASSERT_TRUE(display::Screen.CreatePrimary());
  EXPECT_TRUE(s.CreateBlank(4, 4));
}

TEST_F(SurfaceTest, LoadResetsCellPositionFrameAndShown) {
  Surface& slot = display::LayerSlots[3];
  ASSERT_TRUE(slot.CreateBlank(2, 2));
  slot.SetPosition(11, 12);
  slot.frame = 4;
  slot.shown = 1;
  slot.cellHeight = 1;
  ASSERT_TRUE(LoadPicture(slot, 5, 7, Pattern, "\x8a\x47.bmp"));
  EXPECT_STREQ(slot.name, "\x8a\x47.bmp");
  EXPECT_EQ(slot.width, 5);
  EXPECT_EQ(slot.height, 7);
  EXPECT_EQ(slot.cellWidth, 5);
  EXPECT_EQ(slot.cellHeight, 7);
  EXPECT_EQ(slot.x, 0);
  EXPECT_EQ(slot.y, 0);
  EXPECT_EQ(slot.frame, 0);
  EXPECT_EQ(slot.shown, 0);
  EXPECT_EQ(slot.bitDepth, 0u);
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 5; ++x) EXPECT_EQ(At(slot, x, y), Pattern(x, y)) << x << "," << y;
  }
}

TEST_F(SurfaceTest, RefusedOrCutShortPictureLeavesTheSlotEmpty) {
  Surface& slot = display::LayerSlots[0];
  auto bytes = cellwright_test::WriteBmp(cellwright_test::TrueColourPlan(4, 4));
  // Header refused: nothing allocated.
  ASSERT_TRUE(LoadPicture(slot, 2, 2));
  auto refused = bytes;
  refused[28] = 16;  // biBitCount
  display::MemorySource refusedSource(refused.data(), refused.size());
  EXPECT_FALSE(slot.LoadFromSource("bad.bmp", refusedSource));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_STREQ(slot.name, "bad.bmp");

  // Rows cut short behind a source that hides its length: refused after allocating.
  class Unsized final : public display::ByteSource {
   public:
    explicit Unsized(display::MemorySource& inner) : inner_(inner) {}
    std::uint32_t Read(void* dst, std::uint32_t count) override { return inner_.Read(dst, count); }

   private:
    display::MemorySource& inner_;
  };
  ASSERT_TRUE(LoadPicture(slot, 2, 2));
  bytes.resize(bytes.size() - 1);
  display::MemorySource cut(bytes.data(), bytes.size());
  Unsized unsized(cut);
  EXPECT_FALSE(slot.LoadFromSource("cut.bmp", unsized));
  EXPECT_FALSE(slot.HasPixels());
  // The slot is empty, not broken: drawing it is refused and the next load works.
  EXPECT_FALSE(slot.Show(0));
  EXPECT_TRUE(LoadPicture(slot, 2, 2));
}

TEST_F(SurfaceTest, LongNameIsCutTo255Bytes) {
  Surface& slot = display::LayerSlots[1];
  const std::string longName(300, 'a');
  ASSERT_TRUE(LoadPicture(slot, 1, 1, Pattern, longName.c_str()));
  EXPECT_EQ(std::strlen(slot.name), 255u);
  EXPECT_EQ(std::string(slot.name), longName.substr(0, 255));
}

// --- the blit and its clipping ---------------------------------------------------

TEST_F(SurfaceTest, PortraitLeftOfTheScreenShowsItsRightPart) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 640, 480));
  FillScreen(kBackdrop);
  slot.SetPosition(-150, 0);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs([](int x, int y) { return x < 490 ? Pattern(x + 150, y) : kBackdrop; }));
}

TEST_F(SurfaceTest, PortraitRightOfTheScreenShowsItsLeftPart) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 640, 480));
  FillScreen(kBackdrop);
  slot.SetPosition(150, 0);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs([](int x, int y) { return x >= 150 ? Pattern(x - 150, y) : kBackdrop; }));
}

TEST_F(SurfaceTest, NegativeYDropsTheTopRows) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 100, 100));
  FillScreen(kBackdrop);
  slot.SetPosition(10, -30);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs([](int x, int y) {
    return x >= 10 && x < 110 && y < 70 ? Pattern(x - 10, y + 30) : kBackdrop;
  }));
}

TEST_F(SurfaceTest, PictureBelowTheBottomIsCut) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 50, 100));
  FillScreen(kBackdrop);
  slot.SetPosition(590, 400);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs(
      [](int x, int y) { return x >= 590 && y >= 400 ? Pattern(x - 590, y - 400) : kBackdrop; }));
}

TEST_F(SurfaceTest, FrameSelectsACellDownThePicture) {
  Surface& slot = display::LayerSlots[2];
  ASSERT_TRUE(LoadPicture(slot, 8, 8));
  slot.cellHeight = 4;
  slot.SetPosition(20, 30);
  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.Show(1));
  EXPECT_EQ(slot.frame, 1);
  EXPECT_EQ(slot.shown, 1);
  EXPECT_TRUE(ScreenIs([](int x, int y) {
    return x >= 20 && x < 28 && y >= 30 && y < 34 ? Pattern(x - 20, y - 30 + 4) : kBackdrop;
  }));

  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs([](int x, int y) {
    return x >= 20 && x < 28 && y >= 30 && y < 34 ? Pattern(x - 20, y - 30) : kBackdrop;
  }));

  // Past the last cell nothing is left to draw, but the frame is still taken.
  FillScreen(kBackdrop);
  EXPECT_TRUE(slot.Show(2));
  EXPECT_EQ(slot.frame, 2);
  EXPECT_TRUE(ScreenUntouched());
}

TEST_F(SurfaceTest, FrameMinusOneHidesWithoutDrawing) {
  Surface& slot = display::LayerSlots[2];
  ASSERT_TRUE(LoadPicture(slot, 8, 8));
  slot.cellHeight = 4;
  ASSERT_TRUE(slot.Show(1));
  ASSERT_TRUE(display::PresentScreenIfChanged());
  FillScreen(kBackdrop);
  EXPECT_TRUE(slot.Show(-1));
  EXPECT_EQ(slot.shown, 0);
  EXPECT_EQ(slot.frame, 1);
  EXPECT_TRUE(ScreenUntouched());
  EXPECT_FALSE(display::PresentScreenIfChanged());
}

TEST_F(SurfaceTest, GreenLetsTheDestinationShowThrough) {
  Surface& slot = display::LayerSlots[0];
  // Two pixels in five are the key; near-greens are ordinary colours. Width 13
  // exercises the row tail beyond whole groups of four.
  const auto colour = [](int x, int y) -> std::uint32_t {
    switch ((x + y) % 5) {
      case 0:
      case 3:
        return display::kColorKey;
      case 1:
        return 0x0000FF01;
      case 2:
        return 0x0001FF00;
      default:
        return Pattern(x, y);
    }
  };
  ASSERT_TRUE(LoadPicture(slot, 13, 6, colour));
  FillScreen(kBackdrop);
  slot.SetPosition(1, 1);
  ASSERT_TRUE(slot.Show(0));
  EXPECT_TRUE(ScreenIs([&](int x, int y) {
    if (x < 1 || x >= 14 || y < 1 || y >= 7) return kBackdrop;
    const std::uint32_t c = colour(x - 1, y - 1);
    return c == display::kColorKey ? kBackdrop : c;
  }));
}

TEST_F(SurfaceTest, SmallerDestinationIsNeverWrittenOutside) {
  Surface picture;
  ASSERT_TRUE(LoadPicture(picture, 16, 16));
  Surface target;
  ASSERT_TRUE(target.CreateBlank(4, 4));
  struct Case {
    int x;
    int y;
    int dx;  // source column that lands on target column 0 (when drawn)
    int dy;
  };
  // Target positions inside, overhanging each side and overhanging all of them.
  for (const auto& [x, y, sx, sy] : {Case{2, 2, -2, -2}, Case{-3, -1, 3, 1}, Case{1, -5, -1, 5},
                                     Case{-12, -12, 12, 12}, Case{0, 0, 0, 0}}) {
    Fill(target, kBackdrop);
    ASSERT_TRUE(picture.DrawTo(0, target, x, y, {0, 0, 16, 16})) << x << "," << y;
    for (int ty = 0; ty < 4; ++ty) {
      for (int tx = 0; tx < 4; ++tx) {
        const bool covered = tx + sx >= 0 && ty + sy >= 0;
        EXPECT_EQ(At(target, tx, ty), covered ? Pattern(tx + sx, ty + sy) : kBackdrop)
            << "at " << x << "," << y << " pixel " << tx << "," << ty;
      }
    }
  }
}

TEST_F(SurfaceTest, RectangleBeyondTheSourceIsCutToIt) {
  Surface picture;
  ASSERT_TRUE(LoadPicture(picture, 10, 10));
  Surface target;
  ASSERT_TRUE(target.CreateBlank(30, 30));
  Fill(target, kBackdrop);
  ASSERT_TRUE(picture.DrawTo(0, target, 5, 5, {-4, -2, 1000, 1000}));
  for (int ty = 0; ty < 30; ++ty) {
    for (int tx = 0; tx < 30; ++tx) {
      // Source (0,0) lands where the rectangle's top-left would have put it.
      const int sx = tx - 5 - 4;
      const int sy = ty - 5 - 2;
      const bool covered = sx >= 0 && sx < 10 && sy >= 0 && sy < 10;
      EXPECT_EQ(At(target, tx, ty), covered ? Pattern(sx, sy) : kBackdrop) << tx << "," << ty;
    }
  }
}

TEST_F(SurfaceTest, FarOffPositionsAndFramesDrawNothing) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 32, 32));
  FillScreen(kBackdrop);
  for (const int position : {INT_MIN, -100000, -32, 640, 100000, INT_MAX}) {
    slot.SetPosition(position, 0);
    EXPECT_TRUE(slot.Show(0)) << position;
    slot.SetPosition(0, 0);
    EXPECT_TRUE(slot.DrawTo(0, display::Screen, position, 0, {0, 0, 32, 32})) << position;
  }
  for (const int position : {INT_MIN, -100000, -32, 480, 100000, INT_MAX}) {
    slot.SetPosition(0, position);
    EXPECT_TRUE(slot.Show(0)) << position;
    slot.SetPosition(0, 0);
    EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, position, {0, 0, 32, 32})) << position;
  }
  for (const int frameIndex : {INT_MIN, -2, 1, 5, INT_MAX}) {
    EXPECT_TRUE(slot.Show(frameIndex)) << frameIndex;
  }
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {INT_MIN, INT_MIN, INT_MIN, INT_MIN}));
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}));
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {20, 20, 10, 10}));
  EXPECT_TRUE(ScreenUntouched());
  EXPECT_FALSE(display::PresentScreenIfChanged());
}

TEST_F(SurfaceTest, ClipRulesFollowTheSlotButDrawWhereTheCallerSays) {
  // The left rule looks at the slot's own x and then draws at column 0; the
  // caller's y stands because the slot's own y is not above the screen.
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 20, 4));
  FillScreen(kBackdrop);
  slot.SetPosition(-5, 0);
  ASSERT_TRUE(slot.DrawTo(0, display::Screen, 300, 100, {0, 0, 20, 4}));
  EXPECT_TRUE(ScreenIs([](int x, int y) {
    return x < 15 && y >= 100 && y < 104 ? Pattern(x + 5, y - 100) : kBackdrop;
  }));

  // With the slot on screen, the caller's position is used as given.
  FillScreen(kBackdrop);
  slot.SetPosition(0, 0);
  ASSERT_TRUE(slot.DrawTo(0, display::Screen, 300, 100, {0, 0, 20, 4}));
  EXPECT_TRUE(ScreenIs([](int x, int y) {
    return x >= 300 && x < 320 && y >= 100 && y < 104 ? Pattern(x - 300, y - 100) : kBackdrop;
  }));

  // The right rule cuts by the slot's overhang even where the caller draws.
  FillScreen(kBackdrop);
  slot.SetPosition(630, 0);
  ASSERT_TRUE(slot.DrawTo(0, display::Screen, 50, 0, {0, 0, 20, 4}));
  EXPECT_TRUE(ScreenIs(
      [](int x, int y) { return x >= 50 && x < 60 && y < 4 ? Pattern(x - 50, y) : kBackdrop; }));
}

TEST_F(SurfaceTest, DrawingOntoItselfCopiesAsIfFromACopy) {
  Surface s;
  ASSERT_TRUE(LoadPicture(s, 8, 2));
  ASSERT_TRUE(s.DrawTo(0, s, 2, 0, {0, 0, 6, 2}));
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 8; ++x) {
      EXPECT_EQ(At(s, x, y), x < 2 ? Pattern(x, y) : Pattern(x - 2, y)) << x << "," << y;
    }
  }
  ASSERT_TRUE(s.DrawTo(0, s, 0, 1, {0, 0, 8, 2}));
  for (int x = 0; x < 8; ++x) EXPECT_EQ(At(s, x, 1), At(s, x, 0)) << x;
}

TEST_F(SurfaceTest, EmptySlotOrDestinationIsRefused) {
  Surface empty;
  Surface picture;
  ASSERT_TRUE(LoadPicture(picture, 4, 4));
  EXPECT_FALSE(empty.DrawTo(0, display::Screen, 0, 0, {0, 0, 4, 4}));
  EXPECT_FALSE(empty.Show(0));
  EXPECT_FALSE(empty.Show(-1));
  EXPECT_FALSE(picture.DrawTo(0, empty, 0, 0, {0, 0, 4, 4}));
  EXPECT_EQ(picture.shown, 0);
}

TEST_F(SurfaceTest, ComposeOntoDrawsTheCurrentFrameAtTheSlotsPlace) {
  Surface& slot = display::LayerSlots[5];
  ASSERT_TRUE(LoadPicture(slot, 8, 8));
  slot.cellHeight = 4;
  slot.frame = 1;
  slot.SetPosition(3, 2);
  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ComposeOnto(display::ComposeBuffer));
  EXPECT_EQ(slot.shown, 1);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool inside = x >= 3 && x < 11 && y >= 2 && y < 6;
      EXPECT_EQ(At(display::ComposeBuffer, x, y), inside ? Pattern(x - 3, y - 2 + 4) : 0u)
          << x << "," << y;
    }
  }
  EXPECT_TRUE(ScreenUntouched());
  EXPECT_FALSE(display::PresentScreenIfChanged());

  ASSERT_TRUE(slot.ShowCurrent());
  EXPECT_EQ(ScreenAt(3, 2), Pattern(0, 4));
  EXPECT_EQ(ScreenAt(10, 5), Pattern(7, 7));
}

// --- slices of tall pictures -----------------------------------------------------

TEST_F(SurfaceTest, ShowSliceNearTheBottomCutsTheBand) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 32, 600));
  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ShowSlice(100, 300));
  EXPECT_EQ(slot.x, 0);
  EXPECT_EQ(slot.y, 300);
  EXPECT_EQ(slot.shown, 1);
  EXPECT_TRUE(ScreenIs(
      [](int x, int y) { return x < 32 && y >= 300 ? Pattern(x, y - 300 + 100) : kBackdrop; }));

  // The band reaches past the picture's end: only what exists is drawn.
  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ShowSlice(500, 0));
  EXPECT_TRUE(
      ScreenIs([](int x, int y) { return x < 32 && y < 100 ? Pattern(x, y + 500) : kBackdrop; }));
}

TEST_F(SurfaceTest, ShowSliceOfAShortPictureAndAboveTheTop) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 32, 20));
  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ShowSlice(0, 460));
  EXPECT_TRUE(
      ScreenIs([](int x, int y) { return x < 32 && y >= 460 ? Pattern(x, y - 460) : kBackdrop; }));

  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ShowSlice(0, 470));
  EXPECT_TRUE(
      ScreenIs([](int x, int y) { return x < 32 && y >= 470 ? Pattern(x, y - 470) : kBackdrop; }));

  FillScreen(kBackdrop);
  ASSERT_TRUE(slot.ShowSlice(0, -10));
  EXPECT_TRUE(
      ScreenIs([](int x, int y) { return x < 32 && y < 10 ? Pattern(x, y + 10) : kBackdrop; }));
}

// --- drawing contexts and row access ---------------------------------------------

TEST_F(SurfaceTest, DrawingContextOnTheScreenFillsClippedAndIsPresented) {
  FillScreen(kBackdrop);
  const auto context = display::Screen.BeginDrawing();
  ASSERT_TRUE(context);
  EXPECT_EQ(context->pixels, Sys().ScreenPixels());
  EXPECT_EQ(context->pitch, 640);
  EXPECT_EQ(context->width, 640);
  EXPECT_EQ(context->height, 480);
  context->FillRect({-10, -10, 5, 5}, 1);
  context->FillRect({630, 470, 700, 500}, 2);
  context->FillRect({100, 100, 100, 200}, 3);  // empty
  context->FillRect({300, 200, 200, 300}, 3);  // inverted
  display::Screen.EndDrawing(*context);
  EXPECT_TRUE(ScreenIs([](int x, int y) -> std::uint32_t {
    if (x < 5 && y < 5) return 1;
    if (x >= 630 && y >= 470) return 2;
    return kBackdrop;
  }));
  EXPECT_TRUE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 1);
}

TEST_F(SurfaceTest, DrawingContextNeedsPixelsHereAndOnTheScreen) {
  Surface s;
  EXPECT_FALSE(s.BeginDrawing());
  ASSERT_TRUE(s.CreateBlank(6, 3));
  const auto context = s.BeginDrawing();
  ASSERT_TRUE(context);
  EXPECT_EQ(context->pitch, 6);
  context->FillRect({1, 1, 3, 2}, 9);
  s.EndDrawing(*context);
  EXPECT_EQ(At(s, 1, 1), 9u);
  EXPECT_EQ(At(s, 2, 1), 9u);
  EXPECT_EQ(At(s, 3, 1), 0u);
  EXPECT_EQ(At(s, 1, 0), 0u);
  EXPECT_FALSE(display::PresentScreenIfChanged());

  display::Screen.Release();
  EXPECT_FALSE(s.BeginDrawing());
}

TEST_F(SurfaceTest, LockGivesTheRowsOfTheClippedRectangle) {
  FillScreen(kBackdrop);
  const auto rows = display::Screen.Lock({600, -20, 700, 3});
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->first, Sys().ScreenPixels() + 600);
  EXPECT_EQ(rows->pitch, 640);
  EXPECT_EQ(rows->width, 40);
  EXPECT_EQ(rows->height, 3);
  for (int y = 0; y < rows->height; ++y) {
    std::fill_n(rows->first + y * rows->pitch, rows->width, 5u);
  }
  display::Screen.Unlock();
  EXPECT_TRUE(ScreenIs([](int x, int y) { return x >= 600 && y < 3 ? 5u : kBackdrop; }));
  EXPECT_TRUE(display::PresentScreenIfChanged());

  EXPECT_FALSE(display::Screen.Lock({640, 0, 700, 10}));
  EXPECT_FALSE(display::Screen.Lock({10, 10, 10, 20}));
  Surface empty;
  EXPECT_FALSE(empty.Lock({0, 0, 1, 1}));
}

// --- presenting ------------------------------------------------------------------

TEST_F(SurfaceTest, ScreenIsPresentedOnceAfterDrawsAndNotAgainUntilChanged) {
  EXPECT_FALSE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 0);

  ASSERT_TRUE(LoadPicture(display::LayerSlots[0], 4, 4));
  ASSERT_TRUE(LoadPicture(display::LayerSlots[1], 4, 4));
  ASSERT_TRUE(display::LayerSlots[0].Show(0));
  ASSERT_TRUE(display::LayerSlots[1].Show(0));
  EXPECT_EQ(Sys().PresentCount(), 0);  // nothing is presented per blit
  EXPECT_TRUE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 1);
  EXPECT_FALSE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 1);

  // Drawing elsewhere is not a change of the screen.
  ASSERT_TRUE(display::LayerSlots[0].ComposeOnto(display::ComposeBuffer));
  EXPECT_FALSE(display::PresentScreenIfChanged());

  ASSERT_TRUE(display::ComposeBuffer.Show(0));
  EXPECT_TRUE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 2);
}

TEST_F(SurfaceTest, RestoreOfABlankSurfaceKeepsThePixels) {
  Surface& slot = display::LayerSlots[0];
  // A blank surface forgets the picture it held before.
  ASSERT_TRUE(LoadPicture(slot, 2, 2));
  ASSERT_TRUE(slot.CreateBlank(3, 3));
  EXPECT_STREQ(slot.name, "");
  Fill(slot, 42);
  EXPECT_TRUE(slot.RestoreAndReload());
  ASSERT_TRUE(slot.HasPixels());
  EXPECT_EQ(At(slot, 2, 2), 42u);
  EXPECT_TRUE(Sys().Boxes().empty());
  Surface empty;
  EXPECT_FALSE(empty.RestoreAndReload());
}

}  // namespace
