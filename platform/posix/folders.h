// Folder lookups that are the same under every backend.
#pragma once

#include <string>
#include <vector>

namespace platform::posix {

// Ensures the trailing '/'.
std::string WithSlash(std::string folder);

// Creates folder (and parents) as 0700 when missing and checks that the last
// component is a real directory owned by us with no group/other access. Returns
// false for a symlink, a foreign owner or a loose mode: never use it then.
bool EnsurePrivateFolder(const std::string& folder);

std::string CurrentFolder();

// $XDG_RUNTIME_DIR when set and private, else a private folder of our own under
// the cache home (a second name when the first is refused); empty when none is.
std::string RuntimeFolder();
// <runtime>/cellwright/ for short-lived files such as the sound channels'
// copies; when that is refused, a fresh private folder removed at exit; empty
// (with one line on stderr) when none can be made.
std::string PrivateTempFolder();
// $XDG_DATA_HOME/cellwright/ (default ~/.local/share/cellwright/).
std::string PrivateDataFolder();

// iso9660 and udf mount points in the order of a mounts table (/proc/self/mounts format).
std::vector<std::string> DiscMountPointsFrom(const std::string& mountsText);
std::vector<std::string> DiscMountPoints();

bool IsWritableFolder(const std::string& folder);

}  // namespace platform::posix
