// The editor of a user comment: a small modal sheet with a multi-line text field in which the user
// types a free text (the preliminary remarks of the report), and the same word wrap as the report
// for texts shown in a view area.
#pragma once

// Runs the sheet titled `title` on a copy of the text. Result: after "bestätigen" a fresh copy of
// the edited text (allocated with malloc; the old text is then released with free, only once the
// copy exists); after "abbrechen" or the sheet's break button the unchanged old pointer.
char* Edit_User_Comment(char* text, const char* title);

// Adds the text's lines, wrapped at `width` pixels in `font`, to the view area as left-aligned texts
// at x; *y is the baseline of the first line and grows by `line_step` per line, empty lines
// included (they add no item).
void Draw_Wrapped_Text(int area, int x, int width, int* y, const char* text, int font, int colour, int line_step);
