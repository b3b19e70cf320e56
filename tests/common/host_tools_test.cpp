// The host tool launchers with tool scripts in a scratch EXEC and TEMP: the component selection and
// its result file, the picture viewer, the plot viewer and the picture message.
#include "common/host_tools.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/tool_folders_fixture.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/screen_picture.h"

namespace {

// A selection tool that records its arguments and writes the result file given (CP437 bytes).
void Selection_Tool(const Tool_Folders& host, const std::string& result) {
    Write_File(host.dir.file("result"), result);
    host.Tool("bauteilauswahl", "echo \"$@\" > '" + host.dir.file("args") + "'\ncp '" + host.dir.file("result") + "' '" +
                                    host.temp + "/bauteilauswahl.txt'\n");
}

// Runs the selection headless on a screen; the record (copied) or nothing.
struct Selection {
    bool found = false;
    Component_Record record;
    std::string trace;
};
Selection Select(int application) {
    Selection s;
    s.trace = Run_Headless("", [&] {
                  Open_White_Screen(400, 300);
                  const Component_Record* r = Select_Component_With_Tool(application);
                  s.found = r != nullptr;
                  if (r) s.record = *r;
                  return 0;
              }).trace;
    return s;
}

std::string Guillemets(const std::string& text) { return "\xAE" + text + "\xAF"; }

const std::string Busy_Lines = "Das VEK-Werkzeug zur Auswahl von Bauteilen\nist bereits aktiv. Bitte schließen Sie\n"
                               "das Fenster und versuchen es erneut."_cp;

}  // namespace

TEST(ComponentSelection, ReadsTheFieldsAndTheArchiveOfTheResultFile) {
    Tool_Folders host;
    Selection_Tool(host, "12 34\n" + Guillemets("Träger T1"_cp) + "\n" + Guillemets("/daten/t1") + " " + Guillemets("c") +
                             Guillemets("d") + "\r\n" + Guillemets("") + Guillemets("f g") + "\n1 " +
                             Guillemets("/daten/t1.arc") + "\n");
    const Selection s = Select(3);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(Read_File(host.dir.file("args")), "3\n");
    EXPECT_EQ(s.record.number_1, 12);
    EXPECT_EQ(s.record.number_2, 34);
    const std::vector<std::string> texts(std::begin(s.record.texts), std::end(s.record.texts));
    EXPECT_EQ(texts, (std::vector<std::string>{"Träger T1"_cp, "/daten/t1", "c", "d", "", "f g"}));
    EXPECT_EQ(s.record.archive, 1);
    EXPECT_STREQ(s.record.archive_path, "/daten/t1.arc");
    EXPECT_FALSE(File_Exists(host.temp + "/bauteilauswahl.txt"));   // read and removed
    // The waiting panel with its text drawn twice, the busy cursor and the arrow again.
    EXPECT_NE(s.trace.find("\"Bitte wählen Sie ein Bauteil aus\""), std::string::npos) << s.trace;
    EXPECT_NE(s.trace.find("cursor 6\n"), std::string::npos);
    EXPECT_GT(s.trace.rfind("cursor 0\n"), s.trace.find("cursor 6\n"));
}

TEST(ComponentSelection, FieldsTheFileLacksAreEmptyNotThePreviousComponents) {
    Tool_Folders host;
    Selection_Tool(host, "1 2 " + Guillemets("A") + Guillemets("/a") + Guillemets("x") + Guillemets("y") +
                             Guillemets("z") + Guillemets("w") + " 1 " + Guillemets("/a.arc"));
    ASSERT_TRUE(Select(3).found);
    Selection_Tool(host, "5 6 " + Guillemets("B"));
    const Selection s = Select(3);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(s.record.number_1, 5);
    EXPECT_STREQ(s.record.texts[0], "B");
    for (int k = 1; k < Component_Text_Count; ++k) EXPECT_STREQ(s.record.texts[k], "") << k;
    EXPECT_EQ(s.record.archive, 0);
    EXPECT_STREQ(s.record.archive_path, "");
}

TEST(ComponentSelection, NoComponentForAStaleFileAnOverlongTextOrNoFolders) {
    Tool_Folders host;
    // A stale result of an earlier run and a tool that writes nothing.
    Write_File(host.temp + "/bauteilauswahl.txt", "1 2 " + Guillemets("alt"));
    host.Tool("bauteilauswahl", "exit 0\n");
    EXPECT_FALSE(Select(3).found);
    EXPECT_FALSE(File_Exists(host.temp + "/bauteilauswahl.txt"));
    // A path of 256 characters would be cut to name another file; 255 are read whole.
    Selection_Tool(host, "1 2 " + Guillemets("N") + Guillemets(std::string(256, 'p')));
    EXPECT_FALSE(Select(3).found);
    Selection_Tool(host, "1 2 " + Guillemets("N") + Guillemets(std::string(255, 'p')) + " 1 " + Guillemets(std::string(256, 'q')));
    EXPECT_FALSE(Select(3).found);
    Selection_Tool(host, "1 2 " + Guillemets("N") + Guillemets(std::string(255, 'p')));
    const Selection s = Select(3);
    ASSERT_TRUE(s.found);
    EXPECT_EQ(std::string(s.record.texts[1]), std::string(255, 'p'));
    unsetenv("TEMP");
    EXPECT_FALSE(Select(3).found);
    setenv("TEMP", host.temp.c_str(), 1);
    unsetenv("EXEC");
    EXPECT_FALSE(Select(3).found);
}

TEST(ComponentSelection, ToolStillOpenIsReported) {
    Tool_Folders host;
    Selection_Tool(host, "1 2 " + Guillemets("N"));
    // A tool with a window of its own that is still open.
    const std::string gate = host.dir.file("gate");
    host.Tool("sleeper", "while [ ! -f '" + gate + "' ]; do sleep 0.01; done\n");
    const std::string sleeper = host.exec + "/sleeper";
    const char* argv[] = {sleeper.c_str(), nullptr};
    const int pid = VEKSpawnv(1, sleeper.c_str(), argv);
    ASSERT_GT(pid, 0);
    Clear_Host_Message_History();
    const Selection s = Select(3);
    EXPECT_FALSE(s.found);
    EXPECT_EQ(Host_Message_History(), std::vector<std::string>{Busy_Lines});
    EXPECT_FALSE(File_Exists(host.dir.file("args")));   // the tool was not started
    Write_File(gate, "");
    while (!CheckVEKProcess(pid, nullptr)) FindVEKWindow("", 0);
}

TEST(PictureViewer, StartsOnceThenBringsTheRunningViewerToTheFront) {
    Tool_Folders host;
    const std::string gate = host.dir.file("gate");
    host.Tool("bildanzeige", "echo \"$@\" >> '" + host.dir.file("args") + "'\nwhile [ ! -f '" + gate +
                                 "' ]; do sleep 0.01; done\n");
    int first = 0, second = 0, third = 0;
    const Headless_Run_Result run = Run_Headless("", [&] {
        first = Show_Picture_In_Viewer("bild.bmp");
        second = Show_Picture_In_Viewer("anderes.bmp");
        Write_File(gate, "");
        int code = 0;
        while (!CheckVEKProcess(first, &code)) FindVEKWindow("", 0);
        std::remove(gate.c_str());
        third = Show_Picture_In_Viewer("drittes.bmp");
        Write_File(gate, "");
        while (!CheckVEKProcess(third, &code)) FindVEKWindow("", 0);
        return 0;
    });
    EXPECT_GT(first, 0);
    EXPECT_EQ(second, first);
    EXPECT_GT(third, 0);
    EXPECT_NE(third, first);
    EXPECT_EQ(Read_File(host.dir.file("args")), "bild.bmp\ndrittes.bmp\n");
    EXPECT_EQ(run.trace, "process " + std::to_string(first) + " window 4\n");
}

TEST(PictureViewer, MissingViewerOrExecFolderIsAMessage) {
    Tool_Folders host;
    Clear_Host_Message_History();
    EXPECT_EQ(Show_Picture_In_Viewer("bild.bmp"), -1);
    unsetenv("EXEC");
    EXPECT_EQ(Show_Picture_In_Viewer("bild.bmp"), -1);
    EXPECT_EQ(Host_Message_History(),
              (std::vector<std::string>{"Installationsproblem\nDas VEK-Werkzeug\n-bildanzeige-\nist nicht installiert!",
                                        "Installationsfehler\nDas EXEC-Verzeichnis\nist nicht ermittelbar!"}));
}

TEST(PlotViewer, WaitsUntilTheViewerHasEnded) {
    Tool_Folders host;
    const std::string log = host.dir.file("log");
    host.Tool("planbearbeitung", "echo \"$#: $@\" >> '" + log + "'\nsleep 0.3\necho ende >> '" + log + "'\n");
    int with_option = -1, plain = -1;
    const Headless_Run_Result run = Run_Headless("", [&] {
        Open_White_Screen(400, 300);
        with_option = Edit_Plan_With_Tool("plan.plt", "-n");
        plain = Edit_Plan_With_Tool_Plain("mein plan.plt");
        return 0;
    });
    EXPECT_EQ(with_option, 1);
    EXPECT_EQ(plain, 1);
    EXPECT_EQ(Read_File(log), "2: plan.plt -n\nende\n1: mein plan.plt\nende\n");
    EXPECT_NE(run.trace.find("\"Warte auf Ende des Planerstellungsmoduls\""), std::string::npos) << run.trace;
    unsetenv("EXEC");
    EXPECT_EQ(Edit_Plan_With_Tool_Plain("plan.plt"), 0);
}

TEST(PictureMessage, SheetOfThePictureSizeAndItsButton) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_White_Screen(400, 300);
        Show_Picture_Message("Hinweis", "fehlt.bmp", 100, 50);
        // The mouse on the button at 182, 180 (30 x 22), 10 and 5 px off its centre.
        EXPECT_EQ(M_XPOS, 206);
        EXPECT_EQ(M_YPOS, 195);
        return 0;
    });
    // 104 x 116 centred on 400 x 300.
    EXPECT_NE(run.trace.find("sheet define 1 148,92,251,207 \"Hinweis\"\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find("sheet undefine 1\n"), std::string::npos);
}
