// The program's own waiting pictures, decoded from host/EXEC of the source tree, to compare the
// screen with what the files hold.
#pragma once

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/host/screen_bitmaps.h"

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
