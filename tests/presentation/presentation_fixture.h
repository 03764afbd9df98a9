// The stage, the message window and choices on the headless backend, with
// pictures written as loose files of the install folder.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/window_geometry.h"
#include "platform/headless/script.h"
#include "tests/support/display_fixture.h"

namespace cellwright_test {

inline std::uint32_t Solid(std::uint32_t colour, int, int) {
  return colour;
}

class PresentationTest : public DisplayTest {
 protected:
  static constexpr std::uint32_t kPromptFrame0 = 0x00C03020;
  static constexpr std::uint32_t kPromptFrame1 = 0x002030C0;

  void SetUp() override {
    DisplayTest::SetUp();
    core::InstallFolder = Sys().CurrentFolder();
    bmpFolder_ = Temp().Sub("install/bmp");
    display::ResetMessageWindow();
    display::ResetChoices();
    // The prompt: two 24x24 frames stacked, each one flat colour.
    WritePicture("プロンプト.bmp", 24, 48,
                 [](int, int y) { return y < 24 ? kPromptFrame0 : kPromptFrame1; });
  }

  // utf8Name is the file's name on disk; the engine asks for its Shift-JIS form.
  void WritePicture(const std::string& utf8Name, int w, int h,
                    const std::function<std::uint32_t(int, int)>& colour) {
    const std::vector<std::uint8_t> bytes = WriteBmp(TrueColourPlan(w, h, colour));
    std::ofstream out(bmpFolder_ + utf8Name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
  }
  void WriteSolid(const std::string& utf8Name, int w, int h, std::uint32_t colour) {
    WritePicture(utf8Name, w, h, [colour](int, int) { return colour; });
  }

  // Replaces the script; the presses of the previous one are let go first.
  void RunScript(const std::string& text) {
    for (const platform::Key key :
         {platform::Key::Up, platform::Key::Down, platform::Key::Left, platform::Key::Right,
          platform::Key::Enter, platform::Key::Escape, platform::Key::Control}) {
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

  // The cell's box on screen.
  static display::Rect Cell(int column, int row) {
    return {display::CellX(column), display::CellY(row),
            display::CellX(column) + display::kCellSize, display::CellY(row) + display::kCellSize};
  }

  std::string bmpFolder_;
};

}  // namespace cellwright_test
