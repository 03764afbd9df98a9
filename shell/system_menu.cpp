#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "display/stage.h"
#include "game/screen_kit.h"
#include "game/slot_screen.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "shell/screens.h"

namespace shell {

namespace {

constexpr int kPanelSlot = 10;
constexpr int kPanelX = 212;
constexpr int kPanelY = 85;

// Slots 11 to 16 in hit-test order; the last two are click areas drawn on the panel.
enum Part { kMusicOn = 11, kMusicOff, kVoiceOn, kVoiceOff, kLoad, kClose };

struct PartPlace {
  int slot;
  const char* picture;  // null: a click area with a fixed size
  int dx;
  int dy;
  int width;
  int height;
};

constexpr PartPlace kParts[] = {
    {kMusicOn, "opbgmon.bmp", 37, 73, 0, 0},  {kMusicOff, "opbgmoff.bmp", 103, 73, 0, 0},
    {kVoiceOn, "opvoion.bmp", 37, 121, 0, 0}, {kVoiceOff, "opvoioff.bmp", 103, 121, 0, 0},
    {kLoad, nullptr, 44, 174, 128, 36},       {kClose, nullptr, 77, 210, 61, 61},
};
// The switch pictures are 62 x 40.
constexpr game::Point kSwitchMiddle{31, 20};

// The panel, then each switch lit or not as the settings say.
void ShowSwitches() {
  game::Slot(kPanelSlot).ShowCurrent();
  game::Slot(media::MusicEnabled != 0 ? kMusicOn : kMusicOff).ShowCurrent();
  game::Slot(media::MusicEnabled != 0 ? kMusicOff : kMusicOn).Show(-1);
  game::Slot(media::SoundEnabled != 0 ? kVoiceOn : kVoiceOff).ShowCurrent();
  game::Slot(media::SoundEnabled != 0 ? kVoiceOff : kVoiceOn).Show(-1);
}

// The first part whose box holds the pointer, edges included; hidden
// switches keep their boxes. 0 for none.
int PartUnderPointer() {
  for (const PartPlace& part : kParts) {
    const display::Surface& slot = game::Slot(part.slot);
    if (game::InsideInclusive(slot.x, slot.y, slot.width, slot.height, core::MouseX,
                              core::MouseY)) {
      return part.slot;
    }
  }
  return 0;
}

void CloseMenu() {
  for (int slot = kPanelSlot; slot < kClose; ++slot) game::Slot(slot).Release();
  display::Refresh();
  game::LogScreen("system", false, kPanelX, kPanelY);
}

}  // namespace

game::Point SystemMenuPoint(int part) {
  const PartPlace& p = kParts[(part >= 1 && part <= 6 ? part : 1) - 1];
  if (p.picture != nullptr) return {p.dx + kSwitchMiddle.x, p.dy + kSwitchMiddle.y};
  return {p.dx + p.width / 2, p.dy + p.height / 2};
}

int SystemMenu() {
  game::ShowPicture(kPanelSlot, "op_base.bmp", kPanelX, kPanelY);
  for (const PartPlace& part : kParts) {
    display::Surface& slot = game::Slot(part.slot);
    if (part.picture != nullptr) {
      slot.Load(part.picture);
    } else {
      slot.width = part.width;  // a box with nothing to draw
      slot.height = part.height;
    }
    slot.SetPosition(kPanelX + part.dx, kPanelY + part.dy);
  }
  ShowSwitches();
  game::LogScreen("system", true, kPanelX, kPanelY);
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    if ((core::InputPressed & core::KeyOk) != 0) {
      switch (PartUnderPointer()) {
        case kMusicOn:
          media::MusicEnabled = 1;
          media::PlayMusic(media::MusicName.c_str());  // the piece last asked for, from its start
          ShowSwitches();
          break;
        case kMusicOff:
          media::MusicEnabled = 0;
          media::PlayMusic("");
          ShowSwitches();
          break;
        case kVoiceOn:
          media::SoundEnabled = 1;
          ShowSwitches();
          break;
        case kVoiceOff:
          media::SoundEnabled = 0;
          media::ReleaseChannels();  // silent at once
          ShowSwitches();
          break;
        case kLoad: {
          const int loaded = game::LoadMenu();
          if (loaded == 0) return 0;
          if (loaded == 1) {
            CloseMenu();
            return 1;
          }
          break;
        }
        case kClose:
          CloseMenu();
          return -1;
        default:
          break;
      }
    } else if ((core::InputPressed & core::KeyCancel) != 0) {
      CloseMenu();
      return -1;
    }
  }
}

}  // namespace shell
