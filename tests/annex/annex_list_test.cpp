// The annex list built from the annex files, and the one-time migration of the old single annex file.
#include "annex/annex_list.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_file.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "annex/old_annex_text.h"
#include "common/cp437.h"

namespace {

void Add_User_Annex(const Annex_Folders& f, int number, int country_type, const char* name) {
    std::filesystem::create_directories(f.dram + "/NADS");
    Write_Annex_File(f.dram + "/NADS/" + std::to_string(number) + ".NAD",
                     *Default_Record(country_type, To_Cp437(name).c_str(), 0));
}

std::unique_ptr<NAD_Record> Read_Annex(const std::string& path) {
    auto r = Default_Record(NAD_Country_Standard, "EC-Standard", 0);
    Memory_Stream s(Read_File(path));
    EXPECT_EQ(NAD_Read_File(s, r.get()), 1) << path;
    return r;
}

}  // namespace

TEST(AnnexList, BuiltInAnnexesThenUserAnnexesUpToTheFirstGap) {
    Annex_Folders f;
    Add_User_Annex(f, 1, 40, "Büro Nord");
    Add_User_Annex(f, 2, 41, "Büro Süd");
    Add_User_Annex(f, 4, 42, "Büro West");
    EXPECT_STREQ(NAD_List_Annexes(), "Deutschland");
    ASSERT_EQ(NAD_Get_List_Count(), 4);
    struct Row {
        int number, type;
        std::string name;
    };
    const Row rows[] = {{0, 19, "EC-Standardparameter"}, {0, 18, "Deutschland"}, {1, 40, To_Cp437("Büro Nord")},
                        {2, 41, To_Cp437("Büro Süd")}};
    for (int i = 0; i < 4; ++i) {
        const NAD_List_Entry* e = NAD_Get_List_Entry(i);
        EXPECT_EQ(e->file_number, rows[i].number) << i;
        EXPECT_EQ(e->country_type, rows[i].type) << i;
        EXPECT_EQ(e->name, rows[i].name) << i;
    }
    EXPECT_EQ(NAD_Get_List_Entry(4), nullptr);
    EXPECT_EQ(NAD_Find_List_Entry(To_Cp437("Büro Süd").c_str()), 3);
    EXPECT_EQ(NAD_Find_List_Entry("Büro West"), -1);
    EXPECT_EQ(NAD_Find_List_Entry("deutschland"), -1);  // names compare exactly

    // A rebuild sees what the annex editor changed in between; the active name survives.
    std::filesystem::remove(f.dram + "/NADS/2.NAD");
    NAD_Set_Active_Name("EC-Standardparameter");
    EXPECT_STREQ(NAD_List_Annexes(), "EC-Standardparameter");
    EXPECT_EQ(NAD_Get_List_Count(), 3);
}

TEST(AnnexList, WithoutDramOnlyTheBuiltInAnnexes) {
    Annex_Folders f(true, false, true);
    testing::internal::CaptureStdout();
    EXPECT_EQ(NAD_List_Annexes(), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Safeguard_Proper_Version: ERROR 1\n");
    EXPECT_EQ(NAD_Get_List_Count(), 2);
    EXPECT_EQ(NAD_Current_Active_Name(), nullptr);
}

TEST(AnnexList, HoldsAtMostTwoHundredNinetyEightUserAnnexes) {
    Annex_Folders f;
    std::filesystem::create_directories(f.dram + "/NADS");
    for (int n = 1; n <= 301; ++n)
        Write_File(f.dram + "/NADS/" + std::to_string(n) + ".NAD",
                   To_Cp437("NAD/Version 1\n\n 40 «A" + std::to_string(n) + "» 0\n"));
    NAD_List_Annexes();
    EXPECT_EQ(NAD_Get_List_Count(), 300);
    EXPECT_EQ(NAD_Get_List_Entry(299)->name, "A298");
}

TEST(AnnexList, MigrationWritesEverySectionOfTheOldFile) {
    Annex_Folders f;
    Old_Section first;
    first.ec3_variant = 1;
    first.gamma_M0 = 1.05;
    first.gamma_G_sup = 1.4;
    Old_Section second;
    second.country_type = 40;
    second.name = "Büro Nord";
    second.gamma_M3 = 1.3;
    Old_Section third;
    third.country_type = 41;
    third.name = "Büro Süd";
    Write_File(f.dram_file("NADs-EC2.DEF"),
               "; alte Anhangsdatei\n" + Old_Section_Text(first) + Old_Section_Text(second) + Old_Section_Text(third));
    NAD_List_Annexes();

    ASSERT_TRUE(File_Exists(f.dram + "/NADS/1.NAD"));
    ASSERT_TRUE(File_Exists(f.dram + "/NADS/2.NAD"));
    ASSERT_TRUE(File_Exists(f.dram + "/NADS/3.NAD"));
    EXPECT_FALSE(File_Exists(f.dram + "/NADS/4.NAD"));
    EXPECT_TRUE(File_Exists(f.dram_file("NADs-EC2.DEF")));  // the old file stays

    const auto a = Read_Annex(f.dram + "/NADS/1.NAD");
    EXPECT_EQ(a->country_type, 18);
    EXPECT_STREQ(a->name, "Deutschland");
    EXPECT_EQ(a->variant, 0);
    EXPECT_EQ(a->ec3.ec3_1.version, 5);  // written in the current form
    EXPECT_DOUBLE_EQ(a->ec3.ec3_1.gamma_M0, 1.05);
    EXPECT_DOUBLE_EQ(a->ec0.building_gamma[0][0][0], 1.4);
    EXPECT_DOUBLE_EQ(a->ec2.v_min, 0.035 * 1.5);  // version 0 stored v_min without gamma_c
    // The old file carries no EN 1996 and EN 1999 blocks: the built-in ones are written.
    EXPECT_DOUBLE_EQ(a->ec6.gamma_M_persistent, 1.5);
    EXPECT_DOUBLE_EQ(a->ec9.gamma_M1, 1.1);

    const auto b = Read_Annex(f.dram + "/NADS/2.NAD");
    EXPECT_EQ(b->country_type, 40);
    EXPECT_STREQ(b->name, To_Cp437("Büro Nord").c_str());
    EXPECT_DOUBLE_EQ(b->ec3.ec3_8.gamma_M3, 1.3);
    EXPECT_DOUBLE_EQ(b->ec3.ec3_1.gamma_M0, 1.0);

    ASSERT_EQ(NAD_Get_List_Count(), 5);
    EXPECT_EQ(NAD_Get_List_Entry(4)->name, To_Cp437("Büro Süd"));

    // The folder now exists: a second run leaves the files alone.
    std::filesystem::remove(f.dram + "/NADS/3.NAD");
    NAD_List_Annexes();
    EXPECT_FALSE(File_Exists(f.dram + "/NADS/3.NAD"));
    EXPECT_EQ(NAD_Get_List_Count(), 4);
}

TEST(AnnexList, MigrationWithoutOldFileCreatesTheFolderOnly) {
    Annex_Folders f;
    NAD_List_Annexes();
    EXPECT_TRUE(std::filesystem::is_directory(f.dram + "/NADS"));
    EXPECT_TRUE(std::filesystem::is_empty(f.dram + "/NADS"));
}

TEST(AnnexList, MigrationReportsAFolderItCannotCreate) {
    Annex_Folders f;
    Write_File(f.dram + "/NADS", "");  // a file stands where the folder belongs
    Write_File(f.dram_file("NADs-EC2.DEF"), Old_Section_Text(Old_Section{}));
    testing::internal::CaptureStdout();
    NAD_List_Annexes();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Safeguard_Proper_Version: ERROR 2\n");
    EXPECT_EQ(NAD_Get_List_Count(), 2);
}
