// The stage, the message window and choices on the headless backend, with
// pictures written as loose files of the install folder. There is no prompt
// picture unless a test writes one: the page waits work without it.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/shell_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/window_geometry.h"
#include "platform/encoding.h"
#include "platform/headless/script.h"
#include "tests/support/display_fixture.h"
#include "tests/support/files.h"

namespace cellwright_test {

class PresentationTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    core::InstallFolder = Sys().CurrentFolder();
    Temp().Sub("install/bmp");
    display::ResetMessageWindow();
    display::ResetChoices();
  }

  // utf8Name is the file's name on disk; the engine asks for its Shift-JIS form.
  void WritePicture(const std::string& utf8Name, const BmpPlan& plan) {
    WriteBytes(Temp().Path() + "/install/bmp/" + utf8Name, WriteBmp(plan));
  }
  void WriteSolid(const std::string& utf8Name, int w, int h, std::uint32_t colour) {
    WritePicture(utf8Name, TrueColourPlan(w, h, [colour](int, int) { return colour; }));
  }

  // Replaces the script; the presses of the previous one are let go first.
  void RunScript(const std::string& text) {
    for (const auto key : {platform::Key::Up, platform::Key::Down, platform::Key::Enter,
                           platform::Key::Escape, platform::Key::Control}) {
      Sys().SetKey(key, false);
    }
    Sys().PushMessage({platform::MessageKind::LButtonUp, 0, 0, 0, 0});
    Sys().PushMessage({platform::MessageKind::RButtonUp, 0, 0, 0, 0});
    std::string error;
    const auto script = platform::headless::ParseScript(text, &error);
    ASSERT_TRUE(script) << error;
    Sys().SetScript(*script);
  }

  // Pixels in the rectangle that differ from `colour`.
  int CountOther(const display::Rect& rect, std::uint32_t colour) {
    int count = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) count += ScreenAt(x, y) != colour ? 1 : 0;
    }
    return count;
  }
  int CountExactly(const display::Rect& rect, std::uint32_t colour) {
    return (rect.right - rect.left) * (rect.bottom - rect.top) - CountOther(rect, colour);
  }
};

}  // namespace cellwright_test
