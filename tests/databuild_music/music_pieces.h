// The pieces under data/music/ and the rows of data/manifest/music.tsv.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace musictest {

inline std::filesystem::path DataDir() {
  return std::filesystem::path(CELLWRIGHT_SOURCE_DIR) / "data";
}

// Every notation file's stem, sorted.
std::vector<std::string> PieceNames();

std::string ReadText(const std::filesystem::path& path);

}  // namespace musictest
