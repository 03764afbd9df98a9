#include "tests/databuild_music/smf_reader.h"

namespace smftest {
namespace {

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
  return value;
}

int DataLength(std::uint8_t status) {
  switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
      return 1;
    default:
      return 2;
  }
}

}  // namespace

std::optional<std::uint32_t> ReadVlq(const std::vector<std::uint8_t>& bytes, std::size_t* at) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    if (*at >= bytes.size()) return std::nullopt;
    const std::uint8_t byte = bytes[(*at)++];
    value = (value << 7) | (byte & 0x7Fu);
    if ((byte & 0x80u) == 0) return value;
  }
  return std::nullopt;
}

std::optional<File> Parse(const std::vector<std::uint8_t>& bytes, std::string* error) {
  auto fail = [&](const std::string& message) -> std::optional<File> {
    *error = message;
    return std::nullopt;
  };
  if (bytes.size() < 14 || std::string(bytes.begin(), bytes.begin() + 4) != "MThd" ||
      BigEndian(bytes, 4, 4) != 6) {
    return fail("no MThd header");
  }
  File file;
  file.format = static_cast<int>(BigEndian(bytes, 8, 2));
  const std::uint32_t count = BigEndian(bytes, 10, 2);
  file.division = static_cast<int>(BigEndian(bytes, 12, 2));
  std::size_t at = 14;
  for (std::uint32_t t = 0; t < count; ++t) {
    if (at + 8 > bytes.size() || std::string(bytes.begin() + static_cast<long>(at),
                                             bytes.begin() + static_cast<long>(at) + 4) != "MTrk") {
      return fail("missing MTrk " + std::to_string(t));
    }
    const std::size_t end = at + 8 + BigEndian(bytes, at + 4, 4);
    if (end > bytes.size()) return fail("track runs past the file");
    at += 8;
    Track track;
    std::uint32_t tick = 0;
    std::uint8_t running = 0;
    bool ended = false;
    while (at < end) {
      if (ended) return fail("event after end-of-track");
      Event event;
      const std::optional<std::uint32_t> delta = ReadVlq(bytes, &at);
      if (!delta || at >= end) return fail("bad delta time");
      event.delta = *delta;
      tick += *delta;
      event.tick = tick;
      std::uint8_t status = bytes[at];
      if (status & 0x80u) {
        ++at;
      } else if (running != 0) {
        status = running;
      } else {
        return fail("data byte without status");
      }
      event.status = status;
      if (status == 0xFF) {
        if (at >= end) return fail("truncated meta");
        event.metaType = bytes[at++];
        const std::optional<std::uint32_t> length = ReadVlq(bytes, &at);
        if (!length || at + *length > end) return fail("bad meta length");
        event.data.assign(bytes.begin() + static_cast<long>(at),
                          bytes.begin() + static_cast<long>(at + *length));
        at += *length;
        if (event.metaType == 0x2F) ended = true;
        running = 0;
      } else if (status == 0xF0 || status == 0xF7) {
        return fail("unexpected sysex");
      } else {
        running = status;
        const int n = DataLength(status);
        if (at + static_cast<std::size_t>(n) > end) return fail("truncated channel event");
        for (int i = 0; i < n; ++i) {
          if (bytes[at] & 0x80u) return fail("status byte where data expected");
          event.data.push_back(bytes[at++]);
        }
      }
      track.events.push_back(std::move(event));
    }
    if (!ended) return fail("track " + std::to_string(t) + " has no end-of-track");
    file.tracks.push_back(std::move(track));
  }
  if (at != bytes.size()) return fail("trailing bytes");
  return file;
}

}  // namespace smftest
