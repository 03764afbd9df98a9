// The game binary started as a player would: without a display it must say so
// and end with code 1, never sit invisible or crash.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(GameProcess, WithoutAnyDisplayItSaysSoAndEndsWithCodeOne) {
  const cellwright_test::TempFolder temp;
  const std::string run = "cd '" + temp.Path() +
                          "' && mkdir -m 700 run && env -u DISPLAY -u WAYLAND_DISPLAY -u "
                          "SDL_VIDEODRIVER XDG_RUNTIME_DIR=\"$PWD/run\" '" CELLWRIGHT_GAME
                          "' 2>err.txt";
  const int status = std::system(run.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << status;
  const std::string said = cellwright_test::ReadBytes(temp.Path() + "/err.txt");
  EXPECT_NE(said.find("cellwright: cannot open a window"), std::string::npos) << said;
}

}  // namespace
