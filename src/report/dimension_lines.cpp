#include "report/dimension_lines.h"

#include <cmath>
#include <cstring>
#include <string>

#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "report/plot_file.h"

namespace {

constexpr int Flag_No_First = 0x1;
constexpr int Flag_No_Second = 0x2;
constexpr int Flag_Dots = 0x8;
constexpr int Flag_Whole_Units = 0x10;
constexpr double Dot_Diameter = 0.075;   // cm on paper

double Distance(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

// Whole part of a rounded value: v + 0.0001 cut towards zero, kept as a double so that no
// length can overflow an integer.
double Whole_Part(double v) { return std::trunc(v + 0.0001); }

int Label_Characters(const std::string& label) { return static_cast<int>(label.size()); }

struct Label_Place {
    int placement;
    double minimum;
};

// Placement handed on: -2 and 2 ask for the centre and fall back to a side when the estimated
// label width exceeds the labelled value; -1 and 1 stay; anything else is centred. The minimum
// length below which a centred label is pushed out is the label width, or 0 where the label's
// place was chosen here.
Label_Place Choose_Label_Place(int placement, double width, double value, double minimum) {
    if (placement == -2 && width > value) return {-1, 0};
    if (placement == 2 && width > value) return {1, 0};
    if (placement == -2 || placement == 2) return {0, 0};
    if (placement == -1 || placement == 1) return {placement, minimum};
    return {0, minimum};
}

// A line between two points moved by paper offsets (cm) from them.
void Draw_Offset_Line(double x1, double y1, double px1, double py1, double x2, double y2,
                      double px2, double py2) {
    OLI_Draw_Line(x1 + Paper_X(px1), y1 + Paper_Y(py1), x2 + Paper_X(px2), y2 + Paper_Y(py2));
}

// End mark at a point: a dot (filled circle with its outline) or an oblique tick.
void Draw_End_Mark(double x, double y, double a, double s, bool dots) {
    const Graphic_Block_State& g = Graphic_State;
    if (dots) {
        const double d = Dot_Diameter / g.x_scale;
        OLI_Fill_Circle(x, y, d);
        OLI_Draw_Arc(x, y, d, 0, 360);
        return;
    }
    // A stroke at 45 degrees to the line, half length 1.5 * 0.4 * sqrt(2) * s.
    const double t = 1.5 * 0.4 * std::sqrt(2.0) * s;
    const double tx = t * std::cos(a + Geometry_Pi / 4);
    double ty = t * std::sin(a + Geometry_Pi / 4);
    if (g.half_turn) ty = -ty;
    Draw_Offset_Line(x, y, -tx, -ty, x, y, tx, ty);
}

}  // namespace

double Draw_Dimension_Core(double x1, double y1, double x2, double y2, double s,
                           const char* label, const char* superscript, double m, int p) {
    Graphic_Block_State& g = Graphic_State;
    label = label ? label : "";
    superscript = superscript ? superscript : "";
    OLI_Begin_Graphic_Group();
    // The points in the block's frame; the primitives then draw them unturned.
    Turn_Point(x1, y1);
    Turn_Point(x2, y2);
    g.rotation = 0;
    const double L = Round_To_Decimals(Distance(x1, y1, x2, y2), 2);
    if (!std::isfinite(L) || L < 0.01) {
        OLI_End_Graphic_Group();
        return 0;
    }

    Write_Graphic_Int(4, 1);
    OLI_Set_Line_Type(0);
    if (Plot_Is_Open()) {
        Plot_Set_Pen(1);
        Plot_Set_Line_Type(0);
    }

    // Direction d and left normal n of the dimension line.
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    const double dx = std::cos(a), dy = std::sin(a);
    const double nx = -std::sin(a), ny = std::cos(a);
    Draw_Offset_Line(x1, y1, -s * dx, -s * dy, x2, y2, s * dx, s * dy);

    const int flags = g.Dimension_Flags;
    const bool first = !(flags & Flag_No_First), second = !(flags & Flag_No_Second);
    if (first) Draw_Offset_Line(x1, y1, 4 * s * nx, 4 * s * ny, x1, y1, -2 * s * nx, -2 * s * ny);
    if (second) Draw_Offset_Line(x2, y2, 4 * s * nx, 4 * s * ny, x2, y2, -2 * s * nx, -2 * s * ny);
    const bool dots = flags & Flag_Dots;
    if (dots) OLI_Set_Fill_Pattern(0);
    if (first) Draw_End_Mark(x1, y1, a, s, dots);
    if (second) Draw_End_Mark(x2, y2, a, s, dots);

    double theta = a + (g.half_turn ? Geometry_Pi : 0);
    g.text_angle = Reduce_Angle_Below_Two_Pi(theta * g.angle_sign);
    if (Plot_Is_Open()) Plot_Set_Font(2);

    const double h = 2.1 * s;
    Write_Graphic_Length(13, h);
    Write_Graphic_Int(8, 6);

    // Label distance beside the line; a centred label too wide for the line is pushed out to
    // 5.6 s, and with alternation every second one to 8.0 s, so that neighbours do not collide.
    double G = 1.6 * s;
    double result = 0;
    if (p == 0 && m > L) {
        if (!g.alternation_switch || g.alternation_state == 0) {
            G = 5.6 * s;
            g.alternation_state = 1;
            result = 2.0;
        } else {
            G = 8.0 * s;
            g.alternation_state = 0;
            result = 3.2;
        }
    } else {
        g.alternation_state = 0;
    }
    const double k = static_cast<double>(std::strlen(label));
    double cx = (x1 + x2) / 2, cy = (y1 + y2) / 2;
    double px = G * nx, py = G * ny;
    if (p == -1) {
        cx = x1;
        cy = y1;
        px -= k * s * dx;
        py -= k * s * dy;
    } else if (p == 1) {
        cx = x2;
        cy = y2;
        px += k * s * dx;
        py += k * s * dy;
    }
    cx += Paper_X(px);
    cy += Paper_Y(py);
    OLI_Draw_Text_Rotated(cx, cy, label);

    if (superscript[0]) {
        Write_Graphic_Length(13, 0.75 * h);
        const double along = 0.4 * k * h * g.angle_sign, beside = 0.25 * h;
        OLI_Draw_Text_Rotated_Start(cx + Paper_X(along * dx + beside * nx),
                                    cy + Paper_Y(along * dy + beside * ny), superscript);
    }
    OLI_End_Graphic_Group();
    return result;
}

double OLI_Draw_Dimension(double x1, double y1, double x2, double y2, double size, int placement) {
    const double L = Round_To_Decimals(Distance(x1, y1, x2, y2), 1);
    // A length that is not finite has no label; the drawing then ends as for a point.
    if (!std::isfinite(L)) return Draw_Dimension_Core(x1, y1, x2, y2, size, "", "", 0, 0);
    const double w = Whole_Part(L);
    const double f = L - w;
    const std::string superscript = f < 0.05 ? " " : Format_Text("%.0lf", f * 10);
    const std::string label = Format_Number_Label("%.0f", w);
    const double E = Label_Characters(label) * 2 * size / Graphic_State.larger_scale;
    const Label_Place place = Choose_Label_Place(placement, E, w, E);
    return Draw_Dimension_Core(x1, y1, x2, y2, size, label.c_str(), superscript.c_str(),
                               place.minimum, place.placement);
}

double OLI_Draw_Offset_Dimension(double x1, double y1, double x2, double y2, double distance,
                                 double size, int placement) {
    const double a = std::atan2(y2 - y1, x2 - x1);
    const double ox = -distance * std::sin(a), oy = distance * std::cos(a);
    return OLI_Draw_Dimension(x1 + ox, y1 + oy, x2 + ox, y2 + oy, size, placement);
}

double Draw_Unit_Dimension(double x1, double y1, double x2, double y2, double size, double unit,
                           int placement) {
    const double u = std::fabs(unit);
    const double R = Round_To_Decimals(Distance(x1, y1, x2, y2) / u, 1);
    if (!std::isfinite(R)) return 0;
    const double w = Whole_Part(R);
    const double f = R - w;
    double V = w;
    std::string superscript;
    if (unit > 0) {
        // Half-unit form: a half shows as the superscript 5, three quarters round up.
        if (f >= 0.74999)
            V = Round_To_Decimals(R, 0);
        else if (f >= 0.25)
            superscript = "5";
    } else {
        superscript = Format_Text("%.0lf", f * 10);
    }
    const std::string label = V < 100 || (Graphic_State.Dimension_Flags & Flag_Whole_Units)
                                  ? Format_Number_Label("%.0f", V)
                                  : Format_Number_Label("%.2f", V / 100);
    const double E = Label_Characters(label) * 2 * size / (u * Graphic_State.larger_scale);
    const Label_Place place = Choose_Label_Place(placement, E, V, E * u);
    return Draw_Dimension_Core(x1, y1, x2, y2, size, label.c_str(), superscript.c_str(),
                               place.minimum, place.placement);
}

double OLI_Draw_Unit_Dimension(double x1, double y1, double x2, double y2, double size,
                               double unit, int placement) {
    if (unit > -0.00001 && unit < 0.00001) return 0;
    return Draw_Unit_Dimension(x1, y1, x2, y2, size, unit, placement);
}

double OLI_Draw_Metre_Dimension(double x1, double y1, double x2, double y2, double size) {
    const double L = Round_To_Decimals(Distance(x1, y1, x2, y2), 3);
    if (!std::isfinite(L) || L < 0.01) return 0;
    const double r = 100 * L;   // centimetres
    const double n = Whole_Part(r);
    const double F = Round_To_Decimals(r - n, 2);
    const bool half = F >= 0.25 && F < 0.74999;
    const std::string superscript = half ? "5" : "";
    std::string label;
    if (L < 1 && !(Graphic_State.Dimension_Flags & Flag_Whole_Units)) {
        // Whole centimetres; with the half mark they are not rounded up.
        label = Format_Text("%.0f", half ? n : r);
    } else {
        const double value = Round_To_Decimals(r - 0.75 - n, 2) >= 0 ? (n + 1) / 100 : n / 100;
        label = Format_Number_Label("%.2f", value);
    }
    const double minimum = Label_Characters(label) * 1.68 * size / Graphic_State.x_scale;
    return Draw_Dimension_Core(x1, y1, x2, y2, size, label.c_str(), superscript.c_str(), minimum,
                               0);
}
