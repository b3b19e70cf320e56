#include "gui/view_areas.h"

#include <algorithm>
#include <cstdio>

#include "platform/host/host_library.h"

std::array<Scrollable_View_Area, View_Area_Slots> Scrollable_View_Areas;
Sheet_Short_Key_Settings_Record Sheet_Short_Key_Settings;

namespace {

constexpr int Scroll_Steps = 10;
constexpr int Scroll_Step_Pause_Ms = 30;

bool first_creation_done = false;
int default_background = 0;

// The area of a number, null for a number outside the table or a free slot.
Scrollable_View_Area* Area(int area) {
    if (area < 0 || area >= View_Area_Slots) return nullptr;
    Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    return a.handle < 0 ? nullptr : &a;
}

// A short-key setting counts when the host has it and it reads as one integer.
int Read_Short_Key(const char* name) {
    char text[21] = {};
    int value = 0;
    if (VEKGetUserString(name, text, sizeof text) && std::sscanf(text, "%d", &value) == 1) return value;
    return 0;
}

void Fetch_Process_Settings() {
    if (first_creation_done) return;
    first_creation_done = true;
    default_background = Nearest_RGB_Color(255, 251, 240);
    Sheet_Short_Key_Settings.break_key = Read_Short_Key("UseSheetBreakShortKey");
    Sheet_Short_Key_Settings.ok_key = Read_Short_Key("UseSheetOkShortKey");
    Sheet_Short_Key_Settings.help_key = Read_Short_Key("UseSheetHelpShortKey");
    Sheet_Short_Key_Settings.jump = Read_Short_Key("UseSheetJumpShortKey");
}

// The first free slot, or -1 with the message.
int Free_Slot() {
    for (int k = 0; k < View_Area_Slots; ++k)
        if (Scrollable_View_Areas[static_cast<std::size_t>(k)].handle < 0) return k;
    std::fputs("maximale Anzahl Scrollable_View_Areas erreicht\n", stdout);
    return -1;
}

// A fresh slot: default background, frame, nothing shown, active unless told otherwise.
Scrollable_View_Area Fresh_Area(int handle, int activity) {
    Scrollable_View_Area a;
    a.background = default_background;
    a.handle = handle;
    a.activity = activity;
    return a;
}

void Paint_Callback(int, int origin_x, int origin_y, int x1, int y1, int x2, int y2, int slot) {
    const Scrollable_View_Area* a = Area(slot);
    if (a && a->activity == 1) Paint_View_Area(origin_x, origin_y, x1, y1, x2, y2, slot);
}

// The library area and its sliders over the slot's rectangle.
void Create_Library_Area(int slot, int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider) {
    Scrollable_View_Area a = Fresh_Area(0, 1);
    a.x1 = x1;
    a.y1 = y1;
    a.x2 = vertical_slider ? x2 - View_Area_Slider_Strip : x2;
    a.y2 = horizontal_slider ? y2 - View_Area_Slider_Strip : y2;
    a.handle = Add_Scrollable_Area_to_PS(a.x1, a.y1, a.x2, a.y2, 1, 0, 10, 10, Paint_Callback, slot, 1);
    if (vertical_slider) {
        a.vslider = Add_VSlider_to_Scrollable_Area(a.handle, 5, 10, -1, 0);
        Set_VSlider_Speed(a.vslider, 0.1);
    }
    if (horizontal_slider) {
        a.hslider = Add_HSlider_to_Scrollable_Area(a.handle, 5, 10, -1, 0);
        Set_HSlider_Speed(a.hslider, 0.1);
    }
    Scrollable_View_Areas[static_cast<std::size_t>(slot)] = std::move(a);
}

void Read_Origin_Back(Scrollable_View_Area& a) {
    Inquire_Scrollable_Area_PS(a.handle, &a.origin_x, &a.origin_y);
}

void Empty(Scrollable_View_Area& a) {
    if (a.activity != 0) Read_Origin_Back(a);
    a.items.clear();
    a.items.shrink_to_fit();
    a.content_width = 0;
    a.content_height = 0;
}

int Width(const Scrollable_View_Area& a) { return a.x2 - a.x1; }
int Height(const Scrollable_View_Area& a) { return a.y2 - a.y1; }
int Range_X(const Scrollable_View_Area& a) { return std::max(0, a.content_width - Width(a)); }
int Range_Y(const Scrollable_View_Area& a) { return std::max(0, a.content_height - Height(a)); }

void Put(int* target, int value) {
    if (target) *target = value;
}

}  // namespace

Scrollable_View_Area* View_Area_Of(int area) { return Area(area); }

int Create_Scrollable_View_Area(int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider) {
    Fetch_Process_Settings();
    const int slot = Free_Slot();
    if (slot >= 0) Create_Library_Area(slot, x1, y1, x2, y2, horizontal_slider, vertical_slider);
    return slot;
}

void Show_View_Area(int area) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    Resize_Origin_of_Scrollable_Area_PS(a->handle, a->content_width, a->content_height);
    Set_Scrollable_Area_PS(a->handle, a->origin_x, a->origin_y);
    Read_Origin_Back(*a);
    if (a->vslider) Change_Activity_PS(a->vslider, Height(*a) < a->content_height ? 1 : -1);
    if (a->hslider) Change_Activity_PS(a->hslider, Width(*a) < a->content_width ? 1 : -1);
    Change_Activity_PS(a->handle, 1);
}

void Clear_View_Area(int area) {
    if (Scrollable_View_Area* a = Area(area)) Empty(*a);
}

void Release_View_Area(int area) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    Empty(*a);
    a->handle = -1;
}

void Set_View_Area_Activity(int area, int value) {
    Scrollable_View_Area* a = Area(area);
    if (!a || a->activity == value) return;
    a->activity = value;
    if (a->vslider) Change_Activity_PS(a->vslider, value);
    if (a->hslider) Change_Activity_PS(a->hslider, value);
    Change_Activity_PS(a->handle, value);
}

void Set_View_Area_Background(int area, int colour) {
    if (Scrollable_View_Area* a = Area(area)) a->background = colour;
}

int Get_View_Area_Background(int area) {
    const Scrollable_View_Area* a = Area(area);
    return a ? a->background : -1;
}

void Set_View_Area_Frame(int area, int flag) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    a->frame = flag;
    Set_Scrollable_Area_PS_Frameflag(a->handle, flag);
}

void Inquire_View_Area_Size(int area, int* width, int* height) {
    const Scrollable_View_Area* a = Area(area);
    Put(width, a ? Width(*a) : 0);
    Put(height, a ? Height(*a) : 0);
}

void Scroll_View_Area_To_Rectangle(int area, int x1, int y1, int x2, int y2) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    const int W = Width(*a), H = Height(*a);
    const int left = std::max(0, x1), top = std::max(0, y1);
    const int right = std::min(x2, a->content_width), bottom = std::min(y2, a->content_height);
    if (left >= a->origin_x && right <= a->origin_x + W && top >= a->origin_y && bottom <= a->origin_y + H) return;
    int target_x = left < a->origin_x || right - left >= W ? left : right - W;
    int target_y = bottom - top < H && top >= a->origin_y ? bottom - H : top;
    // Held within the scroll range; a content smaller than the area has the range 0, never a
    // negative origin.
    target_x = std::clamp(target_x, 0, Range_X(*a));
    target_y = std::clamp(target_y, 0, Range_Y(*a));
    const long long start_x = a->origin_x, start_y = a->origin_y;
    for (int k = 1; k <= Scroll_Steps; ++k) {
        a->origin_x = static_cast<int>(start_x + k * (target_x - start_x) / Scroll_Steps);
        a->origin_y = static_cast<int>(start_y + k * (target_y - start_y) / Scroll_Steps);
        Show_View_Area(area);
        VEKSleep(Scroll_Step_Pause_Ms);
    }
}

int Reserve_View_Area_Slot() {
    Fetch_Process_Settings();
    const int slot = Free_Slot();
    if (slot >= 0) Scrollable_View_Areas[static_cast<std::size_t>(slot)] = Fresh_Area(Reserved_View_Area, 0);
    return slot;
}

int Create_Reserved_View_Area(int slot, int x1, int y1, int x2, int y2, int horizontal_slider, int vertical_slider) {
    const Scrollable_View_Area* a = Area(slot);
    if (!a || a->handle != Reserved_View_Area) return 0;
    Create_Library_Area(slot, x1, y1, x2, y2, horizontal_slider, vertical_slider);
    return slot;
}

void Release_All_View_Areas() {
    for (Scrollable_View_Area& a : Scrollable_View_Areas) {
        if (a.handle >= 0 && a.handle != Reserved_View_Area) Empty(a);
        a.handle = -1;
    }
}

void Reshape_View_Area(int area, int x1, int y1, int x2, int y2) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    Reshape_Scrollable_Area_PS(a->handle, x1, y1, x2, y2, 5, 10, 5, 10);
    int dx = 0, dy = 0;
    Inquire_Prop_Sheet_Displacement(&dx, &dy);
    a->x1 = x1 - dx;
    a->y1 = y1 - dy;
    a->x2 = x2 - dx;
    a->y2 = y2 - dy;
}

void Set_View_Area_Esc_Action(int area, int value, int* target) {
    if (Scrollable_View_Area* a = Area(area)) a->esc_action = {value, target};
}

void Set_View_Area_Enter_Action(int area, int value, int* target) {
    if (Scrollable_View_Area* a = Area(area)) a->enter_action = {value, target};
}

void Set_View_Area_Help_Action(int area, int value, int* target) {
    if (Scrollable_View_Area* a = Area(area)) a->help_action = {value, target};
}

void Set_View_Area_Key_Return(int area, int flag) {
    if (Scrollable_View_Area* a = Area(area)) a->key_return = flag;
}

void Set_View_Area_Right_Click_Return(int area, int flag) {
    if (Scrollable_View_Area* a = Area(area)) a->right_click_return = flag;
}

void Set_View_Area_Stop_Flag(int area, int* flag) {
    if (Scrollable_View_Area* a = Area(area)) a->stop_flag = flag;
}

void Set_View_Area_Wait_Region(int area, int x1, int y1, int x2, int y2) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    a->wait_region_on = 1;
    a->wait_x1 = x1;
    a->wait_y1 = y1;
    a->wait_x2 = x2;
    a->wait_y2 = y2;
}

void Set_View_Area_Scroll_Fractions(int area, double fx, double fy) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    if (a->hslider && fx >= 0) a->origin_x = static_cast<int>(std::min(fx, 1.0) * Range_X(*a));
    if (a->vslider && fy >= 0) a->origin_y = static_cast<int>(std::min(fy, 1.0) * Range_Y(*a));
}

void Get_View_Area_Scroll_Fractions(int area, double* fx, double* fy) {
    const Scrollable_View_Area* a = Area(area);
    const auto fraction = [](int origin, int range, int slider) { return slider && range > 0 ? static_cast<double>(origin) / range : 0.0; };
    if (fx) *fx = a ? fraction(a->origin_x, Range_X(*a), a->hslider) : 0.0;
    if (fy) *fy = a ? fraction(a->origin_y, Range_Y(*a), a->vslider) : 0.0;
}

void Scroll_View_Area_By(int area, int* dx, int* dy) {
    Scrollable_View_Area* a = Area(area);
    if (!a) return;
    Read_Origin_Back(*a);
    const auto move = [](int& origin, int range, int slider, int* step) {
        if (!step) return;
        if (!slider) {
            *step = 0;
            return;
        }
        const long long wanted = static_cast<long long>(origin) + *step;
        const int held = static_cast<int>(std::clamp<long long>(wanted, 0, range));
        *step = held - origin;
        origin = held;
    };
    move(a->origin_x, Range_X(*a), a->hslider, dx);
    move(a->origin_y, Range_Y(*a), a->vslider, dy);
}

void Get_View_Area_Scroll_Origin(int area, int* x, int* y) {
    const Scrollable_View_Area* a = Area(area);
    Put(x, 0);
    Put(y, 0);
    if (a) Inquire_Scrollable_Area_PS(a->handle, x, y);
}

void Refresh_View_Area_Scroll_Origin(int area) {
    if (Scrollable_View_Area* a = Area(area)) Read_Origin_Back(*a);
}

void Get_View_Area_Screen_Origin(int area, int* x, int* y) {
    const Scrollable_View_Area* a = Area(area);
    int dx = 0, dy = 0;
    if (a) Inquire_Prop_Sheet_Displacement(&dx, &dy);
    Put(x, a ? a->x1 + dx : 0);
    Put(y, a ? a->y1 + dy : 0);
}

void Get_View_Area_Content_Size(int area, int* width, int* height) {
    const Scrollable_View_Area* a = Area(area);
    Put(width, a ? a->content_width : 0);
    Put(height, a ? a->content_height : 0);
}
