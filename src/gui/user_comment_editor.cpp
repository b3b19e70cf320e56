#include "gui/user_comment_editor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/cp437.h"
#include "common/user_comment.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

// The sheet is 400 px high; its width is 600 px where the screen allows.
constexpr int Sheet_Height = 400;
constexpr int Sheet_Width = 600;
// The editing buffer holds at least this many characters, or four times the text.
constexpr int Min_Buffer_Length = 5000;
// Font of the three hint lines.
constexpr int Hint_Font = 266243;
constexpr int Button_Size = 36;

// What a picture button of the sheet stores.
enum Comment_Button : int { Button_None = 0, Button_Cancel = 1, Button_Help = 2, Button_Confirm = 3 };

struct Editor_State {
    bool started = false;
    int centre_x = 0, centre_y = 0;   // where the sheet was last left
    int background = 0;               // 255, 251, 240
    int field_white = 0;              // 255, 255, 255
};
Editor_State editor;

// Width of the sheet on the screen: 600 px, narrower on small screens, and never wider than the
// screen is high less 50.
int Sheet_Width_For_Screen() {
    int width = NPIXEL_X > 649 ? Sheet_Width : NPIXEL_X - 50;
    if (NPIXEL_Y - 49 <= width) width = NPIXEL_Y - 50;
    return width;
}

// The content of the view area, laid out on its visible size.
void Fill_Comment_Area(int area, char* buffer, int capacity, int* code) {
    int width = 0, height = 0;
    Inquire_View_Area_Size(area, &width, &height);
    Clear_View_Area(area);
    Add_Bitmap_to_View_Area(area, "UComment.bmp", 14, 5, 75, 70, editor.background);
    Add_Text_to_View_Area(area, 85, 20, "Geben Sie hier ihre Anmerkungen ein.", Hint_Font, BLACK_CI, 0);
    Add_Text_to_View_Area(area, 85, 35, "Diese werden an geeigneter Stelle", Hint_Font, BLACK_CI, 0);
    Add_Text_to_View_Area(area, 85, 50, "in der Druckliste ausgegeben.", Hint_Font, BLACK_CI, 0);
    struct Button {
        int right;   // x = width - right
        int row;     // source row in the picture
        const char* tooltip;
        Comment_Button value;
    };
    static constexpr Button buttons[] = {
        {120, 0, "abbrechen", Button_Cancel},
        {80, 36, "Hilfe", Button_Help},
        {40, 72, "bestätigen"_cp, Button_Confirm},
    };
    for (const Button& b : buttons)
        Add_Picture_Button_to_View_Area(area, width - b.right, 15, Button_Size, Button_Size, "Glory3.bmp", b.row,
                                        editor.background, 18, b.tooltip, b.value, code, nullptr);
    Add_Multi_Line_Text_to_View_Area(area, 5, 60, width - 5, height - 5, buffer, capacity, BLACK_CI, editor.field_white, 1,
                                     nullptr);
    Show_View_Area(area);
}

}  // namespace

char* Edit_User_Comment(char* text, const char* title) {
    if (!editor.started) {
        editor.started = true;
        editor.centre_x = NPIXEL_X / 2;
        editor.centre_y = NPIXEL_Y / 2;
        editor.background = Nearest_RGB_Color(255, 251, 240);
        editor.field_white = Nearest_RGB_Color(255, 255, 255);
    }
    pxBuff(-1);

    const int width = Sheet_Width_For_Screen();
    int x1 = editor.centre_x - width / 2, x2 = editor.centre_x + width - width / 2 - 1;
    int y1 = editor.centre_y - Sheet_Height / 2, y2 = editor.centre_y + Sheet_Height / 2 - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    editor.centre_x = x1 + width / 2;
    editor.centre_y = y1 + Sheet_Height / 2;

    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title, 10, 1);
    const int escape = Add_Escape_Area_to_PS(x1 + 5, y1 + 34, x2 - 5, y2 - 5, 1, 1);
    const int area = Create_Scrollable_View_Area(x1 + 5, y1 + 34, x2 - 5, y2 - 5, 0, 0);
    Set_Escape_Area_to_MouseMoveEvent(escape, 1);
    Set_Windows_Break_Button(2);

    // The length is held far below INT_MAX / 4, so four times it stays an int.
    const int length = text ? static_cast<int>(std::min<std::size_t>(std::strlen(text), 1u << 28)) : 0;
    const int capacity = std::max(Min_Buffer_Length, 4 * length);
    char* buffer = Copy_Text_Bounded(text, capacity);

    char* result = text;
    if (buffer) {
        int code = Button_None;
        Activate_Prop_Sheet();
        Fill_Comment_Area(area, buffer, capacity, &code);
        for (;;) {
            code = Button_None;
            if (Edit_Prop_Sheet() == 2) break;
            if (!Handle_View_Area_Event(area)) continue;
            if (code == Button_Help) {
                Helpview("USER_COMMENT");
                continue;
            }
            if (code == Button_Confirm) {
                // The old text goes only once its successor exists, so a failed copy loses nothing.
                char* copy = static_cast<char*>(std::malloc(std::strlen(buffer) + 1));
                if (copy) {
                    std::strcpy(copy, buffer);
                    std::free(text);
                    result = copy;
                }
                break;
            }
            if (code == Button_Cancel) break;
        }
    }
    std::free(buffer);
    Release_View_Area(area);
    Undefine_Prop_Sheet();
    return result;
}

void Draw_Wrapped_Text(int area, int x, int width, int* y, const char* text, int font, int colour, int line_step) {
    Pop_RFont(font);
    std::string line_text;
    For_Each_Wrapped_Line(text, width, [&](std::string_view line) {
        if (!line.empty()) {
            line_text.assign(line);
            Add_Text_to_View_Area(area, x, *y, line_text.c_str(), font, colour, 0);
        }
        *y += line_step;
    });
    Push_RFont();
}
