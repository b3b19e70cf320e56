#include "report/relation_signs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/cp437.h"
#include "material/rounding.h"

namespace {

int Relation_Char(double a, double b, int decimals, double tolerance, bool tolerant) {
    const double d = a - b;
    const double magnitude = std::fabs(d);
    if (Round_To_Decimals(magnitude, decimals) == 0) return Relation_Equal;
    if (Round_To_Decimals(d, decimals) > 0) return Relation_Greater;
    if (Round_To_Decimals(tolerant ? magnitude - tolerance : magnitude, decimals) > 0) return Relation_Less;
    return Relation_About;   // within the tolerance, or not a number
}

}  // namespace

const char* Get_Relation_Sign_LE(float a, float b) {
    if (a < b) return "<";
    if (a > b) return ">";
    return "≤"_cp;
}

const char* Get_Relation_Sign_GE(float a, float b) {
    if (a > b) return ">";
    if (a < b) return "<";
    return "≥"_cp;
}

int Get_Relation_Char_Tolerant(double a, double b, int decimals, double tolerance) {
    return Relation_Char(a, b, decimals, tolerance, true);
}

int Get_Relation_Char(double a, double b, int decimals) { return Relation_Char(a, b, decimals, 0.0, false); }

const char* Format_Check_Line(double a, double b, int decimals, double tolerance, int kind, const char* name,
                              const char* unit) {
    static char line[200];
    const int n = std::max(decimals, 0);
    const int rel = Get_Relation_Char_Tolerant(a, b, decimals, tolerance);
    // Name and unit are texts, never formats: they are handed over as arguments.
    const bool with_unit = unit && *unit;
    if (with_unit)
        std::snprintf(line, sizeof line, "%.*f %s %c %.*f %s", n, a, unit, rel, n, b, unit);
    else
        std::snprintf(line, sizeof line, "%.*f %c %.*f", n, a, rel, n, b);
    if (!name || !*name) return line;

    const double d = Round_To_Decimals(a - b, decimals);
    const double* governing = nullptr;
    switch (kind) {
        case 2: governing = d > 0 ? &a : nullptr; break;
        case 3: governing = d < 0 ? &b : nullptr; break;
        case 4: governing = d > 0 ? &b : nullptr; break;
        default: governing = d < 0 ? &a : nullptr; break;
    }
    if (governing) {
        const std::size_t used = std::strlen(line);
        std::snprintf(line + used, sizeof line - used, "  ê %s = %.*f %s"_cp, name, n, *governing,
                      with_unit ? unit : "");
    }
    return line;
}
