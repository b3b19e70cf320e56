// Records of the T-stub in compression tests and the paragraph markup around their report lines.
#pragma once

#include <string>

#include "checks/tstub_compression.h"
#include "common/cp437.h"

// A base plate 20 × 300 × 400 mm of S235 under a column plate 15 × 200 mm, c1 = 40 mm, on C20/25
// with the given spread ratio 4 and F_c,Ed = 300 kN.
T_Stub_Compression Test_Base_Plate();
// A T-stub flange 15 × 200 mm of S235 with c1 = 30, c2 = 25 and a web of 10 mm on C20/25, spread
// ratio determined, F_c,Ed = 50 kN.
T_Stub_Compression Test_Flange();

// Markup of the paragraph writer: a fresh block, its end, a change of the first indent (cm) and
// paragraph space 0.3 cm before the next line at indent 0.
inline const std::string Para_Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
inline const std::string Para_End = "#END_OF_TEXT\n0x0\n-1\n";
std::string Para_Indent(double cm);
inline const std::string Para_Space = "#END_OF_TEXT\n0x1004\n2 0.3\n0x0\n4\n-1\n";

// Report marks as the report shows them.
inline const std::string Ok_Mark = "╬{C 1 40 140 255}╬Hok╬{C 768}"_cp;
inline const std::string Not_Ok_Mark = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
inline const std::string Note_Ok_Mark = "╬{C 1 165 75 165}ok╬{C 768}"_cp;
inline const std::string Error_Mark = "╬{C 1 230 0 0}╬H!!╬{C 768}"_cp;
inline const std::string Verified = "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;
inline const std::string Not_Verified = "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;
