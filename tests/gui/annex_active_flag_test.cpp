// The flag of the active annex: the row of its country type in the flag picture, a type outside
// the picture the row of a local definition.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "annex/annex_list.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "gui/annex_active_flag.h"
#include "gui/view_area_fixture.h"
#include "platform/host/host_headless.h"
#include "platform/host/screen_surface.h"

namespace {

// User annexes "Land <type>" of the country types that the tests draw, in DRAM/NADS.
class ActiveFlag : public View_Area_Sheet {
  protected:
    Annex_Folders folders;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        Use_Shipped_Host();   // DATA with the flag picture
        setenv("DRAM", folders.dram.c_str(), 1);
        std::filesystem::create_directories(folders.dram + "/NADS");
        int number = 1;
        for (int type : {5, 17, -1, -40, 20, 255}) {
            const std::string name = "Land " + std::to_string(type);
            Write_Annex_File(folders.dram + "/NADS/" + std::to_string(number++) + ".NAD",
                             *Default_Record(type, name.c_str(), 0));
        }
        NAD_List_Annexes();
    }
    // The colour at the flag's inner point (12, 9) and at its corner (2, 2), drawn at (100, 100)
    // with the annex of the type active (18: "Deutschland", 19: the standard parameters).
    std::pair<int, int> Draw(int type, void (*draw)(int, int) = NAD_Draw_Active_Flag) {
        const std::string name = type == 18 ? NAD_Name_Germany : type == 19 ? NAD_Name_Standard : "Land " + std::to_string(type);
        NAD_Set_Active_Name(name.c_str());
        NAD_Prepare_Active_Annex();
        EXPECT_EQ(NAD_Get_Active_Type(), type);
        Host_Open_Screen(800, 600);
        draw(100, 100);
        return {Host_Pixel(112, 109), Host_Pixel(102, 102)};
    }
};

TEST_F(ActiveFlag, EachTypeTakesItsRowAndTypesOutsideThePictureTheLocalFlag) {
    const auto germany = Draw(NAD_Country_Germany);
    const auto standard = Draw(NAD_Country_Standard);
    const auto local = Draw(NAD_Country_Local);
    const auto user_5 = Draw(5);
    EXPECT_EQ(germany.first, 0xDD0000);   // the red middle stripe
    EXPECT_EQ(standard.second, 0x003399);
    EXPECT_EQ(local.second, 0xFFFFFF);
    EXPECT_EQ(user_5.second, 0xDCE6F0);
    for (int outside : {-1, -40, 20, 255}) {
        SCOPED_TRACE(outside);
        EXPECT_EQ(Draw(outside), local);
    }
    EXPECT_EQ(Draw(NAD_Country_Germany, NAD_Draw_Active_Flag_Old_1), germany);
    EXPECT_EQ(Draw(NAD_Country_Germany, NAD_Draw_Active_Flag_Old_2), germany);
}

}  // namespace

namespace {

// The older names of the selection sheet open the sheet itself; Esc leaves it.
TEST_F(ActiveFlag, OlderSelectionEntriesOpenTheSelectionSheet) {
    for (int (*entry)() : {NAD_Show_Selection_Sheet_Old_1, NAD_Show_Selection_Sheet_Old_2}) {
        const Headless_Run_Result run = Run_Headless("key Esc\n", entry);
        EXPECT_FALSE(run.process_ended);
        EXPECT_NE(run.trace.find("\"Nationale Anwendungsdokumente\""), std::string::npos) << run.trace;
        EXPECT_NE(run.trace.find("sheet undefine 2"), std::string::npos);
    }
}

}  // namespace
