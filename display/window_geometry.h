// Where the message window and its text sit on the 640x480 screen.
#pragma once

#include "display/surface.h"

namespace display {

// Dimmed while a game runs; the window has no frame picture of its own.
inline constexpr Rect kWindowRect{56, 396, 585, 469};

inline constexpr int kTextRows = 3;
inline constexpr int kTextColumns = 27;
inline constexpr int kCellSize = 19;
inline constexpr int kTextLeft = 64;
inline constexpr int kTextTop = 404;

inline constexpr int kPromptSlot = 9;
inline constexpr int kPromptX = kTextLeft + kCellSize * (kTextColumns - 1);  // 558
inline constexpr int kPromptY = kTextTop + kCellSize * (kTextRows - 1);      // 442

inline constexpr int CellX(int column) {
  return kTextLeft + kCellSize * column;
}
inline constexpr int CellY(int row) {
  return kTextTop + kCellSize * row;
}

inline constexpr std::uint32_t kWhite = 0x00FFFFFFu;
inline constexpr std::uint32_t kBlack = 0x00000000u;

}  // namespace display
