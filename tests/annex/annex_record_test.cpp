// The active annex: the lazy start of the accessors, the built-in annexes as shipped, the reset
// before every load and the name the report shows.
#include "annex/annex_record.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"

namespace {

const std::string Shipped_Data = std::string(BASIS_SOURCE_DIR) + "/host/DATA";

// The twelve partial factors in the order of the connection record's Safety_Factors:
// gamma_M0, M1, M2, M3, M4, M5, M6,ser, M7, M3,ser, M,ser, M,fi, Mu.
std::array<double, 12> Safety_Factor_Order(const NAD_EC3_Block& b) {
    const NAD_EC3_1_Record& r1 = b.ec3_1;
    const NAD_EC3_8_Record& r8 = b.ec3_8;
    return {r1.gamma_M0,  r1.gamma_M1,     r1.gamma_M2,   r8.gamma_M3,    r8.gamma_M4,     r8.gamma_M5,
            r8.gamma_M6_ser, r8.gamma_M7, r8.gamma_M3_ser, r8.gamma_M_ser, r1.gamma_M_fi, r8.gamma_Mu};
}

void Add_User_Annex(const Annex_Folders& f, int number, const NAD_Record& record) {
    std::filesystem::create_directories(f.dram + "/NADS");
    Write_Annex_File(f.dram + "/NADS/" + std::to_string(number) + ".NAD", record);
}

}  // namespace

TEST(AnnexRecord, FirstQueryActivatesGermany) {
    Annex_Folders f;
    setenv("DATA", Shipped_Data.c_str(), 1);
    const NAD_EC3_Block* b = NAD_Get_EC3();
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->variant, 1);  // the rules of the German annex ("NA-DE")
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_EQ(NAD_Get_Active_Type(), NAD_Country_Germany);
    EXPECT_EQ(NAD_Get_Variant(), 1);
    EXPECT_STREQ(NAD_Active_Record()->name, "Deutschland");
    EXPECT_EQ(NAD_Active_Record()->user_flag, 0);
}

TEST(AnnexRecord, PartialFactorsOfTheShippedAnnexes) {
    Annex_Folders f;
    setenv("DATA", Shipped_Data.c_str(), 1);
    struct Case {
        const char* annex;
        int variant;
        std::array<double, 12> factors;
    };
    const Case cases[] = {
        {"EC-Standardparameter", 0, {1.0, 1.0, 1.25, 1.25, 1.0, 1.0, 1.0, 1.1, 1.1, 1.0, 1.0, 1.1}},
        {"Deutschland", 1, {1.0, 1.1, 1.25, 1.25, 1.0, 1.0, 1.0, 1.1, 1.1, 1.0, 1.0, 1.1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NAD_Set_Annex_By_Name(c.annex), 0) << c.annex;
        EXPECT_STREQ(NAD_Get_Active_Name(), c.annex);
        EXPECT_STREQ(NAD_Active_Record()->name, c.annex);
        EXPECT_EQ(NAD_Get_EC3()->variant, c.variant) << c.annex;
        const std::array<double, 12> got = Safety_Factor_Order(*NAD_Get_EC3());
        for (int k = 0; k < 12; ++k) EXPECT_DOUBLE_EQ(got[k], c.factors[k]) << c.annex << " factor " << k;
        // Aluminium plates take gamma_M0 and gamma_M1 of EN 1999.
        EXPECT_DOUBLE_EQ(NAD_Get_EC9()->gamma_M0, 1.1);
        EXPECT_DOUBLE_EQ(NAD_Get_EC9()->gamma_M1, 1.1);
        EXPECT_EQ(NAD_Get_EC9()->variant, c.variant);
        EXPECT_DOUBLE_EQ(NAD_Get_EC2()->gamma_c[0], 1.5);
    }
}

TEST(AnnexRecord, WithoutTheGermanFileTheDefaultsStay) {
    Annex_Folders f;  // an empty DATA/NAD
    const NAD_EC3_Block* b = NAD_Get_EC3();
    EXPECT_EQ(b->variant, 0);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_STREQ(NAD_Active_Record()->name, "EC-Standard");
    EXPECT_EQ(NAD_Active_Record()->country_type, NAD_Country_Standard);
    EXPECT_EQ(NAD_Prepare_Active_Annex(), 0);
}

TEST(AnnexRecord, WithoutAnyHostFolderTheDefaultsStay) {
    Annex_Folders f(false, false, false);
    testing::internal::CaptureStdout();
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M2, 1.25);
    EXPECT_DOUBLE_EQ(NAD_Get_EC2()->alpha_cc, 1.0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_EQ(NAD_Set_Annex_By_Name("Deutschland"), 0);
    EXPECT_EQ(NAD_Active_Record()->country_type, NAD_Country_Standard);
    // The migration cannot find the user folder and says so on standard output.
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Safeguard_Proper_Version: ERROR 1\n"), std::string::npos);
}

TEST(AnnexRecord, ReportNameMarksUserAnnexes) {
    Annex_Folders f;
    Add_User_Annex(f, 1, *Default_Record(40, "Ingenieurbüro Nord", 0));
    EXPECT_STREQ(NAD_Get_Report_Name(), "Deutschland");
    NAD_Set_Annex_By_Name("Ingenieurbüro Nord");
    EXPECT_EQ(NAD_Get_Active_Type(), 40);
    EXPECT_STREQ(NAD_Get_Report_Name(), "Ingenieurbüro Nord (benutzerdefiniert)");
    EXPECT_EQ(NAD_Active_Record()->user_flag, 1);
    NAD_Set_Annex_By_Name("EC-Standardparameter");
    EXPECT_STREQ(NAD_Get_Report_Name(), "EC-Standardparameter");
}

TEST(AnnexRecord, UserAnnexAfterGermanyKeepsNoGermanValue) {
    Annex_Folders f;
    setenv("DATA", Shipped_Data.c_str(), 1);
    // A user annex file with its header only: every block keeps the built-in values.
    std::filesystem::create_directories(f.dram + "/NADS");
    Write_File(f.dram + "/NADS/1.NAD", To_Cp437("NAD/Version 1\n\n 40 «Leer» 0\n"));
    ASSERT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M1, 1.1);
    NAD_Set_Annex_By_Name("Leer");
    const NAD_EC3_Block* b = NAD_Get_EC3();
    EXPECT_EQ(b->variant, 0);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M1, 1.0);
    EXPECT_DOUBLE_EQ(b->ec3_1.gamma_M2_acc, 1.25);
    EXPECT_EQ(b->ec3_1.apply_f_to_chi_LT, 0);
    EXPECT_DOUBLE_EQ(b->ec3_1.e0_elastic[0], 350);
    EXPECT_EQ(NAD_Get_EC5()->variant, 0);
}

TEST(AnnexRecord, ZeroPartialFactorInAnAnnexFileIsRefused) {
    Annex_Folders f;
    auto r = Default_Record(40, "Null", 0);
    r->ec3.ec3_1.gamma_M0 = 0;
    r->ec3.ec3_8.gamma_M7 = 0.0004;
    r->ec9.gamma_M1 = 0;
    r->ec2.gamma_c[0] = 0;
    Add_User_Annex(f, 1, *r);
    NAD_Set_Annex_By_Name("Null");
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M0, 1.0);
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_8.gamma_M7, 1.1);
    EXPECT_DOUBLE_EQ(NAD_Get_EC9()->gamma_M1, 1.1);
    EXPECT_DOUBLE_EQ(NAD_Get_EC2()->gamma_c[0], 1.5);
}

TEST(AnnexRecord, LongUserAnnexNameStaysWhole) {
    Annex_Folders f;
    const std::string name = "Nationaler Anhang mit einem sehr langen Namen";
    // The record keeps 27 characters of the name; the list reads the name whole from the file.
    std::filesystem::create_directories(f.dram + "/NADS");
    Write_File(f.dram + "/NADS/1.NAD", To_Cp437("NAD/Version 1\n\n 40 «" + name + "» 0\n"));
    EXPECT_EQ(NAD_Set_Annex_By_Name(name.c_str()), 0);
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), name);
    EXPECT_EQ(std::string(NAD_Active_Record()->name), name.substr(0, 27));
}
