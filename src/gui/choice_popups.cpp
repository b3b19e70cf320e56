#include "gui/choice_popups.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>

#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Row_Pitch = 13;          // px from row to row of a text list
constexpr int Frame_Extra = 6;         // list height = rows · pitch + 6
constexpr int Bar_Margin = 32;         // arrows and track take 32 px of the height
constexpr int Min_Thumb = 6;
constexpr int Bar_Width = 14;          // the bar takes the rightmost 14 px of the list
constexpr int Repeat_Ms = 100;         // arrows repeat while held
constexpr int Popup_Events = 0x14022;  // keys, wheel, moves, left presses
constexpr int Key_Bit = 0x10000;
constexpr int Key_Up = 328, Key_Down = 336, Key_Enter = 13;

constexpr Mask_Rows Up_Arrow = {0xFFF8, 0x8008, 0x8008, 0x8008, 0x8208, 0x8708, 0x8F88,
                                0x9FC8, 0xBFE8, 0x8008, 0x8008, 0x8008, 0xFFF8};
constexpr Mask_Rows Red_Disc = {0x0000, 0x1F00, 0x3F80, 0x7FC0, 0x7FC0, 0x7FC0, 0x7FC0,
                                0x7FC0, 0x3F80, 0x1F00, 0x0000, 0, 0};   // 11 rows

struct Colours {
    int black, light, selection, track, red;
};

const Colours& Popup_Colours() {
    static const Colours c{Nearest_Color_Index(0, 0, 0), Nearest_Color_Index(235, 255, 255), Nearest_Color_Index(0, 80, 150),
                           Nearest_Color_Index(201, 237, 237), Nearest_Color_Index(255, 0, 0)};
    return c;
}

bool Inside(const Choice_Popup& p, int x, int y) { return x >= p.left && x <= p.right && y >= p.top && y <= p.bottom; }
bool Strictly_Inside(const Choice_Popup& p, int x, int y) { return x > p.left && x < p.right && y > p.top && y < p.bottom; }

int Last_First(const Choice_Popup& p) { return p.n - p.rows; }

// The thumb's offset follows the first row shown.
void Place_Thumb(Choice_Popup& p) {
    if (p.bar) p.offset = static_cast<int>(p.first * p.step + 0.5);
}

// Shows `first` from the new first row on, keeping the selection on its row of the screen.
void Scroll_To(Choice_Popup& p, int first) {
    first = std::clamp(first, 0, Last_First(p));
    p.sel = std::clamp(p.sel + first - p.first, 0, p.n - 1);
    p.first = first;
    Place_Thumb(p);
}

// The scroll bar when not every row fits, the first row shown so that the selection stands in the
// middle where it can.
void Fit_Scroll_Bar(Choice_Popup& p) {
    p.bar = p.rows < p.n;
    p.first = 0;
    if (!p.bar) return;
    const int H = p.bottom - p.top;
    p.thumb = std::max(Min_Thumb, p.rows * (H - Bar_Margin) / p.n);
    p.step = std::max(0.0, static_cast<double>(H - Bar_Margin - p.thumb) / (p.n - p.rows));
    p.first = std::clamp(p.sel - p.rows / 2, 0, Last_First(p));
    Place_Thumb(p);
}

void Paint_Scroll_Bar(const Choice_Popup& p) {
    const Colours& c = Popup_Colours();
    pxFgc(c.light);
    pxRect(p.right - 15, p.top + 1, p.right - 1, p.bottom - 1);
    pxFgc(c.black);
    Draw_Mask(p.right - 15, p.top + 3, p.right - 3, p.top + 15, Up_Arrow);
    Draw_Mask(p.right - 15, p.bottom - 15, p.right - 3, p.bottom - 3, Drop_Down_Arrow);
    pxFgc(c.track);
    pxRect(p.right - 13, p.top + 16, p.right - 5, p.bottom - 16);
    const int t1 = p.top + 16 + p.offset, t2 = t1 + p.thumb;
    pxFgc(c.light);
    pxRect(p.right - 15, t1, p.right - 3, t2);
    pxFgc(c.black);
    pxLine(p.right - 15, t1, p.right - 3, t1);
    pxLine(p.right - 3, t1, p.right - 3, t2);
    pxLine(p.right - 3, t2, p.right - 15, t2);
    pxLine(p.right - 15, t2, p.right - 15, t1);
}

using Row_Painter = void (*)(const Choice_Popup& p, int row, bool highlighted);

// The list's box with its dotted frame, the rows shown and the scroll bar, buffered.
void Paint_List(const Choice_Popup& p, bool highlight, Row_Painter paint_row) {
    const Colours& c = Popup_Colours();
    const int buffered = pxBuff(-1);
    const int colour = pxQFgc();
    pxFgc(c.light);
    pxRect(p.left, p.top, p.right, p.bottom);
    Dotted_Frame(p.left, p.top, p.right, p.bottom, c.black);
    for (int i = 0; i < p.rows && p.first + i < p.n; ++i) paint_row(p, i, highlight && p.first + i == p.sel);
    if (p.bar) Paint_Scroll_Bar(p);
    pxFgc(colour);
    pxBuff(buffered);
}

void Paint_Text_Row(const Choice_Popup& p, int i, bool highlighted) {
    const Colours& c = Popup_Colours();
    const Choice_List_Entry& e = p.item->entries[p.first + i];
    const int baseline = p.top + Row_Pitch + Row_Pitch * i;
    if (highlighted) {
        pxFgc(c.selection);
        pxRect(p.left + 2, baseline - 11, p.right - 2, baseline + 3);
    }
    if (!e.text) return;
    Pop_RFont(p.item->font);
    pxFgc(highlighted ? c.light : e.colour);
    pxText(p.text_x, baseline, e.text, static_cast<int>(std::min<std::size_t>(std::strlen(e.text), INT_MAX)));
    Push_RFont();
}

// A row of an image list: the row's strip of the bitmap, white transparent, in a box of the selection
// colour while highlighted.
void Paint_Image_Row(const Choice_Popup& p, int i, bool highlighted) {
    const int y = p.top + 3 + p.pitch * i;
    if (highlighted) {
        pxFgc(Popup_Colours().selection);
        pxRect(p.left + 2, y - 1, p.right - 2, y + p.item->y2);
    }
    Draw_Image_Choice_Row(*p.item, p.first + i, p.text_x, y);
}

// Waits for the release of the left button, the mouse variables following the mouse.
void Wait_For_Release() {
    while (M_LEFT && Get_Mouse_Event() != 0) {
    }
}

// Holds a scroll step for the repeat time; false once the button was released (or the input ended).
bool Still_Held() {
    if (!M_LEFT) return false;
    VEK_Message_Record hold;
    InitVEKMessage(&hold);
    hold.wait = Repeat_Ms;
    return GetVEKMessage(0x40000001, &hold) != 0 && M_LEFT;
}

// A press on the scroll bar (x >= right - 14): arrows, page jumps and the thumb. False when the
// press is on the bar's right margin, which closes the list as a click inside.
bool Press_Scroll_Bar(Choice_Popup& p, Row_Painter paint_row) {
    const int x = M_XPOS, y = M_YPOS;
    if (x >= p.right - 3) return false;
    const int t1 = p.top + 16 + p.offset, t2 = t1 + p.thumb;
    const auto repaint = [&] { Paint_List(p, true, paint_row); };
    if (y <= p.top + 14 || (y >= p.bottom - 14 && y < p.bottom - 3)) {
        const int direction = y <= p.top + 14 ? -1 : 1;
        while (direction < 0 ? p.first > 0 : p.first < Last_First(p)) {
            Scroll_To(p, p.first + direction);
            repaint();
            if (!Still_Held()) break;
        }
    } else if (y < t1 || y > t2) {
        Scroll_To(p, y < t1 ? 0 : Last_First(p));
        repaint();
    } else if (p.step > 0) {
        // Dragging the thumb: the first row follows the mouse's way from where it took the thumb.
        const int start_y = y, start_offset = p.offset;
        while (M_LEFT && Get_Mouse_Event() != 0) {
            const double wanted = (M_YPOS - start_y + start_offset - 0.5) / p.step;
            const int first = static_cast<int>(std::clamp(wanted, 0.0, static_cast<double>(Last_First(p))));
            if (first != p.first) {
                Scroll_To(p, first);
                repaint();
            }
        }
    }
    Wait_For_Release();
    return true;
}

// The modal loop of an open list; the result as Run_Choice_List_Popup gives it.
int Run_Popup(Choice_Popup& p, Row_Painter paint_row) {
    int v1, w1, v2, w2;
    pxQVwp(&v1, &w1, &v2, &w2);
    pxView(p.left, p.top, p.right, p.bottom);
    Save_Screen_Rectangle(p.left, p.top, p.right, p.bottom);
    Save_Mouse_Position();
    Pop_Mouse_Move_Restriction(p.left, p.top, p.right, p.bottom);
    msStCu(p.left + (p.right - p.left) / 2, p.top + 6 + p.pitch * (p.sel - p.first));
    Paint_List(p, true, paint_row);

    int result = 0;
    VEK_Message_Record record;
    InitVEKMessage(&record);
    for (;;) {
        const int r = GetVEKMessage(Popup_Events, &record);
        if (r == 0) break;   // the input ended: closed, nothing changed
        if (r & Key_Bit) {
            const int k = getkey();
            if (k == Key_Up || k == Key_Down) {
                p.sel = std::clamp(p.sel + (k == Key_Up ? -1 : 1), 0, p.n - 1);
                if (p.sel >= p.first + p.rows) ++p.first;
                if (p.sel < p.first) --p.first;
                p.first = std::clamp(p.first, 0, Last_First(p));
                Place_Thumb(p);
                Paint_List(p, true, paint_row);
                continue;
            }
            if (k == Key_Enter) {
                *p.item->value = p.sel;
                result = 1;
            }
            break;
        }
        const int x = M_XPOS, y = M_YPOS;
        bool taken = false;
        if (!Strictly_Inside(p, x, y)) {
            Paint_List(p, false, paint_row);
        } else if (M_SCROLL != 0 && p.bar) {
            if (M_SCROLL < 0 && p.first < Last_First(p)) Scroll_To(p, p.first + 1);
            if (M_SCROLL > 0 && p.first > 0) Scroll_To(p, p.first - 1);
            Paint_List(p, true, paint_row);
        } else if (!p.bar || x < p.right - Bar_Width) {
            p.sel = std::clamp((y - p.top - 2) / p.pitch + p.first, 0, p.n - 1);
            Paint_List(p, true, paint_row);
        } else if (M_LEFT) {
            taken = Press_Scroll_Bar(p, paint_row);
        }
        M_SCROLL = 0;
        if (M_LEFT && !taken) {
            const bool inside = Inside(p, x, y);
            Wait_For_Release();
            if (inside) *p.item->value = p.sel;
            break;
        }
    }

    Restore_Screen_Rectangle();
    pxView(v1, w1, v2, w2);
    Push_Mouse_Move_Restriction();
    Restore_Mouse_Position();
    return result;
}

// The field's mark while its list is open: a red disc at the right end of the field.
void Mark_Field(int right, int y) {
    const int colour = pxQFgc();
    pxFgc(Popup_Colours().red);
    Draw_Mask(right - 14, y - 9, right - 4, y + 1, Red_Disc);
    pxFgc(colour);
}

bool Openable(const View_Area_Item& item) { return item.value && item.aux > 0; }

}  // namespace

void Paint_Choice_List_Popup(const Choice_Popup& p, bool highlight) { Paint_List(p, highlight, Paint_Text_Row); }
void Paint_Image_Choice_Popup(const Choice_Popup& p, bool highlight) { Paint_List(p, highlight, Paint_Image_Row); }

Choice_Popup Place_Choice_List_Popup(int x, int y, const View_Area_Item& item) {
    Choice_Popup p;
    p.item = &item;
    p.text_x = x;
    p.n = std::max(0, item.aux);
    p.sel = p.n > 0 && item.value ? std::clamp(*item.value, 0, p.n - 1) : 0;
    const int fw = item.state;
    const int W = fw + 32 + (fw & 1);
    p.left = x - 7;
    p.right = p.left + W;
    int H = Row_Pitch * p.n + Frame_Extra;
    const int below = NPIXEL_Y - y;
    if (H < below - 30) {
        p.top = y + 5;
        p.rows = p.n;
    } else if (H < y - 30) {
        p.top = y - H - 13;
        p.rows = p.n;
    } else {
        // Shortened on the roomier side, at least one row.
        p.rows = std::clamp(((below < y ? y : below) - 48) / Row_Pitch, std::min(1, p.n), p.n);
        H = Row_Pitch * p.rows + Frame_Extra;
        p.top = below < y ? y - H - 13 : y + 5;
    }
    p.bottom = p.top + H;
    Fit_Scroll_Bar(p);
    return p;
}

int Run_Choice_List_Popup(int x, int y, const View_Area_Item& item) {
    if (!Openable(item) || !item.entries) return 0;
    Choice_Popup p = Place_Choice_List_Popup(x, y, item);
    Mark_Field(p.right, y);
    return Run_Popup(p, Paint_Text_Row);
}

int Run_Image_Choice_Popup(int area_top, int area_bottom, int x, int y, const View_Area_Item& item) {
    if (!Openable(item) || item.x2 <= 0 || item.y2 <= 0) return 0;
    Choice_Popup p;
    p.item = &item;
    p.n = item.aux;
    p.sel = std::clamp(*item.value, 0, p.n - 1);
    p.pitch = item.y2 + 4;
    p.left = x;
    p.right = x + item.x2 + 32;
    p.text_x = x + 4;
    const int field_bottom = y + item.y2 + 5;
    int H = p.pitch * p.n + Frame_Extra;
    const int below = area_bottom - field_bottom - 1, above = y - 1 - area_top;
    if (H <= below) {
        p.top = field_bottom + 1;
        p.rows = p.n;
    } else if (H <= above) {
        p.top = y - 1 - H;
        p.rows = p.n;
    } else {
        const int space = std::max(below, above);
        p.rows = std::clamp((space - Frame_Extra) / p.pitch, 1, p.n);
        H = std::max(p.pitch * p.rows + Frame_Extra, Bar_Margin + Min_Thumb + 1);
        p.top = below >= above ? field_bottom + 1 : y - 1 - H;
    }
    p.bottom = p.top + H;
    Fit_Scroll_Bar(p);
    return Run_Popup(p, Paint_Image_Row);
}
