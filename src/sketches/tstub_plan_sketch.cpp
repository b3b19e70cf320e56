// T-stub in tension in the report, view 0: the flange seen face on with the web behind it, every
// bolt row with the heads in plan, the stiffener or beam flange crossing next to a row, backing
// plates, the distances as dimensions, a dash-dot frame and, for a single row, the grey trace of
// the section of view 1.
#include <algorithm>
#include <vector>

#include "common/stream_print.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/fastener_views.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"
#include "sketches/tstub_tension_sketch.h"

void Print_Stiffener_Plan_Strip(int kind, double x_c, double y_b, double W, double H, double e_s,
                                double m_s, double r) {
    const double x_l = x_c - W / 2, x_r = x_c + W / 2, s = e_s + m_s;
    double y_dash = 0, y_solid = 0, y_lo = 0, y_hi = 0, y_in = 0, reach = s + 0.8 * r;
    int colour = Sketch_Style.Light_Blue;
    if (kind == 0) {          // column stiffener along the top edge
        y_dash = y_b + H - r;
        y_solid = y_b + H - 1.2 * r;
        y_lo = y_in = y_b + H - 0.2 * r;
        y_hi = y_b + H;
        colour = Sketch_Style.Light_Red;
    } else if (kind == 1) {   // beam tension flange along the bottom edge
        y_dash = y_b + 2 * r;
        y_solid = y_b + 2.2 * r;
        y_lo = y_b;
        y_hi = y_in = y_b + 1.2 * r;
    } else {                  // beam tension flange along the top edge of the extension
        y_dash = y_b + H - 2 * r;
        y_solid = y_b + H - 2.2 * r;
        y_lo = y_in = y_b + H - 1.2 * r;
        y_hi = y_b + H;
        reach = s;
    }
    const bool chamfer = kind != 2;
    const double cut = chamfer ? 0.2 * r : 0;

    Sketch_Pen(1);
    Sketch_Line_Dashed();
    OLI_Draw_Line(x_l, y_dash, x_l + s, y_dash);
    OLI_Draw_Line(x_r, y_dash, x_r - s, y_dash);
    Sketch_Line_Solid();
    OLI_Draw_Line(x_l, y_solid, x_l + s - cut, y_solid);
    OLI_Draw_Line(x_r, y_solid, x_r - s + cut, y_solid);
    if (chamfer) {
        OLI_Draw_Line(x_l + s - 0.2 * r, y_solid, x_l + s + 0.8 * r, y_in);
        OLI_Draw_Line(x_r - s + 0.2 * r, y_solid, x_r - s - 0.8 * r, y_in);
    }
    Sketch_Pen(2);
    OLI_Set_Fill_Pattern(Sketch_Style.Plate_Fill);
    Set_Sketch_Colour(colour);
    OLI_Fill_Rectangle(x_l, y_lo, x_l + reach, y_hi);
    OLI_Fill_Rectangle(x_r - reach, y_lo, x_r, y_hi);
    Set_Sketch_Colour(Sketch_Style.Black);
    OLI_Draw_Line(x_l, y_in, x_l + reach, y_in);
    OLI_Draw_Line(x_l, y_lo, x_l, y_hi);
    if (kind == 0) OLI_Draw_Line(x_l + reach, y_lo, x_l + reach, y_hi);
    OLI_Draw_Line(x_r, y_in, x_r - reach, y_in);
    OLI_Draw_Line(x_r, y_lo, x_r, y_hi);
    if (kind == 0) OLI_Draw_Line(x_r - reach, y_lo, x_r - reach, y_hi);
    Sketch_Pen(1);
}

void Print_Backing_Plate_Plan(double x, double y, double a_right, double a_left, double a_down,
                              double a_up) {
    Sketch_Pen(2);
    const double px[4] = {x - a_left, x - a_left, x + a_right, x + a_right};
    const double py[4] = {y - a_down, y + a_up, y + a_up, y - a_down};
    Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Olive, 4, px, py);
    Sketch_Pen(1);
}

namespace {

// The heads of one row and, with more than one row, the row number at each of them.
void Bolt_Row(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g,
              const std::vector<double>& columns, double y, int number) {
    for (double x : columns) Print_Bolt_Plan_View(nullptr, g.u, x, y, T.fastener, 0);
    if (g.n > 1)
        for (double x : columns) OLI_Draw_Text_Rotated(x, y, Format_Text("%d", number).c_str());
}

// The dash-dot frame over the plate, the grey trace of view 1 for a single row, back to solid.
void Frame_And_Trace(const T_Stub_Sketch_Geometry& g, double x_L, double y_b, double x_R,
                     double Y0, double tx1, double ty1, double tx2, double ty2) {
    Sketch_Pen(1);
    Sketch_Line_Dash_Dot();
    OLI_Draw_Rectangle(x_L, y_b, x_R, Y0);
    Sketch_Pen(3);
    Set_Sketch_Colour(Sketch_Style.Grey);
    if (g.n == 1) OLI_Draw_Line(tx1, ty1, tx2, ty2);
    Set_Sketch_Colour(Sketch_Style.Black);
    Sketch_Pen(1);
    Sketch_Line_Solid();
}

void Extension_Plan(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g) {
    const double u = g.u, r = g.r, l_f = g.l_f, Y0 = g.Y0, e = g.e, w = g.w;
    const double y_b = 2 * g.rho - 2 * r, y_1 = y_b + g.e1;
    const bool four = g.n_b == 4;

    Sketch_Pen(2);
    const double px[4] = {0, 0, l_f, l_f};
    const double py[4] = {y_b, Y0, Y0, y_b};
    Sketch_Fill(Sketch_Style.Plate_Fill, Sketch_Style.Blue, 4, px, py);
    OLI_Draw_Line(0, y_b, 0, Y0);
    OLI_Draw_Line(l_f, y_b, l_f, Y0);
    Sketch_Dimension(l_f, -1.2 * u, 0, -1.2 * u, 2);
    OLI_Draw_Line(0, y_b, l_f, y_b);

    if (T.extension_stiffener) {
        Sketch_Pen(2);
        const double sx[4] = {l_f / 2 - r / 2, l_f / 2 - r / 2, l_f / 2 + r / 2, l_f / 2 + r / 2};
        const double sy[4] = {y_b, Y0 - 1.2 * r, Y0 - 1.2 * r, y_b};
        Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Light_Blue, 4, sx, sy);
    }
    const double W_s = four ? g.L_c : l_f;
    Print_Stiffener_Plan_Strip(2, l_f / 2, y_b, W_s, Y0 - y_b, W_s / 2, 0, r);

    Sketch_Dimension(-0.6 * u, y_b, -0.6 * u, y_1, 2);
    Sketch_Dimension(e, -0.6 * u, 0, -0.6 * u, 2);
    if (four) {
        Sketch_Dimension(e + w, -0.6 * u, e, -0.6 * u, 2);
        Sketch_Dimension(l_f - e - w, -0.6 * u, e + w, -0.6 * u, 2);
    }
    std::vector<double> columns = {e, l_f - e};
    if (four) {
        columns.push_back(e + w);
        columns.push_back(l_f - e - w);
    }
    Bolt_Row(T, g, columns, y_1, 1);
    Sketch_Dimension(-0.6 * u, y_1, -0.6 * u, y_1 + g.m1, 2);
    Frame_And_Trace(g, 0, y_b, l_f, Y0, e, y_b - 0.3 * r, e, Y0 + 0.3 * r);
}

}  // namespace

void Print_T_Stub_Plan_View(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g) {
    if (g.location == T_Stub_Extension) {
        Extension_Plan(T, g);
        return;
    }
    const bool column = g.location == T_Stub_Column_Flange;
    const bool N = g.next_to;
    const double u = g.u, r = g.r, E = g.E, M = g.M, w = g.w_, Y0 = g.Y0;
    const double T0 = g.web_given ? g.t_w + 2 * r : 2 * g.t_f;   // the web's band in plan
    const double x_c = g.X0 / 2, W0 = 2 * (E + w + M) + T0;
    const double x_L = x_c - W0 / 2, x_R = x_c + W0 / 2;
    const double y_b = column ? g.rho - r : 2 * g.rho - 2 * r;
    const double y_1 = column ? y_b + g.e1_ : y_b + 2 * r + g.G;
    const int n = g.n;
    auto row_y = [&](int i) { return y_1 + (i - 1) * g.p; };

    Sketch_Pen(2);
    {
        const double px[4] = {x_L, x_L, x_R, x_R};
        const double py[4] = {y_b, Y0, Y0, y_b};
        Sketch_Fill(Sketch_Style.Plate_Fill, Sketch_Style.Blue, 4, px, py);
        OLI_Draw_Line(x_L, y_b, x_L, Y0);
        OLI_Draw_Line(x_R, y_b, x_R, Y0);
        if (column) OLI_Draw_Line(x_L, y_b, x_R, y_b);
    }
    {
        const double h = T0 / 2 - 0.8 * r;
        Sketch_Fill_Rectangle(Sketch_Style.Plate_Fill, Sketch_Style.Light_Blue, x_c - h, y_b, x_c + h, Y0);
        const double y_from = !column && N ? y_b + 1.2 * r : y_b;
        OLI_Draw_Line(x_c - h, y_from, x_c - h, Y0);
        OLI_Draw_Line(x_c + h, y_from, x_c + h, Y0);
        if (column) OLI_Draw_Line(x_c - h, y_b, x_c + h, y_b);
    }
    Sketch_Pen(1);
    Sketch_Line_Dashed();
    {
        const double y_from = !column && N ? y_b + 2 * r : y_b;
        const double y_to = column && N ? Y0 - r : Y0;
        OLI_Draw_Line(x_c - T0 / 2, y_from, x_c - T0 / 2, y_to);
        OLI_Draw_Line(x_c + T0 / 2, y_from, x_c + T0 / 2, y_to);
    }
    Sketch_Line_Solid();
    {
        const double h = T0 / 2 + 0.2 * r;
        const double y_from = !column && N ? y_b + 2.2 * r : y_b;
        const double y_to = column && N ? Y0 - 1.2 * r : Y0;
        OLI_Draw_Line(x_c - h, y_from, x_c - h, y_to);
        OLI_Draw_Line(x_c + h, y_from, x_c + h, y_to);
    }
    Sketch_Pen(2);
    if (N) {
        const bool four = g.n_b == 4;
        const double W_s = four ? g.L_c : g.X0;
        const double e_s = four ? g.L_c / 2 - (M + g.w + T0 / 2) : E;
        const double m_s = four ? M + g.w : M;
        Print_Stiffener_Plan_Strip(g.location, x_c, y_b, W_s, Y0 - y_b, e_s, m_s, r);
    }
    if (!column && g.e1 > 0.1) {
        Sketch_Pen(3);
        OLI_Draw_Line(x_L, Y0, x_R, Y0);
        Sketch_Pen(2);
    }

    const double x_d = -0.6 * u;
    if (column && g.e1 >= 0.01) Sketch_Dimension(x_d, y_b, x_d, y_1, 2);
    if (!column && N) Sketch_Dimension(x_d, y_b + 2 * r, x_d, y_1, 2);

    std::vector<double> columns = {x_L + E, x_R - E};
    if (w > 0) {
        columns.push_back(x_L + E + w);
        columns.push_back(x_R - E - w);
    }
    const double spacing_reach = std::min(2 * T.fastener.d, g.p / 2);
    for (int i = 1; i <= n; ++i) {
        const double y = row_y(i);
        if (column && g.t_bp > 0.001) {
            const double a_down = i == 1 ? g.e1_ : spacing_reach;
            const double a_up = i < n ? spacing_reach : N ? g.m2 - 0.2 * r : g.e1_;
            Print_Backing_Plate_Plan(x_L + E, y, M - 0.2 * r, E, a_down, a_up);
            Print_Backing_Plate_Plan(x_R - E, y, E, M - 0.2 * r, a_down, a_up);
        }
        Bolt_Row(T, g, columns, y, i);
        if (i > 1) Sketch_Dimension(x_d, row_y(i - 1), x_d, y, 2);
    }
    const double y_n = row_y(n);
    if (column && N) Sketch_Dimension(x_d, y_n, x_d, y_n + g.m2, 2);
    if (!column && g.e1 > 0.1) Sketch_Dimension(x_d, y_n, x_d, y_n + g.e1, 2);

    Frame_And_Trace(g, x_L, y_b, x_R, Y0, x_L - 0.3 * r, y_1, x_R + 0.3 * r, y_1);
}
