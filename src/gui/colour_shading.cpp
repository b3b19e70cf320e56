#include "gui/colour_shading.h"

#include "platform/host/host_library.h"
#include "report/graphic_colours.h"

// The report's graphic colours shade in the same HSL model; one implementation serves both.
void Lighten_RGB(int* r, int* g, int* b, double percent) {
    if (!r || !g || !b) return;
    const Rgb_Triple t = Correct_Colour_Brightness(*r, *g, *b, percent);
    *r = t.red;
    *g = t.green;
    *b = t.blue;
}

int Shade_Colour_Index(int colour, double percent) {
    int r = 0, g = 0, b = 0;
    pxQCR(colour, &r, &g, &b);
    Lighten_RGB(&r, &g, &b, percent);
    return Nearest_RGB_Color(r, g, b);
}
