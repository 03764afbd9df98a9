// Route 4, Reina: the flags and small helpers her scenes share.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/game_state.h"
#include "story/flags.h"
#include "story/script.h"

namespace story::reina {

inline constexpr int kRoute = 4;

// Her own bytes in route 4's block (452, 459 and 480-499 belong to the sister).
inline constexpr std::size_t kCalled = 461;         // the sisters' phone answered by her once
inline constexpr std::size_t kDeclined = 462;       // he turned down her first request
inline constexpr std::size_t kPickUpsSeen = 465;    // the pick-ups session's scene seen
inline constexpr std::size_t kLastNightSeen = 466;  // 28 August seen
inline constexpr std::size_t kFlatScenes = 469;     // bits 0-7 of the flat's scenes played
inline constexpr std::size_t kFlatScenes2 = 470;    // bits 8-15 of the flat's scenes played

// The scenes of the flat, by their bit in kFlatScenes.
enum FlatScene : int {
  kFirstVisit = 0,   // the boxes and the sisters' dinner
  kAsked = 1,        // she asks him to read the other parts
  kSmiled = 2,       // he is terrible; she smiles
  kBalcony = 3,      // the balcony at night
  kSundayAsked = 4,  // she chooses the aquarium for the Sunday
  kCold = 5,         // after the first recording, shut in with one line
  kClimaxLine = 6,   // she tells him about the line of the 23rd
  kMouths = 7,       // the mouth flaps and the timing sheet
  kEve = 8,          // the last evenings before the 23rd: the first words after the lost year
};

inline std::uint8_t& FlatByte(FlatScene scene) {
  return Flag(scene < 8 ? kFlatScenes : kFlatScenes2);
}

inline bool FlatSeen(FlatScene scene) {
  return (static_cast<unsigned>(FlatByte(scene)) >> (scene % 8) & 1U) != 0;
}

inline void MarkFlat(FlatScene scene) {
  FlatByte(scene) = static_cast<std::uint8_t>(FlatByte(scene) | 1U << (scene % 8));
}

// A real step of her story: the progress byte the 23 August trigger counts.
inline void Step() {
  std::uint8_t& progress = Flag(flag::kReinaProgress);
  if (progress < 255) ++progress;
}

inline void Closer(int by = 1) {
  Affection(kRoute) = static_cast<std::uint8_t>(Affection(kRoute) + by);
}

inline bool MetToday() {
  return core::GameState.route[kRoute - 1].metToday[0] != 0;
}

inline void Meet() {
  core::GameState.route[kRoute - 1].metToday[0] = 1;
}

// The same page in the two films: the giant's つばめ or the wolf's しずり.
inline const char* Film(const char* giant, const char* wolf) {
  return GiantFilm() ? giant : wolf;
}

}  // namespace story::reina
