// Annex report part of the EN 1990 block: the load factors of the active annex, for buildings
// (partial factors of the four design situations and the combination factors psi) and for bridges
// (partial factors and the psi factors of road, foot and railway bridges), each part when the
// application uses it. Nothing is written for a null stream.
#pragma once

#include <cstdio>

void NAD_Write_EC0_Report(FILE* stream);
