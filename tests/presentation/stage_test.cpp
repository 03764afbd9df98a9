// The stage: background and portrait placement, the full redraw, dimming.
#include <gtest/gtest.h>

#include <string>

#include "display/stage.h"
#include "display/surface.h"
#include "platform/encoding.h"
#include "tests/presentation/presentation_fixture.h"

namespace {

using cellwright_test::PresentationTest;
using display::LayerSlots;
using display::SetLayerPicture;

constexpr std::uint32_t kBackground = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x00E02010;
constexpr std::uint32_t kBlue = 0x001020E0;

class StageTest : public PresentationTest {
 protected:
  void SetUp() override {
    PresentationTest::SetUp();
    WriteSolid("bgwhite.bmp", 640, 480, kBackground);
    WriteSolid("bggrey.bmp", 640, 480, 0x00808080);
    // Portraits: a 100-pixel figure in the middle of a 640-wide keyed picture.
    const auto figure = [](std::uint32_t colour) {
      return [colour](int x, int) { return x >= 270 && x < 370 ? colour : display::kColorKey; };
    };
    WritePicture("red.bmp", 640, 400, figure(kRed));
    WritePicture("blue.bmp", 640, 400, figure(kBlue));
  }
};

TEST_F(StageTest, PortraitsStandSideBySideAndTheOneLeftIsCentred) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  EXPECT_EQ(LayerSlots[1].x, 0);
  EXPECT_EQ(ScreenAt(320, 200), kRed);

  SetLayerPicture(2, "blue");
  EXPECT_EQ(LayerSlots[1].x, -150);
  EXPECT_EQ(LayerSlots[2].x, 150);
  EXPECT_EQ(ScreenAt(170, 200), kRed);
  EXPECT_EQ(ScreenAt(470, 200), kBlue);
  EXPECT_EQ(ScreenAt(320, 200), kBackground);  // the keyed gap between them
  EXPECT_EQ(ScreenAt(320, 450), kBackground);  // below the portraits

  SetLayerPicture(2, nullptr);
  EXPECT_EQ(LayerSlots[1].x, 0);
  EXPECT_EQ(ScreenAt(320, 200), kRed);
  EXPECT_EQ(ScreenAt(470, 200), kBackground);

  SetLayerPicture(2, "blue");
  SetLayerPicture(1, nullptr);
  EXPECT_EQ(LayerSlots[2].x, 0);
  EXPECT_EQ(ScreenAt(320, 200), kBlue);
}

TEST_F(StageTest, PortraitKeepsItsOwnY) {
  SetLayerPicture(1, "red");
  LayerSlots[1].y = 40;
  SetLayerPicture(2, "blue");
  EXPECT_EQ(LayerSlots[1].y, 40);
  EXPECT_EQ(LayerSlots[2].y, 0);
  EXPECT_EQ(ScreenAt(170, 20), 0u);  // black: no background, portrait moved down
  EXPECT_EQ(ScreenAt(170, 60), kRed);
}

TEST_F(StageTest, NewBackgroundSendsThePortraitsAway) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  SetLayerPicture(2, "blue");
  SetLayerPicture(0, "bggrey");
  EXPECT_FALSE(LayerSlots[1].HasPixels());
  EXPECT_FALSE(LayerSlots[2].HasPixels());
  EXPECT_EQ(ScreenAt(170, 200), 0x00808080u);
  EXPECT_EQ(ScreenAt(470, 200), 0x00808080u);
}

TEST_F(StageTest, EmptyingTheBackgroundClearsTheStageToBlack) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  WriteSolid("extra.bmp", 10, 10, kBlue);
  ASSERT_TRUE(LayerSlots[5].Load("extra.bmp"));
  LayerSlots[5].shown = 1;
  ASSERT_TRUE(LayerSlots[6].Load("extra.bmp"));
  LayerSlots[6].shown = 1;

  SetLayerPicture(0, nullptr);
  for (int slot = 0; slot <= 5; ++slot) EXPECT_FALSE(LayerSlots[slot].HasPixels()) << slot;
  EXPECT_TRUE(LayerSlots[6].HasPixels());  // only the stage's slots are emptied
  EXPECT_EQ(ScreenAt(320, 200), 0u);
  EXPECT_EQ(ScreenAt(5, 5), kBlue);
}

TEST_F(StageTest, MissingPictureLeavesItsSlotEmptyAndTheRestIntact) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  EXPECT_EQ(SetLayerPicture(2, "nosuch"), 0);
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  EXPECT_EQ(Sys().Boxes()[0].request.text.find(platform::Sjis("見つかりません")), 0u);
  EXPECT_FALSE(LayerSlots[2].HasPixels());
  EXPECT_EQ(LayerSlots[2].shown, 1);
  EXPECT_EQ(LayerSlots[1].x, 0);  // alone, so centred
  EXPECT_EQ(ScreenAt(320, 200), kRed);
  EXPECT_EQ(ScreenAt(100, 200), kBackground);
}

TEST_F(StageTest, OverlongNameIsCutInsteadOfOverflowing) {
  const std::string name(400, 'a');
  EXPECT_EQ(SetLayerPicture(0, name.c_str()), 0);
  EXPECT_FALSE(LayerSlots[0].HasPixels());
  EXPECT_EQ(ScreenAt(0, 0), 0u);
}

TEST_F(StageTest, SlotsOutsideTheTableAreIgnored) {
  EXPECT_EQ(SetLayerPicture(-1, "red"), 0);
  EXPECT_EQ(SetLayerPicture(display::kLayerSlotCount, "red"), 0);
  EXPECT_TRUE(Sys().Boxes().empty());
}

TEST_F(StageTest, WindowIsDimmedOnlyWhileAGameRuns) {
  SetLayerPicture(0, "bgwhite");
  const display::Rect window = display::kWindowRect;
  EXPECT_EQ(CountOther(window, kBackground), 0);

  core::GameRunning = 1;
  display::Refresh();
  EXPECT_EQ(CountOther(window, 0x007F7F7F), 0);
  // The pixels just outside the rectangle keep their brightness.
  EXPECT_EQ(ScreenAt(window.left - 1, window.top), kBackground);
  EXPECT_EQ(ScreenAt(window.right, window.top), kBackground);
  EXPECT_EQ(ScreenAt(window.left, window.top - 1), kBackground);
  EXPECT_EQ(ScreenAt(window.left, window.bottom), kBackground);

  // Dimmed again from the reloaded picture, not from the dimmed buffer.
  display::Refresh();
  EXPECT_EQ(ScreenAt(300, 430), 0x007F7F7Fu);
}

TEST_F(StageTest, HalvingTakesEveryChannelDownWithoutBleeding) {
  std::uint32_t pixels[2][3] = {{0x00FFFFFF, 0x00010101, 0x00FF0000},
                                {0x0000FF00, 0x000000FF, 0x00808080}};
  display::HalveBrightness({&pixels[0][0], 3, 2, 2});  // two columns of each row
  EXPECT_EQ(pixels[0][0], 0x007F7F7Fu);
  EXPECT_EQ(pixels[0][1], 0u);
  EXPECT_EQ(pixels[0][2], 0x00FF0000u);  // outside the rows' width
  EXPECT_EQ(pixels[1][0], 0x00007F00u);
  EXPECT_EQ(pixels[1][1], 0x0000007Fu);
  EXPECT_EQ(pixels[1][2], 0x00808080u);
}

TEST_F(StageTest, EveryRefreshReadsThePicturesAgain) {
  SetLayerPicture(0, "bgwhite");
  WriteSolid("bgwhite.bmp", 640, 480, 0x00336699);
  display::Refresh();
  EXPECT_EQ(ScreenAt(10, 10), 0x00336699u);
}

TEST_F(StageTest, ScreenPartsInHigherSlotsStackAboveThePortraits) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  WriteSolid("badge.bmp", 20, 20, kBlue);
  ASSERT_TRUE(LayerSlots[12].Load("badge.bmp"));
  LayerSlots[12].SetPosition(310, 190);
  LayerSlots[12].shown = 1;
  display::Refresh();
  EXPECT_EQ(ScreenAt(315, 195), kBlue);
  EXPECT_EQ(ScreenAt(305, 195), kRed);
}

TEST_F(StageTest, NothingHappensWhileTheDisplayIsDown) {
  display::ShutdownDisplay();
  EXPECT_EQ(SetLayerPicture(0, "bgwhite"), 0);
  display::Refresh();
  EXPECT_FALSE(LayerSlots[0].HasPixels());
}

}  // namespace
