// Pixel pictures of the host stand-in's screen for the tests: one text row per screen row, one
// character per pixel, so that a whole region is compared as one string.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>

#include "platform/host/screen_surface.h"

// The region x1..x2, y1..y2: each pixel by the legend's character for its colour, '.' for any
// other colour.
inline std::string Screen_Picture(int x1, int y1, int x2, int y2, std::initializer_list<std::pair<int, char>> legend) {
    std::string out;
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            char c = '.';
            for (const auto& [colour, mark] : legend)
                if (Host_Pixel(x, y) == colour) c = mark;
            out += c;
        }
        out += '\n';
    }
    return out;
}

// The same with '#' for black.
inline std::string Screen_Picture(int x1, int y1, int x2, int y2) {
    return Screen_Picture(x1, y1, x2, y2, {{0x000000, '#'}});
}

// A fresh screen of the given size, cleared to white, drawing in black.
inline void Open_White_Screen(int width, int height) {
    Host_Open_Screen(width, height);
    pxFgc(WHITE_CI);
    pxRect(0, 0, width - 1, height - 1);
    pxFgc(BLACK_CI);
}

// Rows of text joined with line ends, for expected pictures.
inline std::string Rows(std::initializer_list<const char*> rows) {
    std::string out;
    for (const char* r : rows) out += std::string(r) + "\n";
    return out;
}
