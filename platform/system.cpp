#include "platform/system.h"

#include <cassert>

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

}  // namespace platform
