#include "annex/ec3_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

std::array<int, NAD_EC3_Row_Count> NAD_EC3_Row_Flags{};

namespace {

// Title ids of the standards.
constexpr int Title_EN_1993_1_1 = 12;
constexpr int Title_EN_1993_1_2 = 31;
constexpr int Title_EN_1993_1_8 = 13;
constexpr int Title_EN_1993_1_5 = 24;
constexpr int Title_EN_1993_1_9 = 26;
constexpr int Title_EN_1993_6 = 27;

// Rows of the applications whose description carries no flag strings.
struct Application_Rows {
    int number;
    unsigned long long positions;
};
constexpr Application_Rows Rows_By_Application[] = {
    {150, NAD_Row_Positions({0, 1, 2, 3})},
    {151, NAD_Row_Positions({0, 1, 4, 5})},
    {152, NAD_Row_Positions({0, 1, 2})},
    {153, NAD_Row_Positions({0, 1, 2})},
    {154, NAD_Row_Positions({0, 1, 2, 6})},
    {34, NAD_Row_Positions({0, 4})},
    {242, NAD_Row_Positions({0, 4})},
};

bool Row(int position) { return NAD_EC3_Row_Flags[position] != 0; }

// Caption and head of a table of EN 1993.
void Open_Table(FILE* s, int title_id) {
    NAD_Write_Table_Caption(s, title_id, true);
    NAD_Write_Table_Head(s);
}

// Bow imperfections e0/L of 5.3.2(3)b) for elastic and plastic analysis per buckling curve.
void Write_Imperfection_Rows(FILE* s, const NAD_EC3_1_Record& r) {
    static const char* const curves[5] = {"Knicklinie a0", "Knicklinie a", "Knicklinie b", "Knicklinie c",
                                          "Knicklinie d"};
    Print_To_Stream(s, " 5.3.2(3)b)   elastisch     plastisch       eingeprägte Vorkrümmung von Bauteilen\n"_cp);
    for (int k = 0; k < 5; ++k)
        Print_To_Stream(s, "              e╬\\0╬r/L = 1/%-3.0lf  e╬\\0╬r/L = 1/%-3.0lf    %-40s\n"_cp, r.e0_elastic[k],
                        r.e0_plastic[k], curves[k]);
}

// Partial factors of 6.1(1) for the persistent and transient and for the accidental situation.
void Write_Partial_Factor_Rows(FILE* s, const NAD_EC3_1_Record& r) {
    if (Row(2))
        Print_To_Stream(s, " 6.1(1)                                     Teilsicherheitsbeiwerte für Baustahl\n"_cp);
    else
        Print_To_Stream(s, " 6.1(1)       ständige/vorüberg. Situation  Teilsicherheitsbeiwerte für Baustahl\n"_cp);
    NAD_Write_Factor_Row(s, "M0", r.gamma_M0, "Querschnittsversagen");
    NAD_Write_Factor_Row(s, "M1", r.gamma_M1, "Stabilitätsversagen"_cp);
    if (Row(1)) {
        NAD_Write_Factor_Row(s, "M2", r.gamma_M2, "Bruchversagen infolge Zug");
        if (Row(2)) {
            Print_To_Stream(s, "                                            bzw. Beanspruchbarkeit von Schrauben,\n");
            Print_To_Stream(s, "                                            Schweißnähten, Blechen auf Lochleibung\n"_cp);
        }
    }
    if (Row(4)) {
        Print_To_Stream(s, "              außergewöhnliche Situation    Teilsicherheitsbeiwerte für Baustahl\n"_cp);
        NAD_Write_Factor_Row(s, "M0", r.gamma_M0_acc, "Querschnittsversagen");
        NAD_Write_Factor_Row(s, "M1", r.gamma_M1_acc, "Stabilitätsversagen"_cp);
        if (Row(1)) NAD_Write_Factor_Row(s, "M2", r.gamma_M2_acc, "Bruchversagen infolge Zug");
    }
}

// Lateral-torsional buckling: the modification factor f of 6.3.2.2(2) and the rolled-section method
// of 6.3.2.3.
void Write_Buckling_Rows(FILE* s, const NAD_EC3_1_Record& r) {
    Print_To_Stream(s, " 6.3.2.2(2)   Faktor f zur Modifizierung    Biegedrillknicken\n");
    if (r.apply_f_to_chi_LT)
        Print_To_Stream(s, "              von ╝╬\\LT╬r ansetzen              Allgemeiner Fall\n"_cp);
    else
        Print_To_Stream(s, "              von ╝╬\\LT╬r nicht ansetzen        Allgemeiner Fall\n"_cp);
    Print_To_Stream(s, " 6.3.2.3(1)   ┼╬\\LT,0╬r = %-5.2lf                 Schlankheitsgrad Gl. (6.57)\n"_cp, r.lambda_LT0);
    Print_To_Stream(s, "              ╗ = %-5.2lf                     Korrekturfaktor Gl. (6.57)\n"_cp, r.beta);
    if (r.f_given)
        Print_To_Stream(s, " 6.3.2.3(2)   Faktor f = %-5.2lf              Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"_cp,
                        r.f);
    else if (r.kc_from_table)
        Print_To_Stream(s, " 6.3.2.3(2)   Beiwert k╬\\c╬r aus Tabelle 6.6    Berechnung des Abminderungsfaktors ╝╬\\LT╬r\n"_cp);
    else
        Print_To_Stream(s, " 6.3.2.3(2)   Beiwert k╬\\c╬r = %-5.3lf            Berechnung des Abminderungsfaktor ╝╬\\LT╬r\n"_cp,
                        r.kc);
}

// EN 1993-1-2 2.3(1): the partial factor in fire.
void Write_Fire_Table(FILE* s, const NAD_EC3_1_Record& r) {
    Open_Table(s, Title_EN_1993_1_2);
    Print_To_Stream(s, " 2.3(1)       Brandfall                     Teilsicherheitsbeiwert für\n"_cp);
    NAD_Write_Factor_Row(s, "M,fi", r.gamma_M_fi, "mechanisches Versagen");
    NAD_Close_Table(s);
}

// The block of the active annex after a fresh choice of rows; null without stream or block.
const NAD_EC3_Block* Prepare(FILE* s) {
    if (!s) return nullptr;
    const NAD_EC3_Block* b = NAD_Get_EC3();
    if (b) NAD_Select_EC3_Report_Rows();
    return b;
}

}  // namespace

void NAD_Select_EC3_Report_Rows() {
    NAD_Read_Application_Table();
    NAD_EC3_Row_Flags.fill(0);
    if (NAD_Application_Has_Flags()) {
        for (int k = 0; k < NAD_EC3_Row_Count; ++k) NAD_EC3_Row_Flags[k] = NAD_Test_Parameter_Flag(3, k) ? 1 : 0;
        return;
    }
    const int number = NAD_Find_Application();
    for (const Application_Rows& a : Rows_By_Application) {
        if (a.number != number) continue;
        for (int k = 0; k < NAD_EC3_Row_Count; ++k) NAD_EC3_Row_Flags[k] = (a.positions >> k) & 1;
        break;
    }
    if (NAD_Application_All_Rows()) NAD_EC3_Row_Flags.fill(1);
}

void NAD_Write_EC3_Report(FILE* s) {
    const NAD_EC3_Block* b = Prepare(s);
    if (!b) return;
    const NAD_EC3_1_Record& r = b->ec3_1;
    Open_Table(s, Title_EN_1993_1_1);
    if (Row(10)) Write_Imperfection_Rows(s, r);
    if (Row(0)) Write_Partial_Factor_Rows(s, r);
    if (Row(5)) Write_Buckling_Rows(s, r);
    NAD_Close_Table(s);
    if (Row(9)) Write_Fire_Table(s, r);
}

void NAD_Write_EC3_8_Report(FILE* s) {
    const NAD_EC3_Block* b = Prepare(s);
    if (!b || !Row(0) || !Row(3)) return;
    const NAD_EC3_8_Record& r = b->ec3_8;
    Open_Table(s, Title_EN_1993_1_8);
    Print_To_Stream(s, " 2.2(2)                                     Teilsicherheitsbeiwerte für Anschlüsse\n"_cp);
    NAD_Write_Factor_Row(s, "M3", r.gamma_M3, "Gleitfestigkeit (Kat.C, GZT)");
    NAD_Write_Factor_Row(s, "M3,ser", r.gamma_M3_ser, "Gleitfestigkeit (Kat.B, GZG)");
    NAD_Write_Factor_Row(s, "M4", r.gamma_M4, "Injektionsschrauben");
    NAD_Write_Factor_Row(s, "M6,ser", r.gamma_M6_ser, "Bolzen (GZG)");
    NAD_Write_Factor_Row(s, "M7", r.gamma_M7, "Vorspannung hochfester Schrauben");
    NAD_Write_Factor_Row(s, "M5", r.gamma_M5, "Hohlprofile in Fachwerken");
    NAD_Close_Table(s);
}

void NAD_Write_EC3_1_5_Report(FILE* s) {
    const NAD_EC3_Block* b = Prepare(s);
    if (!b || !Row(6)) return;
    const NAD_EC3_8_Record& r = b->ec3_8;
    Open_Table(s, Title_EN_1993_1_5);
    Print_To_Stream(s, " 3.1(1)       Anmerkung %d                   zur Berücksichtigung der Schubverzerrungen\n"_cp,
                    r.shear_lag_note);
    Print_To_Stream(s, " 5.1(2)       ┴ = %-5.2lf                     Beiwert zur Berechnung des Schubbeulens\n"_cp, r.eta);
    NAD_Close_Table(s);
}

void NAD_Write_EC3_1_9_Report(FILE* s) {
    const NAD_EC3_Block* b = Prepare(s);
    if (!b || !Row(7)) return;
    const double* g = b->ec3_8.gamma_Mf;  // damage tolerant, safe life (low); damage tolerant, safe life (high)
    Open_Table(s, Title_EN_1993_1_9);
    Print_To_Stream(s, " 3(7)         Schadensfolgen                Teilsicherheitsbeiwert für Ermüdung\n"_cp);
    Print_To_Stream(s, "              niedrig        hoch           \n");
    Print_To_Stream(s, "              └╬\\Mf╬r = %-5.2lf    └╬\\Mf╬r = %-5.2lf    Schadenstoleranz\n"_cp, g[0], g[2]);
    Print_To_Stream(s, "              └╬\\Mf╬r = %-5.2lf    └╬\\Mf╬r = %-5.2lf    Versagen ohne Vorankündigung\n"_cp,
                    g[1], g[3]);
    NAD_Close_Table(s);
}

void NAD_Write_EC3_6_Report(FILE* s) {
    const NAD_EC3_Block* b = Prepare(s);
    if (!b || !Row(8)) return;
    Open_Table(s, Title_EN_1993_6);
    Print_To_Stream(s, " 7.5(1)       └╬\\M,ser╬r  = %-5.2lf               Teilsicherheitsbeiwert (GZG)\n"_cp,
                    b->ec3_8.gamma_M_ser);
    NAD_Close_Table(s);
}

void NAD_Write_EC3_Full_Report(FILE* s) {
    if (!s) return;
    OLI_setFlags(s, 0x380);
    OLI_setMarginsCM(s, 1, 0, 0);
    OLI_reserveSpaceCM(s, 6.0f);
    NAD_Write_Report_Title(s);
    NAD_Write_EC3_Report(s);
    NAD_Write_EC3_8_Report(s);
    NAD_Write_EC3_1_5_Report(s);
    NAD_Write_EC3_1_9_Report(s);
    NAD_Write_EC3_6_Report(s);
}
