// Extraction of one archive member with a recording fake of the archive tool: every path reaches it
// as one argument and no shell ever sees it; the results of each failure.
#include "common/archive_extract.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/tool_folders_fixture.h"

namespace {

// The fake tool writes each argument on a line of its own into `args`, says something on standard
// output and exits with the code in FAKE_7ZA_EXIT (0 when unset).
void Fake_Tool(const Tool_Folders& host) {
    host.Tool("7za", "for a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + host.dir.file("args") +
                         "'\necho \"7-Zip (a) fake\"\nexit ${FAKE_7ZA_EXIT:-0}\n");
}

std::vector<std::string> Arguments(const Tool_Folders& host) {
    std::vector<std::string> lines;
    std::string text = Read_File(host.dir.file("args"));
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

// Runs with the current folder in the scratch folder, so that a command that a shell would run
// there would leave its file.
struct In_Folder {
    std::string before = std::filesystem::current_path().string();
    explicit In_Folder(const std::string& folder) { std::filesystem::current_path(folder); }
    ~In_Folder() { std::filesystem::current_path(before); }
};

}  // namespace

TEST(ArchiveExtraction, PathsReachTheToolAsSingleArgumentsWithoutAShell) {
    Tool_Folders host;
    Fake_Tool(host);
    const In_Folder here(host.dir.path);
    const std::string out = host.dir.file("out folder");
    std::filesystem::create_directories(out);
    for (const std::string name : {"a\"; touch pwned; \".arc", "$(touch x) b.arc", "-a.arc"}) {
        Write_File(host.dir.file(name), "archive");
        const std::string archive = name[0] == '-' ? name : host.dir.file(name);
        EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", out.c_str()), 0) << name;
        const std::string passed = name[0] == '-' ? "./" + name : archive;
        EXPECT_EQ(Arguments(host), (std::vector<std::string>{"e", passed, "AAAA.EX2", "-o" + out, "-y"})) << name;
    }
    EXPECT_FALSE(File_Exists(host.dir.file("pwned")));
    EXPECT_FALSE(File_Exists(host.dir.file("x")));
    EXPECT_FALSE(File_Exists(host.exec + "/pwned"));
    EXPECT_EQ(Read_File(host.temp + "/7zprot.txt"), "7-Zip (a) fake\n");
}

TEST(ArchiveExtraction, EveryFailureHasItsCode) {
    Tool_Folders host;
    Fake_Tool(host);
    const std::string archive = host.dir.file("teil.arc"), out = host.dir.file("out");
    Write_File(archive, "archive");
    std::filesystem::create_directories(out);
    struct Case {
        const char* what;
        std::string archive, member, folder;
        int code;
    };
    const std::vector<Case> cases{
        {"done", archive, "AAAA.EX2", out, 0},
        {"no archive", host.dir.file("fehlt.arc"), "AAAA.EX2", out, 1},
        {"null archive", "", "AAAA.EX2", out, 1},
        {"no folder", archive, "AAAA.EX2", host.dir.file("fehlt"), 2},
        {"member a switch", archive, "-x", out, 5},
        {"no member", archive, "", out, 5},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(host.dir.file("args"));
        EXPECT_EQ(Extract_With_7za(c.archive.empty() ? nullptr : c.archive.c_str(), c.member.c_str(), c.folder.c_str()), c.code)
            << c.what;
        EXPECT_EQ(File_Exists(host.dir.file("args")), c.code == 0) << c.what;   // the tool ran only when it should
    }
    setenv("FAKE_7ZA_EXIT", "3", 1);
    EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", out.c_str()), 5);
    unsetenv("FAKE_7ZA_EXIT");
    unsetenv("TEMP");
    EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", out.c_str()), 4);
    unsetenv("EXEC");
    EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", out.c_str()), 3);
    setenv("EXEC", host.exec.c_str(), 1);
    setenv("TEMP", host.temp.c_str(), 1);
    std::filesystem::remove(host.exec + "/7za");
    EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", out.c_str()), 5);   // the tool is missing
    EXPECT_EQ(Extract_With_7za(archive.c_str(), "AAAA.EX2", nullptr), 2);
}
