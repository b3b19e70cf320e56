// Colours and fill patterns of the report sketches: one static style record with a table of 30
// colours and the named colour indexes and fill patterns that the drawing code passes, so that a
// colour is remapped in one place and no sketch writes a literal colour or pattern number.
#pragma once

#include <array>

inline constexpr int Sketch_Colour_Count = 30;

struct Sketch_Colour_Entry {
    int r, g, b;   // 0 to 255; an entry with a negative component is undefined
};

struct Sketch_Style_Record {
    std::array<Sketch_Colour_Entry, Sketch_Colour_Count> table;
    // Colour indexes into the table.
    int Black, White, Grey, Light_Red, Red, Light_Blue, Blue, Dark_Blue, Light_Green, Dark_Green,
        Green, Light_Yellow, Yellow, Brown, Olive, Light_Grey, Slate, Pale_Grey, Off_White, Violet,
        Crimson;
    int Extra_Index_A, Extra_Index_B, Extra_Index_C;   // held; no drawing reads them
    // Print-list fill patterns.
    int Plate_Fill;      // plates, eye bars, packing and other parts in section
    int Fastener_Fill;   // heads and nuts, fasteners in side view, weld sections
    int Resin_Fill;      // resin of injection bolts, weld sections
    int Washer_Fill;     // washers in plan, concrete
};

// All zero (black, fill 0) until the first Init_Sketch_Style.
extern Sketch_Style_Record Sketch_Style;

// Writes every index and fill field and the table entries 0 to 29 (21 to 29 undefined). Every
// report sketch calls it right after its input check.
void Init_Sketch_Style();

// Makes a table colour current in the open graphic block ("50 r g b" in a verbose block); nothing
// for an index outside 0 to 29 or an undefined entry.
void Set_Sketch_Colour(int index);

// The components of a table entry: 0 and r = g = b = 0 for an index outside 0 to 29 or an
// undefined entry gives 1.
int Get_Sketch_Colour_RGB(int index, int* r, int* g, int* b);

void Set_Sketch_Extra_Indexes(int a, int b);

// Replaces the screen palette's sheet background (the host scheme's colour that Init_Screen_Palette
// took) with a colour of the host library; no screen drawing reads that entry.
void Set_Screen_Scheme_Colour(int colour);
