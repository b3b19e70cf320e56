#include "gui/world_drawing.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

#include "common/counted_alloc.h"
#include "common/text_width.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "platform/host/host_library.h"

namespace {

struct World_Transform {
    double x0 = 0, y0 = 0, angle = 0, sx = 1, sy = 1;
};

World_Transform world;
int line_width = 1;
int line_style = 0;

constexpr int Circle_Points = 72;
constexpr double Circle_Step = Geometry_Pi / 36;   // 5 degrees
constexpr double Vertical_Tolerance = 0.00001;
constexpr int Label_Font = 4096;
constexpr int Bold_Bit = 0x10000;
constexpr int Centred_Anchor = 210;

// A double cut towards zero to an int, held inside the int range; not a number gives 0.
int Cut_To_Int(double v) {
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

int Hold_Int(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

int Text_Length(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

struct Pixel {
    int x, y;
};

// The world point on the screen, not rounded.
void Map(double x, double y, double& X, double& Y) {
    const double c = std::cos(world.angle), s = std::sin(world.angle);
    const double dx = x - world.x0, dy = y - world.y0;
    X = world.sx * (dx * c + dy * s);
    Y = world.sy * (dy * c - dx * s);
}

// The world point as a rounded pixel; false when it is not finite, so that the caller draws nothing.
bool To_Pixel(double x, double y, Pixel& p) {
    double X = 0, Y = 0;
    Map(x, y, X, Y);
    if (!std::isfinite(X) || !std::isfinite(Y)) return false;
    p = {Round_To_Pixel_Int(X), Round_To_Pixel_Int(Y)};
    return true;
}

// n world points as pixels; false when one of them has none.
bool To_Pixels(int n, const double* x, const double* y, std::vector<int>& X, std::vector<int>& Y) {
    X.resize(static_cast<std::size_t>(n));
    Y.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        Pixel p{};
        if (!To_Pixel(x[i], y[i], p)) return false;
        X[static_cast<std::size_t>(i)] = p.x;
        Y[static_cast<std::size_t>(i)] = p.y;
    }
    return true;
}

void Fill_Pixels(int n, const double* x, const double* y) {
    std::vector<int> X, Y;
    if (n < 1 || !x || !y || !To_Pixels(n, x, y, X, Y)) return;
    pxFill(n, X.data(), Y.data());
}

// The 72 points of a circle in world units, from angle 0 in 5 degree steps.
void Circle(double cx, double cy, double r, std::array<double, Circle_Points>& x, std::array<double, Circle_Points>& y) {
    for (int i = 0; i < Circle_Points; ++i) {
        x[static_cast<std::size_t>(i)] = cx + r * std::cos(i * Circle_Step);
        y[static_cast<std::size_t>(i)] = cy + r * std::sin(i * Circle_Step);
    }
}

// The box of n characters of 8 pixels behind a text on the baseline y: one pixel before the first
// cell, three rows below the baseline and ten above it.
void Text_Span_Box(int x, int y, double n) {
    const long long X = x, Y = y;
    pxRect(Hold_Int(X - 1), Hold_Int(Y + 3), Hold_Int(X + Cut_To_Int(8.0 * n)), Hold_Int(Y - 10));
}

void Set_Fill_Rows(const std::array<int, 16>& rows) { pxSUFA(rows.data()); }

// The width of a graphic text at the current expansion and spacing, 0 for a null text.
int Graphic_Text_Width(const char* text, double height) {
    if (!text) return 0;
    pxChH(height);
    Text_Extent e{};
    pxQGTX(text, Text_Length(text), 0, 0, &e);
    return e.right - e.left;
}

}  // namespace

void Set_World_Transform(double x0, double y0, double angle, double scale_x, double scale_y) {
    world = {x0, y0, angle, scale_x, scale_y};
}

double Get_World_Scale_X() { return world.sx; }
double Get_World_Scale_Y() { return world.sy; }

void Transform_World_Point(double* x, double* y) {
    if (!x || !y) return;
    double X = 0, Y = 0;
    Map(*x, *y, X, Y);
    // Rounded half away from zero; a value that is not finite is left as it is for the caller to see.
    const auto round = [](double v) {
        if (!std::isfinite(v)) return v;
        return static_cast<double>(Round_To_Pixel_Int(v));
    };
    *x = round(X);
    *y = round(Y);
}

void Untransform_World_Point(double* x, double* y) {
    if (!x || !y) return;
    const double c = std::cos(world.angle), s = std::sin(world.angle);
    const double u = *x / world.sx, v = *y / world.sy;
    *x = world.x0 + u * c - v * s;
    *y = world.y0 + u * s + v * c;
}

void Transform_World_Point_Or_Length(double* x, double* y) {
    if (x && y) Transform_World_Point(x, y);
    else if (x) *x *= world.sx;
    else if (y) *y *= world.sy;
}

double Get_View_Distance(double x1, double y1, double x2, double y2) {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    Map(x1, y1, X1, Y1);
    Map(x2, y2, X2, Y2);
    return std::hypot(X2 - X1, Y2 - Y1);
}

void Set_World_Line_Width(int pixels) { line_width = pixels; }

void Set_World_Line_Style(int style) {
    line_style = style;
    pxSLn(style);
}

int Get_World_Line_Style() { return line_style; }

void Set_Dot_Fill_Pattern() {
    std::array<int, 16> rows{};
    for (std::size_t k = 0; k < rows.size(); k += 2) rows[k] = 0x5555;
    Set_Fill_Rows(rows);
}

void Set_Arc_Fill_Pattern() {
    constexpr std::array<int, 4> Arcs = {0x0810, 0x0660, 0x9189, 0x6006};
    std::array<int, 16> rows{};
    for (std::size_t k = 0; k < rows.size(); ++k) rows[k] = Arcs[k % Arcs.size()];
    Set_Fill_Rows(rows);
}

void Set_Stripe_Fill_Pattern() {
    std::array<int, 16> rows{};
    rows.fill(0x1111);
    Set_Fill_Rows(rows);
}

void Draw_World_Dot(double x, double y) {
    double X = 0, Y = 0;
    Map(x, y, X, Y);
    if (!std::isfinite(X) || !std::isfinite(Y)) return;
    const int r = Round_To_Pixel_Int(line_width / 2.0);
    if (r <= 1) {
        pxDot(Cut_To_Int(X), Cut_To_Int(Y));
        return;
    }
    std::array<int, Circle_Points> xs{}, ys{};
    for (int i = 0; i < Circle_Points; ++i) {
        xs[static_cast<std::size_t>(i)] = Round_To_Pixel_Int(X + r * std::cos(i * Circle_Step));
        ys[static_cast<std::size_t>(i)] = Round_To_Pixel_Int(Y + r * std::sin(i * Circle_Step));
    }
    pxFill(Circle_Points, xs.data(), ys.data());
}

void Draw_World_Line(double x1, double y1, double x2, double y2) {
    Pixel a{}, b{};
    if (line_width < 1 || !To_Pixel(x1, y1, a) || !To_Pixel(x2, y2, b)) return;
    if (line_width == 1) {
        pxLine(a.x, a.y, b.x, b.y);
        return;
    }
    if (line_width > 3 || line_style == 0) {
        pxTkLn(a.x, a.y, b.x, b.y, line_width);
        return;
    }
    // Widths 2 and 3 in a broken style: strokes 1 pixel apart across the line, each started with the
    // style afresh so that the dashes of all strokes lie side by side.
    const bool flat = std::llabs(static_cast<long long>(b.x) - a.x) > std::llabs(static_cast<long long>(b.y) - a.y);
    for (const int offset : {1, 0, -1}) {
        if (offset == -1 && line_width == 2) break;
        const int dx = flat ? 0 : offset, dy = flat ? offset : 0;
        pxSLn(line_style);
        pxLine(Hold_Int(1LL * a.x + dx), Hold_Int(1LL * a.y + dy), Hold_Int(1LL * b.x + dx), Hold_Int(1LL * b.y + dy));
    }
}

void Draw_World_Rectangle(double x1, double y1, double x2, double y2) {
    Draw_World_Line(x1, y1, x2, y1);
    Draw_World_Line(x2, y1, x2, y2);
    Draw_World_Line(x2, y2, x1, y2);
    Draw_World_Line(x1, y2, x1, y1);
}

void Draw_World_Centred_Rectangle(double cx, double cy, double width, double height) {
    const double x1 = cx - width / 2, y1 = cy - height / 2;
    Draw_World_Rectangle(x1, y1, x1 + width, y1 + height);
}

void Fill_World_Rectangle(double x1, double y1, double x2, double y2) {
    Pixel a{}, b{};
    if (!To_Pixel(x1, y1, a) || !To_Pixel(x2, y2, b)) return;
    pxRect(a.x, a.y, b.x, b.y);
}

void Fill_World_Centred_Rectangle(double cx, double cy, double width, double height) {
    const double x1 = cx - width / 2, y1 = cy - height / 2;
    Fill_World_Rectangle(x1, y1, x1 + width, y1 + height);
}

void Clear_World_Rectangle(double x1, double y1, double x2, double y2) {
    const int before = pxQFgc();
    pxFgc(-1);
    Fill_World_Rectangle(x1, y1, x2, y2);
    pxFgc(before);
}

void Draw_World_Circle(double cx, double cy, double r) {
    std::array<double, Circle_Points> x{}, y{};
    Circle(cx, cy, r, x, y);
    Draw_World_Polygon(Circle_Points, x.data(), y.data());
}

void Fill_World_Circle(double cx, double cy, double r) {
    std::array<double, Circle_Points> x{}, y{};
    Circle(cx, cy, r, x, y);
    Fill_Pixels(Circle_Points, x.data(), y.data());
}

void Draw_World_Polygon(int n, const double* x, const double* y) {
    if (n < 1 || !x || !y) return;
    for (int i = 0; i < n; ++i) {
        const int j = i + 1 < n ? i + 1 : 0;
        Draw_World_Line(x[i], y[i], x[j], y[j]);
    }
}

void Fill_World_Polygon(int n, const double* x, const double* y) { Fill_Pixels(n, x, y); }

void Fill_World_Band(double x1, double y1, double x2, double y2, double width, const int* pattern) {
    const double a = std::fabs(x2 - x1) < Vertical_Tolerance ? Geometry_Half_Pi : std::atan((y2 - y1) / (x2 - x1));
    const double ox = std::sin(a) * width / 2, oy = std::cos(a) * width / 2;
    const double x[4] = {x1 - ox, x2 - ox, x2 + ox, x1 + ox};
    const double y[4] = {y1 + oy, y2 + oy, y2 - oy, y1 - oy};
    std::vector<int> X, Y;
    if (!To_Pixels(4, x, y, X, Y)) return;
    if (pattern) pxSUFA(pattern);
    pxFill(4, X.data(), Y.data());
    if (pattern) pxSFA(0);
}

void Draw_World_Arrow(double x1, double y1, double x2, double y2, double head_length, double head_width, int style) {
    const double h = std::min(std::hypot(x2 - x1, y2 - y1), head_length);
    const double w = std::min(head_width, h);
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    // The tip and the two barbs, built on the x axis and turned back onto the segment.
    double x[4] = {x1, x2, x2, x2}, y[4] = {y1, y2, y2, y2};
    Transform_Points(x, y, 4, 0, 0, a, 1);
    x[2] -= h, y[2] -= w / 2;
    x[3] -= h, y[3] += w / 2;
    Untransform_Points(x, y, 4, 0, 0, a, 1);
    Draw_World_Line(x1, y1, x2, y2);
    if (style == 1) {
        Fill_Pixels(3, x + 1, y + 1);
        return;
    }
    Draw_World_Line(x[2], y[2], x[1], y[1]);
    Draw_World_Line(x[3], y[3], x[1], y[1]);
}

void Draw_World_Axis_Cross(double x0, double y0, const char* x_label, const char* y_label, double lx, double ly,
                           double angle, double scale) {
    const double k = 1 / scale, head = 10 * k;
    if (!std::isfinite(k)) return;
    double qx = lx * k, qy = ly * k;
    Untransform_Points(&qx, &qy, 1, x0, y0, angle, 1);
    Draw_World_Arrow(x0, y0, qx, y0, head, 0.8 * head, 1);
    Draw_World_Arrow(x0, y0, x0, qy, head, 0.8 * head, 1);
    Pop_RFont(Label_Font);
    Pixel p{};
    if (y_label && To_Pixel(x0 + 0.6 * head, qy, p)) pxText(p.x, p.y, y_label, Text_Length(y_label));
    if (x_label && To_Pixel(qx, y0 - 0.6 * head, p)) pxText(p.x, p.y, x_label, Text_Length(x_label));
    Push_RFont();
}

void Draw_World_Axis_Cross_Alt(double x0, double y0, const char* x_label, const char* y_label, int, int, double lx,
                               double ly, double angle, double scale) {
    Draw_World_Axis_Cross(x0, y0, x_label, y_label, lx, ly, angle, scale);
}

void Draw_World_Dimension(int mode, double x1, double y1, double x2, double y2, const char* text_1, const char* text_2,
                          double extension) {
    pxExpF(0.7);
    pxSpac(0.1);
    pxOrnt(0, 0);
    const double W = Graphic_Text_Width(text_1, 12) + Graphic_Text_Width(text_2, 8.4);
    if (mode == 0 || mode == 1) {
        // The coordinates given as view pixels: the world point of the view point on the axis.
        double u1 = mode == 1 ? x1 : 0, v1 = mode == 0 ? y1 : 0, u2 = mode == 1 ? x2 : 0, v2 = mode == 0 ? y2 : 0;
        Untransform_World_Point(&u1, &v1);
        Untransform_World_Point(&u2, &v2);
        if (mode == 0) y1 = v1, y2 = v2;
        else x1 = u1, x2 = u2;
    }
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    double ex[2] = {x1, x2}, ey[2] = {y1, y2};
    Transform_Points(ex, ey, 2, 0, 0, a, 1);
    const double X1 = ex[0], Y1 = ey[0], X2 = ex[1], Y2 = ey[1];
    const double e = 5 / std::fabs(world.sx), o = extension / std::fabs(world.sy);
    const double s = X2 >= X1 ? 1 : -1, M = (X1 + X2) / 2, T = Y1 + 10 / std::fabs(world.sy);
    // Dimension line, two extension lines, then the anchor points of the two texts.
    double x[8] = {X1 - s * e, X2 + s * e, X1, X1, X2, X2, M, M - s * W / (2 * std::fabs(world.sx))};
    double y[8] = {Y1, Y2, Y1 - e, Y1 + o, Y2 - e, Y2 + o, T, T + s * o / 2};
    Untransform_Points(x, y, 8, 0, 0, a, 1);
    std::vector<int> X, Y;
    if (!To_Pixels(8, x, y, X, Y)) return;
    for (std::size_t k = 0; k < 6; k += 2) pxLine(X[k], Y[k], X[k + 1], Y[k + 1]);
    pxOrnt(Geometry_Pi - a, 0);
    if (Text_Length(text_1) > 0) {
        pxChH(12);
        pxGBTt(X[6], Y[6], text_1, Text_Length(text_1), Centred_Anchor);
    }
    if (Text_Length(text_2) > 0) {
        pxChH(8.4);
        pxGBTt(X[7], Y[7], text_2, Text_Length(text_2), Centred_Anchor);
    }
}

void Draw_World_Length_Dimension(int mode, double x1, double y1, double x2, double y2, double extension) {
    const double L = Round_To_Decimals(std::hypot(x2 - x1, y2 - y1), 3);
    if (!std::isfinite(L) || L < 0.01) return;
    const double c = 100 * L;
    int m = Cut_To_Int(c + 0.0001);
    const double r = Round_To_Decimals(c - m, 2);
    const bool half = r >= 0.25 && r < 0.74999;
    char text_1[64] = "";
    const char* text_2 = half ? "5" : "";
    if (L < 1) {
        if (half) std::snprintf(text_1, sizeof text_1, "%d", m);
        else std::snprintf(text_1, sizeof text_1, "%.0f", c);
    } else {
        if (Round_To_Decimals(c - 0.75 - m, 2) >= 0 && m < INT_MAX) ++m;
        std::snprintf(text_1, sizeof text_1, "%.2f", m / 100.0);
    }
    Draw_World_Dimension(mode, x1, y1, x2, y2, text_1, text_2, extension);
}

void Draw_World_Text(double x, double y, const char* text, int font, int twice) {
    Pixel p{};
    if (!text || !To_Pixel(x, y, p)) return;
    Pop_RFont(font);
    pxText(p.x, p.y, text, Text_Length(text));
    if (twice) pxText(Hold_Int(1LL * p.x + 1), p.y, text, Text_Length(text));
    Push_RFont();
}

void Draw_World_Text_Plain(double x, double y, const char* text, int font) { Draw_World_Text(x, y, text, font, 0); }

void Draw_World_Text_Bold(double x, double y, const char* text, int font) { Draw_World_Text(x, y, text, font, 1); }

void Draw_World_Text_Right(double x, double y, const char* text, int font) {
    Pixel p{};
    if (!text || !To_Pixel(x, y, p)) return;
    const long long left = 1LL * p.x - (Get_World_Text_Width_In_Font(text, font) - 5);
    Pop_RFont(font);
    pxText(Hold_Int(left), p.y, text, Text_Length(text));
    Push_RFont();
}

void Draw_World_Text_Anchored(double x, double y, const char* text, int font, int switch_a, int switch_b) {
    Pixel p{};
    if (!text || !To_Pixel(x, y, p)) return;
    // 200 + horizontal part (0 left end, 8 middle, 24 right end) + vertical part (4 head, 2 middle,
    // 1 foot of the text on the point).
    const int h = switch_a == 0 ? 0 : switch_a == 4 ? 8 : 24;
    const int v = switch_b == 1 ? 4 : switch_b == 4 ? 2 : 1;
    const long long X = p.x, Y = p.y;
    Pop_RFont(font);
    pxBTxt(Hold_Int(X - 5), Hold_Int(Y - 5), Hold_Int(X + 5), Hold_Int(Y + 5), text, Text_Length(text), 200 + h + v);
    Push_RFont();
}

int Get_World_Text_Width_In_Font(const char* text, int font) {
    Pop_RFont(font & ~Bold_Bit);
    const int width = Get_Text_Width(text) + 3 + (font & Bold_Bit ? 2 : 0);
    Push_RFont();
    return width;
}

void Fill_Text_Span(int x, int y, double n, int colour) {
    pxFgc(colour);
    Text_Span_Box(x, y, n);
}

void Erase_Text_Span(int x, int y, double n) {
    const int before = pxQFgc();
    pxFgc(GetVEKColor(-1));
    Text_Span_Box(x, y, n);
    pxFgc(before);
}

void Draw_Text_In_Colour(int x, int y, const char* text, int font, int colour) {
    if (!text) return;
    const int before = pxQFgc();
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text, Text_Length(text));
    pxFgc(before);
    Push_RFont();
}

void Draw_State_Text(int x, int y, const char* text, int font, int state) {
    const int colour = state == -1 ? -6 : state == 0 ? -1 : -9;
    Draw_Text_In_Colour(x, y, text, font, colour);
}

void Init_Bit_Set(Bit_Set* set, int count, int value) {
    if (!set) return;
    Free_And_Null(&set->bits);
    set->count = count;
    set->value = value;
    set->counter = 0;
    const long long bytes = count > 0 ? (static_cast<long long>(count) + 7) / 8 : 0;
    if (bytes > 0) set->bits = static_cast<unsigned char*>(Realloc_Or_Exit(nullptr, static_cast<std::size_t>(bytes), 1));
}

void Release_Bit_Set(Bit_Set* set) {
    if (!set) return;
    Free_And_Null(&set->bits);
    *set = Bit_Set{};
}
