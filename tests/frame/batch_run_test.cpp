// The batch road as the host drives it: the built program started with "-refresh" in a scratch
// folder that holds the host folders and the position's files; the report is read back and checked
// for its chapters, formulas and verdict. Expected values are worked out by hand in the comments.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "example_positions.h"
#include "frame/connection_record.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct Batch_Run : ::testing::Test {
    Scratch_Dir dir;

    void SetUp() override {
        fs::copy(std::string(BASIS_SOURCE_DIR) + "/host", dir.file("host"), fs::copy_options::recursive);
        fs::copy(std::string(BASIS_SOURCE_DIR) + "/examples", dir.path, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }

    Program_Run Run(const std::string& id = "B001") {
        return Run_Executable(dir.path, {id, "0", "1", "1", "-refresh"},
                              {"EXEC=" + dir.file("host/EXEC"), "DATA=" + dir.file("host/DATA"),
                               "DRAM=" + dir.file("host/DRAM")});
    }

    // The report in UTF-8 ("╬" for the escape byte), empty when none was written.
    std::string Report(const std::string& id = "B001") {
        const std::string path = dir.file(id + "_01.OLI");
        return File_Exists(path) ? From_Cp437(Read_File(path)) : std::string();
    }

    void Write_Input(const Connection_Record& record, const char* annex = "Deutschland", const std::string& id = "B001") {
        const std::string file = Capture_Output([&](FILE* s) { Write_Input_File(s, &record); });
        Write_File(dir.file(id + "_01.INP"), file + "\n\nACTIV_NADNAME\n" + To_Cp437(std::string("«") + annex + "»") + "\n");
    }

    // Runs the record and gives its report.
    std::string Report_Of(const Connection_Record& record, const char* annex = "Deutschland") {
        Write_Input(record, annex);
        const Program_Run run = Run();
        EXPECT_EQ(run.exit_code, 1);
        return Report();
    }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

#define EXPECT_HAS(text, part) EXPECT_TRUE(Has(text, part)) << "missing: " << (part)
#define EXPECT_LACKS(text, part) EXPECT_FALSE(Has(text, part)) << "unexpected: " << (part)

const std::string Standard_Line_2025 = " ╬SEC 3-1-8 (04.25), NA: Deutschland\n";
const std::string Standard_Line_2010 = " ╬SEC 3-1-8 (12.10), NA: Deutschland\n";
const std::string Verified = "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}\n";
const std::string Not_Verified = "╬B╬{C 1 230 0 0}Tragfähigkeit nicht gewährleistet !!╬{C 768}\n";
const std::string Ok = "╬{C 1 40 140 255}╬Hok╬{C 768}";
const std::string Not_Ok = "╬{C 1 230 0 0}╬Hnicht ok !!╬{C 768}";
const std::string EN_1992_1_1 = " EN 1992-1-1, Eurocode 2:";
const std::string EN_1992_4 = " EN 1992-4";

// Welded connection of the example B003 (two-sided fillet weld a = 4 mm, l_w = 200 mm, S235)
// under N_Ed: σ⊥ = τ⊥ = N_Ed / (2·l_w·a·√2), σ_1,w,Ed = 2·σ⊥ = N_Ed / (800·√2) and
// f_1w,d = f_u / (β_w·γM2) = 360 / (0.8·1.25) = 360 N/mm², so U = N_Ed / (800·√2·360 N).
const double Weld_N_For_U_1 = 800.0 * std::sqrt(2.0) * 360.0;

// The welded example with a second active type, a T-stub in compression loaded to
// U = 20 kN / 235.92 kN = 0.085, so that the result block is written.
void Welded_With_Second_Type(Connection_Record& R, double N_Ed) {
    Example_Positions[2].setup(R);
    R.compression_active = 1;
    R.compression.F_c_Ed = 20000.0;
    R.welded.N_Ed = N_Ed;
}

}  // namespace

TEST_F(Batch_Run, ExampleWithAllFourTypesWritesEveryChapterAndTheResult) {
    const Program_Run run = Run("B001");
    EXPECT_EQ(run.exit_code, 1);
    const std::string R = Report("B001");
    EXPECT_HAS(R, "#CONTENTS\n POS. 1: Anschluss Träger an Stütze\n");
    for (const char* heading : {"╬@1. Schraubenverbindung\n", "╬@1.1. Eingabeprotokoll", "╬@1.2. Tragfähigkeit",
                                "╬@2. Schweißverbindung\n", "╬@3. T-Stummel mit Zugbeanspruchung\n",
                                "╬@4. T-Stummel mit Druckbeanspruchung\n", "╬@4.1. Eingabeprotokoll",
                                "╬@5. Ergebnis\n", "╬@6. Vorschriften\n"})
        EXPECT_HAS(R, heading);
    EXPECT_HAS(R, Standard_Line_2025);
    EXPECT_HAS(R, " ╬HMaterialsicherheitsbeiwerte\n");
    // The example carries no loads: every check passes with U = 0, so the result block has no
    // utilisation line (U not above 0.001) and no error line, and the position is verified.
    const std::string result = R.substr(R.find("╬@5. Ergebnis"));
    EXPECT_LACKS(result, "Fehler - ");
    EXPECT_LACKS(result, "Maximale Ausnutzung:");
    EXPECT_HAS(result, Verified);
    // EN 1990, EN 1993-1-1 and EN 1993-1-8, and EN 1992-1-1 for the T-stub in compression.
    const std::string standards = R.substr(R.find("╬@6. Vorschriften"));
    for (const char* norm : {" EN 1990, Eurocode 0:", " EN 1993-1-1, Eurocode 3:", " EN 1993-1-8, Eurocode 3:"})
        EXPECT_HAS(standards, norm);
    EXPECT_HAS(standards, EN_1992_1_1);
    EXPECT_LACKS(standards, EN_1992_4);
}

TEST_F(Batch_Run, ExamplesOfOneTypeWriteTheirChapterAndVerdict) {
    struct Case {
        const char* id;
        const char* chapter;
        std::vector<std::string> lines;   // formula and verification lines worked out by hand
        bool concrete;                    // EN 1992-1-1 listed
    };
    const Case cases[] = {
        // M20 10.9, A = 314.16 mm², A_s = 244.8 mm²: F_v,Rd = 0.6·1000·314.16/1.25 = 150.80 kN,
        // F_t,Rd = 0.9·1000·244.8/1.25 = 176.26 kN; 60/150.80 + 40/(1.4·176.26) = 0.398 + 0.162 = 0.560.
        {"B002", "╬@1. Schraubenverbindung\n",
         {"= 150.80 kN,  ║╬\\v╬r = 0.60\n", "F╬\\v,Ed╬r = 60.0 kN  <  F╬\\v,Rd╬r = 150.80 kN  ê  U = 0.398  <  1  " + Ok,
          "= 176.26 kN,  k╬\\2╬r = 0.90\n", "F╬\\t,Ed╬r/(1.4╬/.╬rF╬\\t,Rd╬r) = 0.560  <  1  " + Ok},
         false},
        // N_Ed 150 kN: F(σ⊥) = 150000/(2·0.2 m)/√2 = 265.17 kN/m, σ⊥ = 66.3 N/mm², σ_1,w,Ed = 132.6,
        // U = 132.6/360 = 0.368.
        {"B003", "╬@1. Schweißverbindung\n",
         {"F╬\\Ed╬r(╠╬\\s╬r) = 265.17 kN/m", "╠╬\\1,w,Ed╬r = 132.6 N/mm²  <  f╬\\1w,d╬r = 360.0 N/mm²  ê  U╬\\╬r = 0.368"},
         false},
        // Column flange, end row: l_eff,nc = min(4·30 + 1.25·50, 2·30 + 0.625·50 + 60) = 151.2 mm;
        // mode 2 governs with 301.15 kN; F_T,Ed = 2·100 kN, U = 200/301.15 = 0.664.
        {"B004", "╬@1. T-Stummel mit Zugbeanspruchung\n",
         {"= 151.2 mm\n", "F╬\\T,Ed╬r = 2╬/.╬rF╬\\t,Ed╬r = 200.0 kN  <  F╬\\T,Rd╬r = 301.15 kN  ê  Ausnutzung U = 0.664"},
         false},
        // c = 20·(235/(3·8.53·1.0))^½ = 60.6 mm, b_eff = 40 + 10 + 60.6 = 110.6 mm, l_eff = 250 mm:
        // F_c,Rd = 8.53·250·110.6 = 235.92 kN; U = 200/235.92 = 0.848.
        {"B005", "╬@1. T-Stummel mit Druckbeanspruchung\n",
         {"b╬\\eff╬r = 110.6 mm\n", "F╬\\c,Ed╬r = 200.0 kN  <  F╬\\c,Rd╬r = 235.92 kN  ê  Ausnutzung U = 0.848"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const Program_Run run = Run(c.id);
        EXPECT_EQ(run.exit_code, 1);
        const std::string R = Report(c.id);
        EXPECT_HAS(R, c.chapter);
        EXPECT_HAS(R, Standard_Line_2025);
        EXPECT_HAS(R, "╬@1.1. Eingabeprotokoll");
        EXPECT_HAS(R, "╬@1.2. Tragfähigkeit");
        for (const std::string& line : c.lines) EXPECT_HAS(R, line);
        EXPECT_HAS(R, Verified);
        // One active type: its own closing block, no chapter "Ergebnis".
        EXPECT_LACKS(R, "Ergebnis");
        EXPECT_HAS(R, "╬@2. Vorschriften\n");
        EXPECT_EQ(Has(R, EN_1992_1_1), c.concrete);
    }
}

TEST_F(Batch_Run, MissingInputFileReportsTheEmptyRecord) {
    fs::remove(dir.file("B001_01.INP"));
    const Program_Run run = Run();
    EXPECT_EQ(run.exit_code, 1);
    const std::string R = Report();
    EXPECT_HAS(R, "╬@4. T-Stummel mit Druckbeanspruchung\n");
    EXPECT_HAS(R, Standard_Line_2010);
    EXPECT_LACKS(R, "Ergebnis");   // verification off
}

TEST_F(Batch_Run, NegativeVersionReportsTheExampleRecordAndStillReadsTheAnnex) {
    Write_File(dir.file("B001_01.INP"), To_Cp437("-1\n\n\nACTIV_NADNAME\n«EC-Standardparameter»\n"));
    const Program_Run run = Run();
    EXPECT_EQ(run.exit_code, 1);
    const std::string R = Report();
    EXPECT_HAS(R, " ╬SEC 3-1-8 (04.25), NA: EC-Standardparameter\n");
    EXPECT_HAS(R, "╬@5. Ergebnis\n");
}

TEST_F(Batch_Run, UnreadableInputEndsWithoutTouchingTheOldReport) {
    for (const char* bytes : {"", " 2\n", " 1\n 1 1 1\n"}) {
        SCOPED_TRACE(bytes);
        Write_File(dir.file("B001_01.INP"), bytes);
        Write_File(dir.file("B001_01.OLI"), "alter Bericht\n");
        const Program_Run run = Run();
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_EQ(Read_File(dir.file("B001_01.OLI")), "alter Bericht\n");
        EXPECT_HAS(run.err, "Lesefehler: ");
        EXPECT_HAS(run.err, "B001_01.INP");
    }
}

TEST_F(Batch_Run, VersionZeroAndStoredCopySwitchAreRead) {
    static Connection_Record D{};
    Example_Positions[1].setup(D);
    const std::string file = Capture_Output([&](FILE* s) { Write_Input_File(s, &D); });
    const std::size_t first = file.find('\n');
    const std::string blocks = file.substr(file.find('\n', first + 1) + 1);
    struct Case {
        const char* head;
        const std::string& standard_line;
    };
    for (const Case c : {Case{" 0\n 1 0 0 0 0 1 0\n", Standard_Line_2010}, Case{" 1\n 1 1 0 0 0 1 1 0\n", Standard_Line_2025}}) {
        SCOPED_TRACE(c.head);
        Write_File(dir.file("B001_01.INP"), c.head + blocks);
        const Program_Run run = Run();
        EXPECT_EQ(run.exit_code, 1);
        const std::string R = Report();
        EXPECT_HAS(R, c.standard_line);
        EXPECT_HAS(R, "╬@1. Schraubenverbindung\n");
        EXPECT_LACKS(R, "Schweißverbindung");
    }
}

TEST_F(Batch_Run, LocalDefinitionsAndUnknownAnnexFallBackToGermanySilently) {
    static Connection_Record D{};
    Example_Positions[2].setup(D);
    for (const char* annex : {"lokale Definitionen", "Atlantis"}) {
        SCOPED_TRACE(annex);
        Write_Input(D, annex);
        const Program_Run run = Run();
        EXPECT_EQ(run.exit_code, 1);
        EXPECT_HAS(Report(), Standard_Line_2025);
        EXPECT_EQ(run.err, "");
    }
}

TEST_F(Batch_Run, ResultChapterNeedsVerificationAndTwoActiveTypes) {
    static Connection_Record D{};
    Welded_With_Second_Type(D, 150000.0);
    std::string R = Report_Of(D);
    // Weld U = 0.368, compression U = 0.085: the overall value is the weld's.
    EXPECT_HAS(R, "╬@3. Ergebnis\n");
    EXPECT_HAS(R, " ╬HMaximale Ausnutzung:  U╬\\max╬r╬H = 0.368  <  1  " + Ok + "\n");
    EXPECT_HAS(R.substr(R.find("╬@3. Ergebnis")), Verified);

    D.verification = 0;
    EXPECT_LACKS(Report_Of(D), "Ergebnis");
    D.verification = 1;
    D.compression_active = 0;
    EXPECT_LACKS(Report_Of(D), "Ergebnis");
}

TEST_F(Batch_Run, ToleranceAcceptsUtilisationsJustAboveOne) {
    static Connection_Record D{};
    Welded_With_Second_Type(D, 1.005 * Weld_N_For_U_1);
    struct Case {
        double tolerance;
        std::string verdict;
    };
    const Case cases[] = {
        {0.0, Not_Verified},
        {1.0, "╬B╬{C 1 40 140 255}Nachweis erbracht╬{C 768}╬r  (1% Toleranz)\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tolerance);
        D.print.tolerance_percent = c.tolerance;
        const std::string R = Report_Of(D);
        const std::string result = R.substr(R.find("Ergebnis"));
        EXPECT_HAS(result, " ╬HMaximale Ausnutzung:  U╬\\max╬r╬H = 1.005  >  1  " + Not_Ok + "\n");
        EXPECT_HAS(result, c.verdict);
    }
}

TEST_F(Batch_Run, UtilisationOfExactlyOneIsVerified) {
    static Connection_Record D{};
    // Rounded down in the sixth decimal as the file stores it, so U is 1 within 1e-12.
    Welded_With_Second_Type(D, std::floor(Weld_N_For_U_1 * 1e6) / 1e6);
    const std::string R = Report_Of(D);
    const std::string result = R.substr(R.find("Ergebnis"));
    EXPECT_HAS(result, " ╬HMaximale Ausnutzung:  U╬\\max╬r╬H = 1.000  ≤  1  " + Ok + "\n");
    EXPECT_HAS(result, Verified);
}

TEST_F(Batch_Run, MinimalDetailWritesOnlyTheUtilisationLine) {
    static Connection_Record D{};
    Welded_With_Second_Type(D, 150000.0);
    D.print.detail_level = 0;
    const std::string R = Report_Of(D);
    const std::size_t result = R.find("╬@3. Ergebnis");
    ASSERT_NE(result, std::string::npos);
    const std::string block = R.substr(result, R.find("╬@4. Vorschriften") - result);
    EXPECT_HAS(block, " ╬HMaximale Ausnutzung:  U╬\\max╬r╬H = 0.368  <  1  " + Ok + "\n");
    EXPECT_LACKS(block, "Nachweis erbracht");
    EXPECT_LACKS(block, "gewährleistet");
}

TEST_F(Batch_Run, AnchorBoltListsEN19924OnlyUnderTheNewEdition) {
    static Connection_Record D{};
    Example_Positions[1].setup(D);
    D.bolted.fastener.type = Fastener_Anchor_Bolt;
    struct Case {
        int edition;
        bool listed;
    };
    for (const Case c : {Case{1, true}, Case{0, false}}) {
        SCOPED_TRACE(c.edition);
        D.Code_Edition = c.edition;
        const std::string R = Report_Of(D);
        const std::size_t standards = R.find("Vorschriften");
        ASSERT_NE(standards, std::string::npos);
        EXPECT_EQ(Has(R.substr(standards), EN_1992_4), c.listed);
    }
}

TEST_F(Batch_Run, ReportThatCannotBeWrittenIsToldOnStandardError) {
    fs::create_directory(dir.file("B001_01.OLI"));
    Program_Run run = Run();
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_HAS(run.err, "B001_01.OLI");
    fs::remove(dir.file("B001_01.OLI"));

    if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    fs::create_symlink("/dev/full", dir.file("B001_01.OLI"));
    run = Run();
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_HAS(run.err, "Schreibfehler im Bericht: ");
}
