// Shared by the sound tests: the effects manifest and ffmpeg round trips.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/databuild/asset.h"

namespace sound_test {

std::vector<databuild::Asset> LoadEffectsManifest();

// A fresh empty folder for one test, removed when the object goes.
class ScratchDir {
 public:
  explicit ScratchDir(const std::string& name);
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Decodes a WMA file with ffmpeg to mono 16-bit samples at its own rate.
std::optional<std::vector<std::int16_t>> DecodeWma(const std::filesystem::path& wma,
                                                   std::string* error);

}  // namespace sound_test
