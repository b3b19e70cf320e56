// The equivalent T-stub in tension on screen: one bolt row in section across the row, the flange cut
// by the bolt holes, the web standing on it with its root-radius fillets or fillet welds, optional
// backing plates, the bolts in side view and the dimensions of the left half. An L-stub is drawn as
// the left half only (its extents stay those of the whole T-stub).
#include <algorithm>

#include "checks/tstub_tension.h"
#include "pages/connection_forms.h"
#include "pages/screen_sketches.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"

void Draw_T_Stub_Tension_Sketch(int x1, int y1, int x2, int y2, void* data) {
    if (!data) return;
    T_Stub_Tension T = *static_cast<const T_Stub_Tension*>(data);
    Pack_T_Stub_Tension(&T);
    if (Sketch_Input_Refused(Check_T_Stub_Tension_Input(&T, nullptr, 0, 0), x1, y1)) return;
    const bool L = Is_L_Stub(T);
    const Fastener& f = T.fastener;
    const bool four = T.bolts_per_row == 4;
    const int location = T.location;

    // Model sizes (mm). The root radius or weld leg always follows from m as entered.
    const double clearance = f.hole_type == Hole_Oversize ? f.hole_enlargement : f.delta_d;
    const double t_f = T.flange.t, t_st = T.web.t;
    const double r = std::min(T.m / 6, 2 * t_f / 3);
    double web = 2 * (t_f - r);
    double e = T.e, m = T.m, w = T.w;
    double t_bp = T.backing_plate ? T.t_bp : 0;
    if (location == 2) {
        e = T.e_1;
        m = T.m_1;
        w = 0;
        t_bp = 0;
        if (four && t_st > 0.1) web = t_st;
    } else {
        if (location == 1) t_bp = 0;
        if (four && T.t_w > 0.1) web = T.t_w;
        if (!four) w = 0;
    }
    const double W = 2 * (e + m + 0.8 * r + w) + web;
    const double H = 2 * (f.t_p + f.t_k + t_bp) + t_f;
    if (!(W >= 1) || !(H >= 1)) return;

    const Sketch_Fit fit = Fit_Sketch(x1, y1, x2, y2, W, H, {15, 10, 10, 15}, false);
    const double s = fit.s;
    auto px = [s](double mm) { return Round_To_Pixel(s * mm); };
    const int x0 = fit.x1 + 15;
    const int E = px(e), M = px(m), WD = px(w), TF = px(t_f), TBP = px(t_bp), WT = px(W), RR = px(r);
    const int HT = px(H), HH = px(0.5 * (f.d + 2 * clearance)), WEB = px(web);
    const int yb = y1 + 10 + HT, yt = yb - TF;
    const int ytop = yt - 2 * TBP - px(2 * f.t_p) - px(2 * f.t_k);
    const int XC = x0 + WT / 2;
    const int DO = WT / 2 - E, DI = DO - WD, DM = DI - M;
    const int face = DM - 4 * RR / 5;   // web faces at XC ∓ face
    const bool inner_bolts = four && WD >= 1;

    Open_Sketch_Frame(fit);
    const int lavender = Screen_Palette.Lavender_196;
    // Flange pieces between the holes.
    Fill_Outlined_Rectangle(x0, yt, XC - DO - HH, yb, lavender);
    if (!L) Fill_Outlined_Rectangle(XC + DO + HH, yt, XC + WT / 2, yb, lavender);
    if (inner_bolts) {
        Fill_Outlined_Rectangle(XC - DO + HH, yt, XC - DI - HH, yb, lavender);
        if (!L) Fill_Outlined_Rectangle(XC + DI + HH, yt, XC + DO - HH, yb, lavender);
    }
    const int mid_l = XC - DI + HH, mid_r = L ? XC + WEB / 2 : XC + DI - HH;
    Fill_Outlined_Rectangle(mid_l, yt, mid_r, yb, lavender);

    // Welded web (end plate): fillet welds; rolled web (column flange): root radii.
    if (location != 0) {
        Draw_Weld_Triangle(XC - face, yt, RR, 1, lavender);
        if (!L) Draw_Weld_Triangle(XC + face, yt, RR, 0, lavender);
    }
    const int web_x[4] = {XC - face, XC + face, XC + face, XC - face}, web_y[4] = {yt, yt, ytop, ytop};
    Fill_Plain(4, web_x, web_y, location == 0 ? lavender : Screen_Palette.Lavender_213);
    if (location == 0) {
        Draw_Corner_Fillet(XC - face, yt, RR, 1, lavender, 1);
        if (!L) Draw_Corner_Fillet(XC + face, yt, RR, 0, lavender, 1);
    }

    // The edges that the fills covered.
    Black_Line(mid_l, yb, mid_r, yb);
    Black_Line(mid_l, yt, mid_l, yb);
    Black_Line(mid_r, yt, mid_r, yb);
    Black_Line(mid_l, yt, XC - DM - RR / 5, yt);
    Black_Line(XC - face, yt - RR, XC - face, ytop);
    if (!L) {
        Black_Line(XC + DM + RR / 5, yt, mid_r, yt);
        Black_Line(XC + face, yt - RR, XC + face, ytop);
    }
    if (location != 0) {
        Black_Line(XC - DM - RR / 5, yt, L ? mid_r : XC + DM + RR / 5, yt);
        Black_Line(XC - face, yt, XC - face, yt - RR);
        if (!L) Black_Line(XC + face, yt, XC + face, yt - RR);
    }
    if (L) Black_Line(XC + face, yt, XC + face, ytop);

    // Bolts: head and washer on the backing plate or flange, the shank flush with its underside.
    const int left_outer = XC - DO, left_inner = XC - DI, right_outer = XC + DO, right_inner = XC + DI;
    Draw_Bolt_Side_View(left_outer, yb - TBP, s, f, TF, 0, TBP, 0);
    if (!L) Draw_Bolt_Side_View(right_outer, yb - TBP, s, f, TF, 0, TBP, 0);
    if (inner_bolts) {
        Draw_Bolt_Side_View(left_inner, yb - TBP, s, f, TF, 0, TBP, 0);
        if (!L) Draw_Bolt_Side_View(right_inner, yb - TBP, s, f, TF, 0, TBP, 0);
    }
    if (TBP >= 1) {
        const int peach = Screen_Palette.Peach, to_web = M - 4 * RR / 5;
        if (!inner_bolts) {
            Draw_Holed_Plate_Section(left_outer, yt - TBP, 2 * HH, TBP, E, to_web, peach);
            if (!L) Draw_Holed_Plate_Section(right_outer, yt - TBP, 2 * HH, TBP, to_web, E, peach);
        } else {
            Draw_Holed_Plate_Section(left_outer, yt - TBP, 2 * HH, TBP, E, WD / 2, peach);
            Draw_Holed_Plate_Section(left_inner, yt - TBP, 2 * HH, TBP, WD / 2, to_web, peach);
            if (!L) {
                Draw_Holed_Plate_Section(right_inner, yt - TBP, 2 * HH, TBP, to_web, WD / 2, peach);
                Draw_Holed_Plate_Section(right_outer, yt - TBP, 2 * HH, TBP, WD / 2, E, peach);
            }
        }
    }

    // Dimensions of the left half.
    const int yd = y1 + 20;
    Dashed_Line(x0, fit.y2, x0, yd);
    Dashed_Line(left_outer, yb + 5, left_outer, yd);
    if (inner_bolts) Dashed_Line(left_inner, yb + 5, left_inner, yd);
    Dashed_Line(XC - DM, yt - 5, XC - DM, yd);
    Draw_Measure_Line(x0, yd, left_outer, yd, location == 2 ? "e1" : "e", 0);
    if (inner_bolts && location != 2) Draw_Measure_Line(left_outer, yd, left_inner, yd, "w", 0);
    Draw_Measure_Line(inner_bolts ? left_inner : left_outer, yd, XC - DM, yd, location == 2 ? "m1" : "m", 0);
    if (four) {
        if (location != 2 && T.t_w > 0.1) Draw_Measure_Line(XC - WEB / 2, yd, XC + WEB / 2, yd, "tw", 0);
        if (location == 2 && t_st > 0.1) Draw_Measure_Line(XC - WEB / 2, yd, XC + WEB / 2, yd, "tst", 0);
    }
    Draw_Measure_Line(x1 + 25, yb, x1 + 25, yt, "tf", 1);
    if (TBP > 0) Draw_Measure_Line(x1 + 25, yt, x1 + 25, yt - TBP, "tp", 1);
}
