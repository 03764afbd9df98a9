// The events the hub looks for at every time slot, before the action menu.
#pragma once

namespace story {

// The scenario of the first event whose condition holds, in the table's order;
// null when none does. An event whose scenario is not written yet is passed by.
const char* TriggeredEvent();

}  // namespace story
