// The glyph tables of the screen faces (generated into screen_font_tables.cpp). Each face is fixed
// pitch: every glyph advances `width` pixels. The cell is ascent + descent rows high: ascent rows
// from its top down to the baseline row, on which the letters stand, and descent rows below it.
#pragma once

#include <cstdint>

struct Screen_Face {
    const char* name;           // the misc-fixed face it was taken from, e.g. "8x13"
    int width;                  // advance and cell width in pixels (at most 8)
    int ascent;                 // rows from the top down to the baseline row, inclusive
    int descent;                // rows below the baseline row
    const std::uint8_t* rows;   // 256 glyphs, one per CP437 byte, ascent + descent rows each
};

inline constexpr int Screen_Face_Count = 4;
extern const Screen_Face Screen_Faces[Screen_Face_Count];   // 8x13, 8x13B, 6x13, 5x8
