// One whole game, new game to the last day's ending, headless with Control held:
// a player who does every day's work, answering as the explorer's players do.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>
#include <string>

#include "tools/explore/policy.h"
#include "tools/explore/session.h"

namespace {

std::string Scratch() {
  std::string folder = (std::filesystem::temp_directory_path() / "bench-game-XXXXXX").string();
  if (mkdtemp(folder.data()) == nullptr) return {};
  for (const char* sub : {"/save", "/temp", "/instance"}) mkdir((folder + sub).c_str(), 0700);
  return folder;
}

void BM_WholeGame(benchmark::State& state) {
  const std::string scratch = Scratch();
  const explore::SessionFolders folders{CELLWRIGHT_GAMEDATA, scratch};
  std::size_t answers = 0;
  for (auto _ : state) {
    std::mt19937 random(1);
    explore::TriedAnswers tried;
    const explore::Playout game = explore::Play(
        folders, explore::NewGame(),
        [&](const explore::Prompt& prompt, const core::GameStateRecord& record) {
          return explore::Answer(prompt, record, {1.0, true}, tried, random);
        },
        5000);
    if (game.ending.empty()) {
      state.SkipWithError("the game reached no ending");
      break;
    }
    answers = game.decisions.size();
  }
  state.counters["answers"] = static_cast<double>(answers);
  std::error_code ec;
  std::filesystem::remove_all(scratch, ec);
}
BENCHMARK(BM_WholeGame)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
