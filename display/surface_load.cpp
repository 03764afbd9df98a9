// The surface operations that go through the resource layer: loading by name
// and reloading. Kept apart so the rest of the display builds without it.
#include <cstring>
#include <deque>
#include <memory>
#include <vector>
#include "display/bmp_reader.h"
#include "display/surface.h"

#include "media/resource_file.h"

namespace display {

namespace {

class ResourceSource final : public ByteSource {
 public:
  explicit ResourceSource(media::ResourceFile& file) : file_(file), size_(file.Size()) {}
  std::uint32_t Read(void* dst, std::uint32_t count) override {
    const std::uint32_t got = file_.Read(dst, count);
    consumed_ += got;
    return got;
  }
  std::optional<std::uint64_t> Remaining() const override {
    return size_ >= consumed_ ? size_ - consumed_ : 0;
  }

 private:
  media::ResourceFile& file_;
  std::uint64_t size_;
  std::uint64_t consumed_ = 0;
};

// Every full redraw reads each slot's picture again. Archive members cannot
// change while the game runs, so the last few decoded are kept: the read then
// costs a copy. Loose files are read each time, as an override may come or go.
struct DecodedMember {
  const media::ArchiveEntry* member;
  int width;
  int height;
  std::shared_ptr<const std::vector<std::uint32_t>> pixels;
};
constexpr std::size_t kKeptMembers = 8;

std::deque<DecodedMember>& Kept() {
  static std::deque<DecodedMember> kept;
  return kept;
}

}  // namespace

bool Surface::Load(const char* pictureName) {
  if (!Display.up) return false;
  // The name may be this slot's own, which Release empties.
  char wanted[sizeof name] = {};
  if (pictureName != nullptr)
    std::memcpy(wanted, pictureName, strnlen(pictureName, sizeof name - 1));
  Release();
  CopyName(wanted);
  if (!Screen.HasPixels()) return false;
  media::ResourceFile file;
  // A missing picture is reported by the resource layer itself.
  if (file.Open(name, file.readMode) == 0) return false;
  const media::ArchiveEntry* member = file.Member();
  std::deque<DecodedMember>& kept = Kept();
  if (member != nullptr) {
    for (auto it = kept.begin(); it != kept.end(); ++it) {
      if (it->member != member) continue;
      DecodedMember found = std::move(*it);
      kept.erase(it);
      kept.push_front(std::move(found));
      const DecodedMember& front = kept.front();
      return Share(front.width, front.height, front.pixels);
    }
  }
  ResourceSource source(file);
  if (!Decode(source)) return false;
  if (member != nullptr) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    kept.push_front({member, width, height,
                     std::make_shared<const std::vector<std::uint32_t>>(pixels_, pixels_ + count)});
    if (kept.size() > kKeptMembers) kept.pop_back();
  }
  return true;
}

bool Surface::RestoreAndReload() {
  if (!Display.up || !Screen.HasPixels() || !HasPixels()) return false;
  if (name[0] == '\0') return true;
  const int keptX = x;
  const int keptY = y;
  const int keptCellWidth = cellWidth;
  const int keptCellHeight = cellHeight;
  const int keptFrame = frame;
  const bool wasShown = shown != 0;
  if (!Load(name)) return false;
  x = keptX;
  y = keptY;
  cellWidth = keptCellWidth;
  cellHeight = keptCellHeight;
  frame = keptFrame;
  if (wasShown) ComposeOnto(ComposeBuffer);
  return true;
}

}  // namespace display
