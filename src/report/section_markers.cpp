#include "report/section_markers.h"

#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "platform/printlist/print_list_library.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"

namespace {

int Axis_Cross_Switch = 1;

// Bar diameters (mm) and reinforcing steels of the bar label.
constexpr int Bar_Diameters[10] = {6, 8, 12, 14, 16, 18, 20, 22, 25, 28};
constexpr const char* Bar_Steels[3] = {"BSt 220/340", "BSt 420S", "BSt 500S"};

// Shortest bar that gets a label: 5 model units, compared squared.
constexpr double Bar_Min_Length_Squared = 24.999999999999996;

constexpr double Letter_Step = 0.09259259259259259;   // cm per character of a marker letter: 1/10.8

struct Point {
    double x;
    double y;
};

// A model point moved by a paper offset (cm).
Point Offset(double x, double y, double px, double py) {
    return {x + Paper_X(px), y + Paper_Y(py)};
}

void Line(Point a, Point b) { OLI_Draw_Line(a.x, a.y, b.x, b.y); }

// A filled triangle from three points; the primitive turns its arrays, so it gets copies.
void Fill_Triangle(Point a, Point b, Point c) {
    double x[3] = {a.x, b.x, c.x};
    double y[3] = {a.y, b.y, c.y};
    OLI_Fill_Triangle(x, y);
}

void Outline_Triangle(Point a, Point b, Point c) {
    const double x[3] = {a.x, b.x, c.x};
    const double y[3] = {a.y, b.y, c.y};
    OLI_Draw_Polyline(3, x, y);
}

// Local points (already in model units) placed at (x0, y0) turned by the angle.
template <std::size_t N>
std::array<Point, N> Place_Points(const std::array<Point, N>& local, double x0, double y0,
                                  double angle) {
    std::array<double, N> x{}, y{};
    for (std::size_t i = 0; i < N; ++i) {
        x[i] = local[i].x;
        y[i] = local[i].y;
    }
    Untransform_Points(x.data(), y.data(), static_cast<int>(N), x0, y0, angle, 1);
    std::array<Point, N> out{};
    for (std::size_t i = 0; i < N; ++i) out[i] = {x[i], y[i]};
    return out;
}

// Direction signs that keep level and support symbols upright and unmirrored on paper.
double Sign_X() { return Graphic_State.x_direction == 1 ? 1.0 : -1.0; }
double Sign_Y() { return Graphic_State.mirror_code == 0 ? 1.0 : -1.0; }

// The dash-dot pattern of a cut line: dash 0.2, gap 0.07, dot 0.008, gap 0.07 (cm).
void Write_Cut_Line_Pattern() {
    Print_To_Stream(Graphic_State.stream, " 38 %d %s %d\n", 4, "0.2 0.07 0.008 0.07", 0);
}

// One arrow of the axis cross with its label: shaft, filled head, label beyond the tip; the label
// with an index writes the main part raised left of the index part.
void Draw_Axis(double x0, double y0, double angle, const std::array<Point, 6>& local, double L,
               double T, double w, const char* main_part, const char* index_part) {
    const auto p = Place_Points(local, x0, y0, angle);
    Line(p[0], p[1]);
    Fill_Triangle(p[2], p[3], p[4]);
    double c = p[5].x - x0, e = p[5].y - y0;
    if (Round_To_Decimals(std::fabs(c), 2) != 0) c /= L;
    if (Round_To_Decimals(std::fabs(e), 2) != 0) e /= L;
    const double lx = p[5].x + 0.5 * w * T * c + T * e;
    const double ly = p[5].y + T * c + T * e;
    Write_Graphic_Int(7, 0);
    if (!index_part) {
        OLI_Printf_Text(lx, ly, 4, 4, "%s", main_part);
        return;
    }
    OLI_Printf_Text(lx - 0.25 * T, ly, 4, 1, "%s", main_part);
    Write_Graphic_Int(7, 3);
    OLI_Printf_Text(lx, ly - 0.25 * T, 4, 3, "%s", index_part);
}

// Cuts a label copy at its first escape byte; the text after "╬\" is the index part when at least
// three characters follow the escape.
const char* Split_Index(char* label) {
    char* escape = std::strchr(label, static_cast<char>(0xCE));
    if (!escape) return nullptr;
    *escape = '\0';
    const char* after = escape + 1;
    if (std::strlen(after) >= 3 && after[0] == '\\') return after + 1;
    return nullptr;
}

double Label_Width(const char* main_part, const char* index_part) {
    double w = MT_String_Length(main_part);
    if (index_part) w += 0.8 * MT_String_Length(index_part);
    return w;
}

}  // namespace

void OLI_Draw_Section_Marker(double x1, double y1, double x2, double y2, double s,
                             const char* letter1, const char* letter2) {
    const Graphic_Block_State& g = Graphic_State;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Length(6, 0.025);
    Write_Cut_Line_Pattern();
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    const double nx = -std::sin(a), ny = std::cos(a);
    const Point P1{x1, y1}, P2{x2, y2};
    // Stubs of 2 s cm to the left of the cut line at the lettered ends.
    const Point S1 = Offset(x1, y1, 2 * s * nx, 2 * s * ny);
    const Point S2 = Offset(x2, y2, 2 * s * nx, 2 * s * ny);
    if (letter1) Line(S1, P1);
    Line(P1, P2);
    if (letter2) Line(P2, S2);

    // Arrowheads: equilateral triangles of 0.26 cm (larger scale) with the tip at the stub end.
    double A = 0.26 / g.larger_scale;
    if (s < 0) A = -A;
    OLI_Set_Fill_Pattern(64);
    OLI_Set_Line_Type(0);
    constexpr double Third = Geometry_Pi / 3;
    if (letter1)
        Fill_Triangle(S1, {S1.x + A * std::cos(a + 2 * Third), S1.y + A * std::sin(a + 2 * Third)},
                      {S1.x + A * std::cos(a + Third), S1.y + A * std::sin(a + Third)});
    if (letter2)
        Fill_Triangle(S2, {S2.x - A * std::cos(a - Third), S2.y - A * std::sin(a - Third)},
                      {S2.x - A * std::cos(a - 2 * Third), S2.y - A * std::sin(a - 2 * Third)});

    Write_Graphic_Length(13, 0.25);
    Write_Graphic_Int(8, 6);
    auto letter = [&](const char* text, Point stub) {
        if (!text || !text[0]) return;
        double D = (static_cast<double>(std::strlen(text)) + 0.5) * Letter_Step;
        if (s < 0) D = -D;
        const Point at = Offset(stub.x, stub.y, D * nx, D * ny);
        OLI_Draw_Text_Rotated(at.x, at.y, text);
    };
    letter(letter1, S1);
    letter(letter2, S2);
    OLI_End_Graphic_Group();
}

void OLI_Set_Axis_Cross_Switch(int value) { Axis_Cross_Switch = value; }

void OLI_Draw_Axis_Cross(double x0, double y0, const char* x_label, const char* y_label,
                         double length, double angle) {
    if (!Axis_Cross_Switch) return;
    char* x_copy = Strdup_Counted(x_label ? x_label : "");
    char* y_copy = Strdup_Counted(y_label ? y_label : "");
    if (!x_copy || !y_copy) {   // both labels are needed to draw the cross
        Free_And_Null(&x_copy);
        Free_And_Null(&y_copy);
        return;
    }
    const char* x_index = Split_Index(x_copy);
    const char* y_index = Split_Index(y_copy);

    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 4);
    OLI_Set_Line_Type(0);
    OLI_Set_Fill_Pattern(55);
    const double L = length / Graphic_State.larger_scale;
    const double T = 0.18 / Graphic_State.larger_scale;
    const std::array<Point, 6> x_axis = {
        Point{0, 0}, {0.9 * L, 0}, {L, 0}, {0.8 * L, 0.1 * L}, {0.8 * L, -0.1 * L}, {L, 0}};
    const std::array<Point, 6> y_axis = {
        Point{0, 0}, {0, 0.9 * L}, {0, L}, {-0.1 * L, 0.8 * L}, {0.1 * L, 0.8 * L}, {0, L}};
    Draw_Axis(x0, y0, angle, x_axis, L, T, Label_Width(x_copy, x_index), x_copy, x_index);
    Draw_Axis(x0, y0, angle, y_axis, L, T, Label_Width(y_copy, y_index), y_copy, y_index);
    OLI_End_Graphic_Group();
    Free_And_Null(&x_copy);
    Free_And_Null(&y_copy);
}

void OLI_Draw_Label_Arrow(double x, double y, double s, double a, const char* label) {
    const Graphic_Block_State& g = Graphic_State;
    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 4);
    OLI_Set_Line_Type(0);
    OLI_Set_Fill_Pattern(55);
    Write_Graphic_Length(13, 0.25 * s);
    Write_Graphic_Int(8, 6);
    // Along x or y the arrow takes that axis' scale, in any other direction the larger one; the
    // head's width and height follow the same scale.
    double scale = g.larger_scale;
    const double a4 = Round_To_Decimals(a, 4);
    if (a == 0 || a == Geometry_Pi)
        scale = g.x_scale;
    else if (a4 == Round_To_Decimals(Geometry_Half_Pi, 4) ||
             a4 == Round_To_Decimals(Geometry_Three_Half_Pi, 4))
        scale = g.y_scale;
    const double L = s / scale, w = 0.2 * s / scale, h = 0.2 * s / scale;
    const std::array<Point, 6> local = {
        Point{0, 0}, {L - w / 2, 0}, {L, 0}, {L - w, h / 2}, {L - w, -h / 2}, {L + w, 0}};
    const auto p = Place_Points(local, x, y, a);
    Line(p[0], p[1]);
    Fill_Triangle(p[2], p[3], p[4]);
    OLI_Draw_Text_Rotated(p[5].x, p[5].y, label ? label : "");
    const auto cross = Place_Points(std::array<Point, 2>{Point{-w / 2, 0}, {w / 2, 0}}, x, y,
                                    a + Geometry_Half_Pi);
    Line(cross[0], cross[1]);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Level_Triangle(double x, double y, const char* text, int filled, double s) {
    const double sx = Sign_X(), sy = Sign_Y();
    OLI_Begin_Graphic_Group();
    OLI_Set_Fill_Pattern(filled ? 64 : 0);
    const Point tip{x, y};
    const Point right = Offset(x, y, 0.16 * s * sx, 0.22 * s * sy);
    const Point left = Offset(x, y, -0.16 * s * sx, 0.22 * s * sy);
    Fill_Triangle(tip, right, left);
    Outline_Triangle(tip, right, left);
    Write_Graphic_Length(13, 0.24 * s);
    Graphic_State.text_angle = 0;
    const Point at = Offset(x, y, -0.14 * s * sx, 0.33 * s * sy);
    OLI_Draw_Text_Rotated_Start(at.x, at.y, text ? text : "");
    OLI_End_Graphic_Group();
}

void OLI_Draw_Ground_Level_Mark(double x, double y, const char* text, double s) {
    const double sx = Sign_X(), sy = Sign_Y();
    OLI_Begin_Graphic_Group();
    OLI_Draw_Level_Triangle(x, y, text, 1, s);
    Line(Offset(x, y, -0.16 * s * sx, -0.08 * s * sy), Offset(x, y, 0.16 * s * sx, -0.08 * s * sy));
    Line(Offset(x, y, -0.1 * s * sx, -0.16 * s * sy), Offset(x, y, 0.1 * s * sx, -0.16 * s * sy));
    OLI_End_Graphic_Group();
}

void OLI_Draw_Level_Mark(double x, double y, double m, const char* main_text,
                         const char* second_text, int fill_pattern, double s) {
    const double sx = Sign_X(), sy = Sign_Y();
    OLI_Begin_Graphic_Group();
    Write_Graphic_Length(6, 0.035 * s);
    OLI_Set_Fill_Pattern(fill_pattern);
    const Point tip{x, y};
    const Point right = Offset(x, y, 0.16 * s * sx, 0.22 * s * sy);
    const Point left = Offset(x, y, -0.16 * s * sx, 0.22 * s * sy);
    Outline_Triangle(tip, right, left);
    Fill_Triangle(tip, right, left);
    Line(Offset(x, y, -0.17 * s * sx, 0), Offset(x, y, m * s * sx, 0));
    Write_Graphic_Length(13, 0.24 * s);
    Graphic_State.text_angle = 0;
    const Point main_at = Offset(x, y, -0.14 * s * sx, 0.33 * s * sy);
    OLI_Draw_Text_Rotated_Start(main_at.x, main_at.y, main_text ? main_text : "");
    Write_Graphic_Length(13, 0.2 * s);
    Write_Graphic_Int(8, 0);
    Write_Graphic_Length(6, 0.02 * s);
    Write_Graphic_Length(16, 0.05 * s / Graphic_State.x_scale);
    const Point second_at = Offset(x, y, 0.25 * s * sx, 0.1 * s * sy);
    OLI_Draw_Text_Rotated_Start(second_at.x, second_at.y, second_text ? second_text : "");
    OLI_End_Graphic_Group();
}

void OLI_Draw_Support_Symbol(double x, double y, double angle, int fill_pattern, int hinge,
                             int base_line, double s) {
    const double sx = Sign_X(), sy = Sign_Y();
    OLI_Begin_Graphic_Group();
    const std::array<Point, 5> local = {
        Point{0, 0},
        {Paper_X(0.08 * s * sx), Paper_Y(-0.15 * s * sy)},
        {Paper_X(-0.08 * s * sx), Paper_Y(-0.15 * s * sy)},
        {Paper_X(0.08 * s * sx), Paper_Y(-0.15 * s * sy - 0.04 * s)},
        {Paper_X(-0.08 * s * sx), Paper_Y(-0.15 * s * sy - 0.04 * s)}};
    const auto p = Place_Points(local, x, y, -angle * Geometry_Pi / 180);
    OLI_Set_Fill_Pattern(fill_pattern);
    Fill_Triangle(p[0], p[1], p[2]);
    Write_Graphic_Length(6, 0.015 * s);
    Outline_Triangle(p[0], p[1], p[2]);
    if (base_line) Line(p[3], p[4]);
    if (hinge) {
        OLI_Set_Fill_Pattern(0);
        const double d = 0.065 * s / Graphic_State.x_scale;
        OLI_Draw_Arc(x, y, d, 0, 360);
        OLI_Fill_Circle(x, y, d);
    }
    OLI_End_Graphic_Group();
}

void OLI_Draw_Ground_Hatching(double x, double y, double angle, double s) {
    OLI_Begin_Graphic_Group();
    const std::array<Point, 5> local = {Point{0, 0},
                                        {Paper_X(0.15 * s), 0},
                                        {Paper_X(0.15 * s), Paper_Y(0.1 * s)},
                                        {Paper_X(-0.15 * s), Paper_Y(0.1 * s)},
                                        {Paper_X(-0.15 * s), 0}};
    const auto p = Place_Points(local, x, y, -angle * Geometry_Pi / 180);
    Write_Graphic_Length(6, 0.015 * s);
    Line(p[1], p[4]);
    Write_Graphic_Int(4, 1);
    // Six strokes from the ground line up to the left, a sixth of the line apart.
    const double qx = (p[1].x - p[4].x) / 6, qy = (p[1].y - p[4].y) / 6;
    for (int k = 1; k <= 6; ++k)
        Line({p[4].x + k * qx, p[4].y + k * qy}, {p[3].x + (k - 1) * qx, p[3].y + (k - 1) * qy});
    OLI_End_Graphic_Group();
}

void OLI_Draw_Double_Arrow(double x1, double y1, double x2, double y2, const char* upper_text,
                           const char* lower_text) {
    Graphic_Block_State& g = Graphic_State;
    upper_text = upper_text ? upper_text : "";
    lower_text = lower_text ? lower_text : "";
    OLI_Begin_Graphic_Group();
    Write_Graphic_Length(6, 0.017);
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    const double dx = std::cos(a), dy = std::sin(a);
    const double nx = -std::sin(a), ny = std::cos(a);
    const double A = 0.35 / g.larger_scale;
    // Without an upper text the line opens around its middle for the lower text.
    const double gap =
        upper_text[0] ? 0 : static_cast<double>(std::strlen(lower_text)) * 0.0625 / g.larger_scale;
    const Point mid{(x1 + x2) / 2, (y1 + y2) / 2};
    Line({x1, y1}, {mid.x - gap * dx, mid.y - gap * dy});
    Line({mid.x + gap * dx, mid.y + gap * dy}, {x2, y2});
    // Open arrowheads: strokes at 18 degrees to the line.
    constexpr double Spread = Geometry_Pi / 10;
    for (double t : {Spread, -Spread})
        Line({x1 + A * std::cos(a + t), y1 + A * std::sin(a + t)}, {x1, y1});
    for (double t : {Spread, -Spread})
        Line({x2 - A * std::cos(a + t), y2 - A * std::sin(a + t)}, {x2, y2});
    g.text_angle = Reduce_Angle_Below_Two_Pi(a * g.angle_sign);
    Write_Graphic_Length(13, 0.25);
    const Point upper_at = Offset(mid.x, mid.y, 0.2 * nx, 0.2 * ny);
    OLI_Draw_Text_Rotated(upper_at.x, upper_at.y, upper_text);
    const Point lower_at = upper_text[0] ? Offset(mid.x, mid.y, -0.2 * nx, -0.2 * ny) : mid;
    OLI_Draw_Text_Rotated(lower_at.x, lower_at.y, lower_text);
    OLI_End_Graphic_Group();
}

void OLI_Draw_Bar_Label(double x1, double y1, double x2, double y2, double s, int steel_index,
                        int diameter_index, double spacing, double area, double c_value,
                        double v_value, int position_number) {
    Graphic_Block_State& g = Graphic_State;
    const double length_squared = (x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1);
    if (!(length_squared >= Bar_Min_Length_Squared)) return;
    if (steel_index < 0 || steel_index > 2 || diameter_index < 0 || diameter_index > 9) return;

    OLI_Begin_Graphic_Group();
    Write_Graphic_Int(4, 1);
    OLI_Set_Line_Type(0);
    const double a = Get_Segment_Angle(x1, y1, x2, y2);
    const double dx = std::cos(a), dy = std::sin(a);
    const double nx = -std::sin(a), ny = std::cos(a);
    Line(Offset(x1, y1, -s * dx, -s * dy), Offset(x2, y2, s * dx, s * dy));
    for (const Point P : {Point{x1, y1}, Point{x2, y2}})
        Line(Offset(P.x, P.y, 6 * s * nx, 6 * s * ny), Offset(P.x, P.y, -4.4 * s * nx, -4.4 * s * ny));
    const double t = 1.5 * 0.4 * std::sqrt(2.0) * s;
    const double tx = t * std::cos(a + Geometry_Pi / 4), ty = t * std::sin(a + Geometry_Pi / 4);
    for (const Point P : {Point{x1, y1}, Point{x2, y2}})
        Line(Offset(P.x, P.y, -tx, -ty), Offset(P.x, P.y, tx, ty));

    g.text_angle = Reduce_Angle_Below_Two_Pi(a * g.angle_sign);
    Write_Graphic_Length(13, 2.1 * s);
    Write_Graphic_Int(8, 6);
    const Point mid{(x1 + x2) / 2, (y1 + y2) / 2};
    auto label_at = [&](double k) { return Offset(mid.x, mid.y, k * s * nx, k * s * ny); };

    const Point area_at = label_at(1.6);
    OLI_Draw_Text_Rotated(area_at.x, area_at.y,
                          (Format_Number_Label("%5.2f", area) + " cm²"_cp).c_str());

    // The diameter sign is a symbol of the viewer, placed left of and above the label's centre.
    const Point bar_at = label_at(4.8);
    double X = 0, Y = 0;
    OLI_Model_To_Paper(bar_at.x, bar_at.y, &X, &Y);
    X -= 8.48 * s;
    Y += 1.3 * s;
    if (All_Finite({X, Y}))
        Print_To_Stream(g.stream, " 27 %.1f %.1f %%FONT%%\\%s\n", X, Y, "DURCHM.OCM");
    OLI_Draw_Text_Rotated(bar_at.x, bar_at.y,
                          Format_Text("   %d/%s", Bar_Diameters[diameter_index],
                                      Format_Number_Label("%4.1f", spacing).c_str())
                              .c_str());

    Write_Graphic_Length(13, 1.8 * s);
    const Point cover_at = label_at(-1.6);
    OLI_Draw_Text_Rotated(cover_at.x, cover_at.y,
                          ("C=" + Format_Number_Label("%.0f", 100 * c_value) + "cm V=" +
                           Format_Number_Label("%.0f", v_value))
                              .c_str());

    const Point steel_at = label_at(-4.0);
    const std::string steel = position_number > 0
                                  ? Format_Text("%s Nr. %i", Bar_Steels[steel_index], position_number)
                                  : std::string(Bar_Steels[steel_index]);
    OLI_Draw_Text_Rotated(steel_at.x, steel_at.y, steel.c_str());
    OLI_End_Graphic_Group();
}
