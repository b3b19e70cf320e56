// Widths of texts in a given font, with the current font left as it was.
#include "common/text_width.h"

#include <gtest/gtest.h>

#include "platform/host/screen_fonts.h"
#include "platform/screen_picture.h"

TEST(TextWidthInFont, MeasuresInTheFontAndKeepsTheCurrentOne) {
    Open_White_Screen(64, 32);
    Init_RFont();
    Pop_RFont(0x1002);   // 5 px a character
    struct Case {
        int font, width;
    };
    for (const Case& c : {Case{0, 24}, Case{0x1000, 18}, Case{0x1001, 24}, Case{0x1002, 15}}) {
        EXPECT_EQ(Get_Text_Width_In_Font("Abc", c.font), c.width) << c.font;
        EXPECT_EQ(Host_Current_Font(), 0x1002) << c.font;
    }
    EXPECT_EQ(Get_Text_Width_In_Font(nullptr, 0), 0);
    EXPECT_EQ(Host_Current_Font(), 0x1002);
    EXPECT_EQ(Get_Text_Width("Abc"), 15);
    Push_RFont();
}
