#include "pages/print_settings_page.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/cp437.h"
#include "common/tracked_alloc.h"
#include "frame/field_clamps.h"
#include "gui/user_comment_editor.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/page_buttons.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

int Remarks_Button_Flag = 0;
int Remarks_Line_Count = 0;

namespace {

// The dialog is 370 x 585 px around its centre.
constexpr int Half_Width_Left = 185, Half_Width_Right = 184;
constexpr int Half_Height = 292;
// Sheet codes of the dialog's view area and buttons.
constexpr int Code_View_Area = 1;
constexpr int Code_OK = 8;
constexpr int Code_Break = 9;
// Remarks shorter than this are taken as none: a stray key in the editor is no remark.
constexpr std::size_t Min_Remarks_Length = 5;
// Longest line of the remarks before it is broken at a blank.
constexpr std::size_t Max_Remarks_Line = 110;

struct Dialog_State {
    bool placed = false;
    int centre_x = 0, centre_y = 0;   // where the dialog was last left
    // The load-combination choice of other applications of the host: 0 none, 1 the governing
    // combination in detail, 2 combination `number`.
    int combination_choice = 1;
    double combination_number = 1.0;
};
Dialog_State dialog;

// The stored load-combination field into the dialog's choice.
void Decode_Combination(const Print_Settings& S) {
    const int value = S.load_combination_detail;
    if (value < 0) {
        dialog.combination_choice = 2;
        dialog.combination_number = -value;
    } else {
        dialog.combination_choice = value == 0 ? 0 : 1;
    }
    if (dialog.combination_number < 0.1) dialog.combination_number = 1.0;
}

// The dialog's choice back into the stored field.
void Encode_Combination(Print_Settings& S) {
    if (dialog.combination_choice == 1)
        S.load_combination_detail = 1;
    else if (dialog.combination_choice <= 0)
        S.load_combination_detail = 0;
    else
        S.load_combination_detail = static_cast<int>(-(dialog.combination_number + 0.1));
}

// Breaks every line that ends with a line break and holds more than 110 characters at the last
// blank among its first 110. A line without such a blank cannot be broken by this rule; it stays as
// it is and the scan ends there.
void Break_Long_Remarks_Lines(char* text) {
    char* line = text;
    while (char* end = std::strchr(line, '\n')) {
        if (static_cast<std::size_t>(end - line) <= Max_Remarks_Line) {
            line = end + 1;
            continue;
        }
        char* blank = nullptr;
        for (char* p = line + Max_Remarks_Line - 1; p >= line; --p)
            if (*p == ' ') {
                blank = p;
                break;
            }
        if (!blank) return;
        *blank = '\n';
        line = blank + 1;
    }
}

int Count_Line_Breaks(const char* text) {
    int n = 0;
    for (const char* p = text; p && *p; ++p)
        if (*p == '\n') ++n;
    return n;
}

// Runs the comment editor on the remarks; a text under 5 characters leaves none. The old remarks
// are released only once the new ones exist.
void Edit_Remarks_Text(Print_Settings& S) {
    char* copy = nullptr;
    if (S.remarks && *S.remarks) {
        copy = static_cast<char*>(std::malloc(std::strlen(S.remarks) + 1));
        if (!copy) return;   // the remarks stay as they are
        std::strcpy(copy, S.remarks);
    }
    char* edited = Edit_User_Comment(copy, "Vorbemerkungen");
    char* next = nullptr;
    if (edited && std::strlen(edited) >= Min_Remarks_Length) {
        next = static_cast<char*>(MEM_CALLOC(std::strlen(edited) + 1, 1));
        if (!next) Abort_Out_Of_Memory();
        std::strcpy(next, edited);
    }
    std::free(edited);
    MEM_FREE(S.remarks);
    S.remarks = next;
}

void Add_Check_Row(int area, int y, const char* label, int* field) {
    Add_Check_Box_to_View_Area(area, 55, y, label, Screen_Palette.Font_Normal, Screen_Palette.Black, field, nullptr);
}

void Add_Band(int area, int y1, int colour, int text_y, const char* title) {
    Add_Filled_Rectangle_to_View_Area(area, 10, y1, 340, y1 + 20, colour);
    Add_Text_to_View_Area(area, 35, text_y, title, Screen_Palette.Font_Heading, Screen_Palette.Black, 0);
}

}  // namespace

void Draw_Print_Settings_Page(Print_Settings* settings, int area) {
    Print_Settings& S = *settings;
    const int font = Screen_Palette.Font_Normal, black = Screen_Palette.Black;
    const int band = Nearest_RGB_Color(203, 248, 235);
    Clear_View_Area(area);
    Add_Band(area, 5, band, 20, "Eingabeprotokoll");

    Add_Filled_Rectangle_to_View_Area(area, 30, 33, 50, 52, Screen_Palette.Cream);
    Add_Action_Button(area, 55, 47, &Remarks_Button_Flag, "Vorbemerkungen", 0);
    char lines[32];
    std::snprintf(lines, sizeof lines, "(%d Zeilen)", Remarks_Line_Count);
    Add_Text_to_View_Area(area, 175, 47, lines, font, black, 0);

    Add_Check_Row(area, 69, "Grafik", &S.graphics);
    if (S.graphics) {
        Add_Text_to_View_Area(area, 95, 69, "im Maßstab  1 :"_cp, font, black, 0);
        Add_Float_Field_to_View_Area(area, 195, 69, &S.sketch_scale, "%5.1f", font, black, nullptr);
        Set_View_Item_Change_Callback(area, Clamp_Not_Negative);
    }
    Add_Check_Row(area, 91, "Eingabeparameter", &S.input_parameters);
    Add_Check_Row(area, 113, "Materialsicherheitsbeiwerte", &S.safety_factors);
    Add_Check_Row(area, 135, "zusätzliche Informationen"_cp, &S.extra_information);
    Add_Check_Row(area, 157, "Parameter des nationalen Anhangs", &S.annex_parameters);
    Add_Check_Row(area, 179, "Vorschriften", &S.standards);

    Add_Band(area, 196, band, 211, "Ergebnisse");
    struct Level {
        int y;
        const char* label;
        Detail_Level value;
    };
    static constexpr Level levels[] = {
        {238, "ausführlich"_cp, Detail_Full},
        {256, "standard", Detail_Standard},
        {274, "minimal", Detail_Minimal},
    };
    for (const Level& l : levels)
        Add_Radio_Button_to_View_Area(area, 55, l.y, l.label, font, black, l.value, &S.detail_level, nullptr);

    Add_Check_Row(area, 301, "Abschnittsnummerierung unterdrücken"_cp, &S.suppress_numbering);
    Show_View_Area(area);
}

int Edit_Preliminary_Remarks(Print_Settings* settings) {
    Print_Settings& S = *settings;
    int ran = 0;
    if (Remarks_Button_Flag) {
        Encode_Combination(S);
        Edit_Remarks_Text(S);
        Decode_Combination(S);
        Remarks_Button_Flag = 0;
        ran = 1;
    }
    if (S.remarks) Break_Long_Remarks_Lines(S.remarks);
    Remarks_Line_Count = Count_Line_Breaks(S.remarks);
    return ran;
}

int Edit_Print_Settings(Print_Settings* settings) {
    if (!dialog.placed) {
        dialog.placed = true;
        dialog.centre_x = NPIXEL_X / 2;
        dialog.centre_y = NPIXEL_Y / 2;
    }
    int x1 = dialog.centre_x - Half_Width_Left, x2 = dialog.centre_x + Half_Width_Right;
    int y1 = dialog.centre_y - Half_Height, y2 = dialog.centre_y + Half_Height;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    dialog.centre_x = x1 + Half_Width_Left;
    dialog.centre_y = y1 + Half_Height;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Ausdrucksteuerung", 10, 1);
    const int break_button = Add_Single_Button_to_PS(x1 + 14, y2 - 29, 1, Code_Break, nullptr, SYMBOLIC_BREAK_RASTER, nullptr);
    Add_Help_to_PS((x1 + x2) / 2 - 10, y2 - 29, 1, 0, nullptr, "ec301_ausdruck");
    Add_Single_Button_to_PS(x2 - 40, y2 - 29, 1, Code_OK, nullptr, SYMBOLIC_OK_RASTER, nullptr);
    const int area = Create_Scrollable_View_Area(x1 + 10, y1 + 42, x2 - 10, y2 - 45, 0, 0);
    const int escape = Add_Escape_Area_to_PS(x1 + 10, y1 + 42, x2 - 30, y2 - 45, 1, Code_View_Area);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    Move_Mouse_Cursor_to_Button_of_PS(break_button, 0, 0);
    Activate_Prop_Sheet();
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    Decode_Combination(*settings);
    Edit_Preliminary_Remarks(settings);
    for (;;) {
        Draw_Print_Settings_Page(settings, area);
        if (Edit_Preliminary_Remarks(settings)) Draw_Print_Settings_Page(settings, area);
        const int code = Edit_Prop_Sheet();
        if (code == Code_View_Area) Handle_View_Area_Event(area);
        if (code == Code_OK || code == Code_Break) break;
    }

    dialog.centre_x += dx;
    dialog.centre_y += dy;
    Release_View_Area(area);
    Undefine_Prop_Sheet();
    Encode_Combination(*settings);
    return 0;
}
