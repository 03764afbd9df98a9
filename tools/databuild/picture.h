// Turns rendered RGBA pixels into the BMP files the engine reads: the colour
// key, the palette quantiser with optional dithering, and the BMP writer.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace databuild {

// Straight (not premultiplied) RGBA, top row first.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // width * height * 4
};

struct PictureFormat {
  int bits = 8;        // 4, 8 or 24
  bool keyed = false;  // transparent pixels become the key colour
};

// "bmp8", "bmp8k", "bmp4", "bmp4k" or "bmp24"; nullopt otherwise.
std::optional<PictureFormat> ParsePictureFormat(std::string_view format);

// The engine's blit never copies this colour; every picture is drawn with it.
inline constexpr std::array<std::uint8_t, 3> kKeyColour = {0, 255, 0};
// What an opaque pixel of exactly the key colour becomes, so it still shows.
inline constexpr std::array<std::uint8_t, 3> kNudgedKey = {0, 254, 0};
// Keyed pictures: alpha below this is transparent.
inline constexpr int kAlphaThreshold = 128;

struct IndexedImage {
  int width = 0;
  int height = 0;
  std::vector<std::array<std::uint8_t, 3>> palette;  // RGB; index 0 is the key when keyed
  std::vector<std::uint8_t> indices;                 // width * height, top row first
};

// At most 2^bits colours. Keyed: index 0 is kKeyColour and only transparent
// pixels use it. Pictures without a key that need fewer colours than the
// palette holds keep them exactly; others are median-cut and, unless keyed,
// Floyd-Steinberg dithered. No opaque pixel maps to kKeyColour.
IndexedImage Quantise(const RgbaImage& image, PictureFormat format);

// A complete BMP file: 14-byte file header, 40-byte BITMAPINFOHEADER, palette
// (biClrUsed entries), rows bottom-up padded to 4 bytes.
std::vector<std::uint8_t> WriteIndexedBmp(const IndexedImage& image, int bits);
// 24 bits, no palette; key and nudge applied like the indexed formats.
std::vector<std::uint8_t> WriteTrueColourBmp(const RgbaImage& image, bool keyed);

// The whole path: key rule, quantiser and writer for the given format.
std::vector<std::uint8_t> EncodePicture(const RgbaImage& image, PictureFormat format);

// Reads back what the writer produces (4, 8 and 24 bits, bottom-up) into
// opaque RGBA, for contact sheets. nullopt for anything else.
std::optional<RgbaImage> DecodeBmp(const std::vector<std::uint8_t>& bytes);

}  // namespace databuild
