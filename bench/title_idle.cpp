// A game left at its title menu: the share of one core and the resident memory
// over ten seconds, on the SDL backend with the built game data. The title
// plays "bgm01"; without a soundfont installed it is silent.
//
//   SDL_AUDIODRIVER=dummy xvfb-run -a build/default/bench/bench_title_idle
#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "platform/sdl/sdl_system.h"
#include "shell/program.h"
#include "shell/screens.h"
#include "story/scenario_list.h"

namespace {

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
  }
  return 0;
}

// Settles past the logo and the chime, measures, and ends the process: the
// title menu itself waits for a player that never comes.
void Measure() {
  std::this_thread::sleep_for(std::chrono::seconds(4));
  const double cpu = CpuSeconds();
  const auto start = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::seconds(10));
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("at the title: %.2f %% of one core, %.1f MB resident\n",
              100.0 * (CpuSeconds() - cpu) / wall, ResidentMegabytes());
  std::fflush(stdout);
  _exit(0);
}

}  // namespace

int main() {
  if (chdir(CELLWRIGHT_GAMEDATA) != 0) return 1;
  const std::unique_ptr<platform::System> system = platform::sdl::CreateSdlSystem();
  platform::SetSystem(system.get());
  std::thread(Measure).detach();
  shell::RunProgram({shell::OpeningLogo, shell::TitleMenu, story::StoryScenarios});
  return 1;  // the program ended before the measure did
}
