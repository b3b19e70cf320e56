// Small Windows bitmaps built byte by byte for the tests of the print-list viewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// An uncompressed BMP of the given depth (1, 4, 8, 24 or 32 bits). Pixels are palette indexes for
// depths up to 8 and 0xRRGGBB colours above, rows from the top; a negative height stores the rows
// top down. The palette is written for depths up to 8.
std::vector<unsigned char> Make_Bmp(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                                    const std::vector<std::uint32_t>& palette = {});

// The bytes as lowercase hexadecimal digits, as the picture command's dump holds them.
std::string Hex_Digits(const std::vector<unsigned char>& bytes);
