// What a save costs: one slot written whole, both fsyncs (the file's and its
// folder's) included, on the file system of the game's data folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/game_state.h"
#include "core/shell_state.h"
#include "game/save_slots.h"

namespace {

void BM_WriteSlot(benchmark::State& state) {
  core::GameStateRecord record{};
  record.date = 812;
  for (auto _ : state) {
    ++record.route[0].affection;
    if (game::WriteSlot(4, record) != 1) {
      state.SkipWithError("the slot was not written");
      return;
    }
  }
}
BENCHMARK(BM_WriteSlot)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
  std::string folder = std::string(CELLWRIGHT_GAMEDATA) + "../bench-saves-XXXXXX";
  if (mkdtemp(folder.data()) == nullptr) {
    std::fprintf(stderr, "cannot make a folder beside %s\n", CELLWRIGHT_GAMEDATA);
    return 1;
  }
  core::SaveFolder = folder + "/";
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
  return 0;
}
