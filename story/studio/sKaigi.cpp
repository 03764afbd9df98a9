#include "core/game_state.h"
#include "story/chapters.h"
#include "story/day/visit.h"

namespace story {

ScriptResult sKaigi() {
  Bg("bg038");
  GO(Say({"打ち合わせが始まった。"}));
  return Visited(Work::StaffMeeting);
}

}  // namespace story
