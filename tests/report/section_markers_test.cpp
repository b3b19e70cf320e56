#include "report/section_markers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"

namespace {

struct Symbol_Case {
    const char* name;
    double scale;
    double y1, y2;   // window in y over x 0 to 200
    std::function<void()> draw;
    const char* expected;   // UTF-8; « » and ± become their code page 437 bytes
};

// Marker and arrow cases at 1:10 (0.1 cm per mm); level, support and hatching symbols at scale 1
// around (10, 10). Offsets worked out from the paper sizes divided by the scale.
const Symbol_Case Symbol_Cases[] = {
    // Size 0.2: stubs 0.4 cm above both ends, arrowheads of 0.26 cm (cos 60 = 0.5,
    // sin 60 = 0.866), letters (1 + 0.5) / 10.8 = 0.139 cm beyond the stubs.
    {"section_marker", 0.1, 0, 100,
     [] { OLI_Draw_Section_Marker(0, 0, 100, 0, 0.2, "A", "A"); },
     " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
     " 1  0.000000 0.400000 0.000000 0.000000\n"
     " 1  0.000000 0.000000 10.000000 0.000000\n"
     " 1  10.000000 0.000000 10.000000 0.400000\n"
     " 20  64\n 38 0   0\n"
     " 18 3 0.000000 0.400000 -0.130000 0.625167 0.130000 0.625167 \n"
     " 18 3 10.000000 0.400000 9.870000 0.625167 10.130000 0.625167 \n"
     " 13 0.250000\n 8 6\n"
     " 14 0.000000 0\n 10 0.000000 0.538889 0.000000 0.538889 210 «A»\n"
     " 14 0.000000 0\n 10 10.000000 0.538889 10.000000 0.538889 210 «A»\n"
     " 31\n"},
    {"section_marker_other_side", 0.1, 0, 100,
     [] { OLI_Draw_Section_Marker(0, 0, 100, 0, -0.2, "A", "A"); },
     " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
     " 1  0.000000 -0.400000 0.000000 0.000000\n"
     " 1  0.000000 0.000000 10.000000 0.000000\n"
     " 1  10.000000 0.000000 10.000000 -0.400000\n"
     " 20  64\n 38 0   0\n"
     " 18 3 0.000000 -0.400000 0.130000 -0.625167 -0.130000 -0.625167 \n"
     " 18 3 10.000000 -0.400000 10.130000 -0.625167 9.870000 -0.625167 \n"
     " 13 0.250000\n 8 6\n"
     " 14 0.000000 0\n 10 0.000000 -0.538889 0.000000 -0.538889 210 «A»\n"
     " 14 0.000000 0\n 10 10.000000 -0.538889 10.000000 -0.538889 210 «A»\n"
     " 31\n"},
    {"section_marker_null_letters_cut_line_only", 0.1, 0, 100,
     [] { OLI_Draw_Section_Marker(0, 0, 100, 0, 0.2, nullptr, nullptr); },
     " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
     " 1  0.000000 0.000000 10.000000 0.000000\n"
     " 20  64\n 38 0   0\n 13 0.250000\n 8 6\n 31\n"},
    {"section_marker_empty_letters_without_texts", 0.1, 0, 100,
     [] { OLI_Draw_Section_Marker(0, 0, 100, 0, 0.2, "", ""); },
     " 30\n 6 0.025000\n 38 4 0.2 0.07 0.008 0.07 0\n"
     " 1  0.000000 0.400000 0.000000 0.000000\n"
     " 1  0.000000 0.000000 10.000000 0.000000\n"
     " 1  10.000000 0.000000 10.000000 0.400000\n"
     " 20  64\n 38 0   0\n"
     " 18 3 0.000000 0.400000 -0.130000 0.625167 0.130000 0.625167 \n"
     " 18 3 10.000000 0.400000 9.870000 0.625167 10.130000 0.625167 \n"
     " 13 0.250000\n 8 6\n 31\n"},
    // Without an upper text the line opens 2 * 0.0625 cm per character of the lower text; open
    // arrowheads of 0.35 cm at 18 degrees (cos 0.951057, sin 0.309017).
    {"double_arrow_with_gap", 0.1, 0, 100,
     [] { OLI_Draw_Double_Arrow(0, 0, 100, 0, "", "12"); },
     " 30\n 6 0.017000\n"
     " 1  0.000000 0.000000 4.875000 0.000000\n"
     " 1  5.125000 0.000000 10.000000 0.000000\n"
     " 1  0.332870 0.108156 0.000000 0.000000\n"
     " 1  0.332870 -0.108156 0.000000 0.000000\n"
     " 1  9.667130 -0.108156 10.000000 0.000000\n"
     " 1  9.667130 0.108156 10.000000 0.000000\n"
     " 13 0.250000\n"
     " 14 0.000000 0\n 10 5.000000 0.200000 5.000000 0.200000 210 «»\n"
     " 14 0.000000 0\n 10 5.000000 0.000000 5.000000 0.000000 210 «12»\n"
     " 31\n"},
    {"double_arrow_texts_above_and_below", 0.1, 0, 100,
     [] { OLI_Draw_Double_Arrow(0, 0, 100, 0, "oben", "unten"); },
     " 30\n 6 0.017000\n"
     " 1  0.000000 0.000000 5.000000 0.000000\n"
     " 1  5.000000 0.000000 10.000000 0.000000\n"
     " 1  0.332870 0.108156 0.000000 0.000000\n"
     " 1  0.332870 -0.108156 0.000000 0.000000\n"
     " 1  9.667130 -0.108156 10.000000 0.000000\n"
     " 1  9.667130 0.108156 10.000000 0.000000\n"
     " 13 0.250000\n"
     " 14 0.000000 0\n 10 5.000000 0.200000 5.000000 0.200000 210 «oben»\n"
     " 14 0.000000 0\n 10 5.000000 -0.200000 5.000000 -0.200000 210 «unten»\n"
     " 31\n"},
    // Bar line 1 mm beyond the points, extension lines +6 s / -4.4 s, ticks as a dimension's;
    // labels at 1.6, 4.8, -1.6 and -4.0 s beside the middle; the diameter symbol 8.48 s left of
    // and 1.3 s above the paper position (5.0, 0.48) of its label.
    {"bar_label", 0.1, 0, 100,
     [] { OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 2, 2, 15, 7.54, 0.03, 2, 4); },
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 10.100000 0.000000\n"
     " 1  0.000000 0.600000 0.000000 -0.440000\n"
     " 1  10.000000 0.600000 10.000000 -0.440000\n"
     " 1  -0.060000 -0.060000 0.060000 0.060000\n"
     " 1  9.940000 -0.060000 10.060000 0.060000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 5.000000 0.160000 5.000000 0.160000 210 « 7.54 cm²»\n"
     " 27 4.2 0.6 %FONT%\\DURCHM.OCM\n"
     " 14 0.000000 0\n 10 5.000000 0.480000 5.000000 0.480000 210 «   12/15.0»\n"
     " 13 0.180000\n"
     " 14 0.000000 0\n 10 5.000000 -0.160000 5.000000 -0.160000 210 «C=3cm V=2»\n"
     " 14 0.000000 0\n 10 5.000000 -0.400000 5.000000 -0.400000 210 «BSt 500S Nr. 4»\n"
     " 31\n"},
    {"bar_label_shorter_than_five_units", 0.1, 0, 100,
     [] { OLI_Draw_Bar_Label(0, 0, 4.9, 0, 0.1, 2, 2, 15, 7.54, 0.03, 2, 4); }, ""},
    {"bar_label_index_outside_the_tables", 0.1, 0, 100,
     [] {
         OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 3, 2, 15, 7.54, 0.03, 2, 4);
         OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 0, 10, 15, 7.54, 0.03, 2, 4);
         OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 0, -1, 15, 7.54, 0.03, 2, 4);
     },
     ""},
    {"level_triangle", 1, 0, 20, [] { OLI_Draw_Level_Triangle(10, 10, "±0.00"_cp, 1, 1); },
     " 30\n 20  64\n"
     " 18 3 10.000000 10.000000 10.160000 10.220000 9.840000 10.220000 \n"
     " 1  10.000000 10.000000 10.160000 10.220000\n"
     " 1  10.160000 10.220000 9.840000 10.220000\n"
     " 1  10.000000 10.000000 9.840000 10.220000\n"
     " 13 0.240000\n"
     " 14 0.000000 0\n 3 9.860000 10.330000 «±0.00»\n"
     " 31\n"},
    // y downwards on paper: the triangle and its text keep upright, so their model y offsets turn.
    {"level_triangle_window_downwards", 1, 20, 0,
     [] { OLI_Draw_Level_Triangle(10, 10, "±0.00"_cp, 0, 1); },
     " 30\n 20  0\n"
     " 18 3 10.000000 10.000000 10.160000 9.780000 9.840000 9.780000 \n"
     " 1  10.000000 10.000000 10.160000 9.780000\n"
     " 1  10.160000 9.780000 9.840000 9.780000\n"
     " 1  10.000000 10.000000 9.840000 9.780000\n"
     " 13 0.240000\n"
     " 14 0.000000 0\n 3 9.860000 9.670000 «±0.00»\n"
     " 31\n"},
    {"ground_level_mark", 1, 0, 20, [] { OLI_Draw_Ground_Level_Mark(10, 10, "x", 1); },
     " 30\n 30\n 20  64\n"
     " 18 3 10.000000 10.000000 10.160000 10.220000 9.840000 10.220000 \n"
     " 1  10.000000 10.000000 10.160000 10.220000\n"
     " 1  10.160000 10.220000 9.840000 10.220000\n"
     " 1  10.000000 10.000000 9.840000 10.220000\n"
     " 13 0.240000\n"
     " 14 0.000000 0\n 3 9.860000 10.330000 «x»\n"
     " 31\n"
     " 1  9.840000 9.920000 10.160000 9.920000\n"
     " 1  9.900000 9.840000 10.100000 9.840000\n"
     " 31\n"},
    {"level_mark", 1, 0, 20, [] { OLI_Draw_Level_Mark(10, 10, 2, "±0.00"_cp, "OKFF", 34, 1); },
     " 30\n 6 0.035000\n 20  34\n"
     " 1  10.000000 10.000000 10.160000 10.220000\n"
     " 1  10.160000 10.220000 9.840000 10.220000\n"
     " 1  10.000000 10.000000 9.840000 10.220000\n"
     " 18 3 10.000000 10.000000 10.160000 10.220000 9.840000 10.220000 \n"
     " 1  9.830000 10.000000 12.000000 10.000000\n"
     " 13 0.240000\n"
     " 14 0.000000 0\n 3 9.860000 10.330000 «±0.00»\n"
     " 13 0.200000\n 8 0\n 6 0.020000\n 16 0.050000\n"
     " 14 0.000000 0\n 3 10.250000 10.100000 «OKFF»\n"
     " 31\n"},
    {"ground_hatching", 1, 0, 20, [] { OLI_Draw_Ground_Hatching(10, 10, 0, 1); },
     " 30\n 6 0.015000\n"
     " 1  10.150000 10.000000 9.850000 10.000000\n"
     " 4 1\n"
     " 1  9.900000 10.000000 9.850000 10.100000\n"
     " 1  9.950000 10.000000 9.900000 10.100000\n"
     " 1  10.000000 10.000000 9.950000 10.100000\n"
     " 1  10.050000 10.000000 10.000000 10.100000\n"
     " 1  10.100000 10.000000 10.050000 10.100000\n"
     " 1  10.150000 10.000000 10.100000 10.100000\n"
     " 31\n"},
    // Along x the arrow of 1 cm takes the x scale; head 0.2 cm wide and high; the cross stroke
    // of 0.2 cm square to it at the foot.
    {"label_arrow", 1, 0, 20, [] { OLI_Draw_Label_Arrow(10, 10, 1, 0, "F"); },
     " 30\n 4 4\n 38 0   0\n 20  55\n 13 0.250000\n 8 6\n"
     " 1  10.000000 10.000000 10.900000 10.000000\n"
     " 18 3 11.000000 10.000000 10.800000 10.100000 10.800000 9.900000 \n"
     " 14 0.000000 0\n 10 11.200000 10.000000 11.200000 10.000000 210 «F»\n"
     " 1  10.000000 9.900000 10.000000 10.100000\n"
     " 31\n"},
    // Arrows of 1 cm at scale 1 from the origin, label distance 0.18 cm: the x label at
    // (1 + 0.5 * 1 * 0.18, 0.18), the y label at (0.18, 1 + 0.18).
    {"axis_cross", 1, 0, 20, [] { OLI_Draw_Axis_Cross(0, 0, "x", "y", 1, 0); },
     " 30\n 4 4\n 38 0   0\n 20  55\n"
     " 1  0.000000 0.000000 0.900000 0.000000\n"
     " 18 3 1.000000 0.000000 0.800000 0.100000 0.800000 -0.100000 \n"
     " 7 0\n 9 1.090000 0.180000 1.090000 0.180000 210 «x»\n"
     " 1  0.000000 0.000000 0.000000 0.900000\n"
     " 18 3 0.000000 1.000000 -0.100000 0.800000 0.100000 0.800000 \n"
     " 7 0\n 9 0.180000 1.180000 0.180000 1.180000 210 «y»\n"
     " 31\n"},
    {"axis_cross_switched_off", 1, 0, 20,
     [] {
         OLI_Set_Axis_Cross_Switch(0);
         OLI_Draw_Axis_Cross(0, 0, "x", "y", 1, 0);
         OLI_Set_Axis_Cross_Switch(1);
     },
     ""},
};

void PrintTo(const Symbol_Case& c, std::ostream* os) { *os << c.name; }

class Symbol_Commands : public ::testing::TestWithParam<Symbol_Case> {};

TEST_P(Symbol_Commands, WritesTheWholeSequence) {
    const Symbol_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, c.y1, 200, c.y2, c.scale, c.scale, 0, nullptr);
    OLI_Set_Graphic_Verbose(0);
    out.set_mark();
    c.draw();
    EXPECT_EQ(out.since(), To_Cp437(c.expected));
}

INSTANTIATE_TEST_SUITE_P(Symbols, Symbol_Commands, ::testing::ValuesIn(Symbol_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Section_Marker, KeepsTheTextAngleAndVerboseMarks) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 100, 0.1, 0.1, 0, nullptr);
    OLI_Set_Text_Angle(0.5);
    out.set_mark();
    OLI_Draw_Section_Marker(0, 0, 100, 0, 0.2, "A", "A");
    const std::vector<std::string> lines = Split_Lines(out.since());
    EXPECT_EQ(lines[0], " 30");
    EXPECT_EQ(lines[1], " 52");
    EXPECT_EQ(lines[13], " 14 28.647890 0");   // 0.5 rad
    EXPECT_EQ(lines.back(), " 53");
    EXPECT_EQ(OLI_Get_Text_Angle(), 0.5);
}

TEST(Bar_Label, PositionNumberZeroGivesTheBareSteelName) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 100, 0.1, 0.1, 0, nullptr);
    out.set_mark();
    OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 0, 9, 12.5, 49.26, 0.035, 3, 0);
    EXPECT_EQ(Quoted_Texts(out.since()),
              (std::vector<std::string>{"49.26 cm²"_cp, "   28/12.5", "C=4cm V=3", "BSt 220/340"}));
    // Exactly 5 units long: drawn.
    OLI_Draw_Bar_Label(0, 0, 5, 0, 0.1, 1, 0, 10, 2.83, 0.03, 1, 1);
    EXPECT_EQ(Quoted_Texts(out.since()).back(), "BSt 420S Nr. 1");
}

TEST(Bar_Label, AbsurdValuesGiveBoundedTexts) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 200, 100, 0.1, 0.1, 0, nullptr);
    out.set_mark();
    OLI_Draw_Bar_Label(0, 0, 100, 0, 0.1, 2, 2, 1e300, 1e300, INFINITY, NAN, 4);
    const std::vector<std::string> texts = Quoted_Texts(out.since());
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[0], "1e+300 cm²"_cp);
    EXPECT_EQ(texts[1], "   12/1e+300");
    EXPECT_EQ(texts[2], "C=infcm V=nan");
}

TEST(Axis_Cross, IndexPartAfterTheMarkupAndCallerTextsUnchanged) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 20, 20, 1, 1, 0, nullptr);
    OLI_Set_Graphic_Verbose(0);
    out.set_mark();
    const int blocks = Get_Block_Count();
    const char* x_label = "M╬\\yz"_cp;
    const std::string before = x_label;
    OLI_Draw_Axis_Cross(0, 0, x_label, "N╬\\a"_cp, 1, 0);
    EXPECT_EQ(x_label, before);
    EXPECT_EQ(Get_Block_Count(), blocks);
    const std::vector<std::string> lines = Split_Lines(out.since());
    // Width 1 + 0.8 * 2 characters: the x label's place (1 + 0.5 * 2.6 * 0.18, 0.18); the main
    // part 0.25 * 0.18 to the left, the index part 0.25 * 0.18 lower.
    EXPECT_EQ(lines[6], " 7 0");
    EXPECT_EQ(lines[7], " 9 1.189000 0.180000 1.189000 0.180000 212 \xAEM\xAF");
    EXPECT_EQ(lines[8], " 7 3");
    EXPECT_EQ(lines[9], " 9 1.234000 0.135000 1.234000 0.135000 209 \xAEyz\xAF");
    // Only two characters after the escape: no index part, the label cut at the escape.
    EXPECT_EQ(lines[13], " 9 0.180000 1.180000 0.180000 1.180000 210 \xAEN\xAF");
}

}  // namespace
