#include "platform/audio/midi_synth.h"

#include <fluidsynth.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace platform::audio {

struct MidiSynth::Fluid {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_player_t* player = nullptr;

  // The piece goes and every note with it, at once.
  void Silence() {
    if (player != nullptr) {
      fluid_player_stop(player);
      delete_fluid_player(player);
      player = nullptr;
    }
    if (synth != nullptr) fluid_synth_all_sounds_off(synth, -1);
  }

  ~Fluid() {
    Silence();
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
  }
};

namespace {

// FluidSynth reports through its own logger; its warnings about a soundfont's
// quirks are not the player's business.
void Quiet(int, const char*, void*) {}

}  // namespace

std::string FindSoundfont() {
  std::vector<std::string> folders = {"/usr/share/sounds/sf2", "/usr/share/soundfonts",
                                      "/usr/local/share/sounds/sf2", "/usr/local/share/soundfonts"};
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] == '/') {
    folders.push_back(std::string(home) + "/.local/share/soundfonts");
  }
  return FindSoundfont(folders);
}

std::string FindSoundfont(const std::vector<std::string>& folders) {
  // The better font wins wherever it is: FluidR3 sounds far richer.
  for (const char* name : {"FluidR3_GM.sf2", "TimGM6mb.sf2"}) {
    for (const std::string& folder : folders) {
      const std::string path = folder + "/" + name;
      std::error_code ec;
      if (std::filesystem::is_regular_file(path, ec)) return path;
    }
  }
  return {};
}

MidiSynth::MidiSynth(Mixer& mixer, std::function<void()> onEnd)
    : mixer_(mixer), onEnd_(std::move(onEnd)) {}

MidiSynth::~MidiSynth() {
  mixer_.Remove(this);
}

bool MidiSynth::Ready() {
  if (fluid_ != nullptr) return true;
  if (tried_) return false;
  tried_ = true;
  const std::string soundfont = FindSoundfont();
  if (soundfont.empty()) {
    std::fprintf(stderr, "cellwright: no General MIDI soundfont found; playing without music\n");
    return false;
  }
  for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) {
    fluid_set_log_function(level, Quiet, nullptr);
  }
  auto fluid = std::make_unique<Fluid>();
  fluid->settings = new_fluid_settings();
  fluid_settings_setnum(fluid->settings, "synth.sample-rate", kSynthRate);
  fluid_settings_setnum(fluid->settings, "synth.gain", kMusicGain);
  fluid_settings_setstr(fluid->settings, "player.timing-source", "sample");
  // A large soundfont then costs only the instruments a piece uses.
  fluid_settings_setint(fluid->settings, "synth.dynamic-sample-loading", 1);
  // Pinning every sample as it loads costs an mlock per instrument, a stall
  // at each new piece, and fails under the usual 8 MB memlock limit anyway.
  fluid_settings_setint(fluid->settings, "synth.lock-memory", 0);
  // The chorus costs about a third of the render and the pieces do not need it.
  fluid_settings_setint(fluid->settings, "synth.chorus.active", 0);
  // The busiest piece sounds 126 voices at its peak, release tails included;
  // the default 256 only costs memory.
  fluid_settings_setint(fluid->settings, "synth.polyphony", 128);
  fluid->synth = new_fluid_synth(fluid->settings);
  if (fluid->synth == nullptr ||
      fluid_synth_sfload(fluid->synth, soundfont.c_str(), 1) == FLUID_FAILED) {
    std::fprintf(stderr, "cellwright: cannot load the soundfont %s; playing without music\n",
                 soundfont.c_str());
    return false;
  }
  // Linear interpolation: at half the mix rate the default fourth-order one
  // costs a fifth more and is not heard.
  fluid_synth_set_interp_method(fluid->synth, -1, FLUID_INTERP_LINEAR);
  mixer_.Exclusive([&] { fluid_ = std::move(fluid); });
  mixer_.Add(std::shared_ptr<MixSource>(this, [](MixSource*) {}));
  return true;
}

void MidiSynth::Play(const std::string& path) {
  if (!Ready()) return;
  mixer_.Exclusive([&] {
    Fluid& f = *fluid_;
    f.Silence();
    f.player = new_fluid_player(f.synth);
    if (f.player == nullptr || fluid_player_add(f.player, path.c_str()) != FLUID_OK ||
        fluid_player_play(f.player) != FLUID_OK) {
      if (f.player != nullptr) delete_fluid_player(f.player);
      f.player = nullptr;
    }
    endTold_ = false;
    totalTicks_ = 0;
  });
}

void MidiSynth::Stop() {
  if (fluid_ == nullptr) return;
  mixer_.Exclusive([&] {
    fluid_->Silence();
    endTold_ = true;
  });
}

bool MidiSynth::Silent() const {
  return fluid_ == nullptr ||
         (fluid_->player == nullptr && fluid_synth_get_active_voice_count(fluid_->synth) == 0);
}

void MidiSynth::MixInto(std::int32_t* acc, std::size_t frames) {
  if (fluid_ == nullptr) return;
  Fluid& f = *fluid_;
  // Nothing sounding and nothing to play: skip the render, idle costs nothing.
  if (f.player == nullptr && fluid_synth_get_active_voice_count(f.synth) == 0) return;
  std::size_t out = 0;
  if (oddFrameKept_ && frames > 0) {
    acc[0] += kept_[0];
    acc[1] += kept_[1];
    oddFrameKept_ = false;
    out = 1;
  }
  // Each synthesiser frame gives two: halfway from the one before, then itself.
  const std::size_t wanted = (frames - out + 1) / 2;
  rendered_.resize(wanted * 2);
  fluid_synth_write_s16(f.synth, static_cast<int>(wanted), rendered_.data(), 0, 2, rendered_.data(),
                        1, 2);
  for (std::size_t k = 0; k < wanted; ++k) {
    const std::int16_t* now = rendered_.data() + 2 * k;
    for (int c = 0; c < 2; ++c) {
      const auto between = static_cast<std::int16_t>((last_[c] + now[c]) / 2);
      acc[2 * out + static_cast<std::size_t>(c)] += between;
      if (out + 1 < frames) {
        acc[2 * (out + 1) + static_cast<std::size_t>(c)] += now[c];
      } else {
        kept_[c] = now[c];
        oddFrameKept_ = true;
      }
      last_[c] = now[c];
    }
    out += 2;
  }
  if (f.player != nullptr && !endTold_) {
    if (totalTicks_ <= 0) totalTicks_ = fluid_player_get_total_ticks(f.player);
    const int total = totalTicks_;
    // The player's own "done" comes seconds after the last note; the tick
    // count tells the end when it happens. A file that never loaded is done
    // with no ticks at all: that is no natural end, and must not loop.
    if (total > 0 && fluid_player_get_current_tick(f.player) >= total) {
      endTold_ = true;
      if (onEnd_) onEnd_();
    } else if (fluid_player_get_status(f.player) == FLUID_PLAYER_DONE) {
      endTold_ = true;
    }
  }
}

}  // namespace platform::audio
