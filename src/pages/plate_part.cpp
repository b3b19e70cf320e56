// The plate part: thickness, width and length of a plate (or the diameter of a round bar) in mm,
// with the plate's material part below them; and the label style that the forms share with it.
#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "sketches/screen_palette.h"

namespace {

// Labels of t, b and l by style (style 2 has none) and the value column V of each style.
struct Plate_Label_Style {
    const char* thickness;
    const char* width;
    const char* length;
    int value_column;
};
constexpr Plate_Label_Style Plate_Label_Styles[3] = {
    {"Blechdicke", "Blechbreite", "Blechlänge"_cp, 110},
    {"Dicke", "Breite", "Länge"_cp, 80},
    {nullptr, nullptr, nullptr, 30},
};

int plate_style = 0;

int last_page = -1;

}  // namespace

int Set_Plate_Input_Style(int style) {
    plate_style = style >= 0 && style <= 2 ? style : 0;
    return Plate_Label_Styles[plate_style].value_column;
}

int Draw_Plate_Input(Plate* plate, int area, int x, int* y, int row_pitch, int sub_pitch, int width, int editable,
                     int colour, int options, const char* subscript) {
    if (options == 0 || !plate || !y) return y ? *y : 0;
    const int* slot = Take_Part_Slot(editable);
    const Part_Colours colours = Part_Colours_For(editable, colour);
    const Plate_Label_Style& style = Plate_Label_Styles[plate_style];
    const int V = style.value_column;
    const int S = V - 30;   // symbol column

    // One row: label, symbol, the caller's subscript dx right of the symbol, the field on the value.
    auto row = [&](const char* label, const char* symbol, int dx, double* value) {
        const Value_Row r{label, 0, symbol, S, subscript, S + dx, V, "%6.1f", "mm", V + 65};
        Add_Value_Row(area, x, *y, r, value, Clamp_Not_Negative, slot, colours);
        *y += row_pitch;
    };

    if (options & Plate_Input_Thickness) row(style.thickness, "t", 6, &plate->t);
    if (options & Plate_Input_Diameter) {
        if (options & (Plate_Input_Width | Plate_Input_Length)) {
            row("Durchmesser", "î"_cp, 8, &plate->b);   // 0x8C, the screen font's diameter sign
            plate->l = plate->b;                        // a round bar's length mirrors its diameter
        }
    } else {
        if (options & Plate_Input_Width) row(style.width, "b", 8, &plate->b);
        if (options & Plate_Input_Length) row(style.length, "l", 4, &plate->l);
    }
    if (options & Plate_Input_Material)
        Draw_Plate_Material_Input(&plate->material, area, x, y, row_pitch, sub_pitch, width, editable, colour, options);
    Take_Part_Slot(editable);
    return *y;
}

void Begin_Input_Part_Page(int page) {
    Reset_Plate_Material_Input_Count(0);
    Reset_Fastener_Input_Count(0);
    if (page != last_page) {
        Clear_Plate_Material_Input_Cache();
        Clear_Fastener_Input_Cache();
        last_page = page;
    }
}
