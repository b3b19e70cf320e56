// The kit's modal dialog engine over the host's property sheets: a description says what the sheet
// looks like (kind, title, page-area size, margins, help topic, callbacks), one page record per page
// says what the page shows (a scrollable view area with a table editor, filled by a page builder at
// every pass). Open dialogs are kept on a stack of levels; three registries, shared by all levels,
// carry values shown in display units, integers edited as doubles, and range clamps, and are settled
// when their level ends.
#pragma once

#include "gui/table_editor.h"

// Buttons and frame of a dialog: 0 break/help/OK, 1 "Weiter      " (100), 2 no button row,
// 3 "Weiter      " (200), 4 full screen without buttons, 5 as 0 with OK the default button,
// 6 OK only, 7 break/help, 8 full screen with "Weiter      " (200), 9 help/OK. Other values act as 0.
using Dialog_Kind = int;

using Dialog_Status_Callback = void (*)(char* text);   // fills a zeroed 200-byte buffer
using Dialog_Built_Callback = void (*)(int x1, int y1, int x2, int y2);
using Dialog_Code_Handler = int (*)(int code);         // nonzero: the code was handled
using Dialog_Check = int (*)();                        // nonzero keeps the dialog open
using Dialog_Page_Change_Check = int (*)(int old_page, int new_page);   // nonzero refuses
using Dialog_Pass_Callback = void (*)(int page);
using Dialog_Close_Callback = void (*)();
using Dialog_Table_Init = void (*)(int table);
using Dialog_Page_Builder = void (*)(int area, int table);
using Dialog_Page_Check = int (*)(int table);

struct Dialog_Description {
    Dialog_Kind kind = 0;
    int extra_elements = 40;
    char title[100] = {};
    int height = 150;
    int width = 200;
    int top_margin = 8;
    int bottom_margin = 8;
    int left_margin = 8;
    int right_margin = 8;
    int tab_row_height = 0;
    int tab_width = 0;
    char tab_row_picture[100] = {};
    char help_topic[52] = {};
    Dialog_Status_Callback status_text = nullptr;
    Dialog_Built_Callback sheet_built = nullptr;
    Dialog_Code_Handler code_handler = nullptr;
    Dialog_Check accept_check = nullptr;
    Dialog_Check break_check = nullptr;
    Dialog_Page_Change_Check page_change_check = nullptr;
    Dialog_Pass_Callback pass_callback = nullptr;
    Dialog_Close_Callback close_callback = nullptr;
    int page = -1;          // in: first page to show (register dialogs); out: the page shown last
    int preset_code = -1;   // 0 or more: taken as the next code instead of waiting, then -1
};

struct Dialog_Page {
    int kind = 1;   // 1 shown and active, 0 inactive, -2 without content (hidden tab)
    char upper_tab_line[51] = {};
    char tab_label[53] = {};
    int active_label_colour = -9;
    int inactive_label_colour = -6;
    int area_x = -1;
    int area_y = -1;
    int area_width = -1;
    int area_height = -1;
    int horizontal_slider = 0;
    int vertical_slider = 0;
    double scroll_x = -1;   // out: where the page was scrolled; in: positive values restore it
    double scroll_y = -1;
    int table_row_size = 0;
    int table_width = -1;
    int table_left = 30;
    int table_top = 10;
    Table_Row_Painter table_row_painter = nullptr;
    Dialog_Table_Init table_init = nullptr;
    Dialog_Page_Builder builder = nullptr;
    Dialog_Page_Check check = nullptr;
};

Dialog_Description* Init_Dialog_Description(Dialog_Description* description);
void Init_Dialog_Pages(int count, Dialog_Page* pages);

// One-page dialog over pages[0]; 1 accepted, 0 broken.
int Run_Dialog(Dialog_Description* description, Dialog_Page* pages);
// Dialogs with a row of tabs over count pages; 0 at once for a count below 1.
int Run_Register_Dialog(Dialog_Description* description, int count, Dialog_Page* pages);
// Break (code 1), help and OK (code 2); its own dialog centre.
int Run_Simple_Register_Dialog(int height, int width, const char* title, int count, Dialog_Page* pages,
                               Dialog_Status_Callback status, const char* help_topic);

// Operations for callbacks while a dialog is open (all act on the innermost dialog).
int Get_Dialog_Depth();   // 0 when no dialog is open
void Set_Dialog_Page_Kind(int page, int kind);
int Get_Dialog_Page_Kind(int page);
void Select_Dialog_Page(int page);
int Get_Dialog_Page();
void Show_Dialog_Page_Table(int page, int shown);
void Get_Dialog_Origin(int* x, int* y);
void Request_Dialog_Break();
void Request_Dialog_Accept();
void Request_Page_Rebuild();
void Set_Cursor_To_Default_Button(int on);
void Enable_Cursor_To_Default_Button();
void Disable_Cursor_To_Default_Button();
int Commit_Dialog_Values(int level);
int Check_Open_Dialogs();

// Registries. A value is registered once per level: registering an address the innermost level
// already holds uses that entry and does not scale again.
// Scaled values: multiplies the value by the factor when newly registered (returns 1), 0 when the
// innermost level already has it or no dialog is open (then nothing is registered).
int Register_Scaled_Value(double* value, double factor);
double* Get_Int_Proxy(int* integer);
void Set_Proxied_Int(int* integer, int value);
int Get_Proxied_Int(const int* integer);   // -99999999 without an entry
// Range entries of range-checked fields; nothing when no dialog is open.
void Register_Value_Range(double* value, double minimum, double maximum);
void Clamp_To_Registered_Range(double* value);
