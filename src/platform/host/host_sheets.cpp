#include "platform/host/host_sheets.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <string>

#include "platform/host/host_drawing.h"
#include "platform/host/host_events.h"
#include "platform/host/host_input.h"
#include "platform/host/host_library.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Periodic_Bit = 0x40000000;
constexpr int Sheet_Events = 0x1 | 0x2 | 0x4 | 0x8 | 0x20 | 0x4000 | 0x10000;
constexpr int Pointer_Events = 0x1 | 0x4 | 0x20;
constexpr int Callback_Period = 100;   // ms between calls of the periodic callback while a sheet waits
constexpr int Call_Always_Period = 50; // ms between calls of the call-always function while a sheet waits
constexpr int Frame_Width = 3;         // the frame and the gap to the title bar
constexpr int Title_Height = 22;
constexpr int Symbol_Width = 30;
constexpr int Button_Height = 22;
constexpr int Text_Button_Least = 64;
constexpr int Button_Font = 0;
constexpr int Ok_Green = 0x008000;
constexpr int Break_Red = 0xC00000;

struct Sheets {
    std::deque<Prop_Sheet> stack;   // a deque: a sheet stays where it is while others come and go
    int next_handle = 1;
    bool no_frame_next = false;
    bool has_base = false;
    Screen_Rect base{0, 0, -1, -1};
    bool in_callback = false;
    // The call-always function: defined by the program, switched on and off; never re-entered.
    Call_Allways_Function call_always = nullptr;
    bool call_always_on = false;
    bool in_call_always = false;
};

Sheets sheets;

Screen_Rect Base() {
    const Screen_Rect screen{0, 0, NPIXEL_X - 1, NPIXEL_Y - 1};
    return sheets.has_base ? Intersect(sheets.base, screen) : screen;
}

Screen_Rect Title_Bar(const Prop_Sheet& s) {
    const Screen_Rect r = On_Screen(s, s.rect);
    return {r.x1 + Frame_Width, r.y1 + Frame_Width, r.x2 - Frame_Width, r.y1 + Frame_Width + Title_Height - 1};
}

Screen_Rect Close_Box(const Prop_Sheet& s) {
    const Screen_Rect bar = Title_Bar(s);
    return {bar.x2 - 17, bar.y1 + 3, bar.x2 - 3, bar.y2 - 3};
}

// The saved block of pxSvRc begins with its position: x, y, width, height as 32-bit ints.
void Shift_Block(std::vector<unsigned char>& block, int dx, int dy) {
    if (block.size() < 16) return;
    std::int32_t head[4];
    std::memcpy(head, block.data(), sizeof head);
    head[0] += dx;
    head[1] += dy;
    std::memcpy(block.data(), head, sizeof head);
}

int Block_X(const std::vector<unsigned char>& block) {
    std::int32_t x = 0;
    if (block.size() >= 16) std::memcpy(&x, block.data(), sizeof x);
    return x;
}

int Block_Y(const std::vector<unsigned char>& block) {
    std::int32_t y = 0;
    if (block.size() >= 16) std::memcpy(&y, block.data() + sizeof y, sizeof y);
    return y;
}

std::vector<unsigned char> Save_Pixels(const Screen_Rect& r) {
    std::vector<unsigned char> block(static_cast<std::size_t>(pxQSvR(r.x1, r.y1, r.x2, r.y2)));
    pxSvRc(r.x1, r.y1, r.x2, r.y2, block.data());
    return block;
}

void Draw_Sheet_Face(const Prop_Sheet& s) {
    const Widget_Drawing plain;
    const Screen_Rect r = On_Screen(s, s.rect);
    Fill_Rect(r, Face_Colour);
    if (s.framed) Frame_3D(r, true, 2);
    if (!s.title_bar) return;
    const Screen_Rect bar = Title_Bar(s);
    Fill_Rect(bar, Title_Colour);
    pxView(bar.x1, bar.y1, bar.x2 - (s.close_box ? 20 : 0), bar.y2);
    Draw_Text(bar.x1 + 5, bar.y1 + 15, s.title, s.title_font, Light_Colour);
    pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    if (!s.close_box) return;
    const Screen_Rect box = Close_Box(s);
    Fill_Rect(box, Face_Colour);
    Frame_3D(box, true, 1);
    Draw_Rows(box.x1 + 4, box.y1 + 3, {0x8200, 0x4400, 0x2800, 0x1000, 0x2800, 0x4400, 0x8200}, Text_Colour);
}

void Draw_Button(const Prop_Sheet& s, const Sheet_Element& e, bool pressed) {
    const Widget_Drawing plain;
    const Screen_Rect r = On_Screen(s, e.rect);
    pressed = pressed || e.action_state != 0;
    if (!e.face.empty()) {   // the look snapped from the screen, put back where the button lies now
        std::vector<unsigned char> face = e.face;
        Shift_Block(face, r.x1 - Block_X(face), r.y1 - Block_Y(face));
        pxStRc(face.data());
        if (pressed) Frame_3D(r, false, 1);
        return;
    }
    Fill_Rect(r, Face_Colour);
    Frame_3D(r, !pressed, 2);
    const int shift = pressed ? 1 : 0;
    const bool on = e.activity > 0;
    const int ink = on ? Text_Colour : Grey_Text_Colour;
    const int x = r.x1 + shift, y = r.y1 + shift;
    const int width = r.x2 - r.x1 + 1;
    if (e.kind == Sheet_Element::Help) {
        Draw_Text(x + (width - 8) / 2, y + 15, "?", Button_Font, ink);
    } else if (e.raster == SYMBOLIC_OK_RASTER) {
        Draw_Rows(x + 9, y + 6, {0x0020, 0x0060, 0x00E0, 0x81C0, 0xC380, 0xE700, 0x7E00, 0x3C00, 0x1800}, on ? Ok_Green : ink);
    } else if (e.raster == SYMBOLIC_BREAK_RASTER) {
        Draw_Rows(x + 10, y + 6, {0xC180, 0xE380, 0x7700, 0x3E00, 0x1C00, 0x3E00, 0x7700, 0xE380, 0xC180}, on ? Break_Red : ink);
    } else if (e.raster == SYMBOLIC_MORE_RASTER) {
        Draw_Rows(x + 7, y + 14, {0xCCC0, 0xCCC0}, ink);
    } else {
        Draw_Text(x + (width - Text_Width(e.text, Button_Font)) / 2, y + 15, e.text, Button_Font, ink);
    }
}

Screen_Rect Tab(const Sheet_Element& reg, const Sheet_Element::Member& m) {
    return {m.x1, reg.rect.y1, m.x2, reg.rect.y1 + reg.tab_height - 1};
}

void Draw_Register(const Prop_Sheet& s, const Sheet_Element& reg) {
    const Widget_Drawing plain;
    for (std::size_t k = 0; k < reg.members.size(); ++k) {
        const Screen_Rect t = On_Screen(s, Tab(reg, reg.members[k]));
        const bool chosen = static_cast<int>(k) + 1 == reg.selected;
        pxFgc(chosen ? Light_Colour : Face_Colour);
        pxLine(t.x1, t.y1, t.x2, t.y1);
        pxLine(t.x1, t.y1, t.x1, t.y2);
        pxFgc(chosen ? Dark_Colour : Face_Colour);
        pxLine(t.x2, t.y1, t.x2, t.y2);
    }
}

void Draw_Element(const Prop_Sheet& s, const Sheet_Element& e) {
    switch (e.kind) {
        case Sheet_Element::Button:
        case Sheet_Element::Help: Draw_Button(s, e, false); break;
        case Sheet_Element::Register: Draw_Register(s, e); break;
        case Sheet_Element::Slider: Draw_Slider(s, e); break;
        case Sheet_Element::Scroll_Area:
            if (e.activity > 0) Paint_Scroll_Area(s, e);
            break;
        case Sheet_Element::Float_Field: Draw_Float_Field(s, e); break;
        case Sheet_Element::Alternative: Draw_Alternative(s, e); break;
        case Sheet_Element::Escape_Area: break;
    }
}

int Returned(const Prop_Sheet& s, int code) {
    if (Host_Tracing()) Host_Trace_Line("sheet " + std::to_string(s.depth) + " code " + std::to_string(code));
    return code;
}

// The code of Enter or Esc: the one set for the window, else that of the sheet's OK or break symbol.
bool Window_Code(const Prop_Sheet& s, bool ok, int& code) {
    if (ok ? s.has_ok : s.has_break) {
        code = ok ? s.ok_code : s.break_code;
        return true;
    }
    for (const Sheet_Element& e : s.elements)
        if (e.kind == Sheet_Element::Button && e.activity > 0 && e.raster == (ok ? SYMBOLIC_OK_RASTER : SYMBOLIC_BREAK_RASTER)) {
            code = e.code;
            return true;
        }
    return false;
}

// Help of the sheet's help button: shows the topic; true with its code when that is not 0.
bool Show_Help(const Sheet_Element& e, int& code) {
    Helpview(e.help_key.c_str());
    code = e.code;
    return e.code != 0;
}

bool Sheet_Key(const Prop_Sheet& s, int key, int& code) {
    if (key == 27) return Window_Code(s, false, code);
    if (key == 13) return Window_Code(s, true, code);
    if (key == 315)
        for (const Sheet_Element& e : s.elements)
            if (e.kind == Sheet_Element::Help && e.activity > 0) return Show_Help(e, code);
    return false;
}

void Move_Sheet(Prop_Sheet& s, int dx, int dy) {
    if (dx == s.dx && dy == s.dy) return;
    const Screen_Rect old = On_Screen(s, s.rect);
    std::vector<unsigned char> face = Save_Pixels(old);
    pxStRc(s.under.data());
    const int shift_x = dx - s.dx, shift_y = dy - s.dy;
    s.dx = dx;
    s.dy = dy;
    const Screen_Rect now = On_Screen(s, s.rect);
    s.under = Save_Pixels(now);
    Shift_Block(face, shift_x, shift_y);
    pxStRc(face.data());
    if (s.out_dx) *s.out_dx = dx;
    if (s.out_dy) *s.out_dy = dy;
    if (Host_Tracing())
        Host_Trace_Line("sheet " + std::to_string(s.depth) + " moved " + std::to_string(dx) + "," + std::to_string(dy));
}

// Follows the pointer from a press on the title bar until the button is released; the sheet stays
// in the screen base.
void Drag_Sheet(Prop_Sheet& s) {
    const int px = M_XPOS, py = M_YPOS, dx0 = s.dx, dy0 = s.dy;
    const Screen_Rect base = Base();
    while (M_LEFT && Host_Wait(Pointer_Events, 0, nullptr) != 0) {
        const int lo_x = base.x1 - s.rect.x1, hi_x = base.x2 - s.rect.x2;
        const int lo_y = base.y1 - s.rect.y1, hi_y = base.y2 - s.rect.y2;
        const int dx = lo_x <= hi_x ? std::clamp(dx0 + M_XPOS - px, lo_x, hi_x) : s.dx;
        const int dy = lo_y <= hi_y ? std::clamp(dy0 + M_YPOS - py, lo_y, hi_y) : s.dy;
        Move_Sheet(s, dx, dy);
    }
}

// A pressed button: shown pressed while the pointer stays on it; true when released over it.
bool Press_Button(const Prop_Sheet& s, const Sheet_Element& e) {
    const Screen_Rect r = On_Screen(s, e.rect);
    bool inside = true;
    Draw_Button(s, e, true);
    while (M_LEFT && Host_Wait(Pointer_Events, 0, nullptr) != 0) {
        const bool now = Contains(r, M_XPOS, M_YPOS);
        if (now != inside) Draw_Button(s, e, now);
        inside = now;
    }
    inside = Contains(r, M_XPOS, M_YPOS);
    Draw_Button(s, e, false);
    return inside;
}

// A button lying over an escape area takes the pointer there: the area reports neither a press nor
// a move over the button.
bool Button_At(const Prop_Sheet& s, int x, int y) {
    for (const Sheet_Element& e : s.elements)
        if ((e.kind == Sheet_Element::Button || e.kind == Sheet_Element::Help) && e.activity > 0 &&
            Contains(On_Screen(s, e.rect), x, y))
            return true;
    return false;
}

bool Escape_Area_At(const Prop_Sheet& s, int x, int y, bool moved, int& code) {
    if (Button_At(s, x, y)) return false;
    for (const Sheet_Element& e : s.elements)
        if (e.kind == Sheet_Element::Escape_Area && e.activity > 0 && (!moved || e.move_events) &&
            Contains(On_Screen(s, e.rect), x, y)) {
            code = e.code;
            return true;
        }
    return false;
}

bool Press(Prop_Sheet& s, int button, int& code) {
    const int x = M_XPOS, y = M_YPOS;
    if (!Contains(On_Screen(s, s.rect), x, y)) {
        code = s.click_outside_code;
        return s.click_outside;
    }
    if (button == 0) {
        if (s.close_box && Contains(Close_Box(s), x, y)) return Window_Code(s, false, code);
        if (s.title_bar && Contains(Title_Bar(s), x, y)) {
            Drag_Sheet(s);
            return false;
        }
        for (Sheet_Element& e : s.elements) {
            if ((e.kind == Sheet_Element::Button || e.kind == Sheet_Element::Help) && e.activity > 0 &&
                Contains(On_Screen(s, e.rect), x, y)) {
                if (!Press_Button(s, e)) return false;
                if (e.kind == Sheet_Element::Help) return Show_Help(e, code);
                code = e.code;
                return true;
            }
            if (e.kind == Sheet_Element::Float_Field && e.activity > 0 && Press_Float_Field(s, e, x, y, code))
                return code != 0;
            if (e.kind == Sheet_Element::Register)
                for (std::size_t k = 0; k < e.members.size(); ++k)
                    if (Contains(On_Screen(s, Tab(e, e.members[k])), x, y)) {
                        e.selected = static_cast<int>(k) + 1;
                        Draw_Register(s, e);
                        code = e.members[k].code;
                        return true;
                    }
            if (e.kind == Sheet_Element::Alternative && Press_Alternative(s, e, x, y, code)) return code != 0;
            if (e.kind == Sheet_Element::Slider && e.activity > 0) {
                const Sheet_Element* area = Find_Element(e.area);
                if (area && Contains(On_Screen(s, Slider_Strip(*area, e.vertical)), x, y)) {
                    Press_Slider(s, e.handle, x, y);
                    return false;
                }
            }
        }
    }
    return Escape_Area_At(s, x, y, false, code);
}

void Call_Periodic_Callback() {
    const Sheet_Periodic_Callback callback = Host_Periodic_Callback();
    if (!callback || sheets.in_callback) return;
    sheets.in_callback = true;
    callback();
    sheets.in_callback = false;
}

bool Call_Always_Active() { return sheets.call_always && sheets.call_always_on; }

void Call_Always() {
    if (!Call_Always_Active() || sheets.in_call_always) return;
    sheets.in_call_always = true;
    sheets.call_always();
    sheets.in_call_always = false;
}

}  // namespace

void Define_Call_Allways_Function(Call_Allways_Function function) { sheets.call_always = function; }

void Activate_Call_Allways_Function(int on) { sheets.call_always_on = on != 0; }

void Redraw_Sheet_Button(const Prop_Sheet& sheet, const Sheet_Element& button) { Draw_Button(sheet, button, false); }

Prop_Sheet* Top_Sheet() { return sheets.stack.empty() ? nullptr : &sheets.stack.back(); }

Sheet_Element* Find_Element(int handle, Prop_Sheet** sheet) {
    for (Prop_Sheet& s : sheets.stack)
        for (Sheet_Element& e : s.elements)
            if (e.handle == handle) {
                if (sheet) *sheet = &s;
                return &e;
            }
    return nullptr;
}

int Add_Element(Sheet_Element element) {
    Prop_Sheet* s = Top_Sheet();
    if (!s) return -1;
    element.handle = sheets.next_handle++;
    s->elements.push_back(std::move(element));
    if (s->activated) Draw_Element(*s, s->elements.back());
    return s->elements.back().handle;
}

Screen_Rect On_Screen(const Prop_Sheet& sheet, const Screen_Rect& r) {
    return {r.x1 + sheet.dx, r.y1 + sheet.dy, r.x2 + sheet.dx, r.y2 + sheet.dy};
}

bool Contains(const Screen_Rect& r, int x, int y) { return x >= r.x1 && x <= r.x2 && y >= r.y1 && y <= r.y2; }

bool Top_Sheet_Float_Auto() { return Top_Sheet() && Top_Sheet()->float_auto; }

void Init_Prop_Sheets() {
    sheets.stack.clear();
    sheets.no_frame_next = false;
    sheets.has_base = false;
}

void Exit_Prop_Sheets() {
    while (!sheets.stack.empty()) Undefine_Prop_Sheet();
}

void Set_Prop_Sheet_Screen_Base(int x1, int y1, int x2, int y2) {
    sheets.base = Held_Rect(x1, y1, x2, y2);
    sheets.has_base = true;
}

void Check_Prop_Sheet_Frames(int* x1, int* y1, int* x2, int* y2) {
    if (!x1 || !y1 || !x2 || !y2) return;
    const Screen_Rect base = Base();
    const auto keep = [](int& lo, int& hi, int b1, int b2) {
        if (lo > hi) std::swap(lo, hi);
        const long long size = static_cast<long long>(hi) - lo;
        if (size > static_cast<long long>(b2) - b1) {
            lo = b1;
            hi = b2;
        } else if (lo < b1) {
            hi = static_cast<int>(b1 + size);
            lo = b1;
        } else if (hi > b2) {
            lo = static_cast<int>(b2 - size);
            hi = b2;
        }
    };
    keep(*x1, *x2, base.x1, base.x2);
    keep(*y1, *y2, base.y1, base.y2);
}

int Define_Prop_Sheet(int x1, int y1, int x2, int y2, int title_bar, int close_box, const char* title, int title_font,
                      int) {
    Prop_Sheet s;
    s.depth = static_cast<int>(sheets.stack.size()) + 1;
    s.rect = Held_Rect(x1, y1, x2, y2);
    s.framed = !sheets.no_frame_next;
    sheets.no_frame_next = false;
    s.title_bar = s.framed && title_bar == 1 && s.rect.y2 - s.rect.y1 > 2 * Frame_Width + Title_Height;
    s.close_box = s.title_bar && close_box == 1;
    s.title = title ? title : "";
    s.title_font = title_font;
    s.under = Save_Pixels(s.rect);
    sheets.stack.push_back(std::move(s));
    const Prop_Sheet& top = sheets.stack.back();
    if (Host_Tracing())
        Host_Trace_Line("sheet define " + std::to_string(top.depth) + " " + std::to_string(top.rect.x1) + "," +
                        std::to_string(top.rect.y1) + "," + std::to_string(top.rect.x2) + "," +
                        std::to_string(top.rect.y2) + " " + Trace_Text(top.title));
    Draw_Sheet_Face(top);
    return top.depth;
}

void Set_NoFrameFlag_to_Next_PropSheet() { sheets.no_frame_next = true; }

void Undefine_Prop_Sheet() {
    Prop_Sheet* s = Top_Sheet();
    if (!s) return;
    pxStRc(s->under.data());
    if (Host_Tracing()) Host_Trace_Line("sheet undefine " + std::to_string(s->depth));
    sheets.stack.pop_back();
}

void Activate_Prop_Sheet() {
    Prop_Sheet* s = Top_Sheet();
    if (!s) return;
    s->activated = true;
    for (std::size_t k = 0; k < s->elements.size(); ++k) Draw_Element(*s, s->elements[k]);
}

int Edit_Prop_Sheet() {
    Prop_Sheet* s = Top_Sheet();
    if (!s) return 0;
    int code = 0;
    while (hitkey() >= 0)
        if (Sheet_Key(*s, getkey(), code)) return Returned(*s, code);
    if (M_SCROLL != 0 && Wheel_Over_Areas(*s, M_XPOS, M_YPOS, M_SCROLL)) M_SCROLL = 0;
    // The periodic callback is due every 100 ms of waiting, the call-always function every 50 ms and
    // after every event; the wait wakes at the nearer of the two.
    long long periodic_due = Host_Clock_Ms() + Callback_Period;
    for (;;) {
        Host_Event e;
        const bool periodic = Host_Periodic_Callback() != nullptr;
        int wake = 0;
        if (Call_Always_Active()) wake = Call_Always_Period;
        if (periodic) {
            const int to_periodic = static_cast<int>(std::max(1LL, periodic_due - Host_Clock_Ms()));
            wake = wake > 0 ? std::min(wake, to_periodic) : to_periodic;
        }
        const int r = Host_Wait(Sheet_Events, wake, &e);
        // A callback run inside the wait may have removed sheets.
        s = Top_Sheet();
        if (!s) return 0;
        if (r == 0) return Returned(*s, Window_Code(*s, false, code) ? code : 0);
        if (r == Periodic_Bit) {
            if (periodic && Host_Clock_Ms() >= periodic_due) {
                periodic_due = Host_Clock_Ms() + Callback_Period;
                Call_Periodic_Callback();
            }
            Call_Always();
            continue;
        }
        bool ended = false;
        switch (e.kind) {
            case Host_Event::Key: ended = Sheet_Key(*s, getkey(), code); break;
            case Host_Event::Wheel:
                if (Wheel_Over_Areas(*s, M_XPOS, M_YPOS, M_SCROLL)) M_SCROLL = 0;
                break;
            case Host_Event::Move: ended = Escape_Area_At(*s, M_XPOS, M_YPOS, true, code); break;
            case Host_Event::Press: ended = Press(*s, e.button, code); break;
            default: break;
        }
        periodic_due = Host_Clock_Ms() + Callback_Period;
        Call_Always();
        s = Top_Sheet();
        if (!s) return 0;
        if (ended) return Returned(*s, code);
    }
}

void Prop_Sheet_Displacement(int* dx, int* dy) {
    Prop_Sheet* s = Top_Sheet();
    if (dx) *dx = s ? s->dx : 0;
    if (dy) *dy = s ? s->dy : 0;
    if (!s) return;
    s->out_dx = dx;
    s->out_dy = dy;
}

void Inquire_Prop_Sheet_Displacement(int* dx, int* dy) {
    const Prop_Sheet* s = Top_Sheet();
    if (dx) *dx = s ? s->dx : 0;
    if (dy) *dy = s ? s->dy : 0;
}

int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text, int raster, const char* comment) {
    Sheet_Element e;
    e.kind = Sheet_Element::Button;
    e.code = code;
    e.activity = active;
    e.raster = raster;
    e.text = text ? text : "";
    e.comment = comment ? comment : "";
    const long long width = raster ? Symbol_Width : std::max<long long>(Text_Button_Least, 8LL * static_cast<long long>(e.text.size()) + 16);
    e.rect = Held_Rect(x, y, Held(x) + width - 1, Held(y) + Button_Height - 1);
    return Add_Element(std::move(e));
}

int Add_Single_Button_to_PS(int x, int y, int active, int code, const char* text, const Button_Size* size,
                            const char* comment) {
    if (!size) return Add_Single_Button_to_PS(x, y, active, code, text, 0, comment);
    Sheet_Element e;
    e.kind = Sheet_Element::Button;
    e.code = code;
    e.activity = active;
    e.text = text ? text : "";
    e.comment = comment ? comment : "";
    e.rect = Held_Rect(x, y, Held(x) + std::clamp(size->width, 1, 1000000) - 1LL,
                       Held(y) + std::clamp(size->height, 1, 1000000) - 1LL);
    return Add_Element(std::move(e));
}

void Set_ClickOutsideEvent_to_PS(int code) {
    if (Prop_Sheet* s = Top_Sheet()) {
        s->click_outside = true;
        s->click_outside_code = code;
    }
}

int Add_Help_to_PS(int x, int y, int active, int code, const char* text, const char* help_key) {
    Sheet_Element e;
    e.kind = Sheet_Element::Help;
    e.code = code;
    e.activity = active;
    e.text = text ? text : "";
    e.help_key = help_key ? help_key : "";
    e.rect = Held_Rect(x, y, Held(x) + Symbol_Width - 1, Held(y) + Button_Height - 1);
    return Add_Element(std::move(e));
}

void Set_Windows_OK_Button(int code) {
    if (Prop_Sheet* s = Top_Sheet()) {
        s->has_ok = true;
        s->ok_code = code;
    }
}

void Set_Windows_Break_Button(int code) {
    if (Prop_Sheet* s = Top_Sheet()) {
        s->has_break = true;
        s->break_code = code;
    }
}

void Move_Mouse_Cursor_to_Button_of_PS(int button, int dx, int dy) {
    Prop_Sheet* s = nullptr;
    const Sheet_Element* e = Find_Element(button, &s);
    if (!e || (e->kind != Sheet_Element::Button && e->kind != Sheet_Element::Help)) return;
    const Screen_Rect r = On_Screen(*s, e->rect);
    msStCu((r.x1 + r.x2) / 2 + Held(dx), (r.y1 + r.y2) / 2 + Held(dy));
}

void Set_Prop_Sheet_Edit_Float_Auto_Mode() {
    if (Prop_Sheet* s = Top_Sheet()) s->float_auto = true;
}

int Add_Register_to_PS(int x1, int y1, int x2, int y2, int tab_height) {
    Sheet_Element e;
    e.kind = Sheet_Element::Register;
    e.rect = Held_Rect(x1, y1, x2, y2);
    e.tab_height = std::clamp(tab_height, 1, 1000000);
    return Add_Element(std::move(e));
}

int Add_Member_to_Register(int reg, int x1, int x2, int, int code) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Element(reg, &s);
    if (!e || e->kind != Sheet_Element::Register) return -1;
    e->members.push_back({Held(std::min(x1, x2)), Held(std::max(x1, x2)), code});
    if (s->activated) Draw_Register(*s, *e);
    return static_cast<int>(e->members.size());
}

void Set_Selected_Register_Member(int reg, int member) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Element(reg, &s);
    if (!e || e->kind != Sheet_Element::Register || member < 1 || member > static_cast<int>(e->members.size())) return;
    e->selected = member;
    if (s->activated) Draw_Register(*s, *e);
}

int Add_Escape_Area_to_PS(int x1, int y1, int x2, int y2, int active, int code) {
    Sheet_Element e;
    e.kind = Sheet_Element::Escape_Area;
    e.rect = Held_Rect(x1, y1, x2, y2);
    e.activity = active;
    e.code = code;
    return Add_Element(std::move(e));
}

void Set_Escape_Area_to_MouseMoveEvent(int area, int on) {
    Sheet_Element* e = Find_Element(area);
    if (e && e->kind == Sheet_Element::Escape_Area) e->move_events = on != 0;
}

void Change_Activity_PS(int handle, int activity) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Element(handle, &s);
    if (!e) return;
    e->activity = activity;
    if (e->kind == Sheet_Element::Scroll_Area) {
        if (activity > 0) Paint_Scroll_Area(*s, *e);
    } else if (s->activated) {
        Draw_Element(*s, *e);
    }
}

void Draw_Funny_Area_to_PS(int style, int x1, int y1, int x2, int y2, int fill) {
    if (style <= 0) return;
    const Widget_Drawing plain(true);
    const Screen_Rect r = Normalised(x1, y1, x2, y2);
    const int thickness = style <= 2 ? 1 : 2;
    if (fill) Fill_Rect({r.x1 + thickness, r.y1 + thickness, r.x2 - thickness, r.y2 - thickness}, Face_Colour);
    Frame_3D(r, style == 1 || style == 3, thickness);
}
