#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_tension_test_support.h"
#include "common/cp437.h"
#include "frame/code_edition.h"
#include "report/report_capture.h"

namespace {

// The lines of the note after the opening format block, which carries the writer's tab state.
std::string Note(int method, int row_case, int detail) {
    const std::string text = Paragraph_Of([&](FILE* f) { Print_Four_Bolt_Row_Note(method, row_case, f, detail); });
    const size_t head_end = text.find("\n-1\n");
    return head_end == std::string::npos ? text : text.substr(head_end + 4);
}

std::string Protocol(const T_Stub_Tension& T) {
    return Paragraph_Of([&](FILE* f) { Print_T_Stub_Tension_Input(&T, f, 0); });
}

// The paragraph space that closes the note.
const std::string Note_End = "#END_OF_TEXT\n0x1000\n2 0.3\n-1\n";
const std::string Not_Covered =
    "Verbindungen mit 4 Schrauben je Schraubenreihe werden im EC 3-1-8 ╬_nicht╬r behandelt.\n"_cp;

}  // namespace

TEST(Print_Four_Bolt_Row_Note, CasesAndSources) {
    // Without a case the sentence starts at the prefix.
    EXPECT_EQ(Note(Four_Bolt_Handbook, -1, 1),
              " " + Not_Covered + " Die Bemessung erfolgt nach dem Handbuch Stahlbau-Praxis nach EC 3, Band 3.\n" +
                  Note_End);
    // IH2 at level 2 with its description; the next line begins with a tab.
    EXPECT_EQ(Note(Four_Bolt_Dissertation, 1, 2),
              std::string(" IH2-Anschluss: ╬tStirnblechverbindung ohne Überstand mit vier Schrauben in einer Schraubenreihe "
                  "mit Zugbelastung\n ╬t"_cp) +
                  Not_Covered +
                  " Die Bemessung erfolgt nach einer Dissertation zu Stirnplattenverbindungen mit 4 Schrauben je "
                  "Schraubenreihe.\n" +
                  Note_End);
    // IH4 below level 2: the type only.
    EXPECT_EQ(Note(Four_Bolt_Research_Report, 0, 1),
              " IH4-Anschluss: ╬t"_cp + Not_Covered +
                  " Die Bemessung erfolgt nach dem Schlussbericht des AIF-Projekts 15059.\n" + Note_End);
    // An unknown method names no source; no stream writes nothing.
    EXPECT_NE(Note(7, -1, 0).find(" Die Bemessung erfolgt nach .\n"), std::string::npos);
    Print_Four_Bolt_Row_Note(0, 1, nullptr, 2);
}

TEST(Print_T_Stub_Tension_Input, Sections) {
    Set_Code_Edition(0);
    const Safety_Factors factors = T_Stub_Test_Factors();

    // Without the verification switch there is no "Belastung" section.
    T_Stub_Tension T = Given_Column_Flange(30.0, &factors);
    T.check_context.verification = 0;
    std::string text = Protocol(T);
    EXPECT_EQ(text.find("Belastung"), std::string::npos);
    // Given lengths: no location heading, the distances and the two lengths.
    EXPECT_EQ(text.find("Nachweis des"), std::string::npos);
    EXPECT_NE(text.find(" Wirksame Länge des T-Stummels für Modus 1 ▓l╬\\eff,1╬r = 200.0 mm\n"_cp), std::string::npos);

    // A single row on a column flange, next to a stiffener, with a backing plate and t_2; several
    // rows with their forces.
    T = Given_Column_Flange(30.0, &factors);
    T.lengths_given = 0;
    T.inner_row = 1;
    T.row_next_to_stiffener = 1;
    T.m_2 = 40.0;
    T.backing_plate = 1;
    T.t_bp = 8.0;
    T.t_2 = 15.0;
    text = Protocol(T);
    EXPECT_NE(text.find(" Verstärkungsblech mit Dicke t╬\\p╬r = 8.0 mm\n"_cp), std::string::npos) << text;
    EXPECT_NE(text.find(" Dicke des Anschlussblechs t╬\\2╬r = 15.0 mm\n"_cp), std::string::npos);
    EXPECT_NE(text.find(" Nachweis des Stützenflanschs\n"_cp), std::string::npos);
    EXPECT_NE(text.find(" Abstand der Schraubenachse zum Anschnitt der nächsten Stegsteife m╬\\2╬r = 40.0 mm\n"
                        " Schraubenreihe (2 Schrauben je Reihe) einzeln betrachtet (n╬\\b╬r = 1)\n"
                        " innere Schraubenreihe neben einer Steife\n"_cp),
              std::string::npos)
        << text;

    T.row_count = 3;
    T.single_row = 0;
    T.p = 80.0;
    T.F_t_Ed = {100000.0, 90000.0, 80000.0};
    text = Protocol(T);
    EXPECT_NE(text.find(" Bemessungswert der Zugkraft je Schraube in Reihe 3 F╬\\t,Ed╬r = 80.0 kN\n"_cp), std::string::npos);
    EXPECT_NE(text.find(" Anzahl Schraubenreihen (2 Schrauben je Reihe) n╬\\b╬r = 3\n"
                        " Abstand der Schraubenreihen voneinander p = 80.0 mm\n"
                        " Schraubenreihe als Teil einer Gruppe von Schraubenreihen betrachtet\n"
                        " Eine (innere) Schraubenreihe befindet sich neben einer Steife\n"_cp),
              std::string::npos)
        << text;

    // Four bolts per row: the stiffener plate, the method, and no procedure except in the
    // dissertation model.
    T = Given_Column_Flange(30.0, &factors);
    T.lengths_given = 0;
    T.location = T_Stub_End_Plate;
    T.bolts_per_row = 4;
    T.inner_row = T.row_next_to_stiffener = 1;
    T.ih2_connection = 1;
    T.web.t = 12.0;
    T.web.l = 250.0;
    T.w = 60.0;
    text = Protocol(T);
    EXPECT_NE(text.find(" ╬HZugsteife╬r mit Dicke t╬\\st╬r = 12.0 mm"_cp), std::string::npos) << text;
    EXPECT_NE(text.find(" Anzahl Schrauben je Schraubenreihe n╬\\sr╬r = 4 (IH2-Anschluss)\n"
                        " Berechnungsmethode nach dem Handbuch Stahlbau-Praxis nach EC 3, Band 3\n"
                        " Abstand der Schraubenachsen voneinander w = 60.0 mm\n"_cp),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("Verfahren"), std::string::npos);
    EXPECT_NE(text.find(" Dicke des T-Stummelstegs t╬\\w╬r"_cp), std::string::npos);
    T.four_bolt_method = Four_Bolt_Dissertation;
    text = Protocol(T);
    EXPECT_NE(text.find(" Anwendung von Verfahren 1\n"), std::string::npos);
    EXPECT_NE(text.find("Länge l╬\\st╬r = 250.0 mm"_cp), std::string::npos) << text;

    // An L-stub with given lengths.
    T = Given_Column_Flange(30.0, &factors);
    T.l_stub = 1;
    EXPECT_NE(Protocol(T).find(" Berechnung als L-Stummelflansch (reduzierter T-Stummelflansch)\n"), std::string::npos);

    // Nothing without a stream or record.
    Print_T_Stub_Tension_Input(nullptr, nullptr, 0);
    Print_T_Stub_Tension_Input(&T, nullptr, 0);
}
