// Pieces of a fastener on screen, drawn with the host library's pixel primitives: a nut or bolt
// head seen from the side and the trapezoid of a countersink cone or washer. Pixels, y down;
// fills in the given colour, outlines black and 1 px wide.
#include "pages/input_parts.h"
#include "platform/host/screen_surface.h"

namespace {

// Fills the closed polygon in the colour and outlines it in black.
void Fill_And_Outline(int n, const int* x, const int* y, int colour) {
    pxFgc(colour);
    pxFill(n, x, y);
    pxFgc(BLACK_CI);
    for (int k = 0; k < n; ++k) {
        const int next = (k + 1) % n;
        pxTkLn(x[k], y[k], x[next], y[next], 1);
    }
}

}  // namespace

void Draw_Hex_Part_Side_View(int cx, int y_base, int height, int chamfer_top, int chamfer_bottom, int width,
                             int colour) {
    const int h = width / 12;   // horizontal run of a chamfer
    const int x_l = cx - width / 2, x_r = cx + width / 2;
    const int y1 = y_base - chamfer_bottom;
    const int y2 = y1 - height;
    const int y3 = y2 - chamfer_top;
    const int px[8] = {x_l, x_l, x_l + h, x_r - h, x_r, x_r, x_r - h, x_l + h};
    const int py[8] = {y1, y2, y3, y3, y2, y1, y_base, y_base};
    Fill_And_Outline(8, px, py, colour);

    // The two visible edges of the hexagon, continued into the chamfers.
    for (const int edge : {cx - width / 4, cx + width / 4}) {
        pxTkLn(edge, y1, edge, y2, 1);
        if (chamfer_top > 0) {
            pxTkLn(edge, y2, edge - h, y3, 1);
            pxTkLn(edge, y2, edge + h, y3, 1);
        }
        if (chamfer_bottom > 0) {
            pxTkLn(edge, y1, edge - h, y_base, 1);
            pxTkLn(edge, y1, edge + h, y_base, 1);
        }
    }
}

void Draw_Filled_Trapezoid(int cx, int y, int width_far, int height, int width_near, int colour) {
    const int px[4] = {cx - width_near / 2, cx - width_far / 2, cx + width_far / 2, cx + width_near / 2};
    const int py[4] = {y, y + height, y + height, y};
    Fill_And_Outline(4, px, py, colour);
}
