// The sheet "Nationale Anwendungsdokumente": the list of the built-in and the user annexes with their
// country flags, the choice of the active annex and the start of the annex editor.
#pragma once

// Runs the sheet (290 x 289 px, reopened where it was last left). OK prepares the chosen annex,
// break makes the annex of entry active again and prepares it. Result: that of preparing the
// active annex (1 when its annex file was read).
int NAD_Show_Selection_Sheet();

// Fills the sheet's list area: one row of flag and name per annex, the active one framed in white.
void NAD_Paint_Annex_List(int area);

// Painter of a list row: the flag of the country type (passed as the painter's data) at (x1, y1).
void NAD_Paint_Annex_Flag(int x1, int y1, int x2, int y2, void* country_type);

// Draws the flag of a country number (20 and above: the flag of a local definition) into the
// rectangle with the drawing mode.
void NAD_Draw_Country_Flag(int x1, int y1, int x2, int y2, int mode, int country);
