// Report sketch of a welded connection: for fillet and butt welds a dimensioned cross-section of
// the joint (plate 1 on top, plate 2 meeting it from below at the opening angle, an optional
// packing plate between them, the seams), for a butt weld without angle the two plates in line with
// the seam between them, and for slot and plug welds a plan view of the plates with the welded hole.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "checks/weld_input_check.h"
#include "common/stream_print.h"
#include "sketches/weld_sketch.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

namespace {

constexpr double Pi = std::numbers::pi;
// A butt weld below this opening angle (degrees) joins the plates in line. One threshold for the
// extents, the plates and the seams, so that a section's extents never meet in-line plates.
constexpr double In_Line_Angle = 0.001;

// 1/cos, 1/sin and 1/tan with one rule: a denominator of exactly 0 gives 0.
double Sec(double x) { const double c = std::cos(x); return c == 0 ? 0 : 1 / c; }
double Cosec(double x) { const double s = std::sin(x); return s == 0 ? 0 : 1 / s; }
double Cot(double x) { const double t = std::tan(x); return t == 0 ? 0 : 1 / t; }

struct Weld_Sketch_Geometry {
    int type;            // Weld_Type
    int side;            // Weld_Side
    bool in_line;        // butt weld without angle
    bool section;        // fillet, or butt weld with angle
    double a, c, alpha;  // throat, penetration depth, opening angle (degrees)
    bool full;           // full penetration of a butt weld
    double beta, gamma;  // the opening at the seam of plate 2 and its supplement (radians)
    double T1, T2;       // thicknesses as drawn (in line: the thicker plate left)
    int label_1, label_2;
    double t_p;          // packing plate, fillet welds only
    bool E;              // one-sided weld without eccentricity moment: the other seam is outlined
    double H, K;         // drawn height of plate 2; reach of plate 1 beyond it on each side
    double ext_x, ext_y;
    double u;
};

// The packing plate stands out 2s and is welded to plate 1 by its own welds (the extents' test; s is the throat, t2 for a full butt seam).
double Packing_Reach(const Weld_Sketch_Geometry& g) {
    const double s = g.type == Weld_Fillet ? g.a : (g.full ? g.T2 : g.a);
    return g.t_p > s * Sec(g.beta / 2) * std::sin(g.beta) ? 2 * s : 0;
}

Weld_Sketch_Geometry Weld_Sketch_Layout(const Weld_Connection& w) {
    Weld_Sketch_Geometry g{};
    g.type = w.weld.type;
    g.side = w.side;
    g.a = w.weld.a;
    g.c = w.weld.e;
    g.alpha = w.weld.theta;
    g.full = w.weld.full_penetration != 0;
    g.in_line = g.type == Weld_Butt && g.alpha < In_Line_Angle;
    g.section = g.type == Weld_Fillet || (g.type == Weld_Butt && !g.in_line);
    g.t_p = g.type == Weld_Fillet && w.packing ? w.t_p : 0;
    g.E = (g.side == Weld_One_Sided_Left || g.side == Weld_One_Sided_Right) &&
          !(w.flags & Weld_Flag_Eccentricity);
    const double t1 = w.plate1.t, t2 = w.plate2.t;
    const double alpha = g.alpha * Pi / 180;
    g.beta = g.side == Weld_One_Sided_Right ? Pi - alpha : alpha;
    g.gamma = Pi - g.beta;
    g.T1 = t1;
    g.T2 = t2;
    g.label_1 = 1;
    g.label_2 = 2;
    if (g.in_line) {
        g.T1 = std::max(t1, t2);
        g.T2 = std::min(t1, t2);
        if (t2 > t1) std::swap(g.label_1, g.label_2);
    }

    if (g.section) {
        // z: the larger leg of the seams
        double z = g.full ? t2 : g.a;
        if (g.type == Weld_Fillet)
            z = g.side == Weld_Two_Sided && g.gamma > g.beta + 0.001 ? g.a * Sec(g.gamma / 2)
                                                                     : g.a * Sec(g.beta / 2);
        const double q = Packing_Reach(g);
        const double M = std::max(1.2 * z, 1.5 * g.T1);
        g.H = M + q;
        g.K = std::max(g.H, std::fabs(Cot(g.beta)) * g.H);
        g.ext_x = g.T2 * Cosec(g.beta) + 2 * g.K;
        g.ext_y = g.T1 + g.t_p + g.H;
    } else if (g.in_line) {
        g.ext_x = 3 * g.T1;
        g.ext_y = g.T1;
    } else {
        g.ext_x = 3 * w.weld.d + w.weld.l;
        g.ext_y = 2 * w.weld.d;
    }
    return g;
}

}  // namespace

void Print_Weld_Triangle(int side, int mode, int full, double o, double x, double y, double dx,
                         double dy, double e, double p, double q, int turn, int dimension,
                         int outline_only) {
    if (mode != Weld_Fillet && mode != Weld_Butt) return;
    double px[3], py[3];
    if (side == 0) {
        px[0] = x + dx - e; py[0] = y - dy;
        px[1] = x + dx;     py[1] = y;
    } else {
        px[0] = x - dx + e; py[0] = y - dy;
        px[1] = x - dx;     py[1] = y;
    }
    px[2] = x;
    py[2] = y;
    const bool turned = mode == Weld_Butt && turn;
    if (turned)
        for (int i = 0; i < 3; ++i) {
            const double X = x - (py[i] - y), Y = y + (px[i] - x);
            px[i] = X;
            py[i] = Y;
        }
    if (!outline_only) {
        const int fill = side == 0 ? Sketch_Style.Resin_Fill : Sketch_Style.Fastener_Fill;
        Sketch_Fill(fill, Sketch_Style.Green, 3, px, py);
    } else {
        Set_Sketch_Colour(Sketch_Style.Black);
    }
    OLI_Draw_Polyline(3, px, py);
    if (!dimension) return;

    if (mode == Weld_Fillet) {
        double fx = (px[0] + px[1]) / 2, fy = (py[0] + py[1]) / 2;   // foot of the throat
        if (p >= 0.001 && q >= 0.001) {
            fx = side == 0 ? px[1] - q : px[1] + q;
            fy = py[1] - p;
        }
        if (side == 0) Sketch_Dimension(fx, fy, px[2], py[2], 2);
        else Sketch_Dimension(px[2], py[2], fx, fy, 2);
    } else if (!full) {
        const double h = o / 2;
        if (!turned) {
            if (side == 0) Sketch_Dimension(px[1], py[1] + h, px[2], py[2] + h, 2);
            else Sketch_Dimension(px[2], py[2] + h, px[1], py[1] + h, 2);
        } else {
            if (side == 0) Sketch_Dimension(px[1] - h, py[2], px[2] - h, py[1], -2);
            else Sketch_Dimension(px[1] - h, py[1], px[2] - h, py[2], 2);
        }
    }
}

namespace {

void Label(double x, double y, int number) {
    OLI_Draw_Text_Rotated(x, y, Format_Text("%d", number).c_str());
}

// The plates of the section and the in-line variants; (x0, y0) is the middle of the joint at the
// underside of plate 1.
void Print_Weld_Plates(const Weld_Sketch_Geometry& g, double x0, double y0, double x_left,
                       double y_bottom, double x_right) {
    const int blue = Sketch_Style.Blue, light = Sketch_Style.Light_Blue;
    Sketch_Pen(2);
    if (g.in_line) {
        const double L = 1.5 * std::max(g.T1, g.T2);
        const int left_colour = g.label_1 == 1 ? blue : light;
        const int right_colour = g.label_2 == 1 ? blue : light;
        Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, left_colour, x0 - L, y0, x0, y0 + g.T1);
        OLI_Draw_Line(x0 - L, y0, x0, y0);
        OLI_Draw_Line(x0, y0 + g.T1, x0 - L, y0 + g.T1);
        OLI_Draw_Line(x0, y0, x0, y0 + g.T1);
        Label(x0 - L / 2, y0 + g.T1 / 2, g.label_1);
        Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, right_colour, x0, y0, x0 + L, y0 + g.T2);
        OLI_Draw_Line(x0, y0, x0 + L, y0);
        OLI_Draw_Line(x0 + L, y0 + g.T2, x0, y0 + g.T2);
        OLI_Draw_Line(x0, y0, x0, y0 + g.T2);
        Label(x0 + L / 2, y0 + g.T2 / 2, g.label_2);
        Sketch_Dimension(x_left, y0, x_left, y0 + g.T1, 2);
        Sketch_Dimension(x_right, y0, x_right, y0 + g.T2, 2);
        Sketch_Pen(1);
        return;
    }

    const double sin_g = std::sin(g.gamma), cos_g = std::cos(g.gamma), cot_g = Cot(g.gamma);
    const double w2 = g.T2 * Cosec(g.gamma);   // width of plate 2 along plate 1
    const double xa = x0 - w2 / 2, xb = x0 + w2 / 2;
    const double xs = xa + g.t_p * cot_g;      // left face of plate 2 under the packing plate
    const double T1 = g.T1, T2 = g.T2, tp = g.t_p, H = g.H, K = g.K;

    // Plate 1, running out of the sketch on both sides.
    Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, blue, xa - K, y0, xb + K, y0 + T1);
    OLI_Draw_Line(xa - K, y0 + T1, xb + K, y0 + T1);
    OLI_Draw_Line(xa - K, y0, xb + K, y0);
    Label(x0, y0 + T1 / 2, g.label_1);
    Sketch_Dimension(x_right, y0, x_right, y0 + T1, 2);

    // Plate 2, cut at its lower end.
    const double P0x = xs, P0y = y0 - tp;
    const double P1x = xs + H * cot_g, P1y = y0 - tp - H;
    const double P2x = P1x + w2, P2y = P1y;
    const double P3x = xs + w2, P3y = y0 - tp;
    {
        const double px[4] = {P0x, P1x, P2x, P3x};
        const double py[4] = {P0y, P1y, P2y, P3y};
        Sketch_Fill(Sketch_Style.Plate_Fill, light, 4, px, py);
    }
    OLI_Draw_Line(P0x, P0y, P3x, P3y);
    OLI_Draw_Line(P0x, P0y, P1x, P1y);
    OLI_Draw_Line(P3x, P3y, P2x, P2y);
    Label((P0x + P2x) / 2, (P0y + P2y) / 2, g.label_2);
    if (std::fabs(Pi / 2 - g.beta) <= 0.001)
        Sketch_Dimension(P3x, y_bottom, P0x, y_bottom, 2);
    else if (g.beta < Pi / 2)
        Sketch_Dimension(P2x, P2y, P2x - T2 * sin_g, P2y - T2 * cos_g, 2);
    else
        Sketch_Dimension(P1x + T2 * sin_g, P1y + T2 * cos_g, P1x, P1y, 2);

    // Packing plate: wider than plate 2 when welded by its own welds, else continuing its faces.
    if (tp > 0.001) {
        const double q = Packing_Reach(g);
        if (q > 0.001) {
            const double px[4] = {xs - q, xs - q, xs + w2 + q, xs + w2 + q};
            const double py[4] = {y0 - tp, y0, y0, y0 - tp};
            Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Olive, 4, px, py);
        } else {
            const double px[4] = {xa, xs, xs + w2, xb};
            const double py[4] = {y0, y0 - tp, y0 - tp, y0};
            Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Olive, 4, px, py);
        }
        Sketch_Dimension(x_right, y0 - tp, x_right, y0, -2);
    }
    Sketch_Pen(1);
}

// The in-line butt seams: the bottom seam opens to the bottom face, the top seam to the top face.
void In_Line_Seams(const Weld_Sketch_Geometry& g, double x0, double y0) {
    const double T = g.T2, o = g.u, a = g.a;
    const int full = g.full ? 1 : 0;
    auto seam = [&](int side, double y, double leg, double e, int outline) {
        Print_Weld_Triangle(side, Weld_Butt, full, o, x0, y, leg, leg, e, 0, 0, 1, 1, outline);
    };
    auto bottom = [&](int outline) {
        if (g.full) seam(1, y0 + T, T, 0, outline);
        else {
            const double D = std::min(a, T);
            seam(1, y0 + D, a, a - D, outline);
        }
    };
    auto top = [&](int outline) {
        if (g.full) seam(0, y0, T, 0, outline);
        else {
            const double D = std::min(a, T);
            seam(0, y0 + T - a, a, a - D, outline);
        }
    };
    if (g.side == Weld_Two_Sided) {
        if (g.full) {
            seam(1, y0 + T / 2, T / 2, 0, 0);
            seam(0, y0 + T / 2, T / 2, 0, 0);
        } else {
            const double D = std::min(a, T / 2);
            seam(1, y0 + D, a, a - D, 0);
            seam(0, y0 + T - a, a, a - D, 0);
        }
    } else if (g.side == Weld_One_Sided_Left) {
        bottom(0);
        if (g.E) top(1);
    } else {
        if (g.E) bottom(1);
        top(0);
    }
}

// The seams of the section variants, after the plates.
void Print_Weld_Cross_Sections(const Weld_Sketch_Geometry& g, double x0, double y0) {
    Sketch_Pen(2);
    if (g.in_line) {
        In_Line_Seams(g, x0, y0);
        Sketch_Pen(1);
        return;
    }
    const int mode = g.type, full = g.full ? 1 : 0;
    const double a = g.a, o = g.u, u = g.u;
    const double beta = g.beta, gamma = g.gamma;
    const double w2 = g.T2 * Cosec(gamma);
    const double xl = x0 - w2 / 2, xr = xl + w2;
    const bool fillet = g.type == Weld_Fillet;
    const double c_f = fillet && g.t_p < 0.001 ? g.c : 0;
    // Packing welds: the weld sections' test, 0.001 mm below the extents' limit.
    const bool packing_welds = fillet && g.t_p - 0.001 > a * Sec(beta / 2) * std::sin(beta);
    const double y_w = packing_welds ? y0 - g.t_p : y0;
    const double xl_w = packing_welds ? xl + g.t_p * Cot(gamma) : xl;
    const double xr_w = xl_w + w2;
    const double gap = w2 <= 15 ? 3 : 0.2 * w2;   // root gap of a double-sided partial seam
    const double D = g.side != Weld_Two_Sided ? std::min(a, w2) : std::min(a, (w2 - gap) / 2);
    const double r2 = std::sqrt(2.0);
    const bool angled = std::fabs(g.alpha - 90) > 0.1;

    const bool left = g.side != Weld_One_Sided_Right || g.E;
    const int left_outline = g.side == Weld_One_Sided_Right ? 1 : 0;
    if (left) {
        if (fillet) {
            const double z = a * Sec(beta / 2);
            Print_Weld_Triangle(1, mode, full, o, xl_w + c_f, y_w, z, (z - c_f) * std::sin(gamma),
                                (z - c_f) * (1 + std::cos(gamma)), a * std::sin(beta / 2),
                                z - a * std::cos(beta / 2), 0, 1, left_outline);
        } else if (g.full) {
            const double h = g.side != Weld_Two_Sided ? w2 : w2 / 2;
            Print_Weld_Triangle(1, mode, full, o, xl_w + h, y_w, h, h, h * Cot(gamma), 0, 0, 0, 1,
                                left_outline);
        } else {
            Print_Weld_Triangle(1, mode, full, o, xl_w + D, y_w, a, a, a * Cot(gamma) + (a - D), 0,
                                0, 0, 1, left_outline);
        }
        if (packing_welds) {
            Print_Weld_Triangle(1, mode, full, o, xl_w - 2 * a, y0, a * r2, a * r2, a * r2, 0, 0, 0,
                                1, left_outline);
        } else if (c_f > 0.1) {
            const double z = a * Sec(beta / 2), cb = std::cos(beta / 2), sb = std::sin(beta / 2);
            Sketch_Dimension(xl, y0, xl - (z - c_f) * cb * cb, y0 - (z - c_f) * cb * sb, 2);
            Sketch_Dimension(xl + c_f, y0 + u / 2, xl, y0 + u / 2, 2);
        }
    }

    const bool right = g.side != Weld_One_Sided_Left || g.E;
    const int right_outline = g.side == Weld_One_Sided_Left ? 1 : 0;
    if (right) {
        const int dim = angled ? 1 : 0;
        if (fillet) {
            const double z = a * Sec(gamma / 2);
            Print_Weld_Triangle(0, mode, full, o, xr_w - c_f, y_w, z, (z - c_f) * std::sin(beta),
                                (z - c_f) * (1 + std::cos(beta)), a * std::sin(gamma / 2),
                                z - a * std::cos(gamma / 2), 0, dim, right_outline);
        } else if (g.full) {
            const double h = g.side != Weld_Two_Sided ? w2 : w2 / 2;
            const double x = g.side != Weld_Two_Sided ? xl_w : xl_w + w2 / 2;
            Print_Weld_Triangle(0, mode, full, o, x, y_w, h, h, h * Cot(beta), 0, 0, 0, dim,
                                right_outline);
        } else {
            Print_Weld_Triangle(0, mode, full, o, xr_w - D, y_w, a, a, a * Cot(beta) + (a - D), 0,
                                0, 0, dim, right_outline);
        }
        if (packing_welds) {
            Print_Weld_Triangle(0, mode, full, o, xr_w + 2 * a, y0, a * r2, a * r2, a * r2, 0, 0, 0,
                                0, right_outline);
        } else if (c_f > 0.1 && angled) {
            const double z = a * Sec(gamma / 2), cg = std::cos(gamma / 2), sg = std::sin(gamma / 2);
            Sketch_Dimension(xr + (z - c_f) * cg * cg, y0 - (z - c_f) * cg * sg, xr, y0, -2);
            Sketch_Dimension(xr, y0 + u / 2, xr - c_f, y0 + u / 2, -2);
        }
    }
    Sketch_Pen(1);
}

// Slot and plug welds in plan: the lower member, plate 1 with the hole, the welded hole and, for a
// slot weld, the unwelded core.
void Print_Weld_Plan_View(const Weld_Connection& w, const Weld_Sketch_Geometry& g) {
    const double d = w.weld.d, l = w.weld.l, a = w.weld.a, u = g.u;
    const double cx = g.ext_x / 2, cy = g.ext_y / 2, h = (l - d) / 2;
    const int fill = Sketch_Style.Plate_Fill;
    Sketch_Pen(2);

    const double mx1 = cx - h - 1.5 * d, mx2 = cx + h + d;
    Sketch_Fill_Rectangle(fill, Sketch_Style.Light_Blue, mx1, cy - d, mx2, cy + d);
    Sketch_Line_Dashed();
    OLI_Draw_Line(mx1, cy - d, mx1, cy + d);
    Sketch_Line_Solid();
    OLI_Draw_Line(mx1, cy + d, mx2, cy + d);
    OLI_Draw_Line(mx1, cy - d, mx2, cy - d);
    OLI_Draw_Line(mx2, cy - d, mx2, cy + d);

    const double px1 = cx - h - d, px2 = cx + h + 1.5 * d;
    Sketch_Fill_Rectangle(fill, Sketch_Style.Blue, px1, cy - 0.75 * d, px2, cy + 0.75 * d);
    Sketch_Line_Dashed();
    OLI_Draw_Line(px2, cy - 0.75 * d, px2, cy + 0.75 * d);
    Sketch_Line_Solid();
    OLI_Draw_Line(px1, cy + 0.75 * d, px2, cy + 0.75 * d);
    OLI_Draw_Line(px1, cy - 0.75 * d, px2, cy - 0.75 * d);
    OLI_Draw_Line(px1, cy - 0.75 * d, px1, cy + 0.75 * d);
    OLI_Draw_Text_Rotated(cx + h + d, cy, "1");

    // A stadium of diameter D about the two centres, filled and outlined.
    auto stadium = [&](int stadium_fill, int colour, double D) {
        OLI_Set_Fill_Pattern(stadium_fill);
        Set_Sketch_Colour(colour);
        OLI_Fill_Rectangle(cx - h, cy - D / 2, cx + h, cy + D / 2);
        OLI_Fill_Sector(cx - h, cy, D, 90, 180);
        OLI_Fill_Sector(cx + h, cy, D, 270, 180);
        Set_Sketch_Colour(Sketch_Style.Black);
        OLI_Draw_Line(cx - h, cy + D / 2, cx + h, cy + D / 2);
        OLI_Draw_Line(cx - h, cy - D / 2, cx + h, cy - D / 2);
        OLI_Draw_Arc(cx - h, cy, D, 90, 180);
        OLI_Draw_Arc(cx + h, cy, D, 270, 180);
    };
    stadium(Sketch_Style.Fastener_Fill, Sketch_Style.Green, d);

    const double f = g.type == Weld_Slot ? a * std::sqrt(2.0) : d / 2;
    Sketch_Dimension(-0.6 * u, cy - d / 2, -0.6 * u, cy + d / 2, 2);
    OLI_Draw_Text(cx, cy - d / 2 + f / 2, Format_Text("a = %.1lf mm", a).c_str());
    const double y_l = cy + d / 2 + 0.6 * u;
    Sketch_Dimension(cx + h + d / 2, y_l, cx - h - d / 2, y_l, 2);

    if (g.type == Weld_Slot) stadium(fill, Sketch_Style.Light_Blue, d - 2 * f);
    Sketch_Pen(1);
}

}  // namespace

int Print_Weld_Connection_Sketch(Weld_Connection& connection, FILE* stream, double scale) {
    if (const int error = Check_Weld_Input(connection, nullptr, 0, 0)) return error;
    Weld_Sketch_Geometry g = Weld_Sketch_Layout(connection);

    Sketch_Frame_Layout layout;
    layout.ext_x = layout.fit_x = g.ext_x;
    layout.ext_y = layout.fit_y = g.ext_y;
    layout.avail_y = 22.0 - 1.4;
    layout.top = 0.4;
    g.u = Open_Report_Sketch(stream, scale, layout);

    if (g.section || g.in_line) {
        const double x0 = g.ext_x / 2, y0 = g.ext_y - g.T1;
        Print_Weld_Plates(g, x0, y0, -0.6 * g.u, -0.6 * g.u, g.ext_x + 0.6 * g.u);
        Print_Weld_Cross_Sections(g, x0, y0);
    } else if (g.type == Weld_Slot || g.type == Weld_Plug) {
        Print_Weld_Plan_View(connection, g);
    }
    return Close_Report_Sketch(stream);
}
