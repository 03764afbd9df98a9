#include "core/frame_pump.h"
#include "shell/program.h"
#include "story/scenario_list.h"

namespace shell {

namespace {

// Until the opening logo and the title menu are built, the program shows its
// empty window and waits for the player to close it.
int AwaitCloseOnEmptyWindow() {
  while (core::WaitFrame() != 0) {
  }
  return 0;
}

int NoOpeningLogoYet() {
  return 1;
}

}  // namespace

ProgramParts GameParts() {
  return {NoOpeningLogoYet, AwaitCloseOnEmptyWindow, story::StoryScenarios};
}

}  // namespace shell
