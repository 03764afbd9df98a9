// The project's own Standard MIDI File writer: format 1, one conductor track
// followed by one track per part.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace databuild::smf {

inline constexpr std::uint16_t kDivision = 480;  // ticks per quarter note

// Appends a variable-length quantity; values above 0x0FFFFFFF do not fit.
void AppendVlq(std::vector<std::uint8_t>& out, std::uint32_t value);

class Track {
 public:
  explicit Track(std::string name) : name_(std::move(name)) {}

  void Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter);
  // denominatorPower: 2 for quarter notes, 3 for eighths.
  void TimeSignature(std::uint32_t tick, std::uint8_t numerator, std::uint8_t denominatorPower);
  // channel 0-15, program 0-127 (General MIDI number minus one).
  void ProgramChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t program);
  void ControlChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t controller,
                     std::uint8_t value);
  void Note(std::uint32_t tick, std::uint32_t duration, std::uint8_t channel, std::uint8_t key,
            std::uint8_t velocity);
  // Without it the track ends at its last event.
  void EndAt(std::uint32_t tick) { end_ = tick; }

  // The chunk body, without the "MTrk" header.
  std::vector<std::uint8_t> Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at one tick: note-offs, then setup, then note-ons
    std::uint64_t sequence;
    std::vector<std::uint8_t> bytes;
  };
  void Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes);

  std::string name_;
  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// The whole file: header chunk then every track, in order.
std::vector<std::uint8_t> WriteFile(const std::vector<Track>& tracks);

}  // namespace databuild::smf
