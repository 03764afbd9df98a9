#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/play/options.h"

namespace {

using play::ParseOptions;
using play::PlayOptions;

PlayOptions Parse(const std::vector<std::string>& args) {
  std::string error;
  const auto options = ParseOptions(args, &error);
  EXPECT_TRUE(options.has_value()) << error;
  return options.value_or(PlayOptions{});
}

std::string ErrorOf(const std::vector<std::string>& args) {
  std::string error;
  EXPECT_FALSE(ParseOptions(args, &error).has_value());
  return error;
}

TEST(PlayOptions, NothingGivenLeavesEveryDefault) {
  const PlayOptions options = Parse({});
  EXPECT_EQ(options.data, "");
  EXPECT_EQ(options.save, "");
  EXPECT_EQ(options.script, "");
  EXPECT_EQ(options.shots, "");
  EXPECT_EQ(options.log, "");
  EXPECT_EQ(options.instanceDir, "");
  EXPECT_EQ(options.maxFrames, 100000u);
  EXPECT_FALSE(options.help);
}

TEST(PlayOptions, EveryOptionTakesItsValueSeparateOrAfterAnEqualsSign) {
  const PlayOptions spaced =
      Parse({"--data", "d", "--save", "s", "--script", "x.txt", "--shots", "p", "--log", "l.jsonl",
             "--max-frames", "50", "--instance-dir", "i"});
  const PlayOptions joined = Parse({"--data=d", "--save=s", "--script=x.txt", "--shots=p",
                                    "--log=l.jsonl", "--max-frames=50", "--instance-dir=i"});
  for (const PlayOptions& options : {spaced, joined}) {
    EXPECT_EQ(options.data, "d");
    EXPECT_EQ(options.save, "s");
    EXPECT_EQ(options.script, "x.txt");
    EXPECT_EQ(options.shots, "p");
    EXPECT_EQ(options.log, "l.jsonl");
    EXPECT_EQ(options.instanceDir, "i");
    EXPECT_EQ(options.maxFrames, 50u);
  }
  // Only the first '=' splits; a value may itself start with a dash.
  EXPECT_EQ(Parse({"--data=a=b"}).data, "a=b");
  EXPECT_EQ(Parse({"--log", "-"}).log, "-");
}

TEST(PlayOptions, HelpWinsOverEverythingElse) {
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"-h"}).help);
  EXPECT_TRUE(Parse({"--data", "d", "--help", "--bogus"}).help);
  EXPECT_NE(play::Usage().find("--instance-dir"), std::string::npos);
}

TEST(PlayOptions, ListIsAFlagWithoutValue) {
  EXPECT_FALSE(Parse({}).list);
  const play::PlayOptions options = Parse({"--list", "--data", "d"});
  EXPECT_TRUE(options.list);
  EXPECT_EQ(options.data, "d");
  EXPECT_EQ(ErrorOf({"--list", "--list"}), "--list given twice");
  EXPECT_EQ(ErrorOf({"--list=yes"}), "unknown option '--list=yes'");
  EXPECT_NE(play::Usage().find("--list"), std::string::npos);
}

TEST(PlayOptions, UnknownOptionsAndStrayArgumentsAreRejected) {
  EXPECT_EQ(ErrorOf({"--frames", "3"}), "unknown option '--frames'");
  EXPECT_EQ(ErrorOf({"-d"}), "unknown option '-d'");
  EXPECT_EQ(ErrorOf({"game"}), "unexpected argument 'game'");
  EXPECT_EQ(ErrorOf({"--data", "d", "extra"}), "unexpected argument 'extra'");
}

TEST(PlayOptions, MissingEmptyAndRepeatedValuesAreRejected) {
  EXPECT_EQ(ErrorOf({"--data"}), "--data needs a value");
  EXPECT_EQ(ErrorOf({"--save", "s", "--log"}), "--log needs a value");
  EXPECT_EQ(ErrorOf({"--script="}), "--script needs a non-empty value");
  EXPECT_EQ(ErrorOf({"--shots", ""}), "--shots needs a non-empty value");
  EXPECT_EQ(ErrorOf({"--data", "a", "--data=b"}), "--data given twice");
}

TEST(PlayOptions, MaxFramesIsAPositiveWholeNumber) {
  EXPECT_EQ(Parse({"--max-frames", "1"}).maxFrames, 1u);
  EXPECT_EQ(Parse({"--max-frames", "18446744073709551615"}).maxFrames, 18446744073709551615u);
  for (const char* bad : {"0", "-5", "abc", "12x", "1.5", " 3", "18446744073709551616"}) {
    EXPECT_EQ(ErrorOf({"--max-frames", bad}),
              std::string("--max-frames needs a positive whole number, not '") + bad + "'")
        << bad;
  }
}

TEST(PlayOptions, ANullErrorIsAllowed) {
  EXPECT_FALSE(ParseOptions({"--bogus"}, nullptr).has_value());
}

}  // namespace
