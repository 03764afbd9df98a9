// Choices: which lines are shown, how the pointer and keys move the highlight,
// what is stored, and the score counter's clamp.
#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "platform/encoding.h"
#include "tests/presentation/presentation_fixture.h"

namespace {

using cellwright_test::PresentationTest;
using display::AddChoice;
using display::RunChoice;

class ChoicesTest : public PresentationTest {
 protected:
  void SetUp() override {
    PresentationTest::SetUp();
    texts_ = {platform::Sjis("１はい"), platform::Sjis("２いいえ"), platform::Sjis("３たぶん"),
              platform::Sjis("４しらない")};
    core::GameState.choice = 0;
  }
  const char* Text(int i) const { return texts_[static_cast<std::size_t>(i)].c_str(); }
  void AddThree() {
    for (int i = 0; i < 3; ++i) AddChoice(Text(i));
  }
  // The pick after the script, 0 when none was made.
  int Pick(const std::string& script) {
    RunScript(script);
    EXPECT_EQ(RunChoice(), 0);
    return core::GameState.choice;
  }

  std::vector<std::string> texts_;
};

TEST_F(ChoicesTest, HiddenEntriesKeepTheirNumbers) {
  AddChoice(Text(0));
  AddChoice(nullptr);
  AddChoice(Text(2));
  EXPECT_EQ(Pick("frames 2\nmove 300 300\nframes 2\nclick 300 430\n"), 3);
  EXPECT_NE(Log().find(R"("event":"choice","texts":["はい","たぶん"],"entries":[1,3])"),
            std::string::npos)
      << Log();
  EXPECT_NE(Log().find(R"("event":"picked","choice":3)"), std::string::npos);
  EXPECT_EQ(display::PendingChoiceList.count, 0);  // emptied for the next choice
  EXPECT_EQ(display::ChoicesShown, 0);
}

TEST_F(ChoicesTest, OnlyThreeLinesAreOfferedAndTheFourthCannotBePicked) {
  for (int i = 0; i < 4; ++i) AddChoice(Text(i));
  EXPECT_EQ(Pick("frames 2\nkey down\nkey down\nkey down\nkey down\nkey enter\n"), 3);
  EXPECT_EQ(display::VisibleChoiceList.count, 3);
  // Pointing below the last line keeps what was highlighted.
  for (int i = 0; i < 4; ++i) AddChoice(Text(i));
  EXPECT_EQ(Pick("frames 2\nmove 10 430\nframes 2\nclick 10 470\n"), 2);
}

TEST_F(ChoicesTest, PointerRowsMapToLines) {
  struct Case {
    int y;
    int pick;
  };
  // From 300 first, so every move is a change; above the window is the first line.
  for (const Case c : {Case{404, 1}, Case{422, 1}, Case{423, 2}, Case{441, 2}, Case{442, 3},
                       Case{460, 3}, Case{0, 1}, Case{403, 1}}) {
    AddThree();
    EXPECT_EQ(
        Pick("frames 2\nkey down\nmove 600 300\nframes 2\nclick 600 " + std::to_string(c.y) + "\n"),
        c.pick)
        << "y " << c.y;
  }
}

TEST_F(ChoicesTest, PointerThatHasNotMovedChangesNothing) {
  AddThree();
  Sys().PushMessage({platform::MessageKind::MouseMove, 0, 10, 450, 0});
  core::MouseY = 450;  // already on the third line when the choice opens
  EXPECT_EQ(Pick("frames 2\nclick 10 450\n"), 1);
}

TEST_F(ChoicesTest, ArrowKeysStopAtTheEnds) {
  AddThree();
  EXPECT_EQ(Pick("frames 2\nkey up\nkey enter\n"), 1);
  AddThree();
  EXPECT_EQ(Pick("frames 2\nkey down\nkey down\nkey down\nkey up\nkey enter\n"), 2);
}

TEST_F(ChoicesTest, HighlightedLineIsAWhiteBarWithBlackText) {
  WriteSolid("bgdark.bmp", 640, 480, 0x00204060);
  core::GameRunning = 1;
  display::SetLayerPicture(0, "bgdark");
  const std::string digitOnly = platform::Sjis("１");
  AddChoice(digitOnly.c_str());
  AddChoice(Text(1));
  const display::Rect bar0{64, 404, 577, 423};
  const display::Rect bar1{64, 423, 577, 442};
  display::SystemMenu = [] {
    // Looked at from inside the wait; also a redraw keeps the lines.
    display::Refresh();
    return -1;
  };
  RunScript("frames 2\nkey escape\nkey enter\n");
  ASSERT_EQ(RunChoice(), 0);
  // The two-byte text: an empty white bar.
  EXPECT_EQ(CountOther(bar0, 0x00FFFFFF), 0);
  // The other line: white text on the dimmed backdrop, no bar.
  EXPECT_GT(CountExactly(bar1, 0x00FFFFFF), 10);
  EXPECT_GT(CountExactly(bar1, 0x00102030), 400);
}

TEST_F(ChoicesTest, LongTextIsCutAtTheEndOfTheBar) {
  const std::string longText = platform::Sjis("１") + std::string(40, 'W');
  AddChoice(longText.c_str());
  RunScript("frames 2\nkey enter\n");
  ASSERT_EQ(RunChoice(), 0);
  EXPECT_EQ(CountOther({577, 404, 640, 423}, 0u), 0);
}

TEST_F(ChoicesTest, NoVisibleLineWaitsForTheMenuOrAQuit) {
  AddChoice(nullptr);
  RunScript("frames 2\nkey enter\nframes 2\nanswer yes\nclose\n");
  EXPECT_EQ(RunChoice(), scenario::kQuit);
  EXPECT_EQ(core::GameState.choice, 0);
  EXPECT_EQ(display::PendingChoiceList.count, 1);  // a quit leaves the list alone
}

TEST_F(ChoicesTest, LoadingAGameFromTheMenuEndsTheChoiceWithoutAPick) {
  AddThree();
  display::SystemMenu = [] { return 1; };
  RunScript("frames 2\nrclick 10 10\n");
  EXPECT_EQ(RunChoice(), scenario::kJump);
  EXPECT_EQ(core::GameState.choice, 0);
  EXPECT_EQ(display::PendingChoiceList.count, 0);
}

TEST_F(ChoicesTest, EntriesPastTwentyAreRefused) {
  for (int i = 0; i < 25; ++i) EXPECT_EQ(AddChoice(i < 20 ? nullptr : Text(0)), 0);
  EXPECT_EQ(display::PendingChoiceList.count, 20);
  AddChoice(Text(1));  // still refused; nothing visible was kept
  RunScript("frames 2\nkey enter\nframes 2\nanswer yes\nclose\n");
  EXPECT_EQ(RunChoice(), scenario::kQuit);
}

TEST(AdjustScore, CounterStaysBetweenMinusTenAndFive) {
  struct Case {
    int start;
    int delta;
    int result;
  };
  for (const Case c : {Case{0, -3, -3}, Case{5, 1, 5}, Case{-9, -3, -10}, Case{4, 1, 5},
                       Case{5, -128, -10}, Case{-10, 127, 5}, Case{0, 0, 0}}) {
    core::GameState.adjustCounter() = static_cast<std::int8_t>(c.start);
    EXPECT_EQ(display::AdjustScore(static_cast<std::int8_t>(c.delta)), 0);
    EXPECT_EQ(core::GameState.adjustCounter(), c.result) << c.start << " + " << c.delta;
  }
}

}  // namespace
