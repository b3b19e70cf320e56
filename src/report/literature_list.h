// The literature list of a report ("Literatur und Normen:"): references numbered from 1 in the
// order they are first cited, printed as a table with the print list's character conversion on.
#pragma once

#include <cstdio>

void OLI_Clear_Literature();
// The number of the text in the list, appending it (at most 200 characters) when it is new.
int OLI_Add_Literature(const char* text);
int OLI_Literature_Count();
// Nothing without a stream or entries.
void OLI_Print_Literature(FILE* stream);
