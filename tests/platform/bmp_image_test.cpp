#include "platform/printlist/bmp_image.h"

#include <gtest/gtest.h>

#include "platform/bitmap_fixtures.h"

// A 3 x 2 picture at every depth: the decoded pixels stand top down whatever the file's row order.
TEST(Bmp_Image, EveryDepthDecodesToTheSamePixels) {
    const std::uint32_t red = 0xFF0000, green = 0x00FF00, blue = 0x0000FF, white = 0xFFFFFF;
    const std::vector<std::uint32_t> palette = {white, red, green, blue};
    const std::vector<std::uint32_t> indexes = {1, 2, 3, 0, 3, 1};
    const std::vector<std::uint32_t> colours = {red, green, blue, white, blue, red};
    const std::vector<std::uint32_t> expected = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                                 0xFFFFFFFF, 0xFF0000FF, 0xFFFF0000};
    struct Case {
        int bits;
        int height;
    } cases[] = {{4, 2}, {8, 2}, {24, 2}, {32, 2}, {24, -2}, {8, -2}};
    for (const Case& c : cases) {
        const auto file = Make_Bmp(3, c.height, c.bits, c.bits <= 8 ? indexes : colours, palette);
        Bmp_Image image;
        ASSERT_TRUE(Decode_Bmp(file, image)) << c.bits << " bits, height " << c.height;
        EXPECT_EQ(image.width, 3);
        EXPECT_EQ(image.height, 2);
        EXPECT_EQ(image.pixels, expected) << c.bits << " bits, height " << c.height;
    }
}

// One bit per pixel: the leftmost pixel is the highest bit; rows are padded to four bytes.
TEST(Bmp_Image, MonochromeRowsReadTheHighBitFirst) {
    const std::vector<std::uint32_t> bits = {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0};
    const auto file = Make_Bmp(10, 2, 1, bits, {0x000000, 0xFFFFFF});
    Bmp_Image image;
    ASSERT_TRUE(Decode_Bmp(file, image));
    std::string row;
    for (std::uint32_t p : image.pixels) row += p == 0xFFFFFFFF ? '#' : '.';
    EXPECT_EQ(row, "#.......#." "#########.");
}

TEST(Bmp_Image, CorruptFilesGiveNoPicture) {
    const std::vector<unsigned char> good = Make_Bmp(2, 2, 24, {1, 2, 3, 4});
    auto with = [&](std::size_t at, unsigned char value) {
        auto f = good;
        f[at] = value;
        return f;
    };
    auto shorter = good;
    shorter.resize(good.size() - 1);
    const std::vector<std::vector<unsigned char>> bad = {
        {},                                   // empty
        std::vector<unsigned char>(good.begin(), good.begin() + 30),   // header cut short
        with(0, 'X'),                         // not "BM"
        shorter,                              // last row one byte short
        with(21, 0x7F),                       // width over 16384
        with(25, 0x80),                       // a top-down height far beyond 16384 rows
        with(28, 16),                         // 16 bits per pixel
        with(30, 1),                          // run-length compressed
        with(10, 0xFF),                       // pixels begin past the end
        with(26, 2),                          // two planes
    };
    for (std::size_t k = 0; k < bad.size(); ++k) {
        Bmp_Image image;
        EXPECT_FALSE(Decode_Bmp(bad[k], image)) << k;
        EXPECT_TRUE(image.pixels.empty()) << k;
    }
    Bmp_Image image;
    EXPECT_TRUE(Decode_Bmp(good, image));
}

// A palette index beyond the colours the file lists shows black, never a read past the palette.
TEST(Bmp_Image, IndexBeyondThePaletteIsBlack) {
    const auto file = Make_Bmp(2, 1, 8, {0, 5}, {0xFFFFFF, 0x123456});
    Bmp_Image image;
    ASSERT_TRUE(Decode_Bmp(file, image));
    EXPECT_EQ(image.pixels, (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFF000000}));
}
