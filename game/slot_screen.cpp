#include "game/slot_screen.h"

#include <cstdio>

#include "core/frame_pump.h"
#include "core/game_state.h"
#include "core/shell_state.h"
#include "display/stage.h"
#include "game/save_slots.h"
#include "game/screen_kit.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "platform/system.h"

namespace game {

namespace {

constexpr int kRows = 10;
constexpr int kRowX = 30;  // from the base's corner
constexpr int kRowTop = 58;
constexpr int kRowHeight = 28;
constexpr int kRowRight = 185;

struct Layout {
  const char* base;
  int baseSlot;  // then the ten rows, then the highlight
  const char* screen;
};

constexpr Layout kSaveLayout{"ss_base.bmp", 10, "save"};
constexpr Layout kLoadLayout{"ls_base.bmp", 17, "load"};

int FloorDiv(int a, int b) {
  return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

class SlotScreen {
 public:
  explicit SlotScreen(const Layout& layout) : layout_(layout) {
    display::Surface& base = Slot(layout_.baseSlot);
    base.Load(layout_.base);
    baseX_ = CentredX(base.width);
    baseY_ = CentredY(base.height);
    base.SetPosition(baseX_, baseY_);
    base.ShowCurrent();
    for (int row = 0; row < kRows; ++row) {
      core::GameStateRecord saved{};
      if (ReadSlot(row + 1, saved) == 0) continue;
      char name[32];
      std::snprintf(name, sizeof name, "lsdate%04u.bmp", saved.date);
      ShowPicture(RowSlot(row), name, baseX_ + kRowX, RowY(row));
    }
    Slot(HighlightSlot()).Load("lscars.bmp");
    LogScreen(layout_.screen, true, baseX_, baseY_);
  }

  // Once a frame: the highlight follows the pointer's row.
  void Track() {
    if (core::MouseX == lastX_ && core::MouseY == lastY_) return;
    lastX_ = core::MouseX;
    lastY_ = core::MouseY;
    const int row = SlotRowAt(baseX_, baseY_, lastX_, lastY_);
    if (row == row_) return;
    row_ = row;
    Slot(layout_.baseSlot).ShowCurrent();  // the base and rows over the old highlight
    for (int r = 0; r < kRows; ++r) {
      if (Slot(RowSlot(r)).HasPixels()) Slot(RowSlot(r)).ShowCurrent();
    }
    display::Surface& highlight = Slot(HighlightSlot());
    highlight.SetPosition(baseX_ + kRowX, RowY(row < 0 ? 0 : row));
    highlight.Show(row < 0 ? -1 : 0);
  }

  int Row() const { return row_; }

  void Close() {
    for (int slot = layout_.baseSlot; slot <= HighlightSlot(); ++slot) Slot(slot).Release();
    display::Refresh();
    LogScreen(layout_.screen, false, baseX_, baseY_);
  }

 private:
  int RowSlot(int row) const { return layout_.baseSlot + 1 + row; }
  int HighlightSlot() const { return layout_.baseSlot + 1 + kRows; }
  int RowY(int row) const { return baseY_ + kRowTop + kRowHeight * row; }

  const Layout& layout_;
  int baseX_ = 0;
  int baseY_ = 0;
  int lastX_ = -1;
  int lastY_ = -1;
  int row_ = -1;
};

void LogPick(const char* kind, int slot, int result) {
  if (!platform::Sys().IsLogging()) return;
  platform::Sys().LogEvent(kind, {platform::LogField::Number("slot", slot),
                                  platform::LogField::Number("result", result)});
}

}  // namespace

int SlotRowAt(int baseX, int baseY, int x, int y) {
  if (x < baseX + kRowX || x > baseX + kRowRight) return -1;
  const int row = FloorDiv(y - baseY - kRowTop, kRowHeight);
  return row >= 0 && row < kRows ? row : -1;
}

Point SlotRowPoint(int row) {
  return {(kRowX + kRowRight) / 2, kRowTop + kRowHeight * row + kRowHeight / 2};
}

scenario::ScriptResult SaveMenu() {
  SlotScreen screen(kSaveLayout);
  for (;;) {
    if (core::WaitFrame() == 0) return scenario::kQuit;
    screen.Track();
    if ((core::InputPressed & core::KeyOk) != 0 && screen.Row() >= 0) {
      const int slot = screen.Row() + 1;
      WriteSlot(0, core::GameState);
      LogPick("save", slot, WriteSlot(slot, core::GameState));
      break;
    }
    if ((core::InputPressed & core::KeyCancel) != 0) break;
  }
  screen.Close();
  return scenario::kGoOn;
}

int LoadMenu() {
  SlotScreen screen(kLoadLayout);
  int result = -1;
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    screen.Track();
    if ((core::InputPressed & core::KeyOk) != 0 && screen.Row() >= 0) {
      const int slot = screen.Row() + 1;
      core::GameStateRecord system{};
      // An unreadable system record or slot: the click does nothing.
      const bool loaded = ReadSlot(0, system) == 1 && ReadSlot(slot, core::GameState) == 1;
      LogPick("load", slot, loaded ? 1 : 0);
      if (loaded) {
        core::MergePersistent(core::GameState, system);  // the newest unlocks, not the save's
        media::ReleaseChannels();
        media::PlayMusic(nullptr);
        result = 1;
        break;
      }
    }
    if ((core::InputPressed & core::KeyCancel) != 0) break;
  }
  screen.Close();
  return result;
}

}  // namespace game
