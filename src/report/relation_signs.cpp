#include "report/relation_signs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "common/cp437.h"

namespace {

constexpr int Most_Decimals = 40;

// 10^n in extended precision (exact up to 10^27).
long double Decimal_Scale(int decimals) {
    long double s = 1.0L;
    for (int k = 0; k < std::clamp(decimals, 0, Most_Decimals); ++k) s *= 10.0L;
    return s;
}

// How a value shows at n decimals when halves round upward (0.05 shows as 0.1, -0.05 as -0.0):
// +1 when it shows positive (v·10^n ≥ 0.5), -1 when negative (v·10^n < -0.5), 0 when it shows as
// zero, and Not_A_Number for a value without a sign. The product is carried in extended precision.
constexpr int Not_A_Number = 2;

int Shown_Sign(double v, int decimals) {
    const long double units = static_cast<long double>(v) * Decimal_Scale(decimals);
    if (units >= 0.5L) return 1;
    if (units < -0.5L) return -1;
    if (units >= -0.5L) return 0;
    return Not_A_Number;
}

int Relation_Char(double a, double b, int decimals, double tolerance, bool tolerant) {
    const double d = a - b;
    if (Shown_Sign(std::fabs(d), decimals) == 0) return Relation_Equal;
    if (Shown_Sign(d, decimals) == 1) return Relation_Greater;
    if (Shown_Sign(tolerant ? std::fabs(d) - tolerance : std::fabs(d), decimals) == 1) return Relation_Less;
    return Relation_About;
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

    const int d = Shown_Sign(a - b, decimals);
    const double* governing = nullptr;
    switch (kind) {
        case 2: governing = d == 1 ? &a : nullptr; break;
        case 3: governing = d == -1 ? &b : nullptr; break;
        case 4: governing = d == 1 ? &b : nullptr; break;
        default: governing = d == -1 ? &a : nullptr; break;
    }
    if (governing) {
        const std::size_t used = std::strlen(line);
        std::snprintf(line + used, sizeof line - used, "  ê %s = %.*f %s"_cp, name, n, *governing,
                      with_unit ? unit : "");
    }
    return line;
}
