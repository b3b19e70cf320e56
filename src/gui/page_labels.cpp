// Labels, symbols with indices, short text fields and radio buttons of the kit's dialog pages. Every
// adder draws into the page context's view area and returns the width it takes, so that the caller
// can place the next item beside it; with no area selected it adds nothing and returns 0.
#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>

#include "common/stream_print.h"
#include "common/text_width.h"
#include "gui/hover_help.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "gui/world_items.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Bold_Bit = 0x10000, Strong_Shadow_Bit = 0x20000;
constexpr int Style_Bits = 0x70000;
constexpr int Small_Bit = 2;                       // the small variant of a label font
constexpr int Symbol_Font = 4096, Index_Font = 4098;
constexpr int Field_Font = 0;
constexpr int Hot_Cursor = 18;
constexpr int Formatted_Length = 255;

// Baseline and alignment arguments that leave the position as given.
constexpr int On_Baseline = -1, From_X = 0;
constexpr int Ends_At_X = 1, Centred_On_X = 4;

bool Has_Area() { return Get_Page_Area() >= 0; }
bool Is_Enabled(const int* enabled) { return !enabled || *enabled != 0; }
int Style_Extra(int font) { return font & Style_Bits ? 2 : 0; }

int Colour_Of(bool enabled) { return enabled ? Get_Page_Text_Colour() : Nearest_Color_Index(198, 195, 198); }

// The drawn width of a text by the escape rules, in the font without its style bits.
int Text_Width_In(const char* text, int font) {
    Pop_RFont(font & ~Style_Bits);
    const int width = Get_Escaped_Text_Width(text);
    Push_RFont();
    return width;
}

int Shifted_Baseline(int y, int baseline) {
    if (baseline == 0) return y + 9;
    if (baseline == 4) return y + 5;
    return y;
}

int Aligned_Start(int x, int width, int align) {
    if (align == Ends_At_X) return x - width;
    if (align == Centred_On_X) return x - width / 2;
    return x;
}

void Put_Text(int x, int y, const char* text, int font, int colour) {
    Add_Text_to_View_Area(Get_Page_Area(), x, y, text ? text : "", font, colour, 0);
}

// A label in the font: measured first, so that it can end at or centre on x.
int Add_Label_In_Font(int x, int y, const char* text, int font, int baseline, int align, const int* enabled) {
    if (!Has_Area()) return 0;
    const int start = Aligned_Start(x, Text_Width_In(text, font), align);
    Put_Text(start, Shifted_Baseline(y, baseline), text, font, Colour_Of(Is_Enabled(enabled)));
    return Get_Label_Width(text, font);
}

// A symbol with its index one pixel right of and below it, and an exponent five pixels above the
// baseline right of the index. Width: the symbol's label width, then the index's width + 4 (or 1
// without an index), + 2 in a styled index font, then the exponent's width.
int Add_Symbol_In_Fonts(int x, int y, const char* symbol, const char* index, const char* exponent, int symbol_font,
                        int index_font, int baseline, int align, const int* enabled) {
    if (!Has_Area()) return 0;
    const int s = Text_Width_In(symbol, symbol_font);
    const int i = Text_Width_In(index, index_font);
    const int e = Text_Width_In(exponent, index_font);
    const bool has_index = index && *index;
    const bool has_exponent = exponent && *exponent;
    const int width = Get_Label_Width(symbol, symbol_font) + (i > 0 ? i + 4 : 1) + Style_Extra(index_font) + (has_exponent ? e : 0);
    const int x0 = Aligned_Start(x, width, align);
    const int y0 = Shifted_Baseline(y, baseline);
    const int colour = Colour_Of(Is_Enabled(enabled));
    Put_Text(x0, y0, symbol, symbol_font, colour);
    if (has_index) Put_Text(x0 + s + 1, y0 + 1, index, index_font, colour);
    if (has_exponent) Put_Text(x0 + s + 1 + i - (has_index ? 1 : 0), y0 - 5, exponent, index_font, colour);
    return width;
}

int Add_Symbol_With_Exponent(int x, int y, const char* symbol, const char* index, const char* exponent, const int* enabled) {
    const int bold = Get_Page_Font() & Bold_Bit;
    return Add_Symbol_In_Fonts(x, y, symbol, index, exponent, Symbol_Font | bold, Index_Font | bold, On_Baseline, From_X,
                               enabled);
}

// The text as a label, formatted into at most 255 characters.
std::string Formatted(const char* format, va_list args) {
    std::string text = format ? Format_Text_V(format, args) : std::string();
    if (text.size() > Formatted_Length) text.resize(Formatted_Length);
    return text;
}

// The middle of the page: half the width of the area's rectangle as the hover-area registry holds it
// (the area's own rectangle when the page is not registered), in area coordinates.
int Page_Middle() {
    const int area = Get_Page_Area();
    if (const Hover_Area* h = Find_Hover_Area(area)) return (h->x2 - h->x1) / 2;
    const Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    return (a.x2 - a.x1) / 2;
}

}  // namespace

int Add_Label(int x, int y, const char* text, const int* enabled) {
    return Add_Label_In_Font(x, y, text, Get_Page_Font(), On_Baseline, From_X, enabled);
}

int Add_Label_Value(int x, int y, const char* text, int enabled) {
    return Add_Label(x, y, text, enabled ? &Page_Enabled : &Page_Disabled);
}

int Add_Aligned_Label(int x, int y, const char* text, int baseline, int align, const int* enabled) {
    return Add_Label_In_Font(x, y, text, Get_Page_Font(), baseline, align, enabled);
}

int Add_Formatted_Label(int x, int y, const char* format, ...) {
    if (!Has_Area()) return 0;
    va_list args;
    va_start(args, format);
    const std::string text = Formatted(format, args);
    va_end(args);
    return Add_Label(x, y, text.c_str(), &Page_Enabled);
}

int Add_Shadow_Label(int x, int y, const char* text, const int* enabled) {
    return Add_Label_In_Font(x, y, text, Get_Page_Font() | Strong_Shadow_Bit, On_Baseline, From_X, enabled);
}

int Add_Formatted_Shadow_Label(int x, int y, const char* format, ...) {
    if (!Has_Area()) return 0;
    va_list args;
    va_start(args, format);
    const std::string text = Formatted(format, args);
    va_end(args);
    return Add_Shadow_Label(x, y, text.c_str(), &Page_Enabled);
}

int Add_Small_Label(int x, int y, const char* text, const int* enabled) {
    return Add_Label_In_Font(x, y, text, Get_Page_Font() | Small_Bit, On_Baseline, From_X, enabled);
}

int Add_Small_Bold_Label(int x, int y, const char* text, const int* enabled) {
    return Add_Label_In_Font(x, y, text, Get_Page_Font() | Bold_Bit | Small_Bit, On_Baseline, From_X, enabled);
}

int Add_Symbol_Label(int x, int y, const char* symbol, const char* index, const int* enabled) {
    return Add_Symbol_With_Exponent(x, y, symbol, index, nullptr, enabled);
}

int Add_Bold_Symbol_Label(int x, int y, const char* symbol, const char* index, const int* enabled) {
    const int font = Get_Page_Font();
    Set_Page_Font(font | Bold_Bit);
    const int width = Add_Symbol_Label(x, y, symbol, index, enabled);
    Set_Page_Font(font);
    return width;
}

int Add_Aligned_Symbol_Label(int x, int y, const char* symbol, const char* index, int baseline, int align,
                             const int* enabled) {
    const int style = Get_Page_Font() & Style_Bits;
    return Add_Symbol_In_Fonts(x, y, symbol, index, nullptr, Symbol_Font | style, Index_Font | style, baseline, align, enabled);
}

int Add_Symbol_Label_With_Exponent(int x, int y, const char* symbol, const char* index, const char* exponent,
                                   const int* enabled) {
    return Add_Symbol_With_Exponent(x, y, symbol, index, exponent, enabled);
}

int Add_Page_Centred_Label(int y, const char* text, const int* enabled) {
    if (!Has_Area()) return 0;
    return Add_Label_In_Font(Page_Middle(), y, text, Get_Page_Font(), On_Baseline, Centred_On_X, enabled);
}

int Centre_Label_On_Page(int y, const char* text, const int* enabled) { return Add_Page_Centred_Label(y, text, enabled); }

int Add_Hot_Label(int x, int y, const char* text, int value, int* target, const int* enabled) {
    if (!Has_Area()) return 0;
    const int width = Add_Label(x, y, text, enabled);
    if (Is_Enabled(enabled)) {
        const int area = Get_Page_Area();
        Add_Hot_Spot_to_View_Area(area, x, y - 10, x + Text_Width_In(text, Get_Page_Font()), y, value, target);
        Set_Hot_Spot_Cursor(area, Hot_Cursor);
    }
    return width;
}

int Add_Underlined_Label(int x, int y, const char* text, const int* enabled) {
    if (!Has_Area()) return 0;
    Add_World_Line(x - 2, y + 3, x + 2 + Text_Width_In(text, Get_Page_Font()), y + 3);
    return Add_Label(x, y, text, enabled) + 4;
}

int Add_Highlighted_Label(int x, int y, const char* text, const int* enabled) {
    if (!Has_Area()) return 0;
    Add_World_Rectangle(x - 3, y + 5, x + 3 + Text_Width_In(text, Get_Page_Font()), y - 12);
    return Add_Label(x, y, text, enabled) + 6;
}

int Add_Highlighted_Shadow_Label(int x, int y, const char* text, const int* enabled) {
    if (!Has_Area()) return 0;
    Add_World_Rectangle(x - 3, y + 5, x + 3 + Text_Width_In(text, Get_Page_Font()), y - 12);
    return Add_Shadow_Label(x, y, text, enabled) + 6;
}

// A text field bound to the constant flags: only state 1 edits; state -1 shows the text read-only in
// the text colour, any other state greyed.
int Add_Page_Text_Field(int x, int y, char* buffer, int ignored, Field_State state) {
    if (!Has_Area()) return 0;
    const int area = Get_Page_Area();
    Add_Text_Field_to_View_Area(area, x + 7, y, buffer, Field_Font, Colour_Of(state == 1 || state == -1),
                                state == 1 ? &Page_Enabled : &Page_Disabled);
    const int text = Get_Text_Width_In_Font(buffer, Field_Font);
    const int width = text > 0 ? text + 16 : 13;
    const Page_Context& c = Current_Page_Context();
    Set_Last_Page_Item(x, y - 13, x + width, y + 5, c.last_state);
    return width;
}

// The buffer is padded with blanks or cut to exactly n characters, left-justified; the text is
// formatted from a copy, since a buffer must not be both source and target of one format.
int Add_Padded_Text_Field(int x, int y, char* buffer, int n, Field_State state) {
    if (!Has_Area()) return 0;
    if (buffer) {
        n = std::max(n, 0);
        const std::string copy(buffer);
        const std::string padded = Format_Text("%-*.*s", n, n, copy.c_str());
        std::memcpy(buffer, padded.c_str(), padded.size() + 1);
    }
    return Add_Page_Text_Field(x, y, buffer, n, state);
}

int Add_Narrow_Text_Field(int x, int y, char* buffer, int length, int visible, Field_State state) {
    if (!Has_Area()) return 0;
    Add_Padded_Text_Field(x, y, buffer, std::max(length, visible), state);
    Set_Text_Field_Width(Get_Page_Area(), visible);
    return visible * 8 + 19;
}

// A radio button whose circle sits at x and whose label follows it; the label turns bold while the
// button is the selected one and enabled. A label that shows nothing (absent, empty or blanks only)
// takes the circle's width alone.
int Add_Radio_Label(int x, int y, const char* label, int own_value, int* target, const int* enabled) {
    if (!Has_Area()) return 0;
    const bool on = Is_Enabled(enabled);
    int font = Get_Page_Font();
    if (on && target && *target == own_value) font |= Bold_Bit;
    const char* text = label ? label : "";
    Add_Radio_Button_to_View_Area(Get_Page_Area(), x + 20, y, text, font, Colour_Of(on), own_value, target, enabled);
    int width = 13;
    if (*text) {
        const bool blank = text[std::strspn(text, " ")] == '\0';
        const int w = blank ? 0 : Text_Width_In(text, font);
        width = (w > 0 ? w + 23 : 20) + Style_Extra(font);
    }
    Set_Last_Page_Item(x, y - 13, x + width, y + 5, enabled ? *enabled : 1);
    return width;
}
