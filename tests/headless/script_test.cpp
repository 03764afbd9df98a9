#include <gtest/gtest.h>

#include <string>

#include "platform/headless/script.h"
#include "platform/system.h"

namespace {

using platform::BoxAnswer;
using platform::Key;
using platform::headless::CommandKind;
using platform::headless::ParseScript;

constexpr auto K = [](Key key) { return static_cast<std::int64_t>(key); };
constexpr auto A = [](BoxAnswer answer) { return static_cast<std::int64_t>(answer); };

TEST(ScriptParse, EveryCommandAndArgument) {
  const struct {
    const char* text;
    CommandKind kind;
    std::int64_t a = 0;
    std::int64_t b = 0;
    const char* name = "";
  } rows[] = {
      {"frames 0", CommandKind::Frames},
      {"frames 1000000000", CommandKind::Frames, 1000000000},
      {"move 1 2", CommandKind::Move, 1, 2},
      {"click 639 479", CommandKind::Click, 639, 479},
      {"rclick 0 0", CommandKind::RightClick},
      {"key enter", CommandKind::KeyPress, K(Key::Enter)},
      {"key escape", CommandKind::KeyPress, K(Key::Escape)},
      {"key up", CommandKind::KeyPress, K(Key::Up)},
      {"key down", CommandKind::KeyPress, K(Key::Down)},
      {"key left", CommandKind::KeyPress, K(Key::Left)},
      {"key right", CommandKind::KeyPress, K(Key::Right)},
      {"key ctrl", CommandKind::KeyPress, K(Key::Control)},
      {"hold ctrl", CommandKind::Hold, K(Key::Control)},
      {"release up", CommandKind::Release, K(Key::Up)},
      {"close", CommandKind::Close},
      {"answer yes", CommandKind::Answer, A(BoxAnswer::Yes)},
      {"answer no", CommandKind::Answer, A(BoxAnswer::No)},
      {"answer ok", CommandKind::Answer, A(BoxAnswer::Ok)},
      {"answer abort", CommandKind::Answer, A(BoxAnswer::Abort)},
      {"answer retry", CommandKind::Answer, A(BoxAnswer::Retry)},
      {"answer ignore", CommandKind::Answer, A(BoxAnswer::Ignore)},
      {"shot title-1_a.b", CommandKind::Shot, 0, 0, "title-1_a.b"},
      {"deactivate", CommandKind::Deactivate},
      {"activate", CommandKind::Activate},
      {"page", CommandKind::Page},
      {"choose 1", CommandKind::Choose, 1},
      {"choose\t3", CommandKind::Choose, 3},
      {"until-page", CommandKind::UntilPage},
      {"until-choice", CommandKind::UntilChoice},
      // Comments, blank lines, spaces, tabs and a carriage return are no words.
      {"  frames \t 3   # after a command", CommandKind::Frames, 3},
      {"click 4 5#touching\r\n", CommandKind::Click, 4, 5},
      {"# a comment\n\n \t \n#close\nclose", CommandKind::Close},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    const auto script = ParseScript(row.text, nullptr);
    ASSERT_TRUE(script.has_value() && script->size() == 1);
    const auto& c = script->front();
    EXPECT_TRUE(c.kind == row.kind && c.a == row.a && c.b == row.b && c.name == row.name);
  }
  EXPECT_TRUE(ParseScript("", nullptr)->empty());
}

TEST(ScriptParse, EveryErrorNamesItsLine) {
  const struct {
    const char* text;
    const char* error;  // the start of the message
  } rows[] = {
      {"frames 1\n\njump 3", "line 3: unknown command 'jump'"},
      {"frames -1", "line 1: bad frame count '-1' (0 to 1000000000)"},
      {"frames 1000000001", "line 1: bad frame count '1000000001'"},
      {"frames 99999999999999999999999", "line 1: bad frame count '99999"},
      {"frames 3x", "line 1: bad frame count '3x'"},
      {"click 640 0", "line 1: bad x '640' (0 to 639)"},
      {"rclick -1 0", "line 1: bad x '-1' (0 to 639)"},
      {"move 0 480", "line 1: bad y '480' (0 to 479)"},
      {"key space", "line 1: unknown key 'space'"},
      {"answer maybe", "line 1: unknown answer 'maybe'"},
      {"choose 0", "line 1: bad choice '0' (1 to 3)"},
      {"page\nchoose 4", "line 2: bad choice '4' (1 to 3)"},
      {"choose two", "line 1: bad choice 'two' (1 to 3)"},
      {"click 1", "line 1: 'click' takes 2 arguments (click X Y)"},
      {"move 1 2 3", "line 1: 'move' takes 2 arguments (move X Y)"},
      {"frames", "line 1: 'frames' takes 1 argument (frames N)"},
      {"close now", "line 1: 'close' takes 0 arguments (close)"},
      // Shot names become file names in the shot folder.
      {"shot ../x", "line 1: bad shot name '../x'"},
      {"shot a/b", "line 1: bad shot name"},
      {"shot é", "line 1: bad shot name"},
      // The first bad line is the one reported.
      {"close\nframes x\njump", "line 2: bad frame count 'x'"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.text);
    std::string error;
    EXPECT_FALSE(ParseScript(row.text, &error).has_value());
    EXPECT_EQ(error.rfind(row.error, 0), 0u) << error;
  }
  EXPECT_FALSE(ParseScript("jump", nullptr).has_value());
}

}  // namespace
