// The flag of the active annex on the screen, and the older names under which programs reach the
// annex sheets and the flag.
#pragma once

// Draws the flag of the active annex's country type with its top left corner at (x, y), 25 x 19 px,
// as the selection sheet's list draws it. A type outside the picture (below 0 or above 19, as a
// user annex file may carry) takes the flag of a local definition.
void NAD_Draw_Active_Flag(int x, int y);

// Older names, each forwarding to the operation it is named after.
int NAD_Show_Selection_Sheet_Old_1();
int NAD_Show_Selection_Sheet_Old_2();
void NAD_Draw_Active_Flag_Old_1(int x, int y);
void NAD_Draw_Active_Flag_Old_2(int x, int y);
