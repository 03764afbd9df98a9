// Save slots and the save and load screens: what is written where, what a
// failure at any step leaves behind, and the rows under the pointer.
#include <fcntl.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "game/save_slots.h"
#include "game/slot_screen.h"
#include "media/data_file.h"
#include "media/sound_channel.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/files.h"

namespace {

using cellwright_test::ReadBytes;

core::GameStateRecord Dated(std::uint32_t date, std::uint8_t mark) {
  core::GameStateRecord record{};
  record.date = date;
  record.route[2].galleryUnlocked[5] = mark;
  record.movieSeen[1] = mark;
  return record;
}

class SavesTest : public cellwright_test::BuiltDataTest {};

TEST_F(SavesTest, ASlotIsReadByItsFirst1108BytesAndAShorterFileIsNoSave) {
  const std::array<std::uint8_t, core::kGameStateSize> bytes = core::ToDiskBytes(Dated(812, 1));
  const std::string whole(bytes.begin(), bytes.end());
  struct Case {
    const char* name;
    std::string file;
    bool reads;
  } const cases[] = {{"exactly a record", whole, true},
                     {"one byte short", whole.substr(0, 1107), false},
                     {"longer", whole + std::string(892, 'x'), true},
                     {"missing", "", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove(game::SaveSlotPath(4));
    if (!c.file.empty()) cellwright_test::WriteBytes(game::SaveSlotPath(4), c.file);
    core::GameStateRecord record = Dated(725, 0);
    EXPECT_EQ(game::ReadSlot(4, record), c.reads ? 1 : 0);
    EXPECT_EQ(record.date, c.reads ? 812u : 725u);  // untouched unless read whole
  }
}

// The write's calls, each failing in turn at a chosen one.
int FailingStep = -1;
int Step = 0;
bool FailsNow() {
  if (Step++ != FailingStep) return false;
  errno = ENOSPC;
  return true;
}
int Open(const char* path, int flags, mode_t mode) {
  return FailsNow() ? -1 : ::open(path, flags, mode);
}
ssize_t Write(int fd, const void* bytes, size_t count) {
  // Half at a time, so a failure can also strike after part of the record.
  return FailsNow() ? -1 : ::write(fd, bytes, count > 600 ? 600 : count);
}
int Fsync(int fd) {
  return FailsNow() ? -1 : ::fsync(fd);
}
int Close(int fd) {
  const int closed = ::close(fd);
  return FailsNow() ? -1 : closed;
}
int Rename(const char* from, const char* to) {
  return FailsNow() ? -1 : ::rename(from, to);
}

TEST_F(SavesTest, AFailureAtAnyStepOfAWriteLeavesThePreviousSlotAsItWas) {
  ASSERT_EQ(game::WriteSlot(2, Dated(801, 1)), 1);
  const std::string before = ReadBytes(game::SaveSlotPath(2));
  ASSERT_EQ(before.size(), core::kGameStateSize);
  game::SetSlotFileCalls({Open, Write, Fsync, Close, Rename});
  // open, write, write, fsync, close, rename: then the folder's own sync.
  for (FailingStep = 0; FailingStep < 6; ++FailingStep) {
    SCOPED_TRACE(FailingStep);
    Step = 0;
    EXPECT_EQ(game::WriteSlot(2, Dated(830, 2)), 0);
    EXPECT_EQ(ReadBytes(game::SaveSlotPath(2)), before);
    EXPECT_FALSE(std::filesystem::exists(game::SaveSlotPath(2) + ".new"));
  }
  // Fewer than 250 bytes free refuses the write before a byte of it.
  FailingStep = -1;
  const media::FreeSpaceProbe probe =
      media::SetFreeSpaceProbe([](int) -> std::optional<std::uint64_t> { return 249; });
  EXPECT_EQ(game::WriteSlot(2, Dated(830, 2)), 0);
  EXPECT_EQ(ReadBytes(game::SaveSlotPath(2)), before);
  media::SetFreeSpaceProbe(probe);
  Step = 0;
  EXPECT_EQ(game::WriteSlot(2, Dated(830, 2)), 1);
  core::GameStateRecord read{};
  ASSERT_EQ(game::ReadSlot(2, read), 1);
  EXPECT_EQ(read.date, 830u);
  game::SetSlotFileCalls({});
}

TEST_F(SavesTest, ThePointersRowHasItsEdgesWhereTheRowsAreDrawn) {
  struct Case {
    int dx;
    int dy;
    int row;
  } const cases[] = {{30, 58, 0},  {30, 57, -1}, {185, 58, 0},  {186, 58, -1}, {29, 60, -1},
                     {100, 85, 0}, {100, 86, 1}, {100, 337, 9}, {100, 338, -1}};
  for (const Case& c : cases) {
    EXPECT_EQ(game::SlotRowAt(212, 48, 212 + c.dx, 48 + c.dy), c.row) << c.dx << "," << c.dy;
  }
}

TEST_F(SavesTest, SavingIntoARowWritesTheSystemRecordAndTheSlotAlike) {
  core::GameState = Dated(812, 1);
  const game::Point row3 = game::SlotRowPoint(2);
  Script("until-screen save; click-rel " + std::to_string(row3.x) + " " + std::to_string(row3.y));
  EXPECT_EQ(game::SaveMenu(), 0);
  const std::string slot0 = ReadBytes(game::SaveSlotPath(0));
  EXPECT_EQ(slot0.size(), core::kGameStateSize);
  EXPECT_EQ(ReadBytes(game::SaveSlotPath(3)), slot0);
  // A right click writes nothing, slot 0 included.
  std::filesystem::remove(game::SaveSlotPath(0));
  Script("until-screen save; rclick " + std::to_string(212 + row3.x) + " " +
         std::to_string(48 + row3.y));
  EXPECT_EQ(game::SaveMenu(), 0);
  EXPECT_FALSE(std::filesystem::exists(game::SaveSlotPath(0)));
}

TEST_F(SavesTest, LoadingKeepsTheNewestUnlocksStopsTheSoundAndIgnoresAnEmptyRow) {
  game::WriteSlot(0, Dated(829, 7));  // unlocks seen since
  game::WriteSlot(1, Dated(801, 0));  // an old game
  cellwright_test::WriteBytes(game::SaveSlotPath(2), std::string(1107, '\0'));
  media::PlaySound(0, "12", 1);
  const game::Point row1 = game::SlotRowPoint(0);
  const game::Point row2 = game::SlotRowPoint(1);
  Script("until-screen load; click-rel " + std::to_string(row2.x) + " " + std::to_string(row2.y) +
         "; frames 2; click-rel " + std::to_string(row1.x) + " " + std::to_string(row1.y));
  EXPECT_EQ(game::LoadMenu(), 1);
  EXPECT_EQ(core::GameState.date, 801u);
  EXPECT_EQ(core::GameState.route[2].galleryUnlocked[5], 7);
  EXPECT_EQ(core::GameState.movieSeen[1], 7);
  EXPECT_EQ(media::SoundChannels[0].player, nullptr);
  EXPECT_EQ(Events("load").size(), 2u);  // the empty row's click loaded nothing
}

}  // namespace
