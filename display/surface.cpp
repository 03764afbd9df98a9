#include "display/surface.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <vector>

#include "core/frame_pump.h"
#include "display/blit.h"
#include "display/bmp_reader.h"
#include "platform/system.h"

namespace display {

// One translation unit, this order: each is built before the next.
DisplayState Display;
Surface Screen;
Surface ComposeBuffer;
Surface LayerSlots[kLayerSlotCount];

namespace {

constexpr int kScreenWidth = platform::kScreenWidth;
constexpr int kScreenHeight = platform::kScreenHeight;

int ClampToInt(std::int64_t value) {
  return static_cast<int>(std::clamp<std::int64_t>(value, INT_MIN, INT_MAX));
}

void PresentChanges() {
  PresentScreenIfChanged();
}

}  // namespace

bool DisplayIsUp() {
  return Display.up;
}

bool InitDisplay() {
  if (Display.up) return true;
  if (!platform::Sys().HasMainWindow()) return false;
  Display.up = true;
  if (!Screen.CreatePrimary() || !ComposeBuffer.CreateBlank(kScreenWidth, kScreenHeight)) {
    ShutdownDisplay();
    return false;
  }
  core::Hooks.presentChanges = PresentChanges;
  return true;
}

void ShutdownDisplay() {
  for (Surface& slot : LayerSlots) slot.Release();
  ComposeBuffer.Release();
  Screen.Release();
  Display.up = false;
  core::Hooks.presentChanges = nullptr;
}

bool PresentScreenIfChanged() {
  if (!Screen.Changed()) return false;
  Screen.ClearChanged();
  platform::Sys().Present();
  return true;
}

// --- DrawingContext ------------------------------------------------------------

void DrawingContext::FillRect(const Rect& rect, std::uint32_t color) const {
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, width);
  const int bottom = std::min(rect.bottom, height);
  if (pixels == nullptr || left >= right || top >= bottom) return;
  for (int row = top; row < bottom; ++row) {
    std::uint32_t* line = pixels + static_cast<std::ptrdiff_t>(row) * pitch;
    std::fill(line + left, line + right, color);
  }
}

// --- Surface -------------------------------------------------------------------

Surface::~Surface() {
  Release();
}

void Surface::Release() {
  FreePixels();
  bitDepth = 0;
  layout16 = 0;
  name[0] = '\0';  // an emptied slot must not come back on the next reload
}

void Surface::FreePixels() {
  owned_.reset();
  shared_.reset();
  pixels_ = nullptr;
  pitch_ = 0;
  primary_ = false;
  changed_ = false;
}

void Surface::CopyName(const char* pictureName) {
  if (pictureName == name) return;
  if (pictureName == nullptr) pictureName = "";
  const std::size_t length = strnlen(pictureName, sizeof name - 1);
  std::memmove(name, pictureName, length);
  name[length] = '\0';
}

bool Surface::CreatePrimary() {
  if (this != &Screen || !Display.up) return false;
  std::uint32_t* screen = platform::Sys().ScreenPixels();
  if (screen == nullptr) return false;
  Release();
  pixels_ = screen;
  pitch_ = kScreenWidth;
  primary_ = true;
  bitDepth = 32;
  width = cellWidth = kScreenWidth;
  height = cellHeight = kScreenHeight;
  x = y = 0;
  return true;
}

bool Surface::Allocate(int w, int h, bool clear) {
  if (!Display.up || !Screen.HasPixels()) return false;
  if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return false;
  FreePixels();
  const std::size_t count = static_cast<std::size_t>(w) * static_cast<std::size_t>(h);
  owned_.reset(new (std::nothrow) std::uint32_t[count]);
  if (!owned_) return false;
  if (clear) std::fill_n(owned_.get(), count, 0u);
  pixels_ = owned_.get();
  pitch_ = w;
  width = w;
  height = h;
  return true;
}

bool Surface::CreateBlank(int w, int h) {
  if (!Allocate(w, h, true)) return false;
  // No picture stands behind blank pixels, so a reload must not bring one back.
  name[0] = '\0';
  x = y = 0;
  cellWidth = w;
  cellHeight = h;
  return true;
}

bool Surface::LoadFromSource(const char* pictureName, ByteSource& source) {
  Release();
  CopyName(pictureName);
  if (!Display.up || !Screen.HasPixels()) return false;
  return Decode(source);
}

bool Surface::Decode(ByteSource& source) {
  BmpReader reader(source);
  if (!reader.ReadHeaders()) return false;
  // Every pixel is written by the reader, so the storage is not cleared first.
  if (!Allocate(reader.Width(), reader.Height(), false)) return false;
  if (!reader.ReadPixels(pixels_, static_cast<std::size_t>(pitch_))) {
    Release();
    return false;
  }
  Loaded();
  return true;
}

bool Surface::Share(int w, int h, std::shared_ptr<const std::vector<std::uint32_t>> pixels) {
  if (!Display.up || !Screen.HasPixels()) return false;
  FreePixels();
  shared_ = std::move(pixels);
  // Never written through: every drawing path makes the pixels its own first.
  pixels_ = const_cast<std::uint32_t*>(shared_->data());
  pitch_ = w;
  width = w;
  height = h;
  Loaded();
  return true;
}

void Surface::EnsureOwn() {
  if (!shared_) return;
  const std::size_t count = shared_->size();
  owned_.reset(new (std::nothrow) std::uint32_t[count]);
  if (!owned_) {
    // Out of memory: the drawing goes nowhere rather than into the shared copy.
    FreePixels();
    return;
  }
  std::copy_n(shared_->data(), count, owned_.get());
  pixels_ = owned_.get();
  shared_.reset();
}

void Surface::Loaded() {
  cellWidth = width;
  cellHeight = height;
  x = y = 0;
  frame = 0;
  shown = 0;
}

bool Surface::DrawTo(int frameIndex, Surface& destination, int destX, int destY, Rect sourceRect) {
  if (!Display.up || !destination.HasPixels() || !HasPixels()) return false;
  if (frameIndex == -1) {
    shown = 0;
    return true;
  }
  // 64-bit edges: frame numbers and positions come from scripts and may be extreme.
  const std::int64_t frameTop = std::int64_t{frameIndex} * cellHeight;
  std::int64_t left = sourceRect.left;
  std::int64_t top = sourceRect.top + frameTop;
  std::int64_t right = sourceRect.right;
  std::int64_t bottom = sourceRect.bottom + frameTop;
  std::int64_t dx = destX;
  std::int64_t dy = destY;

  // The screen-edge rules, decided by where the slot itself stands.
  if (x < 0) {
    dx = 0;
    left -= x;
  }
  if (std::int64_t{x} + cellWidth > kScreenWidth)
    right -= std::int64_t{x} + cellWidth - kScreenWidth;
  if (y < 0) {
    dy = 0;
    top -= y;
  }
  frame = frameIndex;
  shown = 1;

  // Whatever the rules left, never read outside the source...
  if (left < 0) {
    dx -= left;
    left = 0;
  }
  if (top < 0) {
    dy -= top;
    top = 0;
  }
  right = std::min<std::int64_t>(right, width);
  bottom = std::min<std::int64_t>(bottom, height);
  // ...nor write outside the destination.
  if (dx < 0) {
    left -= dx;
    dx = 0;
  }
  if (dy < 0) {
    top -= dy;
    dy = 0;
  }
  const std::int64_t w = std::min<std::int64_t>(right - left, destination.width - dx);
  const std::int64_t h = std::min<std::int64_t>(bottom - top, destination.height - dy);
  if (w <= 0 || h <= 0) return true;

  destination.EnsureOwn();
  if (!destination.HasPixels()) return false;
  const auto srcPitch = static_cast<std::size_t>(pitch_);
  const auto dstPitch = static_cast<std::size_t>(destination.pitch_);
  const std::uint32_t* src =
      pixels_ + static_cast<std::size_t>(top) * srcPitch + static_cast<std::size_t>(left);
  std::uint32_t* dst =
      destination.pixels_ + static_cast<std::size_t>(dy) * dstPitch + static_cast<std::size_t>(dx);
  if (&destination == this) {
    // Source and destination may overlap: copy the source rows out first.
    std::vector<std::uint32_t> copy(static_cast<std::size_t>(w * h));
    for (std::int64_t row = 0; row < h; ++row) {
      std::copy_n(src + static_cast<std::size_t>(row) * srcPitch, w,
                  copy.data() + static_cast<std::size_t>(row * w));
    }
    detail::KeyedCopy(copy.data(), static_cast<std::size_t>(w), dst, dstPitch, static_cast<int>(w),
                      static_cast<int>(h));
  } else {
    detail::KeyedCopy(src, srcPitch, dst, dstPitch, static_cast<int>(w), static_cast<int>(h));
  }
  destination.MarkDrawn();
  return true;
}

bool Surface::Show(int frameIndex) {
  return DrawTo(frameIndex, Screen, x, y, Rect{0, 0, cellWidth, cellHeight});
}

bool Surface::ShowCurrent() {
  return Show(frame);
}

bool Surface::ComposeOnto(Surface& destination) {
  return DrawTo(frame, destination, x, y, Rect{0, 0, cellWidth, cellHeight});
}

bool Surface::ShowSlice(int sourceTop, int destY) {
  std::int64_t bottom = std::int64_t{sourceTop} + height;
  // The part that would fall below the screen is cut from the bottom of the band.
  const std::int64_t overhang = std::int64_t{destY} + height - kScreenHeight;
  if (overhang > 0) bottom -= overhang;
  const Rect band{0, sourceTop, width, ClampToInt(bottom)};
  SetPosition(0, destY);
  return DrawTo(0, Screen, 0, destY, band);
}

bool Surface::SetPosition(int newX, int newY) {
  x = newX;
  y = newY;
  return true;
}

std::optional<DrawingContext> Surface::BeginDrawing() {
  if (!Display.up || !Screen.HasPixels() || !HasPixels()) return std::nullopt;
  EnsureOwn();
  if (!HasPixels()) return std::nullopt;
  MarkDrawn();
  return DrawingContext{pixels_, pitch_, width, height};
}

void Surface::EndDrawing(const DrawingContext& context) {
  if (context.pixels == pixels_ && HasPixels()) MarkDrawn();
}

std::optional<LockedRows> Surface::Lock(const Rect& rect) {
  if (!Display.up || !HasPixels()) return std::nullopt;
  const int left = std::max(rect.left, 0);
  const int top = std::max(rect.top, 0);
  const int right = std::min(rect.right, width);
  const int bottom = std::min(rect.bottom, height);
  if (left >= right || top >= bottom) return std::nullopt;
  EnsureOwn();
  if (!HasPixels()) return std::nullopt;
  MarkDrawn();
  std::uint32_t* first = pixels_ +
                         static_cast<std::size_t>(top) * static_cast<std::size_t>(pitch_) +
                         static_cast<std::size_t>(left);
  return LockedRows{first, pitch_, right - left, bottom - top};
}

void Surface::Unlock() {
  if (HasPixels()) MarkDrawn();
}

}  // namespace display
