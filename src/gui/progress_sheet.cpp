#include "gui/progress_sheet.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstring>

#include "common/stream_print.h"
#include "gui/colour_shading.h"
#include "gui/page_context.h"
#include "gui/view_areas.h"
#include "gui/world_items.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Least_Inner_Width = 200;
constexpr int Row_Pitch = 47;        // px between counters on the sheet
constexpr int Row_Height = 48;       // px of sheet height per counter
constexpr int Label_Font = 4096;
constexpr int Text_Font = 4098;
constexpr int Count_Font = 0;
constexpr int Bands = 7;             // of the glossy bar, 10 % lighter each towards the middle

struct Progress_Counter {
    char text[Progress_Text_Size] = {};
    int value = 0;
    int total = 0;   // 0 or less: not running
};

struct Progress_Sheet_State {
    int allowed = 1;
    Progress_Description* open = nullptr;
    int defined = 0;      // a sheet of ours is on the stack
    int area = -1;
    int inner_width = Least_Inner_Width;
    std::array<Progress_Counter, Progress_Rows> counters;
    int bar_colour = 0, background = 0;
    int centre_x = -1, centre_y = -1;   // -1: the screen's centre at the first opening
};
Progress_Sheet_State sheet;

bool Valid(int counter) { return counter >= 0 && counter < Progress_Rows; }

int Held_Count(int n) { return std::clamp(n, 1, Progress_Rows); }

// Copies at most size - 1 bytes of a text that need not be terminated within its field.
template <std::size_t N>
void Copy_Text(char (&to)[N], const char* from, std::size_t from_size) {
    const std::size_t n = std::min(strnlen(from, from_size), N - 1);
    std::memcpy(to, from, n);
    to[n] = '\0';
}

void Repaint_When_Shown() {
    if (sheet.open && sheet.allowed) Paint_Progress_Sheet();
}

// One running counter at row y: its text line, its count, the box and the bar of the value.
void Paint_Running_Counter(const Progress_Counter& c, const Progress_Row& row, int y, int W) {
    Set_Page_Text_Colour(Nearest_Color_Index(0, 0, 0));
    if (c.text[0]) {
        Set_Page_Font(Text_Font);
        Add_Aligned_Label((W - 60) / 2 + 20, y, c.text, 2, 4, &Page_Enabled);
    }
    Set_Page_Font(Count_Font);
    const std::string count = Format_Text(row.style == 1 ? "%d von maximal %d" : "%d von %d", c.value, c.total);
    Add_Aligned_Label(W - 40, y, count.c_str(), 2, 1, &Page_Enabled);
    Set_Page_Fill_Colour(Nearest_Color_Index(255, 255, 225));
    Add_World_Rectangle(20, y + 7, W - 40, y + 22);
    Add_World_Frame(20, y + 7, W - 40, y + 22);
    // A value outside 0 to the total would draw the bar outside its box: held within it.
    const double fraction = static_cast<double>(c.value) / c.total;
    const int L = static_cast<int>(std::clamp(std::lround(fraction * (W - 64)), 0L, static_cast<long>(W - 64)));
    if (L == 0) return;
    for (int j = 0; j < Bands; ++j) {
        Set_Page_Fill_Colour(Shade_Colour_Index(sheet.bar_colour, 10.0 * j));
        Add_World_Rectangle(22, y + 9 + j, 22 + L, y + 20 - j);
    }
}

// A counter that does not run: a grey frame round an empty grey bar.
void Paint_Idle_Counter(int y, int W) {
    Set_Page_Text_Colour(Nearest_Color_Index(80, 80, 80));
    Add_World_Frame(20, y + 7, W - 40, y + 22);
    Set_Page_Fill_Colour(Nearest_Color_Index(225, 225, 225));
    Add_World_Rectangle(22, y + 9, W - 42, y + 20);
}

void Undefine_Sheet() {
    if (!sheet.defined) return;
    Release_View_Area(sheet.area);
    Undefine_Prop_Sheet();
    sheet.defined = 0;
    sheet.area = -1;
}

}  // namespace

void Init_Progress_Description(Progress_Description* d, int n) {
    if (!d) return;
    n = Held_Count(n);
    d->title[0] = '\0';
    d->subtitle[0] = '\0';
    d->width = -1;
    d->count = n;
    for (int i = 0; i < n; ++i) d->rows[i] = Progress_Row{{}, 0, 0};
}

void Enable_Progress_Sheets() { sheet.allowed = 1; }
void Disable_Progress_Sheets() { sheet.allowed = 0; }

void Open_Progress_Sheet(Progress_Description* d) {
    if (!sheet.allowed || !d) return;
    Undefine_Sheet();   // one sheet at a time: the one still open goes first
    sheet.open = d;
    sheet.bar_colour = Nearest_RGB_Color(0, 88, 176);
    sheet.background = Nearest_RGB_Color(233, 240, 245);
    for (int i = 0; i < Progress_Rows; ++i) sheet.counters[i] = Progress_Counter{{}, 0, d->rows[i].total};

    const int w = std::max(Least_Inner_Width, std::min(d->width, NPIXEL_X - 44));
    const int h = std::min(Held_Count(d->count) * Row_Height + 31, NPIXEL_Y - 87);
    sheet.inner_width = w;
    const int W = w + 14, H = h + 42;
    if (sheet.centre_x < 0) {
        sheet.centre_x = NPIXEL_X / 2;
        sheet.centre_y = NPIXEL_Y / 2;
    }
    int x1 = sheet.centre_x - W / 2, y1 = sheet.centre_y - H / 2;
    int x2 = x1 + W - 1, y2 = y1 + H - 1;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    sheet.centre_x = x1 + W / 2;
    sheet.centre_y = y1 + H / 2;

    char title[sizeof d->title];
    Copy_Text(title, d->title, sizeof d->title);
    const int buffering = pxBuff(-1);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 0, title, 40, 1);
    sheet.defined = 1;
    sheet.area = Create_Scrollable_View_Area(x1 + 14, y1 + 42, x2 - 14, y2 - 14, 0, 0);
    Activate_Prop_Sheet();
    pxBuff(buffering);
    Paint_Progress_Sheet();   // the counters are on the sheet from the start
}

int Is_Progress_Sheet_Open() { return sheet.open && sheet.allowed ? 1 : 0; }

void Close_Progress_Sheet() {
    // A sheet defined while sheets were allowed is removed even when they were disallowed since,
    // so that it never stays on the screen without an owner.
    Undefine_Sheet();
    sheet.open = nullptr;
}

void Paint_Progress_Sheet() {
    if (!sheet.open || !sheet.allowed || !sheet.defined) return;
    const Progress_Description& d = *sheet.open;
    const int area = sheet.area, W = sheet.inner_width;
    Clear_View_Area(area);
    Select_Page_Context(area);
    Set_View_Area_Background(area, sheet.background);
    for (int i = 0; i < Held_Count(d.count); ++i) {
        const Progress_Counter& c = sheet.counters[i];
        const int y = 30 + Row_Pitch * i;
        char label[sizeof d.rows[i].label];
        Copy_Text(label, d.rows[i].label, sizeof d.rows[i].label);
        Set_Page_Font(Label_Font);
        Set_Page_Text_Colour(c.total > 0 ? Nearest_Color_Index(0, 0, 0) : Nearest_Color_Index(120, 120, 120));
        Add_Label(20, y, label, &Page_Enabled);
        if (c.total > 0) Paint_Running_Counter(c, d.rows[i], y, W);
        else Paint_Idle_Counter(y, W);
    }
    Set_View_Area_Activity(area, 1);
    Show_View_Area(area);
}

void Set_Progress_Text(int counter, const char* text) {
    if (!Valid(counter) || !text) return;
    Copy_Text(sheet.counters[counter].text, text, Progress_Text_Size);
    Repaint_When_Shown();
}

void Set_Progress_Total(int counter, int total) {
    if (!Valid(counter)) return;
    sheet.counters[counter].total = total;
    sheet.counters[counter].value = 0;
    Repaint_When_Shown();
}

void Step_Progress(int counter) {
    if (!Valid(counter) || sheet.counters[counter].total <= 0 || sheet.counters[counter].value == INT_MAX) return;
    ++sheet.counters[counter].value;
    Repaint_When_Shown();
}

void Step_Progress_With_Text(int counter, const char* text) {
    if (!Valid(counter)) return;
    if (text) Copy_Text(sheet.counters[counter].text, text, Progress_Text_Size);
    Step_Progress(counter);
}

void Set_Progress_Value(int counter, int value) {
    if (!Valid(counter) || sheet.counters[counter].total <= 0) return;
    sheet.counters[counter].value = value;
    Repaint_When_Shown();
}

int Get_Progress_Value(int counter) { return Valid(counter) ? sheet.counters[counter].value : -1; }

void Hide_Progress_Counter(int counter) {
    if (!Valid(counter)) return;
    sheet.counters[counter].value = 0;
    sheet.counters[counter].total = -1;
    Repaint_When_Shown();
}
