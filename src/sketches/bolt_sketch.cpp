// Report sketch of a bolted, riveted, injection-bolt or anchor-bolt connection: a section through
// the fastener axes in the direction of the force with the plates, packing or grout, the holes,
// the fasteners in side view and the edge distances, spacing and thicknesses as dimensions. A pin
// joint takes the same frame with the layout of pin_sketch.cpp.
#include <algorithm>
#include <array>

#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/fastener_views.h"
#include "sketches/pin_sketch.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

namespace {

// An edge distance below this is open: the part runs out of the sketch without an end line.
constexpr double Open_Edge = 0.1;

struct Bolt_Sketch_Geometry {
    int kind;
    bool anchor;
    double d, w;               // shank and drawn hole width
    double t1, t2, tp;         // tp 0 without the packing switch
    bool open_left, open_right;
    bool two;                  // two fasteners along the force
    double x1, x2;             // fastener axes (x2 = x1 for one)
    double L_end, R_end, L_far, R_far;
    double y_0;                // bottom of the plate stack
    double y_r;                // top of plate 1
    double T;                  // thickness under the side view's y down to the head
    bool double_shear;
    double ext_x, ext_y;
    double u;                  // model length of 1 cm of paper
};

bool Is_Bolt_Hole_Enlarged(int hole_type) {
    return hole_type == Hole_Oversize || hole_type == Hole_Short_Slot_Parallel ||
           hole_type == Hole_Long_Slot_Parallel;
}

Bolt_Sketch_Geometry Bolt_Sketch_Layout(const Bolt_Connection& c) {
    const Fastener& f = c.fastener;
    Bolt_Sketch_Geometry g{};
    g.kind = f.type;
    g.anchor = f.type == Fastener_Anchor_Bolt;
    g.d = f.d;
    const double d = g.d;
    if (f.type == Fastener_Rivet) g.w = f.d_0;
    else if (f.type == Fastener_Bolt)
        g.w = d + (Is_Bolt_Hole_Enlarged(f.hole_type) ? f.hole_enlargement : f.delta_d);
    else g.w = d + (f.hole_type == Hole_Oversize ? f.hole_enlargement : f.delta_d);

    g.t1 = c.plate_1.t;
    g.t2 = c.plate_2.t;
    g.tp = c.packing ? c.t_p : 0;
    const double e11 = c.e_11, e12 = g.anchor ? c.e_11 : c.e_12;
    g.open_left = e11 < Open_Edge;
    g.open_right = e12 < Open_Edge;
    // An open edge lays out 2d, so that the run-out of 3d beyond the outer fastener ends at the
    // edge of the drawing (also for a distance between 0.001 and 0.1 mm).
    const double a1 = g.open_left ? 2 * d : c.e_11;
    const double a2 = g.open_right ? 2 * d : c.e_12;
    const double p1 = c.p_1;
    g.two = p1 > 0.1;

    if (g.anchor) {
        g.x1 = g.two ? a1 + g.t2 / 2 : a1 + (g.t2 + p1) / 2;
    } else {
        g.x1 = g.two ? 1.5 * a1 : 1.5 * a1 + p1 / 2;
    }
    g.x2 = g.two ? g.x1 + p1 : g.x1;

    g.L_end = g.x1 - c.e_11;
    g.L_far = g.x1 - 1.5 * c.e_11;
    g.R_end = g.x2 + (g.anchor ? c.e_11 : c.e_12);
    g.R_far = g.x2 + 1.5 * c.e_12;
    if (g.open_left) g.L_end = g.L_far = g.anchor ? g.x1 - g.t2 / 2 - 2 * d : g.x1 - 3 * d;
    if (g.open_right) g.R_end = g.R_far = g.anchor ? g.x2 + g.t2 / 2 + 2 * d : g.x2 + 3 * d;

    const double k = f.t_k, h_w = f.t_p, m = f.t_m;
    if (f.type == Fastener_Rivet) g.y_0 = 0.7 * f.d_0;
    else if (g.anchor) g.y_0 = 0.15 * d + 1.5 * k + h_w;
    else g.y_0 = k + h_w;

    g.double_shear = !g.anchor && c.shear_planes == 2;
    g.T = g.double_shear ? g.t1 + g.tp + g.t2 : g.t1;
    g.y_r = g.y_0 + (g.double_shear ? g.t2 + g.tp + g.t1 : g.t1);

    const double stack = g.T + g.t2 + g.tp;
    if (g.anchor) {
        g.ext_x = 2 * a1 + p1 + g.t2;
        g.ext_y = stack + 1.5 * k + 0.15 * d + (f.washer_sides == 2 ? h_w : 0);
    } else {
        g.ext_x = p1 + 1.5 * (a1 + a2);
        if (f.type == Fastener_Rivet) {
            g.ext_y = stack + 1.4 * f.d_0;
        } else {
            g.ext_y = stack + 1.5 * k + (f.washer_sides == 2 ? h_w : 0) +
                      (f.tapped_hole ? 0 : 0.15 * d + h_w + m);
        }
    }
    return g;
}

// A piece of a part in section: filled, then outlined along its bottom, right end, top and left
// end, leaving out the ends that are not drawn.
void Section_Piece(int colour, double xa, double xb, double y_lo, double y_hi, bool left_end,
                   bool right_end) {
    Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, colour, xa, y_lo, xb, y_hi);
    OLI_Draw_Line(xa, y_lo, xb, y_lo);
    if (right_end) OLI_Draw_Line(xb, y_lo, xb, y_hi);
    OLI_Draw_Line(xb, y_hi, xa, y_hi);
    if (left_end) OLI_Draw_Line(xa, y_hi, xa, y_lo);
}

// A plate cut by the holes: left piece, middle piece (two fasteners) and right piece. Holes are
// always drawn as edges; the outer ends as the caller says.
void Section_Plate(const Bolt_Sketch_Geometry& g, int colour, double x_left, double x_right,
                   double y_lo, double y_hi, bool left_end, bool right_end) {
    const double h = g.w / 2;
    Section_Piece(colour, x_left, g.x1 - h, y_lo, y_hi, left_end, true);
    if (g.two) Section_Piece(colour, g.x1 + h, g.x2 - h, y_lo, y_hi, true, true);
    Section_Piece(colour, g.x2 + h, x_right, y_lo, y_hi, true, right_end);
}

// Plate 2 of bolts, rivets and injection bolts between y_lo and y_lo + t2: the right piece with
// the e1,2 dimension, the middle piece (p1 again, label code 2 once), the left piece.
void Plate_2(const Bolt_Connection& c, const Bolt_Sketch_Geometry& g, int colour, double y_lo,
             bool with_p1) {
    const double h = g.w / 2, y_hi = y_lo + g.t2, y_dim = -0.6 * g.u;
    Section_Piece(colour, g.x2 + h, g.R_end, y_lo, y_hi, true, !g.open_right);
    if (!g.open_right && c.Shear_Category > Shear_Category_None)
        Sketch_Dimension(g.x2 + c.e_12, y_dim, g.x2, y_dim, 2);
    if (g.two) {
        Section_Piece(colour, g.x1 + h, g.x2 - h, y_lo, y_hi, true, true);
        if (with_p1) Sketch_Dimension(g.x2, y_dim, g.x1, y_dim, 2);
    }
    Section_Piece(colour, g.L_far, g.x1 - h, y_lo, y_hi, false, true);
}

// Resin of injection bolts between hole wall and shank, from the stack's bottom to the top of the
// upper plate 2.
void Injection_Resin(const Bolt_Sketch_Geometry& g, double y_top) {
    const std::array<double, 2> axes = {g.x1, g.x2};
    for (int i = 0; i < (g.two ? 2 : 1); ++i) {
        const double x = axes[i];
        OLI_Set_Fill_Pattern(Sketch_Style.Resin_Fill);
        Set_Sketch_Colour(Sketch_Style.Brown);
        OLI_Fill_Rectangle(x - g.w / 2, g.y_0, x - g.d / 2, y_top);
        OLI_Fill_Rectangle(x + g.w / 2, g.y_0, x + g.d / 2, y_top);
        Set_Sketch_Colour(Sketch_Style.Black);
        OLI_Draw_Rectangle(x - g.w / 2, g.y_0, x - g.d / 2, y_top);
        OLI_Draw_Rectangle(x + g.w / 2, g.y_0, x + g.d / 2, y_top);
    }
}

// The concrete member of anchor bolts from x = 0 to ext_x with a drill hole l_e + Δd deep for each
// anchor; it runs out of the sketch on both sides.
void Anchor_Concrete(const Bolt_Connection& c, const Bolt_Sketch_Geometry& g, double y_c) {
    const double h = c.fastener.l_e + c.fastener.delta_d, y_top = y_c + g.t2;
    std::array<double, 12> px{}, py{};
    int n = 0;
    auto add = [&](double x, double y) { px[n] = x; py[n] = y; ++n; };
    add(0, y_c);
    const std::array<double, 2> axes = {g.x1, g.x2};
    for (int i = 0; i < (g.two ? 2 : 1); ++i) {
        add(axes[i] - g.w / 2, y_c);
        add(axes[i] - g.w / 2, y_c + h);
        add(axes[i] + g.w / 2, y_c + h);
        add(axes[i] + g.w / 2, y_c);
    }
    add(g.ext_x, y_c);
    const int open_n = n;   // the face with the holes, as an open polyline
    add(g.ext_x, y_top);
    add(0, y_top);
    Sketch_Fill(Sketch_Style.Plate_Fill, Sketch_Style.Grey, n, px.data(), py.data());
    OLI_Draw_Polyline(-open_n, px.data(), py.data());
    OLI_Draw_Line(g.ext_x, y_top, 0, y_top);
}

void Print_Bolt_Sketch_Content(const Bolt_Connection& c, const Bolt_Sketch_Geometry& g) {
    const double u = g.u;
    const double y_dim = -0.6 * u, x_left = -0.6 * u, x_right = g.ext_x + 0.6 * u;
    const int c1 = (c.options & Bolt_Option_Plate_1_Unverified) ? Sketch_Style.Grey : Sketch_Style.Blue;
    const int c2 = (c.options & Bolt_Option_Plate_2_Unverified) ? Sketch_Style.Grey
                                                                 : Sketch_Style.Light_Blue;
    const int olive = Sketch_Style.Olive;
    const double h = g.w / 2;
    const bool injection = g.kind == Fastener_Injection_Bolt;

    Sketch_Pen(2);

    // Plate 1.
    const double y1_lo = g.y_r - g.t1;
    Section_Piece(c1, g.L_end, g.x1 - h, y1_lo, g.y_r, !g.open_left, true);
    if (!g.open_left) Sketch_Dimension(g.x1, y_dim, g.x1 - c.e_11, y_dim, 2);
    if (g.two) {
        Section_Piece(c1, g.x1 + h, g.x2 - h, y1_lo, g.y_r, true, true);
        Sketch_Dimension(g.x2, y_dim, g.x1, y_dim, 0);
    }
    const double x_end1 = g.anchor ? g.R_end : g.R_far;
    Section_Piece(c1, g.x2 + h, x_end1, y1_lo, g.y_r, true, g.anchor && !g.open_right);
    Sketch_Dimension(x_right, y1_lo, x_right, g.y_r, 0);
    OLI_Draw_Text_Rotated((g.x2 + h + x_end1) / 2, g.y_r - g.t1 / 2, "1");

    const double y2_lo = g.y_r + g.tp;   // plate 2 above plate 1 (anchors: the concrete)
    if (!g.anchor) {
        Plate_2(c, g, c2, y2_lo, true);
        if (!g.double_shear && injection) Injection_Resin(g, y2_lo + g.t2);
        Sketch_Dimension(x_left, y2_lo, x_left, y2_lo + g.t2, 2);
        OLI_Draw_Text_Rotated((g.L_far + g.x1 - h) / 2, y2_lo + g.t2 / 2, "2");
        if (g.tp > 0) {
            Section_Plate(g, olive, g.L_end, g.R_end, g.y_r, y2_lo, !g.open_left, !g.open_right);
            Sketch_Dimension(x_left, g.y_r, x_left, y2_lo, -2);
        }
        if (g.double_shear) {
            Plate_2(c, g, c2, g.y_0, false);
            if (injection) Injection_Resin(g, y2_lo + g.t2);
            Sketch_Dimension(x_left, g.y_0, x_left, g.y_0 + g.t2, -2);
            OLI_Draw_Text_Rotated((g.L_far + g.x1 - h) / 2, g.y_0 + g.t2 / 2, "2");
            if (g.tp > 0) {
                const double y_p = g.y_0 + g.t2;
                Section_Plate(g, olive, g.L_end, g.R_end, y_p, y_p + g.tp, !g.open_left,
                              !g.open_right);
                Sketch_Dimension(x_left, y_p, x_left, y_p + g.tp, 2);
            }
        }
    } else {
        Anchor_Concrete(c, g, y2_lo);
        Sketch_Dimension(x_left, y2_lo, x_left, y2_lo + g.t2, 2);
        Sketch_Dimension(x_right, y2_lo, x_right, y2_lo + c.fastener.l_e, 2);
        if (c.e_12 > 0.001 && c.Shear_Category > Shear_Category_None)
            Sketch_Dimension(g.ext_x, y_dim, g.ext_x - c.e_12, y_dim, 2);
        if (g.tp > 0) {
            Section_Plate(g, olive, g.L_end, g.R_end, g.y_r, y2_lo, !g.open_left, !g.open_right);
            Sketch_Dimension(x_left, g.y_r, x_left, y2_lo, -2);
        }
    }

    if (g.kind == Fastener_Bolt && Is_Bolt_Hole_Enlarged(c.fastener.hole_type)) {
        const double y_top = g.ext_y + 0.6 * u;
        Sketch_Dimension(g.x1 + h, y_top, g.x1 - h, y_top, 0);
    }
    Sketch_Pen(1);

    const int thread = (c.options & Bolt_Option_Thread_In_Shear_Plane) ? 1 : 0;
    Print_Bolt_Side_View(nullptr, u, g.x1, g.y_r, c.fastener, g.T, g.t2, g.tp, c.delta_t, thread);
    if (g.two) {
        const int emphasis = Fastener_Emphasis;
        Fastener_Emphasis = 0;
        Print_Bolt_Side_View(nullptr, u, g.x2, g.y_r, c.fastener, g.T, g.t2, g.tp, c.delta_t,
                             thread);
        Fastener_Emphasis = emphasis;
    }
}

}  // namespace

int Print_Bolt_Connection_Sketch(Bolt_Connection* connection, FILE* stream, double scale) {
    if (!connection) return 1;
    if (const int error = Check_Bolt_Input(connection, nullptr, 0)) return error;
    const Bolt_Connection& c = *connection;

    Sketch_Frame_Layout layout;
    layout.avail_y = 22.0 - 2.6;
    layout.top = 1.6;
    if (c.fastener.type == Fastener_Pin) {
        const Pin_Sketch_Geometry g = Pin_Sketch_Layout(c);
        layout.ext_x = layout.fit_x = g.ext_x;
        layout.ext_y = layout.fit_y = g.ext_y;
        const double u = Open_Report_Sketch(stream, scale, layout);
        Print_Pin_Sketch_Content(c, g, u);
    } else {
        Bolt_Sketch_Geometry g = Bolt_Sketch_Layout(c);
        layout.ext_x = layout.fit_x = g.ext_x;
        layout.ext_y = layout.fit_y = g.ext_y;
        g.u = Open_Report_Sketch(stream, scale, layout);
        Print_Bolt_Sketch_Content(c, g);
    }
    Close_Report_Sketch(stream);
    return 0;
}
