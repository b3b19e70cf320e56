// The dialog "Ausdrucksteuerung" of the print settings: which parts the report holds, how detailed
// its results are, the scale of the sketches and the preliminary remarks.
#pragma once

#include "frame/print_settings.h"

// Set to 1 by the action button "Vorbemerkungen" when it was clicked; Edit_Preliminary_Remarks
// clears it.
extern int Remarks_Button_Flag;
// Number of line breaks in the remarks, shown beside the remarks button as "(%d Zeilen)".
extern int Remarks_Line_Count;

// Runs the dialog (370 x 585 px around the centre where it was last left, the screen centre the
// first time). Every item is bound to the settings, so a change is kept whichever button ends it.
// Result: 0.
int Edit_Print_Settings(Print_Settings* settings);

// Fills the dialog's view area with its items.
void Draw_Print_Settings_Page(Print_Settings* settings, int area);

// When the remarks button was clicked: runs the comment editor on the remarks (a text under 5
// characters leaves none) and returns 1; else 0. Either way, lines of more than 110 characters are
// broken at the last blank among their first 110 characters and Remarks_Line_Count is updated.
int Edit_Preliminary_Remarks(Print_Settings* settings);
