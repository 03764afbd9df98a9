// The logo, the title menu and the system menu as the player meets them.
#include <gtest/gtest.h>

#include <string>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "display/choices.h"
#include "display/message_window.h"
#include "game/save_slots.h"
#include "game/slot_screen.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "shell/screens.h"
#include "tests/support/built_data_fixture.h"
#include "tests/support/pixels.h"

namespace {

std::string At(game::Point p) {
  return std::to_string(p.x) + " " + std::to_string(p.y);
}

class ScreensTest : public cellwright_test::BuiltDataTest {
 protected:
  void SetUp() override {
    BuiltDataTest::SetUp();
    display::SystemMenu = shell::SystemMenu;
  }
};

TEST_F(ScreensTest, TheLogoLastsSixtyFramesUnlessAClickOrAKeySkipsIt) {
  const std::uint64_t start = Sys().Frame();
  EXPECT_EQ(shell::OpeningLogo(), 1);
  EXPECT_EQ(Sys().Frame() - start, 60u);
  Script("frames 5; rclick 1 1");
  const std::uint64_t skipped = Sys().Frame();
  EXPECT_EQ(shell::OpeningLogo(), 1);
  EXPECT_LT(Sys().Frame() - skipped, 10u);
}

TEST_F(ScreensTest, OnlyTheHoveredTitleItemShowsAndEnterActsWhereThePointerIs) {
  // A click beside the items does nothing; Enter over the last item ends the program.
  Script("until-screen title; click 100 100; frames 2; move " + At(shell::TitleItemPoint(2)) +
         "; frames 2; shot lit; move " + At(shell::TitleItemPoint(5)) + "; frames 2; key enter");
  EXPECT_EQ(shell::TitleMenu(), 5);
  EXPECT_EQ(media::MusicName, "");  // the title's music stopped and forgotten
  const cellwright_test::Picture lit = cellwright_test::ReadPng(Temp().Folder() + "lit.png");
  ASSERT_EQ(lit.width, 640);
  // Item 2 is drawn lit; item 1 above it is not drawn at all (the background shows).
  const game::Point two = shell::TitleItemPoint(2);
  const game::Point one = shell::TitleItemPoint(1);
  EXPECT_NE(lit.At(two.x - 90, two.y), lit.At(one.x - 90, one.y));
}

TEST_F(ScreensTest, MusicOffRemembersThePieceOnRestartsItAndVoiceOffCutsTheVoice) {
  media::PlayMusic("bgm03");
  media::PlaySound(1, "ko0001", 0);
  Script("until-screen system; click-rel " + At(shell::SystemMenuPoint(2)) +
         "; frames 2; click-rel " + At(shell::SystemMenuPoint(1)) + "; frames 2; click-rel " +
         At(shell::SystemMenuPoint(4)) + "; frames 2; click-rel " + At(shell::SystemMenuPoint(6)));
  EXPECT_EQ(shell::SystemMenu(), -1);
  EXPECT_EQ(media::MusicEnabled, 1);
  EXPECT_EQ(media::SoundEnabled, 0);
  EXPECT_EQ(media::SoundChannels[1].player, nullptr);  // cut at once
  const std::vector<std::string> music = Events("music");
  ASSERT_EQ(music.size(), 3u);  // bgm03, stopped, bgm03 again from its start
  EXPECT_NE(music[2].find("bgm03"), std::string::npos);
}

TEST_F(ScreensTest, EscapeAtAPageOpensTheMenuAndClosingItKeepsThePageWaiting) {
  display::AddTextLine("x");
  Script("until-page; key escape; until-screen system; key escape; frames 5; page");
  EXPECT_EQ(display::WaitPage(), 0);
  EXPECT_EQ(Events("screen").size(), 2u);  // the menu opened and closed once
}

TEST_F(ScreensTest, LoadingFromTheMenuDuringAChoiceAbandonsIt) {
  core::GameStateRecord saved{};
  saved.date = 815;
  ASSERT_EQ(game::WriteSlot(0, saved), 1);
  ASSERT_EQ(game::WriteSlot(1, saved), 1);
  display::AddChoice("\x82\x50x");  // "１x"
  Script("until-choice; rclick 320 240; until-screen system; click-rel " +
         At(shell::SystemMenuPoint(5)) + "; until-screen load; click-rel " +
         At(game::SlotRowPoint(0)));
  EXPECT_EQ(display::RunChoice(), 1);
  EXPECT_EQ(core::GameState.date, 815u);
}

}  // namespace
