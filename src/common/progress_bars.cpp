#include "common/progress_bars.h"

#include <array>
#include <cmath>

#include "common/screen_rectangles.h"
#include "platform/host/host_library.h"

namespace {

struct Progress_Bar {
    bool active = false;
    int x = 0, y = 0, width = 0;
    bool framed = false;
    int length = 0;       // pixels drawn
    double pause = 0.0;   // seconds after each change
};
std::array<Progress_Bar, Progress_Bar_Slots> bars;

// The bar's colours, taken as the host's nearest colours each time a bar is opened: the rows of the
// filled part from the edges inwards, its bottom row, the end mark, the lit edge and the empty bar.
struct Bar_Colours {
    int edge, second, third, middle, bottom, mark, light, empty;
};
Bar_Colours colours;

void Take_Colours() {
    colours = {Nearest_RGB_Color(32, 96, 192),   Nearest_RGB_Color(0, 127, 207),   Nearest_RGB_Color(113, 175, 229),
               Nearest_RGB_Color(166, 202, 240), Nearest_RGB_Color(32, 64, 128),   Nearest_RGB_Color(0, 0, 0),
               Nearest_RGB_Color(255, 251, 240), Nearest_RGB_Color(235, 245, 225)};
}

Progress_Bar* Open_Slot(int slot) {
    if (slot < 0 || slot >= Progress_Bar_Slots || !bars[static_cast<std::size_t>(slot)].active) return nullptr;
    return &bars[static_cast<std::size_t>(slot)];
}

void Line(int colour, int x1, int y1, int x2, int y2) {
    pxFgc(colour);
    pxLine(x1, y1, x2, y2);
}

void Fill(int colour, int x1, int y1, int x2, int y2) {
    pxFgc(colour);
    pxRect(x1, y1, x2, y2);
}

// The empty bar with its sunken edge: dark along the top and left, light along the bottom and right.
void Draw_Empty_Bar(const Progress_Bar& b) {
    const int x = b.x, y = b.y, w = b.width;
    Fill(colours.empty, x, y, x + w, y + 7);
    Line(colours.mark, x - 1, y - 1, x + w, y - 1);
    Line(colours.mark, x - 1, y - 1, x - 1, y + 7);
    Line(colours.light, x, y + 8, x + w + 1, y + 8);
    Line(colours.light, x + w + 1, y, x + w + 1, y + 7);
}

// The filled part from column a to b: a rounded look of lighter rows towards the middle.
void Draw_Filled(const Progress_Bar& bar, int a, int b) {
    const int y = bar.y;
    const int rows[8] = {colours.edge, colours.second, colours.third, colours.middle,
                         colours.third, colours.second, colours.edge, colours.bottom};
    for (int r = 0; r < 8; ++r) Line(rows[r], a, y + r, b, y + r);
}

}  // namespace

int Open_Progress_Bar(int x, int y, int width, int framed) {
    int slot = 0;
    while (slot < Progress_Bar_Slots && bars[static_cast<std::size_t>(slot)].active) ++slot;
    if (slot == Progress_Bar_Slots) return -1;
    // Only one rectangle can be saved at a time; a second framed bar could not put back its screen.
    if (framed && Saved_Rectangle_Held()) return -1;
    Progress_Bar& b = bars[static_cast<std::size_t>(slot)];
    b = {true, x, y, width < 0 ? 0 : width, framed != 0, 0, 0.0};
    const int colour = pxQFgc();
    if (b.framed) {
        Save_And_Clear_Rectangle(x - 10, y - 10, x + b.width + 20, y + 28);
        Draw_Prop_Sheet_Box(x - 10, y - 10, x + b.width + 10, y + 18);
    }
    Take_Colours();
    Draw_Empty_Bar(b);
    pxFgc(colour);
    return slot;
}

void Set_Progress(int slot, double fraction) {
    Progress_Bar* b = Open_Slot(slot);
    if (!b) return;
    // Held within 0 and the width before it becomes an int, so no fraction can overflow it.
    double pixels = std::isnan(fraction) ? 0.0 : fraction * b->width;
    if (pixels < 0) pixels = 0;
    if (pixels > b->width) pixels = b->width;
    const int length = static_cast<int>(pixels);
    if (length == b->length) return;
    const int colour = pxQFgc();
    if (length > b->length) Draw_Filled(*b, b->x + b->length, b->x + length);
    else Fill(colours.empty, b->x + length, b->y, b->x + b->length, b->y + 7);
    Line(colours.mark, b->x + length, b->y, b->x + length, b->y + 7);
    b->length = length;
    pxFgc(colour);
    pxFlsh();
    if (b->pause > 0) VEKSleep(static_cast<int>(std::lround(std::fmin(b->pause, 86400.0) * 1000.0)));
}

void Set_Progress_Delay(int slot, double seconds) {
    if (Progress_Bar* b = Open_Slot(slot)) b->pause = seconds;
}

void Close_Progress_Bar(int slot) {
    Progress_Bar* b = Open_Slot(slot);
    if (!b) return;
    if (b->framed) {
        Restore_Saved_Rectangle();
    } else {
        const int colour = pxQFgc();
        Fill(GetVEKColor(-1), b->x - 1, b->y - 1, b->x + b->width + 1, b->y + 8);
        pxFgc(colour);
    }
    b->active = false;
}
