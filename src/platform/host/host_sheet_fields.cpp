// Number fields with their step arrows, and the engraved texts and rules drawn on a sheet's face.
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/host/host_drawing.h"
#include "platform/host/host_editors.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_sheets.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Cell = 8;            // the field font's advance
constexpr int Field_Height = 21;   // as high as the float editor's box
constexpr int Arrow_Width = 12;
constexpr int Arrow_Height = 10;
constexpr int Field_Font = 0;
constexpr int Most_Chars = 1000;

// The up or down arrow right of a field, on the sheet as defined: 2 px gap, the two arrows one above
// the other with 1 px between.
Screen_Rect Arrow(const Sheet_Element& field, bool up) {
    const Screen_Rect& r = field.rect;
    const int x1 = r.x2 + 2, y1 = up ? r.y1 : r.y1 + Arrow_Height + 1;
    return {x1, y1, x1 + Arrow_Width - 1, y1 + Arrow_Height - 1};
}

// A stepped field's value within its range; a value that is no number goes to the range's low end.
void Keep_In_Range(Sheet_Element& field) {
    if (!field.stepped || !field.value) return;
    double& v = *field.value;
    v = std::isnan(v) ? field.low : std::clamp(v, field.low, field.high);
}

void Draw_Arrow(const Screen_Rect& a, bool up) {
    Fill_Rect(a, Face_Colour);
    Frame_3D(a, true, 1);
    const int x = a.x1 + 3, y = a.y1 + 3;
    if (up) Draw_Rows(x, y, {0x1000, 0x3800, 0x7C00}, Text_Colour);
    else Draw_Rows(x, y, {0x7C00, 0x3800, 0x1000}, Text_Colour);
}

}  // namespace

void Draw_Float_Field(const Prop_Sheet& sheet, const Sheet_Element& field) {
    const Widget_Drawing plain;
    const Screen_Rect r = On_Screen(sheet, field.rect);
    const bool on = field.activity > 0;
    Fill_Rect(r, on ? Field_Colour : Face_Colour);
    Frame_3D(r, false, 1);
    if (field.value) {
        pxView(r.x1 + 1, r.y1 + 1, r.x2 - 1, r.y2 - 1);
        Draw_Text(r.x1 + 8, r.y1 + 14, Format_Float_Text(field.format.c_str(), *field.value), Field_Font,
                  on ? Text_Colour : Grey_Text_Colour);
        pxView(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    }
    if (!field.stepped) return;
    Draw_Arrow(On_Screen(sheet, Arrow(field, true)), true);
    Draw_Arrow(On_Screen(sheet, Arrow(field, false)), false);
}

bool Press_Float_Field(const Prop_Sheet& sheet, Sheet_Element& field, int x, int y, int& code) {
    if (!field.value) return false;
    const Screen_Rect r = On_Screen(sheet, field.rect);
    if (Contains(r, x, y)) {
        Short_Edit_Float(r.x1, r.y1, field.format.c_str(), field.value);
    } else if (field.stepped && Contains(On_Screen(sheet, Arrow(field, true)), x, y)) {
        *field.value += field.step;
    } else if (field.stepped && Contains(On_Screen(sheet, Arrow(field, false)), x, y)) {
        *field.value -= field.step;
    } else {
        return false;
    }
    Keep_In_Range(field);
    Draw_Float_Field(sheet, field);
    code = field.code;
    return true;
}

int Add_Float_to_PS(int x, int y, int width, const char* format, int activity, int code, double* value) {
    Sheet_Element e;
    e.kind = Sheet_Element::Float_Field;
    e.code = code;
    e.activity = activity;
    e.value = value;
    e.format = format ? format : "%g";
    e.chars = std::clamp(width, 1, Most_Chars);
    e.rect = Held_Rect(x, y, Held(x) + 16LL + Cell * e.chars, Held(y) + Field_Height - 1LL);
    return Add_Element(std::move(e));
}

int Add_SingleStep_to_Float(int field, double low, double step, double high) {
    Prop_Sheet* sheet = nullptr;
    Sheet_Element* e = Find_Element(field, &sheet);
    if (!e || e->kind != Sheet_Element::Float_Field) return -1;
    e->stepped = true;
    e->low = std::min(low, high);
    e->high = std::max(low, high);
    e->step = step;
    Keep_In_Range(*e);
    if (sheet->activated) Draw_Float_Field(*sheet, *e);
    return 0;
}

void Draw_Funny_Text_to_PS(int x, int y, const char* text, int font, int style) {
    if (!text) return;
    const Widget_Drawing plain;
    if (style == 2) Draw_Text(Held(x + 1LL), Held(y + 1LL), text, font, Light_Colour);
    Draw_Text(x, y, text, font, Text_Colour);
}

void Draw_Funny_Line_to_PS(int, int x1, int y1, int x2, int y2) {
    {
        const Widget_Drawing plain;
        pxFgc(Dark_Colour);
        pxLine(x1, y1, x2, y2);
    }
    if (Host_Tracing())
        Host_Trace_Line("rule " + std::to_string(x1) + "," + std::to_string(y1) + " " + std::to_string(x2) + "," +
                        std::to_string(y2));
}
