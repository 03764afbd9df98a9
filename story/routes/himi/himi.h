// The pair route, the Himi sisters: the bytes and small helpers their scenes share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/game_state.h"
#include "story/flags.h"
#include "story/script.h"

namespace story::himi {

// Route 4's block from 480 and route 5's from 580 belong to the pair.
inline constexpr std::size_t kPairSeen = 480;   // a bit per pair scene played (enum Pair)
inline constexpr std::size_t kPairTrust = 481;  // answers that let the sisters talk to each other
inline constexpr std::size_t kNanokaCalled = 482;  // Nanoka answered the sisters' phone once
inline constexpr std::size_t kCurry = 483;  // the curry night: 1 promised for after Obon, 2 eaten
inline constexpr std::size_t kPairSeen2 =
    484;  // a bit per smaller pair evening played (enum Pair2)
inline constexpr std::size_t kNanokaTold = 580;  // Nanoka told him she wants to draw for a living
// Reina's own bytes, read only: her flat scenes and her first refusal on the phone.
inline constexpr std::size_t kReinaFlatScenes = 469;
inline constexpr std::size_t kReinaDeclined = 462;
// Nanoka's own byte, read only: her promise to show her sister (her route's
// Obon already tells that story).
inline constexpr std::size_t kNanokaObonPromise = 555;
// Koyori's byte: she was promised an introduction to the sisters on 28 July.
inline constexpr std::size_t kKoyoriPromised = 167;

enum Pair : int {
  kHan1 = 0,      // the first dinner with both
  kBalcony = 1,   // the three of them on the balcony
  kHan2 = 2,      // the second dinner: the curry and the laugh
  kYoru = 3,      // the evening that ran past midnight
  kEve = 4,       // the evening of 14 August
  kQuarrel = 5,   // the quarrel talked out till dawn
  kResolved = 6,  // ... and it ended with the sisters talking
  kVideo = 7,     // the family video (week 5)
};

enum Pair2 : int {
  kPaper = 0,        // the spoilt in-between paper he brings Nanoka
  kSeatEmpty = 1,    // after Obon, the seat between them left empty
  kBumper = 2,       // the bumper drawn and spoken at the low table
  kLastEvening = 3,  // the balcony on the eve of the 23rd: the flip book for her script
};

inline bool Seen2(Pair2 scene) {
  return (static_cast<unsigned>(Flag(kPairSeen2)) >> scene & 1U) != 0;
}

inline void Mark2(Pair2 scene) {
  Flag(kPairSeen2) = static_cast<std::uint8_t>(Flag(kPairSeen2) | 1U << scene);
}

inline bool Seen(Pair scene) {
  return (static_cast<unsigned>(Flag(kPairSeen)) >> scene & 1U) != 0;
}

inline void Mark(Pair scene) {
  Flag(kPairSeen) = static_cast<std::uint8_t>(Flag(kPairSeen) | 1U << scene);
}

// The pair's main scenes already played, for taking turns with Reina's own.
inline int MainScenes() {
  return static_cast<int>(Seen(kHan1)) + Seen(kBalcony) + Seen(kHan2) + Seen(kYoru);
}

inline void Trust() {
  if (Flag(kPairTrust) < 255) ++Flag(kPairTrust);
}

// Both sisters at once: the pair's scenes bring him closer to each of them.
inline void Closer() {
  Affection(4) = static_cast<std::uint8_t>(Affection(4) + 1);
  Affection(5) = static_cast<std::uint8_t>(Affection(5) + 1);
}

inline bool MetToday(int route) {
  return core::GameState.route[route - 1].metToday[0] != 0;
}

inline void MeetBoth() {
  core::GameState.route[3].metToday[0] = 1;
  core::GameState.route[4].metToday[0] = 1;
}

inline void Flat() {
  Bg(ByTime("bg0401"));
}

inline const char* Film(const char* giant, const char* wolf) {
  return GiantFilm() ? giant : wolf;
}

// Koyori's introduction, promised on 28 July, is arranged as he leaves the flat
// after the first recording. Its trigger (byte 163) fires on the first night
// the byte is set, so Reina is on her way to a recording that very evening (or,
// after a night that ran to morning, that day's evening).
ScriptResult KoyoriPromise(bool morning);

// The smaller pair evenings (sHimiAida.cpp), played from sHimi.
ScriptResult ThePaper();
ScriptResult TheSeatLeftEmpty();
ScriptResult TheBumperAtTheTable();
ScriptResult TheLastEvening();

}  // namespace story::himi
