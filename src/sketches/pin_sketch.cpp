// Pin joint in the bolt sketch: eye bar 1 in the middle, the fork of eye bar 2 above and below it
// with the gap Δt on each side, the pin in side view across all three and, with a geometry option,
// the plan view "Schnitt A-A" of eye bar 1 above the section.
#include "sketches/pin_sketch.h"

#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "report/section_markers.h"
#include "sketches/fastener_views.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

Pin_Sketch_Geometry Pin_Sketch_Layout(const Bolt_Connection& c) {
    const Fastener& f = c.fastener;
    const double t1 = c.plate_1.t, t2 = c.plate_2.t, dt = c.delta_t, dp = f.d_pin;
    Pin_Sketch_Geometry g{};
    if (c.pin_geometry == 0) g.e = 1.5 * f.d_0;
    else if (c.e_11 < 0.001) g.e = 2 * f.d;
    else if (c.e_11 < 0.1) g.e = 3 * f.d;
    else g.e = c.e_11;
    g.x_p = 3 * dt + t1 + 1.5 * g.e;
    g.y_m = 0.65 * dp + t2 + dt + t1 / 2;
    g.H = t1 + 2 * (t2 + dt + 0.65 * dp);
    g.ext_x = 3 * dt + t1 + 3 * g.e;
    g.ext_y = g.H + (c.pin_geometry > 0 ? 2 * c.e_21 : 0);
    return g;
}

namespace {

void Rectangle_Outlined(int colour, double x1, double y1, double x2, double y2) {
    const double px[4] = {x1, x1, x2, x2};
    const double py[4] = {y1, y2, y2, y1};
    Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, colour, 4, px, py);
}

// Plan view of eye bar 1 with its hole, cut at A-A.
void Pin_Plan_View(const Bolt_Connection& c, const Pin_Sketch_Geometry& g, double u, int colour) {
    const Fastener& f = c.fastener;
    const double t1 = c.plate_1.t, t2 = c.plate_2.t, dt = c.delta_t, dp = f.d_pin, d0 = f.d_0;
    const double Y0 = g.H + 1.2 * u, e2 = c.e_21, x_s = g.x_p - g.e + e2;
    const double y_c = dt + 0.65 * dp + t2 + 0.7 * t1;

    OLI_Draw_Section_Marker(2.5 * dt + t1 + g.e / 2, y_c, g.ext_x + 0.5 * dt, y_c, 0.2, "A", "A");
    Sketch_Font(4);
    OLI_Printf_Text(0, Y0, 0, 3, "Schnitt A-A");

    Sketch_Pen(2);
    OLI_Set_Fill_Pattern(Sketch_Style.Plate_Fill);
    Set_Sketch_Colour(colour);
    OLI_Fill_Sector(x_s, Y0 + e2, 2 * e2, 90, 180);
    OLI_Fill_Rectangle(x_s, Y0 + 2 * e2, g.ext_x, Y0);
    Set_Sketch_Colour(Sketch_Style.Black);
    Sketch_Line_Dashed();
    OLI_Draw_Line(x_s, Y0, x_s, Y0 + 2 * e2);
    Sketch_Line_Solid();

    OLI_Set_Fill_Pattern(0);
    Set_Sketch_Colour(Sketch_Style.White);
    OLI_Fill_Circle(g.x_p, Y0 + e2, d0);
    Set_Sketch_Colour(Sketch_Style.Black);
    OLI_Draw_Arc(x_s, Y0 + e2, 2 * e2, 90, 180);
    OLI_Draw_Line(x_s, Y0 + 2 * e2, g.ext_x, Y0 + 2 * e2);
    OLI_Draw_Line(x_s, Y0, g.ext_x, Y0);
    OLI_Draw_Arc(g.x_p, Y0 + e2, d0, 0, 360);

    Sketch_Dimension(x_s, Y0 - 0.6 * u, x_s - e2, Y0 - 0.6 * u, 2);
    Sketch_Dimension(g.x_p, Y0 + e2, x_s - e2, Y0 + e2, 2);
    const double x_r = g.ext_x + 0.6 * u;
    Sketch_Dimension(x_r, Y0, x_r, Y0 + e2, 0);
    Sketch_Dimension(x_r, Y0 + e2, x_r, Y0 + 2 * e2, 0);
    Sketch_Pen(1);
}

}  // namespace

void Print_Pin_Sketch_Content(const Bolt_Connection& c, const Pin_Sketch_Geometry& g, double u) {
    const Fastener& f = c.fastener;
    const double t1 = c.plate_1.t, t2 = c.plate_2.t, dt = c.delta_t, dp = f.d_pin, d0 = f.d_0;
    const double e = g.e, x_p = g.x_p, y_m = g.y_m, H = g.H;
    const bool dimensioned = c.pin_geometry > 0;
    const int c1 = (c.options & Bolt_Option_Plate_1_Unverified) ? Sketch_Style.Grey : Sketch_Style.Blue;
    const int c2 = (c.options & Bolt_Option_Plate_2_Unverified) ? Sketch_Style.Grey : Sketch_Style.Blue;
    const double y_lo = 0.65 * dp;            // underside of the lower fork plate
    const double y_l = y_lo + t2;             // top of the lower fork plate
    const double y_u = y_l + 2 * dt + t1;     // underside of the upper fork plate
    const double y_dim = -0.6 * u, x_right = g.ext_x + 0.6 * u;

    Sketch_Pen(2);

    // Eye bar 1: the end piece left of the pin with its four edges, the piece right of it running
    // out of the sketch.
    Rectangle_Outlined(c1, x_p - e, y_m - t1 / 2, x_p - d0 / 2, y_m + t1 / 2);
    if (dimensioned) Sketch_Dimension(x_p, y_dim, x_p - e, y_dim, 2);
    const double xr = x_p + d0 / 2;
    Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, c1, xr, y_m - t1 / 2, g.ext_x, y_m + t1 / 2);
    OLI_Draw_Line(xr, y_m + t1 / 2, xr, y_m - t1 / 2);
    OLI_Draw_Line(xr, y_m - t1 / 2, g.ext_x, y_m - t1 / 2);
    OLI_Draw_Line(g.ext_x, y_m + t1 / 2, xr, y_m + t1 / 2);
    Sketch_Dimension(x_right, y_m - t1 / 2, x_right, y_m + t1 / 2, 0);
    OLI_Draw_Text_Rotated((xr + g.ext_x) / 2, y_m, "1");

    // The ends of the fork plates right of the pin: upper, then lower.
    Rectangle_Outlined(c2, xr, y_u, x_p + e, y_u + t2);
    OLI_Draw_Text_Rotated((xr + x_p + e) / 2, y_u + t2 / 2, "2");
    Rectangle_Outlined(c2, xr, y_lo, x_p + e, y_l);
    OLI_Draw_Text_Rotated((xr + x_p + e) / 2, y_lo + t2 / 2, "2");
    if (dimensioned) Sketch_Dimension(x_p + e, y_dim, x_p, y_dim, 2);

    // The root of the fork left of the pin, running out of the sketch at x = 0.
    const double xh = x_p - d0 / 2, xm = dt + t1 / 2 + e / 2;
    const double px[12] = {xh, 2 * dt + t1 + e / 2, 2 * dt + t1 + e / 2, xh, xh, xm,
                           e / 2, 0, 0, e / 2, xm, xh};
    const double py[12] = {y_u, y_u, y_l, y_l, y_lo, y_lo, y_m - t2, y_m - t2, y_m + t2, y_m + t2,
                           H - y_lo, H - y_lo};
    Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, c2, 12, px, py);
    Set_Sketch_Colour(Sketch_Style.White);
    OLI_Draw_Line(0, y_m - t2, 0, y_m + t2);
    Set_Sketch_Colour(Sketch_Style.Black);

    // Thicknesses of the fork plates and the gaps.
    const double x_f = x_p + e + u;
    Sketch_Dimension(x_f, y_lo, x_f, y_l, -2);
    Sketch_Dimension(x_f, y_u, x_f, y_u + t2, 2);
    Sketch_Dimension(x_right, y_l, x_right, y_l + dt, -2);
    Sketch_Dimension(x_right, y_u - dt, x_right, y_u, 2);

    Sketch_Pen(1);
    const int thread = (c.options & Bolt_Option_Thread_In_Shear_Plane) ? 1 : 0;
    const double tp = c.packing ? c.t_p : 0;
    Print_Bolt_Side_View(nullptr, u, x_p, y_m, f, t1, t2, tp, dt, thread);

    if (c.pin_geometry > 0) Pin_Plan_View(c, g, u, c1);
}
