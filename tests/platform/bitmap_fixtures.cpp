#include "platform/bitmap_fixtures.h"

#include <cstdlib>

namespace {

void Put16(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}

void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = (v >> (8 * k)) & 0xFF;
}

}  // namespace

std::vector<unsigned char> Make_Bmp(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                                    const std::vector<std::uint32_t>& palette) {
    const int rows = std::abs(height);
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t colours = bits <= 8 ? palette.size() : 0;
    const std::size_t offset = 14 + 40 + 4 * colours;
    std::vector<unsigned char> b(offset + stride * rows, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 46, static_cast<std::uint32_t>(colours));
    for (std::size_t k = 0; k < colours; ++k) {
        b[54 + 4 * k] = palette[k] & 0xFF;
        b[55 + 4 * k] = (palette[k] >> 8) & 0xFF;
        b[56 + 4 * k] = (palette[k] >> 16) & 0xFF;
    }
    for (int r = 0; r < rows; ++r) {
        // Bottom-up files store the last row first.
        const std::size_t base = offset + stride * (height > 0 ? rows - 1 - r : r);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t p = pixels[static_cast<std::size_t>(r) * width + x];
            if (bits >= 24) {
                const std::size_t at = base + static_cast<std::size_t>(x) * (bits / 8);
                b[at] = p & 0xFF;
                b[at + 1] = (p >> 8) & 0xFF;
                b[at + 2] = (p >> 16) & 0xFF;
            } else {
                const std::size_t bit = static_cast<std::size_t>(x) * bits;
                b[base + bit / 8] |= static_cast<unsigned char>(p << (8 - bits - bit % 8));
            }
        }
    }
    return b;
}

std::string Hex_Digits(const std::vector<unsigned char>& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (unsigned char c : bytes) {
        s += digits[c >> 4];
        s += digits[c & 0xF];
    }
    return s;
}
