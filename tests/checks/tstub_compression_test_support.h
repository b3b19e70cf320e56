// Records of the T-stub in compression tests and the paragraph markup around their report lines.
#pragma once

#include <string>

#include "checks/check_report_texts.h"
#include "checks/tstub_compression.h"

// A base plate 20 × 300 × 400 mm of S235 under a column plate 15 × 200 mm, c1 = 40 mm, on C20/25
// with the given spread ratio 4 and F_c,Ed = 300 kN.
T_Stub_Compression Test_Base_Plate();
// A T-stub flange 15 × 200 mm of S235 with c1 = 30, c2 = 25 and a web of 10 mm on C20/25, spread
// ratio determined, F_c,Ed = 50 kN.
T_Stub_Compression Test_Flange();

// Markup of the paragraph writer: a change of the first indent (cm) and paragraph space 0.3 cm before
// the next line at indent 0.
std::string Para_Indent(double cm);
inline const std::string Para_Space = "#END_OF_TEXT\n0x1004\n2 0.3\n0x0\n4\n-1\n";
