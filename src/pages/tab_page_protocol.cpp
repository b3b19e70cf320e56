#include "pages/tab_page_protocol.h"

#include <cstdio>

#include "checks/weld_input_check.h"
#include "common/cp437.h"
#include "gui/view_area_items.h"
#include "pages/connection_forms.h"
#include "pages/input_parts.h"
#include "pages/page_edit_flags.h"
#include "sketches/screen_palette.h"

namespace {

constexpr int Heading_Step = 27;   // the row pitch plus 5 below a page heading

void Add_Page_Heading(int area, int x, int* y, const char* text) {
    Add_Text_to_View_Area(area, x, *y, text, Screen_Palette.Font_Heading, Screen_Palette.Black, 0);
    *y += Heading_Step;
}

bool Is_Active(const Connection_Record& R, Connection_Page page) {
    switch (page) {
        case Page_Bolted: return R.bolted_active != 0;
        case Page_Welded: return R.welded_active != 0;
        case Page_T_Stub_Tension: return R.tension_active != 0;
        case Page_T_Stub_Compression: return R.compression_active != 0;
    }
    return false;
}

// The page's own record brought into the form the checks see: packed, given the two context words,
// checked without report and messages (the check derives fields and corrects what the options rule
// out; its result is not used here) and unpacked again.
void Prepare_Page_Record(Connection_Record& R, Connection_Page page) {
    auto set_context = [&R](Check_Context& c) {
        c.uniform_steel = R.uniform_steel;
        c.verification = R.verification;
    };
    switch (page) {
        case Page_Bolted:
            Pack_Bolt_Connection(&R.bolted);
            set_context(R.bolted.context);
            Check_Bolt_Input(&R.bolted, nullptr, 0);
            Unpack_Bolt_Connection(&R.bolted);
            break;
        case Page_Welded:
            Pack_Weld_Connection(&R.welded);
            set_context(R.welded.context);
            Check_Weld_Input(R.welded, nullptr, 0, 0);
            Unpack_Weld_Connection(&R.welded);
            break;
        case Page_T_Stub_Tension:
            Pack_T_Stub_Tension(&R.tension);
            set_context(R.tension.check_context);
            Check_T_Stub_Tension_Input(&R.tension, nullptr, 0, 0);
            Unpack_T_Stub_Tension(&R.tension);
            break;
        case Page_T_Stub_Compression:
            Pack_T_Stub_Compression(&R.compression);
            set_context(R.compression.context);
            Check_T_Stub_Compression_Input(&R.compression, nullptr, 0, 0);
            Unpack_T_Stub_Compression(&R.compression);
            break;
    }
}

}  // namespace

int Draw_Connection_Page(Connection_Record* record, Connection_Page page, int area, int x, int y0, int right) {
    int y = y0 + 20;
    // The general tab is the first of the main window's pages; the connection tabs follow it.
    Begin_Input_Part_Page(1 + page);
    Reset_Field_Activity_Pool();
    if (!record) return y;
    Connection_Record& R = *record;
    if (!Is_Active(R, page)) {
        Add_Text_to_View_Area(area, x + 310, y + 250, "Der Nachweis ist inaktiv (siehe erstes Registerblatt)",
                              Screen_Palette.Font_Heading, Screen_Palette.Blue, 0);
        return y;
    }
    if (page == Page_Bolted) Add_Page_Heading(area, x + 10, &y, "Schrauben-, Niet- oder Bolzenverbindung:");
    Prepare_Page_Record(R, page);
    const int width = right - x - 40;
    switch (page) {
        case Page_Bolted:
            Draw_Bolt_Connection_Form(&R.bolted, area, x + 10, &y, 22, 18, width, 1);
            break;
        case Page_Welded:
            Add_Page_Heading(area, x + 10, &y, "Nachweis einer Schweißverbindung:"_cp);
            Draw_Weld_Connection_Form(&R.welded, area, x + 10, &y, 22, 18, width, 1);
            break;
        case Page_T_Stub_Tension:
            Add_Page_Heading(area, x + 10, &y, "Nachweis eines T-Stummels unter Zugbeanspruchung:");
            Draw_T_Stub_Tension_Form(&R.tension, area, x + 10, &y, 22, 18, width, 1);
            break;
        case Page_T_Stub_Compression:
            Add_Page_Heading(area, x + 10, &y, "Nachweis eines T-Stummels unter Druckbeanspruchung:");
            Draw_T_Stub_Compression_Form(&R.compression, area, x + 10, &y, 22, 18, width, 1);
            break;
    }
    return y;
}

void Pack_All_Connections(Connection_Record* record) {
    if (!record) return;
    Pack_Bolt_Connection(&record->bolted);
    Pack_Weld_Connection(&record->welded);
    Pack_T_Stub_Tension(&record->tension);
    Pack_T_Stub_Compression(&record->compression);
}

void Unpack_All_Connections(Connection_Record* record) {
    if (!record) return;
    Unpack_Bolt_Connection(&record->bolted);
    Unpack_Weld_Connection(&record->welded);
    Unpack_T_Stub_Tension(&record->tension);
    Unpack_T_Stub_Compression(&record->compression);
}

void Install_Page_Conversion() {
    Set_Connection_Conversion(Pack_All_Connections, Unpack_All_Connections);
    Set_Input_Load_Hook(Reseed_Page_Edit_Flags);
}

int* Take_Group_Slot(int editable, bool condition) {
    return Take_Field_Activity_Slot(editable && condition ? Screen_Palette.Active : Screen_Palette.Inactive);
}

Part_Colours Colours_Of_Group(const int* slot) {
    if (slot && *slot) return {Screen_Palette.Black, Screen_Palette.Grey_160};
    return {Screen_Palette.Grey_130, Screen_Palette.Grey_130};
}

Utilisation_Text Format_Utilisation(double U_max) {
    Utilisation_Text u{};
    // Compared on the raw value: 1.0004 is not ok although it prints as 1.000.
    if (U_max > 999.9 || U_max < 0.01 || U_max != U_max) {
        std::snprintf(u.text, sizeof u.text, "XXXXXX");
        u.colour = Screen_Palette.Grey_130;
    } else if (U_max <= 1.0) {
        std::snprintf(u.text, sizeof u.text, "%.3lf%s", U_max, "  ≤ 1  ok"_cp);
        u.colour = Screen_Palette.Green;
    } else {
        std::snprintf(u.text, sizeof u.text, "%.3lf  > 1  nicht ok !!", U_max);
        u.colour = Screen_Palette.Red;
    }
    return u;
}

void Draw_Utilisation(int area, int x_u, int x_max, int x_value, int y, double U_max) {
    const Utilisation_Text u = Format_Utilisation(U_max);
    Add_Text_to_View_Area(area, x_u, y, "U      =", Screen_Palette.Font_Heading, u.colour, 0);
    Add_Text_to_View_Area(area, x_max, y + 2, "max", Screen_Palette.Font_Subscript, u.colour, 0);
    Add_Text_to_View_Area(area, x_value, y, u.text, Screen_Palette.Font_Heading, u.colour, 0);
}
