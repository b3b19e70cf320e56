#include "common/file_tools.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_messages.h"
#include "test_support.h"

namespace {

class FileTools : public ::testing::Test {
protected:
    void Write(const std::string& text) { Write_File(dir.file("daten.txt"), text); }
    std::string Read() { return Read_File(dir.file("daten.txt")); }
    Scratch_Dir dir;
    const std::string folder = dir.path;
    const std::string path = dir.file("daten.txt");
};

TEST_F(FileTools, ReplacesEveryOccurrenceLineByLine) {
    Write("S235 und S235\r\nkein Treffer\nS235S235");
    EXPECT_EQ(Replace_In_File(path.c_str(), "S235", "S355"), 4);
    EXPECT_EQ(Read(), "S355 und S355\r\nkein Treffer\nS355S355");
    EXPECT_FALSE(File_Exists((path + ".tmp").c_str()));
}

TEST_F(FileTools, ReplacementContainingThePatternIsNotSearchedAgain) {
    Write("aa\n");
    EXPECT_EQ(Replace_In_File(path.c_str(), "a", "aa"), 2);
    EXPECT_EQ(Read(), "aaaa\n");
    EXPECT_EQ(Replace_In_File(path.c_str(), "aa", ""), 2);
    EXPECT_EQ(Read(), "\n");
}

TEST_F(FileTools, LongLinesAreReplacedWhole) {
    const std::string line = std::string(3000, 'x') + "Naht" + std::string(3000, 'y');
    Write(line + "\n");
    EXPECT_EQ(Replace_In_File(path.c_str(), "Naht", std::string(2000, 'z').c_str()), 1);
    EXPECT_EQ(Read(), std::string(3000, 'x') + std::string(2000, 'z') + std::string(3000, 'y') +
                          "\n");
}

TEST_F(FileTools, FailuresLeaveTheFileAlone) {
    Write("alt\n");
    EXPECT_EQ(Replace_In_File(nullptr, "a", "b"), -1);
    EXPECT_EQ(Replace_In_File(path.c_str(), nullptr, "b"), -1);
    EXPECT_EQ(Replace_In_File(path.c_str(), "a", nullptr), -1);
    EXPECT_EQ(Replace_In_File(path.c_str(), "", "b"), -1);
    EXPECT_EQ(Replace_In_File((folder + "/fehlt.txt").c_str(), "a", "b"), -1);
    // The folder cannot take the new version: the old file stays as it was.
    chmod(folder.c_str(), 0500);
    if (access(folder.c_str(), W_OK) != 0) {   // root may write anyway
        EXPECT_EQ(Replace_In_File(path.c_str(), "alt", "neu"), -1);
        EXPECT_EQ(Read(), "alt\n");
    }
    chmod(folder.c_str(), 0700);
    EXPECT_EQ(Read(), "alt\n");
}

TEST_F(FileTools, TimeAndExistence) {
    EXPECT_EQ(File_Exists(path.c_str()), 0);
    EXPECT_EQ(Get_File_Time(path.c_str()), -1);
    Write("x");
    EXPECT_EQ(File_Exists(path.c_str()), 1);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(Get_File_Time(path.c_str()), info.st_mtime);
    EXPECT_GT(Get_File_Time(path.c_str()), 0);
    EXPECT_EQ(File_Exists(nullptr), 0);
    EXPECT_EQ(Get_File_Time(nullptr), -1);
}

TEST_F(FileTools, CopyFile) {
    Write(std::string(10000, 'q') + "\nende");   // over one read chunk
    const std::string target = folder + "/kopie.txt";
    EXPECT_EQ(Copy_File(target.c_str(), path.c_str()), 0);
    EXPECT_EQ(Read_File(target), Read());

    // A missing source leaves the target untouched; a target that cannot be written gives 1.
    Write_File(target, "alt");
    EXPECT_EQ(Copy_File(target.c_str(), (folder + "/fehlt.txt").c_str()), 1);
    EXPECT_EQ(Read_File(target), "alt");
    EXPECT_EQ(Copy_File((folder + "/fehlt/kopie.txt").c_str(), path.c_str()), 1);
    EXPECT_EQ(Copy_File(nullptr, path.c_str()), 1);

    // A file copied onto itself, under either spelling of its name, stays as it is.
    const std::string before = Read();
    EXPECT_EQ(Copy_File(path.c_str(), path.c_str()), 0);
    EXPECT_EQ(Copy_File((folder + "/./daten.txt").c_str(), path.c_str()), 0);
    EXPECT_EQ(Read(), before);
    EXPECT_FALSE(File_Exists(path + ".tmp"));
}

}  // namespace

TEST(FileNameCheck, RefusesDotNamesAndForbiddenCharactersWithItsMessages) {
    const std::string dots = "Eine Datei darf weder '.' noch '..' heißen!"_cp;
    const std::string signs = "Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"_cp;
    struct Case {
        std::string name;
        int accepted;
        std::string message;
    };
    std::vector<Case> cases{{"a.b", 1, ""}, {"", 1, ""}, {"Träger 1.dat"_cp, 1, ""}, {"...", 1, ""},
                            {".", 0, dots},  {"..", 0, dots}};
    for (const char c : std::string("\\/:*?\"<>|")) cases.push_back({std::string("a") + c + "b", 0, signs});
    for (const Case& c : cases) {
        Clear_Host_Message_History();
        EXPECT_EQ(Check_File_Name(c.name.c_str(), 0), c.accepted) << c.name;
        EXPECT_TRUE(Host_Message_History().empty()) << c.name;
        EXPECT_EQ(Check_File_Name(c.name.c_str(), 1), c.accepted) << c.name;
        const std::vector<std::string> shown = c.message.empty() ? std::vector<std::string>{}
                                                                 : std::vector<std::string>{c.message};
        EXPECT_EQ(Host_Message_History(), shown) << c.name;
    }
    EXPECT_EQ(Check_File_Name(nullptr, 1), 0);
}
