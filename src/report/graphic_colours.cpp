#include "report/graphic_colours.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "common/notice_output.h"
#include "platform/host/host_library.h"
#include "report/graphic_block.h"

namespace {

// A colour component from the HSL model back to 0..255 steps: half away from zero. The result is
// not clipped to 0..255 (a lightened white exceeds 255), only held inside the int range.
int To_Colour_Step(double c) {
    const double v = c >= 0 ? c * 255 + 0.5 : c * 255 - 0.5;
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(v);
}

// RGB to HSL, the lightness times the factor, HSL back to RGB.
Rgb_Triple Scale_Lightness(int red, int green, int blue, double factor) {
    constexpr double Step = 0.00392156862745098;   // 1/255
    const double R = red * Step, G = green * Step, B = blue * Step;
    const double mx = std::max({R, G, B});
    const double mn = std::min({R, G, B});
    const double L = (mx + mn) / 2;
    double H = 0, S = 0;
    if (L > 0) {
        const double delta = mx - mn;
        if (delta > 0) {
            S = mx + mn <= 1 ? delta / (mx + mn) : delta / (2 - mx - mn);
            const double r2 = (mx - R) / delta, g2 = (mx - G) / delta, b2 = (mx - B) / delta;
            if (R == mx)
                H = G == mn ? 5 + b2 : 1 - g2;
            else if (G == mx)
                H = B == mn ? 1 + r2 : 3 - b2;
            else
                H = R == mn ? 3 + g2 : 5 - r2;
            H = H * 0.16666666666666666;
        }
    }
    const double L2 = L * factor;
    const double v = L2 <= 0.5 ? L2 * (1 + S) : L2 + S - L2 * S;
    if (v <= 0) return {0, 0, 0};
    const double m = 2 * L2 - v;
    const double sv = (v - m) / v;
    int k = static_cast<int>(std::clamp(6 * H, 0.0, 5.0));
    const double f = 6 * H - k;
    const double w = v * sv * f;
    const double mid1 = m + w, mid2 = v - w;
    double r = 0, g = 0, b = 0;
    switch (k) {
    case 0: r = v; g = mid1; b = m; break;
    case 1: r = mid2; g = v; b = m; break;
    case 2: r = m; g = v; b = mid1; break;
    case 3: r = m; g = mid2; b = v; break;
    case 4: r = mid1; g = m; b = v; break;
    default: r = v; g = m; b = mid2; break;
    }
    return {To_Colour_Step(r), To_Colour_Step(g), To_Colour_Step(b)};
}

// The current colour writes command 50, the second colour command 51: each stores what it is
// given and, in verbose mode, writes the colour corrected by its brightness.
constexpr const char* Current_Colour_Line = "50 %d %d %d\n";
constexpr const char* Second_Colour_Line = "51 %d %d %d\n";

void Write_Colour(const char* format, const Graphic_Colour& c) {
    if (!Graphic_State.verbose) return;
    const Rgb_Triple t = Correct_Colour_Brightness(c.red, c.green, c.blue, c.brightness);
    Print_To_Stream(Graphic_State.stream, format, t.red, t.green, t.blue);
}

void Set_Colour(Graphic_Colour& c, const char* format, int red, int green, int blue) {
    c.red = red;
    c.green = green;
    c.blue = blue;
    Write_Colour(format, c);
}

void Set_Colour_Packed(Graphic_Colour& c, const char* format, int packed) {
    int r = 0, g = 0, b = 0;
    Unpack_RGB(packed, &r, &g, &b);
    Set_Colour(c, format, r, g, b);
}

void Set_Brightness(Graphic_Colour& c, const char* format, double percent) {
    c.brightness = percent;
    Write_Colour(format, c);
}

void Write_Verbose_Code(const char* line) {
    if (Graphic_State.verbose) Print_To_Stream(Graphic_State.stream, "%s", line);
}

}  // namespace

Rgb_Triple Correct_Colour_Brightness(int red, int green, int blue, double percent) {
    return Scale_Lightness(red, green, blue, 1 + percent * 0.01);
}

void OLI_Set_Colour(int red, int green, int blue) {
    Set_Colour(Graphic_State.colour, Current_Colour_Line, red, green, blue);
}

void OLI_Set_Colour_Packed(int packed) {
    Set_Colour_Packed(Graphic_State.colour, Current_Colour_Line, packed);
}

void OLI_Set_Colour_Brightness(double percent) {
    Set_Brightness(Graphic_State.colour, Current_Colour_Line, percent);
}

void OLI_Set_Second_Colour(int red, int green, int blue) {
    Set_Colour(Graphic_State.second_colour, Second_Colour_Line, red, green, blue);
}

void OLI_Set_Second_Colour_Packed(int packed) {
    Set_Colour_Packed(Graphic_State.second_colour, Second_Colour_Line, packed);
}

void OLI_Set_Second_Colour_Brightness(double percent) {
    Set_Brightness(Graphic_State.second_colour, Second_Colour_Line, percent);
}

void OLI_Set_Fill_Pattern(int pattern) {
    Print_To_Stream(Graphic_State.stream, " 20  %d\n", Graphic_State.fill ? pattern : 0);
}

void OLI_Set_Fill_Switch(int fill) { Graphic_State.fill = fill; }

void OLI_Set_Fill_Pattern_Coded(int code, int pattern) {
    if (!Graphic_State.verbose) return;
    Graphic_State.coded_pattern = code;
    if (!Graphic_State.fill) {
        Print_To_Stream(Graphic_State.stream, "20 0\n");
        return;
    }
    Print_To_Stream(Graphic_State.stream, "61\n");
    Print_To_Stream(Graphic_State.stream, "62 %d\n", code);
    Print_To_Stream(Graphic_State.stream, "59\n");
    OLI_Set_Fill_Pattern(pattern);
    Print_To_Stream(Graphic_State.stream, "60\n");
}

void OLI_Write_Code_59() { Write_Verbose_Code("59\n"); }

void OLI_Write_Code_60() { Write_Verbose_Code("60\n"); }

void OLI_Write_Code_61() { Write_Verbose_Code("61\n"); }

void OLI_Set_Line_Type(int type) {
    struct Dash { int count; const char* lengths; };
    constexpr Dash Dashes[] = {
        {0, " "},                                   // solid
        {2, "0.1 0.1"},
        {2, "0.03 0.05"},
        {4, "0.28 0.05 0.04 0.05"},
        {2, "0.01 0.28"},
    };
    const Dash& d = type >= 1 && type <= 4 ? Dashes[type] : Dashes[0];
    Print_To_Stream(Graphic_State.stream, " 38 %d %s %d\n", d.count, d.lengths, 0);
}

int Pack_RGB(int red, int green, int blue) {
    return std::clamp(red, 0, 255) + std::clamp(green, 0, 255) * 256 +
           std::clamp(blue, 0, 255) * 65536;
}

void Unpack_RGB(int packed, int* red, int* green, int* blue) {
    if (red) *red = packed & 0xFF;
    if (green) *green = (packed >> 8) & 0xFF;
    if (blue) *blue = (packed >> 16) & 0xFF;
}

int Lighten_Screen_Colour(int packed, double percent) {
    int r = 0, g = 0, b = 0;
    Unpack_RGB(packed, &r, &g, &b);
    const Rgb_Triple t = Scale_Lightness(r, g, b, 1 + percent * 0.01);
    return Nearest_RGB_Color(t.red, t.green, t.blue);
}

int Darken_Screen_Colour(int packed, double percent) {
    int r = 0, g = 0, b = 0;
    Unpack_RGB(packed, &r, &g, &b);
    const Rgb_Triple t = Scale_Lightness(r, g, b, 1 - percent * 0.01);
    return Nearest_RGB_Color(t.red, t.green, t.blue);
}

int OLI_Choose_Graphic_Scale(double available_width, double available_height,
                             double needed_width, double needed_height, int n,
                             const double* denominators) {
    const double q = std::min(available_width / needed_width, available_height / needed_height);
    for (int i = 0; denominators && i < n; ++i)
        if (q > 1 / denominators[i]) return i;
    Set_Notice_Output_Mode(0);
    Print_Notice("%s",
                 "Benötigter Maßstab für Darstellung in der Druckliste zu klein!\n"
                 "  -> Geometriedaten überprüfen und korrigieren."_cp);
    return -1;
}
