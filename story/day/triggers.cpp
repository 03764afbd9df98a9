#include "story/day/triggers.h"

#include "core/game_state.h"
#include "story/flags.h"
#include "story/script.h"

namespace story {

namespace {

bool Is(std::size_t offset, int value) {
  return Flag(offset) == value;
}

bool LateInTheDay() {
  return TimeSlot() >= core::kNight;
}

struct Trigger {
  bool (*holds)();
  const char* scenario;
};

// The order is the story's: the first event that holds is the one that happens.
constexpr Trigger kTriggers[] = {
    {[] { return Date() == 816 && core::GameState.productionScore() < 25; }, "sKoyori0816"},
    {[] {
       return Date() == 726 && TimeSlot() == core::kMorning && Is(flag::kKoyoriFirstRunSeen, 0);
     },
     "sKoyori0726"},
    {[] { return Date() == 727 && LateInTheDay() && Is(flag::kNight0727Spent, 0); }, "sKoyori0727"},
    {[] {
       return Date() == 728 && Is(flag::kReinaMetSisters, 1) && Is(flag::kNanokaMetSisters, 1);
     },
     "sKoyori0728"},
    {[] {
       return Date() == 823 && Is(flag::kReinaBooth, 1) && Flag(flag::kReinaProgress) >= 4 &&
              Is(flag::kReina0823Seen, 0);
     },
     "sReina0823"},
    {[] { return LateInTheDay() && Is(flag::kKuramaeNight, 1); }, "sKuramae01"},
    {[] { return LateInTheDay() && Is(flag::kKasumiParcel, 1) && Is(flag::kKasumiParcelSeen, 0); },
     "sKasumiPres"},
    {[] { return LateInTheDay() && Is(flag::kKoyoriWithSisters, 1); }, "sHimiKoyori"},
    {[] {
       return Is(flag::kChigusaAfternoon, 1) &&
              (TimeSlot() == core::kAfternoon || TimeSlot() == core::kEvening);
     },
     "sKumaiGogo"},
    {[] { return Date() == 816 && Is(flag::kPaintRoomDrowning, 1); }, "sKumaiBad"},
    {[] { return Date() == 816 && Is(flag::kAmaneFirstSeen, 0); }, "sAmaneFirst"},
    {[] { return TimeSlot() == core::kMorning && Is(flag::kAmaneHagoromo, 1); }, "sAmaneHgo"},
    {[] {
       return Date() == 823 && Is(flag::kKoyori0823Seen, 0) &&
              (Is(flag::kYuzukaRoof, 1) ||
               (Is(flag::kKasumiStayed, 1) && Is(flag::kKasumiLeftEarly, 0)));
     },
     "sKoyori0823"},
    {[] { return Date() == 828 && TimeSlot() == core::kEvening && Is(flag::kKumai0828Seen, 0); },
     "sKumai0828"},
};

}  // namespace

const char* TriggeredEvent() {
  for (const Trigger& trigger : kTriggers) {
    if (trigger.holds() && Written(trigger.scenario)) return trigger.scenario;
  }
  return nullptr;
}

}  // namespace story
