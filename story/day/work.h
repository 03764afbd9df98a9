// The production's work: the places that have work waiting, the schedule the
// morning briefing sets, and the production score that work adds up to.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace story {

enum class Work : std::uint8_t {
  StaffMeeting,
  Director,
  KeyAnimatorA,
  KeyAnimatorB,
  KeySubcontractor,
  Recording,
  Laboratory,
  InBetween,
  InkAndPaint,
  Camera,
  Editing,
  BackgroundA,
  BackgroundB,
  CutBagCheck,  // the second drawing-room task: Kumai's check of every cut bag
  Courier,      // the studios' association courier duty
};

// A place's visit counter sits this far after its work flag.
inline constexpr std::size_t kCounterOffset = 20;

struct WorkPlace {
  Work work;
  std::size_t flag;  // 1 while work is waiting
  const char* scenario;
  int mapPlace;  // 0: reached inside the studio
};

std::span<const WorkPlace> WorkPlaces();
const WorkPlace& PlaceOf(Work work);

// The work the briefing of that date sets; empty on Sundays and other dates.
std::span<const Work> ScheduleOf(std::uint32_t date);

// Sets the flags of the day's work; nothing is cleared.
void SetTheDaysWork(std::uint32_t date);

// The counters of every place in flag order, the running sum held to 100 after
// each, then the bonus (0..100): 0..200. Stored in GameState.productionScore.
void RecomputeProductionScore();

// Affections above 127 (lowered below 0) become 0; the bonus above 127 becomes
// 0 and above 100 becomes 100.
void ClampBytes();

}  // namespace story
