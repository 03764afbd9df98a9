// Stands in for the generated directories until the data builder provides a
// cellwright_directories target; see docs/resources.md.
#include "media/archive.h"

namespace media {

namespace {
constexpr ArchiveEntry kNoMembers[] = {{nullptr, 0, 0}};
}  // namespace

const ArchiveEntry* const PictureDirectory = kNoMembers;
const ArchiveEntry* const SoundDirectory = kNoMembers;

}  // namespace media
