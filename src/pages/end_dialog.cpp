// The end dialog "BEARBEITUNG BEENDEN": save and end, or end without saving.
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/main_window.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

namespace {

// Content 240 x 70 px in a sheet of 260 x 155 px; the dialog reopens around the centre where the
// user left it (the screen centre before the first call).
constexpr int Content_Width = 240, Content_Height = 70;
constexpr int Sheet_Width = 260, Sheet_Height = 155;
constexpr int Break_Code = 1, Ok_Code = 2, Content_Code = 20;
int Centre_X = -1, Centre_Y = -1;

}  // namespace

int Run_End_Dialog() {
    if (Centre_X < 0) {
        Centre_X = NPIXEL_X / 2;
        Centre_Y = NPIXEL_Y / 2;
    }
    // The corners lie the sheet's size apart, so that the centre taken back from them is the same
    // point and the dialog does not creep by a pixel on every opening.
    int x1 = Centre_X - Sheet_Width / 2, y1 = Centre_Y - Sheet_Height / 2;
    int x2 = x1 + Sheet_Width, y2 = y1 + Sheet_Height;
    // A screen too low for the sheet: the sheet takes its height less 20 px and the content scrolls.
    const bool low_screen = NPIXEL_Y <= 174;
    if (low_screen) {
        y1 = 10;
        y2 = NPIXEL_Y - 10;
    }
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Centre_X = (x1 + x2) / 2;
    Centre_Y = (y1 + y2) / 2;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "BEARBEITUNG BEENDEN", 10, 1);
    Add_Single_Button_to_PS(x1 + 10, y2 - 32, 1, Break_Code, "", SYMBOLIC_BREAK_RASTER, "abbrechen");
    const int ok = Add_Single_Button_to_PS(x2 - 40, y2 - 32, 1, Ok_Code, "", SYMBOLIC_OK_RASTER, "OK");
    Set_Windows_Break_Button(Break_Code);
    Move_Mouse_Cursor_to_Button_of_PS(ok, 0, 0);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    const int cx1 = x1 + 10, cy1 = y1 + 30;
    const int cx2 = cx1 + Content_Width, cy2 = low_screen ? y2 - 40 : cy1 + Content_Height;
    const int escape = Add_Escape_Area_to_PS(cx1, cy1, cx2, cy2, 1, Content_Code);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    // The area takes the slider's strip off its own rectangle.
    const int area = Create_Scrollable_View_Area(cx1, cy1, cx2, cy2, 0, low_screen ? 1 : 0);
    int choice = 1;
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    const Screen_Palette_Record& S = Screen_Palette;
    int result = -2;
    while (result == -2) {
        Clear_View_Area(area);
        Add_Text_to_View_Area(area, 20, 20, "Bearbeitungszustand", S.Font_Normal, S.Black, 0);
        Add_Radio_Button_to_View_Area(area, 40, 38, "speichern und beenden", S.Font_Normal, S.Black, 1, &choice, &S.Active);
        Add_Radio_Button_to_View_Area(area, 40, 56, "beenden ohne zu speichern", S.Font_Normal, S.Black, 0, &choice,
                                      &S.Active);
        Show_View_Area(area);
        switch (Edit_Prop_Sheet()) {
            case Ok_Code: result = choice; break;
            case Break_Code: result = -1; break;
            case Content_Code: Handle_View_Area_Event(area); break;
            default: break;
        }
    }
    Centre_X += dx;
    Centre_Y += dy;
    Release_View_Area(area);
    Undefine_Prop_Sheet();
    return result;
}
