#include "gui/tooltip_box.h"

#include <algorithm>
#include <climits>
#include <string_view>
#include <vector>

#include "platform/host/host_library.h"

namespace {

constexpr int Tooltip_Drop = 20;   // px from the mouse down to the box's top
constexpr int Tooltip_Pad = 5;     // text inset and the extra height

bool shown = false;
Tooltip_Box_Place shown_place;

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (;;) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return lines;
        text.remove_prefix(end + 1);
    }
}

int Width_Of(std::string_view line) {
    Text_Extent extent{};
    pxQTxX(line.data(), static_cast<int>(std::min<std::size_t>(line.size(), INT_MAX)), 0, 0, &extent);
    return extent.right - extent.left;
}

}  // namespace

Tooltip_Box_Place Place_Tooltip_Box(const char* text, int mouse_x, int mouse_y, int margin) {
    const std::vector<std::string_view> lines = Lines(text ? text : "");
    Pop_RFont(Tooltip_Font);
    int widest = 0;
    for (std::string_view line : lines) widest = std::max(widest, Width_Of(line));
    const int width = widest + 2 * Tooltip_Pad, height = static_cast<int>(lines.size()) * RFONT_HEIGHT + Tooltip_Pad;
    Push_RFont();
    Tooltip_Box_Place box{mouse_x, mouse_y + Tooltip_Drop, mouse_x + width, mouse_y + Tooltip_Drop + height};
    if (box.x2 > NPIXEL_X - margin) {
        box.x2 = NPIXEL_X - margin;
        box.x1 = box.x2 - width;
    }
    if (box.y2 > NPIXEL_Y - margin) {
        box.y2 = NPIXEL_Y - margin;
        box.y1 = box.y2 - height;
    }
    return box;
}

void Draw_Tooltip_Box(const char* text, const Tooltip_Box_Place& box) {
    const std::vector<std::string_view> lines = Lines(text ? text : "");
    const int colour = pxQFgc();
    Save_Screen_Rectangle(box.x1, box.y1, box.x2, box.y2);
    pxFgc(WHITE_CI);
    pxRect(box.x1, box.y1, box.x2, box.y2);
    pxFgc(BLACK_CI);
    pxLine(box.x1, box.y1, box.x2, box.y1);
    pxLine(box.x2, box.y1, box.x2, box.y2);
    pxLine(box.x2, box.y2, box.x1, box.y2);
    pxLine(box.x1, box.y2, box.x1, box.y1);
    Pop_RFont(Tooltip_Font);
    int k = 1;
    for (std::string_view line : lines) {
        pxText(box.x1 + Tooltip_Pad, box.y1 + k * RFONT_HEIGHT, line.data(),
               static_cast<int>(std::min<std::size_t>(line.size(), INT_MAX)));
        ++k;
    }
    Push_RFont();
    pxFgc(colour);
}

void Show_Tooltip_Box(const char* text, int mode) {
    if (!text) return;
    if (shown) {
        Restore_Screen_Rectangle();
        shown = false;
    }
    if (mode != 1) return;
    shown_place = Place_Tooltip_Box(text, M_XPOS, M_YPOS, Form_Tooltip_Margin);
    Draw_Tooltip_Box(text, shown_place);
    shown = true;
}

bool Tooltip_Box_Shown(Tooltip_Box_Place* place) {
    if (shown && place) *place = shown_place;
    return shown;
}
