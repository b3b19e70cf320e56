// The stack of property sheets and their elements, shared by the sheet editor, the scrollable areas
// and the message boxes of the host stand-in; not for callers outside src/platform/host.
#pragma once

#include <string>
#include <vector>

#include "platform/host/host_sheets.h"
#include "platform/host/screen_raster.h"

// A radio button of a sheet: a click on its circle or its connected text stores its value into the
// caller's int and returns its code.
struct Alternative_Choice {
    int* bound = nullptr;
    int value = 0;
    std::string label;
    int label_x = 0, label_y = 0;   // on the sheet as defined; the text's baseline
    int label_font = 0, label_colour = 0, label_alignment = 0;
};

struct Sheet_Element {
    enum Kind { Button, Help, Register, Escape_Area, Scroll_Area, Slider, Float_Field, Alternative } kind = Button;
    int handle = 0;
    Screen_Rect rect{0, 0, -1, -1};   // where it lies on the sheet as defined
    int code = 0;
    int activity = 1;
    // Button, Help
    std::string text, comment, help_key;
    int raster = 0;
    int action_state = 0;               // not 0: the button stays shown pressed
    std::vector<unsigned char> face;    // its look snapped from the screen (pxSvRc), empty for none
    // Escape area
    bool move_events = false;
    // Register
    struct Member {
        int x1, x2, code;
    };
    std::vector<Member> members;
    int selected = 0;   // member number, 0 none
    int tab_height = 0;
    // Scrollable area
    Scrollable_Area_Painter paint = nullptr;
    int user = 0;
    int content_width = 0, content_height = 0;
    int origin_x = 0, origin_y = 0;
    int step_x = 10, step_y = 10;
    bool frame = false, clip = true;
    int vslider = 0, hslider = 0;
    // Slider
    int area = 0;
    bool vertical = true;
    double speed = 0.1;
    // Number field: the caller's double shown in a printf format in a box of `chars` characters;
    // with step arrows it keeps within low and high.
    double* value = nullptr;
    std::string format;
    int chars = 1;
    bool stepped = false;
    double low = 0.0, step = 1.0, high = 0.0;
    // Alternative (a radio button): the caller's int, the value it stores, the text connected to it
    Alternative_Choice choice;
};

struct Prop_Sheet {
    int depth = 0;
    Screen_Rect rect{0, 0, -1, -1};   // as defined
    bool framed = true, title_bar = false, close_box = false;
    std::string title;
    int title_font = 0;
    std::vector<unsigned char> under;   // the screen under it (pxSvRc)
    std::vector<Sheet_Element> elements;
    bool has_ok = false, has_break = false;
    int ok_code = 0, break_code = 0;
    bool float_auto = false;
    bool click_outside = false;   // Set_ClickOutsideEvent_to_PS
    int click_outside_code = 0;
    bool activated = false;
    int dx = 0, dy = 0;                  // displacement
    int* out_dx = nullptr;
    int* out_dy = nullptr;
};

// A coordinate given by a caller, held within a million pixels of the screen so that sizes and
// displacements added to it stay in range.
inline int Held(long long v) { return static_cast<int>(v < -1000000 ? -1000000 : v > 1000000 ? 1000000 : v); }
inline Screen_Rect Held_Rect(long long x1, long long y1, long long x2, long long y2) {
    return Normalised(Held(x1), Held(y1), Held(x2), Held(y2));
}

// The topmost sheet, null for none.
Prop_Sheet* Top_Sheet();
// An element of any sheet by handle, with the sheet it lies on; null for an unknown handle.
Sheet_Element* Find_Element(int handle, Prop_Sheet** sheet = nullptr);
// Adds an element to the topmost sheet; its handle, -1 without a sheet.
int Add_Element(Sheet_Element element);
// A rectangle of a sheet where it now lies on the screen.
// Draws a button or help button of the sheet as it stands (pressed while its action state is set).
void Redraw_Sheet_Button(const Prop_Sheet& sheet, const Sheet_Element& button);

Screen_Rect On_Screen(const Prop_Sheet& sheet, const Screen_Rect& r);
bool Contains(const Screen_Rect& r, int x, int y);
// Whether the topmost sheet's float editors select their text at opening.
bool Top_Sheet_Float_Auto();

// Number fields (host_sheet_fields.cpp): drawing, and a press on a field or its arrows. A press that
// hit them gives true with the field's code (0: the sheet goes on waiting).
void Draw_Float_Field(const Prop_Sheet& sheet, const Sheet_Element& field);
bool Press_Float_Field(const Prop_Sheet& sheet, Sheet_Element& field, int x, int y, int& code);

// Scrollable areas (host_scroll_areas.cpp): painting with the sliders, the wheel over an area, a
// press on a slider (handled until the button is released).
void Paint_Scroll_Area(const Prop_Sheet& sheet, const Sheet_Element& area);
void Draw_Slider(const Prop_Sheet& sheet, const Sheet_Element& slider);
bool Wheel_Over_Areas(Prop_Sheet& sheet, int x, int y, int notches);
void Press_Slider(Prop_Sheet& sheet, int slider_handle, int x, int y);
// Radio buttons (host_sheet_choices.cpp): drawing, and a press on the circle or the connected text
// (true with the code when the button took the click and has a code).
void Draw_Alternative(const Prop_Sheet& sheet, const Sheet_Element& button);
bool Press_Alternative(Prop_Sheet& sheet, Sheet_Element& button, int x, int y, int& code);

// The strip of a slider on the sheet as defined.
Screen_Rect Slider_Strip(const Sheet_Element& area, bool vertical);
