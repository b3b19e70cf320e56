// The dialog engine's own pieces, shared by the one-page dialog (dialog_engine.cpp) and the dialogs
// with a row of tabs (register_dialogs.cpp): the stack of open dialogs, the sheet's buttons, the
// page areas, the build pass, the edit loop and the end of a level. Not for callers of the kit.
#pragma once

#include <vector>

#include "gui/dialog_engine.h"

// One open dialog. Per page: the view area, escape area and table (-1 for none), the table-shown
// switch and the register member number (0 without tabs).
struct Dialog_Level {
    Dialog_Description* description = nullptr;   // null for the simple register dialog
    Dialog_Page* pages = nullptr;
    int count = 0;
    int current = 0;
    int shown = 0;   // the page built last
    int reg = 0;     // register handle, 0 without tabs
    std::vector<int> areas, escapes, tables, table_shown, members, kinds_seen;
    int dx = 0, dy = 0;   // the user's displacement, kept up to date by the host
};

// The sheet of a dialog as laid out: its rectangle, margins, title bar and button row, and the
// buttons it got.
struct Dialog_Sheet {
    int kind = 0;   // 0 to 9
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int left = 8, right = 8, top = 8, bottom = 8;
    int T = 0, B = 0;
    int help_x = 0, ok_x = 0;        // where the status text runs between
    int status_right = 0;            // right end of the status box, before the displacement
    int default_button = 0;          // 0 for none
    bool hover = true;               // the page areas take part in hover help
    int break_code = 100, ok_code = 200;
    // The row of tabs: left edge and bottom of the row, the width of a tab (0: no row).
    int tab_x = 0, tab_bottom = 0, tab_width = 0;
};

// Cursor and centre.
bool Dialog_Cursor_Switch();
void Dialog_Centre(int& cx, int& cy);
void Move_Dialog_Centre(int dx, int dy);

// The level stack: push (the level lives until Pop_Dialog_Level) and the innermost level.
Dialog_Level& Push_Dialog_Level(Dialog_Description* description, Dialog_Page* pages, int count);
void Pop_Dialog_Level();
Dialog_Level* Innermost_Dialog_Level();
void Set_Dialog_Sheet_Origin(int x, int y);

// The request switches.
bool Take_Break_Request();
bool Take_Accept_Request();
void Clear_Dialog_Requests();

// Kind 0 to 9; any other value is 0.
int Dialog_Kind_Of(int kind);
// The start of a dialog with a description: hover help brought up to date, the dialog centre, the
// drawing buffer on (the mode before in buffer_mode), and the sheet's kind, margins and hover switch.
Dialog_Sheet Start_Dialog_Sheet(const Dialog_Description& d, int& cx, int& cy, int& buffer_mode);
// True for the kinds that fill the screen without a frame (4, 8).
bool Full_Screen_Kind(int kind);
// Defines the full-screen sheet of kinds 4 and 8 with the capacity.
void Define_Full_Screen_Sheet(Dialog_Sheet& sheet, int capacity);
// Centres a sheet W x H on (cx, cy), lets the host move it onto the screen and defines it.
void Define_Centred_Sheet(Dialog_Sheet& sheet, int cx, int cy, int W, int H, const char* title, int capacity);
// The buttons of the description's kind on the sheet's button row (code 100 break, 200 OK).
void Add_Dialog_Buttons(Dialog_Sheet& sheet, const Dialog_Description& d);

// The page area of page p (x1..x2, y1..y2 on the sheet) narrowed by the page's area fields, with its
// escape area (2000 + p, inactive until built), view area, hover registration and table. Nothing for
// a page without a builder or of kind -2.
void Create_Dialog_Page_Area(Dialog_Level& level, int p, int x1, int y1, int x2, int y2, bool hover);
// The table init callbacks of every page, the cursor (onto the default button while the cursor
// switch is on, or always), activation and the displacement.
void Open_Dialog_Sheet(Dialog_Level& level, const Dialog_Sheet& sheet, int buffer_mode, bool always_cursor = false);
// Builds page p (at most one extra build on request); switch_activity as in the one-page dialog.
void Build_Dialog_Page(Dialog_Level& level, int p, bool switch_activity);
// The status text of the callback in its framed box over the button row.
void Draw_Dialog_Status(Dialog_Status_Callback status, const Dialog_Sheet& sheet, const Dialog_Level& level);
// An escape code 2000 + p of a page: the table first, then the view area.
void Route_Page_Event(Dialog_Level& level, int code);
// Settles the innermost level's registries (divide back, round proxies, drop).
void Settle_Innermost_Registries();
// Stores the scroll origins, releases tables and view areas and the hover registrations of a level.
void Release_Dialog_Pages(Dialog_Level& level, bool hover);

// The edit loop of a dialog with a description: hooks of the register dialog run before each
// pass and for codes the handler left; returns 1 accepted, 0 broken.
struct Dialog_Loop_Hooks {
    void (*before_pass)(Dialog_Level& level, const Dialog_Sheet& sheet) = nullptr;
    bool (*take_code)(Dialog_Level& level, int code) = nullptr;   // true: the code was the hook's
    void (*page_shown)(Dialog_Level& level) = nullptr;            // after a refused page change
};
int Run_Dialog_Loop(Dialog_Level& level, const Dialog_Sheet& sheet, const Dialog_Loop_Hooks& hooks);
// Ends a level of a dialog with a description: registries, pages, close callback, page field,
// sheet, stack.
int End_Dialog_Level(Dialog_Level& level, const Dialog_Sheet& sheet, int result);
