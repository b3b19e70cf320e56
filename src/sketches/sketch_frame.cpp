// Frame of the report sketches: window, head and end lines, and the repeated drawing steps.
#include "sketches/sketch_frame.h"

#include <cmath>
#include <vector>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/interpolation.h"
#include "platform/printlist/print_list_library.h"
#include "report/dimension_lines.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/sketch_style.h"

namespace {

// Available paper width of every sketch: the 16 cm of the text column less 2 cm of margins.
constexpr double Sketch_Paper_Width = 16.0 - 2.0;
// A user scale above this asks for 1:x; below it for the automatic scale.
constexpr double User_Scale_Min = 0.001;

}  // namespace

double Sketch_Scale(double x, double fit_x, double fit_y, double avail_y) {
    if (std::isnan(x) || x < User_Scale_Min)
        return Choose_Drawing_Scale(fit_x, fit_y, Sketch_Paper_Width, avail_y, 1);
    return 0.1 / x;   // x = 0.001 exactly gives 100, without a label
}

double Open_Report_Sketch(FILE* stream, double x, const Sketch_Frame_Layout& layout) {
    Init_Sketch_Style();
    double k = Sketch_Scale(x, layout.fit_x, layout.fit_y, layout.avail_y);
    // An infinite user scale would give k = 0; such a block falls back to the automatic scale.
    if (!(k > 0) || !std::isfinite(k))
        k = Choose_Drawing_Scale(layout.fit_x, layout.fit_y, Sketch_Paper_Width, layout.avail_y, 1);
    const double u = 1.0 / k;
    const bool label = layout.label && x > User_Scale_Min && std::isfinite(x);

    OLI_Open_Graphic(stream, -u, layout.ext_y + layout.top * u, layout.ext_x + u,
                     -layout.bottom * u, k, k, 0, nullptr);
    OLI_Set_Graphic_Verbose(1);
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(8, 6);
    Sketch_Font(9);
    Sketch_Pen(1);
    Sketch_Line_Solid();
    OLI_Set_Dimension_Flags(8);
    OLI_Set_Graphic_Verbose(1);

    if (label) {
        Set_Sketch_Colour(Sketch_Style.Green);
        OLI_Printf_Text(-u, -layout.bottom * u, 0, 3, "Maßstab 1:%.1lf"_cp, 0.1 / k);
        Set_Sketch_Colour(Sketch_Style.Black);
    }
    return u;
}

int Close_Report_Sketch(FILE* stream) {
    OLI_End_Graphic_Group();
    Print_To_Stream(Graphic_State.stream, " -1\n");
    return OLI_setYPositionCM(stream, 1, -0.5f);
}

void Sketch_Pen(int pen) { Write_Graphic_Int(4, pen); }
void Sketch_Font(int font) { Write_Graphic_Int(7, font); }
void Sketch_Line_Solid() { OLI_Set_Line_Type(0); }
void Sketch_Line_Dashed() { OLI_Set_Line_Type(1); }
void Sketch_Line_Dash_Dot() { OLI_Set_Line_Type(3); }

void Sketch_Dimension(double x1, double y1, double x2, double y2, int placement) {
    OLI_Draw_Dimension(x1, y1, x2, y2, 0.1, placement);
}

void Sketch_Fill(int fill, int colour, int n, const double* x, const double* y) {
    std::vector<double> px(x, x + n), py(y, y + n);   // the writer turns its arrays in place
    OLI_Set_Fill_Pattern(fill);
    Set_Sketch_Colour(colour);
    OLI_Fill_Polygon(n, px.data(), py.data());
    Set_Sketch_Colour(Sketch_Style.Black);
}

void Sketch_Fill_Outlined(int fill, int colour, int n, const double* x, const double* y) {
    Sketch_Fill(fill, colour, n, x, y);
    OLI_Draw_Polyline(n, x, y);
}

void Sketch_Fill_Rectangle(int fill, int colour, double x1, double y1, double x2, double y2) {
    OLI_Set_Fill_Pattern(fill);
    Set_Sketch_Colour(colour);
    OLI_Fill_Rectangle(x1, y1, x2, y2);
    Set_Sketch_Colour(Sketch_Style.Black);
}
