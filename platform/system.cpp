#include "platform/system.h"

#include <cassert>

#include "platform/encoding.h"

namespace platform {

namespace {
System* CurrentSystem = nullptr;
}  // namespace

System& Sys() {
  assert(CurrentSystem != nullptr && "platform::SetSystem must run before the engine");
  return *CurrentSystem;
}

void SetSystem(System* system) {
  CurrentSystem = system;
}

BoxAnswer ShowGameBox(std::string text, BoxButtons buttons, int defaultButton) {
  return Sys().ShowMessageBox(
      {std::move(text), Sjis(kProductName), buttons, defaultButton, BoxIcon::None});
}

}  // namespace platform
