// The T-stub in compression on screen: the column plate on the base plate or T-stub flange with two
// fillet welds, the concrete or grout below, and the dimensions c1, c2 (or the plate length), the
// column plate's thickness and the plate's thickness.
#include "checks/tstub_compression.h"
#include "pages/connection_forms.h"
#include "pages/screen_sketches.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"

#include <cmath>

void Draw_T_Stub_Compression_Sketch(int x1, int y1, int x2, int y2, void* data) {
    if (!data) return;
    T_Stub_Compression T = *static_cast<const T_Stub_Compression*>(data);
    Pack_T_Stub_Compression(&T);
    if (Sketch_Input_Refused(Check_T_Stub_Compression_Input(&T, nullptr, 0, 0), x1, y1)) return;

    // A base plate (c2 below 0.1 mm) is drawn with its projection right of the column plate; that
    // projection is a drawing value only, the record keeps c2 as entered.
    const bool flange = Is_T_Stub_Flange(T);
    const double t = T.plate.t;
    const double c2 = flange ? T.c2 : T.plate.l - (T.c1 + T.t_s);
    const double W = flange ? T.c1 + T.t_s + T.c2 : T.plate.l;
    const double H = 2.2 * t;   // the plate and 1.2 t of the column plate's stub
    if (!(W >= 1) || !(H >= 1)) return;

    const Sketch_Fit fit = Fit_Sketch(x1, y1, x2, y2, W, H, {10, 10, 10, 10}, false);
    const double s = fit.s;
    const int x0 = fit.x1 + 10, y0 = fit.y1 + 10;
    const int Tp = Round_To_Pixel(s * t), C1 = Round_To_Pixel(s * T.c1), WP = Round_To_Pixel(s * W);
    const int C2 = Round_To_Pixel(s * c2), B = Round_To_Pixel(s * 1.2 * t), A = Round_To_Pixel(s * 0.25 * t);
    const int yB = y0 + B, yT = yB + Tp;
    const int xm = x0 + WP / 2;
    const int PL = static_cast<int>(std::trunc(xm - 0.5 * WP)), PR = static_cast<int>(std::trunc(xm + 0.5 * WP));
    const int CL = static_cast<int>(std::trunc(xm - 0.5 * WP + C1));
    const int CR = static_cast<int>(std::trunc(xm + 0.5 * WP - C2));
    const int xE = xm + WP / 2;

    Open_Sketch_Frame(fit);
    // Concrete or grout under the plate, across the whole frame.
    const int band_x[4] = {fit.x1, fit.x2, fit.x2, fit.x1}, band_y[4] = {yT, yT, fit.y2, fit.y2};
    Fill_Plain(4, band_x, band_y, Screen_Palette.Grey_224);
    Black_Line(fit.x2, yT, fit.x1, yT);
    Draw_Weld_Triangle(CL, yB, A, 1, Screen_Palette.Grey_224);
    Draw_Weld_Triangle(CR, yB, A, 0, Screen_Palette.Grey_224);
    // The column plate, cut off above: only its faces are stroked.
    const int col_x[4] = {CL, CR, CR, CL}, col_y[4] = {y0, y0, yB, yB};
    Fill_Plain(4, col_x, col_y, Screen_Palette.Lavender_213);
    Black_Line(CL, y0, CL, yB);
    Black_Line(CR, y0, CR, yB);
    Fill_Outlined_Rectangle(PL, yB, PR, yT, Screen_Palette.Lavender_196);
    Dashed_Line(x0, yB - 5, x0, y1 + 20);
    Dashed_Line(xE, yB - 5, xE, y1 + 20);

    const int xL = x0 + C1, xR = xE - C2;
    if (flange) {
        Draw_Measure_Line(x1 + 20, yB, x1 + 20, yT, "tf", 1);
        Draw_Measure_Line(xL, y1 + 20, x0, y1 + 20, "c1", 0);
        Draw_Measure_Line(xE, y1 + 20, xR, y1 + 20, "c2", 0);
        Draw_Measure_Line(xR, y1 + 20, xL, y1 + 20, "ts", 0);
    } else {
        Draw_Measure_Line(x1 + 20, yB, x1 + 20, yT, "tp", 1);
        Draw_Measure_Line(xL, y1 + 25, x0, y1 + 25, "c1", 0);
        Draw_Measure_Line(xR, y1 + 25, xL, y1 + 25, "ts", 0);
        Draw_Measure_Line(xE, y1 + 13, x0, y1 + 13, "lp", 0);
    }
}
