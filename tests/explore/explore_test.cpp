// The explorer's parts, and whole games of the real story played through it:
// the regression runs of the story itself.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/game_state.h"
#include "story/flags.h"
#include "story/scenario_list.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "tools/explore/explorer.h"
#include "tools/explore/integrity.h"
#include "tools/explore/policy.h"
#include "tools/explore/session.h"

namespace {

using explore::Decision;
using explore::Prompt;

std::vector<std::string> TableNames() {
  std::vector<std::string> names;
  for (const scenario::ScenarioEntry* e = story::StoryScenarios; e->name != nullptr; ++e) {
    names.push_back(e->name);
  }
  return names;
}

TEST(Integrity, TheStoryNamesOnlyWhatExists) {
  explore::IntegrityInput input;
  input.storyFolder = std::string(CELLWRIGHT_SOURCE_DIR) + "/story";
  input.manifestFolder = std::string(CELLWRIGHT_SOURCE_DIR) + "/data/manifest";
  input.bible =
      cellwright_test::ReadBytes(std::string(CELLWRIGHT_SOURCE_DIR) + "/docs/story-bible.md");
  input.table = TableNames();
  const std::vector<std::string> problems = explore::CheckIntegrity(input);
  std::string all;
  for (const std::string& problem : problems) all += problem + "\n";
  EXPECT_EQ(all, "");
}

TEST(Integrity, ReportsEachKindOfBrokenName) {
  cellwright_test::TempFolder temp;
  const std::string story = temp.Sub("story");
  const std::string manifest = temp.Sub("manifest");
  cellwright_test::WriteBytes(manifest + "a.tsv",
                              "# name\tfamily\n"
                              "bg034.bmp\tsvg\nbg034y.bmp\tsvg\nkot001.bmp\tsvg\n"
                              "01SE.wma\teffect\nbgm01.mid\tmusic\n");
  cellwright_test::WriteBytes(story + "scene.cpp",
                              "Bg(\"bg034\"); Bg(ByTime(\"bg034\")); Face(1, \"kot001\");\n"
                              "Face(1, \"kut009\"); Music(\"bgm01\"); Music(\"bgm99\");\n"
                              "Effect(\"01\"); Effect(\"02\"); Effect(\"70\");\n"
                              "Jump(\"s1\"); Jump(\"sPlanned\"); Jump(\"sTypo\");\n");
  cellwright_test::WriteBytes(story + "scenario_list.cpp", "{\"s0\"}, {\"s1\"}, {\"sLonely\"}");
  explore::IntegrityInput input{
      story, manifest, "the bible plans sPlanned", {"s0", "s1", "sLonely"}};
  const std::vector<std::string> expected = {
      "scene.cpp: portrait \"kut009\" is not in the data",
      "scene.cpp: music \"bgm99\" is not in the data",
      "scene.cpp: picture \"bg034n\" is not in the data",
      "scene.cpp: effect 02 as \"02se\" is not in the data",
      "scene.cpp: effect 70 as \"エラー\" is not in the data",
      "scene.cpp: scenario \"sTypo\" is neither in the table nor planned in the story bible",
      "scenario table: nothing leads to \"sLonely\"",
  };
  EXPECT_EQ(explore::CheckIntegrity(input), expected);
}

// Only the Japanese of the literals counts, by folder; names, code and the
// full-width space of a speech's continued line do not.
TEST(Integrity, TextIsCountedInCharactersByFolder) {
  cellwright_test::TempFolder temp;
  const std::string story = temp.Sub("story");
  std::filesystem::create_directories(story + "routes/a");
  // The sources on disk are UTF-8, whatever this file's strings compile to.
  const auto utf8 = [](const char8_t* text) {
    return std::string(reinterpret_cast<const char*>(text));
  };
  cellwright_test::WriteBytes(
      story + "routes/a/s.cpp",
      utf8(u8"Bg(\"bg034\"); Say({\"こより「はい、\", \"　どうぞ」\"}); // 説明\n"));
  cellwright_test::WriteBytes(story + "routes/a/t.h", utf8(u8"Say({\"……ね\"});\n"));
  cellwright_test::WriteBytes(story + "top.cpp", utf8(u8"Say({\"Ａ\"});\n"));
  const std::map<std::string, std::size_t> expected = {{"", 1}, {"routes/a", 7 + 4 + 3}};
  EXPECT_EQ(explore::TextSize(story), expected);
}

TEST(Report, WritesTheKeysEscapedAndAReplayPerEnding) {
  explore::Coverage coverage;
  coverage.table = {"s0", "sKoyoriEnd"};
  coverage.entered = {{"s0", 3}};
  coverage.endings["sKoyoriEnd"] = {{Decision::Kind::Choice, 2, {}},
                                    {Decision::Kind::Map, 0, {}},
                                    {Decision::Kind::Dismiss, 0, "guide"},
                                    {Decision::Kind::Map, 7, {}}};
  coverage.endings["declined"] = {};
  coverage.gallery[1] = {0, 12};
  coverage.missing = {"見つかりません a\\b \"c\"\n"};
  coverage.furthest[3] = {40, 828, 3, 14, 1, {350, 371}};
  cellwright_test::TempFolder temp;
  std::string error;
  ASSERT_TRUE(explore::WriteReport(coverage, temp.Path(), &error)) << error;
  const std::string json = cellwright_test::ReadBytes(temp.Path() + "/coverage.json");
  for (const char* piece :
       {"\"table\": [\"s0\", \"sKoyoriEnd\"]", "\"entered\": [\"s0\"]",
        "\"endings\": [\"declined\", \"sKoyoriEnd\"]", "\"gallery\": {\"1\": [0, 12]}",
        "\"movies\": []", "\"missing\": [\"見つかりません a\\\\b \\\"c\\\"\\n\"]",
        "\"dead_ends\": []", "\"doubled\": []"}) {
    EXPECT_NE(json.find(piece), std::string::npos) << piece;
  }
  EXPECT_NE(
      cellwright_test::ReadBytes(temp.Path() + "/summary.txt").find("  3: 828 3 14 1 [350 371]\n"),
      std::string::npos);
  EXPECT_EQ(cellwright_test::ReadBytes(temp.Path() + "/replays/sKoyoriEnd.txt"),
            "# Replays one ending from a new game; made by cellwright-explore.\n"
            "title 1\nhold ctrl\nchoose 2\nuntil-screen map; rclick 320 240\n"
            "until-screen guide; rclick 320 240\nmap 7\n"
            "until-screen staff\nanswer yes\nclose\n");
  EXPECT_NE(cellwright_test::ReadBytes(temp.Path() + "/replays/declined.txt")
                .find("until-screen unfinished"),
            std::string::npos);
}

Prompt Choice(std::vector<std::string> texts) {
  return {Prompt::Kind::Choice, "s2wA", std::move(texts), {}};
}

TEST(Policy, PlayersOfEachWorkEthicAnswerTheDayCycle) {
  core::GameStateRecord state{};
  state.Flag(969) = 1;  // key animator A's cut waits: map place 1
  struct Row {
    Prompt prompt;
    double diligence;
    int expected;
  };
  const Prompt dayEnd = Choice({"１●セーブする", "２●次の日へ", "３●タイトルに戻る"});
  const Prompt action = Choice({"１『スタジオにいる』", "２『外へ出る』", "３『電話をかける』"});
  const Prompt map{Prompt::Kind::Map, "s2wA", {}, {1, 3, 20}};
  const Row rows[] = {
      {dayEnd, 1.0, 2}, {dayEnd, 0.0, 2}, {dayEnd, -1, 2},  // never saves, never leaves
      {action, 1.0, 2}, {action, 0.0, 1}, {map, 1.0, 1},   {map, 0.0, 20},
  };
  std::mt19937 random(7);
  for (const Row& row : rows) {
    explore::TriedAnswers tried;
    for (int i = 0; i < 5; ++i) {
      const Decision d = explore::Answer(row.prompt, state, {row.diligence, true}, tried, random);
      EXPECT_EQ(d.pick, row.expected) << explore::SiteOf(row.prompt) << " " << row.diligence;
    }
  }
}

TEST(Policy, ADevotedPlayerKnocksOnHerDoorsMoreOftenThanChance) {
  struct Row {
    Prompt prompt;
    int heroine;
    std::uint32_t date;
    int expected;
  };
  const Prompt action = Choice({"１『スタジオにいる』", "２『外へ出る』", "３『電話をかける』"});
  const Prompt rooms = Choice({"１『事務所』", "２『作画室』", "３『仕上げ室』"});
  const Prompt roof =
      Choice({"１『こよりさん、です』", "２『ゆずかちゃん、です』", "３『玲那さん、です』"});
  const Prompt map{Prompt::Kind::Map, "s2wA", {}, {1, 14, 15, 20}};
  const Prompt sunday = Choice({"１『街を歩く』", "２『約束の場所へ行く』", "３『部屋で休む』"});
  const Row rows[] = {
      {sunday, 2, 815, 2}, {map, explore::kPair, 805, 14},  // a promise kept; the sisters' flat
      {rooms, 2, 805, 3},  {roof, 3, 828, 2},
      {roof, 4, 828, 3},   {map, 4, 805, 14},
      {map, 3, 812, 15},   {action, 4, 727, 3},  // the sisters' phone before August
      {action, 3, 812, 2},                       // the shop is on the map
      {action, 3, 803, 1},                       // her deliveries come to the drawing room
      {action, 7, 729, 3}, {action, 8, 817, 3},  // phone calls
  };
  std::mt19937 random(5);
  for (const Row& row : rows) {
    core::GameStateRecord state{};
    state.date = row.date;
    explore::TriedAnswers tried;
    int toHer = 0;
    for (int i = 0; i < 80; ++i) {
      const explore::Style devoted{-1, false, row.heroine};  // else pure novelty
      if (explore::Answer(row.prompt, state, devoted, tried, random).pick == row.expected) ++toHer;
    }
    EXPECT_GE(toHer, 30) << explore::SiteOf(row.prompt) << " heroine "
                         << row.heroine;  // chance: 27
  }
  core::GameStateRecord record{};
  record.route[3].affection = 3;
  record.Flag(453) = 1;
  record.Flag(468) = 4;
  record.Flag(353) = 1;  // another route's flag counts for that route only
  record.Flag(480) = 1;  // a pair scene: the sisters' byte in Reina's block
  EXPECT_EQ(explore::RouteProgress(record, 4), 2 * 3 + 3);
  EXPECT_EQ(explore::RouteProgress(record, explore::kPair), 2 * (3 / 2) + 1);
  EXPECT_EQ(explore::RouteProgress(record, explore::kPair + 1), 0);
}

TEST(Policy, OnceSheHasHadHerSceneTodayTheSlotGoesToTheFilm) {
  struct Row {
    bool metToday;
    std::uint32_t date;
    std::uint32_t slot;
    int expected;  // 3 the paint room, 1 the office
  };
  const Prompt rooms = Choice({"１『事務所』", "２『作画室』", "３『仕上げ室』"});
  const Row rows[] = {{false, 805, 0, 3}, {true, 805, 0, 1}, {true, 828, 2, 3}, {true, 828, 1, 1}};
  std::mt19937 random(2);
  for (const Row& row : rows) {
    core::GameStateRecord state{};
    state.date = row.date;
    state.timeSlot = row.slot;
    state.route[1].metToday[0] = row.metToday ? 1 : 0;
    explore::TriedAnswers tried;
    const explore::Style devoted{1.0, true, 2, 1.0};
    EXPECT_EQ(explore::Answer(rooms, state, devoted, tried, random).pick, row.expected)
        << row.date << " slot " << row.slot << " met " << row.metToday;
  }
}

TEST(Policy, NoveltyTriesEveryAnswerBeforeRepeatingOne) {
  const Prompt prompt = Choice({"１『あ』", "２『い』", "３『う』"});
  explore::TriedAnswers tried;
  std::mt19937 random(3);
  std::vector<int> picks;
  for (int i = 0; i < 3; ++i) picks.push_back(explore::Answer(prompt, {}, {}, tried, random).pick);
  std::sort(picks.begin(), picks.end());
  EXPECT_EQ(picks, (std::vector<int>{1, 2, 3}));
}

// Whole games of the real story on the built data.
class WholeGame : public testing::Test {
 protected:
  void SetUp() override {
    folders_.data = std::string(CELLWRIGHT_GAMEDATA) + "/";
    folders_.scratch = temp_.Path();
    for (const char* sub : {"/save", "/temp", "/instance"}) {
      mkdir((temp_.Path() + sub).c_str(), 0700);
    }
  }

  explore::Playout PlayAs(double diligence, const core::GameStateRecord& start,
                          std::size_t budget = 5000) {
    std::mt19937 random(11);
    explore::TriedAnswers tried;
    return explore::Play(
        folders_, start,
        [&](const Prompt& prompt, const core::GameStateRecord& state) {
          return explore::Answer(prompt, state, {diligence, true}, tried, random);
        },
        budget);
  }

  static void ExpectClean(const explore::Playout& game) {
    EXPECT_EQ(game.boxes, std::vector<std::string>{});
    EXPECT_EQ(game.overflows, std::vector<std::string>{});
    EXPECT_EQ(game.wraps, std::vector<std::string>{});
    EXPECT_EQ(game.doubled, std::vector<std::string>{});
    EXPECT_FALSE(game.deadEnd) << game.lastScenario;
    EXPECT_FALSE(game.stalled) << game.lastScenario;
  }

  explore::SessionFolders folders_;
  cellwright_test::TempFolder temp_;
};

TEST_F(WholeGame, EachWorkEthicEndsInItsBand) {
  struct Row {
    double diligence;
    const char* ending;
    int lowest;  // the production score on the last day
    int highest;
  };
  // A diligent player finishes the film; whether a heroine's ending follows
  // depends on whose door he knocked on, so only the failures are ruled out.
  const Row rows[] = {
      {0.0, "dropped", 0, 24},  // idle until 16 August
      {1.0, nullptr, 80, 200},
  };
  for (const Row& row : rows) {
    const explore::Playout game = PlayAs(row.diligence, explore::NewGame());
    if (row.ending != nullptr) {
      EXPECT_EQ(game.ending, row.ending);
    } else {
      for (const char* failed : {"declined", "dropped", "line-test"})
        EXPECT_NE(game.ending, failed);
    }
    core::GameStateRecord last = game.final;
    EXPECT_GE(last.productionScore(), row.lowest);
    EXPECT_LE(last.productionScore(), row.highest);
    ExpectClean(game);
  }
}

TEST_F(WholeGame, AGameResumedFromABoundaryGoesOnAsItWould) {
  const explore::Playout whole = PlayAs(0.7, explore::NewGame());
  ASSERT_GT(whole.snapshots.size(), 100u);
  const explore::Snapshot& middle = whole.snapshots[whole.snapshots.size() / 2];
  std::size_t next = middle.decisions;
  const explore::Playout rest = explore::Play(
      folders_, middle.record,
      [&](const Prompt&, const core::GameStateRecord&) {
        // The session leaves the guide by itself: only the answers are asked for.
        while (whole.decisions.at(next).kind == Decision::Kind::Dismiss) ++next;
        return whole.decisions.at(next++);
      },
      5000);
  EXPECT_EQ(rest.ending, whole.ending);
  const std::vector<Decision> tail(
      whole.decisions.begin() + static_cast<std::ptrdiff_t>(middle.decisions),
      whole.decisions.end());
  EXPECT_TRUE(rest.decisions == tail);
  EXPECT_EQ(std::memcmp(&rest.final, &whole.final, sizeof whole.final), 0);
}

TEST_F(WholeGame, TheLastNightOfJulyEndsOnTheFirstSunday) {
  core::GameStateRecord record = explore::NewGame();
  record.date = 731;
  record.timeSlot = core::kDayOver;
  core::SetNextScenario(record, "s2wA");
  const explore::Playout game = PlayAs(1.0, record, 3);
  ASSERT_GE(game.snapshots.size(), 2u);
  EXPECT_EQ(game.entered[0], "s2wA");
  EXPECT_EQ(game.entered[1], "sWeekEnd");  // no briefing on a Sunday
  const core::GameStateRecord& sunday = game.snapshots[1].record;
  EXPECT_EQ(sunday.date, 801u);
  EXPECT_EQ(sunday.timeSlot, core::kMorning);
  EXPECT_EQ(sunday.weekEnd, 1);
}

// Between two time slots the hub keeps what the day has not done, and puts a
// byte that a scene lowered below 0 back to 0.
TEST_F(WholeGame, UndoneWorkStaysOnTheMapAndLoweredBytesComeBackToZero) {
  core::GameStateRecord record = explore::NewGame();
  record.date = 726;
  record.timeSlot = core::kAfternoon;
  record.dayStarted() = 1;
  record.Flag(969) = 1;  // key animator A's cut waits: map place 1
  record.route[2].affection = 255;
  core::SetNextScenario(record, "s2wA");
  std::vector<std::vector<int>> maps;
  const explore::Playout game = explore::Play(
      folders_, record,
      [&](const Prompt& prompt, const core::GameStateRecord&) {
        if (prompt.kind == Prompt::Kind::Map) {
          maps.push_back(prompt.open);
          return Decision{Decision::Kind::Map, 20, {}};  // home instead of work
        }
        const bool actionMenu = prompt.texts.size() == 3 && prompt.texts[1] == "『外へ出る』";
        return Decision{Decision::Kind::Choice, actionMenu ? 2 : 1, {}};
      },
      12);
  ASSERT_GE(maps.size(), 2u);
  for (const std::vector<int>& open : maps) {
    EXPECT_NE(std::find(open.begin(), open.end(), 1), open.end());
  }
  ASSERT_GE(game.snapshots.size(), 3u);  // s2wA, sHome, s2wA again
  EXPECT_EQ(game.snapshots[2].scenario, "s2wA");
  EXPECT_EQ(game.snapshots[2].record.route[2].affection, 0);
  EXPECT_EQ(game.snapshots[2].record.timeSlot, core::kEvening);
}

}  // namespace
