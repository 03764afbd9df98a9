#include "core/frame_pump.h"

#include "core/shell_state.h"

namespace core {

int InputHeld = 0;
int InputPressed = 0;
int InputPrevious = 0;
std::uint32_t FrameTick = 0;
FrameHooks Hooks;

namespace {

constexpr unsigned kTickShift = 5;  // one frame per 32 ms
constexpr std::uint32_t kTickMs = 1u << kTickShift;
constexpr std::uint32_t kWaitForever = 0xFFFFFFFFu;

int SampleInput() {
  struct Binding {
    platform::Key key;
    int bit;
  };
  static constexpr Binding kBindings[] = {
      {platform::Key::Up, KeyUp},     {platform::Key::Down, KeyDown},
      {platform::Key::Left, KeyLeft}, {platform::Key::Right, KeyRight},
      {platform::Key::Enter, KeyOk},  {platform::Key::Escape, KeyCancel},
  };
  int held = 0;
  for (const Binding& binding : kBindings) {
    if (platform::Sys().KeyDown(binding.key)) held |= binding.bit;
  }
  return held | (MouseButtons & (KeyOk | KeyCancel));
}

}  // namespace

int WaitFrame() {
  if (QuitReceived != 0) return 0;
  // What was drawn since the last wait goes on screen before the wait begins.
  if (Hooks.presentChanges != nullptr) Hooks.presentChanges();
  platform::System& sys = platform::Sys();
  for (;;) {
    platform::Message message;
    if (sys.PeekMessage(message)) {
      if (message.kind == platform::MessageKind::Quit) {
        QuitReceived = 1;
        sys.LogEvent("quit", {});
        return 0;
      }
      if (Hooks.windowProcedure != nullptr) Hooks.windowProcedure(message);
      continue;  // every queued message goes before a frame
    }
    // Nothing queued: block instead of spinning, so a game waiting for the
    // player costs next to no processor time. Inactive, only a message helps.
    if (AppActive == 0) {
      sys.WaitMessage(kWaitForever);
      continue;
    }
    const std::uint32_t now = sys.TickCount();
    const std::uint32_t tick = now >> kTickShift;
    if (tick != FrameTick) {  // "differs", not "greater": the counter wraps
      FrameTick = tick;
      break;
    }
    sys.WaitMessage(kTickMs - (now & (kTickMs - 1)));
  }

  const int held = SampleInput();
  InputPressed = (held ^ InputPrevious) & held;
  InputPrevious = held;
  InputHeld = held;
  return 1;
}

void SettleInput() {
  InputHeld = InputPrevious = SampleInput();
  InputPressed = 0;
}

bool ControlHeld() {
  return platform::Sys().KeyDown(platform::Key::Control);
}

}  // namespace core
