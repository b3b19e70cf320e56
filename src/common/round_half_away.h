// Rounding of a double into an int the way values typed into integer fields and read from files
// are taken: halves away from zero (2.5 -> 3, -2.5 -> -3), held within the range of int, NaN as 0.
#pragma once

int Round_Half_Away(double value);
