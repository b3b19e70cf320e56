#include "platform/host/host_drawing.h"

#include <string>

#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"

Widget_Drawing::Widget_Drawing(bool keep_clip) : style_(Screen_Current_Style()) {
    Screen_Plain_Drawing();
    if (keep_clip) Screen_Set_Clip(style_.view);
}

Widget_Drawing::~Widget_Drawing() { Screen_Set_Style(style_); }

void Fill_Rect(const Screen_Rect& r, int colour) {
    if (r.empty()) return;
    pxFgc(colour);
    pxRect(r.x1, r.y1, r.x2, r.y2);
}

void Frame_Rect(const Screen_Rect& r, int colour) {
    pxFgc(colour);
    pxLine(r.x1, r.y1, r.x2, r.y1);
    pxLine(r.x1, r.y2, r.x2, r.y2);
    pxLine(r.x1, r.y1, r.x1, r.y2);
    pxLine(r.x2, r.y1, r.x2, r.y2);
}

namespace {

// One ring of a 3-D frame: top and left in one colour, bottom and right in the other.
void Ring(const Screen_Rect& r, int top_left, int bottom_right) {
    pxFgc(top_left);
    pxLine(r.x1, r.y1, r.x2 - 1, r.y1);
    pxLine(r.x1, r.y1, r.x1, r.y2 - 1);
    pxFgc(bottom_right);
    pxLine(r.x1, r.y2, r.x2, r.y2);
    pxLine(r.x2, r.y1, r.x2, r.y2);
}

}  // namespace

void Frame_3D(const Screen_Rect& r, bool raised, int thickness) {
    if (r.empty()) return;
    if (thickness <= 1) {
        Ring(r, raised ? Light_Colour : Shadow_Colour, raised ? Shadow_Colour : Light_Colour);
        return;
    }
    const Screen_Rect inner{r.x1 + 1, r.y1 + 1, r.x2 - 1, r.y2 - 1};
    if (raised) {
        Ring(r, Face_Colour, Dark_Colour);
        if (!inner.empty()) Ring(inner, Light_Colour, Shadow_Colour);
    } else {
        Ring(r, Shadow_Colour, Light_Colour);
        if (!inner.empty()) Ring(inner, Dark_Colour, Face_Colour);
    }
}

void Draw_Text(int x, int y, std::string_view cp437, int font, int colour) {
    const std::string text(cp437);
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text.c_str(), static_cast<int>(text.size()));
    Push_RFont();
}

int Text_Width(std::string_view cp437, int font) {
    const std::string text(cp437);
    Pop_RFont(font);
    Text_Extent e{};
    pxQTxX(text.c_str(), static_cast<int>(text.size()), 0, 0, &e);
    Push_RFont();
    return e.right - e.left;
}

void Draw_Rows(int x, int y, std::initializer_list<std::uint16_t> rows, int colour) {
    pxFgc(colour);
    int row = 0;
    for (const std::uint16_t bits : rows) {
        for (int c = 0; c < 16; ++c)
            if (bits >> (15 - c) & 1) pxDot(x + c, y + row);
        ++row;
    }
}
