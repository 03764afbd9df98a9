// The two sound channels: 0 plays effects chosen by number, 1 voice lines
// chosen by name. Each copies its sound out of the archive into a private
// temporary file of its own and plays it with one MediaPlayer.
#pragma once

#include <cstdint>

#include "scenario/script_result.h"

namespace media {

class MediaPlayer;

inline constexpr int kEffectCount = 70;
// Effect number -> file base (Shift-JIS); entry 0, for every number outside
// 1..69, names an effect that does not exist, so a bad number is reported.
extern const char* const EffectTable[kEffectCount];

// 0: PlaySound starts nothing. Switched by the system menu; not saved.
extern int SoundEnabled;

class SoundChannel {
 public:
  SoundChannel() = default;
  virtual ~SoundChannel();
  SoundChannel(const SoundChannel&) = delete;
  SoundChannel& operator=(const SoundChannel&) = delete;

  void SetChannelIndex(std::uint32_t channelIndex);
  // fileName ends in ".wav". 1 when the channel has a player that can play it.
  int LoadSound(const char* fileName);
  int PlayChannel(int loop);
  int StopChannel();
  int IsChannelPlaying();
  void ReleasePlayer();

  MediaPlayer* player = nullptr;
  char name[256] = {};
  std::uint32_t index = 0;
};

extern SoundChannel SoundChannels[2];

void NumberChannels();
void ReleaseChannels();

// Stops the channel, then (sound on, Control not held, a name given) plays the
// effect numbered by name on channel 0 or the voice named on channel 1. Always 0.
scenario::ScriptResult PlaySound(int channel, const char* name, int loop);

}  // namespace media
