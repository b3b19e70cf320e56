// Verification of a welded connection: the input check, the resistance checks by weld kind (both
// welds of an inclined two-sided weld), fillet welds with packing plates, and the result block with
// the largest utilisation and the verdict.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// Runs the whole check; with a stream it writes every line at the detail level. messages asks the
// input check for message boxes; the subscript stands in every utilisation "U". Result: 1 when the
// input check or a resistance check reported an error (U_max −1), else 0.
int Verify_Weld_Connection(Weld_Connection& connection, FILE* stream, int detail, int messages, const char* subscript);
