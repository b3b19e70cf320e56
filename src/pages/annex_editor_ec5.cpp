// Editor page of the EN 1995 block: one section per table of the report, selected by the same row
// flags, with a picture of the rule from the page's sprite sheet, fields for every value and check
// boxes for every switch.
#include "annex/ec5_block.h"
#include "annex/ec5_report.h"
#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"
#include "platform/host/screen_bitmaps.h"

namespace {

constexpr int Row = 18;
int editable_flag = 0;
int open_sections[NAD_EC5_Row_Count] = {1, 1, 1, 1, 1, 1, 1, 1, 1};   // every section starts open

// The strips of the sprite sheet: width, height and top row of pictures 1 to 9.
struct Strip {
    int width, height, top;
};
constexpr Strip Strips[9] = {{368, 130, 0},   {368, 95, 142},  {368, 60, 244},  {368, 105, 310}, {368, 123, 418},
                             {376, 157, 540}, {376, 129, 700}, {376, 112, 832}, {376, 109, 940}};
// The picture of each section, by row flag position.
constexpr int Section_Picture[NAD_EC5_Row_Count] = {7, 8, 1, 2, 3, 4, 6, 9, 5};
int picture_numbers[9] = {1, 2, 3, 4, 5, 6, 7, 8, 9};   // the painters' data

// The "k_cr nach NA-DE" box is the k_cr form as a switch: ticked form 2, cleared form 1.
int k_cr_box = 0;
NAD_EC5_Block* k_cr_block = nullptr;
void Set_K_Cr_Form(int value, double*) {
    if (k_cr_block) k_cr_block->k_cr_form = value ? 2 : 1;
}

int Black() { return NAD_Editor_Colours().black; }

int Picture(int area, int y, int position) {
    const int n = Section_Picture[position];
    const Strip& s = Strips[n - 1];
    Add_Painter_to_View_Area(area, 16, y, 410, y + s.height - 1, &picture_numbers[n - 1], NAD_Paint_EC5_Picture);
    return y + s.height + 8;
}

int Field_Row(int area, int y, const char* label, double* v, const char* format, int x) {
    NAD_Draw_EC5_Editor_Row(area, y, Row - 10, "", label, "", NAD_Editor_Font);
    NAD_Draw_Editor_Field(area, x, y, v, format, &editable_flag);
    return y + Row;
}

int Box_Row(int area, int y, const char* label, int* bound) {
    NAD_Draw_EC5_Editor_Row(area, y, 1, "", "", "", NAD_Editor_Font);
    Add_Check_Box_to_View_Area(area, 87, y, label, NAD_Editor_Font, Black(), bound, &editable_flag);
    return y + Row;
}

int Radio_Row(int area, int y, const char* label, int own, int* bound) {
    Add_Radio_Button_to_View_Area(area, 87, y, label, NAD_Editor_Font, Black(), own, bound, &editable_flag);
    return y + Row;
}

int Section_Rows(int area, int y, int position, NAD_EC5_Block* b) {
    switch (position) {
        case 1:
            y = Field_Row(area, y, "Vollholz", &b->gamma_M_solid, "%4.2f", 236);
            y = Field_Row(area, y, "Brettschichtholz", &b->gamma_M_glulam, "%4.2f", 236);
            y = Field_Row(area, y, "außergewöhnlich"_cp, &b->gamma_M_accidental, "%4.2f", 236);
            return Field_Row(area, y, "Brandschutz", &b->gamma_M_fire, "%4.2f", 236);
        case 2: {
            Add_Text_to_View_Area(area, 16, y, "nach DIN EN 1995-1-1 Abschnitt 3.1.3 Tab. 3.1 (Ausschnitt):",
                                  NAD_Editor_Small_Font, Black(), 0);
            y += Row;
            const char* const classes[5] = {"ständig"_cp, "lang", "mittel", "kurz", "sehr kurz"};
            for (int k = 0; k < 5; ++k) {
                NAD_Draw_EC5_Editor_Row(area, y, Row - 10, "", classes[k], "", NAD_Editor_Font);
                for (int c = 0; c < 3; ++c) NAD_Draw_Editor_Field(area, 160 + 50 * c, y, &b->k_mod[k][c], "%4.2f", &editable_flag);
                y += Row;
            }
            return y;
        }
        case 3:
            Add_Text_to_View_Area(area, 16, y, "nach DIN EN 1995-1-1-NA (Deutschland) Tab. NA.1 Index (b):",
                                  NAD_Editor_Small_Font, Black(), 0);
            y += Row;
            NAD_Draw_EC5_Editor_Row(area, y, Row - 10, "", "k", "", NAD_Editor_Font);
            Add_Text_to_View_Area(area, 73, y + 2, "def", NAD_Editor_Small_Font, Black(), 0);
            for (int c = 0; c < 3; ++c) NAD_Draw_Editor_Field(area, 160 + 50 * c, y, &b->k_def[c], "%4.2f", &editable_flag);
            y += Row;
            // The German annex adds the choice of index (b) of Table NA.1.
            if (b->variant != 0) y = Box_Row(area, y, "Tabelle NA.1 Index (b) anwenden", &b->na1_index_b_switch);
            return y;
        case 4: {
            const char* const limits[3] = {"w inst", "w fin", "w net,fin"};
            for (int k = 0; k < 3; ++k) {
                NAD_Draw_EC5_Editor_Row(area, y, Row - 10, "", limits[k], "", NAD_Editor_Font);
                Add_Text_to_View_Area(area, 160, y, "l/", NAD_Editor_Font, Black(), 0);
                NAD_Draw_Editor_Field(area, 172, y, &b->deflection[2 * k], "%3.0f", &editable_flag);
                Add_Text_to_View_Area(area, 230, y, "l/", NAD_Editor_Font, Black(), 0);
                NAD_Draw_Editor_Field(area, 242, y, &b->deflection[2 * k + 1], "%3.0f", &editable_flag);
                y += Row;
            }
            return y;
        }
        case 5:
            k_cr_block = b;
            k_cr_box = b->k_cr_form == 2 ? 1 : 0;
            Add_Text_to_View_Area(area, 99, y, "k", NAD_Editor_Font, Black(), 0);   // before the subscript of the label
            y = Box_Row(area, y, "   cr nach NA-DE anwenden", &k_cr_box);
            Set_View_Item_Change_Callback(area, Set_K_Cr_Form);
            y = Radio_Row(area, y, "Werte vorgeben", 1, &b->k_cr_form);
            y = Radio_Row(area, y, "Liste NA-DE", 2, &b->k_cr_form);
            y = Field_Row(area, y, "Voll-/Brettschichtholz", &b->k_cr_solid, "%4.2f", 236);
            return Field_Row(area, y, "sonst", &b->k_cr_other, "%4.2f", 236);
        case 8:
            y = Field_Row(area, y, "k shape = 1 + x h/b, x =", &b->k_shape_factor, "%4.2f", 236);
            return Field_Row(area, y, "jedoch maximal", &b->k_shape_max, "%4.2f", 236);
        case 6:
            y = Radio_Row(area, y, "charakteristische Kombination", 1, &b->w_net_fin_combination);
            return Radio_Row(area, y, "quasiständige Kombination"_cp, 2, &b->w_net_fin_combination);
        case 0: return Field_Row(area, y, "Faktor NCI Zu 6.3.3(2)", &b->nci_633_factor, "%4.2f", 236);
        default: {
            struct Switch {
                const char* label;
                int* value;
            };
            const Switch switches[] = {
                {"Tabelle NA.1 anwenden", &b->na1_switch},         {"Tabelle NA.4 anwenden", &b->na4_switch},
                {"Tabelle NA.15 anwenden", &b->na15_switch},       {"NA.11 anwenden", &b->na11_switch},
                {"Gewindestangen nach NA-DE", &b->threaded_rod_switch}, {"Biegedrillknicken nach NA-DE", &b->ltb_switch},
                {"vereinfachtes Verf. nach NA-DE", &b->fastener_method_switch}, {"NA.20 anwenden", &b->na20_switch},
                {"NA.21 anwenden", &b->na21_switch},               {"NA.8.1.6 anwenden", &b->na816_switch},
                {"NA.7 anwenden", &b->na7_switch},
            };
            for (const Switch& s : switches) y = Box_Row(area, y, s.label, s.value);
            struct Factor {
                const char* material;
                double* value;
            };
            const Factor factors[] = {
                {"Brettsperrholz", &b->gamma_M_clt},       {"LVL, Sperrholz, OSB", &b->gamma_M_panels},
                {"Spanplatten", &b->gamma_M_particle},     {"Harte Faserplatten", &b->gamma_M_hard_fibre},
                {"Mittelharte Faserplatten", &b->gamma_M_medium_fibre}, {"MDF-Faserplatten", &b->gamma_M_mdf},
                {"Weiche Faserplatten", &b->gamma_M_soft_fibre}, {"Verbindungen", &b->gamma_M_connections},
                {"Nagelplatten", &b->gamma_M_punched},     {"Stahl in Verbindungen", &b->gamma_M_steel},
                {"Gipskarton, etc.", &b->gamma_M_plasterboard},
            };
            for (const Factor& f : factors) y = Field_Row(area, y, f.material, f.value, "%4.2f", 236);
            return y;
        }
    }
}

}  // namespace

void NAD_Paint_EC5_Picture(int x1, int y1, int x2, int y2, void* number) {
    const int n = number ? *static_cast<const int*>(number) : 0;
    if (n < 1 || n > 9) return;
    const Strip& s = Strips[n - 1];
    pxDrawPartialTransparentDIB("NAD\\EC5ZerazNads.bmp", 0, s.top, s.width - 1, s.top + s.height - 1, x1, y1,
                                x1 + s.width - 1, y1 + s.height - 1, 201, -1, 255, 251, 240);
}

void NAD_Draw_EC5_Editor_Page(int area, NAD_EC5_Block* b, int editable) {
    editable_flag = editable;
    Clear_View_Area(area);
    if (!b) return;
    NAD_Select_EC5_Report_Rows();
    static const char* const titles[NAD_EC5_Row_Count] = {
        "Kippschlankheit (NCI Zu 6.3.3(2))", "Materialsicherheitsbeiwerte", "Modifikationsbeiwerte k mod",
        "Verformungsbeiwerte k def", "Verformungsgrenzwerte", "Rissfaktor k cr", "Netto-Enddurchbiegung",
        "Regeln des nationalen Anhangs", "Torsion k shape"};
    // The report's order of the tables.
    const int order[NAD_EC5_Row_Count] = {1, 2, 3, 4, 5, 8, 6, 0, 7};
    int y = 20;
    bool first = true;
    for (int position : order) {
        if (!NAD_EC5_Row_Flags[static_cast<std::size_t>(position)]) continue;
        y = NAD_Draw_Editor_Section(area, first ? 20 : y + 30, titles[position], &open_sections[position], -1, false);
        first = false;
        if (!open_sections[position]) continue;
        y = Picture(area, y + 12, position);
        y = Section_Rows(area, y + 10, position, b);
    }
    Show_View_Area(area);
}
