// What a page of story costs: the full redraw after a picture change (every
// picture read again from the archive, as there is no cache) and laying out one
// line of text. Runs on the headless backend with the built game data.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/headless_world.h"
#include "core/shell_state.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/surface.h"
#include "media/resource_file.h"
#include "platform/encoding.h"

namespace {

bool OpenGameData(bench::HeadlessWorld& world) {
  return world.SetUp(CELLWRIGHT_GAMEDATA) && media::OpenResourceArchives();
}

// The office with Koyori and Hotaru side by side, the window dimmed, a line of
// text on it: the busiest stage the story shows.
void BM_RefreshBackgroundAndTwoPortraits(benchmark::State& state) {
  core::GameRunning = 1;
  display::SetLayerPicture(0, "bg034");
  display::SetLayerPicture(1, "kot001");
  display::SetLayerPicture(2, "hot001");
  if (!display::LayerSlots[0].HasPixels() || !display::LayerSlots[2].HasPixels()) {
    state.SkipWithError("the pictures did not load");
    return;
  }
  const std::string line = platform::Sjis("こより「おはようございます、早瀬くん！」");
  display::AddTextLine(line.c_str());
  for (auto _ : state) {
    display::Refresh();
    benchmark::DoNotOptimize(display::Screen.Pixels());
    benchmark::ClobberMemory();
  }
  display::ResetMessageWindow();
}
BENCHMARK(BM_RefreshBackgroundAndTwoPortraits)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

// 26 full-width characters: one full row. The window is already open, as it is
// for every line after a page's first.
void BM_AddTextLineOfTwentySixCharacters(benchmark::State& state) {
  const std::string line = platform::Sjis("夕凪動画の事務所。扇風機の風が、机に積まれたカット袋");
  display::ResetMessageWindow();
  display::AddTextLine(line.c_str());  // the glyphs are cached from here on
  for (auto _ : state) {
    display::MessageWindow.row = 0;  // never reach the page's end, which would wait
    display::MessageWindow.column = 0;
    benchmark::DoNotOptimize(display::AddTextLine(line.c_str()));
  }
  display::ResetMessageWindow();
}
BENCHMARK(BM_AddTextLineOfTwentySixCharacters)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  bench::HeadlessWorld world;
  if (!OpenGameData(world)) {
    std::fprintf(stderr, "could not open the game data in %s\n", CELLWRIGHT_GAMEDATA);
    world.TearDown();
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  world.TearDown();
  return 0;
}
