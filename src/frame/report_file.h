// The report file of a position (component id + "_NN.OLI"): opening it with its head, closing it,
// and the module codes of the running application that mark the version line.
#pragma once

#include <cstdio>

// Opens the report anew and writes its head: chapter numbering (numbers inline, or none with the
// suppression switch), the reserved space (cm), the contents line " POS. <number>: <title>" and, when
// the version file of the program folder is found, the version line in a small table 12 cm from the
// left beside it. A continuation switch of 0 starts a new page first. Null when the file cannot be
// opened; nothing is written then.
FILE* Open_Report_File(const char* number, const char* title, int continuation, double reserved_space,
                       int suppress_numbering);
// Ends the open paragraph and closes the stream: the runtime's close result, 0 for a null stream.
int Close_Report_File(FILE* stream);

// Two characters, no terminator: the module letters ("BV" for this program, application 150) and
// digits ("01") of the running application, "??" for an application this program does not know.
char* Get_Module_Letters(char* target);
char* Get_Module_Digits(char* target);
// The same for the concrete applications 125 to 128.
char* Get_Module_Letters_EC2(char* target);
char* Get_Module_Digits_EC2(char* target);

// The directory part (with its closing '/') of the full form of a path; empty for a null path or a
// full form longer than 260 characters. A static text.
const char* Get_Path_Directory(const char* path);
