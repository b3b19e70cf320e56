// The welded connection on screen. Fillet and butt welds: the joint in section, the base plate
// (plate 1), the attached plate (plate 2) standing on it at the opening angle or butting against it
// in line, an optional packing plate and the welds with their dimensions. Slot and plug welds: the
// two lapped plates in plan with the slot or hole filled with weld.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/weld_input_check.h"
#include "checks/weld_record.h"
#include "pages/connection_forms.h"
#include "pages/screen_sketches.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"
#include "sketches/screen_weld_drawings.h"

namespace {

constexpr double Pi = std::numbers::pi;

// A butt weld below this opening angle (degrees) joins the plates in line. The drawings are told so
// by an angle of exactly 0; every other joint is a T-joint, however small its angle.
constexpr double In_Line_Angle = 0.001;

void Black_Text(int x, int y, const char* text, int n) {
    pxFgc(Screen_Palette.Black);
    pxText(x, y, text, n);
}

// The weld of a slot (or a hole) between two half discs at cx ± S, radius r: filled in the colour,
// its straight edges and half circles in black.
void Slot_Shape(int cx, int cy, int S, int r, int colour) {
    const int xs[4] = {cx - S, cx + S, cx + S, cx - S}, ys[4] = {cy - r, cy - r, cy + r, cy + r};
    Fill_Plain(4, xs, ys, colour);
    Draw_Arc_Segment(cx + S, cy, r, 90, 180, colour, -1, -1);
    Draw_Arc_Segment(cx - S, cy, r, 270, 180, colour, -1, -1);
    Black_Line(cx - S, cy - r, cx + S, cy - r);
    Black_Line(cx - S, cy + r, cx + S, cy + r);
    Draw_Arc_Segment(cx + S, cy, r, 90, 180, -1, Screen_Palette.Black, 1);
    Draw_Arc_Segment(cx - S, cy, r, 270, 180, -1, Screen_Palette.Black, 1);
}

// A lapped plate in plan, filled, with one of its short edges dashed (the plate runs on there).
void Lapped_Plate(int xl, int yt, int xr, int yb, int colour, bool left_open) {
    const int xs[4] = {xl, xr, xr, xl}, ys[4] = {yt, yt, yb, yb};
    Fill_Plain(4, xs, ys, colour);
    Black_Line(xl, yt, xr, yt);
    Black_Line(xl, yb, xr, yb);
    if (left_open) {
        Dashed_Line(xl, yt, xl, yb);
        Black_Line(xr, yt, xr, yb);
    } else {
        Black_Line(xl, yt, xl, yb);
        Dashed_Line(xr, yt, xr, yb);
    }
}

void Draw_Slot_Or_Plug_Plan(const Weld& w, double s, int cx, int cy) {
    const int D = Round_To_Pixel(s * w.d), L = Round_To_Pixel(s * w.l), A = Round_To_Pixel(s * w.a);
    const int S = (L - D) / 2, D2 = D / 2, D4 = D / 4;
    Lapped_Plate(cx - S - 3 * D2, cy - D2 - 2 * D4, cx + S + 2 * D2, cy + D2 + 2 * D4, Screen_Palette.Lavender_213, true);
    Lapped_Plate(cx - S - 2 * D2, cy - D2 - D4, cx + S + 3 * D2, cy + D2 + D4, Screen_Palette.Lavender_196, false);
    Slot_Shape(cx, cy, S, D2, Screen_Palette.Green_196);
    const int throat = Round_To_Pixel(A * std::numbers::sqrt2);
    if (w.type == Weld_Slot) Slot_Shape(cx, cy, S, D2 - throat, Screen_Palette.Lavender_213);
    Draw_Measure_Line(cx, cy - D2, cx, cy + D2, "", 1);
    Black_Text(cx + 2, cy - D4, "d", 1);
    Draw_Measure_Line(cx - S - D2, cy, cx + S + D2, cy, "", 0);
    Black_Text(cx + (L - D) / 4, cy - 2, "l", 1);
    if (w.type == Weld_Slot) Draw_Measure_Line(cx + 15, cy - D2, cx + 15, cy - D2 + throat, "a", 1);
    Black_Text(cx + S + (3 * D) / 4, cy + 3, "Blech 1", 7);
}

}  // namespace

void Draw_Weld_Connection_Sketch(int x1, int y1, int x2, int y2, void* data) {
    if (!data) return;
    Weld_Connection C = *static_cast<const Weld_Connection*>(data);
    Pack_Weld_Connection(&C);
    if (Sketch_Input_Refused(Check_Weld_Input(C, nullptr, 0, 0), x1, y1)) return;
    const Weld& w = C.weld;
    const bool plan = Is_Slot_Or_Plug(w.type);
    const bool in_line = w.type == Weld_Butt && w.theta < In_Line_Angle;
    const bool t_joint = !plan && !in_line && (w.type == Weld_Fillet || w.type == Weld_Butt);
    const double t1 = C.plate1.t, t2 = C.plate2.t;

    const double alpha = w.theta * Pi / 180;
    double phi = Pi * (1 - w.theta / 180);
    double theta = alpha;
    if (t_joint && C.side == Weld_One_Sided_Right) {
        theta = Pi - alpha;   // mirrored: the weld of the right side is drawn as the left one
        phi = Pi - phi;
    }
    const double t_p = w.type == Weld_Fillet && C.packing ? C.t_p : 0;

    double W = 0, H = 0;
    double A = w.a, z = 0, tp_min = 0, PO = 0, V = 0, O = 0;   // T-joint
    double T_thick = 0, t_thin = 0;                            // in line
    int number_1 = 1, number_2 = 2;
    if (t_joint) {
        const double sn = std::sin(theta), tn = std::tan(theta);
        const double wf = sn == 0 ? 0 : t2 / sn;
        const double c = tn == 0 ? 1 : std::fabs(1 / tn);
        if (Is_Full_Penetration_Butt(w)) A = t2;
        if (w.type == Weld_Fillet) {
            z = w.a / std::cos(theta / 2);
            if (C.side == Weld_Two_Sided && theta + 0.001 < Pi - theta) z = w.a / std::cos((Pi - theta) / 2);
        } else {
            z = A;
        }
        tp_min = sn * A / std::cos(theta / 2);
        PO = t_p - 0.001 <= tp_min ? 0 : 2 * A;
        V = std::max(1.2 * z, 1.5 * t1) + PO;
        O = std::max(c * V, V);
        H = t_p + t1 + V;
        W = 2 * O + wf;
    } else if (in_line) {
        T_thick = std::max(t1, t2);
        t_thin = std::min(t1, t2);
        if (t2 > t1) std::swap(number_1, number_2);
        A = w.full_penetration ? t_thin : w.a;
        H = T_thick;
        W = 3 * T_thick;
    } else if (plan) {
        H = 2 * w.d;
        W = w.l + 3 * w.d;
    }
    if (!(W >= 1) || !(H >= 1)) return;

    const Sketch_Fit fit = Fit_Sketch(x1, y1, x2, y2, W, H, {10, 10, 10, 10}, false);
    const double s = fit.s;
    auto px = [s](double mm) { return Round_To_Pixel(s * mm); };
    const int cx = (fit.x1 + fit.x2) / 2, cy = (fit.y1 + fit.y2) / 2;
    Open_Sketch_Frame(fit);

    if (plan) {
        Draw_Slot_Or_Plug_Plan(w, s, cx, cy);
    } else if (t_joint) {
        const int y = fit.y2 - 10 - px(t1);
        Draw_Weld_Joint_Plates(cx, y, px(PO), px(O), px(V), px(t_p), px(t1), px(t2), 1, 2, phi, 1, 0, 1);
        Draw_Weld_Seams(cx, y, px(A), px(w.e), px(t2), px(t_p), px(tp_min), w.type, w.full_penetration, C.side,
                        theta, 1, 1);
    } else {
        const int y = fit.y2 - 10 - px(T_thick);
        Draw_Weld_Joint_Plates(cx, y, 0, px(1.5 * T_thick), 0, 0, px(T_thick), px(t_thin), number_1, number_2, phi, 1,
                               1, 1);
        Draw_Weld_Seams(cx, y, px(A), px(w.e), px(t_thin), 0, 0, w.type, w.full_penetration, C.side, 0.0, 1, 1);
    }
}
