// Print-list texts that the report lines of the connection checks carry: the paragraph markup
// around them, the marks and the verdicts, as the report shows them.
#pragma once

#include <string>

#include "common/cp437.h"

// A fresh paragraph block and its end.
inline const std::string Para_Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
inline const std::string Para_End = "#END_OF_TEXT\n0x0\n-1\n";

inline const std::string Ok_Mark = "╬{C 1 40 140 255}╬Hok╬{C 768}"_cp;
inline const std::string Not_Ok_Mark = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
inline const std::string Note_Ok_Mark = "╬{C 1 165 75 165}ok╬{C 768}"_cp;
inline const std::string Error_Mark = "╬{C 1 230 0 0}╬H!!╬{C 768}"_cp;
inline const std::string Warning_Mark = "╬{C 1 165 75 165}╬H!!╬{C 768}"_cp;
inline const std::string Verified = "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;
inline const std::string Not_Verified = "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;
