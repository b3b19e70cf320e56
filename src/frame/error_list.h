// The error list of a position: messages collected in a small print-list table file beside the
// position's files, shown in the print-list library's table sheet or copied into the report; with
// it the standard error boxes, a one-line message box, «» fields, a report page head and a picture
// display.
//
// The list holds "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n", a line " text" per message and, once shown, the
// end line "#END_OF_TEXT". Every write goes to the end of the list, so a message added after a show
// still belongs to the table.
#pragma once

#include <cstdio>

// Buffer size of a «» field, terminator included.
inline constexpr int Quoted_Field_Size = 101;
// The folder in which Show_Picture_Or_Plot looks for pictures; empty unless the embedding program
// sets it.
extern char Picture_Folder[261];

// Opens base path + suffix anew ("w+") and writes the table head; null when it cannot be opened.
FILE* Open_Error_List(const char* suffix);
// Writes " text" at the end of an open list; returns the code unchanged, so that a caller records and
// returns an error code in one step.
int Add_Error_Line(FILE* list, int code, const char* text);
// Ends the list with its end line (unless it ends so already), sets the table colours and geometry
// (first call only) and shows the table in the sheet "Fehlermeldungen". The list stays open.
void Show_Error_List(FILE* list);
// Sets the table colours once per process: the first two the nearest colour of RGB 240, 240, 240,
// the third the host's button face. The library's result.
int Init_Error_Table_Colours();
// The thirteen ints of the table sheet: 512, 5, 5, screen width - 12, screen height - 12, the
// half-widths (width - 7) / 2 and (height - 7) / 2, six zeros; filled on the first call.
const int* Error_Table_Geometry();
// Copies the list's message lines into the report and ends them with "#END_OF_TEXT" (the list's own
// end lines are left out). 0, or 1 when either stream is missing.
int Append_Error_List(FILE* report, FILE* list);
// Writes the line that the check cannot be made and "#END_OF_TEXT", then, with a list, copies it as
// Append_Error_List does. 0, or 1 without a report.
int Append_Failed_Error_List(FILE* report, FILE* list);

// Message boxes "Lesefehler !!!", "Schreibfehler !!!", "Datenfehler !!!": 101, 102, 103.
int Show_Read_Error();
int Show_Write_Error();
int Show_Data_Error();
// A message box with the one line.
void Show_Message_Line(const char* text);

// Reads «text» after blanks into a buffer of Quoted_Field_Size bytes: "«»" reads as empty; of a
// longer text the first 100 characters are kept and the rest is read up to and with », so that the
// reading stays in step. 0 read; 1 failed (no «) or a missing argument.
int Read_Quoted_Field(FILE* stream, char* buffer);
// Writes "«text»\n". 0 written, 1 failed or a missing argument.
int Write_Quoted_Line(FILE* stream, const char* text);

// Opens the report file (base path + report suffix, "w"); unless first_page is set writes
// "#NEWPAGE"; then the flags 0x380, the layout 4115, "#CONTENTS" and " POS. number: title". The report
// stream, or null.
FILE* Write_Page_Head(const char* number, const char* title, int first_page);
// Fills the display area, draws the picture name + ".BMP" from the picture folder over it when there
// is one, else the host's plot file name + ".RPC", and writes the name in grey at the bottom right.
void Show_Picture_Or_Plot(const char* name, int a, int b);
