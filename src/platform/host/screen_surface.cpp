#include "platform/host/screen_surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <atomic>
#include <deque>
#include <mutex>
#include <numbers>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "platform/host/host_input.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_raster.h"

int NPIXEL_X = 1024;
int NPIXEL_Y = 768;
int WHITE_CI = 0xFFFFFF;
int BLACK_CI = 0x000000;
int BUTTON_CI = 0xD4D0C8;
int MENUE_CI = 0xD4D0C8;

namespace {

constexpr int Default_Width = 1024;
constexpr int Default_Height = 768;
constexpr int Largest_Side = 4096;
constexpr int Saved_Rectangle_Limit = 64;
constexpr int Widest_Line = 100;
constexpr std::uint32_t Solid = 0xFFFFFFFF;

// Host colour codes and their RGB.
struct Host_Colour {
    int code;
    std::uint32_t rgb;
};
constexpr Host_Colour Host_Colours[] = {
    {-1, 0xD4D0C8},    // face background 212, 208, 200
    {-2, 0xFFFFFF},    // 3-D highlight
    {-3, 0x404040},    // 3-D dark shadow
    {-6, 0x000000},    // label text
    {-9, 0x808080},    // disabled label text
    {-15, 0x808080},   // 3-D shadow
    {-21, 0xECE9D8},   // sheet background 236, 233, 216
};

// Line styles of pxSLn: solid, dotted, dash-dot, dashed.
constexpr std::uint32_t Line_Styles[] = {Solid, 0xAAAAAAAA, 0xFFFFF060, 0xFF00FF00};

struct Saved_Block {
    int x = 0, y = 0, w = 0, h = 0;
    std::vector<std::uint32_t> pixels;
};

struct Screen_State {
    Screen_Pixels surface;
    std::vector<std::uint32_t> shown;   // what the screen shows while drawing is buffered
    bool buffered = false;
    std::uint32_t foreground = 0x000000;
    std::uint32_t background = 0xD4D0C8;
    Screen_Rect view{0, 0, -1, -1};     // as pxView set it
    int raster_op = 0;
    std::uint32_t line_pattern = Solid;
    bool fill_patterned = false;
    std::array<std::uint16_t, 16> fill_pattern{};
    bool has_fill_pattern = false;
    std::deque<Saved_Block> saved;
};

Screen_State screen;

// The lock of the pixels while a second thread draws, and the thread that presents.
std::atomic<bool> concurrent_drawing{false};
std::recursive_mutex pixel_mutex;
std::thread::id presenting_thread = std::this_thread::get_id();

// Holds the pixel lock for its life while concurrent drawing is on; costs one atomic load otherwise.
class Pixel_Guard {
public:
    Pixel_Guard() : locked_(concurrent_drawing.load(std::memory_order_acquire)) {
        if (locked_) pixel_mutex.lock();
    }
    ~Pixel_Guard() {
        if (locked_) pixel_mutex.unlock();
    }
    Pixel_Guard(const Pixel_Guard&) = delete;
    Pixel_Guard& operator=(const Pixel_Guard&) = delete;

private:
    bool locked_;
};

bool Open() { return !screen.surface.pixels.empty(); }

std::uint32_t Resolve(int colour) { return static_cast<std::uint32_t>(GetVEKColor(colour)); }

Screen_Rect Whole_Surface() { return {0, 0, screen.surface.width - 1, screen.surface.height - 1}; }

bool Inside(const Screen_Rect& r, long long x, long long y) { return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2; }

// A pixel of an area fill: the fill pattern decides, anchored to the screen.
void Fill_Plot(long long x, long long y) {
    if (screen.fill_patterned) {
        const std::uint16_t row = screen.fill_pattern[static_cast<std::size_t>(y & 15)];
        if (!(row >> (15 - (x & 15)) & 1)) return;
    }
    Screen_Plot(x, y, screen.foreground);
}

using Plotter = void (*)(long long x, long long y);

void Line_Plot(long long x, long long y) { Screen_Plot(x, y, screen.foreground); }

// floor(a / b) for b > 0.
__int128 Floor_Div(__int128 a, __int128 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

// The pixels of the line from (x1, y1) to (x2, y2), counted from the first point: pixel i lies i
// steps along the longer axis, the other coordinate rounded from the exact line. Only the steps
// that can reach the clip are walked, so a line of any length costs at most the clip's size. Each
// pixel whose pattern bit is set (bit 31 - i mod 32) becomes a square of width w.
void Draw_Line(long long x1, long long y1, long long x2, long long y2, int w, std::uint32_t pattern, Plotter plot) {
    const Screen_Rect clip = Screen_Clip();
    if (clip.empty()) return;
    const long long dx = x2 - x1, dy = y2 - y1;
    const bool x_major = std::llabs(dx) >= std::llabs(dy);
    const long long M1 = x_major ? x1 : y1, m1 = x_major ? y1 : x1;
    const long long dM = x_major ? dx : dy, dm = x_major ? dy : dx;
    const long long n = std::llabs(dM);
    const long long s = dM >= 0 ? 1 : -1;
    const long long lo = (x_major ? clip.x1 : clip.y1) - w, hi = (x_major ? clip.x2 : clip.y2) + w;
    long long i0 = s > 0 ? lo - M1 : M1 - hi;
    long long i1 = s > 0 ? hi - M1 : M1 - lo;
    i0 = std::max(i0, 0LL);
    i1 = std::min(i1, n);
    const int before = (w - 1) / 2, after = w / 2;
    for (long long i = i0; i <= i1; ++i) {
        if (!(pattern >> (31 - i % 32) & 1)) continue;
        const long long M = M1 + s * i;
        const long long m = n == 0 ? m1 : m1 + static_cast<long long>(Floor_Div(static_cast<__int128>(2) * i * dm + n, static_cast<__int128>(2) * n));
        const long long x = x_major ? M : m, y = x_major ? m : M;
        for (long long v = y - before; v <= y + after; ++v)
            for (long long u = x - before; u <= x + after; ++u) plot(u, v);
    }
}

// Even-odd fill of a polygon sampled at the pixel positions, half-open in y at the vertices, and
// its edges drawn over it, so that the pixels on the outline belong to the shape.
void Fill_Polygon(std::span<const long long> xs, std::span<const long long> ys) {
    const Screen_Rect clip = Screen_Clip();
    const std::size_t n = std::min(xs.size(), ys.size());
    if (clip.empty() || n == 0) return;
    const auto [ymin, ymax] = std::minmax_element(ys.begin(), ys.begin() + static_cast<std::ptrdiff_t>(n));
    const long long top = std::max<long long>(*ymin, clip.y1), bottom = std::min<long long>(*ymax, clip.y2);
    std::vector<double> cross;
    for (long long y = top; y <= bottom; ++y) {
        cross.clear();
        for (std::size_t k = 0; k < n; ++k) {
            const std::size_t j = (k + 1) % n;
            const long long ya = ys[k], yb = ys[j];
            if (ya == yb || y < std::min(ya, yb) || y >= std::max(ya, yb)) continue;
            cross.push_back(static_cast<double>(xs[k]) +
                            static_cast<double>(y - ya) * static_cast<double>(xs[j] - xs[k]) / static_cast<double>(yb - ya));
        }
        std::sort(cross.begin(), cross.end());
        for (std::size_t k = 0; k + 1 < cross.size(); k += 2) {
            const double a = std::max(std::ceil(cross[k]), static_cast<double>(clip.x1));
            const double b = std::min(std::floor(cross[k + 1]), static_cast<double>(clip.x2));
            for (long long x = static_cast<long long>(a); x <= static_cast<long long>(b) && a <= b; ++x) Fill_Plot(x, y);
        }
    }
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t j = (k + 1) % n;
        Draw_Line(xs[k], ys[k], xs[j], ys[j], 1, Solid, Fill_Plot);
    }
}

bool Parse_Screen_Size(const char* text, int& width, int& height) {
    if (!text) return false;
    int w = 0, h = 0, used = 0;
    if (std::sscanf(text, "%d%*[xX]%d%n", &w, &h, &used) != 2 || text[used] != '\0') return false;
    if (w < 64 || w > Largest_Side || h < 64 || h > Largest_Side) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace

void Host_Trace(const std::string& text) { std::fprintf(stderr, "host: %s\n", text.c_str()); }

const Screen_Pixels& Screen_Surface() { return screen.surface; }

Screen_Rect Screen_Clip() {
    if (!Open()) return {0, 0, -1, -1};
    return Intersect(screen.view, Whole_Surface());
}

Screen_Rect Screen_Set_Clip(const Screen_Rect& clip) {
    const Screen_Rect before = screen.view;
    screen.view = clip;
    return before;
}

std::uint32_t Screen_Foreground() { return screen.foreground; }

Screen_Style Screen_Current_Style() {
    return {screen.foreground, screen.background, screen.view, screen.raster_op, screen.line_pattern,
            screen.fill_patterned};
}

void Screen_Set_Style(const Screen_Style& style) {
    screen.foreground = style.foreground;
    screen.background = style.background;
    screen.view = style.view;
    screen.raster_op = style.raster_op;
    screen.line_pattern = style.line_pattern;
    screen.fill_patterned = style.fill_patterned && screen.has_fill_pattern;
}

void Screen_Plain_Drawing() {
    screen.view = Whole_Surface();
    screen.raster_op = 0;
    screen.line_pattern = Solid;
    screen.fill_patterned = false;
}

void Screen_Plot(long long x, long long y, std::uint32_t colour) {
    const Pixel_Guard guard;
    if (!Open() || !Inside(Screen_Clip(), x, y)) return;
    std::uint32_t& p = screen.surface.pixels[static_cast<std::size_t>(y * screen.surface.width + x)];
    switch (screen.raster_op) {
        case 1: p &= colour; break;
        case 2: p |= colour; break;
        case 3: p ^= 0xFFFFFF; break;   // inverts, whatever the colour, so that every colour shows
        default: p = colour; break;
    }
}

void Screen_Write(int x, int y, std::uint32_t colour) {
    const Pixel_Guard guard;
    if (!Open() || !Inside(Screen_Clip(), x, y)) return;
    screen.surface.pixels[static_cast<std::size_t>(y) * screen.surface.width + x] = colour;
}

void Host_Open_Screen(int width, int height) {
    width = std::clamp(width, 1, Largest_Side);
    height = std::clamp(height, 1, Largest_Side);
    screen = Screen_State{};
    NPIXEL_X = width;
    NPIXEL_Y = height;
    screen.surface.width = width;
    screen.surface.height = height;
    screen.surface.pixels.assign(static_cast<std::size_t>(width) * height, Resolve(-1));
    screen.background = Resolve(-1);
    screen.view = Whole_Surface();
}

void Init_Grafik_Mode() {
    Host_Open_Trace();
    int width = Default_Width, height = Default_Height;
    const char* wanted = std::getenv("VEK_SCREEN");
    if (wanted && !Parse_Screen_Size(wanted, width, height))
        Host_Trace(std::string("VEK_SCREEN=") + wanted + " ist keine Bildschirmgröße BxH von 64 bis 4096, 1024x768 gilt");
    Host_Open_Screen(width, height);
}

void Exit_Grafik_Mode() {
    screen = Screen_State{};
    NPIXEL_X = Default_Width;
    NPIXEL_Y = Default_Height;
}

int GetVEKColor(int code) {
    if (code >= 0) return code & 0xFFFFFF;
    for (const Host_Colour& c : Host_Colours)
        if (c.code == code) return static_cast<int>(c.rgb);
    return static_cast<int>(Host_Colours[0].rgb);
}

int Nearest_RGB_Color(int red, int green, int blue) {
    return std::clamp(red, 0, 255) << 16 | std::clamp(green, 0, 255) << 8 | std::clamp(blue, 0, 255);
}

int Nearest_Color_Index(int red, int green, int blue) { return Nearest_RGB_Color(red, green, blue); }

void pxQCR(int colour, int* red, int* green, int* blue) {
    const std::uint32_t rgb = Resolve(colour);
    if (red) *red = static_cast<int>(rgb >> 16 & 0xFF);
    if (green) *green = static_cast<int>(rgb >> 8 & 0xFF);
    if (blue) *blue = static_cast<int>(rgb & 0xFF);
}

void pxFgc(int colour) { screen.foreground = Resolve(colour); }

int pxQFgc() { return static_cast<int>(screen.foreground); }

void pxBgc(int colour) { screen.background = Resolve(colour); }

int pxQBgc() { return static_cast<int>(screen.background); }

void pxView(int x1, int y1, int x2, int y2) { screen.view = Normalised(x1, y1, x2, y2); }

void pxQVwp(int* x1, int* y1, int* x2, int* y2) {
    if (x1) *x1 = screen.view.x1;
    if (y1) *y1 = screen.view.y1;
    if (x2) *x2 = screen.view.x2;
    if (y2) *y2 = screen.view.y2;
}

void pxFlsh() {
    {
        const Pixel_Guard guard;
        if (screen.buffered) screen.shown = screen.surface.pixels;
    }
    if (std::this_thread::get_id() == presenting_thread) Host_Present();
}

void Host_Concurrent_Drawing(bool on) {
    if (on) presenting_thread = std::this_thread::get_id();
    concurrent_drawing.store(on, std::memory_order_release);
}

int pxBuff(int mode) {
    pxFlsh();
    const int before = screen.buffered ? 1 : 0;
    const bool buffered = mode != 0;
    if (buffered && !screen.buffered) screen.shown = screen.surface.pixels;
    if (!buffered) screen.shown.clear();
    screen.buffered = buffered;
    return before;
}

void pxSBop(int operation) { screen.raster_op = operation >= 0 && operation <= 3 ? operation : 0; }

// Every nonzero style other than 1 and 2 is dashed; the pattern starts afresh at each line's first point.
void pxSLn(int style) { screen.line_pattern = style == 0 ? Solid : style == 1 || style == 2 ? Line_Styles[style] : Line_Styles[3]; }

void pxSULn(std::uint32_t pattern) { screen.line_pattern = pattern; }

void pxSFA(int style) { screen.fill_patterned = style != 0 && screen.has_fill_pattern; }

void pxSUFA(const int* rows) {
    if (!rows) return;
    for (std::size_t k = 0; k < screen.fill_pattern.size(); ++k)
        screen.fill_pattern[k] = static_cast<std::uint16_t>(rows[k] & 0xFFFF);
    screen.has_fill_pattern = true;
    screen.fill_patterned = true;
}

void pxDot(int x, int y) { Screen_Plot(x, y, screen.foreground); }

void pxLine(int x1, int y1, int x2, int y2) { Draw_Line(x1, y1, x2, y2, 1, screen.line_pattern, Line_Plot); }

void pxTkLn(int x1, int y1, int x2, int y2, int width) {
    Draw_Line(x1, y1, x2, y2, std::clamp(width, 1, Widest_Line), screen.line_pattern, Line_Plot);
}

void pxRect(int x1, int y1, int x2, int y2) {
    const Screen_Rect r = Intersect(Normalised(x1, y1, x2, y2), Screen_Clip());
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) Fill_Plot(x, y);
}

void pxFill(int n, const int* x, const int* y) {
    if (n <= 0 || !x || !y) return;
    const std::vector<long long> xs(x, x + n), ys(y, y + n);
    Fill_Polygon(xs, ys);
}

void pxTri(int x1, int y1, int x2, int y2, int x3, int y3) {
    const long long xs[] = {x1, x2, x3}, ys[] = {y1, y2, y3};
    Fill_Polygon(xs, ys);
}

// The outline pixels of the circle: for every row the two pixels nearest to the circle, and for
// every column the two nearest, so that the outline is closed at any radius. Only the rows and
// columns of the clip are visited.
void pxCrcl(int x, int y, int r) {
    const Screen_Rect clip = Screen_Clip();
    if (r < 0 || clip.empty()) return;
    const long long R = r, cx = x, cy = y;
    const auto reach = [R](long long d) { return std::llround(std::sqrt(static_cast<double>(R * R - d * d))); };
    for (long long d = std::max(-R, clip.y1 - cy); d <= std::min(R, clip.y2 - cy); ++d) {
        const long long e = reach(d);
        Screen_Plot(cx - e, cy + d, screen.foreground);
        Screen_Plot(cx + e, cy + d, screen.foreground);
    }
    for (long long d = std::max(-R, clip.x1 - cx); d <= std::min(R, clip.x2 - cx); ++d) {
        const long long e = reach(d);
        Screen_Plot(cx + d, cy - e, screen.foreground);
        Screen_Plot(cx + d, cy + e, screen.foreground);
    }
}

void pxArc(int x, int y, int r, double start, double sweep, int filled) {
    if (r < 0 || !std::isfinite(start) || !std::isfinite(sweep)) return;
    sweep = std::clamp(sweep, -360.0, 360.0);
    // Points about 2 px apart along the arc, at most 720.
    const double length = std::fabs(sweep) / 180.0 * std::numbers::pi * r;
    const int steps = std::clamp(static_cast<int>(std::ceil(length / 2.0)), 1, 720);
    std::vector<long long> xs, ys;
    if (filled) xs.push_back(x), ys.push_back(y);
    for (int k = 0; k <= steps; ++k) {
        const double a = (start + sweep * k / steps) * std::numbers::pi / 180.0;
        xs.push_back(x + std::llround(r * std::cos(a)));
        ys.push_back(y - std::llround(r * std::sin(a)));
    }
    if (filled) {
        Fill_Polygon(xs, ys);
        return;
    }
    for (std::size_t k = 0; k + 1 < xs.size(); ++k)
        Draw_Line(xs[k], ys[k], xs[k + 1], ys[k + 1], 1, screen.line_pattern, Line_Plot);
}

void pxCls() {
    const Screen_Rect r = Screen_Clip();
    for (int y = r.y1; y <= r.y2; ++y)
        for (int x = r.x1; x <= r.x2; ++x) Screen_Plot(x, y, screen.background);
}

void pxMask(int x1, int y1, int x2, int y2, const unsigned char* bits, int bytes_per_row) {
    if (!bits || bytes_per_row < 1 || x1 > x2 || y1 > y2) return;
    const long long width = std::min(static_cast<long long>(x2) - x1 + 1, 8LL * bytes_per_row);
    const Screen_Rect r = Intersect({x1, y1, x2, y2}, Screen_Clip());
    for (int y = r.y1; y <= r.y2; ++y) {
        const unsigned char* row = bits + static_cast<std::size_t>(y - y1) * bytes_per_row;
        for (int x = r.x1; x <= r.x2 && x - x1 < width; ++x) {
            const long long i = static_cast<long long>(x) - x1;
            if (row[i / 8] >> (7 - i % 8) & 1) Screen_Plot(x, y, screen.foreground);
        }
    }
}

namespace {

Saved_Block Take_Block(int x1, int y1, int x2, int y2) {
    const Pixel_Guard guard;
    Saved_Block b;
    if (!Open()) return b;
    const Screen_Rect r = Intersect(Normalised(x1, y1, x2, y2), Whole_Surface());
    if (r.empty()) return b;
    b = {r.x1, r.y1, r.x2 - r.x1 + 1, r.y2 - r.y1 + 1, {}};
    b.pixels.reserve(static_cast<std::size_t>(b.w) * b.h);
    for (int y = r.y1; y <= r.y2; ++y) {
        const auto* row = &screen.surface.pixels[static_cast<std::size_t>(y) * screen.surface.width];
        b.pixels.insert(b.pixels.end(), row + r.x1, row + r.x2 + 1);
    }
    return b;
}

void Put_Block(int x, int y, int w, int h, const std::uint32_t* pixels) {
    const Pixel_Guard guard;
    if (!Open()) return;
    const Screen_Rect r = Intersect({x, y, x + w - 1, y + h - 1}, Whole_Surface());
    for (int v = r.y1; v <= r.y2; ++v)
        for (int u = r.x1; u <= r.x2; ++u)
            screen.surface.pixels[static_cast<std::size_t>(v) * screen.surface.width + u] =
                pixels[static_cast<std::size_t>(v - y) * w + (u - x)];
}

struct Block_Header {
    std::int32_t x, y, w, h;
};

}  // namespace

void Save_Screen_Rectangle(int x1, int y1, int x2, int y2) {
    if (!Open()) return;
    if (screen.saved.size() == Saved_Rectangle_Limit) screen.saved.pop_front();
    screen.saved.push_back(Take_Block(x1, y1, x2, y2));
}

void Restore_Screen_Rectangle() {
    if (screen.saved.empty()) return;
    const Saved_Block b = std::move(screen.saved.back());
    screen.saved.pop_back();
    Put_Block(b.x, b.y, b.w, b.h, b.pixels.data());
}

int pxQSvR(int x1, int y1, int x2, int y2) {
    const Screen_Rect r = Open() ? Intersect(Normalised(x1, y1, x2, y2), Whole_Surface()) : Screen_Rect{0, 0, -1, -1};
    const long long pixels = r.empty() ? 0 : static_cast<long long>(r.x2 - r.x1 + 1) * (r.y2 - r.y1 + 1);
    return static_cast<int>(sizeof(Block_Header) + pixels * sizeof(std::uint32_t));
}

void pxSvRc(int x1, int y1, int x2, int y2, void* buffer) {
    if (!buffer) return;
    const Saved_Block b = Take_Block(x1, y1, x2, y2);
    const Block_Header head{b.x, b.y, b.w, b.h};
    std::memcpy(buffer, &head, sizeof head);
    if (!b.pixels.empty())
        std::memcpy(static_cast<char*>(buffer) + sizeof head, b.pixels.data(), b.pixels.size() * sizeof(std::uint32_t));
}

void pxStRc(const void* buffer) {
    if (!buffer) return;
    Block_Header head{};
    std::memcpy(&head, buffer, sizeof head);
    if (head.w <= 0 || head.h <= 0 || head.w > Largest_Side || head.h > Largest_Side) return;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(head.w) * head.h);
    std::memcpy(pixels.data(), static_cast<const char*>(buffer) + sizeof head, pixels.size() * sizeof(std::uint32_t));
    Put_Block(head.x, head.y, head.w, head.h, pixels.data());
}

int Host_Pixel(int x, int y) {
    const Pixel_Guard guard;
    if (!Open() || !Inside(Whole_Surface(), x, y)) return -1;
    return static_cast<int>(screen.surface.pixels[static_cast<std::size_t>(y) * screen.surface.width + x]);
}

const std::vector<std::uint32_t>& Screen_Shown_Pixels() { return screen.buffered ? screen.shown : screen.surface.pixels; }

int Host_Shown_Pixel(int x, int y) {
    const Pixel_Guard guard;
    if (!screen.buffered) return Host_Pixel(x, y);
    if (!Open() || !Inside(Whole_Surface(), x, y)) return -1;
    return static_cast<int>(screen.shown[static_cast<std::size_t>(y) * screen.surface.width + x]);
}
