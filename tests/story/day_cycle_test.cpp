// The day cycle's arithmetic and its event order, on the bare record.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/game_state.h"
#include "scenario/scenario_table.h"
#include "story/day/triggers.h"
#include "story/day/work.h"
#include "story/script.h"

namespace {

using story::Work;

class DayCycle : public testing::Test {
 protected:
  void SetUp() override { core::GameState = {}; }
  void TearDown() override { scenario::ScenarioTable = saved_; }

  // The scenarios the story "has written": triggers pass the others by.
  void Written(std::vector<const char*> names) {
    table_.clear();
    for (const char* name : names) table_.push_back({name, nullptr});
    table_.push_back({nullptr, nullptr});
    scenario::ScenarioTable = table_.data();
  }

  static void Count(Work work, std::uint8_t times) {
    core::GameState.Flag(story::PlaceOf(work).flag + story::kCounterOffset) = times;
  }

 private:
  const scenario::ScenarioEntry* saved_ = scenario::ScenarioTable;
  std::vector<scenario::ScenarioEntry> table_;
};

TEST_F(DayCycle, ScoreIsCappedAfterEveryPlaceThenGetsTheBonus) {
  struct Row {
    std::vector<std::pair<Work, std::uint8_t>> counts;
    std::uint8_t bonus;
    int score;
  };
  const Row rows[] = {
      {{}, 0, 0},
      {{{Work::KeyAnimatorA, 60}, {Work::InBetween, 30}, {Work::Camera, 20}}, 10, 110},
      // The cap holds the running sum, so a place after it adds nothing.
      {{{Work::StaffMeeting, 99}, {Work::Director, 5}, {Work::Courier, 7}}, 0, 100},
      {{{Work::StaffMeeting, 100}, {Work::Director, 1}}, 0, 100},
      {{{Work::Courier, 45}}, 100, 145},
  };
  for (const Row& row : rows) {
    core::GameState = {};
    for (const auto& [work, times] : row.counts) Count(work, times);
    core::GameState.scoreBonus() = row.bonus;
    story::RecomputeProductionScore();
    EXPECT_EQ(core::GameState.productionScore(), row.score) << "bonus " << int{row.bonus};
  }
}

TEST_F(DayCycle, BytesLoweredBelowZeroReadZeroAndTheBonusStaysWithin100) {
  const std::pair<std::uint8_t, std::uint8_t> bonuses[] = {{0, 0},     {100, 100}, {101, 100},
                                                           {127, 100}, {128, 0},   {255, 0}};
  for (const auto& [before, after] : bonuses) {
    core::GameState.scoreBonus() = before;
    story::ClampBytes();
    EXPECT_EQ(core::GameState.scoreBonus(), after) << int{before};
  }
  story::Affection(3) = 0;
  story::Affection(3) -= 1;  // a scene that lowers an affection already at 0
  story::Affection(5) = 127;
  story::ClampBytes();
  EXPECT_EQ(story::Affection(3), 0);
  EXPECT_EQ(story::Affection(5), 127);
}

TEST_F(DayCycle, LeadingRouteTakesTheFirstHighestInTheStorysOrder) {
  struct Row {
    std::vector<std::pair<int, std::uint8_t>> affection;  // route, value
    int place;                                            // in the order 2, 3, 4, 5, 7, 6, 1
  };
  const Row rows[] = {
      {{}, 0},
      {{{1, 1}}, 7},
      {{{2, 5}, {3, 5}}, 1},
      {{{4, 5}, {3, 5}}, 2},
      {{{7, 4}, {6, 4}, {1, 4}}, 5},
      {{{6, 4}, {1, 4}}, 6},
      {{{1, 9}, {2, 8}}, 7},
  };
  for (const Row& row : rows) {
    core::GameState = {};
    for (const auto& [route, value] : row.affection) story::Affection(route) = value;
    EXPECT_EQ(story::LeadingRoute(), row.place);
  }
}

TEST_F(DayCycle, TheScheduleWorksEveryDayButSundays) {
  for (std::uint32_t date : {726u, 731u, 802u, 829u}) {
    EXPECT_FALSE(story::ScheduleOf(date).empty()) << date;
  }
  for (std::uint32_t date : {725u, 801u, 808u, 815u, 822u, 830u}) {
    EXPECT_TRUE(story::ScheduleOf(date).empty()) << date;
  }
  story::SetTheDaysWork(731);
  for (Work work : {Work::Director, Work::InBetween, Work::BackgroundA}) {
    EXPECT_EQ(core::GameState.Flag(story::PlaceOf(work).flag), 1);
  }
  EXPECT_EQ(core::GameState.Flag(story::PlaceOf(Work::Camera).flag), 0);
}

TEST_F(DayCycle, TheFirstEventThatHoldsAndIsWrittenHappens) {
  struct Row {
    std::uint32_t date;
    std::uint32_t slot;
    std::vector<std::pair<std::size_t, std::uint8_t>> flags;
    std::vector<const char*> written;
    std::string expected;  // empty: none
  };
  const Row rows[] = {
      // 16 August below 25 comes before every other event of that day.
      {816, core::kMorning, {{160, 24}, {261, 1}}, {"sKoyori0816", "sKumaiBad"}, "sKoyori0816"},
      {816, core::kMorning, {{160, 25}, {261, 1}}, {"sKoyori0816", "sKumaiBad"}, "sKumaiBad"},
      // An unwritten route's event is passed by for the next one that holds.
      {816, core::kMorning, {{160, 25}, {261, 1}}, {"sAmaneFirst"}, "sAmaneFirst"},
      {727, core::kNight, {{458, 1}}, {"sKoyori0727", "sKuramae01"}, "sKoyori0727"},
      {727, core::kNight, {{458, 1}, {451, 1}}, {"sKoyori0727", "sKuramae01"}, "sKuramae01"},
      {727, core::kEvening, {{458, 1}}, {"sKoyori0727", "sKuramae01"}, ""},
      {828, core::kEvening, {}, {"sKumai0828"}, "sKumai0828"},
      {828, core::kEvening, {{924, 1}}, {"sKumai0828"}, ""},
  };
  for (const Row& row : rows) {
    core::GameState = {};
    core::GameState.date = row.date;
    core::GameState.timeSlot = row.slot;
    for (const auto& [offset, value] : row.flags) core::GameState.Flag(offset) = value;
    Written(row.written);
    const char* event = story::TriggeredEvent();
    EXPECT_EQ(event == nullptr ? "" : event, row.expected) << row.date << " slot " << row.slot;
  }
}

}  // namespace
