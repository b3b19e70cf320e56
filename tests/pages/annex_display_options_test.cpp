// The display-options sheet: which application's rows the annex tables print. Run headless on
// scripts; the sheet stands at the centre of the 800 x 600 screen.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "annex/annex_test_support.h"
#include "annex/application_table.h"
#include "annex/ec3_report.h"
#include "common/cp437.h"
#include "gui/view_area_fixture.h"
#include "pages/annex_editor_pages.h"
#include "platform/host/host_headless.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

class DisplayOptions : public View_Area_Sheet {
  protected:
    Annex_Folders folders;

    void Describe(const std::string& folder, int number, const std::string& text) {
        char file[32];
        std::snprintf(file, sizeof file, "/APP%04d.DEF", number);
        Write_File(folders.exec + "/" + folder + file, To_Cp437(text));
    }
    void Run_As(int number) {
        Use_Shipped_Host();   // the buttons' pictures
        setenv("EXEC", folders.exec.c_str(), 1);
        setenv("VEK_APPLICATION_NUMBER", std::to_string(number).c_str(), 1);
        NAD_Forget_Application_Table();
        NAD_Read_Application_Table();
    }
    struct Outcome {
        int result;
        std::string trace;
    };
    Outcome Run(const std::string& script) {
        const Headless_Run_Result r = Run_Headless(script, [] { return NAD_Show_Display_Options(); });
        return {r.exit_code, r.trace};
    }
    // Two applications: 150 with flag strings (no EN 1993 row is relevant) and 151 without.
    void Two_Applications() {
        Describe("Alpha", 150, "#NADS -1\n1 1 1 0000000 0 1 1 0 0 1\n#NAME «Alpha»\n#SERVICE «Stahlbau»\n");
        Describe("Beta", 151, "#NADS 12\n#NAME «Beta»\n");
        Run_As(150);
    }
    int Row_Of(int number) {
        for (int i = 0; i < NAD_Get_Application_Count(); ++i)
            if (NAD_Get_Application_Entry(i)->number == number) return i;
        return -1;
    }
    // Sheet of two rows: x 240 to 559, y 217 to 382; the list area from (250, 245), the button area
    // from (250, 344). A click on a radio button of content (x, y) hits its circle.
    static std::string Click_Radio(int x, int y) {
        return "click " + std::to_string(250 + x - 14) + " " + std::to_string(245 + y - 4) + "\n";
    }
    static std::string Row_Click(int row) { return Click_Radio(50, 56 + 18 * row); }
    inline static const std::string Ok = "click 500 358\n";
    inline static const std::string Break = "click 300 358\n";
};

// The screen position of the last drawing of a text in the trace (drawn texts are traced even where
// the area clips them).
bool Last_Text_Position(const std::string& trace, const std::string& text, int& x, int& y) {
    const std::string texts = Trace_Lines(trace, {"text"});
    const std::size_t at = texts.rfind("\"" + text + "\"");
    if (at == std::string::npos) return false;
    const std::size_t line = texts.rfind('\n', at) + 1;
    std::istringstream fields(texts.substr(line, at - line));
    std::string word;
    int frame = 0;
    fields >> word >> frame >> x >> y;
    return true;
}

std::vector<int> Chosen_EC3_Rows() {
    NAD_Select_EC3_Report_Rows();
    std::vector<int> on;
    for (int k = 0; k < NAD_EC3_Row_Count; ++k)
        if (NAD_EC3_Row_Flags[static_cast<std::size_t>(k)]) on.push_back(k);
    return on;
}

TEST_F(DisplayOptions, ListsEveryApplicationWithItsServiceInGrey) {
    Two_Applications();
    const Outcome o = Run("key Esc\n");
    EXPECT_EQ(o.result, 0);
    EXPECT_NE(o.trace.find("sheet define 2 240,217,559,382 \"Darstellungsoptionen\""), std::string::npos) << o.trace;
    const std::string texts = Trace_Lines(o.trace, {"text"});
    EXPECT_NE(texts.find(" 280 261 4096 0,0,0 \"alle Regeln darstellen\""), std::string::npos) << texts;
    EXPECT_NE(texts.find("\"Darstellung optimieren für\""), std::string::npos);
    const int alpha = Row_Of(150);
    EXPECT_NE(texts.find(" 300 " + std::to_string(245 + 56 + 18 * alpha) + " 4096 0,0,0 \"ALPHA\""), std::string::npos);
    EXPECT_NE(texts.find(" 150,150,150 \"(Stahlbau)\""), std::string::npos);
    EXPECT_NE(texts.find(" 150,150,150 \"(Bauteil)\""), std::string::npos);
}

TEST_F(DisplayOptions, OkMakesTheChosenRowCurrentSoItsOwnRulesDecide) {
    Two_Applications();
    ASSERT_EQ(NAD_Application_Has_Flags(), 1);
    EXPECT_TRUE(Chosen_EC3_Rows().empty());   // the flag string of 150 marks no EN 1993 row
    EXPECT_EQ(Run(Row_Click(Row_Of(151)) + Ok).result, 1);
    EXPECT_EQ(NAD_Find_Application(), 151);
    EXPECT_EQ(NAD_Current_Application_Row(), Row_Of(151));
    EXPECT_EQ(NAD_Application_Has_Flags(), 0);
    EXPECT_EQ(NAD_Application_All_Rows(), 0);
    EXPECT_EQ(NAD_Application_Mask(), 12);
    EXPECT_EQ(Chosen_EC3_Rows(), (std::vector<int>{0, 1, 4, 5}));   // the rows of application 151
}

TEST_F(DisplayOptions, AllRulesLeaveNoRowCurrent) {
    Two_Applications();
    EXPECT_EQ(Run(Click_Radio(30, 16) + Ok).result, 1);
    EXPECT_EQ(NAD_Application_All_Rows(), 1);
    EXPECT_EQ(NAD_Find_Application(), 0);
    EXPECT_EQ(NAD_Current_Application_Row(), -1);
    EXPECT_EQ(NAD_Application_Mask(), NAD_All_Eurocodes_Mask);
    EXPECT_EQ(Chosen_EC3_Rows().size(), static_cast<std::size_t>(NAD_EC3_Row_Count));
}

TEST_F(DisplayOptions, BreakAndEscLeaveTheLookupAsItWas) {
    for (const std::string& leave : {Break, std::string("key Esc\n")}) {
        Two_Applications();
        EXPECT_EQ(Run(Row_Click(Row_Of(151)) + leave).result, 0) << leave;
        EXPECT_EQ(NAD_Find_Application(), 150);
        EXPECT_EQ(NAD_Application_Has_Flags(), 1);
    }
}

// Forty applications make a sheet higher than the screen: the sheet takes the screen height and
// the rows below its edge are reached with the list's slider.
TEST_F(DisplayOptions, FortyRowsScrollIntoReach) {
    for (int i = 0; i < 40; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "R%02d", i);
        Describe(name, 1000 + i, std::string("#NADS 8\n#NAME «") + name + "»\n");
    }
    Run_As(1000);
    const int last = Row_Of(1039);
    ASSERT_GE(last, 0);
    const Outcome before = Run("key Esc\n");
    EXPECT_NE(before.trace.find("sheet define 2 240,0,559,599 \"Darstellungsoptionen\""), std::string::npos);
    int x = 0, y = 0;
    ASSERT_TRUE(Last_Text_Position(before.trace, "R39", x, y));
    EXPECT_GT(y, 557);   // below the list area's lower edge: out of reach

    const std::string scroll = "move 400 300\nwheel -40\n";
    ASSERT_TRUE(Last_Text_Position(Run(scroll + "key Esc\n").trace, "R39", x, y));
    EXPECT_EQ(x, 300);
    EXPECT_LT(y, 557);   // inside the list area
    EXPECT_GT(y, 28);
    const std::string click = "click " + std::to_string(x - 14) + " " + std::to_string(y - 4) + "\n";
    EXPECT_EQ(Run(scroll + click + "key Enter\n").result, 1);
    EXPECT_EQ(NAD_Find_Application(), 1039);
    EXPECT_EQ(NAD_Current_Application_Row(), last);
}

}  // namespace
