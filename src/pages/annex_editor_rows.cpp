#include "pages/annex_editor_rows.h"

#include <cstring>

#include "common/cp437.h"
#include "common/text_width.h"
#include "gui/view_area_items.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Clause_X = 10, Symbol_X = 67, Explanation_X = 206;

bool Has_Text(const char* text) { return text && *text; }

void Draw_Stripes(int area, int top, int bottom) {
    const NAD_Editor_Style& c = NAD_Editor_Colours();
    Add_Filled_Rectangle_to_View_Area(area, 4, top, 56, bottom, c.stripe);
    Add_Filled_Rectangle_to_View_Area(area, 200, top, 382, bottom, c.stripe);
}

void Draw_Texts(int area, int y, const char* clause, const char* symbol, const char* explanation, int font) {
    const int black = NAD_Editor_Colours().black;
    if (Has_Text(clause)) Add_Text_to_View_Area(area, Clause_X, y, clause, font, black, 0);
    if (Has_Text(symbol)) Add_Text_to_View_Area(area, Symbol_X, y, symbol, font, black, 0);
    if (Has_Text(explanation)) Add_Text_to_View_Area(area, Explanation_X, y, explanation, font, black, 0);
}

int Width_In(int font, const char* text) {
    Pop_RFont(font);
    const int w = Get_Text_Width(text);
    Push_RFont();
    return w;
}

}  // namespace

const int NAD_Read_Only_Flag = 0;
const int NAD_Always_Enabled_Flag = 1;

const NAD_Editor_Style& NAD_Editor_Colours() {
    static NAD_Editor_Style style;
    static bool taken = false;
    if (!taken) {
        style.stripe = Nearest_RGB_Color(234, 255, 251);
        style.bar = Nearest_RGB_Color(205, 254, 244);
        style.rule = Nearest_RGB_Color(130, 130, 130);
        style.black = BLACK_CI;
        style.white = WHITE_CI;
        taken = true;
    }
    return style;
}

int NAD_Draw_Editor_Row(int area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                        int font) {
    if (height != 0) Draw_Stripes(area, y - 5, y + height);
    Draw_Texts(area, y, clause, symbol, explanation, font);
    return y + height;
}

void NAD_Draw_EC5_Editor_Row(int area, int y, int height, const char* clause, const char* symbol, const char* explanation,
                             int font) {
    if (height != 0) Draw_Stripes(area, y - 10, height == 1 ? y + 2 : y + height);
    Draw_Texts(area, y, clause, symbol, explanation, font);
}

int NAD_Draw_Editor_Section(int area, int y, const char* label, int* open, int bar_colour, bool heads) {
    const NAD_Editor_Style& c = NAD_Editor_Colours();
    Add_Filled_Rectangle_to_View_Area(area, 4, y - 13, 382, y + 6, bar_colour >= 0 ? bar_colour : c.bar);
    Add_Check_Box_to_View_Area(area, 26, y, label, NAD_Editor_Bold_Font, c.black, open, &NAD_Always_Enabled_Flag);
    return *open && heads ? NAD_Draw_Editor_Column_Heads(area, y) : y;
}

int NAD_Draw_Editor_Column_Heads(int area, int y) {
    NAD_Draw_Editor_Row(area, y + 19, 11, "", "", "", NAD_Editor_Font);
    NAD_Draw_Editor_Row(area, y + 30, 30, "Kapitel", "Parameter", "Erläuterung"_cp, NAD_Editor_Bold_Font);
    Add_Line_to_View_Area(area, 4, y + 36, 382, y + 36, NAD_Editor_Colours().black);
    return y + 60;
}

int NAD_Draw_Editor_Symbol(int area, int x, int y, const char* letter, const char* subscript) {
    const int black = NAD_Editor_Colours().black;
    Add_Text_to_View_Area(area, x, y, letter, NAD_Editor_Font, black, 0);
    x += Width_In(NAD_Editor_Font, letter);
    if (Has_Text(subscript)) {
        Add_Text_to_View_Area(area, x, y + 2, subscript, NAD_Editor_Small_Font, black, 0);
        x += Width_In(NAD_Editor_Small_Font, subscript);
    }
    return x;
}

void NAD_Draw_Editor_Field(int area, int x, int y, double* value, const char* format, const int* enabled) {
    Add_Float_Field_to_View_Area(area, x, y, value, format, NAD_Editor_Font, NAD_Editor_Colours().black, enabled);
}

int NAD_Draw_Editor_Value_Row(int area, int y, const char* clause, const char* letter, const char* subscript,
                              double* value, const char* format, const char* explanation, const int* enabled) {
    NAD_Draw_Editor_Row(area, y, 18, clause, "", "", NAD_Editor_Font);
    NAD_Draw_Editor_Row(area, y, 0, "", "", explanation, NAD_Editor_Small_Font);
    if (Has_Text(letter)) NAD_Draw_Editor_Symbol(area, 67, y, letter, subscript);
    NAD_Draw_Editor_Field(area, 136, y, value, format, enabled);
    return y + 18;
}

int NAD_Draw_Editor_Text_Row(int area, int y, const char* clause, const char* explanation) {
    NAD_Draw_Editor_Row(area, y, 18, clause, "", "", NAD_Editor_Font);
    return NAD_Draw_Editor_Row(area, y, 0, "", "", explanation, NAD_Editor_Small_Font) + 18;
}
