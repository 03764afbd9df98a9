// Compiled with Shift-JIS as the execution character set: the texts below are
// the engine's own.
#include "game/calendar.h"

#include <cstdio>

#include "core/game_state.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "game/screen_kit.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace game {

std::string DateLine;

namespace {

constexpr const char* kDigits[10] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
// Index 0 is 25 July, a Sunday.
constexpr const char* kWeekdays[7] = {"日", "月", "火", "水", "木", "金", "土"};
constexpr const char* kTimes[3] = {"午前", "午後", "夕方"};
constexpr int kDatePictureSlot = 8;

// Every decimal digit of n from the table. A corrupt save can carry any month;
// the table has ten entries, so a number never indexes past it.
std::string FullWidth(std::uint32_t n) {
  std::string text = n >= 10 ? FullWidth(n / 10) : std::string();
  return text + kDigits[n % 10];
}

// Days since a Sunday, counted the way the original did for each month.
std::uint32_t DaysSinceSunday(std::uint32_t date) {
  if (date < 800) return date - 725;
  if (date < 900) return date - 801;
  return date - 898;
}

void LogDate() {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent(
      "date", {platform::LogField::Text("line", platform::Cp932ToUtf8Lossy(DateLine))});
}

}  // namespace

void NormaliseDate() {
  std::uint32_t& date = core::GameState.date;
  if (date == 732) date = 801;
  if (date == 832) date = 901;
}

std::string ComposeDateLine(std::uint32_t date, std::uint32_t timeSlot) {
  const std::uint32_t day = date % 100;
  std::string line = "　" + FullWidth(date / 100) + "月";
  if (day / 10 != 0) line += kDigits[day / 10];
  line += kDigits[day % 10];
  line += "日（";
  // Unsigned, as the original's codes were: a date before 25 July still names a day.
  line += kWeekdays[DaysSinceSunday(date) % 7];
  line += "）";
  line += timeSlot < 3 ? kTimes[timeSlot] : "夜";
  return line;
}

scenario::ScriptResult ShowDate(int mode) {
  NormaliseDate();
  if (mode == 0) {
    char name[32];
    std::snprintf(name, sizeof name, "hidate%04u.bmp", core::GameState.date);
    ShowPicture(kDatePictureSlot, name, 16, 16);
    display::Refresh();
    return scenario::kGoOn;
  }
  DateLine = ComposeDateLine(core::GameState.date, core::GameState.timeSlot);
  LogDate();
  if (mode != 1) return scenario::kGoOn;
  const scenario::ScriptResult added = display::AddTextLine(DateLine.c_str());
  if (added != scenario::kGoOn) return added;
  return display::WaitPage();
}

}  // namespace game
