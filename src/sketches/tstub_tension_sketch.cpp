// T-stub in tension in the report, view 1: the equivalent T-stub in section across a bolt row, the
// flange cut by the holes, the web with its root fillets or fillet welds, backing plates, bolt
// shanks and dimensions. The entry point writes either view.
#include "sketches/tstub_tension_sketch.h"

#include <algorithm>
#include <array>
#include <vector>

#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "sketches/fastener_views.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

T_Stub_Sketch_Geometry T_Stub_Sketch_Layout(const T_Stub_Tension& T) {
    T_Stub_Sketch_Geometry g{};
    const Fastener& f = T.fastener;
    g.location = T.location;
    g.n_b = T.bolts_per_row;
    g.n = std::max(T.row_count, 1);
    g.L = Is_L_Stub(T);
    g.next_to = T.row_next_to_stiffener != 0;
    g.e = T.e;
    g.m = T.m;
    g.e1 = T.e_1;
    g.m1 = T.m_1;
    g.w = T.w;
    g.p = T.p;
    g.m2 = T.m_2;
    g.t_f = T.flange.t;
    g.l_f = T.flange.l;
    g.L_c = T.b_p;
    const bool four = g.n_b == 4;
    const int lambda = g.location;

    g.rho = std::min(g.t_f / 3, g.m / 6);
    g.r = std::min(2 * g.t_f / 3, g.m / 6);
    const double delta = f.hole_type == Hole_Oversize ? f.hole_enlargement : f.delta_d;
    g.D_h = f.d + 2 * delta;
    g.t_bp = lambda == T_Stub_Column_Flange && !four && T.backing_plate ? T.t_bp : 0;
    g.E = lambda == T_Stub_Extension ? g.e1 : g.e;
    g.M = lambda == T_Stub_Extension ? g.m1 : g.m;
    g.w_ = four && lambda != T_Stub_Extension ? g.w : 0;

    // The web drawn: the given web (or at the extension the beam flange) with four bolts per row,
    // otherwise the default 2 (t_f − r). The rule decides, not a comparison of the thicknesses.
    g.web_given = false;
    if (four && lambda != T_Stub_Extension && T.t_w > 0.1) {
        g.t_w = T.t_w;
        g.web_given = true;
    } else if (four && lambda == T_Stub_Extension && T.web.t > 0.1) {
        g.t_w = T.web.t;
        g.web_given = true;
    } else {
        g.t_w = 2 * (g.t_f - g.r);
    }
    g.T_x = g.web_given ? g.t_w + 2 * g.rho : 2 * g.t_f;
    g.e1_ = g.e1 >= 0.01 ? g.e1 : 2 * g.D_h;
    g.G = g.next_to ? g.m2 : 2 * g.D_h;

    g.X1 = 2 * (g.E + g.w_ + g.M) + g.T_x;
    g.Y1 = 3 * (f.t_k + f.t_p) + g.t_f + 3 * g.t_bp;
    const double rows = (g.n - 1) * g.p;
    if (lambda == T_Stub_Column_Flange) {
        g.X0 = g.X1;
        g.Y0 = g.e1_ + (g.next_to ? g.m2 : g.e1_) + rows + g.rho;
    } else if (lambda == T_Stub_End_Plate) {
        g.X0 = g.X1;
        g.Y0 = g.G + (g.e1 > 0.1 ? g.e1 : g.G) + rows + 2 * g.rho;
    } else {
        g.X0 = g.l_f;
        g.Y0 = g.e1 + g.m1 + 2 * g.rho;
    }
    if (T.lengths_given) g.X0 = g.Y0 = 0;
    return g;
}

namespace {

// cos and sin of j·π/16 for j = 0 ... 8.
constexpr std::array<double, 9> Cos_16 = {1.0, 0.98078528040323, 0.92387953251129, 0.83146961230255,
                                          0.70710678118655, 0.55557023301960, 0.38268343236509,
                                          0.19509032201613, 0.0};
constexpr std::array<double, 9> Sin_16 = {0.0, 0.19509032201613, 0.38268343236509, 0.55557023301960,
                                          0.70710678118655, 0.83146961230255, 0.92387953251129,
                                          0.98078528040323, 1.0};

}  // namespace

void Print_Corner_Fillet(int orientation, int colour, int fill, double x, double y, double r) {
    double px[10], py[10];
    px[0] = x;
    py[0] = y;
    for (int j = 0; j <= 8; ++j) {
        if (orientation != 0) {   // centre (x − r, y − r), from the web face up to the flange
            px[j + 1] = x - r + r * Cos_16[j];
            py[j + 1] = y - r + r * Sin_16[j];
        } else {                  // centre (x + r, y − r), angles π/2 + j·π/16
            px[j + 1] = x + r - r * Sin_16[j];
            py[j + 1] = y - r + r * Cos_16[j];
        }
    }
    Sketch_Fill(fill, colour, 10, px, py);
    OLI_Draw_Polyline(-9, px + 1, py + 1);
}

void Print_Backing_Plate_Section(double x, double y, double D, double h, double a_left,
                                 double a_right, double x_dim) {
    Sketch_Pen(2);
    if (h > 0.001) {
        const int fill = Sketch_Style.Plate_Fill, olive = Sketch_Style.Olive;
        const double rx[4] = {x + D / 2, x + D / 2, x + a_right, x + a_right};
        const double ry[4] = {y, y + h, y + h, y};
        Sketch_Fill_Outlined(fill, olive, 4, rx, ry);
        const double lx[4] = {x - a_left, x - a_left, x - D / 2, x - D / 2};
        Sketch_Fill_Outlined(fill, olive, 4, lx, ry);
        Sketch_Dimension(x_dim, y, x_dim, y + h, -2);
    }
    Sketch_Pen(1);
}

void Print_T_Stub_Section_View(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g) {
    const double u = g.u, r = g.r, D = g.D_h, tw = g.t_w, E = g.E, M = g.M, w = g.w_;
    const double Y_b = 3 * (T.fastener.t_k + T.fastener.t_p) + 3 * g.t_bp, Y_t = Y_b + g.t_f;
    const double x_c = g.X1 / 2;
    const double W1 = 2 * (E + w + M + 0.8 * r) + tw;
    const double x_L = x_c - W1 / 2, x_R = x_c + W1 / 2;
    const double wl = x_c - tw / 2, wr = x_c + tw / 2;   // web faces
    const double ml = wl - 0.8 * r, mr = wr + 0.8 * r;   // m-points
    const double ax_lo = x_L + E, ax_ro = x_R - E;       // outer axes
    const double ax_li = ax_lo + w, ax_ri = ax_ro - w;   // inner axes (the outer ones without w)
    const bool inner = w > 0;
    const bool L = g.L;
    const int lambda = g.location;
    const int fill = Sketch_Style.Plate_Fill, blue = Sketch_Style.Blue;

    auto flange_piece = [&](double xa, double xb, bool outlined) {
        const double px[4] = {xa, xa, xb, xb};
        const double py[4] = {Y_t, Y_b, Y_b, Y_t};
        if (outlined) Sketch_Fill_Outlined(fill, blue, 4, px, py);
        else Sketch_Fill(fill, blue, 4, px, py);
    };

    Sketch_Pen(2);
    flange_piece(x_L, ax_lo - D / 2, true);
    if (!L) flange_piece(ax_ro + D / 2, x_R, true);
    if (inner) {
        flange_piece(ax_lo + D / 2, ax_li - D / 2, true);
        if (!L) flange_piece(ax_ri + D / 2, ax_ro - D / 2, true);
    }
    const double m_l = ax_li + D / 2, m_r = L ? wr : ax_ri - D / 2;   // the middle piece
    flange_piece(m_l, m_r, false);

    {
        const double px[4] = {wl, wl, wr, wr};
        const double py[4] = {Y_b, 0, 0, Y_b};
        Sketch_Fill(fill, lambda == T_Stub_Column_Flange ? blue : Sketch_Style.Light_Blue, 4, px, py);
    }
    if (lambda == T_Stub_Column_Flange) {
        Print_Corner_Fillet(1, blue, fill, wl, Y_b, r);
        if (!L) Print_Corner_Fillet(0, blue, fill, wr, Y_b, r);
    } else {
        const double lx[3] = {wl, wl - r, wl}, rx[3] = {wr, wr + r, wr};
        const double wy[3] = {Y_b - r, Y_b, Y_b};
        Sketch_Fill_Outlined(fill, blue, 3, lx, wy);
        if (!L) Sketch_Fill_Outlined(fill, blue, 3, rx, wy);
    }

    OLI_Draw_Line(m_l, Y_t, m_r, Y_t);
    OLI_Draw_Line(m_l, Y_t, m_l, Y_b);
    OLI_Draw_Line(m_l, Y_b, wl - r, Y_b);
    OLI_Draw_Line(wl, Y_b - r, wl, 0);
    OLI_Draw_Line(m_r, Y_t, m_r, Y_b);
    if (!L) OLI_Draw_Line(m_r, Y_b, wr + r, Y_b);
    OLI_Draw_Line(wr, Y_b - r, wr, 0);
    if (lambda != T_Stub_Column_Flange) {
        OLI_Draw_Line(wl - r, Y_b, L ? wr : wr + r, Y_b);
        OLI_Draw_Line(wl, Y_b, wl, Y_b - r);
        OLI_Draw_Line(wr, Y_b, wr, Y_b - r);
    } else if (L) {
        OLI_Draw_Line(wr, Y_b, wr, Y_b - r);
    }

    Sketch_Line_Dashed();
    Sketch_Pen(1);
    OLI_Draw_Line(wl - r, Y_b, ml, Y_b);
    OLI_Draw_Line(ml, Y_b, ml, 0);
    if (!L) {
        OLI_Draw_Line(wr + r, Y_b, mr, Y_b);
        OLI_Draw_Line(mr, Y_b, mr, 0);
    }
    Sketch_Pen(2);
    Sketch_Line_Solid();

    Sketch_Dimension(-0.6 * u, Y_b, -0.6 * u, Y_t, 2);
    const double y_d = u / 4;
    Sketch_Dimension(ax_lo, y_d, x_L, y_d, 2);
    if (inner) Sketch_Dimension(ax_li, y_d, ax_lo, y_d, 2);
    Sketch_Dimension(ml, y_d, ax_li, y_d, 2);
    if (g.n_b == 4) Sketch_Dimension(wr, y_d, wl, y_d, -2);

    // Bolts and backing plates: left outer, right outer, left inner, right inner.
    struct Bolt { double x, a_left, a_right; };
    std::vector<Bolt> bolts;
    const double inward = inner ? w / 2 : M - 0.2 * r;
    bolts.push_back({ax_lo, E, inward});
    if (!L) bolts.push_back({ax_ro, inward, E});
    if (inner) {
        bolts.push_back({ax_li, w / 2, M - 0.2 * r});
        if (!L) bolts.push_back({ax_ri, M - 0.2 * r, w / 2});
    }
    for (const Bolt& b : bolts)
        Print_Bolt_Side_View(nullptr, u, b.x, Y_t - g.t_bp, T.fastener, g.t_f, 0, g.t_bp, 0, 1);
    for (const Bolt& b : bolts)
        Print_Backing_Plate_Section(b.x, Y_b - g.t_bp, D, g.t_bp, b.a_left, b.a_right, -0.6 * u);
    Sketch_Pen(1);
}

int Print_T_Stub_Tension_Sketch(T_Stub_Tension* tstub, FILE* stream, double scale, int view) {
    if (!tstub) return 1;
    if (view == 0 && tstub->lengths_given) return 0;   // the plan needs computed lengths
    if (const int error = Check_T_Stub_Tension_Input(tstub, nullptr, 0, 0)) return error;
    const T_Stub_Tension& T = *tstub;
    if (T.location < T_Stub_Column_Flange || T.location > T_Stub_Extension) return 1;

    T_Stub_Sketch_Geometry g = T_Stub_Sketch_Layout(T);
    // View 0 of the extension keeps 1.2 cm more below the plate for its dimension rows.
    const bool low_rows = view == 0 && T.location == T_Stub_Extension;
    Sketch_Frame_Layout layout;
    layout.ext_x = view == 0 ? g.X0 : g.X1;
    layout.ext_y = view == 0 ? g.Y0 : g.Y1;
    layout.fit_x = std::max(g.X0, g.X1);
    layout.fit_y = std::max(g.Y0, g.Y1);
    layout.avail_y = 21.2 - (low_rows ? 1.2 : 0);
    layout.top = 0.4;
    layout.bottom = low_rows ? 1.6 : 0.4;
    layout.label = view != 0;
    g.u = Open_Report_Sketch(stream, scale, layout);
    if (view == 0) Print_T_Stub_Plan_View(T, g);
    else Print_T_Stub_Section_View(T, g);
    Close_Report_Sketch(stream);
    return 0;
}
