// The partial-factor part: the block "Materialsicherheit" with the check box "genormt" (the
// factors follow the active National Annex) and one row per partial factor γM that the mask
// selects. While "genormt" is ticked the rows are read-only, as the frame refreshes them from the
// annex after every edit.
#include <array>
#include <string>

#include "common/cp437.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

namespace {

struct Factor_Row {
    int bits;                // mask bits that select the row
    int factor;              // Gamma_M_Index
    const char* long_label;
    int leader_dots;         // 0: no leader
    const char* short_label; // null: no label
    const char* subscript;
};

// Screen order of the rows (two long labels end in two blanks).
const std::array<Factor_Row, Gamma_M_Count> Factor_Rows = {{
    {0x154, Gamma_M0, "Beanspruchbarkeit von Querschnitten", 13, "Querschnitte", "M0"},
    {0x008, Gamma_M1, "Beanspruchbarkeit von Bauteilen bei Stabilitätsversagen"_cp, 0, "Stabilität"_cp, "M1"},
    {0x073, Gamma_M2, "Beanspruchbarkeit von Verbindungsmitteln", 9, "Verbindungsmittel", "M2"},
    {0x100, Gamma_M3, "Gleitfestigkeit von Schraubverbindungen (Kategorie C)  ", 0, "Schrauben (Kat. C)", "M3"},
    {0x080, Gamma_M3_Ser, "Gleitfestigkeit von Schraubverbindungen im GZG (Kat. B)", 0, "Schrauben (Kat. B)", "M3,ser"},
    {0x020, Gamma_M4, "Lochleibungsbeanspruchbarkeit von Injektionsschrauben  ", 0, "Injektionsschrauben", "M4"},
    {0x040, Gamma_M6_Ser, "Beanspruchbarkeit von Bolzen im GZG", 13, "Bolzen", "M6,ser"},
    {0x1000, Gamma_M5, "Beanspruchbarkeit von Hohlprofilverbindungen", 6, nullptr, "M5"},
    {0x200, Gamma_M7, "Vorspannung hochfester Schrauben", 15, "Vorspannung", "M7"},
    {0x400, Gamma_M_Ser, "Gebrauchstauglichkeit", 26, "Gebrauchstauglichkeit", "M,ser"},
    {0x800, Gamma_M_Fi, "Beanspruchbarkeit von Bauteilen im Brandfall", 7, "Brandfall", "M,fi"},
    {0x2000, Gamma_Mu, "Beanspruchbarkeit der Verankerung", 7, "Verankerung", "Mu"},
}};

// Dots separated by single blanks.
std::string Leader(int dots) {
    std::string text;
    for (int k = 0; k < dots; ++k) text += k ? " ." : ".";
    return text;
}

struct Factor_Columns {
    int S, V, U;   // symbol, value and unit offsets from x
};

Factor_Columns Columns_For(int mask, int label_mode) {
    if (label_mode == 0) return {165, 200, 265};
    if (mask == 0) return {label_mode > 0 ? 335 : 350, 385, 450};
    const bool wide = label_mode > 0 && (mask & 0x480);
    if (mask & 0x128) return {wide ? 335 : 350, 385, 450};
    return {wide ? 310 : 325, 360, 425};
}

constexpr int Application_With_Joints = 145;   // the host application that adds "für Anschlüsse"

}  // namespace

void Draw_Safety_Factors_Input(Safety_Factors* factors, int area, int x, int* y, int row_pitch, int sub_pitch, int width,
                               int editable, int mask, int label_mode) {
    if (!factors || !y) return;
    const int* header_slot = Take_Part_Slot(editable);
    const int black = Screen_Palette.Black;
    const int header_colour = editable ? black : Screen_Palette.Grey_192;

    Add_Part_Heading(area, x, *y, "Materialsicherheit", black);
    int shift = 0;
    if (CurOb_Application_Number() == Application_With_Joints) {
        Add_Part_Heading(area, x + 106, *y, "für Anschlüsse"_cp, black);
        shift = 92;
    }
    Add_Part_Text(area, x + 110 + shift, *y, "(", header_colour);
    Add_Check_Box_to_View_Area(area, x + 137 + shift, *y, "genormt)", Screen_Palette.Font_Normal, header_colour,
                               &factors->use_annex, header_slot);
    *y += row_pitch + (label_mode == 0 ? 5 : 0);

    const int* row_slot = Take_Part_Slot(editable && !factors->use_annex);
    const int row_colour = *row_slot || label_mode == 0 ? black : Screen_Palette.Blue;
    const Factor_Columns c = Columns_For(mask, label_mode);
    for (const Factor_Row& r : Factor_Rows) {
        if (mask != 0 && !(mask & r.bits)) continue;
        const char* label = label_mode > 0 ? r.long_label : r.short_label;
        if (label) Add_Part_Text(area, x, *y, label, row_colour);
        if (label_mode > 0 && r.leader_dots > 0)
            Add_Part_Text(area, x + c.S - 10, *y, Leader(r.leader_dots).c_str(), Screen_Palette.Grey_130, 1);
        const Value_Row row{nullptr, -1, "γ"_cp, c.S, r.subscript, c.S + 8, c.V, "%6.2f", "", c.U};
        Add_Value_Row(area, x, *y, row, &factors->gamma_M[r.factor], Clamp_Not_Negative, row_slot,
                      {row_colour, row_colour});
        *y += row_pitch;
    }
    Take_Part_Slot(editable);
}
