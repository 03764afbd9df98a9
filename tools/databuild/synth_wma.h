// Turning rendered PCM into the archive's .wma members with ffmpeg.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace databuild::synth {

// A 16-bit mono RIFF WAVE file of `pcm` at `rate` Hz.
std::vector<std::uint8_t> WavBytes(const std::vector<std::int16_t>& pcm, int rate);
bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes,
               std::string* error);
std::optional<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& path,
                                                  std::string* error);

// Runs a program found on PATH with no shell, waiting for it; false with
// *error set when it cannot start or exits non-zero.
bool RunTool(const std::vector<std::string>& argv, std::string* error);

// The ffmpeg command line that encodes `in` (WAV) to `out` (WMA).
std::vector<std::string> WmaEncodeCommand(const std::filesystem::path& in,
                                          const std::filesystem::path& out);

// Samples of silence added before and after the sound so the codec's first
// and last (partial) blocks, which decoders drop, hold nothing audible.
int WmaBlockSamples(int rate);
std::vector<std::int16_t> PadForWma(const std::vector<std::int16_t>& pcm, int rate);

// Encodes `pcm` through WAV and WMA files in `workDir`; returns the WMA bytes.
std::optional<std::vector<std::uint8_t>> EncodeWma(const std::vector<std::int16_t>& pcm, int rate,
                                                   const std::filesystem::path& workDir,
                                                   std::string* error);

}  // namespace databuild::synth
