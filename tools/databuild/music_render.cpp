#include "tools/databuild/music_piece.h"
#include "tools/databuild/smf_writer.h"

namespace databuild::music {
namespace {

std::uint8_t Byte(int value) {
  return static_cast<std::uint8_t>(value);
}

std::uint8_t Power(int beatUnit) {
  std::uint8_t power = 0;
  while ((1 << power) < beatUnit) ++power;
  return power;
}

}  // namespace

std::vector<std::uint8_t> RenderSmf(const Piece& piece) {
  std::vector<smf::Track> tracks;
  smf::Track conductor(piece.title);
  conductor.Tempo(0, static_cast<std::uint32_t>(60000000 / piece.tempo));
  conductor.TimeSignature(0, Byte(piece.beats), Power(piece.beatUnit));
  conductor.EndAt(piece.loopTicks);
  tracks.push_back(std::move(conductor));
  for (const Part& part : piece.parts) {
    smf::Track track(part.name);
    const std::uint8_t channel = Byte(part.channel - 1);
    track.ProgramChange(0, channel, Byte(part.program - 1));
    track.ControlChange(0, channel, 7, Byte(part.volume));
    track.ControlChange(0, channel, 10, Byte(part.pan));
    track.ControlChange(0, channel, 91, Byte(part.reverb));
    for (const Note& note : part.notes) {
      track.Note(note.tick, note.duration, channel, Byte(note.key), Byte(note.velocity));
    }
    // Every track stops at the loop length so the file replays seamlessly.
    track.EndAt(piece.loopTicks);
    tracks.push_back(std::move(track));
  }
  return smf::WriteFile(tracks);
}

}  // namespace databuild::music
