// Sounds decoded the way the game will hand them to FFmpeg, for tests that
// check a sound file, or a movie's sound track, really plays.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace cellwright_test {

// The file's first audio stream as mono 16-bit samples at rate Hz, decoded by
// the ffmpeg program; nullopt, with what ffmpeg said in *error, when it fails.
std::optional<std::vector<std::int16_t>> DecodeSound(const std::string& path, int rate,
                                                     std::string* error);

// The same for a file's bytes held in memory.
std::optional<std::vector<std::int16_t>> DecodeSoundBytes(const std::vector<std::uint8_t>& bytes,
                                                          int rate, std::string* error);

}  // namespace cellwright_test
