// The program's screen colours and fonts, and the pool of enabled flags of the fields on the page.
//
// Screen_Palette: one record of colour indexes (packed RGB of the host library), flag values and
// font codes, filled once by the main window before its first page (never on the batch road, which
// draws nothing) and read for the life of the process. Inactive and Active are also bound directly
// as enabled flags: an item given &Screen_Palette.Inactive can never be edited.
//
// Field_Activity_Pool: a ring of 1000 flags. Every group of fields that a page adds takes the next
// slot, stores Active or Inactive there and gives the slot's address to its items as their enabled
// flag; each page empties the pool before it builds itself, so the pool holds only the flags of the
// page on screen and a page uses at most 1000 slots.
#pragma once

#include <array>

struct Screen_Palette_Record {
    int Grey_160;       // unit texts of editable rows
    int Mint_230;
    int Apricot;
    int Blue_Grey;
    int Grey_233;       // concrete of anchor joints in the bolted-connection sketch
    int Mint_219;
    int Grey_180;
    int Sand;           // packing plates and grout
    int Grey_224;       // concrete and welds of the T-stub compression sketch, unchecked plates
    int Cream;          // behind the remarks text of the print settings
    int Rose_100;
    int Rose_231;
    int Rose_196;       // washers in the bolt side view
    int Peach;          // injection resin, backing plates
    int Green_125;
    int Green_196;      // fasteners in the bolt side view, welds
    int Lavender_213;   // plates of the bolted-connection sketch
    int Lavender_196;   // base plates, flanges and rolled webs
    int Host_Colour_1;
    int Brown;          // explanatory notes under fields
    int Orange;
    int Grey_192;       // labels, values and units of read-only rows
    int Dark_Red_177;
    int Background;     // the sheet background of the host's scheme
    int Dark_Red_170;
    int Green;          // the ok verdict of the forms
    int Red;            // the not-ok verdict and error marks
    int Brown_2;        // row colour in the material and fastener lists
    int Blue;           // notices and highlighted labels
    int Grey_130;       // read-only groups in the forms
    int White;
    int Black;
    int Inactive;       // flag value of read-only fields
    int Active;         // flag value of editable fields
    int Font_Subscript;
    int Font_Normal;
    int Font_Heading;
    int Font_Heading_2;
};
static_assert(sizeof(Screen_Palette_Record) == 38 * sizeof(int), "the palette is 38 ints without padding");

extern Screen_Palette_Record Screen_Palette;

// Fills every field of Screen_Palette; a later call changes nothing.
void Init_Screen_Palette();

constexpr int Field_Activity_Slots = 1000;

struct Field_Activity_Pool_Record {
    int position = -1;   // the slot taken last, -1 when empty
    std::array<int, Field_Activity_Slots> slots{};
};

extern Field_Activity_Pool_Record Field_Activity_Pool;

// Empties the pool: position -1, every slot 0.
void Reset_Field_Activity_Pool();
// Takes the next slot (after 999 slot 0 again), stores the value (Active or Inactive) in it and
// returns its address, the enabled flag of the fields that follow.
int* Take_Field_Activity_Slot(int value);
