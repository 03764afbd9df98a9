// The engine reaches the OS only through platform/: no engine folder may
// include the libraries that the backends wrap.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace {

const std::regex kForbidden(
    R"(#\s*include\s*[<"](SDL|SDL2/|libav|libsw|fluidsynth|ft2build|freetype|fontconfig))");

bool IncludesOsLibrary(const std::string& line) {
  return std::regex_search(line, kForbidden);
}

TEST(Layering, ThePatternCatchesEveryWrappedLibrary) {
  EXPECT_TRUE(IncludesOsLibrary("#include <SDL.h>"));
  EXPECT_TRUE(IncludesOsLibrary("#include <SDL2/SDL.h>"));
  EXPECT_TRUE(IncludesOsLibrary("#  include \"libavformat/avformat.h\""));
  EXPECT_TRUE(IncludesOsLibrary("#include <libswresample/swresample.h>"));
  EXPECT_TRUE(IncludesOsLibrary("#include <fluidsynth.h>"));
  EXPECT_TRUE(IncludesOsLibrary("#include <ft2build.h>"));
  EXPECT_TRUE(IncludesOsLibrary("#include <fontconfig/fontconfig.h>"));
  EXPECT_FALSE(IncludesOsLibrary("#include \"platform/system.h\""));
  EXPECT_FALSE(IncludesOsLibrary("#include <string>"));
}

TEST(Layering, NoEngineFolderIncludesAnOsLibrary) {
  const std::filesystem::path root = CELLWRIGHT_SOURCE_DIR;
  int scanned = 0;
  for (const char* folder : {"shell", "kiln", "scenario", "display", "media", "game", "story"}) {
    if (!std::filesystem::exists(root / folder)) continue;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / folder)) {
      const auto ext = entry.path().extension();
      if (ext != ".cpp" && ext != ".h") continue;
      ++scanned;
      std::ifstream file(entry.path());
      std::string line;
      int number = 0;
      while (std::getline(file, line)) {
        ++number;
        EXPECT_FALSE(IncludesOsLibrary(line)) << entry.path() << ":" << number << ": " << line;
      }
    }
  }
  EXPECT_GT(scanned, 5);
}

}  // namespace
