// A small, strict Standard MIDI File reader for checking what the writer made:
// every channel event must carry its status byte, and each track must end with
// its end-of-track event and nothing after it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace smftest {

// tick counts from the track's start; status is 0xFF for meta events; data
// holds the channel data bytes or the meta payload.
struct Event {
  std::uint32_t delta = 0, tick = 0;
  std::uint8_t status = 0, metaType = 0;
  std::vector<std::uint8_t> data;
};

struct File {
  int format = 0, division = 0;
  std::vector<std::vector<Event>> tracks;
};

// nullopt for anything but such a file.
std::optional<File> Parse(const std::vector<std::uint8_t>& bytes);

}  // namespace smftest
