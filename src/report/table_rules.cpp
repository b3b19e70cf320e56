#include "report/table_rules.h"

#include <algorithm>
#include <cmath>

#include "common/cp437.h"
#include "common/stream_print.h"

namespace {

constexpr int Highest_Frame_Code = 64;
constexpr int Filled_Frame = 3840;
constexpr double Double_Rule_Gap = 0.1;

double Fraction(double f) { return std::isnan(f) ? 0.0 : std::clamp(f, 0.0, 1.0); }

int Frame_Code(int filled, int code) {
    const int c = code >= 0 && code <= Highest_Frame_Code ? code : 0;
    return filled ? c + Filled_Frame : c;
}

}  // namespace

void OLI_Rule(FILE* stream, double a, double b, double from, double to) {
    Print_To_Stream(stream, " ╬{╬L 0 %f %f %f %f } "_cp, a, b, Fraction(from), Fraction(to));
}

void OLI_Row_Rule(FILE* stream, double fraction) {
    const double f = Fraction(fraction);
    Print_To_Stream(stream, " ╬{╬L 0 -1 -1 %f %f }"_cp, f, f);
}

void OLI_Double_Row_Rule(FILE* stream, double fraction) {
    const double f = Fraction(fraction);
    for (const double at : {Fraction(f - Double_Rule_Gap), Fraction(f + Double_Rule_Gap)})
        Print_To_Stream(stream, " ╬{╬L 0 -1 -1 %f %f } "_cp, at, at);
}

void OLI_Frame(FILE* stream, int filled, int code, double a, double b, double from, double to) {
    const double f = Fraction(from);
    const double t = Fraction(to);
    Print_To_Stream(stream, " ╬{╬R %d %f %f %f %f } "_cp, Frame_Code(filled, code), a, b, std::min(f, t),
                    std::max(f, t));
}

void OLI_Frame_Row(FILE* stream, int filled, int code) {
    Print_To_Stream(stream, " ╬{╬R %d -1 -1 -1 -1} "_cp, Frame_Code(filled, code));
}
