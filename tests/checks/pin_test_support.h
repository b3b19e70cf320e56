// The pin joint of the pin connection tests: a pin of 30 mm (f_yp 340, f_up 420 N/mm²) in holes of
// 31 mm, eye bar 1 of 20 mm and two eye bars 2 of 12 mm S355 with Δt 2 mm, F_Ed 200 kN, F_Ed,ser
// 150 kN, e_1 50.25 mm, e_2 40 mm, double shear; prepared with the verification switch.
#pragma once

#include <string>

#include "checks/bolt_test_support.h"

Bolt_Connection Test_Pin_Joint(const Safety_Factors* factors);

// The text of a fresh paragraph block around the lines.
inline std::string Pin_Lines(const std::string& lines) { return Para_Head + lines + Para_End; }

// Pin_Lines of a template in which "{ok}", "{not ok}", "{error}" and "{warning}" stand for the
// report marks and a line "{indent cm}" for a change of the first indent.
std::string Expand_Pin_Lines(std::string text);
