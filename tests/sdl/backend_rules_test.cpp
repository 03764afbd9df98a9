// The backend's rules kept free of SDL: the Alt+Enter gate, message boxes,
// the raise watch. (The pointer and activation filters show in every MouseMove
// and Activate of the backend's own tests.)
#include <gtest/gtest.h>

#include <string>

#include "platform/sdl/input_filter.h"
#include "platform/sdl/message_box_plan.h"
#include "platform/sdl/raise_watch.h"

namespace platform::sdl {
namespace {

// The Enter of an Alt+Enter must not confirm anything in the game.
TEST(AltEnterGate, OnlyAFreshAltEnterTogglesAndItsEnterStaysHiddenUntilReleased) {
  AltEnterGate gate;
  EXPECT_TRUE(gate.Press(EnterKey::Main, true, false));
  EXPECT_FALSE(gate.Press(EnterKey::Main, true, true)) << "the held chord toggles once";
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, true)) << "Alt released first";
  EXPECT_TRUE(gate.Hidden(EnterKey::Main));
  EXPECT_FALSE(gate.Hidden(EnterKey::Keypad)) << "the two Enters are apart";
  gate.Release(EnterKey::Main);
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));

  EXPECT_TRUE(gate.Press(EnterKey::Keypad, true, false));
  EXPECT_TRUE(gate.Press(EnterKey::Main, true, false));
  gate.Reset();  // focus lost
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
  EXPECT_FALSE(gate.Hidden(EnterKey::Keypad));
}

// Each button's label and answer, left to right, then what Enter and what
// Escape (or closing the box, or a button SDL does not know) answer.
TEST(PlanMessageBox, ButtonsEnterAndEscapeForEveryDefault) {
  const char* const kAnswers[] = {"", "ok", "", "abort", "retry", "ignore", "yes", "no"};
  const struct {
    BoxButtons buttons;
    int defaultButton;
    bool japanese;
    std::string flows;
  } rows[] = {
      {BoxButtons::Ok, 0, false, "OK=ok enter=ok escape=ok"},
      {BoxButtons::Ok, 1, true, "OK=ok enter=ok escape=ok"},
      {BoxButtons::YesNo, 0, false, "Yes=yes No=no enter=yes escape=no"},
      {BoxButtons::YesNo, 1, true, "はい=yes いいえ=no enter=no escape=no"},
      {BoxButtons::YesNo, 2, false, "Yes=yes No=no enter=yes escape=no"},
      {BoxButtons::YesNo, -1, false, "Yes=yes No=no enter=yes escape=no"},
      // None of the three is harmless: Escape takes the default.
      {BoxButtons::AbortRetryIgnore, 0, true,
       "中止=abort 再試行=retry 無視=ignore enter=abort escape=abort"},
      {BoxButtons::AbortRetryIgnore, 1, false,
       "Abort=abort Retry=retry Ignore=ignore enter=retry escape=retry"},
      {BoxButtons::AbortRetryIgnore, 2, false,
       "Abort=abort Retry=retry Ignore=ignore enter=ignore escape=ignore"},
      {BoxButtons::AbortRetryIgnore, 3, false,
       "Abort=abort Retry=retry Ignore=ignore enter=abort escape=abort"},
  };
  for (const auto& row : rows) {
    const BoxPlan plan = PlanMessageBox(row.buttons, row.defaultButton, row.japanese);
    const auto name = [&](int pressed) {
      return kAnswers[static_cast<int>(AnswerFor(plan, pressed))];
    };
    std::string flows;
    for (int i = 0; i < static_cast<int>(plan.buttons.size()); ++i) {
      flows += plan.buttons[static_cast<std::size_t>(i)].label + "=" + name(i) + " ";
    }
    EXPECT_EQ(flows + "enter=" + name(plan.returnIndex) + " escape=" + name(-1), row.flows);
  }
  EXPECT_EQ(AnswerFor(BoxPlan{}, 0), BoxAnswer::Ok);
}

// A first or second copy's lock that has a raise request whenever asked.
struct CountingLock final : InstanceLock {
  explicit CountingLock(bool second) : secondCopy(second) {}
  bool AlreadyRunning() const override { return secondCopy; }
  void BringRunningCopyForward() override {}
  bool TakeRaiseRequest() override { return ++asked > 0; }
  bool secondCopy;
  int asked = 0;
};

TEST(RaiseWatch, AsksAFirstCopysLockAtMostOnceAnIntervalWhileItLives) {
  auto watch = std::make_shared<RaiseWatch>(100);
  EXPECT_FALSE(watch->Poll(0)) << "no lock";
  auto owned = std::make_unique<CountingLock>(false);
  const CountingLock& first = *owned;
  auto lock = WatchedLock(std::move(owned), watch);
  // A second copy's lock is not watched, and does not end the watch when dropped.
  WatchedLock(std::make_unique<CountingLock>(true), watch).reset();
  for (const auto& [now, asked] :  // across the wrap of the clock
       {std::pair{0xFFFFFFF0u, 1}, {0x53u, 1}, {0x54u, 2}, {0x55u, 2}, {0xB8u, 3}}) {
    const int before = first.asked;
    EXPECT_EQ(watch->Poll(now), asked > before) << now;
    EXPECT_EQ(first.asked, asked) << now;
  }
  lock.reset();
  EXPECT_FALSE(watch->Poll(0x1000u));
  EXPECT_EQ(WatchedLock(nullptr, watch), nullptr);
}

}  // namespace
}  // namespace platform::sdl
