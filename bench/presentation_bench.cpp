// What a page of story costs: the full redraw after a picture change (every
// picture read again from the archive, as there is no cache) and laying out one
// line of text. Runs on the headless backend with the built game data.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "display/message_window.h"
#include "display/stage.h"
#include "display/surface.h"
#include "media/resource_file.h"
#include "platform/encoding.h"
#include "platform/headless/headless_system.h"
#include "shell/shell_state.h"

namespace {

struct World {
  std::string scratch;
  std::unique_ptr<platform::headless::HeadlessSystem> system;
};

bool SetUpWorld(World& world) {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "cellwright-bench-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return false;
  world.scratch = pattern + "/";
  platform::headless::HeadlessOptions options;
  options.installFolder = CELLWRIGHT_GAMEDATA;
  options.saveFolder = world.scratch;
  options.tempFolder = world.scratch;
  options.instanceFolder = world.scratch + "instance/";
  world.system = std::make_unique<platform::headless::HeadlessSystem>(options);
  platform::SetSystem(world.system.get());
  if (!world.system->CreateMainWindow("Cellwright") || !display::InitDisplay()) return false;
  shell::InstallFolder = world.system->CurrentFolder();
  return media::OpenResourceArchives();
}

void TearDownWorld(World& world) {
  display::ShutdownDisplay();
  platform::SetSystem(nullptr);
  world.system.reset();
  std::error_code ignored;
  std::filesystem::remove_all(world.scratch, ignored);
}

// The office with Koyori and Hotaru side by side, the window dimmed, a line of
// text on it: the busiest stage the story shows.
void BM_RefreshBackgroundAndTwoPortraits(benchmark::State& state) {
  shell::GameRunning = 1;
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
  World world;
  if (!SetUpWorld(world)) {
    std::fprintf(stderr, "could not open the game data in %s\n", CELLWRIGHT_GAMEDATA);
    TearDownWorld(world);
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  TearDownWorld(world);
  return 0;
}
