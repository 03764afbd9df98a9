#include <gtest/gtest.h>

#include <cstring>

#include "core/game_state.h"

namespace {

using core::GameStateRecord;

TEST(GameStateLayout, NamedFieldsSitAtTheirFileOffsets) {
  GameStateRecord record{};
  record.project() = 1;
  record.scoreBonus() = 2;
  record.adjustCounter() = -10;
  record.dayStarted() = 3;
  record.productionScore() = 200;
  record.finalCheckFailed() = 4;
  record.route[7].affection = 5;
  record.route[1].metToday[1] = 6;
  record.route[2].galleryUnlocked[29] = 7;
  record.workCount[15] = 8;
  record.mapPlace[6] = 9;
  const auto bytes = core::ToDiskBytes(record);
  EXPECT_EQ(bytes[107], 1);
  EXPECT_EQ(bytes[108], 2);
  EXPECT_EQ(bytes[109], 0xF6);  // -10, two's complement
  EXPECT_EQ(bytes[157], 3);
  EXPECT_EQ(bytes[160], 200);
  EXPECT_EQ(bytes[161], 4);
  EXPECT_EQ(bytes[847], 5);
  EXPECT_EQ(bytes[249], 6);
  EXPECT_EQ(bytes[346], 7);
  EXPECT_EQ(bytes[1002], 8);
  EXPECT_EQ(bytes[1023], 9);
  EXPECT_EQ(&record.Flag(97), &record.common[79]);
}

TEST(GameStateLayout, NumbersAreLittleEndianOnDiskAndRoundTrip) {
  GameStateRecord record{};
  record.date = 0x01020304;
  record.timeSlot = 0xA0B0C0D0;
  core::SetNextScenario(record, "sDay");
  const auto bytes = core::ToDiskBytes(record);
  EXPECT_EQ(bytes[0], 0x04);
  EXPECT_EQ(bytes[3], 0x01);
  EXPECT_EQ(bytes[4], 0xD0);
  EXPECT_EQ(bytes[7], 0xA0);
  EXPECT_EQ(std::memcmp(bytes.data() + 1041, "sDay", 5), 0);
  const GameStateRecord back = core::FromDiskBytes(bytes);
  EXPECT_EQ(back.date, record.date);
  EXPECT_EQ(back.timeSlot, record.timeSlot);
  EXPECT_EQ(std::memcmp(&back, &record, core::kGameStateSize), 0);
}

TEST(GameStateNewGame, ClearsEverythingFromByte17ToTheNameAndStartsOn25July) {
  GameStateRecord record{};
  std::memset(&record, 0xAB, sizeof record);
  core::SetUpNewGame(record, "s0");
  EXPECT_EQ(record.date, 725u);
  EXPECT_EQ(record.timeSlot, core::kDayOver);
  for (size_t i = 17; i <= 1040; ++i) ASSERT_EQ(record.Bytes()[i], 0) << "byte " << i;
  EXPECT_STREQ(record.nextScenario, "s0");
  // Bytes before 17 are for the merge and the first choice to set.
  EXPECT_EQ(record.movieSeen[0], 0xAB);
}

TEST(GameStateNewGame, MergeTakesOnlyMoviesAndGalleries) {
  GameStateRecord into{};
  core::SetUpNewGame(into, "s0");
  into.route[3].affection = 9;
  GameStateRecord system{};
  std::memset(&system, 1, sizeof system);
  core::MergePersistent(into, system);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(into.movieSeen[i], 1);
  for (int k = 0; k < core::kRouteCount; ++k) {
    for (int i = 0; i < core::kGalleryBytes; ++i) {
      ASSERT_EQ(into.route[k].galleryUnlocked[i], 1);
    }
    EXPECT_EQ(into.route[k].head[0], 0);
    EXPECT_EQ(into.route[k].flags[0], 0);
  }
  EXPECT_EQ(into.route[3].affection, 9);
  EXPECT_EQ(into.date, 725u);
  EXPECT_STREQ(into.nextScenario, "s0");
  // 248 persistent bytes in all, and not one more.
  size_t ones = 0;
  for (size_t i = 0; i < core::kGameStateSize; ++i) ones += into.Bytes()[i] == 1 ? 1u : 0u;
  EXPECT_EQ(ones, 248u);
}

}  // namespace
