#include "tests/support/audio.h"

#include <cstdio>

#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

namespace cellwright_test {

std::optional<std::vector<std::int16_t>> DecodeSound(const std::string& path, int rate,
                                                     std::string* error) {
  if (path.find('\'') != std::string::npos) {
    *error = "a quote in " + path;
    return std::nullopt;
  }
  const TempFolder temp;
  const std::string complaints = temp.Folder() + "ffmpeg.txt";
  const std::string command = "ffmpeg -v error -nostdin -i '" + path + "' -vn -f s16le -ac 1 -ar " +
                              std::to_string(rate) + " - 2>'" + complaints + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    *error = "cannot run ffmpeg";
    return std::nullopt;
  }
  std::string bytes;
  char buffer[1 << 16];
  while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
    bytes.append(buffer, got);
  }
  const int status = pclose(pipe);
  *error = ReadBytes(complaints);
  if (status != 0 || !error->empty()) {
    if (error->empty()) *error = "ffmpeg failed on " + path;
    return std::nullopt;
  }
  std::vector<std::int16_t> samples(bytes.size() / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto low = static_cast<unsigned char>(bytes[2 * i]);
    const auto high = static_cast<unsigned char>(bytes[2 * i + 1]);
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
  }
  return samples;
}

std::optional<std::vector<std::int16_t>> DecodeSoundBytes(const std::vector<std::uint8_t>& bytes,
                                                          int rate, std::string* error) {
  const TempFolder temp;
  WriteBytes(temp.Folder() + "sound", bytes);
  return DecodeSound(temp.Folder() + "sound", rate, error);
}

}  // namespace cellwright_test
