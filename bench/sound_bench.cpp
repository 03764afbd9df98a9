// What sound costs: a voice line from PlaySound to its first samples in the
// mix, decoding a minute of WMA, and one movie picture decoded and scaled.
// Runs on the headless backend with the built game data.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "bench/headless_world.h"
#include "core/shell_state.h"
#include "media/resource_file.h"
#include "media/sound_channel.h"
#include "platform/audio/sound_decoder.h"

namespace {

bench::HeadlessWorld World;
std::string MinuteOfWma;

// The whole cost the story pays for a voice line: stopping the last one, the
// copy to the channel's file, opening the decoder, starting the worker, and
// the first millisecond of mix.
void BM_PlaySoundToItsFirstSamples(benchmark::State& state) {
  for (auto _ : state) {
    media::PlaySound(1, "ko0235", 0);
    World.System().AdvanceClock(1);
  }
  media::ReleaseChannels();
}
BENCHMARK(BM_PlaySoundToItsFirstSamples)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// times_real_time: seconds of sound decoded per second.
void BM_DecodeAMinuteOfWma(benchmark::State& state) {
  std::vector<std::int16_t> out(4096 * 2);
  for (auto _ : state) {
    const auto decoder =
        platform::audio::SoundDecoder::Open(MinuteOfWma, platform::audio::kSoundFormats, nullptr);
    if (!decoder) {
      state.SkipWithError("the minute of WMA does not decode");
      return;
    }
    while (decoder->Read(out.data(), 4096) > 0) {
    }
  }
  state.counters["times_real_time"] = benchmark::Counter(
      60.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_DecodeAMinuteOfWma)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One picture of a 12-frames-a-second reel, decoded and scaled to 320x240.
void BM_MoviePictureDecodedAndScaled(benchmark::State& state) {
  std::vector<std::uint32_t> pixels(320 * 240);
  const std::string path = core::InstallFolder + "MOVIE/zgagasyo.ARC";
  std::unique_ptr<platform::MovieFile> movie;
  std::uint32_t ms = 0;
  for (auto _ : state) {
    if (!movie || movie->EndedAt(ms)) {
      state.PauseTiming();
      movie = World.System().GetAudio().OpenMovie(path);
      ms = 0;
      state.ResumeTiming();
      if (!movie) {
        state.SkipWithError("the reel does not open");
        return;
      }
    }
    ms += 84;
    benchmark::DoNotOptimize(movie->PictureAt(ms, pixels.data(), 320, 320, 240));
  }
}
BENCHMARK(BM_MoviePictureDecodedAndScaled)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

bool MakeMinuteOfWma() {
  MinuteOfWma = World.Root() + "minute.wma";
  const std::string command =
      "ffmpeg -hide_banner -loglevel error -nostdin -y -f lavfi "
      "-i sine=frequency=440:sample_rate=22050:duration=60 -ac 1 -c:a wmav2 -b:a 64k " +
      MinuteOfWma;
  return std::system(command.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!World.SetUp(CELLWRIGHT_GAMEDATA) || !media::OpenResourceArchives() || !MakeMinuteOfWma()) {
    std::fprintf(stderr, "could not set up the game data in %s and a minute of WMA\n",
                 CELLWRIGHT_GAMEDATA);
    World.TearDown();
    return 1;
  }
  core::WindowsFolder = World.System().PrivateTempFolder();
  media::NumberChannels();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  media::ReleaseChannels();
  World.TearDown();
  return 0;
}
