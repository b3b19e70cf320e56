// Number fields with step arrows and the engraved texts and rules of the host stand-in's sheets,
// driven by headless scripts.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/host/host_headless.h"
#include "platform/host_demo_sheet.h"
#include "platform/screen_picture.h"

namespace {

// A sheet over the whole 400 x 300 screen with a break button at (300, 240) of code 3; the button's
// handle.
int Open_Field_Sheet() {
    Host_Open_Screen(400, 300);
    Init_Prop_Sheets();
    Define_Prop_Sheet(0, 0, 399, 299, 1, 0, "Felder", 0, 1);
    return Add_Single_Button_to_PS(300, 240, 1, 3, nullptr, SYMBOLIC_BREAK_RASTER, nullptr);
}

std::vector<int> Codes_Until_Break() {
    std::vector<int> codes;
    for (int k = 0; k < 20; ++k) {
        const int code = Edit_Prop_Sheet();
        codes.push_back(code);
        if (code == 3 || code == 0) break;
    }
    return codes;
}

using Pixel_Set = std::set<std::pair<int, int>>;

Pixel_Set Pixels_Of(int colour, int x1, int y1, int x2, int y2) {
    Pixel_Set set;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x)
            if (Host_Pixel(x, y) == colour) set.insert({x, y});
    return set;
}

}  // namespace

TEST(HostNumberField, EditedInPlaceAndSteppedWithinItsRangeEachEndingTheSheetWithItsCode) {
    // Field of 3 characters at (50, 60): box 50..90 x 60..80, arrows 92..103 x 60..69 (up) and
    // 71..80 (down).
    double count = 4;
    const Headless_Run_Result run = Run_Headless(
        "click 60 70\ntype \"120\"\nkey Enter\n"   // typed past the range: 99
        "click 97 64\n"                            // up at the top: stays 99
        "click 97 75\nclick 97 75\n"               // down twice: 97
        "click 60 70\ntype \"-5\"\nkey Esc\n"      // Esc keeps 97, yet the field reports
        "click 300 250\n",
        [&] {
            Open_Field_Sheet();
            const int field = Add_Float_to_PS(50, 60, 3, "%3.0f", 1, 10, &count);
            EXPECT_EQ(Add_SingleStep_to_Float(field, 99, 1, 0), 0);   // the range in any order
            Set_Prop_Sheet_Edit_Float_Auto_Mode();
            Activate_Prop_Sheet();
            EXPECT_EQ(Codes_Until_Break(), (std::vector<int>{10, 10, 10, 10, 10, 3}));
            return 0;
        });
    EXPECT_DOUBLE_EQ(count, 97);
    // The last drawn value of the field, in black, at (58, 74).
    const std::size_t last = run.trace.rfind(" 58 74 0 ");
    ASSERT_NE(last, std::string::npos) << run.trace;
    EXPECT_EQ(run.trace.substr(last, run.trace.find('\n', last) - last), " 58 74 0 0,0,0 \" 97\"");
}

TEST(HostNumberField, WithoutCodeTheSheetGoesOnAndAGreyedFieldTakesNoClick) {
    double free_value = 1.5, greyed = 2.5;
    Run_Headless(
        "click 60 70\ntype \"3,25\"\nkey Enter\n"   // edited; no code, so the sheet waits on
        "click 60 130\ntype \"9\"\n"                // greyed: no editor opens, the key goes to the sheet
        "click 300 250\n",
        [&] {
            const int button = Open_Field_Sheet();
            Add_Float_to_PS(50, 60, 6, "%6.2f", 1, 0, &free_value);
            const int grey = Add_Float_to_PS(50, 120, 6, "%6.2f", -1, 11, &greyed);
            Set_Prop_Sheet_Edit_Float_Auto_Mode();
            Activate_Prop_Sheet();
            EXPECT_EQ(Add_SingleStep_to_Float(button, 0, 1, 10), -1);   // a button is no field
            // Neither field ends the wait: the first code is the break button's.
            EXPECT_EQ(Codes_Until_Break(), (std::vector<int>{3}));
            // The greyed field shows its value in grey on the face colour.
            EXPECT_EQ(Host_Pixel(52, 122), 0xD4D0C8);
            EXPECT_FALSE(Pixels_Of(0x808080, 58, 125, 105, 137).empty());
            EXPECT_TRUE(Pixels_Of(0x000000, 58, 125, 105, 137).empty());
            Change_Activity_PS(grey, 1);   // active again: black on white
            EXPECT_EQ(Host_Pixel(52, 122), 0xFFFFFF);
            EXPECT_FALSE(Pixels_Of(0x000000, 58, 125, 105, 137).empty());
            return 0;
        });
    EXPECT_DOUBLE_EQ(free_value, 3.25);
    EXPECT_DOUBLE_EQ(greyed, 2.5);
}

TEST(HostNumberField, GuardsWithoutSheetValueOrNumber) {
    double v = 1;
    Host_Open_Screen(400, 300);
    Init_Prop_Sheets();
    EXPECT_EQ(Add_Float_to_PS(10, 10, 3, "%3.0f", 1, 5, &v), -1);   // no sheet
    Define_Prop_Sheet(0, 0, 399, 299, 0, 0, "", 0, 1);
    EXPECT_EQ(Add_SingleStep_to_Float(-1, 0, 1, 2), -1);
    double outside = 150;
    const int field = Add_Float_to_PS(10, 10, 3, "%3.0f", 1, 5, &outside);
    Add_SingleStep_to_Float(field, 0, 1, 99);
    EXPECT_DOUBLE_EQ(outside, 99);   // taken into the range at once
    double nan = std::numeric_limits<double>::quiet_NaN();
    Add_SingleStep_to_Float(Add_Float_to_PS(10, 40, 3, "%3.0f", 1, 5, &nan), 2, 1, 9);
    EXPECT_DOUBLE_EQ(nan, 2);
    Add_Float_to_PS(10, 70, 3, nullptr, 1, 5, nullptr);   // no value and no format: drawn empty
    Activate_Prop_Sheet();
    Exit_Prop_Sheets();
}

TEST(HostSheetTexts, StyleTwoLaysAWhiteCopyOneRightAndDownUnderTheBlackText) {
    Run_Headless("", [] {
        Open_Field_Sheet();
        Draw_Funny_Text_to_PS(40, 60, "d 12 =", 0, 0);
        Draw_Funny_Text_to_PS(40, 100, "d 12 =", 0, 2);
        return 0;
    });
    const Pixel_Set plain_black = Pixels_Of(0x000000, 30, 40, 120, 70);
    const Pixel_Set plain_white = Pixels_Of(0xFFFFFF, 30, 40, 120, 70);
    EXPECT_FALSE(plain_black.empty());
    EXPECT_TRUE(plain_white.empty());
    Pixel_Set black, white;
    for (const auto& [x, y] : Pixels_Of(0x000000, 30, 80, 120, 110)) black.insert({x, y - 40});
    for (const auto& [x, y] : Pixels_Of(0xFFFFFF, 30, 80, 120, 110)) white.insert({x, y - 40});
    EXPECT_EQ(black, plain_black);
    Pixel_Set expected_white;
    for (const auto& [x, y] : plain_black)
        if (!plain_black.count({x + 1, y + 1})) expected_white.insert({x + 1, y + 1});
    EXPECT_EQ(white, expected_white);
}

TEST(HostSheetTexts, RuleIsOneDarkPixelWideWhateverTheStyleAndTraced) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_Field_Sheet();
        Draw_Funny_Line_to_PS(4, 80, 200, 203, 200);
        Draw_Funny_Line_to_PS(1, 60, 100, 60, 110);
        return 0;
    });
    EXPECT_EQ(Pixels_Of(0x404040, 0, 195, 398, 205).size(), 124u);
    EXPECT_EQ(Host_Pixel(80, 200), 0x404040);
    EXPECT_EQ(Host_Pixel(203, 200), 0x404040);
    EXPECT_EQ(Pixels_Of(0x404040, 50, 90, 70, 120).size(), 11u);
    EXPECT_EQ(Trace_Lines(run.trace, {"rule"}), "rule 80,200 203,200\nrule 60,100 60,110\n");
}
