#include "pages/form_rows.h"

#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/input_part_rows.h"
#include "pages/tab_page_protocol.h"
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

void Add_Packing_Thickness_Row(int area, int x, int y, int V, double* t, int editable) {
    const int* g = Take_Group_Slot(editable, true);
    const Part_Colours c = Colours_Of_Group(g);
    Add_Part_Text(area, x + 587, y, "mit", c.label);
    const Value_Row t_p{nullptr, 0, "t", Right_Column + V + 30, "p", Right_Column + V + 36, Right_Column + V + 60,
                        "%6.1f", "mm", Right_Column + V + 125};
    Add_Value_Row(area, x, y, t_p, t, Clamp_Not_Negative, g, c);
}
