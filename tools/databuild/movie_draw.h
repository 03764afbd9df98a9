// The production movies' pictures: every frame of every reel drawn with cairo
// from nothing but the reel and the frame number, so a reel always looks the same.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace databuild::movie {

inline constexpr int kWidth = 320;
inline constexpr int kHeight = 240;
inline constexpr std::size_t kFrameBytes = static_cast<std::size_t>(kWidth) * kHeight * 3;

// The stages a film goes through, in the order the studio reaches them.
enum class Stage {
  kLineTest,  // pencil drawings on the line-test stand (線撮)
  kKey,       // key drawings shot to time, timing sheet, storyboard (原撮)
  kRush,      // coloured but unfinished: missing backgrounds, scratches, timecode
  kPrint,     // the finished first print: title card and a scene in full colour
};

struct Reel {
  std::string_view key;  // the manifest's source column ("sensatu", "gagagen", ...)
  Stage stage;
  int film;  // 0 (the giant), 1 (the wolf girl) or -1 (both: the shared line test)
  int fps;
  int frames;
  std::string_view description;  // what a viewer should see
};

std::span<const Reel> AllReels();
const Reel* FindReel(std::string_view key);
double Seconds(const Reel& reel);

// Frame `frame` (0-based) of `reel` as packed RGB, kWidth * kHeight * 3 bytes,
// rows top to bottom.
std::vector<std::uint8_t> DrawFrame(const Reel& reel, int frame);

}  // namespace databuild::movie
