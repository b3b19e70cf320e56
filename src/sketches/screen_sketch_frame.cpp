#include "sketches/screen_sketch_frame.h"

#include <algorithm>
#include <cmath>

#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_palette.h"

int Sketch_Height = 0;

namespace {

constexpr int Error_Font = 4097;
constexpr int Sheet_Background_Code = -21;

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

void Show_Sketch_Input_Error(int x1, int y1) {
    pxFgc(Screen_Palette.Red);
    pxSFnt(Error_Font);
    pxText(x1 + 30, y1 + 30, "Fehler in den Eingabedaten", 26);
    pxText(x1 + 30, y1 + 50, "siehe Druckliste", 16);
    pxFgc(Screen_Palette.Black);
    Sketch_Height = 60;
}

bool Sketch_Input_Refused(int check_result, int x1, int y1) {
    Sketch_Height = 0;
    if (check_result == 0) return false;
    Show_Sketch_Input_Error(x1, y1);
    return true;
}

Sketch_Fit Fit_Sketch(int x1, int y1, int x2, int y2, double W, double H, Sketch_Margins m, bool centred) {
    const double room_x = x2 - x1 - m.left - m.right, room_y = y2 - y1 - m.top - m.bottom;
    const double ratio_x = room_x / W, ratio_y = room_y / H;
    Sketch_Fit fit{std::min(ratio_x, ratio_y), x1, y1, x2, y2};
    if (ratio_x < ratio_y) {
        fit.y2 = y1 + m.top + m.bottom + Trunc(H * fit.s);
    } else {
        if (centred) {
            const int shift = Trunc((room_x - W * fit.s) / 2);
            if (shift > 0) fit.x1 += shift;
        }
        fit.x2 = fit.x1 + m.left + m.right + Trunc(W * fit.s);
    }
    return fit;
}

void Open_Sketch_Frame(const Sketch_Fit& fit) {
    Sketch_Height = fit.y2 - fit.y1;
    pxFgc(GetVEKColor(Sheet_Background_Code));
    pxRect(fit.x1, fit.y1, fit.x2, fit.y2);
}

void Fill_Plain(int n, const int* xs, const int* ys, int colour) {
    pxFgc(colour);
    pxFill(n, xs, ys);
}

void Fill_Outlined(int n, const int* xs, const int* ys, int colour) {
    Fill_Plain(n, xs, ys, colour);
    pxFgc(Screen_Palette.Black);
    for (int i = 0; i < n; ++i) pxTkLn(xs[i], ys[i], xs[(i + 1) % n], ys[(i + 1) % n], 1);
}

void Fill_Outlined_Rectangle(int x1, int y1, int x2, int y2, int colour) {
    const int xs[4] = {x1, x2, x2, x1}, ys[4] = {y1, y1, y2, y2};
    Fill_Outlined(4, xs, ys, colour);
}

void Black_Line(int x1, int y1, int x2, int y2) {
    pxFgc(Screen_Palette.Black);
    pxTkLn(x1, y1, x2, y2, 1);
}

void Dashed_Line(int x1, int y1, int x2, int y2) {
    pxSLn(3);
    Black_Line(x1, y1, x2, y2);
    pxSLn(0);
}

void Draw_Weld_Triangle(int x, int y, int leg, int flag, int colour) {
    const int saved = pxQFgc();
    const int dx = flag ? -leg : leg;
    const int xs[3] = {x, x, x + dx}, ys[3] = {y, y - leg, y};
    pxFgc(colour);
    pxFill(3, xs, ys);
    pxTkLn(x, y, x, y - leg, 1);
    pxTkLn(x, y, x + dx, y, 1);
    pxFgc(Screen_Palette.Black);
    pxTkLn(x, y - leg, x + dx, y, 1);
    pxFgc(saved);
}

void Draw_Holed_Plate_Section(int x, int y, int hole_width, int thickness, int left, int right, int colour) {
    const int saved = pxQFgc();
    if (thickness > 0) {
        const double half = 0.5 * hole_width;
        Fill_Outlined_Rectangle(Trunc(x + half), y, x + right, y + thickness, colour);
        Fill_Outlined_Rectangle(x - left, y, Trunc(x - half), y + thickness, colour);
    }
    pxFgc(saved);
}
