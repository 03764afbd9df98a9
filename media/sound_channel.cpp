#include "media/sound_channel.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "media/data_file.h"
#include "media/media_player.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "platform/system.h"

namespace media {

// clang-format off
const char* const EffectTable[kEffectCount] = {
    "\x83\x47\x83\x89\x81\x5B",  // エラー: no such file
    "01se", "02se", "03se", "04se", "05ase", "06bse", "07se", "08se", "09se", "10se",
    "11se", "12ase", "13se", "14se", "15se", "16ase", "17se", "18se", "19se", "20se",
    "21se", "22se", "23se", "24se", "25se", "26se", "27se", "28bse", "29se", "30cse",
    "31se", "32se", "33se", "34se", "35se", "36se", "37se", "38se", "39se", "40ase",
    "41se", "42se", "43se", "44se", "45se", "46se", "47se", "48se", "49se", "50se",
    "51se", "52ase", "53se", "54se", "55se", "56ase", "57se", "58se", "59se", "60se",
    "61se", "62se", "63se", "gagaA", "gagaB", "e_open", "e_end2", "msyob", "esyo",
};
// clang-format on

int SoundEnabled = 1;
SoundChannel SoundChannels[2];

namespace {

constexpr std::size_t kNameSize = sizeof(SoundChannel::name);

// The number as the original read it: white space, a sign, digits; anything
// else ends it. Out-of-range numbers give the error entry.
int EffectNumber(const char* text) {
  errno = 0;
  const long value = std::strtol(text, nullptr, 10);
  if (errno != 0 || value < 1 || value >= kEffectCount) return 0;
  return static_cast<int>(value);
}

std::string TemporaryPath(std::uint32_t channelIndex) {
  if (core::WindowsFolder.empty()) return {};
  return core::WindowsFolder + "CELLWRIG.WA" + std::to_string(channelIndex);
}

// The member into the channel's file, cut to its size. A file that cannot be
// written is named in a box, and the player then gets whatever it held before.
void CopyOut(ResourceFile& sound, const std::string& path) {
  std::vector<std::uint8_t> bytes(sound.Size());
  const std::uint32_t got = sound.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  DataFile copy;
  if (copy.Open(path.c_str(), copy.writeMode) == 0) {
    platform::ShowGameBox(FolderForDisplay(path));
    return;
  }
  copy.Write(bytes.data(), got);
  copy.SetEndOfFile();
}

void LogEnd(std::uint32_t channel, const char* reason) {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent("sound_end", {platform::LogField::Number("channel", channel),
                                         platform::LogField::Text("reason", reason)});
}

}  // namespace

SoundChannel::~SoundChannel() {
  ReleasePlayer();
}

void SoundChannel::SetChannelIndex(std::uint32_t channelIndex) {
  index = channelIndex;
}

int SoundChannel::LoadSound(const char* fileName) {
  ReleasePlayer();
  if (fileName == nullptr) return 0;
  const std::size_t length = strnlen(fileName, kNameSize - 1);
  std::memcpy(name, fileName, length);
  name[length] = '\0';
  const std::string path = TemporaryPath(index);
  if (path.empty()) return 0;  // no private folder: the game plays without sound

  ResourceFile sound;
  if (sound.Open(name, sound.readMode) == 0) return 0;  // reported by the resource layer
  CopyOut(sound, path);
  sound.Close();

  player = new MediaPlayer;
  const std::uint32_t channelIndex = index;
  // Runs where the mix runs: it must not touch the channel.
  player->SetEndListener([channelIndex](platform::SoundEvent event) {
    LogEnd(channelIndex, event == platform::SoundEvent::Failed ? "error" : "end");
  });
  if (player->BuildGraph(path.c_str()) == 0) {
    ReleasePlayer();
    return 0;
  }
  return 1;
}

int SoundChannel::PlayChannel(int loop) {
  if (player == nullptr) return 0;
  player->PlayMedia(loop);
  return 1;
}

int SoundChannel::StopChannel() {
  if (player == nullptr) return 0;
  if (player->IsMediaPlaying() != 0) LogEnd(index, "stop");
  player->StopMedia();
  return 1;
}

int SoundChannel::IsChannelPlaying() {
  return player != nullptr ? player->IsMediaPlaying() : 0;
}

void SoundChannel::ReleasePlayer() {
  if (player == nullptr) return;
  if (player->IsMediaPlaying() != 0) LogEnd(index, "release");
  delete player;
  player = nullptr;
  name[0] = '\0';
}

void NumberChannels() {
  for (std::uint32_t i = 0; i < 2; ++i) SoundChannels[i].SetChannelIndex(i);
}

void ReleaseChannels() {
  for (SoundChannel& channel : SoundChannels) channel.ReleasePlayer();
}

scenario::ScriptResult PlaySound(int channel, const char* name, int loop) {
  if (channel < 0 || channel > 1) return scenario::kGoOn;
  SoundChannel& target = SoundChannels[channel];
  target.StopChannel();
  if (SoundEnabled == 0) return scenario::kGoOn;
  // Holding Control fast-forwards the story and skips every sound.
  if (platform::Sys().KeyDown(platform::Key::Control)) return scenario::kGoOn;
  if (name == nullptr) return scenario::kGoOn;
  const char* base = channel == 0 ? EffectTable[EffectNumber(name)] : name;
  char fileName[kNameSize] = {};
  std::snprintf(fileName, sizeof fileName, "%s.wav", base);
  if (platform::Sys().IsLogging()) {
    platform::Sys().LogEvent("sound",
                             {platform::LogField::Number("channel", channel),
                              platform::LogField::Text("member", platform::Cp932ToUtf8Lossy(base)),
                              platform::LogField::Number("loop", loop)});
  }
  target.LoadSound(fileName);
  target.PlayChannel(loop);
  return scenario::kGoOn;
}

}  // namespace media
