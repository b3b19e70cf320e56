#include "report/graphic_texts.h"

#include <cstdarg>
#include <cstring>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/plot_file.h"

namespace {

constexpr double Degrees_Per_Radian = 57.29577951308232;
constexpr std::size_t Printf_Limit = 255;

const char* Text_Or_Empty(const char* text) { return text ? text : ""; }

// A printf-formatted text, cut to its first 255 characters.
std::string Format_Label_V(const char* format, va_list args) {
    std::string s = Format_Text_V(format, args);
    if (s.size() > Printf_Limit) s.resize(Printf_Limit);
    return s;
}

// Angle of the plot-file text: the rotation plus the text angle, in degrees.
double Plot_Angle() {
    return (Graphic_State.rotation + Graphic_State.text_angle) * Degrees_Per_Radian;
}

// Commands 14 and then 3 (command 3) or 10 (command 10 with its code) at the turned point.
void Write_Turned_Text(double x, double y, const char* text, int command, int code,
                       int plot_anchor) {
    const Graphic_Block_State& g = Graphic_State;
    text = Text_Or_Empty(text);
    Turn_Point(x, y);
    const double X = x * g.x_scale, Y = y * g.y_scale;
    const double angle = (g.text_angle - g.rotation) * Degrees_Per_Radian;
    if (!All_Finite({X, Y, angle})) return;
    Print_To_Stream(g.stream, " 14 %lf 0\n", angle);
    if (command == 3)
        Print_To_Stream(g.stream, " 3 %lf %lf «%s»\n"_cp, X, Y, text);
    else
        Print_To_Stream(g.stream, " 10 %lf %lf %lf %lf %d «%s»\n"_cp, X, Y, X, Y, code, text);
    Plot_Write_Text(text, plot_anchor, x, y, Plot_Angle(), nullptr);
}

// Command 9 (or 2 with code 0) at the unturned point; the plot text takes the block's angle or
// the fixed angle given.
void Write_Unturned_Text(double x, double y, const char* text, int command, int code,
                         int plot_anchor, const char* fixed_angle) {
    const Graphic_Block_State& g = Graphic_State;
    text = Text_Or_Empty(text);
    const double X = x * g.x_scale, Y = y * g.y_scale;
    if (!All_Finite({X, Y})) return;
    if (command == 2)
        Print_To_Stream(g.stream, " 2 %lf %lf «%s»\n"_cp, X, Y, text);
    else
        Print_To_Stream(g.stream, " 9 %lf %lf %lf %lf %d «%s»\n"_cp, X, Y, X, Y, code, text);
    Plot_Write_Text(text, plot_anchor, x, y, Plot_Angle(), fixed_angle);
}

// The framed box: half height e = 0.8 h / s, half width e per character (0.8 e per character
// for longer texts), filled with pattern 0 and outlined, the text centred in it.
void Draw_Text_Box_Core(double x, double y, double h, double s, const char* text) {
    text = Text_Or_Empty(text);
    OLI_Begin_Graphic_Group();
    const auto n = static_cast<double>(std::strlen(text));
    OLI_Set_Fill_Pattern(0);
    const double e = 0.8 * h / s;
    const double w = n <= 1 ? e * n : e * 0.8 * n;
    OLI_Fill_Rectangle(x - w, y - e, x + w, y + e);
    OLI_Draw_Line(x - w, y - e, x - w, y + e);
    OLI_Draw_Line(x - w, y + e, x + w, y + e);
    OLI_Draw_Line(x + w, y + e, x + w, y - e);
    OLI_Draw_Line(x + w, y - e, x - w, y - e);
    OLI_Draw_Text_Rotated(x, y, text);
    OLI_End_Graphic_Group();
}

// The circled label: diameter D = n (h / s) 1.52 in model units, half as large again for one
// character; filled with pattern 0, outlined by a full arc, the text centred.
void Draw_Circled_Core(double x, double y, double h, double s, const char* text) {
    text = Text_Or_Empty(text);
    OLI_Begin_Graphic_Group();
    OLI_Set_Line_Type(0);
    OLI_Set_Fill_Pattern(0);
    Write_Graphic_Int(4, 2);
    const auto n = static_cast<double>(std::strlen(text));
    double D = n * (h / s) * 1.52;
    if (n <= 1) D *= 1.5;
    OLI_Fill_Circle(x, y, D);
    OLI_Draw_Arc(x, y, D, 0, 360);
    OLI_Draw_Text_Rotated(x, y, text);
    OLI_End_Graphic_Group();
}

}  // namespace

int Text_Anchor_Code(int h, int v) {
    const int H = h == 0 ? 0 : h == 4 ? 8 : 24;
    const int V = v == 1 ? 4 : v == 4 ? 2 : 1;
    return 200 + V + H;
}

int Plot_Text_Anchor(int h, int v) {
    const int column = h == 0 ? 0 : h == 4 ? 1 : h == 2 ? 2 : -1;
    const int row = v == 3 ? 0 : v == 4 ? 1 : v == 1 ? 2 : -1;
    if (column < 0 || row < 0) return 5;
    return 1 + 3 * column + row;
}

void OLI_Draw_Text_Rotated_Start(double x, double y, const char* text) {
    Write_Turned_Text(x, y, text, 3, 0, 7);
}

void OLI_Draw_Text_Rotated(double x, double y, const char* text) {
    Write_Turned_Text(x, y, text, 10, 210, 5);
}

void OLI_Printf_Text_Rotated(double x, double y, int h, int v, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format_Label_V(format, args);
    va_end(args);
    Write_Turned_Text(x, y, text.c_str(), 10, Text_Anchor_Code(h, v), Plot_Text_Anchor(h, v));
}

void OLI_Printf_Text(double x, double y, int h, int v, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format_Label_V(format, args);
    va_end(args);
    Write_Unturned_Text(x, y, text.c_str(), 9, Text_Anchor_Code(h, v), Plot_Text_Anchor(h, v),
                        nullptr);
}

void OLI_Draw_Text_Plain(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 2, 0, 7, "0.");
}

void OLI_Draw_Text(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 9, 210, 5, "0.");
}

void OLI_Draw_Text_Centred_V1(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 9, 212, 6, "0.");
}

void OLI_Draw_Text_Right(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 9, 226, 8, "0.");
}

void OLI_Draw_Text_Left(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 9, 202, 2, "0.");
}

void OLI_Draw_Text_Vertical(double x, double y, const char* text) {
    Write_Unturned_Text(x, y, text, 9, 466, 5, "90.");
}

void OLI_Draw_Text_Box(double x, double y, double height, const char* text) {
    Write_Graphic_Length(13, height);
    Draw_Text_Box_Core(x, y, height, Graphic_State.y_scale, text);
}

void OLI_Draw_Text_Box_Styled(double x, double y, double height, double scale, const char* text) {
    Write_Graphic_Int(4, 2);
    Draw_Text_Box_Core(x, y, height, scale, text);
}

void OLI_Printf_Text_Box(double x, double y, double height, double scale, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format_Label_V(format, args);
    va_end(args);
    OLI_Draw_Text_Box_Styled(x, y, height, scale, text.c_str());
}

void OLI_Draw_Number_Box(double x, double y, double height, int number) {
    OLI_Draw_Text_Box(x, y, height, Format_Text("%d", number).c_str());
}

void OLI_Draw_Circled_Text(double x, double y, double height, double scale, const char* text) {
    Draw_Circled_Core(x, y, height, scale, text);
}

void OLI_Printf_Circled_Text(double x, double y, double height, double scale,
                             const char* format, ...) {
    va_list args;
    va_start(args, format);
    const std::string text = Format_Label_V(format, args);
    va_end(args);
    Draw_Circled_Core(x, y, height, scale, text.c_str());
}

void OLI_Draw_Circled_Number(double x, double y, double height, double scale, int number) {
    Draw_Circled_Core(x, y, height, scale, Format_Text("%d", number).c_str());
}
