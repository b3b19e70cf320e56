#include "annex/ec2_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

std::array<int, NAD_EC2_Row_Count> NAD_EC2_Row_Flags{};

namespace {

// Title ids of the standards.
constexpr int Title_EN_1992_1_1 = 4;
constexpr int Title_EN_1992_1_2 = 10;
constexpr int Title_EN_1992_2 = 21;

// Positions of the row flags that the writers test by name.
constexpr int Building_Rows = 30;
constexpr int Bridge_Table = 31;
constexpr int Fire_Table = 27;

// Rows of the applications whose description carries no flag strings, beyond the partial factors and
// alpha_cc of the building table that every such application reports.
struct Application_Rows {
    int number;
    unsigned long long positions;
    bool bridges_only;  // the building rows (position 30) are cleared
};
constexpr Application_Rows Rows_By_Application[] = {
    {58, NAD_Row_Positions({3, 4, 6, 10, 14, 18, 21, 24}), false},
    {56, NAD_Row_Positions({1, 3, 4, 10, 14, 18, 24, 26}), false},
    {50, NAD_Row_Positions({1, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 24, 25, 26, 27, 28, 29, 31}), false},
    {54, NAD_Row_Positions({1, 3, 4, 5, 10, 11, 12, 13, 14, 15, 16, 17, 18, 21, 24, 25, 26, 27, 28, 29, 31}), false},
    {104, NAD_Row_Positions({1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24}), false},
    {105, NAD_Row_Positions({1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25, 26}), false},
    {114, NAD_Row_Positions({1, 3, 10, 11, 17, 18, 21, 24, 31}), true},
    {115, NAD_Row_Positions({1, 3, 10, 11, 17, 18, 21, 24, 25, 26, 31}), true},
    {32, NAD_Row_Positions({1, 3, 4, 6, 7, 10, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24, 27, 29}), false},
    {94, NAD_Row_Positions({1, 3, 4, 8, 18, 25, 26}), false},
    {33, NAD_Row_Positions({1, 3, 4, 10, 11, 12, 14, 17, 18, 24, 25, 27, 28}), false},
    {84, NAD_Row_Positions({1, 3, 4, 10, 11, 12, 14, 17, 18, 24, 25, 27, 28}), false},
    {220, NAD_Row_Positions({1, 3, 4, 9, 10, 14, 17, 18, 21, 24, 25}), false},
    {121, NAD_Row_Positions({1, 3, 4, 10, 14, 17, 18, 21, 24}), false},
    {242, NAD_Row_Positions({1, 3, 4, 10, 11, 12, 14, 17, 18, 21, 24, 25}), false},
    {103, NAD_Row_Positions({1, 3, 4, 10, 14, 17, 18, 21, 24, 25, 26}), false},
};

bool Row(int position) { return NAD_EC2_Row_Flags[position] != 0; }

// A parameter with a form code: the value itself for code 1, the clause's formula with the value as
// factor for any other code; then the rest of the row (the meaning).
void Form_Row(FILE* s, int code, const char* value_format, const char* formula_format, double value,
              const char* rest) {
    Print_To_Stream(s, code == 1 ? value_format : formula_format, value);
    Print_To_Stream(s, "%s", rest);
}

// The same for a parameter whose formula the German annex replaces: under its rules (a nonzero
// variant) the formula gives way to the reference text.
void German_Form_Row(FILE* s, int variant, int code, const char* value_format, const char* german_text,
                     const char* formula_format, double value, const char* rest) {
    if (code != 1 && variant != 0) {
        Print_To_Stream(s, "%s%s", german_text, rest);
        return;
    }
    Form_Row(s, code, value_format, formula_format, value, rest);
}

// The block of the active annex after a fresh choice of rows; null without stream or block.
const NAD_EC2_Block* Prepare(FILE* s) {
    if (!s) return nullptr;
    const NAD_EC2_Block* b = NAD_Get_EC2();
    if (b) NAD_Select_EC2_Report_Rows();
    return b;
}

// 2.4.2.4(1): gamma_c and gamma_s of the persistent and transient situation and, with position 1, of
// the fatigue, earthquake and accidental situations.
void Write_Situation_Rows(FILE* s, const double* gamma_c, const double* gamma_s) {
    static const char* const meanings[4] = {"ständige und vorübergehende Bemessungssituation"_cp,
                                            "Bemessungssituation für Ermüdung"_cp,
                                            "Bemessungssituation für Erdbeben"_cp,
                                            "außergewöhnliche Bemessungssituation"_cp};
    Print_To_Stream(s, " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"_cp);
    for (int k = 0; k < (Row(1) ? 4 : 1); ++k)
        Print_To_Stream(s, "              └╬\\c╬r = %-5.2lf  └╬\\s╬r = %-5.2lf        %s\n"_cp, gamma_c[k], gamma_s[k],
                        meanings[k]);
}

// C_Rd,c, v_min and k_1 of the shear resistance without shear reinforcement.
void Write_Shear_Resistance_Rows(FILE* s, const char* clause, double C_Rd_c, double v_min, int v_min_form,
                                 double k1) {
    Print_To_Stream(s, " %-13sC╬\\Rd,c╬r = %5.2lf / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"_cp,
                    clause, C_Rd_c);
    Form_Row(s, v_min_form, "              ╟╬\\min╬r = %-5.3lf                  \n"_cp,
             "              ╟╬\\min╬r = %6.4lf/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"_cp, v_min, "");
    Print_To_Stream(s, "              k╬\\1╬r = %-5.2lf                    \n"_cp, k1);
}

// Limits of the strut inclination of 6.2.3(2), alpha_cw and nu_1 of the maximum shear resistance.
void Write_Strut_Rows(FILE* s, double cot_min, double cot_max, const char* alpha_cw_clause, double alpha_cw,
                      double nu_1, int nu_1_form) {
    Print_To_Stream(s, " 6.2.3(2)     min cot ░ = %-5.2lf             untere Grenze der Druckstrebenneigung\n"_cp, cot_min);
    Print_To_Stream(s, "              max cot ░ = %-5.2lf             obere Grenze der Druckstrebenneigung\n"_cp, cot_max);
    Print_To_Stream(s,
                    " %-13sα╬\\cw╬r = %-5.2lf                   Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"_cp,
                    alpha_cw_clause, alpha_cw);
    Form_Row(s, nu_1_form, "              ╟╬\\1╬r = %-5.3lf                    "_cp,
             "              ╟╬\\1╬r = %-5.3lf(1 - f╬\\ck╬r/250)       "_cp,
             nu_1, "Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"_cp);
}

// k_1 of the fatigue strength of concrete.
void Write_Fatigue_Strength_Rows(FILE* s, const char* clause, double k1) {
    Print_To_Stream(s, " %-13sk╬\\1╬r = %-5.2lf                    Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"_cp,
                    clause, k1);
    Print_To_Stream(s, "                                                      Betons\n");
}

// 9.5.2(2): minimum reinforcement of columns with its lower bound when one is set.
void Write_Column_Rows(FILE* s, double factor, double lower_bound, int form) {
    Form_Row(s, form, " 9.5.2(2)     A╬\\s,min╬r = %-5.2lf        "_cp,
             " 9.5.2(2)     A╬\\s,min╬r = %5.3lf N╬\\Ed╬r/f╬\\yd╬r"_cp, factor, "");
    if (lower_bound > 0.0001) Print_To_Stream(s, "\n                     ≥ %-5.3lf A╬\\c╬r     "_cp, lower_bound);
    Print_To_Stream(s, "        Mindestbewehrung für Stützen [cm²]\n"_cp);
}

// 4.4.1.2 and 4.4.1.3: minimum cover per exposure class and its allowances.
void Write_Cover_Rows(FILE* s, const NAD_EC2_Block& b) {
    Print_To_Stream(s, " 4.4.1.2(5)   Exp.Kl.  C╬\\min,dur╬r  úc╬\\dur,└╬r    Mindestbetondeckung in Abhängigkeit von der\n"_cp);
    for (int k = 0; k < 12; ++k) {
        const char* format = k == 0 ? "              %5s      %-5.2lf     %-5.2lf    Expositionsklasse C╬\\min,dur╬r [cm]\n"_cp
                             : k == 1
                                 ? " 4.4.1.2(6)   %5s      %-5.2lf     %-5.2lf    Mindestbetondeckung: additives Sicherheitselement úc╬\\dur,└╬r [cm]\n"_cp
                                 : "              %5s      %-5.2lf     %-5.2lf    \n";
        Print_To_Stream(s, format, b.exposure_names[k], b.c_min_dur[k], b.delta_c_dur_gamma[k]);
    }
    Print_To_Stream(s, " 4.4.1.2(7)   úc╬\\dur,st╬r  = %-5.2lf             Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]\n"_cp,
                    b.delta_c_dur_st);
    Print_To_Stream(s, " 4.4.1.2(8)   úc╬\\dur,add╬r = %-5.2lf             Mindestbetondeckung: Beton mit zusätzlichem Schutz [cm]\n"_cp,
                    b.delta_c_dur_add);
    Print_To_Stream(s, " 4.4.1.3(1)P  úc╬\\dev╬r     = %-5.2lf             Vorhaltemaß für die Betondeckung [cm]\n"_cp,
                    b.delta_c_dev);
}

// 5.5(4): limits of the moment redistribution.
void Write_Redistribution_Rows(FILE* s, const NAD_EC2_Block& b) {
    const double* k = b.k_redistribution;
    Print_To_Stream(s, " 5.5(4)       k╬\\1╬r = %-5.2lf                    Umlagerung: Beiwerte zur Ermittlung des erlaubten\n"_cp, k[0]);
    Form_Row(s, b.k2_form, "              k╬\\2╬r = %-5.2lf                    "_cp,
             "              k╬\\2╬r = %-5.2lf(0.6+0.0014/╛╬\\cu2╬r)   "_cp,
             k[1], "            Umlagerungsverhältnisses\n"_cp);
    Print_To_Stream(s, "              k╬\\3╬r = %-5.2lf                                \n"_cp, k[2]);
    Form_Row(s, b.k4_form, "              k╬\\4╬r = %-5.2lf                    "_cp,
             "              k╬\\4╬r = %-5.2lf(0.6+0.0014/╛╬\\cu2╬r)   "_cp,
             k[3], "            \n");
    Print_To_Stream(s, "              k╬\\5╬r = %-5.2lf                                \n"_cp, k[4]);
    Print_To_Stream(s, "              k╬\\6╬r = %-5.2lf                                \n"_cp, k[5]);
}

// 6.2.4(4) and (6): connection of flanges and webs.
void Write_Flange_Rows(FILE* s, const NAD_EC2_Block& b) {
    Print_To_Stream(s, " 6.2.4(4)     cot ░╬\\fz╬r = %-5.2lf               Anschlüsse: Druckstrebenneigung für Zuggurte\n"_cp,
                    b.cot_theta_f_tension);
    Print_To_Stream(s, "              cot ░╬\\fd╬r = %-5.2lf               Anschlüsse: Druckstrebenneigung für Druckgurte\n"_cp,
                    b.cot_theta_f_compression);
    Print_To_Stream(s, " 6.2.4(6)     k = %-5.2lf                     Anschlüsse: Beiwert für die aufnehmbare Zugspannung ohne\n"_cp,
                    b.k_flange);
    Print_To_Stream(s, "                                                        Anschlussbewehrung\n");
}

// 6.2.5(1): c, mu and nu of each joint surface; the surface name followed by "e Fugen" is the
// adjective form ("verzahnte Fugen").
void Write_Joint_Rows(FILE* s, const NAD_EC2_Block& b) {
    for (int k = 0; k < 4; ++k) {
        const char* format =
            k == 0 ? " 6.2.5(1)     c = %-4.2lf, ╞ = %-4.2lf, ╟ = %-4.2lf  Fugen: Rauhigkeitsbeiwerte für %se Fugen\n"_cp
                   : "              c = %-4.2lf, ╞ = %-4.2lf, ╟ = %-4.2lf         %se Fugen\n"_cp;
        Print_To_Stream(s, format, b.c_joint[k], b.mu_joint[k], b.nu_joint[k], b.surface_names[k]);
    }
}

// 7.3.4(3): maximum crack spacing.
void Write_Crack_Rows(FILE* s, const NAD_EC2_Block& b) {
    const char* continuation = "                                                   abgeschlossenem Rissbild\n";
    Print_To_Stream(s, " 7.3.4(3)     k╬\\3╬r = %-5.2lf                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"_cp,
                    b.k3_cracks);
    Print_To_Stream(s, "%s", continuation);
    Print_To_Stream(s, "              k╬\\4╬r = %-5.3lf                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"_cp,
                    b.k4_cracks);
    Print_To_Stream(s, "%s", continuation);
}

// 7.4.2(2): structural system factor K of the limiting span/depth ratio.
void Write_Deflection_Rows(FILE* s, const NAD_EC2_Block& b) {
    static const char* const systems[5] = {"Einfeld", "Endfeld", "Mittelfeld", "Flachdecke", "Kragträger"_cp};
    Print_To_Stream(s, " 7.4.2(2)     K╬\\%-11.11s╬r = %-5.2lf          Verformungen ohne direkte Berechnung (Biegeschlankheit):\n"_cp,
                    systems[0], b.K[0]);
    Print_To_Stream(s, "              K╬\\%-11.11s╬r = %-5.2lf          Beiwert zur Berücksichtigung des statischen Systems\n"_cp,
                    systems[1], b.K[1]);
    for (int k = 2; k < 5; ++k) Print_To_Stream(s, "              K╬\\%-11.11s╬r = %-5.2lf\n"_cp, systems[k], b.K[k]);
}

// 11.6.1 and 11.6.2: shear of lightweight concrete; 11.6.1(2) for torsion under position 12.
void Write_Lightweight_Shear_Rows(FILE* s, const NAD_EC2_Block& b) {
    Print_To_Stream(s, " 11.6.1(1)    C╬\\lRd,c╬r = %4.2lf / └╬\\c╬r            Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes\n"_cp,
                    b.C_lRd_c);
    Form_Row(s, b.v_l_min_form, "              ╟╬\\l,min╬r = %-5.3lf                "_cp,
             "              ╟╬\\l,min╬r = %6.4lf k╬/3/2╬r f╬\\lck╬r╬/1/2╬r  "_cp,
             b.v_l_min, "             \n");
    Print_To_Stream(s, "              k╬\\l1╬r = %4.2lf                                 \n"_cp, b.k_l1);
    Form_Row(s, b.nu_l_form, " 11.6.1(2)    ╟╬\\l╬r = %-5.3lf ┴╬\\1╬r                 "_cp,
             " 11.6.1(2)    ╟╬\\l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250)  "_cp,
             b.nu_l, "Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft\n"_cp);
}

void Write_Building_Rows(FILE* s, const NAD_EC2_Block& b) {
    const bool building = Row(Building_Rows);
    if (building && Row(0)) {
        Write_Situation_Rows(s, b.gamma_c, b.gamma_s);
        Print_To_Stream(s, " 2.4.2.4(2)   └╬\\c╬r = %-5.2lf  └╬\\s╬r = %-5.2lf        Grenzzustand der Gebrauchstauglichkeit\n"_cp,
                        b.gamma_c_sls, b.gamma_s_sls);
    }
    if (building && Row(2))
        Print_To_Stream(s, " 3.1.6(1)P    α╬\\cc╬r = %-5.2lf                   Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                        b.alpha_cc);
    if (building && Row(3))
        Print_To_Stream(s, " 3.1.6(2)P    α╬\\ct╬r = %-5.2lf                   Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                        b.alpha_ct);
    if (Row(6)) Write_Cover_Rows(s, b);
    if (Row(32))
        Print_To_Stream(s, " 5.2(6)       ░╬\\0╬r = 1/%-5.0lf                  Imperfektion: Grundwert der Schiefstellung\n"_cp,
                        b.theta_0_denominator);
    if (Row(7)) Write_Redistribution_Rows(s, b);
    if (Row(8))
        German_Form_Row(s, b.variant, b.lambda_lim_form, " 5.8.3.1(1)   ┼╬\\lim╬r = %-5.2lf                  "_cp,
                        " 5.8.3.1(1)   ┼╬\\lim╬r s. NA-DE                 "_cp,
                        " 5.8.3.1(1)   ┼╬\\lim╬r = %-5.2lf / n╬/1/2╬r           "_cp, b.lambda_lim,
                        "Grenzwert der Schlankheit für Einzeldruckglieder\n"_cp);
    if (Row(9)) {
        Print_To_Stream(s, " 5.8.6(3)     └╬\\cE╬r = %-5.2lf                   Teilsicherheitsbeiwert für den E-Modul beim Nachweis\n"_cp,
                        b.gamma_cE);
        Print_To_Stream(s, "                                            der Knicksicherheit (Th. II. O. im Zust. 2)\n");
    }
    if (Row(10) && building) Write_Shear_Resistance_Rows(s, "6.2.2(1)", b.C_Rd_c, b.v_min, b.v_min_form, b.k1_shear);
    if (Row(10)) {
        Form_Row(s, b.nu_form, " 6.2.2(6)     ╟╬\\V╬r = %-5.3lf                    "_cp,
                 " 6.2.2(6)     ╟╬\\V╬r = %-5.3lf(1 - f╬\\ck╬r/250)       "_cp,
                 b.nu, "Festigkeitsabminderungsbeiwert für Querkraft\n"_cp);
    }
    if (Row(11)) {
        Form_Row(s, b.nu_form, " 6.3.2(4)     ╟╬\\T╬r = %-5.3lf                    "_cp,
                 " 6.3.2(4)     ╟╬\\T╬r = %-5.3lf(1 - f╬\\ck╬r/250)       "_cp,
                 b.nu_T, "Festigkeitsabminderungsbeiwert für Torsion\n"_cp);
    }
    if (Row(10) && building) Write_Strut_Rows(s, b.cot_theta_min, b.cot_theta_max, "6.2.3(3)", b.alpha_cw, b.nu_1, b.nu_1_form);
    if (Row(10) && Row(15)) Write_Flange_Rows(s, b);
    if (Row(10) && Row(16)) Write_Joint_Rows(s, b);
    if (Row(17)) {
        Print_To_Stream(s, " 6.8.4(1)     └╬\\F,fat╬r = %-5.2lf                Ermüdung: Sicherheitsbeiwert für die Einwirkungen\n"_cp,
                        b.gamma_F_fat);
        if (building) Write_Fatigue_Strength_Rows(s, "6.8.7(1)", b.k1_fatigue);
    }
    if (Row(18)) Write_Crack_Rows(s, b);
    if (Row(19)) Write_Deflection_Rows(s, b);
    if (Row(20)) {
        Print_To_Stream(s, " 8.2(2)       k╬\\1╬r = %-5.2lf                    Stababstände: Beiwert für den lichten Abstand zwischen\n"_cp,
                        b.k1_spacing);
        Print_To_Stream(s, "                                                          parallelen Betonstählen oder Stahllagen\n"_cp);
    }
    if (Row(21))
        German_Form_Row(s, b.variant, b.As_min_beam_form, " 9.2.1.1(1)   A╬\\s,min╬r = %-5.2lf cm²            "_cp,
                        " 9.2.1.1(1)   A╬\\s,min╬r s. NA-DE               "_cp,
                        " 9.2.1.1(1)   A╬\\s,min╬r = %5.2lf f╬\\ctm╬r/f╬\\yk╬r b╬\\t╬r d\n"
                        "                     ≥ 0.0013 b╬\\t╬r d          "_cp,
                        b.As_min_beam, "Mindestbewehrung für Balken und Platten [cm²]\n"_cp);
    if (Row(22)) {
        Print_To_Stream(s, " 9.2.1.2(1)   ╗╬\\1╬r = %-5.2lf                    Mindeststützmomente an gelenkigen Endauflagern:\n"_cp,
                        b.beta_1);
        Print_To_Stream(s, "                                            Anteil des größten Feldmoments am Stützmoment\n"_cp);
    }
    if (Row(23)) {
        Print_To_Stream(s, " 9.2.1.4(1)   ╗╬\\2╬r = %-5.2lf                    Verankerung der unteren Bewehrung an Endauflagern:\n"_cp,
                        b.beta_2);
        Print_To_Stream(s, "                                            Mindestanteil der größten Feldbewehrung an der unteren Bew.\n"_cp);
    }
    if (Row(24))
        German_Form_Row(s, b.variant, b.rho_w_min_form, " 9.2.2(5)     ╦╬\\w,min╬r = %-5.3lf                "_cp,
                        " 9.2.2(5)     ╦╬\\w,min╬r s. NA-DE               "_cp,
                        " 9.2.2(5)     ╦╬\\w,min╬r = %5.3lf f╬\\ck╬r╬/1/2╬r / f╬\\yk╬r   "_cp, b.rho_w_min,
                        "Mindestbewehrungsgrad der Querkraftbewehrung\n");
    if (Row(25) && building) Write_Column_Rows(s, b.As_min_column, b.column_lower_bound, b.As_min_column_form);
    if (Row(26))
        German_Form_Row(s, b.variant, b.As_vmin_wall_form, " 9.6.2(1)     A╬\\s,vmin╬r = %-5.2lf               "_cp,
                        " 9.6.2(1)     A╬\\s,vmin╬r s. NA-DE              "_cp,
                        " 9.6.2(1)     A╬\\s,vmin╬r = %5.3lf A╬\\c╬r            "_cp, b.As_vmin_wall,
                        "Vertikale Mindestbewehrung für Wände [cm²]\n"_cp);
    if (Row(4)) {
        Print_To_Stream(s, " 11.3.5(1)    α╬\\lcc╬r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                        b.alpha_lcc);
        Print_To_Stream(s, " 11.3.5(2)    α╬\\lct╬r = %-5.2lf                  Leichtbeton: Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                        b.alpha_lct);
    }
    if (Row(14)) Write_Lightweight_Shear_Rows(s, b);
    if (Row(12)) {
        Form_Row(s, b.nu_l_form, "              ╟╬\\l╬r = %-5.3lf ┴╬\\1╬r                 "_cp,
                 "              ╟╬\\l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250)  "_cp,
                 b.nu_l_T, "Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion\n"_cp);
    }
    if (Row(14)) {
        Form_Row(s, b.nu_1l_form, " 11.6.2(1)    ╟╬\\1l╬r = %-5.3lf ┴╬\\1╬r                "_cp,
                 " 11.6.2(1)    ╟╬\\1l╬r = %5.3lf ┴╬\\1╬r (1 - f╬\\lck╬r/250) "_cp,
                 b.nu_1l, "Leichtbeton: Beiwert zur Ermittlung der maximalen\n");
        Print_To_Stream(s, "                                                         Querkrafttragfähigkeit\n"_cp);
    }
    if (Row(5)) {
        Print_To_Stream(s, " 12.3.1(1)    α╬\\cc,pl╬r = %-5.2lf                unbew.Beton: Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                        b.alpha_cc_pl);
        Print_To_Stream(s, "              α╬\\ct,pl╬r = %-5.2lf                unbew.Beton: Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                        b.alpha_ct_pl);
    }
    if (Row(13)) {
        if (b.variant != 0)
            Print_To_Stream(s, " 12.6.3(2)    k╬\\p╬r s. NA-DE                   unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"_cp);
        else
            Print_To_Stream(s, " 12.6.3(2)    k╬\\p╬r = %-5.2lf                    unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"_cp,
                            b.k_p);
        Print_To_Stream(s, "                                                         bei der Querkraftbemessung\n");
    }
}

// Caption and head of the fire and the bridge table, which stand below the building table.
void Open_Further_Table(FILE* s, int title_id) {
    OLI_reserveSpaceCM(s, 4.0f);
    NAD_Write_Table_Caption(s, title_id, false);
    OLI_setMarginsCM(s, 1, 0.0f, 0.0f);
    NAD_Write_Table_Head(s);
}

}  // namespace

void NAD_Select_EC2_Report_Rows() {
    NAD_Read_Application_Table();
    auto& flags = NAD_EC2_Row_Flags;
    flags.fill(0);
    if (NAD_Application_Has_Flags()) {
        for (int k = 0; k < NAD_EC2_Row_Count; ++k) flags[k] = NAD_Test_Parameter_Flag(2, k) ? 1 : 0;
        if (!flags[Building_Rows] && !flags[Bridge_Table]) {
            const int number = NAD_Find_Application();
            flags[number == 114 || number == 115 ? Bridge_Table : Building_Rows] = 1;
        }
        return;
    }
    const int number = NAD_Find_Application();
    flags[Building_Rows] = flags[0] = flags[2] = 1;
    for (const Application_Rows& a : Rows_By_Application) {
        if (a.number != number) continue;
        for (int k = 0; k < NAD_EC2_Row_Count; ++k)
            if ((a.positions >> k) & 1) flags[k] = 1;
        if (a.bridges_only) flags[Building_Rows] = 0;
        break;
    }
    if (NAD_Application_All_Rows()) flags.fill(1);
}

void NAD_Write_EC2_Report(FILE* s) {
    const NAD_EC2_Block* b = Prepare(s);
    if (!b) return;
    NAD_Write_Table_Caption(s, Title_EN_1992_1_1, true);
    NAD_Write_Table_Head(s);
    Write_Building_Rows(s, *b);
    NAD_Close_Table(s);
}

void NAD_Write_EC2_Fire_Report(FILE* s) {
    const NAD_EC2_Block* b = Prepare(s);
    if (!b || !Row(Fire_Table)) return;
    Open_Further_Table(s, Title_EN_1992_1_2);
    Print_To_Stream(s, " 2.3(2)       └╬\\M,fi╬r = %-5.2lf                 Materialsicherheitsbeiwert\n"_cp, b->gamma_M_fi);
    Print_To_Stream(s, " 3.2.3(5)     Klasse %16s       Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n",
                    b->steel_class_fire == 1 ? "X (Tabelle 3.2b)" : "N (Tabelle 3.2a)");
    Print_To_Stream(s, "                                            beziehung bei erhöhten Temperaturen\n"_cp);
    if (b->thermal_form == 1) {
        Print_To_Stream(s, " 3.3.3(1)     ┼╬\\c╬r = ┼╬\\co╬r oder ┼╬\\cu╬r             "_cp);
        Print_To_Stream(s, "thermische Leitfähigkeit des Betons\n"_cp);
        Print_To_Stream(s, "              s. Bemessungsoptionen         ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"_cp);
    } else {
        Print_To_Stream(s, " 3.3.3(1)     ┼╬\\c╬r = ┼╬\\cu╬r + %5.3lf (┼╬\\co╬r-┼╬\\cu╬r)    "_cp, b->thermal_x);
        Print_To_Stream(s, "thermische Leitfähigkeit des Betons\n"_cp);
        Print_To_Stream(s, "                                            ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"_cp);
    }
    Print_To_Stream(s, " 6.1(5)       Klasse %1d (Tabelle 6.1N)       hochfester Beton: Beton-Klasse zur Beschreibung der\n",
                    b->hsc_class_fire);
    Print_To_Stream(s, "                                                              Festigkeitsreduktion\n");
    if (Row(28))
        Print_To_Stream(s, " 6.4.2.1(3)   k = %-5.3lf                     hochfester Beton: Beiwert für die Querschnittsreduktion\n"_cp,
                        b->k_fire_columns);
    if (Row(29)) {
        Print_To_Stream(s, " 6.4.2.2(2)   k╬\\m╬r = %-5.3lf                    hochfester Beton: Beiwert für die Momententragfähigkeit\n"_cp,
                        b->k_m_fire_beams);
        Print_To_Stream(s, "                                                              bei Brandbeanspruchung in der Zugzone\n");
    }
    NAD_Close_Table(s);
}

void NAD_Write_EC2_Bridge_Report(FILE* s) {
    const NAD_EC2_Block* b = Prepare(s);
    if (!b || !Row(Bridge_Table)) return;
    Open_Further_Table(s, Title_EN_1992_2);
    if (Row(0)) {
        Write_Situation_Rows(s, b->bridge_gamma_c, b->bridge_gamma_s);
        Print_To_Stream(s, " 5.10.9(1)P                                 Streuung der Vorspannkraft\n");
        Print_To_Stream(s, "              P╬\\sup╬r = %-5.2lf  P╬\\inf╬r = %-5.2lf    Sofortiger oder ohne Verbund\n"_cp,
                        b->r_sup_pretensioned, b->r_inf_pretensioned);
        Print_To_Stream(s, "              P╬\\sup╬r = %-5.2lf  P╬\\inf╬r = %-5.2lf    Nachträglicher Verbund\n"_cp,
                        b->r_sup_post_tensioned, b->r_inf_post_tensioned);
    }
    if (Row(2))
        Print_To_Stream(s, " 3.1.6(101)P  α╬\\cc╬r = %-5.2lf                   Abminderungsbeiwert für die Betondruckfestigkeit\n"_cp,
                        b->bridge_alpha_cc);
    if (Row(3))
        Print_To_Stream(s, " 3.1.6(102)P  α╬\\ct╬r = %-5.2lf                   Abminderungsbeiwert für die Betonzugfestigkeit\n"_cp,
                        b->bridge_alpha_ct);
    if (Row(10)) {
        Write_Shear_Resistance_Rows(s, "6.2.2(101)", b->bridge_C_Rd_c, b->bridge_v_min, b->bridge_v_min_form,
                                    b->bridge_k1);
        Write_Strut_Rows(s, b->bridge_cot_theta_min, b->bridge_cot_theta_max, "6.2.3(103)", b->bridge_alpha_cw,
                         b->bridge_nu_1, b->bridge_nu_1_form);
    }
    if (Row(17)) Write_Fatigue_Strength_Rows(s, "6.8.7(101)", b->bridge_k1_fatigue);
    if (Row(2)) {
        const double* k = b->k_stress;
        Print_To_Stream(s, " 7.2(102)     k╬\\1╬r = %-5.2lf                    Beiwert zur Ermittlung der zul. Betondruckspannung\n"_cp, k[0]);
        Print_To_Stream(s, " 7.2(3)       k╬\\2╬r = %-5.2lf                    Beiwert zur Ermittlung der Betondruckspannung für\n"_cp, k[1]);
        Print_To_Stream(s, "                                                        lineares Kriechen\n");
        Print_To_Stream(s, " 7.2(3)       k╬\\3╬r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung\n"_cp, k[2]);
        Print_To_Stream(s, " 7.2(3)       k╬\\4╬r = %-5.2lf                    Beiwert zur Ermittlung der Stahlspannung für\n"_cp, k[3]);
        Print_To_Stream(s, "                                                        indirekte Einwirkungen\n");
        Print_To_Stream(s, " 7.2(3)       k╬\\5╬r = %-5.2lf                    Beiwert zur Ermittlung der Spannstahlspannung\n"_cp, k[4]);
    }
    if (Row(25))
        Write_Column_Rows(s, b->bridge_As_min_column, b->bridge_column_lower_bound, b->bridge_As_min_column_form);
    NAD_Close_Table(s);
}

void NAD_Write_EC2_Parameter_Report(FILE* s) {
    if (!s) return;
    OLI_setFlags(s, 896);
    OLI_reserveSpaceCM(s, 6.0f);
    NAD_Write_Report_Title(s);
    NAD_Write_EC2_Report(s);
    NAD_Write_EC2_Fire_Report(s);
    NAD_Write_EC2_Bridge_Report(s);
}
