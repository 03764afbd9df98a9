// A small, strict Standard MIDI File reader for checking what the writer made.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace smftest {

struct Event {
  std::uint32_t delta = 0;
  std::uint32_t tick = 0;   // absolute
  std::uint8_t status = 0;  // 0xFF for meta events
  std::uint8_t metaType = 0;
  std::vector<std::uint8_t> data;  // channel data bytes or meta payload
};

struct Track {
  std::vector<Event> events;
};

struct File {
  int format = 0;
  int division = 0;
  std::vector<Track> tracks;
};

// Reads a VLQ at *at; nullopt if it runs past the end or exceeds four bytes.
std::optional<std::uint32_t> ReadVlq(const std::vector<std::uint8_t>& bytes, std::size_t* at);

std::optional<File> Parse(const std::vector<std::uint8_t>& bytes, std::string* error);

}  // namespace smftest
