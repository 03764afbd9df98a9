// What the game hears: compressed sound files, MIDI music and movies, mixed
// into one output of 16-bit stereo at 44.1 kHz. The backend decides where the
// mix goes (a sound device; nowhere, at real-time pace, when there is none; a
// virtual clock under test); the players behave the same in each, so a sound
// lasts as long with or without a device.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace platform {

inline constexpr int kMixRate = 44100;
inline constexpr int kMixChannels = 2;

// What a sound file reports about its playing.
enum class SoundEvent : std::uint8_t {
  None,    // nothing happened within the wait
  Ended,   // it played to its end and stopped there
  Looped,  // it played to its end and went on from the start, in the same sample
  Failed,  // it could not be decoded further and stopped
};

// One effect or voice clip. Run, Stop and Rewind come from the main thread,
// WaitForEvent from the player's worker; the mix runs wherever the backend mixes.
class SoundFile {
 public:
  virtual ~SoundFile() = default;
  // Plays from the current position; events not yet taken are dropped.
  virtual void Run(bool loop) = 0;
  // Halts where it is; the position stays.
  virtual void Stop() = 0;
  virtual void Rewind() = 0;
  // Between Run and Stop, and not after an end without looping or a failure.
  virtual bool IsRunning() const = 0;
  // The next event since the last one taken, waiting up to ms for it; a Stop
  // meanwhile ends the wait at once.
  virtual SoundEvent WaitForEvent(std::uint32_t ms) = 0;
  // In hundredths of a decibel, 0 full and -10000 silent.
  virtual int Volume() const = 0;
  virtual void SetVolume(int hundredthsOfDecibel) = 0;
  // Told of every end and failure as it happens in the mix (any thread).
  virtual void SetEndListener(std::function<void(SoundEvent)> listener) = 0;
};

// A standard MIDI file on the synthesiser. When it has played its last tick
// the backend posts the music-end message with status 1.
class MidiMusic {
 public:
  virtual ~MidiMusic() = default;
  virtual void PlayFromStart() = 0;
  virtual void Stop() = 0;
};

// An AVI movie: its sound goes into the mix, its pictures are taken by time.
class MovieFile {
 public:
  virtual ~MovieFile() = default;
  // Starts the sound; time 0 of the pictures is now.
  virtual void Start() = 0;
  // The picture due at ms after Start, scaled into w x h 0x00RRGGBB pixels
  // rows `pitch` pixels apart; false when it is the one given last time.
  virtual bool PictureAt(std::uint32_t ms, std::uint32_t* out, int pitch, int w, int h) = 0;
  // Both the pictures and the sound are over at ms after Start.
  virtual bool EndedAt(std::uint32_t ms) const = 0;
  virtual void Stop() = 0;
};

class Audio {
 public:
  virtual ~Audio() = default;
  // Null when the file cannot be decoded (missing, broken, not a sound).
  virtual std::unique_ptr<SoundFile> OpenSound(const std::string& path) = 0;
  // Null without a soundfont or for a file that is not a MIDI file.
  virtual std::unique_ptr<MidiMusic> OpenMusic(const std::string& path) = 0;
  // Null when the file is not a movie that can be decoded.
  virtual std::unique_ptr<MovieFile> OpenMovie(const std::string& path) = 0;
};

}  // namespace platform
