#include "tools/databuild/movie_encode.h"

#include <cmath>
#include <fstream>

#include "tools/databuild/synth_wma.h"

namespace databuild::movie {
namespace {

constexpr double kPi = 3.14159265358979323846;

// The line-test stand or projector: a low motor drone and the shutter's
// clatter, which pulses at 24 Hz whatever the reel's own rate.
synth::Buffer Projector(double seconds, double level, std::uint32_t seed) {
  synth::Buffer motor = synth::Tone(synth::Wave::kSaw, seconds, 50.0);
  synth::LowPass(motor, 160.0);
  synth::Gain(motor, 0.5);
  synth::Buffer clatter = synth::WhiteNoise(seconds, seed);
  synth::BandPass(clatter, 2400.0, 1.5);
  synth::Shape(clatter, [](double t) {
    const double s = std::sin(2 * kPi * 24.0 * t);
    return 0.25 + 0.75 * std::pow(std::fmax(0.0, s), 6.0);
  });
  synth::Gain(clatter, 0.6);
  synth::Mix(motor, clatter, 0.0);
  synth::Gain(motor, level);
  return motor;
}

void Notes(synth::Buffer& into, const std::vector<double>& notes, double start, double step,
           int instrument, double gain) {
  for (std::size_t i = 0; i < notes.size(); ++i) {
    const double hz = synth::MidiHz(notes[i]);
    const double at = start + static_cast<double>(i) * step;
    synth::Buffer note;
    switch (instrument) {
      case 0:
        note = synth::Pluck(hz, step * 1.6, static_cast<std::uint32_t>(i + 7));
        break;
      case 1:
        note = synth::Brass(hz, step * 0.95);
        break;
      default:
        note = synth::Bell(hz, step * 2.0);
        break;
    }
    synth::Mix(into, note, at, gain);
  }
}

}  // namespace

synth::Buffer RenderCue(const Reel& reel) {
  const double seconds = Seconds(reel);
  std::uint32_t seed = 7;
  for (const char c : reel.key) seed = seed * 31u + static_cast<unsigned char>(c);
  synth::Buffer mix;
  switch (reel.stage) {
    case Stage::kLineTest:
    case Stage::kKey: {
      mix = Projector(seconds, 0.5, seed);
      // The slate's clapper closes on frame 9.
      synth::Mix(mix, synth::Click(0.08, 1800.0, seed + 1), 9.0 / reel.fps, 1.2);
      break;
    }
    case Stage::kRush: {
      mix = Projector(seconds, 0.35, seed);
      // A temporary track: a plain plucked line, no mix yet.
      const std::vector<double> line = reel.film == 0
                                           ? std::vector<double>{60, 64, 67, 72, 67, 64, 65, 69, 72}
                                           : std::vector<double>{62, 65, 67, 69, 72, 69, 67, 65};
      Notes(mix, line, 0.8, 0.9, 0, 0.5);
      break;
    }
    case Stage::kPrint: {
      mix = Projector(seconds, 0.12, seed);
      if (reel.film == 0) {
        // A fanfare under the title, then a bright bell tune.
        Notes(mix, {60, 64, 67, 72}, 0.7, 0.45, 1, 0.5);
        Notes(mix, {72, 74, 76, 79, 76, 74, 72, 74, 76, 72, 67, 72}, 3.2, 0.6, 2, 0.45);
      } else {
        // A drone and a slow biwa-like pluck in a minor pentatonic.
        synth::Mix(mix, synth::Pad(synth::MidiHz(50), seconds - 1.0), 0.5, 0.35);
        Notes(mix, {62, 65, 67, 69, 67, 65, 62, 60, 62, 69, 67, 62}, 1.5, 0.8, 0, 0.55);
      }
      break;
    }
  }
  synth::Finish(mix);
  mix.resize(synth::Samples(seconds), 0.0);
  return mix;
}

std::vector<std::string> MovieEncodeCommand(const std::filesystem::path& frames,
                                            const std::filesystem::path& wav, int fps,
                                            const std::filesystem::path& out) {
  // One thread and bitexact everywhere keep encoder strings and thread timing
  // out of the bytes: the same frames and sound always give the same file.
  const std::string size = std::to_string(kWidth) + "x" + std::to_string(kHeight);
  return {"ffmpeg",
          "-hide_banner",
          "-loglevel",
          "error",
          "-nostdin",
          "-y",
          "-threads",
          "1",
          "-f",
          "rawvideo",
          "-pix_fmt",
          "rgb24",
          "-s",
          size,
          "-r",
          std::to_string(fps),
          "-i",
          frames.string(),
          "-i",
          wav.string(),
          "-map",
          "0:v",
          "-map",
          "1:a",
          "-c:v",
          "mpeg4",
          "-vtag",
          "XVID",
          "-q:v",
          "5",
          "-threads",
          "1",
          "-c:a",
          "adpcm_ms",
          "-fflags",
          "+bitexact",
          "-flags:v",
          "+bitexact",
          "-flags:a",
          "+bitexact",
          "-map_metadata",
          "-1",
          out.string()};
}

std::optional<std::vector<std::uint8_t>> EncodeReel(const Reel& reel,
                                                    const std::filesystem::path& workDir,
                                                    std::string* error) {
  const std::filesystem::path frames = workDir / "frames.rgb";
  const std::filesystem::path wav = workDir / "audio.wav";
  const std::filesystem::path avi = workDir / "movie.avi";
  {
    std::ofstream out(frames, std::ios::binary | std::ios::trunc);
    for (int frame = 0; frame < reel.frames && out; ++frame) {
      const std::vector<std::uint8_t> rgb = DrawFrame(reel, frame);
      out.write(reinterpret_cast<const char*>(rgb.data()),
                static_cast<std::streamsize>(rgb.size()));
    }
    if (!out) {
      *error = "cannot write " + frames.string();
      return std::nullopt;
    }
  }
  const std::vector<std::int16_t> pcm = synth::ToPcm(RenderCue(reel));
  if (!synth::WriteFile(wav, synth::WavBytes(pcm, synth::kSampleRate), error)) return std::nullopt;
  if (!synth::RunTool(MovieEncodeCommand(frames, wav, reel.fps, avi), error)) return std::nullopt;
  std::error_code ignored;
  std::filesystem::remove(frames, ignored);
  return synth::ReadFile(avi, error);
}

std::optional<std::vector<std::uint8_t>> GenerateMovie(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error) {
  if (asset.format != "avi") {
    *error = "movie '" + asset.name + "': format must be avi, not '" + asset.format + "'";
    return std::nullopt;
  }
  const Reel* reel = FindReel(asset.source);
  if (reel == nullptr) {
    std::string known;
    for (const Reel& r : AllReels()) known += (known.empty() ? "" : ", ") + std::string(r.key);
    *error = "movie '" + asset.name + "': no reel named '" + asset.source + "' (" + known + ")";
    return std::nullopt;
  }
  return EncodeReel(*reel, context.workDir, error);
}

}  // namespace databuild::movie
