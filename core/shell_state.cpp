#include "core/shell_state.h"

#include "core/frame_pump.h"

namespace core {

int AppActive = 1;
int QuitReceived = 0;
int GameRunning = 0;
int MouseX = 0;
int MouseY = 0;
int MouseButtons = 0;
std::string InstallFolder;
std::string MediaFolder;
std::string SaveFolder;
std::string WindowsFolder;

void ResetShellState() {
  AppActive = 1;
  QuitReceived = 0;
  GameRunning = 0;
  MouseX = MouseY = MouseButtons = 0;
  InstallFolder.clear();
  MediaFolder.clear();
  SaveFolder.clear();
  WindowsFolder.clear();
  InputHeld = InputPressed = InputPrevious = 0;
  FrameTick = 0;
}

}  // namespace core
