#include "core/game_state.h"

#include <bit>
#include <cstring>

namespace core {

GameStateRecord GameState{};

namespace {

constexpr std::size_t kClearFrom = 17;
constexpr std::size_t kClearTo = 1040;  // inclusive

std::uint32_t ToLittle(std::uint32_t value) {
  if constexpr (std::endian::native == std::endian::little) {
    return value;
  } else {
    return ((value & 0xFFu) << 24) | ((value & 0xFF00u) << 8) | ((value >> 8) & 0xFF00u) |
           (value >> 24);
  }
}

}  // namespace

std::array<std::uint8_t, kGameStateSize> ToDiskBytes(const GameStateRecord& record) {
  GameStateRecord copy = record;
  copy.date = ToLittle(copy.date);
  copy.timeSlot = ToLittle(copy.timeSlot);
  std::array<std::uint8_t, kGameStateSize> bytes{};
  std::memcpy(bytes.data(), &copy, kGameStateSize);
  return bytes;
}

GameStateRecord FromDiskBytes(const std::array<std::uint8_t, kGameStateSize>& bytes) {
  GameStateRecord record{};
  std::memcpy(&record, bytes.data(), kGameStateSize);
  record.date = ToLittle(record.date);  // the swap is its own inverse
  record.timeSlot = ToLittle(record.timeSlot);
  return record;
}

void SetUpNewGame(GameStateRecord& record, const char* firstScenario) {
  record.date = 725;
  record.timeSlot = kDayOver;
  std::memset(record.Bytes() + kClearFrom, 0, kClearTo - kClearFrom + 1);
  SetNextScenario(record, firstScenario);
}

void MergePersistent(GameStateRecord& into, const GameStateRecord& source) {
  std::memcpy(into.movieSeen, source.movieSeen, sizeof into.movieSeen);
  for (int k = 0; k < kRouteCount; ++k) {
    std::memcpy(into.route[k].galleryUnlocked, source.route[k].galleryUnlocked, kGalleryBytes);
  }
}

void SetNextScenario(GameStateRecord& record, const char* name) {
  std::memset(record.nextScenario, 0, kNextScenarioSize);
  if (name == nullptr) return;
  std::strncpy(record.nextScenario, name, kNextScenarioSize - 1);
}

}  // namespace core
