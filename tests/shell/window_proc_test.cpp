#include "shell/window_proc.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "display/surface.h"
#include "platform/encoding.h"
#include "tests/support/headless_fixture.h"

namespace {

using platform::BoxAnswer;
using M = platform::MessageKind;
using WindowProcTest = cellwright_test::HeadlessTest;

// Each message in turn, and AppActive, MouseX, MouseY and MouseButtons after it.
TEST_F(WindowProcTest, MessagesBecomeTheShellsState) {
  constexpr int Ok = core::KeyOk, Cancel = core::KeyCancel;
  const struct {
    const char* name;
    platform::Message message;
    std::vector<int> state;
  } kSteps[] = {
      {"deactivated", {M::Activate, 0}, {0, 0, 0, 0}},
      {"activated", {M::Activate, 1}, {1, 0, 0, 0}},
      {"the pointer moves", {M::MouseMove, 0, 639, 479}, {1, 639, 479, 0}},
      {"left down", {M::LButtonDown}, {1, 639, 479, Ok}},
      {"right down too", {M::RButtonDown}, {1, 639, 479, Ok | Cancel}},
      {"left up", {M::LButtonUp}, {1, 639, 479, Cancel}},
      {"left up again", {M::LButtonUp}, {1, 639, 479, Cancel}},
      {"right up", {M::RButtonUp}, {1, 639, 479, 0}},
  };
  for (const auto& step : kSteps) {
    shell::WindowProc(step.message);
    EXPECT_EQ((std::vector<int>{core::AppActive, core::MouseX, core::MouseY, core::MouseButtons}),
              step.state)
        << step.name;
  }
}

// Close asks, No the default; only Yes destroys the window, which releases the
// display at once and posts the quit. The press that answered is not the game's.
TEST_F(WindowProcTest, CloseAsksAndOnlyYesDestroysTheWindow) {
  for (const bool yes : {false, true}) {
    SCOPED_TRACE(yes ? "yes" : "unanswered");
    Start({});
    ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
    ASSERT_TRUE(display::InitDisplay());
    if (yes) Sys().QueueBoxAnswer(BoxAnswer::Yes);
    core::InputHeld = core::InputPressed = core::KeyOk;
    shell::WindowProc({M::Close});
    EXPECT_EQ(core::InputHeld | core::InputPressed, 0);
    ASSERT_EQ(Sys().Boxes().size(), 1u);
    const platform::MessageBoxRequest& box = Sys().Boxes()[0].request;
    EXPECT_EQ(platform::Cp932ToUtf8Lossy(box.text), "本当にゲームを終了してよろしいですか？");
    EXPECT_EQ(platform::Cp932ToUtf8Lossy(box.caption), "Cellwright");
    EXPECT_EQ(box.buttons, platform::BoxButtons::YesNo);
    EXPECT_EQ(Sys().Boxes()[0].answer, yes ? BoxAnswer::Yes : BoxAnswer::No);
    EXPECT_EQ(Sys().HasMainWindow(), !yes);
    EXPECT_EQ(display::Display.up, !yes);
    EXPECT_EQ(core::WaitFrame(), yes ? 0 : 1);
  }
}

}  // namespace
