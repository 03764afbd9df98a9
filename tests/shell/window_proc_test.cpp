#include <gtest/gtest.h>

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "display/surface.h"
#include "platform/encoding.h"
#include "shell/window_proc.h"
#include "tests/support/headless_fixture.h"

namespace {

using platform::BoxAnswer;
using platform::MessageKind;

class WindowProcTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  }
};

TEST_F(WindowProcTest, CloseAsksWithNoAsTheDefault) {
  Sys().PushMessage({MessageKind::Close});
  ASSERT_EQ(core::WaitFrame(), 1);  // unanswered: the default keeps the game going
  ASSERT_EQ(Sys().Boxes().size(), 1u);
  const auto& box = Sys().Boxes()[0];
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(box.request.text), "本当にゲームを終了してよろしいですか？");
  EXPECT_EQ(platform::Cp932ToUtf8Lossy(box.request.caption), "Cellwright");
  EXPECT_EQ(box.request.buttons, platform::BoxButtons::YesNo);
  EXPECT_EQ(box.answer, BoxAnswer::No);
  EXPECT_TRUE(Sys().HasMainWindow());
  EXPECT_EQ(core::QuitReceived, 0);
}

TEST_F(WindowProcTest, CloseAnsweredNoLeavesNoStrayPress) {
  core::WaitFrame();
  // The button that answered the box comes back up before the next frame.
  Sys().PushMessage({MessageKind::LButtonDown});
  Sys().PushMessage({MessageKind::Close});
  Sys().QueueBoxAnswer(BoxAnswer::No);
  Sys().PushMessage({MessageKind::LButtonUp});
  ASSERT_EQ(core::WaitFrame(), 1);
  EXPECT_EQ(core::InputPressed, 0);
  EXPECT_EQ(core::InputHeld, 0);
  ASSERT_EQ(core::WaitFrame(), 1);
  EXPECT_EQ(core::InputPressed, 0);
}

TEST_F(WindowProcTest, TheProcedureClearsTheInputBitsAfterTheBox) {
  core::InputHeld = core::KeyOk;
  core::InputPressed = core::KeyOk;
  Sys().QueueBoxAnswer(BoxAnswer::No);
  shell::WindowProc({MessageKind::Close});
  EXPECT_EQ(core::InputHeld, 0);
  EXPECT_EQ(core::InputPressed, 0);
}

TEST_F(WindowProcTest, CloseAnsweredYesDestroysTheWindowAndQuits) {
  ASSERT_TRUE(display::InitDisplay());
  ASSERT_TRUE(display::LayerSlots[3].CreateBlank(8, 8));
  Sys().PushMessage({MessageKind::Close});
  Sys().QueueBoxAnswer(BoxAnswer::Yes);
  EXPECT_EQ(core::WaitFrame(), 0);
  EXPECT_FALSE(Sys().HasMainWindow());
  EXPECT_EQ(core::QuitReceived, 1);
  EXPECT_EQ(core::WaitFrame(), 0);
  EXPECT_EQ(Sys().Boxes().size(), 1u);
  // Destroying the window released the display at once.
  EXPECT_FALSE(display::Display.up);
  EXPECT_FALSE(display::LayerSlots[3].HasPixels());
  EXPECT_FALSE(display::Screen.HasPixels());
}

TEST_F(WindowProcTest, ActivationFollowsTheWindow) {
  shell::WindowProc({MessageKind::Activate, 0});
  EXPECT_EQ(core::AppActive, 0);
  shell::WindowProc({MessageKind::Activate, 1});
  EXPECT_EQ(core::AppActive, 1);
}

TEST_F(WindowProcTest, ButtonsSetAndClearTheirOwnBitsOnly) {
  shell::WindowProc({MessageKind::LButtonDown});
  shell::WindowProc({MessageKind::RButtonDown});
  EXPECT_EQ(core::MouseButtons, core::KeyOk | core::KeyCancel);
  shell::WindowProc({MessageKind::LButtonUp});
  EXPECT_EQ(core::MouseButtons, core::KeyCancel);
  shell::WindowProc({MessageKind::LButtonUp});
  EXPECT_EQ(core::MouseButtons, core::KeyCancel);
  shell::WindowProc({MessageKind::RButtonUp});
  EXPECT_EQ(core::MouseButtons, 0);
}

TEST_F(WindowProcTest, DestroyingTwiceIsHarmless) {
  shell::DestroyMainWindow();
  shell::DestroyMainWindow();
  EXPECT_EQ(core::WaitFrame(), 0);
  EXPECT_EQ(core::WaitFrame(), 0);
}

}  // namespace
