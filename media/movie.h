// Movies: AVI files in the MOVIE folder, shown in the middle quarter of the
// screen while the story waits.
#pragma once

#include "scenario/script_result.h"

namespace media {

// Where a movie's pictures go on the 640x480 screen.
inline constexpr int kMovieX = 160;
inline constexpr int kMovieY = 120;
inline constexpr int kMovieWidth = 320;
inline constexpr int kMovieHeight = 240;

// Releases both sound channels and stops the music (which does not come back
// by itself), then plays MOVIE/<name>.ARC until it ends or Enter is pressed.
// Window messages are handled meanwhile; a close request breaks the movie off
// and is then handled as usual. A null name only stops. Always 0.
scenario::ScriptResult PlayMovie(const char* name);

}  // namespace media
