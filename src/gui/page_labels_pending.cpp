// Placeholder until the page labels land: the label adders and widths that the fields use, after
// the label width rule (text + 3, + 2 with a style bit), each label one text item.
#include <algorithm>
#include <cstring>

#include "common/text_width.h"
#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "platform/host/host_library.h"

const int Page_Enabled = 1;
const int Page_Disabled = 0;

namespace {
int read_only = -1;
int Width(const char* text, int font) {
    const int styled = (font & 0x70000) ? 2 : 0;
    return Get_Text_Width_In_Font(text ? text : "", font & 0xFFFF) + 3 * (text && *text) + styled;
}
int Text(int x, int y, const char* text, int font, int baseline, int align, const int* enabled) {
    const int area = Get_Page_Area();
    if (area < 0) return 0;
    const int w = Width(text, font);
    const int colour = enabled && !*enabled ? Nearest_Color_Index(198, 195, 198) : Get_Page_Text_Colour();
    const int xx = align == 1 ? x - w : align == 4 ? x - w / 2 : x;
    const int yy = baseline == 0 ? y + 9 : baseline == 4 ? y + 5 : y;
    Add_Text_to_View_Area(area, xx, yy, text ? text : "", font, colour, 0);
    return w;
}
}  // namespace

void Set_Read_Only_Background(int colour) { read_only = colour; }
int Get_Read_Only_Background() { return read_only >= 0 ? read_only : (read_only = Nearest_Color_Index(220, 220, 220)); }
void Set_Last_Page_Item(int x1, int y1, int x2, int y2, int state) {
    Page_Context& c = const_cast<Page_Context&>(Current_Page_Context());
    c.last_x1 = x1, c.last_y1 = y1, c.last_x2 = x2, c.last_y2 = y2;
    c.last_state = state;
}
int Get_Label_Width(const char* text, int font) { return Width(text, font); }
int Get_Choice_Field_Width(const char* texts, int stride, int count, int font) {
    int widest = 0;
    for (int i = 0; i < count; ++i) widest = std::max(widest, Width(texts + i * stride, font));
    return widest / 8 * 8 + 33;
}
int Add_Label(int x, int y, const char* text, const int* enabled) { return Text(x, y, text, Get_Page_Font(), 9, 0, enabled); }
int Add_Label_Value(int x, int y, const char* text, int enabled) { return Text(x, y, text, Get_Page_Font(), 9, 0, enabled ? &Page_Enabled : &Page_Disabled); }
int Add_Aligned_Label(int x, int y, const char* text, int baseline, int align, const int* enabled) {
    return Text(x, y, text, Get_Page_Font(), baseline, align, enabled);
}
int Add_Shadow_Label(int x, int y, const char* text, const int* enabled) { return Text(x, y, text, Get_Page_Font() | 0x20000, 9, 0, enabled); }
int Add_Small_Label(int x, int y, const char* text, const int* enabled) { return Text(x, y, text, Get_Page_Font() | 2, 9, 0, enabled); }
int Add_Symbol_Label(int x, int y, const char* symbol, const char* index, const int* enabled) {
    const int w = Text(x, y, symbol, 4096, 9, 0, enabled);
    return index && *index ? w + Text(x + w + 1, y + 1, index, 4098, 9, 0, enabled) + 1 : w;
}
int Add_Aligned_Symbol_Label(int x, int y, const char* symbol, const char* index, int baseline, int align, const int* enabled) {
    return Text(x, y, symbol, (Get_Page_Font() & 0x70000) | 4096, baseline, align, enabled);
}
