// Colour table and fill patterns of the report sketches.
#include "sketches/sketch_style.h"

#include "report/graphic_colours.h"
#include "sketches/screen_palette.h"

Sketch_Style_Record Sketch_Style{};

namespace {

// Entries 0 to 20 in index order; the index fields below name them.
constexpr std::array<Sketch_Colour_Entry, 21> Defined_Colours = {{
    {0, 0, 0},         // 0  Black: outlines, dimensions
    {255, 255, 255},   // 1  White: cut line and hole of the pin sketch
    {110, 110, 110},   // 2  Grey: plates "ohne Nachweis", concrete
    {255, 100, 100},   // 3  Light_Red
    {255, 50, 50},     // 4  Red: washers in side view
    {125, 125, 255},   // 5  Light_Blue: second plate or part
    {30, 30, 255},     // 6  Blue: first plate or part
    {30, 30, 150},     // 7  Dark_Blue
    {100, 255, 100},   // 8  Light_Green
    {0, 98, 0},        // 9  Dark_Green
    {30, 150, 30},     // 10 Green: scale label, fasteners, weld sections
    {255, 255, 100},   // 11 Light_Yellow
    {255, 255, 50},    // 12 Yellow
    {128, 64, 0},      // 13 Brown: washers in plan, resin
    {128, 128, 0},     // 14 Olive: packing and backing plates
    {224, 224, 224},   // 15 Light_Grey
    {72, 69, 126},     // 16 Slate
    {233, 233, 233},   // 17 Pale_Grey
    {250, 250, 250},   // 18 Off_White
    {165, 75, 165},    // 19 Violet
    {171, 12, 36},     // 20 Crimson
}};

bool Is_Defined_Colour(int index) {
    const auto i = static_cast<unsigned>(index);
    if (i >= static_cast<unsigned>(Sketch_Colour_Count)) return false;
    const Sketch_Colour_Entry& c = Sketch_Style.table[i];
    return c.r >= 0 && c.g >= 0 && c.b >= 0;
}

}  // namespace

void Init_Sketch_Style() {
    Sketch_Style_Record& s = Sketch_Style;
    for (int i = 0; i < Sketch_Colour_Count; ++i)
        s.table[i] = i < static_cast<int>(Defined_Colours.size()) ? Defined_Colours[i]
                                                                  : Sketch_Colour_Entry{-1, -1, -1};
    s.Black = 0;
    s.White = 1;
    s.Grey = 2;
    s.Light_Red = 3;
    s.Red = 4;
    s.Light_Blue = 5;
    s.Blue = 6;
    s.Dark_Blue = 7;
    s.Light_Green = 8;
    s.Dark_Green = 9;
    s.Green = 10;
    s.Light_Yellow = 11;
    s.Yellow = 12;
    s.Brown = 13;
    s.Olive = 14;
    s.Light_Grey = 15;
    s.Slate = 16;
    s.Pale_Grey = 17;
    s.Off_White = 18;
    s.Violet = 19;
    s.Crimson = 20;
    s.Extra_Index_A = 1;
    s.Extra_Index_B = 0;
    s.Extra_Index_C = 13;
    s.Plate_Fill = 59;
    s.Fastener_Fill = 34;
    s.Resin_Fill = 43;
    s.Washer_Fill = 26;
}

void Set_Sketch_Colour(int index) {
    if (!Is_Defined_Colour(index)) return;
    const Sketch_Colour_Entry& c = Sketch_Style.table[index];
    OLI_Set_Colour(c.r, c.g, c.b);
}

int Get_Sketch_Colour_RGB(int index, int* r, int* g, int* b) {
    if (r) *r = 0;
    if (g) *g = 0;
    if (b) *b = 0;
    if (!Is_Defined_Colour(index)) return 1;
    const Sketch_Colour_Entry& c = Sketch_Style.table[index];
    if (r) *r = c.r;
    if (g) *g = c.g;
    if (b) *b = c.b;
    return 0;
}

void Set_Sketch_Extra_Indexes(int a, int b) {
    Sketch_Style.Extra_Index_A = a;
    Sketch_Style.Extra_Index_B = b;
}

void Set_Screen_Scheme_Colour(int colour) { Screen_Palette.Background = colour; }
