// Damaged notation must be refused with a message, never crash the builder.
#include <gtest/gtest.h>

#include <random>

#include "tests/databuild_music/music_pieces.h"
#include "tools/databuild/music_piece.h"

namespace {

TEST(MusicNotationDamage, EveryPieceSurvivesRandomEdits) {
  std::mt19937 random(20260806);
  const std::string alphabet = "abcdefgr<>+-#.^|[]()0123456789 \nlovqkRB~x/:";
  int refused = 0;
  int accepted = 0;
  for (const std::string& name : musictest::PieceNames()) {
    const std::string original =
        musictest::ReadText(musictest::DataDir() / "music" / (name + ".txt"));
    ASSERT_FALSE(original.empty());
    for (int round = 0; round < 300; ++round) {
      std::string text = original;
      const int edits = 1 + static_cast<int>(random() % 4);
      for (int e = 0; e < edits; ++e) {
        const std::size_t at = random() % text.size();
        const char c = alphabet[random() % alphabet.size()];
        switch (random() % 3) {
          case 0:
            text[at] = c;
            break;
          case 1:
            text.insert(at, 1, c);
            break;
          default:
            text.erase(at, 1);
            break;
        }
      }
      std::string error;
      const auto piece = databuild::music::ParsePiece(text, &error);
      if (!piece) {
        EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
        ++refused;
        continue;
      }
      ++accepted;
      EXPECT_NO_THROW(databuild::music::RenderSmf(*piece)) << name;
      for (const auto& part : piece->parts) {
        for (const auto& note : part.notes) {
          ASSERT_LE(note.tick + note.duration, piece->loopTicks) << name;
        }
      }
    }
  }
  // Both outcomes must occur, or the edits are not exercising the parser.
  EXPECT_GT(refused, 0);
  EXPECT_GT(accepted, 0);
}

TEST(MusicNotationDamage, RunawayRepeatsAreRefused) {
  std::string error;
  EXPECT_FALSE(databuild::music::ExpandRepeats("[[[[c]999]999]999]", &error));
  EXPECT_NE(error.find("million"), std::string::npos);
}

}  // namespace
