// The one record of a game in play, which is also the save-file image.
//
// Its layout is a file format: every named field sits at a fixed offset, the
// record is exactly 1108 bytes, and multi-byte fields are little-endian on disk
// whatever the host. Story flags are plain bytes addressed by offset.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace core {

inline constexpr std::size_t kGameStateSize = 1108;
inline constexpr std::size_t kNextScenarioSize = 67;
inline constexpr int kRouteCount = 8;
inline constexpr int kGalleryBytes = 30;
inline constexpr int kWorkPlaceCount = 16;

enum TimeSlot : std::uint32_t {
  kMorning = 0,
  kAfternoon = 1,
  kEvening = 2,
  kNight = 3,
  kNightOver = 4,
  kDayOver = 10,
};

// 100 bytes at offset 100 * k for route k = 1..8.
struct RouteBlock {
  std::uint8_t head[17];  // unused, except in route 1 (see GameStateRecord::project)
  std::uint8_t galleryUnlocked[kGalleryBytes];  // persistent
  std::uint8_t affection;
  std::uint8_t metToday[2];
  std::uint8_t flags[50];  // story flags of the route
};
static_assert(sizeof(RouteBlock) == 100);

struct GameStateRecord {
  std::uint32_t date;         // month * 100 + day
  std::uint32_t timeSlot;     // TimeSlot
  std::uint8_t choice;        // last pick of a choice (1-based) or of the map (1..20, 0 cancelled)
  std::uint8_t movieSeen[8];  // persistent
  std::uint8_t weekEnd;
  std::uint8_t common[82];                 // 18..99: story flags of the common scenes
  RouteBlock route[kRouteCount];           // route[k - 1] is route k
  std::uint8_t common2[67];                // 900..966
  std::uint8_t workFlag[kWorkPlaceCount];  // 967..982
  std::uint8_t unused983[4];
  std::uint8_t workCount[kWorkPlaceCount];  // 987..1002, each at its flag + 20
  std::uint8_t unused1003[14];
  std::uint8_t mapPlace[7];  // 1017..1023: enable map places 13..19
  std::uint8_t unused1024[16];
  std::uint8_t guideVoice;               // 1040
  char nextScenario[kNextScenarioSize];  // NUL-terminated when written by us

  // Common fields that the layout places inside route 1's block. They are
  // accessors because a member cannot sit inside another member's bytes.
  std::uint8_t& project() { return route[0].head[7]; }               // 107
  std::uint8_t& scoreBonus() { return route[0].head[8]; }            // 108, 0..100
  std::int8_t& adjustCounter() { return Signed(route[0].head[9]); }  // 109, -10..5
  std::uint8_t& dayStarted() { return route[0].flags[7]; }           // 157
  std::uint8_t& productionScore() { return route[0].flags[10]; }     // 160, 0..200
  std::uint8_t& finalCheckFailed() { return route[0].flags[11]; }    // 161

  // A story flag by its offset in the record.
  std::uint8_t& Flag(std::size_t offset) { return Bytes()[offset]; }
  std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(this); }
  const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(this); }

 private:
  static std::int8_t& Signed(std::uint8_t& byte) { return reinterpret_cast<std::int8_t&>(byte); }
};

static_assert(sizeof(GameStateRecord) == kGameStateSize);
static_assert(offsetof(GameStateRecord, date) == 0);
static_assert(offsetof(GameStateRecord, timeSlot) == 4);
static_assert(offsetof(GameStateRecord, choice) == 8);
static_assert(offsetof(GameStateRecord, movieSeen) == 9);
static_assert(offsetof(GameStateRecord, weekEnd) == 17);
static_assert(offsetof(GameStateRecord, common) == 18);
static_assert(offsetof(GameStateRecord, route) == 100);
static_assert(offsetof(RouteBlock, galleryUnlocked) == 17);
static_assert(offsetof(RouteBlock, affection) == 47);
static_assert(offsetof(RouteBlock, metToday) == 48);
static_assert(offsetof(RouteBlock, flags) == 50);
static_assert(offsetof(GameStateRecord, common2) == 900);
static_assert(offsetof(GameStateRecord, workFlag) == 967);
static_assert(offsetof(GameStateRecord, workCount) == 987);
static_assert(offsetof(GameStateRecord, mapPlace) == 1017);
static_assert(offsetof(GameStateRecord, guideVoice) == 1040);
static_assert(offsetof(GameStateRecord, nextScenario) == 1041);

// The game in play. Main thread only.
extern GameStateRecord GameState;

// The record as stored in a file, and back (little-endian whatever the host).
std::array<std::uint8_t, kGameStateSize> ToDiskBytes(const GameStateRecord& record);
GameStateRecord FromDiskBytes(const std::array<std::uint8_t, kGameStateSize>& bytes);

// A fresh game: 25 July, day over, every flag cleared, starting at firstScenario.
// The gallery bytes are cleared with the rest, movieSeen (before byte 17) is left
// as it was: the caller merges both from the system record.
void SetUpNewGame(GameStateRecord& record, const char* firstScenario);

// Takes the bytes shared by all games (movies seen, gallery unlocks) from source.
void MergePersistent(GameStateRecord& into, const GameStateRecord& source);

// Copies name into nextScenario, cut to fit with its NUL.
void SetNextScenario(GameStateRecord& record, const char* name);

}  // namespace core
