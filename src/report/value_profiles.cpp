#include "report/value_profiles.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "common/stream_print.h"
#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/graphic_texts.h"

namespace {

constexpr int Max_Stations = 100;
constexpr double Equal = 0.00001;   // values closer than this count as equal
constexpr int Tick_Limit = 10000;   // ticks on the value axis

// The whole part of a non-negative value with a small lift against representation error.
double Whole(double v) { return std::trunc(v + 0.0001); }

struct Tick_Scale {
    double step = 0;
    std::string format = "%.0lf";
};

// The tick step from half the value range: about two ticks over the range, rounded down to one
// significant digit.
Tick_Scale Choose_Ticks(double R) {
    Tick_Scale t;
    double d = R / 2;
    if (R <= 2e-7) {
        t.step = Whole(d);
    } else if (R < 2) {
        int k = 0;
        while (d < 0.1 && k < 999) {
            d *= 10;
            ++k;
        }
        d *= 10;
        ++k;
        t.step = Whole(d) / std::pow(10.0, k);
        t.format = Format_Text("%%.%dlf", k);
    } else if (R <= 20) {
        t.step = Whole(d);
    } else {
        int k = 0;
        while (d > 100 && k < 9999) {
            d /= 10;
            ++k;
        }
        d /= 10;
        ++k;
        t.step = std::pow(10.0, k) * Whole(d);
    }
    return t;
}

enum class Profile_Sign { Positive, Mixed, Negative };

struct Profile_Input {
    double x1, y1, x2, y2;
    std::vector<double> heights;   // station heights
    std::vector<double> values;    // a copy of the caller's values
    const char* axis_text;
    const char* title;
    double h;
    bool even;                     // the evenly spaced form
};

int Plot_Profile(Profile_Input& p) {
    const Graphic_Block_State& g = Graphic_State;
    const int n = static_cast<int>(p.values.size());
    std::vector<double>& v = p.values;

    double vmin = 1e30, vmax = -1e30;
    for (const double value : v) {
        vmin = std::min(vmin, value);
        vmax = std::max(vmax, value);
    }
    double R = vmax - vmin;
    if (R > -Equal && R < Equal) {
        // A row of equal values is drawn against zero.
        v[0] = 0;
        v[n - 1] = 0;
        if (vmax > 0) {
            vmin = 0;
            R = vmax;
        } else if (vmin < 0) {
            vmax = 0;
            R = -vmin;
        }
    }
    const double W = (p.x2 + 0.04) - (p.x1 + p.h);
    const double kx = R < Equal ? 1 : W / R;
    if (!All_Finite({R, kx, W / std::max(R, Equal)})) return 0;
    const Profile_Sign sign = vmax <= 0  ? Profile_Sign::Negative
                              : vmin < 0 ? Profile_Sign::Mixed
                                         : Profile_Sign::Positive;

    OLI_Begin_Graphic_Group();
    OLI_Set_Fill_Pattern(11);
    const double X0 = p.x1 + p.h - 0.04;
    const double zero = X0 - kx * vmin;
    Write_Graphic_Length(6, 0.015);

    // The area: the base line at the first station, the values, the base line at the last.
    const double base = sign == Profile_Sign::Negative ? p.x2
                        : sign == Profile_Sign::Mixed  ? zero
                                                       : X0;
    std::vector<double> ax, ay;
    ax.push_back(base);
    ay.push_back(p.heights[0]);
    for (int i = 0; i < n; ++i) {
        ax.push_back(X0 + kx * (v[i] - vmin));
        ay.push_back(p.heights[i]);
    }
    ax.push_back(base);
    ay.push_back(p.heights[n - 1]);
    double left = 1e51, right = -1e51, bottom = 1e51, top = -1e51;
    for (std::size_t i = 0; i < ax.size(); ++i) {
        left = std::min(left, ax[i]);
        right = std::max(right, ax[i]);
        bottom = std::min(bottom, ay[i]);
        top = std::max(top, ay[i]);
    }
    if (R > Equal) {
        std::vector<double> fx = ax, fy = ay;
        OLI_Fill_Polygon(n + 2, fx.data(), fy.data());
        OLI_Draw_Polyline(n + 2, ax.data(), ay.data());
    }

    // Zero line and value axis: on the polygon, or on the box in the even form.
    const double line_bottom = p.even ? p.y1 : bottom;
    const double axis_y = p.even ? p.y2 : top;
    Write_Graphic_Length(6, 0.04);
    const double zero_x = sign == Profile_Sign::Negative ? (p.even ? p.x2 : right)
                          : sign == Profile_Sign::Mixed  ? zero
                                                         : (p.even ? X0 : left);
    OLI_Draw_Line(zero_x, line_bottom, zero_x, axis_y);
    OLI_Draw_Line(left, axis_y, left + kx * R, axis_y);

    Write_Graphic_Length(6, 0.01);
    const Tick_Scale t = Choose_Ticks(R);
    Graphic_State.text_angle = 0;
    Write_Graphic_Int(8, 6);
    Write_Graphic_Length(13, 0.8 * p.h);
    auto tick = [&](double X, double value) {
        OLI_Draw_Line(X, axis_y - 0.06, X, axis_y + 0.06);
        OLI_Draw_Text_Rotated(X, axis_y + 0.08 + 0.4 * p.h,
                              Format_Number_Label(t.format.c_str(), value).c_str());
    };
    if (R > Equal && t.step > 0) {
        const double s = t.step;
        switch (sign) {
            case Profile_Sign::Positive:
                for (int k = 1; k <= Tick_Limit && k * s <= vmax; ++k)
                    if (k * s > vmin) tick(left + kx * (k * s - vmin), k * s);
                break;
            case Profile_Sign::Negative:
                for (int k = 1; k <= Tick_Limit && -k * s >= vmin; ++k) tick(right + kx * (-k * s - vmax), -k * s);
                break;
            case Profile_Sign::Mixed:
                OLI_Draw_Line(zero, axis_y - 0.06, zero, axis_y + 0.06);
                OLI_Draw_Text_Rotated(zero, axis_y + 0.08 + 0.4 * p.h, "0");
                for (int k = 1; k <= Tick_Limit && -k * s >= vmin; ++k) tick(zero - kx * k * s, -k * s);
                for (int k = 1; k <= Tick_Limit && k * s <= vmax; ++k) tick(zero + kx * k * s, k * s);
                break;
        }
    }

    Write_Graphic_Int(7, 7);
    OLI_Set_Fill_Pattern(0);
    Print_To_Stream(g.stream, " 23 %d %d\n", 1, 0);
    Write_Graphic_Length(13, p.h);
    const double offset = 0.04 + 0.8 * p.h;
    const double text_x = sign == Profile_Sign::Negative ? (p.even ? p.x2 : right) + offset
                                                         : zero_x - offset;
    const double text_y = p.even ? (p.y1 + p.y2) / 2 : (bottom + top) / 2;
    if (p.even) {
        OLI_Draw_Text_Vertical(text_x, text_y, p.axis_text);
    } else {
        OLI_Set_Text_Angle(Geometry_Half_Pi);
        OLI_Draw_Text_Rotated(text_x, text_y, p.axis_text);
    }
    Graphic_State.text_angle = 0;
    if (p.title[0]) {
        if (p.even) OLI_Draw_Text((X0 + p.x2) / 2, p.y1 - 0.95 * p.h, p.title);
        else OLI_Draw_Text_Rotated((left + right) / 2, bottom - 0.95 * p.h, p.title);
    }
    OLI_End_Graphic_Group();
    return 1;
}

// The refusals common to both forms; y1 raised by a title. True when the profile can be drawn.
bool Accept_Box(Profile_Input& p, const double* values, int n) {
    if (n < 2 || n > Max_Stations || !values) return false;
    if (!All_Finite({p.x1, p.y1, p.x2, p.y2, p.h})) return false;
    for (int i = 0; i < n; ++i)
        if (!All_Finite({values[i]})) return false;
    if (p.title[0]) p.y1 += 1.3 * p.h;
    if ((p.x2 + 0.04) - (p.x1 + p.h) < 0.1) return false;
    if (p.y2 - p.y1 < 0.1) return false;
    p.values.assign(values, values + n);
    return true;
}

}  // namespace

int OLI_Plot_Value_Profile(double x1, double y1, double x2, double y2, const double* positions,
                           const double* values, int n, const char* axis_text, const char* title,
                           double h) {
    if (n < 2 || n > Max_Stations || !positions) return 0;
    double smallest = 1e30, largest = -1e30;
    for (int i = 0; i < n; ++i) {
        if (!All_Finite({positions[i]})) return 0;
        smallest = std::min(smallest, positions[i]);
        largest = std::max(largest, positions[i]);
    }
    if (largest - smallest < 0.1) return 0;
    Profile_Input p{x1, y1, x2, y2, {}, {}, axis_text ? axis_text : "", title ? title : "", h, false};
    if (!Accept_Box(p, values, n)) return 0;
    // Positions count from 0: the profile starts at y1 only when the smallest position is 0.
    const double ks = (p.y2 - p.y1) / (largest - smallest);
    for (int i = 0; i < n; ++i) p.heights.push_back(p.y1 + ks * positions[i]);
    return Plot_Profile(p);
}

int OLI_Plot_Value_Profile_Even(double x1, double y1, double x2, double y2, double a0, double a1,
                                const double* values, int n, const char* axis_text,
                                const char* title, double h) {
    if (!All_Finite({a0, a1}) || a1 - a0 < 0.1) return 0;
    Profile_Input p{x1, y1, x2, y2, {}, {}, axis_text ? axis_text : "", title ? title : "", h, true};
    if (!Accept_Box(p, values, n)) return 0;
    for (int i = 0; i < n; ++i) p.heights.push_back(p.y1 + i * (p.y2 - p.y1) / (n - 1));
    return Plot_Profile(p);
}
