// Commands that read like play ("title 1", "save 3", "map 20") turned into the
// headless backend's own: wait for the screen, then click where a player would.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace play {

// Each command of play becomes the primitive commands it stands for, on the
// same line; everything else is left as it is (comments go). nullopt
// with *error ("line 4: ...") when such a line is malformed.
std::optional<std::string> ExpandPlayCommands(std::string_view script, std::string* error);

}  // namespace play
