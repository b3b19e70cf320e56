#include "gui/notice_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/notice_output.h"
#include "gui/dialog_engine.h"
#include "gui/page_context.h"
#include "gui/page_fields.h"
#include "gui/view_areas.h"
#include "platform/host/host_events.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr char Escape = '\xCE';   // the print list's escape byte
constexpr int Line_Height = 16;
constexpr int Widest_Sheet = 800;
constexpr int Check_Box_Width = 245;
constexpr int Plain_Font = 4096;

// The sheet's check box is always editable.
const Field_State Check_Box_State = 1;

int Black() { return Nearest_Color_Index(0, 0, 0); }

// A run of an escape: ╬B draws its text shadowed, ╬C draws the text behind the first blank in the
// colour index in front of it; other escapes are not drawn. Returns the width added.
int Draw_Escape_Run(int x, int y, char letter, const char* run) {
    switch (letter) {
    case 'B':
    case 'b':
        return *run ? Add_Shadow_Label(x, y, run, &Page_Enabled) : 0;
    case 'C':
    case 'c': {
        const int kept = Get_Page_Text_Colour();
        int colour = 0;
        if (std::sscanf(run, "%d", &colour) == 1) Set_Page_Text_Colour(colour);
        const char* blank = std::strchr(run, ' ');
        const int width = blank && blank[1] ? Add_Label(x, y, blank + 1, &Page_Enabled) : 0;
        Set_Page_Text_Colour(kept);
        return width;
    }
    default:
        return 0;
    }
}

// Mode-4 line of the notice output: drawn in the font the notice's style pairs chose; 0 when no
// dialog page is current, so that the notice is shown otherwise.
int Draw_Sheet_Line(int font, int x, int y, char* text) {
    if (Get_Page_Area() < 0) return 0;
    Set_Page_Font(font);
    Draw_Notice_Line(x, y, text);
    return 1;
}

// The visible part of a stored row: without its style pairs and its newline.
void Visible_Row(const char* row, char* text, std::size_t size) {
    while (row[0] == '^' && row[1] != '\0') row += 2;
    std::snprintf(text, size, "%s", row);
    const std::size_t n = std::strlen(text);
    if (n > 0 && text[n - 1] == '\n') text[n - 1] = '\0';
}

// Page builder: the rows of the shown queue on the sheet's background, then the check box.
void Build_Notice_Page(int area, int table) {
    Notice_Sheet_State& sheet = Notice_Sheet();
    Select_Page_Context(area);
    const int background = sheet.background == -1 ? Nearest_Color_Index(255, 245, 220) : sheet.background;
    Set_Page_Fill_Colour(background);
    Set_View_Area_Background(area, background);
    Set_Page_Text_Colour(Black());
    Set_Notice_Output_Mode(4);   // each row is drawn from the top of the page
    for (int r = 0; r < Get_Notice_Queue_Count(sheet.shown_queue); ++r) {
        const char* row = Get_Notice_Queue_Row(sheet.shown_queue, r);
        if (*row) Print_Notice("%s", row);
    }
    if (sheet.offer_check || sheet.check_label) {
        sheet.y += 25;
        sheet.x = static_cast<int>(std::lround((sheet.width - Check_Box_Width) / 2.0));
        const char* label = sheet.check_label;
        if (!label) {
            Set_Page_Text_Colour(Nearest_Color_Index(130, 130, 130));
            label = "Diesen Hinweis nicht nochmal anzeigen";
        }
        Add_State_Check_Box(sheet.x, sheet.y, label, &sheet.check_result, &Check_Box_State);
    }
    Set_Page_Text_Colour(Black());
}

// Runs the sheet over a queue: kind 1 (one "Weiter" button), the queue's title, a page area as high
// as the rows and the check box need and as wide as the widest row, within 800 pixels.
void Present_Notice_Sheet(int queue) {
    static Dialog_Page page;
    static bool page_ready = false;
    if (!page_ready) {
        Init_Dialog_Pages(1, &page);
        page_ready = true;
    }
    Notice_Sheet_State& sheet = Notice_Sheet();
    Dialog_Description description;
    Init_Dialog_Description(&description);
    description.kind = 1;
    std::snprintf(description.title, sizeof description.title, "%s", Get_Notice_Queue_Title(queue));

    const int rows = Get_Notice_Queue_Count(queue);
    description.height = rows * Line_Height + (sheet.offer_check || sheet.check_label ? 70 : 50);
    int widest = 0;
    for (int r = 0; r < rows; ++r) {
        char text[Notice_Row_Size];
        Visible_Row(Get_Notice_Queue_Row(queue, r), text, sizeof text);
        widest = std::max(widest, Get_Label_Width(text, Plain_Font));
    }
    const int width = widest + 40;
    description.width = std::min(width, Widest_Sheet);
    sheet.width = description.width;
    page.horizontal_slider = width > Widest_Sheet ? 1 : 0;
    page.vertical_slider = 1;
    page.builder = Build_Notice_Page;

    while (M_LEFT)
        if (Get_Mouse_Event() == 0) break;
    Run_Register_Dialog(&description, 1, &page);
    // The sheet is gone: later mode-4 notices must not draw into its released area.
    Select_Page_Context(-1);
}

}  // namespace

void Draw_Notice_Line(int x, int y, char* text) {
    char* rest = text;
    while (rest) {
        char* escape = std::strchr(rest, Escape);
        if (!escape) {
            if (*rest) Add_Label(x, y, rest, &Page_Enabled);
            return;
        }
        *escape = '\0';
        if (*rest) x += Add_Label(x, y, rest, &Page_Enabled);
        const char letter = escape[1];
        if (letter == '\0') return;
        char* run = escape + 2;
        char* closing = std::strchr(run, Escape);
        rest = nullptr;
        if (closing) {
            *closing = '\0';
            // The closing escape's letter is stepped over; the line goes on when more follows it.
            if (closing[1] != '\0' && closing[2] != '\0') rest = closing + 2;
        }
        x += Draw_Escape_Run(x, y, letter, run);
    }
}

void Install_Notice_Sheet() {
    Notice_Sheet_Hooks hooks;
    hooks.draw_line = Draw_Sheet_Line;
    hooks.present = Present_Notice_Sheet;
    Set_Notice_Sheet_Hooks(hooks);
}
