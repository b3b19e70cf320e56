// The print-list markup and report marks around the lines of the check tests, as the paragraph
// writer and the report marks write them.
#pragma once

#include <string>

#include "common/cp437.h"

// A fresh paragraph block, its end, a change of the first indent (cm) and paragraph space 0.3 cm
// before the next line at indent 0.
inline const std::string Para_Head = "\n#SHOWPARA\n0x0\n4\n-1\n";
inline const std::string Para_End = "#END_OF_TEXT\n0x0\n-1\n";
std::string Para_Indent(double cm);
inline const std::string Para_Space = "#END_OF_TEXT\n0x1004\n2 0.3\n0x0\n4\n-1\n";

// Report marks and verdicts as the report shows them.
inline const std::string Ok_Mark = "╬{C 1 40 140 255}╬Hok╬{C 768}"_cp;
inline const std::string Not_Ok_Mark = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}"_cp;
inline const std::string Note_Ok_Mark = "╬{C 1 165 75 165}ok╬{C 768}"_cp;
inline const std::string Error_Mark = "╬{C 1 230 0 0}╬H!!╬{C 768}"_cp;
inline const std::string Warning_Mark = "╬{C 1 165 75 165}╬H!!╬{C 768}"_cp;
inline const std::string Condition_Mark = "╬{C 1 165 75 165}EC 3-Bedingung !!╬{C 768}"_cp;
inline const std::string Verified = "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n"_cp;
inline const std::string Not_Verified = "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n"_cp;
inline const std::string Footnote_Line =
    " ╬{C 1 165 75 165}Bedingung nach EC 3-1-8 sollte eingehalten werden╬{C 768}\n"_cp;
