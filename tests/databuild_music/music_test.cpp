// The writer's files read back by the tests' own strict reader, a piece of
// notation made into one by the "music" generator, and what bad input gets.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <tuple>

#include "tests/databuild_music/smf_reader.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tools/databuild/music_generate.h"
#include "tools/databuild/music_piece.h"
#include "tools/databuild/smf_writer.h"

namespace {

TEST(Smf, EveryEventKindRoundTripsWithReleasesBeforeStrikes) {
  databuild::smf::Track conductor("Conductor");
  conductor.Tempo(0, 500000);
  conductor.TimeSignature(0, 3, 2);
  conductor.EndAt(0x0FFFFFFF);
  databuild::smf::Track part("Lead");
  part.Note(127, 1, 2, 60, 90);  // deltas on the boundaries of 1, 2 and 3 bytes
  part.ProgramChange(0, 2, 73);
  part.ControlChange(0, 2, 91, 45);
  part.Note(16383 + 128, 16384, 2, 127, 127);
  part.Note(16383 + 128 + 16384, 128, 2, 127, 1);  // struck again where it is released
  const auto file = smftest::Parse(databuild::smf::WriteFile({conductor, part}));
  ASSERT_TRUE(file);
  EXPECT_EQ(std::make_pair(file->format, file->division), std::make_pair(1, 480));
  // delta, status, meta type, data
  using E = std::tuple<std::uint32_t, int, int, std::vector<std::uint8_t>>;
  const std::vector<std::vector<E>> expected = {
      {E{0, 0xFF, 0x03, {'C', 'o', 'n', 'd', 'u', 'c', 't', 'o', 'r'}},
       E{0, 0xFF, 0x51, {0x07, 0xA1, 0x20}}, E{0, 0xFF, 0x58, {3, 2, 24, 8}},
       E{0x0FFFFFFF, 0xFF, 0x2F, {}}},
      {E{0, 0xFF, 0x03, {'L', 'e', 'a', 'd'}}, E{0, 0xC2, 0, {73}}, E{0, 0xB2, 0, {91, 45}},
       E{127, 0x92, 0, {60, 90}}, E{1, 0x82, 0, {60, 0x40}}, E{16383, 0x92, 0, {127, 127}},
       E{16384, 0x82, 0, {127, 0x40}}, E{0, 0x92, 0, {127, 1}}, E{128, 0x82, 0, {127, 0x40}},
       E{0, 0xFF, 0x2F, {}}}};
  ASSERT_EQ(file->tracks.size(), expected.size());
  for (std::size_t t = 0; t < expected.size(); ++t) {
    std::vector<E> got;
    for (const smftest::Event& e : file->tracks[t])
      got.emplace_back(e.delta, e.status, e.metaType, e.data);
    EXPECT_EQ(got, expected[t]) << "track " << t;
  }
}

TEST(Smf, OutOfRangeDataIsRefused) {
  databuild::smf::Track part("Bad");
  std::vector<std::uint8_t> out;
  for (const std::function<void()>& bad : std::initializer_list<std::function<void()>>{
           [&] { part.Note(0, 10, 16, 60, 80); }, [&] { part.Note(0, 10, 0, 128, 80); },
           [&] { part.Note(0, 10, 0, 60, 0); }, [&] { part.Note(0, 0, 0, 60, 80); },
           [&] { part.ControlChange(0, 0, 7, 200); }, [&] { part.Tempo(0, 0); },
           [&] { databuild::smf::AppendVlq(out, 0x10000000u); },
           [] { databuild::smf::WriteFile({}); }}) {
    EXPECT_THROW(bad(), std::invalid_argument);
  }
}

TEST(Music, APieceBecomesAFileWhoseTracksAllEndAtTheLoop) {
  cellwright_test::TempFolder temp;
  cellwright_test::WriteBytes(temp.Sub("music") + "p.txt",
                              "title T\ntempo 90\nmeter 3/4\nbars 2  # a comment\ntrack A\n"
                              "channel 3\nprogram 74\nmml o4 c2. | d#2.\ntrack B\nmml r2. | r2.\n");
  const databuild::BuildContext context{temp.Path(), {}};
  std::string error;
  const auto bytes = databuild::music::GenerateMusic({"p.mid", "music", "p", "mid", "BGM", 1, {}},
                                                     context, &error);
  ASSERT_TRUE(bytes) << error;  // a bare name means music/<name>.txt
  const auto file = smftest::Parse(*bytes);
  ASSERT_TRUE(file);
  ASSERT_EQ(file->tracks.size(), 3u);
  for (const auto& track : file->tracks) EXPECT_EQ(track.back().tick, 2u * 3 * 480);
  EXPECT_EQ(file->tracks[0][1].data,
            (std::vector<std::uint8_t>{0x0A, 0x2C, 0x2A}));  // 60e6 / 90 µs
  std::vector<std::pair<std::uint32_t, int>> struck;         // on channel 3, counted from 1
  for (const auto& e : file->tracks[1])
    if (e.status == 0x92) struck.emplace_back(e.tick, e.data[0]);
  EXPECT_EQ(struck, (std::vector<std::pair<std::uint32_t, int>>{{0, 60}, {3 * 480, 63}}));
  EXPECT_FALSE(databuild::music::GenerateMusic({"x.wma", "music", "p", "wma", "BGM", 1, {}},
                                               context, &error));
  EXPECT_NE(error.find("\"mid\""), std::string::npos) << error;
  EXPECT_FALSE(databuild::music::GenerateMusic({"x.mid", "music", "none", "mid", "BGM", 1, {}},
                                               context, &error));
  EXPECT_NE(error.find("music/none.txt"), std::string::npos) << error;
}

TEST(Music, DamagedNotationIsRefusedWithItsLine) {
  using R = std::pair<std::string, std::string>;  // notation, how the message begins
  for (const auto& [text, message] :
       {R{"bars 1\nfoo 3\n", "line 2: unknown keyword 'foo'"},
        R{"tempo 90\n", "line 2: no 'bars' line"},
        R{"bars 1\ntrack A\nprogram 0\nmml c1\n", "line 3: expected a number from 1 to 128"},
        R{"bars 2\ntrack A\nmml c4 c4 c4 | c4 c1\n", "line 3: bar line at tick 1440"},
        R{"bars 2\ntrack A\nmml c1\n", "line 2: track 'A' lasts 1920 ticks, the loop is 3840"},
        R{"bars 1\ntrack A\nmml o8 b1 > > c1\n", "line 3: note outside the MIDI range"},
        R{"bars 1\ntrack A\nmml c7\n", "line 3: note value 1/7 is not a whole tick count"},
        R{"bars 2\nchords | C |\ntrack A\nstyle 4 R\n", "line 2: chords cover 1 bars"},
        R{"bars 1\nchords | Cxyz |\ntrack A\nstyle 4 R\n", "line 2: unknown chord quality"},
        R{"bars 1\ntrack A\nmml [c1\n", "line 3: '[' without ']'"},
        R{"bars 1\ntrack A\nmml c1]2\n", "line 3: ']' without '['"},
        R{"bars 1\ntrack A\nmml [c1]\n", "line 3: a repeat needs a count from 1 to 999"},
        R{"bars 1\ntrack A\nmml [[[[c]999]999]999]\n",
          "line 3: a repeat expands past a million"}}) {
    std::string error;
    EXPECT_FALSE(databuild::music::ParsePiece(text, &error)) << text;
    EXPECT_EQ(error.rfind(message, 0), 0u) << error;
  }
}

}  // namespace
