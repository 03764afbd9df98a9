#include <memory>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "display/message_window.h"
#include "display/stage.h"
#include "display/surface.h"
#include "game/save_slots.h"
#include "media/resource_file.h"
#include "media/sound_channel.h"
#include "platform/encoding.h"
#include "platform/system.h"
#include "scenario/scenario_table.h"
#include "shell/folders.h"
#include "shell/program.h"
#include "shell/screens.h"
#include "shell/window_proc.h"

namespace shell {

namespace {

constexpr std::uint32_t kStartupPollMs = 10;

void Tell(const char* utf8Text) {
  platform::ShowGameBox(platform::Sjis(utf8Text));
}

// The routine a game starts with, or null when there is none to start.
scenario::ScenarioRoutine PickStart(const ProgramParts& parts) {
  for (;;) {
    const int choice = parts.titleMenu();
    if (choice == 0 || choice == 5) return nullptr;
    if (choice == 1) {
      const scenario::ScenarioEntry& first = scenario::ScenarioTable[0];
      core::SetUpNewGame(core::GameState, first.name != nullptr ? first.name : "s0");
      // The movies and pictures unlocked in every game before this one.
      core::GameStateRecord system{};
      if (game::ReadSlot(0, system) == 1) core::MergePersistent(core::GameState, system);
      if (first.routine != nullptr) return first.routine;
      scenario::FindScenario();  // tells the player the first scenario is missing
      continue;
    }
    if (choice == 2) {
      const int index = scenario::FindScenario();
      if (index >= 0) return scenario::ScenarioTable[index].routine;
    }
    if (core::QuitReceived != 0) return nullptr;
  }
}

// The start-up chime on a channel of its own, which is how the design checked
// for a working media framework: a chime that does not decode asks whether to
// go on without sound. False when the player chose to end the program. A sound
// device is not needed: without one the chime plays, unheard, for as long.
bool StartupSoundPlays() {
  if (core::WindowsFolder.empty()) return true;  // no private folder: no sound at all
  media::SoundChannel startup;
  startup.SetChannelIndex(0);
  startup.LoadSound("13SE.wav");
  if (startup.PlayChannel(0) == 0) {
    const platform::BoxAnswer answer = platform::ShowGameBox(
        platform::Sjis("メディアプレーヤーをインストールしてください\n"
                       "このまま「いいえ」を選択すると音声の再生はされませんが続行します"),
        platform::BoxButtons::YesNo);
    if (answer == platform::BoxAnswer::Yes) return false;
  }
  while (startup.IsChannelPlaying() != 0) platform::Sys().Sleep(kStartupPollMs);
  startup.ReleasePlayer();
  return true;
}

void ReleaseAllSlots() {
  for (display::Surface& slot : display::LayerSlots) slot.Release();
}

void RunTopLevelLoop(const ProgramParts& parts) {
  for (;;) {
    if (parts.openingLogo() == 0) return;
    const scenario::ScenarioRoutine start = PickStart(parts);
    if (start == nullptr) return;
    display::ClearStage();
    core::GameRunning = 1;
    ReleaseAllSlots();
    const scenario::ScriptResult result = scenario::RunScenarioChain(start);
    if (result == scenario::kQuit) return;
    ReleaseAllSlots();
    core::GameRunning = 0;
  }
}

}  // namespace

int RunProgram(const ProgramParts& parts) {
  platform::System& sys = platform::Sys();
  const std::unique_ptr<platform::InstanceLock> instance = sys.AcquireInstance("CellwrightMutex");
  if (instance->AlreadyRunning()) {
    instance->BringRunningCopyForward();
    return 1;
  }
  if (!sys.CreateMainWindow(platform::kProductName)) return 1;
  core::Hooks.windowProcedure = WindowProc;

  if (!display::InitDisplay()) {
    Tell("DirectX をインストールしてください");
  } else {
    media::NumberChannels();
    LocateFolders();
    if (!media::OpenResourceArchives()) {
      Tell("データが見つかりません。ＣＤを挿入して下さい");
    } else if (StartupSoundPlays()) {
      game::EnsureSystemRecord();
      scenario::ScenarioTable = parts.scenarios;
      display::SystemMenu = SystemMenu;
      RunTopLevelLoop(parts);
    }
  }

  // A quit has already released everything through the window's destruction.
  DestroyMainWindow();
  return 0;
}

}  // namespace shell
