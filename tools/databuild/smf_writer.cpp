#include "tools/databuild/smf_writer.h"

#include <algorithm>
#include <stdexcept>

namespace databuild::smf {
namespace {

constexpr int kOrderNoteOff = 0;
constexpr int kOrderSetup = 1;
constexpr int kOrderNoteOn = 2;

void AppendBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFFu));
  }
}

std::vector<std::uint8_t> Meta(std::uint8_t type, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> bytes{0xFF, type};
  AppendVlq(bytes, static_cast<std::uint32_t>(data.size()));
  bytes.insert(bytes.end(), data.begin(), data.end());
  return bytes;
}

std::uint8_t Status(std::uint8_t kind, std::uint8_t channel) {
  if (channel > 15) throw std::invalid_argument("MIDI channel out of range");
  return static_cast<std::uint8_t>(kind | channel);
}

std::uint8_t DataByte(std::uint8_t value) {
  if (value > 127) throw std::invalid_argument("MIDI data byte out of range");
  return value;
}

}  // namespace

void AppendVlq(std::vector<std::uint8_t>& out, std::uint32_t value) {
  if (value > 0x0FFFFFFFu) throw std::invalid_argument("delta time too large for SMF");
  std::uint8_t groups[4];
  int count = 0;
  do {
    groups[count++] = static_cast<std::uint8_t>(value & 0x7Fu);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(static_cast<std::uint8_t>(groups[--count] | 0x80u));
  out.push_back(groups[0]);
}

void Track::Add(std::uint32_t tick, int order, std::vector<std::uint8_t> bytes) {
  events_.push_back(Event{tick, order, events_.size(), std::move(bytes)});
}

void Track::Tempo(std::uint32_t tick, std::uint32_t microsecondsPerQuarter) {
  if (microsecondsPerQuarter == 0 || microsecondsPerQuarter > 0xFFFFFFu) {
    throw std::invalid_argument("tempo out of range");
  }
  std::vector<std::uint8_t> data;
  AppendBigEndian(data, microsecondsPerQuarter, 3);
  Add(tick, kOrderSetup, Meta(0x51, data));
}

void Track::TimeSignature(std::uint32_t tick, std::uint8_t numerator,
                          std::uint8_t denominatorPower) {
  // 24 MIDI clocks per metronome click, eight 32nds per quarter.
  Add(tick, kOrderSetup, Meta(0x58, {numerator, denominatorPower, 24, 8}));
}

void Track::ProgramChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t program) {
  Add(tick, kOrderSetup, {Status(0xC0, channel), DataByte(program)});
}

void Track::ControlChange(std::uint32_t tick, std::uint8_t channel, std::uint8_t controller,
                          std::uint8_t value) {
  Add(tick, kOrderSetup, {Status(0xB0, channel), DataByte(controller), DataByte(value)});
}

void Track::Note(std::uint32_t tick, std::uint32_t duration, std::uint8_t channel, std::uint8_t key,
                 std::uint8_t velocity) {
  if (duration == 0) throw std::invalid_argument("note without duration");
  if (velocity == 0) throw std::invalid_argument("note-on velocity 0 would be a note-off");
  Add(tick, kOrderNoteOn, {Status(0x90, channel), DataByte(key), DataByte(velocity)});
  Add(tick + duration, kOrderNoteOff, {Status(0x80, channel), DataByte(key), 0x40});
}

std::vector<std::uint8_t> Track::Encode() const {
  std::vector<const Event*> sorted;
  sorted.reserve(events_.size());
  for (const Event& event : events_) sorted.push_back(&event);
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event* a, const Event* b) {
    if (a->tick != b->tick) return a->tick < b->tick;
    if (a->order != b->order) return a->order < b->order;
    return a->sequence < b->sequence;
  });

  std::vector<std::uint8_t> out;
  AppendVlq(out, 0);
  const std::vector<std::uint8_t> name =
      Meta(0x03, std::vector<std::uint8_t>(name_.begin(), name_.end()));
  out.insert(out.end(), name.begin(), name.end());

  std::uint32_t now = 0;
  for (const Event* event : sorted) {
    AppendVlq(out, event->tick - now);
    now = event->tick;
    // Every channel event carries its own status byte (no running status), so
    // each event can be read on its own.
    out.insert(out.end(), event->bytes.begin(), event->bytes.end());
  }
  AppendVlq(out, end_ > now ? end_ - now : 0);
  out.insert(out.end(), {0xFF, 0x2F, 0x00});
  return out;
}

std::vector<std::uint8_t> WriteFile(const std::vector<Track>& tracks) {
  if (tracks.empty() || tracks.size() > 0xFFFF) throw std::invalid_argument("bad track count");
  std::vector<std::uint8_t> out{'M', 'T', 'h', 'd'};
  AppendBigEndian(out, 6, 4);
  AppendBigEndian(out, 1, 2);
  AppendBigEndian(out, static_cast<std::uint32_t>(tracks.size()), 2);
  AppendBigEndian(out, kDivision, 2);
  for (const Track& track : tracks) {
    const std::vector<std::uint8_t> body = track.Encode();
    out.insert(out.end(), {'M', 'T', 'r', 'k'});
    AppendBigEndian(out, static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
  }
  return out;
}

}  // namespace databuild::smf
