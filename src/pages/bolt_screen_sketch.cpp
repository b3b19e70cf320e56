// The bolted connection on screen: the joint in section along the force through the first bolt
// row. Bolts, injection bolts and rivets: the plates cut by the holes (two plates 2 in double
// shear), packing plates and the resin of injection bolts. Anchor bolts: the steel plate, the grout
// and the concrete with the anchors' holes. Pins: eye bar 1 in the fork of eye bar 2. Then the
// fasteners in side view, the plate thicknesses and the end and hole distances.
#include <array>
#include <cmath>

#include "checks/bolt_connection.h"
#include "common/cp437.h"
#include "pages/connection_forms.h"
#include "pages/screen_sketches.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"

namespace {

// A plate in section from xl to xr, thickness pixels down from y, cut by holes hw wide on the axes.
// Through holes cut it into pieces; a blind depth above 0 gives one piece with holes that deep from
// its top. Filled and outlined in black, except the ends that stay open (the plate runs on).
struct Holed_Strip {
    int xl, xr, y, thickness;
    std::array<int, 2> axes;
    int axis_count;
    int hw;
    int blind_depth = 0;
    bool closed_left = true, closed_right = true;
};

void Draw_Strip(const Holed_Strip& p, int colour) {
    if (p.thickness <= 0 || p.xr <= p.xl) return;
    const int yb = p.y + p.thickness;
    const int half = p.hw / 2;
    if (p.blind_depth > 0) {
        int xs[4 + 4 * 2], ys[4 + 4 * 2], n = 0;
        xs[n] = p.xl, ys[n++] = p.y;
        for (int i = 0; i < p.axis_count; ++i) {
            const int a = p.axes[static_cast<std::size_t>(i)];
            xs[n] = a - half, ys[n++] = p.y;
            xs[n] = a - half, ys[n++] = p.y + p.blind_depth;
            xs[n] = a + half, ys[n++] = p.y + p.blind_depth;
            xs[n] = a + half, ys[n++] = p.y;
        }
        xs[n] = p.xr, ys[n++] = p.y;
        xs[n] = p.xr, ys[n++] = yb;
        xs[n] = p.xl, ys[n++] = yb;
        Fill_Plain(n, xs, ys, colour);
        for (int i = 0; i + 1 < n - 2; ++i) Black_Line(xs[i], ys[i], xs[i + 1], ys[i + 1]);
        Black_Line(p.xr, yb, p.xl, yb);
        if (p.closed_right) Black_Line(p.xr, p.y, p.xr, yb);
        if (p.closed_left) Black_Line(p.xl, p.y, p.xl, yb);
        return;
    }
    int left = p.xl;
    for (int i = 0; i <= p.axis_count; ++i) {
        const bool last = i == p.axis_count;
        const int right = last ? p.xr : p.axes[static_cast<std::size_t>(i)] - half;
        if (right > left) {
            const int xs[4] = {left, right, right, left}, ys[4] = {p.y, p.y, yb, yb};
            Fill_Plain(4, xs, ys, colour);
            Black_Line(left, p.y, right, p.y);
            Black_Line(left, yb, right, yb);
            if (i > 0 || p.closed_left) Black_Line(left, p.y, left, yb);
            if (!last || p.closed_right) Black_Line(right, p.y, right, yb);
        }
        if (!last) left = p.axes[static_cast<std::size_t>(i)] + half;
    }
}

// Vertical and horizontal dimensions with their label.
void Vertical_Dimension(int x, int y_top, int y_bottom, const char* label) {
    Draw_Measure_Line(x, y_top, x, y_bottom, label, 1);
}

const char* const Delta_E = "úe"_cp;   // the screen font draws 0xA3 as Δ
const char* const Delta_T = "út"_cp;

}  // namespace

void Draw_Bolt_Connection_Sketch(int x1, int y1, int x2, int y2, void* data) {
    if (!data) return;
    Bolt_Connection C = *static_cast<const Bolt_Connection*>(data);
    Pack_Bolt_Connection(&C);
    if (Sketch_Input_Refused(Check_Bolt_Input(&C, nullptr, 0), x1, y1)) return;
    const Fastener& f = C.fastener;
    const int kind = f.type;
    const bool rivet = kind == Fastener_Rivet, pin = kind == Fastener_Pin, anchor = kind == Fastener_Anchor_Bolt;
    const bool injection = kind == Fastener_Injection_Bolt;
    const bool double_shear = C.shear_planes >= 2 && !pin;
    const bool plate_1_grey = C.options & Bolt_Option_Plate_1_Unverified;
    const bool plate_2_grey = C.options & Bolt_Option_Plate_2_Unverified;

    // Model sizes (mm).
    const double t1 = C.plate_1.t, t2 = C.plate_2.t;
    const double t_f = C.packing ? C.t_p : 0;
    const double t1_all = double_shear ? t1 + t2 + t_f : t1;
    const double chamfer = rivet ? 0.2 * f.d_0 : pin ? 0.15 * f.d_pin : anchor ? 0 : 0.15 * f.d;
    double e11 = C.e_11 < 0.001 ? 2 * f.d : C.e_11;
    double e12 = C.e_12 < 0.001 ? 2 * f.d : C.e_12;
    if (anchor) e12 = e11;
    if (pin) {
        if (C.pin_geometry == 0) e11 = 1.5 * f.d_0;
        e12 = e11;
    }
    double H = 0, W = 0;
    if (rivet) {
        H = t_f + t1_all + 1.4 * f.d_0 + t2;
        W = C.p_1 + 1.5 * (e11 + e12);
    } else if (pin) {
        H = 2 * (0.65 * f.d_pin + t2 + C.delta_t) + t1;
        W = 2 * (1.5 * e11 + 3 * C.delta_t + t1);
    } else {
        H = f.t_k + t2 + f.t_k / 2 + t_f + t1_all;
        if (f.washer_sides == 2) H += f.t_p;
        if (!f.tapped_hole) H += f.t_p + f.t_m + chamfer;
        W = anchor ? C.p_1 + e11 + e12 + t2 : C.p_1 + e11 + e12 + (e11 + e12) / 2;
    }
    if (!(W >= 1) || !(H >= 1)) return;

    const Sketch_Fit fit = Fit_Sketch(x1, y1, x2, y2, W, H, {10, 10, 10, 10}, true);
    const double s = fit.s;
    auto px = [s](double mm) { return Round_To_Pixel(s * mm); };
    const int x0 = fit.x1 + 10, y0 = fit.y1 + 10, x_right = fit.x2 - 10;
    const int T1 = px(t1), T1_all = px(t1_all), T2 = px(t2), TF = px(t_f), K = px(f.t_k), TW = px(f.t_p);
    const int CH = px(chamfer), D = px(f.d), G = px(C.delta_t), P1 = px(C.p_1), E11 = px(e11), E12 = px(e12);
    const int HT = px(H), WT = px(W);
    const int R11 = pin ? E11 : px(C.e_11), R12 = pin ? E11 : px(C.e_12);
    const bool slot_in_force_direction =
        kind == Fastener_Bolt && (f.hole_type == Hole_Short_Slot_Parallel || f.hole_type == Hole_Long_Slot_Parallel);
    int HW = 0;
    if (rivet || pin)
        HW = px(f.d_0);
    else if (slot_in_force_direction)
        HW = px(f.d + f.hole_enlargement);
    else
        HW = px(f.d + (f.hole_type == Hole_Oversize ? f.hole_enlargement : f.delta_d));

    // The reference line: the underside of plate 1, where the side views stand.
    int yr = 0;
    if (pin)
        yr = y0 + HT / 2;
    else if (rivet)
        yr = y0 + CH + HW / 2 + T1 + (double_shear ? T2 + TW : 0);
    else if (anchor)
        yr = y0 + K + TW + T1 + T1 / 2 + (double_shear ? TW + T2 : 0);
    else
        yr = y0 + K + TW + T1 + (double_shear ? T2 + TW : 0);
    const int X1 = anchor ? x0 + E11 + T2 / 2 : pin ? x0 + WT / 2 + E11 / 2 : x0 + E11 + E11 / 2;
    const bool two_axes = C.p_1 > 0.1 && !pin;
    const int X2 = two_axes ? X1 + P1 : X1;
    const std::array<int, 2> axes = {X1, X2};
    const int axis_count = two_axes ? 2 : 1;
    const int A = double_shear ? T1_all : T1;

    Open_Sketch_Frame(fit);
    const int plate_colour = Screen_Palette.Lavender_213;

    if (pin) {
        // Eye bar 1 centred on the reference line, its left end closed, open at the frame's edge.
        const int top1 = yr - T1 / 2;
        Draw_Strip({X1 - E11, x_right, top1, T1, axes, 1, HW, 0, true, false},
                   plate_1_grey ? Screen_Palette.Grey_224 : plate_colour);
        Vertical_Dimension(x_right - E11 / 4, top1, top1 + T1, "t1");
        // Eye bar 2, the fork: a prong G away on each side of eye bar 1, closed right of the pin;
        // left of the hole the prongs join in a solid back, then taper at 45° to the bar, cut open.
        const int fork = plate_2_grey ? Screen_Palette.Grey_224 : plate_colour;
        const int yu = top1 - G - T2, yl = top1 + T1 + G + T2;
        const int hl = X1 - HW / 2, hr = X1 + HW / 2;
        Fill_Outlined_Rectangle(hr, yu, X1 + E11, yu + T2, fork);
        Fill_Outlined_Rectangle(hr, yl - T2, X1 + E11, yl, fork);
        Vertical_Dimension((hr + X1 + E11) / 2, yu, yu + T2, "t2");
        Vertical_Dimension((hr + X1 + E11) / 2, yl - T2, yl, "t2");
        const int N = static_cast<int>(G + T1 / 2.0);
        const int xb0 = X1 - E11 - G, xb1 = xb0 - N, xt = xb1 - N, xc = xt - E11 / 2;
        const int bt = yr - T2 / 2, bb = bt + T2;
        const int xs[12] = {hl, xb1, xt, xc, xc, xt, xb1, hl, hl, xb0, xb0, hl};
        const int ys[12] = {yu, yu, bt, bt, bb, bb, yl, yl, yl - T2, yl - T2, yu + T2, yu + T2};
        Fill_Outlined(12, xs, ys, fork);
        pxFgc(Screen_Palette.White);
        pxTkLn(xc, bt, xc, bb, 1);
        if (G >= 1) Draw_Measure_Line(X1 + E11 + 10, top1, X1 + E11 + 10, top1 - G, Delta_T, 1);
        Draw_Measure_Line(hl, yr - T1 / 2 - G - T2 / 2, hr, yr - T1 / 2 - G - T2 / 2, "d0", 0);
        if (C.pin_geometry > 0) Draw_Measure_Line(X1, yr, X1 - E11, yr, "e1", 0);
    } else if (anchor) {
        // Steel plate above the reference line, grout, then the concrete across the frame.
        const int left = X1 - E11, right = X2 + E12;
        Draw_Strip({left, right, yr - T1, T1, axes, axis_count, HW}, plate_colour);
        Black_Line(right + 10, yr - T1, right + 30, yr - T1);
        Black_Line(right + 10, yr, right + 30, yr);
        Vertical_Dimension(right + 20, yr - T1, yr, "tp");
        const int EM = px(f.l_e);
        const int top2 = yr + TF;
        const bool blind = EM >= 1 && EM < T2 - 2;
        Draw_Strip({x0, x_right, top2, T2, axes, axis_count, HW, blind ? EM + (HW - D) : 0, false, false},
                   plate_2_grey ? Screen_Palette.Grey_224 : Screen_Palette.Grey_233);
        Vertical_Dimension(left - T2 / 4, top2, top2 + T2, "tf");
        if (blind) {
            Black_Line(left - 10, top2 + EM, left + 10, top2 + EM);
            Draw_Measure_Line(left, top2, left, top2 + EM, Delta_E, 1);
        }
        if (TF >= 1) {
            Draw_Strip({left, right, yr, TF, axes, axis_count, HW}, Screen_Palette.Sand);
            const int xm = two_axes ? (X1 + X2) / 2 : right + 20;
            Vertical_Dimension(xm, yr, yr + TF, "tm");
        }
    } else {
        // Plate 1 above the reference line from its closed left end to the frame's right edge.
        const int left1 = R11 > 0 ? X1 - R11 : X1 - 3 * D;
        const int right1 = x_right;
        const int colour1 = plate_1_grey ? Screen_Palette.Grey_224 : plate_colour;
        Draw_Strip({left1, right1, yr - T1, T1, axes, axis_count, HW, 0, R11 > 0, false}, colour1);
        Vertical_Dimension(right1 - R12 / 4, yr - T1, yr, "t1");
        // Plate 2 below the packing, from the frame's left edge to its closed right end.
        const int right2 = R12 > 0 ? X2 + R12 : x_right;
        const int colour2 = plate_2_grey ? Screen_Palette.Grey_224 : plate_colour;
        const int top2 = yr + TF;
        const int EM = f.tapped_hole && kind == Fastener_Bolt ? px(f.l_e) : 0;
        const bool blind = EM >= 1 && EM < T2 - 2;
        const int x_t2 = X1 - R11 - R11 / 4;
        auto plate_2 = [&](int top, bool blind_holes) {
            Draw_Strip({x0, right2, top, T2, axes, axis_count, HW, blind_holes ? EM + (HW - D) : 0, false, R12 > 0},
                       colour2);
            Vertical_Dimension(x_t2, top, top + T2, "t2");
        };
        auto packing = [&](int top) {
            if (TF < 1) return;
            Draw_Strip({left1, right2, top, TF, axes, axis_count, HW, 0, R11 > 0, R12 > 0}, Screen_Palette.Sand);
            Vertical_Dimension((left1 + X1 - HW / 2) / 2, top, top + TF, "tp");
        };
        plate_2(top2, blind);
        packing(yr);
        if (blind) {
            const int xm = X1 - R11 / 2;
            Black_Line(xm - 10, top2 + EM, xm + 10, top2 + EM);
            Draw_Measure_Line(xm, top2, xm, top2 + EM, Delta_E, 1);
        }
        if (double_shear) {
            packing(yr - T1 - TF);
            plate_2(yr - T1 - TF - T2, false);
        }
        if (injection) {
            // The resin between the shank and the hole wall over the whole stack.
            for (int i = 0; i < axis_count; ++i) {
                const int X = axes[static_cast<std::size_t>(i)];
                const int xs_l[4] = {X - HW / 2, X - D / 2, X - D / 2, X - HW / 2};
                const int xs_r[4] = {X + D / 2, X + HW / 2, X + HW / 2, X + D / 2};
                const int ys[4] = {yr - A, yr - A, yr + TF + T2, yr + TF + T2};
                Fill_Plain(4, xs_l, ys, Screen_Palette.Peach);
                Fill_Plain(4, xs_r, ys, Screen_Palette.Peach);
            }
        }
    }

    // The fasteners in side view and their axes.
    for (int i = 0; i < axis_count; ++i)
        Draw_Bolt_Side_View(axes[static_cast<std::size_t>(i)], yr, s, f, A, T2, TF, G);
    pxSLn(3);
    for (int i = 0; i < axis_count; ++i)
        Black_Line(axes[static_cast<std::size_t>(i)], yr + TF + T2 - 5, axes[static_cast<std::size_t>(i)], yr - A + 5);
    pxSLn(0);

    // End distances, pitch and the slot length.
    if (R11 > 0) {
        if (anchor) {
            const int yc = yr + TF + T2;
            Dashed_Line(X1, yc + 10, X1, yc + 30);
            Dashed_Line(X1 - R11, yc + 10, X1 - R11, yc + 30);
            Draw_Measure_Line(X1, yc + 20, X1 - R11, yc + 20, "e1,1", 0);
        } else {
            Draw_Measure_Line(X1, yr - A / 2, X1 - R11, yr - A / 2, "e1,1", 0);
        }
    }
    const int y_low = yr + TF + T2 / 2;
    if (R12 > 0) Draw_Measure_Line(X2 + R12, y_low, X2, y_low, "e1,2", 0);
    if (P1 >= 1 && two_axes) Draw_Measure_Line(X2, y_low, X1, y_low, "p1", 0);
    if (slot_in_force_direction) {
        const int yd = yr - A - K / 2;
        Black_Line(X1 - HW / 2, yd - 10, X1 - HW / 2, yd + 10);
        Black_Line(X1 + HW / 2, yd - 10, X1 + HW / 2, yd + 10);
        Draw_Measure_Line(X1 - HW / 2, yd, X1 + HW / 2, yd, "dlang", 0);
    }
}
