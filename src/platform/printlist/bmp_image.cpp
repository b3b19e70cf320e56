#include "platform/printlist/bmp_image.h"

namespace {

constexpr std::uint32_t Side_Limit = 16384;
constexpr std::uint64_t Pixel_Limit = 16u << 20;
constexpr std::size_t File_Header = 14;
constexpr std::uint32_t Info_Header = 40;  // the smallest header with 32-bit sizes
constexpr std::uint32_t Plain_Rgb = 0;
constexpr std::uint32_t Bit_Fields = 3;    // 32-bit pixels with masks: read as blue, green, red

std::uint32_t U16(std::span<const unsigned char> b, std::size_t at) { return b[at] | b[at + 1] << 8; }

std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return 0xFF000000u | r << 16 | g << 8 | b; }

}  // namespace

bool Decode_Bmp(std::span<const unsigned char> file, Bmp_Image& image) {
    image = Bmp_Image{};
    if (file.size() < File_Header + Info_Header || file[0] != 'B' || file[1] != 'M') return false;
    const std::uint32_t offset = U32(file, 10);
    const std::uint32_t header = U32(file, 14);
    const auto width = static_cast<std::int32_t>(U32(file, 18));
    const auto height = static_cast<std::int32_t>(U32(file, 22));
    const std::uint32_t bits = U16(file, 28);
    const std::uint32_t compression = U32(file, 30);
    const std::uint32_t colours_used = U32(file, 46);
    if (header < Info_Header || header > file.size() || U16(file, 26) != 1) return false;
    if (width <= 0 || height == 0 || height == INT32_MIN) return false;
    const std::uint32_t w = static_cast<std::uint32_t>(width);
    const std::uint32_t h = static_cast<std::uint32_t>(height < 0 ? -height : height);
    if (w > Side_Limit || h > Side_Limit || static_cast<std::uint64_t>(w) * h > Pixel_Limit) return false;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) return false;
    if (compression != Plain_Rgb && !(compression == Bit_Fields && bits == 32)) return false;

    std::vector<std::uint32_t> palette;
    if (bits <= 8) {
        const std::uint64_t entries = colours_used ? colours_used : 1u << bits;
        const std::uint64_t at = File_Header + header;
        if (entries > 256 || at + 4 * entries > file.size()) return false;
        for (std::uint64_t k = 0; k < entries; ++k) {
            const std::size_t p = static_cast<std::size_t>(at + 4 * k);
            palette.push_back(Rgb(file[p + 2], file[p + 1], file[p]));
        }
    }
    const std::uint64_t stride = (static_cast<std::uint64_t>(w) * bits + 31) / 32 * 4;
    if (offset > file.size() || stride * h > file.size() - offset) return false;

    image.width = static_cast<int>(w);
    image.height = static_cast<int>(h);
    image.pixels.resize(static_cast<std::size_t>(w) * h);
    for (std::uint32_t row = 0; row < h; ++row) {
        // Rows stand bottom up unless the height is negative.
        const std::uint32_t target = height > 0 ? h - 1 - row : row;
        const std::size_t base = static_cast<std::size_t>(offset + stride * row);
        std::uint32_t* out = image.pixels.data() + static_cast<std::size_t>(target) * w;
        for (std::uint32_t x = 0; x < w; ++x) {
            if (bits >= 24) {
                const std::size_t p = base + static_cast<std::size_t>(x) * (bits / 8);
                out[x] = Rgb(file[p + 2], file[p + 1], file[p]);
                continue;
            }
            const std::size_t bit = static_cast<std::size_t>(x) * bits;
            const unsigned byte = file[base + bit / 8];
            const unsigned shift = 8 - bits - static_cast<unsigned>(bit % 8);
            const unsigned index = (byte >> shift) & ((1u << bits) - 1);
            out[x] = index < palette.size() ? palette[index] : Rgb(0, 0, 0);
        }
    }
    return true;
}
