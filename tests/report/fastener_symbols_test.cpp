#include "report/fastener_symbols.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "report/plot_file.h"

namespace {

using Block = Quiet_Block;

TEST(Fastener_Symbol, TypeOutsideTheFamilyWritesGroupAndWidthOnly) {
    Block b;
    OLI_Draw_Fastener_Symbol(0, 8, 10, 50, 50, 20);
    EXPECT_EQ(b.out.since(), " 30\n 6 0.020000\n 31\n");
}

TEST(Fastener_Symbol, ShankWithAndWithoutItsEndMark) {
    Block b;
    OLI_Draw_Fastener_Symbol(0, 4, 8, 10, 20, 30);   // e = 10 + 30 + 4 = 44
    const std::string with_mark =
        " 30\n 6 0.020000\n 6 0.035000\n 38 0   0\n"
        " 1  6.000000 20.000000 44.000000 20.000000\n"
        " 1  8.000000 18.000000 8.000000 22.000000\n"
        " 1  42.000000 18.000000 42.000000 22.000000\n";
    EXPECT_EQ(b.out.since(), with_mark +
                                 " 1  42.000000 22.000000 44.000000 24.000000\n"
                                 " 1  44.000000 24.000000 44.960000 23.040000\n 31\n");
    OLI_Draw_Fastener_Symbol(0, 5, 8, 10, 20, 30);
    EXPECT_EQ(b.out.since(), with_mark + " 31\n");
}

TEST(Fastener_Symbol, PinWithAndWithoutItsMarkMirroredWhenYRunsDown) {
    Block b;
    OLI_Draw_Fastener_Symbol(0, 7, 10, 50, 50, 0);
    const std::string pin = b.out.since();
    EXPECT_EQ(Split_Lines(pin).size(), 9u);   // group, widths, cross, fill, dot, group end
    EXPECT_EQ(Lines_Starting(pin, " 20 ")[0], " 20  64");
    OLI_Draw_Fastener_Symbol(0, 6, 10, 50, 50, 0);
    const std::vector<std::string> marked = Lines_Starting(b.out.since(), " 1  ");
    ASSERT_EQ(marked.size(), 4u);
    EXPECT_EQ(marked[2], " 1  50.000000 50.000000 54.260000 54.260000");
    EXPECT_EQ(marked[3], " 1  54.260000 54.260000 55.460000 52.460000");
    Block m(1, true);
    OLI_Draw_Fastener_Symbol(0, 6, 10, 50, 50, 0);
    const std::vector<std::string> mirrored = Lines_Starting(m.out.since(), " 1  ");
    EXPECT_EQ(mirrored[2], " 1  50.000000 50.000000 54.260000 45.740000");
    EXPECT_EQ(mirrored[3], " 1  54.260000 45.740000 55.460000 47.540000");
}

TEST(Fastener_Symbol, HeadBandsAndCentreLine) {
    Block b;
    OLI_Draw_Fastener_Symbol(0, 0, 8, 20, 50, 0);
    const std::string text = b.out.since();
    // Washer, lower quarter (19), middle (11), upper quarter (1), centre line dash-dotted.
    const std::vector<std::string> fills = Lines_Starting(text, " 20 ");
    const std::vector<std::string> expected_fills = {" 20  1", " 20  19", " 20  11", " 20  1"};
    EXPECT_EQ(fills, expected_fills);
    const std::vector<std::string> areas = Lines_Starting(text, " 18 4 ");
    ASSERT_EQ(areas.size(), 4u);
    EXPECT_EQ(areas[0], " 18 4 16.000000 42.000000 20.000000 42.000000 20.000000 58.000000 "
                        "16.000000 58.000000 ");
    EXPECT_EQ(areas[1], " 18 4 12.000000 46.000000 16.000000 46.000000 16.000000 48.000000 "
                        "12.000000 48.000000 ");
    EXPECT_NE(text.find(" 6 0.015000\n 38 4 0.28 0.05 0.04 0.05 0\n"
                        " 1  4.000000 50.000000 24.000000 50.000000\n 31\n"),
              std::string::npos)
        << text;
    // With the fill switch clear the bands are not written and the patterns read 0.
    OLI_Set_Fill_Switch(0);
    OLI_Draw_Fastener_Symbol(0, 1, 8, 20, 50, 0);
    const std::string clear = b.out.since();
    EXPECT_EQ(Lines_Starting(clear, " 18 ").size(), 0u);
    OLI_Draw_Fastener_Symbol(0, 3, 8, 20, 50, 0);   // neither hexagon
    EXPECT_EQ(Lines_Starting(b.out.since(), " 18 ").size(), 0u);
    for (const std::string& f : Lines_Starting(clear, " 20 ")) EXPECT_EQ(f, " 20  0");
}

TEST(Hatched_Edge, BandBesideTheLineAndNoPlotArea) {
    Block b;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Draw_Hatched_Edge(0, 0, 10, 0, 2, 1);   // side 1: offset (0, 2)
    EXPECT_EQ(b.out.since(),
              " 30\n 6 0.000000\n 38 2 0.01 0.55 0\n 20  45\n"
              " 18 4 0.000000 0.000000 10.000000 0.000000 10.000000 2.000000 0.000000 2.000000 \n"
              " 31\n");
    // Strokes every 2 along x from (0, 0) to the band's end, each 1.41 d long at 135 degrees
    // (up and back), ending inside the band's extent.
    const std::string strokes = plot.since();
    EXPECT_EQ(Lines_Starting(strokes, "-area").size(), 0u);
    const std::vector<std::string> lines = Lines_Starting(strokes, "-line ");
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], "-line @1 ( @1 0.000000 0.000000 ) #2 0 0 1 0.0");
    EXPECT_EQ(Lines_Starting(strokes, "-point ")[0], "-point @2 -1.994041 1.994041");
    EXPECT_EQ(lines[5], "-line @6 ( @11 10.000000 0.000000 ) #12 0 0 1 0.0");
}

TEST(Hatched_Edge, NoWidthOrUnknownSideWritesNoStrokes) {
    Block b;
    Plot_Capture plot;
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "", nullptr);
    plot.set_mark();
    OLI_Draw_Hatched_Edge(0, 0, 10, 0, 2, 9);   // side 9: a band of no width
    EXPECT_EQ(b.out.since(),
              " 30\n 6 0.000000\n 38 2 0.01 0.55 0\n 20  45\n"
              " 18 4 0.000000 0.000000 10.000000 0.000000 10.000000 0.000000 0.000000 0.000000 \n"
              " 31\n");
    OLI_Draw_Hatched_Edge(0, 0, 10, 5, 0, 1);   // d = 0: both steps 0
    OLI_Draw_Hatched_Edge(0, 0, 10, 5, NAN, 1);
    EXPECT_EQ(Lines_Starting(plot.since(), "-line").size(), 0u);
}

TEST(Leader_Label, UnderlineSizedWithoutTrailingBlanksTextAsItStands) {
    Block b;
    OLI_Printf_Leader_Label(0, 0, 10, 5, 0.5, "%s  ", "Ab%cd");   // five characters and two blanks
    // xe = 10 + (0.5 + 5 * 0.5) = 13; the leader meets the near end (10, 5).
    EXPECT_EQ(b.out.since(),
              " 30\n 4 1\n 38 0   0\n"
              " 1  0.000000 0.000000 10.000000 5.000000\n"
              " 1  10.000000 5.000000 13.000000 5.000000\n"
              " 14 0.000000 0\n 10 10.300000 5.100000 10.300000 5.100000 225 «Ab%cd»\n 31\n"_cp);
    // From the right the leader meets the far end and the text ends there.
    OLI_Printf_Leader_Label(20, 0, 10, 5, 0.5, "Abcde");
    const std::vector<std::string> lines = Split_Lines(b.out.since());
    EXPECT_EQ(lines[3], " 1  20.000000 0.000000 13.000000 5.000000");
    EXPECT_EQ(lines[6], " 10 12.700000 5.100000 12.700000 5.100000 228 " + std::string("«Abcde»"_cp));
}

TEST(Level_Label, TriangleUnlessNoMarker) {
    Block b;
    OLI_Printf_Level_Label(0, 0, 10, 5, 0, 0.5, "+%d", 12);
    const std::string marked = b.out.since();
    // n = 3: xe = 10 + 5 * 0.41 = 12.05; the triangle at xm = 10 + 1.44 on the text line 5.1.
    EXPECT_NE(marked.find(" 1  10.000000 5.000000 12.050000 5.000000\n"), std::string::npos);
    EXPECT_NE(marked.find(" 10 10.050000 5.100000 10.050000 5.100000 225 «+12»\n"_cp),
              std::string::npos);
    EXPECT_NE(marked.find(" 20  1\n 18 3 11.440000 5.100000 11.940000 5.100000 11.440000 5.600000 \n"
                          " 4 2\n"),
              std::string::npos)
        << marked;
    OLI_Printf_Level_Label(0, 0, 10, 5, 1, 0.5, "+%d", 12);
    const std::string bare = b.out.since();
    EXPECT_EQ(Lines_Starting(bare, " 18").size(), 0u);
    EXPECT_EQ(Split_Lines(bare).back(), " 31");
    EXPECT_EQ(Split_Lines(bare)[Split_Lines(bare).size() - 2], " 20  1");
}

}  // namespace
