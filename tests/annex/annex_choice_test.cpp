// Activation of an annex by name, on the window road and on the batch road, and the annex name in
// the input file.
#include "annex/annex_choice.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"

namespace {

const std::string Shipped_Data = std::string(BASIS_SOURCE_DIR) + "/host/DATA";

struct AnnexChoice : ::testing::Test {
    Annex_Folders f;
    void SetUp() override {
        setenv("DATA", Shipped_Data.c_str(), 1);
        std::filesystem::create_directories(f.dram + "/NADS");
        auto nord = Default_Record(40, To_Cp437("Büro Nord").c_str(), 0);
        nord->ec3.ec3_1.gamma_M0 = 1.05;
        Write_Annex_File(f.dram + "/NADS/1.NAD", *nord);
        Clear_Host_Message_History();
    }
};

}  // namespace

TEST_F(AnnexChoice, KnownNameBecomesActive) {
    Refresh_Mode = 0;
    EXPECT_EQ(NAD_Set_Annex_By_Name(To_Cp437("Büro Nord").c_str()), 0);
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M0, 1.05);
    // Activated again by its own active name, the annex is reloaded.
    NAD_Get_EC3()->ec3_1.gamma_M0 = 2.0;
    EXPECT_EQ(NAD_Set_Annex_By_Name(NAD_Get_Active_Name()), 0);
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M0, 1.05);
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(AnnexChoice, UnknownNameFallsBackToGermanySilentlyOnTheBatchRoad) {
    Refresh_Mode = 1;
    EXPECT_EQ(NAD_Set_Annex_By_Name("Gelöschter Anhang"), 0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_EQ(NAD_Get_EC3()->variant, 1);
    EXPECT_DOUBLE_EQ(NAD_Get_EC3()->ec3_1.gamma_M1, 1.1);
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(AnnexChoice, UnknownNameIsToldOnTheWindowRoad) {
    Refresh_Mode = 0;
    const std::string requested = To_Cp437("Gelöschter Anhang");
    EXPECT_EQ(NAD_Set_Annex_By_Name(requested.c_str()), 0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], To_Cp437("Warnung\n"
                                                  "Das mit dem Programm verknüpfte NAD\n"
                                                  "Gelöschter Anhang\n"
                                                  "kann nicht gefunden werden.\n"
                                                  "Um die Stabilität des Programms zu\n"
                                                  "gewährleisten, wird auf das NAD\n"
                                                  "Deutschland\n"
                                                  "umgeschaltet. Wenn Sie dies\n"
                                                  "nicht wünschen, wählen Sie\n"
                                                  "bitte ein anderes NAD aus."));
}

TEST_F(AnnexChoice, LocalDefinitionsAndNullActivateGermanyWithoutWarning) {
    Refresh_Mode = 0;
    EXPECT_EQ(NAD_Set_Annex_By_Name("lokale Definitionen"), 0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    NAD_Set_Annex_By_Name(To_Cp437("Büro Nord").c_str());
    EXPECT_EQ(NAD_Set_Annex_By_Name(nullptr), 1);  // the result of loading the German file
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(AnnexChoice, InputFileNamesTheAnnex) {
    Refresh_Mode = 1;
    {
        Memory_Stream s(To_Cp437("1\nBLOCK\n\n\nACTIV_NADNAME\n«Büro Nord»\n"));
        EXPECT_EQ(NAD_Read_Input_Name(s), 0);
        EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    }
    for (const char* text : {"1\nBLOCK\n", "ACTIV_NADNAME\n", "ACTIV_NADNAME\n«»\n"}) {
        NAD_Set_Annex_By_Name(To_Cp437("Büro Nord").c_str());
        Memory_Stream s(To_Cp437(text));
        EXPECT_EQ(NAD_Read_Input_Name(s), 1) << text;  // "Deutschland", read from its file
        EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland") << text;
    }
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(AnnexChoice, InputFileKeepsTheActiveName) {
    Memory_Stream out("");
    NAD_Write_Input_Name(out);  // nothing active yet: "Deutschland"
    std::rewind(out);
    EXPECT_EQ(out.rest(), To_Cp437("\n\nACTIV_NADNAME\n«Deutschland»\n"));

    NAD_Set_Annex_By_Name(To_Cp437("Büro Nord").c_str());
    Memory_Stream again("");
    NAD_Write_Input_Name(again);
    std::rewind(again);
    const std::string text = again.rest();
    EXPECT_EQ(text, To_Cp437("\n\nACTIV_NADNAME\n«Büro Nord»\n"));
    // Read back, the file activates the same annex.
    Memory_Stream in(text);
    NAD_Set_Annex_By_Name("Deutschland");
    NAD_Read_Input_Name(in);
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    NAD_Write_Input_Name(nullptr);
}

TEST(AnnexParameterUse, EveryParameterCountsInThisProgram) {
    EXPECT_EQ(NAD_Count_Used_EC2_Parameters(), 16);
    EXPECT_EQ(NAD_Count_Used_EC3_Parameters(), 4);
    EXPECT_EQ(NAD_Count_Used_EC5_Parameters(), 4);
    EXPECT_EQ(NAD_Count_Used_EC6_Parameters(), 0);
    EXPECT_EQ(NAD_Count_Used_EC9_Parameters(), 2);
    EXPECT_EQ(NAD_Count_Used_Other_Parameters(), 4);
}
