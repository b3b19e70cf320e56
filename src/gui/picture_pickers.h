// Picture pickers: small pop-up sheets from which the user picks one of n pictures, a row or a
// column of buttons cut from one bitmap strip, opened with a short zoom from the place that asked.
// Also the ready-made "optische Kontrolle" button and the zoom itself.
#pragma once

// A modal pick. (anchor_x, anchor_y) is where the zoom starts, (x, y) the sheet's wished top left
// corner (moved onto the screen). The heading stands above n buttons of w x h pixels; comments[j - 1]
// is button j's tooltip (and, in the column form, its label left of it). The bitmap strip, its light
// grey 192, 192, 192 transparent, is drawn over all buttons and gives them their look. Result: the
// chosen button 1 to n, 99 for a click outside the buttons or outside the sheet, -1 for anything
// else. Each form remembers where the mouse was left, relative to the sheet, and puts it there next
// time (on the first button the first time).
int Run_Picture_Picker_Row(int anchor_x, int anchor_y, int x, int y, const char* heading, int w, int h, int n,
                           const char* const* comments, const char* bitmap);
int Run_Picture_Picker_Column(int anchor_x, int anchor_y, int x, int y, const char* heading, int w, int h, int n,
                              const char* const* comments, const char* bitmap);

// A 35 x 20 px button at (x, y) with the tooltip "optische Kontrolle", returning code; its handle.
int Add_Visual_Check_Button(int x, int y, int code);

// A rectangle outline zooming from the first rectangle to the second in 7 frames of 10 ms, drawn
// inverted and removed again, so the screen is left as it was.
void Animate_Rectangle_Zoom(int fx1, int fy1, int fx2, int fy2, int tx1, int ty1, int tx2, int ty2);
