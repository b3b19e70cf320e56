// The concrete part: the concrete class of anchor bolts and base plates, held in a Plate_Material
// used as concrete (grade = class code, design f_y = f_ck, E = E_cm, designation = class name), or
// f_ck given directly with "Vorgabe". The derivation from the class is Apply_Concrete_Grade.
#include <array>

#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "material/concrete_classes.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "sketches/screen_palette.h"

namespace {

// The five DIN 1045 classes (grey, superseded) and the fifteen EN 1992 classes C12/15 to C100/115,
// position = class code.
std::array<Choice_List_Entry, Concrete_List_Rows> Concrete_List{};
bool concrete_list_ready = false;

void Build_Concrete_List() {
    for (int k = 0; k < Concrete_List_Rows; ++k) {
        const std::size_t i = static_cast<std::size_t>(k);
        if (k < Concrete_B_Class_Count)
            Concrete_List[i] = {Screen_Palette.Grey_130, Concrete_B_Class_Names[i]};
        else
            Concrete_List[i] = {Screen_Palette.Black, Concrete_C_Class_Names[i - Concrete_B_Class_Count]};
    }
    concrete_list_ready = true;
}

}  // namespace

void Draw_Concrete_Input(Plate_Material* concrete, int area, int x, int* y, int value_column, int row_pitch,
                         int ignored_1, int ignored_2, int editable) {
    if (!concrete || !y) return;
    if (!concrete_list_ready) Build_Concrete_List();
    const int c = x + value_column;
    const int* slot = Take_Part_Slot(editable);
    const Part_Colours colours = Part_Colours_For(editable, Screen_Palette.Black);

    Add_Part_Text(area, x, *y, "Betongüte"_cp, colours.label);
    Add_Choice_List_to_View_Area(area, c, *y, Concrete_List.data(), Screen_Palette.Font_Normal, 7, Concrete_List_Rows,
                                 &concrete->grade, concrete->own_values ? &Screen_Palette.Inactive : slot);
    Add_Check_Box_to_View_Area(area, c + 130, *y, "Vorgabe", Screen_Palette.Font_Normal, colours.label,
                               &concrete->own_values, slot);
    *y += row_pitch;

    if (concrete->own_values) {
        const int* value_slot = Take_Part_Slot(editable);
        const Part_Colours row{editable ? Screen_Palette.Black : Screen_Palette.Brown, colours.unit};
        const Value_Row r{"char. Druckfestigkeit", 20, "f", value_column - 30, "ck", value_column - 24,
                          value_column, "%6.1f", "N/mm²"_cp, value_column + 65};
        Add_Value_Row(area, x, *y, r, &concrete->f_y, Clamp_Not_Negative, value_slot, row);
        *y += row_pitch;
        Take_Part_Slot(editable);
    }
    Take_Part_Slot(editable);
}
