#include "platform/headless/wav_capture.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <limits>

#include "platform/audio.h"

namespace platform::headless {

namespace {

void Put(std::uint8_t*& at, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) *at++ = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

WavCapture::~WavCapture() {
  if (file_ != nullptr) std::fclose(file_);
}

bool WavCapture::Open(const std::string& path, std::string* error) {
  file_ = std::fopen(path.c_str(), "wb");
  if (file_ == nullptr) {
    if (error != nullptr) *error = "cannot write " + path + ": " + std::strerror(errno);
    return false;
  }
  WriteHeader();
  return true;
}

void WavCapture::WriteHeader() {
  constexpr std::uint32_t kBlock = kMixChannels * 2;
  std::uint8_t header[44];
  std::uint8_t* at = header;
  std::memcpy(at, "RIFF", 4);
  at += 4;
  Put(at, 36 + dataBytes_, 4);
  std::memcpy(at, "WAVEfmt ", 8);
  at += 8;
  Put(at, 16, 4);
  Put(at, 1, 2);  // PCM
  Put(at, kMixChannels, 2);
  Put(at, kMixRate, 4);
  Put(at, kMixRate * kBlock, 4);
  Put(at, kBlock, 2);
  Put(at, 16, 2);
  std::memcpy(at, "data", 4);
  at += 4;
  Put(at, dataBytes_, 4);
  std::fseek(file_, 0, SEEK_SET);
  std::fwrite(header, 1, sizeof header, file_);
  std::fseek(file_, 0, SEEK_END);
}

void WavCapture::Append(const std::int16_t* frames, std::size_t count) {
  if (file_ == nullptr || count == 0) return;
  const std::size_t samples = count * kMixChannels;
  if (dataBytes_ > std::numeric_limits<std::uint32_t>::max() - 36 - samples * 2) return;  // 4 GB
  if constexpr (std::endian::native == std::endian::little) {
    std::fwrite(frames, sizeof(std::int16_t), samples, file_);
  } else {
    for (std::size_t i = 0; i < samples; ++i) {
      const auto v = static_cast<std::uint16_t>(frames[i]);
      const std::uint8_t bytes[2] = {static_cast<std::uint8_t>(v),
                                     static_cast<std::uint8_t>(v >> 8)};
      std::fwrite(bytes, 1, 2, file_);
    }
  }
  dataBytes_ += static_cast<std::uint32_t>(samples * 2);
  WriteHeader();
  std::fflush(file_);
}

}  // namespace platform::headless
