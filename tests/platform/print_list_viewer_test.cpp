// The host's viewer and printer of print lists: the PDF beside the report, xdg-open and lp.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// Sets an environment variable for the scope and puts back what stood there before.
struct Environment_Value {
    std::string name;
    std::optional<std::string> before;
    Environment_Value(const char* n, const char* value) : name(n) {
        if (const char* v = std::getenv(n)) before = v;
        if (value) setenv(n, value, 1);
        else unsetenv(n);
    }
    ~Environment_Value() {
        if (before) setenv(name.c_str(), before->c_str(), 1);
        else unsetenv(name.c_str());
    }
};

// A stand-in for a tool on PATH that writes its argument into the file "<tool>.called".
void Write_Tool(const Scratch_Dir& dir, const std::string& tool) {
    Write_File(dir.file(tool), "#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/" + tool + ".called\"\n");
    chmod(dir.file(tool).c_str(), 0755);
}

// The tool runs in the background: wait for its trace (up to ten seconds).
std::string Tool_Argument(const Scratch_Dir& dir, const std::string& tool) {
    for (int k = 0; k < 500 && !File_Exists(dir.file(tool + ".called")); ++k)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    return File_Exists(dir.file(tool + ".called")) ? Read_File(dir.file(tool + ".called")) : "(not called)";
}

const std::string Report = "#CONTENTS\n POS. 1\n\n#SHOWPARA\n0x0\n4\n-1\n Text\n#END_OF_TEXT\n0x0\n-1\n";

}  // namespace

TEST(Quick_OLI_View, WithoutDisplayWritesThePdfOnly) {
    Scratch_Dir dir;
    Write_Tool(dir, "xdg-open");
    const Environment_Value path("PATH", (dir.path + ":/usr/bin:/bin").c_str());
    const Environment_Value display("DISPLAY", nullptr);
    const Environment_Value wayland("WAYLAND_DISPLAY", nullptr);
    Write_File(dir.file("B001_01.OLI"), Report);
    Clear_Host_Message_History();
    EXPECT_EQ(Quick_OLI_View("B001", dir.file("B001_01.OLI").c_str()), 0);
    EXPECT_TRUE(File_Exists(dir.file("B001_01.pdf")));
    EXPECT_TRUE(Host_Message_History().empty());
    EXPECT_FALSE(File_Exists(dir.file("xdg-open.called")));
}

TEST(Quick_OLI_View, WithDisplayOpensThePdf) {
    Scratch_Dir dir;
    Write_Tool(dir, "xdg-open");
    const Environment_Value path("PATH", (dir.path + ":/usr/bin:/bin").c_str());
    const Environment_Value display("DISPLAY", ":7");
    Write_File(dir.file("B001_01.OLI"), Report);
    EXPECT_EQ(Quick_OLI_View("B001", dir.file("B001_01.OLI").c_str()), 0);
    EXPECT_EQ(Tool_Argument(dir, "xdg-open"), dir.file("B001_01.pdf"));
}

TEST(Quick_OLI_View, UnreadableReportSaysSo) {
    Scratch_Dir dir;
    const Environment_Value display("DISPLAY", nullptr);
    Clear_Host_Message_History();
    EXPECT_EQ(Quick_OLI_View("B001", dir.file("B001_01.OLI").c_str()), -1);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], "Die Druckliste " + dir.file("B001_01.OLI") + " kann nicht gelesen werden.");
    EXPECT_FALSE(File_Exists(dir.file("B001_01.pdf")));
}

TEST(Quick_OLI_Print, HandsThePdfToLp) {
    Scratch_Dir dir;
    Write_Tool(dir, "lp");
    const Environment_Value path("PATH", (dir.path + ":/usr/bin:/bin").c_str());
    Write_File(dir.file("B001_01.OLI"), Report);
    Clear_Host_Message_History();
    EXPECT_EQ(Quick_OLI_Print("B001", dir.file("B001_01.OLI").c_str()), 0);
    EXPECT_EQ(Tool_Argument(dir, "lp"), dir.file("B001_01.pdf"));
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST(Quick_OLI_Print, WithoutLpSaysWhereThePdfIs) {
    Scratch_Dir dir;
    const Environment_Value path("PATH", dir.path.c_str());   // a folder without lp
    Write_File(dir.file("B001_01.OLI"), Report);
    Clear_Host_Message_History();
    EXPECT_EQ(Quick_OLI_Print("B001", dir.file("B001_01.OLI").c_str()), 0);
    EXPECT_TRUE(File_Exists(dir.file("B001_01.pdf")));
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0],
              "Kein Drucker eingerichtet. Die Druckliste steht als PDF in "_cp + dir.file("B001_01.pdf"));
}
