#include "tools/databuild/picture.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <tuple>

namespace databuild {

namespace {

using Rgb = std::array<std::uint8_t, 3>;

// A pixel after the key rule: transparent, or an opaque colour that is never the key.
struct KeyedPixel {
  bool transparent = false;
  Rgb colour{};
};

KeyedPixel ApplyKeyRule(const RgbaImage& image, std::size_t i, bool keyed) {
  const std::uint8_t* p = &image.rgba[i * 4];
  if (keyed && p[3] < kAlphaThreshold) return {true, kKeyColour};
  Rgb colour = {p[0], p[1], p[2]};
  if (colour == kKeyColour) colour = kNudgedKey;
  return {false, colour};
}

int Distance(const Rgb& a, const std::array<int, 3>& b) {
  const int dr = a[0] - b[0];
  const int dg = a[1] - b[1];
  const int db = a[2] - b[2];
  // Weighted towards green, which the eye resolves best.
  return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct ColourCount {
  Rgb colour;
  std::uint64_t count;
};

// Median cut over the distinct colours, weighted by how often each occurs.
std::vector<Rgb> MedianCut(std::vector<ColourCount> colours, std::size_t wanted) {
  struct Box {
    std::size_t begin, end;
  };
  std::vector<Box> boxes = {{0, colours.size()}};
  const auto range = [&](const Box& box, int* channel) {
    int best = -1;
    for (int c = 0; c < 3; ++c) {
      int lo = 255, hi = 0;
      for (std::size_t i = box.begin; i < box.end; ++i) {
        lo = std::min<int>(lo, colours[i].colour[static_cast<std::size_t>(c)]);
        hi = std::max<int>(hi, colours[i].colour[static_cast<std::size_t>(c)]);
      }
      if (hi - lo > best) {
        best = hi - lo;
        *channel = c;
      }
    }
    return best;
  };
  while (boxes.size() < wanted) {
    // Split the box whose widest channel spans most; first such box on ties.
    std::size_t pick = boxes.size();
    int pickRange = 0, pickChannel = 0;
    for (std::size_t b = 0; b < boxes.size(); ++b) {
      if (boxes[b].end - boxes[b].begin < 2) continue;
      int channel = 0;
      const int r = range(boxes[b], &channel);
      if (r > pickRange) {
        pick = b;
        pickRange = r;
        pickChannel = channel;
      }
    }
    if (pick == boxes.size()) break;
    Box box = boxes[pick];
    const auto c = static_cast<std::size_t>(pickChannel);
    std::sort(colours.begin() + static_cast<std::ptrdiff_t>(box.begin),
              colours.begin() + static_cast<std::ptrdiff_t>(box.end),
              [c](const ColourCount& a, const ColourCount& b) {
                return std::tie(a.colour[c], a.colour) < std::tie(b.colour[c], b.colour);
              });
    std::uint64_t total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) total += colours[i].count;
    std::uint64_t running = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i < box.end - 1; ++i) {
      running += colours[i].count;
      split = i + 1;
      if (running * 2 >= total) break;
    }
    boxes[pick] = {box.begin, split};
    boxes.push_back({split, box.end});
  }
  std::vector<Rgb> palette;
  for (const Box& box : boxes) {
    std::uint64_t sum[3] = {0, 0, 0}, total = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      for (std::size_t c = 0; c < 3; ++c) sum[c] += colours[i].colour[c] * colours[i].count;
      total += colours[i].count;
    }
    Rgb mean{};
    for (std::size_t c = 0; c < 3; ++c) {
      mean[c] = static_cast<std::uint8_t>((sum[c] + total / 2) / total);
    }
    palette.push_back(mean);
  }
  return palette;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::uint32_t RowBytes(int width, int bits) {
  return ((static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bits) + 31) / 32) * 4;
}

std::vector<std::uint8_t> Headers(int width, int height, int bits, std::uint32_t paletteSize) {
  const std::uint32_t imageBytes = RowBytes(width, bits) * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = 14 + 40 + paletteSize * 4;
  std::vector<std::uint8_t> out;
  out.reserve(offset + imageBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, offset + imageBytes);
  Put32(out, 0);
  Put32(out, offset);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(width));
  Put32(out, static_cast<std::uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bits));
  Put32(out, 0);  // BI_RGB
  Put32(out, imageBytes);
  Put32(out, 2835);  // 72 dpi
  Put32(out, 2835);
  Put32(out, paletteSize);
  Put32(out, 0);
  return out;
}

std::uint32_t Get32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
         static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

}  // namespace

std::optional<PictureFormat> ParsePictureFormat(std::string_view format) {
  if (format == "bmp8") return PictureFormat{8, false};
  if (format == "bmp8k") return PictureFormat{8, true};
  if (format == "bmp4") return PictureFormat{4, false};
  if (format == "bmp4k") return PictureFormat{4, true};
  if (format == "bmp24") return PictureFormat{24, false};
  return std::nullopt;
}

IndexedImage Quantise(const RgbaImage& image, PictureFormat format) {
  const std::size_t count =
      static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
  std::vector<KeyedPixel> pixels(count);
  std::map<Rgb, std::uint64_t> histogram;
  for (std::size_t i = 0; i < count; ++i) {
    pixels[i] = ApplyKeyRule(image, i, format.keyed);
    if (!pixels[i].transparent) ++histogram[pixels[i].colour];
  }

  const std::size_t capacity = (std::size_t{1} << format.bits) - (format.keyed ? 1 : 0);
  std::vector<Rgb> colours;
  const bool exact = histogram.size() <= capacity;
  if (exact) {
    for (const auto& [colour, n] : histogram) colours.push_back(colour);  // sorted: deterministic
  } else {
    std::vector<ColourCount> counted;
    counted.reserve(histogram.size());
    for (const auto& [colour, n] : histogram) counted.push_back({colour, n});
    colours = MedianCut(std::move(counted), capacity);
  }
  // An average can land on the key colour; the nudge keeps it visible.
  for (Rgb& c : colours) {
    if (c == kKeyColour) c = kNudgedKey;
  }

  IndexedImage out;
  out.width = image.width;
  out.height = image.height;
  if (format.keyed) out.palette.push_back(kKeyColour);
  const std::size_t first = out.palette.size();
  out.palette.insert(out.palette.end(), colours.begin(), colours.end());
  if (out.palette.empty()) out.palette.push_back({0, 0, 0});
  out.indices.assign(count, 0);

  const auto nearest = [&](const std::array<int, 3>& want) {
    std::size_t best = first;
    int bestDistance = -1;
    for (std::size_t p = first; p < out.palette.size(); ++p) {
      const int d = Distance(out.palette[p], want);
      if (bestDistance < 0 || d < bestDistance) {
        best = p;
        bestDistance = d;
      }
    }
    return best;
  };

  const bool dither = !format.keyed && !exact;
  const auto width = static_cast<std::size_t>(image.width);
  // Error carried to this row and the next, per channel, in 1/16ths.
  std::vector<std::array<int, 3>> thisRow(width + 2), nextRow(width + 2);
  std::map<Rgb, std::size_t> memo;
  for (std::size_t y = 0; y < static_cast<std::size_t>(image.height); ++y) {
    std::fill(nextRow.begin(), nextRow.end(), std::array<int, 3>{0, 0, 0});
    for (std::size_t x = 0; x < width; ++x) {
      const std::size_t i = y * width + x;
      if (pixels[i].transparent) continue;  // index 0, the key
      std::array<int, 3> want{};
      for (std::size_t c = 0; c < 3; ++c) {
        want[c] = pixels[i].colour[c];
        if (dither) want[c] = std::clamp(want[c] + thisRow[x + 1][c] / 16, 0, 255);
      }
      std::size_t index = 0;
      if (dither) {
        index = nearest(want);
      } else {
        const auto [it, added] = memo.try_emplace(pixels[i].colour, 0);
        if (added) it->second = nearest(want);
        index = it->second;
      }
      out.indices[i] = static_cast<std::uint8_t>(index);
      if (!dither) continue;
      for (std::size_t c = 0; c < 3; ++c) {
        const int error = want[c] - out.palette[index][c];
        thisRow[x + 2][c] += error * 7;
        nextRow[x][c] += error * 3;
        nextRow[x + 1][c] += error * 5;
        nextRow[x + 2][c] += error;
      }
    }
    std::swap(thisRow, nextRow);
  }
  return out;
}

std::vector<std::uint8_t> WriteIndexedBmp(const IndexedImage& image, int bits) {
  const auto paletteSize = static_cast<std::uint32_t>(image.palette.size());
  std::vector<std::uint8_t> out = Headers(image.width, image.height, bits, paletteSize);
  for (const Rgb& c : image.palette) {
    out.insert(out.end(), {c[2], c[1], c[0], 0});
  }
  const std::uint32_t rowBytes = RowBytes(image.width, bits);
  const auto width = static_cast<std::size_t>(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    const std::uint8_t* src = &image.indices[static_cast<std::size_t>(y) * width];
    for (std::size_t x = 0; x < width; ++x) {
      if (bits == 8) {
        row[x] = src[x];
      } else {
        row[x / 2] = static_cast<std::uint8_t>(row[x / 2] | (x % 2 == 0 ? src[x] << 4 : src[x]));
      }
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<std::uint8_t> WriteTrueColourBmp(const RgbaImage& image, bool keyed) {
  std::vector<std::uint8_t> out = Headers(image.width, image.height, 24, 0);
  const std::uint32_t rowBytes = RowBytes(image.width, 24);
  const auto width = static_cast<std::size_t>(image.width);
  for (int y = image.height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(rowBytes, 0);
    for (std::size_t x = 0; x < width; ++x) {
      const KeyedPixel p = ApplyKeyRule(image, static_cast<std::size_t>(y) * width + x, keyed);
      row[x * 3] = p.colour[2];
      row[x * 3 + 1] = p.colour[1];
      row[x * 3 + 2] = p.colour[0];
    }
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}

std::vector<std::uint8_t> EncodePicture(const RgbaImage& image, PictureFormat format) {
  if (format.bits == 24) return WriteTrueColourBmp(image, format.keyed);
  return WriteIndexedBmp(Quantise(image, format), format.bits);
}

std::optional<RgbaImage> DecodeBmp(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || Get32(bytes, 14) != 40) {
    return std::nullopt;
  }
  const auto width = static_cast<int>(Get32(bytes, 18));
  const auto height = static_cast<int>(Get32(bytes, 22));
  const int bits = bytes[28];
  const std::uint32_t used = Get32(bytes, 46);
  const std::uint32_t offset = Get32(bytes, 10);
  if (width <= 0 || height <= 0 || width > 8192 || height > 8192 ||
      (bits != 4 && bits != 8 && bits != 24)) {
    return std::nullopt;
  }
  const std::uint32_t rowBytes = RowBytes(width, bits);
  if (offset + static_cast<std::uint64_t>(rowBytes) * static_cast<std::uint64_t>(height) >
          bytes.size() ||
      54 + used * 4ull > offset) {
    return std::nullopt;
  }
  RgbaImage image;
  image.width = width;
  image.height = height;
  image.rgba.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
  for (int y = 0; y < height; ++y) {
    const std::size_t row = offset + static_cast<std::size_t>(height - 1 - y) * rowBytes;
    for (int x = 0; x < width; ++x) {
      const auto ux = static_cast<std::size_t>(x);
      std::uint8_t r = 0, g = 0, b = 0;
      if (bits == 24) {
        b = bytes[row + ux * 3];
        g = bytes[row + ux * 3 + 1];
        r = bytes[row + ux * 3 + 2];
      } else {
        const std::uint8_t packed = bits == 8 ? bytes[row + ux] : bytes[row + ux / 2];
        const std::uint32_t index =
            bits == 8 ? packed : (ux % 2 == 0 ? packed >> 4 : packed & 0x0Fu);
        if (index < used) {
          const std::size_t at = 54 + index * 4;
          b = bytes[at];
          g = bytes[at + 1];
          r = bytes[at + 2];
        }
      }
      std::uint8_t* out =
          &image.rgba[(static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + ux) * 4];
      out[0] = r;
      out[1] = g;
      out[2] = b;
      out[3] = 255;
    }
  }
  return image;
}

}  // namespace databuild
