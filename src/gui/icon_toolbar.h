// The icon toolbar: a row of icon buttons drawn from one sprite bitmap. Run_Icon_Bar follows the
// mouse while it is over the bar, shows the hover picture and, once the mouse rests, a tooltip;
// an entry with a sub-bar unfolds it below; the result is the command code of the entry clicked.
#pragma once

struct Icon_Bar;

// One icon of a bar: its size, the source corners of its four pictures in the sprite bitmap, its
// place relative to the bar's top left corner, whether it reacts, what it returns, its tooltip
// (lines separated by "\n") and a bar that unfolds under it.
struct Icon_Bar_Entry {
    int width = 0, height = 0;
    int normal_x = 0, normal_y = 0;
    int hover_x = 0, hover_y = 0;
    int disabled_x = 0, disabled_y = 0;
    int pressed_x = 0, pressed_y = 0;
    int offset_x = 0, offset_y = 0;
    int enabled = 1;        // above 0 enabled, else always drawn disabled and never reacting
    int command = 0;        // returned when the icon is clicked
    const char* tooltip = nullptr;
    Icon_Bar* sub_bar = nullptr;
};

// A bar: count entries of the caller's array, the bar's screen rectangle (corners included) and
// the sprite bitmap's file name.
struct Icon_Bar {
    int count = 0;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    const char* bitmap = nullptr;
    Icon_Bar_Entry* entries = nullptr;
};

enum Icon_Bar_State { Icon_Normal = 1, Icon_Hover = 2, Icon_Disabled = 3, Icon_Pressed = 4 };

// Draws entry `entry` of the bar with the bar's origin at (x, y) in a state; a disabled entry
// always shows its disabled picture. The picture's RGB 192, 192, 192 is transparent; unless the
// fill is switched off the icon's rectangle is first filled with the host's face colour.
void Draw_Icon_Bar_Entry_State(int x, int y, int entry, const Icon_Bar* bar, int state);
// The same in the normal state, or the disabled one for an entry not enabled.
void Draw_Icon_Bar_Entry(int x, int y, int entry, const Icon_Bar* bar);
// Draws every entry at the bar's (x1, y1); the number drawn.
int Draw_Icon_Bar(const Icon_Bar* bar);
// Nonzero (the default) fills an icon's rectangle before its picture is drawn.
void Set_Icon_Bar_Frame_Flag(int value);

// Follows the mouse over the bar until it leaves or an entry is clicked: the command code of the
// clicked entry, or 0. The host's timer message is on while it runs and set back as it was found.
int Run_Icon_Bar(Icon_Bar* bar);
