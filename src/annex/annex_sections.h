// Forward search for a part of an old annex section. The old single annex file and the annex
// records of old input files hold their parts one after the other inside sections that each begin
// with a line starting with "#NAD"; a part is found by its header line before the next section.
#pragma once

#include <cstdio>

// Searches forward from the current position for a line that starts with the header, reading lines
// of at most 299 characters. Result 1: found, the stream stands behind that line, and when number is
// given and an int follows the header it is stored there. Result 2: a line starting with the stop key
// came first; result 0: the end of the file came first; in both cases the stream is set back to
// where the search began. A null stream or header gives 0.
int NAD_Find_Section(FILE* stream, const char* header, const char* stop_key, int* number);
