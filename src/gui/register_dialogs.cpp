// Dialogs that show several pages in one sheet with a row of tabs (a register of the host) to switch
// between them: one driven by a description, and a simple one with fixed buttons (break 1, OK 2).
// Both use the stack, the registries, the build pass and the end of a level of the dialog engine.
#include <algorithm>
#include <vector>

#include "common/cp437.h"
#include "gui/dialog_engine.h"
#include "gui/dialog_levels.h"
#include "gui/hover_help.h"
#include "gui/view_areas.h"
#include "gui/world_drawing.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Tab_Code_Base = 1000;
constexpr int Label_Font = 4096;
constexpr int Upper_Line_Font = 4098;
constexpr int Engraved = 2;
constexpr int Simple_Capacity = 140;
constexpr int Simple_Break_Code = 1;
constexpr int Simple_Ok_Code = 2;

bool Hidden(const Dialog_Page& page) { return page.kind == -2; }

// The labels of a tab whose left edge is x over a row whose bottom is `bottom`: one line 10 px above
// the bottom, or the upper line 18 px above it in the small font and the label 6 px above it.
// Engraved (colour < 0 means the sheet's engraved text) or in a colour.
void Draw_Tab_Labels(const Dialog_Page& page, int x, int bottom, bool engraved, int colour) {
    const auto draw = [&](int y, const char* text, int font) {
        if (engraved) Draw_Funny_Text_to_PS(x, y, text, font, Engraved);
        else Draw_Text_In_Colour(x, y, text, font, colour);
    };
    if (page.upper_tab_line[0] != '\0') {
        draw(bottom - 18, page.upper_tab_line, Upper_Line_Font);
        draw(bottom - 6, page.tab_label, Label_Font);
    } else {
        draw(bottom - 10, page.tab_label, Label_Font);
    }
}

// The place of page p among the visible pages (its tab's index), -1 for a hidden page.
int Tab_Index(const Dialog_Level& level, int p) {
    if (Hidden(level.pages[p])) return -1;
    int j = 0;
    for (int k = 0; k < p; ++k)
        if (!Hidden(level.pages[k])) ++j;
    return j;
}

// The first visible page from p on, wrapping round; p itself when none is visible.
int Visible_From(const Dialog_Level& level, int p) {
    for (int k = 0; k < level.count; ++k) {
        const int q = (p + k) % level.count;
        if (!Hidden(level.pages[q])) return q;
    }
    return p;
}

void Select_Tab(const Dialog_Level& level, int p) {
    if (level.reg > 0 && p >= 0 && p < level.count)
        Set_Selected_Register_Member(level.reg, level.members[static_cast<std::size_t>(p)]);
}

// The register over the tab row and the page area, one member (code 1000 + page) per page: visible
// pages side by side from x, each `width` wide and 1 px apart (the last to the row's right end
// when `last_to_end`), hidden pages without width at the right end.
void Add_Tabs(Dialog_Level& level, int x, int y, int x2, int y2, int row_height, int width, bool last_to_end,
              bool visible_only) {
    level.reg = Add_Register_to_PS(x, y, x2, y2, row_height);
    int last = -1;
    for (int p = 0; p < level.count; ++p)
        if (!visible_only || !Hidden(level.pages[p])) last = p;
    for (int p = 0; p < level.count; ++p) {
        const int j = visible_only ? Tab_Index(level, p) : p;
        int member = 0;
        if (j < 0 || Hidden(level.pages[p])) {
            member = Add_Member_to_Register(level.reg, x2, x2, 0, Tab_Code_Base + p);
        } else {
            const int xs = x + j * (width + 1);
            member = Add_Member_to_Register(level.reg, xs, p == last && last_to_end ? x2 : xs + width, 1, Tab_Code_Base + p);
        }
        level.members[static_cast<std::size_t>(p)] = member;
    }
}

void Fill_Tab_Row(int x1, int y1, int x2, int y2) {
    const int colour = pxQFgc();
    pxFgc(GetVEKColor(-1));
    pxRect(x1, y1, x2, y2);
    pxFgc(colour);
}

// ---- The dialog with a description ----

// An inactive page cannot stay current: the page shown before comes back, or, when that is the
// same page, the first page that is active and not hidden (with none, the page stays). Then the
// labels of the inactive tabs other than the current one are drawn again in their colour.
void Before_Register_Pass(Dialog_Level& level, const Dialog_Sheet& s) {
    if (level.count < 2 || s.tab_width <= 0) return;
    if (level.pages[level.current].kind == 0) {
        int p = level.current != level.shown ? level.shown : level.current;
        if (p == level.current)
            for (int k = 0; k < level.count; ++k)
                if (level.pages[k].kind != 0 && !Hidden(level.pages[k])) {
                    p = k;
                    break;
                }
        level.current = p;
        Select_Tab(level, p);
    }
    for (int p = 0; p < level.count; ++p) {
        const int j = Tab_Index(level, p);
        if (p == level.current || j < 0 || level.pages[p].kind != 0) continue;
        Draw_Tab_Labels(level.pages[p], s.tab_x + 8 + j * (s.tab_width + 1) + level.dx, s.tab_bottom + level.dy, false,
                        level.pages[p].inactive_label_colour);
    }
}

bool Take_Tab_Code(Dialog_Level& level, int code) {
    const int p = code - Tab_Code_Base;
    if (level.count < 2 || p < 0 || p > 999) return false;
    if (p < level.count && !Hidden(level.pages[p])) level.current = p;
    else Select_Tab(level, level.current);   // a hidden page's member: the tab row stays as it was
    return true;
}

void Show_Current_Tab(Dialog_Level& level) { Select_Tab(level, level.current); }

}  // namespace

int Run_Register_Dialog(Dialog_Description* description, int count, Dialog_Page* pages) {
    if (!description || !pages || count < 1) return 0;
    int cx = 0, cy = 0, buffer_mode = 0;
    const Dialog_Description& d = *description;
    Dialog_Sheet s = Start_Dialog_Sheet(d, cx, cy, buffer_mode);
    const bool tabs = count > 1;
    const int R = tabs ? (d.tab_row_height > 0 ? d.tab_row_height : 30) : 0;
    const int E = tabs ? R + 10 : 0;
    const int F = tabs ? 10 : 0;
    const int capacity = 5 * count + d.extra_elements + 100;
    int w = 0;
    if (Full_Screen_Kind(s.kind)) {
        Define_Full_Screen_Sheet(s, capacity);
        w = s.x2 - s.right - s.x1 - s.left + 1 - 2 * F;
    } else {
        s.T = 33;
        s.B = s.kind == 2 ? 0 : 27;
        w = std::min(d.width, NPIXEL_X - 2 * F - s.left - s.right - 15);
        const int h = std::min(d.height, NPIXEL_Y - 2 * F - R - s.T - s.top - s.bottom - s.B - 30);
        Define_Centred_Sheet(s, cx, cy, s.left + w + 2 * F + s.right, h + E + F + s.T + s.top + s.bottom + s.B, d.title,
                             capacity);
    }
    Dialog_Level& level = Push_Dialog_Level(description, pages, count);
    int V = 0;
    for (int p = 0; p < count; ++p)
        if (!Hidden(pages[p])) ++V;
    // With every page hidden there is no tab row and no page; the buttons still end the dialog.
    if (tabs && V > 0) {
        s.tab_width = d.tab_width > 0 ? d.tab_width : (w + 2 * F - (V - 1)) / V;
        s.tab_x = s.x1 + s.left;
        const int row_top = s.y1 + s.T + s.top;
        s.tab_bottom = row_top + R;
        Fill_Tab_Row(s.tab_x, row_top, s.x2 - s.right, s.tab_bottom);
        if (d.tab_row_picture[0] == '\0') {
            for (int p = 0; p < count; ++p)
                if (const int j = Tab_Index(level, p); j >= 0)
                    Draw_Tab_Labels(pages[p], s.tab_x + 8 + j * (s.tab_width + 1), s.tab_bottom, true, 0);
        } else {
            pxDrawTransparentDIB(d.tab_row_picture, s.tab_x, row_top, s.x2 - s.right, s.tab_bottom, 201, -1, 192, 192, 192);
        }
        Add_Tabs(level, s.tab_x, row_top, s.x2 - s.right, s.y2 - s.bottom - s.B, R, s.tab_width, d.tab_width <= 0, true);
    }
    int first = Full_Screen_Kind(s.kind) ? 0 : std::clamp(d.page, 0, count - 1);
    first = Visible_From(level, first);
    level.current = first;
    level.shown = first;
    Select_Tab(level, first);
    for (int p = 0; p < count; ++p)
        Create_Dialog_Page_Area(level, p, s.x1 + F + s.left, s.y1 + F + s.T + s.top + R, s.x2 - F - s.right,
                                s.y2 - F - s.bottom - s.B, s.hover);
    Add_Dialog_Buttons(s, d);
    if (d.sheet_built) d.sheet_built(s.x1, s.y1, s.x2, s.y2);
    Open_Dialog_Sheet(level, s, buffer_mode);
    Dialog_Loop_Hooks hooks;
    hooks.before_pass = Before_Register_Pass;
    hooks.take_code = Take_Tab_Code;
    hooks.page_shown = Show_Current_Tab;
    const int result = Run_Dialog_Loop(level, s, hooks);
    return End_Dialog_Level(level, s, result);
}

// ---- The simple dialog ----

namespace {

struct Simple_State {
    bool centre_set = false;
    int cx = 0, cy = 0;
    std::vector<int> last_page;   // per depth, the page the last simple dialog there left current
};

Simple_State simple;

int& Last_Simple_Page(int depth) {
    if (static_cast<int>(simple.last_page.size()) <= depth) simple.last_page.resize(static_cast<std::size_t>(depth) + 1, 0);
    return simple.last_page[static_cast<std::size_t>(depth)];
}

int Label_Colour(const Dialog_Page& page) { return page.kind != 0 ? page.active_label_colour : page.inactive_label_colour; }

void Draw_Simple_Labels(const Dialog_Level& level, const Dialog_Sheet& s, bool all) {
    for (int p = 0; p < level.count; ++p)
        if ((all || p != level.current) && !Hidden(level.pages[p]))
            Draw_Tab_Labels(level.pages[p], s.tab_x + 8 + p * (s.tab_width + 1) + level.dx, s.tab_bottom + level.dy, false,
                            Label_Colour(level.pages[p]));
}

bool Page_Kinds_Changed(Dialog_Level& level) {
    bool changed = false;
    for (int p = 0; p < level.count; ++p) {
        int& seen = level.kinds_seen[static_cast<std::size_t>(p)];
        if (seen != level.pages[p].kind) changed = true;
        seen = level.pages[p].kind;
    }
    return changed;
}

}  // namespace

int Run_Simple_Register_Dialog(int height, int width, const char* title, int count, Dialog_Page* pages,
                               Dialog_Status_Callback status, const char* help_topic) {
    if (!pages || count < 1) return 0;
    Update_Hover_Help();
    if (!simple.centre_set) {
        simple.centre_set = true;
        simple.cx = NPIXEL_X / 2;
        simple.cy = NPIXEL_Y / 2;
    }
    const int buffer_mode = pxBuff(-1);
    const bool tabs = count > 1;
    const int F = tabs ? 10 : 7, T = tabs ? 40 : 35, R = tabs ? 30 : 0, B = tabs ? 35 : 30, E = tabs ? 40 : 7,
              M = tabs ? 20 : 14;
    const int w = std::min(width, NPIXEL_X - M - 30);
    const int h = std::min(height, NPIXEL_Y - T - B - R - 45);
    const int W = w + 4 * F, H = h + E + F + T + B;
    Dialog_Sheet s;
    s.break_code = Simple_Break_Code;
    s.ok_code = Simple_Ok_Code;
    s.x1 = simple.cx - W / 2;
    s.y1 = simple.cy - H / 2;
    s.x2 = s.x1 + W - 1;
    s.y2 = s.y1 + H - 1;
    Check_Prop_Sheet_Frames(&s.x1, &s.y1, &s.x2, &s.y2);
    // The centre follows the rectangle the host accepted; taken as the inverse of the placement
    // above, so that a sheet the host left alone keeps its centre (the middle of an even width
    // would creep one pixel at every opening).
    simple.cx = s.x1 + W / 2;
    simple.cy = s.y1 + H / 2;
    Define_Prop_Sheet(s.x1, s.y1, s.x2, s.y2, 1, 0, title ? title : "", Simple_Capacity, 1);

    Dialog_Level& level = Push_Dialog_Level(nullptr, pages, count);
    const int depth = Get_Dialog_Depth();
    level.current = std::clamp(Last_Simple_Page(depth), 0, count - 1);
    level.current = Visible_From(level, level.current);
    level.shown = level.current;
    if (tabs) {
        s.tab_width = (w + 2 * F - (count - 1)) / count;
        s.tab_x = s.x1 + F;
        s.tab_bottom = s.y1 + T + R;
        Fill_Tab_Row(s.x1 + F, s.y1 + T, s.x2 - F, s.tab_bottom);
        Draw_Simple_Labels(level, s, true);
        Add_Tabs(level, s.x1 + F, s.y1 + T, s.x2 - F, s.y2 - B, R, s.tab_width, true, false);
        Select_Tab(level, level.current);
    }
    for (int p = 0; p < count; ++p)
        Create_Dialog_Page_Area(level, p, s.x1 + M, s.y1 + F + T + R, s.x2 - M, s.y2 - B - F, true);

    const int row = s.y2 - 29;
    const int centre = (s.x1 + s.x2 + 1) / 2;
    s.help_x = status ? s.x1 + F + 30 : centre - 15;
    s.status_right = s.x2 - F - 40;
    const int break_button = Add_Single_Button_to_PS(s.x1 + F - 3, row, 1, Simple_Break_Code, "", SYMBOLIC_BREAK_RASTER,
                                                     "abbrechen");
    Set_Comment_to_Button_PS(break_button, "abbrechen");
    const int help = Add_Help_to_PS(s.help_x, row, 1, 0, "", help_topic ? help_topic : "");
    Set_Comment_to_Button_PS(help, "Hilfe");
    const int ok = Add_Single_Button_to_PS(s.x2 - F - 20, row, 1, Simple_Ok_Code, "", SYMBOLIC_OK_RASTER, "bestätigen"_cp);
    Set_Comment_to_Button_PS(ok, "bestätigen"_cp);
    s.default_button = break_button;
    Open_Dialog_Sheet(level, s, buffer_mode, true);

    int result = -1;
    while (result < 0) {
        Draw_Dialog_Status(status, s, level);
        const int pass_buffer = pxBuff(-1);
        if (tabs) {
            if (pages[level.current].kind == 0) {
                level.current = level.current > 0 ? level.current - 1 : 1;
                Select_Tab(level, level.current);
            }
            Page_Kinds_Changed(level);
            Draw_Simple_Labels(level, s, false);
        }
        if (level.current != level.shown) {
            const int t = level.shown;
            if (level.areas[static_cast<std::size_t>(t)] >= 0) Set_View_Area_Activity(level.areas[static_cast<std::size_t>(t)], 0);
            if (level.escapes[static_cast<std::size_t>(t)] >= 0) Change_Activity_PS(level.escapes[static_cast<std::size_t>(t)], 0);
            level.shown = level.current;
        }
        // A builder that changes a page's kind changes what the tabs show: build again, at most
        // once per page so that a builder that keeps toggling cannot hold the dialog.
        for (int build = 0; build <= count; ++build) {
            Build_Dialog_Page(level, level.shown, true);
            if (!Page_Kinds_Changed(level)) break;
            if (tabs) Draw_Simple_Labels(level, s, true);
        }
        pxBuff(pass_buffer);

        const int code = Edit_Prop_Sheet();
        Set_Dialog_Sheet_Origin(s.x1 + level.dx, s.y1 + level.dy);
        if (getkeymask() == 1 || code == Simple_Break_Code) {
            result = 0;
        } else if (code == Simple_Ok_Code) {
            if (Commit_Dialog_Values(depth) == 0) result = 1;
        } else if (tabs && code >= Tab_Code_Base && code < Tab_Code_Base + 1000) {
            const int p = code - Tab_Code_Base;
            if (p < count && !Hidden(pages[p])) level.current = p;
        } else {
            Route_Page_Event(level, code);
        }
    }
    simple.cx += level.dx;
    simple.cy += level.dy;

    // After a break as after an accept the level's integers get their proxies' values back and the
    // proxies leave the registry with the scaled values and the ranges.
    Settle_Innermost_Registries();
    Release_Dialog_Pages(level, true);
    Last_Simple_Page(depth) = level.current;
    Undefine_Prop_Sheet();
    Pop_Dialog_Level();
    return result;
}
