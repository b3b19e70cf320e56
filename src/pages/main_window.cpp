#include "pages/main_window.h"

#include <array>
#include <cstdio>

#include "common/cp437.h"
#include "frame/code_edition.h"
#include "frame/connection_record.h"
#include "frame/report_driver.h"
#include "frame/report_file.h"
#include "frame/safety_factors.h"
#include "frame/startup.h"
#include "gui/annex_warning_sheet.h"
#include "gui/icon_toolbar.h"
#include "gui/notice_sheet.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/form_rows.h"
#include "pages/input_parts.h"
#include "pages/tab_page_protocol.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

int Main_Window_Tab = 1;

namespace {

// Codes of the sheet: the toolbar's escape area, the page's escape area, the five register tabs.
constexpr int Toolbar_Code = 1;
constexpr int Page_Code = 100;
constexpr int First_Tab_Code = 10001;
constexpr int Tab_Count = 5;

// The register's tabs: x range of each, over the tab captions of the background strip.
constexpr std::array<std::array<int, 2>, Tab_Count> Tab_Columns = {{{4, 74}, {75, 145}, {146, 216}, {217, 287}, {288, 358}}};

constexpr std::array<const char*, Tab_Count> Help_Topics = {"ec301_allgemein", "ec301_schraube", "ec301_schweiss",
                                                            "ec301_stummel_zug", "ec301_stummel_druck"};

// The toolbar: seven icons of 42 x 37 px cut from "Buttons.bmp" (normal, hover, disabled and pressed
// pictures in the rows 51, 89, 127 and 165 of one column), 6 px below the bar's top.
Icon_Bar_Entry Toolbar_Icon(int sprite_x, int offset_x, int command, const char* tooltip) {
    return Icon_Bar_Entry{42, 37, sprite_x, 51, sprite_x, 89, sprite_x, 127, sprite_x, 165,
                          offset_x, 6, 1, command, tooltip, nullptr};
}

std::array<Icon_Bar_Entry, 7> Toolbar_Entries = {
    Toolbar_Icon(302, -10, Command_Annex, "nationaler Anhang zum EC"),
    Toolbar_Icon(259, 45, Command_Print_Settings, "Druckeinstellung"),
    Toolbar_Icon(216, 90, Command_Preview, "Vorschau"),
    Toolbar_Icon(1, 135, Command_Print, "drucken"),
    Toolbar_Icon(87, 180, Command_Save, "sichern"),
    Toolbar_Icon(130, 225, Command_Help, "Hilfe"),
    Toolbar_Icon(173, 270, Command_End, "Ende"),
};

Icon_Bar Toolbar = {static_cast<int>(Toolbar_Entries.size()), 0, 3, 0, 42, "Buttons.bmp", Toolbar_Entries.data()};

const std::array<Choice_List_Entry, 2> Code_Edition_Choices = {{{0, "EC 3 - Ausgabe 2010"}, {0, "EC 3 - Ausgabe 2025"}}};

void Add_Heading(int area, int x, int y, const char* text) {
    Add_Text_to_View_Area(area, x, y, text, Screen_Palette.Font_Heading, Screen_Palette.Black, 0);
}

void Add_Switch(int area, int x, int y, const char* label, int* bound) {
    Add_Check_Box_to_View_Area(area, x, y, label, Screen_Palette.Font_Normal, Screen_Palette.Black, bound,
                               &Screen_Palette.Active);
}

// The sheet with its background, register, toolbar area, page area and view area. Result: the view
// area; the page's escape area through the pointer.
int Define_Main_Sheet(int* page_area) {
    const int xm = NPIXEL_X - 1, ym = NPIXEL_Y - 1;
    Set_NoFrameFlag_to_Next_PropSheet();
    Define_Prop_Sheet(0, 0, xm, ym, 0, 0, "", 120, 1);
    // The background and the strip with the tab captions.
    pxFgc(GetVEKColor(-1));
    pxRect(0, 0, xm, ym);
    pxDrawPartialTransparentDIB("Buttons.bmp", 0, 0, -1, -1, 6, 7, 557, 54, 201, -1, 219, 213, 203);

    const int reg = Add_Register_to_PS(4, 6, NPIXEL_X - 6, NPIXEL_Y - 6, 50);
    for (int k = 0; k < Tab_Count; ++k) Add_Member_to_Register(reg, Tab_Columns[k][0], Tab_Columns[k][1], 1, First_Tab_Code + k);
    Set_Selected_Register_Member(reg, Main_Window_Tab >= 1 && Main_Window_Tab <= Tab_Count ? Main_Window_Tab : 1);

    Toolbar.x1 = NPIXEL_X - 321;
    Toolbar.x2 = NPIXEL_X - 6;
    const int bar_area = Add_Escape_Area_to_PS(NPIXEL_X - 321, 3, NPIXEL_X - 6, 42, 1, Toolbar_Code);
    Set_Escape_Area_to_MouseMoveEvent(bar_area, 1);

    *page_area = Add_Escape_Area_to_PS(9, 55, NPIXEL_X - 26, NPIXEL_Y - 13, 1, Page_Code);
    const int view = Create_Scrollable_View_Area(9, 55, NPIXEL_X - 14, NPIXEL_Y - 13, 1, 1);
    Set_Escape_Area_to_MouseMoveEvent(*page_area, 1);
    Set_View_Area_Activity(view, 0);
    return view;
}

// The record as the window shows it first: loaded, its factors and uniform steel refreshed and,
// with the verification switch, its utilisations computed.
void Load_Record_For_Window() {
    Load_Input_File();
    Refresh_Safety_Factors(&Connection.factors);
    if (Connection.uniform_steel) Apply_Uniform_Steel_Grade();
    if (Connection.verification) Compute_And_Report(0);
}

}  // namespace

const char* Main_Window_Help_Topic(int tab) {
    return tab >= 1 && tab <= Tab_Count ? Help_Topics[static_cast<std::size_t>(tab - 1)] : "ec301_basisverbindungen";
}

void Draw_Page_General(int area, int dx, int dy, int xm, int ym) {
    Connection_Record& R = Connection;
    const Screen_Palette_Record& S = Screen_Palette;
    int y = dy + 20;
    Begin_Input_Part_Page(0);
    char letters[3] = {};
    Get_Module_Letters(letters);
    char title[16];
    std::snprintf(title, sizeof title, "Talvo-EC3%s", letters);
    Add_Text_to_View_Area(area, xm - 95, dy + 10, title, S.Font_Heading, S.Black, 0);
    Reset_Field_Activity_Pool();

    // The edition of the rules: the checks follow the record's edition from this drawing on; the
    // annex library learns it at the next report run.
    y += 22;
    Add_Heading(area, dx + 260, y, "Vorschrift");
    Add_Choice_List_to_View_Area(area, dx + 335, y, Code_Edition_Choices.data(), S.Font_Normal, 16,
                                 static_cast<int>(Code_Edition_Choices.size()), &R.Code_Edition, &S.Active);
    Current_Code_Edition = R.Code_Edition;

    y += 22;
    Add_Grey_Line(area, dx + 10, y, xm - 50, y);
    y += 22;
    Draw_Safety_Factors_Input(&R.factors, area, dx + 260, &y, 22, 18, xm - dx - 40, 1, 1015, 1);
    Add_Grey_Line(area, dx + 10, y, xm - 50, y);

    y += 27;
    Add_Heading(area, dx + 260, y, "Ermittlung der Tragfähigkeit"_cp);
    y += 32;
    Add_Switch(area, dx + 280, y, "einer Schrauben-, Niet- oder Bolzenverbindung", &R.bolted_active);
    y += 22;
    Add_Switch(area, dx + 280, y, "einer Schweißverbindung"_cp, &R.welded_active);
    y += 22;
    Add_Switch(area, dx + 280, y, "eines T-Stummels unter Zugbelastung", &R.tension_active);
    y += 22;
    Add_Switch(area, dx + 280, y, "eines T-Stummels unter Druckbelastung", &R.compression_active);
    y += 40;
    Add_Switch(area, dx + 280, y, "einschl. Ermittlung der Ausnutzungen infolge Belastung (Nachweis)", &R.verification);

    y += 22;
    Add_Grey_Line(area, dx + 10, y, xm - 50, y);
    y += 27;
    Add_Heading(area, dx + 260, y, "Steuerung der Programmeingabe");
    y += 32;
    Add_Switch(area, dx + 280, y, "einheitliche Stahlsorte für alle Verbindungsbleche"_cp, &R.uniform_steel);
    y += 22;
    if (R.uniform_steel)
        Draw_Uniform_Steel_Input(&R.uniform_material, area, dx + 280, &y, 22, 18, xm - dx - 40, 1, S.Black, 6);
}

void Draw_Page_Bolted(int area, int dx, int dy, int xm, int) {
    Draw_Connection_Page(&Connection, Page_Bolted, area, dx, dy, xm);
}

void Draw_Page_Welded(int area, int dx, int dy, int xm, int) {
    Draw_Connection_Page(&Connection, Page_Welded, area, dx, dy, xm);
}

void Draw_Page_T_Stub_Tension(int area, int dx, int dy, int xm, int) {
    Draw_Connection_Page(&Connection, Page_T_Stub_Tension, area, dx, dy, xm);
}

void Draw_Page_T_Stub_Compression(int area, int dx, int dy, int xm, int) {
    Draw_Connection_Page(&Connection, Page_T_Stub_Compression, area, dx, dy, xm);
}

void Draw_Main_Window_Page(int tab, int area, int dx, int dy, int xm, int ym) {
    using Page_Drawer = void (*)(int, int, int, int, int);
    static constexpr std::array<Page_Drawer, Tab_Count> Pages = {Draw_Page_General, Draw_Page_Bolted, Draw_Page_Welded,
                                                                 Draw_Page_T_Stub_Tension, Draw_Page_T_Stub_Compression};
    if (tab >= 1 && tab <= Tab_Count) Pages[static_cast<std::size_t>(tab - 1)](area, dx, dy, xm, ym);
}

void Refresh_After_Edit() {
    Refresh_Safety_Factors(&Connection.factors);
    if (Connection.uniform_steel) Apply_Uniform_Steel_Grade();
    if (Connection.verification) {
        if (!Refresh_Mode) Pack_Connection_Record(&Connection);
        Run_Connection_Checks(&Connection, nullptr);
        if (!Refresh_Mode) Unpack_Connection_Record(&Connection);
    }
}

int Run_Main_Window() {
    // The editing form of the connection records, the annex warning sheet and the notice sheet are
    // in force before the input file is loaded.
    Install_Page_Conversion();
    Install_Annex_Sheets();
    Install_Notice_Sheet();

    int page_area = 0;
    const int view = Define_Main_Sheet(&page_area);
    Init_Screen_Palette();
    Load_Record_For_Window();
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    int saved = 0;
    int draw_dx = 0, draw_dy = 0;   // the first pass draws undisplaced
    const int xm = NPIXEL_X - 1, ym = NPIXEL_Y - 1;
    for (;;) {
        Draw_Icon_Bar(&Toolbar);
        Set_View_Area_Activity(view, 1);
        Clear_View_Area(view);
        Draw_Main_Window_Page(Main_Window_Tab, view, draw_dx, draw_dy, xm, ym);
        Change_Activity_PS(page_area, 1);
        Show_View_Area(view);
        const int code = Edit_Prop_Sheet();
        draw_dx = dx;
        draw_dy = dy;
        if (code >= First_Tab_Code && code < First_Tab_Code + Tab_Count) {
            Main_Window_Tab = code - First_Tab_Code + 1;
        } else if (code == Page_Code) {
            if (Handle_View_Area_Event(view)) {
                // The page built again runs its own pack, silent check and unpack on the new values.
                Clear_View_Area(view);
                Draw_Main_Window_Page(Main_Window_Tab, view, draw_dx, draw_dy, xm, ym);
                Refresh_After_Edit();
            }
        } else if (code == Toolbar_Code) {
            const int exit_code = Run_Toolbar_Command(Run_Icon_Bar(&Toolbar), &saved);
            if (exit_code >= 0) {
                Release_View_Area(view);
                Undefine_Prop_Sheet();
                return exit_code;
            }
        }
    }
}
