// The bonus screens show what slot 0 has unlocked; the guide and the two
// closing screens of a game.
#include <gtest/gtest.h>

#include <string>

#include "core/game_state.h"
#include "core/shell_state.h"
#include "game/extras.h"
#include "game/save_slots.h"
#include "tests/support/built_data_fixture.h"

namespace {

TEST(Extras, GalleryListsFollowTheirRouteWithScenesAndEndingLast) {
  struct Case {
    int route;
    int index;
    const char* name;
  } const cases[] = {{1, 0, "KOI001.bmp"},
                     {1, 15, "KOI016.bmp"},
                     {1, 16, "KOSS01.bmp"},
                     {1, 18, "KOE001.bmp"},
                     {1, 19, ""},
                     {2, 25, "HOE001.bmp"},
                     {3, 5, "YUI006.bmp"},
                     {8, 6, "AMSS01.bmp"},
                     {8, 7, "AMSS02.bmp"},
                     {8, 8, ""},
                     {0, 0, ""},
                     {9, 0, ""}};
  for (const Case& c : cases) EXPECT_EQ(game::GalleryPicture(c.route, c.index), c.name);
}

TEST(Extras, TheStaffRollMovesAPixelAFrameAndShowsOnePageWhenOneFills) {
  struct Case {
    int step;
    game::RollStep shown;
  } const cases[] = {{0, {{1, 0}, {0, 0}}},         {1, {{1, 2}, {-1, 479}}},
                     {480, {{2, 0}, {0, 0}}},       {481, {{2, 3}, {-1, 479}}},
                     {1753, {{4, 5}, {-313, 167}}}, {1960, {{5, 6}, {-40, 440}}}};
  for (const Case& c : cases) {
    const game::RollStep shown = game::StaffRollStep(c.step);
    for (int i = 0; i < 2; ++i) {
      EXPECT_EQ(shown.page[i], c.shown.page[i]) << c.step;
      if (shown.page[i] != 0) {
        EXPECT_EQ(shown.y[i], c.shown.y[i]) << c.step;
      }
    }
  }
}

class ExtrasScreenTest : public cellwright_test::BuiltDataTest {};

TEST_F(ExtrasScreenTest, TheGalleryShowsOnlyUnlockedRoutesAndTheViewerOnlyUnlockedPictures) {
  core::GameStateRecord unlocks{};
  unlocks.route[2].galleryUnlocked[5] = 1;  // route 3, its sixth picture only
  ASSERT_EQ(game::WriteSlot(0, unlocks), 1);
  const game::Point route3 = game::GalleryButtonPoint(3);
  const game::Point route1 = game::GalleryButtonPoint(1);
  Script("until-screen gallery; click-rel " + std::to_string(route1.x) + " " +
         std::to_string(route1.y) + "; frames 2; click-rel " + std::to_string(route3.x) + " " +
         std::to_string(route3.y) + "; until-screen viewer; click 320 240; frames 2; rclick 5 5");
  EXPECT_EQ(game::Gallery(), 1);
  EXPECT_EQ(Events("layer").size(), 0u);
  // The locked route's click opened nothing; route 3's viewer showed one picture.
  EXPECT_EQ(Events("screen").size(), 4u);
  EXPECT_TRUE(Sys().Boxes().empty());  // YUI006 was found and drawn
}

TEST_F(ExtrasScreenTest, TheMoviesCursorStandsAboveItsButtonAndOnlySeenMoviesPlay) {
  core::GameStateRecord unlocks{};
  unlocks.movieSeen[0] = 1;
  ASSERT_EQ(game::WriteSlot(0, unlocks), 1);
  const game::Point first = game::MovieButtonPoint(1);
  const game::Point second = game::MovieButtonPoint(2);
  Script("until-screen movies; click-rel " + std::to_string(second.x) + " " +
         std::to_string(second.y) + "; frames 2; move 0 0; frames 2; click-rel " +
         std::to_string(first.x) + " " + std::to_string(first.y) +
         "; frames 30; key enter; frames 5; rclick 5 5");
  EXPECT_EQ(game::ProductionViewer(), 1);
  const std::vector<std::string> movies = Events("movie");
  ASSERT_EQ(movies.size(), 1u);
  EXPECT_NE(movies[0].find("zsensatu"), std::string::npos);
  // Released with the screen, the cursor keeps the place it last stood: 8 rows
  // above movie 1's button (153, 108 from the base at 30, 70).
  const display::Surface& cursor = display::LayerSlots[17];
  EXPECT_EQ(cursor.x, 30 + 153);
  EXPECT_EQ(cursor.y, 70 + 108 - 8);
}

TEST_F(ExtrasScreenTest, TheGuideTakesItsEdgesAndSpeaksOnlyWhenAsked) {
  for (const int voice : {0, 1}) {
    SCOPED_TRACE(voice);
    core::GameState.guideVoice = static_cast<std::uint8_t>(voice);
    const game::Point stage = game::GuideStagePoint(1);  // 59, 229, 23 x 115: edges included
    Script("until-screen guide; click 59 229; frames 2; click 1 1; frames 2; click " +
           std::to_string(stage.x) + " 344; frames 2; rclick 1 1; frames 2; rclick 1 1");
    EXPECT_EQ(game::ProductionGuide(), 0);
  }
  const std::vector<std::string> sounds = Events("sound");
  ASSERT_EQ(sounds.size(), 3u);  // the introduction and stage 1 twice, all with the voice on
  EXPECT_NE(sounds[0].find("ko0235"), std::string::npos);
  EXPECT_NE(sounds[1].find("ko0236"), std::string::npos);
}

TEST_F(ExtrasScreenTest, TheUnfinishedEndStopsTheMusicAndTheGame) {
  core::GameRunning = 1;
  Script("until-screen unfinished; click 320 240");
  EXPECT_EQ(game::ShowUnfinishedEnd(), scenario::kGameOver);
  EXPECT_EQ(core::GameRunning, 0);
  EXPECT_TRUE(display::LayerSlots[0].HasPixels());  // 未完 stays for the title to replace
}

}  // namespace
