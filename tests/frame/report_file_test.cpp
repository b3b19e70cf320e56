// The report file: its head (contents line and version table), its close, and the module codes.
#include "frame/report_file.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "common/host_bridge.h"
#include "frame/startup.h"
#include "report/headings.h"
#include "report/paragraph_writer.h"
#include "test_support.h"

namespace {

// A position B001 with file id 7 in a scratch folder; EXEC holds the version folder.
struct Report_Head : ::testing::Test {
    Scratch_Dir dir;
    void SetUp() override {
        Register_Stdio_Table();
        std::filesystem::create_directories(dir.file("EXEC/Talvo-EC301"));
        setenv("EXEC", dir.file("EXEC").c_str(), 1);
        Set_Base_Path(dir.file("B001").c_str());
        std::snprintf(Report_File_Suffix, sizeof Report_File_Suffix, "_%02d.OLI", 7);
    }
    void Version(const std::string& line) { Write_File(dir.file("EXEC/Talvo-EC301/VERSION"), line); }
    // Opens and closes the report as a run does; the whole file.
    std::string Head(const char* number, const char* title, int continuation = 1, int suppress = 0) {
        FILE* report = Open_Report_File(number, title, continuation, 16.0, suppress);
        EXPECT_NE(report, nullptr);
        EXPECT_EQ(Close_Report_File(report), 0);
        return Read_File(dir.file("B001_07.OLI"));
    }
};

std::string Version_Table(const std::string& line) {
    return "#LAYOUT storeYPosition 1\n"
           "#LAYOUT setMarginsCM 1 12 0\n"
           "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n ╬S"_cp + line + "\n#END_OF_TEXT\n"
           "#LAYOUT restoreYPosition 1\n"
           "#LAYOUT setMarginsCM 1 0 0\n";
}

}  // namespace

TEST_F(Report_Head, ContentsLineFromNumberAndTitle) {
    const struct { const char* number; const char* title; std::string contents; } cases[] = {
        {"12", "Stütze"_cp, " POS. 12: Stütze"_cp},
        {"12", "", " POS. 12"},
        {"", "Stütze"_cp, " Stütze"_cp},
        {"", "", ""},
        {"3%s", "100%", " POS. 3%s: 100%"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Head(c.number, c.title), "#LAYOUT reserveSpaceCM 16\n#CONTENTS\n" + c.contents + "\n") << c.contents;
}

TEST_F(Report_Head, VersionLineCarriesTheModuleLetters) {
    const struct { std::string file; std::string shown; } cases[] = {
        {"ABCDEFGHIJ\n", "ABCDEFBVIJ"},
        {"ABCDEF\n", "ABCDEF"},       // too short for the letters
        {"ABCDEFG\n", "ABCDEFBV"},
        {"ABCDEFGH", "ABCDEFBV"},
    };
    for (const auto& c : cases) {
        Version(c.file);
        EXPECT_EQ(Head("1", "Träger"_cp),
                  "#LAYOUT reserveSpaceCM 16\n#CONTENTS\n POS. 1: Träger\n"_cp + Version_Table(c.shown))
            << c.file;
    }
}

TEST_F(Report_Head, NewPageAndSuppressedNumbering) {
    Version("EC301 ?? 1.00\n");
    EXPECT_EQ(Head("1", "", 0, 1),
              "\n#SHOWPARA\n0x0\n4\n-1\n #NEWPAGE\n#END_OF_TEXT\n0x0\n-1\n"
              "#LAYOUT reserveSpaceCM 16\n#CONTENTS\n POS. 1\n" + Version_Table("EC301 BV 1.00"));
    EXPECT_EQ(Chapter_State.no_numbers, 1);
    EXPECT_EQ(Chapter_State.numbers_inline, 1);
    EXPECT_EQ(Chapter_State.bookmark_depth, 6);
    EXPECT_EQ(Chapter_State.group_limit, 1);
    Head("1", "");
    EXPECT_EQ(Chapter_State.no_numbers, 0);
}

TEST_F(Report_Head, CloseEndsTheOpenParagraph) {
    FILE* report = Open_Report_File("1", "", 1, 6.0, 0);
    ASSERT_NE(report, nullptr);
    OLI_Set_Indent(0.3);   // the head resets the format before any text; this applies to the text
    OLI_Printf(report, "Vorbemerkung");
    EXPECT_EQ(Close_Report_File(report), 0);
    EXPECT_EQ(Read_File(dir.file("B001_07.OLI")),
              "#LAYOUT reserveSpaceCM 6\n#CONTENTS\n POS. 1\n"
              "\n#SHOWPARA\n0x20\n4\n2 0.3 2 0\n-1\n Vorbemerkung\n#END_OF_TEXT\n0x0\n-1\n");
    EXPECT_EQ(Close_Report_File(nullptr), 0);
}

TEST_F(Report_Head, UnopenableFileGivesNoStream) {
    Set_Base_Path(dir.file("missing/B001").c_str());
    EXPECT_EQ(Open_Report_File("1", "T", 1, 16.0, 0), nullptr);
    EXPECT_FALSE(File_Exists(dir.file("missing")));
}

TEST(Module_Codes, ThisProgramIsBV01) {
    char code[2];
    EXPECT_EQ(std::string(Get_Module_Letters(code), 2), "BV");
    EXPECT_EQ(std::string(Get_Module_Digits(code), 2), "01");
    EXPECT_EQ(std::string(Get_Module_Letters_EC2(code), 2), "??");
    EXPECT_EQ(std::string(Get_Module_Digits_EC2(code), 2), "??");
}

TEST(Path_Directory, DirectoryPartOfTheFullPath) {
    const std::string cwd = std::filesystem::current_path().string();
    EXPECT_STREQ(Get_Path_Directory("/a/b/c.txt"), "/a/b/");
    EXPECT_STREQ(Get_Path_Directory("/a/./b/../c.txt"), "/a/");
    EXPECT_EQ(std::string(Get_Path_Directory("x/y.txt")), cwd + "/x/");
    EXPECT_STREQ(Get_Path_Directory(nullptr), "");
    EXPECT_STREQ(Get_Path_Directory(("/" + std::string(300, 'd') + "/f").c_str()), "");
}

// The batch road as the host runs it: the report begins with the head of the position, and the run
// of the connection checks follows it with its layout flags.
struct Batch_Report : ::testing::Test {
    Scratch_Dir dir;
    void SetUp() override {
        std::filesystem::create_directories(dir.file("EXEC/Talvo-EC301"));
        Write_File(dir.file("B001_01.TXT"), "7\n12a\nHalle Nord\n");
    }
    std::string Run() {
        const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh"},
                                               {"EXEC=" + dir.file("EXEC")});
        EXPECT_EQ(run.exit_code, 1);
        return Read_File(dir.file("B001_01.OLI"));
    }
};

TEST_F(Batch_Report, HeadWithContentsAndVersionTable) {
    Write_File(dir.file("EXEC/Talvo-EC301/VERSION"), "EC301 ?? 1\n");
    const std::string head =
        "#LAYOUT reserveSpaceCM 16\n"
        "#CONTENTS\n POS. 12a: Halle Nord\n"
        "#LAYOUT storeYPosition 1\n"
        "#LAYOUT setMarginsCM 1 12 0\n"
        "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n ╬SEC301 BV 1\n#END_OF_TEXT\n"
        "#LAYOUT restoreYPosition 1\n"
        "#LAYOUT setMarginsCM 1 0 0\n"
        "#LAYOUT setFlags 0x380\n"_cp;
    EXPECT_EQ(Run().substr(0, head.size()), head);
}

TEST_F(Batch_Report, WithoutVersionFileTheHeadHasNoTable) {
    const std::string head = "#LAYOUT reserveSpaceCM 16\n#CONTENTS\n POS. 12a: Halle Nord\n#LAYOUT setFlags 0x380\n";
    EXPECT_EQ(Run().substr(0, head.size()), head);
}
