#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/play/options.h"
#include "tools/play/start.h"

namespace {

// The start point's fields as one line, or the error.
std::string Parse(std::vector<std::string> args) {
  args.insert(args.begin(), {"--start", "s2wA"});
  std::string error;
  const auto options = play::ParseOptions(args, &error);
  if (!options) return "usage: " + error;
  const auto start = play::ParseStartPoint(*options, &error);
  if (!start) return error;
  std::string line = start->scenario;
  if (start->date) line += " date " + std::to_string(*start->date);
  if (start->slot) line += " slot " + std::to_string(*start->slot);
  for (const auto& [offset, value] : start->bytes) {
    line += " " + std::to_string(offset) + "=" + std::to_string(value);
  }
  return line;
}

TEST(PlayStart, DatesSlotsAndBytesAreTheGamesOwn) {
  const struct {
    std::vector<std::string> args;
    std::string parsed;
  } rows[] = {
      {{}, "s2wA"},
      {{"--date", "725", "--slot", "0"}, "s2wA date 725 slot 0"},
      {{"--date", "731", "--slot", "4"}, "s2wA date 731 slot 4"},
      {{"--date", "801", "--slot", "10"}, "s2wA date 801 slot 10"},
      {{"--date", "830"}, "s2wA date 830"},
      {{"--flags", "17=0,1040=255"}, "s2wA 17=0 1040=255"},
      {{"--flags", "160=90,108=90,160=1"}, "s2wA 160=90 108=90 160=1"},
      // Outside the calendar, or a slot the day cycle never has.
      {{"--date", "724"}, "--date needs a day from 725 to 830, not '724'"},
      {{"--date", "732"}, "--date needs a day from 725 to 830, not '732'"},
      {{"--date", "800"}, "--date needs a day from 725 to 830, not '800'"},
      {{"--date", "831"}, "--date needs a day from 725 to 830, not '831'"},
      {{"--date", "8O1"}, "--date needs a day from 725 to 830, not '8O1'"},
      {{"--slot", "5"}, "--slot needs 0 to 4 or 10, not '5'"},
      {{"--slot", "11"}, "--slot needs 0 to 4 or 10, not '11'"},
      {{"--slot", "-1"}, "--slot needs 0 to 4 or 10, not '-1'"},
      // Bytes 0..16 are the date, the slot, the last pick and the movies; the
      // next scenario's name is not a flag either.
      {{"--flags", "16=1"}, "--flags: '16=1' is not OFFSET=VALUE (17 to 1040, 0 to 255)"},
      {{"--flags", "1041=1"}, "--flags: '1041=1' is not OFFSET=VALUE (17 to 1040, 0 to 255)"},
      {{"--flags", "160=256"}, "--flags: '160=256' is not OFFSET=VALUE (17 to 1040, 0 to 255)"},
      {{"--flags", "160"}, "--flags: '160' is not OFFSET=VALUE (17 to 1040, 0 to 255)"},
      {{"--flags", "160=1,,161=2"}, "--flags: '' is not OFFSET=VALUE (17 to 1040, 0 to 255)"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(::testing::PrintToString(row.args));
    EXPECT_EQ(Parse(row.args), row.parsed);
  }
}

TEST(PlayStart, ANameLongerThanTheRecordHoldsIsRefused) {
  std::string error;
  play::PlayOptions options;
  options.start = std::string(66, 's');
  EXPECT_TRUE(play::ParseStartPoint(options, &error).has_value()) << error;
  options.start += 's';
  EXPECT_FALSE(play::ParseStartPoint(options, &error).has_value());
  EXPECT_EQ(error, "--start: the name is too long");
}

}  // namespace
