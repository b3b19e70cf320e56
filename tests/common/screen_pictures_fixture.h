// The program's own waiting pictures, decoded from host/EXEC of the source tree, to compare the
// screen with what the files hold; and whole-screen snapshots that show any pixel left changed.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/host/screen_bitmaps.h"
#include "platform/host/screen_surface.h"
#include "platform/screen_picture.h"

// Points EXEC at the source tree's host folder and decodes the picture there.
inline Host_Bitmap Program_Picture(const char* name) {
    const std::string exec = std::string(BASIS_SOURCE_DIR) + "/host/EXEC";
    setenv("EXEC", exec.c_str(), 1);
    std::ifstream in(exec + "/Talvo-EC301/" + name, std::ios::binary);
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Host_Bitmap picture;
    Decode_Bmp(bytes, picture);
    return picture;
}

inline int Picture_Pixel(const Host_Bitmap& p, int x, int y) {
    return static_cast<int>(p.pixels[static_cast<std::size_t>(y) * p.width + x]);
}

// Every pixel of the screen, row by row.
inline std::vector<int> Whole_Screen() {
    std::vector<int> p;
    for (int y = 0; y < NPIXEL_Y; ++y)
        for (int x = 0; x < NPIXEL_X; ++x) p.push_back(Host_Pixel(x, y));
    return p;
}

// A screen of stripes in five colours, so that any pixel left changed shows; drawing colour 0x123456.
inline void Open_Striped_Screen(int width, int height) {
    Open_White_Screen(width, height);
    const int colours[] = {0x102030, 0xFFFFFF, 0x00FF00, 0x808080, 0x000000};
    for (int y = 0; y < height; ++y) {
        pxFgc(colours[y % 5]);
        pxLine(0, y, width - 1, y);
    }
    pxFgc(0x123456);
}
