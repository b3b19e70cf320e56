#include "frame/annex_relevance.h"

int Is_NAD_Parameter_Relevant() { return 1; }
