// The question dialog run by a script (OK, Esc, the info form), the utilisation bar's items and the
// import information panel.
#include "gui/question_dialog.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/base_path.h"
#include "common/cp437.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

struct Dialog_Run {
    int result = -1;
    int passes = 0;        // calls of the content
    std::string trace;     // the sheet lines
};

void Content(int area, int x, int* y, void* datum) {
    ++*static_cast<int*>(datum);
    Add_Text_to_View_Area(area, x, *y, "Werte übernehmen?"_cp, 4096, 0, 0);
    *y += 20;
}

Dialog_Run Run_Dialog(const std::string& script, int mode, const char* help_key) {
    Dialog_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Release_All_View_Areas();
        run.result = Run_Question_Dialog(mode, 300, 100, help_key, &run.passes, Content);
        return 0;
    });
    run.trace = Trace_Lines(headless.trace, {"sheet define", "sheet 1 code", "button"});
    return run;
}

}  // namespace

TEST(QuestionDialog, OkEscAndTheInfoForm) {
    struct Case {
        const char* name;
        std::string script;
        int mode;
        const char* help_key;
        int result;
        const char* title;
    };
    const Case cases[] = {
        {"Enter is OK", "key Enter\n", 0, nullptr, 1, "Nachfrage"},
        {"Esc breaks", "key Esc\n", 1, "Anschluss", 0, "Nachfrage"},
        {"the info form has no OK", "key Enter\n", 2, nullptr, 0, "Info"},
        {"end of input breaks", "", 0, nullptr, 0, "Nachfrage"},
    };
    for (const Case& c : cases) {
        const Dialog_Run run = Run_Dialog(c.script, c.mode, c.help_key);
        EXPECT_EQ(run.result, c.result) << c.name;
        EXPECT_GE(run.passes, 1) << c.name;
        // A sheet of 320 × 184 pixels centred on the screen, under its title.
        EXPECT_NE(run.trace.find("sheet define 1 352,292,671,475 \"" + std::string(c.title) + "\""), std::string::npos)
            << c.name << "\n" << run.trace;
    }
}

TEST(QuestionDialog, ClickIntoTheContentRunsAnotherPass) {
    // The content's area starts at 362, 324; a click there goes to the area and the content is laid
    // out again before the next wait.
    const Dialog_Run run = Run_Dialog("click 400 340\nkey Enter\n", 0, nullptr);
    EXPECT_EQ(run.result, 1);
    EXPECT_GE(run.passes, 2);
}

class UtilisationBar : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 410, 310, 0, 0);
    }
    const std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
};

TEST_F(UtilisationBar, FillsByTheUtilisationOrShowsTheErrorField) {
    struct Case {
        double utilisation;
        int length;   // px of green; -1 for the error field
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Case cases[] = {{0.5, 50}, {1.0, 100}, {0.0045, 1}, {0.0, 0}, {1.0001, -1}, {-0.1, -1}, {nan, -1}};
    for (const Case& c : cases) {
        Clear_View_Area(area);
        Draw_Utilisation_Bar(area, 20, 50, c.utilisation);
        const std::vector<View_Area_Item>& items = Items();
        ASSERT_GE(items.size(), 5u) << c.utilisation;
        // Background and frame first.
        EXPECT_EQ(items[0].kind, View_Item_Kind::Filled_Rectangle);
        EXPECT_EQ(items[0].colour, 0xDCDCDC);
        EXPECT_EQ(items[1].colour, 0x787878);
        if (c.length < 0) {
            ASSERT_EQ(items.size(), 7u) << c.utilisation;
            EXPECT_EQ(items[5].kind, View_Item_Kind::Filled_Rectangle);
            EXPECT_EQ(items[5].colour, 0xFF0000);
            EXPECT_EQ(items[6].text, "xxxxxxxxxxxx");
            EXPECT_EQ(items[6].colour, 0xFFFFFF);
            continue;
        }
        ASSERT_EQ(items.size(), c.length ? 15u : 5u) << c.utilisation;
        const int greens[10] = {89, 108, 128, 164, 187, 230, 187, 164, 128, 108};
        for (int k = 0; c.length && k < 10; ++k) {
            const View_Area_Item& line = items[static_cast<std::size_t>(5 + k)];
            EXPECT_EQ(line.colour, greens[k] << 8) << c.utilisation << " row " << k;
            EXPECT_EQ(std::min(line.y1, line.y2), 41 + k);
            EXPECT_EQ(std::abs(line.x2 - line.x1), c.length) << c.utilisation;
        }
    }
}

TEST_F(UtilisationBar, ExportInfoLinesWhenTheFileIsThere) {
    Scratch_Dir dir;
    Set_Base_Path(dir.file("B001").c_str());
    int y = 30;
    Draw_Export_Info(area, 10, &y);
    EXPECT_EQ(y, 30);
    EXPECT_TRUE(Items().empty());
    Write_File(dir.file("B001.EXP"), "Rahmen 3\n\nStab 12\n");
    Draw_Export_Info(area, 10, &y);
    EXPECT_EQ(y, 30 + 22 + 2 * 18);
    ASSERT_EQ(Items().size(), 3u);
    EXPECT_EQ(Items()[0].text, "Schnittgrößenimport: Informationen zum exportierenden Bauteil:"_cp);
    EXPECT_EQ(Items()[2].text, "Stab 12");
}
