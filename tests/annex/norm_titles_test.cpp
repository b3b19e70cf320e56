#include "annex/norm_titles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "test_support.h"

namespace {

class VersionFile : public ::testing::Test {
protected:
    void SetUp() override { setenv("EXEC", exec.path.c_str(), 1); }
    void Write(const std::string& text) { Write_File(exec.file("Talvo-EC301/VERSION"), text); }
    Scratch_Dir exec;
};

TEST_F(VersionFile, FirstLineWithLaterPatches) {
    Write("Version 1.2024-05\nkeine Marke\n<07 erste\nzweite <09\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "Version 1.2024-09");
    Write("Version 3.10\r\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "Version 3.10");
    Write("ohne Zeilenende");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "ohne Zeilenende");
}

TEST_F(VersionFile, ShortTextsAndBrokenMarksStayInside) {
    Write("A\n<12\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "A");       // too short to patch
    Write("AB\n<1\n<\n");
    EXPECT_STREQ(Read_Version_File("Talvo-EC301"), "AB");      // marks without two characters
    Write(std::string(400, 'v') + "\n<xy\n");
    EXPECT_EQ(std::string(Read_Version_File("Talvo-EC301")), std::string(253, 'v') + "xy");
}

TEST_F(VersionFile, MissingFileOrExecGivesNull) {
    EXPECT_EQ(Read_Version_File("Talvo-EC301"), nullptr);
    EXPECT_EQ(Read_Version_File(nullptr), nullptr);
    Write("Version 1.0\n");
    unsetenv("EXEC");
    EXPECT_EQ(Read_Version_File("Talvo-EC301"), nullptr);
}

}  // namespace
