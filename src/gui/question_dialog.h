// A small modal question dialog whose content a callback lays out on a view area, and the panels a
// view area can show beside it: a utilisation bar and the information about an import of internal
// forces.
#pragma once

// Adds the content's items to the area; x is the left margin, *y the vertical position to go on from
// (20 at the start of each pass).
using Question_Content = void (*)(int area, int x, int* y, void* datum);

// Sheet codes of the dialog.
inline constexpr int Question_Break_Code = 1;
inline constexpr int Question_Ok_Code = 2;
inline constexpr int Question_Content_Code = 20;

// A centred sheet over a view area of width × height pixels: titled "Nachfrage" with a break and an
// OK button (modes 0 and 1; mode 1 puts the mouse on OK, mode 0 on break) or "Info" with a break
// button only (mode 2 and above); with a help key a help button between them. Each pass clears the
// area and lets the content add its items; clicks into the area go to the area's event handling. The
// sheet's position after a move is kept for the next call. 1 OK, 0 break.
int Run_Question_Dialog(int mode, int width, int height, const char* help_key, void* datum, Question_Content content);

// A bar of 100 × 10 pixels whose bottom left corner is (x, y): light grey, framed, filled from the
// left by the utilisation in ten shades of green; a utilisation outside [0, 1] (or NaN) fills it red
// with a white "xxxxxxxxxxxx".
void Draw_Utilisation_Bar(int area, int x, int y, double utilisation);

// When the export file of the import opens: the heading at (x, *y), *y + 22, then each non-empty line
// with *y + 18 per line.
void Draw_Export_Info(int area, int x, int* y);
