// Picture slots. Everything the player sees is composed from them onto the
// Screen, whose pixels are the platform's screen buffer. One pixel format
// everywhere: 32-bit 0x00RRGGBB; a source pixel of exactly kColorKey is never
// copied by a blit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace display {

class ByteSource;

inline constexpr std::uint32_t kColorKey = 0x0000FF00u;
inline constexpr int kLayerSlotCount = 40;

// Edges as in a Windows RECT: right and bottom are one past the last pixel.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// Direct access to a surface's pixels, in place of a GDI device context.
struct DrawingContext {
  std::uint32_t* pixels = nullptr;
  int pitch = 0;  // in pixels
  int width = 0;
  int height = 0;

  // Clipped to the surface.
  void FillRect(const Rect& rect, std::uint32_t color) const;
};

// Rows of a rectangle of a surface: `first` is its top-left pixel.
struct LockedRows {
  std::uint32_t* first = nullptr;
  int pitch = 0;  // in pixels
  int width = 0;
  int height = 0;
};

struct DisplayState {
  bool up = false;
};

class Surface {
 public:
  Surface() = default;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;
  virtual ~Surface();

  // The Screen only: adopts the platform's screen buffer.
  bool CreatePrimary();
  // Black pixels, position 0,0, one cell of w x h; forgets the picture name.
  bool CreateBlank(int w, int h);
  // Shift-JIS name, looked up through the resource layer. A refused or missing
  // picture leaves the slot empty.
  bool Load(const char* pictureName);
  // Load from an already opened byte source; the name is recorded for reloads.
  bool LoadFromSource(const char* pictureName, ByteSource& source);
  // Frees the pixels and forgets the picture's name, so the next reload does
  // not bring an emptied slot back; position, cell, frame and shown flag stay.
  void Release();

  // The one blit: the rows of `sourceRect` (moved down by frame cells) onto
  // `destination` at x, y, clipped so nothing outside either surface is touched.
  // Frame -1 only marks the slot hidden.
  bool DrawTo(int frameIndex, Surface& destination, int destX, int destY, Rect sourceRect);
  bool Show(int frameIndex);
  bool ShowCurrent();
  bool ComposeOnto(Surface& destination);
  // A band of a tall picture: source rows from sourceTop, shown at destY.
  bool ShowSlice(int sourceTop, int destY);
  bool SetPosition(int newX, int newY);

  std::optional<DrawingContext> BeginDrawing();
  void EndDrawing(const DrawingContext& context);
  // `rect` is clipped to the surface; nullopt when nothing of it is left.
  std::optional<LockedRows> Lock(const Rect& rect);
  void Unlock();

  // Reads the picture again by its name, keeping position, cell and frame, and
  // composes it onto the ComposeBuffer when it is shown. Nothing here can lose
  // its pixels, so this is the redraw's reload, not a repair.
  bool RestoreAndReload();

  bool HasPixels() const { return pixels_ != nullptr; }
  const std::uint32_t* Pixels() const { return pixels_; }
  std::uint32_t* Pixels() {
    EnsureOwn();
    return pixels_;
  }
  int Pitch() const { return pitch_; }

  // Only the Screen uses it: a draw onto it since the last present.
  bool Changed() const { return changed_; }
  void ClearChanged() { changed_ = false; }

  std::uint32_t bitDepth = 0;  // 32 on the Screen only
  std::uint32_t layout16 = 0;  // the 16-bit pixel layout; always 0 here
  int width = 0;
  int height = 0;
  int x = 0;
  int y = 0;
  int cellWidth = 0;
  int cellHeight = 0;
  int frame = 0;
  int shown = 0;
  char name[256] = {};

 private:
  void FreePixels();
  bool Allocate(int w, int h, bool clear);
  bool Decode(ByteSource& source);
  // Shows a picture already decoded, as Decode leaves one; the pixels are
  // shared until something draws on the surface.
  bool Share(int w, int h, std::shared_ptr<const std::vector<std::uint32_t>> pixels);
  void EnsureOwn();
  void Loaded();
  void CopyName(const char* pictureName);
  void MarkDrawn() { changed_ = changed_ || primary_; }

  std::unique_ptr<std::uint32_t[]> owned_;
  std::shared_ptr<const std::vector<std::uint32_t>> shared_;  // read only
  std::uint32_t* pixels_ = nullptr;  // owned_, shared_ or the platform's screen buffer
  int pitch_ = 0;
  bool primary_ = false;
  bool changed_ = false;
};

// Defined in this order in one translation unit, so they are built in this order.
extern DisplayState Display;
extern Surface Screen;
extern Surface ComposeBuffer;
extern Surface LayerSlots[kLayerSlotCount];

// Needs the main window. Makes the Screen and the 640x480 black ComposeBuffer.
bool InitDisplay();
// Releases the slots from 0 up, the ComposeBuffer, the Screen, then the display.
void ShutdownDisplay();
bool DisplayIsUp();

// Once per frame: shows the Screen when something was drawn on it since the last call.
bool PresentScreenIfChanged();

}  // namespace display
