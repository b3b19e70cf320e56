#include "sketches/screen_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>

#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_palette.h"

namespace {

constexpr double Pi = std::numbers::pi;

// Cosine and sine of k · 11.25 degrees, k = 0 to 8: the quarter circle of the corner fillet.
constexpr std::array<double, 9> Cos_Step = {1.0,
                                            0.98078528040323043,
                                            0.92387953251128674,
                                            0.83146961230254524,
                                            0.70710678118654752,
                                            0.55557023301960218,
                                            0.38268343236508977,
                                            0.19509032201612827,
                                            0.0};
constexpr double Sin_Step(int k) { return Cos_Step[static_cast<std::size_t>(8 - k)]; }

// Up to 360 degrees in 11.25-degree steps with both ends: the arc's point buffers.
constexpr int Arc_Points = 33;

// Gives the caller's drawing colour back when the routine ends.
class Colour_Keeper {
public:
    Colour_Keeper() : colour_(pxQFgc()) {}
    ~Colour_Keeper() { pxFgc(colour_); }
    Colour_Keeper(const Colour_Keeper&) = delete;
    Colour_Keeper& operator=(const Colour_Keeper&) = delete;

private:
    int colour_;
};

int Text_Length(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

// Brings an angle (radians) into (-90, 90] degrees by steps of 180 degrees; each step turns the
// direction round, which the result reports.
bool Into_Right_Half(double& a) {
    bool turned = false;
    while (a > Pi / 2 + 1e-12) {
        a -= Pi;
        turned = !turned;
    }
    while (a <= -Pi / 2 + 1e-12) {
        a += Pi;
        turned = !turned;
    }
    return turned;
}

// A filled head with its tip at (tx, ty), pointing along the unit direction (ux, uy) (screen
// coordinates), length and width in pixels.
void Fill_Head(double tx, double ty, double ux, double uy, double length, double width) {
    const double bx = tx - ux * length, by = ty - uy * length;
    const double px = -uy * width / 2, py = ux * width / 2;
    pxTri(static_cast<int>(tx), static_cast<int>(ty), static_cast<int>(bx + px), static_cast<int>(by + py),
          static_cast<int>(bx - px), static_cast<int>(by - py));
}

void Draw_Label(int x, int y, const char* text) {
    const int n = Text_Length(text);
    if (n > 0) pxText(x, y, text, n);
}

// Vertices of a regular n-gon (n from 1 to 64), lengths truncated toward zero.
int Polygon_Vertices(int cx, int cy, int r, int n, int* xs, int* ys) {
    for (int i = 0; i < n; ++i) {
        const double phi = 2 * Pi * i / n;
        xs[i] = static_cast<int>(cx + r * std::cos(phi));
        ys[i] = static_cast<int>(cy + r * std::sin(phi));
    }
    return n;
}

void Outline_Closed(int n, const int* xs, const int* ys, int width) {
    for (int i = 0; i < n; ++i) {
        const int j = (i + 1) % n;
        pxTkLn(xs[i], ys[i], xs[j], ys[j], width);
    }
}

constexpr int Max_Polygon_Corners = 64;

}  // namespace

int Round_To_Pixel(double x) {
    const double magnitude = std::trunc(std::fabs(x) + 5.0 / 9.0);
    return static_cast<int>(x >= 0 ? magnitude : -magnitude);
}

void Draw_Corner_Fillet(int x, int y, int r, int orientation, int fill_colour, int outline_width) {
    Colour_Keeper keep;
    if (orientation < 0 || orientation > 3) return;
    // Centre M opposite the corner, and the unit vectors from M to the leg ends P1 and P9.
    static constexpr int Centre_Dx[4] = {1, -1, -1, 1}, Centre_Dy[4] = {-1, -1, 1, 1};
    static constexpr int To_P1_x[4] = {0, 1, 0, -1}, To_P1_y[4] = {1, 0, -1, 0};
    static constexpr int To_P9_x[4] = {-1, 0, 1, 0}, To_P9_y[4] = {0, 1, 0, -1};
    const int mx = x + Centre_Dx[orientation] * r, my = y + Centre_Dy[orientation] * r;
    int xs[10], ys[10];
    xs[0] = x;
    ys[0] = y;
    for (int k = 1; k <= 9; ++k) {
        const double c = Cos_Step[static_cast<std::size_t>(k - 1)], s = Sin_Step(k - 1);
        xs[k] = static_cast<int>(mx + r * (c * To_P1_x[orientation] + s * To_P9_x[orientation]));
        ys[k] = static_cast<int>(my + r * (c * To_P1_y[orientation] + s * To_P9_y[orientation]));
    }
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(10, xs, ys);
    }
    if (outline_width >= 0) {
        pxTkLn(xs[0], ys[0], xs[1], ys[1], outline_width);
        pxTkLn(xs[0], ys[0], xs[9], ys[9], outline_width);
        pxFgc(Screen_Palette.Black);
        for (int k = 1; k < 9; ++k) pxTkLn(xs[k], ys[k], xs[k + 1], ys[k + 1], outline_width);
    }
}

void Draw_Arc_Segment(int cx, int cy, int r, double start, double sweep, int fill_colour, int line_colour,
                      int line_width) {
    if (!(sweep >= 0.001)) return;
    Colour_Keeper keep;
    sweep = std::min(sweep, 360.0);   // a sweep beyond the full circle draws the full circle
    const double s = start + 0.001;
    const double k0 = std::trunc(s * 8.0 / 90.0), k1 = std::trunc((s + sweep) * 8.0 / 90.0 + 1.0);
    if (!std::isfinite(k0) || !std::isfinite(k1)) return;
    const int n = static_cast<int>(std::clamp(k1 - k0, 0.0, static_cast<double>(Arc_Points)));
    if (n < 1) return;
    std::array<int, Arc_Points> xs{}, ys{};
    for (int i = 0; i < n; ++i) {
        const double theta = (k0 + i) * Pi / 16;
        xs[static_cast<std::size_t>(i)] = cx - Round_To_Pixel(r * std::cos(theta));
        ys[static_cast<std::size_t>(i)] = cy + Round_To_Pixel(r * std::sin(theta));
    }
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(n, xs.data(), ys.data());
    }
    if (line_colour >= 0 && line_width >= 0) {
        pxFgc(line_colour);
        for (int i = 0; i + 1 < n; ++i)
            pxTkLn(xs[static_cast<std::size_t>(i)], ys[static_cast<std::size_t>(i)], xs[static_cast<std::size_t>(i + 1)],
                   ys[static_cast<std::size_t>(i + 1)], line_width);
    }
}

void Draw_Measure_Line(int x1, int y1, int x2, int y2, const char* text, int mode) {
    // A disc of radius 2: rows of 5 pixels, the leftmost in the highest bit.
    static constexpr unsigned char Dot_Rows[5] = {0x70, 0xF8, 0xF8, 0xF8, 0x70};
    pxFgc(Screen_Palette.Black);
    pxSFnt(Screen_Palette.Font_Normal);
    pxTkLn(x1, y1, x2, y2, 1);
    for (const auto& [x, y] : {std::pair{x1, y1}, std::pair{x2, y2}}) {
        if (Screen_Palette.White >= 0) {
            pxFgc(Screen_Palette.White);
            pxMask(x - 2, y - 2, x + 2, y + 2, Dot_Rows, 1);
        }
        pxFgc(Screen_Palette.Black);
        pxCrcl(x, y, 2);
    }
    const int n = Text_Length(text);
    if (n == 0) return;
    const int mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    switch (mode) {
    case 0: pxText(mx - 3 * n, y1 - 2, text, n); break;
    case 1: pxText(x1 + 4, my + 3, text, n); break;
    case 2: pxText(mx - 3 * n, my + 10, text, n); break;
    default: break;
    }
}

double Snap_Unit_Value(double x) {
    for (const double v : {0.0, 1.0, -1.0})
        if (std::fabs(x - v) < 0.001) return v;
    return x;
}

void Draw_Polygon_Circle(int cx, int cy, int r, int n, int fill_colour, int line_width, int line_colour) {
    if (n < 1 || n > Max_Polygon_Corners) return;
    Colour_Keeper keep;
    int xs[Max_Polygon_Corners], ys[Max_Polygon_Corners];
    Polygon_Vertices(cx, cy, r, n, xs, ys);
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        pxFill(n, xs, ys);
    }
    if (line_colour >= 0 && line_width >= 0) {
        pxFgc(line_colour);
        Outline_Closed(n, xs, ys, line_width);
    }
}

void Draw_Polygon_Ring(int cx, int cy, int outer_r, int inner_r, int n, int fill_colour, int line_width,
                       int line_colour) {
    if (n < 1 || n > Max_Polygon_Corners) return;
    Colour_Keeper keep;
    int ox[Max_Polygon_Corners], oy[Max_Polygon_Corners], ix[Max_Polygon_Corners], iy[Max_Polygon_Corners];
    Polygon_Vertices(cx, cy, outer_r, n, ox, oy);
    const bool ring = (inner_r > 0 && inner_r < outer_r) || (inner_r < 0 && outer_r < 0 && inner_r > outer_r);
    if (ring) Polygon_Vertices(cx, cy, inner_r, n, ix, iy);
    if (fill_colour >= 0) {
        pxFgc(fill_colour);
        if (ring) {
            // The outer n-gon closed at angle 0, then the inner one backwards to angle 0 again.
            int xs[2 * Max_Polygon_Corners + 2], ys[2 * Max_Polygon_Corners + 2];
            int m = 0;
            for (int i = 0; i <= n; ++i, ++m) {
                xs[m] = ox[i % n];
                ys[m] = oy[i % n];
            }
            for (int i = n; i >= 0; --i, ++m) {
                xs[m] = ix[i % n];
                ys[m] = iy[i % n];
            }
            pxFill(m, xs, ys);
        } else {
            pxFill(n, ox, oy);
        }
    }
    if (line_colour >= 0 && line_width >= 0) {
        pxFgc(line_colour);
        Outline_Closed(n, ox, oy, line_width);
        if (ring) Outline_Closed(n, ix, iy, line_width);
    }
}

void Draw_Filled_Rectangle(int x1, int y1, int x2, int y2, int colour) {
    if (colour < 0) return;
    Colour_Keeper keep;
    const int xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    pxFgc(colour);
    pxFill(4, xs, ys);
}

void Draw_Aligned_Text(int x, int y, const char* text, int centred, int colour, int size_kind) {
    const int n = Text_Length(text);
    if (n == 0 || colour < 0) return;
    Colour_Keeper keep;
    const int font = size_kind == 1 ? 0x1002 : size_kind == 2 ? 0x1001 : 0x1000;
    const double per_character = size_kind == 1 ? 4.5 : size_kind == 2 ? 8.0 : 6.5;
    if (centred) x -= static_cast<int>(per_character * n);
    pxFgc(colour);
    Pop_RFont(font);
    pxBTxt(x, y, x, y, text, n, 0x11);
    Push_RFont();
}

void Draw_Curved_Arrow(int x, int y, int size, int sense, const char* text, double angle) {
    const double r = size / 2.0;
    const double a_deg = angle * 180 / Pi;
    for (int d = -1; d <= 1; ++d) pxArc(x, y, static_cast<int>(r) + d, a_deg, 180, 0);
    // The end of the half circle that carries the head, and the direction of travel there, turned
    // 10 degrees further round.
    const double end = sense ? angle + Pi : angle;
    const double travel = sense ? end + Pi / 2 : end - Pi / 2;
    const double turn = sense ? 10 * Pi / 180 : -10 * Pi / 180;
    const double tx = x + r * Snap_Unit_Value(std::cos(end + turn)), ty = y - r * Snap_Unit_Value(std::sin(end + turn));
    Fill_Head(tx, ty, Snap_Unit_Value(std::cos(travel + turn)), -Snap_Unit_Value(std::sin(travel + turn)), 15, 10);
    const int n = Text_Length(text);
    if (n > 0) pxBTxt(x, y - static_cast<int>(r) - 4, x, y - static_cast<int>(r) - 4, text, n, 0x12);
}

void Draw_Force_Arrow(int x, int y, int length, int end_flag, const char* text, double angle) {
    if (Into_Right_Half(angle)) end_flag = !end_flag;
    const double c = Snap_Unit_Value(std::cos(angle)), s = Snap_Unit_Value(std::sin(angle));
    const double h = length / 2.0;
    const double x1 = x - h * c, y1 = y + h * s, x2 = x + h * c, y2 = y - h * s;
    pxTkLn(static_cast<int>(x1), static_cast<int>(y1), static_cast<int>(x2), static_cast<int>(y2), 2);
    // Unit direction from the first end to the second, on the screen.
    const double ux = c, uy = -s;
    if (end_flag == 0)
        Fill_Head(x2 + 5 * ux, y2 + 5 * uy, ux, uy, 15, 10);
    else
        Fill_Head(x1 - 5 * ux, y1 - 5 * uy, -ux, -uy, 15, 10);
    Draw_Label(x + 8, y - 8, text);
}

void Draw_Pointer_Arrow(int x, int y, int length, const char* text, double angle) {
    const double c = Snap_Unit_Value(std::cos(angle)), s = Snap_Unit_Value(std::sin(angle));
    const double x1 = x - length * c, y1 = y + length * s;
    pxTkLn(static_cast<int>(x1), static_cast<int>(y1), x, y, 2);
    // Away from (x, y) along the line: the unit direction from (x, y) to the far end.
    const double ux = -c, uy = s;
    Fill_Head(x1 + length / 9.0 * ux, y1 + length / 9.0 * uy, ux, uy, length / 3.0, 2.0 * length / 9.0);
    Draw_Label(static_cast<int>(x1) + 4, static_cast<int>(y1) - 4, text);
}

void Draw_Arrow_Head(int x, int y, double angle) {
    const bool turned = Into_Right_Half(angle);
    double ux = Snap_Unit_Value(std::cos(angle)), uy = -Snap_Unit_Value(std::sin(angle));
    if (turned) {
        ux = -ux;
        uy = -uy;
    }
    // The base lies 15 px from the tip along (ux, uy), so the head points the other way.
    Fill_Head(x, y, -ux, -uy, 15, 10);
}
