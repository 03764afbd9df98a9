// The "voice" family as the builder finds it: the source syntax, the rows it
// refuses, and a clip that decodes. How the voices sound is for listening to.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/support/audio.h"
#include "tests/support/temp_folder.h"
#include "tools/databuild/synth_voice.h"

namespace {

using databuild::synth::ParseVoiceSource;

TEST(Voice, SourcesAreSpeakerColonFourDigitsWithAnOptionalQuestionMark) {
  using R = std::tuple<const char*, const char*, bool>;  // source, id, question
  for (const auto& [source, id, question] :
       {R{"ko:0235", "ko0235", false}, R{"re:0012?", "re0012", true}}) {
    const auto line = ParseVoiceSource(source);
    ASSERT_TRUE(line) << source;
    EXPECT_EQ(line->Id(), id);
    EXPECT_EQ(line->question, question);
  }
  EXPECT_EQ(ParseVoiceSource("ko:0235")->number, 235);
  for (const char* bad : {"", "ko0235", "ko:235", "ko:02355", "KO:0235", "ko:02a5", "k:00235",
                          "ko:0235??", "ko-0235", "?"}) {
    EXPECT_FALSE(ParseVoiceSource(bad)) << bad;
  }
}

TEST(Voice, TheBuilderFindsTheGeneratorWhichMakesAClipAndRefusesBadRows) {
  const databuild::Generator* generator = databuild::FindGenerator("voice");
  ASSERT_NE(generator, nullptr);
  EXPECT_EQ(databuild::GeneratorVersion("voice"), databuild::synth::kVoicesVersion);
  const cellwright_test::TempFolder temp;
  std::string error;
  const auto bytes = (*generator)({"na0005.wma", "voice", "na:0005?", "wma", "wave.arc", 1, {}},
                                  {temp.Path(), temp.Folder() + "a"}, &error);
  ASSERT_TRUE(bytes) << error;
  const auto clip =
      cellwright_test::DecodeSoundBytes(*bytes, databuild::synth::kSampleRate, &error);
  ASSERT_TRUE(clip) << error;
  const double seconds = static_cast<double>(clip->size()) / databuild::synth::kSampleRate;
  EXPECT_GE(seconds, databuild::synth::kVoiceShortest);
  EXPECT_LE(seconds, databuild::synth::kVoiceLongest + 0.1);  // and the codec's padding
  using R = std::tuple<const char*, const char*, const char*,
                       const char*>;  // name, source, format, named
  for (const auto& [name, source, format, named] :
       {R{"ko0235.wma", "ko:0235", "mid", "not mid"},
        R{"ko0235.wma", "ko0235", "wma", "like ko:0235"},
        R{"ko0235.wma", "ko:0236", "wma", "does not match its source ko:0236"},
        R{"zz0001.wma", "zz:0001", "wma", "no voice profile for speaker zz"}}) {
    EXPECT_FALSE((*generator)({name, "voice", source, format, "wave.arc", 1, {}},
                              {temp.Path(), temp.Folder() + "b"}, &error));
    EXPECT_NE(error.find(named), std::string::npos) << error;
  }
}

}  // namespace
