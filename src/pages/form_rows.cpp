#include "pages/form_rows.h"

#include "gui/view_area_items.h"
#include "sketches/screen_palette.h"

void Add_Grey_Line(int area, int x1, int y1, int x2, int y2) {
    Add_Line_to_View_Area(area, x1, y1, x2, y2, Screen_Palette.Grey_130);
}

int Current_Slot_Value() {
    const Field_Activity_Pool_Record& pool = Field_Activity_Pool;
    return pool.position < 0 ? 0 : pool.slots[static_cast<std::size_t>(pool.position)];
}

const int* Current_Slot() {
    const Field_Activity_Pool_Record& pool = Field_Activity_Pool;
    return pool.position < 0 ? nullptr : &pool.slots[static_cast<std::size_t>(pool.position)];
}
