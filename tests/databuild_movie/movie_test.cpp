// A reel made by the "movie" generator and decoded again by ffmpeg: its frames
// and its cue come back. What the reels show is for watching.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <tuple>

#include "tests/support/audio.h"
#include "tests/support/temp_folder.h"
#include "tools/databuild/movie_encode.h"
#include "tools/databuild/synth_wma.h"

namespace {

using namespace databuild::movie;

TEST(Movie, AReelEncodesRepeatablyAndDecodesToItsFramesAndCue) {
  const databuild::Generator* generator = databuild::FindGenerator("movie");
  ASSERT_NE(generator, nullptr);
  EXPECT_EQ(databuild::GeneratorVersion("movie"), kMoviesVersion);
  const cellwright_test::TempFolder temp;
  const Reel& reel = *FindReel("gagasyo");  // in colour, so swapped channels would show
  std::string error;
  const auto bytes = (*generator)({"zgagasyo.ARC", "movie", "gagasyo", "avi", "MOVIE", 1, {}},
                                  {temp.Path(), temp.Sub("a")}, &error);
  ASSERT_TRUE(bytes) << error;
  EXPECT_EQ(EncodeReel(reel, temp.Sub("b"), &error), bytes);
  const std::string file = temp.Folder() + "movie.avi";
  ASSERT_TRUE(databuild::synth::WriteFile(file, *bytes, &error)) << error;

  ASSERT_TRUE(databuild::synth::RunTool({"ffmpeg", "-v", "error", "-nostdin", "-i", file, "-f",
                                         "rawvideo", "-pix_fmt", "rgb24", file + ".rgb"},
                                        &error))
      << error;
  const auto video = databuild::synth::ReadFile(file + ".rgb", &error);
  ASSERT_EQ(video.value_or(std::vector<std::uint8_t>{}).size(),
            static_cast<std::size_t>(reel.frames) * kFrameBytes);
  // The mean difference per byte between a decoded frame and a drawn one.
  const auto difference = [&](int decoded, int drawn) {
    const std::vector<std::uint8_t> picture = DrawFrame(reel, drawn);
    double sum = 0;
    for (std::size_t i = 0; i < kFrameBytes; ++i) {
      sum += std::abs(picture[i] - (*video)[static_cast<std::size_t>(decoded) * kFrameBytes + i]);
    }
    return sum / kFrameBytes;
  };
  for (const int frame : {36, 72, 108}) {
    EXPECT_LT(difference(frame, frame), 8.0) << frame;
    EXPECT_LT(difference(frame, frame), difference(frame, frame - 1)) << frame;
  }

  const auto sound = cellwright_test::DecodeSound(file, databuild::synth::kSampleRate, &error);
  ASSERT_TRUE(sound) << error;
  const databuild::synth::Buffer cue = RenderCue(reel);
  EXPECT_NEAR(static_cast<double>(sound->size()), static_cast<double>(cue.size()),
              0.1 * databuild::synth::kSampleRate);
  double both = 0, drawnOnly = 0, decodedOnly = 0;
  for (std::size_t i = 0; i < std::min(cue.size(), sound->size()); ++i) {
    both += cue[i] * (*sound)[i];
    drawnOnly += cue[i] * cue[i];
    decodedOnly += static_cast<double>((*sound)[i]) * (*sound)[i];
  }
  EXPECT_GT(both / std::sqrt(drawnOnly * decodedOnly), 0.99);  // the same sound, in place
}

TEST(Movie, TheGeneratorRefusesAnUnknownReelOrAnotherFormat) {
  const cellwright_test::TempFolder temp;
  std::string error;
  using R = std::tuple<const char*, const char*, const char*>;  // source, format, named
  for (const auto& [source, format, named] :
       {R{"bogus", "avi", "no reel named 'bogus'"}, R{"sensatu", "mid", "must be avi"}}) {
    EXPECT_FALSE(GenerateMovie({"z.ARC", "movie", source, format, "MOVIE", 1, {}},
                               {temp.Path(), temp.Sub("a")}, &error));
    EXPECT_NE(error.find(named), std::string::npos) << error;
  }
}

}  // namespace
