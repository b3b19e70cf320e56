// The host stand-in's directory search as the annex library walks the program folders, its spawn of
// the annex editor and the number of the running application.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "test_support.h"

namespace {

std::vector<std::string> Found(const std::string& pattern, bool directories) {
    std::vector<std::string> names;
    DOS_Find_Record r{};
    for (int k = directories ? DOSFindFirstDirectory(pattern.c_str(), &r) : DOSFindFirstFile(pattern.c_str(), &r);
         k == 0; k = DOSFindNext(&r))
        names.emplace_back(r.name);
    DOSFindClose(&r);
    return names;
}

}  // namespace

TEST(HostDirectorySearch, StarDotStarFindsNamesWithAndWithoutExtension) {
    Scratch_Dir dir;
    for (const char* folder : {"Talvo-EC301", "alt.1", "NAD"}) std::filesystem::create_directories(dir.file(folder));
    for (const char* file : {"VERSION", "APP0150.DEF", "liesmich.txt"}) Write_File(dir.file(file), "");
    EXPECT_EQ(Found(dir.file("*.*"), true), (std::vector<std::string>{"NAD", "Talvo-EC301", "alt.1"}));
    EXPECT_EQ(Found(dir.file("*.*"), false), (std::vector<std::string>{"APP0150.DEF", "VERSION", "liesmich.txt"}));
    EXPECT_EQ(Found(dir.file("APP*.DEF"), false), std::vector<std::string>{"APP0150.DEF"});
    EXPECT_EQ(Found(dir.file("app*.def"), false), std::vector<std::string>{"APP0150.DEF"});
    EXPECT_EQ(Found(dir.file("LIESMICH.*"), false), std::vector<std::string>{"liesmich.txt"});
    EXPECT_TRUE(Found(dir.file("missing/*.*"), true).empty());
}

TEST(HostSpawn, WaitsForTheProgramAndReturnsItsExitCode) {
    Scratch_Dir dir;
    const std::string editor = dir.file("NAD-Editor");
    Write_File(editor, "#!/bin/sh\necho \"$1\" > \"$(dirname \"$0\")/called\"\nexit 3\n");
    std::filesystem::permissions(editor, std::filesystem::perms::owner_all);
    const char* argv[] = {editor.c_str(), "Deutschland", nullptr};
    EXPECT_EQ(VEKSpawnv(0, editor.c_str(), argv), 3);
    EXPECT_EQ(Read_File(dir.file("called")), "Deutschland\n");
    EXPECT_EQ(VEKSpawnv(0, dir.file("missing").c_str(), argv), -1);
    EXPECT_EQ(VEKSpawnv(0, editor.c_str(), nullptr), -1);
}

TEST(HostApplicationNumber, WholeNumberOfTheEnvironmentElseThisProgram) {
    struct Case {
        const char* value;  // null: unset
        int number;
    };
    const Case cases[] = {
        {nullptr, 150}, {"", 150},   {"220", 220}, {"75", 75},       {"-3", -3},
        {"0", 0},       {"22a", 150}, {"1.5", 150}, {"abc", 150}, {"99999999999", 150},
    };
    for (const Case& c : cases) {
        if (c.value)
            setenv("VEK_APPLICATION_NUMBER", c.value, 1);
        else
            unsetenv("VEK_APPLICATION_NUMBER");
        EXPECT_EQ(CurOb_Application_Number(), c.number) << (c.value ? c.value : "unset");
    }
    unsetenv("VEK_APPLICATION_NUMBER");
}

TEST(HostCurrentObject, IdAndNamesComeFromTheEnvironmentNullWhenUnset) {
    struct Case {
        const char* value;  // null: unset
        int id;
    };
    const Case cases[] = {{nullptr, 0}, {"", 0}, {"4711", 4711}, {"-2", -2}, {"12x", 0}, {"99999999999", 0}};
    for (const Case& c : cases) {
        if (c.value)
            setenv("VEK_CUROB_OBJECT_ID", c.value, 1);
        else
            unsetenv("VEK_CUROB_OBJECT_ID");
        EXPECT_EQ(CurOb_Object_Id(), c.id) << (c.value ? c.value : "unset");
    }
    unsetenv("VEK_CUROB_OBJECT_ID");

    struct Text {
        const char* variable;
        const char* (*get)();
    };
    const Text texts[] = {
        {"VEK_CUROB_FILERNAME", CurOb_Filername},       {"VEK_CUROB_BASICNAME", CurOb_Basicname},
        {"VEK_CUROB_SUFFIXNAME", CurOb_Suffixname},     {"VEK_CUROB_PROGRAMNAME", CurOb_Programname},
        {"VEK_CUROB_PROGRAMSTRING", CurOb_Programstring}, {"VEK_CUROB_VERSIONSTRING", CurOb_Versionstring},
    };
    for (const Text& t : texts) {
        unsetenv(t.variable);
        EXPECT_EQ(t.get(), nullptr) << t.variable;
        setenv(t.variable, t.variable + 10, 1);
        ASSERT_NE(t.get(), nullptr) << t.variable;
        EXPECT_STREQ(t.get(), t.variable + 10);
        unsetenv(t.variable);
    }
}
