// The old annex list and the annex record of old input files behind the key "ACTIV_NAD_EC2".
#include "annex/legacy_annex_list.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "annex/old_annex_text.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"

namespace {

Old_Section Section(int type, const char* name, int ec3_variant, double gamma_M0) {
    Old_Section s;
    s.country_type = type;
    s.name = name;
    s.ec3_variant = ec3_variant;
    s.gamma_M0 = gamma_M0;
    return s;
}

// An old input file: connection blocks, then the key and the local annex record.
std::string Old_Input(const Old_Section& local) {
    return "1\nBLOCK 1 2 3\n\nACTIV_NAD_EC2\n" + Old_Section_Parts(local, false);
}

}  // namespace

TEST(LegacyAnnexList, OldFileGivesOneRecordPerSection) {
    Annex_Folders f;
    Write_File(f.dram_file("NADs-EC2.DEF"),
               Old_Section_Text(Section(40, "Ein Anhang mit überlangem Namen im alten Format", 0, 1.05)) +
                   Old_Section_Text(Section(18, "Deutschland", 1, 1.0)));
    NAD_Load_Legacy_List();
    ASSERT_EQ(NAD_Get_Legacy_Count(), 3);
    const NAD_Legacy_Record* d = NAD_Get_Legacy_Record(0);
    EXPECT_STREQ(d->name, "EC-Standardparameter");
    EXPECT_EQ(d->flag, 0);
    const NAD_Legacy_Record* a = NAD_Get_Legacy_Record(1);
    EXPECT_EQ(a->flag, 1);
    EXPECT_EQ(a->country_type, 40);
    EXPECT_EQ(std::string(a->name), To_Cp437("Ein Anhang mit überlangem Namen").substr(0, 25));
    EXPECT_DOUBLE_EQ(a->ec3.ec3_1.gamma_M0, 1.05);
    // The record of country type 18 is the current one.
    EXPECT_STREQ(NAD_Get_Legacy_Name(), "Deutschland");
}

TEST(LegacyAnnexList, EmptyOldFileLeavesTheDefaultsRecordCurrent) {
    Annex_Folders f;
    Write_File(f.dram_file("NADs-EC2.DEF"), "");
    EXPECT_STREQ(NAD_Get_Legacy_Name(), "EC-Standardparameter");
    EXPECT_EQ(NAD_Get_Legacy_Count(), 1);
}

TEST(LegacyAnnexList, InputFileWithoutTheOldKey) {
    Annex_Folders f;
    Memory_Stream s("1\nBLOCK\n\nACTIV_NADNAME\n");
    EXPECT_EQ(NAD_Read_Legacy_Input(s), 0);
    EXPECT_EQ(NAD_Get_Legacy_Count(), 1);
}

TEST(LegacyAnnexList, LocalRecordMatchesByItsValues) {
    Annex_Folders f;
    Write_File(f.dram_file("NADs-EC2.DEF"),
               Old_Section_Text(Section(40, "Nord", 0, 1.05)) + Old_Section_Text(Section(41, "Süd", 0, 1.1)));
    Memory_Stream s(Old_Input(Section(0, "", 0, 1.1)));
    EXPECT_EQ(NAD_Read_Legacy_Input(s), 1);
    EXPECT_EQ(std::string(NAD_Get_Legacy_Name()), To_Cp437("Süd"));
    EXPECT_EQ(NAD_Get_Legacy_Count(), 3);  // the local record was replaced by its match
}

TEST(LegacyAnnexList, GermanRulesMatchTheFirstGermanRecordWhateverItsValues) {
    Annex_Folders f;
    Write_File(f.dram_file("NADs-EC2.DEF"), Old_Section_Text(Section(40, "Nord", 0, 1.05)) +
                                                Old_Section_Text(Section(41, "Erster NA-DE", 1, 1.2)) +
                                                Old_Section_Text(Section(42, "Zweiter NA-DE", 1, 1.3)));
    Memory_Stream s(Old_Input(Section(0, "", 1, 1.15)));
    EXPECT_EQ(NAD_Read_Legacy_Input(s), 1);
    EXPECT_STREQ(NAD_Get_Legacy_Name(), "Erster NA-DE");
}

TEST(LegacyAnnexList, UnmatchedLocalRecordActivatesGermanySilently) {
    Annex_Folders f;
    setenv("DATA", (std::string(BASIS_SOURCE_DIR) + "/host/DATA").c_str(), 1);
    Write_File(f.dram_file("NADs-EC2.DEF"), Old_Section_Text(Section(40, "Nord", 0, 1.05)));
    Memory_Stream s(Old_Input(Section(0, "", 0, 1.15)));
    Refresh_Mode = 0;
    Clear_Host_Message_History();
    // As the frame loads an old input file.
    ASSERT_EQ(NAD_Read_Legacy_Input(s), 1);
    EXPECT_STREQ(NAD_Get_Legacy_Name(), "lokale Definitionen");
    const NAD_Legacy_Record* local = NAD_Get_Legacy_Record(NAD_Get_Legacy_Count() - 1);
    EXPECT_EQ(local->country_type, NAD_Country_Local);
    EXPECT_EQ(local->flag, 2);
    EXPECT_DOUBLE_EQ(local->ec3.ec3_1.gamma_M0, 1.15);
    EXPECT_EQ(NAD_Set_Annex_By_Name(NAD_Get_Legacy_Name()), 0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST(LegacyAnnexList, LoadFactorsWithFlagZeroReadTheFirstGroupOnly) {
    Legacy_Load_Factors lf;
    NAD_Set_Legacy_Load_Factor_Defaults(&lf);
    std::string text = " Lastfaktoren 0\n";
    for (int k = 0; k < 7; ++k) text += " 2.0 3.0\n";
    for (int k = 0; k < 12; ++k) text += " 0.1 0.2 0.3\n";
    Memory_Stream s(text);
    EXPECT_EQ(NAD_Read_Legacy_Load_Factors(s, &lf), 0);
    EXPECT_DOUBLE_EQ(lf.gamma[0][6][0], 2.0);
    EXPECT_DOUBLE_EQ(lf.gamma[0][6][1], 3.0);
    EXPECT_DOUBLE_EQ(lf.psi[11][2], 0.3);
    // Groups 2 to 4 keep their defaults.
    EXPECT_DOUBLE_EQ(lf.gamma[1][5][0], 1.0);
    EXPECT_DOUBLE_EQ(lf.gamma[1][5][1], 1.0);
    EXPECT_DOUBLE_EQ(lf.gamma[2][6][0], 1.0);
    EXPECT_DOUBLE_EQ(lf.gamma[3][0][0], 1.0);

    Memory_Stream other(" Teilsicherheiten 1\n 2.0 3.0\n");
    EXPECT_EQ(NAD_Read_Legacy_Load_Factors(other, &lf), 1);
}
