#include "pages/form_rows.h"

#include "gui/view_area_items.h"
#include "pages/tab_page_protocol.h"
#include "sketches/screen_palette.h"

void Add_Normal_Text(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Normal, colour, 0);
}

void Add_Heading_Text(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Heading, colour, 0);
}

void Add_Small_Text(int area, int x, int y, const char* text, int colour) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Subscript, colour, 0);
}

void Add_Grey_Line(int area, int x1, int y1, int x2, int y2) {
    Add_Line_to_View_Area(area, x1, y1, x2, y2, Screen_Palette.Grey_130);
}

void Add_Value_Row(int area, int y, const Value_Row& row, const int* slot) {
    const Group_Colours c = Colours_Of_Group(slot);
    if (row.label) Add_Normal_Text(area, row.x_label, y, row.label, c.label);
    if (row.symbol) Add_Normal_Text(area, row.x_symbol, y, row.symbol, c.label);
    if (row.subscript) Add_Small_Text(area, row.x_subscript, y + 2, row.subscript, c.label);
    if (row.value) {
        Add_Float_Field_to_View_Area(area, row.x_field, y, row.value, row.format, Screen_Palette.Font_Normal, c.label, slot);
        if (row.clamp) Set_View_Item_Change_Callback(area, row.clamp);
    }
    if (row.unit) Add_Normal_Text(area, row.x_unit, y, row.unit, c.unit);
}

int Current_Slot_Value() {
    const Field_Activity_Pool_Record& pool = Field_Activity_Pool;
    return pool.position < 0 ? 0 : pool.slots[static_cast<std::size_t>(pool.position)];
}
