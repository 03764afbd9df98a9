#include "shell/window_proc.h"

#include "core/frame_pump.h"
#include "core/shell_state.h"
#include "display/surface.h"
#include "media/music.h"
#include "media/sound_channel.h"
#include "platform/encoding.h"

namespace shell {

namespace {

void ConfirmClose() {
  // No is the default: a stray Enter must not end the game.
  const platform::BoxAnswer answer = platform::ShowGameBox(
      platform::Sjis("本当にゲームを終了してよろしいですか？"), platform::BoxButtons::YesNo, 1);
  if (answer == platform::BoxAnswer::Yes) DestroyMainWindow();
  // The click or key that answered the box is not for the game.
  core::InputHeld = 0;
  core::InputPressed = 0;
}

}  // namespace

void ReleaseAll() {
  media::PlayMusic(nullptr);
  media::ReleaseChannels();
  display::ShutdownDisplay();
}

void DestroyMainWindow() {
  if (!platform::Sys().HasMainWindow()) return;
  WindowProc({platform::MessageKind::Destroy});
  platform::Sys().DestroyMainWindow();
}

void WindowProc(const platform::Message& message) {
  using platform::MessageKind;
  switch (message.kind) {
    case MessageKind::Destroy:
      ReleaseAll();
      platform::Sys().PostQuitMessage();
      break;
    case MessageKind::Activate:
      core::AppActive = message.active != 0 ? 1 : 0;
      break;
    case MessageKind::Close:
      ConfirmClose();
      break;
    case MessageKind::MouseMove:
      core::MouseX = message.x;
      core::MouseY = message.y;
      break;
    case MessageKind::LButtonDown:
      core::MouseButtons |= core::KeyOk;
      break;
    case MessageKind::LButtonUp:
      core::MouseButtons &= ~core::KeyOk;
      break;
    case MessageKind::RButtonDown:
      core::MouseButtons |= core::KeyCancel;
      break;
    case MessageKind::RButtonUp:
      core::MouseButtons &= ~core::KeyCancel;
      break;
    case MessageKind::MusicNotify:
      media::OnMusicNotify(message.status);
      break;
    case MessageKind::Quit:
      break;  // taken by the frame pump, never dispatched
  }
}

}  // namespace shell
