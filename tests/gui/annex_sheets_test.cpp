// The annex selection sheet and the warning for a missing annex, run headless on scripts over a
// scratch annex folder with two user annexes beside the shipped built-in ones.
#include "gui/annex_selection_sheet.h"
#include "gui/annex_warning_sheet.h"

#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "annex/annex_choice.h"
#include "annex/annex_list.h"
#include "annex/annex_record.h"
#include "annex/annex_test_support.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "gui/screen_dump.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "gui/sheet_trace.h"
#include "sketches/screen_palette.h"

namespace {

const std::string Shipped_Data = std::string(BASIS_SOURCE_DIR) + "/host/DATA";
// 27 characters, the most an annex name holds: 216 px in the 8-px list font, so the list shortens
// it to 19 and "..." (176 px).
const std::string Long_Name = "Ingenieurbuero Nord und Par";

struct Sheet_Run {
    int result = -1;
    std::string trace;   // sheets, codes, texts and the editor's absence
};

// The shipped built-in annexes in DATA, user annexes "Büro Nord" (country type 5) and the long name
// (type 7) in a scratch DRAM, a scratch EXEC, a 1024 x 768 screen.
struct AnnexSheets : ::testing::Test {
    Annex_Folders f;
    void SetUp() override {
        setenv("DATA", Shipped_Data.c_str(), 1);
        std::filesystem::create_directories(f.dram + "/NADS");
        Write_Annex_File(f.dram + "/NADS/1.NAD", *Default_Record(5, To_Cp437("Büro Nord").c_str(), 0));
        Write_Annex_File(f.dram + "/NADS/2.NAD", *Default_Record(7, Long_Name.c_str(), 0));
        Refresh_Mode = 0;
        NAD_Set_Annex_By_Name("Deutschland");
    }

    template <typename Body>
    Sheet_Run Run(const std::string& script, Body body) {
        Sheet_Run run;
        const Headless_Run_Result headless = Run_Headless(script, [&] {
            Host_Open_Screen(1024, 768);
            Init_Prop_Sheets();
            Init_Screen_Palette();
            Release_All_View_Areas();
            run.result = body();
            Release_All_View_Areas();
            Exit_Prop_Sheets();
            Exit_Grafik_Mode();
            return 0;
        });
        run.trace = Trace_Lines(headless.trace, {"sheet", "text", "annex"});
        return run;
    }
    Sheet_Run Select(const std::string& script) { return Run(script, [] { return NAD_Show_Selection_Sheet(); }); }

    // Points of the selection sheet where it stands now (a run without input finds it, as it
    // reopens where it was left): list rows from (12, 60) of the sheet, 25 px apart from 5.
    struct Points {
        Traced_Sheet r;
        std::string row(int i) const { return Click(r.x1 + 12 + 100, r.y1 + 60 + 5 + 25 * i + 12); }
        std::string ok() const { return Click(r.x1 + 250 + 15, r.y1 + 261 + 11); }
        std::string cancel() const { return Click(r.x1 + 16 + 15, r.y1 + 261 + 11); }
        std::string edit() const { return Click(r.x1 + 12 + 251 + 4, r.y1 + 35 + 7 + 3); }
    };
    Points Find_Selection_Sheet() {
        const std::string active = NAD_Get_Active_Name();
        Points p{Defined_Sheet(Select("").trace)};
        NAD_Set_Annex_By_Name(active.c_str());
        return p;
    }
};

// The list of a sheet's area: one row of flag and name per annex, 25 px apart; the built-in names
// in blue, the active row framed on white, long names shortened.
TEST_F(AnnexSheets, ListRowsFlagsAndNames) {
    Run("", [] {
        NAD_List_Annexes();
        NAD_Set_Active_Name(To_Cp437("Büro Nord").c_str());
        Define_Prop_Sheet(0, 0, 1023, 767, 0, 0, "Seite", 0, 1);
        const int area = Create_Scrollable_View_Area(100, 100, 400, 300, 0, 1);
        NAD_Paint_Annex_List(area);
        std::string rows;
        for (const View_Area_Item& it : View_Area_Of(area)->items) {
            switch (it.kind) {
                case View_Item_Kind::Filled_Rectangle:
                    rows += "white " + std::to_string(it.y1) + "-" + std::to_string(it.y2) + "\n";
                    EXPECT_EQ(it.colour, 0xFFFFFF);
                    break;
                case View_Item_Kind::Painter_Box:
                    rows += "flag " + std::to_string(*static_cast<int*>(it.data)) + " at " + std::to_string(it.x1) + "," +
                            std::to_string(it.y1) + "\n";
                    break;
                case View_Item_Kind::Text:
                    rows += "name " + std::to_string(it.x1) + "," + std::to_string(it.y1) + " " + it.text +
                            (it.colour == Nearest_RGB_Color(0, 100, 150) ? " (blue)" : "") + "\n";
                    break;
                case View_Item_Kind::Hot_Spot:
                    rows += "spot " + std::to_string(it.y1) + "-" + std::to_string(it.y2) + " = " + std::to_string(it.own_value) + "\n";
                    break;
                default: break;
            }
        }
        EXPECT_EQ(rows, "flag 19 at 5,7\n"
                        "name 37,19 EC-Standardparameter (blue)\n"
                        "spot 4-28 = 1\n"
                        "flag 18 at 5,32\n"
                        "name 37,44 Deutschland (blue)\n"
                        "spot 29-53 = 2\n"
                        "white 54-78\n"
                        "flag 5 at 5,57\n"
                        "name 37,69 " + To_Cp437("Büro Nord") + "\n"
                        "spot 54-78 = 3\n"
                        "flag 7 at 5,82\n"
                        "name 37,94 " + Long_Name.substr(0, 19) + "...\n"
                        "spot 79-103 = 4\n");
        Release_View_Area(area);
        return 0;
    });
}

// A click chooses; OK prepares the chosen annex, break the annex of entry.
TEST_F(AnnexSheets, OkTakesTheChoiceBreakRestoresTheEntry) {
    const Points p = Find_Selection_Sheet();
    const Sheet_Run ok = Select(p.row(0) + p.ok());
    EXPECT_STREQ(NAD_Get_Active_Name(), "EC-Standardparameter");
    EXPECT_EQ(ok.result, NAD_Prepare_Active_Annex());
    EXPECT_NE(ok.trace.find("\"Nationale Anwendungsdokumente\""), std::string::npos);

    const Sheet_Run other = Select(p.row(2) + p.ok());
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    EXPECT_EQ(other.result, 1);   // its annex file was read

    const std::string ways[] = {p.cancel(), "key Esc\n"};
    for (const std::string& way : ways) {
        SCOPED_TRACE(way);
        Select(p.row(1) + way);
        EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    }
}

TEST_F(AnnexSheets, SelectionSheetReopensWhereItWasLeft) {
    const Points p = Find_Selection_Sheet();
    EXPECT_EQ(p.r.x2 - p.r.x1, 290);
    EXPECT_EQ(p.r.y2 - p.r.y1, 289);
    Select("drag " + std::to_string(p.r.x1 + 60) + " " + std::to_string(p.r.y1 + 10) + " " + std::to_string(p.r.x1 + 30) + " " +
           std::to_string(p.r.y1 + 40) + "\n" + "key Enter\n");
    const Traced_Sheet again = Defined_Sheet(Select("").trace);
    EXPECT_EQ(again.x1, p.r.x1 - 30);
    EXPECT_EQ(again.y1, p.r.y1 + 30);
}

// The edit button starts the annex editor on the active annex and waits for it; the list is read
// again afterwards, so an annex the editor wrote appears at once. Without an editor the sheet
// stays open and says so in the trace.
TEST_F(AnnexSheets, EditButtonRunsTheAnnexEditor) {
    const Points p = Find_Selection_Sheet();
    const Sheet_Run missing = Select(p.edit() + p.ok());
    EXPECT_NE(missing.trace.find("annex editor missing"), std::string::npos) << missing.trace;
    EXPECT_NE(missing.trace.find("code 2"), std::string::npos);   // OK still ends the sheet

    Write_Annex_File(f.dram + "/neu.NAD", *Default_Record(9, "Neuer Anhang", 0));
    const std::string editor = f.exec + "/Talvo-EC301/nad-editor";
    Write_File(editor, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + f.dram + "/argument\"\ncp \"" + f.dram + "/neu.NAD\" \"" + f.dram +
                           "/NADS/3.NAD\"\n");
    chmod(editor.c_str(), 0755);
    const Sheet_Run edited = Select(p.edit() + p.ok());
    EXPECT_EQ(Read_File(f.dram + "/argument"), "Deutschland");
    EXPECT_NE(edited.trace.find("\"Neuer Anhang\""), std::string::npos) << edited.trace;
    EXPECT_EQ(NAD_Find_List_Entry("Neuer Anhang"), 4);
}

// ---- the warning sheet ----

TEST_F(AnnexSheets, WarningNamesTheLostAndTheSubstitutedAnnex) {
    Install_Annex_Sheets();
    const std::string dump = f.dir.file("warnung.png");
    const std::string lost = To_Cp437("Gelöschter Anhang");
    const Sheet_Run run = Run("dump " + dump + "\nkey Enter\n", [&] { return NAD_Set_Annex_By_Name(lost.c_str()); });
    EXPECT_EQ(run.result, 0);
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
    const Traced_Sheet r = Defined_Sheet(run.trace);
    EXPECT_EQ(r.x2 - r.x1 + 1, 260);
    EXPECT_EQ(r.y2 - r.y1 + 1, 224);
    EXPECT_NE(run.trace.find("\"Warnung\""), std::string::npos);
    // The view area stands 10 px inside, below a 40-px title band; texts at their baselines.
    const int ax = r.x1 + 10, ay = r.y1 + 40;
    auto shown_at = [&](int x, int y, const std::string& text) {
        const std::string tail = " " + std::to_string(ax + x) + " " + std::to_string(ay + y) + " ";
        for (std::size_t at = run.trace.find(tail); at != std::string::npos; at = run.trace.find(tail, at + 1))
            if (run.trace.compare(run.trace.find('"', at), text.size() + 2, "\"" + text + "\"") == 0) return true;
        return false;
    };
    EXPECT_TRUE(shown_at(10, 20, "Das mit dem Programm verknüpfte NAD")) << run.trace;
    EXPECT_TRUE(shown_at(14, 38, "Gelöschter Anhang")) << run.trace;
    EXPECT_TRUE(shown_at(14, 113, "Deutschland")) << run.trace;
    EXPECT_TRUE(shown_at(10, 163, "bitte ein anderes NAD aus.")) << run.trace;
    // Both names stand on yellow bands.
    const Screen_Dump screen(dump);
    EXPECT_EQ(screen.pixel(ax + 200, ay + 30), 0xE8E800);
    EXPECT_EQ(screen.pixel(ax + 200, ay + 105), 0xE8E800);
}

// The picture button opens the selection; its result is the warning's result.
TEST_F(AnnexSheets, WarningOffersTheSelection) {
    Install_Annex_Sheets();
    const Points p = Find_Selection_Sheet();
    const std::string lost = To_Cp437("Gelöschter Anhang");
    const Traced_Sheet warning = Defined_Sheet(Run("key Enter\n", [&] { return NAD_Set_Annex_By_Name(lost.c_str()); }).trace);
    const std::string button = Click(warning.x1 + 10 + 173 + 20, warning.y1 + 40 + 124 + 20);
    const Sheet_Run run = Run(button + p.row(2) + p.ok(), [&] { return NAD_Set_Annex_By_Name(lost.c_str()); });
    EXPECT_NE(run.trace.find("\"Nationale Anwendungsdokumente\""), std::string::npos) << run.trace;
    EXPECT_EQ(std::string(NAD_Get_Active_Name()), To_Cp437("Büro Nord"));
    EXPECT_EQ(run.result, 1);
}

TEST_F(AnnexSheets, NoWarningOnTheBatchRoadOrForLocalDefinitions) {
    Install_Annex_Sheets();
    Refresh_Mode = 1;
    const Sheet_Run batch = Run("", [] { return NAD_Set_Annex_By_Name("Gelöschter Anhang"); });
    EXPECT_EQ(batch.trace.find("sheet define"), std::string::npos) << batch.trace;
    Refresh_Mode = 0;
    const Sheet_Run local = Run("", [] { return NAD_Set_Annex_By_Name("lokale Definitionen"); });
    EXPECT_EQ(local.trace.find("sheet define"), std::string::npos) << local.trace;
    EXPECT_STREQ(NAD_Get_Active_Name(), "Deutschland");
}

}  // namespace

// ---- the flags ----

// A flag copied from the shipped flag picture, its top left at x.
static std::string Flag_At(int x) {
    std::string rgb;
    for (int y = 0; y < 19; ++y)
        for (int dx = 0; dx < 25; ++dx) rgb += std::to_string(Host_Pixel(x + dx, y)) + ",";
    return rgb;
}

// Country numbers of 20 and more show the flag of a local definition; without DATA nothing is
// drawn.
TEST(AnnexFlags, CountryFlagsFromTheFlagPicture) {
    setenv("DATA", Shipped_Data.c_str(), 1);
    Host_Open_Screen(300, 40);
    NAD_Draw_Country_Flag(0, 0, 24, 18, 0, 17);
    NAD_Draw_Country_Flag(30, 0, 54, 18, 0, 25);
    NAD_Draw_Country_Flag(60, 0, 84, 18, 0, 18);
    int local = NAD_Country_Local;
    NAD_Paint_Annex_Flag(90, 0, 300, 40, &local);
    EXPECT_EQ(Flag_At(30), Flag_At(0));
    EXPECT_EQ(Flag_At(90), Flag_At(0));
    EXPECT_NE(Flag_At(60), Flag_At(0));

    unsetenv("DATA");
    const std::string blank = Flag_At(120);
    NAD_Draw_Country_Flag(120, 0, 144, 18, 0, 18);
    NAD_Paint_Annex_Flag(120, 0, 300, 40, &local);
    EXPECT_EQ(Flag_At(120), blank);
    Exit_Grafik_Mode();
}
