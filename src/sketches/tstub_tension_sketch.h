// The T-stub in tension in the report: view 1, the section across a bolt row, and view 0, the
// flange in plan with all bolt rows. Both views share the derived values and the extents below.
#pragma once

#include <cstdio>

#include "checks/tstub_tension.h"

struct T_Stub_Sketch_Geometry {
    int location;            // T_Stub_Location λ
    int n_b, n;              // bolts per row, rows
    bool L;                  // L-stub: only the left half
    bool next_to;            // row next to the stiffener (λ 0) or the beam tension flange (λ 1)
    double e, m, e1, m1, w, p, m2, t_f, l_f, L_c;
    double rho, r;           // extents margin; root radius or weld leg
    double D_h;              // drawn hole width d + 2Δ
    double t_bp;             // backing plate drawn (λ 0, two bolts, switch set), else 0
    double E, M;             // (e, m), at λ 2 (e1, m1)
    double w_;               // w with four bolts at λ 0 and 1, else 0
    double t_w;              // drawn web thickness
    bool web_given;          // t_w is the given web (or beam flange), not the default 2 (t_f − r)
    double T_x;              // width of the web band in the extents
    double e1_, G;           // e1 or 2 D_h (λ 0); m2 or 2 D_h (λ 1)
    double X1, Y1, X0, Y0;   // extents of view 1 and view 0
    double u;
};

T_Stub_Sketch_Geometry T_Stub_Sketch_Layout(const T_Stub_Tension& T);

// The concave fillet of radius r in the corner (x, y) under the flange: orientation 0 right of a
// web face, any other left of it. Filled, then its arc in Black; the legs are not stroked.
void Print_Corner_Fillet(int orientation, int colour, int fill, double x, double y, double r);

// The backing plate of one bolt in section from y to y + h with the hole D wide on the axis x,
// reaching a_left and a_right; its thickness dimensioned at x_dim. Nothing but the pens for h 0.
void Print_Backing_Plate_Section(double x, double y, double D, double h, double a_left,
                                 double a_right, double x_dim);

// The member crossing the flange in plan: kind 0 a column stiffener at the top edge, 1 a beam
// tension flange at the bottom edge, 2 the beam flange at the top edge of the extension.
void Print_Stiffener_Plan_Strip(int kind, double x_c, double y_b, double W, double H, double e_s,
                                double m_s, double r);
void Print_Backing_Plate_Plan(double x, double y, double a_right, double a_left, double a_down,
                              double a_up);

void Print_T_Stub_Section_View(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g);
void Print_T_Stub_Plan_View(const T_Stub_Tension& T, const T_Stub_Sketch_Geometry& g);
