// Radio buttons of the host stand-in's sheets, with the texts connected to them.
#include <string>

#include "platform/host/host_drawing.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_sheets.h"
#include "platform/host/host_trace.h"

namespace {

constexpr int Circle_Size = 12;
constexpr int Text_Above = 11;   // the connected text's hit box reaches this far above its baseline
constexpr int Text_Below = 3;

// The 12 x 12 circle: its rim, its inside and the dot of a set button, leftmost pixel in bit 15.
constexpr std::initializer_list<std::uint16_t> Rim = {0x0F00, 0x30C0, 0x4020, 0x4020, 0x8010, 0x8010,
                                                       0x8010, 0x8010, 0x4020, 0x4020, 0x30C0, 0x0F00};
constexpr std::initializer_list<std::uint16_t> Inside = {0x0000, 0x0F00, 0x3FC0, 0x3FC0, 0x7FE0, 0x7FE0,
                                                          0x7FE0, 0x7FE0, 0x3FC0, 0x3FC0, 0x0F00, 0x0000};
constexpr std::initializer_list<std::uint16_t> Dot = {0x0000, 0x0000, 0x0000, 0x0000, 0x0600, 0x0F00,
                                                       0x0F00, 0x0600, 0x0000, 0x0000, 0x0000, 0x0000};

bool Set(const Sheet_Element& e) { return e.choice.bound && *e.choice.bound == e.choice.value; }

int Label_Left(const Alternative_Choice& c) {
    const int w = Text_Width(c.label, c.label_font);
    return c.label_alignment == 1 ? c.label_x - w : c.label_alignment == 2 ? c.label_x - w / 2 : c.label_x;
}

Screen_Rect Label_Box(const Alternative_Choice& c) {
    if (c.label.empty()) return {0, 0, -1, -1};
    const int x1 = Label_Left(c);
    return {x1, c.label_y - Text_Above, x1 + Text_Width(c.label, c.label_font) - 1, c.label_y + Text_Below};
}

}  // namespace

void Draw_Alternative(const Prop_Sheet& sheet, const Sheet_Element& e) {
    const Widget_Drawing plain;
    const Screen_Rect r = On_Screen(sheet, e.rect);
    const bool on = e.activity > 0;
    Draw_Rows(r.x1, r.y1, Inside, on ? Field_Colour : Face_Colour);
    Draw_Rows(r.x1, r.y1, Rim, Shadow_Colour);
    Draw_Rows(r.x1, r.y1, Dot, Set(e) ? (on ? Text_Colour : Grey_Text_Colour) : on ? Field_Colour : Face_Colour);
    const Alternative_Choice& c = e.choice;
    if (!c.label.empty())
        Draw_Text(Label_Left(c) + sheet.dx, c.label_y + sheet.dy, c.label, c.label_font, on ? c.label_colour : Grey_Text_Colour);
}

bool Press_Alternative(Prop_Sheet& sheet, Sheet_Element& e, int x, int y, int& code) {
    if (e.activity <= 0) return false;
    if (!Contains(On_Screen(sheet, e.rect), x, y) && !Contains(On_Screen(sheet, Label_Box(e.choice)), x, y)) return false;
    if (e.choice.bound) *e.choice.bound = e.choice.value;
    // The other buttons bound to the same int lose their dot.
    for (const Sheet_Element& other : sheet.elements)
        if (other.kind == Sheet_Element::Alternative && other.choice.bound == e.choice.bound) Draw_Alternative(sheet, other);
    if (Host_Tracing()) Host_Trace_Line("radio " + std::to_string(e.handle) + " " + std::to_string(e.choice.value));
    code = e.code;
    return true;
}

int Add_Alternativ_Button_to_PS(int x, int y, int active, int code, int* bound, int value, int) {
    Sheet_Element e;
    e.kind = Sheet_Element::Alternative;
    e.code = code;
    e.activity = active;
    e.choice.bound = bound;
    e.choice.value = value;
    e.rect = Held_Rect(x, y, Held(x) + Circle_Size - 1, Held(y) + Circle_Size - 1);
    return Add_Element(std::move(e));
}

void Add_Aligned_Connected_Text_to_Button_of_PS(int button, int x, int y, const char* text, int font, int colour,
                                                int alignment) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* e = Find_Element(button, &s);
    if (!e || e->kind != Sheet_Element::Alternative) return;
    e->choice.label = text ? text : "";
    e->choice.label_x = Held(x);
    e->choice.label_y = Held(y);
    e->choice.label_font = font;
    e->choice.label_colour = colour;
    e->choice.label_alignment = alignment;
    if (s->activated) Draw_Alternative(*s, *e);
}
