#include "report/member_diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/counted_alloc.h"
#include "common/stream_print.h"
#include "material/index_sort.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"
#include "report/plot_file.h"

namespace {

int Diagram_Open = 1;   // cleared when the last diagram could not be opened

constexpr int Tick_Limit = 10000;   // ticks on one axis

// A station array of count doubles, zero-filled; none for a count of 0 or less.
void Resize_Station_Array(double** array, int count) {
    if (count < 1) {
        Free_And_Null(array);
        return;
    }
    *array = static_cast<double*>(Realloc_Or_Exit(*array, sizeof(double) * count, 1));
}

bool Member_Finite(const Member_Diagram& d) {
    if (!All_Finite({d.x1, d.y1, d.x2, d.y2, d.value_scale, d.label_offset})) return false;
    if (!d.positions || !d.values) return false;
    for (int i = 0; i < d.count; ++i)
        if (!All_Finite({d.positions[i], d.values[i]})) return false;
    return true;
}

struct Point {
    double x, y;
};

void Fill_Triangle(Point a, Point b, Point c) {
    double x[3] = {a.x, b.x, c.x}, y[3] = {a.y, b.y, c.y};
    OLI_Fill_Triangle(x, y);
}

// Decimals of the tick labels from the tick step: 2 below 0.1, 1 below 1, else 0.
int Tick_Decimals(double t) {
    if (Round_To_Decimals(t - 0.1, 2) < 0) return 2;
    if (Round_To_Decimals(t - 1, 1) < 0) return 1;
    return 0;
}

// Ticks at -t, -2t, ... while above the low end, then at t, 2t, ... while below the high end:
// each value handed to the drawer. The count is bounded by the opener's check.
template <typename Draw>
void For_Each_Tick(double t, double low, double high, Draw draw) {
    for (int k = 1; k <= Tick_Limit && -k * t > low; ++k) draw(-k * t);
    for (int k = 1; k <= Tick_Limit && k * t < high; ++k) draw(k * t);
}

// The number of ticks an axis from low to high would carry with the step t.
double Tick_Count(double t, double low, double high) {
    if (t <= 0) return 0;
    return (std::max(0.0, -low) + std::max(0.0, high)) / t;
}

void Grid_Pattern() { Print_To_Stream(Graphic_State.stream, " 38 %d %s %d\n", 2, "0.03 0.05", 0); }

}  // namespace

void OLI_Init_Member_Diagram(Member_Diagram* d, int count) {
    if (!d) return;
    double* positions = d->positions;
    double* values = d->values;
    *d = Member_Diagram{};
    d->count = std::max(count, 0);
    d->positions = positions;
    d->values = values;
    Resize_Station_Array(&d->positions, count);
    Resize_Station_Array(&d->values, count);
}

void OLI_Copy_Member_Diagram(Member_Diagram* target, const Member_Diagram* source) {
    if (!target || !source || target == source) return;
    double* positions = target->positions;
    double* values = target->values;
    *target = *source;
    target->positions = positions;
    target->values = values;
    std::memcpy(target->name, source->name, sizeof target->name - 1);
    target->name[sizeof target->name - 1] = '\0';
    if (source->count < 1 || !source->positions || !source->values) {
        Free_And_Null(&target->positions);
        Free_And_Null(&target->values);
        if (source->count >= 1) target->count = 0;   // a count without arrays keeps none
        return;
    }
    Copy_Double_Array(source->count, &target->positions, source->positions);
    Copy_Double_Array(source->count, &target->values, source->values);
}

void OLI_Free_Member_Diagram(Member_Diagram* d) {
    if (!d) return;
    Free_And_Null(&d->positions);
    Free_And_Null(&d->values);
}

void OLI_Draw_Member_Diagram(const Member_Diagram* d) {
    const Graphic_Block_State& g = Graphic_State;
    if (!d || d->count <= 0 || !Member_Finite(*d)) return;
    const double length = std::hypot(d->x2 - d->x1, d->y2 - d->y1);
    if (!(length * g.y_scale >= 0.1) || !std::isfinite(length)) return;
    const int n = d->count;

    // The member's frame: along x from the start.
    const double a = Get_Segment_Angle(d->x1, d->y1, d->x2, d->y2);
    double ends_x[2] = {d->x1, d->x2}, ends_y[2] = {d->y1, d->y2};
    Transform_Points(ends_x, ends_y, 2, 0, 0, a, 1);
    const double xs0 = ends_x[0], ys0 = ends_y[0];
    const double E = d->side ? -1 : 1;
    const double q = Paper_Y(d->label_offset);

    std::vector<double> area_x(n + 2), area_y(n + 2);
    std::vector<double> base_x(n), base_y(n), label_x(n), label_y(n);
    for (int i = 0; i < n; ++i) {
        const double u = xs0 + std::min(d->positions[i], length);
        const double v = d->values[i];
        base_x[i] = u;
        base_y[i] = ys0;
        area_x[i] = u;
        area_y[i] = ys0 + E * d->value_scale * v;
        label_x[i] = u;
        label_y[i] = area_y[i] + E * (v > 0 ? q : -q);
    }
    area_x[n] = ends_x[1];
    area_y[n] = ends_y[1];
    area_x[n + 1] = xs0;
    area_y[n + 1] = ys0;
    Untransform_Points(area_x.data(), area_y.data(), n + 2, 0, 0, a, 1);
    Untransform_Points(base_x.data(), base_y.data(), n, 0, 0, a, 1);
    Untransform_Points(label_x.data(), label_y.data(), n, 0, 0, a, 1);

    OLI_Set_Line_Type(0);
    Write_Graphic_Int(4, 1);
    if (d->fill_pattern >= 0) OLI_Set_Fill_Pattern(d->fill_pattern);
    OLI_Fill_Polygon(n + 2, area_x.data(), area_y.data());
    OLI_Draw_Polyline(n + 2, area_x.data(), area_y.data());

    // Labels at the ends and where the slope changes its sense (a local extreme).
    const std::string format = Format_Text("%%.%df", std::clamp(d->decimals, 0, 9));
    const double circle = Paper_Y(0.25);
    double previous = 0;
    for (int i = 0; i < n; ++i) {
        const double slope = i + 1 < n ? d->values[i + 1] - d->values[i] : previous;
        OLI_Draw_Line(base_x[i], base_y[i], area_x[i], area_y[i]);
        const bool turns = (slope >= 0) != (previous >= 0);
        if (i == 0 || i == n - 1 || turns) {
            OLI_Printf_Text(label_x[i], label_y[i], 4, 4, "%s",
                            Format_Number_Label(format.c_str(), d->values[i]).c_str());
        }
        if (turns) {
            const double mx = (base_x[i] + area_x[i]) / 2, my = (base_y[i] + area_y[i]) / 2;
            OLI_Set_Fill_Pattern(0);
            OLI_Fill_Circle(mx, my, circle);
            Write_Graphic_Int(4, 1);
            OLI_Draw_Arc(mx, my, circle, 0, 360);
            OLI_Printf_Text(mx, my, 4, 4, "%c", d->values[i] >= 0 ? '+' : '-');
        }
        previous = slope;
    }

    OLI_Set_Line_Type(0);
    Write_Graphic_Int(4, 3);
    OLI_Draw_Line(d->x1, d->y1, d->x2, d->y2);
    if (d->fibre) {
        // The fibre 0.1 cm to the right of the member's direction.
        double fx[2] = {ends_x[0], ends_x[1]};
        double fy[2] = {ends_y[0] - Paper_Y(0.1), ends_y[1] - Paper_Y(0.1)};
        Untransform_Points(fx, fy, 2, 0, 0, a, 1);
        Write_Graphic_Int(4, 1);
        OLI_Set_Line_Type(1);
        OLI_Draw_Line(fx[0], fy[0], fx[1], fy[1]);
    }
}

void OLI_Draw_Bold_Text(double x, double y, const char* text) {
    if (!text) return;
    const bool plot = Plot_Is_Open();
    if (plot) Plot_Open_Group();
    const double dx = Paper_X(0.01), dy = Paper_Y(0.01);
    OLI_Draw_Text_Plain(x, y, text);
    OLI_Draw_Text_Plain(x + dx, y, text);
    OLI_Draw_Text_Plain(x, y + dy, text);
    OLI_Draw_Text_Plain(x + dx, y + dy, text);
    if (plot) Plot_Close_Group();
}

void OLI_Init_Diagram_Settings(Diagram_Settings* s) {
    if (s) *s = Diagram_Settings{};
}

int OLI_Open_Diagram(FILE* stream, const Diagram_Settings* s) {
    Diagram_Open = 0;
    if (!s) return 1;
    if (!All_Finite({s->width, s->height, s->top, s->right, s->bottom, s->left, s->x_min,
                     s->x_max, s->y_min, s->y_max, s->x_tick, s->y_tick}))
        return 1;
    if (Round_To_Decimals(s->x_max - s->x_min, 3) <= 0 ||
        Round_To_Decimals(s->y_max - s->y_min, 3) <= 0)
        return 1;
    const double paper_x = s->width - s->left - s->right;
    const double paper_y = s->height - s->top - s->bottom;
    if (!(paper_x > 0) || !(paper_y > 0)) return 1;
    if (Tick_Count(s->x_tick, s->x_min, s->x_max) > Tick_Limit ||
        Tick_Count(s->y_tick, s->y_min, s->y_max) > Tick_Limit)
        return 1;
    Diagram_Open = 1;

    const double xs = paper_x / (s->x_max - s->x_min);
    const double ys = paper_y / (s->y_max - s->y_min);
    double wx1 = s->x_min - s->left / xs, wx2 = s->x_max + s->right / xs;
    if (s->x_direction != 1) {
        wx1 = s->x_max + s->left / xs;
        wx2 = s->x_min - s->right / xs;
    }
    double wy1 = s->y_min - s->bottom / ys, wy2 = s->y_max + s->top / ys;
    if (s->y_direction != 0) {
        wy1 = s->y_max + s->bottom / ys;
        wy2 = s->y_min - s->top / ys;
    }
    OLI_Open_Graphic(stream, wx1, wy1, wx2, wy2, xs, ys, 0, nullptr);

    // The x axis with its arrowhead and title.
    Write_Graphic_Length(13, 0.25);
    Write_Graphic_Length(16, 2.0);
    OLI_Set_Line_Type(0);
    OLI_Draw_Line(s->x_min, 0, s->x_max, 0);
    Fill_Triangle({s->x_max + Paper_X(0.2), 0}, {s->x_max, Paper_Y(0.1)}, {s->x_max, -Paper_Y(0.1)});
    OLI_Printf_Text_Rotated(s->x_max + Paper_X(0.3), 0, 4, s->x_direction == 3 ? 1 : 3, "%s",
                            s->x_title);
    if (s->x_tick > 0) {
        const std::string format = Format_Text("%%.%df", Tick_Decimals(s->x_tick));
        Write_Graphic_Length(13, 0.2);
        For_Each_Tick(s->x_tick, s->x_min, s->x_max, [&](double v) {
            const std::string label = Format_Text(format.c_str(), v);
            if (s->y_direction == 0) {
                if (v < 0) OLI_Printf_Text(v, -Paper_Y(0.2), 2, 4, "%s", label.c_str());
                else OLI_Printf_Text(v, -Paper_Y(0.2), 0, 4, "%s", label.c_str());
            } else {
                // A reversed y axis: the negative side 0.15 cm up, the positive side down.
                if (v < 0) OLI_Printf_Text(v, Paper_Y(0.15), 0, 4, "%s", label.c_str());
                else OLI_Printf_Text(v, -Paper_Y(0.15), 2, 4, "%s", label.c_str());
            }
            Write_Graphic_Int(4, 2);
            OLI_Set_Line_Type(0);
            OLI_Draw_Line(v, -Paper_Y(0.1), v, Paper_Y(0.1));
            if (s->grid) {
                Write_Graphic_Int(4, 1);
                Grid_Pattern();
                OLI_Draw_Line(v, s->y_min, v, s->y_max);
            }
        });
    }

    // The y axis likewise.
    Write_Graphic_Int(4, 2);
    Write_Graphic_Length(13, 0.25);
    OLI_Set_Line_Type(0);
    OLI_Draw_Line(0, s->y_min, 0, s->y_max);
    Fill_Triangle({0, s->y_max + Paper_Y(0.2)}, {-Paper_X(0.1), s->y_max}, {Paper_X(0.1), s->y_max});
    OLI_Printf_Text_Rotated(0, s->y_max + Paper_Y(0.25), s->y_direction == 2 ? 0 : 2, 4, "%s",
                            s->y_title);
    if (s->y_tick > 0) {
        const std::string format = Format_Text("%%.%df", Tick_Decimals(s->y_tick));
        Write_Graphic_Length(13, 0.2);
        For_Each_Tick(s->y_tick, s->y_min, s->y_max, [&](double v) {
            const std::string label = Format_Text(format.c_str(), v);
            if (s->x_direction == 1) OLI_Printf_Text(-Paper_X(0.15), v, 4, 1, "%s", label.c_str());
            else OLI_Printf_Text(Paper_X(0.15), v, 4, 3, "%s", label.c_str());
            Write_Graphic_Int(4, 2);
            OLI_Set_Line_Type(0);
            OLI_Draw_Line(-Paper_X(0.1), v, Paper_X(0.1), v);
            if (s->grid) {
                Write_Graphic_Int(4, 1);
                Grid_Pattern();
                OLI_Draw_Line(s->x_min, v, s->x_max, v);
            }
        });
    }
    return 0;
}

void OLI_End_Diagram() {
    if (Diagram_Open) Print_To_Stream(Graphic_State.stream, " -1\n");
}

void OLI_Plot_Curve(FILE* stream, int n, const double* x, const double* y, int x_normal,
                    int y_reversed, double width, double height) {
    if (!Diagram_Open || n < 1 || !x || !y || !All_Finite({width, height})) return;
    for (int i = 0; i < n; ++i)
        if (!All_Finite({x[i], y[i]})) return;
    // The ranges always hold the origin.
    const double x_min = std::min(0.0, x[Find_Extreme_Index(n, x, 0)]);
    const double x_max = std::max(0.0, x[Find_Extreme_Index(n, x, 1)]);
    const double y_min = std::min(0.0, y[Find_Extreme_Index(n, y, 0)]);
    const double y_max = std::max(0.0, y[Find_Extreme_Index(n, y, 1)]);
    const double xs = width / (x_max - x_min), ys = height / (y_max - y_min);
    if (x_max - x_min == 0 || y_max - y_min == 0 || !All_Finite({xs, ys})) return;

    Graphic_Block_State& g = Graphic_State;
    g.stream = stream;
    g.alternation_state = 0;
    g.x_scale = xs;
    g.y_scale = ys;
    g.smaller_scale = std::min(xs, ys);
    g.larger_scale = std::max(xs, ys);
    g.label_factor = 0.3 / g.larger_scale;
    g.text_angle = 0;
    g.rotation = 0;
    g.angle_sign = 1;

    Print_To_Stream(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
    Print_To_Stream(stream, "%d\n", -1);
    const double X1 = x_min * xs - 1, X2 = x_max * xs + 1;
    const double Y1 = y_min * ys - 1, Y2 = y_max * ys + 1;
    Print_To_Stream(stream, "%lf %lf %lf %lf\n", x_normal == 1 ? X1 : X2, x_normal == 1 ? X2 : X1,
                    y_reversed ? Y2 : Y1, y_reversed ? Y1 : Y2);
    OLI_Draw_Line(x_min, 0, x_max, 0);
    OLI_Draw_Line(0, y_min, 0, y_max);
    for (int i = 0; i + 1 < n; ++i) OLI_Draw_Line(x[i], y[i], x[i + 1], y[i + 1]);
    Print_To_Stream(stream, " -1\n");
}
