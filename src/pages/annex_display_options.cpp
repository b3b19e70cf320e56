// The sheet "Darstellungsoptionen": the user chooses whose parameters the annex tables print, all
// rules or those of one application of the table. The rows of the application table stand in a
// view area with a vertical slider, so that a long table stays reachable on a sheet that the screen
// height cuts.
//
// Geometry (sheet 320 px wide, 130 px and 18 px per application high, at most the screen height):
// the list area from (x1 + 10, y1 + 28) to (x2 - 10, y2 - 42) holds the radio buttons "alle Regeln
// darstellen" at (30, 16) and "Darstellung optimieren für" at (30, 36), and one radio button per
// application at (50, 56 + 18 i); the button area from (x1 + 10, y2 - 38) to (x2 - 10, y2 - 8)
// holds "abbrechen" at (10, 4) and "ok" at (210, 4), pictures of "NAD\Buttons.bmp".
#include <string>
#include <vector>

#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/text_width.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/annex_editor_pages.h"
#include "platform/host/host_sheets.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Sheet_Width = 320;
constexpr int List_Code = 1, Button_Code = 2, Break_Code = 3, Ok_Code = 4;
constexpr int Pressed_Break = 1, Pressed_Ok = 2;
constexpr int Row_Font = 4096;
constexpr int Picture_Key = 0xD4D0C8;   // 212, 208, 200: the transparent face of the buttons' picture

// The sheet's centre, kept between calls: it reopens where the user left it.
int centre_x = -1, centre_y = -1;

struct Options_State {
    int mode = 0;      // 0 all rules, 1 the rules of the chosen application
    int row = -1;      // the chosen application row
    int pressed = 0;   // Pressed_Break or Pressed_Ok
    std::vector<std::string> services;   // "(service)" per row, kept while the items point to them
};
Options_State* state = nullptr;

// Choosing an application chooses the optimised display as well.
void Row_Chosen(int, double*) {
    if (state) state->mode = 1;
}

void Fill_List(int area, Options_State& s) {
    const int black = BLACK_CI, grey = Nearest_RGB_Color(150, 150, 150);
    static const int enabled = 1;
    Clear_View_Area(area);
    Add_Radio_Button_to_View_Area(area, 30, 16, "alle Regeln darstellen", Row_Font, black, 0, &s.mode, &enabled);
    Add_Radio_Button_to_View_Area(area, 30, 36, "Darstellung optimieren für"_cp, Row_Font, black, 1, &s.mode, &enabled);
    const int n = NAD_Get_Application_Count();
    for (int i = 0; i < n; ++i) {
        const NAD_Application_Entry* e = NAD_Get_Application_Entry(i);
        const int y = 56 + 18 * i;
        Add_Radio_Button_to_View_Area(area, 50, y, e->name.c_str(), Row_Font, black, i, &s.row, &enabled);
        Set_View_Item_Change_Callback(area, Row_Chosen);
        Pop_RFont(Row_Font);
        const int w = Get_Text_Width(e->name.c_str());
        Push_RFont();
        Add_Text_to_View_Area(area, 50 + w + 6, y, s.services[static_cast<std::size_t>(i)].c_str(), Row_Font, grey, 0);
    }
    Show_View_Area(area);
}

}  // namespace

int NAD_Show_Display_Options() {
    NAD_Read_Application_Table();
    Options_State s;
    const int n = NAD_Get_Application_Count();
    for (int i = 0; i < n; ++i) s.services.push_back("(" + NAD_Get_Application_Entry(i)->service + ")");
    s.row = NAD_Current_Application_Row();
    s.mode = s.row >= 0 && !NAD_Application_All_Rows() ? 1 : 0;
    state = &s;

    if (centre_x < 0) {
        centre_x = NPIXEL_X / 2;
        centre_y = NPIXEL_Y / 2;
    }
    int height = 130 + 18 * n;
    if (height >= NPIXEL_Y - 59) height = NPIXEL_Y;
    int x1 = centre_x - Sheet_Width / 2, x2 = x1 + Sheet_Width - 1;
    int y1 = centre_y - height / 2, y2 = y1 + height - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    centre_x = x1 + Sheet_Width / 2;
    centre_y = y1 + height / 2;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, "Darstellungsoptionen", 0x1001, 1);
    Set_Windows_Break_Button(Break_Code);
    Set_Windows_OK_Button(Ok_Code);

    Add_Escape_Area_to_PS(x1 + 10, y1 + 28, x2 - 10, y2 - 42, 1, List_Code);
    const int list = Create_Scrollable_View_Area(x1 + 10, y1 + 28, x2 - 10, y2 - 42, 0, 1);
    const int escape = Add_Escape_Area_to_PS(x1 + 10, y2 - 38, x2 - 10, y2 - 8, 1, Button_Code);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    const int buttons = Create_Scrollable_View_Area(x1 + 10, y2 - 38, x2 - 10, y2 - 8, 0, 0);
    Set_View_Area_Frame(buttons, 0);
    Set_View_Area_Background(buttons, GetVEKColor(-1));
    static const int enabled = 1;
    Add_Picture_Button_to_View_Area(buttons, 10, 4, 80, 22, "NAD\\Buttons.bmp", 435, Picture_Key, 18, "abbrechen",
                                    Pressed_Break, &s.pressed, &enabled);
    Add_Picture_Button_to_View_Area(buttons, 210, 4, 80, 22, "NAD\\Buttons.bmp", 458, Picture_Key, 18, "ok", Pressed_Ok,
                                    &s.pressed, &enabled);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);
    Activate_Prop_Sheet();
    Fill_List(list, s);
    Show_View_Area(buttons);

    int result = -1;
    while (result < 0) {
        switch (Edit_Prop_Sheet()) {
            case List_Code:
                if (Handle_View_Area_Event(list)) Fill_List(list, s);
                break;
            case Button_Code:
                if (Handle_View_Area_Event(buttons) && s.pressed) result = s.pressed == Pressed_Ok ? 1 : 0;
                break;
            case Ok_Code: result = 1; break;
            case Break_Code: result = 0; break;
            default: break;
        }
    }
    centre_x += dx;
    centre_y += dy;
    Release_View_Area(list);
    Release_View_Area(buttons);
    Undefine_Prop_Sheet();
    state = nullptr;
    if (result == 1) NAD_Choose_Application_Row(s.mode == 1 && s.row >= 0 ? s.row : -1);
    return result;
}
