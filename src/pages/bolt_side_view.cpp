// One fastener seen from the side, standing on its axis with its head up, through the plates that
// the calling sketch draws: bolt and injection bolt (head, washers, nut and chamfered end, or a
// countersunk head and nut, or screwed into a tapped hole), anchor bolt (upper nut, embedded end,
// anchor plate), rivet (round or countersunk heads) and pin.
#include <cmath>

#include "pages/input_parts.h"
#include "pages/screen_sketches.h"
#include "platform/host/screen_surface.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"
#include "sketches/screen_sketch_frame.h"

namespace {

// Bolt, injection bolt and anchor bolt: the shank with its end, the washers, the nut or the
// countersunk nut, and the head, the countersunk head or the anchor's upper nut and plate.
void Draw_Bolt_Like(int x, int y, double s, const Fastener& f, int a, int b, int c) {
    const bool anchor = f.type == Fastener_Anchor_Bolt;
    const int green = Screen_Palette.Green_196, rose = Screen_Palette.Rose_196;
    const int TW = Round_To_Pixel(s * f.t_p), HK = Round_To_Pixel(s * f.t_k), HM = Round_To_Pixel(s * f.t_m);
    const int EW = Round_To_Pixel(s * f.d_e);
    const int DH = Round_To_Pixel(0.5 * s * f.d), WH = Round_To_Pixel(0.5 * s * f.d_p);
    int CH = anchor ? 0 : Round_To_Pixel(0.15 * s * f.d);

    // Washers under the head only with washers on both sides; under the nut always.
    int WTh = f.washer_sides == 2 ? TW : 0, WTn = TW;
    int CSH = 0, CSN = 0, DCS = 0;
    if (f.countersunk) {
        CSH = Round_To_Pixel(s * f.t_ks);
        CSN = Round_To_Pixel(s * f.t_ms);
        DCS = Round_To_Pixel(s * f.d_m);
        if (CSH > 0) WTh = 0;
        WTn = CSN < 1 ? TW : 0;
    }

    // Shank length from its top: through the head-side washer and the plates a and c, then the nut
    // side, a tapped hole or nothing.
    int L = a + c + WTh;
    bool nut = false;
    int EM = 0;
    if (!f.tapped_hole) {
        if (b >= 1) {
            L += b + WTn;
            nut = true;
            if (CSN < 1)
                L += HK / 2 + HM;   // through the nut and half a head height beyond
            else
                CH = 0;             // flush in the countersunk nut
        } else {
            CH = 0;
        }
    } else {
        EM = Round_To_Pixel(s * f.l_e) - CH;   // the chamfered tip reaches the screw-in depth
        if (b >= 1)
            L += EM;
        else
            CH = 0;
    }

    const int T = y - a - WTh;
    int T_top = T;
    if (anchor) {
        T_top = T - HK - HK / 2;
        const int CA = Round_To_Pixel(0.15 * s * f.d);
        const int xs[8] = {x - DH, x - DH, x - DH, x + DH, x + DH, x + DH, x + DH - CA, x - DH + CA};
        const int ys[8] = {T_top, T + L, T + L, T + L, T + L, T_top, T_top - CA, T_top - CA};
        if (b >= 1) Fill_Outlined(8, xs, ys, green);
        else Fill_Plain(8, xs, ys, green);
    } else {
        const int xs[6] = {x - DH, x - DH, x - DH + CH, x + DH - CH, x + DH, x + DH};
        const int ys[6] = {T, T + L, T + L + CH, T + L + CH, T + L, T};
        if (b >= 1) Fill_Outlined(6, xs, ys, green);
        else Fill_Plain(6, xs, ys, green);
    }
    if (b < 1) {
        Black_Line(x - DH, T_top, x - DH, T + L);
        Black_Line(x + DH, T_top, x + DH, T + L);
    }

    const bool nut_washer = nut && WTn > 0;
    if (nut_washer) Fill_Outlined_Rectangle(x - WH, y + c + b, x + WH, y + c + b + WTn, rose);
    if (WTh > 0) Fill_Outlined_Rectangle(x - WH, T, x + WH, y - a, rose);

    if (nut) {
        if (CSN < 1) {
            const int N7 = static_cast<int>(0.7 * HM), N15 = static_cast<int>(0.15 * HM);
            Draw_Hex_Part_Side_View(x, y + c + b + TW + N7 + 2 * N15, N7, N15, N15, EW, green);
        } else {
            Draw_Filled_Trapezoid(x, y + c + b - CSN, DCS, CSN, 2 * DH, green);
        }
    }

    if (anchor) {
        if (!nut && EM >= 1 && f.anchorage == Anchorage_Anchor_Plate && f.d_h > 0.1) {
            const int R = Round_To_Pixel(0.5 * s * f.d_h);
            Fill_Outlined_Rectangle(x - R, y + c + EM, x + R, y + c + EM + Round_To_Pixel(s * f.t_h), green);
        }
        // The anchor's own head height serves as the height of its upper nut.
        const int K15 = static_cast<int>(0.15 * HK);
        Draw_Hex_Part_Side_View(x, T, static_cast<int>(0.7 * HK), K15, K15, EW, green);
    } else if (CSH < 1) {
        Draw_Hex_Part_Side_View(x, T, (4 * HK) / 5, HK / 5, 0, EW, green);
    } else {
        Draw_Filled_Trapezoid(x, y - a, 2 * DH, CSH, DCS, green);
    }
}

// Rivet: the shank through the grip with round heads, or countersunk heads in the outer plates.
void Draw_Rivet(int x, int y, double s, const Fastener& f, int a, int b, int c) {
    const int green = Screen_Palette.Green_196;
    const int D0 = Round_To_Pixel(s * f.d_0);
    const int H5 = D0 / 5;
    int G = a + c + b;
    int CSH = 0, CSN = 0;
    if (f.countersunk) {
        CSH = Round_To_Pixel(s * f.t_ks);
        CSN = Round_To_Pixel(s * f.t_ms);
        if (CSH > 0) {
            a -= CSH;
            G -= CSH;
        }
        if (CSN > 0) G -= CSN;
    }
    const int T = y - a, xl = x - D0 / 2, xr = x + D0 / 2;
    const int xs[4] = {xl, xr, xr, xl}, ys[4] = {T, T, T + G, T + G};
    Fill_Plain(4, xs, ys, green);
    if (!f.countersunk) {
        Draw_Arc_Segment(x, T, H5 + D0 / 2, 180, 180, green, Screen_Palette.Black, 1);
        Draw_Arc_Segment(x, T + G, H5 + D0 / 2, 0, 180, green, Screen_Palette.Black, 1);
    } else {
        Draw_Filled_Trapezoid(x, T - CSH, D0, CSH, D0 + 2 * H5, green);
        Draw_Filled_Trapezoid(x, T + G + CSN, D0, -CSN, D0 + 2 * H5, green);
    }
    Black_Line(xl, T, xl, T + G);
    Black_Line(xr, T, xr, T + G);
    for (const int yy : {T, T + G}) {
        Black_Line(xl, yy, xl - H5, yy);
        Black_Line(xr, yy, xr + H5, yy);
    }
    Draw_Measure_Line(xl, T - 5, xr, T - 5, "d0", 0);
}

// Pin: through the middle plate a, both gaps d and both outer plates b, standing out by half its
// diameter at each end, with chamfered ends.
void Draw_Pin(int x, int y, double s, const Fastener& f, int a, int b, int d) {
    const int PR = Round_To_Pixel(0.5 * s * f.d_pin), PC = Round_To_Pixel(0.15 * s * f.d_pin);
    const int yc = y - a / 2;
    const int top = yc - d - b - PR, bottom = yc + a + d + b + PR;
    const int xs[8] = {x - PR, x - PR, x - PR + PC, x + PR - PC, x + PR, x + PR, x + PR - PC, x - PR + PC};
    const int ys[8] = {top, bottom, bottom + PC, bottom + PC, bottom, top, top - PC, top - PC};
    Fill_Outlined(8, xs, ys, Screen_Palette.Green_196);
    Draw_Measure_Line(x - PR, top + PC, x + PR, top + PC, "d", 0);
}

}  // namespace

void Draw_Bolt_Side_View(int x, int y, double s, const Fastener& fastener, int a, int b, int c, int d) {
    switch (fastener.type) {
    case Fastener_Bolt:
    case Fastener_Injection_Bolt:
    case Fastener_Anchor_Bolt: Draw_Bolt_Like(x, y, s, fastener, a, b, c); break;
    case Fastener_Rivet: Draw_Rivet(x, y, s, fastener, a, b, c); break;
    case Fastener_Pin: Draw_Pin(x, y, s, fastener, a, b, d); break;
    default: break;
    }
}
