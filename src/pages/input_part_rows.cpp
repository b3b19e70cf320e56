#include "pages/input_part_rows.h"

#include "gui/view_area_items.h"
#include "sketches/screen_palette.h"

int* Take_Part_Slot(int flag) {
    return Take_Field_Activity_Slot(flag ? Screen_Palette.Active : Screen_Palette.Inactive);
}

Part_Colours Part_Colours_For(int editable, int colour) {
    if (editable) return {colour, Screen_Palette.Grey_160};
    return {Screen_Palette.Grey_192, Screen_Palette.Grey_192};
}

void Add_Part_Text(int area, int x, int y, const char* text, int colour, int alignment) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Normal, colour, alignment);
}

void Add_Part_Subscript(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y + 2, text, Screen_Palette.Font_Subscript, colour, 0);
}

void Add_Part_Note(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Subscript, colour, 0);
}

void Add_Part_Heading(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Heading, colour, 0);
}

void Add_Value_Row(int area, int x, int y, const Value_Row& row, double* value, View_Item_Change_Callback clamp,
                   const int* enabled, Part_Colours colours, int field_colour) {
    if (row.label && row.label_x >= 0) Add_Part_Text(area, x + row.label_x, y, row.label, colours.label);
    if (row.symbol && row.symbol_x >= 0) Add_Part_Text(area, x + row.symbol_x, y, row.symbol, colours.label);
    if (row.subscript && row.subscript_x >= 0)
        Add_Part_Subscript(area, x + row.subscript_x, y, row.subscript, colours.label);
    if (value && row.field_x >= 0) {
        Add_Float_Field_to_View_Area(area, x + row.field_x, y, value, row.format, Screen_Palette.Font_Normal,
                                     field_colour >= 0 ? field_colour : colours.label, enabled);
        if (clamp) Set_View_Item_Change_Callback(area, clamp);
    }
    if (row.unit && row.unit_x >= 0) Add_Part_Text(area, x + row.unit_x, y, row.unit, colours.unit);
}

Selection_Slot* Take_Selection_Slot(std::span<Selection_Slot> cache, bool& ready, int instance, const void* owner,
                                    int stored_position) {
    if (!ready) {
        for (Selection_Slot& s : cache) s = Selection_Slot{};
        ready = true;
    }
    if (instance < 0 || static_cast<std::size_t>(instance) >= cache.size()) return nullptr;
    Selection_Slot& s = cache[static_cast<std::size_t>(instance)];
    if (!s.taken || s.owner != owner) {
        s.position = stored_position;
        s.taken = 1;
        s.owner = owner;
    }
    return &s;
}

int* Hold_Overflow_Position(int position) { return Take_Field_Activity_Slot(position); }
