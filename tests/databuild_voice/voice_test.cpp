#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "tests/databuild_sound/sound_test_support.h"
#include "tools/databuild/manifest.h"
#include "tools/databuild/synth_voice.h"
#include "tools/databuild/synth_wma.h"

namespace {

using namespace databuild::synth;

double Peak(const Buffer& b) {
  double peak = 0.0;
  for (double s : b) peak = std::max(peak, std::abs(s));
  return peak;
}

double Rms(const Buffer& b, std::size_t from, std::size_t to) {
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += b[i] * b[i];
  return to > from ? std::sqrt(sum / static_cast<double>(to - from)) : 0.0;
}

// The largest second difference: a step (a click) shows up as one.
double WorstStep(const Buffer& b) {
  double worst = 0.0;
  for (std::size_t i = 1; i + 1 < b.size(); ++i) {
    worst = std::max(worst, std::abs(b[i + 1] - 2.0 * b[i] + b[i - 1]));
  }
  return worst;
}

std::string ClipId(std::string_view speaker, int number) {
  VoiceLine line;
  line.speaker = std::string(speaker);
  line.number = number;
  return line.Id();
}

std::vector<databuild::Asset> VoiceRows() {
  std::vector<std::string> errors;
  std::vector<databuild::Asset> rows;
  for (const auto& row :
       databuild::LoadManifest(std::filesystem::path(CELLWRIGHT_SOURCE_DIR) / "data", &errors)) {
    if (row.manifest.find("voices.tsv") != std::string::npos) rows.push_back(row);
  }
  EXPECT_TRUE(errors.empty()) << errors.front();
  return rows;
}

// The fundamental of one 40 ms frame by normalised autocorrelation over the
// lags of 60-450 Hz; 0 when the frame is quiet or not clearly periodic.
double FrameHz(const Buffer& b, std::size_t at, std::size_t length) {
  const auto shortest = static_cast<std::size_t>(kSampleRate / 450);
  const auto longest = static_cast<std::size_t>(kSampleRate / 60);
  if (at + length + longest > b.size()) return 0.0;
  std::vector<double> score(longest + 1, 0.0);
  for (std::size_t lag = shortest; lag <= longest; ++lag) {
    double cross = 0.0, e0 = 0.0, e1 = 0.0;
    for (std::size_t i = at; i < at + length; ++i) {
      cross += b[i] * b[i + lag];
      e0 += b[i] * b[i];
      e1 += b[i + lag] * b[i + lag];
    }
    score[lag] = e0 > 0.0 && e1 > 0.0 ? cross / std::sqrt(e0 * e1) : 0.0;
  }
  const double best = *std::max_element(score.begin(), score.end());
  if (best < 0.6) return 0.0;
  // The shortest lag close to the best one, so a period's multiples never win.
  for (std::size_t lag = shortest + 1; lag < longest; ++lag) {
    if (score[lag] >= 0.9 * best && score[lag] >= score[lag - 1] && score[lag] >= score[lag + 1]) {
      return static_cast<double>(kSampleRate) / static_cast<double>(lag);
    }
  }
  return 0.0;
}

// The median fundamental of a clip's voiced frames.
double MedianHz(const Buffer& b) {
  const std::size_t frame = Samples(0.04);
  const double loud = Peak(b) * 0.25;
  std::vector<double> found;
  for (std::size_t at = 0; at + frame < b.size(); at += frame / 2) {
    if (Rms(b, at, at + frame) < loud * 0.5) continue;
    const double hz = FrameHz(b, at, frame);
    if (hz > 0.0) found.push_back(hz);
  }
  if (found.size() < 5) return 0.0;
  std::nth_element(found.begin(), found.begin() + static_cast<long>(found.size() / 2), found.end());
  return found[found.size() / 2];
}

// The pitch of a stretch of the clip, for comparing its end with its body.
double StretchHz(const Buffer& b, double from, double to) {
  const std::size_t frame = Samples(0.04);
  std::vector<double> found;
  for (std::size_t at = Samples(from); at + frame < Samples(to); at += frame / 4) {
    if (Rms(b, at, at + frame) < Peak(b) * 0.05) continue;
    const double hz = FrameHz(b, at, frame);
    if (hz > 0.0) found.push_back(hz);
  }
  if (found.empty()) return 0.0;
  std::sort(found.begin(), found.end());
  return found[found.size() / 2];
}

// The time, in seconds, of the last sample above a tenth of the peak.
double LastSound(const Buffer& b) {
  const double peak = Peak(b);
  for (std::size_t i = b.size(); i-- > 0;) {
    if (std::abs(b[i]) > peak * 0.1) return static_cast<double>(i) / kSampleRate;
  }
  return 0.0;
}

TEST(VoiceSource, ParsesSpeakerNumberAndQuestionMark) {
  const auto plain = ParseVoiceSource("ko:0235");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->speaker, "ko");
  EXPECT_EQ(plain->number, 235);
  EXPECT_FALSE(plain->question);
  EXPECT_EQ(plain->Id(), "ko0235");
  const auto question = ParseVoiceSource("re:0012?");
  ASSERT_TRUE(question);
  EXPECT_TRUE(question->question);
  EXPECT_EQ(question->Id(), "re0012");
  for (const char* bad : {"", "ko0235", "ko:235", "ko:02355", "KO:0235", "ko:02a5", "k:00235",
                          "ko:0235??", "ko-0235"}) {
    EXPECT_FALSE(ParseVoiceSource(bad)) << bad;
  }
}

TEST(VoiceProfiles, ThirteenSpeakersOrderedByPitch) {
  const std::set<std::string> expected = {"ko", "ho", "yu", "re", "na", "hi", "ka",
                                          "am", "su", "to", "ku", "mi", "so"};
  std::set<std::string> seen;
  for (const VoiceProfile& p : AllVoiceProfiles()) {
    seen.insert(std::string(p.speaker));
    EXPECT_EQ(FindVoiceProfile(p.speaker), &p);
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(AllVoiceProfiles().size(), expected.size());
  EXPECT_EQ(FindVoiceProfile("xx"), nullptr);
}

TEST(Voice, RenderingIsDeterministicAndClipsDiffer) {
  const VoiceProfile& ko = *FindVoiceProfile("ko");
  const Buffer a = RenderVoice(ko, "ko0001", false);
  const Buffer b = RenderVoice(ko, "ko0001", false);
  EXPECT_TRUE(a == b);
  const Buffer other = RenderVoice(ko, "ko0002", false);
  EXPECT_FALSE(a == other);
  // The same line in another voice is another sound.
  EXPECT_FALSE(a == RenderVoice(*FindVoiceProfile("hi"), "ko0001", false));
}

// Every clip of the manifest: audible, within -3 dBFS, silent at both ends,
// no steps between samples (a click), and within the length bounds.
TEST(Voice, EveryManifestClipIsCleanAndWithinBounds) {
  const auto rows = VoiceRows();
  ASSERT_FALSE(rows.empty());
  std::set<std::string> speakersSeen;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const auto line = ParseVoiceSource(row.source);
    ASSERT_TRUE(line);
    const auto clip = RenderVoiceLine(*line);
    ASSERT_TRUE(clip);
    speakersSeen.insert(line->speaker);
    const double peak = Peak(*clip);
    EXPECT_LE(peak, 1.0);
    EXPECT_NEAR(20.0 * std::log10(peak), -3.0, 0.05);
    EXPECT_GT(20.0 * std::log10(Rms(*clip, 0, clip->size())), -26.0);
    EXPECT_LT(std::abs(clip->front()), 1e-3);
    EXPECT_LT(std::abs(clip->back()), 1e-3);
    // A click is a sudden step: the second difference of a smooth voice stays
    // small next to its peak, while a step of even a tenth of it stands out.
    EXPECT_LT(WorstStep(*clip), 0.45 * peak);
    EXPECT_GE(Seconds(*clip), kVoiceShortest);
    EXPECT_LE(Seconds(*clip), kVoiceLongest);
  }
  EXPECT_EQ(speakersSeen.size(), AllVoiceProfiles().size());
}

TEST(Voice, ClickDetectorSeesAStep) {
  // The measure above must catch what it is there for: a step in a clean clip.
  Buffer clip = RenderVoice(*FindVoiceProfile("am"), "am0001", false);
  const double peak = Peak(clip);
  const std::size_t middle = clip.size() / 2;
  for (std::size_t i = middle; i < clip.size(); ++i) clip[i] += 0.5 * peak;
  EXPECT_GE(WorstStep(clip), 0.45 * peak);
}

// The measured fundamental of each speaker is near the profile's, and the
// speakers come out in the profiles' order, highest first.
TEST(Voice, SpeakersDifferInPitchAsProfiled) {
  std::vector<std::pair<double, std::string>> measured;
  for (const VoiceProfile& p : AllVoiceProfiles()) {
    SCOPED_TRACE(std::string(p.speaker));
    std::vector<double> clips;
    for (int n = 1; n <= 3; ++n) {
      const double hz = MedianHz(RenderVoice(p, ClipId(p.speaker, n), false));
      ASSERT_GT(hz, 0.0);
      EXPECT_NEAR(hz, p.pitchHz, p.pitchHz * 0.08);
      clips.push_back(hz);
    }
    std::sort(clips.begin(), clips.end());
    measured.emplace_back(clips[1], std::string(p.speaker));
    std::printf("%s profile %.0f Hz, measured %.0f Hz\n", std::string(p.speaker).c_str(), p.pitchHz,
                clips[1]);
  }
  std::vector<std::pair<double, std::string>> byProfile;
  for (const VoiceProfile& p : AllVoiceProfiles()) {
    byProfile.emplace_back(p.pitchHz, std::string(p.speaker));
  }
  std::sort(byProfile.rbegin(), byProfile.rend());
  std::sort(measured.rbegin(), measured.rend());
  for (std::size_t i = 0; i < measured.size(); ++i) {
    EXPECT_EQ(measured[i].second, byProfile[i].second) << "place " << i;
  }
}

// Statements fall at their end and questions rise, against the clip's body.
TEST(Voice, StatementsFallAndQuestionsRise) {
  for (const char* speaker : {"ko", "re", "to"}) {
    SCOPED_TRACE(speaker);
    const VoiceProfile& p = *FindVoiceProfile(speaker);
    for (int n = 1; n <= 3; ++n) {
      const std::string id = ClipId(speaker, n);
      for (const bool question : {false, true}) {
        const Buffer clip = RenderVoice(p, id, question);
        const double last = LastSound(clip);
        const double body = MedianHz(clip);
        const double ending = StretchHz(clip, last - 0.1, last);
        ASSERT_GT(ending, 0.0) << id;
        if (question) {
          EXPECT_GT(ending, body * 1.05) << id;
        } else {
          EXPECT_LT(ending, body * 0.97) << id;
        }
      }
    }
  }
}

TEST(VoiceManifest, NamesFollowThePatternAndCoverTheGuide) {
  const auto rows = VoiceRows();
  std::set<std::string> names;
  std::set<std::string> speakers;
  for (const VoiceProfile& p : AllVoiceProfiles()) speakers.insert(std::string(p.speaker));
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(row.family, "voice");
    EXPECT_EQ(row.format, "wma");
    EXPECT_EQ(row.target, "wave.arc");
    ASSERT_EQ(row.name.size(), 10u);
    EXPECT_TRUE(speakers.count(row.name.substr(0, 2)));
    for (std::size_t i = 2; i < 6; ++i) EXPECT_TRUE(row.name[i] >= '0' && row.name[i] <= '9');
    EXPECT_EQ(row.name.substr(6), ".wma");
    const auto line = ParseVoiceSource(row.source);
    ASSERT_TRUE(line);
    EXPECT_EQ(line->Id() + ".wma", row.name);
    EXPECT_TRUE(names.insert(row.name).second) << "twice";
  }
  for (int n = 235; n <= 251; ++n) EXPECT_TRUE(names.count(ClipId("ko", n) + ".wma")) << n;
  for (const auto& speaker : speakers) {
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(names.count(ClipId(speaker, n) + ".wma"));
  }
  EXPECT_EQ(rows.size(), 17u + 13u * 5u);
  std::vector<std::string> errors;
  EXPECT_TRUE(databuild::CheckManifest(rows, &errors)) << (errors.empty() ? "" : errors.front());
}

TEST(VoiceGenerator, RefusesMismatchedRows) {
  sound_test::ScratchDir scratch("voice-refuse");
  databuild::Asset asset{"ko0235.wma", "voice", "ko:0235", "mid", "wave.arc", 1, "voices.tsv"};
  databuild::BuildContext context{scratch.path(), scratch.path()};
  std::string error;
  EXPECT_FALSE(GenerateVoice(asset, context, &error));
  EXPECT_NE(error.find("ko0235.wma"), std::string::npos);
  asset.format = "wma";
  asset.source = "ko:0236";
  EXPECT_FALSE(GenerateVoice(asset, context, &error));
  EXPECT_NE(error.find("ko:0236"), std::string::npos);
  asset.name = "zz0001.wma";
  asset.source = "zz:0001";
  EXPECT_FALSE(GenerateVoice(asset, context, &error));
  EXPECT_NE(error.find("zz"), std::string::npos);
}

// A few clips through the generator and back through ffmpeg: a WMA file whose
// decoded sound has the clip's length and level.
TEST(VoiceGenerator, EncodesAndDecodesAFewClips) {
  sound_test::ScratchDir scratch("voice-encode");
  for (const char* source : {"ko:0235", "to:0001", "na:0005?"}) {
    SCOPED_TRACE(source);
    const auto line = ParseVoiceSource(source);
    ASSERT_TRUE(line);
    const databuild::Asset asset{line->Id() + ".wma", "voice", source,      "wma",
                                 "wave.arc",          1,       "voices.tsv"};
    databuild::BuildContext context{scratch.path(), scratch.path() / line->Id()};
    std::string error;
    const auto bytes = GenerateVoice(asset, context, &error);
    ASSERT_TRUE(bytes) << error;
    databuild::BuildContext again{scratch.path(), scratch.path() / (line->Id() + "-again")};
    const auto second = GenerateVoice(asset, again, &error);
    ASSERT_TRUE(second) << error;
    EXPECT_TRUE(*bytes == *second);
    const auto wma = scratch.path() / (line->Id() + ".wma");
    ASSERT_TRUE(WriteFile(wma, *bytes, &error)) << error;
    const auto decoded = sound_test::DecodeWma(wma, &error);
    ASSERT_TRUE(decoded) << error;
    const auto clip = RenderVoiceLine(*line);
    ASSERT_TRUE(clip);
    const double seconds = static_cast<double>(decoded->size()) / kSampleRate;
    EXPECT_GE(seconds, Seconds(*clip));
    EXPECT_LE(seconds, Seconds(*clip) + 0.1);
    int peak = 0;
    for (std::int16_t s : *decoded) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_NEAR(peak, 23197, 23197 * 0.15);  // -3 dBFS
    Buffer asDouble(decoded->begin(), decoded->end());
    EXPECT_NEAR(MedianHz(asDouble), MedianHz(*clip), MedianHz(*clip) * 0.05);
  }
}

}  // namespace
