#include <gtest/gtest.h>

#include <string>

#include "platform/headless/script.h"
#include "platform/system.h"

namespace {

using platform::BoxAnswer;
using platform::Key;
using platform::headless::CommandKind;
using platform::headless::ParseScript;
using platform::headless::Script;

Script Parse(const std::string& text) {
  std::string error;
  auto script = ParseScript(text, &error);
  EXPECT_TRUE(script.has_value()) << error;
  return script.value_or(Script{});
}

std::string ErrorOf(const std::string& text) {
  std::string error;
  const auto script = ParseScript(text, &error);
  EXPECT_FALSE(script.has_value()) << "accepted: " << text;
  return error;
}

TEST(ScriptParse, EveryCommandWithItsArgumentsAndLine) {
  const Script script = Parse(
      "frames 12\n"
      "move 1 2\n"
      "click 639 479\n"
      "rclick 0 0\n"
      "key enter\n"
      "hold ctrl\n"
      "release ctrl\n"
      "close\n"
      "answer no\n"
      "shot title-1_a.b\n"
      "deactivate\n"
      "activate\n");
  ASSERT_EQ(script.size(), 12u);
  const CommandKind kinds[] = {
      CommandKind::Frames,   CommandKind::Move, CommandKind::Click,      CommandKind::RightClick,
      CommandKind::KeyPress, CommandKind::Hold, CommandKind::Release,    CommandKind::Close,
      CommandKind::Answer,   CommandKind::Shot, CommandKind::Deactivate, CommandKind::Activate};
  for (std::size_t i = 0; i < script.size(); ++i) {
    EXPECT_EQ(script[i].kind, kinds[i]) << i;
    EXPECT_EQ(script[i].line, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(script[0].a, 12);
  EXPECT_EQ(script[1].a, 1);
  EXPECT_EQ(script[1].b, 2);
  EXPECT_EQ(script[2].a, 639);
  EXPECT_EQ(script[2].b, 479);
  EXPECT_EQ(script[3].a, 0);
  EXPECT_EQ(script[3].b, 0);
  EXPECT_EQ(script[4].a, static_cast<int>(Key::Enter));
  EXPECT_EQ(script[5].a, static_cast<int>(Key::Control));
  EXPECT_EQ(script[6].a, static_cast<int>(Key::Control));
  EXPECT_EQ(script[8].a, static_cast<int>(BoxAnswer::No));
  EXPECT_EQ(script[9].name, "title-1_a.b");
}

TEST(ScriptParse, EveryKeyAndAnswerName) {
  const std::pair<const char*, Key> keys[] = {
      {"enter", Key::Enter}, {"escape", Key::Escape}, {"up", Key::Up},       {"down", Key::Down},
      {"left", Key::Left},   {"right", Key::Right},   {"ctrl", Key::Control}};
  for (const auto& [name, key] : keys) {
    for (const std::string command : {"key ", "hold ", "release "}) {
      const Script script = Parse(command + name);
      ASSERT_EQ(script.size(), 1u) << command << name;
      EXPECT_EQ(script[0].a, static_cast<int>(key)) << command << name;
    }
  }
  const std::pair<const char*, BoxAnswer> answers[] = {
      {"yes", BoxAnswer::Yes},     {"no", BoxAnswer::No},       {"ok", BoxAnswer::Ok},
      {"abort", BoxAnswer::Abort}, {"retry", BoxAnswer::Retry}, {"ignore", BoxAnswer::Ignore}};
  for (const auto& [name, answer] : answers) {
    const Script script = Parse(std::string("answer ") + name);
    ASSERT_EQ(script.size(), 1u) << name;
    EXPECT_EQ(script[0].a, static_cast<int>(answer)) << name;
  }
}

TEST(ScriptParse, CommentsBlankLinesAndSpacingAreIgnored) {
  const Script script = Parse(
      "# a whole-line comment\n"
      "\n"
      "   \t  \n"
      "  frames   3   # after a command\n"
      "click 4 5#touching\r\n"
      "#close\n"
      "close");  // no final newline
  ASSERT_EQ(script.size(), 3u);
  EXPECT_EQ(script[0].kind, CommandKind::Frames);
  EXPECT_EQ(script[0].a, 3);
  EXPECT_EQ(script[0].line, 4);
  EXPECT_EQ(script[1].kind, CommandKind::Click);
  EXPECT_EQ(script[1].b, 5);
  EXPECT_EQ(script[1].line, 5);
  EXPECT_EQ(script[2].kind, CommandKind::Close);
  EXPECT_EQ(script[2].line, 7);
}

TEST(ScriptParse, EmptyTextIsAnEmptyScript) {
  EXPECT_TRUE(Parse("").empty());
  EXPECT_TRUE(Parse("\n\n# nothing\n").empty());
}

TEST(ScriptParse, UnknownCommandsNameTheirLine) {
  EXPECT_EQ(ErrorOf("frames 1\n\njump 3\n"), "line 3: unknown command 'jump'");
  EXPECT_EQ(ErrorOf("Click 1 2"), "line 1: unknown command 'Click'");
}

TEST(ScriptParse, NumbersOutsideTheirRangeOrMalformedAreRejected) {
  EXPECT_EQ(ErrorOf("frames -1"), "line 1: bad frame count '-1' (0 to 1000000000)");
  EXPECT_NE(ErrorOf("frames 1000000001").find("bad frame count"), std::string::npos);
  EXPECT_NE(ErrorOf("frames 99999999999999999999999").find("bad frame count"), std::string::npos);
  EXPECT_NE(ErrorOf("frames 3x").find("'3x'"), std::string::npos);
  EXPECT_NE(ErrorOf("frames +3").find("'+3'"), std::string::npos);
  EXPECT_NE(ErrorOf("frames 0x10").find("'0x10'"), std::string::npos);
  EXPECT_EQ(ErrorOf("click 640 0"), "line 1: bad x '640' (0 to 639)");
  EXPECT_EQ(ErrorOf("move 0 480"), "line 1: bad y '480' (0 to 479)");
  EXPECT_EQ(ErrorOf("rclick -1 0"), "line 1: bad x '-1' (0 to 639)");
  EXPECT_EQ(ErrorOf("move 1.5 2"), "line 1: bad x '1.5' (0 to 639)");
  // The limits themselves are fine.
  EXPECT_EQ(Parse("frames 0\nframes 1000000000").size(), 2u);
}

TEST(ScriptParse, UnknownKeysAndAnswersAreRejected) {
  EXPECT_NE(ErrorOf("key space").find("line 1: unknown key 'space'"), std::string::npos);
  EXPECT_NE(ErrorOf("hold shift").find("unknown key 'shift'"), std::string::npos);
  EXPECT_NE(ErrorOf("release Enter").find("unknown key 'Enter'"), std::string::npos);
  EXPECT_NE(ErrorOf("answer maybe").find("line 1: unknown answer 'maybe'"), std::string::npos);
}

TEST(ScriptParse, WrongArgumentCountsAreRejected) {
  EXPECT_EQ(ErrorOf("click 1"), "line 1: 'click' takes 2 arguments (click X Y)");
  EXPECT_EQ(ErrorOf("move 1 2 3"), "line 1: 'move' takes 2 arguments (move X Y)");
  EXPECT_EQ(ErrorOf("frames"), "line 1: 'frames' takes 1 argument (frames N)");
  EXPECT_EQ(ErrorOf("close now"), "line 1: 'close' takes 0 arguments (close)");
  EXPECT_EQ(ErrorOf("key"), "line 1: 'key' takes 1 argument (key NAME)");
  EXPECT_EQ(ErrorOf("shot a b"), "line 1: 'shot' takes 1 argument (shot NAME)");
}

TEST(ScriptParse, PromptCommands) {
  const Script script = Parse(
      "page\n"
      "choose 1\n"
      "choose 3\n"
      "until-page\n"
      "until-choice   # comment\n"
      "choose\t2\n");
  ASSERT_EQ(script.size(), 6u);
  const CommandKind kinds[] = {CommandKind::Page,        CommandKind::Choose,
                               CommandKind::Choose,      CommandKind::UntilPage,
                               CommandKind::UntilChoice, CommandKind::Choose};
  for (std::size_t i = 0; i < script.size(); ++i) {
    EXPECT_EQ(script[i].kind, kinds[i]) << i;
    EXPECT_EQ(script[i].line, static_cast<int>(i) + 1);
  }
  EXPECT_EQ(script[1].a, 1);
  EXPECT_EQ(script[2].a, 3);
  EXPECT_EQ(script[5].a, 2);
}

TEST(ScriptParse, ChoicesOutsideOneToThreeOrMalformedAreRejected) {
  EXPECT_EQ(ErrorOf("choose 0"), "line 1: bad choice '0' (1 to 3)");
  EXPECT_EQ(ErrorOf("page\nchoose 4"), "line 2: bad choice '4' (1 to 3)");
  EXPECT_EQ(ErrorOf("choose -1"), "line 1: bad choice '-1' (1 to 3)");
  EXPECT_EQ(ErrorOf("choose two"), "line 1: bad choice 'two' (1 to 3)");
  EXPECT_EQ(ErrorOf("choose 1.0"), "line 1: bad choice '1.0' (1 to 3)");
  EXPECT_EQ(ErrorOf("choose +2"), "line 1: bad choice '+2' (1 to 3)");
}

TEST(ScriptParse, PromptCommandsTakeTheirArgumentCount) {
  EXPECT_EQ(ErrorOf("choose"), "line 1: 'choose' takes 1 argument (choose N)");
  EXPECT_EQ(ErrorOf("choose 1 2"), "line 1: 'choose' takes 1 argument (choose N)");
  EXPECT_EQ(ErrorOf("page 2"), "line 1: 'page' takes 0 arguments (page)");
  EXPECT_EQ(ErrorOf("until-page now"), "line 1: 'until-page' takes 0 arguments (until-page)");
  EXPECT_EQ(ErrorOf("until-choice 1"), "line 1: 'until-choice' takes 0 arguments (until-choice)");
  // Near misses are not accepted as the real thing.
  EXPECT_EQ(ErrorOf("until_page"), "line 1: unknown command 'until_page'");
  EXPECT_EQ(ErrorOf("Page"), "line 1: unknown command 'Page'");
  EXPECT_EQ(ErrorOf("until"), "line 1: unknown command 'until'");
}

TEST(ScriptParse, ShotNamesCannotLeaveTheShotFolder) {
  for (const char* name : {"../x", "a/b", ".hidden", "a\\b", "é", "a\"b", "a:b"}) {
    const std::string error = ErrorOf(std::string("shot ") + name);
    EXPECT_EQ(error.rfind("line 1: bad shot name", 0), 0u) << name << ": " << error;
  }
}

TEST(ScriptParse, TheFirstBadLineIsReportedAndANullErrorIsAllowed) {
  EXPECT_EQ(ErrorOf("close\nframes x\njump\n"), "line 2: bad frame count 'x' (0 to 1000000000)");
  EXPECT_FALSE(ParseScript("jump", nullptr).has_value());
}

}  // namespace
