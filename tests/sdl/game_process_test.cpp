// The game binary started as a player would: without a display it must say so
// and end with code 1, never sit invisible or crash.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/temp_folder.h"

namespace {

int RunShell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(GameProcess, WithoutAnyDisplayItSaysSoAndEndsWithCodeOne) {
  cellwright_test::TempFolder temp;
  const std::string runtime = temp.Path() + "/runtime";
  const std::string command = "cd '" + temp.Path() +
                              "' && mkdir -m 700 runtime && env -u DISPLAY -u WAYLAND_DISPLAY "
                              "-u SDL_VIDEODRIVER XDG_RUNTIME_DIR='" +
                              runtime + "' '" + CELLWRIGHT_GAME + "' >out.txt 2>err.txt";
  EXPECT_EQ(RunShell(command), 1);
  std::ifstream err(temp.Path() + "/err.txt");
  std::stringstream text;
  text << err.rdbuf();
  EXPECT_NE(text.str().find("cellwright: cannot open a window"), std::string::npos) << text.str();
}

}  // namespace
