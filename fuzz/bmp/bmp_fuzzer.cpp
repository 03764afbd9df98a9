// Feeds arbitrary bytes to the BMP reader, then draws whatever it accepted with
// positions, frames and rectangles taken from the bytes after the picture (the
// reader leaves them unread), so the clipping is fuzzed along with the parsing.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "display/bmp_reader.h"
#include "display/surface.h"
#include "platform/null_system.h"

namespace {

// Just enough of a backend for the display: a window and a screen buffer.
class FuzzSystem final : public platform::NullSystem {
 public:
  bool CreateMainWindow(const std::string&) override { return true; }
  bool HasMainWindow() const override { return true; }
  std::uint32_t* ScreenPixels() override { return screen_.data(); }

 private:
  std::vector<std::uint32_t> screen_ = std::vector<std::uint32_t>(640 * 480);
};

// The same bytes without their length, as a stream would give them.
class UnsizedSource final : public display::ByteSource {
 public:
  UnsizedSource(const std::uint8_t* data, std::size_t size) : inner_(data, size) {}
  std::uint32_t Read(void* dst, std::uint32_t count) override { return inner_.Read(dst, count); }

 private:
  display::MemorySource inner_;
};

// Reads parameters from the bytes after the picture; zeros once they run out.
class Params {
 public:
  Params(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  std::int32_t Next() {
    std::uint8_t bytes[4] = {};
    for (std::uint8_t& b : bytes) b = at_ < size_ ? data_[at_++] : 0;
    std::uint32_t v = 0;
    std::memcpy(&v, bytes, sizeof v);
    return static_cast<std::int32_t>(v);
  }
  // Mostly small values near the screen, sometimes the extremes.
  std::int32_t Position() {
    const std::int32_t v = Next();
    return (v & 0x100000) != 0 ? v : v % 1400;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void DrawWithFuzzedParameters(display::Surface& slot, Params params) {
  display::Surface target;
  const int targetWidth = 1 + (params.Next() & 63);
  const int targetHeight = 1 + (params.Next() & 63);
  Check(target.CreateBlank(targetWidth, targetHeight));
  for (int round = 0; round < 4; ++round) {
    slot.SetPosition(params.Position(), params.Position());
    slot.cellWidth = params.Position();
    slot.cellHeight = params.Position();
    const int frame = params.Next() % 8;
    const display::Rect rect{params.Position(), params.Position(), params.Position(),
                             params.Position()};
    slot.DrawTo(frame, target, params.Position(), params.Position(), rect);
    slot.DrawTo(frame, display::Screen, params.Position(), params.Position(), rect);
    slot.Show(frame);
    slot.ShowSlice(params.Position(), params.Position());
    if (const auto rows = target.Lock(
            {params.Position(), params.Position(), params.Position(), params.Position()})) {
      for (int y = 0; y < rows->height; ++y) {
        std::memset(rows->first + static_cast<std::ptrdiff_t>(y) * rows->pitch, 0,
                    static_cast<std::size_t>(rows->width) * 4);
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static FuzzSystem system;
  static const bool ready = [] {
    platform::SetSystem(&system);
    return display::InitDisplay();
  }();
  Check(ready);

  display::MemorySource sized(data, size);
  display::BmpError sizedError = display::BmpError::None;
  const std::optional<display::BmpPicture> picture = display::ReadBmp(sized, &sizedError);
  if (picture) {
    Check(picture->pixels.size() ==
          static_cast<std::size_t>(picture->width) * static_cast<std::size_t>(picture->height));
    for (std::uint32_t pixel : picture->pixels) Check((pixel & 0xFF000000u) == 0);
  }

  // Without its length the reader must come to the same answer, only later.
  UnsizedSource unsized(data, size);
  display::BmpReader reader(unsized);
  if (reader.ReadHeaders()) {
    const auto count =
        static_cast<std::size_t>(reader.Width()) * static_cast<std::size_t>(reader.Height());
    if (count <= (std::size_t{1} << 22)) {
      std::vector<std::uint32_t> pixels(count);
      const bool complete =
          reader.ReadPixels(pixels.data(), static_cast<std::size_t>(reader.Width()));
      Check(complete == picture.has_value());
      if (complete) Check(pixels == picture->pixels);
    }
  } else {
    Check(!picture);
    Check(reader.Error() == sizedError);
  }

  if (!picture) return 0;
  display::MemorySource again(data, size);
  display::Surface& slot = display::LayerSlots[0];
  Check(slot.LoadFromSource("fuzz.bmp", again));
  const std::size_t used = size - static_cast<std::size_t>(*again.Remaining());
  DrawWithFuzzedParameters(slot, Params(data + used, size - used));
  slot.Release();
  return 0;
}
