// The two built-in annexes that come with the program, host/DATA/NAD/Standard.NAD and
// Deutschland.NAD, are the library writer's output for the records built here, byte for byte.
// To rewrite them after a change of the writer or of the values, run this test with
// NAD_REGENERATE_SHIPPED=1 in the environment (see docs/annex-files.md).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "annex/annex_test_support.h"
#include "annex/ec2_country_sets.h"

namespace {

const std::string Shipped_Folder = std::string(BASIS_SOURCE_DIR) + "/host/DATA/NAD/";

// "EC-Standardparameter": the built-in defaults of every block.
std::unique_ptr<NAD_Record> Standard_Annex() { return Default_Record(NAD_Country_Standard, NAD_Name_Standard, 0); }

// "Deutschland": variant 1 switches the rules of the German annex on in every block; the EN 1993,
// EN 1992, EN 1996 and EN 1999 blocks carry the German values.
std::unique_ptr<NAD_Record> German_Annex() {
    auto r = Default_Record(NAD_Country_Germany, NAD_Name_Germany, 1);
    NAD_Set_EC3_German_Values(&r->ec3);
    NAD_Set_EC2_Country_Defaults(NAD_Country_Germany, &r->ec2);
    NAD_Set_EC2_Variant(&r->ec2, 1);
    NAD_Set_EC5_Variant(&r->ec5, 1);
    NAD_Set_EC6_German_Values(&r->ec6);
    NAD_Set_EC9_German_Values(&r->ec9);
    return r;
}

void Check_Shipped(const char* file_name, const NAD_Record& record) {
    const std::string path = Shipped_Folder + file_name;
    const std::string written = Annex_Text(record);
    const char* regenerate = std::getenv("NAD_REGENERATE_SHIPPED");
    if (regenerate && std::string(regenerate) == "1") Write_File(path, written);
    EXPECT_EQ(Read_File(path), written) << path << " differs from the writer; see docs/annex-files.md";
}

}  // namespace

TEST(ShippedAnnexFiles, AreTheWritersOutput) {
    Check_Shipped("Standard.NAD", *Standard_Annex());
    Check_Shipped("Deutschland.NAD", *German_Annex());
}
