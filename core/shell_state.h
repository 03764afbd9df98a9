// Process-wide state of the program; main thread only. The window procedure
// writes the input and activity fields, start-up the folders.
#pragma once

#include <string>

namespace core {

extern int AppActive;     // 1 while the window is the active one
extern int QuitReceived;  // set once the quit message is taken; never cleared
extern int GameRunning;   // 1 while a chain of scenarios runs
extern int MouseX;
extern int MouseY;
extern int MouseButtons;  // KeyOk bit: left down, KeyCancel bit: right down

// Each ends in '/'. WindowsFolder is the private folder for temporary files
// (empty when none could be made: the game then plays no sound).
extern std::string InstallFolder;
extern std::string MediaFolder;  // empty when no disc is mounted
extern std::string SaveFolder;
extern std::string WindowsFolder;

// Back to the values of a fresh process; for tests that run many cases in one.
void ResetShellState();

}  // namespace core
