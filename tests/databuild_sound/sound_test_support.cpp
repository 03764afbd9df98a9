#include "tests/databuild_sound/sound_test_support.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

#include "tools/databuild/synth_core.h"
#include "tools/databuild/synth_wma.h"

namespace sound_test {

std::vector<databuild::Asset> LoadEffectsManifest() {
  std::ifstream file(std::filesystem::path(CELLWRIGHT_SOURCE_DIR) / "data/manifest/effects.tsv");
  std::vector<databuild::Asset> rows;
  std::string line;
  int number = 0;
  while (std::getline(file, line)) {
    ++number;
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    databuild::Asset asset;
    asset.line = number;
    if (fields.size() == 5) {
      asset.name = fields[0];
      asset.family = fields[1];
      asset.source = fields[2];
      asset.format = fields[3];
      asset.target = fields[4];
    }
    rows.push_back(asset);
  }
  return rows;
}

ScratchDir::ScratchDir(const std::string& name)
    : path_(std::filesystem::temp_directory_path() /
            ("cellwright-sound-" + name + "-" + std::to_string(getpid()))) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

std::optional<std::vector<std::int16_t>> DecodeWma(const std::filesystem::path& wma,
                                                   std::string* error) {
  const std::filesystem::path raw = wma.string() + ".raw";
  if (!databuild::synth::RunTool({"ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-y",
                                  "-i", wma.string(), "-f", "s16le", "-ac", "1", "-ar",
                                  std::to_string(databuild::synth::kSampleRate), raw.string()},
                                 error)) {
    return std::nullopt;
  }
  const auto bytes = databuild::synth::ReadFile(raw, error);
  if (!bytes) return std::nullopt;
  std::vector<std::int16_t> samples(bytes->size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto low = static_cast<unsigned>((*bytes)[2 * i]);
    const auto high = static_cast<unsigned>((*bytes)[2 * i + 1]);
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
  }
  return samples;
}

}  // namespace sound_test
