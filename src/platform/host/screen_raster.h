// Shared state of the host stand-in's screen units (surface, fonts, bitmaps, PNG dumps); not for
// callers outside src/platform/host.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

struct Screen_Rect {
    int x1, y1, x2, y2;   // inclusive; empty when x1 > x2 or y1 > y2
    bool empty() const { return x1 > x2 || y1 > y2; }
};

// The rectangle of two corners given in any order.
inline Screen_Rect Normalised(int x1, int y1, int x2, int y2) {
    return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

inline Screen_Rect Intersect(const Screen_Rect& a, const Screen_Rect& b) {
    return {std::max(a.x1, b.x1), std::max(a.y1, b.y1), std::min(a.x2, b.x2), std::min(a.y2, b.y2)};
}

// The pixels of the drawing surface, row by row from the top, 0xRRGGBB each; empty outside
// graphics mode.
struct Screen_Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
const Screen_Pixels& Screen_Surface();
// What the screen shows: the surface, or while drawing is buffered the surface as last flushed
// (width × height pixels, empty outside graphics mode).
const std::vector<std::uint32_t>& Screen_Shown_Pixels();

// The clip rectangle within the surface (empty outside graphics mode).
Screen_Rect Screen_Clip();
// Sets the clip for a moment; returns the clip before, for Screen_Set_Clip to restore.
Screen_Rect Screen_Set_Clip(const Screen_Rect& clip);

std::uint32_t Screen_Foreground();

// The drawing state that every drawing call reads: colours, clip, raster operation, line pattern
// and fill pattern switch. The sheets, editors and boxes of the stand-in draw with plain settings
// and give the caller's state back afterwards.
struct Screen_Style {
    std::uint32_t foreground, background;
    Screen_Rect view;
    int raster_op;
    std::uint32_t line_pattern;
    bool fill_patterned;
};
Screen_Style Screen_Current_Style();
void Screen_Set_Style(const Screen_Style& style);
// Copy operation, solid lines and fills, the whole surface as clip; colours unchanged.
void Screen_Plain_Drawing();
// One pixel in the colour under the current raster operation, when it lies inside the clip.
void Screen_Plot(long long x, long long y, std::uint32_t colour);
// One pixel written as it is (bitmaps), when it lies inside the clip.
void Screen_Write(int x, int y, std::uint32_t colour);

// One line of trace on standard error.
void Host_Trace(const std::string& text);
