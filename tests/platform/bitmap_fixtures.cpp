#include "platform/bitmap_fixtures.h"

void Put16(std::string& b, std::size_t at, unsigned v) {
    b[at] = static_cast<char>(v & 0xFF);
    b[at + 1] = static_cast<char>(v >> 8 & 0xFF);
}

void Put32(std::string& b, std::size_t at, std::uint32_t v) {
    for (int k = 0; k < 4; ++k) b[at + k] = static_cast<char>(v >> (8 * k) & 0xFF);
}

std::string Bmp(int bits, const std::vector<std::vector<std::uint32_t>>& values, const std::vector<std::uint32_t>& palette,
                bool top_down) {
    const int height = static_cast<int>(values.size()), width = static_cast<int>(values[0].size());
    const std::size_t stride = static_cast<std::size_t>((width * bits + 31) / 32 * 4);
    const std::size_t offset = 54 + palette.size() * 4;
    std::string b(offset + stride * height, '\0');
    b[0] = 'B', b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(top_down ? -height : height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<unsigned>(bits));
    Put32(b, 46, static_cast<std::uint32_t>(palette.size()));
    for (std::size_t k = 0; k < palette.size(); ++k) Put32(b, 54 + 4 * k, palette[k]);   // B, G, R, 0
    for (int y = 0; y < height; ++y) {
        const std::size_t row = offset + stride * static_cast<std::size_t>(top_down ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = values[y][x];
            if (bits >= 24) {
                for (int k = 0; k < bits / 8; ++k) b[row + x * (bits / 8) + k] = static_cast<char>(k < 3 ? v >> (8 * k) & 0xFF : 0);
            } else {
                const int bit = x * bits;
                b[row + bit / 8] = static_cast<char>(b[row + bit / 8] | v << (8 - bits - bit % 8));
            }
        }
    }
    return b;
}

std::string Hex_Digits(const std::string& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string s;
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        s += digits[u >> 4];
        s += digits[u & 0xF];
    }
    return s;
}
