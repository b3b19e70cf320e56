// PLACEHOLDER until the page label adders land: the two plain label adders and the constant enabled
// flags, as small as the progress sheet needs them (no escapes, no style widths). Delete this file
// when page_labels.cpp is merged.
#include <cstring>

#include "gui/page_context.h"
#include "gui/view_area_items.h"
#include "platform/host/host_library.h"

const int Page_Enabled = 1;
const int Page_Disabled = 0;

namespace {

int Placeholder_Label(int x, int y, const char* text, int baseline, int align, const int* enabled) {
    if (Get_Page_Area() < 0) return 0;
    const char* t = text ? text : "";
    const int font = Get_Page_Font() & ~0x70000;
    Pop_RFont(font);
    Text_Extent e{};
    pxQTxX(t, static_cast<int>(std::strlen(t)), 0, 0, &e);
    Push_RFont();
    const int w = e.right - e.left;
    if (align == 1) x -= w;
    else if (align == 4) x -= w / 2;
    if (baseline == 0) y += 9;
    else if (baseline == 4) y += 5;
    const int colour = enabled && *enabled ? Get_Page_Text_Colour() : Nearest_Color_Index(198, 195, 198);
    Add_Text_to_View_Area(Get_Page_Area(), x, y, t, font, colour, 0);
    return w + 3;
}

}  // namespace

int Add_Label(int x, int y, const char* text, const int* enabled) { return Placeholder_Label(x, y, text, 1, 0, enabled); }

int Add_Aligned_Label(int x, int y, const char* text, int baseline, int align, const int* enabled) {
    return Placeholder_Label(x, y, text, baseline, align, enabled);
}
