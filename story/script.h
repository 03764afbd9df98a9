// The script interface: what a scenario routine is written with. A scenario is
// a straight list of story lines and stage directions; every operation that
// waits for the player returns a ScriptResult that must go back to the
// dispatcher at once when it is not 0 (a load from the system menu, or the
// program quitting). GO() does exactly that, and every waiting operation is
// [[nodiscard]], so a wait whose result is forgotten does not build:
//
//   ScriptResult sGengaA() {
//     Bg(ByTime("bg050"));
//     Face(1, "kut001");
//     GO(Say({"熊井「カット袋は命より重い。覚えとけ」"}));
//     GO(Choose({"１『はい』", "２『……重いですね』"}));
//     if (Picked() == 2) GO(Say({"熊井「物理の話じゃねえ」"}));
//     return Jump("s2wA");
//   }
//
// Story files are compiled with Shift-JIS as the execution character set, so
// every literal in them is the engine's text as it stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "core/game_state.h"
#include "scenario/scenario_table.h"

// Returns the result of a waiting operation from the scenario when it is not 0.
#define GO(call)                                                           \
  do {                                                                     \
    if (const ::scenario::ScriptResult go_ = (call); go_ != 0) return go_; \
  } while (false)

namespace story {

using scenario::ScriptResult;

// --- waiting operations -------------------------------------------------------

// One line of text (at most 254 bytes); a full window waits first.
[[nodiscard]] ScriptResult Line(const char* text);
// The end of a page: the prompt, then the window empties and the voice stops.
[[nodiscard]] ScriptResult Page();
// A page: up to three lines, then the prompt.
[[nodiscard]] ScriptResult Say(std::initializer_list<const char*> lines);
// A choice of two to four answers, each a full-width digit and its text; a
// null answer is not shown but keeps its number. The pick is Picked().
[[nodiscard]] ScriptResult Choose(std::initializer_list<const char*> answers);
// The date line as a page of its own.
[[nodiscard]] ScriptResult DateLine();
// The town map; the pick (1..20, 0 cancelled) is Picked().
[[nodiscard]] ScriptResult Map();
// The save screen (its own result is only ever a quit).
[[nodiscard]] ScriptResult Save();
// The chart of how an anime is made.
[[nodiscard]] ScriptResult Guide();
// The endings' screens: 100, or 999 when quitting.
[[nodiscard]] ScriptResult StaffRoll();
[[nodiscard]] ScriptResult UnfinishedEnd();
// Names the next scenario; a scenario returns this as its last act.
[[nodiscard]] ScriptResult Jump(const char* scenario);
// Runs a scenario of the table as a sub-scene and returns its result; 0 when
// the table has no such scenario.
[[nodiscard]] ScriptResult Run(const char* scenario);

// The answer of the last choice or map.
int Picked();

// --- the stage -------------------------------------------------------------------

// A background or a full event picture on layer 0 (the portraits leave).
void Bg(const char* name);
// A portrait on layer 1 or 2; two stand side by side, one is centred.
void Face(int layer, const char* name);
void NoFace(int layer);
// Everything off the stage.
void ClearStage();
// A picture centred on layer 0; null only redraws.
void CenteredPicture(const char* name);
// The date picture at the top left.
void DatePicture();

// The plain name in the morning and afternoon, "y" in the evening, "n" at night.
const char* ByTime(const char* plain);
// One name by day (morning and afternoon), another in the evening and at night.
const char* DayOrNight(const char* day, const char* night);

// --- sound -----------------------------------------------------------------------

// From its start, looping; StopMusic stops and forgets it.
void Music(const char* name);
void StopMusic();
// A voice line on channel 1; the page turn stops it.
void Voice(const char* name);
// An effect by its number ("01" to "69") on channel 0.
void Effect(const char* number, bool loop = false);
void StopEffects();
// Until the channel is quiet; at once while Control is held.
void WaitSound(int channel);
void Movie(const char* name);

// --- the record ------------------------------------------------------------------

// A story flag: the byte at that offset of the record.
std::uint8_t& Flag(std::size_t offset);
std::uint32_t Date();
std::uint32_t TimeSlot();
// The evening or the night rather than the day.
bool EveningOrNight();
// Film 0, the giant, is being made (rather than film 1, the wolf).
bool GiantFilm();
// Route 1..8's affection byte.
std::uint8_t& Affection(int route);
// Route 1..8's gallery byte i: set when the picture is shown in the story.
void Unlock(int route, int picture);
// GameState.adjustCounter, kept within -10..5.
void AdjustScore(std::int8_t delta);
// Moves the production bonus; a byte that wraps below 0 is put back to 0 by
// the hub and the last day.
void Bonus(int delta);
// Slot 0 gets the record, so the unlocks outlive the game.
void SaveSystemRecord();
// Tells the log which ending the game has reached (its scenario's name for a
// heroine, a word for the others), for the explorer and the replay tests.
void Ending(const char* name);

// Of the affections of routes 2, 3, 4, 5, 7, 6 and 1, in this order, the place
// (1..7) of the first highest; 0 when all seven are 0.
int LeadingRoute();

// The last act of an ending: the log is told its name, the unlocks are saved in
// slot 0, then the "未完" screen (no heroine) or the staff roll (a heroine's
// ending, effects stopped first). 100, or 999 when quitting.
[[nodiscard]] ScriptResult EndWithoutHeroine(const char* name);
[[nodiscard]] ScriptResult EndWithCredits(const char* name);

// Whether the story holds a scenario of that name: the heroine routes join the
// table route by route, and what leads to them waits until they are there.
bool Written(const char* scenario);

}  // namespace story
