// Loading by name through the resource layer, and reloading a slot in place.
// Where a name is found (loose file, archive, letter case, Shift-JIS names) is
// the resource layer's own, tested in tests/media.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "core/shell_state.h"
#include "display/surface.h"
#include "tests/support/display_fixture.h"
#include "tests/support/files.h"

namespace {

using cellwright_test::DisplayTest;
using cellwright_test::Pattern;
using cellwright_test::TrueColourPlan;
using cellwright_test::WriteBmp;
using display::Surface;

std::uint32_t Other(int x, int y) {
  return Pattern(x, y) ^ 0x00300000u;
}

class SurfaceLoadTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    core::InstallFolder = Sys().CurrentFolder();
    bmpFolder_ = Temp().Sub("install/bmp");
  }
  void WriteLoose(const std::string& name, std::uint32_t (*colour)(int, int) = Pattern) {
    cellwright_test::WriteBytes(bmpFolder_ + name, WriteBmp(TrueColourPlan(8, 8, colour)));
  }

  std::string bmpFolder_;
};

TEST_F(SurfaceLoadTest,
       AMissingRefusedOrVanishedPictureLeavesTheSlotEmptyAndOnlyAMissingOneSaysSo) {
  Surface& slot = display::LayerSlots[0];
  cellwright_test::WriteBytes(bmpFolder_ + "bad.bmp", "not a picture");
  EXPECT_FALSE(slot.Load("bad.bmp"));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_TRUE(Sys().Boxes().empty());

  WriteLoose("old.bmp");
  ASSERT_TRUE(slot.Load("old.bmp"));
  EXPECT_FALSE(slot.Load("nothere.bmp"));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_STREQ(slot.name, "nothere.bmp");
  EXPECT_EQ(Sys().Boxes().size(), 1u);  // "not found"
  EXPECT_FALSE(slot.Show(0));  // the caller carries on; showing the empty slot is refused quietly

  ASSERT_TRUE(slot.Load("old.bmp"));
  ASSERT_TRUE(std::filesystem::remove(bmpFolder_ + "old.bmp"));
  EXPECT_FALSE(slot.RestoreAndReload());
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_EQ(Sys().Boxes().size(), 2u);

  display::ShutdownDisplay();  // nothing is even looked for while the display is down
  EXPECT_FALSE(slot.Load("nothere.bmp"));
  EXPECT_EQ(Sys().Boxes().size(), 2u);
}

TEST_F(SurfaceLoadTest, ReloadingReadsTheFileAgainKeepsPlaceCellAndFrameAndRecomposesAShownSlot) {
  for (const bool shown : {true, false}) {
    SCOPED_TRACE(shown ? "shown" : "hidden");
    WriteLoose("cells.bmp");
    Surface& slot = display::LayerSlots[4];
    ASSERT_TRUE(slot.Load("cells.bmp"));
    Fill(display::ComposeBuffer, 0);
    slot.SetPosition(30, 40);
    slot.cellHeight = 4;
    slot.frame = 1;
    slot.shown = shown ? 1 : 0;
    WriteLoose("cells.bmp", Other);  // the file changes underneath
    ASSERT_TRUE(slot.RestoreAndReload());
    EXPECT_EQ(std::tuple(slot.x, slot.y, slot.cellWidth, slot.cellHeight, slot.frame, slot.shown),
              std::tuple(30, 40, 8, 4, 1, shown ? 1 : 0));
    for (int y = 38; y < 46; ++y) {
      for (int x = 28; x < 40; ++x) {
        const bool inside = shown && x >= 30 && x < 38 && y >= 40 && y < 44;
        EXPECT_EQ(At(display::ComposeBuffer, x, y), inside ? Other(x - 30, y - 40 + 4) : 0u)
            << x << "," << y;
      }
    }
  }
}

TEST_F(SurfaceLoadTest, OnlyANamedPictureComesBackAndTheSlotsOwnNameIsReadAgain) {
  WriteLoose("kept.bmp");
  Surface& slot = display::LayerSlots[5];
  ASSERT_TRUE(slot.Load("kept.bmp"));
  slot.Release();
  EXPECT_STREQ(slot.name, "");  // an emptied slot must not come back
  ASSERT_TRUE(slot.Load("kept.bmp"));
  ASSERT_TRUE(slot.CreateBlank(4, 4));  // blank pixels have no picture behind them
  Fill(slot, 42);
  ASSERT_TRUE(slot.RestoreAndReload());
  EXPECT_EQ(At(slot, 3, 3), 42u);

  // Loading the slot's own name, which the load itself empties, reads it again.
  ASSERT_TRUE(slot.Load("kept.bmp"));
  WriteLoose("kept.bmp", Other);
  ASSERT_TRUE(slot.Load(slot.name));
  EXPECT_STREQ(slot.name, "kept.bmp");
  EXPECT_EQ(At(slot, 1, 1), Other(1, 1));
}

}  // namespace
