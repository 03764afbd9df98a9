#include "tests/databuild_music/music_pieces.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace musictest {

std::vector<std::string> PieceNames() {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(DataDir() / "music")) {
    if (entry.path().extension() == ".txt") names.push_back(entry.path().stem().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace musictest
