// The game. It takes no options and reads no settings: everything it needs is
// found from the folder it was started in.
#include "platform/sdl/sdl_system.h"
#include "shell/program.h"

int main() {
  const std::unique_ptr<platform::System> system = platform::sdl::CreateSdlSystem();
  platform::SetSystem(system.get());
  const int code = shell::RunProgram(shell::GameParts());
  platform::SetSystem(nullptr);
  return code;
}
