// Notice output of the shared libraries: where their problem reports go. A notice is a printf-style
// text that an operation hands to one place, which sends it by the output mode to standard output,
// into one of ten notice queues, nowhere, onto the notice sheet or into a message box of the host
// library. A queue collects the notices of one task, to be shown together afterwards (on the notice
// sheet, as a message box or as a yes/no question) or written into the report as a remark table.
//
// The notice sheet itself is a dialog of the GUI kit; it plugs into this unit through
// Set_Notice_Sheet_Hooks. Without it, what would go onto the sheet is shown as a message box.
#pragma once

#include <cstdio>

// Output modes: 1 standard output, 2 the current queue, 3 nowhere, 4 the notice sheet, every other
// value a message box. Mode 4 also puts the sheet's write position back to x 15, y 20. Works while
// notices are off as well. Returns the mode.
int Set_Notice_Output_Mode(int mode);

// While notices are off, printing, showing and asking do nothing (results 0, Confirm_Notice_Queue
// 1); modes and queues are still managed.
void Switch_Notices_Off();
void Switch_Notices_On();
// 1 while notices are on (the wait box obeys the same switch).
int Notices_Are_On();

// With the fallback set, a notice printed in mode 0 or 4 first switches the mode to 1 for good
// (a run without screen).
void Set_Notice_Console_Fallback(int flag);

// Formats one notice (at most 500 characters) and delivers it as the output mode says; leading
// "^x" style pairs (^b bold, ^p plain font, ^2 half line) are stepped over where the output has no
// fonts. An empty or missing format does nothing. The text is formed on the stack, so a notice about
// exhausted memory needs no further allocation. Result 0.
int Print_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As Print_Notice, with the output mode switched to `mode` for this one text and restored after it.
int Print_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Print_Notice_In_Mode in mode 2: the notice goes into the current queue.
int Queue_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Format the text (at most 500 characters) and deliver "^bFEHLER: text!", "^bWARNUNG: text!" or
// "^bHINWEIS: text." (cut to 500 characters) through Print_Notice.
int Print_Error_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));
int Print_Warning_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));
int Print_Hint_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same in a mode of their own; a negative mode prints in the mode in force.
int Print_Error_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));
int Print_Warning_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));
int Print_Hint_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Notice queues 0 to 9. A queue row holds at most 498 characters of a notice, its newline and its
// terminator. In mode 2 a notice longer than 2 characters is dropped when a row already begins with
// it, so equal notices are stored once.
inline constexpr int Notice_Queues = 10;
inline constexpr int Notice_Row_Size = 500;

// Takes the lowest free queue, empties it and makes it current; its index, -1 when all are in use.
int Open_Notice_Queue();
// Make a queue in use current / give it a title (at most 199 characters): 0, 1 for a free queue,
// 2 for an index outside 0 to 9.
int Select_Notice_Queue(int queue);
int Set_Notice_Queue_Title(int queue, const char* title);
// The message-box symbol shown with the queue (-1 none, the default of an opened queue).
void Set_Notice_Queue_Symbol(int queue, int symbol);
// Rows of a queue in use; 0 for a free queue or an index outside 0 to 9.
int Get_Notice_Queue_Count(int queue);
int Get_Current_Notice_Count();
// Empties and frees a queue in use.
void Close_Notice_Queue(int queue);

// Shows a queue in use in the mode given, which stays in force afterwards: 4 on the notice sheet,
// 1 every row on standard output, any other value as one message box (with the queue's symbol).
void Show_Notice_Queue(int queue, int mode);
void Show_Current_Notice_Queue(int mode);
// Shows the current queue on the notice sheet with the check box "Diesen Hinweis nicht nochmal
// anzeigen": 0 when the user ticked it, 1 otherwise (also while notices are off or the queue is free).
int Confirm_Notice_Queue();
// Shows the current queue on the notice sheet with a check box of that label: 1 when ticked, else 0.
int Ask_Notice_Queue_Check(const char* label);
// The rows of the current queue as a yes/no box (n picks the default button as Answer_is_Yes does);
// 0 while notices are off, for a free queue or in mode 1.
int Ask_Notice_Queue(int n);
int Ask_Notice_Queue_1();
int Ask_Notice_Queue_0();

// Writes the rows of the current queue into the report as the remark table of list 4, each row
// bold; the queue keeps its rows. A free queue writes nothing.
void Print_Notice_Queue_To_Report(FILE* report);

// The notice sheet's state: the write position of the next line, the sheet width, its background
// colour index (-1: the nearest colour to RGB 255,245,220), the queue being shown, the check box's
// result, its label (null: the default label) and whether the check box is offered.
struct Notice_Sheet_State {
    int x = 15;
    int y = 20;
    int width = 0;
    int background = -1;
    int shown_queue = -1;
    int check_result = 0;
    const char* check_label = nullptr;
    int offer_check = 0;
};
Notice_Sheet_State& Notice_Sheet();
void Set_Notice_Sheet_Background(int colour);

// A row of a queue in use with its newline, and its title; null outside.
const char* Get_Notice_Queue_Row(int queue, int row);
const char* Get_Notice_Queue_Title(int queue);

// The sheet's drawing, installed by the GUI kit. draw_line draws one notice line (its style pairs
// read, the font given) at (x, y) of the current page and returns 0 when no page is current; present
// runs the sheet over a queue in use.
struct Notice_Sheet_Hooks {
    int (*draw_line)(int font, int x, int y, char* text) = nullptr;
    void (*present)(int queue) = nullptr;
};
void Set_Notice_Sheet_Hooks(const Notice_Sheet_Hooks& hooks);
Notice_Sheet_Hooks Get_Notice_Sheet_Hooks();
