// Small clickable items of the view areas of the main window and its sheets: a bitmap (or none), a
// hot spot with the hand cursor and a tooltip. A click on the hot spot latches the button's value;
// the next build of the page hands the latched value to the caller's int (which the caller then
// reads and clears) and clears the latch. Each caller's int has its own latch, so several buttons on
// one page never answer for each other.
#pragma once

// "act_but.bmp" at (x − 20, y − 9)–(x − 7, y + 4) and, unless no_text is set, the label at (x, y);
// the hot spot covers the bitmap and 6 px per label character. Value 1.
void Add_Action_Button(int area, int x, int y, int* clicked, const char* label, int no_text);
// The same with "work_but.bmp"; the label is always drawn. Value 1.
void Add_Work_Button(int area, int x, int y, int* clicked, const char* label);
// A hot spot without a bitmap over x1..x2, y1..y2; hand cursor and tooltip only with a non-empty
// tooltip. Value 1.
void Add_Hot_Spot_Button(int area, int x1, int y1, int x2, int y2, int* clicked, const char* tooltip);
// "updown_but.bmp" at (x, y − 12)–(x + 15, y + 5): the upper half gives 1, the lower half 2.
void Add_Up_Down_Buttons(int area, int x, int y, int* clicked);
