// The message window: line layout on the grid, page breaks and the prompt
// wait; the choices shown in it; the score counter's clamp.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "scenario/script_result.h"
#include "tests/presentation/presentation_fixture.h"

namespace {

using display::MessageWindow;
using platform::Sjis;

std::string Repeat(const std::string& text, int times) {
  std::string out;
  while (times-- > 0) out += text;
  return out;
}

class MessageWindowTest : public cellwright_test::PresentationTest {
 protected:
  static scenario::ScriptResult Add(const std::string& utf8) {
    return display::AddTextLine(Sjis(utf8).c_str());
  }
  // A row of the grid in UTF-8: a space for an empty cell, none after the last character.
  static std::string Row(int row) {
    std::string text;
    for (const std::uint16_t code : MessageWindow.grid[row]) {
      if (code >= 0x100) text += static_cast<char>(code >> 8);
      text += code == 0 ? ' ' : static_cast<char>(code & 0xFF);
    }
    return platform::Cp932ToUtf8Lossy(text.substr(0, text.find_last_not_of(' ') + 1));
  }
  // Lists the answers ("": one that does not apply now), runs the choice after
  // the script and gives the number picked, 0 for none.
  int Pick(const std::vector<std::string>& utf8Answers, const std::string& script,
           scenario::ScriptResult result = scenario::kGoOn) {
    answers_.clear();
    for (const std::string& text : utf8Answers) answers_.push_back(Sjis(text));
    for (const std::string& text : answers_)
      display::AddChoice(text.empty() ? nullptr : text.c_str());
    core::GameState.choice = 0;
    RunScript(script);
    EXPECT_EQ(display::RunChoice(), result);
    return core::GameState.choice;
  }
  const std::vector<std::string> yesNoMaybe_ = {"１はい", "２いいえ", "３たぶん"};
  std::vector<std::string> answers_;
};

TEST_F(MessageWindowTest, LinesAreLaidOutOnTheGridByTheLineBreakingRules) {
  // The lines, and the grid's rows after them.
  using Case = std::tuple<std::string, std::vector<std::string>, std::vector<std::string>>;
  // Held Control passes the page breaks: a page holds 3 rows of 26.
  Sys().SetKey(platform::Key::Control, true);
  const std::string a26 = Repeat("あ", 26);
  std::vector<Case> cases = {
      {"26 characters fill a row, the 27th wraps", {Repeat("あ", 27)}, {a26, "あ"}},
      {"a second closing mark wraps", {a26 + "。。"}, {a26 + "。", "。"}},
      {"other punctuation wraps", {a26 + "！"}, {a26, "！"}},
      {"「 indents the rest of the page under the character after it",
       {"「" + Repeat("あ", 30), "いい"},
       {"「" + Repeat("あ", 25), " " + Repeat("あ", 5), " いい"}},
      {"（ indents under itself; an opening bracket is not pushed in",
       {"あああ（" + Repeat("い", 25), "『う』"},
       {"あああ（" + Repeat("い", 22), "    いいい", "   『う』"}},
      {"a page break inside a line goes on at the top, keeping the column",
       {"「" + Repeat("あ", 75) + "いい"},
       {" いい"}},
      {"line feeds inside a line are dropped", {"あ\nい\n"}, {"あい"}},
      {"half-width characters take one byte and one cell", {"ｱｲA"}, {"ｱｲA"}},
      // The longest line is 254 bytes; the buffer holds 255 and never splits a character.
      {"254 bytes", {Repeat("あ", 127)}, {a26, Repeat("あ", 127 - 78 - 26)}},
      {"255 bytes", {"x" + Repeat("あ", 127)}, {a26, Repeat("あ", 128 - 78 - 26)}},
      {"256 bytes lose the last character",
       {Repeat("あ", 128)},
       {a26, Repeat("あ", 127 - 78 - 26)}},
      {"300 bytes are cut at 255", {std::string(300, 'x')}, {std::string(255 - 3 * 78, 'x')}},
  };
  for (const char* mark : {"、", "。", "）", "］", "》", "」", "』", "】"}) {
    cases.emplace_back(std::string(mark) + " may take the last column",
                       std::vector{a26 + mark + "い"}, std::vector{a26 + mark, std::string("い")});
  }
  for (auto [name, lines, rows] : cases) {
    SCOPED_TRACE(name);
    display::ResetMessageWindow();
    for (const std::string& line : lines) ASSERT_EQ(Add(line), scenario::kGoOn);
    rows.resize(display::kTextRows);
    for (int row = 0; row < display::kTextRows; ++row) {
      EXPECT_EQ(Row(row), rows[static_cast<std::size_t>(row)]) << "row " << row;
    }
  }
  display::ResetMessageWindow();
  ASSERT_EQ(display::AddTextLine((Sjis("あ") + "\x82").c_str()), 0);  // a lead byte alone ends it
  ASSERT_EQ(Add("い"), 0);
  EXPECT_EQ(Row(0) + "/" + Row(1), "あ/い");
}

TEST_F(MessageWindowTest, ALineTheWindowHadToBreakIsLoggedOnce) {
  int wraps = 0;
  platform::headless::HeadlessOptions options;
  options.onEvent = [&](const std::string& kind, const std::vector<platform::LogField>&) {
    if (kind == "wrap") ++wraps;
  };
  display::ShutdownDisplay();
  Start(options);
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  ASSERT_TRUE(display::InitDisplay());
  Sys().SetKey(platform::Key::Control, true);
  const std::pair<std::string, int> rows[] = {
      {Repeat("あ", 26) + "。", 0},  // a closing mark may hang in the last column
      {Repeat("あ", 27), 1},
      {Repeat("あ", 70), 1},  // once a line, however often it breaks
      {"な「" + Repeat("あ", 24), 0},
      {"な「" + Repeat("あ", 25), 1},
      {"な「あ", 0},  // the indent under 「 shortens the next lines
  };
  for (const auto& [line, expected] : rows) {
    display::ResetMessageWindow();
    wraps = 0;
    ASSERT_EQ(Add(line), scenario::kGoOn);
    EXPECT_EQ(wraps, expected) << line;
  }
  display::ResetMessageWindow();
  wraps = 0;
  ASSERT_EQ(Add("な「あ"), scenario::kGoOn);
  ASSERT_EQ(Add("　" + Repeat("い", 23) + "」"), scenario::kGoOn);
  EXPECT_EQ(wraps, 0);
  ASSERT_EQ(Add("　" + Repeat("い", 24)), scenario::kGoOn);
  EXPECT_EQ(wraps, 1);
}

TEST_F(MessageWindowTest, APageWaitsForThePlayerAndItsEndClosesTheWindowAndForgetsTheIndent) {
  RunScript("frames 5\nkey enter\n");
  ASSERT_EQ(Add("「" + Repeat("あ", 76)), 0);
  EXPECT_GE(Sys().Frame(), 5u);
  EXPECT_NE(Log().find("\"event\":\"page\""), std::string::npos);  // what scripts wait on
  RunScript("frames 3\nclick 100 100\n");
  ASSERT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(MessageWindow.shown, 0);
  EXPECT_EQ(Row(0), "");
  ASSERT_EQ(Add("い"), 0);
  EXPECT_EQ(Row(0), "い");

  // Held Control passes every page in one frame.
  Sys().SetKey(platform::Key::Control, true);
  const std::uint64_t before = Sys().Frame();
  ASSERT_EQ(Add(Repeat("あ", 77)), 0);  // a page break
  ASSERT_EQ(Add(Repeat("あ", 78)), 0);  // and another
  ASSERT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(Sys().Frame() - before, 3u);
}

TEST_F(MessageWindowTest, AQuitOrAGameLoadedFromTheMenuDuringTheWaitIsPassedOn) {
  // The menu, opened by the right button or Escape: a game loaded, quit, closed.
  static int answer = 1;
  display::SystemMenu = [] { return answer--; };
  RunScript("frames 2\nrclick 10 10\n");
  EXPECT_EQ(display::WaitPage(), scenario::kJump);
  RunScript("frames 2\nkey escape\n");
  EXPECT_EQ(display::WaitPage(), scenario::kQuit);
  RunScript("frames 2\nkey escape\nframes 2\nkey enter\n");
  EXPECT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(answer, -2);

  display::SystemMenu = nullptr;  // before the menu exists Escape does nothing
  RunScript("frames 2\nkey escape\nframes 2\nkey enter\n");
  EXPECT_EQ(display::WaitPage(), 0);

  RunScript("frames 3\nanswer yes\nclose\n");
  EXPECT_EQ(Add(Repeat("あ", 26 * 4)), scenario::kQuit);
  EXPECT_EQ(display::WaitPage(), scenario::kQuit);
}

TEST_F(MessageWindowTest, ThePromptBlinksEveryEightFramesInTheLastCell) {
  // Two 24x24 frames stacked, each one flat colour.
  constexpr std::uint32_t kFrames[] = {0x00C03020, 0x002030C0};
  WritePicture("プロンプト.bmp", cellwright_test::TrueColourPlan(
                                     24, 48, [&](int, int y) { return kFrames[y < 24 ? 0 : 1]; }));
  // The menu looks at the screen from inside the wait.
  static decltype(this) self;
  static std::vector<std::pair<std::uint64_t, std::uint32_t>> seen;  // frame, prompt pixel
  self = this;
  display::SystemMenu = [] {
    seen.emplace_back(self->Sys().Frame(),
                      self->ScreenAt(display::kPromptX + 5, display::kPromptY + 5));
    return -1;
  };
  // Looked at in the 3rd, 11th and 19th frames of the wait: a full blink apart.
  RunScript("frames 3\nkey escape\nframes 8\nkey escape\nframes 8\nkey escape\nkey enter\n");
  const std::uint64_t start = Sys().Frame();
  ASSERT_EQ(display::WaitPage(), 0);
  ASSERT_EQ(seen.size(), 3u);
  for (const auto& [frame, pixel] : seen) {
    // The menu sees what the previous frame's blink step left.
    EXPECT_EQ(pixel, kFrames[(frame - start - 2) % 16 / 8]) << "frame " << frame - start;
  }
  EXPECT_FALSE(display::LayerSlots[display::kPromptSlot].HasPixels());
}

TEST_F(MessageWindowTest, HiddenAnswersKeepTheirNumbersAndOnlyThreeLinesAreOffered) {
  EXPECT_EQ(Pick({"１はい", "", "３たぶん"}, "frames 2\nkey down\nkey enter\n"), 3);
  EXPECT_NE(Log().find(R"("event":"choice","texts":["はい","たぶん"],"entries":[1,3])"),
            std::string::npos);
  EXPECT_EQ(display::PendingChoiceList.count, 0);  // emptied for the next choice
  EXPECT_EQ(display::ChoicesShown, 0);

  // The arrow keys stop at the ends; a fourth answer cannot be reached.
  std::vector<std::string> four = yesNoMaybe_;
  four.push_back("４しらない");
  EXPECT_EQ(Pick(four, "frames 2\nkey down\nkey down\nkey down\nkey down\nkey enter\n"), 3);
  EXPECT_EQ(Pick(yesNoMaybe_, "frames 2\nkey up\nkey enter\n"), 1);
  EXPECT_EQ(Pick(yesNoMaybe_, "frames 2\nkey down\nkey down\nkey down\nkey up\nkey enter\n"), 2);
}

TEST_F(MessageWindowTest, ThePointersRowPicksItsLineAndRowsPastTheLinesChangeNothing) {
  // From the second line: y 404 is the first row; above the window counts as it.
  const std::pair<int, int> rows[] = {{404, 1}, {422, 1}, {441, 2}, {442, 3}, {460, 3},
                                      {461, 2}, {479, 2}, {403, 1}, {0, 1}};
  for (const auto& [y, pick] : rows) {
    EXPECT_EQ(Pick(yesNoMaybe_,
                   "frames 2\nmove 600 423\nframes 2\nclick 600 " + std::to_string(y) + "\n"),
              pick)
        << "y " << y;
  }
  // A pointer that has not moved since the choice opened changes nothing.
  Sys().PushMessage({platform::MessageKind::MouseMove, 0, 10, 450, 0});
  core::MouseY = 450;
  EXPECT_EQ(Pick(yesNoMaybe_, "frames 2\nclick 10 450\n"), 1);
}

TEST_F(MessageWindowTest, TextAndChoicesAreDrawnOnTheDimmedWindowAndSurviveARefresh) {
  WriteSolid("bgdark.bmp", 640, 480, 0x00204060);
  core::GameRunning = 1;
  display::SetLayerPicture(0, "bgdark");
  const std::uint32_t dimmed = 0x00102030;
  ASSERT_EQ(Add("あ"), 0);
  EXPECT_GT(CountExactly({64, 404, 64 + 19, 404 + 19}, 0x00FFFFFF),
            10);                                               // white, in the first cell
  EXPECT_EQ(CountOther({64 + 19, 404, 585, 469}, dimmed), 0);  // and nowhere else in the window
  const int inked = CountOther(display::kWindowRect, dimmed);
  display::Refresh();
  EXPECT_EQ(CountOther(display::kWindowRect, dimmed), inked);
  EXPECT_EQ(CountOther({0, 0, 640, 396}, 0x00204060), 0);  // nothing outside the window

  // Choices: the highlight is a white bar with black text (here none), the
  // other lines white text cut at the bar's end; seen after a full redraw.
  display::SystemMenu = [] {
    display::Refresh();
    return -1;
  };
  Pick({"１", "２" + std::string(40, 'W')}, "frames 2\nkey escape\nkey enter\n");
  EXPECT_EQ(CountOther({64, 404, 577, 423}, 0x00FFFFFF), 0);
  EXPECT_GT(CountExactly({64, 423, 577, 442}, 0x00FFFFFF), 10);
  EXPECT_GT(CountExactly({64, 423, 577, 442}, dimmed), 400);
  EXPECT_EQ(CountOther({577, 423, 585, 442}, dimmed), 0);  // cut at the bar's end
}

TEST_F(MessageWindowTest, TheMenuCanEndAChoiceWithoutAPickAndWithNoLineOnlyAQuitEndsIt) {
  display::SystemMenu = [] { return 1; };  // a game was loaded
  EXPECT_EQ(Pick(yesNoMaybe_, "frames 2\nrclick 10 10\n", scenario::kJump), 0);

  // Past twenty answers the list refuses more; nothing visible was kept.
  std::vector<std::string> answers(20, "");
  answers.push_back("１はい");
  EXPECT_EQ(Pick(answers, "frames 2\nkey enter\nframes 2\nanswer yes\nclose\n", scenario::kQuit),
            0);
  EXPECT_EQ(display::PendingChoiceList.count, 20);  // a quit leaves the list alone
}

TEST(AdjustScore, TheCounterStaysBetweenMinusTenAndFive) {
  const std::tuple<int, int, int> rows[] = {{0, -3, -3},    {5, 1, 5},     {-9, -3, -10}, {4, 1, 5},
                                            {5, -128, -10}, {-10, 127, 5}, {0, 0, 0}};
  for (const auto& [start, delta, result] : rows) {
    core::GameState.adjustCounter() = static_cast<std::int8_t>(start);
    EXPECT_EQ(display::AdjustScore(static_cast<std::int8_t>(delta)), 0);
    EXPECT_EQ(core::GameState.adjustCounter(), result) << start << " + " << delta;
  }
}

}  // namespace
