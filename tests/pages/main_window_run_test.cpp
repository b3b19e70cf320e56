// The window road as the host drives it: the built program started without "-refresh" in a scratch
// folder with the host folders and the shipped examples, run headless on a script of user actions.
// The trace, the exit code, the input file and the report are read back. Screen points are those of
// the 1024 x 768 screen of the headless host.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "frame/connection_record.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

struct Point {
    int x, y;
};

// The register's tabs and the toolbar's icons (bar from x 703, icons 42 x 37 from y 9).
constexpr Point Tab[6] = {{0, 0}, {39, 30}, {110, 30}, {181, 30}, {252, 30}, {323, 30}};
constexpr Point Annex_Icon{714, 25}, Settings_Icon{769, 25}, Preview_Icon{814, 25}, Print_Icon{859, 25}, Save_Icon{904, 25},
    Help_Icon{949, 25}, End_Icon{994, 25};
// The end dialog around the screen centre: its second choice, its OK and break buttons.
constexpr Point End_Without_Saving{418, 389}, End_Ok{616, 440}, End_Break{407, 440};
// F_t,Ed of the bolted example on tab 2, and the utilisation display's value text.
constexpr Point Tension_Force_Field{845, 403};
constexpr Point Utilisation_Text{821, 473};

std::string Click(Point p) {
    const std::string at = std::to_string(p.x) + " " + std::to_string(p.y);
    return "move " + at + "\nclick " + at + "\n";
}

// Opens the float field, empties it and types the value.
std::string Enter_Value(Point field, const std::string& value) {
    return Click(field) + "key End Backspace Backspace Backspace Backspace Backspace Backspace Backspace Backspace\n" +
           "type \"" + value + "\\n\"\n";
}

std::string End_Without_Save() { return Click(End_Icon) + Click(End_Without_Saving) + Click(End_Ok); }
std::string End_With_Save() { return Click(End_Icon) + Click(End_Ok); }

struct Window_Run {
    Program_Run run;
    std::string trace;
};

class Main_Window_Run : public ::testing::Test {
  protected:
    Scratch_Dir dir;

    void SetUp() override {
        fs::copy(std::string(BASIS_SOURCE_DIR) + "/host", dir.file("host"), fs::copy_options::recursive);
        fs::copy(std::string(BASIS_SOURCE_DIR) + "/examples", dir.path, fs::copy_options::recursive);
    }

    Window_Run Run(const std::string& script, const std::string& id = "B001") {
        Write_File(dir.file("script.txt"), script);
        std::remove(dir.file("trace.txt").c_str());
        Window_Run w;
        w.run = Run_Executable(dir.path, {id, "0", "1", "1"},
                               {"EXEC=" + dir.file("host/EXEC"), "DATA=" + dir.file("host/DATA"),
                                "DRAM=" + dir.file("host/DRAM"), "VEK_HEADLESS=1", "VEK_SCRIPT=" + dir.file("script.txt"),
                                "VEK_TRACE=" + dir.file("trace.txt")});
        w.trace = Read_File(dir.file("trace.txt"));
        return w;
    }

    std::string Input() { return Read_File(dir.file("B001_01.INP")); }
    std::string Report() {
        const std::string path = dir.file("B001_01.OLI");
        return File_Exists(path) ? From_Cp437(Read_File(path)) : std::string();
    }
    // The record stored in the input file.
    const Connection_Record& Stored() {
        Text_Stream in(Input());
        static Connection_Record R{};
        EXPECT_EQ(Read_Input_File(in.stream, &R), 0);
        return R;
    }
    // F_t,Ed of the bolted connection stored in the input file, in N.
    double Stored_Tension_Force() { return Stored().bolted.F_t_Ed; }
};

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The text last drawn with its baseline starting at the point.
std::string Last_Text_At(const std::string& trace, Point p) {
    std::istringstream in(trace);
    std::string line, found;
    const std::string where = " " + std::to_string(p.x) + " " + std::to_string(p.y) + " ";
    while (std::getline(in, line)) {
        if (line.rfind("text ", 0) != 0) continue;
        const std::size_t frame_end = line.find(' ', 5);
        if (line.compare(frame_end, where.size(), where) != 0) continue;
        found = line.substr(line.find('"'));
    }
    return found;
}

const std::string Tension_Line_50 = "Bemessungswert der einwirkenden Zugkraft je Schraube F╬\\t,Ed╬r = 50.0 kN";
// The end of a run that the script left in the window: the host's close, asked and allowed.
const std::string Closed_By_Host =
    "close request\n"
    "sheet define 2 368,332,655,434 \"\"\n"
    "sheet undefine 2\n"
    "sheet undefine 1\n"
    "close allowed\n"
    "process end 0\n";
const std::string Saved_Message = "message \"\" \"Der aktuelle Datenzustand wurde temporär gesichert.\"\n";

}  // namespace

// F_t,Ed = 50 kN on one M20 10.9 bolt: F_t,Rd = 0.9·1000·244.8 / 1.25 = 176.26 kN, U = 0.284. The
// example holds no tension force, so before the edit no utilisation is determinable.
TEST_F(Main_Window_Run, EditingAForceOnTheBoltedTabRecomputesTheUtilisation) {
    const Window_Run w = Run(Click(Tab[2]) + "mark vorher\n" + Enter_Value(Tension_Force_Field, "50") + "mark nachher\n");
    EXPECT_EQ(w.run.exit_code, 0) << w.run.err;
    EXPECT_EQ(Last_Text_At(w.trace.substr(0, w.trace.find("mark vorher")), Utilisation_Text), "\"XXXXXX\"");
    EXPECT_EQ(Last_Text_At(w.trace, Utilisation_Text), "\"0.284  ≤ 1  ok\"");
    // The window was left through the host's close: nothing was saved.
    EXPECT_EQ(Input(), Read_File(std::string(BASIS_SOURCE_DIR) + "/examples/B001_01.INP"));
    EXPECT_FALSE(File_Exists(dir.file("B001_01.OLI")));
}

TEST_F(Main_Window_Run, SaveWritesTheFileAndSaysSo) {
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + Click(Save_Icon));
    EXPECT_EQ(w.run.exit_code, 0) << w.run.err;
    EXPECT_TRUE(Has(w.trace, Saved_Message)) << w.trace;
    EXPECT_DOUBLE_EQ(Stored_Tension_Force(), 50000.0);
    EXPECT_TRUE(Has(Input(), "ACTIV_NADNAME\n"));
    EXPECT_FALSE(File_Exists(dir.file("B001_01.INP~")));
}

// Exit codes of the end dialog: saved data or not, and which choice.
TEST_F(Main_Window_Run, EndWithoutSavingBeforeAnySaveEndsWithZeroAndTouchesNothing) {
    const std::string before = Input();
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + End_Without_Save());
    EXPECT_EQ(w.run.exit_code, 0) << w.run.err;
    EXPECT_EQ(Input(), before);
    EXPECT_FALSE(File_Exists(dir.file("B001_01.OLI")));
    EXPECT_FALSE(Has(w.trace, "process end")) << "the window ended by itself, not through the host's close";
}

TEST_F(Main_Window_Run, EndWithoutSavingAfterASaveWritesTheReportOfTheSavedFile) {
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + Click(Save_Icon) +
                             Enter_Value(Tension_Force_Field, "70") + End_Without_Save());
    EXPECT_EQ(w.run.exit_code, 1) << w.run.err;
    EXPECT_DOUBLE_EQ(Stored_Tension_Force(), 50000.0);
    EXPECT_TRUE(Has(Report(), Tension_Line_50)) << "the report must follow the saved file, not the later edit";
}

TEST_F(Main_Window_Run, SaveAndEndWritesFileAndReportWithOne) {
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + End_With_Save());
    EXPECT_EQ(w.run.exit_code, 1) << w.run.err;
    EXPECT_DOUBLE_EQ(Stored_Tension_Force(), 50000.0);
    EXPECT_TRUE(Has(Report(), Tension_Line_50));
    EXPECT_TRUE(Has(w.trace, "sheet define 2 382,307,642,462 \"BEARBEITUNG BEENDEN\"\n")) << w.trace;
}

TEST_F(Main_Window_Run, BreakInTheEndDialogKeepsTheWindow) {
    const Window_Run w = Run(Click(End_Icon) + Click(End_Break) + "mark weiter\n" + Click(Tab[3]));
    // The window stayed and took the tab click; the run ended through the host's close.
    EXPECT_EQ(Trace_Lines(w.trace, {"sheet", "mark", "close", "process"}),
              "sheet define 1 0,0,1023,767 \"\"\n"
              "sheet 1 code 1\n"
              "sheet define 2 382,307,642,462 \"BEARBEITUNG BEENDEN\"\n"
              "sheet 2 code 1\n"
              "sheet undefine 2\n"
              "mark weiter\n"
              "sheet 1 code 10003\n" +
                  Closed_By_Host);
    EXPECT_EQ(w.run.exit_code, 0);
    EXPECT_FALSE(File_Exists(dir.file("B001_01.OLI")));
}

TEST_F(Main_Window_Run, PreviewAndPrintHandTheReportToTheViewerWithIdAndPath) {
    // The component id is the path prefix as the host passed it, here relative to the folder.
    const std::string path = "B001_01.OLI";
    const Window_Run w = Run(Click(Preview_Icon) + Click(Print_Icon));
    EXPECT_EQ(Trace_Lines(w.trace, {"viewer", "printer"}),
              "viewer \"B001\" \"" + path + "\"\nprinter \"B001\" \"" + path + "\"\n");
    EXPECT_TRUE(File_Exists(dir.file("B001_01.pdf")));
    EXPECT_TRUE(Has(Report(), "Bemessungswert der einwirkenden Zugkraft je Schraube"));
}

TEST_F(Main_Window_Run, HelpShowsTheTopicOfTheTabShown) {
    const Window_Run w = Run(Click(Help_Icon) + Click(Tab[2]) + Click(Help_Icon) + Click(Tab[3]) + Click(Help_Icon) +
                             Click(Tab[4]) + Click(Help_Icon) + Click(Tab[5]) + Click(Help_Icon));
    EXPECT_EQ(Trace_Lines(w.trace, {"help"}),
              "help file \"VEVO_150.HLP\"\n"
              "help \"ec301_allgemein\"\n"
              "help \"ec301_schraube\"\n"
              "help \"ec301_schweiss\"\n"
              "help \"ec301_stummel_zug\"\n"
              "help \"ec301_stummel_druck\"\n");
}

// The host's close asks; no keeps the window (the next click still reaches it), yes ends the process
// with the host's exit code 0 and saves nothing.
TEST_F(Main_Window_Run, TheHostsCloseAsksAndSavesNothing) {
    const std::string before = Input();
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + "answer no\nclose\n" +
                             Click(Tab[3]) + "answer yes\nclose\n");
    EXPECT_EQ(Trace_Lines(w.trace, {"question", "answer", "close", "process"}),
              "close request\n"
              "question \"\" \"Aktuelle Bearbeitung abbrechen?\"\n"
              "answer no\n"
              "close refused\n"
              "close request\n"
              "question \"\" \"Aktuelle Bearbeitung abbrechen?\"\n"
              "answer yes\n"
              "close allowed\n"
              "process end 0\n");
    EXPECT_TRUE(Has(w.trace, "sheet 1 code 10003\n"));
    EXPECT_EQ(w.run.exit_code, 0);
    EXPECT_EQ(Input(), before);
    EXPECT_FALSE(File_Exists(dir.file("B001_01.OLI")));
}

TEST_F(Main_Window_Run, TheFrameTitleNamesThePosition) {
    const Window_Run w = Run("");
    EXPECT_EQ(Trace_Lines(w.trace, {"title"}), "title \"Position 1: Anschluss Träger an Stütze\"\n");
}

// A read-only input file is kept: "sichern" says so and counts as no save, "speichern und beenden"
// keeps the window open.
TEST_F(Main_Window_Run, AReadOnlyInputFileIsNeitherReplacedNorCountedAsSaved) {
    const std::string before = Input();
    ASSERT_EQ(chmod(dir.file("B001_01.INP").c_str(), 0444), 0);
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + Click(Save_Icon) + End_With_Save() +
                             "mark geblieben\n" + End_Without_Save());
    EXPECT_EQ(w.run.exit_code, 0) << "no save succeeded, so ending without saving gives 0";
    EXPECT_EQ(Input(), before);
    EXPECT_FALSE(Has(w.trace, Saved_Message));
    const std::string failure =
        "message \"Fehler beim Sichern\" \"Die Eingabedatei ist schreibgeschützt:\" \"B001_01.INP\" "
        "\"Die bisherige Eingabedatei bleibt unverändert.\"\n";
    EXPECT_EQ(Trace_Lines(w.trace, {"message", "mark"}), failure + failure + "mark geblieben\n");
    EXPECT_FALSE(File_Exists(dir.file("B001_01.INP~")));
    EXPECT_FALSE(File_Exists(dir.file("B001_01.OLI")));
}

// An input file whose folder entry cannot be replaced (here: the name is taken by a folder) fails
// the same way and leaves no temporary file behind.
TEST_F(Main_Window_Run, AFailedWriteKeepsTheOldFile) {
    fs::create_directory(dir.file("B001_01.INP~"));
    const std::string before = Input();
    const Window_Run w = Run(Click(Tab[2]) + Enter_Value(Tension_Force_Field, "50") + Click(Save_Icon));
    EXPECT_EQ(Input(), before);
    EXPECT_TRUE(Has(w.trace, "message \"Fehler beim Sichern\" \"Die Eingabedatei kann nicht geschrieben werden:\""))
        << w.trace;
}

// After a failed load the record holds defaults; the first save asks before it overwrites the file.
TEST_F(Main_Window_Run, AfterAFailedLoadTheSaveAsksBeforeOverwriting) {
    const std::string unreadable = " 1\n 1 1 1 1 1 0 1 0\n kaputt\n";
    const std::string question = "question \"\" \"Die Eingabedatei konnte nicht gelesen werden. Trotzdem überschreiben?\"\n";
    const std::string closing = "question \"\" \"Aktuelle Bearbeitung abbrechen?\"\n";

    Write_File(dir.file("B001_01.INP"), unreadable);
    Window_Run w = Run("answer no\n" + Click(Save_Icon) + "answer no\n" + Click(Save_Icon) + "answer no\n" + End_With_Save());
    EXPECT_TRUE(Has(w.trace, "message \"Lesefehler\"")) << w.trace;
    EXPECT_EQ(Trace_Lines(w.trace, {"question"}), question + question + question + closing);
    EXPECT_EQ(Input(), unreadable) << "no must write nothing";
    EXPECT_FALSE(Has(w.trace, Saved_Message));
    EXPECT_EQ(w.run.exit_code, 0) << "save and end answered no: the window stayed until the host closed it";

    // Yes overwrites; the file then holds the user's data again, so the second save does not ask.
    w = Run("answer yes\n" + Click(Save_Icon) + Click(Save_Icon));
    EXPECT_EQ(Trace_Lines(w.trace, {"question"}), question + closing);
    EXPECT_NE(Input(), unreadable);
    EXPECT_EQ(Trace_Lines(w.trace, {"message"}).find(Saved_Message), Trace_Lines(w.trace, {"message"}).find("message \"\""));
}

// A report that cannot be written (the name is taken by a folder) is neither shown nor printed.
TEST_F(Main_Window_Run, AnUnwritableReportIsNotHandedOn) {
    fs::create_directory(dir.file("B001_01.OLI"));
    const Window_Run w = Run(Click(Preview_Icon) + Click(Print_Icon));
    EXPECT_EQ(Trace_Lines(w.trace, {"viewer", "printer"}), "");
    EXPECT_EQ(Trace_Lines(w.trace, {"message"}),
              "message \"Fehler\" \"Der Bericht kann nicht geschrieben werden:\" \"B001_01.OLI\" \"Die Vorschau wird nicht gezeigt.\"\n"
                  "message \"Fehler\" \"Der Bericht kann nicht geschrieben werden:\" \"B001_01.OLI\" \"Er wird nicht gedruckt.\"\n");
}

// An inactive welded connection: its tab shows only the note.
TEST_F(Main_Window_Run, AnInactiveConnectionTabShowsOnlyTheNote) {
    // The third switch of the general tab, "einer Schweißverbindung", at x 280 − 20 + 9 (content x
    // from 9) on the row of y 394.
    const Window_Run w = Run(Click({276, 394}) + Click(Tab[3]) + "mark reiter\n");
    const std::string after = w.trace.substr(w.trace.find("sheet 1 code 10003"));
    EXPECT_TRUE(Has(after, "\"Der Nachweis ist inaktiv (siehe erstes Registerblatt)\"")) << after;
    EXPECT_FALSE(Has(after, "Nachweis einer Schweißverbindung:"));
}

// The annex selection sheet from the toolbar, around the screen centre: its first row
// "EC-Standardparameter", OK and break. OK makes the chosen annex the one saved with the input; break
// restores the annex of entry.
TEST_F(Main_Window_Run, TheAnnexChosenInTheSelectionSheetIsSavedWithTheInput) {
    constexpr Point First_Row{450, 315}, Sheet_Ok{632, 511}, Sheet_Break{398, 511};
    const struct {
        Point button;
        const char* saved;
    } cases[] = {{Sheet_Ok, "«EC-Standardparameter»"}, {Sheet_Break, "«Deutschland»"}};
    const std::string example = Input();   // its annex is "Deutschland"
    for (const auto& c : cases) {
        Write_File(dir.file("B001_01.INP"), example);
        const Window_Run w = Run(Click(Annex_Icon) + Click(First_Row) + Click(c.button) + Click(Save_Icon));
        EXPECT_TRUE(Has(w.trace, "sheet define 2 367,239,657,528 \"Nationale Anwendungsdokumente\"\n")) << w.trace;
        EXPECT_TRUE(Has(Input(), "\nACTIV_NADNAME\n" + To_Cp437(c.saved) + "\n")) << c.saved;
    }
}

// An input file naming an annex that no longer exists: the window road shows the sheet "Warnung".
TEST_F(Main_Window_Run, AnInputNamingADeletedAnnexShowsTheWarning) {
    std::string input = Input();
    const std::string name = To_Cp437("«Deutschland»");
    ASSERT_NE(input.find(name), std::string::npos);
    input.replace(input.find(name), name.size(), To_Cp437("«Atlantis»"));
    Write_File(dir.file("B001_01.INP"), input);
    const Window_Run w = Run("");
    EXPECT_TRUE(Has(Trace_Lines(w.trace, {"sheet"}), "\"Warnung\"\n")) << w.trace;
}

// "Ausdrucksteuerung" from the toolbar (around the screen centre): "Grafik" switched off and the
// dialog left with break; the change is kept and saved with the input.
TEST_F(Main_Window_Run, PrintSettingsChangedAndBrokenOffAreKept) {
    constexpr Point Graphics_Box{378, 198}, Settings_Break{355, 657};
    ASSERT_EQ(Stored().print.graphics, 1);
    const Window_Run w = Run(Click(Settings_Icon) + Click(Graphics_Box) + Click(Settings_Break) + Click(Save_Icon));
    EXPECT_TRUE(Has(w.trace, "\"Ausdrucksteuerung\"\n")) << w.trace;
    EXPECT_EQ(Stored().print.graphics, 0);
}

// The main window in a real window on a virtual X display (Xvfb): every tab is shown once and the
// screen dumped; the same script run headless gives the same course and the same pictures.
TEST_F(Main_Window_Run, SwitchesThroughAllFiveTabsInARealWindowUnderXvfb) {
    if (std::system("command -v xvfb-run >/dev/null 2>&1 && command -v xauth >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "xvfb-run or xauth is missing (Debian xvfb, xauth; scripts/setup.sh installs them)";
    auto script = [&](const std::string& prefix) {
        std::string s;
        for (int tab : {2, 3, 4, 5, 1})
            s += Click(Tab[tab]) + "mark " + std::to_string(tab) + "\ndump " + dir.file(prefix + std::to_string(tab) + ".png") + "\n";
        return s + "close\n";
    };
    const std::vector<std::string> environment = {
        "EXEC=" + dir.file("host/EXEC"), "DATA=" + dir.file("host/DATA"), "DRAM=" + dir.file("host/DRAM"),
        "VEK_TRACE=" + dir.file("trace.txt"), "VEK_SCRIPT=" + dir.file("script.txt"),
        // The window system's libraries keep allocations to the process end.
        "ASAN_OPTIONS=detect_leaks=0"};

    Write_File(dir.file("script.txt"), script("window"));
    std::vector<std::string> in_window = environment;
    in_window.insert(in_window.end(), {"VEK_HEADLESS", "SDL_VIDEODRIVER=x11"});
    const Program_Run window = Run_Program_File("xvfb-run", dir.path,
                                                {"-a", "-s", "-screen 0 1280x1024x24", BASIS_EXECUTABLE, "B001", "0", "1", "1"},
                                                in_window);
    if (window.exit_code != 0 && Has(window.err, "Xvfb failed to start")) GTEST_SKIP() << window.err;
    const std::string window_trace = Read_File(dir.file("trace.txt"));

    Write_File(dir.file("script.txt"), script("headless"));
    std::vector<std::string> headless_environment = environment;
    headless_environment.push_back("VEK_HEADLESS=1");
    const Program_Run headless = Run_Executable(dir.path, {"B001", "0", "1", "1"}, headless_environment);
    const std::string headless_trace = Read_File(dir.file("trace.txt"));

    EXPECT_EQ(window.exit_code, 0) << window.err;
    EXPECT_EQ(headless.exit_code, 0) << headless.err;
    const std::string course = Trace_Lines(window_trace, {"title", "sheet", "mark", "close", "process"});
    EXPECT_EQ(course,
              "title \"Position 1: Anschluss Träger an Stütze\"\n"
              "sheet define 1 0,0,1023,767 \"\"\n"
              "sheet 1 code 10002\nmark 2\n"
              "sheet 1 code 10003\nmark 3\n"
              "sheet 1 code 10004\nmark 4\n"
              "sheet 1 code 10005\nmark 5\n"
              "sheet 1 code 10001\nmark 1\n" +
                  Closed_By_Host);
    EXPECT_EQ(Trace_Lines(headless_trace, {"title", "sheet", "mark", "close", "process"}), course);
    // Each tab shows its own page: the five pictures differ, and the window drew what the headless
    // run drew.
    for (int tab = 1; tab <= 5; ++tab) {
        const std::string picture = Read_File(dir.file("window" + std::to_string(tab) + ".png"));
        ASSERT_FALSE(picture.empty()) << tab;
        EXPECT_TRUE(picture == Read_File(dir.file("headless" + std::to_string(tab) + ".png"))) << tab;
        for (int other = 1; other < tab; ++other)
            EXPECT_FALSE(picture == Read_File(dir.file("window" + std::to_string(other) + ".png"))) << tab << " " << other;
    }
}
