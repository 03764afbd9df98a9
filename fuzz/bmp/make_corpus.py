#!/usr/bin/env python3
"""Writes the seed pictures of the BMP fuzzer into corpus/ beside this script."""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, pixels, palette=(), colors_used=0, trailer=b""):
    """pixels: rows top first; 0xRRGGBB for 24 bits, palette indices otherwise."""
    rows = []
    for row in pixels:
        if bits == 24:
            data = b"".join(struct.pack("<I", p)[:3] for p in row)
        elif bits == 8:
            data = bytes(row)
        else:
            padded = list(row) + [0] * (len(row) % 2)
            data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
        data += b"\xa5" * (-len(data) % 4)
        rows.append(data)
    table = b"".join(struct.pack("<I", c) for c in palette)
    image = b"".join(reversed(rows))
    offset = 54 + len(table)
    header = b"BM" + struct.pack("<IHHI", offset + len(image), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, len(image), 2835, 2835,
                       colors_used, 0)
    return header + info + table + image + trailer


def grid(width, height, f):
    return [[f(x, y) for x in range(width)] for y in range(height)]


def main():
    out = os.path.join(HERE, "corpus")
    os.makedirs(out, exist_ok=True)
    pal16 = [(i * 0x111111) & 0xFFFFFF for i in range(16)]
    pal256 = [(i << 16) | ((255 - i) << 8) | (i ^ 0x5A) for i in range(256)]
    # Blit parameters after the picture: target size, then positions and rectangles.
    params = struct.pack("<" + "i" * 14, 40, 30, -3, 2, 5, 4, 1, -2, -1, 9, 9, 3, -150, 470)
    seeds = {
        "4bit_9x3_full_palette.bmp": bmp(9, 3, 4, grid(9, 3, lambda x, y: (x + y) % 16), pal16),
        "4bit_5x2_three_colours.bmp": bmp(5, 2, 4, grid(5, 2, lambda x, y: (x * y) % 5),
                                          pal16[:3], 3),
        "8bit_9x3_full_palette.bmp": bmp(9, 3, 8, grid(9, 3, lambda x, y: x * 28 + y), pal256),
        "8bit_7x5_green_entry.bmp": bmp(7, 5, 8, grid(7, 5, lambda x, y: (x + 3 * y) % 17),
                                        pal256[:16] + [0x00FF00], 17, params),
        "8bit_3x3_short_palette.bmp": bmp(3, 3, 8, grid(3, 3, lambda x, y: x * 3 + y), pal16[:2],
                                          2, params),
        "24bit_9x3.bmp": bmp(9, 3, 24, grid(9, 3, lambda x, y: (x << 16) | (y << 8) | 0x40)),
        "24bit_1x1_key.bmp": bmp(1, 1, 24, [[0x00FF00]], trailer=params),
        "24bit_13x4_keyed.bmp": bmp(13, 4, 24,
                                    grid(13, 4, lambda x, y: 0x00FF00 if (x + y) % 3 == 0 else
                                         (x * 19 << 8) | y), trailer=params),
    }
    for name, data in seeds.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
