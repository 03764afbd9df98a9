// Process-wide state of the shell; main thread only.
#pragma once

#include <string>

namespace shell {

extern int AppActive;     // 1 while the window is the active one
extern int QuitReceived;  // set once the quit message is taken; never cleared
extern int GameRunning;   // 1 while a chain of scenarios runs
extern int MouseX;
extern int MouseY;
extern int MouseButtons;  // KeyOk bit: left down, KeyCancel bit: right down

// Each ends in '/'. WindowsFolder is the private folder for temporary files.
extern std::string InstallFolder;
extern std::string MediaFolder;  // empty when no disc is mounted
extern std::string SaveFolder;
extern std::string WindowsFolder;

inline constexpr const char* kProductName = "Cellwright";

// Back to the values of a fresh process; for tests that run many cases in one.
void ResetShellState();

}  // namespace shell
