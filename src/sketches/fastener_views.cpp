// Side and plan views of one fastener in a report sketch.
#include "sketches/fastener_views.h"

#include <array>

#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

int Fastener_Emphasis = 1;

void Set_Fastener_Emphasis(int value) { Fastener_Emphasis = value; }

namespace {

// A countersink deeper than this is drawn as a cone; a shallower one counts as none.
constexpr double Countersink_Min = 0.01;

void Emphasis_Pen() { Sketch_Pen(Fastener_Emphasis ? 2 : 1); }

// A rectangle in section: filled, then its closed outline.
void Outlined_Rectangle(int fill, int colour, double x1, double y1, double x2, double y2) {
    const double x[4] = {x1, x1, x2, x2};
    const double y[4] = {y1, y2, y2, y1};
    Sketch_Fill_Outlined(fill, colour, 4, x, y);
}

void Washer_Side_View(double x, double y_lo, double d_w, double h_w) {
    Outlined_Rectangle(Sketch_Style.Washer_Fill, Sketch_Style.Red, x - d_w / 2, y_lo, x + d_w / 2,
                       y_lo + h_w);
}

// Shank, thread, nut side and head side of a bolt, injection bolt or anchor bolt.
void Threaded_Side_View(double u, double x, double y, const Fastener& f, double T1, double t2,
                        double tp, int thread_in_shear_plane) {
    const int kind = f.type;
    const bool anchor = kind == Fastener_Anchor_Bolt;
    const double d = f.d, e = f.d_e, h_w = f.t_p, d_w = f.d_p, k = f.t_k, m = f.t_m;
    const bool two_washers = f.washer_sides == 2;
    const bool sunk_head = f.countersunk && f.t_ks > Countersink_Min;
    const bool sunk_nut = f.countersunk && f.t_ms > Countersink_Min;
    const double y_b = y - T1;        // face under the head
    const double y_t = y + tp + t2;   // face under the nut
    const double y_h = two_washers ? y_b - h_w : y_b;   // upper face of the head (anchors: nut)

    Emphasis_Pen();
    const int fill = Sketch_Style.Fastener_Fill, green = Sketch_Style.Green;
    if (t2 <= 0.001) {
        // Nothing above the packing: the shank ends flat there, drawn by its side lines only.
        const double y_0 = anchor ? y_h - 1.5 * k : y_h;
        const double y_e = y + tp;
        const double px[4] = {x - d / 2, x - d / 2, x + d / 2, x + d / 2};
        const double py[4] = {y_0, y_e, y_e, y_0};
        Sketch_Fill(fill, green, 4, px, py);
        OLI_Draw_Line(x - d / 2, y_0, x - d / 2, y_e);
        OLI_Draw_Line(x + d / 2, y_0, x + d / 2, y_e);
        Sketch_Pen(1);
        return;
    }

    // Shank. y_c is where the end chamfer starts, y_end the end of the shank.
    double y_c = 0, y_end = 0;
    if (anchor) {
        const double y_top = y + tp + f.l_e;   // flat end in the concrete
        y_c = y_h - 1.5 * k;
        y_end = y_c - 0.15 * d;
        const double px[6] = {x - d / 2, x - d / 2, x - 0.35 * d, x + 0.35 * d, x + d / 2, x + d / 2};
        const double py[6] = {y_top, y_c, y_end, y_end, y_c, y_top};
        Sketch_Fill_Outlined(fill, green, 6, px, py);
    } else if (sunk_nut && !f.tapped_hole) {
        y_c = y_end = y_t;   // flat in the countersink of the nut side
        const double px[4] = {x - d / 2, x - d / 2, x + d / 2, x + d / 2};
        const double py[4] = {y_h, y_t, y_t, y_h};
        Sketch_Fill_Outlined(fill, green, 4, px, py);
    } else {
        y_c = f.tapped_hole ? y + tp + f.l_e - 0.15 * d : y_t + h_w + m + 0.5 * k;
        y_end = y_c + 0.15 * d;
        const double px[6] = {x - d / 2, x - d / 2, x - 0.35 * d, x + 0.35 * d, x + d / 2, x + d / 2};
        const double py[6] = {y_h, y_c, y_end, y_end, y_c, y_h};
        Sketch_Fill_Outlined(fill, green, 6, px, py);
    }

    // Thread: where it starts, where the end chamfer starts, the core lines and the run-out.
    Sketch_Pen(1);
    double y_s = y + tp + t2 / 2;
    if (kind == Fastener_Injection_Bolt) y_s = y_t;
    if (anchor || (kind == Fastener_Bolt && thread_in_shear_plane)) y_s = y - T1 / 2;
    const double run = anchor ? 0.15 * d : -0.15 * d;
    OLI_Draw_Line(x - d / 2, y_s, x + d / 2, y_s);
    OLI_Draw_Line(x - d / 2, y_c, x + d / 2, y_c);
    OLI_Draw_Line(x - 0.35 * d, y_s, x - 0.35 * d, y_end);
    OLI_Draw_Line(x + 0.35 * d, y_s, x + 0.35 * d, y_end);
    OLI_Draw_Line(x - 0.35 * d, y_s, x - d / 2, y_s + run);
    OLI_Draw_Line(x + 0.35 * d, y_s, x + d / 2, y_s + run);
    Emphasis_Pen();

    // Nut side.
    if (!anchor && !f.tapped_hole) {
        if (sunk_nut) {
            const double px[4] = {x - d / 2, x - f.d_m / 2, x + f.d_m / 2, x + d / 2};
            const double py[4] = {y_t - f.t_ms, y_t, y_t, y_t - f.t_ms};
            Sketch_Fill_Outlined(fill, green, 4, px, py);
        } else {
            if (h_w > 0.001) Washer_Side_View(x, y_t, d_w, h_w);
            Print_Hexagon_Side_View(green, fill, x, y_t + h_w + m, 0.7 * m, 0.15 * m, 0.15 * m, e);
        }
    }

    // Head side.
    if (two_washers && h_w > 0.001) Washer_Side_View(x, y_b - h_w, d_w, h_w);
    if (anchor) {
        Print_Hexagon_Side_View(green, fill, x, y_h, 0.7 * m, 0.15 * m, 0.15 * m, e);
    } else if (sunk_head) {
        const double px[4] = {x - f.d_m / 2, x - d / 2, x + d / 2, x + f.d_m / 2};
        const double py[4] = {y_b, y_b + f.t_ks, y_b + f.t_ks, y_b};
        Sketch_Fill_Outlined(fill, green, 4, px, py);
    } else {
        Print_Hexagon_Side_View(green, fill, x, y_h, 0.8 * k, 0.2 * k, 0, e);
    }

    // Head plate or head of an anchor.
    if (anchor && f.anchorage == Anchorage_Anchor_Plate) {
        const double y_p = y + tp + f.l_e;
        Outlined_Rectangle(fill, green, x - f.d_h / 2, y_p, x + f.d_h / 2, y_p + f.t_h);
        const double y_d = y_p + f.t_h + 0.5 * u;
        Sketch_Dimension(x - f.d_h / 2, y_d, x + f.d_h / 2, y_d, -2);
        const double x_d = x + f.d_h / 2 + 0.5 * u;
        Sketch_Dimension(x_d, y_p, x_d, y_p + f.t_h, -2);
    }

    // Size label under the head.
    if (Fastener_Emphasis && !f.non_standard_size && Is_Bolt_Size_Index(f.size_index)) {
        Sketch_Font(7);
        OLI_Printf_Text(x, y_h - k - 0.05 * u, 2, 4, "M%-3.0f", Bolt_Size_Table[f.size_index].d);
        Sketch_Font(9);
    }
    Sketch_Pen(1);
}

void Rivet_Side_View(double u, double x, double y, const Fastener& f, double T1, double t2,
                     double tp) {
    const double d0 = f.d_0;
    const double t_ks = f.countersunk ? f.t_ks : 0, t_ms = f.countersunk ? f.t_ms : 0;
    const double y_b = y - T1, y_t = y + tp + t2;
    const double y_lo = y_b + t_ks, y_hi = y_t - t_ms;
    const int fill = Sketch_Style.Fastener_Fill, green = Sketch_Style.Green;

    Emphasis_Pen();
    OLI_Set_Fill_Pattern(fill);
    Set_Sketch_Colour(green);
    OLI_Fill_Rectangle(x - d0 / 2, y_lo, x + d0 / 2, y_hi);
    OLI_Fill_Sector(x, y_lo, 1.4 * d0, 180, 180);
    OLI_Fill_Sector(x, y_hi, 1.4 * d0, 0, 180);
    Set_Sketch_Colour(Sketch_Style.Black);
    OLI_Draw_Line(x - d0 / 2, y_lo, x - d0 / 2, y_hi);
    OLI_Draw_Line(x + d0 / 2, y_lo, x + d0 / 2, y_hi);
    OLI_Draw_Line(x - d0 / 2, y_lo, x - 0.7 * d0, y_lo);
    OLI_Draw_Line(x + d0 / 2, y_lo, x + 0.7 * d0, y_lo);
    OLI_Draw_Line(x - d0 / 2, y_hi, x - 0.7 * d0, y_hi);
    OLI_Draw_Line(x + d0 / 2, y_hi, x + 0.7 * d0, y_hi);
    OLI_Draw_Arc(x, y_lo, 1.4 * d0, 180, 180);
    OLI_Draw_Arc(x, y_hi, 1.4 * d0, 0, 180);

    const double y_d = y - T1 / 2 + (f.countersunk ? t_ks / 2 : 0);
    Sketch_Dimension(x - d0 / 2, y_d, x + d0 / 2, y_d, 2);
    if (f.countersunk) {
        const double x_d = x + d0 / 2 + u;
        Sketch_Dimension(x_d, y_b, x_d, y_b + t_ks, 2);
        Sketch_Dimension(x_d, y_t - t_ms, x_d, y_t, 2);
    }
    Sketch_Pen(1);
}

void Pin_Side_View(double x, double y, const Fastener& f, double T1, double t2, double dt) {
    const double dp = f.d_pin;
    const double h = T1 / 2 + dt + t2 + 0.5 * dp;
    const double c = 0.15 * dp;
    Emphasis_Pen();
    const double px[8] = {x - dp / 2,   x - 0.35 * dp, x + 0.35 * dp, x + dp / 2,
                          x + dp / 2,   x + 0.35 * dp, x - 0.35 * dp, x - dp / 2};
    const double py[8] = {y - h + c, y - h, y - h, y - h + c, y + h - c, y + h, y + h, y + h - c};
    Sketch_Fill_Outlined(Sketch_Style.Fastener_Fill, Sketch_Style.Green, 8, px, py);
    Sketch_Dimension(x - dp / 2, y, x + dp / 2, y, 2);
    Sketch_Dimension(x - f.d_0 / 2, y + h, x + f.d_0 / 2, y + h, 2);
    Sketch_Pen(1);
}

}  // namespace

void Print_Bolt_Side_View(FILE*, double u, double x, double y, const Fastener& fastener, double T1,
                          double t2, double tp, double dt, int thread_in_shear_plane) {
    switch (fastener.type) {
        case Fastener_Bolt:
        case Fastener_Injection_Bolt:
        case Fastener_Anchor_Bolt:
            Threaded_Side_View(u, x, y, fastener, T1, t2, tp, thread_in_shear_plane);
            break;
        case Fastener_Rivet: Rivet_Side_View(u, x, y, fastener, T1, t2, tp); break;
        case Fastener_Pin: Pin_Side_View(x, y, fastener, T1, t2, dt); break;
        default: break;
    }
}

void Print_Hexagon_Side_View(int colour, int fill, double x, double y, double L, double c_lo,
                             double c_up, double w) {
    const double r = w / 2, c = w / 12;
    const double y_up = y - c_up;       // upper end of the flanks
    const double y_lo = y_up - L;       // lower end of the flanks
    const double y_f = y_lo - c_lo;     // lower face
    const double px[8] = {x - r, x - r, x - r + c, x + r - c, x + r, x + r, x + r - c, x - r + c};
    const double py[8] = {y_up, y_lo, y_f, y_f, y_lo, y_up, y, y};
    Sketch_Fill_Outlined(fill, colour, 8, px, py);

    // The two corner edges seen across the corners, and the chamfer arcs as V marks at their ends.
    const std::array<double, 2> edges = {x - w / 4, x + w / 4};
    for (double xe : edges) OLI_Draw_Line(xe, y_up, xe, y_lo);
    if (c_lo > 0)
        for (double xe : edges) {
            OLI_Draw_Line(xe, y_lo, xe - c, y_f);
            OLI_Draw_Line(xe, y_lo, xe + c, y_f);
        }
    if (c_up > 0)
        for (double xe : edges) {
            OLI_Draw_Line(xe, y_up, xe - c, y);
            OLI_Draw_Line(xe, y_up, xe + c, y);
        }
}

void Print_Bolt_Plan_View(FILE*, double a, double x, double y, const Fastener& f,
                          int with_dimensions) {
    const double e = f.d_e, d_w = f.d_p;
    Emphasis_Pen();
    if (f.washer_sides == 2 && f.t_p > 0.001) {
        OLI_Set_Fill_Pattern(Sketch_Style.Washer_Fill);
        Set_Sketch_Colour(Sketch_Style.Brown);
        OLI_Fill_Circle(x, y, d_w);
        Set_Sketch_Colour(Sketch_Style.Black);
        OLI_Draw_Arc(x, y, d_w, 0, 360);
        if (with_dimensions) {
            const double x_d = x + a + e / 2;
            Sketch_Dimension(x_d, y - d_w / 2, x_d, y + d_w / 2, 2);
        }
    }
    // Hexagon inscribed in the circle of diameter e: corners at ½·cos 60° and ½·sin 60° of e.
    const double h = 0.433 * e;
    const double px[6] = {x - e / 2, x - e / 4, x + e / 4, x + e / 2, x + e / 4, x - e / 4};
    const double py[6] = {y, y + h, y + h, y, y - h, y - h};
    Sketch_Fill_Outlined(Sketch_Style.Fastener_Fill, Sketch_Style.Green, 6, px, py);
    if (with_dimensions) {
        const double y_d = y + a / 2 + e / 2;
        Sketch_Dimension(x + e / 2, y_d, x - e / 2, y_d, 2);
    }
    Sketch_Pen(1);
    Sketch_Line_Dashed();
    OLI_Draw_Arc(x, y, f.d, 0, 360);
    Sketch_Line_Solid();
}
