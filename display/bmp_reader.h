// Reads uncompressed Windows bitmaps (4, 8 and 24 bits, bottom-up) from a
// sequential byte source into 0x00RRGGBB pixels. Never seeks: pictures come
// from archives that are read front to back.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace display {

inline constexpr int kMaxPictureSide = 8192;

// Hands out the next bytes of a file; returns how many were copied (fewer only
// at the end of the data).
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint32_t Read(void* dst, std::uint32_t count) = 0;
  // Bytes left from the current position when the source knows it. Lets the
  // reader refuse a short file before allocating room for a large picture.
  virtual std::optional<std::uint64_t> Remaining() const { return std::nullopt; }
};

class MemorySource final : public ByteSource {
 public:
  MemorySource(const void* data, std::size_t size)
      : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}
  std::uint32_t Read(void* dst, std::uint32_t count) override;
  std::optional<std::uint64_t> Remaining() const override { return size_ - position_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t position_ = 0;
};

enum class BmpError : std::uint8_t {
  None,
  Truncated,    // the data ended before header, palette and rows were complete
  HeaderSize,   // biSize is not 40
  Planes,       // biPlanes is not 1
  BitCount,     // not 4, 8 or 24 bits
  Compression,  // not BI_RGB
  Width,        // zero, negative or over kMaxPictureSide
  Height,       // zero, negative (top-down) or over kMaxPictureSide
  PaletteSize,  // more palette entries than the bit count can index
};

class BmpReader {
 public:
  explicit BmpReader(ByteSource& source) : source_(source) {}

  // The 14-byte file header (not examined), the 40-byte info header and the palette.
  bool ReadHeaders();
  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitCount() const { return bitCount_; }
  std::uint32_t PaletteEntries() const { return paletteEntries_; }
  std::uint32_t RowBytes() const { return rowBytes_; }

  // After ReadHeaders: fills Width() x Height() pixels, top row first, rows
  // `pitch` pixels apart. False when the rows end early (dst is then partly written).
  bool ReadPixels(std::uint32_t* dst, std::size_t pitch);

  BmpError Error() const { return error_; }

 private:
  bool Fail(BmpError error);
  bool ReadExactly(void* dst, std::uint32_t count);

  ByteSource& source_;
  BmpError error_ = BmpError::None;
  bool headersRead_ = false;
  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 0;
  std::uint32_t paletteEntries_ = 0;
  std::uint32_t rowBytes_ = 0;
  // Entries past the file's palette stay black.
  std::array<std::uint32_t, 256> palette_{};
};

struct BmpPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // width * height, top row first
};

// The whole picture, or nullopt when refused; `error` (optional) says why.
std::optional<BmpPicture> ReadBmp(ByteSource& source, BmpError* error = nullptr);

}  // namespace display
