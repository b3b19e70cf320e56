// Backups of a data file: names, writing beside the old file, comparisons, the switch and copies.
#include "common/data_backups.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>

#include "common/base_path.h"
#include "common/data_backup_fixture.h"
#include "common/file_tools.h"

namespace {

std::set<std::string> Files_In(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    return names;
}

TEST(DataBackups, BackupsAreNamedAfterBaseAndExtension) {
    Backup_Folder f;
    EXPECT_EQ(Temp_Backup_Exists(), 0);
    EXPECT_EQ(Write_Temp_Backup(), 0);
    EXPECT_EQ(Write_Clc_Backup(), 0);
    EXPECT_EQ(Temp_Backup_Exists(), 1);
    EXPECT_EQ(Read_File(f.bak), Small_Record_Seven);
    EXPECT_EQ(Read_File(f.clcbak), Small_Record_Seven);

    EXPECT_EQ(Data_Differs_From_Temp_Backup(), 0);   // written to the comparison file and compared
    EXPECT_EQ(Read_File(f.cmp), Small_Record_Seven);
    record.value = 8;
    EXPECT_EQ(Data_Differs_From_Temp_Backup(), 1);
    EXPECT_EQ(Data_Differs_From_Clc_Backup(), 1);   // no second file named: against the backup
    EXPECT_EQ(Read_Temp_Backup(Read_Small_Record), 0);
    EXPECT_EQ(record.value, 7);

    EXPECT_EQ(Data_Differs_From_Data_File(), 1);   // not written yet
    EXPECT_EQ(Write_Data_To_File(f.data.c_str()), 0);
    EXPECT_EQ(Data_Differs_From_Data_File(), 0);
    EXPECT_EQ(Files_In(f.dir.path), (std::set<std::string>{"B001_01.bak", "B001_01.clcbak", "B001_01.cmp", "B001_01.INP"}));

    EXPECT_EQ(Remove_Temp_Backup(), 0);
    EXPECT_EQ(Temp_Backup_Exists(), 0);
    EXPECT_EQ(Remove_All_Backups(), 0);
    EXPECT_EQ(Files_In(f.dir.path), (std::set<std::string>{"B001_01.INP"}));

    // With suffixes: the data file and the second file beside the base.
    Set_Backup_Names_With_Files(Read_Small_Record, Write_Small_Record, f.base.c_str(), "", "_01.INP", "_01.TXT");
    EXPECT_EQ(Data_Differs_From_Data_File(), 0);
    EXPECT_EQ(Write_Clc_Backup(), 0);
    EXPECT_TRUE(File_Exists(f.base + ".clcbak"));
    EXPECT_EQ(Data_Differs_From_Clc_Backup(), 1);   // the second file is named but missing
    Write_File(f.base + "_01.TXT", "1\n");
    EXPECT_EQ(Data_Differs_From_Clc_Backup(), 0);
    EXPECT_EQ(Read_Clc_Backup(Read_Small_Record), 0);
}

// A name of more than 287 characters is not kept: nothing is written, read or removed under it,
// while the shorter names of the same base work.
TEST(DataBackups, NamesOverTheLimitAreNotKept) {
    Backup_Folder f;
    const std::string folder = f.dir.file(std::string(200, 'o'));
    std::filesystem::create_directory(folder);
    const std::string stem = folder + "/" + std::string(282 - folder.size() - 1, 's');
    ASSERT_EQ(stem.size(), 282u);   // ".bak" and ".cmp" give 286 characters, ".clcbak" 289
    const std::string clcbak = stem + ".clcbak";
    Write_File(clcbak, "fremd");
    Set_Backup_Names(Read_Small_Record, Write_Small_Record, stem.c_str(), "", nullptr, nullptr);

    EXPECT_EQ(Write_Temp_Backup(), 0);
    EXPECT_EQ(Data_Differs_From_Temp_Backup(), 0);
    EXPECT_EQ(Write_Clc_Backup(), 1);
    EXPECT_EQ(Read_Clc_Backup(Read_Small_Record), 1);
    EXPECT_EQ(Data_Differs_From_Clc_Backup(), 1);
    EXPECT_EQ(Remove_All_Backups(), 0);
    EXPECT_EQ(Read_File(clcbak), "fremd");
    EXPECT_EQ(Files_In(folder), (std::set<std::string>{std::filesystem::path(clcbak).filename().string()}));

    const std::string base_300 = folder + "/" + std::string(300 - folder.size() - 1, 'b');
    Set_Backup_Names(Read_Small_Record, Write_Small_Record, base_300.c_str(), "", nullptr, nullptr);
    EXPECT_EQ(Write_Temp_Backup(), 1);
    EXPECT_EQ(Temp_Backup_Exists(), 0);
    EXPECT_EQ(Open_Temp_Backup(), nullptr);
    EXPECT_EQ(Read_Temp_Backup(Read_Small_Record), 1);
    EXPECT_EQ(Data_Differs_From_Temp_Backup(), 1);
}

TEST(DataBackups, WriterFailingHalfwayLeavesTheOldFile) {
    Backup_Folder f;
    ASSERT_EQ(Write_Temp_Backup(), 0);
    writer_fails_halfway = true;
    record.value = 8;
    EXPECT_EQ(Write_Temp_Backup(), 1);
    EXPECT_EQ(Write_Data_To_File(f.data.c_str()), 1);
    EXPECT_EQ(Read_File(f.bak), Small_Record_Seven);
    EXPECT_EQ(Files_In(f.dir.path), (std::set<std::string>{"B001_01.bak"}));   // no half file beside it
    writer_fails_halfway = false;

    EXPECT_EQ(Write_Data_To_File(f.dir.file("fehlt/B001_01.INP").c_str()), 1);   // cannot be created
    EXPECT_EQ(Write_Data_To_File(nullptr), 1);
    Set_Backup_Names(Read_Small_Record, nullptr, f.base.c_str(), "_01", nullptr, nullptr);
    EXPECT_EQ(Write_Temp_Backup(), 1);   // no writer
    EXPECT_EQ(Data_Differs_From_Temp_Backup(), 1);
    EXPECT_EQ(Data_Differs_From_Data_File(), 1);   // no data file named
    EXPECT_EQ(Read_File(f.bak), Small_Record_Seven);
}

TEST(DataBackups, ReadersGetTheOpenedFile) {
    Backup_Folder f;
    EXPECT_EQ(Read_Data_From_File(Read_Small_Record, f.data.c_str()), 1);   // missing
    Write_File(f.data, "kaputt");
    EXPECT_EQ(Read_Data_From_File(Read_Small_Record, f.data.c_str()), 1);   // the reader's result
    EXPECT_EQ(Read_Data_From_File(nullptr, f.data.c_str()), 1);
    Write_File(f.data, " 1.0 12");
    EXPECT_EQ(Read_Data_From_File(Read_Small_Record, f.data.c_str()), 0);
    EXPECT_EQ(record.value, 12);
    EXPECT_EQ(Open_Temp_Backup(), nullptr);   // missing
    ASSERT_EQ(Write_Temp_Backup(), 0);
    const File_Handle backup(Open_Temp_Backup());
    ASSERT_NE(backup, nullptr);
    EXPECT_EQ(Read_Small_Record(backup.get()), 0);
    EXPECT_EQ(record.value, 12);
}

TEST(DataBackups, FilesDiffer) {
    Scratch_Dir dir;
    const std::string a = dir.file("a"), copy = dir.file("copy"), longer = dir.file("longer"),
                      tail = dir.file("tail"), empty = dir.file("empty"), empty2 = dir.file("empty2");
    const std::string bytes = std::string(5000, 'x') + "ende";   // over one read chunk
    Write_File(a, bytes);
    Write_File(copy, bytes);
    Write_File(longer, bytes + "!");
    Write_File(tail, std::string(5000, 'x') + "Ende");
    Write_File(empty, "");
    Write_File(empty2, "");
    struct Case {
        const std::string& x;
        const std::string& y;
        int result;
    };
    const std::string missing = dir.file("fehlt");
    const Case cases[] = {
        {a, copy, 0}, {a, longer, 1}, {longer, a, 1}, {a, tail, 1}, {empty, empty2, 0},
        {empty, a, 1}, {a, missing, 1}, {missing, a, 1}, {missing, missing, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Files_Differ(c.x.c_str(), c.y.c_str()), c.result) << c.x << " / " << c.y;
    EXPECT_EQ(Files_Differ(nullptr, a.c_str()), 1);
}

TEST(DataBackups, CopyOfBaseDataFiles) {
    Backup_Folder f;
    const std::string kept_base = Get_Base_Path();
    Set_Base_Path(f.base.c_str());
    Write_File(f.base + "_01.INP", "Eingabe\n");
    EXPECT_EQ(Copy_Base_Data_File("_02.INP", "_01.INP"), 0);
    EXPECT_EQ(Read_File(f.base + "_02.INP"), "Eingabe\n");
    EXPECT_EQ(Copy_Base_Data_File("_02.INP", "_03.INP"), 1);   // missing source: the target stays
    EXPECT_EQ(Read_File(f.base + "_02.INP"), "Eingabe\n");
    EXPECT_EQ(Copy_Base_Data_File("_02.INP", std::string(260, 's').c_str()), 1);   // over the base path's limit
    EXPECT_EQ(Copy_Base_Data_File("_01.INP", "_01.INP"), 0);   // onto itself
    EXPECT_EQ(Read_File(f.base + "_01.INP"), "Eingabe\n");
    Set_Base_Path(kept_base.c_str());
}

// The switch stays off for the rest of the process, so this runs in a process of its own.
TEST(DataBackups, SwitchedOffBackupsNeitherWriteNorCompareNorRemove) {
    EXPECT_EXIT(
        {
            Backup_Folder f;
            std::string failures;
            const auto check = [&failures](bool ok, const char* what) {
                if (!ok) failures += std::string(what) + "\n";
            };
            check(Write_Temp_Backup() == 0 && Write_Clc_Backup() == 0 && Data_Differs_From_Temp_Backup() == 0, "setup");
            Switch_Backups_Off();
            record.value = 8;
            check(Backups_Switched_On() == 0, "switch");
            check(Write_Temp_Backup() == 1 && Write_Clc_Backup() == 1, "writes refused");
            check(Write_Data_To_File(f.data.c_str()) == 1 && !File_Exists(f.data), "data file not written");
            check(Read_File(f.bak) == Small_Record_Seven, "backup unchanged");
            check(Temp_Backup_Exists() == 1, "existing backup still seen");
            check(Open_Temp_Backup() == nullptr, "no open");
            check(Data_Differs_From_Temp_Backup() == 1 && Data_Differs_From_Clc_Backup() == 1, "no compare");
            check(Remove_All_Backups() == 0 && Remove_Temp_Backup() == 0 && Remove_Clc_Backup() == 0, "results");
            check(File_Exists(f.bak) && File_Exists(f.clcbak) && File_Exists(f.cmp), "nothing removed");
            check(Read_Temp_Backup(Read_Small_Record) == 0 && record.value == 7, "reading ignores the switch");
            std::fputs(failures.c_str(), stderr);
            std::exit(failures.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
