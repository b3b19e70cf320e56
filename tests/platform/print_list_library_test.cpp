#include "platform/printlist/print_list_library.h"

#include <gtest/gtest.h>

#include "common/cp437.h"
#include "common/host_bridge.h"
#include "test_support.h"

TEST(Print_List_Layout, EachCallWritesOneLayoutLine) {
    Register_Stdio_Table();
    Scratch_Dir dir;
    FILE* f = std::fopen(dir.file("r.OLI").c_str(), "w");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(OLI_setFlags(f, 0x380), 0);
    EXPECT_EQ(OLI_reserveSpaceCM(f, 16.0f), 0);
    EXPECT_EQ(OLI_setYPositionCM(f, 1, 0.254f), 0);
    EXPECT_EQ(OLI_setYPositionCM(f, 1, -0.19f), 0);
    EXPECT_EQ(OLI_setMarginsCM(f, 1, 12.0f, 0.0f), 0);
    EXPECT_EQ(OLI_storeYPosition(f, 1), 0);
    EXPECT_EQ(OLI_restoreYPosition(f, 1), 0);
    EXPECT_EQ(OLI_resetMaxMargin(f), 0);
    EXPECT_EQ(OLI_setBookmark(f, 0, "╬@1. Schraubenverbindung"_cp), 0);
    std::fclose(f);
    EXPECT_EQ(Read_File(dir.file("r.OLI")),
              "#LAYOUT setFlags 0x380\n"
              "#LAYOUT reserveSpaceCM 16\n"
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"
              "#LAYOUT setMarginsCM 1 12 0\n"
              "#LAYOUT storeYPosition 1\n"
              "#LAYOUT restoreYPosition 1\n"
              "#LAYOUT resetMaxMargin\n"
              "#LAYOUT setBookmark 0 \xAE\xCE@1. Schraubenverbindung\xAF\n");
    EXPECT_EQ(OLI_setFlags(nullptr, 0x380), 0);
}

TEST(Print_List_Text, DisplayLengthLeavesOutTheMarkup) {
    struct Case {
        const char* text;
        int length;
    } cases[] = {
        {"Schnitt A-A", 11},
        {"f╬\\y╬r", 2},                 // f, index y; both markups show nothing
        {"╬{C 1 230 0 0}rot╬{C 768}", 3},   // colour tags count nothing
        {"Maß", 3},
        {"╬", 0},                       // an escape at the very end
        {"╬{C 1", 0},                   // an unclosed tag ends the text
        {"", 0},
        {nullptr, 0},
    };
    for (const Case& c : cases) {
        const std::string text = c.text ? To_Cp437(c.text) : "";
        EXPECT_EQ(MT_String_Length(c.text ? text.c_str() : nullptr), c.length) << (c.text ? c.text : "null");
    }
}
