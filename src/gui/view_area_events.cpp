#include "gui/view_area_events.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "common/text_width.h"
#include "gui/choice_popups.h"
#include "gui/text_editor.h"
#include "gui/tooltip_box.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Area_Events = 0x94022;   // window shown, keys, wheel, moves, left presses
constexpr int Key_Bit = 0x10000;
constexpr int Right_Press_Bit = 0x8;
constexpr int Periodic_Bit = 0x40000000;
constexpr int Stop_Poll_Ms = 100;      // how often the wait looks at the stop flag
constexpr int Key_Esc = 27, Key_Enter = 13, Key_F1 = 315;
// The host's text editor works in a buffer of 512 bytes: a text field edits 511 characters at most.
constexpr int Edit_Buffer_Size = 512;
constexpr int Max_Edit_Length = Edit_Buffer_Size - 1;
// A field whose baseline lies this close below the scroll origin is cut off at the area's top and
// opens no editor.
constexpr int Field_Top_Reach = 11;

struct Screen_Box {
    int x1, y1, x2, y2;
};

bool Contains(const Screen_Box& b, int x, int y) { return x >= b.x1 && x <= b.x2 && y >= b.y1 && y <= b.y2; }

// The area's rectangle on the screen (moved with its sheet) and the scroll origin as the library
// reports it.
struct Area_View {
    Screen_Box box;
    int ox, oy;
    int X(int x) const { return box.x1 + x - ox; }
    int Y(int y) const { return box.y1 + y - oy; }
};

Area_View View_Of(const Scrollable_View_Area& a) {
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Area_View v{{a.x1 + dx, a.y1 + dy, a.x2 + dx, a.y2 + dy}, 0, 0};
    Inquire_Scrollable_Area_PS(a.handle, &v.ox, &v.oy);
    return v;
}

Screen_Box Item_Box(const Area_View& v, const View_Area_Item& it) { return {v.X(it.x1), v.Y(it.y1), v.X(it.x2), v.Y(it.y2)}; }

bool Enabled(const View_Area_Item& it) { return !it.enabled || *it.enabled != 0; }

// Short keys: a host setting that is on lets its key end the wait, so that the sheet receives it.
bool Any_Short_Key_Setting() {
    const Sheet_Short_Key_Settings_Record& s = Sheet_Short_Key_Settings;
    return s.break_key || s.ok_key || s.help_key || s.jump;
}

// The area's action for a pending short key whose setting is on; null for any other key.
View_Area_Key_Action* Short_Key_Action(Scrollable_View_Area& a, int key) {
    const Sheet_Short_Key_Settings_Record& s = Sheet_Short_Key_Settings;
    if (key == Key_Esc && s.break_key) return &a.esc_action;
    if (key == Key_Enter && s.ok_key) return &a.enter_action;
    if (key == Key_F1 && s.help_key) return &a.help_action;
    return nullptr;
}

bool Stopped(const Scrollable_View_Area& a) { return a.stop_flag && *a.stop_flag != 0; }

// What ends the area's wait wherever the mouse stands.
bool Wait_Ends(Scrollable_View_Area& a) {
    if (M_LEFT || M_SCROLL || getkeymask() == 1) return true;
    if (a.right_click_return && M_RIGHT) return true;
    const int key = hitkey();
    return key >= 0 && (a.key_return || Short_Key_Action(a, key));
}

int Width_In_Font(const char* text, int font) {
    Pop_RFont(font);
    const int w = Get_Text_Width(text);
    Push_RFont();
    return w;
}

// A float field's value as it shows: formatted and cut to its display width.
std::string Float_Text(const View_Area_Item& it) {
    std::string text = Format_Float_Text(it.text.c_str(), it.number ? *it.number : 0.0);
    text.resize(std::min<std::size_t>(text.size(), static_cast<std::size_t>(std::max(0, it.state))));
    return text;
}

// The width that a field's hit rectangle and its scrolling into view reckon with.
int Field_Width(const View_Area_Item& it) {
    switch (it.kind) {
        case View_Item_Kind::Float_Field: return Width_In_Font(Float_Text(it).c_str(), it.font);
        case View_Item_Kind::Text_Field: return it.y2 * (Width_In_Font("X", it.font) + 1);
        case View_Item_Kind::Choice_List: return it.state + 18;
        case View_Item_Kind::Image_Choice_List: return it.x2 + 20;
        default: return 0;
    }
}

bool Is_Field(const View_Area_Item& it) {
    return it.kind == View_Item_Kind::Float_Field || it.kind == View_Item_Kind::Text_Field ||
           it.kind == View_Item_Kind::Choice_List || it.kind == View_Item_Kind::Image_Choice_List;
}

// A field that a click or Enter opens: enabled, with something to edit. A list without entries opens
// nothing and counts as not editable.
bool Editable(const View_Area_Item& it) {
    if (!Is_Field(it) || !Enabled(it)) return false;
    switch (it.kind) {
        case View_Item_Kind::Float_Field: return it.number != nullptr;
        case View_Item_Kind::Text_Field: return it.buffer != nullptr;
        case View_Item_Kind::Choice_List: return it.value && it.entries && it.aux > 0;
        default: return it.value && it.aux > 0;
    }
}

// A picture button's frame drawn within the area, the clip restored afterwards.
void Draw_Button_Frame(const View_Area_Item& it, const Area_View& v, int frame) {
    int c1, c2, c3, c4;
    pxQVwp(&c1, &c2, &c3, &c4);
    pxView(v.box.x1, v.box.y1, v.box.x2, v.box.y2);
    Draw_Picture_Button_Frame(it, v.X(it.x1), v.Y(it.y1), frame);
    pxView(c1, c2, c3, c4);
}

void Wait_For_Release() {
    while (M_LEFT && Get_Mouse_Event() != 0) {
    }
}

void Repaint(int area) {
    const Scrollable_View_Area* a = View_Area_Of(area);
    if (!a || a->activity != 1) return;
    const Area_View v = View_Of(*a);
    Paint_View_Area(v.ox, v.oy, v.box.x1, v.box.y1, v.box.x2, v.box.y2, area);
}

// Hovering over the picture buttons and hot spots under the mouse, in list order: the hover frame,
// the cursor shape and the tooltip while the mouse stays. True when the wait must end: a wheel
// turn, the end of the input, or a press (so that the click that ended the hover applies at once).
bool Hover(Scrollable_View_Area& a, const Area_View& v, int mask, VEK_Message_Record& record) {
    for (std::size_t k = 0; k < a.items.size(); ++k) {
        const View_Area_Item& it = a.items[k];
        const bool button = it.kind == View_Item_Kind::Picture_Button && Enabled(it);
        const bool spot = it.kind == View_Item_Kind::Hot_Spot && (it.state != 0 || it.has_text);
        if (!button && !spot) continue;
        const Screen_Box r = Item_Box(v, it);
        if (!Contains(r, M_XPOS, M_YPOS)) continue;
        const char* tooltip = button ? (it.second_text.empty() ? nullptr : it.second_text.c_str()) : it.has_text ? it.text.c_str() : nullptr;
        const int shape = button ? it.colour : it.state;
        if (button) Draw_Button_Frame(it, v, 2);
        if (shape) setMouseCursor(shape);
        if (tooltip) Show_Tooltip_Box(tooltip, 1);
        while (!Stopped(a) && GetVEKMessage(mask, &record) != 0 && Contains(r, M_XPOS, M_YPOS) && Contains(v.box, M_XPOS, M_YPOS) &&
               !Wait_Ends(a)) {
        }
        if (button) {
            Show_Tooltip_Box(tooltip, 0);
            Draw_Button_Frame(it, v, 1);
            setMouseCursor(0);
        } else {
            setMouseCursor(0);
            Show_Tooltip_Box(tooltip, 0);
        }
        if (M_SCROLL || getkeymask() == 1 || M_LEFT) return true;
    }
    return false;
}

// Opens the field's editor at (X - 8, Y - 14) over its text, calls its change callback (after every
// opening, changed or not) and leaves the mouse variables on the field. The editor's result:
// nonzero when the user moved on with Enter.
int Open_Field(const View_Area_Item& it, const Area_View& v) {
    const int X = v.X(it.x1), Y = v.Y(it.y1);
    const View_Item_Change_Callback on_change = it.on_change;
    int result = 0;
    switch (it.kind) {
        case View_Item_Kind::Float_Field: {
            double* number = it.number;
            result = Short_Edit_Float(X - 8, Y - 14, it.text.c_str(), number);
            if (on_change) on_change(0, number);
            break;
        }
        case View_Item_Kind::Text_Field: {
            // The caller's text is copied into the edit buffer cut at its maximum length, and at
            // most 511 characters of it, so that neither buffer can be overrun.
            std::array<char, Edit_Buffer_Size> edit{};
            const int max_length = std::clamp(it.state, 0, Max_Edit_Length);
            std::memcpy(edit.data(), it.buffer, strnlen(it.buffer, static_cast<std::size_t>(max_length)));
            const int visible = std::clamp(it.y2, 0, max_length);
            if (visible < max_length) Set_Short_Edit_Text_Scrollmode(max_length);
            result = Short_Edit_Text(X - 8, Y - 14, edit.data(), visible, 0);
            const std::size_t n = strnlen(edit.data(), static_cast<std::size_t>(max_length));
            std::memcpy(it.buffer, edit.data(), n);
            it.buffer[n] = '\0';
            break;
        }
        case View_Item_Kind::Choice_List:
        case View_Item_Kind::Image_Choice_List: {
            int* selected = it.value;
            result = it.kind == View_Item_Kind::Choice_List ? Run_Choice_List_Popup(X, Y, it)
                                                            : Run_Image_Choice_Popup(v.box.y1, v.box.y2, X, Y, it);
            if (on_change) on_change(*selected, nullptr);
            break;
        }
        default: break;
    }
    M_XPOS = X;
    M_YPOS = Y - 8;
    return result;
}

// Scrolls the area so that the field shows with a margin around it.
void Scroll_Field_Into_View(int area, const View_Area_Item& it) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    const Area_View v = View_Of(*a);
    int w = Field_Width(it);
    if (it.kind == View_Item_Kind::Float_Field) w = w + 2 + ((w + 2) & 1);
    const int x = it.x1, y = it.y1;
    int nx = x - v.ox < 9 ? x - 9 : v.ox;
    int ny = y - v.oy < 13 ? y - 13 : v.oy;
    if (v.box.x1 + x - nx + w + 5 >= v.box.x2) nx = v.box.x1 + x + w + 6 - v.box.x2;
    if (v.box.y1 + y - ny + 4 >= v.box.y2) ny = v.box.y1 + y + 5 - v.box.y2;
    nx = std::max(0, nx);
    ny = std::max(0, ny);
    if (nx == v.ox && ny == v.oy) return;
    a->origin_x = nx;
    a->origin_y = ny;
    Show_View_Area(area);   // hands the origin to the library and sets the sliders' activity
}

// A click on a field: its editor, and with Enter the editors of the following enabled fields in
// list order, each scrolled into view, until one is left otherwise or the list ends.
int Edit_Fields(int area, std::size_t k) {
    Wait_For_Release();
    while (hitkey() >= 0) getkey();
    const Scrollable_View_Area* a = View_Area_Of(area);
    if (Open_Field(a->items[k], View_Of(*a)) == 0) {
        Repaint(area);
        return 1;
    }
    Repaint(area);
    // Indices, not references: a change callback may have changed the display list.
    for (std::size_t j = k + 1; (a = View_Area_Of(area)) && j < a->items.size(); ++j) {
        if (!Editable(a->items[j])) continue;
        Scroll_Field_Into_View(area, a->items[j]);
        Repaint(area);
        a = View_Area_Of(area);
        if (!a || j >= a->items.size() || Open_Field(a->items[j], View_Of(*a)) == 0) break;
    }
    Repaint(area);
    return 1;
}

enum class Hit_Action { None, Changed, Field, Text_Editor };

// Whether the click at (mx, my) hits the item, and when it does, what it did to the bound values.
Hit_Action Try_Hit(View_Area_Item& it, const Area_View& v, int mx, int my) {
    const int X = v.X(it.x1), Y = v.Y(it.y1);
    switch (it.kind) {
        case View_Item_Kind::Check_Box:
        case View_Item_Kind::Radio_Button: {
            if (!Enabled(it)) return Hit_Action::None;
            const int w = it.has_text ? Width_In_Font(it.text.c_str(), it.font) : -9;
            if (mx < X - 20 || mx > X + w || my < Y - 10 || my > Y + 2) return Hit_Action::None;
            int value = it.kind == View_Item_Kind::Radio_Button ? it.state : it.value && *it.value == 0 ? 1 : 0;
            if (it.value) *it.value = value;
            if (it.on_change) it.on_change(value, nullptr);
            return Hit_Action::Changed;
        }
        case View_Item_Kind::Choice_Text: {
            const int w = Width_In_Font(it.text.c_str(), it.font);
            if (mx < X - 2 || mx > X + w + 2 || my < Y - 9 || my > Y + 2) return Hit_Action::None;
            if (it.target) *it.target = it.own_value;
            return Hit_Action::Changed;
        }
        case View_Item_Kind::Float_Field:
        case View_Item_Kind::Text_Field:
        case View_Item_Kind::Choice_List: {
            if (!Editable(it) || it.y1 - v.oy <= Field_Top_Reach || Y + 2 >= v.box.y2) return Hit_Action::None;
            const int w = Field_Width(it);
            return mx >= X - 6 && mx <= X + w + 6 && my >= Y - 13 && my <= Y + 5 ? Hit_Action::Field : Hit_Action::None;
        }
        case View_Item_Kind::Image_Choice_List:
            if (!Editable(it)) return Hit_Action::None;
            return mx >= X && mx <= X + it.x2 + 20 && my >= Y && my <= Y + it.y2 + 5 ? Hit_Action::Field : Hit_Action::None;
        case View_Item_Kind::Hot_Spot:
            if (!Contains(Item_Box(v, it), mx, my)) return Hit_Action::None;
            if (it.target) *it.target = it.own_value;
            return Hit_Action::Changed;
        case View_Item_Kind::Picture_Button:
            if (!Enabled(it) || !Contains(Item_Box(v, it), mx, my)) return Hit_Action::None;
            Draw_Button_Frame(it, v, 3);
            Wait_For_Release();
            Draw_Button_Frame(it, v, 1);
            if (it.value) *it.value = it.font;
            return Hit_Action::Changed;
        case View_Item_Kind::Multi_Line_Text:
            // Enabled like every other item: a disabled text is not edited.
            return Enabled(it) && Contains(Item_Box(v, it), mx, my) ? Hit_Action::Text_Editor : Hit_Action::None;
        default: return Hit_Action::None;
    }
}

int Handle_Click(int area) {
    Scrollable_View_Area* a = View_Area_Of(area);
    const Area_View v = View_Of(*a);
    // Choice texts are radio-like marks that a click sets anew.
    bool reset = false;
    for (View_Area_Item& it : a->items)
        if (it.kind == View_Item_Kind::Choice_Text && it.target && *it.target != 0) {
            *it.target = 0;
            reset = true;
        }
    const int mx = M_XPOS, my = M_YPOS;
    for (std::size_t k = 0; k < a->items.size(); ++k) {
        View_Area_Item& it = a->items[k];
        switch (Try_Hit(it, v, mx, my)) {
            case Hit_Action::None: continue;
            case Hit_Action::Changed:
                Repaint(area);
                Wait_For_Release();
                return 1;
            case Hit_Action::Field: return Edit_Fields(area, k);
            case Hit_Action::Text_Editor: {
                const Screen_Box b = Item_Box(v, it);
                return Edit_Multi_Line_Text(it, v.box.x1, v.box.y1, v.box.x2, v.box.y2, b.x1, b.y1, b.x2, b.y2);
            }
        }
    }
    if (reset) Repaint(area);
    Wait_For_Release();
    return reset ? 1 : 0;
}

}  // namespace

int View_Area_Wait_Mask(int area) {
    const Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return 0;
    int mask = Any_Short_Key_Setting() || a->key_return ? Area_Events : Area_Events & ~Key_Bit;
    if (a->right_click_return) mask |= Right_Press_Bit;
    if (a->stop_flag) mask |= Periodic_Bit;
    return mask;
}

void Wait_For_View_Area_Event(int area) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    VEK_Message_Record record;
    InitVEKMessage(&record);
    if (a->stop_flag) record.wait = Stop_Poll_Ms;
    const Area_View v = View_Of(*a);
    const Screen_Box limits =
        a->wait_region_on ? Screen_Box{v.X(a->wait_x1), v.Y(a->wait_y1), v.X(a->wait_x2), v.Y(a->wait_y2)} : v.box;
    const int mask = View_Area_Wait_Mask(area);
    for (;;) {
        if (Stopped(*a)) return;
        if (GetVEKMessage(mask, &record) == 0) return;   // the input ended
        if (!Contains(limits, M_XPOS, M_YPOS) || Wait_Ends(*a)) return;
        if (Hover(*a, v, mask, record) || Stopped(*a) || !Contains(limits, M_XPOS, M_YPOS)) return;
    }
}

void Wait_On_View_Area(int area) { Wait_For_View_Area_Event(area); }

int Handle_View_Area_Event(int area) {
    Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return 0;
    if (!M_LEFT) Wait_For_View_Area_Event(area);
    if (getkeymask() == 1) return 0;
    if (M_LEFT) return Handle_Click(area);
    // No click: a short key whose setting is on stores the area's action for it. Without an action,
    // or for any other key, the key stays pending for the sheet; a wheel turn is the library's.
    const Sheet_Short_Key_Settings_Record& s = Sheet_Short_Key_Settings;
    if (!s.break_key && !s.ok_key && !s.help_key) return 0;
    const int key = hitkey();
    View_Area_Key_Action* action = key >= 0 ? Short_Key_Action(*a, key) : nullptr;
    if (!action || !action->target) return 0;
    *action->target = action->value;
    getkey();
    return 1;
}
