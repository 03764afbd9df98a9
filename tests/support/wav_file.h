// 16-bit PCM WAV files for tests: written from samples, and read back (the
// headless backend's --audio capture, 16-bit stereo).
#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace cellwright_test {

inline std::vector<std::uint8_t> WavBytes(const std::vector<std::int16_t>& samples, int rate,
                                          int channels) {
  std::vector<std::uint8_t> out;
  const auto put = [&out](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  const auto blockAlign = static_cast<std::uint32_t>(channels * 2);
  out.insert(out.end(), {'R', 'I', 'F', 'F'});
  put(36 + dataBytes, 4);
  out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4);
  put(1, 2);
  put(static_cast<std::uint32_t>(channels), 2);
  put(static_cast<std::uint32_t>(rate), 4);
  put(static_cast<std::uint32_t>(rate) * blockAlign, 4);
  put(blockAlign, 2);
  put(16, 2);
  out.insert(out.end(), {'d', 'a', 't', 'a'});
  put(dataBytes, 4);
  for (const std::int16_t s : samples) put(static_cast<std::uint16_t>(s), 2);
  return out;
}

inline void WriteWav(const std::string& path, const std::vector<std::int16_t>& samples, int rate,
                     int channels) {
  const std::vector<std::uint8_t> bytes = WavBytes(samples, rate, channels);
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
}

// The samples of a 16-bit PCM WAV file with the plain 44-byte header; empty
// when it is not one.
inline std::vector<std::int16_t> ReadWavSamples(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
  if (bytes.size() < 44 || std::string(bytes.data(), 4) != "RIFF") return {};
  std::vector<std::int16_t> samples((bytes.size() - 44) / 2);
  for (std::size_t i = 0; i < samples.size(); ++i) {
    const auto low = static_cast<std::uint8_t>(bytes[44 + 2 * i]);
    const auto high = static_cast<std::uint8_t>(bytes[45 + 2 * i]);
    samples[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(low | high << 8));
  }
  return samples;
}

}  // namespace cellwright_test
