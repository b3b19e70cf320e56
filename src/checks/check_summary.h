// The closing block of a check that prints its own summary: "maximale Ausnutzung" and the verdict.
#pragma once

#include <cstdio>

// At detail 1 and 2 the line of U_max (when 0.001 < U_max < 999.999; bold labels at detail 2) and
// the verdict; at detail 0 only a failed verdict. A check has failed when U_max > 1, U_max is not
// determinable or its error bit (failed) is set. Then the EC 3 condition footnote. Nothing without
// a stream.
void Print_Check_Summary(FILE* stream, int detail, double U_max, bool failed);
