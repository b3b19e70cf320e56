#include "annex/norm_titles.h"

namespace {
int code_edition = 0;
}

void NAD_Set_Code_Edition(int edition) { code_edition = edition; }

int NAD_Get_Code_Edition() { return code_edition; }
