// The progress sheet: a small modeless sheet that shows how far a long task has come, with up to
// five counters, each a label, an optional text line, a "%d von %d" count and a glossy bar. The
// caller describes the sheet, opens it, steps or sets the counters while it works (each change is
// drawn at once) and closes it. One sheet at a time; the counters are reset by every opening.
#pragma once

inline constexpr int Progress_Rows = 5;
inline constexpr int Progress_Text_Size = 100;   // bytes of a counter's text line, terminator included

struct Progress_Row {
    char label[200];   // zero-terminated
    int total;         // 0 or less: the counter does not run
    int style;         // 1: the count reads "%d von maximal %d", else "%d von %d"
};

// The caller's record, laid out as stored.
struct Progress_Description {
    char title[100];      // zero-terminated, the sheet's title
    char subtitle[100];   // not shown
    int width;            // inner width in pixels; below 200 (the -1 of the init) gives 200
    int count;            // counters shown, 1 to 5
    Progress_Row rows[Progress_Rows];
};

// Empty title and subtitle, width -1, the count n held within 1 to 5; rows 0 to n - 1 get an empty
// label, total 0 and style 0.
void Init_Progress_Description(Progress_Description* description, int n);

// While sheets are disabled, opening, painting and closing do nothing (at start they are enabled).
void Enable_Progress_Sheets();
void Disable_Progress_Sheets();

// Opens the sheet of the description, which the caller keeps alive until the close. The counters
// start empty with value 0 and the totals of the five rows. The sheet's inner width is the
// description's within 200 and NPIXEL_X - 44, its inner height count x 48 + 31 within NPIXEL_Y - 87;
// it is centred where the last sheet stood (the screen's centre at first) and kept on the screen.
// A sheet still open is closed first.
void Open_Progress_Sheet(Progress_Description* description);
// 1 while a sheet is open and sheets are enabled.
int Is_Progress_Sheet_Open();
// Removes the sheet (also when sheets were disabled after it was opened) and forgets the description.
void Close_Progress_Sheet();

// Counters 0 to 4; any other index is ignored. Each change is drawn at once while a sheet is open.
void Set_Progress_Text(int counter, const char* text);   // at most 99 characters; null does nothing
void Set_Progress_Total(int counter, int total);         // and the value 0
void Step_Progress(int counter);                          // +1 while the counter runs (total above 0)
// Copies a given text, then steps as Step_Progress; a counter that does not run keeps the text
// without a repaint.
void Step_Progress_With_Text(int counter, const char* text);
void Set_Progress_Value(int counter, int value);          // while the counter runs
int Get_Progress_Value(int counter);                      // -1 for an index outside 0 to 4
void Hide_Progress_Counter(int counter);                  // value 0, total -1

// Rebuilds the sheet's drawing from the description and the counters.
void Paint_Progress_Sheet();
