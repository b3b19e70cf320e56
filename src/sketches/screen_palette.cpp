#include "sketches/screen_palette.h"

#include "platform/host/screen_surface.h"

Screen_Palette_Record Screen_Palette = {};
Field_Activity_Pool_Record Field_Activity_Pool;

namespace {

bool palette_filled = false;

int Rgb(int r, int g, int b) { return Nearest_RGB_Color(r, g, b); }

}  // namespace

void Init_Screen_Palette() {
    if (palette_filled) return;
    palette_filled = true;
    Screen_Palette = Screen_Palette_Record{
        Rgb(160, 160, 160), Rgb(230, 238, 230), Rgb(255, 219, 183), Rgb(192, 192, 214), Rgb(233, 233, 233),
        Rgb(219, 232, 219), Rgb(180, 180, 180), Rgb(228, 228, 196), Rgb(224, 224, 224), Rgb(255, 255, 196),
        Rgb(255, 100, 100), Rgb(255, 231, 231), Rgb(255, 196, 196), Rgb(255, 231, 206), Rgb(125, 172, 125),
        Rgb(196, 217, 196), Rgb(213, 213, 255), Rgb(196, 196, 255), GetVEKColor(-1),    Rgb(128, 64, 0),
        Rgb(255, 128, 0),   Rgb(192, 192, 192), Rgb(177, 0, 0),     GetVEKColor(-21),   Rgb(170, 0, 0),
        Rgb(0, 128, 0),     Rgb(255, 0, 0),     Rgb(128, 64, 0),    Rgb(4, 2, 252),     Rgb(130, 130, 130),
        Rgb(255, 255, 255), Rgb(0, 0, 0),
        0,       // Inactive
        1,       // Active
        4098,    // subscripts and small notes
        4096,    // labels, symbols, values and units
        0x11000, // headings: the normal face with the bold style bit
        0x11001,
    };
}

void Reset_Field_Activity_Pool() {
    Field_Activity_Pool.position = -1;
    Field_Activity_Pool.slots.fill(0);
}

int* Take_Field_Activity_Slot(int value) {
    Field_Activity_Pool_Record& pool = Field_Activity_Pool;
    pool.position = pool.position < 0 || pool.position + 1 >= Field_Activity_Slots ? 0 : pool.position + 1;
    int& slot = pool.slots[static_cast<std::size_t>(pool.position)];
    slot = value;
    return &slot;
}
