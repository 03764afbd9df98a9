#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "tests/databuild_music/music_pieces.h"
#include "tests/databuild_music/smf_reader.h"
#include "tools/databuild/music_generate.h"
#include "tools/databuild/music_piece.h"

namespace {

using databuild::music::Piece;

class EveryPiece : public testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    std::string error;
    const auto parsed = databuild::music::ParsePiece(
        musictest::ReadText(musictest::DataDir() / "music" / (GetParam() + ".txt")), &error);
    ASSERT_TRUE(parsed) << GetParam() << ": " << error;
    piece_ = *parsed;
    bytes_ = databuild::music::RenderSmf(piece_);
    const auto file = smftest::Parse(bytes_, &error);
    ASSERT_TRUE(file) << error;
    file_ = *file;
  }

  Piece piece_;
  std::vector<std::uint8_t> bytes_;
  smftest::File file_;
};

TEST_P(EveryPiece, HasTwoToSixPartsAndASensibleLength) {
  EXPECT_GE(piece_.parts.size(), 2u);
  EXPECT_LE(piece_.parts.size(), 6u);
  EXPECT_GE(piece_.Seconds(), 30.0);
  EXPECT_LE(piece_.Seconds(), 95.0);
  EXPECT_FALSE(piece_.title.empty());
  EXPECT_EQ(file_.format, 1);
  EXPECT_EQ(file_.division, 480);
  EXPECT_EQ(file_.tracks.size(), piece_.parts.size() + 1);
}

TEST_P(EveryPiece, EveryTrackEndsExactlyAtTheLoop) {
  for (const smftest::Track& track : file_.tracks) {
    ASSERT_FALSE(track.events.empty());
    EXPECT_EQ(track.events.back().status, 0xFF);
    EXPECT_EQ(track.events.back().metaType, 0x2F);
    EXPECT_EQ(track.events.back().tick, piece_.loopTicks);
  }
}

TEST_P(EveryPiece, ConductorCarriesTempoAndMeter) {
  std::set<int> metas;
  for (const auto& event : file_.tracks[0].events) {
    if (event.status == 0xFF) metas.insert(event.metaType);
    EXPECT_EQ(event.status, 0xFF) << "the conductor holds meta events only";
  }
  EXPECT_TRUE(metas.count(0x51));
  EXPECT_TRUE(metas.count(0x58));
  EXPECT_TRUE(metas.count(0x03));
}

TEST_P(EveryPiece, NotesAreBalancedAndInRange) {
  for (std::size_t t = 1; t < file_.tracks.size(); ++t) {
    const auto& part = piece_.parts[t - 1];
    SCOPED_TRACE(part.name);
    std::map<int, int> sounding;
    int notes = 0;
    bool named = false;
    bool programmed = false;
    for (const auto& event : file_.tracks[t].events) {
      if (event.status == 0xFF) {
        named |= event.metaType == 0x03;
        continue;
      }
      EXPECT_EQ(event.status & 0x0F, part.channel - 1);
      const int kind = event.status & 0xF0;
      if (kind == 0xC0) programmed = true;
      if (kind == 0x90) {
        ++notes;
        const int key = event.data[0];
        if (part.channel == 10) {
          EXPECT_GE(key, 35);
          EXPECT_LE(key, 81);
        } else {
          EXPECT_GE(key, 28) << "below a bass guitar's low E";
          EXPECT_LE(key, 103) << "above a piccolo's comfortable top";
        }
        EXPECT_GE(event.data[1], 20) << "inaudibly soft";
        EXPECT_EQ(sounding[key]++, 0) << "key " << key << " struck while sounding";
      } else if (kind == 0x80) {
        EXPECT_EQ(sounding[event.data[0]]--, 1) << "release without strike";
      }
    }
    for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << "stuck key " << key;
    EXPECT_GT(notes, 8);
    EXPECT_TRUE(named);
    EXPECT_TRUE(programmed);
  }
}

TEST_P(EveryPiece, MelodyFillsTheLoop) {
  // Sound should reach into the last bar, or the restart leaves a hole.
  std::uint32_t lastEnd = 0;
  std::uint32_t firstStart = piece_.loopTicks;
  for (const auto& part : piece_.parts) {
    for (const auto& note : part.notes) {
      lastEnd = std::max(lastEnd, note.tick + note.duration);
      firstStart = std::min(firstStart, note.tick);
    }
  }
  EXPECT_EQ(firstStart, 0u);
  EXPECT_GT(lastEnd, piece_.loopTicks - piece_.BarTicks() / 2);
}

TEST_P(EveryPiece, TuneDoesNotRubASemitoneAboveTheAccompaniment) {
  // The first part carries the tune. A held tune note a minor second (or ninth)
  // above a note another part is holding is almost always a wrong note.
  const auto& tune = piece_.parts.front();
  for (const auto& note : tune.notes) {
    if (note.duration < 400) continue;
    for (std::size_t p = 1; p < piece_.parts.size(); ++p) {
      const auto& part = piece_.parts[p];
      if (part.channel == 10) continue;
      for (const auto& other : part.notes) {
        const bool held = other.tick <= note.tick && other.tick + other.duration > note.tick + 120;
        if (held && note.key > other.key && (note.key - other.key) % 12 == 1) {
          ADD_FAILURE() << tune.name << " key " << note.key << " in bar "
                        << note.tick / piece_.BarTicks() + 1 << " against " << part.name << " key "
                        << other.key;
        }
      }
    }
  }
}

TEST_P(EveryPiece, GeneratesTheSameBytesEachTime) {
  databuild::Asset asset{
      GetParam() + ".mid", "music", "music/" + GetParam() + ".txt", "mid", "BGM", 1, {}};
  databuild::BuildContext context{musictest::DataDir(), {}};
  std::string error;
  const auto first = databuild::music::GenerateMusic(asset, context, &error);
  ASSERT_TRUE(first) << error;
  EXPECT_EQ(*first, bytes_);
  EXPECT_EQ(databuild::music::GenerateMusic(asset, context, &error), first);
}

INSTANTIATE_TEST_SUITE_P(Music, EveryPiece, testing::ValuesIn(musictest::PieceNames()),
                         [](const testing::TestParamInfo<std::string>& param) {
                           return param.param;
                         });

TEST(MusicManifest, RowsNameExistingPiecesAsBgmMidiFiles) {
  std::istringstream in(musictest::ReadText(musictest::DataDir() / "manifest" / "music.tsv"));
  const std::vector<std::string> names = musictest::PieceNames();
  const std::set<std::string> available(names.begin(), names.end());
  std::set<std::string> seen;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields;
    std::istringstream row(line);
    std::string field;
    while (std::getline(row, field, '\t')) fields.push_back(field);
    ASSERT_EQ(fields.size(), 5u) << line;
    const std::string stem = fields[0].substr(0, fields[0].rfind('.'));
    EXPECT_EQ(fields[0], stem + ".mid");
    EXPECT_EQ(fields[1], "music");
    // A path under data/, so the builder's cache sees edits to the notation.
    EXPECT_EQ(fields[2], "music/" + stem + ".txt");
    EXPECT_TRUE(available.count(stem)) << stem;
    EXPECT_EQ(fields[3], "mid");
    EXPECT_EQ(fields[4], "BGM");
    EXPECT_TRUE(seen.insert(fields[0]).second) << "duplicate " << fields[0];
  }
  const std::set<std::string> wanted{
      "bgm01.mid", "bgm02.mid", "bgm03.mid", "bgm032.mid", "bgm04.mid", "bgm05.mid", "bgm06.mid",
      "bgm07.mid", "bgm08.mid", "bgm09.mid", "bgm10.mid", "bgm11.mid", "bgm12.mid", "bgm13.mid",
      // one theme per heroine: route code, "m", two digits
      "KOm01.mid", "HOm01.mid", "YUm01.mid", "REm01.mid", "NAm01.mid", "HIm01.mid", "KAm01.mid",
      "AMm01.mid"};
  EXPECT_EQ(seen, wanted);
}

TEST(MusicManifest, BareSourceNameMeansTheMusicFolder) {
  databuild::BuildContext context{musictest::DataDir(), {}};
  std::string error;
  const auto bare = databuild::music::GenerateMusic(
      {"a.mid", "music", "bgm03", "mid", "BGM", 1, {}}, context, &error);
  ASSERT_TRUE(bare) << error;
  EXPECT_EQ(bare, databuild::music::GenerateMusic(
                      {"a.mid", "music", "music/bgm03.txt", "mid", "BGM", 1, {}}, context, &error));
}

TEST(MusicManifest, RefusesOtherFormatsAndMissingSources) {
  databuild::BuildContext context{musictest::DataDir(), {}};
  std::string error;
  EXPECT_FALSE(databuild::music::GenerateMusic({"x.wma", "music", "bgm01", "wma", "BGM", 1, {}},
                                               context, &error));
  EXPECT_NE(error.find("mid"), std::string::npos);
  EXPECT_FALSE(databuild::music::GenerateMusic(
      {"x.mid", "music", "no-such-piece", "mid", "BGM", 1, {}}, context, &error));
  EXPECT_NE(error.find("no-such-piece"), std::string::npos);
}

}  // namespace
