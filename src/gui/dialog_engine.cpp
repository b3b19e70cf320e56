// The kit's modal dialog engine: the stack of open dialogs, the three value registries, the
// one-page dialog and the pieces that the dialogs with tabs share with it.
#include "gui/dialog_engine.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>
#include <deque>
#include <utility>

#include "common/cp437.h"
#include "common/framed_text_box.h"
#include "common/round_half_away.h"
#include "gui/dialog_levels.h"
#include "gui/hover_help.h"
#include "gui/page_context.h"
#include "gui/table_editor.h"
#include "gui/view_area_events.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Break_Code = 100;
constexpr int Ok_Code = 200;
constexpr int Page_Escape_Base = 2000;
constexpr int Status_Size = 200;
constexpr int Table_Row_Height = 20;
constexpr int No_Int_Proxy = -99999999;
const char* const Continue_Text = "Weiter      ";

// Entries of the registries carry the level (1 for the outermost dialog) that was innermost when
// they were added. Levels end innermost first, so each registry is a stack: the innermost level's
// entries are always at its end. A deque keeps the address of every entry's double fixed while
// entries come and go at the end, which the float fields bound to an integer proxy rely on.
struct Scaled_Entry {
    double* value;
    double factor;
    int level;
};
struct Proxy_Entry {
    int* integer;
    double copy;
    int level;
};
struct Range_Entry {
    double* value;
    double minimum, maximum;
    int level;
};
using Scaled_Value_Registry = std::deque<Scaled_Entry>;
using Int_Proxy_Registry = std::deque<Proxy_Entry>;
using Value_Range_Registry = std::deque<Range_Entry>;

struct Engine {
    std::deque<Dialog_Level> levels;
    Scaled_Value_Registry scaled;
    Int_Proxy_Registry proxies;
    Value_Range_Registry ranges;
    bool drop_proxies = true;
    bool centre_set = false;
    int cx = 0, cy = 0;
    int origin_x = 0, origin_y = 0;
    bool break_requested = false, accept_requested = false, rebuild_requested = false;
    bool cursor_to_default = true;
    double unregistered_proxy = 0;   // stands for an integer while no dialog is open
};

Engine engine;

int Depth() { return static_cast<int>(engine.levels.size()); }

template <typename Entry>
void Drop_Innermost(std::deque<Entry>& entries) {
    while (!entries.empty() && entries.back().level >= Depth()) entries.pop_back();
}

template <typename Entry, typename Address>
Entry* Innermost_Entry(std::deque<Entry>& entries, Address address, Address Entry::*field) {
    for (auto it = entries.rbegin(); it != entries.rend() && it->level >= Depth(); ++it)
        if ((*it).*field == address) return &*it;
    return nullptr;
}

// Divides the innermost level's scaled values back and rounds its integer proxies into their
// integers; the scaled entries are dropped, the proxies while the drop switch is on.
void Convert_Back_Innermost() {
    for (auto it = engine.scaled.rbegin(); it != engine.scaled.rend() && it->level >= Depth(); ++it)
        *it->value /= it->factor;
    Drop_Innermost(engine.scaled);
    for (auto it = engine.proxies.rbegin(); it != engine.proxies.rend() && it->level >= Depth(); ++it)
        *it->integer = Round_Half_Away(it->copy);
    if (engine.drop_proxies) Drop_Innermost(engine.proxies);
}

int Page_Checks(const Dialog_Level& level) {
    for (int p = 0; p < level.count; ++p)
        if (const Dialog_Page_Check check = level.pages[p].check)
            if (const int r = check(level.tables[static_cast<std::size_t>(p)])) return r;
    return 0;
}

bool Has_Page(const Dialog_Level& level, int p) { return p >= 0 && p < level.count; }

int Per_Page(const std::vector<int>& values, int p) {
    return p >= 0 && p < static_cast<int>(values.size()) ? values[static_cast<std::size_t>(p)] : -1;
}

// The page's stored scroll position, in pixels as the host reported it when the page last closed,
// scrolled to once its content is known: as a fraction of the scroll range then known (at most 1,
// none for an axis that cannot scroll). Half a pixel is added before dividing so that the fraction
// times the range, cut to an integer by the view area, gives back the whole pixel.
void Apply_Preset_Scroll(Dialog_Page& page, int area) {
    if (page.scroll_x <= 0 && page.scroll_y <= 0) return;
    int content_w = 0, content_h = 0, visible_w = 0, visible_h = 0;
    Get_View_Area_Content_Size(area, &content_w, &content_h);
    Inquire_View_Area_Size(area, &visible_w, &visible_h);
    const auto fraction = [](double pixels, int content, int visible) {
        const int range = std::max(0, content - visible);
        if (range == 0 || pixels < 0) return -1.0;
        return std::min(1.0, (pixels + 0.5) / range);
    };
    Set_View_Area_Scroll_Fractions(area, fraction(page.scroll_x, content_w, visible_w),
                                   fraction(page.scroll_y, content_h, visible_h));
    page.scroll_x = -1;
    page.scroll_y = -1;
}

int Add_Symbol_Button(int x, int y, int code, int raster, const char* comment) {
    const int button = Add_Single_Button_to_PS(x, y, 1, code, "", raster, comment);
    Set_Comment_to_Button_PS(button, comment);
    return button;
}

// Ends the loop's pass for a break (code 100) or an accept (code 200): the dialog's result, or -1
// when a check keeps it open.
int Try_To_End(Dialog_Level& level, bool accept) {
    Dialog_Description& d = *level.description;
    if (!accept) return d.break_check && d.break_check() != 0 ? -1 : 0;
    if (Commit_Dialog_Values(Depth()) != 0) return -1;
    return d.accept_check && d.accept_check() != 0 ? -1 : 1;
}

}  // namespace

// ---- Shared pieces of the dialogs ----

bool Dialog_Cursor_Switch() { return engine.cursor_to_default; }

void Dialog_Centre(int& cx, int& cy) {
    if (!engine.centre_set) {
        engine.centre_set = true;
        engine.cx = NPIXEL_X / 2;
        engine.cy = NPIXEL_Y / 2;
    }
    cx = engine.cx;
    cy = engine.cy;
}

void Move_Dialog_Centre(int dx, int dy) {
    engine.cx += dx;
    engine.cy += dy;
}

Dialog_Level& Push_Dialog_Level(Dialog_Description* description, Dialog_Page* pages, int count) {
    Dialog_Level& level = engine.levels.emplace_back();
    level.description = description;
    level.pages = pages;
    level.count = count;
    const std::size_t n = static_cast<std::size_t>(std::max(count, 0));
    level.areas.assign(n, -1);
    level.escapes.assign(n, -1);
    level.tables.assign(n, -1);
    level.table_shown.assign(n, 0);
    level.members.assign(n, 0);
    level.kinds_seen.resize(n);
    for (std::size_t p = 0; p < n; ++p) level.kinds_seen[p] = pages[p].kind;
    return level;
}

// The page context holds the addresses of its dialog's displacement: when a level ends, the context
// goes back to the page the dialog outside it shows, or to no page at all.
void Pop_Dialog_Level() {
    if (!engine.levels.empty()) engine.levels.pop_back();
    const Dialog_Level* outer = Innermost_Dialog_Level();
    Select_Page_Context(outer ? Per_Page(outer->areas, outer->shown) : -1);
}

Dialog_Level* Innermost_Dialog_Level() { return engine.levels.empty() ? nullptr : &engine.levels.back(); }

void Set_Dialog_Sheet_Origin(int x, int y) {
    engine.origin_x = x;
    engine.origin_y = y;
}

bool Take_Break_Request() { return std::exchange(engine.break_requested, false); }
bool Take_Accept_Request() { return std::exchange(engine.accept_requested, false); }

void Clear_Dialog_Requests() {
    engine.break_requested = false;
    engine.accept_requested = false;
}

int Dialog_Kind_Of(int kind) { return kind >= 0 && kind <= 9 ? kind : 0; }

bool Full_Screen_Kind(int kind) { return kind == 4 || kind == 8; }

Dialog_Sheet Start_Dialog_Sheet(const Dialog_Description& d, int& cx, int& cy, int& buffer_mode) {
    Update_Hover_Help();   // puts back what a hover popup of an outer dialog covers
    Dialog_Centre(cx, cy);
    buffer_mode = pxBuff(-1);
    Dialog_Sheet s;
    s.kind = Dialog_Kind_Of(d.kind);
    s.left = d.left_margin;
    s.right = d.right_margin;
    s.top = d.top_margin;
    s.bottom = d.bottom_margin;
    s.hover = s.kind != 1 && s.kind != 3;
    return s;
}

void Define_Full_Screen_Sheet(Dialog_Sheet& s, int capacity) {
    Init_Mouse_Move_Restriction(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    Set_Prop_Sheet_Screen_Base(2, 2, NPIXEL_X - 10, NPIXEL_Y - 10);
    if (s.kind == 8) VEKSetMinMaxSize(NPIXEL_X, NPIXEL_Y, NPIXEL_X, NPIXEL_Y);
    s.x1 = 0;
    s.y1 = 0;
    s.x2 = NPIXEL_X - 1;
    s.y2 = NPIXEL_Y - 1;
    s.T = 0;
    s.B = 0;
    Set_NoFrameFlag_to_Next_PropSheet();
    if (s.kind == 8) {
        const int background = pxQBgc();
        pxBgc(MENUE_CI);
        pxCls();
        pxBgc(background);
    }
    Define_Prop_Sheet(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0, 0, "", capacity, 1);
}

void Define_Centred_Sheet(Dialog_Sheet& s, int cx, int cy, int W, int H, const char* title, int capacity) {
    s.x1 = cx - W / 2;
    s.y1 = cy - H / 2;
    s.x2 = s.x1 + W - 1;
    s.y2 = s.y1 + H - 1;
    Check_Prop_Sheet_Frames(&s.x1, &s.y1, &s.x2, &s.y2);
    Define_Prop_Sheet(s.x1, s.y1, s.x2, s.y2, 1, 0, title, capacity, 1);
}

void Add_Dialog_Buttons(Dialog_Sheet& s, const Dialog_Description& d) {
    const int row = s.y2 - 29;
    const int centre = (s.x1 + s.x2 + 1) / 2;
    const int break_x = s.x1 + s.left - 3;
    s.help_x = d.status_text ? s.x1 + s.left + 32 : centre - 23;
    s.ok_x = s.x2 - s.right - 23;
    s.status_right = s.ok_x - 20;
    const bool topic = d.help_topic[0] != '\0';
    const auto add_break = [&] { return Add_Symbol_Button(break_x, row, Break_Code, SYMBOLIC_BREAK_RASTER, "abbrechen"); };
    const auto add_ok = [&] { return Add_Symbol_Button(s.ok_x, row, Ok_Code, SYMBOLIC_OK_RASTER, "bestätigen"_cp); };
    const auto add_help = [&] {
        if (!topic) return;
        const int help = Add_Help_to_PS(s.help_x, row, 1, 0, "", d.help_topic);
        Set_Comment_to_Button_PS(help, "Hilfe");
    };
    const auto add_continue = [&](int code, int y) {
        const int button = Add_Single_Button_to_PS(centre - 50, y, 1, code, Continue_Text, 0, nullptr);
        s.default_button = button;
    };
    switch (s.kind) {
        case 1: add_continue(Break_Code, row); break;
        case 3: add_continue(Ok_Code, row); break;
        case 8: add_continue(Ok_Code, s.y2 - 37); break;
        case 2:
        case 4: break;
        case 6: s.default_button = add_ok(); break;
        case 7:
            s.default_button = add_break();
            add_help();
            break;
        case 9:
            add_help();
            s.default_button = add_ok();
            break;
        default: {   // 0 and 5
            const int b = add_break();
            add_help();
            const int ok = add_ok();
            s.default_button = s.kind == 5 ? ok : b;
        }
    }
}

void Create_Dialog_Page_Area(Dialog_Level& level, int p, int x1, int y1, int x2, int y2, bool hover) {
    Dialog_Page& page = level.pages[p];
    if (page.kind == -2 || !page.builder) return;
    if (page.area_x >= 0 && page.area_width > 0) {
        x1 += page.area_x;
        x2 = std::min(x2, x1 + page.area_width - 1);
    }
    if (page.area_y >= 0 && page.area_height > 0) {
        y1 += page.area_y;
        y2 = std::min(y2, y1 + page.area_height - 1);
    }
    const int v = page.vertical_slider ? View_Area_Slider_Strip : 0;
    const int h = page.horizontal_slider ? View_Area_Slider_Strip : 0;
    const std::size_t k = static_cast<std::size_t>(p);
    level.escapes[k] = Add_Escape_Area_to_PS(x1, y1, x2 - v, y2 - h, 0, Page_Escape_Base + p);
    Set_Escape_Area_to_MouseMoveEvent(level.escapes[k], 1);
    const int area = Create_Scrollable_View_Area(x1, y1, x2, y2, page.horizontal_slider, page.vertical_slider);
    level.areas[k] = area;
    if (area < 0) return;
    // Only the page being shown paints; the build pass switches a page's area on.
    if (p != level.current) Set_View_Area_Activity(area, 0);
    if (hover) Register_Hover_Area(level.escapes[k], area, x1, y1, x2, y2, &level.dx, &level.dy);
    int visible_w = 0, visible_h = 0;
    Inquire_View_Area_Size(area, &visible_w, &visible_h);
    const int table_x2 = page.table_width > 0 ? page.table_left + page.table_width : visible_w - 10;
    level.tables[k] = Create_Table(area, page.table_top, page.table_left, table_x2, Table_Row_Height,
                                   page.table_row_size, page.table_row_painter);
    level.table_shown[k] = 1;
}

void Open_Dialog_Sheet(Dialog_Level& level, const Dialog_Sheet& s, int buffer_mode, bool always_cursor) {
    for (int p = 0; p < level.count; ++p)
        if (level.pages[p].table_init && level.tables[static_cast<std::size_t>(p)] >= 0)
            level.pages[p].table_init(level.tables[static_cast<std::size_t>(p)]);
    if ((always_cursor || engine.cursor_to_default) && s.default_button > 0) Move_Mouse_Cursor_to_Button_of_PS(s.default_button, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffer_mode);
    Prop_Sheet_Displacement(&level.dx, &level.dy);
}

void Build_Dialog_Page(Dialog_Level& level, int p, bool switch_activity) {
    if (!Has_Page(level, p)) return;
    const int area = Per_Page(level.areas, p), table = Per_Page(level.tables, p), escape = Per_Page(level.escapes, p);
    if (area < 0 || table < 0 || escape < 0) return;
    Dialog_Page& page = level.pages[p];
    for (int build = 0; build < 2; ++build) {
        Clear_View_Area(area);
        Select_Page_Context(area);
        page.builder(area, table);
        if (level.table_shown[static_cast<std::size_t>(p)]) Build_Table_View(table);
        Apply_Preset_Scroll(page, area);
        if (switch_activity) Set_View_Area_Activity(area, 1);
        Show_View_Area(area);
        Change_Activity_PS(escape, 1);
        if (!std::exchange(engine.rebuild_requested, false)) break;
    }
}

void Draw_Dialog_Status(Dialog_Status_Callback status, const Dialog_Sheet& s, const Dialog_Level& level) {
    if (!status) return;
    std::array<char, Status_Size> text{};
    status(text.data());
    text.back() = '\0';
    Draw_Framed_Text_Box(s.help_x + 30 + level.dx, s.y2 - 26 + level.dy, s.status_right + level.dx, s.y2 - 9 + level.dy,
                         text.data(), 209, 1, 4096, BLACK_CI, BUTTON_CI);
}

void Route_Page_Event(Dialog_Level& level, int code) {
    const int p = code - Page_Escape_Base;
    if (p < 0 || p > 999 || !Has_Page(level, p)) return;
    const int table = Per_Page(level.tables, p);
    if (table >= 0 && Handle_Table_Event(table) != 0) return;
    if (Per_Page(level.areas, p) >= 0) Handle_View_Area_Event(Per_Page(level.areas, p));
}

void Settle_Innermost_Registries() {
    Convert_Back_Innermost();
    Drop_Innermost(engine.ranges);
}

void Release_Dialog_Pages(Dialog_Level& level, bool hover) {
    for (int p = 0; p < level.count; ++p) {
        const int area = Per_Page(level.areas, p);
        if (area < 0) continue;
        int x = 0, y = 0;
        Get_View_Area_Scroll_Origin(area, &x, &y);
        level.pages[p].scroll_x = x;
        level.pages[p].scroll_y = y;
        Delete_Tables_Of_Area(area);
        Release_View_Area(area);
        if (hover) Unregister_Hover_Area();
        level.areas[static_cast<std::size_t>(p)] = -1;
    }
}

int Run_Dialog_Loop(Dialog_Level& level, const Dialog_Sheet& s, const Dialog_Loop_Hooks& hooks) {
    Dialog_Description& d = *level.description;
    for (;;) {
        Clear_Dialog_Requests();
        Draw_Dialog_Status(d.status_text, s, level);
        if (s.default_button > 0) Change_Activity_PS(s.default_button, 1);
        const int buffer_mode = pxBuff(-1);
        if (d.pass_callback) d.pass_callback(level.current);
        if (hooks.before_pass) hooks.before_pass(level, s);
        if (level.current != level.shown) {
            const int t = level.shown;
            if (Per_Page(level.areas, t) >= 0) Set_View_Area_Activity(Per_Page(level.areas, t), 0);
            if (Per_Page(level.escapes, t) >= 0) Change_Activity_PS(Per_Page(level.escapes, t), 0);
            if (d.page_change_check && d.page_change_check(t, level.current) != 0) {
                level.current = t;
                if (hooks.page_shown) hooks.page_shown(level);
            } else {
                level.shown = level.current;
            }
        }
        Build_Dialog_Page(level, level.shown, true);
        pxBuff(buffer_mode);

        int code = d.preset_code;
        if (code >= 0) {
            d.preset_code = -1;
        } else {
            // A sheet editor that returns at once because the input has ended would keep the
            // dialog spinning: it ends as broken, without asking the break check.
            code = Edit_Prop_Sheet();
            if (getkeymask() == 1) {
                Move_Dialog_Centre(level.dx, level.dy);
                return 0;
            }
        }
        Set_Dialog_Sheet_Origin(s.x1 + level.dx, s.y1 + level.dy);

        int result = -1;
        if (code == s.break_code) {
            result = Try_To_End(level, false);
        } else if (code == s.ok_code) {
            result = Try_To_End(level, true);
        } else {
            bool handled = false;
            if (d.code_handler) {
                Activate_Call_Allways_Function(0);
                handled = d.code_handler(code) != 0;
                if (Hover_Area_Count() > 0) Activate_Call_Allways_Function(1);
            }
            if (!handled && !(hooks.take_code && hooks.take_code(level, code))) Route_Page_Event(level, code);
        }
        if (result < 0 && code != s.break_code && code != s.ok_code) {
            if (Take_Break_Request()) result = Try_To_End(level, false);
            else if (Take_Accept_Request()) result = Try_To_End(level, true);
        }
        if (result >= 0) {
            Move_Dialog_Centre(level.dx, level.dy);
            return result;
        }
    }
}

int End_Dialog_Level(Dialog_Level& level, const Dialog_Sheet& s, int result) {
    Settle_Innermost_Registries();
    Release_Dialog_Pages(level, s.hover);
    Dialog_Description& d = *level.description;
    if (d.close_callback) d.close_callback();
    d.page = level.shown;
    Undefine_Prop_Sheet();
    Pop_Dialog_Level();
    Clear_Dialog_Requests();
    return result;
}

// ---- The interface of the kit ----

Dialog_Description* Init_Dialog_Description(Dialog_Description* description) {
    if (description) *description = Dialog_Description{};
    return description;
}

void Init_Dialog_Pages(int count, Dialog_Page* pages) {
    if (!pages) return;
    for (int p = 0; p < count; ++p) pages[p] = Dialog_Page{};
}

int Run_Dialog(Dialog_Description* description, Dialog_Page* pages) {
    if (!description || !pages) return 0;
    int cx = 0, cy = 0, buffer_mode = 0;
    const Dialog_Description& d = *description;
    Dialog_Sheet s = Start_Dialog_Sheet(d, cx, cy, buffer_mode);
    const int capacity = d.extra_elements + 105;
    if (Full_Screen_Kind(s.kind)) {
        Define_Full_Screen_Sheet(s, capacity);
    } else {
        s.T = 33;
        s.B = s.kind == 2 ? 0 : 27;
        const int h = std::min(d.height, NPIXEL_Y - s.T - s.top - s.bottom - s.B - 30);
        const int w = std::min(d.width, NPIXEL_X - s.left - s.right - 15);
        Define_Centred_Sheet(s, cx, cy, w + s.left + s.right, h + s.T + s.top + s.bottom + s.B, d.title, capacity);
    }
    Dialog_Level& level = Push_Dialog_Level(description, pages, 1);
    Create_Dialog_Page_Area(level, 0, s.x1 + s.left, s.y1 + s.T + s.top, s.x2 - s.right, s.y2 - s.bottom - s.B, s.hover);
    Add_Dialog_Buttons(s, d);
    if (d.sheet_built) d.sheet_built(s.x1, s.y1, s.x2, s.y2);
    Open_Dialog_Sheet(level, s, buffer_mode);
    const int result = Run_Dialog_Loop(level, s, {});
    return End_Dialog_Level(level, s, result);
}

int Get_Dialog_Depth() { return Depth(); }

void Set_Dialog_Page_Kind(int page, int kind) {
    Dialog_Level* level = Innermost_Dialog_Level();
    if (level && Has_Page(*level, page)) level->pages[page].kind = kind;
}

int Get_Dialog_Page_Kind(int page) {
    const Dialog_Level* level = Innermost_Dialog_Level();
    return level && Has_Page(*level, page) ? level->pages[page].kind : -1;
}

void Select_Dialog_Page(int page) {
    Dialog_Level* level = Innermost_Dialog_Level();
    if (!level || !Has_Page(*level, page) || level->current == page) return;
    const int old = level->current;
    level->current = page;
    if (level->reg > 0) Set_Selected_Register_Member(level->reg, level->members[static_cast<std::size_t>(page)]);
    if (level->description && level->description->page_change_check &&
        level->description->page_change_check(old, page) != 0) {
        level->current = old;
        if (level->reg > 0) Set_Selected_Register_Member(level->reg, level->members[static_cast<std::size_t>(old)]);
    }
}

int Get_Dialog_Page() {
    const Dialog_Level* level = Innermost_Dialog_Level();
    return level ? level->current : 0;
}

void Show_Dialog_Page_Table(int page, int shown) {
    Dialog_Level* level = Innermost_Dialog_Level();
    if (level && Has_Page(*level, page)) level->table_shown[static_cast<std::size_t>(page)] = shown;
}

void Get_Dialog_Origin(int* x, int* y) {
    if (x) *x = engine.origin_x;
    if (y) *y = engine.origin_y;
}

void Request_Dialog_Break() { engine.break_requested = true; }
void Request_Dialog_Accept() { engine.accept_requested = true; }
void Request_Page_Rebuild() { engine.rebuild_requested = true; }
void Set_Cursor_To_Default_Button(int on) { engine.cursor_to_default = on != 0; }
void Enable_Cursor_To_Default_Button() { engine.cursor_to_default = true; }
void Disable_Cursor_To_Default_Button() { engine.cursor_to_default = false; }

int Commit_Dialog_Values(int level) {
    Convert_Back_Innermost();
    if (level < 1 || level > Depth()) return 0;
    return Page_Checks(engine.levels[static_cast<std::size_t>(level - 1)]);
}

int Check_Open_Dialogs() {
    engine.drop_proxies = false;
    Convert_Back_Innermost();
    int result = 0;
    for (auto it = engine.levels.rbegin(); it != engine.levels.rend() && result == 0; ++it) result = Page_Checks(*it);
    engine.drop_proxies = true;
    return result;
}

int Register_Scaled_Value(double* value, double factor) {
    // A factor of 0 (or one that is not finite) could not be divided back: the value would be lost.
    if (!value || Depth() == 0 || factor == 0 || !std::isfinite(factor)) return 0;
    if (Innermost_Entry(engine.scaled, value, &Scaled_Entry::value)) return 0;
    *value *= factor;
    engine.scaled.push_back({value, factor, Depth()});
    return 1;
}

double* Get_Int_Proxy(int* integer) {
    if (!integer || Depth() == 0) {
        engine.unregistered_proxy = integer ? *integer : 0;
        return &engine.unregistered_proxy;
    }
    if (Proxy_Entry* e = Innermost_Entry(engine.proxies, integer, &Proxy_Entry::integer)) {
        *integer = Round_Half_Away(e->copy);
        return &e->copy;
    }
    engine.proxies.push_back({integer, static_cast<double>(*integer), Depth()});
    return &engine.proxies.back().copy;
}

void Set_Proxied_Int(int* integer, int value) {
    if (!integer) return;
    for (Proxy_Entry& e : engine.proxies)
        if (e.integer == integer) {
            *integer = value;
            e.copy = value;
        }
}

int Get_Proxied_Int(const int* integer) {
    if (!integer) return No_Int_Proxy;
    for (const Proxy_Entry& e : engine.proxies)
        if (e.integer == integer) return *integer;
    return No_Int_Proxy;
}

void Register_Value_Range(double* value, double minimum, double maximum) {
    if (!value || Depth() == 0 || Innermost_Entry(engine.ranges, value, &Range_Entry::value)) return;
    engine.ranges.push_back({value, minimum, maximum, Depth()});
}

void Clamp_To_Registered_Range(double* value) {
    if (!value) return;
    if (const Range_Entry* e = Innermost_Entry(engine.ranges, value, &Range_Entry::value)) {
        if (*value < e->minimum) *value = e->minimum;
        if (*value > e->maximum) *value = e->maximum;
    }
}
