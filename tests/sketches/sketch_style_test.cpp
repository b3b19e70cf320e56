#include <gtest/gtest.h>

#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "sketches/sketch_style.h"

namespace {

// Opens a block on the capture and returns what Set_Sketch_Colour wrote.
std::string Colour_Lines(int index, int verbose) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 10, 10, 0, 1, 1, 0, nullptr);
    OLI_Set_Graphic_Verbose(verbose);
    out.set_mark();
    Set_Sketch_Colour(index);
    const std::string text = out.since();
    OLI_Set_Graphic_Verbose(1);
    return text;
}

TEST(SketchStyle, InitWritesTableIndexesAndFills) {
    Init_Sketch_Style();
    const Sketch_Style_Record& s = Sketch_Style;
    EXPECT_EQ(s.Plate_Fill, 59);
    EXPECT_EQ(s.Fastener_Fill, 34);
    EXPECT_EQ(s.Resin_Fill, 43);
    EXPECT_EQ(s.Washer_Fill, 26);
    EXPECT_EQ(s.Extra_Index_A, 1);
    EXPECT_EQ(s.Extra_Index_B, 0);
    EXPECT_EQ(s.Extra_Index_C, 13);
    struct Row { int index; int r, g, b; };
    const Row rows[] = {{s.Black, 0, 0, 0},        {s.White, 255, 255, 255}, {s.Grey, 110, 110, 110},
                        {s.Light_Red, 255, 100, 100}, {s.Red, 255, 50, 50},  {s.Light_Blue, 125, 125, 255},
                        {s.Blue, 30, 30, 255},     {s.Dark_Blue, 30, 30, 150}, {s.Light_Green, 100, 255, 100},
                        {s.Dark_Green, 0, 98, 0},  {s.Green, 30, 150, 30},  {s.Light_Yellow, 255, 255, 100},
                        {s.Yellow, 255, 255, 50},  {s.Brown, 128, 64, 0},   {s.Olive, 128, 128, 0},
                        {s.Light_Grey, 224, 224, 224}, {s.Slate, 72, 69, 126}, {s.Pale_Grey, 233, 233, 233},
                        {s.Off_White, 250, 250, 250},  {s.Violet, 165, 75, 165}, {s.Crimson, 171, 12, 36}};
    for (int i = 0; i < 21; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].index, i);   // the fields name the entries in table order
        int r = -1, g = -1, b = -1;
        EXPECT_EQ(Get_Sketch_Colour_RGB(rows[i].index, &r, &g, &b), 0);
        EXPECT_EQ(r, rows[i].r);
        EXPECT_EQ(g, rows[i].g);
        EXPECT_EQ(b, rows[i].b);
    }
}

TEST(SketchStyle, ReaderRefusesUndefinedAndOutsideEntries) {
    Init_Sketch_Style();
    struct Case { int index; int result; int r, g, b; };
    const Case cases[] = {{25, 1, 0, 0, 0}, {21, 1, 0, 0, 0}, {30, 1, 0, 0, 0},
                          {-1, 1, 0, 0, 0}, {20, 0, 171, 12, 36}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        int r = 7, g = 7, b = 7;
        EXPECT_EQ(Get_Sketch_Colour_RGB(c.index, &r, &g, &b), c.result);
        EXPECT_EQ(r, c.r);
        EXPECT_EQ(g, c.g);
        EXPECT_EQ(b, c.b);
    }
}

TEST(SketchStyle, ColourLineOnlyForDefinedEntriesInVerboseBlocks) {
    Init_Sketch_Style();
    struct Case { int index; int verbose; const char* lines; };
    const Case cases[] = {
        {0, 1, "50 0 0 0\n"}, {0, 0, ""},  {10, 1, "50 30 150 30\n"},
        {21, 1, ""},          {29, 1, ""}, {30, 1, ""}, {-1, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(Colour_Lines(c.index, c.verbose), c.lines);
    }
}

TEST(SketchStyle, SecondInitRestoresChangedFields) {
    Init_Sketch_Style();
    Sketch_Style.Blue = 2;
    Sketch_Style.Plate_Fill = 1;
    Sketch_Style.table[6] = {1, 2, 3};
    Sketch_Style.table[25] = {4, 5, 6};
    Set_Sketch_Extra_Indexes(7, 8);
    EXPECT_EQ(Sketch_Style.Extra_Index_A, 7);
    EXPECT_EQ(Sketch_Style.Extra_Index_B, 8);
    Init_Sketch_Style();
    EXPECT_EQ(Sketch_Style.Blue, 6);
    EXPECT_EQ(Sketch_Style.Plate_Fill, 59);
    EXPECT_EQ(Sketch_Style.Extra_Index_A, 1);
    EXPECT_EQ(Sketch_Style.Extra_Index_B, 0);
    int r, g, b;
    EXPECT_EQ(Get_Sketch_Colour_RGB(6, &r, &g, &b), 0);
    EXPECT_EQ(b, 255);
    EXPECT_EQ(Get_Sketch_Colour_RGB(25, &r, &g, &b), 1);
}

}  // namespace
