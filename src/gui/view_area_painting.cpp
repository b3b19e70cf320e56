// Painting of a view area: frame, background, then every item of the display list in adding order,
// shifted by the scroll origin and clipped to the area, all drawn buffered so that the area shows
// at once.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string>

#include "common/text_width.h"
#include "gui/text_editor.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"
#include "platform/printlist/tree_view_images.h"

namespace {

constexpr Mask_Rows Box_Clear = {0xFFF8, 0xFFF8, 0xC018, 0xC018, 0xC018, 0xC018, 0xC018,
                                 0xC018, 0xC018, 0xC018, 0xC018, 0xFFF8, 0xFFF8};
constexpr Mask_Rows Box_Set = {0xFFF8, 0xFFF8, 0xC018, 0xC058, 0xC0D8, 0xD1D8, 0xDB98,
                               0xDF18, 0xCE18, 0xC418, 0xC018, 0xFFF8, 0xFFF8};
constexpr Mask_Rows Circle_Set = {0x0F00, 0x3FC0, 0x70E0, 0x6060, 0xC630, 0xCF30, 0xCF30,
                                  0xC630, 0x6060, 0x70E0, 0x3FC0, 0x0F00, 0};   // 12 rows
constexpr Mask_Rows Circle_Clear = {0x0F00, 0x3FC0, 0x70E0, 0x6060, 0xC030, 0xC030, 0xC030,
                                    0xC030, 0x6060, 0x70E0, 0x3FC0, 0x0F00, 0};   // 12 rows

constexpr std::uint32_t Dotted = 0xAAAAAAAA;
constexpr int Disabled_Text_Font = 0x1000;
// A text still shows when its baseline lies this far below the area (its upper part does).
constexpr int Text_Baseline_Reach = 12;

struct Colours {
    int grey, black, white;
};

const Colours& Fixed_Colours() {
    static const Colours c{Nearest_Color_Index(190, 190, 190), Nearest_Color_Index(0, 0, 0), Nearest_Color_Index(255, 255, 255)};
    return c;
}

bool Enabled(const View_Area_Item& it) { return !it.enabled || *it.enabled != 0; }

// A text in the current font, twice (1 px to the right) when bold.
void Text_At(int x, int y, const std::string& text, bool bold) {
    const int n = static_cast<int>(std::min<std::size_t>(text.size(), 100000));
    pxText(x, y, text.c_str(), n);
    if (bold) pxText(x + 1, y, text.c_str(), n);
}

int Even(int w) { return w + (w & 1); }

// The shadow of a text: each component cut from the blend of background and text colour.
int Blend(int background, int text, double weight_background) {
    int br, bg, bb, tr, tg, tb;
    pxQCR(background, &br, &bg, &bb);
    pxQCR(text, &tr, &tg, &tb);
    const auto mix = [&](int b, int t) { return static_cast<int>(weight_background * b + (1 - weight_background) * t); };
    return Nearest_RGB_Color(mix(br, tr), mix(bg, tg), mix(bb, tb));
}

bool Outside(int x1, int y1, int x2, int y2, const int area[4]) {
    return std::min(x1, x2) > area[2] || std::min(y1, y2) > area[3] || std::max(x1, x2) < area[0] || std::max(y1, y2) < area[1];
}

void Paint_Text(const View_Area_Item& it, int X, int Y, int background) {
    Pop_RFont(it.font);
    if (it.x2 == 2 || it.x2 == 3) {
        pxFgc(Blend(background, it.colour, it.x2 == 2 ? 0.65 : 0.9));
        Text_At(X + 1, Y, it.text, false);
    }
    pxFgc(it.colour);
    Text_At(X, Y, it.text, it.x2 == 1);
    Push_RFont();
}

void Paint_Box(const View_Area_Item& it, int X, int Y) {
    const Colours& c = Fixed_Colours();
    const int colour = Enabled(it) ? it.colour : c.grey;
    pxFgc(colour);
    if (it.has_text) {
        Pop_RFont(it.font);
        Text_At(X, Y, it.text, it.x2 == 1);
        Push_RFont();
    }
    pxFgc(colour);
    const bool set = it.kind == View_Item_Kind::Check_Box ? it.value && *it.value != 0 : it.value && *it.value == it.state;
    if (it.image || it.clear_image)
        Draw_TreeViewImage(set ? it.image : it.clear_image, X - 13, Y - 3);
    else if (it.kind == View_Item_Kind::Check_Box)
        Draw_Mask(X - 20, Y - 10, X - 8, Y + 2, set ? Box_Set : Box_Clear);
    else
        Draw_Mask(X - 20, Y - 10, X - 9, Y + 1, set ? Circle_Set : Circle_Clear);
}

// Float and text fields: the value cut to its width in characters, a white box while enabled and a
// dotted frame, black while enabled, grey while disabled.
void Paint_Field(const View_Area_Item& it, int X, int Y) {
    const Colours& c = Fixed_Colours();
    const bool enabled = Enabled(it);
    std::string text;
    if (it.kind == View_Item_Kind::Float_Field) {
        text = Format_Float_Text(it.text.c_str(), it.number ? *it.number : 0.0);
        text.resize(std::min<std::size_t>(text.size(), static_cast<std::size_t>(std::max(0, it.state))));
    } else if (it.buffer) {
        text.assign(it.buffer, strnlen(it.buffer, static_cast<std::size_t>(std::max(0, it.y2))));
    }
    Pop_RFont(it.font);
    const int w = Even(Get_Text_Width(text.c_str()));
    if (enabled) {
        pxFgc(c.white);
        pxRect(X - 6, Y - 13, X + w + 6, Y + 5);
    } else if (!it.second_text.empty()) {
        text = it.second_text;
        Set_RFont(Disabled_Text_Font);
    }
    pxFgc(it.colour);
    Text_At(X, Y, text, it.x2 == 1);
    Push_RFont();
    Dotted_Frame(X - 7, Y - 13, X + w + 7, Y + 5, enabled ? c.black : c.grey);
}

// A drop-down field: the selected entry's text, cut at the field's edge, and the arrow box. An
// empty list, or a selection outside it, shows no text.
void Paint_Choice_List(const View_Area_Item& it, int X, int Y, const int area[4]) {
    const Colours& c = Fixed_Colours();
    const bool enabled = Enabled(it);
    const int w = Even(it.state);
    if (enabled) {
        pxFgc(c.white);
        pxRect(X - 6, Y - 13, X + w + 24, Y + 5);
    }
    const int selected = it.value ? *it.value : 0;
    if (it.entries && selected >= 0 && selected < it.aux && it.entries[selected].text) {
        const Choice_List_Entry& e = it.entries[selected];
        if (X + w + 6 < area[2]) pxView(area[0], area[1], X + w + 6, area[3]);
        Pop_RFont(it.font);
        pxFgc(e.colour);
        Text_At(X, Y, e.text, it.x2 == 1);
        Push_RFont();
        pxView(area[0], area[1], area[2], area[3]);
    }
    const int frame = enabled ? c.black : c.grey;
    Dotted_Frame(X - 7, Y - 13, X + w + 25, Y + 5, frame);
    pxFgc(frame);
    Draw_Mask(X + w + 10, Y - 10, X + w + 22, Y + 2, Drop_Down_Arrow);
}

// A drop-down list of pictures: the white box (while enabled) of row width + 20 by row height + 5,
// the dotted frame one pixel outside it, the arrow box at its right end and the selected row.
void Paint_Image_Choice_List(const View_Area_Item& it, int X, int Y) {
    const Colours& c = Fixed_Colours();
    const bool enabled = Enabled(it);
    const int right = X + it.x2 + 20, bottom = Y + it.y2 + 5;
    if (enabled) {
        pxFgc(c.white);
        pxRect(X, Y, right, bottom);
    }
    Draw_Image_Choice_Row(it, it.value ? *it.value : 0, X + 3, Y + 3);
    const int frame = enabled ? c.black : c.grey;
    Dotted_Frame(X - 1, Y - 1, right + 1, bottom + 1, frame);
    pxFgc(frame);
    const int arrow_top = Y + (it.y2 + 5 - 12) / 2;
    Draw_Mask(right - 15, arrow_top, right - 3, arrow_top + 12, Drop_Down_Arrow);
}

void Paint_Item(const View_Area_Item& it, int ox, int oy, const int area[4], int background) {
    const int X = area[0] + it.x1 - ox, Y = area[1] + it.y1 - oy;
    const int X2 = area[0] + it.x2 - ox, Y2 = area[1] + it.y2 - oy;
    switch (it.kind) {
        case View_Item_Kind::Text:
            if (Y >= area[1] && Y <= area[3] + Text_Baseline_Reach && X <= area[2]) Paint_Text(it, X, Y, background);
            break;
        case View_Item_Kind::Line:
            if (Outside(X, Y, X2, Y2, area)) break;
            pxFgc(it.colour);
            pxLine(X, Y, X2, Y2);
            break;
        case View_Item_Kind::Filled_Rectangle:
            if (Outside(X, Y, X2, Y2, area)) break;
            pxFgc(it.colour);
            pxRect(X, Y, X2, Y2);
            break;
        case View_Item_Kind::Bitmap: {
            int r = -1, g = -1, b = -1;
            if (!it.state) pxQCR(it.colour, &r, &g, &b);
            pxDrawTransparentDIB(it.text.c_str(), X, Y, X2, Y2, 201, -1, r, g, b);
            break;
        }
        case View_Item_Kind::Painter_Box:
            if (it.painter) it.painter(X, Y, X2, Y2, it.data);
            break;
        case View_Item_Kind::Check_Box:
        case View_Item_Kind::Radio_Button: Paint_Box(it, X, Y); break;
        case View_Item_Kind::Float_Field:
        case View_Item_Kind::Text_Field: Paint_Field(it, X, Y); break;
        case View_Item_Kind::Choice_List: Paint_Choice_List(it, X, Y, area); break;
        case View_Item_Kind::Picture_Button: Draw_Picture_Button_Frame(it, X, Y, Enabled(it) ? 1 : 0); break;
        case View_Item_Kind::Multi_Line_Text:
            if (it.state) Dotted_Frame(X, Y, X2, Y2, Enabled(it) ? Fixed_Colours().black : Fixed_Colours().grey);
            Render_Text_Editor(it, X, Y, X2, Y2);
            break;
        case View_Item_Kind::Picture_Object:
            if (!it.picture || Outside(X, Y, X2, Y2, area)) break;
            pxFgc(it.colour);
            pxMask(X, Y, X2, Y2, it.picture->rows, it.picture->bytes_per_row);
            break;
        case View_Item_Kind::DIB_Image:
            if (Outside(X, Y, X2, Y2, area)) break;
            Draw_TreeViewImage(it.image, X + (X2 - X) / 2, Y + (Y2 - Y) / 2);
            break;
        case View_Item_Kind::Image_Choice_List: Paint_Image_Choice_List(it, X, Y); break;
        case View_Item_Kind::Choice_Text: {
            Pop_RFont(it.font);
            if (it.target && *it.target == it.own_value) {
                pxFgc(it.aux);
                pxRect(X - 2, Y - 10, X + Get_Text_Width(it.text.c_str()) + 4, Y + 2);
            }
            pxFgc(it.colour);
            Text_At(X, Y, it.text, it.x2 == 1);
            Push_RFont();
            break;
        }
        case View_Item_Kind::Rotated_Text: {
            const int n = static_cast<int>(std::min<std::size_t>(it.text.size(), 100000));
            Pop_RFont(it.font);
            pxFgc(it.colour);
            pxBTxt(X, Y, X, Y, it.text.c_str(), n, 0x11 | it.y2);
            if (it.x2 == 1) {
                const int dx = it.y2 == 512 ? -1 : it.y2 == 1024 || it.y2 == 256 ? 0 : 1;
                const int dy = it.y2 == 1024 ? 1 : it.y2 == 256 ? -1 : 0;
                pxBTxt(X + dx, Y + dy, X + dx, Y + dy, it.text.c_str(), n, 0x11 | it.y2);
            }
            Push_RFont();
            break;
        }
        default: break;   // hot spots, marks and bare nodes are not drawn
    }
}

}  // namespace

void Dotted_Frame(int x1, int y1, int x2, int y2, int colour) {
    pxFgc(colour);
    const int sides[4][4] = {{x1, y1, x2, y1}, {x1, y2, x2, y2}, {x1, y1, x1, y2}, {x2, y1, x2, y2}};
    for (const auto& s : sides) {
        pxSULn(Dotted);
        pxLine(s[0], s[1], s[2], s[3]);
        pxSLn(0);
    }
}

void Draw_Mask(int x1, int y1, int x2, int y2, const Mask_Rows& rows) {
    std::array<unsigned char, 2 * std::tuple_size_v<Mask_Rows>> bits{};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        bits[2 * r] = static_cast<unsigned char>(rows[r] >> 8);
        bits[2 * r + 1] = static_cast<unsigned char>(rows[r] & 0xFF);
    }
    pxMask(x1, y1, x2, y2, bits.data(), 2);
}

void Draw_Picture_Button_Frame(const View_Area_Item& it, int X, int Y, int frame) {
    const int w = it.x2 - it.x1, h = it.y2 - it.y1;
    int r, g, b;
    pxQCR(it.aux, &r, &g, &b);
    pxDrawPartialTransparentDIB(it.text.c_str(), frame * w, it.state, frame * w + w - 1, it.state + h - 1, X, Y, X + w - 1, Y + h - 1,
                                201, -1, r, g, b);
}

void Draw_Image_Choice_Row(const View_Area_Item& it, int row, int x, int y) {
    if (row < 0 || row >= it.aux || it.x2 <= 0 || it.y2 <= 0) return;
    const long long top = static_cast<long long>(row) * it.y2;
    if (top + it.y2 > 1000000) return;
    pxDrawPartialTransparentDIB(it.text.c_str(), 0, static_cast<int>(top), it.x2 - 1, static_cast<int>(top) + it.y2 - 1, x, y,
                                x + it.x2 - 1, y + it.y2 - 1, 201, -1, 255, 255, 255);
}

void Paint_View_Area(int origin_x, int origin_y, int x1, int y1, int x2, int y2, int area) {
    const Scrollable_View_Area* a = View_Area_Of(area);
    if (!a) return;
    Fixed_Colours();
    const int colour = pxQFgc();
    int v1 = 0, w1 = 0, v2 = 0, w2 = 0;
    pxQVwp(&v1, &w1, &v2, &w2);
    if (a->frame) Draw_Funny_Area_to_PS(4, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 0);
    pxView(x1, y1, x2, y2);
    const int buffered = pxBuff(-1);
    pxFgc(a->background);
    pxRect(x1, y1, x2, y2);
    const int screen_area[4] = {x1, y1, x2, y2};
    for (const View_Area_Item& it : a->items) Paint_Item(it, origin_x, origin_y, screen_area, a->background);
    pxBuff(buffered);
    pxFgc(colour);
    pxView(v1, w1, v2, w2);
}
