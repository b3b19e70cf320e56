#include "report/plot_file.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/graphic_block.h"

Plot_File_State Plot_State;

namespace {

constexpr std::size_t Title_Limit = 255;

// One row of the font table: the name as the colour header writes it and as the grey header
// writes it, the second int, the height and the slant in degrees.
struct Plot_Font_Row {
    const char* colour_name;
    const char* grey_name;
    int bold;
    double height;
    double slant;
};

constexpr Plot_Font_Row Plot_Fonts[] = {
    {" 0.18  normal  ", " 0.18  normal  ", 0, 1.8, 0},
    {" 0.18  kursiv  ", " 0.18  kursiv  ", 0, 1.8, 15},
    {" 0.20  normal  ", " 0.20  normal  ", 0, 2.0, 0},
    {" 0.20  kursiv  ", " 0.20  kursiv  ", 0, 2.0, 15},
    {" 0.35  normal  ", " 0.35  normal  ", 1, 3.5, 0},
    {" 0.35  kursiv  ", " 0.35  kursiv  ", 1, 3.5, 15},
    {" 0.50  normal  ", " 0.50  normal  ", 0, 5.0, 0},
    {" 0.50  kursiv  ", " 0.50  kursiv  ", 0, 5.0, 15},
    {" 0.70  normal  ", " 0.70  normal  ", 1, 7.0, 0},
    {" 0.70  kursiv  ", " 0.70  kursiv  ", 1, 7.0, 15},
    {" 1.0   normal  ", " 1.0   normal  ", 1, 10.0, 0},
    {" 1.0   kursiv  ", " 1.00  kursiv  ", 1, 10.0, 15},
};

// Pen widths in millimetres, seven for each colour.
constexpr const char* Pen_Widths[7] = {"0.180000", "0.200000", "0.350000", "0.500000",
                                       "0.750000", "1.000000", "0.020000"};

int Max_Pen() { return 7 * Plot_State.colour_count + 6; }
int Max_Filling() { return 3 * Plot_State.colour_count + 2; }

double Mirror_Y(double y) {
    return Graphic_State.mirror_code == 2 ? Graphic_State.mirror_sum - y : y;
}

void Write_Head(FILE* f, const char* title, double width, double height) {
    Print_To_Stream(f, "zarn-Vistrel (1.0)A\n%s\n%lf %lf\n0\n\n", title ? title : "", width,
                    height);
    Print_To_Stream(f, "*TABLES\n");
}

void Write_Grey_Colours(FILE* f, int first) {
    for (int i = first; i <= Plot_State.colour_count; ++i) {
        const int g = 20 * (i - first + 1);
        Print_To_Stream(f, "%d  %d %d %d\n", i, g, g, g);
    }
}

void Write_Pens(FILE* f, int count) {
    Print_To_Stream(f, "-pens %d\n", count);
    for (int i = 0; i <= Plot_State.colour_count; ++i)
        for (int k = 0; k < 7; ++k) Print_To_Stream(f, " %d  %s %d\n", 7 * i + k, Pen_Widths[k], i);
}

// The tail common to both headers: coordinate system, layers, end of tables; the ids restart.
void Write_Coordinates_And_Layers(FILE* f, double x_offset, double y_offset) {
    const double s = Plot_State.scale;
    Print_To_Stream(f, "-coordinates 1\n");
    Print_To_Stream(f, " 0 «1:%.0lf» %.0lf 0 %lf %lf 0 0.0 0.0 0 0.0 0.0\n"_cp, 100 / s, 100 / s,
                    x_offset * s, y_offset * s);
    Print_To_Stream(f,
                    "-layers 5\n 0 «Folie 1» 1 1 «Schnitt»\n 1 «Folie 2» 1 1 «Bewehrung»\n"
                    " 2 «Folie 3» 1 1 «Vermaßung»\n 3 «Folie 4» 1 1 «Schraffur»\n"
                    " 4 «Folie 5» 1 1 «Texte»\n"_cp);
    Print_To_Stream(f, "*EOT\n\n");
    Graphic_State.point_id = 1;
    Graphic_State.element_id = 1;
}

void Open_With_Title_V(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                       double rotation, Plot_Header_Writer header, const char* format,
                       va_list args) {
    std::string title = Format_Text_V(format, args);
    if (title.size() > Title_Limit) title.resize(Title_Limit);
    Plot_Open_With_Header(stream, x1, y1, x2, y2, scale, rotation, title.c_str(), header);
}

// One boundary item of an area: element, point with its coordinates, the next point, the pen and
// the tail ("0 1 0.0" for general polygons, "0 0 0.0" for rectangles).
void Write_Area_Item(FILE* f, double x, double y, int next_point, const char* tail) {
    Graphic_Block_State& g = Graphic_State;
    Print_To_Stream(f, " 0 ( @%d ( @%d %lf %lf ) #%d %d %s )\n", g.element_id, g.point_id, x, y,
                    next_point, Plot_State.pen, tail);
    ++g.element_id;
    ++g.point_id;
}

}  // namespace

void Plot_Open_With_Header(FILE* stream, double x1, double y1, double x2, double y2,
                           double scale, double rotation, const char* title,
                           Plot_Header_Writer header) {
    Plot_State.stream = stream;
    Plot_State.scale = scale;
    if (!stream) return;
    const Window_Extent e = Turned_Window_Extent(x1, y1, x2, y2, rotation);
    if (header)
        header(stream, title, -e.x_min, -e.y_min, (e.x_max - e.x_min) * scale,
               (e.y_max - e.y_min) * scale);
    Print_To_Stream(stream, "*ENTITIES\n");
    Print_To_Stream(stream, "-setcoorsys 0\n");
    Print_To_Stream(stream, "-setlayer %d\n", 0);
    Plot_State.pen = 0;
    Plot_State.filling = 0;
    Plot_State.line_type = 0;
    Plot_State.font = 0;
}

void Plot_Open(FILE* stream, double x1, double y1, double x2, double y2, double scale,
               double rotation, const char* title_format, ...) {
    va_list args;
    va_start(args, title_format);
    Open_With_Title_V(stream, x1, y1, x2, y2, scale, rotation, Plot_Write_Header, title_format,
                      args);
    va_end(args);
}

void Plot_Open_Grey(FILE* stream, double x1, double y1, double x2, double y2, double scale,
                    double rotation, const char* title_format, ...) {
    va_list args;
    va_start(args, title_format);
    Open_With_Title_V(stream, x1, y1, x2, y2, scale, rotation, Plot_Write_Grey_Header,
                      title_format, args);
    va_end(args);
}

void Plot_Write_Header(FILE* f, const char* title, double x_offset, double y_offset, double width,
                       double height) {
    const int c = Plot_State.colour_count;
    Write_Head(f, title, width, height);
    Print_To_Stream(f,
                    "-colors %d\n 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n"
                    " 5  255 255 0\n",
                    c);
    Write_Grey_Colours(f, 6);
    Write_Pens(f, 7 * c + 7);
    Print_To_Stream(f,
                    "-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n"
                    " 3 1 0 1.0 2.0\n");
    Print_To_Stream(f, "-fonts 12\n");
    int index = 0;
    for (const Plot_Font_Row& r : Plot_Fonts)
        Print_To_Stream(f, " %d «%s» 0 %d %lf 0.700000 3.000000 %lf 1\n"_cp, index++,
                        r.colour_name, r.bold, r.height, r.slant);
    Print_To_Stream(f, "-fillings %d\n", 3 * c + 3);
    for (int i = 0; i <= c; ++i) {
        Print_To_Stream(f, " %d -45.000000 1   0 1.000000 %d 0\n", 3 * i, 7 * i + 6);
        Print_To_Stream(f, " %d 45.000000 2   0 1.000000 %d 0    1 1.000000 %d 1 \n", 3 * i + 1,
                        7 * i + 6, 7 * i + 6);
        Print_To_Stream(f, " %d 0.000000 1   0 0.010000 %d 0\n", 3 * i + 2, 7 * i);
    }
    Write_Coordinates_And_Layers(f, x_offset, y_offset);
}

void Plot_Write_Grey_Header(FILE* f, const char* title, double x_offset, double y_offset,
                            double width, double height) {
    Plot_State.colour_count = 5;
    const int c = Plot_State.colour_count;
    Write_Head(f, title, width, height);
    Print_To_Stream(f, "-colors 5\n");
    Print_To_Stream(f,
                    " 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n 4  198 198 198\n"
                    " 5  230 230 230\n");
    Write_Grey_Colours(f, 6);
    Write_Pens(f, 7 * c + 8);
    Print_To_Stream(f, " %d  0.0001 %d\n\n", 7 * c + 7, 5);
    Print_To_Stream(f, "-linetypes 5\n");
    Print_To_Stream(f, "0 0 1\n1 1 0 2.0 1.0\n2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n"
                       "4 1 0 0.1 20.0\n");
    Print_To_Stream(f, "-fonts 12\n");
    int index = 0;
    for (const Plot_Font_Row& r : Plot_Fonts)
        Print_To_Stream(f, "%3d «%s» 0 %d %s%lf 0.700000 3.000000 %lf 1\n"_cp, index++,
                        r.grey_name, r.bold, r.height < 10 ? " " : "", r.height, r.slant);
    Print_To_Stream(f, "-fillings %d\n", c + 3);
    for (int j = 0; j <= c; ++j) Print_To_Stream(f, " %d 00.0 1 0 0.20000 %d 0\n", j, 7 * j + 2);
    Print_To_Stream(f, " %d 0.000000 1   0 1.000000 1 0\n", c + 1);
    Print_To_Stream(f, " %d 0.000000 1   0 10000.000000 1 4\n", c + 2);
    Write_Coordinates_And_Layers(f, x_offset, y_offset);
}

void Plot_Close() {
    if (!Plot_State.stream) return;
    Print_To_Stream(Plot_State.stream, "*EOI\n\n");
    std::fclose(Plot_State.stream);
    Plot_State.stream = nullptr;
}

void Plot_Set_Pen(int pen) { Plot_State.pen = pen < 0 ? 0 : std::min(pen, Max_Pen()); }

void Plot_Set_Filling(int filling) {
    Plot_State.filling = filling < 0 ? -1 : std::min(filling, Max_Filling());
}

void Plot_Set_Line_Type(int type) { Plot_State.line_type = std::clamp(type, 0, 3); }

void Plot_Set_Font(int font) { Plot_State.font = std::clamp(font, 0, 11); }

void Plot_Set_Layer(int layer) {
    if (Plot_State.stream) Print_To_Stream(Plot_State.stream, "-setlayer %d\n", std::clamp(layer, 0, 4));
}

bool Plot_Is_Open() { return Plot_State.stream != nullptr; }

void Plot_Write_Line(double x1, double y1, double x2, double y2) {
    FILE* f = Plot_State.stream;
    if (!f) return;
    y1 = Mirror_Y(y1);
    y2 = Mirror_Y(y2);
    if (!All_Finite({x1, y1, x2, y2})) return;
    Graphic_Block_State& g = Graphic_State;
    Print_To_Stream(f, "-line @%d ( @%d %lf %lf ) #%d %d %d 1 0.0\n", g.element_id, g.point_id, x1,
                    y1, g.point_id + 1, Plot_State.pen, Plot_State.line_type);
    ++g.element_id;
    ++g.point_id;
    Print_To_Stream(f, "-point @%d %lf %lf\n", g.point_id, x2, y2);
    ++g.point_id;
}

void Plot_Write_Rectangle_Area(double x1, double y1, double x2, double y2) {
    if (!All_Finite({x1, Mirror_Y(y1), x2, Mirror_Y(y2)})) return;
    if (!Plot_Begin_Area(0, 4)) return;
    Plot_Write_Rectangle_Ring(x1, y1, x2, y2);
}

void Plot_Write_Polygon_Area(int n, const double* x, const double* y) {
    if (n < 1) return;
    for (int i = 0; i < n; ++i)
        if (!All_Finite({x[i], Mirror_Y(y[i])})) return;
    if (!Plot_Begin_Area(0, n)) return;
    Plot_Write_Ring(n, x, y, 1);
}

void Plot_Write_Circle_Area(double cx, double cy, double r) {
    FILE* f = Plot_State.stream;
    if (!f || Plot_State.filling < 0) return;
    if (!All_Finite({cx, Mirror_Y(cy), r})) return;
    Print_To_Stream(f, "-opengroup\n");
    Plot_Begin_Area(0, 2);
    Plot_Write_Half_Circles(cx, cy, r);
    Print_To_Stream(f, "-closegroup\n");
}

bool Plot_Begin_Area(int holes, int count) {
    FILE* f = Plot_State.stream;
    if (!f || Plot_State.filling < 0) return false;
    Print_To_Stream(f, "-area / %d %d\n %d", holes, Plot_State.filling, count);
    return true;
}

void Plot_Begin_Hole(int count) { Print_To_Stream(Plot_State.stream, " %d", count); }

void Plot_Write_Ring(int n, const double* x, const double* y, int flag) {
    FILE* f = Plot_State.stream;
    if (!f) return;
    const char* tail = flag ? "0 1 0.0" : "0 0 0.0";
    const int first = Graphic_State.point_id;
    for (int i = 0; i < n; ++i)
        Write_Area_Item(f, x[i], Mirror_Y(y[i]), i + 1 < n ? Graphic_State.point_id + 1 : first,
                        tail);
}

void Plot_Write_Rectangle_Ring(double x1, double y1, double x2, double y2) {
    FILE* f = Plot_State.stream;
    if (!f) return;
    y1 = Mirror_Y(y1);
    y2 = Mirror_Y(y2);
    Graphic_Block_State& g = Graphic_State;
    const int first = g.point_id;
    Write_Area_Item(f, x1, y2, g.point_id + 1, "0 0 0.0");
    Write_Area_Item(f, x1, y1, g.point_id + 1, "0 0 0.0");
    Write_Area_Item(f, x2, y1, g.point_id + 1, "0 0 0.0");
    // The closing corner carries four decimals.
    Print_To_Stream(f, " 0 ( @%d ( @%d %.4f %.4f ) #%d %d 0 0 0.0 )\n", g.element_id, g.point_id,
                    x2, y2, first, Plot_State.pen);
    ++g.element_id;
    ++g.point_id;
}

void Plot_Write_Half_Circles(double cx, double cy, double r) {
    FILE* f = Plot_State.stream;
    if (!f) return;
    cy = Mirror_Y(cy);
    const int first = Graphic_State.point_id;
    const std::string tail = Format_Text("0 0 %lf", r);
    Write_Area_Item(f, cx, cy + r, Graphic_State.point_id + 1, tail.c_str());
    Write_Area_Item(f, cx, cy - r, first, tail.c_str());
}

void Plot_Open_Group() { Print_To_Stream(Plot_State.stream, "-opengroup\n"); }

void Plot_Close_Group() { Print_To_Stream(Plot_State.stream, "-closegroup\n"); }

void Plot_Write_Text(const char* text, int anchor, double x, double y, double angle_degrees,
                     const char* fixed_angle) {
    FILE* f = Plot_State.stream;
    if (!f) return;
    y = Mirror_Y(y);
    if (!All_Finite({x, y}) || (!fixed_angle && !All_Finite({angle_degrees}))) return;
    const int length = static_cast<int>(std::strlen(text)) + 1;
    if (fixed_angle)
        Print_To_Stream(f, "-text / 1 %d %d 2 1 %d %lf %lf %s 1.2 0. 0.\n", length,
                        Plot_State.font, anchor, x, y, fixed_angle);
    else
        Print_To_Stream(f, "-text / 1 %d %d 2 1 %d %lf %lf %lf 1.2 0. 0.\n", length,
                        Plot_State.font, anchor, x, y, angle_degrees);
    Print_To_Stream(f, "    «%s»\n"_cp, text);
}
