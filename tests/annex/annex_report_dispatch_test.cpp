// The annex reports of the used Eurocodes in one call, and the older entry names: which reports are
// written and in which order, as the count table answers.
#include "annex/annex_report_dispatch.h"

#include <gtest/gtest.h>

#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_old_entries.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "annex/ec0_report.h"
#include "annex/ec2_report.h"
#include "annex/ec3_report.h"
#include "annex/ec5_report.h"
#include "annex/ec6_report.h"
#include "annex/ec9_report.h"

namespace {

int None() { return 0; }
int Some() { return 3; }

// The count table replaced for one test and restored after it.
struct Dispatch : ::testing::Test {
    Annex_Folders f;
    NAD_Used_Count_Table saved = NAD_Used_Counts;
    void SetUp() override {
        Use_Application_State(Application_States[0], f);
        NAD_Set_Annex_By_Name("Deutschland");
    }
    void TearDown() override { NAD_Used_Counts = saved; }
};

}  // namespace

TEST_F(Dispatch, ThisProgramUsesAllButMasonry) {
    // Every parameter of this program counts as used, and EN 1996 has none: the reports of EN 1992,
    // 1993, 1995 and 1999 in this order, and the EN 1990 report.
    EXPECT_EQ(Report_Text(NAD_Write_Used_Reports),
              Report_Text(NAD_Write_EC2_Parameter_Report) + Report_Text(NAD_Write_EC3_Full_Report) +
                  Report_Text(NAD_Write_EC5_Report) + Report_Text(NAD_Write_EC9_Report));
    EXPECT_EQ(Report_Text(NAD_Write_Used_Reports).find("EN 1996"), std::string::npos);
    EXPECT_EQ(Report_Text(NAD_Write_EC0_Report_If_Used), Report_Text(NAD_Write_EC0_Report));
}

TEST_F(Dispatch, ZeroCountsWriteNothing) {
    NAD_Used_Counts = {None, None, None, None, None};
    EXPECT_EQ(Report_Text(NAD_Write_Used_Reports), "");
    EXPECT_EQ(Report_Text(NAD_Write_EC0_Report_If_Used), "");
}

TEST_F(Dispatch, EachUsedEurocodeAlone) {
    struct Case {
        NAD_Used_Count_Table counts;
        void (*report)(FILE*);
    };
    const Case cases[] = {
        {{Some, None, None, None, None}, NAD_Write_EC2_Parameter_Report},
        {{None, Some, None, None, None}, NAD_Write_EC3_Full_Report},
        {{None, None, Some, None, None}, NAD_Write_EC5_Report},
        {{None, None, None, Some, None}, NAD_Write_EC6_Report},
        {{None, None, None, None, Some}, NAD_Write_EC9_Report},
    };
    const std::string load_factors = Report_Text(NAD_Write_EC0_Report);
    ASSERT_FALSE(load_factors.empty());
    for (const Case& c : cases) {
        NAD_Used_Counts = c.counts;
        EXPECT_EQ(Report_Text(NAD_Write_Used_Reports), Report_Text(c.report));
        EXPECT_EQ(Report_Text(NAD_Write_EC0_Report_If_Used), load_factors);
    }
}

TEST_F(Dispatch, MasonryAndAluminiumInReportOrder) {
    NAD_Used_Counts = {None, None, None, Some, Some};
    EXPECT_EQ(Report_Text(NAD_Write_Used_Reports),
              Report_Text(NAD_Write_EC6_Report) + Report_Text(NAD_Write_EC9_Report));
}

TEST_F(Dispatch, OlderEntriesReachTheirOperations) {
    EXPECT_EQ(Report_Text(NAD_Write_Input_Name_Old_1), "\n\nACTIV_NADNAME\n«Deutschland»\n");
    EXPECT_EQ(Report_Text(NAD_Write_Input_Name_Old_2), "\n\nACTIV_NADNAME\n«Deutschland»\n");
    const std::string load_factors = Report_Text(NAD_Write_EC0_Report);
    EXPECT_EQ(Report_Text(NAD_Write_EC0_Report_If_Used_Old_1), load_factors);
    EXPECT_EQ(Report_Text(NAD_Write_EC0_Report_If_Used_Old_2), load_factors);
    EXPECT_EQ(NAD_Old_Entry(), 0);
    Memory_Stream without_key("#SCHRAUBEN\n 1\n");
    EXPECT_EQ(NAD_Read_Legacy_Input_Old_1(without_key), 0);
}
