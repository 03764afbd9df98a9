// Compiled with Shift-JIS as the execution character set: the picture names
// below are the engine's own text.
#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "game/extras.h"
#include "game/screen_kit.h"
#include "game/slot_screen.h"
#include "media/music.h"
#include "shell/screens.h"

namespace shell {

namespace {

constexpr int kLogoFrames = 60;
constexpr int kItems = 5;
constexpr int kItemX = 412;
constexpr int kItemY[kItems] = {186, 240, 294, 349, 403};
const char* const kItemPictures[kItems] = {"tahaj.bmp", "tatsu.bmp", "taopu.bmp", "taoma.bmp",
                                           "tagam.bmp"};
enum Item { kNone = 0, kNewGame = 1, kContinue = 2, kOptions = 3, kExtras = 4, kEnd = 5 };

// The first item whose picture strictly contains the pointer; 0 for none.
int HoveredItem() {
  for (int item = 1; item <= kItems; ++item) {
    const display::Surface& slot = game::Slot(item);
    if (game::InsideStrict(slot.x, slot.y, slot.cellWidth, slot.cellHeight, core::MouseX,
                           core::MouseY)) {
      return item;
    }
  }
  return kNone;
}

// Only the hovered item's picture shows: it is the highlight.
void ShowHovered(int item) {
  game::Slot(0).ShowCurrent();
  for (int i = 1; i <= kItems; ++i) game::Slot(i).Show(-1);
  if (item != kNone) game::Slot(item).ShowCurrent();
}

void UnloadTitle() {
  for (int slot = 0; slot <= kItems; ++slot) game::Slot(slot).Release();
  game::LogScreen("title", false);
}

// Every item picture is 208 x 44.
constexpr game::Point kItemMiddle{104, 22};

}  // namespace

game::Point TitleItemPoint(int item) {
  const int i = (item >= 1 && item <= kItems ? item : 1) - 1;
  return {kItemX + kItemMiddle.x, kItemY[i] + kItemMiddle.y};
}

int OpeningLogo() {
  game::ShowPicture(0, "オープニングロゴ.bmp", 0, 0);
  game::LogScreen("logo", true);
  for (int frame = 0; frame < kLogoFrames; ++frame) {
    if (core::WaitFrame() == 0) return 0;
    if ((core::InputPressed & (core::KeyOk | core::KeyCancel)) != 0) break;
  }
  game::Slot(0).Release();
  game::LogScreen("logo", false);
  return 1;
}

int TitleMenu() {
  media::PlayMusic("bgm01");
  game::ShowPicture(0, "タイトル改統合.bmp", 0, 0);
  for (int item = 1; item <= kItems; ++item) {
    game::Slot(item).Load(kItemPictures[item - 1]);
    game::Slot(item).SetPosition(kItemX, kItemY[item - 1]);
  }
  game::LogScreen("title", true);
  int hovered = kNone;
  for (;;) {
    if (core::WaitFrame() == 0) return 0;  // the music plays on: the program is ending
    const int item = HoveredItem();
    if (item != hovered) {
      ShowHovered(item);
      hovered = item;
    }
    if ((core::InputPressed & core::KeyOk) == 0 || item == kNone) continue;
    switch (item) {
      case kNewGame:
      case kEnd:
        media::PlayMusic(nullptr);
        UnloadTitle();
        return item;
      case kContinue: {
        const int loaded = game::LoadMenu();
        if (loaded == 0) return 0;
        if (loaded == 1) {
          media::PlayMusic(nullptr);
          UnloadTitle();
          return kContinue;
        }
        break;
      }
      case kOptions: {
        // A game loaded from the menu here starts, as one loaded by the
        // continue item does: a load that did nothing would look broken.
        const int menu = SystemMenu();
        if (menu == 0) return 0;
        if (menu == 1) {
          media::PlayMusic(nullptr);
          UnloadTitle();
          return kContinue;
        }
        break;
      }
      case kExtras:
        if (game::BonusMenu() == 0) return 0;
        break;
      default:
        break;
    }
  }
}

}  // namespace shell
