// Windows bitmap files built byte by byte for the tests of the screen and of the print-list viewer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Little-endian fields of a file header.
void Put16(std::string& b, std::size_t at, unsigned v);
void Put32(std::string& b, std::size_t at, std::uint32_t v);

// A bitmap file of the given depth whose pixel (x, y), rows from the top, is values[y][x]: a
// palette index for 1, 4 and 8 bits, 0xRRGGBB for 24 and 32 bits. Bottom-up unless top_down.
std::string Bmp(int bits, const std::vector<std::vector<std::uint32_t>>& values, const std::vector<std::uint32_t>& palette = {},
                bool top_down = false);

// The bytes as lowercase hexadecimal digits, as the picture command of a print list embeds a file.
std::string Hex_Digits(const std::string& bytes);
