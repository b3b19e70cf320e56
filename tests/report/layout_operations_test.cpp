// Layout operations of the older report forms: the position slots, the margins, the moves counted
// in lines and the characters per line.
#include "report/layout_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "report/headings.h"
#include "report/report_capture.h"

namespace {

void Page_Margins(double left) {
    Chapter_State.left_margin = static_cast<float>(left);
    Chapter_State.right_margin = 0.0f;
}

}  // namespace

TEST(LayoutOperations, PositionSlotsRunFromZeroToNineAndAFreedSlotIsTakenFirst) {
    Report_Capture report;
    OLI_Free_All_Positions();
    for (int k = 0; k < Position_Slots; ++k) EXPECT_EQ(OLI_Store_Position(report.stream), k);

    testing::internal::CaptureStdout();
    EXPECT_EQ(OLI_Store_Position(report.stream), -1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Fehler in 'ioliwrt': Kein Positionierungsindex mehr frei!\n");

    OLI_Restore_Position(report.stream, 3);
    OLI_Restore_Position_Keep(report.stream, 5);
    OLI_Free_Position(12);   // outside the slots: nothing
    EXPECT_EQ(OLI_Store_Position(report.stream), 3);
    EXPECT_EQ(OLI_Store_Position(report.stream), -1);   // 5 was kept
    OLI_Free_Position(7);
    OLI_Restore_Position(report.stream, 7);             // freed before: no return to it
    EXPECT_EQ(OLI_Store_Position(nullptr), -1);         // a null stream takes no slot
    EXPECT_EQ(OLI_Store_Position(report.stream), 7);

    std::string expected;
    for (int k = 0; k < Position_Slots; ++k) expected += "#LAYOUT storeYPosition " + std::to_string(k) + "\n";
    expected += "#LAYOUT restoreYPosition 3\n#LAYOUT restoreYPosition 5\n#LAYOUT storeYPosition 3\n"
                "#LAYOUT storeYPosition 7\n";
    EXPECT_EQ(report.text(), expected);
    OLI_Free_All_Positions();
    EXPECT_EQ(OLI_Store_Position(report.stream), 0);
}

TEST(LayoutOperations, MovesAndReservesCountLinesOfTextAndOfTables) {
    Report_Capture report;
    Page_Margins(0);
    OLI_Move_Lines(report.stream, 2);
    OLI_Reserve_Lines(report.stream, 3);
    OLI_Reserve_Table_Lines(report.stream, 2);
    OLI_Move_CM(report.stream, -0.3);
    OLI_Set_Y_Position_4(report.stream);
    OLI_Set_Left_Margin(report.stream, 2.5);
    OLI_Set_Right_Margin(report.stream, 1);
    OLI_Move_Lines(nullptr, 1);          // a null stream: nothing, not even the remembered margin
    OLI_Set_Left_Margin(nullptr, 9);
    EXPECT_EQ(report.text(),
              "#LAYOUT setYPositionCM 1 0.76\n"
              "#LAYOUT reserveSpaceCM 1.14\n"
              "#LAYOUT reserveSpaceCM 0.572\n"
              "#LAYOUT setYPositionCM 1 -0.3\n"
              "#LAYOUT setYPositionCM 4 0\n"
              "#LAYOUT setMarginsCM 1 2.5 0\n"
              "#LAYOUT setMarginsCM 1 2.5 1\n");
    EXPECT_DOUBLE_EQ(OLI_Get_Left_Margin(), 2.5);
    EXPECT_DOUBLE_EQ(OLI_Get_Right_Margin(), 1.0);
}

TEST(LayoutOperations, CharactersPerLineFollowTheFontAndTheLeftMargin) {
    const struct {
        int font;
        double left;
        int characters;
    } cases[] = {
        {7, 0, 106}, {7, 8.5, 53}, {20, 0, 96}, {-1, 0, 96}, {4, 0, 96}, {2, 0, 165},
        {10, 0, 165}, {5, 8.5, 37},   // 36.5 rounds away from zero
        {3, 4.25, 94},                // 125 x 0.75 = 93.75
    };
    for (const auto& c : cases) {
        Page_Margins(c.left);
        EXPECT_EQ(OLI_Chars_Per_Line(c.font), c.characters) << c.font << " at " << c.left;
    }
    Page_Margins(0);
    OLI_Set_Line_Font(5);
    EXPECT_EQ(OLI_Chars_Per_Line_Current(), 73);
    EXPECT_EQ(OLI_Set_Line_Font(7), 7);
    EXPECT_EQ(OLI_Chars_Per_Line_Current(), 106);
}

TEST(LayoutOperations, TextWidthRefusesWidthsThatAreNotFiniteAndPositive) {
    for (double bad : {0.0, -3.0, double(NAN), double(INFINITY)}) EXPECT_EQ(OLI_Set_Text_Width(bad), 17.0) << bad;
    EXPECT_EQ(OLI_Set_Text_Width(8.5), 8.5);
    Page_Margins(4.25);
    EXPECT_EQ(OLI_Chars_Per_Line(7), 53);
    EXPECT_EQ(OLI_Set_Text_Width(17.0), 17.0);
    EXPECT_EQ(OLI_Get_Text_Width(), 17.0);
}

TEST(LayoutOperations, TrimmedLengthLeavesOutTrailingBlanks) {
    EXPECT_EQ(OLI_Text_Length_Trimmed("ab  "), 2);
    EXPECT_EQ(OLI_Text_Length_Trimmed("   "), 0);
}

TEST(LayoutOperations, ChapterNumbersAreSuppressedAndAllowedAgain) {
    OLI_Suppress_Chapter_Numbers();
    EXPECT_EQ(Chapter_State.no_numbers, 1);
    EXPECT_EQ(OLI_Get_Last_Chapter_Number(), nullptr);
    OLI_Allow_Chapter_Numbers();
    EXPECT_EQ(Chapter_State.no_numbers, 0);
}
