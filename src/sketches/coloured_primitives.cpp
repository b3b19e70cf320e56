#include "sketches/coloured_primitives.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "sketches/sketch_style.h"

namespace {

constexpr int Max_Ring_Corners = 64;

// Rounds by adding 5/9 to the magnitude and cutting the fraction; the sign is kept.
double Round_Five_Ninths(double v) {
    const double m = std::trunc(std::fabs(v) + 5.0 / 9.0);
    return v < 0 ? -m : m;
}

}  // namespace

void Print_Coloured_Line(double x1, double y1, double x2, double y2, int colour, int pen) {
    if (colour < 0 || pen < 0) return;
    OLI_Begin_Graphic_Group();
    Set_Sketch_Colour(colour);
    Write_Graphic_Int(4, pen);
    OLI_Draw_Line(x1, y1, x2, y2);
    OLI_End_Graphic_Group();
}

void Print_Circle(double x, double y, double r, int fill_colour, int fill_pattern, int pen,
                  int line_colour) {
    if (!All_Finite({x, y, r})) return;
    OLI_Begin_Graphic_Group();
    if (fill_colour >= 0) {
        Set_Sketch_Colour(fill_colour);
        OLI_Set_Fill_Pattern(fill_pattern);
        OLI_Fill_Circle(x, y, 2 * r);
    }
    if (pen >= 0) {
        Write_Graphic_Int(4, pen);
        Set_Sketch_Colour(line_colour);
    }
    OLI_Draw_Arc(x, y, 2 * r, 0, 360);
    OLI_End_Graphic_Group();
}

void Print_Ring(double x, double y, double r1, double r2, int n, int fill_colour,
                int fill_pattern, int pen, int line_colour) {
    if (fill_colour < 0 || n < 1 || n > Max_Ring_Corners || (pen < 0 && line_colour < 0)) return;
    if (!All_Finite({x, y, r1, r2})) return;
    const bool ring = r2 > 0 && r2 < r1;
    std::vector<double> px, py;
    for (int i = 0; i < n; ++i) {
        const double a = Geometry_Two_Pi * i / n;
        px.push_back(x + r1 * std::cos(a));
        py.push_back(y + r1 * std::sin(a));
    }
    if (ring)
        for (int i = n - 1; i >= 0; --i) {
            const double a = Geometry_Two_Pi * i / n;
            px.push_back(x + r2 * std::cos(a));
            py.push_back(y + r2 * std::sin(a));
        }
    OLI_Begin_Graphic_Group();
    Set_Sketch_Colour(fill_colour);
    OLI_Set_Fill_Pattern(fill_pattern);
    std::vector<double> fx = px, fy = py;
    OLI_Fill_Polygon(static_cast<int>(fx.size()), fx.data(), fy.data());
    if (pen >= 0 && line_colour >= 0) {
        Set_Sketch_Colour(line_colour);
        Write_Graphic_Int(4, 2);
        // Outer edges, then the inner ones of a ring, each as a single line.
        for (int i = 0; i < n; ++i) {
            const int j = (i + 1) % n;
            OLI_Draw_Line(px[i], py[i], px[j], py[j]);
        }
        if (ring)
            for (int i = 0; i < n; ++i) {
                const int j = (i + 1) % n;
                OLI_Draw_Line(px[n + i], py[n + i], px[n + j], py[n + j]);
            }
    }
    OLI_End_Graphic_Group();
}

void Print_Thick_Segment(double x1, double y1, double x2, double y2, double width, int mode) {
    if (mode != 0 || !(std::fabs(width) >= 0.01)) {
        OLI_Draw_Line(x1, y1, x2, y2);
        return;
    }
    const double a = std::atan2(y2 - y1, x2 - x1);
    const double nx = -std::sin(a) * width / 2, ny = std::cos(a) * width / 2;
    double px[4] = {x1 - nx, x2 - nx, x2 + nx, x1 + nx};
    double py[4] = {y1 - ny, y2 - ny, y2 + ny, y1 + ny};
    OLI_Fill_Polygon(4, px, py);
}

void Print_Arc_Band(double x, double y, double r, double start, double sweep, int fill_colour,
                    int fill_pattern, int line_colour, double width, int mode) {
    if (!All_Finite({x, y, r, start, sweep, width}) || sweep < 0.001) return;
    sweep = std::min(sweep, 360.0);
    const double k0 = Round_Five_Ninths(start / 11.25);
    const double k1 = Round_Five_Ninths((start + sweep) / 11.25);
    // At most 34 corners for a full turn; a start so large that the steps vanish gives none.
    const int count = static_cast<int>(std::clamp(k1 - k0, -1.0, 40.0)) + 1;
    if (count < 1) return;
    std::vector<double> px, py;
    for (int i = 0; i < count; ++i) {
        const double a = (k0 + i) * Geometry_Pi / 16;
        px.push_back(x - r * std::cos(a));
        py.push_back(y + r * std::sin(a));
    }
    OLI_Begin_Graphic_Group();
    if (fill_colour >= 0) {
        Set_Sketch_Colour(fill_colour);
        OLI_Set_Fill_Pattern(fill_pattern);
        std::vector<double> fx = px, fy = py;
        OLI_Fill_Polygon(count, fx.data(), fy.data());
    }
    if (line_colour >= 0) {
        Set_Sketch_Colour(line_colour);
        for (int i = 0; i + 1 < count; ++i)
            Print_Thick_Segment(px[i], py[i], px[i + 1], py[i + 1], width, mode);
    }
    OLI_End_Graphic_Group();
}

void Print_Bar_Label(double x, double y, int n, double d, double s) {
    if (n < 0 || !All_Finite({x, y, d, s})) return;
    const double D = 10 * d;   // mm
    if (D < 0 || d < 0.001 || (n == 0 && s < 0.01)) return;
    if (D > INT_MAX) return;
    const int rounded = static_cast<int>(std::lround(D));
    const bool whole = std::fabs(rounded - D) < 0.01;
    std::string text, blanks;
    if (n >= 1 && s > 0.01) {
        text = whole ? Format_Text("%dî%d/%.0lf"_cp, n, rounded, s)
                     : Format_Text("%dî%.1lf/%.1lf"_cp, n, D, s);
        blanks = whole ? "    " : "     ";
    } else if (n >= 1) {
        text = whole ? Format_Text("%dî%d"_cp, n, rounded) : Format_Text("%dî%.1lf"_cp, n, D);
        blanks = whole ? "   " : "    ";
    } else {
        text = whole ? Format_Text("î%d/%.0lf"_cp, rounded, s) : Format_Text("î%.1lf/%.1lf"_cp, D, s);
        blanks = whole ? "   " : "    ";
    }
    OLI_Begin_Graphic_Group();
    OLI_Draw_Text_Box(x, y, 0.2, blanks.c_str());
    Set_Sketch_Colour(Sketch_Style.Black);
    OLI_Draw_Text(x, y, text.c_str());
    OLI_End_Graphic_Group();
}
