// The smallest data folder the game starts from: archives with no members and
// a start-up chime of 10 ms of silence as a loose override.
#pragma once

#include <sys/stat.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/files.h"
#include "tests/support/wav_file.h"

namespace cellwright_test {

// folder ends in '/' and exists.
inline void WriteSmallestDataFolder(const std::string& folder) {
  WriteBytes(folder + "bmp.arc", "");
  WriteBytes(folder + "wave.arc", "");
  mkdir((folder + "wave").c_str(), 0700);
  WriteWav(folder + "wave/13SE.WMA", std::vector<std::int16_t>(220), 22050, 1);
}

}  // namespace cellwright_test
