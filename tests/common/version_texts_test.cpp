#include "common/version_texts.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "test_support.h"

namespace {

TEST(ParseVersionWord, NumbersSeparatorsAndSuffix) {
    struct Case {
        const char* text;
        int first, second;
        const char* suffix;
    };
    const Case cases[] = {
        {"Anschluesse Version 3.12-beta", 3, 12, "bet"},
        {"Stand 2.05.a", 2, 5, "a"},
        {"Version 7.2", 7, 2, "???"},
        {"Version 7.2  ", 7, 2, "???"},     // trailing blanks before the last word
        {"11", 11, 0, "???"},               // no blank: the whole text is the word
        {"Version x.y", 0, 0, "???"},
        {"", 0, 0, "???"},
    };
    for (const Case& c : cases) {
        int first = -1, second = -1;
        char suffix[4] = {'x', 'x', 'x', 'x'};
        Parse_Version_Word(c.text, &first, &second, suffix);
        EXPECT_EQ(first, c.first) << c.text;
        EXPECT_EQ(second, c.second) << c.text;
        EXPECT_STREQ(suffix, c.suffix) << c.text;
        EXPECT_EQ(suffix[3], '\0');
    }
    Parse_Version_Word("Version 1.2", nullptr, nullptr, nullptr);   // every output optional
    int first = -1;
    Parse_Version_Word(nullptr, &first, nullptr, nullptr);
    EXPECT_EQ(first, 0);
}

TEST(CompareVersionTexts, SecondNumberFirstThenFirstThenSuffix) {
    EXPECT_EQ(Compare_Version_Texts("V 1.20-a", "V 2.19-a"), 1);    // second numbers decide
    EXPECT_EQ(Compare_Version_Texts("V 9.19-a", "V 1.20-a"), -1);
    EXPECT_EQ(Compare_Version_Texts("V 3.20-a", "V 2.20-a"), 1);
    EXPECT_EQ(Compare_Version_Texts("V 2.20-a", "V 3.20-a"), -1);
    EXPECT_EQ(Compare_Version_Texts("V 2.20-b", "V 2.20-a"), 1);
    EXPECT_EQ(Compare_Version_Texts("V 2.20-a", "V 2.20-b"), -1);
    EXPECT_EQ(Compare_Version_Texts("X 2.20-a", "Y 2.20-a"), 0);
}

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override { setenv("EXEC", exec.path.c_str(), 1); }
    void Write_Version(const std::string& text) { Write_File(exec.file("Programm/VERSION"), text); }
    Scratch_Dir exec;
};

TEST_F(ProgramFolder, VersionNumberFromTheVersionFile) {
    EXPECT_EQ(Get_Program_Version_Number("Programm"), 0);    // no file yet
    Write_Version("Anschluesse 2.17-c\r\n");
    EXPECT_EQ(Get_Program_Version_Number("Programm"), 17);
    EXPECT_EQ(Get_Program_Version_Number("fehlt"), 17);      // no text: the previous value stays
    Write_Version("2.18-c\n");
    EXPECT_EQ(Get_Program_Version_Number("Programm"), 0);    // no blank
    Write_Version("Anschluesse 4.05\n<07\n");
    EXPECT_EQ(Get_Program_Version_Number("Programm"), 7);    // patched by the later line
}

TEST_F(ProgramFolder, CrossSectionProgramProbedOnce) {
    EXPECT_EQ(Probe_Cross_Section_Program(), 0);
    Write_File(exec.file("QUERSCHNITT/QUERSCHNITT.EXE"), "x");
    EXPECT_EQ(Probe_Cross_Section_Program(), 0);   // the first answer is kept
}

TEST_F(ProgramFolder, CrossSectionProgramFound) {
    Write_File(exec.file("QUERSCHNITT/QUERSCHNITT.EXE"), "x");
    EXPECT_EQ(Probe_Cross_Section_Program(), 1);
}

}  // namespace
