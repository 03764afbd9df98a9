#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

#include "tools/databuild/music_piece.h"

namespace {

using databuild::music::ExpandRepeats;
using databuild::music::Note;
using databuild::music::ParsePiece;
using databuild::music::Piece;

Piece MustParse(const std::string& text) {
  std::string error;
  auto piece = ParsePiece(text, &error);
  EXPECT_TRUE(piece) << error;
  return piece.value_or(Piece{});
}

std::string ErrorOf(const std::string& text) {
  std::string error;
  EXPECT_FALSE(ParsePiece(text, &error));
  return error;
}

std::vector<int> Keys(const std::vector<Note>& notes) {
  std::vector<int> keys;
  for (const Note& note : notes) keys.push_back(note.key);
  return keys;
}

TEST(MusicNotation, ReadsHeaderAndLoopLength) {
  const Piece piece = MustParse(
      "title T\ntempo 90\nmeter 3/4\nbars 2\ntrack A\nchannel 3\nprogram 74\n"
      "volume 99\npan 20\nreverb 55\nmml o4 c2. | d2.\n");
  EXPECT_EQ(piece.title, "T");
  EXPECT_EQ(piece.BarTicks(), 1440u);
  EXPECT_EQ(piece.loopTicks, 2880u);
  EXPECT_DOUBLE_EQ(piece.Seconds(), 4.0);
  ASSERT_EQ(piece.parts.size(), 1u);
  const auto& part = piece.parts[0];
  EXPECT_EQ(part.channel, 3);
  EXPECT_EQ(part.program, 74);
  EXPECT_EQ(part.volume, 99);
  EXPECT_EQ(part.pan, 20);
  EXPECT_EQ(part.reverb, 55);
  EXPECT_EQ(Keys(part.notes), (std::vector<int>{60, 62}));
  EXPECT_EQ(part.notes[1].tick, 1440u);
}

TEST(MusicNotation, MmlLengthsOctavesAccidentalsAndTies) {
  const Piece piece =
      MustParse("bars 1\ntrack A\ngate 8\nmml o5 l8 c d+ e- > f# < g16 g16 a4^8 |\n");
  const auto& notes = piece.parts[0].notes;
  EXPECT_EQ(Keys(notes), (std::vector<int>{72, 75, 75, 90, 79, 79, 81}));
  const std::vector<std::uint32_t> ticks{0, 240, 480, 720, 960, 1080, 1200};
  for (std::size_t i = 0; i < notes.size(); ++i) EXPECT_EQ(notes[i].tick, ticks[i]) << i;
  EXPECT_EQ(notes[6].duration, 720u);
}

TEST(MusicNotation, DottedValuesAndTriplets) {
  const Piece piece = MustParse("bars 1\ntrack A\ngate 8\nmml c4. c8 c12 c12 c12 c4\n");
  const auto& notes = piece.parts[0].notes;
  ASSERT_EQ(notes.size(), 6u);
  EXPECT_EQ(notes[0].duration, 720u);
  EXPECT_EQ(notes[2].tick, 960u);
  EXPECT_EQ(notes[3].tick, 1120u);
  EXPECT_EQ(notes[5].tick, 1440u);
}

TEST(MusicNotation, GateShortensSoundingLength) {
  const Piece piece = MustParse("bars 1\ntrack A\nmml q4 c2 q8 c2\n");
  EXPECT_EQ(piece.parts[0].notes[0].duration, 480u);
  EXPECT_EQ(piece.parts[0].notes[1].duration, 960u);
}

TEST(MusicNotation, ChordsInMmlSoundTogether) {
  const Piece piece = MustParse("bars 1\ntrack A\nmml o4 (c e g >c)1\n");
  const auto& notes = piece.parts[0].notes;
  EXPECT_EQ(Keys(notes), (std::vector<int>{60, 64, 67, 72}));
  for (const Note& note : notes) EXPECT_EQ(note.tick, 0u);
}

TEST(MusicNotation, RepeatsExpand) {
  std::string error;
  const auto expanded = ExpandRepeats("a [b [c]2 ]2", &error);
  ASSERT_TRUE(expanded) << error;
  std::istringstream words(*expanded);
  const std::vector<std::string> list{std::istream_iterator<std::string>(words), {}};
  EXPECT_EQ(list, (std::vector<std::string>{"a", "b", "c", "c", "b", "c", "c"}));
  EXPECT_FALSE(ExpandRepeats("[a", &error));
  EXPECT_FALSE(ExpandRepeats("a]2", &error));
  EXPECT_FALSE(ExpandRepeats("[a]", &error));
  const Piece piece = MustParse("bars 2\ntrack A\nmml [c4 d4]4\n");
  EXPECT_EQ(piece.parts[0].notes.size(), 8u);
}

TEST(MusicNotation, MisplacedBarLineIsReported) {
  EXPECT_NE(ErrorOf("bars 2\ntrack A\nmml c4 c4 c4 | c4 c1\n").find("line 3"), std::string::npos);
}

TEST(MusicNotation, TrackMustFillTheLoopExactly) {
  EXPECT_NE(ErrorOf("bars 2\ntrack A\nmml c1\n").find("loop"), std::string::npos);
  EXPECT_NE(ErrorOf("bars 1\ntrack A\nmml c1 c4\n").find("loop"), std::string::npos);
}

TEST(MusicNotation, StylesFollowTheChords) {
  const Piece piece = MustParse(
      "bars 2\nchords | C Am | G7/B . |\ntrack Pad\nlow c3\ngate 8\nstyle 2 R+3+5+7\n"
      "track Bass\nlow e1\ngate 8\nstyle 4 B ~ 5 -\n");
  const auto& pad = piece.parts[0].notes;
  EXPECT_EQ(Keys(pad),
            (std::vector<int>{48, 52, 55, 60, 57, 60, 64, 69, 55, 59, 62, 65, 55, 59, 62, 65}));
  const auto& bass = piece.parts[1].notes;
  // C2 held two beats, then the fifth of Am; B1 (the slash bass) held, then D2.
  EXPECT_EQ(Keys(bass), (std::vector<int>{36, 40, 35, 38}));
  EXPECT_EQ(bass[0].duration, 960u);
  EXPECT_EQ(bass[1].tick, 960u);
}

TEST(MusicNotation, HeldStepsStopAtAChordChange) {
  const Piece piece =
      MustParse("bars 1\nchords | C F |\ntrack A\nlow c2\ngate 8\nstyle 4 R ~ ~ ~\n");
  const auto& notes = piece.parts[0].notes;
  // A held step that meets a new chord strikes that chord's note.
  EXPECT_EQ(Keys(notes), (std::vector<int>{36, 41}));
  EXPECT_EQ(notes[0].duration, 960u);
  EXPECT_EQ(notes[1].tick, 960u);
  EXPECT_EQ(notes[1].duration, 960u);
}

TEST(MusicNotation, ChordRowsMustMatchTheBars) {
  EXPECT_NE(ErrorOf("bars 2\nchords | C |\ntrack A\nstyle 4 R\n").find("bars"), std::string::npos);
  EXPECT_NE(ErrorOf("bars 1\nchords | Cxyz |\ntrack A\nstyle 4 R\n").find("quality"),
            std::string::npos);
}

TEST(MusicNotation, DrumHitsRepeatOnTheGrid) {
  const Piece piece = MustParse(
      "bars 2\ntrack Drums\nchannel 10\nvelocity 80\nhit kick x...o...\nsteps 8\n"
      "hit 42 X.......\n");
  const auto& notes = piece.parts[0].notes;
  std::vector<Note> kicks;
  std::vector<Note> hats;
  for (const Note& note : notes) (note.key == 36 ? kicks : hats).push_back(note);
  ASSERT_EQ(kicks.size(), 8u);
  EXPECT_EQ(kicks[1].tick, 480u);
  EXPECT_LT(kicks[1].velocity, kicks[0].velocity);
  ASSERT_EQ(hats.size(), 2u);
  EXPECT_EQ(hats[1].tick, 1920u);
  EXPECT_EQ(hats[0].key, 42);
}

TEST(MusicNotation, CommentsAndSharpsAreTold) {
  const Piece piece = MustParse("# a comment\nbars 1\ntrack A  # the lead\nmml c#1 # sharp\n");
  EXPECT_EQ(piece.parts[0].name, "A");
  EXPECT_EQ(piece.parts[0].notes[0].key, 61);
}

TEST(MusicNotation, RejectsUnknownWordsAndRanges) {
  EXPECT_NE(ErrorOf("bars 1\nfoo 3\n").find("line 2"), std::string::npos);
  EXPECT_FALSE(ErrorOf("bars 1\ntrack A\nprogram 0\nmml c1\n").empty());
  EXPECT_FALSE(ErrorOf("bars 1\ntrack A\nmml o8 b1 > > c1\n").empty());
  EXPECT_FALSE(ErrorOf("bars 1\ntrack A\nmml c5\n").empty());
  EXPECT_FALSE(ErrorOf("tempo 90\n").empty());
}

}  // namespace
