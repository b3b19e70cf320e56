// Editor sections of the EN 1999 (aluminium) and EN 1996 (masonry) blocks: the partial factors of
// their report tables, rows chosen by the same flags.
#include "annex/ec6_block.h"
#include "annex/ec6_report.h"
#include "annex/ec9_block.h"
#include "annex/ec9_report.h"
#include "common/cp437.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"

namespace {

int masonry_open = 1;   // the EN 1996 section starts open

int Gamma_Row(int area, int y, const char* clause, const char* index, double* value, const char* explanation,
              const int* enabled) {
    return NAD_Draw_Editor_Value_Row(area, y, clause, "γ"_cp, index, value, "%5.2f", explanation, enabled);
}

}  // namespace

int NAD_Draw_EC9_Editor(int area, NAD_EC9_Block* b, int editable, int y) {
    if (!b) return y;
    static int enabled;
    enabled = editable;
    NAD_Select_EC9_Report_Rows();
    const auto row = [](int k) { return NAD_EC9_Row_Flags[static_cast<std::size_t>(k)] != 0; };
    y = NAD_Draw_Editor_Column_Heads(area, y);
    if (row(0)) {
        y = NAD_Draw_Editor_Text_Row(area, y, "6.1.3", "Teilsicherheitsbeiwerte für"_cp);
        y = NAD_Draw_Editor_Text_Row(area, y, "", "Querschnitte / Bauteile");
        y = Gamma_Row(area, y, "(1)", "M0", &b->gamma_M0, "Querschnittsversagen", &enabled);
        y = Gamma_Row(area, y, "", "M1", &b->gamma_M1, "Stabilitätsversagen"_cp, &enabled);
        if (row(1)) y = Gamma_Row(area, y, "", "M2", &b->gamma_M2, "Bruchversagen infolge Zug", &enabled);
    }
    y = NAD_Draw_Editor_Text_Row(area, y, "6.2", "Beanspruchbark. d. Querschn.");
    y = NAD_Draw_Editor_Value_Row(area, y, "(5)", "C", "", &b->C, "%5.2f", "Konstante, ANMERKUNG 2", &enabled);
    if (row(0) && row(2)) {
        y = NAD_Draw_Editor_Text_Row(area, y, "8", "Teilsicherheitsbeiwerte für"_cp);
        y = NAD_Draw_Editor_Text_Row(area, y, "8.1.1", "Anschlüsse"_cp);
        y = Gamma_Row(area, y, "(2)", "Mp", &b->gamma_Mp, "Bolzenverbindungen", &enabled);
        y = Gamma_Row(area, y, "", "Mw", &b->gamma_Mw, "Schweißverbindungen"_cp, &enabled);
        y = Gamma_Row(area, y, "", "Ms,ser", &b->gamma_Ms_ser, "Gleitwiderstand GZ d. Gebrauchst.", &enabled);
        y = Gamma_Row(area, y, "", "Ms,ult", &b->gamma_Ms_ult, "Gleitwiderstand im GZ d. Tragf.", &enabled);
        y = Gamma_Row(area, y, "", "Ma", &b->gamma_Ma, "Geklebte Verbindungen", &enabled);
        y = Gamma_Row(area, y, "", "Mp,ser", &b->gamma_Mp_ser, "Bolzen im GZ d. Gebrauchst.", &enabled);
    }
    return y;
}

int NAD_Draw_EC6_Editor(int area, NAD_EC6_Block* b, int editable, int y) {
    if (!b) return y;
    const NAD_EC6_Rows rows = NAD_Select_EC6_Report_Rows();
    if (!rows.factors) return y;   // the report prints no factor either
    static int enabled;
    enabled = editable;
    y = NAD_Draw_Editor_Section(area, y + 30, "EN 1996-1-1 (Eurocode 6)", &masonry_open);
    if (!masonry_open) return y;
    y = NAD_Draw_Editor_Text_Row(area, y, "2.4.3", "Teilsicherheitsbeiwerte für Mauerwerk"_cp);
    y = NAD_Draw_Editor_Text_Row(area, y, "", "im Grenzzustand der Tragfähigkeit"_cp);
    y = Gamma_Row(area, y, "(1)", "M", &b->gamma_M_persistent, "ständig und vorübergehend"_cp, &enabled);
    if (rows.accidental_and_seismic) {
        y = Gamma_Row(area, y, "", "M", &b->gamma_M_accidental, "außergewöhnlich"_cp, &enabled);
        y = Gamma_Row(area, y, "", "M", &b->gamma_M_earthquake, "Erdbeben", &enabled);
    }
    y = NAD_Draw_Editor_Text_Row(area, y, "2.4.4", "im Grenzzustand der");
    return Gamma_Row(area, y, "", "M", &b->gamma_M_serviceability, "Gebrauchstauglichkeit", &enabled);
}
