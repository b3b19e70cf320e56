// The course of a connection tab, the utilisation display and the conversion that the frame calls
// around a load of the input file.
#include "pages/tab_page_protocol.h"

#include <gtest/gtest.h>

#include "common/base_path.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "pages/connection_forms.h"
#include "pages/form_fixture.h"
#include "test_support.h"

namespace {

TEST(UtilisationDisplay, VerdictOnTheRawValue) {
    Host_Open_Screen(200, 100);
    Init_Screen_Palette();
    const struct {
        double U;
        const char* text;
        int colour;
    } cases[] = {
        {1.0, "1.000  ≤ 1  ok"_cp, Screen_Palette.Green},
        {1.0004, "1.000  > 1  nicht ok !!", Screen_Palette.Red},
        {0.01, "0.010  ≤ 1  ok"_cp, Screen_Palette.Green},
        {0.5, "0.500  ≤ 1  ok"_cp, Screen_Palette.Green},
        {999.9, "999.900  > 1  nicht ok !!", Screen_Palette.Red},
        {0.005, "XXXXXX", Screen_Palette.Grey_130},
        {1000.0, "XXXXXX", Screen_Palette.Grey_130},
        {-1.0, "XXXXXX", Screen_Palette.Grey_130},
        {0.0, "XXXXXX", Screen_Palette.Grey_130},
    };
    for (const auto& c : cases) {
        const Utilisation_Text u = Format_Utilisation(c.U);
        EXPECT_STREQ(u.text, c.text) << c.U;
        EXPECT_EQ(u.colour, c.colour) << c.U;
    }
    EXPECT_NE(Screen_Palette.Green, Screen_Palette.Red);
    Exit_Grafik_Mode();
}

class TabPage : public Form_Area {
  protected:
    Connection_Record R{};
    void SetUp() override {
        Form_Area::SetUp();
        Init_Connection_Record(&R);
        R.verification = 1;
        R.uniform_steel = 1;
    }
};

TEST_F(TabPage, UtilisationDisplayPlacesItsThreeTexts) {
    Draw_Utilisation(area, 742, 752, 802, 300, 1.0004);
    ASSERT_EQ(Items().size(), 3u);
    const View_Area_Item& U = Items()[0];
    const View_Area_Item& max = Items()[1];
    const View_Area_Item& value = Items()[2];
    EXPECT_EQ(U.text, "U      =");
    EXPECT_EQ(U.x1, 742);
    EXPECT_EQ(U.y1, 300);
    EXPECT_EQ(U.font, 0x1000);   // the heading font, its bold style apart
    EXPECT_EQ(U.x2, 1);
    EXPECT_EQ(max.text, "max");
    EXPECT_EQ(max.x1, 752);
    EXPECT_EQ(max.y1, 302);
    EXPECT_EQ(max.font, 4098);
    EXPECT_EQ(value.text, "1.000  > 1  nicht ok !!");
    EXPECT_EQ(value.x1, 802);
    for (const View_Area_Item& item : Items()) EXPECT_EQ(item.colour, Screen_Palette.Red);
}

TEST_F(TabPage, InactiveTypeShowsOnlyTheNoticeAndLeavesItsRecordAlone) {
    R.compression_active = 0;
    R.compression.spread_ratio = 0.5;   // the input check would raise it to 1
    R.compression.F_c_Ed = 250.0;       // editing form
    Take_Field_Activity_Slot(1);
    Draw_Connection_Page(&R, Page_T_Stub_Compression, area, 30, 40, 990);
    ASSERT_EQ(Items().size(), 1u);
    const View_Area_Item& notice = Items()[0];
    EXPECT_EQ(notice.text, "Der Nachweis ist inaktiv (siehe erstes Registerblatt)");
    EXPECT_EQ(notice.x1, 340);
    EXPECT_EQ(notice.y1, 40 + 20 + 250);
    EXPECT_EQ(notice.colour, Screen_Palette.Blue);
    EXPECT_EQ(notice.font, 0x1000);
    EXPECT_EQ(notice.x2, 1);
    EXPECT_EQ(Field_Activity_Pool.position, -1);   // the pool was emptied
    EXPECT_EQ(R.compression.spread_ratio, 0.5);
    EXPECT_EQ(R.compression.F_c_Ed, 250.0);
    EXPECT_EQ(R.compression.context.verification, 0);
}

TEST_F(TabPage, ActiveTypeIsCheckedInStoredFormAndShownInEditingForm) {
    R.compression_active = 1;
    R.compression.spread_ratio = 0.5;
    R.compression.F_c_Ed = 250.0;   // kN while the page holds it
    Draw_Connection_Page(&R, Page_T_Stub_Compression, area, 30, 40, 990);
    EXPECT_EQ(R.compression.spread_ratio, 1.0);   // normalised by the input check
    EXPECT_EQ(R.compression.F_c_Ed, 250.0);
    EXPECT_EQ(R.compression.context.uniform_steel, 1);
    EXPECT_EQ(R.compression.context.verification, 1);
    const View_Area_Item* heading = Find("Nachweis eines T-Stummels unter Druckbeanspruchung:");
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->x1, 40);
    EXPECT_EQ(heading->y1, 60);
    EXPECT_EQ(heading->colour, Screen_Palette.Black);
    // The form starts one heading step lower, at x + 10.
    const View_Area_Item* painter = nullptr;
    for (const View_Area_Item& item : Items())
        if (item.kind == View_Item_Kind::Painter_Box) painter = &item;
    ASSERT_NE(painter, nullptr);
    EXPECT_EQ(painter->x1, 50);
    EXPECT_EQ(painter->y1, 87);
}

TEST_F(TabPage, BoltedHeadingStandsBeforeTheRecordIsPrepared) {
    R.bolted_active = 1;
    Init_Bolt_Connection(&R.bolted);
    Unpack_Bolt_Connection(&R.bolted);
    Draw_Connection_Page(&R, Page_Bolted, area, 30, 40, 990);
    ASSERT_FALSE(Items().empty());
    EXPECT_EQ(Items()[0].text, "Schrauben-, Niet- oder Bolzenverbindung:");
    EXPECT_EQ(Items()[0].y1, 60);
    EXPECT_EQ(R.bolted.context.verification, 1);
}

TEST_F(TabPage, AllFourRecordsConvertInOneStep) {
    R.bolted.F_v_Ed = 1000.0;
    R.welded.N_Ed = 2000.0;
    R.tension.row_count = 1;
    R.tension.F_t_Ed[0] = 3000.0;
    R.compression.F_c_Ed = 4000.0;
    Unpack_All_Connections(&R);
    EXPECT_EQ(R.bolted.F_v_Ed, 1.0);
    EXPECT_EQ(R.welded.N_Ed, 2.0);
    EXPECT_EQ(R.tension.F_t_Ed[0], 3.0);
    EXPECT_EQ(R.compression.F_c_Ed, 4.0);
    Pack_All_Connections(&R);
    EXPECT_NEAR(R.bolted.F_v_Ed, 1000.0, 1e-9);
    EXPECT_NEAR(R.welded.N_Ed, 2000.0, 1e-9);
    EXPECT_NEAR(R.tension.F_t_Ed[0], 3000.0, 1e-9);
    EXPECT_NEAR(R.compression.F_c_Ed, 4000.0, 1e-9);
}

// "sichern", then "langer Anschluss" unticked, then leaving without saving: the saved file is
// loaded again and the report is written from it. The long joint must be the saved one.
TEST(PageConversion, LongJointFollowsTheFileAfterEveryLoad) {
    Scratch_Dir dir;
    Set_Base_Path(dir.file("B001").c_str());
    std::snprintf(Input_File_Suffix, sizeof Input_File_Suffix, "_01.INP");
    Refresh_Mode = 0;
    Install_Page_Conversion();
    Page_Edit_Flags = Page_Edit_Flags_Record{};

    Default_Connection_Record(&Connection);
    Connection.bolted.L_j = 640.0;
    Unpack_Connection_Record(&Connection);   // as after the first load
    EXPECT_EQ(Page_Edit_Flags.long_joint_ticked, 1);

    // "sichern": packed, written, unpacked.
    Pack_Connection_Record(&Connection);
    {
        std::FILE* f = std::fopen(dir.file("B001_01.INP").c_str(), "w");
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(Write_Input_File(f, &Connection), 0);
        std::fclose(f);
    }
    Unpack_Connection_Record(&Connection);

    Page_Edit_Flags.long_joint_ticked = 0;   // unticked after the save

    Load_Input_File();                       // "beenden ohne zu speichern" reloads the saved file
    EXPECT_EQ(Page_Edit_Flags.long_joint_ticked, 1);
    Pack_Connection_Record(&Connection);     // as the report run packs
    EXPECT_EQ(Connection.bolted.L_j, 640.0);

    Set_Connection_Conversion(nullptr, nullptr);
    Set_Input_Load_Hook(nullptr);
}

}  // namespace
