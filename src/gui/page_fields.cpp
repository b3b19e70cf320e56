// Numeric, choice and check fields of the kit's dialog pages. Every field binds to the caller's
// variable; a Field_State decides between editable, read-only and greyed. Values in display units go
// through the innermost dialog's scaled-value registry (multiplied once per dialog level and divided
// back when the level ends); integers are edited through their double proxies.
#include "gui/page_fields.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>

#include "common/cp437.h"
#include "common/notice_output.h"
#include "common/round_half_away.h"
#include "common/stream_print.h"
#include "common/text_width.h"
#include "gui/colour_shading.h"
#include "gui/dialog_engine.h"
#include "gui/grade_lists.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "gui/world_items.h"
#include "material/rounding.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Style_Bits = 0x70000;

Field_State State_Of(const Field_State* state) { return state ? *state : 1; }

int Greyed_Colour() { return Nearest_Color_Index(198, 195, 198); }

// Value colour and enabled flag of a field in its state: read-only fields show the text colour
// lightened by 40 %, greyed fields the grey; only state 1 edits.
struct Field_Look {
    int colour;
    const int* enabled;
};

Field_Look Look_Of(Field_State state) {
    if (state == 1) return {Get_Page_Text_Colour(), &Page_Enabled};
    if (state == -1) return {Shade_Colour_Index(Get_Page_Text_Colour(), 40), &Page_Disabled};
    return {Greyed_Colour(), &Page_Disabled};
}

// Fields draw in font 0 with the page font's style bits.
int Field_Font() { return Get_Page_Font() & Style_Bits; }

// The float field of c characters at x + 7 with its format; a read-only field stands on the
// read-only background, which stays the page's fill colour afterwards.
int Add_Number_Field(int x, int y, double* value, int c, const std::string& format, Field_State state) {
    const int area = Get_Page_Area();
    if (area < 0 || c <= 0 || !value) return 0;
    const int width = c * 8 + 15;
    const Field_Look look = Look_Of(state);
    if (state == -1) {
        Set_Page_Fill_Colour(Get_Read_Only_Background());
        Add_World_Rectangle(x, y + 5, x + width - 1, y - 13);
    }
    Add_Float_Field_to_View_Area(area, x + 7, y, value, format.c_str(), Field_Font(), look.colour, look.enabled);
    Set_Last_Page_Item(x, y - 13, x + width, y + 5, state);
    return width;
}

// A factor that the dialog's end could not divide back out (0, infinite or not a number) would
// destroy the value: such a field is not made.
bool Usable_Factor(double factor) { return std::isfinite(factor) && factor != 0.0; }

// A scaled value is shown in display units only inside a dialog, whose end divides it back.
bool Scales_Outside_Dialog(double factor) { return Usable_Factor(factor) && factor != 1.0 && Get_Dialog_Depth() == 0; }

// The limit hint: the name goes into the message as text (its '%' doubled), the limit through the
// number format of the field's decimals.
void Give_Limit_Hint(const char* name, const char* verb, double limit, int d) {
    std::string escaped;
    for (const char* p = name; *p; ++p) {
        escaped += *p;
        if (*p == '%') escaped += '%';
    }
    const std::string number = Format_Text("%%.%df", d);
    const std::string message = escaped + " darf den Wert " + number + " nicht " + verb;
    Print_Hint_Notice_In_Mode(0, message.c_str(), limit);
}

void Release_Entries(void* entries) { delete[] static_cast<Choice_List_Entry*>(entries); }

}  // namespace

int Add_Float_Field(int x, int y, double* value, int c, int d, const Field_State* state) {
    return Add_Number_Field(x, y, value, c, Format_Text("%%%d.%df", c, std::max(0, d)), State_Of(state));
}

int Add_Coloured_Float_Field(int x, int y, double* value, int c, int d, int colour, const Field_State* state) {
    const int text_colour = Get_Page_Text_Colour();
    Set_Page_Text_Colour(colour);
    const int width = Add_Float_Field(x, y, value, c, d, state);
    Set_Page_Text_Colour(text_colour);
    return width;
}

int Add_Scaled_Float_Field(int x, int y, double* value, double factor, int c, int d, const Field_State* state) {
    if (!value || !Usable_Factor(factor)) return 0;
    if (factor != 1.0) {
        // Outside a dialog nothing would convert the value back: no field.
        if (Scales_Outside_Dialog(factor)) return 0;
        Register_Scaled_Value(value, factor);
    }
    return Add_Float_Field(x, y, value, c, d, state);
}

int Add_Int_Field(int x, int y, int* integer, int c, const Field_State* state) {
    return Add_Clamped_Int_Field(x, y, integer, c, INT_MIN, INT_MAX, state);
}

int Add_Clamped_Int_Field(int x, int y, int* integer, int c, int minimum, int maximum, const Field_State* state) {
    if (Get_Page_Area() < 0 || c <= 0 || !integer || Get_Dialog_Depth() == 0) return 0;
    double* proxy = Get_Int_Proxy(integer);
    if (!proxy) return 0;
    if (*proxy < minimum) *proxy = minimum;
    if (*proxy > maximum) *proxy = maximum;
    *integer = Round_Half_Away(*proxy);
    return Add_Number_Field(x, y, proxy, c, Format_Text("%%%d.0f", c), State_Of(state));
}

int Add_Checked_Float_Field(int x, int y, double* value, double factor, int c, int d, double minimum, double maximum,
                            const char* name, const Field_State* state) {
    if (!value) return 0;
    const int width = Add_Scaled_Float_Field(x, y, value, factor, c, d, state);
    // Limits are in display units; outside a dialog the value stands in stored units.
    const double scale = Scales_Outside_Dialog(factor) ? factor : 1.0;
    double shown = *value * scale;
    if (name && *name) {
        if (Round_To_Decimals(shown - maximum, d) > 0)
            Give_Limit_Hint(name, "überschreiten"_cp, maximum, std::max(0, d));
        else if (Round_To_Decimals(shown - minimum, d) < 0)
            Give_Limit_Hint(name, "unterschreiten", minimum, std::max(0, d));
    }
    if (shown < minimum) shown = minimum;
    if (shown > maximum) shown = maximum;
    if (shown != *value * scale) *value = shown / scale;
    return width;
}

int Add_Labelled_Float_Field(int x, int y, const char* label, double* value, int c, int d, const char* unit,
                             const Field_State* state) {
    if (Get_Page_Area() < 0) return 0;
    const int enabled = State_Of(state) != 0;
    int fx = x;
    if (label && *label) fx = x + Add_Label_Value(x, y, label, enabled) + 5;
    int end = fx + Add_Float_Field(fx, y, value, c, d, state);
    if (unit && *unit) end += 3 + Add_Label_Value(end + 3, y, unit, enabled);
    return end - x;
}

int Add_Symbol_Float_Field(int x, int y, const char* symbol, const char* index, double* value, double factor, int c,
                           int d, const char* unit, const Field_State* state) {
    if (Get_Page_Area() < 0 || !Usable_Factor(factor) || Scales_Outside_Dialog(factor)) return 0;
    const int* enabled = State_Of(state) != 0 ? &Page_Enabled : &Page_Disabled;
    int fx = x;
    if (symbol && *symbol) fx = x + Add_Symbol_Label(x, y, symbol, index, enabled) + 3;
    int end = fx + Add_Scaled_Float_Field(fx, y, value, factor, c, d, state);
    if (unit && *unit) end += 3 + Add_Label(end + 3, y, unit, enabled);
    return end - x;
}

int Add_Choice_Field(int x, int y, const char* texts, const int* colours, int stride, int count, int* selected,
                     const Field_State* state) {
    const int area = Get_Page_Area();
    if (area < 0 || !texts || count < 1 || stride < 2) return 0;
    const Field_State s = State_Of(state);
    const Field_Look look = Look_Of(s);
    const int font = Field_Font();
    const int g = (Get_Choice_Field_Width(texts, stride, count, font) - 33) / 8;
    // The entries are built at every pass and belong to the item, which frees them with itself.
    auto* entries = new Choice_List_Entry[static_cast<std::size_t>(count)];
    for (int i = 0; i < count; ++i) entries[i] = {colours ? colours[i] : look.colour, texts + static_cast<std::ptrdiff_t>(i) * stride};
    Add_Choice_List_to_View_Area(area, x + 7, y, entries, font, g, count, selected, look.enabled);
    Scrollable_View_Area* a = View_Area_Of(area);
    if (a && !a->items.empty() && a->items.back().entries == entries)
        a->items.back().owned_data = std::unique_ptr<void, View_Area_Owned_Data_Deleter>(entries, {Release_Entries});
    else
        Release_Entries(entries);
    const int width = g * 8 + 33;
    Set_Last_Page_Item(x, y - 13, x + width, y + 5, s);
    return width;
}

int Add_Grade_Choice_Field(int x, int y, const Grade_List* list, int* selected, const Field_State* state) {
    if (!list) return 0;
    // A separator row is no material: show the row above it. A selection outside the list is left
    // for the choice list to reset.
    if (selected && list->flags)
        while (*selected > 0 && *selected < list->count && (list->flags[*selected] & Grade_Separator)) --*selected;
    return Add_Choice_Field(x, y, list->texts, list->colours, list->row_width, list->count, selected, state);
}

int Add_State_Check_Box(int x, int y, const char* label, int* value, const Field_State* state) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    const Field_State s = State_Of(state);
    const int* enabled = s == 1 ? &Page_Enabled : &Page_Disabled;
    int font = Get_Page_Font();
    if (value && *value && s != 0) font |= 0x10000;
    const bool styled = (font & Style_Bits) != 0;
    if ((s == -1 || s == 1) && Get_Page_Fill_Colour() == Nearest_Color_Index(255, 251, 240)) {
        // A white ground behind the box on the page's cream background.
        const int fill = Get_Page_Fill_Colour();
        Set_Page_Fill_Colour(Nearest_Color_Index(255, 255, 255));
        Add_World_Rectangle(x, y, x + 10, y - 10);
        Set_Page_Fill_Colour(fill);
    }
    Add_Check_Box_to_View_Area(area, x + 20, y, label, font, Get_Page_Text_Colour(), value, enabled);
    // A read-only box shows its label in the text colour, not greyed.
    if (s == -1 && label) Add_Text_to_View_Area(area, x + 20, y, label, font, Get_Page_Text_Colour(), 0);
    int width = 13;
    if (label && *label) {
        const int text = Get_Text_Width_In_Font(label, font & ~Style_Bits);
        width = text > 0 ? text + (styled ? 25 : 23) : (styled ? 22 : 20);
    }
    Set_Last_Page_Item(x, y - 13, x + width, y + 5, s);
    return width;
}
