// Editor page of the EN 1993 block of the active annex: the parts EN 1993-1-1/1-2 and
// EN 1993-1-8/1-5/1-9/6, one section per standard, each open section with the rows of its report
// table.
#include "annex/annex_record.h"
#include "annex/ec3_report.h"
#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"

namespace {

constexpr int Row = 18;     // one parameter row
constexpr int Field_X = 136;
constexpr int Left_X = 76;  // the first of two value columns

// Section flags of the six standards; every section starts open.
struct EC3_Sections {
    int basic = 1, fire = 1, joints = 1, plates = 1, fatigue = 1, cranes = 1;
};
EC3_Sections sections;

// The "k_c vorgeben" box is the inverse of the switch "k_c from Table 6.6"; its change sets that
// switch. The page binds the box to this copy while it is shown.
int kc_given_box = 0;
NAD_EC3_1_Record* kc_record = nullptr;
void Set_Kc_From_Box(int value, double*) {
    if (kc_record) kc_record->kc_from_table = value ? 0 : 1;
}

int Flag(int k) { return NAD_EC3_Row_Flags[static_cast<std::size_t>(k)]; }

// The row of one partial factor γ with its index, field in "%5.2f".
int Gamma_Row(int area, int y, const char* index, double* value, const char* explanation, const int* enabled) {
    return NAD_Draw_Editor_Value_Row(area, y, "", "γ"_cp, index, value, "%5.2f", explanation, enabled);
}

int Check_Row(int area, int y, const char* label, int* bound, const int* enabled) {
    NAD_Draw_Editor_Row(area, y, Row, "", "", "", NAD_Editor_Font);
    Add_Check_Box_to_View_Area(area, 87, y, label, NAD_Editor_Font, NAD_Editor_Colours().black, bound, enabled);
    return y + Row;
}

}  // namespace

int NAD_Draw_EC3_1_Editor(int area, int y, int editable) {
    NAD_EC3_Block* b = NAD_Get_EC3();
    NAD_EC3_1_Record& r = b->ec3_1;
    static int enabled;
    enabled = editable;
    y = NAD_Draw_Editor_Section(area, y, "EN 1993-1-1 (Eurocode 3, Grundnorm)", &sections.basic);
    if (sections.basic) {
        if (Flag(10)) {
            y = NAD_Draw_Editor_Text_Row(area, y, "5.3.2(3)b)", "eingeprägte Vorkrümmung"_cp);
            NAD_Draw_Editor_Row(area, y, 0, "", "elastisch plastisch", "", NAD_Editor_Font);
            y = NAD_Draw_Editor_Text_Row(area, y, "", "von Bauteilen");
            const char* curves[] = {"Knicklinie a0", "Knicklinie a", "Knicklinie b", "Knicklinie c", "Knicklinie d"};
            for (int k = 0; k < 5; ++k) {
                NAD_Draw_Editor_Text_Row(area, y, "", curves[k]);
                NAD_Draw_Editor_Field(area, Left_X, y, &r.e0_elastic[k], "1/%-3.0f", &enabled);
                NAD_Draw_Editor_Field(area, Field_X, y, &r.e0_plastic[k], "1/%-3.0f", &enabled);
                y += Row;
            }
        }
        if (Flag(0)) {
            y = NAD_Draw_Editor_Text_Row(area, y, "6.1(1)", "Teilsicherheitsbeiwerte für"_cp);
            y = NAD_Draw_Editor_Text_Row(area, y, "", "Baustahl");
            if (!Flag(2))
                y = NAD_Draw_Editor_Text_Row(area, y, "", "ständige/vorüberg. Situation"_cp);
            y = Gamma_Row(area, y, "M0", &r.gamma_M0, "Querschnittsversagen", &enabled);
            y = Gamma_Row(area, y, "M1", &r.gamma_M1, "Stabilitätsversagen"_cp, &enabled);
            if (Flag(1)) y = Gamma_Row(area, y, "M2", &r.gamma_M2, "Bruchversagen infolge Zug", &enabled);
            if (Flag(4)) {
                y = NAD_Draw_Editor_Text_Row(area, y, "", "außergewöhnliche Situation"_cp);
                y = Gamma_Row(area, y, "M0", &r.gamma_M0_acc, "Querschnittsversagen", &enabled);
                y = Gamma_Row(area, y, "M1", &r.gamma_M1_acc, "Stabilitätsversagen"_cp, &enabled);
                if (Flag(1)) y = Gamma_Row(area, y, "M2", &r.gamma_M2_acc, "Bruchversagen infolge Zug", &enabled);
            }
        }
        if (Flag(5)) {
            y = NAD_Draw_Editor_Text_Row(area, y, "6.3.2.2(2)", "Biegedrillknicken");
            NAD_Draw_Editor_Text_Row(area, y, "", "Allgemeiner Fall");
            y = Check_Row(area, y, "f auf ╝LT ansetzen"_cp, &r.apply_f_to_chi_LT, &enabled);
            y = NAD_Draw_Editor_Text_Row(area, y, "6.3.2.3(1)", "Schlankheitsgrad Gl. (6.57)");
            NAD_Draw_Editor_Symbol(area, 67, y - Row, "┼"_cp, "LT,0");
            NAD_Draw_Editor_Field(area, Field_X, y - Row, &r.lambda_LT0, "%5.2f", &enabled);
            NAD_Draw_Editor_Text_Row(area, y, "", "Korrekturfaktor Gl. (6.57)");
            NAD_Draw_Editor_Symbol(area, 67, y, "╗"_cp, "");
            NAD_Draw_Editor_Field(area, Field_X, y, &r.beta, "%5.2f", &enabled);
            y += Row;
            y = NAD_Draw_Editor_Text_Row(area, y, "6.3.2.3(2)", "Berechnung des");
            NAD_Draw_Editor_Text_Row(area, y, "", "Abminderungsfaktors ╝LT"_cp);
            y = Check_Row(area, y, "Faktor f vorgeben", &r.f_given, &enabled);
            NAD_Draw_Editor_Row(area, y, Row, "", "f =", "", NAD_Editor_Font);
            NAD_Draw_Editor_Field(area, Field_X, y, &r.f, "%5.2f", &enabled);
            y += Row;
            y = Check_Row(area, y, "aus Tabelle 6.6", &r.kc_from_table, &enabled);
            kc_record = &r;
            kc_given_box = r.kc_from_table ? 0 : 1;
            y = Check_Row(area, y, "k   vorgeben", &kc_given_box, &enabled);
            Set_View_Item_Change_Callback(area, Set_Kc_From_Box);
            Add_Text_to_View_Area(area, 93, y - Row + 2, "c", NAD_Editor_Small_Font, NAD_Editor_Colours().black, 0);
            NAD_Draw_Editor_Row(area, y, Row, "", "", "", NAD_Editor_Font);
            NAD_Draw_Editor_Symbol(area, 67, y, "k", "c");
            NAD_Draw_Editor_Field(area, Field_X, y, &r.kc, "%5.3f", &enabled);
            y += Row;
        }
    }
    if (Flag(9)) {
        y = NAD_Draw_Editor_Section(area, y + 30, "EN 1993-1-2 (Eurocode 3, Brandfall)", &sections.fire);
        if (sections.fire) {
            y = NAD_Draw_Editor_Text_Row(area, y, "2.3(1)", "Brandfall");
            y = Gamma_Row(area, y, "M,fi", &r.gamma_M_fi, "mechanisches Versagen", &enabled);
        }
    }
    return y;
}

int NAD_Draw_EC3_8_Editor(int area, int y, int editable) {
    NAD_EC3_8_Record& r = NAD_Get_EC3()->ec3_8;
    static int enabled;
    enabled = editable;
    if (Flag(0) && Flag(3)) {
        y = NAD_Draw_Editor_Section(area, y + 30, "EN 1993-1-8 (Eurocode 3, Anschlüsse)"_cp, &sections.joints);
        if (sections.joints) {
            y = NAD_Draw_Editor_Text_Row(area, y, "2.2(2)", "Teilsicherheitsbeiwerte für"_cp);
            y = NAD_Draw_Editor_Text_Row(area, y, "", "Anschlüsse"_cp);
            y = Gamma_Row(area, y, "M3", &r.gamma_M3, "Gleitfestigkeit (Kat.C, GZT)", &enabled);
            y = Gamma_Row(area, y, "M3,ser", &r.gamma_M3_ser, "Gleitfestigkeit (Kat.B, GZG)", &enabled);
            y = Gamma_Row(area, y, "M4", &r.gamma_M4, "Injektionsschrauben", &enabled);
            y = Gamma_Row(area, y, "M6,ser", &r.gamma_M6_ser, "Bolzen (GZG)", &enabled);
            y = Gamma_Row(area, y, "M7", &r.gamma_M7, "Vorspannung hochfester Schr.", &enabled);
            y = Gamma_Row(area, y, "M5", &r.gamma_M5, "Hohlprofile in Fachwerken", &enabled);
        }
    }
    if (Flag(6)) {
        y = NAD_Draw_Editor_Section(area, y + 30, "EN 1993-1-5 (Eurocode 3, Plattenbeulen)", &sections.plates);
        if (sections.plates) {
            y = NAD_Draw_Editor_Text_Row(area, y, "3.1(1)", "zur Berücksichtigung der"_cp);
            NAD_Draw_Editor_Text_Row(area, y, "", "Schubverzerrungen");
            const int black = NAD_Editor_Colours().black;
            Add_Radio_Button_to_View_Area(area, 87, y, "Anm. 1", NAD_Editor_Font, black, 1, &r.shear_lag_note, &enabled);
            Add_Radio_Button_to_View_Area(area, 158, y, "2", NAD_Editor_Font, black, 2, &r.shear_lag_note, &enabled);
            y += Row;
            y = NAD_Draw_Editor_Text_Row(area, y, "5.1(2)", "Beiwert zur Berechnung");
            NAD_Draw_Editor_Symbol(area, 67, y - Row, "┴"_cp, "");
            NAD_Draw_Editor_Field(area, Field_X, y - Row, &r.eta, "%5.2f", &enabled);
            y = NAD_Draw_Editor_Text_Row(area, y, "", "des Schubbeulens");
        }
    }
    if (Flag(7)) {
        y = NAD_Draw_Editor_Section(area, y + 30, "EN 1993-1-9 (Eurocode 3, Ermüdung)"_cp, &sections.fatigue);
        if (sections.fatigue) {
            y = NAD_Draw_Editor_Text_Row(area, y, "3(7)", "Teilsicherheitsbeiwert für"_cp);
            NAD_Draw_Editor_Row(area, y, 0, "", "niedrig  hoch", "", NAD_Editor_Font);
            y = NAD_Draw_Editor_Text_Row(area, y, "", "Ermüdung; Schadensfolgen"_cp);
            const char* kinds[] = {"Schadenstoleranz", "Versagen ohne Vorankündigung"_cp};
            for (int k = 0; k < 2; ++k) {
                NAD_Draw_Editor_Text_Row(area, y, "", kinds[k]);
                NAD_Draw_Editor_Field(area, Left_X, y, &r.gamma_Mf[k], "%5.2f", &enabled);
                NAD_Draw_Editor_Field(area, Field_X, y, &r.gamma_Mf[k + 2], "%5.2f", &enabled);
                y += Row;
            }
        }
    }
    if (Flag(8)) {
        y = NAD_Draw_Editor_Section(area, y + 30, "EN 1993-6 (Eurocode 3, Kranbahnen)", &sections.cranes);
        if (sections.cranes) {
            y = NAD_Draw_Editor_Text_Row(area, y, "7.5(1)", "Teilsicherheitsbeiwert (GZG)");
            y = Gamma_Row(area, y, "M,ser", &r.gamma_M_ser, "", &enabled);
        }
    }
    return y;
}

void NAD_Draw_EC3_Editor_Page(int area, int editable) {
    NAD_Select_EC3_Report_Rows();
    Clear_View_Area(area);
    int y = NAD_Draw_EC3_1_Editor(area, 20, editable);
    NAD_Draw_EC3_8_Editor(area, y, editable);
    Show_View_Area(area);
}
