#include "story/script.h"

#include <cstring>

#include "core/game_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/surface.h"
#include "game/calendar.h"
#include "game/extras.h"
#include "game/save_slots.h"
#include "game/screen_kit.h"
#include "game/slot_screen.h"
#include "game/town_map.h"
#include "media/movie.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "platform/system.h"

namespace story {

ScriptResult Line(const char* text) {
  return display::AddTextLine(text);
}

ScriptResult Page() {
  return display::WaitPage();
}

ScriptResult Say(std::initializer_list<const char*> lines) {
  for (const char* line : lines) GO(display::AddTextLine(line));
  return display::WaitPage();
}

ScriptResult Choose(std::initializer_list<const char*> answers) {
  for (const char* answer : answers) display::AddChoice(answer);
  return display::RunChoice();
}

ScriptResult DateLine() {
  return game::ShowDate(1);
}

ScriptResult Map() {
  return game::MapScreen();
}

ScriptResult Save() {
  return game::SaveMenu();
}

ScriptResult Guide() {
  return game::ProductionGuide();
}

ScriptResult StaffRoll() {
  return game::StaffRoll();
}

ScriptResult UnfinishedEnd() {
  return game::ShowUnfinishedEnd();
}

ScriptResult Jump(const char* scenario) {
  return scenario::JumpScenario(scenario);
}

ScriptResult Run(const char* scenario) {
  return scenario::CallScenario(scenario);
}

int Picked() {
  return core::GameState.choice;
}

void Bg(const char* name) {
  display::SetLayerPicture(0, name);
}

void Face(int layer, const char* name) {
  display::SetLayerPicture(layer, name);
}

void NoFace(int layer) {
  display::SetLayerPicture(layer, nullptr);
}

void ClearStage() {
  display::ClearStage();
}

void CenteredPicture(const char* name) {
  if (name != nullptr) {
    char file[64] = {};
    std::strncat(file, name, sizeof file - 5);
    std::strcat(file, ".bmp");
    display::Surface& slot = display::LayerSlots[0];
    slot.Load(file);
    slot.SetPosition(game::CentredX(slot.width), game::CentredY(slot.height));
    slot.shown = 1;
  }
  display::Refresh();
}

void DatePicture() {
  game::ShowDate(0);
}

const char* ByTime(const char* plain) {
  // Names are short stems: a handful of buffers is enough for one scene's calls.
  static char buffers[4][32];
  static int next = 0;
  char* name = buffers[next++ % 4];
  std::strncpy(name, plain, sizeof buffers[0] - 2);
  name[sizeof buffers[0] - 2] = '\0';
  const std::uint32_t slot = core::GameState.timeSlot;
  if (slot == core::kEvening) std::strcat(name, "y");
  if (slot >= core::kNight) std::strcat(name, "n");
  return name;
}

const char* DayOrNight(const char* day, const char* night) {
  return core::GameState.timeSlot <= core::kAfternoon ? day : night;
}

void Music(const char* name) {
  media::PlayMusic(name);
}

void StopMusic() {
  media::PlayMusic(nullptr);
}

void Voice(const char* name) {
  media::PlaySound(1, name, 0);
}

void Effect(const char* number, bool loop) {
  media::PlaySound(0, number, loop ? 1 : 0);
}

void StopEffects() {
  media::PlaySound(0, nullptr, 0);
}

void WaitSound(int channel) {
  display::WaitVoice(channel);
}

void Movie(const char* name) {
  media::PlayMovie(name);
}

std::uint8_t& Flag(std::size_t offset) {
  return core::GameState.Flag(offset);
}

std::uint32_t Date() {
  return core::GameState.date;
}

std::uint32_t TimeSlot() {
  return core::GameState.timeSlot;
}

bool EveningOrNight() {
  return core::GameState.timeSlot >= core::kEvening;
}

bool GiantFilm() {
  return core::GameState.project() == 0;
}

std::uint8_t& Affection(int route) {
  return core::GameState.route[route - 1].affection;
}

void Unlock(int route, int picture) {
  core::GameState.route[route - 1].galleryUnlocked[picture] = 1;
}

void AdjustScore(std::int8_t delta) {
  display::AdjustScore(delta);
}

void Bonus(int delta) {
  core::GameState.scoreBonus() = static_cast<std::uint8_t>(core::GameState.scoreBonus() + delta);
}

void SaveSystemRecord() {
  game::SaveSystemRecord();
}

void Ending(const char* name) {
  platform::System& sys = platform::Sys();
  if (sys.IsLogging()) sys.LogEvent("ending", {platform::LogField::Text("name", name)});
}

ScriptResult EndWithoutHeroine(const char* name) {
  Ending(name);
  SaveSystemRecord();
  return UnfinishedEnd();
}

ScriptResult EndWithCredits(const char* name) {
  Ending(name);
  StopEffects();
  SaveSystemRecord();
  const ScriptResult result = StaffRoll();
  return result == 0 ? scenario::kGameOver : result;
}

int LeadingRoute() {
  constexpr int kOrder[7] = {2, 3, 4, 5, 7, 6, 1};
  int best = 0;
  int place = 0;
  for (int i = 0; i < 7; ++i) {
    const int value = Affection(kOrder[i]);
    if (value > best) {  // only a strictly higher value takes the lead
      best = value;
      place = i + 1;
    }
  }
  return place;
}

bool Written(const char* scenario) {
  for (const scenario::ScenarioEntry* entry = scenario::ScenarioTable; entry->name != nullptr;
       ++entry) {
    if (std::strcmp(entry->name, scenario) == 0) return true;
  }
  return false;
}

}  // namespace story
