// The hover engine of the kit's dialog pages: the registry of page areas, the help boxes and hover
// pictures of the page being shown, and the call-always function that draws and removes them.
#include "gui/hover_help.h"

#include <algorithm>
#include <string>
#include <vector>

#include "common/text_width.h"
#include "gui/page_context.h"
#include "gui/view_areas.h"
#include "platform/host/host_events.h"
#include "platform/host/host_sheets.h"
#include "platform/host/screen_bitmaps.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Help_Font = 4096;
constexpr int Line_Pitch = 12;       // px per line of a help box
constexpr int Most_Lines = 5;
constexpr int Longest_Line = 99;     // characters; a longer line runs on into the next
constexpr int Box_Gap = 5;           // px between the item and its box
constexpr int Bold_Bit = 0x10000;
constexpr int Transparent_Operation = 201;

struct Help_Box {
    int escape = -1;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // the item, area coordinates
    std::vector<std::string> lines;
    int width = 0, height = 0;
    int placement = 0, alignment = 0;
};

struct Screen_Box {
    int x1, y1, x2, y2;
};

// What lies on the screen over the page: its screen rectangle, the pixels it covers, the escape area
// of its page and the number of registered areas when it was drawn (its dialog's level).
struct Shown {
    bool on = false;
    int escape = -1;
    std::size_t level = 0;
    Screen_Box rect{0, 0, -1, -1};
    std::vector<unsigned char> under;
};

// The registries grow as dialogs nest and pages add items; nothing is refused.
std::vector<Hover_Area> areas;
std::vector<Help_Box> boxes;
std::vector<Hover_Picture> pictures;

Shown box_shown;
std::size_t box_index = 0;   // the box on the screen while box_shown.on
Shown picture_shown;
Hover_Picture picture_entry;   // a copy: the lists are emptied at every page build

// Area coordinates of the current page and the screen, after the dialog's displacement, the area's
// edges and its scroll origin.
struct Offsets {
    int x = 0, y = 0;
};

Offsets Area_To_Screen() {
    const Page_Context& c = Current_Page_Context();
    int sx = 0, sy = 0;
    Get_View_Area_Scroll_Origin(c.area, &sx, &sy);
    const int dx = c.hover_dx ? *c.hover_dx : 0, dy = c.hover_dy ? *c.hover_dy : 0;
    return {dx + c.hover_left - sx, dy + c.hover_top - sy};
}

// Whether the mouse is over the current page area on the screen: an item scrolled out of sight must
// not answer to the mouse over the buttons below the page.
bool Mouse_Over_Page() {
    const Page_Context& c = Current_Page_Context();
    const Hover_Area* a = Find_Hover_Area(c.area);
    if (!a) return false;
    const int dx = a->dx ? *a->dx : 0, dy = a->dy ? *a->dy : 0;
    return M_XPOS >= a->x1 + dx && M_XPOS <= a->x2 + dx && M_YPOS >= a->y1 + dy && M_YPOS <= a->y2 + dy;
}

bool Strictly_Inside(int mx, int my, int x1, int y1, int x2, int y2) { return x1 < mx && mx < x2 && y1 < my && my < y2; }

void Save_Under(Shown& s, const Screen_Box& r, int escape) {
    s.rect = r;
    s.under.assign(static_cast<std::size_t>(std::max(0, pxQSvR(r.x1, r.y1, r.x2, r.y2))), 0);
    pxSvRc(r.x1, r.y1, r.x2, r.y2, s.under.data());
    s.on = true;
    s.escape = escape;
    s.level = areas.size();
}

void Put_Back(Shown& s) {
    if (s.on && !s.under.empty()) pxStRc(s.under.data());
    s.on = false;
}

// Drawn on a sheet that now lies under another (a nested dialog): left alone until that sheet is
// on top again.
bool Outer(const Shown& s) { return s.on && ActivState_of_Button_PS(s.escape) == -1; }

Screen_Box Box_On_Screen(const Help_Box& b, const Offsets& o) {
    const int px = (b.x1 + b.x2) / 2 + o.x;
    const int x1 = b.alignment == 3 ? px - b.width : px;
    const int y1 = (b.placement == 0 ? b.y1 - Box_Gap - b.height : b.y2 + Box_Gap) + o.y;
    return {x1, y1, x1 + b.width, y1 + b.height};
}

void Draw_Box(const Help_Box& b, const Screen_Box& r) {
    const int colour = pxQFgc();
    pxFgc(Nearest_Color_Index(255, 255, 255));
    pxRect(r.x1, r.y1, r.x2, r.y2);
    pxFgc(Nearest_Color_Index(64, 64, 64));
    pxLine(r.x1, r.y1, r.x2, r.y1);
    pxLine(r.x2, r.y1, r.x2, r.y2);
    pxLine(r.x2, r.y2, r.x1, r.y2);
    pxLine(r.x1, r.y2, r.x1, r.y1);
    pxFgc(Nearest_Color_Index(0, 0, 0));
    Pop_RFont(Help_Font);
    for (std::size_t k = 0; k < b.lines.size(); ++k)
        pxText(r.x1 + 3, r.y1 + Line_Pitch * static_cast<int>(k) + 12, b.lines[k].c_str(), static_cast<int>(b.lines[k].size()));
    Push_RFont();
    pxFgc(colour);
}

// A picture of an entry drawn at its own size over the entry's rectangle; the entry's colour index
// is left out. Its text on top, bold (twice, one pixel apart) when asked.
void Draw_Entry(const Hover_Picture& e, const std::string& file, const Offsets& o, bool bold) {
    const Screen_Box r{e.x1 + o.x, e.y1 + o.y, e.x2 + o.x - 1, e.y2 + o.y - 1};
    if (!file.empty()) {
        int red = -1, green = -1, blue = -1;
        if (!e.opaque) pxQCR(e.transparent_colour, &red, &green, &blue);
        pxDrawPartialTransparentDIB(file.c_str(), 0, 0, -1, -1, r.x1, r.y1, r.x2, r.y2, Transparent_Operation, -1, red,
                                    green, blue);
    }
    if (e.text.empty()) return;
    const int colour = pxQFgc();
    Pop_RFont(e.font & ~Bold_Bit);
    pxFgc(e.text_colour);
    const int n = static_cast<int>(e.text.size());
    pxText(e.text_x + o.x, e.text_y + o.y, e.text.c_str(), n);
    if (bold) pxText(e.text_x + o.x + 1, e.text_y + o.y, e.text.c_str(), n);
    Push_RFont();
    pxFgc(colour);
}

// Help boxes: true when the mouse is over one of them.
bool Update_Boxes(int mx, int my, const Offsets& o) {
    if (Outer(box_shown)) return false;
    for (std::size_t k = 0; k < boxes.size(); ++k) {
        const Help_Box& b = boxes[k];
        if (ActivState_of_Button_PS(b.escape) != 1 || !Strictly_Inside(mx, my, b.x1, b.y1, b.x2, b.y2)) continue;
        // Moving straight from one item onto another shows the help of the item under the mouse.
        if (box_shown.on && box_index != k) Put_Back(box_shown);
        if (!box_shown.on) {
            const Screen_Box r = Box_On_Screen(b, o);
            Save_Under(box_shown, r, b.escape);
            box_index = k;
            Draw_Box(b, r);
        }
        return true;
    }
    Put_Back(box_shown);
    return false;
}

void Update_Pictures(int mx, int my, const Offsets& o) {
    if (Outer(picture_shown)) return;
    const bool under = std::any_of(pictures.begin(), pictures.end(), [&](const Hover_Picture& e) {
        return ActivState_of_Button_PS(e.escape) == 1 && Strictly_Inside(mx, my, e.x1, e.y1, e.x2, e.y2);
    });
    if (under && !picture_shown.on) {
        // The first entry under the mouse; its hover picture stays while the mouse is over any entry.
        picture_entry = *std::find_if(pictures.begin(), pictures.end(), [&](const Hover_Picture& e) {
            return ActivState_of_Button_PS(e.escape) == 1 && Strictly_Inside(mx, my, e.x1, e.y1, e.x2, e.y2);
        });
        Save_Under(picture_shown, {picture_entry.x1 + o.x, picture_entry.y1 + o.y, picture_entry.x2 + o.x, picture_entry.y2 + o.y},
                   picture_entry.escape);
        Draw_Entry(picture_entry, picture_entry.hover_picture, o, (picture_entry.font & Bold_Bit) != 0);
    } else if (!under && picture_shown.on) {
        if (picture_entry.picture.empty()) {
            Put_Back(picture_shown);
        } else {
            // The normal picture covers the label, so the label goes on again in its normal weight.
            Draw_Entry(picture_entry, picture_entry.picture, o, false);
            picture_shown.on = false;
        }
    }
}

// The lines of a help text: cut at '\n', a line of more than 99 characters runs on, at most five.
std::vector<std::string> Help_Lines(const char* text) {
    std::vector<std::string> lines(1);
    for (const char* p = text; *p && lines.size() <= Most_Lines; ++p) {
        if (*p == '\n') {
            lines.emplace_back();
            continue;
        }
        if (lines.back().size() == Longest_Line) lines.emplace_back();
        lines.back().push_back(*p);
    }
    if (lines.size() > Most_Lines) lines.resize(Most_Lines);
    return lines;
}

}  // namespace

void Register_Hover_Area(int escape, int area, int x1, int y1, int x2, int y2, int* dx, int* dy) {
    areas.push_back({escape, area, x1, y1, x2, y2, dx, dy});
    if (areas.size() == 1) {
        Define_Call_Allways_Function(Update_Hover_Help);
        Activate_Call_Allways_Function(1);
    }
}

int Unregister_Hover_Area() {
    if (!areas.empty()) areas.pop_back();
    if (areas.empty()) Activate_Call_Allways_Function(0);
    // What the ending page showed goes before its sheet does.
    for (Shown* s : {&box_shown, &picture_shown})
        if (s->on && s->level > areas.size()) Put_Back(*s);
    return static_cast<int>(areas.size());
}

int Hover_Area_Count() { return static_cast<int>(areas.size()); }

const Hover_Area* Find_Hover_Area(int area) {
    for (auto it = areas.rbegin(); it != areas.rend(); ++it)
        if (it->area == area) return &*it;
    return nullptr;
}

void Switch_Hover_Help(int on) { Activate_Call_Allways_Function(on && !areas.empty() ? 1 : 0); }

void Clear_Hover_Lists() {
    // The page is about to be built and painted anew: what its own level shows goes first, so
    // that the next call draws it again over the new page instead of leaving it painted over.
    if (!Outer(box_shown)) Put_Back(box_shown);
    if (!Outer(picture_shown)) Put_Back(picture_shown);
    boxes.clear();
    pictures.clear();
}

void Add_Hover_Picture(const Hover_Picture& entry) {
    if (!areas.empty()) pictures.push_back(entry);
}

void Update_Hover_Help() {
    const Offsets o = Area_To_Screen();
    const bool over_page = Mouse_Over_Page();
    const int mx = over_page ? M_XPOS - o.x : -1000000, my = over_page ? M_YPOS - o.y : -1000000;
    if (Update_Boxes(mx, my, o)) return;
    Update_Pictures(mx, my, o);
}

void Set_Hover_Help_Text(const char* text, int placement, int alignment) {
    const Page_Context& c = Current_Page_Context();
    if (areas.empty() || c.last_state == 0 || !text) return;
    Help_Box b{c.hover_escape, c.last_x1, c.last_y1, c.last_x2, c.last_y2, Help_Lines(text), 0, 0, placement, alignment};
    int widest = 0;
    for (const std::string& line : b.lines) {
        const int w = Get_Text_Width_In_Font(line.c_str(), Help_Font);
        widest = std::max(widest, w > 0 ? w + 3 : 0);
    }
    b.width = widest + 6;
    b.height = Line_Pitch * static_cast<int>(b.lines.size()) + 6;
    boxes.push_back(std::move(b));
}
