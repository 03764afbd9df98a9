#include "platform/sdl/message_box_plan.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform::sdl {
namespace {

std::vector<BoxAnswer> Answers(const BoxPlan& plan) {
  std::vector<BoxAnswer> answers;
  for (const BoxButtonPlan& button : plan.buttons) answers.push_back(button.answer);
  return answers;
}

TEST(PlanMessageBox, ButtonsInWindowsOrder) {
  EXPECT_EQ(Answers(PlanMessageBox(BoxButtons::Ok, 0, false)), std::vector{BoxAnswer::Ok});
  EXPECT_EQ(Answers(PlanMessageBox(BoxButtons::YesNo, 0, false)),
            (std::vector{BoxAnswer::Yes, BoxAnswer::No}));
  EXPECT_EQ(Answers(PlanMessageBox(BoxButtons::AbortRetryIgnore, 0, false)),
            (std::vector{BoxAnswer::Abort, BoxAnswer::Retry, BoxAnswer::Ignore}));
}

TEST(PlanMessageBox, LabelsFollowTheLanguage) {
  const BoxPlan english = PlanMessageBox(BoxButtons::YesNo, 0, false);
  EXPECT_EQ(english.buttons[0].label, "Yes");
  EXPECT_EQ(english.buttons[1].label, "No");
  const BoxPlan japanese = PlanMessageBox(BoxButtons::YesNo, 0, true);
  EXPECT_EQ(japanese.buttons[0].label, "はい");
  EXPECT_EQ(japanese.buttons[1].label, "いいえ");
  const BoxPlan ari = PlanMessageBox(BoxButtons::AbortRetryIgnore, 0, true);
  EXPECT_EQ(ari.buttons[2].label, "無視");
  EXPECT_EQ(PlanMessageBox(BoxButtons::Ok, 0, true).buttons[0].label, "OK");
}

TEST(PlanMessageBox, EnterTakesTheDefaultButton) {
  EXPECT_EQ(PlanMessageBox(BoxButtons::YesNo, 1, false).returnIndex, 1);
  EXPECT_EQ(PlanMessageBox(BoxButtons::AbortRetryIgnore, 2, false).returnIndex, 2);
}

TEST(PlanMessageBox, DefaultOutOfRangeFallsBackToTheFirst) {
  EXPECT_EQ(PlanMessageBox(BoxButtons::YesNo, 2, false).returnIndex, 0);
  EXPECT_EQ(PlanMessageBox(BoxButtons::YesNo, -1, false).returnIndex, 0);
  EXPECT_EQ(PlanMessageBox(BoxButtons::Ok, 1, false).returnIndex, 0);
  EXPECT_EQ(PlanMessageBox(BoxButtons::AbortRetryIgnore, 3, false).returnIndex, 0);
}

TEST(PlanMessageBox, EscapeGivesTheSafeAnswer) {
  for (int def : {0, 1}) {
    const BoxPlan plan = PlanMessageBox(BoxButtons::YesNo, def, false);
    EXPECT_EQ(plan.buttons[static_cast<std::size_t>(plan.escapeIndex)].answer, BoxAnswer::No);
  }
  const BoxPlan ok = PlanMessageBox(BoxButtons::Ok, 0, false);
  EXPECT_EQ(ok.buttons[static_cast<std::size_t>(ok.escapeIndex)].answer, BoxAnswer::Ok);
  for (int def : {0, 1, 2}) {
    const BoxPlan plan = PlanMessageBox(BoxButtons::AbortRetryIgnore, def, false);
    EXPECT_EQ(plan.escapeIndex, def);
  }
}

TEST(AnswerFor, PressedButtonGivesItsAnswer) {
  const BoxPlan plan = PlanMessageBox(BoxButtons::AbortRetryIgnore, 1, false);
  EXPECT_EQ(AnswerFor(plan, 0), BoxAnswer::Abort);
  EXPECT_EQ(AnswerFor(plan, 1), BoxAnswer::Retry);
  EXPECT_EQ(AnswerFor(plan, 2), BoxAnswer::Ignore);
}

TEST(AnswerFor, ClosedBoxOrUnknownButtonGivesTheEscapeAnswer) {
  const BoxPlan yesNo = PlanMessageBox(BoxButtons::YesNo, 0, false);
  EXPECT_EQ(AnswerFor(yesNo, -1), BoxAnswer::No);
  EXPECT_EQ(AnswerFor(yesNo, 2), BoxAnswer::No);
  const BoxPlan ari = PlanMessageBox(BoxButtons::AbortRetryIgnore, 1, false);
  EXPECT_EQ(AnswerFor(ari, -1), BoxAnswer::Retry);
  EXPECT_EQ(AnswerFor(BoxPlan{}, 0), BoxAnswer::Ok);
}

TEST(PrefersJapanese, FirstSetVariableDecides) {
  EXPECT_TRUE(PrefersJapanese("ja_JP.UTF-8", nullptr, nullptr));
  EXPECT_TRUE(PrefersJapanese(nullptr, nullptr, "ja_JP.eucJP"));
  EXPECT_TRUE(PrefersJapanese("", "ja", "C"));
  EXPECT_FALSE(PrefersJapanese("C", "ja_JP.UTF-8", "ja_JP.UTF-8"));
  EXPECT_FALSE(PrefersJapanese(nullptr, "en_GB.UTF-8", "ja_JP.UTF-8"));
  EXPECT_FALSE(PrefersJapanese(nullptr, nullptr, nullptr));
  EXPECT_FALSE(PrefersJapanese("", "", ""));
  EXPECT_FALSE(PrefersJapanese(nullptr, nullptr, "jv_ID"));
}

}  // namespace
}  // namespace platform::sdl
