// The stage: background and portrait placement, the full redraw, dimming, and
// what the presentation tells the event log.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

#include "core/frame_pump.h"
#include "platform/headless/headless_system.h"
#include "tests/presentation/presentation_fixture.h"

namespace {

using display::LayerSlots;
using display::SetLayerPicture;

constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x00E02010;
constexpr std::uint32_t kBlue = 0x001020E0;

class StageTest : public cellwright_test::PresentationTest {
 protected:
  void SetUp() override {
    PresentationTest::SetUp();
    WriteSolid("bgwhite.bmp", 640, 480, kWhite);
    WriteSolid("badge.bmp", 20, 20, kBlue);
    // Portraits: a 100-pixel figure in the middle of a 640-wide keyed picture.
    for (const auto& [name, colour] : {std::pair{"red.bmp", kRed}, std::pair{"blue.bmp", kBlue}}) {
      WritePicture(name, cellwright_test::TrueColourPlan(640, 400, [colour](int x, int) {
                     return x >= 270 && x < 370 ? colour : display::kColorKey;
                   }));
    }
  }
};

TEST_F(StageTest, PortraitsStandSideBySideTheOneLeftIsCentredAndEachKeepsItsY) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  EXPECT_EQ(ScreenAt(320, 200), kRed);
  LayerSlots[1].y = 40;
  SetLayerPicture(2, "blue");
  EXPECT_EQ(std::pair(LayerSlots[1].x, LayerSlots[2].x), std::pair(-150, 150));
  EXPECT_EQ(std::pair(LayerSlots[1].y, LayerSlots[2].y), std::pair(40, 0));
  EXPECT_EQ(ScreenAt(170, 20), kWhite);  // the red portrait, moved down
  EXPECT_EQ(ScreenAt(470, 200), kBlue);
  EXPECT_EQ(ScreenAt(320, 200), kWhite);  // the keyed gap between them

  SetLayerPicture(2, nullptr);
  EXPECT_EQ(LayerSlots[1].x, 0);
  SetLayerPicture(2, "blue");
  SetLayerPicture(1, nullptr);
  EXPECT_EQ(LayerSlots[2].x, 0);
  EXPECT_EQ(ScreenAt(320, 200), kBlue);
  EXPECT_EQ(SetLayerPicture(1, "nosuch"), 0);  // missing: the slot stays empty after the box
  EXPECT_EQ(LayerSlots[2].x, 0);               // still alone, so centred
}

TEST_F(StageTest, ANewBackgroundSendsThePortraitsAwayAndNoneClearsTheStageToBlack) {
  SetLayerPicture(0, "bgwhite");
  SetLayerPicture(1, "red");
  SetLayerPicture(2, "blue");
  SetLayerPicture(0, "bgwhite");
  EXPECT_FALSE(LayerSlots[1].HasPixels() || LayerSlots[2].HasPixels());

  SetLayerPicture(1, "red");
  for (const int slot : {5, 6}) {
    ASSERT_TRUE(LayerSlots[slot].Load("badge.bmp"));
    LayerSlots[slot].shown = 1;
  }
  SetLayerPicture(0, nullptr);
  for (int slot = 0; slot <= 5; ++slot) EXPECT_FALSE(LayerSlots[slot].HasPixels()) << slot;
  EXPECT_TRUE(LayerSlots[6].HasPixels());  // only the stage's slots are emptied
  EXPECT_EQ(ScreenAt(320, 200), 0u);
  EXPECT_EQ(ScreenAt(5, 5), kBlue);
}

TEST_F(StageTest, OutOfRangeSlotsAreIgnoredAndOverlongNamesCut) {
  EXPECT_EQ(SetLayerPicture(-1, "red") + SetLayerPicture(display::kLayerSlotCount, "red"), 0);
  EXPECT_TRUE(Sys().Boxes().empty());
  EXPECT_EQ(SetLayerPicture(0, std::string(400, 'a').c_str()), 0);  // cut, not overflowing
  EXPECT_FALSE(LayerSlots[0].HasPixels());
}

TEST_F(StageTest, EveryRedrawReadsThePicturesAgainAndDimsTheWindowOnlyWhileAGameRuns) {
  SetLayerPicture(0, "bgwhite");
  const display::Rect window = display::kWindowRect;
  EXPECT_EQ(CountOther(window, kWhite), 0);
  core::GameRunning = 1;
  WriteSolid("bgwhite.bmp", 640, 480, 0x00336699);
  display::Refresh();
  display::Refresh();  // dimmed again from the picture, not from the dimmed buffer
  EXPECT_EQ(CountOther(window, 0x0019334C), 0);  // each channel halved
  // Not one pixel more: the ring around the window keeps its brightness.
  EXPECT_EQ(CountOther({window.left - 1, window.top - 1, window.right + 1, window.bottom + 1},
                       0x00336699),
            (window.right - window.left) * (window.bottom - window.top));

  ASSERT_TRUE(LayerSlots[12].Load("badge.bmp"));  // a part of a screen, above the portraits
  LayerSlots[12].SetPosition(310, 190);
  LayerSlots[12].shown = 1;
  SetLayerPicture(1, "red");
  EXPECT_EQ(ScreenAt(315, 195), kBlue);
  EXPECT_EQ(ScreenAt(305, 195), kRed);
}

// A backend that notes which events it is sent.
class NotingSystem : public platform::headless::HeadlessSystem {
 public:
  using HeadlessSystem::HeadlessSystem;
  void LogEvent(const std::string& kind, const std::vector<platform::LogField>&) override {
    kinds.insert(kind);
  }
  std::set<std::string> kinds;
};

// Each line, layer and choice is converted to UTF-8 only for a log that is read:
// a backend made without a log and without a script reads none.
TEST_F(StageTest, LinesLayersAndChoicesAreLoggedOnlyWhenTheBackendReadsItsEvents) {
  for (const bool logging : {true, false}) {
    std::ostringstream log;
    platform::headless::HeadlessOptions options;
    options.log = logging ? &log : nullptr;
    NotingSystem noting(options);
    display::ShutdownDisplay();  // the events do not need the screen
    platform::SetSystem(&noting);
    display::AddTextLine(platform::Sjis("あ").c_str());
    SetLayerPicture(0, "bgwhite");
    const std::string answer = platform::Sjis("１はい");  // the list keeps the pointer
    display::AddChoice(answer.c_str());
    noting.SetKey(platform::Key::Enter, true);
    core::InputPrevious = 0;  // a fresh press on this backend
    EXPECT_EQ(display::RunChoice(), 0);
    for (const char* kind : {"text", "layer", "choice"})
      EXPECT_EQ(noting.kinds.contains(kind), logging) << kind << (logging ? " with a log" : "");
    platform::SetSystem(&Sys());
  }
}

}  // namespace
