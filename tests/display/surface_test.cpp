#include "display/surface.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>
#include <tuple>
#include <utility>

#include "tests/support/display_fixture.h"

namespace {

using cellwright_test::DisplayTest;
using cellwright_test::Pattern;
using display::Rect;
using display::Surface;

constexpr std::uint32_t kBackdrop = 0x00ABCDEF;

class SurfaceTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    FillScreen(kBackdrop);
  }
  // How many pixels of `s` differ from expected(x, y).
  static int Differing(const Surface& s, const std::function<std::uint32_t(int, int)>& expected) {
    int count = 0;
    for (int y = 0; y < s.height; ++y) {
      for (int x = 0; x < s.width; ++x) count += At(s, x, y) != expected(x, y) ? 1 : 0;
    }
    return count;
  }
  static int Touched(const Surface& s) {
    return Differing(s, [](int, int) { return kBackdrop; });
  }
};

using DisplayLifecycle = cellwright_test::HeadlessTest;

TEST_F(DisplayLifecycle, NeedsTheMainWindowLeavesTheScreenAsItWasAndEmptiesEverySlotOnShutdown) {
  EXPECT_FALSE(display::InitDisplay());
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  std::fill_n(Sys().ScreenPixels(), 640 * 480, kBackdrop);
  ASSERT_TRUE(display::InitDisplay());
  EXPECT_EQ(Sys().ScreenPixels()[0], kBackdrop);

  for (Surface& slot : display::LayerSlots) ASSERT_TRUE(slot.CreateBlank(1, 1));
  display::ShutdownDisplay();
  for (const Surface& slot : display::LayerSlots) EXPECT_FALSE(slot.HasPixels());
  EXPECT_FALSE(display::DisplayIsUp() || display::ComposeBuffer.HasPixels() ||
               display::Screen.HasPixels());
  EXPECT_TRUE(display::InitDisplay());  // and it comes back up
}

TEST_F(SurfaceTest, EveryOperationRefusesWithoutPixelsOrWhileTheDisplayIsDown) {
  Surface picture, target, empty;
  ASSERT_TRUE(LoadPicture(picture, 8, 8));
  ASSERT_TRUE(target.CreateBlank(8, 8));
  EXPECT_FALSE(empty.Show(0) || empty.Show(-1) || picture.DrawTo(0, empty, 0, 0, {0, 0, 4, 4}));
  EXPECT_FALSE(empty.BeginDrawing() || empty.Lock({0, 0, 1, 1}) || empty.RestoreAndReload());

  display::Display.up = false;
  EXPECT_FALSE(picture.DrawTo(0, target, 0, 0, {0, 0, 8, 8}));
  EXPECT_FALSE(picture.Show(0) || picture.ShowSlice(0, 0) || picture.RestoreAndReload());
  EXPECT_FALSE(picture.BeginDrawing() || picture.Lock({0, 0, 8, 8}));
  EXPECT_FALSE(empty.CreateBlank(4, 4) || LoadPicture(empty, 2, 2) || empty.HasPixels());
  display::Display.up = true;
  EXPECT_EQ(Touched(display::Screen), 0);
  EXPECT_EQ(At(target, 0, 0), 0u);
  EXPECT_FALSE(display::PresentScreenIfChanged());
}

TEST_F(SurfaceTest, BlankSurfacesTakeSidesFromOneTo8192AndNeedTheScreen) {
  Surface s;
  for (const auto& [w, h] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-1, 5}, std::pair{5, -1},
                             std::pair{8193, 1}, std::pair{1, 8193}, std::pair{INT_MIN, INT_MIN}}) {
    EXPECT_FALSE(s.CreateBlank(w, h) || s.HasPixels()) << w << "x" << h;
  }
  s.SetPosition(7, 9);
  ASSERT_TRUE(s.CreateBlank(1, 8192) && s.CreateBlank(8192, 1));
  EXPECT_EQ(std::tuple(s.cellWidth, s.cellHeight, s.x, s.y), std::tuple(8192, 1, 0, 0));
  EXPECT_EQ(At(s, 8191, 0), 0u);
  display::Screen.Release();
  EXPECT_FALSE(s.CreateBlank(4, 4));
}

TEST_F(SurfaceTest, LoadingStartsTheSlotAfreshAndRowsCutShortLeaveItEmpty) {
  Surface& slot = display::LayerSlots[3];
  ASSERT_TRUE(slot.CreateBlank(2, 2));
  slot.SetPosition(11, 12);
  slot.frame = slot.shown = 1;
  const std::string longName(300, 'a');
  ASSERT_TRUE(LoadPicture(slot, 5, 7, Pattern, longName.c_str()));
  EXPECT_EQ(std::string(slot.name), longName.substr(0, 255));
  EXPECT_EQ(std::tuple(slot.cellWidth, slot.cellHeight, slot.x, slot.y, slot.frame, slot.shown),
            std::tuple(5, 7, 0, 0, 0, 0));
  EXPECT_EQ(0, Differing(slot, Pattern));

  // Behind a source that hides its length, refused only after allocating.
  struct Unsized final : display::ByteSource {
    explicit Unsized(display::MemorySource& inner) : inner_(inner) {}
    std::uint32_t Read(void* dst, std::uint32_t count) override { return inner_.Read(dst, count); }
    display::MemorySource& inner_;
  };
  const auto bytes = cellwright_test::WriteBmp(cellwright_test::TrueColourPlan(4, 4));
  display::MemorySource cut(bytes.data(), bytes.size() - 1);
  Unsized unsized(cut);
  EXPECT_FALSE(slot.LoadFromSource("cut.bmp", unsized));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_FALSE(slot.Show(0));  // empty, not broken: drawing it is refused
  EXPECT_TRUE(LoadPicture(slot, 2, 2));
}

// --- the blit and its clipping ---------------------------------------------------

// One blit each of a 40x40 picture in cells of 20 rows, standing at slotX,
// slotY: `source` of `frame` drawn at destX, destY onto the Screen or a 4x4
// target, or the band from row source.top shown at destY. It covers the
// destination pixels `covered`, each from source pixel (x + dx, y + dy); the
// rest stays.
enum How { kScreen, kTarget, kSlice };
struct Blit {
  const char* name;
  int slotX, slotY, frame;
  How how;
  int destX, destY;
  Rect source, covered;
  int dx, dy;
};

TEST_F(SurfaceTest, BlitsFollowTheSlotsScreenEdgeRulesAndNeverLeaveEitherSurface) {
  const Rect cell{0, 0, 40, 20};
  const Blit cases[] = {
      // The screen-edge rules, decided by where the slot stands but drawn where
      // the caller says.
      Blit("left of the screen", -15, 0, 0, kScreen, -15, 0, cell, Rect{0, 0, 25, 20}, 15, 0),
      Blit("above the screen", 10, -5, 0, kScreen, 10, -5, cell, Rect{10, 0, 50, 15}, -10, 5),
      Blit("the left rule draws at column 0, on the caller's row", -5, 0, 0, kScreen, 300, 100,
           cell, Rect{0, 100, 35, 120}, 5, -100),
      Blit("the right rule cuts the slot's overhang, here one column, wherever the caller draws",
           601, 0, 0, kScreen, 50, 0, cell, Rect{50, 0, 89, 20}, -50, 0),
      Blit("frame 1 is the second cell down", 20, 30, 1, kScreen, 20, 30, cell,
           Rect{20, 30, 60, 50}, -20, -10),
      Blit("a frame past the last cell", 0, 0, 2, kScreen, 0, 0, cell, Rect{}, 0, 0),
      // Bands: the part that would fall below the screen is cut from the band.
      Blit("a band near the bottom", 0, 0, 0, kSlice, 0, 460, Rect{0, 10, 0, 0},
           Rect{0, 460, 40, 480}, 0, -450),
      Blit("a band past the picture's end", 0, 0, 0, kSlice, 0, 0, Rect{0, 30, 0, 0},
           Rect{0, 0, 40, 10}, 0, 30),
      Blit("a band above the top", 0, 0, 0, kSlice, 0, -10, Rect{}, Rect{0, 0, 40, 30}, 0, 10),
      // Safe clipping: never read outside the source nor write outside the destination.
      Blit("over the bottom right corner", 620, 470, 0, kScreen, 620, 470, cell,
           Rect{620, 470, 640, 480}, -620, -470),
      Blit("a rectangle beyond the source", 0, 0, 0, kScreen, 5, 5, Rect{-4, -2, 1000, 1000},
           Rect{9, 7, 49, 47}, -9, -7),
      Blit("inside a smaller target", 0, 0, 0, kTarget, 2, 2, cell, Rect{2, 2, 4, 4}, -2, -2),
      Blit("over the target's top left", 0, 0, 0, kTarget, -3, -1, cell, Rect{0, 0, 4, 4}, 3, 1),
      Blit("over every side of the target", 0, 0, 0, kTarget, -30, -10, cell, Rect{0, 0, 4, 4}, 30,
           10),
  };
  for (const Blit& c : cases) {
    SCOPED_TRACE(c.name);
    Surface& slot = display::LayerSlots[0];
    ASSERT_TRUE(LoadPicture(slot, 40, 40));
    slot.cellHeight = 20;
    slot.SetPosition(c.slotX, c.slotY);
    Surface target;
    ASSERT_TRUE(target.CreateBlank(4, 4));
    Fill(target, kBackdrop);
    FillScreen(kBackdrop);
    Surface& destination = c.how == kTarget ? target : display::Screen;
    ASSERT_TRUE(c.how == kSlice ? slot.ShowSlice(c.source.top, c.destY)
                                : slot.DrawTo(c.frame, destination, c.destX, c.destY, c.source));
    EXPECT_EQ(0, Differing(destination, [&c](int x, int y) {
                const Rect& r = c.covered;
                const bool covered = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
                return covered ? Pattern(x + c.dx, y + c.dy) : kBackdrop;
              }));
    EXPECT_EQ(std::pair(slot.x, slot.y),  // a band moves the slot to where it is shown
              c.how == kSlice ? std::pair(0, c.destY) : std::pair(c.slotX, c.slotY));
  }
}

TEST_F(SurfaceTest, FarOffPositionsFramesAndRectanglesDrawNothingAndFrameMinusOneOnlyHides) {
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 32, 32));
  const std::pair<int, int> positions[] = {{INT_MIN, 0}, {-100000, 0}, {-32, 0}, {640, 0},
                                           {INT_MAX, 0}, {0, INT_MIN}, {0, -32}, {0, 480},
                                           {0, 100000},  {0, INT_MAX}};
  for (const auto& [x, y] : positions) {
    EXPECT_TRUE(slot.SetPosition(x, y) && slot.Show(0)) << x << "," << y;
    EXPECT_TRUE(slot.SetPosition(0, 0) && slot.DrawTo(0, display::Screen, x, y, {0, 0, 32, 32}));
  }
  for (const int frameIndex : {INT_MIN, -2, 1, INT_MAX}) EXPECT_TRUE(slot.Show(frameIndex));
  EXPECT_EQ(std::pair(slot.frame, slot.shown), std::pair(INT_MAX, 1));  // taken though not drawn
  EXPECT_TRUE(slot.Show(-1));                                           // only hides
  EXPECT_EQ(std::pair(slot.frame, slot.shown), std::pair(INT_MAX, 0));
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {INT_MIN, INT_MIN, INT_MIN, INT_MIN}));
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {INT_MAX, INT_MAX, INT_MAX, INT_MAX}));
  EXPECT_TRUE(slot.DrawTo(0, display::Screen, 0, 0, {20, 20, 10, 10}));  // inverted
  EXPECT_EQ(Touched(display::Screen), 0);
  EXPECT_FALSE(display::PresentScreenIfChanged());
}

TEST_F(SurfaceTest, GreenLetsTheDestinationShowThrough) {
  // Two pixels in five are the key; near-greens are ordinary colours. Width 13
  // takes the row's tail past whole groups of four.
  const auto colour = [](int x, int y) -> std::uint32_t {
    const std::uint32_t colours[] = {display::kColorKey, 0x0000FF01, 0x0001FF00, display::kColorKey,
                                     Pattern(x, y)};
    return colours[(x + y) % 5];
  };
  Surface& slot = display::LayerSlots[0];
  ASSERT_TRUE(LoadPicture(slot, 13, 6, colour));
  ASSERT_TRUE(slot.SetPosition(1, 1) && slot.Show(0));
  EXPECT_EQ(0, Differing(display::Screen, [&](int x, int y) {
              if (x < 1 || x >= 14 || y < 1 || y >= 7) return kBackdrop;
              const std::uint32_t c = colour(x - 1, y - 1);
              return c == display::kColorKey ? kBackdrop : c;
            }));
}

TEST_F(SurfaceTest, DrawingOntoItselfCopiesAsIfFromACopy) {
  Surface s;
  ASSERT_TRUE(LoadPicture(s, 8, 2));
  ASSERT_TRUE(s.DrawTo(0, s, 2, 0, {0, 0, 6, 2}));
  EXPECT_EQ(0, Differing(s, [](int x, int y) { return Pattern(x < 2 ? x : x - 2, y); }));
  ASSERT_TRUE(s.DrawTo(0, s, 0, 1, {0, 0, 8, 2}));
  for (int x = 0; x < 8; ++x) EXPECT_EQ(At(s, x, 1), At(s, x, 0)) << x;
}

// --- drawing contexts, row access and presenting ---------------------------------

TEST_F(SurfaceTest, DrawsOnTheScreenAreClippedAndPresentedOnceAndDrawsElsewhereAreNot) {
  const auto context = display::Screen.BeginDrawing();
  ASSERT_TRUE(context);
  context->FillRect({-10, -10, 5, 5}, 1);
  context->FillRect({630, 470, 700, 500}, 2);
  context->FillRect({100, 100, 100, 200}, 3);  // empty
  context->FillRect({300, 200, 200, 300}, 3);  // inverted
  display::Screen.EndDrawing(*context);
  const auto rows = display::Screen.Lock({600, -20, 700, 3});
  ASSERT_TRUE(rows);
  for (int y = 0; y < rows->height; ++y)
    std::fill_n(rows->first + y * rows->pitch, rows->width, 5u);
  display::Screen.Unlock();
  EXPECT_FALSE(display::Screen.Lock({640, 0, 700, 10}) || display::Screen.Lock({10, 10, 10, 20}));
  ASSERT_TRUE(LoadPicture(display::LayerSlots[0], 4, 4));
  ASSERT_TRUE(display::LayerSlots[0].SetPosition(300, 300) && display::LayerSlots[0].Show(0));
  EXPECT_EQ(0, Differing(display::Screen, [](int x, int y) -> std::uint32_t {
              if (x < 5 && y < 5) return 1;
              if (x >= 630 && y >= 470) return 2;
              if (x >= 300 && x < 304 && y >= 300 && y < 304) return Pattern(x - 300, y - 300);
              return x >= 600 && y < 3 ? 5u : kBackdrop;
            }));
  EXPECT_EQ(Sys().PresentCount(), 0);  // nothing is presented per draw
  EXPECT_TRUE(display::PresentScreenIfChanged());
  EXPECT_FALSE(display::PresentScreenIfChanged());
  ASSERT_TRUE(display::LayerSlots[0].ComposeOnto(display::ComposeBuffer));
  EXPECT_FALSE(display::PresentScreenIfChanged());
  EXPECT_EQ(Sys().PresentCount(), 1);
}

}  // namespace
