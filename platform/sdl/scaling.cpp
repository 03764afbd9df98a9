#include "platform/sdl/scaling.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

namespace platform::sdl {

namespace {

// Centre sampling: target pixel i of n covers source pixel (i + 0.5) * src / n.
// For a whole-number scale this is plain i / scale, and WindowToPicture uses
// the same rule, so a click lands on the pixel that is shown under it.
int SourceIndex(int i, int src, int n) {
  const long long num = (2LL * i + 1) * src;
  return static_cast<int>(num / (2LL * n));
}

std::uint32_t* Row(void* target, int pitchBytes, int y) {
  return reinterpret_cast<std::uint32_t*>(static_cast<std::byte*>(target) +
                                          static_cast<std::ptrdiff_t>(y) * pitchBytes);
}

void Fill(std::uint32_t* from, int count, std::uint32_t value) {
  if (count > 0) std::fill(from, from + count, value);
}

// columns: the source column of each target column, for shrinking only.
void ExpandRow(const std::uint32_t* src, int pictureW, std::uint32_t* dst, int viewW,
               std::uint32_t opaque, const std::vector<int>& columns) {
  if (viewW == pictureW && opaque == 0) {
    std::memcpy(dst, src, static_cast<std::size_t>(pictureW) * sizeof(std::uint32_t));
    return;
  }
  if (viewW % pictureW == 0) {
    const int scale = viewW / pictureW;
    for (int x = 0; x < pictureW; ++x) {
      const std::uint32_t v = src[x] | opaque;
      for (int k = 0; k < scale; ++k) *dst++ = v;
    }
    return;
  }
  for (int x = 0; x < viewW; ++x) dst[x] = src[columns[static_cast<std::size_t>(x)]] | opaque;
}

}  // namespace

Viewport FitPicture(int pictureW, int pictureH, int windowW, int windowH) {
  if (pictureW <= 0 || pictureH <= 0 || windowW <= 0 || windowH <= 0) return {};
  const int scale = std::min(windowW / pictureW, windowH / pictureH);
  int w = 0;
  int h = 0;
  if (scale >= 1) {
    w = pictureW * scale;
    h = pictureH * scale;
  } else if (static_cast<long long>(windowW) * pictureH <=
             static_cast<long long>(windowH) * pictureW) {
    w = windowW;
    h = static_cast<int>(static_cast<long long>(windowW) * pictureH / pictureW);
  } else {
    h = windowH;
    w = static_cast<int>(static_cast<long long>(windowH) * pictureW / pictureH);
  }
  if (w <= 0 || h <= 0) return {};
  return {(windowW - w) / 2, (windowH - h) / 2, w, h};
}

PicturePoint WindowToPicture(const Viewport& view, int pictureW, int pictureH, int wx, int wy) {
  if (view.Empty() || pictureW <= 0 || pictureH <= 0) return {};
  auto axis = [](int at, int start, int length, int picture) {
    const int rel = at - start;
    if (rel < 0) return 0;
    if (rel >= length) return picture - 1;
    return SourceIndex(rel, picture, length);
  };
  return {axis(wx, view.x, view.w, pictureW), axis(wy, view.y, view.h, pictureH)};
}

void ScaleNearest(const std::uint32_t* picture, int pictureW, int pictureH, void* target,
                  int targetW, int targetH, int targetPitchBytes, const Viewport& view,
                  std::uint32_t opaque) {
  const bool drawPicture = !view.Empty() && pictureW > 0 && pictureH > 0;
  const int top = drawPicture ? view.y : targetH;
  const int bottom = drawPicture ? view.y + view.h : targetH;
  const int right = view.x + view.w;
  std::vector<int> columns;
  if (drawPicture && view.w % pictureW != 0) {
    columns.resize(static_cast<std::size_t>(view.w));
    for (int x = 0; x < view.w; ++x) {
      columns[static_cast<std::size_t>(x)] = SourceIndex(x, pictureW, view.w);
    }
  }
  int lastSource = -1;
  for (int y = 0; y < targetH; ++y) {
    std::uint32_t* row = Row(target, targetPitchBytes, y);
    if (y < top || y >= bottom) {
      Fill(row, targetW, opaque);
      continue;
    }
    Fill(row, view.x, opaque);
    Fill(row + right, targetW - right, opaque);
    const int source = SourceIndex(y - view.y, pictureH, view.h);
    if (source == lastSource) {
      // Upscaled rows repeat: copy the finished row instead of expanding again.
      std::memcpy(row + view.x, Row(target, targetPitchBytes, y - 1) + view.x,
                  static_cast<std::size_t>(view.w) * sizeof(std::uint32_t));
    } else {
      ExpandRow(picture + static_cast<std::ptrdiff_t>(source) * pictureW, pictureW, row + view.x,
                view.w, opaque, columns);
      lastSource = source;
    }
  }
}

}  // namespace platform::sdl
