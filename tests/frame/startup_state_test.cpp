// Start-up in process: suffixes, the kept component id, the position file and the frame title.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "common/base_path.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

struct In_Scratch : ::testing::Test {
    Scratch_Dir dir;
    std::string previous = std::filesystem::current_path().string();
    void SetUp() override {
        ASSERT_EQ(chdir(dir.path.c_str()), 0);
        setenv("EXEC", dir.path.c_str(), 1);
    }
    void TearDown() override { (void)!chdir(previous.c_str()); }
};

int Start(std::vector<std::string> args) {
    std::vector<char*> argv;
    static std::string name = "basisverbindungen";
    argv.push_back(name.data());
    for (std::string& a : args) argv.push_back(a.data());
    return Run_Program(static_cast<int>(argv.size()), argv.data());
}

}  // namespace

TEST_F(In_Scratch, FileIdFormsTheThreeSuffixes) {
    EXPECT_EQ(Start({"B001", "0", "7", "1", "-refresh"}), 1);
    EXPECT_STREQ(Input_File_Suffix, "_07.INP");
    EXPECT_STREQ(Report_File_Suffix, "_07.OLI");
    EXPECT_STREQ(Position_File_Suffix, "_07.TXT");
    EXPECT_EQ(Refresh_Mode, 1);
}

TEST_F(In_Scratch, WideFileIdKeepsAllDigits) {
    Start({"B001", "0", "123", "1", "-refresh"});
    EXPECT_STREQ(Input_File_Suffix, "_123.INP");
    Start({"B001", "0", "999999", "1", "-refresh"});
    EXPECT_STREQ(Report_File_Suffix, "_999999.OLI");
}

TEST_F(In_Scratch, ComponentIdIsCutToSevenCharacters) {
    Start({"B123xyz_long", "0", "1", "1", "-refresh"});
    EXPECT_STREQ(Component_Id, "B123xyz");
    EXPECT_STREQ(Get_Base_Path(), "B123xyz_long");
}

TEST_F(In_Scratch, PositionFileIsReadFromTheFirstFourCharacters) {
    Write_File(dir.file("B123_01.TXT"), "7\r\n12a\r\nHalle Nord\r\n");
    Start({"B123xyz", "0", "1", "1", "-refresh"});
    EXPECT_STREQ(Position_Info.number, "12a");
    EXPECT_STREQ(Position_Info.title, "Halle Nord");
    Set_Frame_Title();
    EXPECT_EQ(Host_Frame_Title(), "Position 12a: Halle Nord");
}

TEST_F(In_Scratch, FrameTitleKeepsTheColonWhenEmpty) {
    Start({"B999", "0", "1", "1", "-refresh"});
    Set_Frame_Title();
    EXPECT_EQ(Host_Frame_Title(), "Position : ");
}

TEST(Confirm_Host_Close, AsksAndRefusesWhenTheAnswerIsNo) {
    Clear_Host_Message_History();
    EXPECT_EQ(Confirm_Host_Close(), 0);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], "Aktuelle Bearbeitung abbrechen?");
}
