#include "story/day/work.h"

#include <algorithm>
#include <array>

#include "core/game_state.h"

namespace story {

namespace {

constexpr int kScoreCap = 100;

constexpr WorkPlace kPlaces[] = {
    {Work::StaffMeeting, 967, "sKaigi", 0},     {Work::Director, 968, "sKantoku", 0},
    {Work::KeyAnimatorA, 969, "sGengaA", 1},    {Work::KeyAnimatorB, 970, "sGengaB", 2},
    {Work::KeySubcontractor, 971, "sGenga", 3}, {Work::Recording, 972, "sRecStudio", 5},
    {Work::Laboratory, 973, "sGenzo", 12},      {Work::InBetween, 974, "sDouga", 4},
    {Work::InkAndPaint, 975, "sShiage", 6},     {Work::Camera, 976, "sSatuei", 10},
    {Work::Editing, 977, "sHensyu", 11},        {Work::BackgroundA, 978, "sHaikeiA", 7},
    {Work::BackgroundB, 979, "sHaikeiB", 8},    {Work::CutBagCheck, 980, "sKumai", 0},
    {Work::Courier, 982, "sKyoukai", 9},
};

using W = Work;
struct ScheduleRow {
  std::uint32_t date;
  std::array<Work, 3> work;
  std::size_t count;
};

// What each working day's briefing hands out; Sundays (1, 8, 15, 22 August)
// have none, 29 August is worked.
constexpr ScheduleRow kSchedule[] = {
    {726, {W::KeyAnimatorA, W::KeySubcontractor, W::CutBagCheck}, 3},
    {727, {W::KeyAnimatorB, W::KeySubcontractor}, 2},
    {728, {W::StaffMeeting, W::KeySubcontractor, W::CutBagCheck}, 3},
    {729, {W::KeyAnimatorA, W::KeySubcontractor}, 2},
    {730, {W::KeyAnimatorB, W::KeySubcontractor}, 2},
    {731, {W::Director, W::InBetween, W::BackgroundA}, 3},
    {802, {W::KeyAnimatorA, W::InBetween, W::CutBagCheck}, 3},
    {803, {W::KeyAnimatorA, W::KeyAnimatorB, W::Courier}, 3},
    {804, {W::StaffMeeting, W::InBetween, W::CutBagCheck}, 3},
    {805, {W::KeySubcontractor, W::InBetween, W::InkAndPaint}, 3},
    {806, {W::KeyAnimatorB, W::InBetween, W::BackgroundA}, 3},
    {807, {W::Director}, 1},
    {809, {W::InBetween, W::InkAndPaint, W::BackgroundA}, 3},
    {810, {W::InkAndPaint, W::BackgroundB, W::Courier}, 3},
    {811, {W::StaffMeeting, W::Camera, W::CutBagCheck}, 3},
    {812, {W::Recording, W::InkAndPaint, W::Camera}, 3},
    {813, {W::Director, W::Camera, W::BackgroundB}, 3},
    {814, {W::InBetween, W::Camera, W::Editing}, 3},
    {816, {W::InkAndPaint, W::Camera, W::Editing}, 3},
    {817, {W::InBetween, W::Camera, W::Courier}, 3},
    {818, {W::StaffMeeting, W::InkAndPaint, W::Camera}, 3},
    {819, {W::InBetween, W::InkAndPaint, W::Camera}, 3},
    {820, {W::Recording, W::InkAndPaint, W::Editing}, 3},
    {821, {W::Laboratory, W::Camera, W::Editing}, 3},
    {823, {W::Recording, W::InkAndPaint, W::Camera}, 3},
    {824, {W::Camera, W::Editing, W::Courier}, 3},
    {825, {W::InkAndPaint, W::Camera, W::Editing}, 3},
    {826, {W::Laboratory, W::Camera, W::Editing}, 3},
    {827, {W::InkAndPaint, W::Camera, W::Editing}, 3},
    {828, {W::InkAndPaint, W::Camera}, 2},
    {829, {W::Recording, W::Camera, W::Editing}, 3},
};

}  // namespace

std::span<const WorkPlace> WorkPlaces() {
  return kPlaces;
}

const WorkPlace& PlaceOf(Work work) {
  return *std::find_if(std::begin(kPlaces), std::end(kPlaces),
                       [work](const WorkPlace& p) { return p.work == work; });
}

std::span<const Work> ScheduleOf(std::uint32_t date) {
  for (const ScheduleRow& row : kSchedule) {
    if (row.date == date) return {row.work.data(), row.count};
  }
  return {};
}

void SetTheDaysWork(std::uint32_t date) {
  for (const Work work : ScheduleOf(date)) core::GameState.Flag(PlaceOf(work).flag) = 1;
}

void RecomputeProductionScore() {
  int sum = 0;
  for (const WorkPlace& place : kPlaces) {  // in flag order, 967 to 982
    sum += core::GameState.Flag(place.flag + kCounterOffset);
    if (sum > kScoreCap) sum = kScoreCap;
  }
  core::GameState.productionScore() = static_cast<std::uint8_t>(sum + core::GameState.scoreBonus());
}

void ClampBytes() {
  for (core::RouteBlock& route : core::GameState.route) {
    if (route.affection > 127) route.affection = 0;
  }
  std::uint8_t& bonus = core::GameState.scoreBonus();
  if (bonus > 127) bonus = 0;
  if (bonus > 100) bonus = 100;
}

}  // namespace story
