// Loading by name through the resource layer: loose files, the picture archive,
// missing pictures, and reloading a slot in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/shell_state.h"
#include "display/surface.h"
#include "media/archive.h"
#include "platform/encoding.h"
#include "tests/support/display_fixture.h"

namespace {

using cellwright_test::BmpPlan;
using cellwright_test::DisplayTest;
using cellwright_test::Pattern;
using cellwright_test::TrueColourPlan;
using cellwright_test::WriteBmp;
using display::Surface;

std::uint32_t Other(int x, int y) {
  return Pattern(x, y) ^ 0x00300000u;
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << path;
}

class SurfaceLoadTest : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    core::InstallFolder = Sys().CurrentFolder();
    bmpFolder_ = Temp().Sub("install/bmp");
  }
  void TearDown() override {
    media::PictureArchive.Open("", nullptr);
    DisplayTest::TearDown();
  }
  // utf8Name is the name on disk; the engine asks for its Shift-JIS form.
  void WriteLoose(const std::string& utf8Name, const BmpPlan& plan) {
    WriteFile(bmpFolder_ + utf8Name, WriteBmp(plan));
  }
  bool BoxSaysNotFound() {
    if (Sys().Boxes().size() != 1) return false;
    return Sys().Boxes()[0].request.text.find(platform::Sjis("見つかりません")) == 0;
  }

  std::string bmpFolder_;
};

TEST_F(SurfaceLoadTest, LooseFileIsLoadedByItsShiftJisName) {
  BmpPlan plan;
  plan.width = 5;
  plan.height = 3;
  plan.bitCount = 8;
  plan.colorsUsed = 4;
  plan.palette = {0x102030, 0x00FF00, 0xFFFFFF, 0x808080};
  for (int i = 0; i < 15; ++i) plan.pixels.push_back(static_cast<std::uint32_t>(i % 4));
  WriteLoose("背景.bmp", plan);

  Surface& slot = display::LayerSlots[7];
  const std::string name = platform::Sjis("背景.bmp");
  ASSERT_TRUE(slot.Load(name.c_str()));
  EXPECT_TRUE(Sys().Boxes().empty());
  EXPECT_EQ(std::string(slot.name), name);
  EXPECT_EQ(slot.width, 5);
  EXPECT_EQ(slot.height, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) {
      EXPECT_EQ(At(slot, x, y), plan.palette[static_cast<std::size_t>((y * 5 + x) % 4)]);
    }
  }
}

TEST_F(SurfaceLoadTest, MissingPictureLeavesTheSlotEmptyAfterTheBox) {
  Surface& slot = display::LayerSlots[0];
  WriteLoose("old.bmp", TrueColourPlan(4, 4));
  ASSERT_TRUE(slot.Load("old.bmp"));
  EXPECT_FALSE(slot.Load("nothere.bmp"));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_STREQ(slot.name, "nothere.bmp");
  EXPECT_TRUE(BoxSaysNotFound());
  // The caller carries on: showing the empty slot is refused quietly.
  EXPECT_FALSE(slot.Show(0));
  EXPECT_EQ(Sys().Boxes().size(), 1u);
}

TEST_F(SurfaceLoadTest, RefusedFileLeavesTheSlotEmptyWithoutABox) {
  BmpPlan plan = TrueColourPlan(4, 4);
  plan.compression = 1;
  WriteLoose("rle.bmp", plan);
  Surface& slot = display::LayerSlots[0];
  EXPECT_FALSE(slot.Load("rle.bmp"));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_TRUE(Sys().Boxes().empty());
}

TEST_F(SurfaceLoadTest, NothingIsOpenedWhileTheDisplayIsDown) {
  display::ShutdownDisplay();
  Surface& slot = display::LayerSlots[0];
  EXPECT_FALSE(slot.Load("nothere.bmp"));
  EXPECT_TRUE(Sys().Boxes().empty());
  ASSERT_TRUE(display::InitDisplay());
}

TEST_F(SurfaceLoadTest, ArchiveMemberIsLoadedWhenNoLooseFileExists) {
  const auto first = WriteBmp(TrueColourPlan(3, 2));
  const auto second = WriteBmp(TrueColourPlan(6, 5, Other));
  std::vector<std::uint8_t> archive(first);
  archive.insert(archive.end(), second.begin(), second.end());
  const std::string path = Sys().CurrentFolder() + "bmp.arc";
  WriteFile(path, archive);
  const auto firstSize = static_cast<std::uint32_t>(first.size());
  const auto secondSize = static_cast<std::uint32_t>(second.size());
  // The last member is listed one byte short: a damaged directory entry.
  const media::ArchiveEntry directory[] = {{"FIRST.BMP", 0, firstSize},
                                           {"second.bmp", firstSize, secondSize},
                                           {"cut.bmp", firstSize, secondSize - 1},
                                           {nullptr, 0, 0}};
  ASSERT_EQ(media::PictureArchive.Open(path.c_str(), directory), 1);

  Surface& slot = display::LayerSlots[1];
  ASSERT_TRUE(slot.Load("second.bmp"));
  EXPECT_EQ(slot.width, 6);
  EXPECT_EQ(slot.height, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 6; ++x) EXPECT_EQ(At(slot, x, y), Other(x, y)) << x << "," << y;
  }
  ASSERT_TRUE(slot.Load("first.bmp"));
  EXPECT_EQ(slot.width, 3);
  EXPECT_EQ(At(slot, 2, 1), Pattern(2, 1));

  // A member shorter than its picture is refused, not read on into what follows.
  EXPECT_FALSE(slot.Load("cut.bmp"));
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_TRUE(Sys().Boxes().empty());

  // A loose file wins over the archive.
  WriteLoose("second.bmp", TrueColourPlan(2, 2));
  ASSERT_TRUE(slot.Load("second.bmp"));
  EXPECT_EQ(slot.width, 2);
}

TEST_F(SurfaceLoadTest, RestoreReloadsKeepsPlaceAndFrameAndRecomposesWhenShown) {
  WriteLoose("cells.bmp", TrueColourPlan(8, 8));
  Surface& slot = display::LayerSlots[4];
  ASSERT_TRUE(slot.Load("cells.bmp"));
  slot.SetPosition(30, 40);
  slot.cellHeight = 4;
  ASSERT_TRUE(slot.Show(1));

  // The file changes underneath: the reload must read it again.
  WriteLoose("cells.bmp", TrueColourPlan(8, 8, Other));
  ASSERT_TRUE(slot.RestoreAndReload());
  EXPECT_EQ(slot.x, 30);
  EXPECT_EQ(slot.y, 40);
  EXPECT_EQ(slot.cellWidth, 8);
  EXPECT_EQ(slot.cellHeight, 4);
  EXPECT_EQ(slot.frame, 1);
  EXPECT_EQ(slot.shown, 1);
  EXPECT_EQ(At(slot, 0, 0), Other(0, 0));
  for (int y = 38; y < 46; ++y) {
    for (int x = 28; x < 40; ++x) {
      const bool inside = x >= 30 && x < 38 && y >= 40 && y < 44;
      EXPECT_EQ(At(display::ComposeBuffer, x, y), inside ? Other(x - 30, y - 40 + 4) : 0u)
          << x << "," << y;
    }
  }
}

TEST_F(SurfaceLoadTest, RestoreOfAHiddenSlotDoesNotCompose) {
  WriteLoose("cells.bmp", TrueColourPlan(8, 8));
  Surface& slot = display::LayerSlots[4];
  ASSERT_TRUE(slot.Load("cells.bmp"));
  slot.SetPosition(5, 6);
  slot.cellHeight = 2;
  slot.frame = 3;
  ASSERT_TRUE(slot.RestoreAndReload());
  EXPECT_EQ(slot.x, 5);
  EXPECT_EQ(slot.y, 6);
  EXPECT_EQ(slot.cellHeight, 2);
  EXPECT_EQ(slot.frame, 3);
  EXPECT_EQ(slot.shown, 0);
  const std::uint32_t* compose = display::ComposeBuffer.Pixels();
  EXPECT_EQ(std::count(compose, compose + 640 * 480, 0u), 640 * 480);
}

TEST_F(SurfaceLoadTest, RestoreOfAVanishedPictureFailsAndEmptiesTheSlot) {
  WriteLoose("gone.bmp", TrueColourPlan(4, 4));
  Surface& slot = display::LayerSlots[2];
  ASSERT_TRUE(slot.Load("gone.bmp"));
  ASSERT_TRUE(std::filesystem::remove(bmpFolder_ + "gone.bmp"));
  EXPECT_FALSE(slot.RestoreAndReload());
  EXPECT_FALSE(slot.HasPixels());
  EXPECT_TRUE(BoxSaysNotFound());
}

}  // namespace

namespace {

TEST_F(SurfaceLoadTest, ReleaseForgetsTheNameSoAReloadBringsNothingBack) {
  WriteLoose("kept.bmp", TrueColourPlan(4, 4));
  Surface& slot = display::LayerSlots[5];
  ASSERT_TRUE(slot.Load("kept.bmp"));
  EXPECT_STREQ(slot.name, "kept.bmp");
  slot.Release();
  EXPECT_STREQ(slot.name, "");
  EXPECT_FALSE(slot.HasPixels());
  ASSERT_TRUE(slot.CreateBlank(4, 4));
  ASSERT_TRUE(slot.RestoreAndReload());
  EXPECT_EQ(At(slot, 0, 0), 0u);  // still blank: nothing named, nothing reloaded
}

TEST_F(SurfaceLoadTest, LoadingTheSlotsOwnNameReadsItAgain) {
  WriteLoose("self.bmp", TrueColourPlan(4, 4));
  Surface& slot = display::LayerSlots[6];
  ASSERT_TRUE(slot.Load("self.bmp"));
  WriteLoose("self.bmp", TrueColourPlan(4, 4, Other));
  ASSERT_TRUE(slot.Load(slot.name));
  EXPECT_STREQ(slot.name, "self.bmp");
  EXPECT_EQ(At(slot, 1, 1), Other(1, 1));
}

}  // namespace
