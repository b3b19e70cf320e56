#include "gui/annex_selection_sheet.h"

#include <string>

#include "annex/annex_io.h"
#include "annex/annex_list.h"
#include "annex/annex_record.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"
#include "platform/host/host_trace.h"
#include "sketches/screen_palette.h"

namespace {

// The sheet is 290 x 289 px; its rectangle runs from the centre - 145 to + 145 across and from
// - 145 to + 144 down.
constexpr int Half = 145;
constexpr int Button_Row = 261;   // px below the top
// Sheet codes.
constexpr int Code_List = 1;
constexpr int Code_OK = 2;
constexpr int Code_Break = 3;
constexpr int Code_Top_Band = 4;
// List rows: 25 px apart from y 5; a name may take 180 px before it is shortened.
constexpr int Row_Step = 25;
constexpr int Row_Top = 5;
constexpr int Max_Name_Width = 180;
// The flags stand 19 px apart in their picture, 25 px wide.
constexpr int Flag_Step = 19;
constexpr const char* Flag_Picture = "NAD/EuroFlags.bmp";
constexpr const char* Buttons_Picture = "NAD\\Buttons.bmp";
// The annex editor in the program's folder under EXEC; it takes the active annex's name.
constexpr const char* Annex_Editor = "Talvo-EC301/nad-editor";

struct Selection_State {
    bool placed = false;
    int centre_x = 0, centre_y = 0;   // where the sheet was last closed
    bool coloured = false;
    int white = 0, builtin_blue = 0, marker_red = 0;
    std::string shortened;            // the shortened name of the row being painted
    int chosen = 0;                   // list index + 1 of the row clicked since the last paint
};
Selection_State sheet;

const int Never_Enabled = 0;

// Width of the text in the host's current font, the list font.
int List_Text_Width(const std::string& text) {
    if (text.empty()) return 0;
    Text_Extent extent{};
    pxQTxX(text.c_str(), static_cast<int>(text.size()), 0, 0, &extent);
    return extent.right - extent.left;
}

// The name as the list shows it: while it is wider than 180 px in the list font, one more
// character goes and "..." takes its place.
const std::string& Shortened_Name(const std::string& name) {
    sheet.shortened = name;
    for (std::size_t cut = 1; cut <= name.size() && List_Text_Width(sheet.shortened) > Max_Name_Width; ++cut)
        sheet.shortened = name.substr(0, name.size() - cut) + "...";
    return sheet.shortened;
}

// The top band over the list: "Auswahl:", the selection badge and the edit button.
void Fill_Top_Band(int area, int* edit_clicked) {
    const int transparent = Nearest_RGB_Color(212, 208, 200);
    Clear_View_Area(area);
    Add_Text_to_View_Area(area, 3, 13, "Auswahl:", Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
    Add_Picture_Button_to_View_Area(area, 206, 6, 42, 8, Buttons_Picture, 577, transparent, 0, nullptr, 0, nullptr,
                                    &Never_Enabled);
    Add_Picture_Button_to_View_Area(area, 251, 7, 9, 7, Buttons_Picture, 587, transparent, 18,
                                    "Anwendungs-\ndokumente\nbearbeiten", 1, edit_clicked, nullptr);
    Show_View_Area(area);
}

// Starts the annex editor on the active annex and waits for it. False when it could not be started.
bool Run_Annex_Editor() {
    const std::string editor = NAD_Host_Path("EXEC", Annex_Editor);
    const char* argv[] = {editor.c_str(), NAD_Get_Active_Name(), nullptr};
    if (!editor.empty() && VEKSpawnv(0, editor.c_str(), argv) >= 0) return true;
    if (Host_Tracing()) Host_Trace_Line("annex editor missing " + Trace_Text(editor));
    return false;
}

}  // namespace

void NAD_Draw_Country_Flag(int x1, int y1, int x2, int y2, int mode, int country) {
    const std::string picture = NAD_Host_Path("DATA", Flag_Picture);
    if (picture.empty()) return;
    const int row = (country >= 20 ? NAD_Country_Local : country) * Flag_Step;
    pxDrawPartialTransparentDIB(picture.c_str(), 0, row, 25, row + Flag_Step - 1, x1, y1, x2, y2, mode, -1, 255, 251, 240);
}

void NAD_Paint_Annex_Flag(int x1, int y1, int x2, int y2, void* country_type) {
    const std::string picture = NAD_Host_Path("DATA", Flag_Picture);
    if (picture.empty() || !country_type) return;
    const int row = *static_cast<const int*>(country_type) * Flag_Step;
    pxDrawPartialTransparentDIB(picture.c_str(), 0, row, 25, row + Flag_Step - 1, x1, y1, x1 + 24, y1 + 18, 201, -1, 255, 251,
                                240);
}

void NAD_Paint_Annex_List(int area) {
    if (!sheet.coloured) {
        sheet.coloured = true;
        sheet.white = Nearest_RGB_Color(255, 255, 255);
        sheet.builtin_blue = Nearest_RGB_Color(0, 100, 150);
        sheet.marker_red = Nearest_RGB_Color(150, 0, 0);
    }
    if (sheet.chosen > 0) {
        if (const NAD_List_Entry* e = NAD_Get_List_Entry(sheet.chosen - 1)) {
            const std::string name = e->name;   // the setter replaces the active name's storage
            NAD_Set_Active_Name(name.c_str());
        }
        sheet.chosen = 0;
    }
    Clear_View_Area(area);
    const std::string active = NAD_Get_Active_Name();
    const int font = Screen_Palette.Font_Heading, black = Screen_Palette.Black;
    int active_bottom = -1;
    for (int i = 0; i < NAD_Get_List_Count(); ++i) {
        const NAD_List_Entry* e = NAD_Get_List_Entry(i);
        const int y = Row_Top + Row_Step * i;
        if (e->name == active) {
            Add_Filled_Rectangle_to_View_Area(area, 2, y - 1, 240, y + 23, sheet.white);
            Add_Line_to_View_Area(area, 2, y - 1, 240, y - 1, black);
            Add_Line_to_View_Area(area, 240, y - 1, 240, y + 23, black);
            Add_Line_to_View_Area(area, 240, y + 23, 2, y + 23, black);
            Add_Line_to_View_Area(area, 2, y + 23, 2, y - 1, black);
            active_bottom = y + 23;
        }
        // The list keeps its entries until it is rebuilt, and the area is painted anew after every
        // rebuild, so the painter may hold the entry's field.
        Add_Painter_to_View_Area(area, 5, y + 2, 220, y + 27, const_cast<int*>(&e->country_type), NAD_Paint_Annex_Flag);
        Add_Text_to_View_Area(area, 37, y + 14, Shortened_Name(e->name).c_str(), font, i < 2 ? sheet.builtin_blue : black,
                              0);
        Add_Hot_Spot_to_View_Area(area, 2, y - 1, 220, y + 23, i + 1, &sheet.chosen);
    }
    Show_View_Area(area);
    if (active_bottom >= 0) Scroll_View_Area_To_Rectangle(area, 0, active_bottom - 35, 1, active_bottom + 35);
}

int NAD_Show_Selection_Sheet() {
    NAD_List_Annexes();
    const std::string entry_name = NAD_Get_Active_Name();

    if (!sheet.placed) {
        sheet.placed = true;
        sheet.centre_x = NPIXEL_X / 2;
        sheet.centre_y = NPIXEL_Y / 2;
    }
    int x1 = sheet.centre_x - Half, x2 = sheet.centre_x + Half;
    int y1 = sheet.centre_y - Half, y2 = sheet.centre_y + Half - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    sheet.centre_x = x1 + Half;
    sheet.centre_y = y1 + Half;
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Nationale Anwendungsdokumente", 10, 1);

    const int break_button = Add_Single_Button_to_PS(x1 + 16, y1 + Button_Row, 1, Code_Break, nullptr, SYMBOLIC_BREAK_RASTER, nullptr);
    Add_Help_to_PS(x1 + 133, y1 + Button_Row, 1, 0, nullptr, "NAD_SELECTION_SHEET");
    Add_Single_Button_to_PS(x1 + 250, y1 + Button_Row, 1, Code_OK, nullptr, SYMBOLIC_OK_RASTER, nullptr);
    Add_Single_Button_to_PS(x1 + 237, y1 + 113, 1, Code_Top_Band, nullptr, SYMBOLIC_MORE_RASTER, nullptr);

    Add_Escape_Area_to_PS(x1 + 12, y1 + 60, x2 - 15, y2 - 37, 1, Code_List);
    const int list = Create_Scrollable_View_Area(x1 + 12, y1 + 60, x2 - 15, y2 - 37, 0, 1);
    const int band_escape = Add_Escape_Area_to_PS(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 1, Code_Top_Band);
    Set_Escape_Area_to_MouseMoveEvent(band_escape, 1);
    const int band = Create_Scrollable_View_Area(x1 + 12, y1 + 35, x1 + 275, y1 + 50, 0, 0);
    Set_View_Area_Background(band, GetVEKColor(-1));
    Set_View_Area_Frame(band, 0);

    Move_Mouse_Cursor_to_Button_of_PS(break_button, 0, 0);
    // The drawing-buffer mode is read (pxBuff answers the mode before) and stands again after the
    // activation, whatever the activation did to it.
    const int buffer_mode = pxBuff(0);
    pxBuff(buffer_mode);
    Activate_Prop_Sheet();
    pxBuff(buffer_mode);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    int edit_clicked = 0;
    sheet.chosen = 0;
    NAD_Paint_Annex_List(list);
    Fill_Top_Band(band, &edit_clicked);
    for (;;) {
        const int code = Edit_Prop_Sheet();
        if (code == Code_List) {
            if (Handle_View_Area_Event(list)) NAD_Paint_Annex_List(list);
        } else if (code == Code_Top_Band) {
            if (Handle_View_Area_Event(band) && edit_clicked) {
                if (Run_Annex_Editor()) {
                    NAD_List_Annexes();
                    NAD_Paint_Annex_List(list);
                }
                edit_clicked = 0;
                Fill_Top_Band(band, &edit_clicked);
            }
        } else if (code == Code_OK || code == Code_Break) {
            sheet.centre_x += dx;
            sheet.centre_y += dy;
            Release_View_Area(list);
            Release_View_Area(band);
            Undefine_Prop_Sheet();
            if (code == Code_Break) NAD_Set_Active_Name(entry_name.c_str());
            break;
        }
    }
    return NAD_Prepare_Active_Annex();
}
