#include "frame/safety_factors.h"

#include <algorithm>
#include <cmath>

#include "annex/annex_record.h"
#include "annex/ec3_block.h"
#include "annex/ec9_block.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

namespace {

// One line of the report block: the factor, the connection parts that need it (mask bits) and its
// text. The lines stand in report order; the byte └ before the subscript is the report font's γ.
struct Factor_Line {
    int factor;
    int mask;
    const char* format;
};

constexpr Factor_Line Factor_Lines[] = {
    {Gamma_M0, 0x154, "%sBeanspruchbarkeit von Querschnitten └╬\\M0╬r = %.2lf\n"_cp},
    {Gamma_M1, 0x008, "%sBeanspruchbarkeit von Bauteilen bei Stabilitätsversagen └╬\\M1╬r = %.2lf\n"_cp},
    {Gamma_M2, 0x073, "%sBeanspruchbarkeit von Schrauben, Schweißnähten, Blechen auf Lochleibung └╬\\M2╬r = %.2lf\n"_cp},
    {Gamma_M3, 0x100, "%sGleitfestigkeit (Kategorie C) └╬\\M3╬r = %.2lf\n"_cp},
    {Gamma_M3_Ser, 0x080, "%sGleitfestigkeit im GZG (Kategorie B) └╬\\M3,ser╬r = %.2lf\n"_cp},
    {Gamma_M4, 0x020, "%sLochleibungsbeanspruchbarkeit von Injektionsschrauben └╬\\M4╬r = %.2lf\n"_cp},
    {Gamma_M6_Ser, 0x040, "%sBeanspruchbarkeit von Bolzen im GZG └╬\\M6,ser╬r = %.2lf\n"_cp},
    {Gamma_M5, 0x1000, "%sBeanspruchbarkeit von Hohlprofilverbindungen └╬\\M5╬r = %.2lf\n"_cp},
    {Gamma_M7, 0x200, "%sVorspannung hochfester Schrauben └╬\\M7╬r = %.2lf\n"_cp},
    {Gamma_M_Ser, 0x400, "%sGebrauchstauglichkeit └╬\\M,ser╬r = %.2lf\n"_cp},
    {Gamma_M_Fi, 0x800, "%sBeanspruchbarkeit von Bauteilen im Brandfall └╬\\M,fi╬r = %.2lf\n"_cp},
    {Gamma_Mu, 0x2000, "%sBeanspruchbarkeit der Verankerung └╬\\Mu╬r = %.2lf\n"_cp},
};

// Mask 0 asks for the full list, which leaves out γM5 (hollow-section joints are not designed here).
constexpr int Full_List_Mask = 0x3FFF & ~0x1000;

// The nine factors that a report run takes from the annex: γM0 to γM3,ser.
constexpr int Annex_Run_Count = Gamma_M3_Ser + 1;

}  // namespace

const void* Fill_Safety_Factors_From_NAD(int source, double* values) {
    if (!values) return nullptr;
    if (source == Safety_Source_EC3) {
        const NAD_EC3_Block* ec3 = NAD_Get_EC3();
        if (!ec3) return nullptr;
        values[Gamma_M0] = ec3->ec3_1.gamma_M0;
        values[Gamma_M1] = ec3->ec3_1.gamma_M1;
        values[Gamma_M2] = ec3->ec3_1.gamma_M2;
        values[Gamma_M3] = ec3->ec3_8.gamma_M3;
        values[Gamma_M4] = ec3->ec3_8.gamma_M4;
        values[Gamma_M5] = ec3->ec3_8.gamma_M5;
        values[Gamma_M6_Ser] = ec3->ec3_8.gamma_M6_ser;
        values[Gamma_M7] = ec3->ec3_8.gamma_M7;
        values[Gamma_M3_Ser] = ec3->ec3_8.gamma_M3_ser;
        return ec3;
    }
    if (source == Safety_Source_EC9) {
        // Aluminium (EN 1999-1-1 6.1.3): the block's first two factors, cross-sections and
        // instability, stand in for γM0 and γM1; fracture (the block's γM2) is not taken.
        const NAD_EC9_Block* ec9 = NAD_Get_EC9();
        if (!ec9) return nullptr;
        values[Gamma_M0] = ec9->gamma_M0;
        values[Gamma_M1] = ec9->gamma_M1;
        return ec9;
    }
    for (int k = 0; k < Annex_Run_Count; ++k) values[k] = 0.0;
    return nullptr;
}

void Refresh_Safety_Factors(Safety_Factors* factors) {
    if (!factors || !factors->use_annex) return;
    Fill_Safety_Factors_From_NAD(factors->source, factors->gamma_M);
    factors->gamma_M[Gamma_M_Ser] = Get_Gamma_M_Ser_From_NAD();
    factors->gamma_M[Gamma_M_Fi] = Get_Gamma_M_Fi_From_NAD();
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    factors->gamma_M[Gamma_Mu] = ec3 ? ec3->ec3_8.gamma_Mu : 0.0;
}

double Get_Gamma_M_Ser_From_NAD() {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    return ec3 ? ec3->ec3_8.gamma_M_ser : 0.0;
}

double Get_Gamma_M_Fi_From_NAD() {
    const NAD_EC3_Block* ec3 = NAD_Get_EC3();
    return ec3 ? ec3->ec3_1.gamma_M_fi : 0.0;
}

void Print_Safety_Factors(const Safety_Factors* factors, FILE* stream, int mask) {
    if (!factors || !stream) return;
    if (!factors->use_annex)
        OLI_Printf(stream, "%s╬SSicherheitsbeiwerte unabhängig von den Vorgaben des Eurocodes\n"_cp,
                   Report_Line_Prefix);
    if (mask == 0) mask = Full_List_Mask;
    for (const Factor_Line& line : Factor_Lines)
        if (mask & line.mask) OLI_Printf(stream, line.format, Report_Line_Prefix, factors->gamma_M[line.factor]);
}

int Write_Safety_Factors(FILE* stream, const Safety_Factors* factors) {
    if (!stream || !factors) return 1;
    if (Print_To_Stream(stream, " %d\n", 3) < 0) return 1;
    if (Print_To_Stream(stream, " %d\n", factors->use_annex) < 0) return 1;
    for (double gamma : factors->gamma_M)
        if (Print_To_Stream(stream, " %lf", gamma) < 0) return 1;
    return Print_To_Stream(stream, "\n") < 0 ? 1 : 0;
}

int Read_Safety_Factors(FILE* stream, Safety_Factors* factors) {
    if (!stream || !factors) return 1;
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, 3, 0)) return 1;
    if (Scan_Stream(stream, "%d", &factors->use_annex) != 1) return 1;
    // Version 0 holds γM0 to γM3,ser; each later version adds one factor.
    int count = Annex_Run_Count + std::min(std::max(version, 0), 3);
    for (int k = 0; k < count; ++k)
        if (Scan_Stream(stream, "%lf", &factors->gamma_M[k]) != 1) return 1;
    return 0;
}

void Init_Safety_Factors(Safety_Factors* factors) {
    if (factors) *factors = Safety_Factors{};
}

void Copy_Safety_Factors(const Safety_Factors* source, Safety_Factors* target) {
    if (!target) return;
    Init_Safety_Factors(target);
    if (source) *target = *source;
}

int Compare_Safety_Factors(const Safety_Factors* a, const Safety_Factors* b) {
    if (!a || !b || a->use_annex != b->use_annex) return 0;
    for (int k = 0; k < Gamma_M_Count; ++k)
        if (std::fabs(a->gamma_M[k] - b->gamma_M[k]) > 0.01) return 0;
    return 1;
}
