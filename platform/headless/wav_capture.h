// What the headless backend heard, written as a 16-bit stereo WAV file at the
// mix rate. The header is brought up to date after every block, so the file is
// complete even when the run ends by _exit.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace platform::headless {

class WavCapture {
 public:
  WavCapture() = default;
  ~WavCapture();
  WavCapture(const WavCapture&) = delete;
  WavCapture& operator=(const WavCapture&) = delete;

  // False, with the reason in *error, when the file cannot be made.
  bool Open(const std::string& path, std::string* error);
  bool IsOpen() const { return file_ != nullptr; }
  void Append(const std::int16_t* frames, std::size_t count);

 private:
  void WriteHeader();
  std::FILE* file_ = nullptr;
  std::uint32_t dataBytes_ = 0;
};

}  // namespace platform::headless
