#include "report/plot_file.h"

#include <gtest/gtest.h>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_shapes.h"
#include "report/graphic_capture.h"

namespace {

struct Clip_Case {
    void (*set)(int);
    int Plot_File_State::*field;
    int value;
    int expected;
};

// With the colour count 5: pens 0 to 41, fillings 0 to 17 (negative: none), line types 0 to 3,
// fonts 0 to 11.
TEST(Plot_Setters, ClipToTheTables) {
    const Clip_Case cases[] = {
        {Plot_Set_Pen, &Plot_File_State::pen, -3, 0},
        {Plot_Set_Pen, &Plot_File_State::pen, 100, 41},
        {Plot_Set_Pen, &Plot_File_State::pen, 41, 41},
        {Plot_Set_Filling, &Plot_File_State::filling, -1, -1},
        {Plot_Set_Filling, &Plot_File_State::filling, -7, -1},
        {Plot_Set_Filling, &Plot_File_State::filling, 99, 17},
        {Plot_Set_Line_Type, &Plot_File_State::line_type, 7, 3},
        {Plot_Set_Line_Type, &Plot_File_State::line_type, -2, 0},
        {Plot_Set_Font, &Plot_File_State::font, 12, 11},
        {Plot_Set_Font, &Plot_File_State::font, 4, 4},
    };
    for (const Clip_Case& c : cases) {
        c.set(c.value);
        EXPECT_EQ(Plot_State.*c.field, c.expected) << c.value;
    }
}

// The whole colour header of a plot over (0, 0) to (100, 50) at scale 0.01: width 1, height 0.5,
// the scale 1:10000 and the offsets -0 in the coordinate line.
TEST(Plot_Open, ColourHeaderWholeFile) {
    Plot_Capture plot;
    Plot_Open(plot.stream, 0, 0, 100, 50, 0.01, 0, "Position %d", 12);
    Plot_Set_Layer(9);
    EXPECT_EQ(plot.close_and_read(),
              To_Cp437("zarn-Vistrel (1.0)A\nPosition 12\n1.000000 0.500000\n0\n\n"
                       "*TABLES\n"
                       "-colors 5\n 1  0 0 194\n 2  255 0 0\n 3  68 255 0\n 4  255 101 255\n"
                       " 5  255 255 0\n"
                       "-pens 42\n"
                       " 0  0.180000 0\n 1  0.200000 0\n 2  0.350000 0\n 3  0.500000 0\n"
                       " 4  0.750000 0\n 5  1.000000 0\n 6  0.020000 0\n"
                       " 7  0.180000 1\n 8  0.200000 1\n 9  0.350000 1\n 10  0.500000 1\n"
                       " 11  0.750000 1\n 12  1.000000 1\n 13  0.020000 1\n"
                       " 14  0.180000 2\n 15  0.200000 2\n 16  0.350000 2\n 17  0.500000 2\n"
                       " 18  0.750000 2\n 19  1.000000 2\n 20  0.020000 2\n"
                       " 21  0.180000 3\n 22  0.200000 3\n 23  0.350000 3\n 24  0.500000 3\n"
                       " 25  0.750000 3\n 26  1.000000 3\n 27  0.020000 3\n"
                       " 28  0.180000 4\n 29  0.200000 4\n 30  0.350000 4\n 31  0.500000 4\n"
                       " 32  0.750000 4\n 33  1.000000 4\n 34  0.020000 4\n"
                       " 35  0.180000 5\n 36  0.200000 5\n 37  0.350000 5\n 38  0.500000 5\n"
                       " 39  0.750000 5\n 40  1.000000 5\n 41  0.020000 5\n"
                       "-linetypes 4\n 0 0 1\n 1 1 0 2.0 1.0\n 2 2 0 3.0 1.0 1.0 1.0\n"
                       " 3 1 0 1.0 2.0\n"
                       "-fonts 12\n"
                       " 0 « 0.18  normal  » 0 0 1.800000 0.700000 3.000000 0.000000 1\n"
                       " 1 « 0.18  kursiv  » 0 0 1.800000 0.700000 3.000000 15.000000 1\n"
                       " 2 « 0.20  normal  » 0 0 2.000000 0.700000 3.000000 0.000000 1\n"
                       " 3 « 0.20  kursiv  » 0 0 2.000000 0.700000 3.000000 15.000000 1\n"
                       " 4 « 0.35  normal  » 0 1 3.500000 0.700000 3.000000 0.000000 1\n"
                       " 5 « 0.35  kursiv  » 0 1 3.500000 0.700000 3.000000 15.000000 1\n"
                       " 6 « 0.50  normal  » 0 0 5.000000 0.700000 3.000000 0.000000 1\n"
                       " 7 « 0.50  kursiv  » 0 0 5.000000 0.700000 3.000000 15.000000 1\n"
                       " 8 « 0.70  normal  » 0 1 7.000000 0.700000 3.000000 0.000000 1\n"
                       " 9 « 0.70  kursiv  » 0 1 7.000000 0.700000 3.000000 15.000000 1\n"
                       " 10 « 1.0   normal  » 0 1 10.000000 0.700000 3.000000 0.000000 1\n"
                       " 11 « 1.0   kursiv  » 0 1 10.000000 0.700000 3.000000 15.000000 1\n"
                       "-fillings 18\n"
                       " 0 -45.000000 1   0 1.000000 6 0\n"
                       " 1 45.000000 2   0 1.000000 6 0    1 1.000000 6 1 \n"
                       " 2 0.000000 1   0 0.010000 0 0\n"
                       " 3 -45.000000 1   0 1.000000 13 0\n"
                       " 4 45.000000 2   0 1.000000 13 0    1 1.000000 13 1 \n"
                       " 5 0.000000 1   0 0.010000 7 0\n"
                       " 6 -45.000000 1   0 1.000000 20 0\n"
                       " 7 45.000000 2   0 1.000000 20 0    1 1.000000 20 1 \n"
                       " 8 0.000000 1   0 0.010000 14 0\n"
                       " 9 -45.000000 1   0 1.000000 27 0\n"
                       " 10 45.000000 2   0 1.000000 27 0    1 1.000000 27 1 \n"
                       " 11 0.000000 1   0 0.010000 21 0\n"
                       " 12 -45.000000 1   0 1.000000 34 0\n"
                       " 13 45.000000 2   0 1.000000 34 0    1 1.000000 34 1 \n"
                       " 14 0.000000 1   0 0.010000 28 0\n"
                       " 15 -45.000000 1   0 1.000000 41 0\n"
                       " 16 45.000000 2   0 1.000000 41 0    1 1.000000 41 1 \n"
                       " 17 0.000000 1   0 0.010000 35 0\n"
                       "-coordinates 1\n"
                       " 0 «1:10000» 10000 0 -0.000000 -0.000000 0 0.0 0.0 0 0.0 0.0\n"
                       "-layers 5\n 0 «Folie 1» 1 1 «Schnitt»\n 1 «Folie 2» 1 1 «Bewehrung»\n"
                       " 2 «Folie 3» 1 1 «Vermaßung»\n 3 «Folie 4» 1 1 «Schraffur»\n"
                       " 4 «Folie 5» 1 1 «Texte»\n"
                       "*EOT\n\n"
                       "*ENTITIES\n-setcoorsys 0\n-setlayer 0\n"
                       "-setlayer 4\n"
                       "*EOI\n\n"));
    EXPECT_EQ(Plot_State.stream, nullptr);
}

TEST(Plot_Open, GreyHeaderTables) {
    Plot_Capture plot;
    Plot_State.colour_count = 7;
    Plot_Open_Grey(plot.stream, 0, 0, 100, 50, 0.01, 0, "%s", "Grau");
    EXPECT_EQ(Plot_State.colour_count, 5);
    const std::string text = plot.text();
    auto has = [&](const std::string& part) { return text.find(To_Cp437(part)) != std::string::npos; };
    EXPECT_TRUE(has("*TABLES\n-colors 5\n 1 100 100 100\n 2 133 133 133\n 3 165 165 165\n"
                    " 4  198 198 198\n 5  230 230 230\n-pens 43\n 0  0.180000 0\n"));
    EXPECT_TRUE(has(" 41  0.020000 5\n 42  0.0001 5\n\n-linetypes 5\n0 0 1\n1 1 0 2.0 1.0\n"
                    "2 2 0 3.0 1.0 0.5 1.0\n3 1 0 1.0 2.0\n4 1 0 0.1 20.0\n-fonts 12\n"
                    "  0 « 0.18  normal  » 0 0  1.800000 0.700000 3.000000 0.000000 1\n"
                    "  1 « 0.18  kursiv  » 0 0  1.800000 0.700000 3.000000 15.000000 1\n"));
    EXPECT_TRUE(has("  9 « 0.70  kursiv  » 0 1  7.000000 0.700000 3.000000 15.000000 1\n"
                    " 10 « 1.0   normal  » 0 1 10.000000 0.700000 3.000000 0.000000 1\n"
                    " 11 « 1.00  kursiv  » 0 1 10.000000 0.700000 3.000000 15.000000 1\n"
                    "-fillings 8\n 0 00.0 1 0 0.20000 2 0\n 1 00.0 1 0 0.20000 9 0\n"
                    " 2 00.0 1 0 0.20000 16 0\n 3 00.0 1 0 0.20000 23 0\n"
                    " 4 00.0 1 0 0.20000 30 0\n 5 00.0 1 0 0.20000 37 0\n"
                    " 6 0.000000 1   0 1.000000 1 0\n 7 0.000000 1   0 10000.000000 1 4\n"
                    "-coordinates 1\n"));
}

TEST(Plot_Open, MoreColoursAddGreyLinesAndTableRows) {
    Plot_Capture plot;
    Plot_State.colour_count = 7;
    Plot_Open(plot.stream, 0, 0, 10, 10, 1, 0, "x");
    const std::string text = plot.text();
    EXPECT_NE(text.find(" 5  255 255 0\n6  20 20 20\n7  40 40 40\n-pens 56\n"), std::string::npos);
    EXPECT_NE(text.find(" 55  0.020000 7\n-linetypes"), std::string::npos);
    EXPECT_NE(text.find("-fillings 24\n"), std::string::npos);
    Plot_Set_Pen(100);
    EXPECT_EQ(Plot_State.pen, 55);
}

TEST(Plot_Open, TurnedWindowGivesTheExtentAndIdsRestart) {
    Plot_Capture plot;
    Graphic_State.point_id = 40;
    Graphic_State.element_id = 30;
    Plot_Set_Pen(4);
    // Turned by pi/2 the window (0, 0)-(100, 50) spans x 0..50 and y -100..0.
    Plot_Open(plot.stream, 0, 0, 100, 50, 0.01, 1.5707963267948966, "t");
    const std::vector<std::string> lines = Split_Lines(plot.text());
    EXPECT_EQ(lines[2], "0.500000 1.000000");
    EXPECT_EQ(Graphic_State.point_id, 1);
    EXPECT_EQ(Graphic_State.element_id, 1);
    EXPECT_EQ(Plot_State.pen, 0);
}

TEST(Plot_Open, NullStreamLeavesThePlotClosed) {
    Plot_Open(nullptr, 0, 0, 10, 10, 0.5, 0, "t");
    EXPECT_FALSE(Plot_Is_Open());
    EXPECT_EQ(Plot_State.scale, 0.5);
    Plot_Close();   // nothing to close
    Plot_Set_Layer(2);
}

TEST(Plot_Open, TitleIsCutAt255Characters) {
    Plot_Capture plot;
    const std::string long_title(300, 't');
    Plot_Open(plot.stream, 0, 0, 10, 10, 1, 0, "%s", long_title.c_str());
    EXPECT_EQ(Split_Lines(plot.text())[1], std::string(255, 't'));
}

TEST(Plot_Entities, FirstLineAfterTheHeaderUsesElementOneAndPointsOneAndTwo) {
    Graphic_Capture out;
    Plot_Capture plot;
    OLI_Open_Graphic(out.stream, 0, 0, 100, 100, 1, 1, 0, nullptr);
    Plot_Open_With_Header(plot.stream, 0, 0, 100, 100, 1, 0, "eigener Kopf",
                          [](FILE* f, const char* title, double, double, double, double) {
                              std::fprintf(f, "head %s\n", title);
                          });
    OLI_Draw_Line(1, 2, 3, 4);
    EXPECT_EQ(plot.close_and_read(),
              "head eigener Kopf\n*ENTITIES\n-setcoorsys 0\n-setlayer 0\n"
              "-line @1 ( @1 1.000000 2.000000 ) #2 0 0 1 0.0\n-point @2 3.000000 4.000000\n"
              "*EOI\n\n");
}

}  // namespace
