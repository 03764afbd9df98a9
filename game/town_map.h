// The town map on which the player picks where to go: twenty places, each a
// 15 x 15 hot spot with a marker and a label, open while its byte says so.
#pragma once

#include <cstddef>

#include "scenario/script_result.h"

namespace game {

inline constexpr int kMapPlaces = 20;
inline constexpr int kMapSpotSize = 15;

struct MapPlace {
  int x;  // the hot spot's and the marker's top-left corner
  int y;
  const char* label;      // Shift-JIS
  std::size_t enabledBy;  // GameState byte; 0: always open
};

extern const MapPlace MapPlaces[kMapPlaces];

// The first place (1..20) whose hot spot strictly contains (x, y), open or
// not; 0 for none.
int MapPlaceAt(int x, int y);

// Stores the pick (1..20) or 0 (cancelled) in GameState.choice and returns 0;
// 999 when the program is quitting, leaving the choice alone.
scenario::ScriptResult MapScreen();

}  // namespace game
