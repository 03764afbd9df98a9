// The movies as files: encoded with ffmpeg, decoded again and measured.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <set>
#include <string>

#include "tools/databuild/asset.h"
#include "tools/databuild/manifest.h"
#include "tools/databuild/movie_encode.h"
#include "tools/databuild/synth_wma.h"

namespace {

using databuild::movie::FindReel;
using databuild::movie::Reel;
using databuild::movie::Stage;

class Scratch {
 public:
  explicit Scratch(const std::string& name)
      : path_(std::filesystem::temp_directory_path() /
              ("cellwright-movie-" + name + "-" + std::to_string(getpid()))) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~Scratch() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// What ffprobe prints for one stream or format field of a file.
std::string Probe(const std::filesystem::path& file, const std::string& select,
                  const std::string& entries) {
  std::string command = "ffprobe -v error " + select + " -show_entries " + entries +
                        " -of default=nw=1:nk=1 '" + file.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "";
  std::string out;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
  pclose(pipe);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

std::vector<std::uint8_t> Decode(const std::filesystem::path& file,
                                 const std::vector<std::string>& format) {
  const std::filesystem::path raw = file.string() + ".raw";
  std::vector<std::string> argv = {"ffmpeg",   "-hide_banner", "-loglevel", "error",
                                   "-nostdin", "-y",           "-i",        file.string()};
  argv.insert(argv.end(), format.begin(), format.end());
  argv.push_back(raw.string());
  std::string error;
  if (!databuild::synth::RunTool(argv, &error)) {
    ADD_FAILURE() << error;
    return {};
  }
  auto bytes = databuild::synth::ReadFile(raw, &error);
  std::filesystem::remove(raw);
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

double MeanSaturation(const std::uint8_t* rgb, std::size_t pixels) {
  double sum = 0;
  for (std::size_t i = 0; i < pixels; ++i) {
    const int r = rgb[i * 3], g = rgb[i * 3 + 1], b = rgb[i * 3 + 2];
    const int hi = std::max({r, g, b}), lo = std::min({r, g, b});
    if (hi > 0) sum += static_cast<double>(hi - lo) / hi;
  }
  return sum / static_cast<double>(pixels);
}

std::vector<std::uint8_t> Encode(const Reel& reel, const std::string& name) {
  Scratch scratch(name);
  std::string error;
  auto bytes = databuild::movie::EncodeReel(reel, scratch.path(), &error);
  EXPECT_TRUE(bytes.has_value()) << error;
  return bytes ? *bytes : std::vector<std::uint8_t>{};
}

class EncodedReel : public testing::TestWithParam<const char*> {};

TEST_P(EncodedReel, DecodesToTheReelItWasDrawnAs) {
  const Reel& reel = *FindReel(GetParam());
  const auto bytes = Encode(reel, std::string(reel.key) + "-encode");
  ASSERT_FALSE(bytes.empty());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
  EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 12), "AVI ");
  // Short, small files: a few hundred kilobytes at most.
  EXPECT_LT(bytes.size(), 1500u * 1024u);

  Scratch scratch(std::string(reel.key) + "-decode");
  const std::filesystem::path file =
      scratch.path() / (std::string("z") + std::string(reel.key) + ".ARC");
  std::string error;
  ASSERT_TRUE(databuild::synth::WriteFile(file, bytes, &error)) << error;

  EXPECT_EQ(Probe(file, "-select_streams v:0", "stream=codec_name,width,height"),
            "mpeg4\n320\n240");
  EXPECT_EQ(Probe(file, "-select_streams a:0", "stream=codec_name"), "adpcm_ms");
  const double duration = std::stod(Probe(file, "", "format=duration"));
  EXPECT_NEAR(duration, databuild::movie::Seconds(reel), 0.2);

  // Every frame comes back, and they are not all the same picture.
  const auto video = Decode(file, {"-f", "rawvideo", "-pix_fmt", "rgb24"});
  ASSERT_EQ(video.size() % databuild::movie::kFrameBytes, 0u);
  const std::size_t frames = video.size() / databuild::movie::kFrameBytes;
  EXPECT_EQ(frames, static_cast<std::size_t>(reel.frames));
  std::set<std::vector<std::uint8_t>> distinct;
  double saturation = 0;
  for (std::size_t f = 0; f < frames; f += 4) {
    const auto* start = video.data() + f * databuild::movie::kFrameBytes;
    distinct.emplace(start, start + databuild::movie::kFrameBytes);
    saturation += MeanSaturation(start, databuild::movie::kFrameBytes / 3);
  }
  saturation /= static_cast<double>((frames + 3) / 4);
  EXPECT_GT(distinct.size(), frames / 12);
  // The stages look different: pencil is grey, the first print is in colour.
  if (reel.stage == Stage::kLineTest || reel.stage == Stage::kKey) {
    EXPECT_LT(saturation, 0.1);
  } else if (reel.stage == Stage::kRush) {
    EXPECT_GT(saturation, 0.1);
  } else {
    EXPECT_GT(saturation, 0.4);
  }

  // The sound track runs the whole length and is not silent.
  const auto audio = Decode(file, {"-vn", "-f", "s16le", "-ac", "1", "-ar", "22050"});
  const double seconds = static_cast<double>(audio.size()) / 2.0 / 22050.0;
  EXPECT_NEAR(seconds, databuild::movie::Seconds(reel), 0.2);
  double energy = 0;
  for (std::size_t i = 0; i + 1 < audio.size(); i += 2) {
    const auto sample = static_cast<std::int16_t>(audio[i] | (audio[i + 1] << 8));
    energy += static_cast<double>(sample) * sample;
  }
  EXPECT_GT(std::sqrt(energy / (seconds * 22050.0)), 300.0);
}

INSTANTIATE_TEST_SUITE_P(AllReels, EncodedReel,
                         testing::Values("sensatu", "gagagen", "gagaras", "gagasyo", "ronigen",
                                         "roniras", "ronisyo"));

TEST(MovieEncode, TwoEncodesAreByteIdentical) {
  const Reel& reel = *FindReel("sensatu");
  const auto first = Encode(reel, "twice-a");
  const auto second = Encode(reel, "twice-b");
  ASSERT_FALSE(first.empty());
  EXPECT_TRUE(first == second);
}

TEST(MovieGenerator, TheBuilderMakesMoviesFromTheManifest) {
  const databuild::Generator* generator = databuild::FindGenerator("movie");
  ASSERT_NE(generator, nullptr);
  EXPECT_FALSE(databuild::GeneratorVersion("movie").empty());

  std::vector<std::string> errors;
  const auto assets =
      databuild::LoadManifest(std::filesystem::path(CELLWRIGHT_SOURCE_DIR) / "data", &errors);
  EXPECT_TRUE(errors.empty());
  EXPECT_TRUE(databuild::CheckManifest(assets, &errors)) << (errors.empty() ? "" : errors[0]);
  std::set<std::string> movies;
  for (const databuild::Asset& asset : assets) {
    if (asset.target != databuild::kMovieFolder) continue;
    movies.insert(asset.name);
    EXPECT_EQ(asset.family, "movie") << asset.name;
    ASSERT_NE(FindReel(asset.source), nullptr) << asset.name;
    EXPECT_EQ("z" + asset.source + ".ARC", asset.name);
  }
  EXPECT_EQ(movies,
            (std::set<std::string>{"zsensatu.ARC", "zgagagen.ARC", "zgagaras.ARC", "zgagasyo.ARC",
                                   "zronigen.ARC", "zroniras.ARC", "zronisyo.ARC"}));

  // Through the registry, a row is refused when it names no reel or the wrong format.
  Scratch scratch("generator");
  databuild::Asset row{"zbogus.ARC", "movie", "bogus", "avi", "MOVIE", 1, "movies.tsv"};
  const databuild::BuildContext context{std::filesystem::path(CELLWRIGHT_SOURCE_DIR) / "data",
                                        scratch.path()};
  std::string error;
  EXPECT_FALSE((*generator)(row, context, &error).has_value());
  EXPECT_NE(error.find("bogus"), std::string::npos);
  row.source = "sensatu";
  row.format = "mid";
  error.clear();
  EXPECT_FALSE((*generator)(row, context, &error).has_value());
  EXPECT_NE(error.find("avi"), std::string::npos);
}

}  // namespace
