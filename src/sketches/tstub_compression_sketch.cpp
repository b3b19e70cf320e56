// Report sketch of the T-stub in compression: the base plate or T-stub flange in section with the
// column plate welded to it by two fillet welds, the concrete or grout beyond the plate's free
// face, and five dimensions.
#include "report/graphic_shapes.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_frame.h"
#include "sketches/sketch_style.h"

int Print_T_Stub_Compression_Sketch(T_Stub_Compression* tstub, FILE* stream, double scale) {
    if (!tstub) return 1;
    if (const int error = Check_T_Stub_Compression_Input(tstub, nullptr, 0, 0)) return error;
    const T_Stub_Compression& T = *tstub;

    const double t = T.plate.t, l_p = T.plate.l;
    const bool flange = Is_T_Stub_Flange(T);
    const double ext_x = flange ? T.c1 + T.c2 + T.t_s : l_p;
    const double B = flange ? T.b_eff : l_p;                       // drawn plate width
    const double c2 = flange ? T.c2 : l_p - (T.c1 + T.t_s);       // projection right of the column
    const double ext_y = 2.2 * t;   // 1.2 t of the column plate below the t thick plate

    Sketch_Frame_Layout layout;
    layout.ext_x = layout.fit_x = ext_x;
    layout.ext_y = layout.fit_y = ext_y;
    layout.avail_y = 22.0 - 1.4;
    layout.top = 0.4;
    const double u = Open_Report_Sketch(stream, scale, layout);

    const double x_m = ext_x / 2, x_pl = x_m - B / 2, x_pr = x_m + B / 2;
    const double x_l = x_pl + T.c1, x_r = x_pr - c2;
    const double y_s = 1.2 * t, y_f = 2.2 * t;   // underside and free face of the plate
    const double a = 0.25 * t;                   // weld leg
    const double x_a = -0.6 * u, x_b = ext_x + 0.6 * u;

    Sketch_Pen(2);

    // The concrete or grout: a band 0.3 cm deep on paper beyond the free face, then the face line.
    {
        const double px[4] = {x_b, x_a, x_a, x_b};
        const double py[4] = {y_f, y_f, y_f + 0.3 * u, y_f + 0.3 * u};
        Sketch_Fill(Sketch_Style.Washer_Fill, Sketch_Style.Grey, 4, px, py);
        OLI_Draw_Line(x_b, y_f, x_a, y_f);
    }
    // The column plate, cut at y = 0.
    {
        const double px[4] = {x_l, x_l, x_r, x_r};
        const double py[4] = {y_s, 0, 0, y_s};
        Sketch_Fill(Sketch_Style.Plate_Fill, Sketch_Style.Light_Blue, 4, px, py);
        OLI_Draw_Line(x_l, y_s, x_l, 0);
        OLI_Draw_Line(x_r, 0, x_r, y_s);
    }
    // The fillet welds.
    {
        const double lx[3] = {x_l, x_l - a, x_l};
        const double rx[3] = {x_r, x_r + a, x_r};
        const double wy[3] = {y_s - a, y_s, y_s};
        Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Blue, 3, lx, wy);
        Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Blue, 3, rx, wy);
    }
    // The plate.
    {
        const double px[4] = {x_pl, x_pl, x_pr, x_pr};
        const double py[4] = {y_f, y_s, y_s, y_f};
        Sketch_Fill_Outlined(Sketch_Style.Plate_Fill, Sketch_Style.Blue, 4, px, py);
    }

    Sketch_Dimension(x_a, y_s, x_a, y_f, 2);
    Sketch_Dimension(x_l, 0, x_pl, 0, 2);
    Sketch_Dimension(x_pr, 0, x_r, 0, 2);
    Sketch_Dimension(x_r, 0, x_l, 0, 2);
    Sketch_Dimension(x_pr, -0.6 * u, x_pl, -0.6 * u, 2);

    Sketch_Pen(1);
    Close_Report_Sketch(stream);
    return 0;
}
