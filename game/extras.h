// The screens outside the story's scenes: the bonus menu with its gallery and
// production movies (showing only what save slot 0 has unlocked), the chart of
// how an anime is made, and the two closing screens of a game.
#pragma once

#include <array>
#include <string>

#include "game/screen_kit.h"
#include "scenario/script_result.h"

namespace game {

inline constexpr int kRoutes = 8;
inline constexpr int kMovieButtons = 8;

// Gallery picture i of route k (1..8), with ".bmp"; empty past the list's end.
std::string GalleryPicture(int route, int index);
// How many pictures route k's gallery holds.
int GallerySize(int route);

// 1 when the player leaves it, 0 when the program is quitting.
int BonusMenu();
int Gallery();
// route 0..7 for routes 1..8.
int GalleryViewer(int route);
int ProductionViewer();

// Where a player clicks: the bonus menu's button 0 (gallery) or 1 (movies), a
// route's gallery button (1..8) and a movie button (1..8), each from its
// screen's corner; a stage of the guide (1..16) on the screen.
Point BonusButtonPoint(int button);
Point GalleryButtonPoint(int route);
Point MovieButtonPoint(int button);
Point GuideStagePoint(int stage);

// The chart; 0, or 999 when quitting.
scenario::ScriptResult ProductionGuide();
// The end of a game without a heroine: 100, or 999 when quitting.
scenario::ScriptResult ShowUnfinishedEnd();
// The credits of a heroine's ending: 100, or 999 when quitting.
scenario::ScriptResult StaffRoll();

// What step s of the staff roll shows: each page (1..6) drawn and at what y.
struct RollStep {
  int page[2] = {0, 0};  // 0: none
  int y[2] = {0, 0};
};
RollStep StaffRollStep(int step);

}  // namespace game
