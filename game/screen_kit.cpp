#include "game/screen_kit.h"

#include "core/frame_pump.h"
#include "platform/system.h"

namespace game {

display::Surface& Slot(int index) {
  return display::LayerSlots[index];
}

bool ShowPicture(int slot, const char* name, int x, int y) {
  display::Surface& surface = Slot(slot);
  const bool loaded = surface.Load(name);
  surface.SetPosition(x, y);
  surface.ShowCurrent();
  return loaded;
}

void LogScreen(const char* name, bool opening, int x, int y) {
  platform::System& sys = platform::Sys();
  if (!sys.IsLogging()) return;
  sys.LogEvent("screen", {platform::LogField::Text("name", name),
                          platform::LogField::Text("state", opening ? "enter" : "exit"),
                          platform::LogField::Number("x", x), platform::LogField::Number("y", y)});
}

int WaitForEitherButton() {
  for (;;) {
    if (core::WaitFrame() == 0) return 0;
    if ((core::InputPressed & (core::KeyOk | core::KeyCancel)) != 0) return 1;
  }
}

}  // namespace game
