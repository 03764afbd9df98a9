#include "platform/sdl/message_box_plan.h"

#include <string_view>

namespace platform::sdl {

BoxPlan PlanMessageBox(BoxButtons buttons, int defaultButton, bool japanese) {
  BoxPlan plan;
  auto add = [&](BoxAnswer answer, const char* english, const char* native) {
    plan.buttons.push_back({answer, japanese ? native : english});
  };
  switch (buttons) {
    case BoxButtons::Ok:
      add(BoxAnswer::Ok, "OK", "OK");
      break;
    case BoxButtons::YesNo:
      add(BoxAnswer::Yes, "Yes", "はい");
      add(BoxAnswer::No, "No", "いいえ");
      break;
    case BoxButtons::AbortRetryIgnore:
      add(BoxAnswer::Abort, "Abort", "中止");
      add(BoxAnswer::Retry, "Retry", "再試行");
      add(BoxAnswer::Ignore, "Ignore", "無視");
      break;
  }
  const int count = static_cast<int>(plan.buttons.size());
  plan.returnIndex = defaultButton >= 0 && defaultButton < count ? defaultButton : 0;
  switch (buttons) {
    case BoxButtons::Ok:
      plan.escapeIndex = 0;
      break;
    case BoxButtons::YesNo:
      plan.escapeIndex = 1;
      break;
    case BoxButtons::AbortRetryIgnore:
      plan.escapeIndex = plan.returnIndex;
      break;
  }
  return plan;
}

BoxAnswer AnswerFor(const BoxPlan& plan, int pressed) {
  const int count = static_cast<int>(plan.buttons.size());
  if (count == 0) return BoxAnswer::Ok;
  const int index = pressed >= 0 && pressed < count ? pressed : plan.escapeIndex;
  return plan.buttons[static_cast<std::size_t>(index)].answer;
}

bool PrefersJapanese(const char* lcAll, const char* lcMessages, const char* lang) {
  for (const char* value : {lcAll, lcMessages, lang}) {
    if (value == nullptr || *value == '\0') continue;
    return std::string_view(value).starts_with("ja");
  }
  return false;
}

}  // namespace platform::sdl
