// Start-up from the host's command line and the two roads: the batch road ("-refresh"), which
// recomputes the report and ends, and the window road.
#pragma once

#include <array>

// 1 on the batch road: no window, and notices of the input file stay silent.
extern int Refresh_Mode;
