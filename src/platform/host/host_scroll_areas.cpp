// Scrollable areas of the property sheets and their sliders.
#include <algorithm>
#include <cmath>
#include <string>

#include "platform/host/host_drawing.h"
#include "platform/host/host_events.h"
#include "platform/host/host_input.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/host_sheets.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Periodic_Bit = 0x40000000;
constexpr int Pointer_Events = 0x1 | 0x4 | 0x20;
constexpr int Strip = 17;            // the slider's strip and the arrow boxes, pixels
constexpr int Least_Thumb = 10;
constexpr int Repeat_Period = 100;   // ms between the steps of a held arrow or track
constexpr int Track_Colour = 0xECE9D8;

// Visible size and scroll range of an area along one axis.
int Visible(const Sheet_Element& a, bool vertical) { return vertical ? a.rect.y2 - a.rect.y1 : a.rect.x2 - a.rect.x1; }

int Range(const Sheet_Element& a, bool vertical) {
    return std::max(0, (vertical ? a.content_height : a.content_width) - Visible(a, vertical));
}

void Clamp_Origin(Sheet_Element& a) {
    a.origin_x = std::clamp(a.origin_x, 0, Range(a, false));
    a.origin_y = std::clamp(a.origin_y, 0, Range(a, true));
}

Sheet_Element* Area(int handle, Prop_Sheet** sheet = nullptr) {
    Sheet_Element* e = Find_Element(handle, sheet);
    return e && e->kind == Sheet_Element::Scroll_Area ? e : nullptr;
}

Sheet_Element* Slider(int handle) {
    Sheet_Element* e = Find_Element(handle);
    return e && e->kind == Sheet_Element::Slider ? e : nullptr;
}

// The track of a slider (between its arrow boxes) along its axis, in screen pixels, and its thumb.
struct Slider_Parts {
    Screen_Rect strip, before_box, after_box;
    int track1, track2;   // along the axis
    int thumb1, thumb2;   // along the axis; thumb1 > thumb2 without a thumb
};

Slider_Parts Parts(const Prop_Sheet& s, const Sheet_Element& area, const Sheet_Element& slider) {
    Slider_Parts p{};
    p.strip = On_Screen(s, Slider_Strip(area, slider.vertical));
    const Screen_Rect& r = p.strip;
    if (slider.vertical) {
        p.before_box = {r.x1, r.y1, r.x2, r.y1 + Strip - 1};
        p.after_box = {r.x1, r.y2 - Strip + 1, r.x2, r.y2};
        p.track1 = r.y1 + Strip;
        p.track2 = r.y2 - Strip;
    } else {
        p.before_box = {r.x1, r.y1, r.x1 + Strip - 1, r.y2};
        p.after_box = {r.x2 - Strip + 1, r.y1, r.x2, r.y2};
        p.track1 = r.x1 + Strip;
        p.track2 = r.x2 - Strip;
    }
    const int length = p.track2 - p.track1 + 1;
    const int content = slider.vertical ? area.content_height : area.content_width;
    const int visible = Visible(area, slider.vertical);
    const int range = Range(area, slider.vertical);
    p.thumb1 = 1;
    p.thumb2 = 0;
    if (slider.activity <= 0 || range <= 0 || length <= 0 || content <= 0) return p;
    const int thumb = std::clamp(static_cast<int>(static_cast<long long>(length) * visible / content), std::min(Least_Thumb, length), length);
    const int origin = slider.vertical ? area.origin_y : area.origin_x;
    p.thumb1 = p.track1 + static_cast<int>(static_cast<long long>(length - thumb) * origin / range);
    p.thumb2 = p.thumb1 + thumb - 1;
    return p;
}

void Arrow_Box(const Screen_Rect& r, bool vertical, bool before, bool on) {
    Fill_Rect(r, Face_Colour);
    Frame_3D(r, true, 2);
    const int ink = on ? Text_Colour : Grey_Text_Colour;
    if (vertical && before) Draw_Rows(r.x1 + 5, r.y1 + 6, {0x1000, 0x3800, 0x7C00, 0xFE00}, ink);
    else if (vertical) Draw_Rows(r.x1 + 5, r.y1 + 7, {0xFE00, 0x7C00, 0x3800, 0x1000}, ink);
    else if (before) Draw_Rows(r.x1 + 6, r.y1 + 5, {0x1000, 0x3000, 0x7000, 0xF000, 0x7000, 0x3000, 0x1000}, ink);
    else Draw_Rows(r.x1 + 7, r.y1 + 5, {0x8000, 0xC000, 0xE000, 0xF000, 0xE000, 0xC000, 0x8000}, ink);
}

// Scrolls the area to the origin (held in its range); paints it when the origin changed.
void Scroll_To(int handle, int origin_x, int origin_y) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* a = Area(handle, &s);
    if (!a) return;
    const int ox = a->origin_x, oy = a->origin_y;
    a->origin_x = origin_x;
    a->origin_y = origin_y;
    Clamp_Origin(*a);
    if ((a->origin_x != ox || a->origin_y != oy) && a->activity > 0) Paint_Scroll_Area(*s, *a);
}

void Scroll_By(int handle, bool vertical, int step) {
    const Sheet_Element* a = Area(handle);
    if (!a) return;
    Scroll_To(handle, a->origin_x + (vertical ? 0 : step), a->origin_y + (vertical ? step : 0));
}

// Repeats a step every 100 ms of the clock while the button stays down.
void Repeat_While_Held(int handle, bool vertical, int step) {
    Scroll_By(handle, vertical, step);
    while (M_LEFT) {
        const int r = Host_Wait(Pointer_Events, Repeat_Period, nullptr);
        if (r == 0) break;
        if (r == Periodic_Bit) Scroll_By(handle, vertical, step);
    }
}

}  // namespace

Screen_Rect Slider_Strip(const Sheet_Element& area, bool vertical) {
    const Screen_Rect& r = area.rect;
    return vertical ? Screen_Rect{r.x2 + 1, r.y1, r.x2 + Strip, r.y2} : Screen_Rect{r.x1, r.y2 + 1, r.x2, r.y2 + Strip};
}

void Draw_Slider(const Prop_Sheet& s, const Sheet_Element& slider) {
    const Sheet_Element* area = Find_Element(slider.area);
    if (!area) return;
    const Slider_Parts p = Parts(s, *area, slider);
    const Widget_Drawing plain;
    Fill_Rect(p.strip, Track_Colour);
    const bool on = slider.activity > 0 && Range(*area, slider.vertical) > 0;
    Arrow_Box(p.before_box, slider.vertical, true, on);
    Arrow_Box(p.after_box, slider.vertical, false, on);
    if (p.thumb1 > p.thumb2) return;
    const Screen_Rect thumb = slider.vertical ? Screen_Rect{p.strip.x1, p.thumb1, p.strip.x2, p.thumb2}
                                              : Screen_Rect{p.thumb1, p.strip.y1, p.thumb2, p.strip.y2};
    Fill_Rect(thumb, Face_Colour);
    Frame_3D(thumb, true, 2);
}

void Paint_Scroll_Area(const Prop_Sheet& s, const Sheet_Element& area) {
    const Screen_Rect r = On_Screen(s, area.rect);
    const int handle = area.handle, user = area.user, ox = area.origin_x, oy = area.origin_y;
    const Scrollable_Area_Painter paint = area.paint;
    const bool clip = area.clip;
    if (area.frame) {
        const Widget_Drawing plain;
        Frame_Rect({r.x1 - 1, r.y1 - 1, r.x2 + 1, r.y2 + 1}, Shadow_Colour);
    }
    if (paint) {
        int c1 = 0, c2 = 0, c3 = 0, c4 = 0;
        pxQVwp(&c1, &c2, &c3, &c4);
        if (clip) pxView(r.x1, r.y1, r.x2, r.y2);
        paint(handle, ox, oy, r.x1, r.y1, r.x2, r.y2, user);
        pxView(c1, c2, c3, c4);
    }
    // The callback may have changed the sheet's elements: look the sliders up afresh.
    Prop_Sheet* owner = nullptr;
    const Sheet_Element* a = Area(handle, &owner);
    if (!a) return;
    for (const int h : {a->vslider, a->hslider})
        if (const Sheet_Element* slider = Slider(h)) Draw_Slider(*owner, *slider);
}

bool Wheel_Over_Areas(Prop_Sheet& s, int x, int y, int notches) {
    for (const Sheet_Element& a : s.elements) {
        if (a.kind != Sheet_Element::Scroll_Area || a.activity <= 0 || !Contains(On_Screen(s, a.rect), x, y)) continue;
        const Sheet_Element* slider = Slider(a.vslider);
        if (!slider || slider->activity <= 0) continue;
        const double step = std::max(1.0, std::round(slider->speed * Visible(a, true)));
        const double target = a.origin_y - std::clamp(static_cast<double>(notches), -1e6, 1e6) * step;
        Scroll_To(a.handle, a.origin_x, static_cast<int>(std::clamp(target, -1e9, 1e9)));
        return true;
    }
    return false;
}

void Press_Slider(Prop_Sheet& s, int slider_handle, int x, int y) {
    const Sheet_Element* slider = Slider(slider_handle);
    const Sheet_Element* area = slider ? Area(slider->area) : nullptr;
    if (!area || Range(*area, slider->vertical) <= 0) return;
    const int handle = area->handle;
    const bool vertical = slider->vertical;
    const Slider_Parts p = Parts(s, *area, *slider);
    const int at = vertical ? y : x;
    const int step = std::max(1, vertical ? area->step_y : area->step_x);
    const int page = std::max(step, Visible(*area, vertical) - step);
    if (Contains(p.before_box, x, y)) return Repeat_While_Held(handle, vertical, -step);
    if (Contains(p.after_box, x, y)) return Repeat_While_Held(handle, vertical, step);
    if (p.thumb1 > p.thumb2) return;
    if (at < p.thumb1) return Repeat_While_Held(handle, vertical, -page);
    if (at > p.thumb2) return Repeat_While_Held(handle, vertical, page);
    // The thumb follows the pointer: a pixel of track is range / (track less thumb) of content.
    const int free_track = std::max(1, (p.track2 - p.track1) - (p.thumb2 - p.thumb1));
    const int range = Range(*area, vertical);
    const int start = vertical ? area->origin_y : area->origin_x;
    while (M_LEFT && Host_Wait(Pointer_Events, 0, nullptr) != 0) {
        const long long moved = static_cast<long long>((vertical ? M_YPOS : M_XPOS) - at) * range / free_track;
        const int origin = static_cast<int>(std::clamp(start + moved, -1000000000LL, 1000000000LL));
        const Sheet_Element* a = Area(handle);
        if (!a) return;
        Scroll_To(handle, vertical ? a->origin_x : origin, vertical ? origin : a->origin_y);
    }
}

int Add_Scrollable_Area_to_PS(int x1, int y1, int x2, int y2, int active, int frame, int step_x, int step_y,
                              Scrollable_Area_Painter paint, int user, int clip) {
    Sheet_Element e;
    e.kind = Sheet_Element::Scroll_Area;
    e.rect = Held_Rect(x1, y1, x2, y2);
    e.activity = active;
    e.frame = frame == 1;
    e.step_x = std::clamp(step_x, 1, 1000000);
    e.step_y = std::clamp(step_y, 1, 1000000);
    e.paint = paint;
    e.user = user;
    e.clip = clip != 0;
    return Add_Element(std::move(e));
}

namespace {

int Add_Slider(int area, bool vertical) {
    if (!Area(area)) return -1;
    Sheet_Element e;
    e.kind = Sheet_Element::Slider;
    e.area = area;
    e.vertical = vertical;
    const int handle = Add_Element(std::move(e));
    if (Sheet_Element* a = Area(area)) (vertical ? a->vslider : a->hslider) = handle;
    return handle;
}

void Set_Speed(int slider, double speed) {
    if (Sheet_Element* e = Slider(slider); e && std::isfinite(speed) && speed > 0) e->speed = std::min(speed, 1.0);
}

}  // namespace

int Add_VSlider_to_Scrollable_Area(int area, int, int, int, int) { return Add_Slider(area, true); }

int Add_HSlider_to_Scrollable_Area(int area, int, int, int, int) { return Add_Slider(area, false); }

void Set_VSlider_Speed(int slider, double speed) { Set_Speed(slider, speed); }

void Set_HSlider_Speed(int slider, double speed) { Set_Speed(slider, speed); }

void Set_Scrollable_Area_PS(int area, int origin_x, int origin_y) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* a = Area(area, &s);
    if (!a) return;
    a->origin_x = origin_x;
    a->origin_y = origin_y;
    Clamp_Origin(*a);
    if (a->activity > 0) Paint_Scroll_Area(*s, *a);
}

void Resize_Origin_of_Scrollable_Area_PS(int area, int content_width, int content_height) {
    Sheet_Element* a = Area(area);
    if (!a) return;
    a->content_width = std::clamp(content_width, 0, 100000000);
    a->content_height = std::clamp(content_height, 0, 100000000);
    Clamp_Origin(*a);
}

void Inquire_Scrollable_Area_PS(int area, int* origin_x, int* origin_y) {
    const Sheet_Element* a = Area(area);
    if (origin_x) *origin_x = a ? a->origin_x : 0;
    if (origin_y) *origin_y = a ? a->origin_y : 0;
}

void Set_Scrollable_Area_PS_Frameflag(int area, int flag) {
    if (Sheet_Element* a = Area(area)) a->frame = flag == 1;
}

void Reshape_Scrollable_Area_PS(int area, int x1, int y1, int x2, int y2, int, int, int, int) {
    Prop_Sheet* s = nullptr;
    Sheet_Element* a = Area(area, &s);
    if (!a) return;
    a->rect = Held_Rect(static_cast<long long>(x1) - s->dx, static_cast<long long>(y1) - s->dy,
                        static_cast<long long>(x2) - s->dx, static_cast<long long>(y2) - s->dy);
    Clamp_Origin(*a);
    if (a->activity > 0) Paint_Scroll_Area(*s, *a);
}
