// Colour shading in the HSL model, worked by hand: (0, 88, 176) has L 0.345, S 1 and hue 0.583; at
// +60 % L' = 0.553, V = 1, M = 0.106, giving (27, 141, 255).
#include "gui/colour_shading.h"

#include <gtest/gtest.h>

#include "platform/host/host_library.h"

TEST(ColourShading, LightenKeepsHueAndSaturationAndDoesNotClamp) {
    struct Case {
        int r, g, b;
        double percent;
        int r2, g2, b2;
    };
    const Case cases[] = {
        {0, 88, 176, 0, 0, 88, 176},
        {0, 88, 176, 60, 27, 141, 255},
        {200, 0, 0, 20, 240, 0, 0},           // red stays red, green and blue equal
        {110, 110, 110, 20, 132, 132, 132},   // a grey stays grey
        {0, 0, 0, 50, 0, 0, 0},               // black stays black
        {0, 0, 0, -50, 0, 0, 0},
        {255, 255, 255, 20, 306, 306, 306},   // lifted above 1: not clamped
        {230, 0, 0, -100, 0, 0, 0},           // no lightness left: black
    };
    for (const Case& c : cases) {
        int r = c.r, g = c.g, b = c.b;
        Lighten_RGB(&r, &g, &b, c.percent);
        EXPECT_EQ(r, c.r2) << c.r << "," << c.g << "," << c.b << " " << c.percent;
        EXPECT_EQ(g, c.g2) << c.r << "," << c.g << "," << c.b << " " << c.percent;
        EXPECT_EQ(b, c.b2) << c.r << "," << c.g << "," << c.b << " " << c.percent;
    }
    int r = 1, g = 2;
    Lighten_RGB(&r, &g, nullptr, 50);   // nothing to write into: left alone
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 2);
}

TEST(ColourShading, ShadedIndexIsTheNearestScreenColour) {
    struct Case {
        int colour;
        double percent;
        int expected;
    };
    const Case cases[] = {
        {0x0058B0, 60, 0x1B8DFF},
        {0x0058B0, 0, 0x0058B0},
        {0xFFFFFF, 20, 0xFFFFFF},   // 306 held at 255
        {-3, 50, 0x606060},         // host dark shade 64, 64, 64: 96 each
    };
    for (const Case& c : cases) EXPECT_EQ(Shade_Colour_Index(c.colour, c.percent), c.expected) << c.colour;
}
