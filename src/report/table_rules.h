// Escape groups that draw horizontal rules and frames inside a table row. Fractions of the row
// height are clamped to 0 to 1 (a fraction that is not a number counts as 0); a frame code runs
// from 0 to 64 (any other code counts as 0) and is raised by 3840 for a filled frame. Each group is
// written to the stream as it stands; a null stream writes nothing.
#pragma once

#include <cstdio>

// " ╬{╬L 0 a b from to } "
void OLI_Rule(FILE* stream, double a, double b, double from, double to);
// " ╬{╬L 0 -1 -1 f f }": a rule over the row at the fraction.
void OLI_Row_Rule(FILE* stream, double fraction);
// Two rules over the row, 0.1 above and below the fraction, each followed by a blank.
void OLI_Double_Row_Rule(FILE* stream, double fraction);
// " ╬{╬R code a b lower upper } "
void OLI_Frame(FILE* stream, int filled, int code, double a, double b, double from, double to);
// " ╬{╬R code -1 -1 -1 -1} "
void OLI_Frame_Row(FILE* stream, int filled, int code);
