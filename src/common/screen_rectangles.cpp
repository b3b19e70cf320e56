#include "common/screen_rectangles.h"

#include <algorithm>

#include "platform/host/host_library.h"

namespace {

constexpr int Exclusive_Or = 3, Copy = 0;
constexpr int Band_Colour = 2, Zoom_Colour = 100;
constexpr int Default_Steps = 10, Default_Pause = 15;
constexpr int Hide = -1, Show = 0;

int zoom_steps = Default_Steps;
int zoom_pause = Default_Pause;

struct Saved_Rectangle {
    bool held = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
Saved_Rectangle saved;

// The outline of a rectangle with every pixel drawn once, so that in exclusive or no corner cancels
// itself out and drawing it twice leaves the screen as it was.
void Draw_Outline(int x1, int y1, int x2, int y2) {
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    pxLine(x1, y1, x2, y1);
    if (y2 == y1) return;
    pxLine(x1, y2, x2, y2);
    if (y2 - y1 < 2) return;
    pxLine(x1, y1 + 1, x1, y2 - 1);
    if (x2 != x1) pxLine(x2, y1 + 1, x2, y2 - 1);
}

// The rectangle drawn in exclusive or and shown at once.
void Flip_Outline(int x1, int y1, int x2, int y2) {
    Draw_Outline(x1, y1, x2, y2);
    pxFlsh();
}

}  // namespace

void Track_Rubber_Band(int x0, int y0, int* x1, int* y1) {
    const int colour = pxQFgc();
    pxSBop(Exclusive_Or);
    pxFgc(Band_Colour);
    msVisi(Hide);
    int x = M_XPOS, y = M_YPOS;
    Flip_Outline(x0, y0, x, y);
    while (M_LEFT && Get_Mouse_Event() != 0) {
        if (M_XPOS == x && M_YPOS == y) continue;
        Flip_Outline(x0, y0, x, y);
        x = M_XPOS;
        y = M_YPOS;
        Flip_Outline(x0, y0, x, y);
    }
    Flip_Outline(x0, y0, x, y);
    pxSBop(Copy);
    msVisi(Show);
    pxFgc(colour);
    if (x1) *x1 = x;
    if (y1) *y1 = y;
}

void Set_Zoom_Animation(int steps, int pause) {
    if (steps < 0) {
        zoom_steps = Default_Steps;
        zoom_pause = Default_Pause;
        return;
    }
    zoom_steps = steps;
    zoom_pause = pause;
}

void Animate_Zoom_Rectangle(int x1, int y1, int x2, int y2, int X1, int Y1, int X2, int Y2) {
    const int colour = pxQFgc();
    pxFgc(Zoom_Colour);
    pxSBop(Exclusive_Or);
    // Interpolated in double and cut towards zero, as whole pixels.
    const auto at = [](int a, int b, double t) { return static_cast<int>(a + (static_cast<double>(b) - a) * t); };
    for (int i = 0; i <= zoom_steps; ++i) {
        const double t = static_cast<double>(i) / (zoom_steps + 1.0);
        const int a = at(x1, X1, t), b = at(y1, Y1, t), c = at(x2, X2, t), d = at(y2, Y2, t);
        Flip_Outline(a, b, c, d);
        VEKSleep(zoom_pause);
        Flip_Outline(a, b, c, d);
    }
    pxSBop(Copy);
    pxFgc(colour);
}

void Save_And_Clear_Rectangle(int x1, int y1, int x2, int y2) {
    Restore_Saved_Rectangle();
    saved = {true, x1, y1, x2, y2};
    Save_Screen_Rectangle(x1, y1, x2, y2);
    const int colour = pxQFgc();
    pxFgc(GetVEKColor(-1));
    pxRect(x1, y1, x2, y2);
    pxFgc(colour);
}

void Restore_Saved_Rectangle() {
    if (!saved.held) return;
    saved.held = false;
    Restore_Screen_Rectangle();
}

int Saved_Rectangle_Held() { return saved.held ? 1 : 0; }
