// A game sitting at a prompt must cost next to nothing: the frame pump blocks in
// WaitMessage between 32 ms ticks instead of spinning. Measures the share of one
// core and the resident memory over a stretch of pure waiting, silent and with
// a piece of the game's music playing (FluidR3 GM where installed, else TimGM6mb).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "media/music.h"
#include "platform/sdl/sdl_system.h"
#include "platform/system.h"

namespace {

double Seconds(const timeval& t) {
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double CpuSeconds(const rusage& usage) {
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

// CELLWRIGHT_IDLE_SECONDS shortens the run for a quick look; 10 s by default.
double WaitSeconds() {
  const char* value = std::getenv("CELLWRIGHT_IDLE_SECONDS");
  const double seconds = value != nullptr ? std::strtod(value, nullptr) : 0;
  return seconds > 0 ? seconds : 10;
}

void IdleWait(benchmark::State& state, const char* music) {
  const std::unique_ptr<platform::System> system = platform::sdl::CreateSdlSystem();
  platform::SetSystem(system.get());
  if (!system->CreateMainWindow("Cellwright")) {
    state.SkipWithError("no display: run under xvfb-run -a or with SDL_VIDEODRIVER=dummy");
    platform::SetSystem(nullptr);
    return;
  }
  std::uint32_t* screen = system->ScreenPixels();
  for (int y = 0; y < platform::kScreenHeight; ++y) {
    for (int x = 0; x < platform::kScreenWidth; ++x) {
      screen[y * platform::kScreenWidth + x] =
          static_cast<std::uint32_t>(((x * 255 / 639) << 16) | ((y * 255 / 479) << 8) | 0x40);
    }
  }
  system->Present();
  core::InstallFolder = CELLWRIGHT_GAMEDATA;
  if (music != nullptr) media::PlayMusic(music);

  const auto span = std::chrono::duration<double>(WaitSeconds());
  double cpu = 0;
  double wall = 0;
  long switches = 0;
  std::int64_t frames = 0;
  for (auto _ : state) {
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < span) {
      if (core::WaitFrame() == 0) break;
      ++frames;
    }
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    cpu = CpuSeconds(after) - CpuSeconds(before);
    switches = after.ru_nvcsw - before.ru_nvcsw;
  }
  state.counters["cpu_share_pct"] = wall > 0 ? 100.0 * cpu / wall : 0;
  state.counters["rss_mb"] = ResidentMegabytes();
  state.counters["frames_per_s"] = wall > 0 ? static_cast<double>(frames) / wall : 0;
  state.counters["wakeups_per_s"] = wall > 0 ? static_cast<double>(switches) / wall : 0;

  media::PlayMusic(nullptr);
  system->DestroyMainWindow();
  platform::SetSystem(nullptr);
}

void BM_IdleWait(benchmark::State& state) {
  IdleWait(state, nullptr);
}
BENCHMARK(BM_IdleWait)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

void BM_IdleWaitWithMusic(benchmark::State& state) {
  IdleWait(state, "bgm01");
}
BENCHMARK(BM_IdleWaitWithMusic)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
