#include "gui/icon_toolbar.h"

#include "common/deadline.h"
#include "gui/tooltip_box.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Message_Mask = 0x40000022;    // periodic wake-up, left button pressed, mouse moved
constexpr int Message_Wait = 100;           // ms between wake-ups, so that a resting mouse is noticed
constexpr int Toolbar_Tooltip_Margin = 5;   // the tooltip ends at NPIXEL_X - 5, NPIXEL_Y - 5 at most
constexpr int Sub_Bar_Reach = 7;            // px beside a sub-bar that still count as on the way to it
constexpr double Sub_Bar_Linger = 1.0;      // s a sub-bar stays open for a mouse that wanders off

int icon_fill_before_draw = 1;

// The tooltip shown and the unfolded sub-bar: each keeps the screen under it saved.
bool tooltip_shown = false;
bool sub_bar_shown = false;

struct Rect {
    int x1, y1, x2, y2;
};

const Icon_Bar_Entry* Entry_Of(const Icon_Bar* bar, int entry) {
    if (!bar || !bar->entries || entry < 0 || entry >= bar->count) return nullptr;
    return &bar->entries[entry];
}

// The icon's rectangle on the screen, corners included.
Rect Icon_Rect(const Icon_Bar& bar, const Icon_Bar_Entry& e) {
    const int x = bar.x1 + e.offset_x, y = bar.y1 + e.offset_y;
    return {x, y, x + e.width - 1, y + e.height - 1};
}

bool Inside_Bar(const Icon_Bar& bar, int x, int y) { return bar.x1 <= x && x <= bar.x2 && bar.y1 <= y && y <= bar.y2; }

// The first enabled entry, in array order, whose interior (edges excluded) holds the point; -1.
int Entry_At(const Icon_Bar& bar, int x, int y) {
    for (int i = 0; bar.entries && i < bar.count; ++i) {
        const Icon_Bar_Entry& e = bar.entries[i];
        const Rect r = Icon_Rect(bar, e);
        if (e.enabled > 0 && r.x1 < x && x < r.x2 && r.y1 < y && y < r.y2) return i;
    }
    return -1;
}

void Wait_For_Release() {
    while (M_LEFT)
        if (Get_Mouse_Event() == 0) return;
}

int Cached_Grey() {
    static const int grey = Nearest_RGB_Color(158, 158, 158);
    return grey;
}

void Remove_Tooltip() {
    if (!tooltip_shown) return;
    Restore_Screen_Rectangle();
    tooltip_shown = false;
}

void Fold_Sub_Bar() {
    if (!sub_bar_shown) return;
    Restore_Screen_Rectangle();
    sub_bar_shown = false;
}

// The tooltip of the entry below the mouse, in the tooltip box of the forms but ending 5 px before
// the screen's edges.
void Show_Tooltip(const Icon_Bar_Entry& e) {
    Remove_Tooltip();
    if (!e.tooltip) return;
    const Tooltip_Box_Place box = Place_Tooltip_Box(e.tooltip, M_XPOS, M_YPOS, Toolbar_Tooltip_Margin);
    Draw_Tooltip_Box(e.tooltip, box);
    tooltip_shown = true;
}

// Unfolds the sub-bar in four steps of 50 ms: a raised box 7 px wider than the bar on each side
// and 2 px higher, growing downwards; then its entries, and a second for the mouse to reach it.
void Unfold_Sub_Bar(const Icon_Bar& s) {
    Fold_Sub_Bar();
    const int sx1 = s.x1 - 7, sy1 = s.y1 - 2, sx2 = s.x2 + 7, sy2 = s.y2 + 2;
    Save_Screen_Rectangle(sx1, sy1, sx2, sy2);
    sub_bar_shown = true;
    for (int k = 1; k <= 4; ++k) {
        const int yk = sy1 + (sy2 - sy1) * k / 4;
        pxFgc(GetVEKColor(-1));
        pxRect(sx1, sy1 + 1, sx2, yk);
        pxFgc(-15);
        pxLine(sx1 + 1, yk - 1, sx2 - 1, yk - 1);
        pxLine(sx2 - 1, sy1 + 1, sx2 - 1, yk - 1);
        pxLine(sx1, sy1, sx2, sy1);
        pxFgc(-3);
        pxLine(sx1, yk, sx2, yk);
        pxLine(sx2, sy1, sx2, yk);
        pxFgc(-2);
        pxLine(sx1 + 1, sy1 + 1, sx1 + 1, sy2 - 1);
        pxFgc(Cached_Grey());
        pxLine(sx1 + 1, sy1 + 1, sx2 - 2, sy1 + 1);
        pxLine(sx1 + 1, sy1 + 2, sx2 - 2, sy1 + 2);
        pxFlsh();
        Wait_Seconds(0.05);
    }
    for (int i = 0; i < s.count; ++i) Draw_Icon_Bar_Entry(s.x1, s.y1, i, &s);
    Set_Deadline(Sub_Bar_Linger);
}

struct Hover_Result {
    bool clicked = false;
    int command = 0;
    bool ended_input = false;
};

// The mouse over entry `index` until it leaves it or clicks; a sub-bar under it unfolds and is run.
Hover_Result Hover(Icon_Bar& bar, int index, VEK_Message_Record& record) {
    const Icon_Bar_Entry& e = bar.entries[index];
    Icon_Bar* s = e.sub_bar;
    const Rect r = Icon_Rect(bar, e);
    Draw_Icon_Bar_Entry_State(bar.x1, bar.y1, index, &bar, Icon_Hover);
    int o = M_XPOS, t = M_YPOS;
    int rest = 0;
    bool unfolded = false, released = false;
    Hover_Result h;
    for (;;) {
        if (s && unfolded && s->x1 < M_XPOS && M_XPOS < s->x2 && s->y1 < M_YPOS && M_YPOS < s->y2) {
            const int command = Run_Icon_Bar(s);
            if (command != 0) {
                h.command = command;
                return h;
            }
        }
        if (GetVEKMessage(Message_Mask, &record) == 0) {
            h.ended_input = true;
            return h;
        }
        const int x = M_XPOS, y = M_YPOS;
        const bool left_entry = x < r.x1 || y < r.y1 || x > r.x2 || y > r.y2;
        if (left_entry && !unfolded) return h;
        if (left_entry) {
            if (!released && (y < t || x < s->x1 - Sub_Bar_Reach || x > s->x2 + Sub_Bar_Reach || Check_Deadline())) return h;
            if (!M_LEFT) continue;
            if (released) return h;
            Wait_For_Release();
            released = true;
            continue;
        }
        if (s) {
            // A click on an entry with a sub-bar only opens it; it never returns a command.
            if (!unfolded) {
                Unfold_Sub_Bar(*s);
                rest = 1;
                unfolded = true;
            }
            if (M_LEFT) {
                Wait_For_Release();
                released = true;
            }
            continue;
        }
        if (x != o) {
            if (M_LEFT) break;
            o = x;
            t = y;
            continue;
        }
        if (y == t) {
            if (rest == 0) Show_Tooltip(e);
            if (M_LEFT) break;
            ++rest;
            continue;
        }
        t = y;
        if (M_LEFT) break;
    }
    h.clicked = true;
    h.command = e.command;
    return h;
}

}  // namespace

void Draw_Icon_Bar_Entry_State(int x, int y, int entry, const Icon_Bar* bar, int state) {
    const Icon_Bar_Entry* e = Entry_Of(bar, entry);
    if (!e) return;
    int sx = e->normal_x, sy = e->normal_y;
    if (e->enabled <= 0 || state == Icon_Disabled) {
        sx = e->disabled_x;
        sy = e->disabled_y;
    } else if (state == Icon_Pressed) {
        sx = e->pressed_x;
        sy = e->pressed_y;
    } else if (state == Icon_Hover) {
        sx = e->hover_x;
        sy = e->hover_y;
    }
    const int x1 = x + e->offset_x, y1 = y + e->offset_y, x2 = x1 + e->width - 1, y2 = y1 + e->height - 1;
    if (icon_fill_before_draw) {
        pxFgc(GetVEKColor(-1));
        pxRect(x1, y1, x2, y2);
    }
    pxDrawPartialTransparentDIB(bar->bitmap ? bar->bitmap : "", sx, sy, sx + e->width - 1, sy + e->height - 1, x1, y1, x2, y2, 201,
                                -1, 192, 192, 192);
}

void Draw_Icon_Bar_Entry(int x, int y, int entry, const Icon_Bar* bar) {
    const Icon_Bar_Entry* e = Entry_Of(bar, entry);
    if (e) Draw_Icon_Bar_Entry_State(x, y, entry, bar, e->enabled > 0 ? Icon_Normal : Icon_Disabled);
}

int Draw_Icon_Bar(const Icon_Bar* bar) {
    if (!bar || !bar->entries || bar->count <= 0) return 0;
    for (int i = 0; i < bar->count; ++i) Draw_Icon_Bar_Entry(bar->x1, bar->y1, i, bar);
    return bar->count;
}

void Set_Icon_Bar_Frame_Flag(int value) { icon_fill_before_draw = value; }

int Run_Icon_Bar(Icon_Bar* bar) {
    if (!bar) return 0;
    const int timer = VEKSetTimer(1);
    VEK_Message_Record record;
    InitVEKMessage(&record);
    record.wait = Message_Wait;
    int result = 0, clicked = -1;
    for (;;) {
        if (!Inside_Bar(*bar, M_XPOS, M_YPOS)) {
            Wait_For_Release();
            break;
        }
        if (GetVEKMessage(Message_Mask, &record) == 0) break;   // the input has ended
        const int index = Entry_At(*bar, M_XPOS, M_YPOS);
        if (index < 0) {
            if (!M_LEFT) continue;
            Wait_For_Release();
            break;
        }
        const Hover_Result h = Hover(*bar, index, record);
        if (h.command != 0) result = h.command;
        if (h.clicked) clicked = index;
        if (bar->entries[index].sub_bar && sub_bar_shown) Fold_Sub_Bar();
        else Remove_Tooltip();
        if (h.clicked) Draw_Icon_Bar_Entry_State(bar->x1, bar->y1, index, bar, Icon_Pressed);
        else Draw_Icon_Bar_Entry(bar->x1, bar->y1, index, bar);
        if (h.ended_input) break;
        if (M_LEFT) {
            Wait_For_Release();
            break;
        }
    }
    if (clicked >= 0) Draw_Icon_Bar_Entry(bar->x1, bar->y1, clicked, bar);
    VEKSetTimer(timer);
    return result;
}
