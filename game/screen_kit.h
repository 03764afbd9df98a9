// What the game's own screens share: their hit tests, centring, the screen
// events a driver waits for, and the wait for either button.
#pragma once

#include "display/surface.h"

namespace game {

// A place on the screen, or from a screen's corner.
struct Point {
  int x = 0;
  int y = 0;
};

// Edges not included: x < px < x + w, y < py < y + h.
constexpr bool InsideStrict(int x, int y, int w, int h, int px, int py) {
  return x < px && px < x + w && y < py && py < y + h;
}
// Edges included: x <= px <= x + w, y <= py <= y + h.
constexpr bool InsideInclusive(int x, int y, int w, int h, int px, int py) {
  return x <= px && px <= x + w && y <= py && py <= y + h;
}

// The corner that centres a picture of that size on the screen (halves
// rounded toward zero).
constexpr int CentredX(int width) {
  return 320 - width / 2;
}
constexpr int CentredY(int height) {
  return 240 - height / 2;
}

display::Surface& Slot(int index);

// Loads a picture (Shift-JIS name with its extension) into a slot, places it
// and shows it. False when it is missing; the slot then shows nothing.
bool ShowPicture(int slot, const char* name, int x, int y);

// For drivers that wait for a screen: its name, opening or closing, and the
// corner its positions are measured from.
void LogScreen(const char* name, bool opening, int x = 0, int y = 0);

// Until a click of either button, Enter or Escape: 1, or 0 when the program is quitting.
int WaitForEitherButton();

}  // namespace game
