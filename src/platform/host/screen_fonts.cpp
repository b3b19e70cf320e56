#include "platform/host/screen_fonts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <cstring>
#include <vector>

#include "platform/host/host_input.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_font_tables.h"
#include "platform/host/screen_raster.h"

int RFONT_WIDTH = 8;
int RFONT_HEIGHT = 13;
int RFONT_SPACE = 0;

namespace {

constexpr int Style_Bits = 0x70000;
constexpr std::size_t Font_Stack_Limit = 64;

struct Font_State {
    int current = 0;
    std::vector<int> stack;
    // Graphic texts.
    double char_height = 13;
    double expansion = 1;
    double spacing = 0;
    double angle = 0;                 // as pxOrnt took it; 0 at start
    double dx = 1, dy = 0;            // the baseline's direction on the screen (y down)
};

Font_State fonts;

const Screen_Face& Face_Of(int code) {
    switch (code) {
        case 0x1001: return Screen_Faces[1];
        case 0x1000:
        case 0x1003: return Screen_Faces[2];
        case 0x1002: return Screen_Faces[3];
        default: return Screen_Faces[0];
    }
}

const Screen_Face& Current_Face() { return Face_Of(fonts.current); }

void Make_Current(int font) {
    fonts.current = font & ~Style_Bits;
    const Screen_Face& f = Current_Face();
    RFONT_WIDTH = f.width;
    RFONT_HEIGHT = f.ascent + f.descent;
    RFONT_SPACE = 0;
}

// Characters of a text up to count, stopping at a zero byte.
int Length(const char* text, int count) {
    if (!text || count <= 0) return 0;
    return static_cast<int>(strnlen(text, static_cast<std::size_t>(count)));
}

bool Glyph_Bit(const Screen_Face& f, unsigned char byte, int row, int column) {
    return f.rows[byte * (f.ascent + f.descent) + row] >> (7 - column) & 1;
}

long long Floor_Half(long long v) { return v >= 0 ? v / 2 : -((-v + 1) / 2); }

// The trace line of a drawn text: frame, position, font, colour and the text; a graphic text adds
// its character height and its orientation angle.
void Trace_Drawn_Text(long long x, long long y, const char* text, int n, bool graphic = false) {
    if (n == 0 || !Host_Tracing() || Screen_Surface().pixels.empty()) return;
    const std::uint32_t c = Screen_Foreground();
    std::string line = "text " + std::to_string(Host_Frame_Number()) + " " + std::to_string(x) + " " + std::to_string(y) +
                       " " + std::to_string(fonts.current) + " " + std::to_string(c >> 16 & 0xFF) + "," +
                       std::to_string(c >> 8 & 0xFF) + "," + std::to_string(c & 0xFF) + " " +
                       Trace_Text(std::string_view(text, static_cast<std::size_t>(n)));
    if (graphic) {
        char extra[64];
        std::snprintf(extra, sizeof extra, " %g %.4f", fonts.char_height, fonts.angle);
        line += extra;
    }
    Host_Trace_Line(line);
}

// The anchor code of a placed text as its horizontal part (1 left, 2 centred, 4 right) and vertical
// part (0 top, 8 centred, 16 baseline, 24 bottom). Below 200 the code holds these parts itself; from
// 200 on it is 200 + H + V as the print list writes it: H 0 left end, 8 middle, 24 right end, V 1
// foot (standing on the baseline), 2 middle, 4 head (hanging from the top).
void Anchor_Parts(int mode, int& horizontal, int& vertical) {
    const int code = mode & 0xFF;
    if (code < 200) {
        horizontal = code & 7;
        vertical = code & 0x18;
        return;
    }
    const int h = (code - 200) & 0x18, v = (code - 200) & 7;
    horizontal = h == 8 ? 2 : h == 24 ? 4 : 1;
    vertical = v == 2 ? 8 : v == 4 ? 0 : 16;
}

}  // namespace

void Init_RFont() {
    fonts = Font_State{};
    Make_Current(0);
}

void Pop_RFont(int font) {
    if (fonts.stack.size() == Font_Stack_Limit) fonts.stack.erase(fonts.stack.begin());
    fonts.stack.push_back(fonts.current);
    Make_Current(font);
}

void Push_RFont() {
    if (fonts.stack.empty()) return;
    Make_Current(fonts.stack.back());
    fonts.stack.pop_back();
}

void Set_RFont(int font) { Make_Current(font); }

void pxSFnt(int font) { Make_Current(font); }

int Host_Current_Font() { return fonts.current; }

void pxQTxX(const char* text, int count, int x, int y, Text_Extent* extent) {
    if (!extent) return;
    const Screen_Face& f = Current_Face();
    const int n = Length(text, count);
    *extent = {x, y - f.ascent + 1, x + n * f.width, y + f.descent + 1};
}

void pxText(int x, int y, const char* text, int count) {
    const Screen_Face& f = Current_Face();
    const int n = Length(text, count);
    Trace_Drawn_Text(x, y, text, n);
    const Screen_Rect clip = Screen_Clip();
    const long long top = static_cast<long long>(y) - f.ascent + 1;
    const std::uint32_t colour = Screen_Foreground();
    for (int k = 0; k < n; ++k) {
        const long long left = static_cast<long long>(x) + static_cast<long long>(k) * f.width;
        if (left > clip.x2) break;
        if (left + f.width <= clip.x1) continue;
        const auto byte = static_cast<unsigned char>(text[k]);
        for (int r = 0; r < f.ascent + f.descent; ++r)
            for (int c = 0; c < f.width; ++c)
                if (Glyph_Bit(f, byte, r, c)) Screen_Plot(left + c, top + r, colour);
    }
}

void pxBTxt(int x1, int y1, int x2, int y2, const char* text, int count, int mode) {
    const Screen_Face& f = Current_Face();
    const int n = Length(text, count);
    if (n == 0) return;
    const int direction = mode & 0x700;
    int horizontal = 0, vertical = 0;
    Anchor_Parts(mode, horizontal, vertical);
    const bool turned = direction == 256 || direction == 1024;
    const long long W = static_cast<long long>(n) * f.width, H = f.ascent + f.descent;
    const long long bw = turned ? H : W, bh = turned ? W : H;
    const long long left_x = std::min(x1, x2), right_x = std::max(x1, x2);
    const long long top_y = std::min(y1, y2), bottom_y = std::max(y1, y2);
    const long long left = horizontal == 2   ? left_x + Floor_Half(right_x - left_x + 1 - bw)
                           : horizontal == 4 ? right_x - bw + 1
                                             : left_x;
    long long top = top_y;
    if (vertical == 8) top = top_y + Floor_Half(bottom_y - top_y + 1 - bh);
    else if (vertical == 16 && direction == 0) top = bottom_y - f.ascent + 1;
    else if (vertical == 16 || vertical == 24) top = bottom_y - bh + 1;

    Trace_Drawn_Text(left, direction == 0 ? top + f.ascent - 1 : top, text, n);
    const std::uint32_t colour = Screen_Foreground();
    for (long long i = 0; i < W; ++i) {          // across the unturned text
        const auto byte = static_cast<unsigned char>(text[i / f.width]);
        for (long long j = 0; j < H; ++j) {      // down the unturned text
            if (!Glyph_Bit(f, byte, static_cast<int>(j), static_cast<int>(i % f.width))) continue;
            long long u = i, v = j;
            if (direction == 256) u = j, v = W - 1 - i;
            else if (direction == 512) u = W - 1 - i, v = H - 1 - j;
            else if (direction == 1024) u = H - 1 - j, v = i;
            Screen_Plot(left + u, top + v, colour);
        }
    }
}

void pxChH(double height) {
    if (std::isfinite(height) && height > 0) fonts.char_height = std::min(height, 4096.0);
}

void pxExpF(double factor) {
    if (std::isfinite(factor) && factor > 0) fonts.expansion = std::min(factor, 100.0);
}

void pxSpac(double fraction) {
    if (std::isfinite(fraction)) fonts.spacing = std::clamp(fraction, -1.0, 100.0);
}

// The baseline turns to the screen direction (cos(pi - angle), sin(pi - angle)), so that pxOrnt(pi - a)
// writes along a segment of direction a on the screen (y down).
void pxOrnt(double angle, double) {
    if (!std::isfinite(angle)) return;
    fonts.angle = angle;
    fonts.dx = std::cos(std::numbers::pi - angle);
    fonts.dy = std::sin(std::numbers::pi - angle);
}

namespace {

// A graphic text's layout: u along the text, t down from the top of its cells, in pixels.
struct Graphic_Layout {
    double s;          // pixels per glyph row
    double glyph;      // glyph width
    double advance;    // glyph width and spacing
    double width;      // the whole text
    double height;     // 13 rows
    double dx, dy;     // the text's direction on the screen
    double nx, ny;     // its downward direction on the screen
};

Graphic_Layout Layout(int n) {
    const Screen_Face& f = Screen_Faces[0];
    Graphic_Layout g{};
    // Cells h · f wide and h tall, h · s apart: n characters span n h f + (n - 1) h s.
    g.s = fonts.char_height / (f.ascent + f.descent);
    g.glyph = fonts.char_height * fonts.expansion;
    g.advance = std::max(g.glyph + fonts.spacing * fonts.char_height, 0.0);
    g.width = n > 0 ? std::max(n * g.glyph + (n - 1) * fonts.spacing * fonts.char_height, 0.0) : 0.0;
    g.height = fonts.char_height;
    // Directions within 1e-12 of 0 or ±1 are taken as exact, so that a text turned by a right angle
    // has a box of whole pixels.
    const auto snap = [](double v) { return std::fabs(v) < 1e-12 ? 0.0 : std::fabs(std::fabs(v) - 1) < 1e-12 ? (v > 0 ? 1.0 : -1.0) : v; };
    g.dx = snap(fonts.dx);
    g.dy = snap(fonts.dy);
    g.nx = -g.dy;
    g.ny = g.dx;
    return g;
}

// The layout point (u, t) that lies on the screen point given by the anchor code.
void Anchor_Point(const Graphic_Layout& g, int anchor, double& u, double& t) {
    int horizontal = 0, vertical = 0;
    Anchor_Parts(anchor, horizontal, vertical);
    u = horizontal == 2 ? g.width / 2 : horizontal == 4 ? g.width : 0;
    const double baseline = (Screen_Faces[0].ascent - 1) * g.s;
    t = vertical == 0 ? 0 : vertical == 8 ? g.height / 2 : vertical == 16 ? baseline : g.height;
}

// The screen box around the layout placed with layout point (u0, t0) on (x, y).
Screen_Rect Graphic_Box(const Graphic_Layout& g, double x, double y, double u0, double t0) {
    double lo_x = 1e300, hi_x = -1e300, lo_y = 1e300, hi_y = -1e300;
    for (const double u : {0.0, g.width})
        for (const double t : {0.0, g.height}) {
            const double sx = x + (u - u0) * g.dx + (t - t0) * g.nx;
            const double sy = y + (u - u0) * g.dy + (t - t0) * g.ny;
            lo_x = std::min(lo_x, sx), hi_x = std::max(hi_x, sx);
            lo_y = std::min(lo_y, sy), hi_y = std::max(hi_y, sy);
        }
    const auto to_int = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
    return {to_int(std::floor(lo_x)), to_int(std::floor(lo_y)), to_int(std::ceil(hi_x)), to_int(std::ceil(hi_y))};
}

}  // namespace

void pxQGTX(const char* text, int count, int x, int y, Text_Extent* extent) {
    if (!extent) return;
    const Graphic_Layout g = Layout(Length(text, count));
    const Screen_Rect box = Graphic_Box(g, x, y, 0, (Screen_Faces[0].ascent - 1) * g.s);
    *extent = {box.x1, box.y1, box.x2, box.y2};
}

void pxGBTt(int x, int y, const char* text, int count, int anchor) {
    const int n = Length(text, count);
    if (n == 0) return;
    const Screen_Face& f = Screen_Faces[0];
    const Graphic_Layout g = Layout(n);
    double u0 = 0, t0 = 0;
    Anchor_Point(g, anchor, u0, t0);
    Trace_Drawn_Text(x, y, text, n, true);
    const Screen_Rect clip = Screen_Clip();
    Screen_Rect box = Graphic_Box(g, x, y, u0, t0);
    box = Intersect(box, clip);
    const std::uint32_t colour = Screen_Foreground();
    // Each screen pixel takes the glyph bit under it, found by turning it back into the layout.
    for (int py = box.y1; py <= box.y2; ++py)
        for (int px = box.x1; px <= box.x2; ++px) {
            const double rx = px - x, ry = py - y;
            const double u = u0 + rx * g.dx + ry * g.dy;
            const double t = t0 + rx * g.nx + ry * g.ny;
            if (u < 0 || u >= g.width || t < 0 || t >= g.height || g.advance <= 0) continue;
            const int k = std::min(static_cast<int>(u / g.advance), n - 1);
            const double within = u - k * g.advance;
            if (within >= g.glyph) continue;
            const int column = std::min(static_cast<int>(within * f.width / g.glyph), f.width - 1);
            const int row = std::min(static_cast<int>(t / g.s), f.ascent + f.descent - 1);
            if (Glyph_Bit(f, static_cast<unsigned char>(text[k]), row, column)) Screen_Plot(px, py, colour);
        }
}
