// Annex tables of the EN 1992 block in the report: the rows this program's application description
// chooses, the complete EN 1992 report and the rows of an application without a description, each
// compared as the whole print-list text; the choice of rows and the value or formula forms.
#include "annex/ec2_report.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <array>
#include <string>
#include <vector>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

const char* const Standard = "EC-Standardparameter";
const char* const Germany = "Deutschland";

// Caption of the EN 1992-1-1 table with the annex name, and head.
std::string Building_Table_Open(const std::string& annex) {
    return Annex_Caption_Block("EN 1992-1-1 (EC 2, Hochbau), NA " + annex) + Annex_Table_Head;
}

// Caption of the fire or the bridge table below the EN 1992-1-1 table, and head.
std::string Further_Table_Open(const std::string& title) {
    return "#LAYOUT reserveSpaceCM 4\n" + Annex_Caption_Block(title) + "#LAYOUT setMarginsCM 1 0 0\n" +
           Annex_Table_Head;
}

// The layout and title at the start of the complete EN 1992 report.
std::string Report_Title(const std::string& annex) {
    return "#LAYOUT setFlags 0x380\n"
           "#LAYOUT reserveSpaceCM 6\n" +
           Annex_Title_Block("Ausgewählte Bemessungsparameter des nationalen Anhangs", annex);
}

// The rows this program's description chooses: gamma_c and gamma_s, alpha_cc, alpha_ct and the shear
// rows of 6.2.2 and 6.2.3.
const std::string Standard_Rows =
    " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         ständige und vorübergehende Bemessungssituation\n"
    " 2.4.2.4(2)   └╬\\c╬r = 1.00   └╬\\s╬r = 1.00         Grenzzustand der Gebrauchstauglichkeit\n"
    " 3.1.6(1)P    α╬\\cc╬r = 1.00                    Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 3.1.6(2)P    α╬\\ct╬r = 1.00                    Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 6.2.2(1)     C╬\\Rd,c╬r =  0.18 / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\min╬r = 0.0525/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"
    "              k╬\\1╬r = 0.15                     \n"
    " 6.2.2(6)     ╟╬\\V╬r = 0.600(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Querkraft\n"
    " 6.2.3(2)     min cot ░ = 1.00              untere Grenze der Druckstrebenneigung\n"
    "              max cot ░ = 2.50              obere Grenze der Druckstrebenneigung\n"
    " 6.2.3(3)     α╬\\cw╬r = 1.00                    Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"
    "              ╟╬\\1╬r = 0.600(1 - f╬\\ck╬r/250)       Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"
    "#END_OF_TEXT\n";

const std::string German_Rows =
    " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         ständige und vorübergehende Bemessungssituation\n"
    " 2.4.2.4(2)   └╬\\c╬r = 1.00   └╬\\s╬r = 1.00         Grenzzustand der Gebrauchstauglichkeit\n"
    " 3.1.6(1)P    α╬\\cc╬r = 0.85                    Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 3.1.6(2)P    α╬\\ct╬r = 1.00                    Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 6.2.2(1)     C╬\\Rd,c╬r =  0.15 / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\min╬r = 0.0000/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"
    "              k╬\\1╬r = 0.12                     \n"
    " 6.2.2(6)     ╟╬\\V╬r = 0.750(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Querkraft\n"
    " 6.2.3(2)     min cot ░ = 0.58              untere Grenze der Druckstrebenneigung\n"
    "              max cot ░ = 3.00              obere Grenze der Druckstrebenneigung\n"
    " 6.2.3(3)     α╬\\cw╬r = 1.00                    Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"
    "              ╟╬\\1╬r = 0.750(1 - f╬\\ck╬r/250)       Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"
    "#END_OF_TEXT\n";

// Every row with the built-in values.
const std::string Standard_All_Building_Rows =
    " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         ständige und vorübergehende Bemessungssituation\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Ermüdung\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Erdbeben\n"
    "              └╬\\c╬r = 1.20   └╬\\s╬r = 1.00         außergewöhnliche Bemessungssituation\n"
    " 2.4.2.4(2)   └╬\\c╬r = 1.00   └╬\\s╬r = 1.00         Grenzzustand der Gebrauchstauglichkeit\n"
    " 3.1.6(1)P    α╬\\cc╬r = 1.00                    Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 3.1.6(2)P    α╬\\ct╬r = 1.00                    Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 4.4.1.2(5)   Exp.Kl.  C╬\\min,dur╬r  úc╬\\dur,└╬r    Mindestbetondeckung in Abhängigkeit von der\n"
    "                ---      0.00      0.00     Expositionsklasse C╬\\min,dur╬r [cm]\n"
    " 4.4.1.2(6)     X0       1.00      0.00     Mindestbetondeckung: additives Sicherheitselement úc╬\\dur,└╬r [cm]\n"
    "                XC1      1.50      0.00     \n"
    "                XC2      2.50      0.00     \n"
    "                XC3      2.50      0.00     \n"
    "                XC4      3.00      0.00     \n"
    "                XD1      3.50      0.00     \n"
    "                XD2      4.00      0.00     \n"
    "                XD3      4.50      0.00     \n"
    "                XS1      3.50      0.00     \n"
    "                XS2      4.00      0.00     \n"
    "                XS3      4.50      0.00     \n"
    " 4.4.1.2(7)   úc╬\\dur,st╬r  = 0.00              Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]\n"
    " 4.4.1.2(8)   úc╬\\dur,add╬r = 0.00              Mindestbetondeckung: Beton mit zusätzlichem Schutz [cm]\n"
    " 4.4.1.3(1)P  úc╬\\dev╬r     = 1.00              Vorhaltemaß für die Betondeckung [cm]\n"
    " 5.2(6)       ░╬\\0╬r = 1/200                    Imperfektion: Grundwert der Schiefstellung\n"
    " 5.5(4)       k╬\\1╬r = 0.44                     Umlagerung: Beiwerte zur Ermittlung des erlaubten\n"
    "              k╬\\2╬r = 1.25 (0.6+0.0014/╛╬\\cu2╬r)               Umlagerungsverhältnisses\n"
    "              k╬\\3╬r = 0.54                                 \n"
    "              k╬\\4╬r = 1.25 (0.6+0.0014/╛╬\\cu2╬r)               \n"
    "              k╬\\5╬r = 0.70                                 \n"
    "              k╬\\6╬r = 0.80                                 \n"
    " 5.8.3.1(1)   ┼╬\\lim╬r = 10.78 / n╬/1/2╬r           Grenzwert der Schlankheit für Einzeldruckglieder\n"
    " 5.8.6(3)     └╬\\cE╬r = 1.20                    Teilsicherheitsbeiwert für den E-Modul beim Nachweis\n"
    "                                            der Knicksicherheit (Th. II. O. im Zust. 2)\n"
    " 6.2.2(1)     C╬\\Rd,c╬r =  0.18 / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\min╬r = 0.0525/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"
    "              k╬\\1╬r = 0.15                     \n"
    " 6.2.2(6)     ╟╬\\V╬r = 0.600(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Querkraft\n"
    " 6.3.2(4)     ╟╬\\T╬r = 0.600(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Torsion\n"
    " 6.2.3(2)     min cot ░ = 1.00              untere Grenze der Druckstrebenneigung\n"
    "              max cot ░ = 2.50              obere Grenze der Druckstrebenneigung\n"
    " 6.2.3(3)     α╬\\cw╬r = 1.00                    Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"
    "              ╟╬\\1╬r = 0.600(1 - f╬\\ck╬r/250)       Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"
    " 6.2.4(4)     cot ░╬\\fz╬r = 1.00                Anschlüsse: Druckstrebenneigung für Zuggurte\n"
    "              cot ░╬\\fd╬r = 1.20                Anschlüsse: Druckstrebenneigung für Druckgurte\n"
    " 6.2.4(6)     k = 0.40                      Anschlüsse: Beiwert für die aufnehmbare Zugspannung ohne\n"
    "                                                        Anschlussbewehrung\n"
    " 6.2.5(1)     c = 0.50, ╞ = 0.90, ╟ = 0.60  Fugen: Rauhigkeitsbeiwerte für verzahnte Fugen\n"
    "              c = 0.40, ╞ = 0.70, ╟ = 0.60         raue Fugen\n"
    "              c = 0.20, ╞ = 0.60, ╟ = 0.60         glatte Fugen\n"
    "              c = 0.05, ╞ = 0.50, ╟ = 0.60         sehr glatte Fugen\n"
    " 6.8.4(1)     └╬\\F,fat╬r = 1.00                 Ermüdung: Sicherheitsbeiwert für die Einwirkungen\n"
    " 6.8.7(1)     k╬\\1╬r = 0.85                     Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"
    "                                                      Betons\n"
    " 7.3.4(3)     k╬\\3╬r = 3.40                     Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"
    "                                                   abgeschlossenem Rissbild\n"
    "              k╬\\4╬r = 0.425                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"
    "                                                   abgeschlossenem Rissbild\n"
    " 7.4.2(2)     K╬\\Einfeld    ╬r = 1.00           Verformungen ohne direkte Berechnung (Biegeschlankheit):\n"
    "              K╬\\Endfeld    ╬r = 1.30           Beiwert zur Berücksichtigung des statischen Systems\n"
    "              K╬\\Mittelfeld ╬r = 1.50 \n"
    "              K╬\\Flachdecke ╬r = 1.20 \n"
    "              K╬\\Kragträger ╬r = 0.40 \n"
    " 8.2(2)       k╬\\1╬r = 1.00                     Stababstände: Beiwert für den lichten Abstand zwischen\n"
    "                                                          parallelen Betonstählen oder Stahllagen\n"
    " 9.2.1.1(1)   A╬\\s,min╬r =  0.26 f╬\\ctm╬r/f╬\\yk╬r b╬\\t╬r d\n"
    "                     ≥ 0.0013 b╬\\t╬r d          Mindestbewehrung für Balken und Platten [cm²]\n"
    " 9.2.1.2(1)   ╗╬\\1╬r = 0.15                     Mindeststützmomente an gelenkigen Endauflagern:\n"
    "                                            Anteil des größten Feldmoments am Stützmoment\n"
    " 9.2.1.4(1)   ╗╬\\2╬r = 0.25                     Verankerung der unteren Bewehrung an Endauflagern:\n"
    "                                            Mindestanteil der größten Feldbewehrung an der unteren Bew.\n"
    " 9.2.2(5)     ╦╬\\w,min╬r = 0.080 f╬\\ck╬r╬/1/2╬r / f╬\\yk╬r   Mindestbewehrungsgrad der Querkraftbewehrung\n"
    " 9.5.2(2)     A╬\\s,min╬r = 0.100 N╬\\Ed╬r/f╬\\yd╬r\n"
    "                     ≥ 0.002 A╬\\c╬r             Mindestbewehrung für Stützen [cm²]\n"
    " 9.6.2(1)     A╬\\s,vmin╬r = 0.002 A╬\\c╬r            Vertikale Mindestbewehrung für Wände [cm²]\n"
    " 11.3.5(1)    α╬\\lcc╬r = 0.85                   Leichtbeton: Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 11.3.5(2)    α╬\\lct╬r = 0.85                   Leichtbeton: Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 11.6.1(1)    C╬\\lRd,c╬r = 0.15 / └╬\\c╬r            Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\l,min╬r = 0.0420 k╬/3/2╬r f╬\\lck╬r╬/1/2╬r               \n"
    "              k╬\\l1╬r = 0.15                                 \n"
    " 11.6.1(2)    ╟╬\\l╬r = 0.500 ┴╬\\1╬r (1 - f╬\\lck╬r/250)  Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft\n"
    "              ╟╬\\l╬r = 0.500 ┴╬\\1╬r (1 - f╬\\lck╬r/250)  Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion\n"
    " 11.6.2(1)    ╟╬\\1l╬r = 0.500 ┴╬\\1╬r (1 - f╬\\lck╬r/250) Leichtbeton: Beiwert zur Ermittlung der maximalen\n"
    "                                                         Querkrafttragfähigkeit\n"
    " 12.3.1(1)    α╬\\cc,pl╬r = 0.80                 unbew.Beton: Abminderungsbeiwert für die Betondruckfestigkeit\n"
    "              α╬\\ct,pl╬r = 0.80                 unbew.Beton: Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 12.6.3(2)    k╬\\p╬r = 1.50                     unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"
    "                                                         bei der Querkraftbemessung\n"
    "#END_OF_TEXT\n";

const std::string Standard_All_Fire_Rows =
    " 2.3(2)       └╬\\M,fi╬r = 1.00                  Materialsicherheitsbeiwert\n"
    " 3.2.3(5)     Klasse N (Tabelle 3.2a)       Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n"
    "                                            beziehung bei erhöhten Temperaturen\n"
    " 3.3.3(1)     ┼╬\\c╬r = ┼╬\\co╬r oder ┼╬\\cu╬r             thermische Leitfähigkeit des Betons\n"
    "              s. Bemessungsoptionen         ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"
    " 6.1(5)       Klasse 1 (Tabelle 6.1N)       hochfester Beton: Beton-Klasse zur Beschreibung der\n"
    "                                                              Festigkeitsreduktion\n"
    " 6.4.2.1(3)   k = 1.100                     hochfester Beton: Beiwert für die Querschnittsreduktion\n"
    " 6.4.2.2(2)   k╬\\m╬r = 0.950                    hochfester Beton: Beiwert für die Momententragfähigkeit\n"
    "                                                              bei Brandbeanspruchung in der Zugzone\n"
    "#END_OF_TEXT\n";

const std::string Standard_All_Bridge_Rows =
    " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         ständige und vorübergehende Bemessungssituation\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Ermüdung\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Erdbeben\n"
    "              └╬\\c╬r = 1.20   └╬\\s╬r = 1.00         außergewöhnliche Bemessungssituation\n"
    " 5.10.9(1)P                                 Streuung der Vorspannkraft\n"
    "              P╬\\sup╬r = 1.05   P╬\\inf╬r = 0.95     Sofortiger oder ohne Verbund\n"
    "              P╬\\sup╬r = 1.10   P╬\\inf╬r = 0.90     Nachträglicher Verbund\n"
    " 3.1.6(101)P  α╬\\cc╬r = 0.85                    Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 3.1.6(102)P  α╬\\ct╬r = 1.00                    Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 6.2.2(101)   C╬\\Rd,c╬r =  0.18 / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\min╬r = 0.0525/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"
    "              k╬\\1╬r = 0.15                     \n"
    " 6.2.3(2)     min cot ░ = 1.00              untere Grenze der Druckstrebenneigung\n"
    "              max cot ░ = 2.50              obere Grenze der Druckstrebenneigung\n"
    " 6.2.3(103)   α╬\\cw╬r = 1.00                    Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"
    "              ╟╬\\1╬r = 0.600(1 - f╬\\ck╬r/250)       Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"
    " 6.8.7(101)   k╬\\1╬r = 0.85                     Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"
    "                                                      Betons\n"
    " 7.2(102)     k╬\\1╬r = 0.60                     Beiwert zur Ermittlung der zul. Betondruckspannung\n"
    " 7.2(3)       k╬\\2╬r = 0.45                     Beiwert zur Ermittlung der Betondruckspannung für\n"
    "                                                        lineares Kriechen\n"
    " 7.2(3)       k╬\\3╬r = 0.80                     Beiwert zur Ermittlung der Stahlspannung\n"
    " 7.2(3)       k╬\\4╬r = 1.00                     Beiwert zur Ermittlung der Stahlspannung für\n"
    "                                                        indirekte Einwirkungen\n"
    " 7.2(3)       k╬\\5╬r = 0.65                     Beiwert zur Ermittlung der Spannstahlspannung\n"
    " 9.5.2(2)     A╬\\s,min╬r = 0.100 N╬\\Ed╬r/f╬\\yd╬r\n"
    "                     ≥ 0.002 A╬\\c╬r             Mindestbewehrung für Stützen [cm²]\n"
    "#END_OF_TEXT\n";

// Every row of the German annex: its values, "s. NA-DE" in place of four formulas and k_p, k_2 and
// k_4 as plain values.
const std::string German_All_Building_Rows =
    " 2.4.2.4(1)                                 Teilsicherheitsbeiwerte für Beton und Betonstahl\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         ständige und vorübergehende Bemessungssituation\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Ermüdung\n"
    "              └╬\\c╬r = 1.50   └╬\\s╬r = 1.15         Bemessungssituation für Erdbeben\n"
    "              └╬\\c╬r = 1.30   └╬\\s╬r = 1.00         außergewöhnliche Bemessungssituation\n"
    " 2.4.2.4(2)   └╬\\c╬r = 1.00   └╬\\s╬r = 1.00         Grenzzustand der Gebrauchstauglichkeit\n"
    " 3.1.6(1)P    α╬\\cc╬r = 0.85                    Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 3.1.6(2)P    α╬\\ct╬r = 1.00                    Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 4.4.1.2(5)   Exp.Kl.  C╬\\min,dur╬r  úc╬\\dur,└╬r    Mindestbetondeckung in Abhängigkeit von der\n"
    "                ---      0.00      0.00     Expositionsklasse C╬\\min,dur╬r [cm]\n"
    " 4.4.1.2(6)     X0       0.00      0.00     Mindestbetondeckung: additives Sicherheitselement úc╬\\dur,└╬r [cm]\n"
    "                XC1      1.00      0.00     \n"
    "                XC2      2.00      0.00     \n"
    "                XC3      2.00      0.00     \n"
    "                XC4      2.50      0.00     \n"
    "                XD1      4.00      1.00     \n"
    "                XD2      4.00      0.50     \n"
    "                XD3      4.00      0.00     \n"
    "                XS1      4.00      1.00     \n"
    "                XS2      4.00      0.50     \n"
    "                XS3      4.00      0.00     \n"
    " 4.4.1.2(7)   úc╬\\dur,st╬r  = 0.00              Mindestbetondeckung: Verwendung von rostfreiem Stahl [cm]\n"
    " 4.4.1.2(8)   úc╬\\dur,add╬r = 0.00              Mindestbetondeckung: Beton mit zusätzlichem Schutz [cm]\n"
    " 4.4.1.3(1)P  úc╬\\dev╬r     = 1.50              Vorhaltemaß für die Betondeckung [cm]\n"
    " 5.2(6)       ░╬\\0╬r = 1/200                    Imperfektion: Grundwert der Schiefstellung\n"
    " 5.5(4)       k╬\\1╬r = 0.64                     Umlagerung: Beiwerte zur Ermittlung des erlaubten\n"
    "              k╬\\2╬r = 0.80                                 Umlagerungsverhältnisses\n"
    "              k╬\\3╬r = 0.72                                 \n"
    "              k╬\\4╬r = 0.80                                 \n"
    "              k╬\\5╬r = 0.70                                 \n"
    "              k╬\\6╬r = 0.85                                 \n"
    " 5.8.3.1(1)   ┼╬\\lim╬r s. NA-DE                 Grenzwert der Schlankheit für Einzeldruckglieder\n"
    " 5.8.6(3)     └╬\\cE╬r = 1.50                    Teilsicherheitsbeiwert für den E-Modul beim Nachweis\n"
    "                                            der Knicksicherheit (Th. II. O. im Zust. 2)\n"
    " 6.2.2(1)     C╬\\Rd,c╬r =  0.15 / └╬\\c╬r            Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\min╬r = 0.0000/└╬\\c╬r k╬/3/2╬r f╬\\ck╬r╬/1/2╬r  \n"
    "              k╬\\1╬r = 0.12                     \n"
    " 6.2.2(6)     ╟╬\\V╬r = 0.750(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Querkraft\n"
    " 6.3.2(4)     ╟╬\\T╬r = 0.750(1 - f╬\\ck╬r/250)       Festigkeitsabminderungsbeiwert für Torsion\n"
    " 6.2.3(2)     min cot ░ = 0.58              untere Grenze der Druckstrebenneigung\n"
    "              max cot ░ = 3.00              obere Grenze der Druckstrebenneigung\n"
    " 6.2.3(3)     α╬\\cw╬r = 1.00                    Beiwert zur Berücksichtigung des Spannungszustands im Druckgurt\n"
    "              ╟╬\\1╬r = 0.750(1 - f╬\\ck╬r/250)       Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n"
    " 6.2.4(4)     cot ░╬\\fz╬r = 1.00                Anschlüsse: Druckstrebenneigung für Zuggurte\n"
    "              cot ░╬\\fd╬r = 1.20                Anschlüsse: Druckstrebenneigung für Druckgurte\n"
    " 6.2.4(6)     k = 0.00                      Anschlüsse: Beiwert für die aufnehmbare Zugspannung ohne\n"
    "                                                        Anschlussbewehrung\n"
    " 6.2.5(1)     c = 2.40, ╞ = 1.00, ╟ = 0.75  Fugen: Rauhigkeitsbeiwerte für verzahnte Fugen\n"
    "              c = 2.00, ╞ = 0.70, ╟ = 0.75         raue Fugen\n"
    "              c = 1.40, ╞ = 0.60, ╟ = 0.75         glatte Fugen\n"
    "              c = 0.00, ╞ = 0.50, ╟ = 0.75         sehr glatte Fugen\n"
    " 6.8.4(1)     └╬\\F,fat╬r = 1.00                 Ermüdung: Sicherheitsbeiwert für die Einwirkungen\n"
    " 6.8.7(1)     k╬\\1╬r = 1.00                     Ermüdung: Beiwert zur Ermittlung der Bemessungsfestigkeit des\n"
    "                                                      Betons\n"
    " 7.3.4(3)     k╬\\3╬r = 0.00                     Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"
    "                                                   abgeschlossenem Rissbild\n"
    "              k╬\\4╬r = 0.278                    Risse: Beiwert zur Ermittlung des maximalen Rissabstands bei\n"
    "                                                   abgeschlossenem Rissbild\n"
    " 7.4.2(2)     K╬\\Einfeld    ╬r = 1.00           Verformungen ohne direkte Berechnung (Biegeschlankheit):\n"
    "              K╬\\Endfeld    ╬r = 0.80           Beiwert zur Berücksichtigung des statischen Systems\n"
    "              K╬\\Mittelfeld ╬r = 0.60 \n"
    "              K╬\\Flachdecke ╬r = 0.70 \n"
    "              K╬\\Kragträger ╬r = 2.40 \n"
    " 8.2(2)       k╬\\1╬r = 1.00                     Stababstände: Beiwert für den lichten Abstand zwischen\n"
    "                                                          parallelen Betonstählen oder Stahllagen\n"
    " 9.2.1.1(1)   A╬\\s,min╬r s. NA-DE               Mindestbewehrung für Balken und Platten [cm²]\n"
    " 9.2.1.2(1)   ╗╬\\1╬r = 0.25                     Mindeststützmomente an gelenkigen Endauflagern:\n"
    "                                            Anteil des größten Feldmoments am Stützmoment\n"
    " 9.2.1.4(1)   ╗╬\\2╬r = 0.25                     Verankerung der unteren Bewehrung an Endauflagern:\n"
    "                                            Mindestanteil der größten Feldbewehrung an der unteren Bew.\n"
    " 9.2.2(5)     ╦╬\\w,min╬r s. NA-DE               Mindestbewehrungsgrad der Querkraftbewehrung\n"
    " 9.5.2(2)     A╬\\s,min╬r = 0.150 N╬\\Ed╬r/f╬\\yd╬r        Mindestbewehrung für Stützen [cm²]\n"
    " 9.6.2(1)     A╬\\s,vmin╬r s. NA-DE              Vertikale Mindestbewehrung für Wände [cm²]\n"
    " 11.3.5(1)    α╬\\lcc╬r = 0.75                   Leichtbeton: Abminderungsbeiwert für die Betondruckfestigkeit\n"
    " 11.3.5(2)    α╬\\lct╬r = 1.00                   Leichtbeton: Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 11.6.1(1)    C╬\\lRd,c╬r = 0.15 / └╬\\c╬r            Leichtbeton: Beiwerte zur Ermittlung des Querkraftwiderstandes\n"
    "              ╟╬\\l,min╬r = 0.0000 k╬/3/2╬r f╬\\lck╬r╬/1/2╬r               \n"
    "              k╬\\l1╬r = 0.12                                 \n"
    " 11.6.1(2)    ╟╬\\l╬r = 0.750 ┴╬\\1╬r (1 - f╬\\lck╬r/250)  Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft\n"
    "              ╟╬\\l╬r = 0.750 ┴╬\\1╬r (1 - f╬\\lck╬r/250)  Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion\n"
    " 11.6.2(1)    ╟╬\\1l╬r = 0.750 ┴╬\\1╬r (1 - f╬\\lck╬r/250) Leichtbeton: Beiwert zur Ermittlung der maximalen\n"
    "                                                         Querkrafttragfähigkeit\n"
    " 12.3.1(1)    α╬\\cc,pl╬r = 0.85                 unbew.Beton: Abminderungsbeiwert für die Betondruckfestigkeit\n"
    "              α╬\\ct,pl╬r = 1.00                 unbew.Beton: Abminderungsbeiwert für die Betonzugfestigkeit\n"
    " 12.6.3(2)    k╬\\p╬r s. NA-DE                   unbew.Beton: Beiwert zur Ermittlung der Bemessungsspannung\n"
    "                                                         bei der Querkraftbemessung\n"
    "#END_OF_TEXT\n";

// The shipped annex files; the application described by the shipped description unless a test
// describes its own.
struct EC2Report : ::testing::Test {
    Annex_Folders f;
    void SetUp() override { Use_Shipped_Host(); }
    // No description of this program.
    void Describe_Nothing() { setenv("EXEC", f.exec.c_str(), 1); }
};

std::string Written(void (*write)(FILE*)) { return Report_Text(write); }

// What the writer gives with the named annex active.
std::string Written(void (*write)(FILE*), const char* annex) {
    NAD_Set_Annex_By_Name(annex);
    return Report_Text(write);
}

}  // namespace

TEST_F(EC2Report, RowsOfThisProgram) {
    EXPECT_EQ(Written(NAD_Write_EC2_Report, Standard), Building_Table_Open(Standard) + Standard_Rows);
    EXPECT_EQ(Written(NAD_Write_EC2_Report, Germany), Building_Table_Open(Germany) + German_Rows);
}

TEST_F(EC2Report, FullReportOfThisProgramHasNoFireOrBridgeTable) {
    EXPECT_EQ(Written(NAD_Write_EC2_Parameter_Report, Standard),
              Report_Title(Standard) + Building_Table_Open(Standard) + Standard_Rows);
    EXPECT_EQ(Written(NAD_Write_EC2_Parameter_Report, Germany),
              Report_Title(Germany) + Building_Table_Open(Germany) + German_Rows);
    EXPECT_EQ(Written(NAD_Write_EC2_Fire_Report), "");
    EXPECT_EQ(Written(NAD_Write_EC2_Bridge_Report), "");
}

TEST_F(EC2Report, WithoutADescriptionEveryTable) {
    Describe_Nothing();
    EXPECT_EQ(Written(NAD_Write_EC2_Parameter_Report, Standard),
              Report_Title(Standard) + Building_Table_Open(Standard) + Standard_All_Building_Rows +
                  Further_Table_Open("EN 1992-1-2 (EC 2, Brandfall)") + Standard_All_Fire_Rows +
                  Further_Table_Open("EN 1992-2 (EC 2, Betonbrücken)") + Standard_All_Bridge_Rows);
    EXPECT_EQ(Written(NAD_Write_EC2_Report, Germany), Building_Table_Open(Germany) + German_All_Building_Rows);
}

TEST_F(EC2Report, FormCodeOneShowsTheValueEvenForTheGermanRules) {
    Describe_Nothing();
    NAD_Set_Annex_By_Name(Germany);
    NAD_EC2_Block* b = NAD_Get_EC2();
    ASSERT_NE(b->variant, 0);
    for (int* form : {&b->k2_form, &b->k4_form, &b->lambda_lim_form, &b->v_min_form, &b->nu_form, &b->nu_1_form,
                      &b->As_min_beam_form, &b->rho_w_min_form, &b->As_min_column_form, &b->As_vmin_wall_form,
                      &b->v_l_min_form, &b->nu_l_form, &b->nu_1l_form})
        *form = 1;
    b->column_lower_bound = 0.0002;
    b->v_min = 0.035;
    b->v_l_min = 0.028;
    b->As_vmin_wall = 1.5;
    const std::string text = Written(NAD_Write_EC2_Report);
    const char* const lines[] = {
        "              k╬\\2╬r = 0.80                                 Umlagerungsverhältnisses\n",
        "              k╬\\4╬r = 0.80                                 \n",
        " 5.8.3.1(1)   ┼╬\\lim╬r = 16.00                  Grenzwert der Schlankheit für Einzeldruckglieder\n",
        "              ╟╬\\min╬r = 0.035                  \n",
        " 6.2.2(6)     ╟╬\\V╬r = 0.750                    Festigkeitsabminderungsbeiwert für Querkraft\n",
        " 6.3.2(4)     ╟╬\\T╬r = 0.750                    Festigkeitsabminderungsbeiwert für Torsion\n",
        "              ╟╬\\1╬r = 0.750                    Beiwert zur Ermittlung der maximalen Querkrafttragfähigkeit\n",
        " 9.2.1.1(1)   A╬\\s,min╬r = 1.00  cm²            Mindestbewehrung für Balken und Platten [cm²]\n",
        " 9.2.2(5)     ╦╬\\w,min╬r = 0.160                Mindestbewehrungsgrad der Querkraftbewehrung\n",
        " 9.5.2(2)     A╬\\s,min╬r = 0.15         \n"
        "                     ≥ 0.000 A╬\\c╬r             Mindestbewehrung für Stützen [cm²]\n",
        " 9.6.2(1)     A╬\\s,vmin╬r = 1.50                Vertikale Mindestbewehrung für Wände [cm²]\n",
        "              ╟╬\\l,min╬r = 0.028                             \n",
        " 11.6.1(2)    ╟╬\\l╬r = 0.750 ┴╬\\1╬r                 Leichtbeton: Festigkeitsabminderungsbeiwert für Querkraft\n",
        "              ╟╬\\l╬r = 0.750 ┴╬\\1╬r                 Leichtbeton: Festigkeitsabminderungsbeiwert für Torsion\n",
        " 11.6.2(1)    ╟╬\\1l╬r = 0.750 ┴╬\\1╬r                Leichtbeton: Beiwert zur Ermittlung der maximalen\n",
    };
    for (const char* line : lines) EXPECT_NE(text.find(line), std::string::npos) << line;
    // k_p has no form code: it refers to the German annex whatever the codes.
    const std::size_t k_p = text.find(" 12.6.3(2)    k╬\\p╬r s. NA-DE");
    ASSERT_NE(k_p, std::string::npos);
    EXPECT_EQ(text.find("s. NA-DE"), text.rfind("s. NA-DE"));
    EXPECT_GT(text.find("s. NA-DE"), k_p);
}

TEST_F(EC2Report, ColumnLowerBoundShownAboveOneTenThousandth) {
    Describe_Nothing();
    NAD_Set_Annex_By_Name(Standard);
    struct Case {
        double lower_bound;
        const char* rows;
    };
    const Case cases[] = {
        {0.0001, " 9.5.2(2)     A╬\\s,min╬r = 0.100 N╬\\Ed╬r/f╬\\yd╬r        Mindestbewehrung für Stützen [cm²]\n"},
        {0.0002, " 9.5.2(2)     A╬\\s,min╬r = 0.100 N╬\\Ed╬r/f╬\\yd╬r\n"
                 "                     ≥ 0.000 A╬\\c╬r             Mindestbewehrung für Stützen [cm²]\n"},
    };
    for (const Case& c : cases) {
        NAD_Get_EC2()->column_lower_bound = c.lower_bound;
        NAD_Get_EC2()->bridge_column_lower_bound = c.lower_bound;
        const std::string building = Written(NAD_Write_EC2_Report);
        EXPECT_NE(building.find(c.rows), std::string::npos) << c.lower_bound;
        const std::string bridge = Written(NAD_Write_EC2_Bridge_Report);
        EXPECT_NE(bridge.find(c.rows), std::string::npos) << c.lower_bound;
    }
}

TEST_F(EC2Report, FireTableWithTheConductivityFormulaAndClassX) {
    Describe_Nothing();
    NAD_Set_Annex_By_Name(Standard);
    NAD_EC2_Block* b = NAD_Get_EC2();
    b->steel_class_fire = 1;
    b->thermal_form = 2;
    b->thermal_x = 0.25;
    b->hsc_class_fire = 3;
    EXPECT_EQ(Written(NAD_Write_EC2_Fire_Report),
              Further_Table_Open("EN 1992-1-2 (EC 2, Brandfall)") +
                  " 2.3(2)       └╬\\M,fi╬r = 1.00                  Materialsicherheitsbeiwert\n"
                  " 3.2.3(5)     Klasse X (Tabelle 3.2b)       Betonstahl-Klasse zur Beschreibung der Spannungs-Dehnungs-\n"
                  "                                            beziehung bei erhöhten Temperaturen\n"
                  " 3.3.3(1)     ┼╬\\c╬r = ┼╬\\cu╬r + 0.250 (┼╬\\co╬r-┼╬\\cu╬r)    thermische Leitfähigkeit des Betons\n"
                  "                                            ┼╬\\co╬r oberer Grenzwert, ┼╬\\cu╬r unterer Grenzwert n. 3.3.3(2)\n"
                  " 6.1(5)       Klasse 3 (Tabelle 6.1N)       hochfester Beton: Beton-Klasse zur Beschreibung der\n"
                  "                                                              Festigkeitsreduktion\n"
                  " 6.4.2.1(3)   k = 1.100                     hochfester Beton: Beiwert für die Querschnittsreduktion\n"
                  " 6.4.2.2(2)   k╬\\m╬r = 0.950                    hochfester Beton: Beiwert für die Momententragfähigkeit\n"
                  "                                                              bei Brandbeanspruchung in der Zugzone\n"
                  "#END_OF_TEXT\n");
}

// The rows chosen for this program by its description.
struct Row_Choice_Case {
    const char* name;
    const char* description;  // null: no description
    std::vector<int> positions;
};

void PrintTo(const Row_Choice_Case& c, std::ostream* os) { *os << c.name; }

class EC2RowChoice : public ::testing::TestWithParam<Row_Choice_Case> {};

TEST_P(EC2RowChoice, ChoosesThePositions) {
    Annex_Folders f;
    if (GetParam().description)
        Write_File(f.exec + "/Talvo-EC301/APP0150.DEF", To_Cp437(GetParam().description));
    NAD_Select_EC2_Report_Rows();
    std::array<int, NAD_EC2_Row_Count> expected{};
    for (int k : GetParam().positions) expected[k] = 1;
    EXPECT_EQ(NAD_EC2_Row_Flags, expected);
}

std::vector<int> Every_Position() {
    std::vector<int> all;
    for (int k = 0; k < NAD_EC2_Row_Count; ++k) all.push_back(k);
    return all;
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, EC2RowChoice,
    ::testing::Values(
        // The shipped description's flag string.
        Row_Choice_Case{"Shipped", "#NADS -1\n 0 0 1011000000100000000000000000001 1111 0 0 0 0 0 100\n", {0, 2, 3, 10, 30}},
        // No flag strings: the partial factors and alpha_cc of the building rows.
        Row_Choice_Case{"WithoutFlagStrings", "#NADS 12\n", {0, 2, 30}},
        // A flag string without the building or bridge position: the building rows for this program.
        Row_Choice_Case{"WithoutBuildingOrBridgePosition", "#NADS -1\n 0 0 1 1 0 0 0 0 0 0\n", {0, 30}},
        // The bridge table alone.
        Row_Choice_Case{"BridgesOnly", "#NADS -1\n 0 0 00000000001000000000000000000001 1 0 0 0 0 0 0\n", {10, 31}},
        Row_Choice_Case{"NoDescription", nullptr, Every_Position()}),
    [](const ::testing::TestParamInfo<Row_Choice_Case>& info) { return std::string(info.param.name); });
