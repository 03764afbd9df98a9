// The date line and the town map.
#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "core/shell_state.h"
#include "game/calendar.h"
#include "game/town_map.h"
#include "platform/encoding.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/pixels.h"

namespace {

std::string Line(std::uint32_t date, std::uint32_t slot) {
  return platform::Cp932ToUtf8Lossy(game::ComposeDateLine(date, slot));
}

TEST(Calendar, TheDateLineNamesDayWeekdayAndTimeOfDay) {
  struct Case {
    std::uint32_t date;
    std::uint32_t slot;
    const char* line;
  } const cases[] = {
      {812, 1, "　８月１２日（木）午後"},
      {801, 0, "　８月１日（日）午前"},
      {725, 2, "　７月２５日（日）夕方"},
      {731, 3, "　７月３１日（土）夜"},
      {830, 4, "　８月３０日（月）夜"},
      {901, 10, "　９月１日（水）夜"},
      // A corrupt save may carry any date: every digit still comes from the table.
      {1512, 0, "　１５月１２日（金）午前"},
      {5, 0, "　０月５日（金）午前"},
  };
  for (const Case& c : cases) EXPECT_EQ(Line(c.date, c.slot), c.line) << c.date;
}

TEST(Calendar, TheDaysPastAMonthsEndBecomeTheNextMonthsFirst) {
  for (const auto& [stored, shown] : {std::pair{732u, 801u}, std::pair{832u, 901u},
                                      std::pair{731u, 731u}, std::pair{831u, 831u}}) {
    core::GameState.date = stored;
    game::NormaliseDate();
    EXPECT_EQ(core::GameState.date, shown) << stored;
  }
}

TEST(TownMap, HotSpotsTakeTheirInsideOnly) {
  const game::MapPlace& first = game::MapPlaces[0];
  struct Case {
    int x;
    int y;
    int place;
  } const cases[] = {{first.x, first.y + 7, 0},       {first.x + 1, first.y + 7, 1},
                     {first.x + 14, first.y + 14, 1}, {first.x + 15, first.y + 7, 0},
                     {first.x + 7, first.y, 0},       {0, 0, 0}};
  for (const Case& c : cases) EXPECT_EQ(game::MapPlaceAt(c.x, c.y), c.place) << c.x << "," << c.y;
}

class MapScreenTest : public cellwright_test::BuiltDataTest {};

TEST_F(MapScreenTest, OnlyOpenPlacesArePickedAndTheHomeIsAlwaysOpen) {
  const auto click = [](int place) {
    const game::MapPlace& p = game::MapPlaces[place - 1];
    return "click " + std::to_string(p.x + 7) + " " + std::to_string(p.y + 7) + "; frames 2; ";
  };
  core::GameRunning = 1;
  core::GameState.Flag(969) = 0;  // place 1 closed: no label, no pick
  core::GameState.Flag(970) = 1;  // place 2 open
  Script("until-screen map; move " + std::to_string(game::MapPlaces[0].x + 7) + " " +
         std::to_string(game::MapPlaces[0].y + 7) + "; frames 2; shot closed; " + click(1) +
         click(2));
  EXPECT_EQ(game::MapScreen(), 0);
  EXPECT_EQ(core::GameState.choice, 2);
  EXPECT_EQ(core::GameRunning, 1);  // put back after the map
  EXPECT_FALSE(display::LayerSlots[10].HasPixels());
  // Over a closed place the date line is drawn but no label.
  const cellwright_test::Picture closed = cellwright_test::ReadPng(Temp().Folder() + "closed.png");
  ASSERT_EQ(closed.height, 480);
  int inked = 0;
  for (int x = 0; x < 200; ++x) inked += closed.At(x, 470) == 0xFFFFFF ? 1 : 0;
  EXPECT_EQ(inked, 0);

  core::GameState.Flag(970) = 0;
  Script("until-screen map; " + click(20));
  EXPECT_EQ(game::MapScreen(), 0);
  EXPECT_EQ(core::GameState.choice, 20);
  Script("until-screen map; rclick 320 240");
  EXPECT_EQ(game::MapScreen(), 0);
  EXPECT_EQ(core::GameState.choice, 0);
  const std::vector<std::string> dates = Events("date");
  ASSERT_FALSE(dates.empty());
}

}  // namespace
