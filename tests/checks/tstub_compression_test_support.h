// Records of the T-stub in compression tests, with the paragraph markup of the check tests.
#pragma once

#include <string>

#include "checks/check_report_text.h"
#include "checks/tstub_compression.h"
#include "common/cp437.h"

// A base plate 20 × 300 × 400 mm of S235 under a column plate 15 × 200 mm, c1 = 40 mm, on C20/25
// with the given spread ratio 4 and F_c,Ed = 300 kN.
T_Stub_Compression Test_Base_Plate();
// A T-stub flange 15 × 200 mm of S235 with c1 = 30, c2 = 25 and a web of 10 mm on C20/25, spread
// ratio determined, F_c,Ed = 50 kN.
T_Stub_Compression Test_Flange();

