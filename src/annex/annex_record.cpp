#include "annex/annex_record.h"

void NAD_Init_Library(int) {}
