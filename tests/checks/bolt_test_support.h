// Records and rules of the bolted connection tests: partial factors as EN 1993-1-8 recommends them,
// the recommended EN 1992 values, plates of a table steel and fasteners derived silently.
#pragma once

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "checks/bolt_connection.h"
#include "checks/check_report_text.h"
#include "frame/safety_factors.h"

// γM0 1.0, γM1 1.0, γM2 1.25, γM3 1.25, γM4 1.25, γM6,ser 1.0, γM7 1.1, γM3,ser 1.1.
Safety_Factors Test_Safety_Factors();

// A plate of thickness t of the steel grade (table values, derived for t).
Plate Test_Plate(double t, int grade = 0);

// A connection of two S235 plates of 10 mm with an M20 of the class in a normal hole, one shear
// plane, categories A and D, no distances; the fastener derived silently. set changes the fastener
// before its derivation.
Bolt_Connection Test_Bolt_Joint(int size, int strength_class, const std::function<void(Fastener&)>& set = {});

// Anchor bolts M20 of B500B, threaded rod, ℓ_e 200 mm, anchor plate 60 × 15 mm, through a steel plate
// of 20 mm S235 into concrete of the class (an own f_ck when given) and thickness h; set changes the
// fastener before its derivation.
Bolt_Connection Test_Anchor_Joint(int concrete_class, const std::function<void(Fastener&)>& set = {},
                                  double own_f_ck = 0.0, double h = 300.0);

// Runs the rules of the edition with the recommended annex values (EN 1993 without the German
// rules, EN 1992 recommended: γ_c 1.5, α_ct 1.0, v_min factor 0.0525).
void Use_Recommended_Rules(int edition);

// The report text that print writes, as one string; "" when it writes nothing.
std::string Paragraph_Or_Empty(const std::function<void(FILE*)>& print);
// The same for an operation with a result, which must be the expected one.
std::string Report_With_Result(const std::function<int(FILE*)>& run, int expected_result);

// The text lines of a report capture without the paragraph markup around them (indents, spaces,
// tabs), each with its line end: the lines as the reader sees them, in their order.
std::string Report_Text_Lines(const std::string& report);

