// The error list of a position: its bytes through adds, shows and copies into the report, the table
// sheet it is shown in, the page head, «» fields and the picture display.
#include "frame/error_list.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdio>
#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "platform/printlist/print_list_tables.h"
#include "test_support.h"

namespace {

const std::string Head = "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n";
const std::string End = "#END_OF_TEXT\n";

struct Error_List : ::testing::Test {
    Scratch_Dir dir;
    void SetUp() override {
        Set_Base_Path(dir.file("B001").c_str());
        std::snprintf(Report_File_Suffix, sizeof Report_File_Suffix, "_%02d.OLI", 3);
    }
    std::string List() { return Read_File(dir.file("B001.ERR")); }
    // Runs the body on a 1024 x 768 screen; the trace lines of the table sheet.
    std::string Shown(const std::function<void()>& body) {
        const Headless_Run_Result run = Run_Headless("", [&] {
            Host_Open_Screen(1024, 768);
            body();
            return 0;
        });
        return Trace_Lines(run.trace, {"oli"});
    }
};

}  // namespace

TEST_F(Error_List, ShownListEndsOnceAndKeepsMessagesAddedAfterTheShow) {
    FILE* list = Open_Error_List(".ERR");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(Add_Error_Line(list, 7, "Schraube fehlt"), 7);
    EXPECT_EQ(Add_Error_Line(list, 8, "Blech zu dünn"_cp), 8);
    const std::string first = Shown([&] { Show_Error_List(list); });
    std::fflush(list);
    EXPECT_EQ(List(), Head + " Schraube fehlt\n Blech zu dünn\n"_cp + End);
    EXPECT_EQ(first,
              "oli table \"Fehlermeldungen\" 5 5 1012 756 rows 2\n"
              "oli row \"Schraube fehlt\"\n"
              "oli row \"Blech zu dünn\"\n");

    // A second show adds no second end line; a message added after it is written at the end and
    // still shown with the table.
    Shown([&] { Show_Error_List(list); });
    std::fflush(list);
    EXPECT_EQ(List(), Head + " Schraube fehlt\n Blech zu dünn\n"_cp + End);
    Add_Error_Line(list, 9, "Naht zu kurz");
    const std::string third = Shown([&] { Show_Error_List(list); });
    std::fflush(list);
    EXPECT_EQ(List(), Head + " Schraube fehlt\n Blech zu dünn\n"_cp + End + " Naht zu kurz\n" + End);
    EXPECT_EQ(third,
              "oli table \"Fehlermeldungen\" 5 5 1012 756 rows 3\n"
              "oli row \"Schraube fehlt\"\n"
              "oli row \"Blech zu dünn\"\n"
              "oli row \"Naht zu kurz\"\n");

    // The copy into the report leaves the list's own end lines out and ends the block once.
    const std::string report = Capture_Output([&](FILE* f) { EXPECT_EQ(Append_Error_List(f, list), 0); });
    EXPECT_EQ(report, Head + " Schraube fehlt\n Blech zu dünn\n"_cp + " Naht zu kurz\n" + End);
    std::fclose(list);
}

TEST_F(Error_List, TableSheetGeometryAndColours) {
    Shown([] { EXPECT_EQ(Init_Error_Table_Colours(), 0); });
    const int* g = Error_Table_Geometry();
    const std::vector<int> geometry(g, g + 13);
    EXPECT_EQ(geometry, (std::vector<int>{512, 5, 5, 1012, 756, 508, 380, 0, 0, 0, 0, 0, 0}));
    int colours[OLI_Table_Colour_Count];
    ASSERT_EQ(OLI_getTableColors(colours), 0);
    EXPECT_EQ(colours[0], 0xF0F0F0);
    EXPECT_EQ(colours[1], 0xF0F0F0);
    EXPECT_EQ(colours[2], BUTTON_CI);
}

TEST_F(Error_List, FailedCheckLineWithAndWithoutList) {
    const std::string line = " ╬bDer Nachweis kann nicht geführt werden ==>╬r\n"_cp;
    EXPECT_EQ(Capture_Output([](FILE* f) { EXPECT_EQ(Append_Failed_Error_List(f, nullptr), 0); }), line + End);
    FILE* list = Open_Error_List(".ERR");
    ASSERT_NE(list, nullptr);
    Add_Error_Line(list, 1, "Loch zu nah am Rand");
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Append_Failed_Error_List(f, list), 0); }),
              line + End + Head + " Loch zu nah am Rand\n" + End);
    // The list is still written at its end after the copy.
    Add_Error_Line(list, 2, "zweite");
    std::fflush(list);
    EXPECT_EQ(List(), Head + " Loch zu nah am Rand\n zweite\n");
    std::fclose(list);

    EXPECT_EQ(Append_Failed_Error_List(nullptr, nullptr), 1);
    EXPECT_EQ(Append_Error_List(nullptr, list), 1);
    EXPECT_EQ(Add_Error_Line(nullptr, 42, "nirgends"), 42);
}

TEST_F(Error_List, PageHead) {
    FILE* report = Write_Page_Head("12", "Halle", 0);
    ASSERT_NE(report, nullptr);
    std::fclose(report);
    EXPECT_EQ(Read_File(dir.file("B001_03.OLI")),
              "#NEWPAGE\n#LAYOUT setFlags 0x380\n#LAYOUT setLayout 4115\n#CONTENTS\n POS. 12: Halle\n");
    report = Write_Page_Head("1", "Dach", 1);
    ASSERT_NE(report, nullptr);
    std::fclose(report);
    EXPECT_EQ(Read_File(dir.file("B001_03.OLI")), "#LAYOUT setFlags 0x380\n#LAYOUT setLayout 4115\n#CONTENTS\n POS. 1: Dach\n");
    Set_Base_Path(dir.file("missing/B001").c_str());
    EXPECT_EQ(Write_Page_Head("1", "Dach", 1), nullptr);
}

TEST(QuotedFields, ReadStaysInStepAndWriteAddsTheMarks) {
    const std::string long_text(150, 'x');
    struct Case {
        const char* name;
        std::string bytes;
        int result;
        std::string field;
        std::string next;   // the field read after it
    };
    const Case cases[] = {
        {"empty", "«»«b»", 0, "", "b"},
        {"after blanks", " \n «Halle 3» «b»", 0, "Halle 3", "b"},
        {"150 characters", "«" + long_text + "»«b»", 0, std::string(100, 'x'), "b"},
        {"no mark", "Halle «b»", 1, "", ""},
    };
    for (const Case& c : cases) {
        Text_Stream in(To_Cp437(c.bytes));
        char field[Quoted_Field_Size];
        EXPECT_EQ(Read_Quoted_Field(in.stream, field), c.result) << c.name;
        EXPECT_EQ(std::string(field), c.field) << c.name;
        if (c.result == 0) {
            char next[Quoted_Field_Size];
            EXPECT_EQ(Read_Quoted_Field(in.stream, next), 0) << c.name;
            EXPECT_EQ(std::string(next), c.next) << c.name;
        }
    }
    char field[Quoted_Field_Size];
    EXPECT_EQ(Read_Quoted_Field(nullptr, field), 1);
    EXPECT_EQ(Capture_Output([](FILE* f) { EXPECT_EQ(Write_Quoted_Line(f, "Halle"), 0); }), "«Halle»\n"_cp);
    EXPECT_EQ(Write_Quoted_Line(nullptr, "Halle"), 1);
}

TEST(ErrorBoxes, CodesAndTexts) {
    Clear_Host_Message_History();
    EXPECT_EQ(Show_Read_Error(), 101);
    EXPECT_EQ(Show_Write_Error(), 102);
    EXPECT_EQ(Show_Data_Error(), 103);
    Show_Message_Line("Eine Zeile");
    EXPECT_EQ(Host_Message_History(),
              (std::vector<std::string>{"Lesefehler !!!", "Schreibfehler !!!", "Datenfehler !!!", "Eine Zeile"}));
}

TEST(PictureOrPlot, PlotFileIsHandedToTheHostWithoutAPicture) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Host_Open_Screen(1024, 768);
        Show_Picture_Or_Plot("PLAN", 3, 4);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"rpc"}), "rpc file \"PLAN.RPC\" 3 4\n");

    // With the picture in the picture folder the plot file is not asked for.
    Scratch_Dir dir;
    Write_File(dir.file("PLAN.BMP"), "BM");
    std::snprintf(Picture_Folder, sizeof Picture_Folder, "%s", dir.path.c_str());
    const Headless_Run_Result with_picture = Run_Headless("", [] {
        Host_Open_Screen(1024, 768);
        Show_Picture_Or_Plot("PLAN", 3, 4);
        return 0;
    });
    Picture_Folder[0] = '\0';
    EXPECT_EQ(Trace_Lines(with_picture.trace, {"rpc"}), "");
}
