// The material tables of a reinforced-concrete report: the first concrete record with the values
// of the law in use, the steel records (and a further grade for comparison), each with its legend,
// and the notes of the glass-fibre bars and the lattice girders.
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/concrete_classes.h"
#include "material/reinforcement_grades.h"
#include "material/section_material_set.h"
#include "platform/printlist/print_list_library.h"

namespace {

// Symbols of the report font.
const char* const Permille = "ë"_cp;
const char* const Beta = "╗"_cp;
const char* const Eps = "╛"_cp;
const char* const Gamma = "└"_cp;
const char* const Rho = "╦"_cp;
const char* const Sigma = "╠"_cp;
const char* const Geq = "≥"_cp;

constexpr float Legend_Step = -0.5f;

void Begin_Legend(FILE* f, int lines) {
    Print_To_Stream(f, "#END_OF_TEXT\n");
    OLI_setYPositionCM(f, 1, Legend_Step);
    Print_To_Stream(f, "#SHOWTABLE\n0 0 %d\n", lines);
}

void Write_Concrete_Newer(FILE* f, const Section_Material_Set* set, int nonlinear, int legend) {
    const Section_Concrete& c = set->concrete[0];
    const bool austrian = set->austrian != 0;
    const bool density = c.lightweight || c.cls == 30;
    Print_To_Stream(f, "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n8.5\n");
    if (nonlinear)
        Print_To_Stream(f, " Beton     f╬\\ck╬r   f╬\\cm╬r  %s╬\\c1╬r   %s╬\\c1u╬r   n╬\\c╬r "_cp, Eps, Eps);
    else
        Print_To_Stream(f, " Beton     f╬\\ck╬r   %s   %s╬\\c2╬r   %s╬\\c2u╬r   n╬\\c╬r "_cp,
                        austrian ? "╓╬\\d╬r"_cp : "║ "_cp, Eps, Eps);
    if (density) Print_To_Stream(f, "  %s╬\\c╬r "_cp, Rho);
    Print_To_Stream(f, "    E╬\\cm╬r   f╬\\ctm╬r \n"_cp);
    if (nonlinear)
        Print_To_Stream(f, "          MN/m╬/2╬r MN/m╬/2╬r  %s     %s     -   "_cp, Permille, Permille);
    else
        Print_To_Stream(f, "          MN/m╬/2╬r %s  %s     %s     -   "_cp, austrian ? "MN/m╬/2╬r"_cp : " -   ",
                        Permille, Permille);
    if (density) Print_To_Stream(f, "kg/m╬/3╬r"_cp);
    Print_To_Stream(f, "  MN/m╬/2╬r  MN/m╬/2╬r\n"_cp);

    // a lightweight C class is printed under its LC name
    const char* name = c.lightweight && c.cls >= 5 && c.cls <= 17 ? Concrete_LC_Class_Names[c.cls - 5] : c.name;
    if (nonlinear)
        Print_To_Stream(f, "%-8s%6.1lf%6.1lf%6.2lf%6.2lf%s", name, c.f_ck, c.f_cm, c.eps_peak, c.eps_ult,
                        Format_Exponent_Text(c.n));
    else
        Print_To_Stream(f, "%-8s%6.1lf%6.3lf%6.2lf%6.2lf%s", name, c.f_ck,
                        austrian ? Get_Concrete_Tau_D(c.cls, c.f_ck) : c.alpha_cc, c.eps_peak, c.eps_ult,
                        Format_Exponent_Text(c.n));
    if (density) Print_To_Stream(f, "%5.0lf", c.density);
    Print_To_Stream(f, "%9.1lf%6.3lf\n", c.e_cm, c.f_ctm);
    if (!legend) return;

    Begin_Legend(f, austrian ? 5 : 4);
    if (nonlinear)
        Print_To_Stream(f, " Charakteristische Druckfestigkeit f╬\\ck╬r, Mittelwert der Zylinderdruckfestigkeit "
                           "f╬\\cm╬r\n"_cp);
    else
        Print_To_Stream(f, " Bemessungswert der Zylinderdruckfestigkeit f╬\\cd╬r = %sf╬\\ck╬r / %s╬\\c╬r\n"_cp,
                        austrian ? "" : "║╬\\c╬r "_cp, Gamma);
    if (austrian) Print_To_Stream(f, "  Rechenwert der Schubspannungen ╓╬\\d╬r\n"_cp);
    Print_To_Stream(f, " Dehnung beim Erreichen der Festigkeitsgrenze %s╬\\c2╬r,  Bruchdehnung %s╬\\c2u╬r\n"_cp, Eps,
                    Eps);
    Print_To_Stream(f,
                    " Betonspannungen %s╬\\c╬r = f╬\\cd╬r (1-(1-%s╬\\c╬r/%s╬\\c2╬r)╬/n╬r) für 0%s%s╬\\c╬r>%s╬\\c2╬r  "
                    "und  %s╬\\c╬r = f╬\\cd╬r für %s╬\\c2╬r%s%s╬\\c╬r>%s╬\\c2u╬r\n"_cp,
                    Sigma, Eps, Eps, Geq, Eps, Eps, Sigma, Eps, Geq, Eps, Eps);
    Print_To_Stream(f, " Elastizitätsmodul E╬\\cm╬r, Mittelwert der zentrischen Zugfestigkeit f╬\\ctm╬r"_cp);
    if (density) Print_To_Stream(f, ", Rohdichte %s╬\\c╬r"_cp, Rho);
    Print_To_Stream(f, "\n0 0 -1 -1\n");
}

void Write_Concrete_Old(FILE* f, const Section_Material_Set* set, int legend) {
    const Section_Concrete& c = set->concrete[0];
    Print_To_Stream(f, "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n5.5\n");
    Print_To_Stream(f, " Beton   %s╬\\WN╬r    %s╬\\R╬r    %s╬\\b1╬r     n       E╬\\b╬r\n"_cp, Beta, Beta, Eps);
    Print_To_Stream(f, "        MN/m╬/2╬r  MN/m╬/2╬r   %s      -      MN/m╬/2╬r\n"_cp, Permille);
    Print_To_Stream(f, " %s %6.1lf %6.1lf%6.2lf%8.2lf%9.1lf\n", c.name, c.f_ck, c.f_cd, c.eps_peak, c.n, c.e_cm);
    if (!legend) return;
    Begin_Legend(f, 3);
    Print_To_Stream(f, "  Würfeldruckfestigkeit %s╬\\WN╬r,  Rechenwert der Betondruckfestigkeit %s╬\\R╬r\n"_cp, Beta,
                    Beta);
    Print_To_Stream(f, "  Dehnung beim Erreichen der Festigkeitsgrenze %s╬\\b1╬r,  Elastizitätsmodul E╬\\b╬r\n"_cp, Eps);
    Print_To_Stream(f,
                    "  Betonspannungen %s╬\\b╬r = %s╬\\R╬r (1-(1-%s╬\\b╬r/%s╬\\b1╬r)╬/n╬r) für 0%s%s╬\\b╬r>%s╬\\b1╬r  "
                    "und  %s╬\\b╬r = %s╬\\R╬r für %s╬\\b1╬r%s%s╬\\b╬r>%s╬\\b1u╬r\n"_cp,
                    Sigma, Beta, Eps, Eps, Geq, Eps, Eps, Sigma, Beta, Eps, Geq, Eps, Eps);
    Print_To_Stream(f, "0 0 -1 -1\n");
}

void Write_Rebar_Row(FILE* f, const std::string& name, double f_yk, double f_tk, double eps_su, double e_s) {
    Print_To_Stream(f, "%-13s%6.1lf %6.1lf%6.2lf%9.1lf\n", name.c_str(), f_yk, f_tk, eps_su, e_s);
}

void Write_Steel_Newer(FILE* f, const Section_Material_Set* set, int extra_grade, int two_rows, int legend) {
    const Section_Rebar& s1 = set->steel[0];
    const Section_Rebar* s2 = set->n_steel > 1 ? &set->steel[1] : nullptr;
    Print_To_Stream(f, " Bewehrung     f╬\\yk╬r    f╬\\tk╬r   %s╬\\su╬r     E╬\\s╬r\n"_cp, Eps);
    Print_To_Stream(f, "              MN/m╬/2╬r  MN/m╬/2╬r   %s     MN/m╬/2╬r\n"_cp, Permille);
    const bool own = s1.grade == Rebar_Grade_Own_Values;
    Write_Rebar_Row(f, std::string(s1.name) + (two_rows && own ? " ╬T(unten)╬r"_cp : ""), s1.f_yk, s1.f_tk,
                    s1.eps_su, s1.e_s);
    const bool second = two_rows && s2 && (s2->grade != s1.grade || own);
    if (second)
        Write_Rebar_Row(f, std::string(s2->name) + (s2->grade == Rebar_Grade_Own_Values ? " ╬T(oben)╬r "_cp : ""),
                        s2->f_yk, s2->f_tk, s2->eps_su, s2->e_s);
    // a further grade for comparison, from the grade tables
    if (extra_grade >= 0 && extra_grade <= 12 && extra_grade != s1.grade && !(second && extra_grade == s2->grade)) {
        const std::string name = Get_Rebar_Grade_Name(extra_grade, 0);
        if (extra_grade >= 3) {
            const Rebar_Grade_Row& r = Rebar_Grade_Table[extra_grade - 3];
            Write_Rebar_Row(f, name, r.f_yk, r.k * r.f_yk, r.eps_uk, r.E_s);
        } else {
            const double f_yk = Old_Rebar_Grade_Table[extra_grade].f_yk;
            Write_Rebar_Row(f, name, f_yk, f_yk, 5.0, 210000.0);
        }
    }
    if (!legend) return;
    Begin_Legend(f, 3);
    Print_To_Stream(f, " Bemessungswert der Streckgrenze f╬\\yd╬r = f╬\\yk╬r / %s╬\\s╬r\n"_cp, Gamma);
    Print_To_Stream(f, " Bemessungswert der Zugfestigkeit f╬\\td╬r = f╬\\tk╬r / %s╬\\s╬r\n"_cp, Gamma);
    Print_To_Stream(f, " Stahlbruchdehnung %s╬\\su╬r, Elastizitätsmodul E╬\\s╬r\n"_cp, Eps);
    Print_To_Stream(f, "0 0 -1 -1\n");
}

void Write_Steel_Old(FILE* f, const Section_Material_Set* set, int extra_grade, int legend) {
    const Section_Rebar& s1 = set->steel[0];
    const Section_Rebar* s2 = set->n_steel > 1 ? &set->steel[1] : nullptr;
    Print_To_Stream(f, " Bewehrung      %s╬\\S╬r      E╬\\s╬r\n"_cp, Beta);
    Print_To_Stream(f, "               MN/m╬/2╬r   MN/m╬/2╬r\n"_cp);
    Print_To_Stream(f, "%-13s %6.1lf%9.1lf\n", s1.name, s1.f_yd, s1.e_s);
    if (s2 && s2->grade != s1.grade) Print_To_Stream(f, "%-13s %6.1lf%9.1lf\n", s2->name, s2->f_yd, s2->e_s);
    if (s2 && extra_grade >= 0 && extra_grade <= 2 && extra_grade != s1.grade && extra_grade != s2->grade)
        Print_To_Stream(f, "%-13s %6.1lf%9.1lf\n", Get_Rebar_Grade_Name(extra_grade, 0),
                        Old_Rebar_Grade_Table[extra_grade].f_yk, 210000.0);
    if (!legend) return;
    Begin_Legend(f, 2);
    Print_To_Stream(f, " Streckgrenze der Bewehrung %s╬\\S╬r\n"_cp, Beta);
    Print_To_Stream(f, " Elastizitätsmodul E╬\\s╬r\n"_cp);
    Print_To_Stream(f, "0 0 -1 -1\n");
}

void Write_Note(FILE* f, const char* note) {
    OLI_setYPositionCM(f, 1, -0.6f);
    Print_To_Stream(f, "#SHOWTABLE\n0 0 1\n%s0 0 -1 -1\n#END_OF_TEXT\n", note);
}

}  // namespace

void Write_Material_Tables(FILE* stream, const Section_Material_Set* set, int extra_grade, int two_rows,
                           int nonlinear, int legend, double margin, int margin_chars) {
    if (!stream || !set) return;
    const bool newer = set->code_switch != 0;
    const float m = static_cast<float>(margin);
    OLI_setMarginsChar(stream, 1, m, margin_chars, 0, margin_chars);
    OLI_resetMaxMargin(stream);
    OLI_reserveSpaceCM(stream, 3.5f);

    // zero counts mean no table of that kind
    const bool steel = set->n_steel > 0 && set->steel[0].grade >= 0;
    const bool concrete = set->n_concrete > 0 && set->concrete[0].cls >= 0;
    if (concrete) {
        OLI_storeYPosition(stream, 8);
        if (newer) Write_Concrete_Newer(stream, set, nonlinear, legend);
        else Write_Concrete_Old(stream, set, legend);
        Print_To_Stream(stream, "#END_OF_TEXT\n");
        if (!steel) return;
        OLI_restoreYPosition(stream, 8);
        OLI_setMarginsChar(stream, 0x80001, 1.5f, 7, 0, 7);
    }
    if (!steel) return;

    Print_To_Stream(stream, "#SHOWTABLE\n0 0 0\n1 1 -1 -1 1\n12.5\n");
    if (newer) Write_Steel_Newer(stream, set, extra_grade, two_rows, legend);
    else Write_Steel_Old(stream, set, extra_grade, legend);
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    if (concrete) {
        OLI_setMarginsChar(stream, 1, m, margin_chars, 0, margin_chars);
        OLI_setYPositionCM(stream, 4, 0.0f);
    }

    const int g1 = set->steel[0].grade;
    const int g2 = set->n_steel > 1 ? set->steel[1].grade : -1;
    if (g1 == 5 || g2 == 5) Write_Note(stream, Combar_Note);
    if (g1 == 6 || g2 == 6 || extra_grade == 6) Write_Note(stream, Lattice_Girder_Note);
}
