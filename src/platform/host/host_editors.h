// The host library's in-place editors, menus and sign table on this platform.
#pragma once

#include <string>

// In-place editors: a white box at the screen point (x, y) whose text stands at (x + 8, y + 14), so
// that it covers a field whose text stands there; the text scrolls within the box. Keys: characters
// insert at the caret, Backspace and Delete remove, Left, Right, Home and End move the caret, Ctrl+C
// copies the whole text and Ctrl+V inserts the clipboard. Enter writes the edit back and returns 1;
// Esc and the end of the input leave the value as it was and return 0; a click outside the box
// writes back and returns 0, and the click stays for the caller's next wait. Up and Down write back
// and return 0, so that a table can open the cell above or below.
//
// Every end leaves its key in LAST_SHEET_EDIT_KEY: 13 Enter, 27 Esc, 328 Up, 336 Down, 0 a click
// outside the box or the end of the input. Callers may clear it.
//
// Short_Edit_Float edits the caller's double, shown with the printf format (one floating
// conversion; the box is as wide as the format's text of 0.0, at least 8 characters); a text is
// written back only when it reads as a number, with "," or "." as the decimal sign. On a sheet with
// Set_Prop_Sheet_Edit_Float_Auto_Mode the text opens selected: the first character typed replaces it.
extern int LAST_SHEET_EDIT_KEY;
int Short_Edit_Float(int x, int y, const char* format, double* value);
// Short_Edit_Text edits the caller's CP437 text in place, showing visible_width characters. The text
// may grow to the length that Set_Short_Edit_Text_Scrollmode gave just before (for this one call),
// else to visible_width characters; the buffer must hold that many and the terminator. Blanks at the
// end are not edited, and the text is written back padded with blanks to the length it had. The last
// argument is not used.
int Short_Edit_Text(int x, int y, char* buffer, int visible_width, int unused);
void Set_Short_Edit_Text_Scrollmode(int length);

// A menu: count entries in a box of width characters at the mouse; an entry has its text, an
// active flag, a sub-menu or none, a key text shown at the right, a word not used and the callback
// run when it is chosen. Menue_Manager returns the number of the chosen entry in its own menu (from
// 1) after running its callback, 0 when nothing was chosen; an inactive entry is never run. A person
// chooses with the mouse or Up, Down, Right (opens a sub-menu), Enter and Esc; a scripted run takes
// the script's queued path, none when nothing is queued.
struct Context_Menu;
struct Context_Menu_Entry {
    const char* text;
    int active;
    const Context_Menu* sub_menu;
    const char* key_text;
    int reserved;
    void (*callback)();
};
struct Context_Menu {
    int count;
    int width;
    int reserved[3];
    const Context_Menu_Entry* entries;
};
int Menue_Manager(const Context_Menu* menu);

// A table of the signs of the sign map (docs/host-screen.md): the CP437 byte of the chosen sign, -1
// for none. A scripted run takes the script's queued choice, none when nothing is queued.
int Get_UserSelected_SpecialCharacter();

// A double as the float editor shows it: the printf format when it holds exactly one conversion of
// a double, else "%g"; at most 511 characters.
std::string Format_Float_Text(const char* format, double value);
