#include <gtest/gtest.h>

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "display/surface.h"
#include "platform/headless/script.h"
#include "tests/support/headless_fixture.h"

namespace {

using core::InputHeld;
using core::InputPressed;
using core::WaitFrame;
using platform::Key;
using platform::Message;
using platform::MessageKind;

class FramePumpTest : public cellwright_test::HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  }
  void RunScript(const char* text) {
    std::string error;
    auto script = platform::headless::ParseScript(text, &error);
    ASSERT_TRUE(script) << error;
    Sys().SetScript(*script);
  }
};

TEST_F(FramePumpTest, OneFramePerTickOfThirtyTwoMilliseconds) {
  ASSERT_EQ(WaitFrame(), 1);  // the clock starts inside tick 0, the same as FrameTick
  EXPECT_EQ(Sys().ElapsedMs(), 32u);
  const auto start = Sys().ElapsedMs();
  for (int i = 0; i < 100; ++i) ASSERT_EQ(WaitFrame(), 1);
  EXPECT_EQ(Sys().ElapsedMs() - start, 3200u);
  EXPECT_EQ(core::FrameTick, Sys().TickCount() >> 5);
}

TEST_F(FramePumpTest, AHeldKeyIsPressedOnceThenOnlyHeld) {
  Sys().SetKey(Key::Down, true);
  WaitFrame();
  EXPECT_EQ(InputPressed, core::KeyDown);
  EXPECT_EQ(InputHeld, core::KeyDown);
  for (int i = 0; i < 3; ++i) {
    WaitFrame();
    EXPECT_EQ(InputPressed, 0);
    EXPECT_EQ(InputHeld, core::KeyDown);
  }
  Sys().SetKey(Key::Down, false);
  WaitFrame();
  EXPECT_EQ(InputHeld, 0);
  Sys().SetKey(Key::Down, true);
  WaitFrame();
  EXPECT_EQ(InputPressed, core::KeyDown);
}

TEST_F(FramePumpTest, EnterAndLeftButtonAreOneInputEscapeAndRightButtonAnother) {
  Sys().SetKey(Key::Enter, true);
  Sys().PushMessage({MessageKind::LButtonDown});
  WaitFrame();
  EXPECT_EQ(InputPressed, core::KeyOk);
  Sys().SetKey(Key::Enter, false);
  WaitFrame();  // still held by the button: no second press
  EXPECT_EQ(InputHeld, core::KeyOk);
  EXPECT_EQ(InputPressed, 0);
  Sys().PushMessage({MessageKind::LButtonUp});
  Sys().PushMessage({MessageKind::RButtonDown});
  WaitFrame();
  EXPECT_EQ(InputPressed, core::KeyCancel);
  Sys().PushMessage({MessageKind::RButtonUp});
  Sys().SetKey(Key::Escape, true);
  WaitFrame();
  EXPECT_EQ(InputHeld, core::KeyCancel);
  EXPECT_EQ(InputPressed, 0);  // held across the frame boundary by one or the other
}

TEST_F(FramePumpTest, EveryDirectionHasItsBitAndControlIsReadDirectly) {
  Sys().SetKey(Key::Up, true);
  Sys().SetKey(Key::Left, true);
  Sys().SetKey(Key::Right, true);
  Sys().SetKey(Key::Control, true);
  WaitFrame();
  EXPECT_EQ(InputHeld, core::KeyUp | core::KeyLeft | core::KeyRight);
  EXPECT_TRUE(core::ControlHeld());
  Sys().SetKey(Key::Control, false);
  EXPECT_FALSE(core::ControlHeld());
}

TEST_F(FramePumpTest, AClickThatStartsAndEndsBetweenFramesIsNotSeen) {
  WaitFrame();
  Sys().PushMessage({MessageKind::LButtonDown});
  Sys().PushMessage({MessageKind::LButtonUp});
  WaitFrame();
  EXPECT_EQ(InputPressed, 0);
}

TEST_F(FramePumpTest, MouseMovesUpdateThePointer) {
  Sys().PushMessage({MessageKind::MouseMove, 0, 639, 479});
  WaitFrame();
  EXPECT_EQ(core::MouseX, 639);
  EXPECT_EQ(core::MouseY, 479);
}

TEST_F(FramePumpTest, NoFramesWhileInactiveButMessagesAreStillHandled) {
  WaitFrame();
  RunScript(
      "deactivate\n"
      "move 10 20\n"
      "frames 50\n"
      "activate\n");
  const auto before = Sys().ElapsedMs();
  ASSERT_EQ(WaitFrame(), 1);
  EXPECT_GE(Sys().ElapsedMs() - before, 50u * 32u);
  EXPECT_EQ(core::MouseX, 10);
  EXPECT_EQ(core::MouseY, 20);
  EXPECT_EQ(core::AppActive, 1);
}

TEST_F(FramePumpTest, FramesKeepTheirPaceAcrossTheWrapOfTheCounter) {
  platform::headless::HeadlessOptions options;
  options.clockStart = 0xFFFFFFFFu - 20 * 32 + 1;  // on a tick boundary, 20 ticks before the wrap
  Start(options);
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  WaitFrame();
  const auto start = Sys().ElapsedMs();
  for (int i = 0; i < 40; ++i) ASSERT_EQ(WaitFrame(), 1);
  EXPECT_EQ(Sys().ElapsedMs() - start, 40u * 32u);
  EXPECT_LT(Sys().TickCount(), 0x10000u);  // it did wrap
}

TEST_F(FramePumpTest, AfterTheQuitEveryWaitReturnsZeroAtOnce) {
  WaitFrame();
  Sys().PostQuitMessage();
  Sys().PushMessage({MessageKind::MouseMove, 0, 5, 5});
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(core::QuitReceived, 1);
  const auto at = Sys().ElapsedMs();
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(Sys().ElapsedMs(), at);
  EXPECT_EQ(core::MouseX, 0);  // the queue is no longer read
  EXPECT_NE(Log().find(R"("event":"quit")"), std::string::npos);
}

TEST_F(FramePumpTest, MessagesQueuedBeforeTheQuitAreHandledFirst) {
  Sys().PushMessage({MessageKind::MouseMove, 0, 7, 8});
  Sys().PostQuitMessage();
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(core::MouseX, 7);
}

TEST_F(FramePumpTest, WhatWasDrawnIsPresentedOnceWhenTheNextWaitBegins) {
  ASSERT_TRUE(display::InitDisplay());
  WaitFrame();
  const int before = Sys().PresentCount();
  auto context = display::Screen.BeginDrawing();
  ASSERT_TRUE(context);
  context->FillRect({0, 0, 10, 10}, 0x00FFFFFF);
  display::Screen.EndDrawing(*context);
  WaitFrame();
  EXPECT_EQ(Sys().PresentCount(), before + 1);
  WaitFrame();
  WaitFrame();
  EXPECT_EQ(Sys().PresentCount(), before + 1);  // nothing new, nothing shown again
}

}  // namespace
