// The sisters' flat (map place 14) and their phone. For now Reina is the one
// who answers and opens the door; the younger sister's and the pair's scenes
// join here when they are written.
#include "story/routes/routes.h"

namespace story {

ScriptResult sHimi() {
  return Jump("sReinaIn");
}

ScriptResult sHimiTel() {
  return Jump("sReinaTel");
}

}  // namespace story
