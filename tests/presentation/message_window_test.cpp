// The message window: line layout on the grid, page breaks, the prompt wait.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "display/message_window.h"
#include "display/stage.h"
#include "display/surface.h"
#include "platform/encoding.h"
#include "scenario/script_result.h"
#include "tests/presentation/presentation_fixture.h"

namespace {

using cellwright_test::PresentationTest;
using display::AddTextLine;
using display::MessageWindow;

constexpr std::uint16_t kA = 0x82A0;          // あ
constexpr std::uint16_t kOpenQuote = 0x8175;  // 「
constexpr std::uint16_t kOpenParen = 0x8169;  // （

std::string Repeat(const char* utf8, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += platform::Sjis(utf8);
  return out;
}

std::uint16_t GridAt(int row, int column) {
  return MessageWindow.grid[row][column];
}

int FilledCells(int row) {
  int count = 0;
  for (int column = 0; column < display::kTextColumns; ++column) count += GridAt(row, column) != 0;
  return count;
}

class MessageWindowTest : public PresentationTest {
 protected:
  scenario::ScriptResult Add(const std::string& sjis) { return AddTextLine(sjis.c_str()); }
};

TEST_F(MessageWindowTest, TwentySixCharactersFillARowAndTheNextWraps) {
  ASSERT_EQ(Add(Repeat("あ", 27)), 0);
  for (int column = 0; column < 26; ++column) EXPECT_EQ(GridAt(0, column), kA) << column;
  EXPECT_EQ(GridAt(0, 26), 0);
  EXPECT_EQ(GridAt(1, 0), kA);
  EXPECT_EQ(FilledCells(1), 1);
  EXPECT_EQ(MessageWindow.row, 2);  // the line's own end moved on a row
  EXPECT_EQ(MessageWindow.column, 0);
}

TEST_F(MessageWindowTest, ClosingMarksMayTakeTheLastColumn) {
  for (const char* mark : {"、", "。", "）", "］", "》", "」", "』", "】"}) {
    display::ResetMessageWindow();
    ASSERT_EQ(Add(Repeat("あ", 26) + platform::Sjis(mark) + platform::Sjis("い")), 0);
    const std::string sjis = platform::Sjis(mark);
    const auto code = static_cast<std::uint16_t>(static_cast<std::uint8_t>(sjis[0]) << 8 |
                                                 static_cast<std::uint8_t>(sjis[1]));
    EXPECT_EQ(GridAt(0, 26), code) << mark;
    EXPECT_EQ(GridAt(1, 0), 0x82A2) << mark;  // い wraps after it
  }
  // Only in the last column: a second mark wraps.
  display::ResetMessageWindow();
  ASSERT_EQ(Add(Repeat("あ", 26) + Repeat("。", 2)), 0);
  EXPECT_EQ(GridAt(0, 26), 0x8142);
  EXPECT_EQ(GridAt(1, 0), 0x8142);
  // Other punctuation wraps as any character does.
  display::ResetMessageWindow();
  ASSERT_EQ(Add(Repeat("あ", 26) + platform::Sjis("！")), 0);
  EXPECT_EQ(GridAt(0, 26), 0);
  EXPECT_EQ(GridAt(1, 0), 0x8149);
}

TEST_F(MessageWindowTest, QuoteOpensAHangingIndentForTheRestOfThePage) {
  ASSERT_EQ(Add(platform::Sjis("「") + Repeat("あ", 30)), 0);
  EXPECT_EQ(GridAt(0, 0), kOpenQuote);
  EXPECT_EQ(GridAt(0, 1), kA);
  EXPECT_EQ(GridAt(1, 0), 0);  // the wrapped part starts under the first character
  EXPECT_EQ(GridAt(1, 1), kA);
  EXPECT_EQ(FilledCells(1), 5);        // 30 = 25 on the first row + 5
  ASSERT_EQ(Add(Repeat("い", 2)), 0);  // a new line of the same page is indented too
  EXPECT_EQ(GridAt(2, 0), 0);
  EXPECT_EQ(GridAt(2, 1), 0x82A2);
}

TEST_F(MessageWindowTest, ParenthesisInTheMiddleIndentsUnderItself) {
  ASSERT_EQ(Add(Repeat("あ", 3) + platform::Sjis("（") + Repeat("い", 25)), 0);
  EXPECT_EQ(GridAt(0, 3), kOpenParen);
  EXPECT_EQ(MessageWindow.indentColumn, 3);
  EXPECT_EQ(GridAt(1, 3), 0);
  EXPECT_EQ(GridAt(1, 4), 0x82A2);
  // An opening bracket at the indent is not pushed in.
  ASSERT_EQ(Add(platform::Sjis("『う』")), 0);
  EXPECT_EQ(GridAt(2, 3), 0x8177);
  EXPECT_EQ(GridAt(2, 4), 0x82A4);
}

TEST_F(MessageWindowTest, LineFeedsInsideALineAreDropped) {
  ASSERT_EQ(Add(platform::Sjis("あ\nい\n")), 0);
  EXPECT_EQ(GridAt(0, 0), kA);
  EXPECT_EQ(GridAt(0, 1), 0x82A2);
  EXPECT_EQ(MessageWindow.row, 1);
}

TEST_F(MessageWindowTest, HalfWidthKatakanaIsOneByteOneCell) {
  ASSERT_EQ(Add(platform::Sjis("ｱｲ") + "A"), 0);
  EXPECT_EQ(GridAt(0, 0), 0xB1);
  EXPECT_EQ(GridAt(0, 1), 0xB2);
  EXPECT_EQ(GridAt(0, 2), 'A');
}

TEST_F(MessageWindowTest, LeadByteWithoutTrailEndsTheLine) {
  ASSERT_EQ(Add(platform::Sjis("あ") + "\x82"), 0);
  EXPECT_EQ(FilledCells(0), 1);
  EXPECT_EQ(MessageWindow.row, 1);
}

TEST_F(MessageWindowTest, LongestLinesFitAndLongerOnesAreCut) {
  // 127 two-byte characters: the longest line a scenario may pass, 254 bytes.
  Sys().SetKey(platform::Key::Control, true);  // passes the page breaks
  ASSERT_EQ(Add(Repeat("あ", 127)), 0);
  // 26 a row: 127 = 4 full pages of rows... the last row holds what is left.
  EXPECT_EQ(FilledCells(MessageWindow.row - 1), 127 % 26);

  display::ResetMessageWindow();
  ASSERT_EQ(Add(std::string(300, 'x')), 0);  // cut at 255 bytes, never past the buffer
  EXPECT_EQ(FilledCells(MessageWindow.row - 1), 255 % 26);
}

TEST_F(MessageWindowTest, FourthRowWaitsForThePlayerAndGoesOnAtTheTop) {
  RunScript("frames 5\nkey enter\n");
  ASSERT_EQ(Add(Repeat("あ", 26 * 3) + Repeat("い", 2)), 0);
  EXPECT_NE(Log().find("\"event\":\"page\""), std::string::npos);
  EXPECT_GE(Sys().Frame(), 5u);
  EXPECT_EQ(GridAt(0, 0), 0x82A2);
  EXPECT_EQ(GridAt(0, 1), 0x82A2);
  EXPECT_EQ(FilledCells(0), 2);
  EXPECT_EQ(FilledCells(1), 0);  // the wait wiped the page
  EXPECT_EQ(MessageWindow.shown, 1);
}

TEST_F(MessageWindowTest, ControlHeldPassesEveryPageInOneFrame) {
  Sys().SetKey(platform::Key::Control, true);
  const std::uint64_t before = Sys().Frame();
  ASSERT_EQ(Add(Repeat("あ", 26 * 4)), 0);  // a page break
  ASSERT_EQ(Add(Repeat("あ", 26 * 3)), 0);  // and another
  ASSERT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(Sys().Frame() - before, 3u);
}

TEST_F(MessageWindowTest, WaitPageClosesTheWindowAndForgetsTheIndent) {
  ASSERT_EQ(Add(platform::Sjis("「あ")), 0);
  RunScript("frames 3\nclick 100 100\n");
  ASSERT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(MessageWindow.shown, 0);
  EXPECT_EQ(MessageWindow.indentActive, 0);
  EXPECT_EQ(MessageWindow.row, 0);
  EXPECT_EQ(MessageWindow.column, 0);
  EXPECT_EQ(FilledCells(0), 0);
  ASSERT_EQ(Add(Repeat("あ", 2)), 0);
  EXPECT_EQ(GridAt(0, 0), kA);
}

TEST_F(MessageWindowTest, QuitDuringTheWaitIsPassedOn) {
  RunScript("frames 3\nanswer yes\nclose\n");
  EXPECT_EQ(Add(Repeat("あ", 26 * 4)), scenario::kQuit);
  EXPECT_EQ(display::WaitPage(), scenario::kQuit);
}

// The menu opened by Escape at the prompt; tests use it to look at the screen
// from inside the wait.
int MenuCalls = 0;
int MenuAnswer = -1;
std::vector<std::pair<std::uint64_t, std::uint32_t>> PromptSeen;  // frame, prompt pixel
cellwright_test::PresentationTest* Current = nullptr;

int FakeMenu() {
  ++MenuCalls;
  const int answer = MenuAnswer;
  MenuAnswer = 1;  // a second opening loads a game
  return answer;
}

class PromptTest : public MessageWindowTest {
 protected:
  static int Probe() {
    const std::uint32_t pixel =
        static_cast<PromptTest*>(Current)->ScreenAt(display::kPromptX + 5, display::kPromptY + 5);
    PromptSeen.emplace_back(static_cast<PromptTest*>(Current)->Sys().Frame(), pixel);
    return -1;
  }
};

TEST_F(PromptTest, PromptBlinksEveryEightFramesInTheLastCell) {
  Current = this;
  PromptSeen.clear();
  display::SystemMenu = Probe;
  RunScript(
      "frames 3\nkey escape\nframes 4\nkey escape\nframes 4\nkey escape\n"
      "frames 4\nkey escape\nframes 4\nkey escape\nkey enter\n");
  const std::uint64_t start = Sys().Frame();
  ASSERT_EQ(display::WaitPage(), 0);
  ASSERT_EQ(PromptSeen.size(), 5u);
  bool sawBoth[2] = {};
  for (const auto& [frame, pixel] : PromptSeen) {
    // The probe sees what the previous frame's blink step left.
    const std::uint64_t waitFrame = frame - start;
    ASSERT_GE(waitFrame, 2u);
    const bool second = (waitFrame - 2) % 16 >= 8;
    EXPECT_EQ(pixel, second ? kPromptFrame1 : kPromptFrame0) << "wait frame " << waitFrame;
    sawBoth[second ? 1 : 0] = true;
  }
  EXPECT_TRUE(sawBoth[0] && sawBoth[1]);

  // With nothing on the page the last prompt frame stays until the next redraw.
  const std::uint32_t last = ScreenAt(display::kPromptX + 5, display::kPromptY + 5);
  EXPECT_TRUE(last == kPromptFrame0 || last == kPromptFrame1);
  EXPECT_FALSE(display::LayerSlots[display::kPromptSlot].HasPixels());
  display::Refresh();
  EXPECT_EQ(ScreenAt(display::kPromptX + 5, display::kPromptY + 5), 0u);
}

TEST_F(MessageWindowTest, MissingPromptPictureStillWaits) {
  std::filesystem::remove(bmpFolder_ + "プロンプト.bmp");
  RunScript("frames 4\nkey enter\n");
  EXPECT_EQ(display::WaitPage(), 0);
  EXPECT_GE(Sys().Frame(), 4u);
}

TEST_F(MessageWindowTest, SystemMenuAtThePromptCanCloseLoadOrQuit) {
  display::SystemMenu = FakeMenu;
  MenuCalls = 0;
  MenuAnswer = -1;
  RunScript("frames 2\nkey escape\nframes 2\nrclick 10 10\n");
  EXPECT_EQ(display::WaitPage(), scenario::kJump);
  EXPECT_EQ(MenuCalls, 2);

  MenuAnswer = 0;
  RunScript("frames 2\nkey escape\n");
  EXPECT_EQ(display::WaitPage(), scenario::kQuit);
}

TEST_F(MessageWindowTest, WithoutASystemMenuCancelDoesNothing) {
  RunScript("frames 2\nkey escape\nframes 2\nkey enter\n");
  EXPECT_EQ(display::WaitPage(), 0);
}

TEST_F(MessageWindowTest, TextIsDrawnWhiteInItsCellsAndSurvivesARefresh) {
  WriteSolid("bgdark.bmp", 640, 480, 0x00204060);
  core::GameRunning = 1;
  display::SetLayerPicture(0, "bgdark");
  const std::uint32_t backdrop = 0x00102030;
  ASSERT_EQ(CountOther(display::kWindowRect, backdrop), 0);

  ASSERT_EQ(Add(platform::Sjis("あ")), 0);
  EXPECT_GT(CountExactly(Cell(0, 0), 0x00FFFFFF), 10);
  EXPECT_EQ(CountOther(Cell(1, 0), backdrop), 0);
  const int inked = CountOther(display::kWindowRect, backdrop);

  display::SetLayerPicture(0, "bgdark");
  EXPECT_EQ(CountOther(display::kWindowRect, backdrop), inked);
  EXPECT_EQ(CountOther({0, 0, 640, 396}, 0x00204060), 0);  // nothing outside the window
}

}  // namespace
