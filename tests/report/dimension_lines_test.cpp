#include "report/dimension_lines.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "material/point_transforms.h"
#include "report/graphic_block.h"
#include "report/graphic_shapes.h"
#include "report/plot_file.h"
#include "report/graphic_capture.h"

namespace {

// A report-sketch block: millimetres drawn at 1:10 (0.1 cm per mm), verbose mode off.
struct Sketch_Block {
    Graphic_Capture out;
    explicit Sketch_Block(double y1 = 0, double y2 = 100, double scale = 0.1, double rotation = 0) {
        OLI_Open_Graphic(out.stream, 0, y1, 200, y2, scale, scale, rotation, nullptr);
        OLI_Set_Graphic_Verbose(0);
        out.set_mark();
    }
};

struct Dimension_Case {
    const char* name;
    double y1, y2;   // window in y: 0 to 100 runs upwards, 100 to 0 downwards
    int flags;
    std::function<double()> draw;
    double result;
    const char* expected;
};

// Size 0.1 cm at 0.1 cm per mm: the dimension line runs 1 mm beyond each point, the extension
// lines from 4 mm left of the line to 2 mm right of it, the ticks have half vectors (0.6, 0.6) mm,
// the label stands 1.6 mm beside the line at height 0.21 cm, the superscript 0.4 k h further along
// and 0.25 h higher at height 0.1575 cm.
const Dimension_Case Dimension_Cases[] = {
    {"length_120_46", 0, 100, 0, [] { return OLI_Draw_Dimension(0, 0, 120.46, 0, 0.1, 0); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 12.146000 0.000000\n"
     " 1  0.000000 0.400000 0.000000 -0.200000\n"
     " 1  12.046000 0.400000 12.046000 -0.200000\n"
     " 1  -0.060000 -0.060000 0.060000 0.060000\n"
     " 1  11.986000 -0.060000 12.106000 0.060000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 6.023000 0.160000 6.023000 0.160000 210 \xAE" "120\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 6.275000 0.212500 \xAE" "5\xAF\n"
     " 31\n"},
    {"length_87_blank_superscript", 0, 100, 0, [] { return OLI_Draw_Dimension(0, 0, 87, 0, 0.1, 2); },
     0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 8.800000 0.000000\n"
     " 1  0.000000 0.400000 0.000000 -0.200000\n"
     " 1  8.700000 0.400000 8.700000 -0.200000\n"
     " 1  -0.060000 -0.060000 0.060000 0.060000\n"
     " 1  8.640000 -0.060000 8.760000 0.060000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 4.350000 0.160000 4.350000 0.160000 210 \xAE" "87\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 4.518000 0.212500 \xAE \xAF\n"
     " 31\n"},
    // y downwards: angle sign -1 and half turn; the text angle is -(0 + pi), the ticks' y
    // components are negated and the superscript moves back along the line.
    {"window_downwards", 100, 0, 0, [] { return OLI_Draw_Dimension(0, 0, 87, 0, 0.1, 0); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 8.800000 0.000000\n"
     " 1  0.000000 0.400000 0.000000 -0.200000\n"
     " 1  8.700000 0.400000 8.700000 -0.200000\n"
     " 1  -0.060000 0.060000 0.060000 -0.060000\n"
     " 1  8.640000 0.060000 8.760000 -0.060000\n"
     " 13 0.210000\n 8 6\n"
     " 14 -180.000000 0\n 10 4.350000 0.160000 4.350000 0.160000 210 \xAE" "87\xAF\n"
     " 13 0.157500\n"
     " 14 -180.000000 0\n 3 4.182000 0.212500 \xAE \xAF\n"
     " 31\n"},
    {"no_marks_at_either_point", 0, 100, 0x3,
     [] { return OLI_Draw_Dimension(0, 0, 87, 0, 0.1, 0); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 8.800000 0.000000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 4.350000 0.160000 4.350000 0.160000 210 \xAE" "87\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 4.518000 0.212500 \xAE \xAF\n"
     " 31\n"},
    {"no_marks_at_first_point", 0, 100, 0x1,
     [] { return OLI_Draw_Dimension(0, 0, 87, 0, 0.1, 0); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 8.800000 0.000000\n"
     " 1  8.700000 0.400000 8.700000 -0.200000\n"
     " 1  8.640000 -0.060000 8.760000 0.060000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 4.350000 0.160000 4.350000 0.160000 210 \xAE" "87\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 4.518000 0.212500 \xAE \xAF\n"
     " 31\n"},
    // Placement 2 with "1" wider than its length (E = 2 mm > 1): the label k s beyond the second
    // point, 1.6 s beside the line.
    {"label_beyond_second_point", 0, 100, 0x3,
     [] { return OLI_Draw_Dimension(0, 0, 1, 0, 0.1, 2); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 0.200000 0.000000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 0.200000 0.160000 0.200000 0.160000 210 \xAE" "1\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 0.284000 0.212500 \xAE \xAF\n"
     " 31\n"},
    {"label_before_first_point", 0, 100, 0x3,
     [] { return OLI_Draw_Dimension(0, 0, 1, 0, 0.1, -2); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 0.000000 0.200000 0.000000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 -0.100000 0.160000 -0.100000 0.160000 210 \xAE" "1\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 -0.016000 0.212500 \xAE \xAF\n"
     " 31\n"},
    {"offset_dimension_moves_left", 0, 100, 0x3,
     [] { return OLI_Draw_Offset_Dimension(0, 0, 100, 0, 10, 0.1, 0); }, 0,
     " 30\n 4 1\n 38 0   0\n"
     " 1  -0.100000 1.000000 10.100000 1.000000\n"
     " 13 0.210000\n 8 6\n"
     " 14 0.000000 0\n 10 5.000000 1.160000 5.000000 1.160000 210 \xAE" "100\xAF\n"
     " 13 0.157500\n"
     " 14 0.000000 0\n 3 5.252000 1.212500 \xAE \xAF\n"
     " 31\n"},
    // Points closer than 0.01: the empty group only.
    {"zero_length", 0, 100, 0, [] { return OLI_Draw_Dimension(5, 5, 5, 5.004, 0.1, 0); }, 0,
     " 30\n 31\n"},
    // Lengths that are not finite have no label: the empty group, never "inf" or "nan".
    {"infinite_length", 0, 100, 0, [] { return OLI_Draw_Dimension(0, 0, INFINITY, 0, 0.1, 0); }, 0,
     " 30\n 31\n"},
    {"length_not_a_number", 0, 100, 0, [] { return OLI_Draw_Dimension(0, NAN, 5, 0, 0.1, 0); }, 0,
     " 30\n 31\n"},
    {"length_overflowing_to_infinity", 0, 100, 0,
     [] { return OLI_Draw_Dimension(-1e200, 0, 1e200, 0, 0.1, 0); }, 0, " 30\n 31\n"},
    {"unit_form_zero_unit", 0, 100, 0,
     [] { return OLI_Draw_Unit_Dimension(0, 0, 100, 0, 0.1, 0.000005, 0); }, 0, ""},
    {"unit_form_infinite_length", 0, 100, 0,
     [] { return OLI_Draw_Unit_Dimension(0, 0, INFINITY, 0, 0.1, 10, 0); }, 0, ""},
    {"unit_core_zero_unit", 0, 100, 0, [] { return Draw_Unit_Dimension(0, 0, 100, 0, 0.1, 0, 0); },
     0, ""},
};

void PrintTo(const Dimension_Case& c, std::ostream* os) { *os << c.name; }

class Dimension_Commands : public ::testing::TestWithParam<Dimension_Case> {};

TEST_P(Dimension_Commands, WritesTheWholeSequence) {
    const Dimension_Case& c = GetParam();
    Sketch_Block block(c.y1, c.y2);
    OLI_Set_Dimension_Flags(c.flags);
    EXPECT_EQ(c.draw(), c.result);
    EXPECT_EQ(block.out.since(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Dimensions, Dimension_Commands, ::testing::ValuesIn(Dimension_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

// The typical report-sketch dimension: dots as end marks, each a filled circle of 0.075 cm and
// its outline of 32 chords.
TEST(Dimension_Dots, TypicalSketchDimensionSequence) {
    Sketch_Block block;
    OLI_Set_Dimension_Flags(0x8);
    OLI_Draw_Dimension(0, 0, 120.46, 0, 0.1, 0);
    const std::string text = block.out.since();
    std::vector<std::string> expected = {"30", "4", "38", "1", "1", "1", "20", "18"};
    expected.insert(expected.end(), 32, "1");
    expected.push_back("18");
    expected.insert(expected.end(), 32, "1");
    for (const char* code : {"13", "8", "14", "10", "13", "14", "3", "31"}) expected.push_back(code);
    EXPECT_EQ(Command_Codes(text), expected);
    const std::vector<std::string> lines = Split_Lines(text);
    EXPECT_EQ(lines[6], " 20  0");
    // The first dot: radius 0.375 mm around (0, 0).
    EXPECT_EQ(lines[7].substr(0, 24), " 18 32 0.037500 0.000000");
    EXPECT_EQ(Quoted_Texts(text), (std::vector<std::string>{"120", "5"}));
}

TEST(Dimension_Verbose, ZeroLengthWritesTheEmptyGroupWithMarks) {
    Sketch_Block block;
    OLI_Set_Graphic_Verbose(1);
    EXPECT_EQ(OLI_Draw_Dimension(5, 5, 5, 5, 0.1, 0), 0);
    EXPECT_EQ(block.out.since(), " 30\n 52\n 31\n 53\n");
}

TEST(Dimension_Label, AbsurdLengthGivesABoundedLabel) {
    Sketch_Block block;
    OLI_Draw_Dimension(0, 0, 1e19, 0, 0.1, 0);
    const std::string text = block.out.since();
    EXPECT_EQ(Quoted_Texts(text), (std::vector<std::string>{"1e+19", " "}));
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);
}

// Pushed-out labels of short dimensions alternate between 5.6 s and 8.0 s beside the line; a
// dimension whose label fits resets the sequence.
TEST(Dimension_Alternation, ShortDimensionsAlternateTheirLabels) {
    Sketch_Block block;
    OLI_Set_Dimension_Flags(0x3);
    auto label_y = [&](double result_expected) {
        EXPECT_EQ(OLI_Draw_Dimension(0, 0, 1, 0, 0.1, 0), result_expected);
        const std::vector<std::string> lines = Split_Lines(block.out.since());
        return lines[7].substr(0, 21);   // " 10 x y": the label's position
    };
    EXPECT_EQ(label_y(2.0), " 10 0.050000 0.560000");
    EXPECT_EQ(label_y(3.2), " 10 0.050000 0.800000");
    EXPECT_EQ(label_y(2.0), " 10 0.050000 0.560000");
    EXPECT_EQ(OLI_Draw_Dimension(0, 0, 100, 0, 0.1, 0), 0);   // fits: the state returns to 0
    block.out.since();
    EXPECT_EQ(label_y(2.0), " 10 0.050000 0.560000");
    OLI_Set_Label_Alternation_Off();
    EXPECT_EQ(label_y(2.0), " 10 0.050000 0.560000");
    EXPECT_EQ(label_y(2.0), " 10 0.050000 0.560000");
}

TEST(Dimension_Rotation, PointsTurnedLabelAlongAndRotationRestored) {
    Sketch_Block block(0, 100, 0.1, Geometry_Half_Pi);
    OLI_Set_Text_Angle(0.25);
    OLI_Set_Dimension_Flags(0x3);
    OLI_Draw_Dimension(0, 0, 10, 0, 0.1, 0);
    // (10, 0) turned by pi/2 lies at (0, -10): the line points downwards (3pi/2), the label is
    // written along it.
    const std::vector<std::string> lines = Split_Lines(block.out.since());
    EXPECT_EQ(lines[3], " 1  0.000000 0.100000 0.000000 -1.100000");
    EXPECT_EQ(lines[6], " 14 270.000000 0");
    EXPECT_EQ(Graphic_State.rotation, Geometry_Half_Pi);
    EXPECT_EQ(OLI_Get_Text_Angle(), 0.25);
}

TEST(Dimension_Plot, PenLineTypeAndFontSetForTheDimensionAndRestored) {
    Plot_Capture plot;
    Sketch_Block block;
    Plot_Open(plot.stream, 0, 0, 200, 100, 1, 0, "p");
    Plot_Set_Pen(3);
    Plot_Set_Line_Type(2);
    Plot_Set_Font(5);
    plot.set_mark();
    OLI_Set_Dimension_Flags(0x3);
    OLI_Draw_Dimension(0, 0, 87, 0, 0.1, 0);
    EXPECT_EQ(Split_Lines(plot.since())[0], "-line @1 ( @1 -1.000000 0.000000 ) #2 1 0 1 0.0");
    EXPECT_EQ(Plot_State.pen, 3);
    EXPECT_EQ(Plot_State.line_type, 2);
    EXPECT_EQ(Plot_State.font, 5);
}

struct Label_Case {
    const char* name;
    std::function<double()> draw;
    int flags;
    std::vector<std::string> texts;   // label, then the superscript when there is one
};

void PrintTo(const Label_Case& c, std::ostream* os) { *os << c.name; }

// Unit form with unit 10 (labels in tens of model units); metre form at 10 cm per metre.
const Label_Case Label_Cases[] = {
    {"unit_half", [] { return OLI_Draw_Unit_Dimension(0, 0, 125, 0, 0.1, 10, 0); }, 0, {"12", "5"}},
    {"unit_three_quarters_round_up", [] { return OLI_Draw_Unit_Dimension(0, 0, 128, 0, 0.1, 10, 0); },
     0, {"13"}},
    {"unit_below_quarter", [] { return OLI_Draw_Unit_Dimension(0, 0, 122, 0, 0.1, 10, 0); }, 0, {"12"}},
    {"unit_hundreds", [] { return OLI_Draw_Unit_Dimension(0, 0, 1249, 0, 0.1, 10, 0); }, 0, {"1.25"}},
    {"unit_hundreds_kept_whole", [] { return OLI_Draw_Unit_Dimension(0, 0, 1249, 0, 0.1, 10, 0); },
     0x10, {"125"}},
    {"unit_250_reads_2_50", [] { return OLI_Draw_Unit_Dimension(0, 0, 2500, 0, 0.1, 10, 0); }, 0,
     {"2.50"}},
    {"unit_tenths", [] { return OLI_Draw_Unit_Dimension(0, 0, 123, 0, 0.1, -10, 0); }, 0, {"12", "3"}},
    {"unit_tenths_zero", [] { return OLI_Draw_Unit_Dimension(0, 0, 120, 0, 0.1, -10, 0); }, 0,
     {"12", "0"}},
    {"metre_half_centimetre", [] { return OLI_Draw_Metre_Dimension(0, 0, 1.457, 0, 0.1); }, 0,
     {"1.45", "5"}},
    {"metre_rounded_up", [] { return OLI_Draw_Metre_Dimension(0, 0, 1.458, 0, 0.1); }, 0, {"1.46"}},
    {"metre_whole", [] { return OLI_Draw_Metre_Dimension(0, 0, 2, 0, 0.1); }, 0, {"2.00"}},
    {"centimetres_half", [] { return OLI_Draw_Metre_Dimension(0, 0, 0.455, 0, 0.1); }, 0, {"45", "5"}},
    {"centimetres", [] { return OLI_Draw_Metre_Dimension(0, 0, 0.452, 0, 0.1); }, 0, {"45"}},
    {"centimetres_rounded", [] { return OLI_Draw_Metre_Dimension(0, 0, 0.458, 0, 0.1); }, 0, {"46"}},
    {"short_length_in_metres", [] { return OLI_Draw_Metre_Dimension(0, 0, 0.455, 0, 0.1); }, 0x10,
     {"0.45", "5"}},
    {"metre_below_a_centimetre", [] { return OLI_Draw_Metre_Dimension(0, 0, 0.005, 0, 0.1); }, 0, {}},
    {"metre_not_finite", [] { return OLI_Draw_Metre_Dimension(0, 0, NAN, 0, 0.1); }, 0, {}},
};

class Dimension_Labels : public ::testing::TestWithParam<Label_Case> {};

TEST_P(Dimension_Labels, LabelAndSuperscript) {
    const Label_Case& c = GetParam();
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 10, 10, 10, 0, nullptr);
    OLI_Set_Dimension_Flags(c.flags);
    out.set_mark();
    c.draw();
    const std::string text = out.since();
    EXPECT_EQ(Quoted_Texts(text), c.texts);
    if (c.texts.empty()) {
        EXPECT_EQ(text, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, Dimension_Labels, ::testing::ValuesIn(Label_Cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
