// Editor page of the EN 1990 block: the partial factors and combination factors for buildings and
// for bridges, each table a picture with one field over every value cell.
#include <string>

#include "annex/application_table.h"
#include "annex/ec0_block.h"
#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/annex_editor_ec0_tables.h"
#include "pages/annex_editor_pages.h"
#include "pages/annex_editor_rows.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Picture_X = 4;
int building_open = 1, bridge_open = 1;   // both sections start open
int editable_flag = 0;

double* Cell(NAD_EC0_Block* b, int t, int r, int c) {
    switch (t) {
        case NAD_EC0_Building_Psi: return &b->building_psi[r][c];
        case NAD_EC0_Road_Psi: return &b->road_psi[r][c];
        case NAD_EC0_Foot_Psi: return &b->foot_psi[r][c];
        case NAD_EC0_Rail_Psi: return &b->rail_psi[r][c];
        default:
            return t <= NAD_EC0_Building_Gamma_3 ? &b->building_gamma[t - NAD_EC0_Building_Gamma_0][r][c]
                                                 : &b->bridge_gamma[t - NAD_EC0_Bridge_Gamma_0][r][c];
    }
}

// The pictures of the tables first..last from y, each under the one before, and the fields over
// their cells. Returns the y below the last picture.
int Tables(int area, NAD_EC0_Block* b, int first, int last, int y) {
    const char* shown = nullptr;
    int top = y;
    for (int t = first; t <= last; ++t) {
        const char* file = NAD_EC0_Table_File(t);
        if (!shown || std::string(shown) != file) {
            if (shown) top += NAD_EC0_Picture_Height(shown);
            shown = file;
            Add_Bitmap_to_View_Area(area, file, Picture_X, top, Picture_X + NAD_EC0_Picture_Width - 1,
                                    top + NAD_EC0_Picture_Height(file) - 1, WHITE_CI);
        }
        const bool gamma = NAD_EC0_Table_Columns(t) == 2;
        for (int k = 0; k < NAD_EC0_Table_Rows(t); ++k) {
            const int r = NAD_EC0_Table_Source_Row(t, k);
            const int baseline = top + NAD_EC0_Row_Top(t, k) + 12;
            for (int c = 0; c < NAD_EC0_Table_Columns(t); ++c)
                NAD_Draw_Editor_Field(area, Picture_X + NAD_EC0_Value_X + c * NAD_EC0_Column_Pitch, baseline, Cell(b, t, r, c),
                                      gamma ? "%5.2f" : "%4.2f", &editable_flag);
        }
    }
    return shown ? top + NAD_EC0_Picture_Height(shown) : y;
}

}  // namespace

void NAD_Draw_EC0_Editor_Page(int area, NAD_EC0_Block* b, int editable) {
    editable_flag = editable;
    Clear_View_Area(area);
    if (!b) return;
    NAD_Read_Application_Table();
    const int colour = Nearest_RGB_Color(83, 217, 190);
    int y = 20;
    if (NAD_Test_Parameter_Flag(0, 0)) {
        y = NAD_Draw_Editor_Section(area, y, "Faktoren für den Hochbau"_cp, &building_open, colour, false);
        if (building_open) y = Tables(area, b, NAD_EC0_Building_Gamma_0, NAD_EC0_Building_Psi, y + 14);
        y += 30;
    }
    if (NAD_Test_Parameter_Flag(0, 1)) {
        y = NAD_Draw_Editor_Section(area, y, "Faktoren für den Brückenbau"_cp, &bridge_open, colour, false);
        if (bridge_open) Tables(area, b, NAD_EC0_Bridge_Gamma_0, NAD_EC0_Rail_Psi, y + 14);
    }
    Show_View_Area(area);
}
