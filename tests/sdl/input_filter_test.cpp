#include "platform/sdl/input_filter.h"

#include <gtest/gtest.h>

namespace platform::sdl {
namespace {

TEST(AltEnterGate, PlainEnterNeitherTogglesNorHides) {
  AltEnterGate gate;
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, false));
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, true));
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
}

TEST(AltEnterGate, ChordHidesEnterUntilItIsReleased) {
  AltEnterGate gate;
  EXPECT_TRUE(gate.Press(EnterKey::Main, true, false));
  EXPECT_TRUE(gate.Hidden(EnterKey::Main));
  // Alt goes up first; the auto-repeat of the still-held Enter arrives without it.
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, true));
  EXPECT_TRUE(gate.Hidden(EnterKey::Main));
  gate.Release(EnterKey::Main);
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, false));
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
}

TEST(AltEnterGate, AltAddedToAHeldEnterIsNoChord) {
  AltEnterGate gate;
  EXPECT_FALSE(gate.Press(EnterKey::Main, false, false));
  EXPECT_FALSE(gate.Press(EnterKey::Main, true, true));
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
}

TEST(AltEnterGate, HeldChordTogglesOnce) {
  AltEnterGate gate;
  EXPECT_TRUE(gate.Press(EnterKey::Main, true, false));
  EXPECT_FALSE(gate.Press(EnterKey::Main, true, true));
  EXPECT_FALSE(gate.Press(EnterKey::Main, true, true));
  EXPECT_TRUE(gate.Hidden(EnterKey::Main));
}

TEST(AltEnterGate, KeypadAndMainEnterAreTrackedApart) {
  AltEnterGate gate;
  EXPECT_TRUE(gate.Press(EnterKey::Keypad, true, false));
  EXPECT_TRUE(gate.Hidden(EnterKey::Keypad));
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
  gate.Release(EnterKey::Main);
  EXPECT_TRUE(gate.Hidden(EnterKey::Keypad));
  gate.Release(EnterKey::Keypad);
  EXPECT_FALSE(gate.Hidden(EnterKey::Keypad));
}

TEST(AltEnterGate, ResetForgetsHiddenKeys) {
  AltEnterGate gate;
  gate.Press(EnterKey::Main, true, false);
  gate.Press(EnterKey::Keypad, true, false);
  gate.Reset();
  EXPECT_FALSE(gate.Hidden(EnterKey::Main));
  EXPECT_FALSE(gate.Hidden(EnterKey::Keypad));
}

TEST(ActivationFilter, FirstReportAlwaysGoesThrough) {
  ActivationFilter inactiveFirst;
  EXPECT_TRUE(inactiveFirst.Change(false));
  ActivationFilter activeFirst;
  EXPECT_TRUE(activeFirst.Change(true));
}

TEST(ActivationFilter, OnlyChangesGoThrough) {
  ActivationFilter filter;
  EXPECT_TRUE(filter.Change(true));
  EXPECT_FALSE(filter.Change(true));
  EXPECT_TRUE(filter.Change(false));   // focus lost
  EXPECT_FALSE(filter.Change(false));  // then minimised
  EXPECT_TRUE(filter.Change(true));    // restored
  EXPECT_FALSE(filter.Change(true));   // then focused
}

TEST(PointerFilter, ReportsOnlyNewPicturePixels) {
  PointerFilter filter;
  EXPECT_TRUE(filter.Moved({0, 0}));  // the first position is news even at the origin
  EXPECT_FALSE(filter.Moved({0, 0}));
  EXPECT_TRUE(filter.Moved({1, 0}));
  EXPECT_EQ(filter.Last(), (PicturePoint{1, 0}));
  EXPECT_TRUE(filter.Moved({1, 1}));
  EXPECT_TRUE(filter.Moved({0, 0}));
  EXPECT_EQ(filter.Last(), (PicturePoint{0, 0}));
}

}  // namespace
}  // namespace platform::sdl
