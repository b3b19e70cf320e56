// The small drawing steps that every input part repeats: taking a pool slot, the colours of an
// editable or read-only group, texts in the palette's fonts and one value row (label, symbol,
// subscript, float field, unit).
#pragma once

#include <span>

#include "gui/view_area_item.h"

// Takes the next pool slot holding Active when the flag is nonzero, else Inactive.
int* Take_Part_Slot(int flag);

// Label and unit colours of a group: the caller's colour and grey 160 when editable, both grey 192
// when read-only.
struct Part_Colours {
    int label;
    int unit;
};
Part_Colours Part_Colours_For(int editable, int colour);

// A text in the normal, subscript (2 px below the baseline) or heading font; alignment 1 ends it at x.
void Add_Part_Text(int area, int x, int y, const char* text, int colour, int alignment = 0);
void Add_Part_Subscript(int area, int x, int y, const char* text, int colour);
void Add_Part_Note(int area, int x, int y, const char* text, int colour);   // subscript font on y itself
void Add_Part_Heading(int area, int x, int y, const char* text, int colour);

// One value row at baseline y, every position an offset from x; a null text or a negative position
// leaves its piece out. The field takes the label colour unless a field colour (not negative) is given.
struct Value_Row {
    const char* label;
    int label_x;
    const char* symbol;
    int symbol_x;
    const char* subscript;
    int subscript_x;
    int field_x;
    const char* format;
    const char* unit;
    int unit_x;
};
void Add_Value_Row(int area, int x, int y, const Value_Row& row, double* value, View_Item_Change_Callback clamp,
                   const int* enabled, Part_Colours colours, int field_colour = -1);

// One list-selection slot of a part instance: the list position, whether it was taken from a
// record, and the record it serves.
struct Selection_Slot {
    int position = 0;
    int taken = 0;
    const void* owner = nullptr;
};
// The instance's slot of the cache, taken afresh from the record's stored position when it is free
// or served another record; null beyond the cache. A cache not ready is cleared first.
Selection_Slot* Take_Selection_Slot(std::span<Selection_Slot> cache, bool& ready, int instance, const void* owner,
                                    int stored_position);
// The list position of a part beyond its cache, held in a pool slot of its own for the page's life.
int* Hold_Overflow_Position(int position);
