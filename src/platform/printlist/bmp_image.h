// Uncompressed Windows bitmaps (BMP) of 1, 4, 8, 24 and 32 bits per pixel, read from the bytes of
// the file. A header that is corrupt, a size beyond 16384 pixels a side or 16 million pixels, or a
// file too short for its rows gives no picture; nothing is read past the end of the bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

struct Bmp_Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;     // 0xFFRRGGBB, rows from the top
};

bool Decode_Bmp(std::span<const unsigned char> file, Bmp_Image& image);
