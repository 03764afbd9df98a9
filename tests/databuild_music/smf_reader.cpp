#include "tests/databuild_music/smf_reader.h"

#include <cstring>

namespace smftest {

namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

// The variable-length quantity at *at; nullopt past the end or beyond four bytes.
std::optional<std::uint32_t> ReadVlq(const std::vector<std::uint8_t>& bytes, std::size_t* at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4 && *at < bytes.size(); ++i) {
    const std::uint8_t byte = bytes[(*at)++];
    value = value << 7 | (byte & 0x7Fu);
    if ((byte & 0x80u) == 0) return value;
  }
  return std::nullopt;
}

}  // namespace

std::optional<File> Parse(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd\0\0\0\6", 8) != 0) return std::nullopt;
  File file{
      static_cast<int>(BigEndian(bytes, 8, 2)), static_cast<int>(BigEndian(bytes, 12, 2)), {}};
  std::size_t at = 14;
  for (std::uint32_t t = BigEndian(bytes, 10, 2); t > 0; --t) {
    if (at + 8 > bytes.size() || std::memcmp(bytes.data() + at, "MTrk", 4) != 0) return {};
    const std::size_t end = at + 8 + BigEndian(bytes, at + 4, 4);
    if (end > bytes.size()) return std::nullopt;
    std::vector<Event>& track = file.tracks.emplace_back();
    std::uint32_t tick = 0;
    for (at += 8; at < end;) {
      Event event;
      const std::optional<std::uint32_t> delta = ReadVlq(bytes, &at);
      if (!delta || at >= end || (bytes[at] & 0x80u) == 0) return std::nullopt;  // no status
      event.delta = *delta;
      event.tick = tick += *delta;
      event.status = bytes[at++];
      std::size_t length = (event.status & 0xE0u) == 0xC0u ? 1 : 2;  // program, pressure: 1
      if (event.status == 0xFF) {
        event.metaType = at < end ? bytes[at++] : 0;
        const std::optional<std::uint32_t> size = ReadVlq(bytes, &at);
        if (!size) return std::nullopt;
        length = *size;
      }
      if (at + length > end) return std::nullopt;
      event.data.assign(bytes.begin() + static_cast<long>(at),
                        bytes.begin() + static_cast<long>(at + length));
      at += length;
      track.push_back(std::move(event));
    }
    for (const Event& event : track) {
      if ((event.metaType == 0x2F) != (&event == &track.back())) return std::nullopt;
    }
    if (track.empty()) return std::nullopt;
  }
  if (at != bytes.size()) return std::nullopt;
  return file;
}

}  // namespace smftest
