// The game's data was made on a file system that ignores case, and it relies on
// that: a request for 01se.wav is served by wave/01SE.WMA, the music asks for
// "BGM/..." while the files sit in "bgm/". Linux file names keep their case,
// so each component below a known folder is matched without ASCII case.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace media {

enum class LastComponent {
  MustExist,    // reading: every component has to be there
  MayBeAbsent,  // writing: the folders must be there, the file may be new
};

// folder (ending in '/', taken as given) + relative ('/'-separated, UTF-8) with
// each component matched: an exact name first, else the first name equal
// without ASCII case in byte order. Components other than the last only match
// folders. nullopt when a component has no match or the folder is empty.
std::optional<std::string> ResolvePath(const std::string& folder, std::string_view relative,
                                       LastComponent last = LastComponent::MustExist);

// Equal without ASCII case; other bytes (UTF-8 sequences) must be identical.
bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace media
