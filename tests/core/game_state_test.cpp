#include "core/game_state.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

using core::GameStateRecord;

// Every byte a field puts on disk, and back: the numbers little-endian, and the
// common fields inside route 1's block where no static_assert can pin them.
TEST(GameStateLayout, FieldsLandOnTheirFileBytesAndReadBack) {
  const struct {
    const char* name;
    void (*set)(GameStateRecord&);
    std::vector<std::pair<std::size_t, std::uint8_t>> bytes;
  } kCases[] = {
      {"date", [](GameStateRecord& r) { r.date = 0x01020304; }, {{0, 4}, {1, 3}, {2, 2}, {3, 1}}},
      {"project", [](GameStateRecord& r) { r.project() = 1; }, {{107, 1}}},
      {"scoreBonus", [](GameStateRecord& r) { r.scoreBonus() = 100; }, {{108, 100}}},
      {"adjustCounter, signed", [](GameStateRecord& r) { r.adjustCounter() = -10; }, {{109, 0xF6}}},
      {"dayStarted", [](GameStateRecord& r) { r.dayStarted() = 1; }, {{157, 1}}},
      {"productionScore", [](GameStateRecord& r) { r.productionScore() = 200; }, {{160, 200}}},
      {"finalCheckFailed", [](GameStateRecord& r) { r.finalCheckFailed() = 1; }, {{161, 1}}},
  };
  for (const auto& row : kCases) {
    SCOPED_TRACE(row.name);
    GameStateRecord record{};
    row.set(record);
    const auto bytes = core::ToDiskBytes(record);
    std::vector<std::pair<std::size_t, std::uint8_t>> set;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] != 0) set.emplace_back(i, bytes[i]);
    }
    EXPECT_EQ(set, row.bytes);
    const GameStateRecord back = core::FromDiskBytes(bytes);
    EXPECT_EQ(std::memcmp(&back, &record, core::kGameStateSize), 0);
  }
}

TEST(GameStateNewGame, ClearsBytes17To1040AndStartsOn25JulyWithTheDayOver) {
  GameStateRecord record;
  std::memset(&record, 0xAB, sizeof record);
  core::SetUpNewGame(record, "s0");
  EXPECT_EQ(record.date, 725u);  // month * 100 + day
  EXPECT_EQ(record.timeSlot, core::kDayOver);
  // The choice and the movies seen before byte 17 are left for the merge.
  for (std::size_t i = 8; i <= 1040; ++i) ASSERT_EQ(record.Bytes()[i], i < 17 ? 0xAB : 0) << i;
  EXPECT_STREQ(record.nextScenario, "s0");
  core::SetNextScenario(record, std::string(100, 'x').c_str());
  EXPECT_EQ(record.nextScenario, std::string(core::kNextScenarioSize - 1, 'x'));  // cut to fit
}

// Movies seen (9..16) and each route's gallery (bytes 17..46 of its block of 100
// from byte 100) are shared by all games; nothing else.
TEST(GameStateNewGame, MergeTakesOnlyTheMoviesAndTheGalleries) {
  GameStateRecord into{}, shared;
  std::memset(&shared, 1, sizeof shared);
  core::MergePersistent(into, shared);
  for (std::size_t i = 0; i < core::kGameStateSize; ++i) {
    const bool gallery = i >= 100 && i < 900 && (i - 100) % 100 >= 17 && (i - 100) % 100 < 47;
    ASSERT_EQ(into.Bytes()[i], (i >= 9 && i < 17) || gallery ? 1 : 0) << "byte " << i;
  }
}

}  // namespace
