// The input protocol of a welded connection: the weld, the plates and, with loads, the method and
// the loads as given.
#pragma once

#include <cstdio>

#include "checks/weld_record.h"

// Nothing without a stream. extra is the print settings' "zusätzliche Informationen".
void Print_Weld_Input(const Weld_Connection& connection, FILE* stream, int extra);
