#include "tools/play/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

// data|save|script|shots|log|instance-dir|max-frames, then the flags set.
std::string Fields(const play::PlayOptions& o) {
  return o.data + "|" + o.save + "|" + o.script + "|" + o.shots + "|" + o.log + "|" +
         o.instanceDir + "|" + std::to_string(o.maxFrames) + (o.help ? " help" : "") +
         (o.list ? " list" : "") + (o.demo ? " demo" : "");
}

TEST(PlayOptions, ValuesFlagsAndDefaults) {
  const struct {
    Args args;
    std::string fields;
  } rows[] = {
      {{}, "||||||100000"},
      {{"--data", "d", "--save", "s", "--script", "x", "--shots", "p", "--log", "l", "--max-frames",
        "50", "--instance-dir", "i"},
       "d|s|x|p|l|i|50"},
      {{"--data=d", "--save=s", "--script=x", "--shots=p", "--log=l", "--max-frames=50",
        "--instance-dir=i"},
       "d|s|x|p|l|i|50"},
      // Only the first '=' splits; a value may start with a dash.
      {{"--data=a=b", "--log", "-"}, "a=b||||-||100000"},
      {{"--max-frames", "18446744073709551615", "--list"}, "||||||18446744073709551615 list"},
      {{"--max-frames", "1", "--demo"}, "||||||1 demo"},
      // Help wins over whatever comes after it, errors included.
      {{"--data", "d", "-h", "--bogus"}, "d||||||100000 help"},
      {{"--help"}, "||||||100000 help"},
  };
  for (const auto& row : rows) {
    std::string error;
    const auto options = play::ParseOptions(row.args, &error);
    ASSERT_TRUE(options.has_value()) << error;
    EXPECT_EQ(Fields(*options), row.fields);
  }
}

TEST(PlayOptions, UsageErrors) {
  const struct {
    Args args;
    std::string error;
  } rows[] = {
      {{"--frames", "3"}, "unknown option '--frames'"},
      {{"game"}, "unexpected argument 'game'"},
      {{"--save", "s", "--log"}, "--log needs a value"},
      {{"--script="}, "--script needs a non-empty value"},
      {{"--data", "a", "--data=b"}, "--data given twice"},
      {{"--list", "--list"}, "--list given twice"},
  };
  for (const auto& row : rows) {
    std::string error;
    EXPECT_FALSE(play::ParseOptions(row.args, &error).has_value()) << row.error;
    EXPECT_EQ(error, row.error);
  }
  for (const char* bad : {"0", "-5", "12x", " 3", "18446744073709551616"}) {
    std::string error;
    EXPECT_FALSE(play::ParseOptions({"--max-frames", bad}, &error).has_value()) << bad;
    EXPECT_EQ(error, std::string("--max-frames needs a positive whole number, not '") + bad + "'");
  }
  EXPECT_FALSE(play::ParseOptions({"--bogus"}, nullptr).has_value());
}

}  // namespace
