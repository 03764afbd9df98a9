// The prompt-aware script commands against a stand-in for the game: a frame
// pump like the engine's, and a story that logs page and choice prompts and
// reacts to input the way the real ones do.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "platform/headless/headless_system.h"
#include "platform/headless/script.h"
#include "platform/system.h"

namespace {

using platform::Key;
using platform::LogField;
using platform::Message;
using platform::MessageKind;
using platform::headless::HeadlessOptions;
using platform::headless::HeadlessSystem;

constexpr std::uint32_t kForever = 0xFFFFFFFF;

struct Seen {
  Message message;
  std::uint64_t atMs;
};

// What the game took as input on one frame.
struct Sample {
  std::uint64_t frame = 0;
  bool enter = false;
  bool left = false;
  int y = 0;
};

class PromptTest : public ::testing::Test {
 protected:
  HeadlessSystem& Make(HeadlessOptions options = {}) {
    options.log = &log_;
    sys_ = std::make_unique<HeadlessSystem>(std::move(options));
    return *sys_;
  }

  void Script(const std::string& text) {
    std::string error;
    auto script = platform::headless::ParseScript(text, &error);
    ASSERT_TRUE(script.has_value()) << error;
    sys_->SetScript(std::move(*script));
  }

  // One frame as the engine's frame pump runs it: every queued message first,
  // then a wait for the next 32 ms tick, then the input sample.
  Sample NextFrame() {
    for (;;) {
      Message message;
      if (sys_->PeekMessage(message)) {
        seen_.push_back({message, sys_->ElapsedMs()});
        if (message.kind == MessageKind::MouseMove || message.kind == MessageKind::LButtonDown) {
          y_ = message.y;
        }
        if (message.kind == MessageKind::LButtonDown) left_ = true;
        if (message.kind == MessageKind::LButtonUp) left_ = false;
        continue;
      }
      if (sys_->Frame() != sampledFrame_) {
        sampledFrame_ = sys_->Frame();
        break;
      }
      sys_->WaitMessage(static_cast<std::uint32_t>(32 - sys_->ElapsedMs() % 32));
    }
    Sample sample{sampledFrame_, sys_->KeyDown(Key::Enter), left_, y_};
    samples_.push_back(sample);
    return sample;
  }

  void Page() {
    sys_->LogEvent("text", {LogField::Text("text", "line")});
    sys_->LogEvent("page", {});
  }

  void Choice(std::size_t lines) {
    std::vector<std::string> texts;
    std::vector<std::int64_t> entries;
    for (std::size_t i = 0; i < lines; ++i) {
      texts.push_back("option " + std::to_string(i + 1));
      entries.push_back(static_cast<std::int64_t>(10 + i));
    }
    sys_->LogEvent("choice",
                   {LogField::TextList("texts", texts), LogField::NumberList("entries", entries)});
    choiceLines_ = lines;
    choiceY_ = y_;
    highlight_ = 0;
  }

  // The game's choice loop for one sampled frame: the row is read again only
  // when the pointer's y changed; a new left press confirms the highlighted
  // line. Returns the picked line (1-based) or 0.
  int ChoiceFrame(const Sample& sample, bool leftBefore) {
    if (sample.y != choiceY_) {
      choiceY_ = sample.y;
      const int row = sample.y < 404 ? 0 : (sample.y - 404) / 19;
      highlight_ = row < static_cast<int>(choiceLines_) ? row : static_cast<int>(choiceLines_) - 1;
    }
    if (!sample.left || leftBefore) return 0;
    sys_->LogEvent("picked", {LogField::Number("choice", highlight_)});
    return highlight_ + 1;
  }

  // Frames on which Enter was sampled down.
  std::vector<std::uint64_t> EnterFrames() const {
    std::vector<std::uint64_t> frames;
    for (const Sample& sample : samples_) {
      if (sample.enter) frames.push_back(sample.frame);
    }
    return frames;
  }

  std::vector<std::string> LogLines() const {
    std::vector<std::string> lines;
    std::istringstream in(log_.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::ostringstream log_;
  std::unique_ptr<HeadlessSystem> sys_;
  std::vector<Seen> seen_;
  std::vector<Sample> samples_;
  std::uint64_t sampledFrame_ = 0;
  bool left_ = false;
  int y_ = 0;
  std::size_t choiceLines_ = 0;
  int choiceY_ = 0;
  int highlight_ = 0;
};

// --- page ------------------------------------------------------------------------

using PagePrompt = PromptTest;

TEST_F(PagePrompt, WaitsForThePromptThenEnterIsDownForTheNextFrameOnly) {
  Make();
  Script("page\nkey escape\n");
  bool escapeSeen = false;
  std::uint64_t escapeFrame = 0;
  while (sampledFrame_ < 12) {
    const Sample sample = NextFrame();
    if (sample.frame == 5) Page();  // logged after frame 5's input was taken
    if (!escapeSeen && sys_->KeyDown(Key::Escape)) {
      escapeSeen = true;
      escapeFrame = sample.frame;
    }
  }
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{6}));
  // Up for frame 7, the next command on frame 8, as after `key enter`.
  ASSERT_TRUE(escapeSeen);
  EXPECT_EQ(escapeFrame, 8u);
}

TEST_F(PagePrompt, AnAlreadyPendingPromptIsConfirmedAsSoonAsTheCommandIsDue) {
  Make();
  Script("frames 10\npage\n");  // the page command is due at frame 11
  while (sampledFrame_ < 15) {
    if (NextFrame().frame == 3) Page();
  }
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{11}));
}

TEST_F(PagePrompt, APromptLoggedBetweenFramesIsPressedOnTheNextOne) {
  HeadlessSystem& sys = Make();
  Script("page\n");
  while (sampledFrame_ < 8) {
    if (NextFrame().frame == 3) {
      sys.Sleep(10);  // the game paused inside the frame before its prompt
      Page();
    }
  }
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{4}));
}

TEST_F(PagePrompt, TwoPagesConfirmTwoDifferentPrompts) {
  Make();
  Script("page\npage\nclose\n");
  std::vector<std::uint64_t> confirmed;
  bool atPrompt = false;
  bool enterBefore = false;
  while (sampledFrame_ < 40) {
    const Sample sample = NextFrame();
    if (atPrompt && sample.enter && !enterBefore) {
      confirmed.push_back(sample.frame);
      atPrompt = false;  // and nothing logged until the next page: a long fade
    }
    enterBefore = sample.enter;
    // The first prompt at once; after it, the story runs a while before the next.
    if (!atPrompt && (sample.frame == 3 || (sample.frame == 20 && confirmed.size() == 1))) {
      Page();
      atPrompt = true;
    }
  }
  EXPECT_EQ(confirmed, (std::vector<std::uint64_t>{4, 21}));
  // The second `page` held the close back until it had its own prompt.
  ASSERT_FALSE(seen_.empty());
  EXPECT_EQ(seen_.back().message.kind, MessageKind::Close);
  EXPECT_EQ(seen_.back().atMs, 23u * 32);
}

TEST_F(PagePrompt, BackToBackPromptsGetAReleaseFrameBetweenPresses) {
  Make();
  Script("page\npage\n");
  bool enterBefore = false;
  int confirms = 0;
  while (sampledFrame_ < 12) {
    const Sample sample = NextFrame();
    if (sample.frame == 3) Page();
    if (sample.enter && !enterBefore) {
      ++confirms;
      Page();  // the next prompt comes up in the same frame
    }
    enterBefore = sample.enter;
  }
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{4, 6}));
  EXPECT_EQ(confirms, 2);
}

// --- pending state -----------------------------------------------------------------

using PendingPrompt = PromptTest;

TEST_F(PendingPrompt, AnyLaterStoryEventEndsAPendingPage) {
  for (const char* kind : {"text", "page", "choice", "picked", "layer", "scenario"}) {
    SCOPED_TRACE(kind);
    samples_.clear();
    sampledFrame_ = 0;
    Make();
    Script("frames 5\npage\n");  // due at frame 6
    while (sampledFrame_ < 14) {
      const std::uint64_t frame = NextFrame().frame;
      if (frame == 2) Page();
      // The player confirmed it by hand, say, and the story went on.
      if (frame == 3) sys_->LogEvent(kind, {});
      if (frame == 9) Page();  // the next prompt
    }
    // A `page` event is itself a new prompt, confirmed when the command is due.
    const std::uint64_t expected = std::string(kind) == "page" ? 6 : 10;
    EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{expected}));
  }
}

TEST_F(PendingPrompt, OtherEventsLeaveItPending) {
  Make();
  Script("frames 5\npage\n");
  while (sampledFrame_ < 10) {
    const std::uint64_t frame = NextFrame().frame;
    if (frame == 2) Page();
    if (frame == 3) {
      sys_->LogEvent("quit", {});
      sys_->LogEvent("se", {LogField::Text("name", "x")});
      sys_->ShowMessageBox({"t", "c", platform::BoxButtons::Ok, 0});
    }
  }
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{6}));
}

TEST_F(PendingPrompt, APageDoesNotAnswerAChoiceNorAChoiceAPage) {
  Make();
  Script("page\nmove 1 1\n");
  while (sampledFrame_ < 10) {
    if (NextFrame().frame == 2) Choice(2);
  }
  EXPECT_TRUE(EnterFrames().empty());
  EXPECT_TRUE(seen_.empty());

  Make();
  Script("choose 1\nmove 1 1\n");
  sampledFrame_ = 0;
  while (sampledFrame_ < 10) {
    if (NextFrame().frame == 2) Page();
  }
  EXPECT_TRUE(seen_.empty());
}

TEST_F(PendingPrompt, UntilPageLeavesThePromptForTheNextCommand) {
  Make();
  Script("until-page\npage\n");
  while (sampledFrame_ < 10) {
    if (NextFrame().frame == 4) Page();
  }
  // until-page took nothing: `page` still had the prompt to confirm.
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{5}));
}

// --- until-page, until-choice --------------------------------------------------

using UntilPrompt = PromptTest;

TEST_F(UntilPrompt, UntilChoiceHoldsTheRestUntilTheChoiceIsLogged) {
  HeadlessSystem& sys = Make();
  Script("until-choice\nmove 7 8\nkey enter\n");
  while (sampledFrame_ < 9) {
    NextFrame();
    // A page is not a choice.
    if (sampledFrame_ == 4) Page();
  }
  EXPECT_TRUE(seen_.empty());
  EXPECT_TRUE(EnterFrames().empty());
  EXPECT_FALSE(sys.ScriptFinished());
  Choice(3);
  while (sampledFrame_ < 14) NextFrame();
  ASSERT_EQ(seen_.size(), 1u);
  EXPECT_EQ(seen_[0].message.kind, MessageKind::MouseMove);
  EXPECT_EQ(seen_[0].message.x, 7);
  EXPECT_EQ(seen_[0].atMs, 9u * 32);  // in the same instant
  // Not a pick: the choice is still there for a `choose`.
  EXPECT_EQ(EnterFrames(), (std::vector<std::uint64_t>{10}));
  EXPECT_TRUE(sys.ScriptFinished());
}

TEST_F(UntilPrompt, WhileWaitingTheClockMovesAsTheGameWaits) {
  HeadlessSystem& sys = Make();
  Script("until-page\nclose\n");
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 32u);
  // Due, but blocked: the wait lasts its timeout instead of ending at once.
  sys.WaitMessage(100);
  EXPECT_EQ(sys.ElapsedMs(), 132u);
  sys.WaitMessage(kForever);
  EXPECT_EQ(sys.ElapsedMs(), 164u);
  Message message;
  EXPECT_FALSE(sys.PeekMessage(message));
  sys.LogEvent("page", {});
  sys.WaitMessage(100);
  EXPECT_EQ(sys.ElapsedMs(), 164u);  // the close is queued: no waiting
  ASSERT_TRUE(sys.PeekMessage(message));
  EXPECT_EQ(message.kind, MessageKind::Close);
}

TEST(PromptMaxFramesDeathTest, AWaitThatNeverComesTrueEndsAtTheFrameLimit) {
  EXPECT_EXIT(
      {
        HeadlessOptions options;
        options.maxFrames = 20;
        options.log = &std::cerr;
        HeadlessSystem sys(options);
        std::string error;
        sys.SetScript(*platform::headless::ParseScript("choose 1\n", &error));
        sys.LogEvent("page", {});
        Message message;
        for (;;) {
          while (sys.PeekMessage(message)) {
          }
          sys.WaitMessage(32 - static_cast<std::uint32_t>(sys.ElapsedMs() % 32));
        }
      },
      ::testing::ExitedWithCode(3), "\"frame\":21,\"event\":\"exit\",\"code\":3");
}

// --- choose ------------------------------------------------------------------------

using ChoosePrompt = PromptTest;

TEST_F(ChoosePrompt, MovesAwayForAFrameThenClicksTheMiddleOfTheLine) {
  Make();
  Script("choose 2\nkey escape\n");
  int picked = 0;
  std::uint64_t pickedFrame = 0;
  bool leftBefore = false;
  bool choosing = false;
  while (sampledFrame_ < 12) {
    const Sample sample = NextFrame();
    if (choosing) {
      if (const int line = ChoiceFrame(sample, leftBefore); line != 0) {
        picked = line;
        pickedFrame = sample.frame;
        choosing = false;
      }
    }
    leftBefore = sample.left;
    if (sample.frame == 3) {
      Choice(3);
      choosing = true;
    }
  }
  const struct {
    MessageKind kind;
    int y;
    std::uint64_t atMs;
  } expected[] = {
      {MessageKind::MouseMove, 300, 3 * 32},  // in the instant of the choice
      {MessageKind::MouseMove, 432, 5 * 32},  // frame 4 saw the pointer away
      {MessageKind::LButtonDown, 432, 5 * 32},
      {MessageKind::LButtonUp, 432, 6 * 32},
  };
  ASSERT_EQ(seen_.size(), std::size(expected));
  for (std::size_t i = 0; i < seen_.size(); ++i) {
    EXPECT_EQ(seen_[i].message.kind, expected[i].kind) << i;
    EXPECT_EQ(seen_[i].message.x, 320) << i;
    EXPECT_EQ(seen_[i].message.y, expected[i].y) << i;
    EXPECT_EQ(seen_[i].atMs, expected[i].atMs) << i;
  }
  EXPECT_EQ(samples_[3].y, 300);  // frame 4
  EXPECT_EQ(picked, 2);
  EXPECT_EQ(pickedFrame, 5u);
  EXPECT_EQ(LogLines().back(), R"({"frame":5,"event":"picked","choice":1})");
}

TEST_F(ChoosePrompt, EachLineIsPickedEvenWithThePointerAlreadyOnIt) {
  for (int line = 1; line <= 3; ++line) {
    const int lineY = 404 + 19 * (line - 1) + 9;
    SCOPED_TRACE(line);
    seen_.clear();
    samples_.clear();
    sampledFrame_ = 0;
    left_ = false;
    Make();
    // Left where the click will land: the click's move alone would be no change.
    Script("move 320 " + std::to_string(lineY) + "\nframes 2\nchoose " + std::to_string(line) +
           "\n");
    int picked = 0;
    bool leftBefore = false;
    bool choosing = false;
    while (sampledFrame_ < 15) {
      const Sample sample = NextFrame();
      if (choosing) {
        if (const int got = ChoiceFrame(sample, leftBefore); got != 0) {
          picked = got;
          choosing = false;
        }
      }
      leftBefore = sample.left;
      if (sample.frame == 4) {
        Choice(3);
        choosing = true;
      }
    }
    EXPECT_EQ(picked, line);
    ASSERT_FALSE(seen_.empty());
    EXPECT_EQ(seen_.back().message.kind, MessageKind::LButtonUp);
    EXPECT_EQ(seen_.back().message.y, lineY);
  }
}

TEST_F(ChoosePrompt, PastTheVisibleLinesTheScriptStopsWithAnError) {
  HeadlessSystem& sys = Make();
  Script("frames 1\n# two lines only\nchoose 3\nclose\nkey enter\n");
  while (sampledFrame_ < 12) {
    if (NextFrame().frame == 3) Choice(2);
  }
  EXPECT_TRUE(seen_.empty());  // no click, no close
  EXPECT_TRUE(EnterFrames().empty());
  EXPECT_TRUE(sys.ScriptFinished());
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1],
            R"({"frame":3,"event":"script_error","line":3,"message":"choose 3: only 2 lines"})");
  // The rest stays dropped when another choice comes.
  Choice(3);
  while (sampledFrame_ < 20) NextFrame();
  EXPECT_TRUE(seen_.empty());
}

TEST_F(ChoosePrompt, OneVisibleLineIsSaidInTheSingular) {
  Make();
  Script("choose 2\n");
  while (sampledFrame_ < 5) {
    if (NextFrame().frame == 2) Choice(1);
  }
  const std::vector<std::string> lines = LogLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1],
            R"({"frame":2,"event":"script_error","line":1,"message":"choose 2: only 1 line"})");
}

TEST_F(ChoosePrompt, UsesUpTheChoiceSoASecondChooseWaitsForTheNext) {
  Make();
  Script("until-choice\nchoose 1\nchoose 1\nclose\n");
  while (sampledFrame_ < 20) {
    if (NextFrame().frame == 2) Choice(2);
  }
  // One pick: two clicks would need two choices.
  int downs = 0;
  for (const Seen& seen : seen_) downs += seen.message.kind == MessageKind::LButtonDown ? 1 : 0;
  EXPECT_EQ(downs, 1);
  EXPECT_NE(seen_.back().message.kind, MessageKind::Close);
}

}  // namespace
