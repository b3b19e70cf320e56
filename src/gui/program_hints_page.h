// A page that tells how many of the four program hints the user has switched off and offers one
// button that switches them all on again.
#pragma once

// One switch per program hint: 1 shows the hint, 0 means the user has switched it off.
using Program_Hint_Switches = int[4];

// Builds the page into the view area for a page `width` pixels wide. A click on the button sets all
// four switches to 1 at the next build.
void Draw_Program_Hints_Page(int area, int* switches, int width);

// Kept beside the page for callers that expect a hook of the group; it does nothing.
void Program_Hints_No_Operation();
