// The annex file: its format, the reader that finds every block by its key, and the loader that
// completes a record from the file of a list entry.
#include "annex/annex_file.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

// An annex whose every block differs from the built-in values somewhere.
std::unique_ptr<NAD_Record> Changed_Record() {
    auto r = Default_Record(4, "Prüfanhang", 2);
    NAD_Set_Record_Name(r.get(), To_Cp437("Prüfanhang").c_str());
    r->ec0.building_gamma[0][0][0] = 1.4;
    r->ec0.building_psi[6][3] = 0.25;
    r->ec0.rail_a[2] = 0.55;
    r->ec2.gamma_c[0] = 1.45;
    r->ec2.alpha_cc = 0.85;
    r->ec2.v_min_form = 1;
    r->ec2.bridge_gamma_c[3] = 1.3;
    r->ec2.gamma_M_fi = 1.0;
    r->ec3.ec3_1.gamma_M1 = 1.1;
    r->ec3.ec3_8.gamma_Mu = 1.25;
    r->ec5.gamma_M_solid = 1.35;
    r->ec5.k_mod[4][2] = 0.95;
    r->ec5.na7_switch = 1;
    r->ec6.gamma_M_accidental = 1.3;
    r->ec9.gamma_M1 = 1.2;
    r->ec9.C = 1.1;
    return r;
}

std::unique_ptr<NAD_Record> Read_Back(const std::string& text) {
    auto r = Default_Record(NAD_Country_Standard, "EC-Standard", 0);
    Memory_Stream s(text);
    EXPECT_EQ(NAD_Read_File(s, r.get()), 1);
    return r;
}

// The text of the file without the block of the key.
std::string Without_Block(const std::string& text, const std::string& key) {
    const std::size_t start = text.find("\n\n" + key + "\n");
    const std::size_t end = text.find("\n\n#EC", start + 2);
    return text.substr(0, start) + (end == std::string::npos ? "" : text.substr(end));
}

}  // namespace

TEST(AnnexFile, HeaderAndBlocksInTheirOrder) {
    const std::string text = Annex_Text(*Default_Record(5, To_Cp437("Prüfanhang").c_str(), 0));
    const std::string head = To_Cp437("NAD/Version 1\n\n 5 «Prüfanhang» 0\n\n\n#EC0\n 1.35 1.00\n");
    EXPECT_EQ(text.substr(0, head.size()), head);
    std::size_t last = 0;
    for (const char* key : {"\n\n#EC0\n", "\n\n#EC2\n", "\n\n#EC3\n", "\n\n#EC5\n", "\n\n#EC6\n", "\n\n#EC9\n"}) {
        const std::size_t at = text.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_GT(at, last) << key;
        last = at;
    }
    EXPECT_NE(text.find("\n\n#EC3\n EC3-1 Parameter\n 5 1.000000 1.000000 1.250000"), std::string::npos);
    EXPECT_NE(text.find(" 0.50\n\n#EC2\n 2 2 2 2"), std::string::npos);  // the EN 1990 block ends without a line end
    const std::string tail =
        "\n\n#EC6\n 1\n 0\n 1.500000 1.500000 1.500000 1.000000\n"
        "\n\n#EC9\n 5\n 0\n 1.100000 1.250000 1.250000 1.250000 1.100000 1.250000 3.000000 1.000000 1.200000"
        " 1.100000\n";
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST(AnnexFile, WriteReadRoundTrip) {
    const auto written = Changed_Record();
    const auto r = Read_Back(Annex_Text(*written));
    EXPECT_EQ(r->country_type, 4);
    EXPECT_EQ(r->variant, 2);
    EXPECT_STREQ(r->name, To_Cp437("Prüfanhang").c_str());
    EXPECT_DOUBLE_EQ(r->ec0.building_gamma[0][0][0], 1.4);
    EXPECT_DOUBLE_EQ(r->ec0.building_psi[6][3], 0.25);
    EXPECT_DOUBLE_EQ(r->ec0.rail_a[2], 0.55);
    EXPECT_EQ(r->ec0.version, 5);
    EXPECT_DOUBLE_EQ(r->ec2.gamma_c[0], 1.45);
    EXPECT_DOUBLE_EQ(r->ec2.alpha_cc, 0.85);
    EXPECT_EQ(r->ec2.v_min_form, 1);
    EXPECT_DOUBLE_EQ(r->ec2.bridge_gamma_c[3], 1.3);
    EXPECT_EQ(r->ec2.version, 20);
    EXPECT_EQ(NAD_Compare_EC2(&r->ec2, &written->ec2), 0);
    EXPECT_DOUBLE_EQ(r->ec3.ec3_1.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(r->ec3.ec3_8.gamma_Mu, 1.25);
    EXPECT_DOUBLE_EQ(r->ec5.gamma_M_solid, 1.35);
    EXPECT_DOUBLE_EQ(r->ec5.k_mod[4][2], 0.95);
    EXPECT_EQ(r->ec5.na7_switch, 1);
    EXPECT_EQ(NAD_Compare_EC5(&r->ec5, &written->ec5), 0);
    EXPECT_DOUBLE_EQ(r->ec6.gamma_M_accidental, 1.3);
    EXPECT_DOUBLE_EQ(r->ec9.gamma_M1, 1.2);
    EXPECT_DOUBLE_EQ(r->ec9.C, 1.1);
    // Written again, the record gives the same file.
    EXPECT_EQ(Annex_Text(*r), Annex_Text(*written));
}

TEST(AnnexFile, EveryValueOfTheMasonryTimberAluminiumAndActionBlocksSurvivesTheFile) {
    auto written = Default_Record(4, "Rundlauf", 2);
    Set_Distinct_Values(&written->ec0);
    Set_Distinct_Values(&written->ec5);
    Set_Distinct_Values(&written->ec6);
    Set_Distinct_Values(&written->ec9);
    const std::string text = Annex_Text(*written);
    const auto r = Read_Back(text);
    EXPECT_EQ(NAD_Compare_EC0(&r->ec0, &written->ec0), 0);
    EXPECT_EQ(NAD_Compare_EC5(&r->ec5, &written->ec5), 0);
    EXPECT_EQ(NAD_Equal_EC6(&r->ec6, &written->ec6), 1);
    EXPECT_EQ(NAD_Equal_EC9(&r->ec9, &written->ec9), 1);
    EXPECT_EQ(r->ec5.further_switch, written->ec5.further_switch);
    EXPECT_DOUBLE_EQ(r->ec5.gamma_M_fire, written->ec5.gamma_M_fire);
    EXPECT_EQ(Annex_Text(*r), text);
}

TEST(AnnexFile, MissingBlockKeepsItsDefaults) {
    const std::string text = Without_Block(Annex_Text(*Changed_Record()), "#EC9");
    ASSERT_EQ(text.find("#EC9"), std::string::npos);
    const auto r = Read_Back(text);
    EXPECT_DOUBLE_EQ(r->ec9.gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(r->ec9.C, 1.2);
    EXPECT_DOUBLE_EQ(r->ec3.ec3_1.gamma_M1, 1.1);  // the other blocks are read
}

TEST(AnnexFile, BlocksInAnyOrderReadTheSame) {
    const std::string text = Annex_Text(*Changed_Record());
    const std::size_t ec9 = text.find("\n\n#EC9\n");
    const std::size_t ec0 = text.find("\n\n#EC0\n");
    const std::string reordered = text.substr(0, ec0) + text.substr(ec9) + text.substr(ec0, ec9 - ec0);
    EXPECT_EQ(Annex_Text(*Read_Back(reordered)), text);
}

TEST(AnnexFile, LineEndsWithCarriageReturnReadTheSame) {
    std::string text = Annex_Text(*Changed_Record());
    std::string crlf;
    for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(Annex_Text(*Read_Back(crlf)), text);
}

TEST(AnnexFile, FileMustBeginWithTheVersionLine) {
    for (const std::string& text : {std::string("\nNAD/Version 1\n 4 «X» 1\n"), std::string("NAD Version 1\n"),
                                   std::string("")}) {
        auto r = Default_Record(NAD_Country_Standard, "EC-Standard", 0);
        Memory_Stream s(To_Cp437(text));
        EXPECT_EQ(NAD_Read_File(s, r.get()), 0);
        EXPECT_EQ(r->country_type, NAD_Country_Standard);
        EXPECT_STREQ(r->name, "EC-Standard");
        EXPECT_EQ(r->variant, 0);
    }
}

TEST(AnnexFile, LongNameIsCutToTheNameField) {
    const std::string long_name(80, 'N');
    const auto r = Read_Back("NAD/Version 1\n\n 4 " + To_Cp437("«" + long_name + "»") + " 1\n");
    EXPECT_EQ(std::string(r->name), long_name.substr(0, 27));
    EXPECT_EQ(r->variant, 1);
}

TEST(AnnexFile, LoaderCompletesTheRecordFromItsFile) {
    Annex_Folders f;
    std::filesystem::create_directories(f.dram + "/NADS");
    Write_Annex_File(f.dram + "/NADS/3.NAD", *Changed_Record());
    auto r = Default_Record(NAD_Country_Standard, "EC-Standard", 0);
    ASSERT_EQ(NAD_Load_Annex_File(3, nullptr, r.get()), 1);
    EXPECT_EQ(r->user_flag, 1);
    EXPECT_EQ(r->ec2.variant, 2);
    EXPECT_EQ(r->ec3.variant, 2);
    EXPECT_EQ(r->ec5.variant, 2);
    EXPECT_EQ(r->ec6.variant, 2);
    EXPECT_EQ(r->ec9.variant, 2);
    EXPECT_EQ(r->ec1.kind, 2);

    Write_Annex_File(f.data_file("Standard.NAD"), *Default_Record(NAD_Country_Standard, NAD_Name_Standard, 0));
    ASSERT_EQ(NAD_Load_Annex_File(0, "Standard", r.get()), 1);
    EXPECT_EQ(r->user_flag, 0);
    EXPECT_EQ(r->ec3.variant, 0);
    EXPECT_EQ(r->ec1.kind, 1);
    EXPECT_STREQ(r->name, NAD_Name_Standard);
}

TEST(AnnexFile, LoaderWithoutFileOrFolderLeavesTheRecord) {
    Annex_Folders f;
    auto r = Default_Record(NAD_Country_Standard, "EC-Standard", 0);
    EXPECT_EQ(NAD_Load_Annex_File(0, "Deutschland", r.get()), 0);
    EXPECT_EQ(NAD_Load_Annex_File(1, nullptr, r.get()), 0);
    Write_File(f.data_file("Deutschland.NAD"), "kein Anhang\n");
    EXPECT_EQ(NAD_Load_Annex_File(0, "Deutschland", r.get()), 0);
    unsetenv("DATA");
    Write_Annex_File(f.data_file("Deutschland.NAD"), *Changed_Record());
    EXPECT_EQ(NAD_Load_Annex_File(0, "Deutschland", r.get()), 0);
    EXPECT_STREQ(r->name, "EC-Standard");
    EXPECT_EQ(r->user_flag, 0);
}

TEST(AnnexFile, UserFileIsStoredAndDeleted) {
    Annex_Folders f;
    std::filesystem::create_directories(f.dram + "/NADS");
    const auto record = Changed_Record();
    EXPECT_EQ(NAD_Store_User_File(2, record.get()), 1);
    EXPECT_EQ(Read_File(f.dram + "/NADS/2.NAD"), Annex_Text(*record));
    EXPECT_EQ(NAD_Store_User_File(2, nullptr), 1);
    EXPECT_FALSE(File_Exists(f.dram + "/NADS/2.NAD"));
    EXPECT_EQ(NAD_Store_User_File(0, record.get()), 0);
    unsetenv("DRAM");
    EXPECT_EQ(NAD_Store_User_File(2, record.get()), 0);
}

TEST(AnnexFile, ExportWritesTheActiveAnnex) {
    Annex_Folders f;
    EXPECT_EQ(NAD_Export_Active_Annex(f.dir.file("B001").c_str()), 1);
    const std::string text = Read_File(f.dir.file("B001_EC2.NAD"));
    // No "Deutschland" file: the active record holds the built-in defaults.
    EXPECT_EQ(text, Annex_Text(*Default_Record(NAD_Country_Standard, "EC-Standard", 0)));
    EXPECT_EQ(NAD_Export_Active_Annex(f.dir.file("missing/B001").c_str()), 0);
}
