#include "tools/play/start.h"

#include <charconv>
#include <memory>
#include <string_view>

#include "core/game_state.h"
#include "game/save_slots.h"

namespace play {

namespace {

std::optional<std::uint32_t> Number(std::string_view text, std::uint32_t low, std::uint32_t high) {
  std::uint32_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc{} || ptr != end || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

bool IsCalendarDate(std::uint32_t date) {
  return (date >= 725 && date <= 731) || (date >= 801 && date <= 830);
}

}  // namespace

std::optional<StartPoint> ParseStartPoint(const PlayOptions& options, std::string* error) {
  StartPoint start;
  start.scenario = options.start;
  if (start.scenario.size() >= core::kNextScenarioSize) {
    *error = "--start: the name is too long";
    return std::nullopt;
  }
  if (!options.date.empty()) {
    start.date = Number(options.date, 725, 830);
    if (!start.date || !IsCalendarDate(*start.date)) {
      *error = "--date needs a day from 725 to 830, not '" + options.date + "'";
      return std::nullopt;
    }
  }
  if (!options.slot.empty()) {
    start.slot = Number(options.slot, 0, 10);
    if (!start.slot || (*start.slot > core::kNightOver && *start.slot != core::kDayOver)) {
      *error = "--slot needs 0 to 4 or 10, not '" + options.slot + "'";
      return std::nullopt;
    }
  }
  std::string_view rest = options.flags;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    rest = comma == std::string_view::npos ? std::string_view{} : rest.substr(comma + 1);
    const std::size_t eq = item.find('=');
    // Bytes 0..16 are the date, slot, choice and movies: not flags.
    const auto offset =
        Number(item.substr(0, eq), 17, core::kGameStateSize - core::kNextScenarioSize - 1);
    const auto value =
        eq == std::string_view::npos ? std::nullopt : Number(item.substr(eq + 1), 0, 255);
    if (!offset || !value) {
      *error = "--flags: '" + std::string(item) + "' is not OFFSET=VALUE (17 to 1040, 0 to 255)";
      return std::nullopt;
    }
    start.bytes.emplace_back(*offset, static_cast<std::uint8_t>(*value));
  }
  return start;
}

shell::ProgramParts StartParts(shell::ProgramParts game, StartPoint start) {
  auto begun = std::make_shared<bool>(false);
  game.openingLogo = [begun] { return *begun ? 0 : 1; };
  game.titleMenu = [begun, start] {
    *begun = true;
    core::GameStateRecord& record = core::GameState;
    core::SetUpNewGame(record, start.scenario.c_str());
    core::GameStateRecord system{};
    if (game::ReadSlot(0, system) == 1) core::MergePersistent(record, system);
    if (start.date) record.date = *start.date;
    if (start.slot) record.timeSlot = *start.slot;
    for (const auto& [offset, value] : start.bytes) record.Flag(offset) = value;
    return 2;  // as if loaded: the dispatcher looks the name up
  };
  return game;
}

}  // namespace play
