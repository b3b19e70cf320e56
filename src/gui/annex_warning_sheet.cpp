#include "gui/annex_warning_sheet.h"

#include "annex/annex_choice.h"
#include "common/cp437.h"
#include "gui/annex_selection_sheet.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

namespace {

// The sheet is 260 x 224 px around its centre.
constexpr int Half_Width = 130, Half_Height = 112;
constexpr int Title_Band = 40;   // px above the view area
constexpr int Inset = 10;
// Sheet codes: the view area, and the host's OK action.
constexpr int Code_Area = 1;
constexpr int Code_OK = 2;

struct Warning_State {
    bool placed = false;
    int centre_x = 0, centre_y = 0;   // the centre of the previous warning after the frame check
};
Warning_State warning;

void Fill_Warning(int area, const char* requested, const char* substitute, int* select_clicked) {
    const int font = Screen_Palette.Font_Normal, black = Screen_Palette.Black;
    const int yellow = Nearest_RGB_Color(232, 232, 0);
    Clear_View_Area(area);
    Add_Text_to_View_Area(area, 10, 20, "Das mit dem Programm verknüpfte NAD"_cp, font, black, 0);
    Add_Filled_Rectangle_to_View_Area(area, 10, 27, 230, 42, yellow);
    Add_Text_to_View_Area(area, 14, 38, requested, font, black, 0);
    Add_Text_to_View_Area(area, 10, 56, "kann nicht gefunden werden.", font, black, 0);
    Add_Text_to_View_Area(area, 10, 79, "Um die Stabilität des Programms zu"_cp, font, black, 0);
    Add_Text_to_View_Area(area, 10, 95, "gewährleisten, wird auf das NAD"_cp, font, black, 0);
    Add_Filled_Rectangle_to_View_Area(area, 10, 102, 230, 117, yellow);
    Add_Text_to_View_Area(area, 14, 113, substitute, font, black, 0);
    Add_Text_to_View_Area(area, 10, 131, "umgeschaltet. Wenn Sie dies", font, black, 0);
    Add_Text_to_View_Area(area, 10, 147, "nicht wünschen, wählen Sie"_cp, font, black, 0);
    Add_Text_to_View_Area(area, 10, 163, "bitte ein anderes NAD aus.", font, black, 0);
    Add_Picture_Button_to_View_Area(area, 173, 124, 40, 41, "NAD\\Buttons.bmp", 598, Nearest_RGB_Color(212, 208, 200), 18,
                                    "Anwendungs-\ndokument\nauswählen"_cp, 1, select_clicked, nullptr);
    Show_View_Area(area);
}

}  // namespace

int Show_Missing_Annex_Sheet(const char* requested, const char* substitute) {
    if (!warning.placed) {
        warning.placed = true;
        warning.centre_x = NPIXEL_X / 2;
        warning.centre_y = NPIXEL_Y / 2;
    }
    int x1 = warning.centre_x - Half_Width, x2 = warning.centre_x + Half_Width - 1;
    int y1 = warning.centre_y - Half_Height, y2 = warning.centre_y + Half_Height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    warning.centre_x = x1 + Half_Width;
    warning.centre_y = y1 + Half_Height;

    // No button of its own: Enter, and the close box, end the sheet as the host's OK.
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Warnung", 10, 1);
    Set_Windows_OK_Button(Code_OK);
    Set_Windows_Break_Button(Code_OK);
    const int escape = Add_Escape_Area_to_PS(x1 + Inset, y1 + Title_Band, x2 - Inset, y2 - Inset, 1, Code_Area);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    const int area = Create_Scrollable_View_Area(x1 + Inset, y1 + Title_Band, x2 - Inset, y2 - Inset, 0, 0);
    Activate_Prop_Sheet();

    int select_clicked = 0;
    Fill_Warning(area, requested ? requested : "", substitute ? substitute : "", &select_clicked);
    while (Edit_Prop_Sheet() != Code_OK) {
        if (!Handle_View_Area_Event(area)) continue;
        if (select_clicked) break;
        Fill_Warning(area, requested ? requested : "", substitute ? substitute : "", &select_clicked);
    }
    Release_View_Area(area);
    Undefine_Prop_Sheet();
    return select_clicked ? NAD_Show_Selection_Sheet() : 0;
}

void Install_Annex_Sheets() { NAD_Set_Missing_Annex_Notice(Show_Missing_Annex_Sheet); }
