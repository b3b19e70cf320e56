#include "pages/page_buttons.h"

#include <array>
#include <cstring>

#include "gui/view_area_items.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

namespace {

constexpr int Hand_Cursor = 18;
// The bitmaps of the buttons stand on this colour, which is left out when they are drawn.
constexpr int Button_Background = 0xFFFBF0;   // 255, 251, 240

// The latch of one caller's int: the hot spot writes the button's value into `value`; the next
// build hands it over. A page holds a handful of buttons; once all latches have owners the oldest
// owner's latch is given to the new caller.
struct Button_Latch {
    const int* owner = nullptr;
    int value = 0;
};
std::array<Button_Latch, 32> Latches;
std::size_t Next_Reused = 0;

int* Latch_Of(int* clicked) {
    for (Button_Latch& l : Latches)
        if (l.owner == clicked) return &l.value;
    for (Button_Latch& l : Latches)
        if (!l.owner) {
            l.owner = clicked;
            return &l.value;
        }
    Button_Latch& l = Latches[Next_Reused];
    Next_Reused = (Next_Reused + 1) % Latches.size();
    l = {clicked, 0};
    return &l.value;
}

// Hands a latched click to the caller and returns the latch the new hot spot writes.
int* Take_Click(int* clicked) {
    int* latch = Latch_Of(clicked);
    if (*latch) {
        if (clicked) *clicked = *latch;
        *latch = 0;
    }
    return latch;
}

void Add_Clickable(int area, int x1, int y1, int x2, int y2, int value, int* latch, const char* tooltip) {
    Add_Hot_Spot_to_View_Area(area, x1, y1, x2, y2, value, latch);
    if (tooltip && *tooltip) {
        Set_Hot_Spot_Cursor(area, Hand_Cursor);
        Set_Hot_Spot_Tooltip(area, tooltip, Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
    }
}

void Add_Labelled_Button(int area, int x, int y, int* clicked, const char* bitmap, const char* label, bool draw_label) {
    int* latch = Take_Click(clicked);
    Add_Bitmap_to_View_Area(area, bitmap, x - 20, y - 9, x - 7, y + 4, Button_Background);
    const int n = label ? static_cast<int>(std::strlen(label)) : 0;
    if (draw_label && n > 0) Add_Text_to_View_Area(area, x, y, label, Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
    Add_Hot_Spot_to_View_Area(area, x - 20, y - 9, x - 7 + 6 * n, y + 4, 1, latch);
    Set_Hot_Spot_Cursor(area, Hand_Cursor);
    if (n > 0) Set_Hot_Spot_Tooltip(area, label, Screen_Palette.Font_Normal, Screen_Palette.Black, 0);
}

}  // namespace

void Add_Action_Button(int area, int x, int y, int* clicked, const char* label, int no_text) {
    Add_Labelled_Button(area, x, y, clicked, "act_but.bmp", label, no_text == 0);
}

void Add_Work_Button(int area, int x, int y, int* clicked, const char* label) {
    Add_Labelled_Button(area, x, y, clicked, "work_but.bmp", label, true);
}

void Add_Hot_Spot_Button(int area, int x1, int y1, int x2, int y2, int* clicked, const char* tooltip) {
    Add_Clickable(area, x1, y1, x2, y2, 1, Take_Click(clicked), tooltip);
}

void Add_Up_Down_Buttons(int area, int x, int y, int* clicked) {
    int* latch = Take_Click(clicked);
    Add_Bitmap_to_View_Area(area, "updown_but.bmp", x, y - 12, x + 15, y + 5, Button_Background);
    Add_Hot_Spot_to_View_Area(area, x, y - 12, x + 15, y - 3, 1, latch);
    Set_Hot_Spot_Cursor(area, Hand_Cursor);
    Add_Hot_Spot_to_View_Area(area, x, y - 3, x + 15, y + 5, 2, latch);
    Set_Hot_Spot_Cursor(area, Hand_Cursor);
}
