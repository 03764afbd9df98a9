// One audio stream of a file decoded to the mix format (16-bit stereo at the
// mix rate) through FFmpeg. Files are opened with format, codec and protocol
// whitelists: a loose override file in the data folder is untrusted input.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform::audio {

struct Whitelist {
  const char* formats;  // FFmpeg demuxer names, comma-separated
  const char* codecs;   // FFmpeg decoder names, comma-separated
};

// Effects and voices: WMA in its ASF container, or PCM WAV.
inline constexpr Whitelist kSoundFormats{"asf,wav", "wmav1,wmav2,pcm_s16le,pcm_u8"};
// The sound track of a movie.
inline constexpr Whitelist kMovieFormats{
    "avi", "mpeg4,msmpeg4v2,msmpeg4,mjpeg,cinepak,adpcm_ms,pcm_s16le,pcm_u8"};

class SoundDecoder {
 public:
  // Null, with the reason in *why, when the file holds no stream we decode.
  static std::unique_ptr<SoundDecoder> Open(const std::string& path, const Whitelist& whitelist,
                                            std::string* why);
  ~SoundDecoder();
  SoundDecoder(const SoundDecoder&) = delete;
  SoundDecoder& operator=(const SoundDecoder&) = delete;

  // Up to `frames` interleaved stereo frames; fewer only where the stream ends
  // or fails. The decoder and the resampler are drained at the end, so the
  // last samples of a short effect are not lost.
  std::size_t Read(std::int16_t* out, std::size_t frames);
  bool Ended() const { return ended_; }
  bool Failed() const { return failed_; }

 private:
  struct Codec;
  SoundDecoder() = default;
  bool Refill();

  std::unique_ptr<Codec> codec_;
  std::vector<std::int16_t> pending_;  // converted, not yet handed out
  std::size_t taken_ = 0;              // samples of pending_ already handed out
  bool draining_ = false;
  bool ended_ = false;
  bool failed_ = false;
};

}  // namespace platform::audio
