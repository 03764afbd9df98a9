// Where the 640x480 picture sits in a window of any size, and the copy that puts
// it there. Pure arithmetic, kept apart from SDL so it can be checked exactly.
#pragma once

#include <cstdint>

namespace platform::sdl {

// The picture's rectangle in window pixels; everything outside it is black.
struct Viewport {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  bool Empty() const { return w <= 0 || h <= 0; }
  bool operator==(const Viewport&) const = default;
};

struct PicturePoint {
  int x = 0;
  int y = 0;

  bool operator==(const PicturePoint&) const = default;
};

// Proportions kept, centred: the largest whole-number scale when at least 1x
// fits (sharp pixels), otherwise the largest fractional shrink.
Viewport FitPicture(int pictureW, int pictureH, int windowW, int windowH);

// The picture pixel shown at window pixel (wx, wy): exactly the one the scaler
// copied there, and the nearest edge pixel for points on the bars or outside.
PicturePoint WindowToPicture(const Viewport& view, int pictureW, int pictureH, int wx, int wy);

// Fills a whole 32-bit target: the picture nearest-neighbour scaled into view,
// the rest black. opaque is ORed into every pixel written (the alpha bits of
// an ARGB target, 0 for XRGB). view must lie inside the target.
void ScaleNearest(const std::uint32_t* picture, int pictureW, int pictureH, void* target,
                  int targetW, int targetH, int targetPitchBytes, const Viewport& view,
                  std::uint32_t opaque);

}  // namespace platform::sdl
