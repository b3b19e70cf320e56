#include "sketches/screen_weld_drawings.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>

#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"

namespace {

constexpr double Pi = std::numbers::pi;

// Cut toward zero; a value that is whole but for the last bits of the trigonometry (12 / cos 30° ·
// sin 60°) counts as that whole number.
int Trunc(double v) { return static_cast<int>(std::trunc(v + std::copysign(1e-9, v))); }

void Outline(int x1, int y1, int x2, int y2, int width) {
    pxFgc(Screen_Palette.Black);
    pxTkLn(x1, y1, x2, y2, width);
}

void Fill_Polygon(int n, const int* xs, const int* ys, int colour) {
    pxFgc(colour);
    pxFill(n, xs, ys);
}

// A plate label written in the plate's middle, 3 px below it, centred at 6 px per character.
void Label_In_Plate(int x_mid, int y_mid, const char* text) {
    const int n = static_cast<int>(std::strlen(text));
    pxFgc(Screen_Palette.Black);
    pxSFnt(Screen_Palette.Font_Normal);
    pxText(x_mid - 3 * n, y_mid + 3, text, n);
}

// The weld sizes of a fillet weld of throat a in a corner with the included angle psi: the legs
// a / cos(psi/2), the apex on the face at that distance from the root, and the throat's foot on
// the corner's bisector at distance a from the root.
struct Fillet_Shape {
    int leg, height, apex_back, foot_up, foot_back;
};
Fillet_Shape Fillet_In_Corner(double a, double psi) {
    const double z = a / std::cos(psi / 2);
    return {Trunc(z), Trunc(z * std::sin(psi)), Trunc(z * (1 - std::cos(psi))), Trunc(a * std::sin(psi / 2)),
            Trunc(z - a * std::cos(psi / 2))};
}

// The right-angled weld between a packing plate's end at x and the base plate's surface y, legs
// a_p √2 away from the packing (left: toward smaller x).
void Packing_End_Weld(int x, int y, double a_p, bool left, int weld_type, int full_penetration, int line_width,
                      int dims) {
    const Fillet_Shape f = Fillet_In_Corner(a_p, Pi / 2);
    if (weld_type == 0)
        Draw_Weld_Cross_Section(x, y, f.leg, f.leg, f.leg, f.foot_up, f.foot_back, left, 0, 0, line_width, 0, dims);
    else
        Draw_Weld_Cross_Section(x, y, f.leg, f.leg, f.leg, 0, 0, left, 2, full_penetration, line_width, 0, dims);
}

// The grooves of an in-line butt joint along x = cx, from the top face y and the bottom face y + t,
// bevelled into the right plate.
void In_Line_Grooves(int cx, int y, int a, int t, int full_penetration, int sides, int line_width, int dims) {
    auto groove = [&](bool from_top, int leg, int no_dimension) {
        Draw_Weld_Cross_Section(cx, from_top ? y : y + t, leg, leg, leg, 0, 0, from_top ? 0 : 1, 2, no_dimension,
                                line_width, 1, dims);
    };
    if (full_penetration) {
        if (sides == 1)
            groove(true, t, 1);
        else if (sides == 2)
            groove(false, t, 1);
        else {
            groove(true, t / 2, 1);
            groove(false, t / 2, 1);
        }
        return;
    }
    if (sides != 2) groove(true, a, 0);
    if (sides != 1) groove(false, a, 0);
}

}  // namespace

void Draw_Weld_Cross_Section(int x_root, int y_base, int leg, int height, int apex_back, int foot_up,
                             int foot_back, int mirrored, int mode, int no_dimension, int line_width,
                             int rotated, int dims) {
    if (mode != 0 && mode != 2) return;
    const bool turned = mode == 2 && rotated;
    const int s = mirrored ? -1 : 1;
    const int rx = x_root, ry = y_base;
    int tx, ty, ax, ay;
    if (turned) {
        tx = x_root;
        ty = y_base + s * leg;
        ax = x_root + height;
        ay = ty - s * apex_back;
    } else {
        tx = x_root + s * leg;
        ty = y_base;
        ax = tx - s * apex_back;
        ay = y_base - height;
    }
    const int xs[3] = {ax, tx, rx}, ys[3] = {ay, ty, ry};
    Fill_Polygon(3, xs, ys, Screen_Palette.Green_196);
    Outline(ax, ay, tx, ty, line_width);
    Outline(tx, ty, rx, ry, line_width);
    Outline(rx, ry, ax, ay, line_width);
    if (!dims) return;
    if (turned) {
        if (no_dimension) return;
        Dashed_Line(x_root + 5, y_base, x_root - 25, y_base);
        Dashed_Line(x_root + 5, ty, x_root - 25, ty);
        Draw_Measure_Line(x_root - 20, y_base, x_root - 20, ty, "a", 1);
    } else if (mode == 2) {
        if (no_dimension) return;
        Dashed_Line(tx, ty, tx, y_base + 25);
        Dashed_Line(rx, ry, rx, y_base + 25);
        const int right = std::max(tx, rx), left = std::min(tx, rx);
        Draw_Measure_Line(right, y_base + 20, left, y_base + 20, "a", 0);
    } else if (foot_up > 0 && foot_back > 0) {
        Draw_Measure_Line(rx, ry, tx - s * foot_back, y_base - foot_up, "a", 2);
    } else {
        Draw_Measure_Line(rx, ry, (ax + tx) / 2, (ay + ty) / 2, "a", 2);
    }
}

void Draw_Weld_Joint_Plates(int cx, int y, int packing_overhang, int overhang, int height, int t_p, int t_1,
                            int t_2, int number_1, int number_2, double phi, int line_width, int in_line,
                            int dims) {
    char label_1[16], label_2[16];
    std::snprintf(label_1, sizeof label_1, "t%d", number_1);
    std::snprintf(label_2, sizeof label_2, "t%d", number_2);
    if (in_line) {
        const int left = cx - overhang, right = cx + overhang;
        const int x1s[4] = {left, cx, cx, left}, y1s[4] = {y, y, y + t_1, y + t_1};
        Fill_Polygon(4, x1s, y1s, Screen_Palette.Lavender_196);
        Outline(left, y, cx, y, line_width);
        Outline(left, y + t_1, cx, y + t_1, line_width);
        Outline(cx, y, cx, y + t_1, line_width);
        const int x2s[4] = {cx, right, right, cx}, y2s[4] = {y, y, y + t_2, y + t_2};
        Fill_Polygon(4, x2s, y2s, Screen_Palette.Lavender_213);
        Outline(cx, y, right, y, line_width);
        Outline(cx, y + t_2, right, y + t_2, line_width);
        Outline(cx, y, cx, y + t_2, line_width);
        if (dims) {
            Draw_Measure_Line(left + 20, y, left + 20, y + t_1, label_1, 1);
            Draw_Measure_Line(right - 20, y, right - 20, y + t_2, label_2, 1);
        } else {
            if (number_1 > 0) Label_In_Plate(cx - overhang / 2, y + t_1 / 2, label_1);
            if (number_2 > 0) Label_In_Plate(cx + overhang / 2, y + t_2 / 2, label_2);
        }
        return;
    }
    const double sn = std::sin(phi);
    const double w = sn == 0 ? 0 : t_2 / sn;
    const double c = std::fabs(phi - Pi / 2) < 0.001 ? 0 : std::cos(phi) / sn;
    const double x_l = cx - w / 2;

    // Base plate: top and bottom edges only; its ends are cut.
    const int bl = Trunc(x_l - overhang), br = Trunc(x_l + w + overhang);
    const int bxs[4] = {bl, br, br, bl}, bys[4] = {y, y, y + t_1, y + t_1};
    Fill_Polygon(4, bxs, bys, Screen_Palette.Lavender_196);
    Outline(bl, y, br, y, line_width);
    Outline(bl, y + t_1, br, y + t_1, line_width);
    if (dims) Draw_Measure_Line(bl + 20, y + t_1, bl + 20, y, label_1, 1);

    // Attached plate: foot and both faces; its upper end is cut.
    const int y_f = y - t_p;
    const double x_f = x_l + t_p * c;
    const int fl = Trunc(x_f), fr = Trunc(x_f + w);
    const int ul = Trunc(x_f + height * c), ur = Trunc(x_f + w + height * c), y_u = y_f - height;
    const int axs[4] = {fl, fr, ur, ul}, ays[4] = {y_f, y_f, y_u, y_u};
    Fill_Polygon(4, axs, ays, Screen_Palette.Lavender_213);
    Outline(fl, y_f, fr, y_f, line_width);
    Outline(fl, y_f, ul, y_u, line_width);
    Outline(fr, y_f, ur, y_u, line_width);
    if (dims) {
        if (c == 0) {
            const int ym = y_f - height / 2;
            Draw_Measure_Line(fl, ym, fr, ym, label_2, 0);
        } else {
            // Perpendicular to the plate, t_2 long, from one upper corner to the other face.
            const double nx = sn, ny = std::cos(phi);
            if (phi > Pi / 2)
                Draw_Measure_Line(ur, y_u, Trunc(ur - t_2 * nx), Trunc(y_u - t_2 * ny), label_2, 2);
            else
                Draw_Measure_Line(ul, y_u, Trunc(ul + t_2 * nx), Trunc(y_u + t_2 * ny), label_2, 2);
        }
    }

    // Packing plate between the base plate and the foot.
    if (t_p > 0) {
        if (packing_overhang < 1) {
            const int pxs[4] = {Trunc(x_l), fl, fr, Trunc(x_l + w)}, pys[4] = {y, y_f, y_f, y};
            Fill_Outlined(4, pxs, pys, Screen_Palette.Sand);
        } else {
            const double left = x_l - packing_overhang + t_p * c;
            Fill_Outlined_Rectangle(Trunc(left), y_f, Trunc(left + w + 2 * packing_overhang), y, Screen_Palette.Sand);
        }
        if (dims) Draw_Measure_Line(Trunc(x_l + t_2 / 2.0), y, Trunc(x_l + t_2 / 2.0), y_f, "tp", 1);
    }
}

void Draw_Weld_Seams(int cx, int y, int a, int e, int t, int t_p, int t_p_min, int weld_type,
                     int full_penetration, int sides, double theta, int line_width, int dims) {
    if (weld_type != 0 && weld_type != 2) return;
    if (!(theta > 0)) {
        if (weld_type == 2) In_Line_Grooves(cx, y, a, t, full_penetration, sides, line_width, dims);
        return;
    }
    const double sn = std::sin(theta), cot = std::cos(theta) / sn;
    const double w = t / sn;
    const double x_L = cx - w / 2, x_R = x_L + w;
    const bool packed = t_p > t_p_min;
    const int y_p = packed ? y - t_p : y;
    const double x_Lf = packed ? x_L - t_p * cot : x_L, x_Rf = packed ? x_R - t_p * cot : x_R;
    const bool left = sides != 2, right = sides != 1;

    if (weld_type == 0) {
        for (const bool on_left : {true, false}) {
            if (on_left ? !left : !right) continue;
            const double psi = on_left ? theta : Pi - theta;
            const Fillet_Shape f = Fillet_In_Corner(a, psi);
            const int foot = Trunc(on_left ? x_Lf : x_Rf);
            const bool penetration = !packed && e > 0;
            const int root = penetration ? Trunc(on_left ? x_L + e : x_R - e) : foot;
            Draw_Weld_Cross_Section(root, y_p, f.leg, f.height, f.apex_back, f.foot_up, f.foot_back, on_left, 0, 0,
                                    line_width, 0, dims);
            if (penetration && dims) {
                Dashed_Line(root, y, root, y + 25);
                Dashed_Line(foot, y, foot, y + 25);
                Draw_Measure_Line(root, y + 20, foot, y + 20, "e", 0);
            }
        }
    } else {
        // Grooves in the attached plate's foot: full penetration from both sides meets in the
        // middle, from one side it runs through the whole foot; partial penetration has legs a.
        const bool both = left && right;
        const double leg = full_penetration ? (both ? w / 2 : w) : a;
        const int L = Trunc(leg);
        if (left)
            Draw_Weld_Cross_Section(Trunc(x_Lf), y_p, L, L, Trunc(leg * (1 + cot)), 0, 0, 0, 2, full_penetration,
                                    line_width, 0, dims);
        if (right)
            Draw_Weld_Cross_Section(Trunc(x_Rf), y_p, L, L, Trunc(leg * (1 - cot)), 0, 0, 1, 2, full_penetration,
                                    line_width, 0, dims);
    }

    if (packed) {
        const double a_p = weld_type == 2 && full_penetration ? a / 2.0 : a;
        if (left) Packing_End_Weld(Trunc(x_Lf - 2 * a_p), y, a_p, true, weld_type, full_penetration, line_width, dims);
        if (right) Packing_End_Weld(Trunc(x_Rf + 2 * a_p), y, a_p, false, weld_type, full_penetration, line_width, dims);
    }
}
