#include "gui/question_dialog.h"

#include <algorithm>
#include <cmath>

#include "common/cp437.h"
#include "common/file_tools.h"
#include "common/key_lines.h"
#include "frame/import_info.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"
#include "sketches/screen_drawing.h"
#include "sketches/screen_palette.h"

namespace {

// Sheet layout around the content: margin, title bar, button row.
constexpr int Margin = 10;
constexpr int Title_Height = 22;
constexpr int Button_Row = 42;

// Where the dialog stood after the last move, relative to the screen centre.
int kept_dx = 0, kept_dy = 0;

constexpr int Bar_Length = 100;
constexpr int Bar_Rows = 10;
// Green components of the ten rows of the bar, from its top row down.
constexpr int Bar_Greens[Bar_Rows] = {89, 108, 128, 164, 187, 230, 187, 164, 128, 108};

struct Bar_Colours {
    int background, frame, error;
    int shades[Bar_Rows];
};

const Bar_Colours& Bar_Palette() {
    static const Bar_Colours colours = [] {
        Bar_Colours c{Nearest_RGB_Color(220, 220, 220), Nearest_RGB_Color(120, 120, 120), Nearest_RGB_Color(255, 0, 0), {}};
        for (int k = 0; k < Bar_Rows; ++k) c.shades[k] = Nearest_RGB_Color(0, Bar_Greens[k], 0);
        return c;
    }();
    return colours;
}

}  // namespace

int Run_Question_Dialog(int mode, int width, int height, const char* help_key, void* datum, Question_Content content) {
    Init_Screen_Palette();
    const bool question = mode < 2;
    const int w = std::max(width, 0) + 2 * Margin, h = std::max(height, 0) + Title_Height + 2 * Margin + Button_Row;
    int x1 = (NPIXEL_X - w) / 2 + kept_dx, y1 = (NPIXEL_Y - h) / 2 + kept_dy, x2 = x1 + w - 1, y2 = y1 + h - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, question ? "Nachfrage" : "Info", Screen_Palette.Font_Normal, 0);

    const int cx1 = x1 + Margin, cy1 = y1 + Title_Height + Margin;
    Add_Escape_Area_to_PS(cx1, cy1, cx1 + width, cy1 + height, 1, Question_Content_Code);
    const int area = Create_Scrollable_View_Area(cx1, cy1, cx1 + width, cy1 + height, 0, 0);

    const int row = y2 - Margin - 22, centre = (x1 + x2) / 2;
    const int break_button = Add_Single_Button_to_PS(question ? centre - 110 : centre - 32, row, 1, Question_Break_Code,
                                                     "Abbruch", 0, nullptr);
    int ok_button = -1;
    if (question) ok_button = Add_Single_Button_to_PS(centre + 46, row, 1, Question_Ok_Code, "OK", 0, nullptr);
    if (help_key) Add_Help_to_PS(centre - 15, row, 1, 0, "?", help_key);
    Set_Windows_OK_Button(question ? Question_Ok_Code : Question_Break_Code);
    Set_Windows_Break_Button(Question_Break_Code);
    Activate_Prop_Sheet();
    Move_Mouse_Cursor_to_Button_of_PS(mode == 1 ? ok_button : break_button, 10, 5);

    int result = 0;
    for (;;) {
        if (area >= 0) {
            Clear_View_Area(area);
            int y = 20;
            if (content) content(area, 20, &y, datum);
            Show_View_Area(area);
        }
        const int code = Edit_Prop_Sheet();
        if (code == Question_Content_Code && area >= 0) {
            Handle_View_Area_Event(area);
            continue;
        }
        result = code == Question_Ok_Code ? 1 : 0;
        break;
    }
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    kept_dx += dx;
    kept_dy += dy;
    if (area >= 0) Release_View_Area(area);
    Undefine_Prop_Sheet();
    return result;
}

void Draw_Utilisation_Bar(int area, int x, int y, double utilisation) {
    Init_Screen_Palette();
    const Bar_Colours& c = Bar_Palette();
    Add_Filled_Rectangle_to_View_Area(area, x, y - 9, x + Bar_Length, y, c.background);
    Add_Line_to_View_Area(area, x, y - 9, x + Bar_Length, y - 9, c.frame);
    Add_Line_to_View_Area(area, x + Bar_Length, y - 9, x + Bar_Length, y, c.frame);
    Add_Line_to_View_Area(area, x + Bar_Length, y, x, y, c.frame);
    Add_Line_to_View_Area(area, x, y, x, y - 9, c.frame);
    // NaN fails both comparisons and counts as outside.
    if (!(utilisation >= 0.0 && utilisation <= 1.0)) {
        Add_Filled_Rectangle_to_View_Area(area, x, y - 8, x + Bar_Length, y - 1, c.error);
        Add_Text_to_View_Area(area, x + 2, y - 2, "xxxxxxxxxxxx", Screen_Palette.Font_Normal, Nearest_RGB_Color(255, 255, 255), 0);
        return;
    }
    const int length = Round_To_Pixel(utilisation * 100.0);
    if (length <= 0) return;
    for (int k = 0; k < Bar_Rows; ++k) Add_Line_to_View_Area(area, x, y - 9 + k, x + length, y - 9 + k, c.shades[k]);
}

void Draw_Export_Info(int area, int x, int* y) {
    if (!y) return;
    File_Handle file(Open_Export_Info_File(0, 1));
    if (!file) return;
    Init_Screen_Palette();
    Add_Text_to_View_Area(area, x, *y, "Schnittgrößenimport: Informationen zum exportierenden Bauteil:"_cp,
                          Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
    *y += 22;
    char line[201];
    while (Read_Line_Stripped(line, sizeof line, file.get())) {
        if (!line[0]) continue;
        Add_Text_to_View_Area(area, x, *y, line, Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
        *y += 18;
    }
}
