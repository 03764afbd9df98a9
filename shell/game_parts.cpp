#include "shell/program.h"
#include "shell/screens.h"
#include "story/scenario_list.h"

namespace shell {

ProgramParts GameParts() {
  return {OpeningLogo, TitleMenu, story::StoryScenarios};
}

}  // namespace shell
