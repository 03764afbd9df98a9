#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/databuild_music/smf_reader.h"
#include "tools/databuild/smf_writer.h"

namespace {

using databuild::smf::AppendVlq;
using databuild::smf::Track;
using databuild::smf::WriteFile;

std::vector<std::uint8_t> Vlq(std::uint32_t value) {
  std::vector<std::uint8_t> out;
  AppendVlq(out, value);
  return out;
}

TEST(SmfVlq, EncodesBoundaries) {
  EXPECT_EQ(Vlq(0), (std::vector<std::uint8_t>{0x00}));
  EXPECT_EQ(Vlq(127), (std::vector<std::uint8_t>{0x7F}));
  EXPECT_EQ(Vlq(128), (std::vector<std::uint8_t>{0x81, 0x00}));
  EXPECT_EQ(Vlq(16383), (std::vector<std::uint8_t>{0xFF, 0x7F}));
  EXPECT_EQ(Vlq(16384), (std::vector<std::uint8_t>{0x81, 0x80, 0x00}));
  EXPECT_EQ(Vlq(0x0FFFFFFF), (std::vector<std::uint8_t>{0xFF, 0xFF, 0xFF, 0x7F}));
}

TEST(SmfVlq, ReadsBackEveryBoundary) {
  for (std::uint32_t value :
       {0u, 1u, 127u, 128u, 16383u, 16384u, 2097151u, 2097152u, 0x0FFFFFFFu}) {
    const std::vector<std::uint8_t> bytes = Vlq(value);
    std::size_t at = 0;
    EXPECT_EQ(smftest::ReadVlq(bytes, &at), value);
    EXPECT_EQ(at, bytes.size());
  }
}

TEST(SmfVlq, RefusesValuesThatDoNotFit) {
  std::vector<std::uint8_t> out;
  EXPECT_THROW(AppendVlq(out, 0x10000000u), std::invalid_argument);
}

TEST(SmfWriter, HeaderIsFormatOneAt480) {
  const std::vector<std::uint8_t> bytes = WriteFile({Track("a"), Track("b"), Track("c")});
  std::string error;
  const auto file = smftest::Parse(bytes, &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->format, 1);
  EXPECT_EQ(file->division, 480);
  EXPECT_EQ(file->tracks.size(), 3u);
}

TEST(SmfWriter, RoundTripsEveryEvent) {
  Track conductor("Conductor");
  conductor.Tempo(0, 500000);
  conductor.TimeSignature(0, 3, 2);
  conductor.EndAt(0x0FFFFFFF);
  Track part("Lead");
  part.ProgramChange(0, 2, 73);
  part.ControlChange(0, 2, 7, 100);
  part.ControlChange(0, 2, 10, 30);
  part.ControlChange(0, 2, 91, 45);
  // Deltas chosen to land on the VLQ length boundaries.
  part.Note(127, 1, 2, 60, 90);  // on at 127, off at 128
  part.Note(16383 + 128, 16384, 2, 127, 127);
  part.Note(16383 + 128 + 16384, 128, 2, 0, 1);
  part.EndAt(16383 + 128 + 16384 + 128 + 200);

  std::string error;
  const auto file = smftest::Parse(WriteFile({conductor, part}), &error);
  ASSERT_TRUE(file) << error;
  ASSERT_EQ(file->tracks.size(), 2u);

  const auto& c = file->tracks[0].events;
  ASSERT_EQ(c.size(), 4u);
  EXPECT_EQ(c[0].metaType, 0x03);
  EXPECT_EQ(std::string(c[0].data.begin(), c[0].data.end()), "Conductor");
  EXPECT_EQ(c[1].metaType, 0x51);
  EXPECT_EQ(c[1].data, (std::vector<std::uint8_t>{0x07, 0xA1, 0x20}));
  EXPECT_EQ(c[2].metaType, 0x58);
  EXPECT_EQ(c[2].data, (std::vector<std::uint8_t>{3, 2, 24, 8}));
  EXPECT_EQ(c[3].metaType, 0x2F);
  EXPECT_EQ(c[3].delta, 0x0FFFFFFFu);

  struct Expected {
    std::uint32_t delta;
    std::uint8_t status;
    std::vector<std::uint8_t> data;
  };
  const std::vector<Expected> expected{
      {0, 0xC2, {73}},           {0, 0xB2, {7, 100}},        {0, 0xB2, {10, 30}},
      {0, 0xB2, {91, 45}},       {127, 0x92, {60, 90}},      {1, 0x82, {60, 0x40}},
      {16383, 0x92, {127, 127}}, {16384, 0x82, {127, 0x40}}, {0, 0x92, {0, 1}},
      {128, 0x82, {0, 0x40}},
  };
  const auto& p = file->tracks[1].events;
  ASSERT_EQ(p.size(), expected.size() + 2);
  EXPECT_EQ(p[0].metaType, 0x03);
  EXPECT_EQ(std::string(p[0].data.begin(), p[0].data.end()), "Lead");
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(p[i + 1].delta, expected[i].delta);
    EXPECT_EQ(p[i + 1].status, expected[i].status);
    EXPECT_EQ(p[i + 1].data, expected[i].data);
  }
  EXPECT_EQ(p.back().metaType, 0x2F);
  EXPECT_EQ(p.back().delta, 200u);
  EXPECT_EQ(p.back().tick, 16383u + 128 + 16384 + 128 + 200);
}

TEST(SmfWriter, ReleasesBeforeRestrikingTheSameKey) {
  Track part("Repeat");
  part.Note(0, 480, 0, 64, 80);
  part.Note(480, 480, 0, 64, 80);
  std::string error;
  const auto file = smftest::Parse(WriteFile({part}), &error);
  ASSERT_TRUE(file) << error;
  const auto& events = file->tracks[0].events;
  ASSERT_EQ(events.size(), 6u);
  EXPECT_EQ(events[2].tick, 480u);
  EXPECT_EQ(events[2].status, 0x80);
  EXPECT_EQ(events[3].tick, 480u);
  EXPECT_EQ(events[3].status, 0x90);
}

TEST(SmfWriter, EndsAtTheLastEventWithoutAnEndTick) {
  Track part("Short");
  part.Note(10, 20, 0, 60, 80);
  std::string error;
  const auto file = smftest::Parse(WriteFile({part}), &error);
  ASSERT_TRUE(file) << error;
  EXPECT_EQ(file->tracks[0].events.back().metaType, 0x2F);
  EXPECT_EQ(file->tracks[0].events.back().tick, 30u);
}

TEST(SmfWriter, RefusesOutOfRangeData) {
  Track part("Bad");
  EXPECT_THROW(part.Note(0, 10, 16, 60, 80), std::invalid_argument);
  EXPECT_THROW(part.Note(0, 10, 0, 128, 80), std::invalid_argument);
  EXPECT_THROW(part.Note(0, 10, 0, 60, 0), std::invalid_argument);
  EXPECT_THROW(part.Note(0, 0, 0, 60, 80), std::invalid_argument);
  EXPECT_THROW(part.ControlChange(0, 0, 7, 200), std::invalid_argument);
}

TEST(SmfWriter, IsDeterministic) {
  Track part("Same");
  part.Note(0, 240, 0, 60, 80);
  part.Note(0, 240, 0, 64, 80);
  part.ControlChange(0, 0, 7, 90);
  EXPECT_EQ(WriteFile({part}), WriteFile({part}));
}

}  // namespace
