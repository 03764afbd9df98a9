#include "core/frame_pump.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/shell_state.h"
#include "display/surface.h"
#include "platform/headless/script.h"
#include "tests/support/headless_fixture.h"

namespace {

using core::WaitFrame;
using K = platform::Key;
using M = platform::MessageKind;

using FramePumpTest = cellwright_test::HeadlessTest;

// A frame for every 32 ms tick of the counter, on its boundary, also across the
// counter's wrap. FrameTick starts at tick 0.
TEST_F(FramePumpTest, OneFrameForEveryTickEvenAcrossTheWrap) {
  const struct {
    const char* name;
    std::uint32_t clockStart;
    std::uint64_t firstFrameAfterMs;
  } kCases[] = {
      {"inside tick 0: the first frame waits for tick 1", 0, 32},
      {"mid-tick, 20 ticks before the wrap: the first is at once", 0u - 20 * 32 + 9, 0},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    platform::headless::HeadlessOptions options;
    options.clockStart = row.clockStart;
    Start(options);
    ASSERT_EQ(WaitFrame(), 1);
    EXPECT_EQ(Sys().ElapsedMs(), row.firstFrameAfterMs);
    std::uint32_t boundary = (Sys().TickCount() | 31) + 1;  // of the next tick; wraps
    for (int i = 0; i < 40; ++i, boundary += 32) {
      ASSERT_EQ(WaitFrame(), 1);
      ASSERT_EQ(Sys().TickCount(), boundary);
    }
  }
}

// One session, a frame a step: keys and buttons are held while down and
// pressed on the frame they go down; Enter and the left button are one input,
// Escape and the right button another.
TEST_F(FramePumpTest, InputIsHeldWhileDownAndPressedOnTheFrameItGoesDown) {
  constexpr int Ok = core::KeyOk, Cancel = core::KeyCancel, Down = core::KeyDown;
  constexpr int Ways = core::KeyUp | core::KeyLeft | core::KeyRight;
  const struct {
    const char* name;
    std::vector<std::pair<K, bool>> keys;
    std::vector<M> messages;
    int held, pressed;
  } kSteps[] = {
      {"a key goes down", {{K::Down, true}}, {}, Down, Down},
      {"and stays down", {}, {}, Down, 0},
      {"and comes up", {{K::Down, false}}, {}, 0, 0},
      {"Enter with the left button", {{K::Enter, true}}, {M::LButtonDown}, Ok, Ok},
      {"the button alone keeps it held", {{K::Enter, false}}, {}, Ok, 0},
      {"the right button", {}, {M::LButtonUp, M::RButtonDown}, Cancel, Cancel},
      {"Escape takes over from it", {{K::Escape, true}}, {M::RButtonUp}, Cancel, 0},
      {"a click within one frame", {{K::Escape, false}}, {M::LButtonDown, M::LButtonUp}, 0, 0},
      {"the other ways", {{K::Up, true}, {K::Left, true}, {K::Right, true}}, {}, Ways, Ways},
      {"Control has no bit", {{K::Control, true}}, {}, Ways, 0},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.name);
    for (const auto& [key, down] : step.keys) Sys().SetKey(key, down);
    for (const M kind : step.messages) Sys().PushMessage({kind});
    ASSERT_EQ(WaitFrame(), 1);
    EXPECT_EQ(core::InputHeld, step.held);
    EXPECT_EQ(core::InputPressed, step.pressed);
  }
  EXPECT_TRUE(core::ControlHeld());  // read directly
  Sys().SetKey(K::Control, false);
  EXPECT_FALSE(core::ControlHeld());
}

TEST_F(FramePumpTest, NoFramesWhileInactiveButMessagesAreStillHandled) {
  std::string error;
  Sys().SetScript(
      *platform::headless::ParseScript("deactivate\nmove 10 20\nframes 50\nactivate\n", &error));
  ASSERT_EQ(WaitFrame(), 1);
  EXPECT_GE(Sys().ElapsedMs(), 50u * 32u);
  EXPECT_EQ(core::MouseX, 10);
}

TEST_F(FramePumpTest, MessagesBeforeTheQuitAreHandledAndEveryWaitAfterItReturns0AtOnce) {
  Sys().PushMessage({M::MouseMove, 0, 7, 8});
  Sys().PostQuitMessage();
  Sys().PushMessage({M::MouseMove, 0, 5, 5});
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(WaitFrame(), 0);
  EXPECT_EQ(Sys().ElapsedMs(), 0u);
  EXPECT_EQ(core::MouseX, 7);  // the queue is no longer read
}

std::vector<std::uint32_t> PresentedAt;
void (*DisplayPresent)() = nullptr;

// What was drawn goes on screen when the next wait begins, not after it.
TEST_F(FramePumpTest, TheDisplayPresentsWhenEachWaitBegins) {
  ASSERT_TRUE(Sys().CreateMainWindow("Cellwright"));
  ASSERT_TRUE(display::InitDisplay());
  DisplayPresent = core::Hooks.presentChanges;
  core::Hooks.presentChanges = [] {
    PresentedAt.push_back(platform::Sys().TickCount());
    DisplayPresent();
  };
  ASSERT_EQ(WaitFrame() + WaitFrame(), 2);
  EXPECT_EQ(PresentedAt, (std::vector<std::uint32_t>{0, 32}));
}

}  // namespace
