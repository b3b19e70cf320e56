// Remark lists: slots, the list styles, the column kinds and the framed forms.
#include "report/remark_lists.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "report/headings.h"
#include "report/layout_operations.h"
#include "report/older_paragraphs.h"
#include "report/report_capture.h"
#include "report/row_form.h"

namespace {

std::string Caption_Block(const std::string& line) {
    return "\n#SHOWPARA\n0x0\n3\n-1\n " + line + "\n#END_OF_TEXT\n0x0\n-1\n";
}

// A remark, its continuation, a blank line and a second remark.
void Fill_Kind_One(int list) {
    OLI_Clear_Remark_List(list);
    EXPECT_EQ(OLI_Add_Remark(list, "%s", "erste"), 5);
    EXPECT_EQ(OLI_Add_Remark(list, "+%s", "weiter"), 7);
    EXPECT_EQ(OLI_Add_Remark(list, "%s", "  "), 1);   // the first blank line
    EXPECT_EQ(OLI_Add_Remark(list, "zweite"), 7);
}

void Page_Margins() {
    Chapter_State.left_margin = 0.0f;
    Chapter_State.right_margin = 0.0f;
}

}  // namespace

TEST(RemarkLists, AHundredSlotsAndNoMore) {
    OLI_Clear_Remark_List(0);
    for (int k = 0; k < Remark_Slots; ++k) ASSERT_GE(OLI_Add_Remark(0, "Zeile %d", k), 0) << k;
    EXPECT_EQ(OLI_Add_Remark(0, "zu viel"), -1);
    EXPECT_EQ(OLI_Remark_Count(0), 100);
    EXPECT_STREQ(OLI_Get_Remark(0, 99), "Zeile 99");
    EXPECT_STREQ(OLI_Get_Remark(0, 100), "?????");
    EXPECT_STREQ(OLI_Get_Remark(0, -1), "?????");
    EXPECT_STREQ(OLI_Get_Remark(11, 0), "?????");
    EXPECT_EQ(OLI_Add_Remark(11, "x"), -1);
    EXPECT_EQ(OLI_Remark_List_Active(-1), 0);

    // A line is cut to 299 characters.
    OLI_Clear_Remark_List(0);
    EXPECT_EQ(OLI_Add_Remark(0, "%s", std::string(400, 'x').c_str()), 299);

    // Dropping takes lines off the end; the counts follow.
    Fill_Kind_One(0);
    OLI_Drop_Remarks(0, 0);
    OLI_Drop_Remarks(0, -2);
    EXPECT_EQ(OLI_Remark_Count(0), 4);
    OLI_Drop_Remarks(0, 2);
    EXPECT_EQ(OLI_Remark_Count(0), 2);
    EXPECT_STREQ(OLI_Get_Remark(0, 1), "+weiter");
    OLI_Drop_Remarks(0, 9);
    EXPECT_EQ(OLI_Remark_Count(0), 0);

    // A written list is inactive.
    Report_Of([](FILE* f) { OLI_Write_Remark_List(0, 0, f); });
    EXPECT_EQ(OLI_Remark_List_Active(0), 0);
    EXPECT_EQ(OLI_Add_Remark(0, "x"), -1);
    EXPECT_STREQ(OLI_Get_Remark(0, 0), "?????");
}

TEST(RemarkLists, EachStyleOfAPlainList) {
    const std::string head = "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n";
    const struct {
        int style;
        std::string written;
    } cases[] = {
        {0, head + " erste\n +weiter\n \n zweite\n#END_OF_TEXT\n"},
        {1, head + " ╬/o╬r erste\n   weiter\n \n ╬/o╬r zweite\n#END_OF_TEXT\n"_cp},
        {2, head + "  1 erste\n    weiter\n \n  4 zweite\n#END_OF_TEXT\n"},
        {3, head + " >>> erste !\n     weiter !\n \n >>> zweite !\n#END_OF_TEXT\n"},
        {4, Caption_Block("erste") + Caption_Block("") + Caption_Block("zweite")},
    };
    OLI_Set_Caption_Switch(1);
    for (const auto& c : cases) {
        Fill_Kind_One(1);
        EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Write_Remark_List(1, c.style, f); }), c.written) << c.style;
    }
    OLI_Clear_Remark_List(1);
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Write_Remark_List(1, 0, f); }), head + "#END_OF_TEXT\n");
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Write_Remark_List(1, 0, f); }), "");   // inactive now
}

TEST(RemarkLists, TwoColumnsInARowForm) {
    OLI_Set_Cell_Font(7);
    OLI_Clear_Remark_List_2(2, 0, 6);
    EXPECT_EQ(OLI_Add_Remark(2, "a"), 1);
    EXPECT_EQ(OLI_Add_Remark(2, "b"), 34);   // 1 + 6 cm / 0.18 cm
    EXPECT_EQ(OLI_Add_Remark(2, "%s", ""), 1);
    EXPECT_EQ(OLI_Add_Remark(2, "c"), 34);
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Write_Remark_List(2, 0, f); }),
              "\n#SHOWPARA\n0x40\n7\n0x0 1\n2 6\n-1\n a╬tb\n"
              "#END_OF_TEXT\n0x1004\n2 0.19\n0x40\n7\n0x0 1\n2 6\n-1\n c\n"
              "#END_OF_TEXT\n0x0\n-1\n"_cp);
    // The kind is back to 1.
    OLI_Clear_Remark_List(2);
    OLI_Add_Remark(2, "d");
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Write_Remark_List(2, 0, f); }),
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n d\n#END_OF_TEXT\n");
}

TEST(RemarkLists, FramedListInAGraphicBlock) {
    Page_Margins();
    OLI_Free_All_Positions();
    OLI_Clear_Remark_List(3);
    OLI_Add_Remark(3, "Hinweis");
    OLI_Add_Remark(3, " ");
    // Height: (1 + 0.8) x 0.38 + 1 blank line x 0.38.
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Remark_List(f, 3, 5); }),
              "#LAYOUT reserveSpaceCM 1.564\n"
              "#LAYOUT storeYPosition 0\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 5.000000 0.000000 1.064000\n"
              " 1  0.000000 0.000000 0.000000 1.064000\n"
              " 1  0.000000 1.064000 5.000000 1.064000\n"
              " 1  5.000000 1.064000 5.000000 0.000000\n"
              " 1  5.000000 0.000000 0.000000 0.000000\n"
              " -1\n"
              "#LAYOUT restoreYPosition 0\n"
              "#LAYOUT setYPositionCM 1 0.19\n"
              "#LAYOUT setMarginsCM 1 0.3 0\n"
              "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n Hinweis\n \n#END_OF_TEXT\n"
              "#LAYOUT setMarginsCM 1 0 0\n");
    EXPECT_EQ(OLI_Store_Position(nullptr), -1);
}

TEST(RemarkLists, FramedTableVariantWithoutAFreeSlotAndTheWidestWidth) {
    Page_Margins();
    Report_Capture slots;
    OLI_Free_All_Positions();
    for (int k = 0; k < Position_Slots; ++k) OLI_Store_Position(slots.stream);
    OLI_Set_Caption_Switch(0);
    OLI_Clear_Remark_List_3(4, 0, 4, 8);
    OLI_Clear_Remark_List(4);   // the kind stays 3
    for (const char* line : {"a", "b", "c", "d"}) OLI_Add_Remark(4, "%s", line);
    OLI_Set_Cell_Font(7);
    testing::internal::CaptureStdout();
    // Two rows of three columns: (2 + 0.8) x 0.286; the widest line is "c" in the third column,
    // 1 + 8 cm / 0.18 cm = 45 characters of 0.18 cm.
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Print_Remark_List_Table(f, 4, -1); }),
              "#LAYOUT reserveSpaceCM 1.3008\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0.000000 8.100000 0.000000 0.800800\n"
              " 1  0.000000 0.000000 0.000000 0.800800\n"
              " 1  0.000000 0.800800 8.100000 0.800800\n"
              " 1  8.100000 0.800800 8.100000 0.000000\n"
              " 1  8.100000 0.000000 0.000000 0.000000\n"
              " -1\n"
              "#LAYOUT setYPositionCM 1 0.19\n"
              "#LAYOUT setMarginsCM 1 0.3 0\n"
              "\n#SHOWPARA\n0x40\n7\n0x0 2\n2 4\n2 8\n-1\n a╬tb╬tc\n d\n#END_OF_TEXT\n0x0\n-1\n"
              "#LAYOUT setMarginsCM 1 0 0\n"_cp);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");
    EXPECT_EQ(OLI_Get_Caption_Switch(), 0);   // forced on for the call only

    // Kind 1 in the table variant: caption lines, "+" lines left out, the switch on for the call.
    OLI_Free_All_Positions();
    OLI_Clear_Remark_List(5);
    OLI_Add_Remark(5, "Achtung");
    OLI_Add_Remark(5, "+fort");
    const std::string written = Report_Of([](FILE* f) { OLI_Print_Remark_List_Table(f, 5, 3); });
    EXPECT_NE(written.find("#LAYOUT setMarginsCM 1 0.3 0\n" + Caption_Block("Achtung") + "#LAYOUT setMarginsCM 1 0 0\n"),
              std::string::npos)
        << written;
    EXPECT_EQ(written.find("fort"), std::string::npos);
    OLI_Set_Caption_Switch(1);
    OLI_Free_All_Positions();
}
