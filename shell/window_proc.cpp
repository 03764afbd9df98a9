#include "shell/window_proc.h"

#include "display/surface.h"
#include "platform/encoding.h"
#include "shell/frame_pump.h"
#include "shell/shell_state.h"

namespace shell {

namespace {

void ConfirmClose() {
  const platform::BoxAnswer answer = platform::Sys().ShowMessageBox(
      {platform::Sjis("本当にゲームを終了してよろしいですか？"), platform::Sjis(kProductName),
       platform::BoxButtons::YesNo, 1, platform::BoxIcon::None});
  if (answer == platform::BoxAnswer::Yes) DestroyMainWindow();
  // The click or key that answered the box is not for the game.
  InputHeld = 0;
  InputPressed = 0;
}

}  // namespace

void ReleaseAll() {
  // Music and the sound channels go first, as they join the program.
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
      AppActive = message.active != 0 ? 1 : 0;
      break;
    case MessageKind::Close:
      ConfirmClose();
      break;
    case MessageKind::MouseMove:
      MouseX = message.x;
      MouseY = message.y;
      break;
    case MessageKind::LButtonDown:
      MouseButtons |= KeyOk;
      break;
    case MessageKind::LButtonUp:
      MouseButtons &= ~KeyOk;
      break;
    case MessageKind::RButtonDown:
      MouseButtons |= KeyCancel;
      break;
    case MessageKind::RButtonUp:
      MouseButtons &= ~KeyCancel;
      break;
    case MessageKind::MusicNotify:
      // Looping the music on its end arrives with the music player.
      break;
    case MessageKind::Quit:
      break;  // taken by the frame pump, never dispatched
  }
}

}  // namespace shell
