// Start-up as the host drives it: the built program run in a scratch folder.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "test_support.h"

namespace {

struct Startup : ::testing::Test {
    Scratch_Dir dir;
    std::string exec = "EXEC=" + dir.file("EXEC");
    void SetUp() override { std::filesystem::create_directories(dir.file("EXEC")); }
};

}  // namespace

TEST_F(Startup, FewerThanFourArgumentsPrintUsage) {
    const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1"}, {exec});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_NE(run.out.find("usage: "), std::string::npos);
    EXPECT_NE(run.out.find(" Bauteilkennung Icon-Id File-Id Pos-Id\n"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir.file("EXEC")));
}

TEST_F(Startup, WithoutExecEndsWithZeroAndWritesNothing) {
    const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh"}, {"EXEC"});
    EXPECT_EQ(run.exit_code, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);  // only EXEC
}

TEST_F(Startup, RefreshTakesTheBatchRoad) {
    const Program_Run run = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh"}, {exec});
    EXPECT_EQ(run.exit_code, 1);
}

TEST_F(Startup, OtherFifthArgumentsTakeTheWindowRoad) {
    // Headless without a script the window opens and is closed by the host at once, saving nothing.
    const std::string trace = dir.file("trace.txt");
    for (const char* fifth : {"-Refresh", "refresh", "-refreshed"}) {
        std::remove(trace.c_str());
        const Program_Run run =
            Run_Executable(dir.path, {"B001", "0", "1", "1", fifth}, {exec, "VEK_HEADLESS=1", "VEK_SCRIPT", "VEK_TRACE=" + trace});
        EXPECT_EQ(run.exit_code, 0) << fifth;
        EXPECT_NE(Read_File(trace).find("sheet define 1 0,0,1023,767 \"\"\n"), std::string::npos) << fifth;
        EXPECT_FALSE(File_Exists(dir.file("B001_01.INP"))) << fifth;
    }
    const Program_Run padded = Run_Executable(dir.path, {"B001", "0", "1", "1", "-refresh extra"}, {exec});
    EXPECT_EQ(padded.exit_code, 1);
}

TEST_F(Startup, BadFileIdsAreRefusedWithTheUsageText) {
    for (const char* id : {"", "x7", "7x", "-1", "1234567", "99999999999999999999"}) {
        const Program_Run run = Run_Executable(dir.path, {"B001", "0", id, "1", "-refresh"}, {exec});
        EXPECT_EQ(run.exit_code, 0) << id;
        EXPECT_NE(run.out.find("usage: "), std::string::npos) << id;
    }
}

TEST_F(Startup, LongComponentIdIsAccepted) {
    const std::string id(300, 'B');
    const Program_Run run = Run_Executable(dir.path, {id, "0", "1", "1", "-refresh"}, {exec});
    EXPECT_EQ(run.exit_code, 1);
}
