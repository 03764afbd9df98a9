// An AVI movie: the pictures decoded on demand by time and scaled to the
// size asked for, the sound played as a stream of the mix.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/audio.h"
#include "platform/audio/mixer.h"
#include "platform/audio/sound_stream.h"

namespace platform::audio {

class MoviePictures;

class Movie final : public MovieFile {
 public:
  // Null when the file holds no picture stream we decode. A movie without a
  // sound track plays silently.
  static std::unique_ptr<Movie> Open(const std::string& path, Mixer& mixer);
  ~Movie() override;
  Movie(const Movie&) = delete;
  Movie& operator=(const Movie&) = delete;

  void Start() override;
  bool PictureAt(std::uint32_t ms, std::uint32_t* out, int pitch, int w, int h) override;
  bool EndedAt(std::uint32_t ms) const override;
  void Stop() override;

 private:
  Movie(std::unique_ptr<MoviePictures> pictures, std::unique_ptr<MixedSoundFile> sound);
  std::unique_ptr<MoviePictures> pictures_;
  std::unique_ptr<MixedSoundFile> sound_;
};

}  // namespace platform::audio
