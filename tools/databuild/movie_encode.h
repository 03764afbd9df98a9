// The production movies' sound and their encode: frames and a cue in, the
// AVI file's bytes out.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tools/databuild/asset.h"
#include "tools/databuild/movie_draw.h"
#include "tools/databuild/synth_core.h"

namespace databuild::movie {

// Part of the builder's cache key: bump it whenever a drawing, a cue or the
// encode settings change.
inline constexpr const char* kMoviesVersion = "2";

// The reel's sound, mono at synth::kSampleRate, exactly as long as its pictures:
// the projector running, plus a slate clap or music by stage.
synth::Buffer RenderCue(const Reel& reel);

// The ffmpeg command that muxes raw RGB frames and a WAV into an AVI.
std::vector<std::string> MovieEncodeCommand(const std::filesystem::path& frames,
                                            const std::filesystem::path& wav, int fps,
                                            const std::filesystem::path& out);

// Draws, renders and encodes the whole reel in workDir; returns the AVI's bytes.
std::optional<std::vector<std::uint8_t>> EncodeReel(const Reel& reel,
                                                    const std::filesystem::path& workDir,
                                                    std::string* error);

// The "movie" family's generator: the source column names the reel.
std::optional<std::vector<std::uint8_t>> GenerateMovie(const Asset& asset,
                                                       const BuildContext& context,
                                                       std::string* error);

}  // namespace databuild::movie
