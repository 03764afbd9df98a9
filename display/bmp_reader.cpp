#include "display/bmp_reader.h"

#include <algorithm>
#include <cstring>
#include <memory>

namespace display {

namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;
constexpr std::uint32_t kBiRgb = 0;
// Rows are read in batches of about this size: few calls into the source
// without holding a second copy of a large picture.
constexpr std::uint32_t kChunkBytes = 64 * 1024;

std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::int32_t I32(const std::uint8_t* p) {
  return static_cast<std::int32_t>(U32(p));
}

void ConvertRow24(const std::uint8_t* src, std::uint32_t* dst, int width) {
  for (int x = 0; x < width; ++x, src += 3) {
    dst[x] = static_cast<std::uint32_t>(src[0]) | (static_cast<std::uint32_t>(src[1]) << 8) |
             (static_cast<std::uint32_t>(src[2]) << 16);
  }
}

void ConvertRow8(const std::uint8_t* src, std::uint32_t* dst, int width,
                 const std::uint32_t* palette) {
  for (int x = 0; x < width; ++x) dst[x] = palette[src[x]];
}

void ConvertRow4(const std::uint8_t* src, std::uint32_t* dst, int width,
                 const std::uint32_t* palette) {
  int x = 0;
  for (; x + 1 < width; x += 2, ++src) {
    dst[x] = palette[*src >> 4];
    dst[x + 1] = palette[*src & 0x0F];
  }
  if (x < width) dst[x] = palette[*src >> 4];
}

}  // namespace

std::uint32_t MemorySource::Read(void* dst, std::uint32_t count) {
  const std::size_t n = std::min<std::size_t>(count, size_ - position_);
  if (n != 0) std::memcpy(dst, data_ + position_, n);
  position_ += n;
  return static_cast<std::uint32_t>(n);
}

bool BmpReader::Fail(BmpError error) {
  error_ = error;
  return false;
}

bool BmpReader::ReadExactly(void* dst, std::uint32_t count) {
  return source_.Read(dst, count) == count;
}

bool BmpReader::ReadHeaders() {
  headersRead_ = false;
  std::uint8_t header[kFileHeaderBytes + kInfoHeaderBytes];
  if (!ReadExactly(header, sizeof header)) return Fail(BmpError::Truncated);
  const std::uint8_t* info = header + kFileHeaderBytes;

  if (U32(info) != kInfoHeaderBytes) return Fail(BmpError::HeaderSize);
  const std::int32_t width = I32(info + 4);
  const std::int32_t height = I32(info + 8);
  const std::uint16_t planes = U16(info + 12);
  const std::uint16_t bitCount = U16(info + 14);
  const std::uint32_t compression = U32(info + 16);
  const std::uint32_t colorsUsed = U32(info + 32);

  if (planes != 1) return Fail(BmpError::Planes);
  if (bitCount != 4 && bitCount != 8 && bitCount != 24) return Fail(BmpError::BitCount);
  if (compression != kBiRgb) return Fail(BmpError::Compression);
  if (width <= 0 || width > kMaxPictureSide) return Fail(BmpError::Width);
  if (height <= 0 || height > kMaxPictureSide) return Fail(BmpError::Height);

  // A 24-bit picture has no palette; its biClrUsed is only a hint and is ignored.
  std::uint32_t entries = 0;
  if (bitCount != 24) {
    const std::uint32_t indexable = 1u << bitCount;
    if (colorsUsed > indexable) return Fail(BmpError::PaletteSize);
    entries = colorsUsed == 0 ? indexable : colorsUsed;
  }

  const auto bitsPerRow = static_cast<std::uint32_t>(width) * bitCount;
  const std::uint32_t rowBytes = (bitsPerRow + 31) / 32 * 4;
  if (const auto remaining = source_.Remaining()) {
    const std::uint64_t needed =
        std::uint64_t{entries} * 4 + std::uint64_t{rowBytes} * static_cast<std::uint64_t>(height);
    if (*remaining < needed) return Fail(BmpError::Truncated);
  }

  palette_.fill(0);
  if (entries != 0) {
    std::uint8_t quads[256 * 4];
    if (!ReadExactly(quads, entries * 4)) return Fail(BmpError::Truncated);
    // RGBQUAD is blue, green, red, reserved: little-endian that is 0x??RRGGBB.
    for (std::uint32_t i = 0; i < entries; ++i) palette_[i] = U32(quads + i * 4) & 0x00FFFFFFu;
  }

  width_ = width;
  height_ = height;
  bitCount_ = bitCount;
  paletteEntries_ = entries;
  rowBytes_ = rowBytes;
  headersRead_ = true;
  error_ = BmpError::None;
  return true;
}

bool BmpReader::ReadPixels(std::uint32_t* dst, std::size_t pitch) {
  if (!headersRead_) return false;
  const auto height = static_cast<std::uint32_t>(height_);
  const std::uint32_t rowsPerChunk = std::max<std::uint32_t>(1, kChunkBytes / rowBytes_);
  const std::uint32_t chunkRows = std::min(rowsPerChunk, height);
  const auto chunk =
      std::make_unique_for_overwrite<std::uint8_t[]>(std::size_t{chunkRows} * rowBytes_);

  std::uint32_t fileRow = 0;
  while (fileRow < height) {
    const std::uint32_t rows = std::min(chunkRows, height - fileRow);
    if (!ReadExactly(chunk.get(), rows * rowBytes_)) return Fail(BmpError::Truncated);
    for (std::uint32_t r = 0; r < rows; ++r, ++fileRow) {
      // The file stores the bottom row first.
      std::uint32_t* out = dst + std::size_t{height - 1 - fileRow} * pitch;
      const std::uint8_t* in = chunk.get() + std::size_t{r} * rowBytes_;
      switch (bitCount_) {
        case 24:
          ConvertRow24(in, out, width_);
          break;
        case 8:
          ConvertRow8(in, out, width_, palette_.data());
          break;
        default:
          ConvertRow4(in, out, width_, palette_.data());
          break;
      }
    }
  }
  return true;
}

std::optional<BmpPicture> ReadBmp(ByteSource& source, BmpError* error) {
  BmpReader reader(source);
  const bool ok = reader.ReadHeaders();
  BmpPicture picture;
  if (ok) {
    picture.width = reader.Width();
    picture.height = reader.Height();
    picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                          static_cast<std::size_t>(picture.height));
  }
  const bool complete =
      ok && reader.ReadPixels(picture.pixels.data(), static_cast<std::size_t>(picture.width));
  if (error != nullptr) *error = reader.Error();
  if (!complete) return std::nullopt;
  return picture;
}

}  // namespace display
