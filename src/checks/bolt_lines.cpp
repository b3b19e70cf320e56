#include "checks/bolt_lines.h"

#include <algorithm>

#include "common/cp437.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

constexpr double Strength_Tolerance = 0.001;   // N/mm²
constexpr double Max_Concrete_Fck = 60.0;      // N/mm², the largest f_ck of EN 1992-4

}  // namespace

void Print_Not_Determinable(FILE* stream, const char* symbol) {
    if (stream) OLI_Printf(stream, "%s%s nicht ermittelbar %s\n", Report_Line_Prefix, symbol, Mark_Error());
}

double Anchor_Gamma_Ms(double f_ub, double f_yb) {
    if (f_ub < Strength_Tolerance || f_yb < Strength_Tolerance) return 0.0;
    if (f_ub >= 800.0 + Strength_Tolerance || f_yb / f_ub >= 0.8 + Strength_Tolerance) return 1.5;
    return std::max(f_ub / f_yb, 1.25);
}

void Print_Anchor_Gamma_Ms(FILE* stream, double f_ub, double f_yb, double gamma_Ms) {
    if (!stream) return;
    if (f_ub >= 800.0 + Strength_Tolerance || f_yb / f_ub >= 0.8 + Strength_Tolerance)
        OLI_Printf(stream, "└╬\\Ms╬r = %.2lf  für  f╬\\uk╬r > 800 N/mm² oder f╬\\yk╬r/f╬\\uk╬r > 0.8"_cp, gamma_Ms);
    else
        OLI_Printf(stream,
                   "└╬\\Ms╬r = max(f╬\\uk╬r/f╬\\yk╬r,1.25) = %.2lf  für  f╬\\uk╬r ≤ 800 N/mm² und f╬\\yk╬r/f╬\\uk╬r ≤ 0.8"_cp,
                   gamma_Ms);
}

double Anchor_Concrete_Fck(const Bolt_Connection& C) { return std::min(C.plate_2.material.f_y, Max_Concrete_Fck); }
