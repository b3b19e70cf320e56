// The plate-material part: the steel grade list (or the aluminium alloys), "Vorgabe", "Kennung"
// and, with own values, the characteristic strengths in N/mm² and the optional E, β_w and α_T.
// In band mode (the record's uniform steel) every thickness band has its own f_y and f_u.
//
// The steel list shows the grade table's groups in the order structural, high-strength, flat
// products, stainless, with a separator row after each group but the last; the list positions
// therefore differ from the grade numbers, and each instance of the part keeps its position in a
// selection cache slot that is written into the grade at the part's next draw.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/field_clamps.h"
#include "gui/view_area_items.h"
#include "material/aluminium_grades.h"
#include "pages/input_part_rows.h"
#include "pages/input_parts.h"
#include "sketches/screen_palette.h"

namespace {

// Grade table groups in the order the list shows them.
struct Grade_Group {
    int first;
    int count;
};
constexpr std::array<Grade_Group, 4> Steel_List_Groups = {{
    {Structural_Steel_First, Structural_Steel_Count},
    {High_Strength_Steel_First, High_Strength_Steel_Count},
    {Flat_Product_First, Flat_Product_Count},
    {Stainless_Steel_First, Stainless_Steel_Count},
}};

constexpr int Separator = -2;

// Grade of each list position; Separator for the rows between the groups.
constexpr std::array<int, Steel_List_Rows> Steel_List_Grades = [] {
    std::array<int, Steel_List_Rows> rows{};
    int position = 0;
    for (std::size_t g = 0; g < Steel_List_Groups.size(); ++g) {
        for (int k = 0; k < Steel_List_Groups[g].count; ++k) rows[position++] = Steel_List_Groups[g].first + k;
        if (g + 1 < Steel_List_Groups.size() && Steel_List_Groups[g].count > 0) rows[position++] = Separator;
    }
    if (position != Steel_List_Rows) throw "the steel list must have its 51 rows";
    return rows;
}();
static_assert(Steel_List_Grades[Steel_List_Rows_2010 - 1] == Structural_Steel_Count - 1,
              "the edition-2010 list ends with the structural steels");

constexpr int External_List_Rows = 11;

// Row colours of the editable lists (read-only lists are grey 192, separators always).
bool Is_Brown_Steel_Grade(int grade) {
    return (grade >= 4 && grade <= 7) || (grade >= 12 && grade <= 14) || (grade >= 18 && grade <= 21) ||
           (grade >= 31 && grade <= 34) || (grade >= 44 && grade <= 47);
}
bool Is_Brown_Aluminium_Row(int row) {
    constexpr int ranges[][2] = {{4, 7},   {12, 16}, {21, 23}, {30, 35}, {39, 44}, {47, 50}, {54, 54},
                                 {57, 63}, {68, 74}, {80, 80}, {89, 91}, {93, 94}};
    for (const auto& r : ranges)
        if (row >= r[0] && row <= r[1]) return true;
    return false;
}

struct Material_Part_State {
    std::array<Selection_Slot, Plate_Material_Cache_Slots> cache{};
    bool cache_ready = false;
    int instance = 0;
    int band_mode = 0;
    std::array<char[16], Steel_List_Rows> steel_texts{};
    std::array<Choice_List_Entry, Steel_List_Rows> steel_list{};
    std::array<char[20], Aluminium_Grade_Count> aluminium_texts{};
    std::array<Choice_List_Entry, Aluminium_Grade_Count> aluminium_list{};
    std::array<char[16], External_List_Rows> external_texts{};   // nothing in this program fills them
    std::array<Choice_List_Entry, External_List_Rows> external_list{};
};
Material_Part_State M;

void Copy_Bounded(char* target, std::size_t size, const char* source) {
    std::size_t n = source ? std::min(std::strlen(source), size - 1) : 0;
    if (n) std::memcpy(target, source, n);
    target[n] = '\0';
}

// The grade name as the table stores it: 15 characters, blank-padded.
void Fill_Steel_Texts() {
    for (int p = 0; p < Steel_List_Rows; ++p) {
        char* text = M.steel_texts[static_cast<std::size_t>(p)];
        const int grade = Steel_List_Grades[static_cast<std::size_t>(p)];
        if (grade == Separator) {
            Copy_Bounded(text, 16, "-----");
            continue;
        }
        std::memset(text, ' ', 15);
        text[15] = '\0';
        const char* name = Get_Steel_Grade_Name(0, grade);
        std::memcpy(text, name, std::min<std::size_t>(std::strlen(name), 15));
    }
}

void Build_Steel_List(int editable) {
    Fill_Steel_Texts();
    for (int p = 0; p < Steel_List_Rows; ++p) {
        const std::size_t k = static_cast<std::size_t>(p);
        const int grade = Steel_List_Grades[k];
        int colour = Screen_Palette.Grey_192;
        if (editable && grade != Separator) colour = Is_Brown_Steel_Grade(grade) ? Screen_Palette.Brown_2 : Screen_Palette.Green;
        M.steel_list[k] = {colour, M.steel_texts[k]};
    }
}

void Build_Aluminium_List(int editable) {
    for (int row = 0; row < Aluminium_Grade_Count; ++row) {
        const std::size_t k = static_cast<std::size_t>(row);
        Copy_Bounded(M.aluminium_texts[k], sizeof M.aluminium_texts[k], Get_Aluminium_Grade_Name(row));
        int colour = Screen_Palette.Grey_192;
        if (editable) colour = Is_Brown_Aluminium_Row(row) ? Screen_Palette.Brown_2 : Screen_Palette.Green;
        M.aluminium_list[k] = {colour, M.aluminium_texts[k]};
    }
}

void Build_External_List(int editable) {
    for (int row = 0; row < External_List_Rows; ++row) {
        const std::size_t k = static_cast<std::size_t>(row);
        int colour = Screen_Palette.Grey_192;
        if (editable) {
            if (row == 3 || row == 7) colour = Screen_Palette.Red;
            else if (row >= 4 && row <= 6) colour = Screen_Palette.Brown_2;
            else colour = Screen_Palette.Green;
        }
        M.external_list[k] = {colour, M.external_texts[k]};
    }
}

bool In_Rows(int grade, int first, int count) { return grade >= first && grade < first + count; }

// More than 0.001 N/mm² above, compared in thousandths so that typed decimals compare exactly.
bool Exceeds(double f_y, double f_u) { return std::llround((f_y - f_u) * 1e6) > 1000; }

// A strength row "label f_sub [field] N/mm²"; the field red when marked.
void Strength_Row(int area, int x, int* y, int row_pitch, const char* label, const char* subscript, double* value,
                  const int* enabled, Part_Colours colours, bool red) {
    const Value_Row row{label, 20, "f", 145, subscript, 151, 180, "%6.1f", "N/mm²"_cp, 245};
    Add_Value_Row(area, x, *y, row, value, Clamp_Not_Negative, enabled, colours, red ? Screen_Palette.Red : -1);
    *y += row_pitch;
}

// One band of the band mode: f_y, f_u and the note of its thickness range below.
struct Band_Texts {
    const char* sub_y;
    const char* sub_u;
    const char* note;
};
constexpr Band_Texts Bands_40_80[3] = {
    {"y,40", "u,40", "für Blechdicke max t ≤ 40 mm"_cp},
    {"y,80", "u,80", "für Blechdicke 40 mm < max t ≤ 80 mm"_cp},
    {"y,∞"_cp, "u,∞"_cp, "für Blechdicke max t > 80 mm"_cp},
};
constexpr Band_Texts Bands_8_20[3] = {
    {"y,8", "u,8", "für Blechdicke max t ≤ 8 mm"_cp},
    {"y,20", "u,20", "für Blechdicke 8 mm < max t ≤ 20 mm"_cp},
    {"y,∞"_cp, "u,∞"_cp, "für Blechdicke max t > 20 mm"_cp},
};

void Draw_Material(Plate_Material* material, int area, int x, int* y, int row_pitch, int sub_pitch, int editable,
                   int colour, int options) {
    Plate_Material& P = *material;
    const int kind = P.kind == Material_Aluminium || P.kind == Material_External ? P.kind : Material_Steel;

    if (kind == Material_Steel) Build_Steel_List(editable);
    else if (kind == Material_Aluminium) Build_Aluminium_List(editable);
    else Build_External_List(editable);

    Take_Part_Slot(editable);
    const int label_colour = editable ? colour : Screen_Palette.Grey_192;
    Add_Part_Text(area, x, *y, kind == Material_Aluminium ? "Legierung" : "Stahlsorte", label_colour);

    const int* list_slot = Take_Part_Slot(editable && !P.own_values);
    const int font = Screen_Palette.Font_Normal;
    if (kind == Material_Steel) {
        const int rows = Current_Code_Edition == Code_Edition_2010 ? Steel_List_Rows_2010 : Steel_List_Rows;
        if (Selection_Slot* s = Take_Selection_Slot(M.cache, M.cache_ready, M.instance, material,
                                                    Map_Steel_Grade_To_List(P.grade))) {
            Add_Choice_List_to_View_Area(area, x + 80, *y, M.steel_list.data(), font, 12, rows, &s->position, list_slot);
            P.grade = Map_Steel_List_To_Grade(s->position);
        } else {
            // No cache slot: the stored grade, read-only.
            Add_Choice_List_to_View_Area(area, x + 80, *y, M.steel_list.data(), font, 12, rows,
                                         Hold_Overflow_Position(Map_Steel_Grade_To_List(P.grade)),
                                         &Screen_Palette.Inactive);
        }
    } else if (kind == Material_External) {
        Add_Choice_List_to_View_Area(area, x + 80, *y, M.external_list.data(), font, 12, External_List_Rows, &P.grade,
                                     list_slot);
    } else {
        Add_Choice_List_to_View_Area(area, x + 80, *y, M.aluminium_list.data(), font, 16, Aluminium_Grade_Count,
                                     &P.grade, list_slot);
    }

    const int* own_slot = Take_Part_Slot(editable);
    const Part_Colours group{label_colour, editable ? Screen_Palette.Grey_160 : Screen_Palette.Grey_192};
    Add_Check_Box_to_View_Area(area, x + (kind == Material_Aluminium ? 265 : 242), *y, "Vorgabe", font, label_colour,
                               &P.own_values, own_slot);
    if (kind != Material_Aluminium) {
        const int brown = Screen_Palette.Brown;
        if (In_Rows(P.grade, Stainless_Steel_First, Stainless_Steel_Count)) {
            Add_Part_Note(area, x + 307, *y, "Edelstahl", brown);
        } else if (In_Rows(P.grade, High_Strength_Steel_First, High_Strength_Steel_Count)) {
            Add_Part_Note(area, x + 307, *y - 5, "hochfester", brown);
            Add_Part_Note(area, x + 307, *y + 4, "Stahl", brown);
        } else if (In_Rows(P.grade, Flat_Product_First, Flat_Product_Count)) {
            Add_Part_Note(area, x + 307, *y, "Flacherzeugnis", brown);
        }
    }
    *y += row_pitch;

    Add_Part_Text(area, x, *y, "Kennung", label_colour);
    P.designation[Plate_Designation_Size - 1] = '\0';
    Pad_With_Blanks(P.designation, Plate_Designation_Size);
    Add_Text_Field_to_View_Area(area, x + 80, *y, P.designation, font, label_colour, own_slot);
    Set_Text_Field_Width(area, 25);
    *y += row_pitch;

    if (P.own_values) {
        const int* values_slot = Take_Part_Slot(editable);
        const Part_Colours rows{editable ? colour : Screen_Palette.Grey_130, group.unit};
        const bool band_mode = M.band_mode && kind != Material_Aluminium &&
                               !In_Rows(P.grade, Stainless_Steel_First, Stainless_Steel_Count) &&
                               P.grade <= Flat_Product_First + Flat_Product_Count - 1;
        if (!band_mode) {
            // One pair serves every thickness: it is copied into the bands and the design values.
            const bool red = Exceeds(P.f_y, P.f_u);
            if (kind == Material_Aluminium) {
                Strength_Row(area, x, y, row_pitch, "0,2%-Dehngrenze", "o", &P.band[0].f_y, values_slot, rows, false);
            } else {
                Strength_Row(area, x, y, row_pitch, "char. Streckgrenze", "y", &P.band[0].f_y, values_slot, rows, false);
            }
            Strength_Row(area, x, y, row_pitch, "char. Zugfestigkeit", "u", &P.band[0].f_u, values_slot, rows, red);
            P.band[1] = P.band[2] = P.band[0];
            P.f_y = P.band[0].f_y;
            P.f_u = P.band[0].f_u;
        } else {
            const Band_Texts* texts = In_Rows(P.grade, Flat_Product_First, Flat_Product_Count) ? Bands_8_20 : Bands_40_80;
            const int note_colour = *values_slot ? Screen_Palette.Blue : rows.label;
            for (int b = 0; b < 3; ++b) {
                Strength_Band& band = P.band[b];
                Strength_Row(area, x, y, row_pitch, "char. Streckgrenze", texts[b].sub_y, &band.f_y, values_slot, rows,
                             false);
                const int y_fu = *y;
                Strength_Row(area, x, y, row_pitch, "char. Zugfestigkeit", texts[b].sub_u, &band.f_u, values_slot, rows,
                             Exceeds(band.f_y, band.f_u));
                Add_Part_Note(area, x + 20, y_fu + 12, texts[b].note, note_colour);
                *y = y_fu + 12 + sub_pitch;
            }
        }
        if (options & Plate_Input_E) {
            Add_Value_Row(area, x, *y, {"E-Modul", 20, "E", 145, "", 153, 164, "%8.1f", "N/mm²"_cp, 245}, &P.E,
                          Clamp_Not_Negative, values_slot, rows);
            *y += row_pitch;
        }
        if (options & Plate_Input_Beta_W) {
            // 0xBB: the screen font's β.
            Add_Value_Row(area, x, *y, {"Korrelationsbeiwert", 20, "╗"_cp, 145, "w", 153, 180, "%6.2f", "", 245}, &P.beta_w,
                          Clamp_To_Unit_Range, values_slot, rows);
            *y += row_pitch;
        }
        if (options & Plate_Input_Alpha_T) {
            // 0xBA: the screen font's α; the unit 10⁻⁵ 1/K with a raised exponent.
            Add_Value_Row(area, x, *y, {"Temperaturkoeffizient", 20, "║"_cp, 155, "T", 163, 180, "%6.2f", "10   1/K", 245},
                          &P.alpha_T, Clamp_Not_Negative, values_slot, rows);
            Add_Text_to_View_Area(area, x + 258, *y - 6, "-5", Screen_Palette.Font_Subscript, rows.unit, 0);
            *y += row_pitch;
        }
    }
    Take_Part_Slot(editable);
    ++M.instance;
}

}  // namespace

int Map_Steel_Grade_To_List(int grade) {
    if (grade < 0 || grade >= Steel_Grade_Count) return -1;
    for (int p = 0; p < Steel_List_Rows; ++p)
        if (Steel_List_Grades[static_cast<std::size_t>(p)] == grade) return p;
    return -1;
}

int Map_Steel_List_To_Grade(int position) {
    if (position < 0 || position >= Steel_List_Rows) return -1;
    // A separator row stands for the grade above it.
    if (Steel_List_Grades[static_cast<std::size_t>(position)] == Separator) --position;
    return Steel_List_Grades[static_cast<std::size_t>(position)];
}

void Reset_Plate_Material_Input_Count(int n) { M.instance = n; }

void Clear_Plate_Material_Input_Cache() { M.cache_ready = false; }

void Draw_Plate_Material_Input(Plate_Material* material, int area, int x, int* y, int row_pitch, int sub_pitch,
                               int width, int editable, int colour, int options) {
    if (!material || !y) return;
    Draw_Material(material, area, x, y, row_pitch, sub_pitch, editable, colour, options);
}

void Draw_Uniform_Steel_Input(Plate_Material* material, int area, int x, int* y, int row_pitch, int sub_pitch,
                              int width, int editable, int colour, int options) {
    const int before = M.band_mode;
    M.band_mode = 1;
    Draw_Plate_Material_Input(material, area, x, y, row_pitch, sub_pitch, width, editable, colour, options);
    M.band_mode = before;
}
