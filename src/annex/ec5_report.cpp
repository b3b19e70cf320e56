#include "annex/ec5_report.h"

#include "annex/annex_record.h"
#include "annex/annex_report_tables.h"
#include "annex/application_table.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"

std::array<int, NAD_EC5_Row_Count> NAD_EC5_Row_Flags{};

namespace {

// Positions of the row flags.
constexpr int Buckling_Factor = 0;
constexpr int Material_Factors = 1;
constexpr int Modification_Factors = 2;
constexpr int Deformation_Factors = 3;
constexpr int Deflection_Limits = 4;
constexpr int Crack_Factor = 5;
constexpr int Net_Deflection = 6;
constexpr int Annex_Rules = 7;
constexpr int Torsion_Factor = 8;

bool Row(int position) { return NAD_EC5_Row_Flags[position] != 0; }

void Write_Material_Factors(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Materialsicherheitsbeiwerte\n");
    Print_To_Stream(s, " ständig und vorübergehend   Vollholz           %.2f\n"_cp, b.gamma_M_solid);
    Print_To_Stream(s, "                             Brettschichtholz   %.2f\n", b.gamma_M_glulam);
    Print_To_Stream(s, " außergewöhnlich             alle Arten         %.2f\n"_cp, b.gamma_M_accidental);
    Print_To_Stream(s, " Brandschutz                 alle Arten         %.2f\n", b.gamma_M_fire);
    NAD_Close_Table(s);
}

// k_mod per load-duration class and service class 1, 2, 3 (Table 3.1).
void Write_Modification_Factors(FILE* s, const NAD_EC5_Block& b) {
    static const char* const classes[5] = {"ständig"_cp, "lange", "mittel", "kurz", "sehr kurz"};
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Modifikationsbeiwerte\n");
    Print_To_Stream(s, "            Nutzungsklasse\n");
    Print_To_Stream(s, " KLED        1     2     3\n");
    for (int k = 0; k < 5; ++k)
        Print_To_Stream(s, " %-11s%.2f  %.2f  %.2f\n", classes[k], b.k_mod[k][0], b.k_mod[k][1], b.k_mod[k][2]);
    NAD_Close_Table(s);
}

void Write_Deformation_Factors(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Verformungsbeiwerte\n");
    Print_To_Stream(s, " k╬\\def╬r =     %.2f  %.2f  %.2f\n"_cp, b.k_def[0], b.k_def[1], b.k_def[2]);
    NAD_Close_Table(s);
}

// Limits l/x of 7.2 Table 7.2 for beams on two supports and cantilevers.
void Write_Deflection_Limits(FILE* s, const NAD_EC5_Block& b) {
    const double* x = b.deflection;
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Verformungsgrenzwerte\n");
    Print_To_Stream(s, " gemäß DIN EN 1995-1-1 Abschnitt 7.2 Tab. 7.2\n"_cp);
    Print_To_Stream(s, " Nachweis     normal    Kragarm\n");
    Print_To_Stream(s, " w╬\\inst╬r         l/%3.0f    l/%3.0f\n"_cp, x[0], x[1]);
    Print_To_Stream(s, " w╬\\fin╬r          l/%3.0f    l/%3.0f\n"_cp, x[2], x[3]);
    Print_To_Stream(s, " w╬\\net,fin╬r      l/%3.0f    l/%3.0f\n"_cp, x[4], x[5]);
    NAD_Close_Table(s);
}

// k_cr of 6.1.7(2): the two stored values, or the list of the German annex.
void Write_Crack_Factor(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Rissfaktor\n");
    Print_To_Stream(s, " Rissfaktor k╬\\cr╬r zur Festlegung der effektiven Querschnittsbreite\n"_cp);
    Print_To_Stream(s, " bei der Ermittlung der Schubspannungen aus Querkraft\n"_cp);
    if (b.k_cr_form == 1) {
        Print_To_Stream(s, " k╬\\cr╬r = %.2f   für Voll- und Brettschichtholz\n"_cp, b.k_cr_solid);
        Print_To_Stream(s, " k╬\\cr╬r = %.2f   sonst                         \n"_cp, b.k_cr_other);
    } else {
        Print_To_Stream(s, " k╬\\cr╬r = 2.0/fv,k   für Nadelholz\n"_cp);
        Print_To_Stream(s, " k╬\\cr╬r = 0.67       für Laubholz\n"_cp);
        Print_To_Stream(s, " k╬\\cr╬r = 2.5/fv,k   für Brettschichtholz\n"_cp);
        Print_To_Stream(s, " k╬\\cr╬r = 1.0        sonst\n"_cp);
    }
    NAD_Close_Table(s);
}

void Write_Torsion_Factor(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Abminderungsfaktor zum Nachweis der Torsionsspannungen:\n");
    Print_To_Stream(s, " k╬\\shape╬r = 1 + %.2f h/b, jedoch maximal %.2f\n"_cp, b.k_shape_factor, b.k_shape_max);
    NAD_Close_Table(s);
}

// w_net,fin of 7.2 from the characteristic or the quasi-permanent combination.
void Write_Net_Deflection(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Ermittlung der Netto-Enddurchbiegung nach EC5 (7.2): \n");
    Print_To_Stream(s, " w╬\\net,fin╬r = w╬\\inst╬r + w╬\\creep╬r - w╬\\c╬r\n"_cp);
    if (b.w_net_fin_combination == 1) {
        Print_To_Stream(s, " charakteristischer Kombination\n");
        Print_To_Stream(s, " gemäß EC5 (7.2) (2.2)...(2.5)\n"_cp);
    } else {
        Print_To_Stream(s, " quasiständiger Kombination\n"_cp);
        Print_To_Stream(s, " gemäß NAD Deutschland Änderung A1, (NA.A1)\n"_cp);
    }
    NAD_Close_Table(s);
}

void Write_Buckling_Factor(FILE* s, const NAD_EC5_Block& b) {
    NAD_Open_Text_Table(s);
    Print_To_Stream(s, " Ermittlung der bezogenen Kippschlankheit beim Biegedrillknicknachweis (nur für Brettschichtholz):\n"_cp);
    Print_To_Stream(s, " Faktor gemäß NCI Zu 6.3.3(2) = %.2f\n"_cp, b.nci_633_factor);
    NAD_Close_Table(s);
}

// A rule of the German annex: clause, the switch's text, what it governs.
struct Rule_Row {
    const char* clause;
    const char* on;
    const char* off;
    const char* meaning;
    int NAD_EC5_Block::*flag;
};
constexpr Rule_Row Rule_Rows[] = {
    {"2.3.1.2(2)P", "Tabelle NA.1 anwenden", "Tabelle NA.1 nicht anwenden",
     " Zuordnung von Einwirkungen zu Klassen der Lasteinwirkungsdauer", &NAD_EC5_Block::na1_switch},
    {"3.1.3", "Tabelle NA.4 anwenden", "Tabelle NA.4 nicht anwenden", " Modifikationsbeiwerte",
     &NAD_EC5_Block::na4_switch},
    {"8.3.2", "Tabelle NA.15 anwenden", "Tabelle NA.15 nicht anwenden",
     " f╬\\ax╬r, f╬\\head╬r für profilierte Nägel"_cp, &NAD_EC5_Block::na15_switch},
    {"8.3.1.2", "NA.11 anwenden", "NA.11 nicht anwenden", " Einschlagtiefen > 4 d", &NAD_EC5_Block::na11_switch},
    {"8.5.3 (2)", "Gewindestangen nach NAD", "keine Gewindestangen", " Gewindestangen zulassen",
     &NAD_EC5_Block::threaded_rod_switch},
    {"6.3.3 (7)", "Biegedrillknicken nach NAD", "Biegedrillknicken nach EC 5", " Biegedrillknicknachweis",
     &NAD_EC5_Block::ltb_switch},
    {"8.2.4 (1)", "vereinfachtes Verf. nach NAD", "Verfahren nach EC 5", " Verbindungsmittel",
     &NAD_EC5_Block::fastener_method_switch},
    {"9.2.4.2", "anwenden", "nicht anwenden", " (NA.20)  ", &NAD_EC5_Block::na20_switch},
    {"9.2.4.2", "anwenden", "nicht anwenden", " (NA.21)  ", &NAD_EC5_Block::na21_switch},
    {"6.1", "anwenden", "nicht anwenden", " (NA.8.1.6)  ", &NAD_EC5_Block::na816_switch},
    {"8.6", "anwenden", "nicht anwenden", " (NA.7)  ", &NAD_EC5_Block::na7_switch},
};

// gamma_M of Table 2.3 per material.
struct Material_Row {
    const char* material;
    double NAD_EC5_Block::*gamma_M;
};
constexpr Material_Row Material_Rows[] = {
    {"Vollholz", &NAD_EC5_Block::gamma_M_solid},
    {"Brettschichtholz", &NAD_EC5_Block::gamma_M_glulam},
    {"Brettsperrholz", &NAD_EC5_Block::gamma_M_clt},
    {"LVL, Sperrholz, OSB", &NAD_EC5_Block::gamma_M_panels},
    {"Spanplatten", &NAD_EC5_Block::gamma_M_particle},
    {"Harte Faserplatten", &NAD_EC5_Block::gamma_M_hard_fibre},
    {"Mittelharte Faserplatten", &NAD_EC5_Block::gamma_M_medium_fibre},
    {"MDF-Faserplatten", &NAD_EC5_Block::gamma_M_mdf},
    {"Weiche Faserplatten", &NAD_EC5_Block::gamma_M_soft_fibre},
    {"Verbindungen", &NAD_EC5_Block::gamma_M_connections},
    {"Nagelplatten", &NAD_EC5_Block::gamma_M_punched},
    {"Stahl in Verbindungen", &NAD_EC5_Block::gamma_M_steel},
    {"Gipskarton, etc.", &NAD_EC5_Block::gamma_M_plasterboard},
};

// The rules of the German annex that the block switches on or off, and the partial factors of 2.4.1.
void Write_Annex_Rules(FILE* s, const NAD_EC5_Block& b) {
    NAD_Write_Table_Head(s);
    for (const Rule_Row& r : Rule_Rows)
        Print_To_Stream(s, " %-12s %-29s%s\n", r.clause, b.*r.flag ? r.on : r.off, r.meaning);
    Print_To_Stream(s, " 2.4.1                                      Teilsicherheitsbeiwerte\n");
    for (const Material_Row& m : Material_Rows)
        Print_To_Stream(s, " Tab. 2.3     └╬\\M╬r = %.2lf                     %s\n"_cp, b.*m.gamma_M, m.material);
    NAD_Close_Table(s);
}

using Small_Table = void (*)(FILE*, const NAD_EC5_Block&);

// Two small tables side by side when both are chosen, else the chosen one over the full width.
void Write_Beside(FILE* s, const NAD_EC5_Block& b, int left, Small_Table write_left, int right,
                  Small_Table write_right) {
    if (Row(left) && Row(right)) {
        NAD_Write_Table_Pair(s, [&](FILE* out) { write_left(out, b); }, [&](FILE* out) { write_right(out, b); });
        return;
    }
    if (Row(left)) write_left(s, b);
    if (Row(right)) write_right(s, b);
}

}  // namespace

void NAD_Select_EC5_Report_Rows() {
    NAD_Read_Application_Table();
    auto& flags = NAD_EC5_Row_Flags;
    flags.fill(1);
    if (NAD_Application_Has_Flags()) {
        for (int k = 0; k < NAD_EC5_Row_Count; ++k) flags[k] = NAD_Test_Parameter_Flag(5, k) ? 1 : 0;
        return;
    }
    const int number = NAD_Find_Application();
    if (number == 220 || number == 242) {
        flags[Annex_Rules] = 0;
        flags[Torsion_Factor] = number == 242 ? 1 : 0;
    } else if (number >= 73 && number <= 76) {
        flags.fill(0);
        flags[Annex_Rules] = 1;
    }
}

void NAD_Write_EC5_Report(FILE* s) {
    if (!s) return;
    const NAD_EC5_Block* block = NAD_Get_EC5();
    if (!block) return;
    const NAD_EC5_Block& b = *block;
    NAD_Select_EC5_Report_Rows();
    OLI_setFlags(s, 896);
    bool small_tables = false;
    for (int k = 0; k <= Net_Deflection; ++k) small_tables = small_tables || Row(k);
    if (small_tables) OLI_reserveSpaceCM(s, 6.0f);
    Print_To_Stream(s, "#SHOWTABLE\n1 3 0\n");
    Print_To_Stream(s, " Ausgewählte Nachweisparameter des nationalen Anhangs\n"_cp);
    Print_To_Stream(s, " %s\n", NAD_Get_Active_Name());
    Print_To_Stream(s, " \n");
    Print_To_Stream(s, " DIN EN 1995-1-1 und DIN EN 1995-1-2 (EC5)\n");
    Print_To_Stream(s, "0 0 0 0 0\n");
    NAD_Close_Table(s);
    OLI_setYPositionCM(s, 1, -0.5f);
    Write_Beside(s, b, Material_Factors, Write_Material_Factors, Modification_Factors, Write_Modification_Factors);
    Write_Beside(s, b, Deformation_Factors, Write_Deformation_Factors, Deflection_Limits, Write_Deflection_Limits);
    if (Row(Crack_Factor)) Write_Crack_Factor(s, b);
    if (Row(Torsion_Factor)) Write_Torsion_Factor(s, b);
    if (Row(Net_Deflection)) Write_Net_Deflection(s, b);
    if (Row(Buckling_Factor)) Write_Buckling_Factor(s, b);
    if (Row(Annex_Rules)) Write_Annex_Rules(s, b);
}
