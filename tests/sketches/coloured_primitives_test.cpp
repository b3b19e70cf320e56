#include "sketches/coloured_primitives.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "sketches/sketch_style.h"

namespace {

// A verbose block at scale 1 with the sketch style initialised: colours are written.
struct Block {
    Graphic_Capture out;
    Block() {
        Init_Sketch_Style();
        OLI_Open_Graphic(out.stream, 0, 0, 100, 100, 1, 1, 0, nullptr);
        out.set_mark();
    }
};

std::vector<std::string> Lines_Starting(const std::string& text, const std::string& start) {
    std::vector<std::string> out;
    for (const std::string& l : Split_Lines(text))
        if (l.rfind(start, 0) == 0) out.push_back(l);
    return out;
}

TEST(Coloured_Line, ColourPenAndLineInAGroup) {
    Block b;
    Print_Coloured_Line(0, 0, 10, 5, Sketch_Style.Red, 2);
    EXPECT_EQ(b.out.since(), " 30\n 52\n50 255 50 50\n 4 2\n 1  0.000000 0.000000 10.000000 5.000000\n 31\n 53\n");
    // An undefined colour leaves the current one; a negative colour or pen draws nothing.
    Print_Coloured_Line(0, 0, 10, 5, 25, 1);
    EXPECT_EQ(b.out.since(), " 30\n 52\n 4 1\n 1  0.000000 0.000000 10.000000 5.000000\n 31\n 53\n");
    Print_Coloured_Line(0, 0, 10, 5, -1, 1);
    Print_Coloured_Line(0, 0, 10, 5, 0, -1);
    EXPECT_EQ(b.out.since(), "");
}

TEST(Coloured_Circle, FillThenPenThenOutline) {
    Block b;
    Print_Circle(10, 10, 2, Sketch_Style.Yellow, 59, 1, Sketch_Style.Black);
    const std::vector<std::string> codes = Command_Codes(b.out.since());
    ASSERT_GE(codes.size(), 10u);
    const std::vector<std::string> head(codes.begin(), codes.begin() + 8);
    const std::vector<std::string> expected = {"30", "52", "50", "20", "18", "4", "50", "1"};
    EXPECT_EQ(head, expected);
    EXPECT_EQ(codes.back(), "53");
    // Without a fill colour and pen only the outline.
    Print_Circle(10, 10, 2, -1, 59, -1, Sketch_Style.Black);
    const std::vector<std::string> bare = Command_Codes(b.out.since());
    EXPECT_EQ(bare[2], "1");
}

TEST(Coloured_Ring, DiscRingAndRefusals) {
    Block b;
    Print_Ring(0, 0, 10, 0, 4, Sketch_Style.Grey, 11, 1, Sketch_Style.Black);
    const std::string disc = b.out.since();
    EXPECT_EQ(Lines_Starting(disc, " 18 ")[0],
              " 18 4 10.000000 0.000000 0.000000 10.000000 -10.000000 0.000000 -0.000000 -10.000000 ");
    EXPECT_EQ(Lines_Starting(disc, " 1  ").size(), 4u);
    EXPECT_EQ(Lines_Starting(disc, " 4 ")[0], " 4 2");   // the pen only gates the outline
    // A ring: the inner corners follow in reverse order; outer and inner edges.
    Print_Ring(0, 0, 10, 5, 4, Sketch_Style.Grey, 11, 1, Sketch_Style.Black);
    const std::string ring = b.out.since();
    EXPECT_EQ(Lines_Starting(ring, " 18 ")[0],
              " 18 8 10.000000 0.000000 0.000000 10.000000 -10.000000 0.000000 -0.000000 -10.000000 "
              "-0.000000 -5.000000 -5.000000 0.000000 0.000000 5.000000 5.000000 0.000000 ");
    EXPECT_EQ(Lines_Starting(ring, " 1  ").size(), 8u);
    // No outline without a line colour; nothing at all for 65 corners, no fill colour, or
    // neither pen nor line colour.
    Print_Ring(0, 0, 10, 0, 4, Sketch_Style.Grey, 11, 1, -1);
    EXPECT_EQ(Lines_Starting(b.out.since(), " 1  ").size(), 0u);
    Print_Ring(0, 0, 10, 0, 65, Sketch_Style.Grey, 11, 1, 0);
    Print_Ring(0, 0, 10, 0, 4, -1, 11, 1, 0);
    Print_Ring(0, 0, 10, 0, 4, 0, 11, -1, -1);
    EXPECT_EQ(b.out.since(), "");
}

TEST(Thick_Segment, BarOrLine) {
    Block b;
    Print_Thick_Segment(0, 0, 10, 0, 2, 0);
    EXPECT_EQ(b.out.since(),
              " 18 4 0.000000 -1.000000 10.000000 -1.000000 10.000000 1.000000 0.000000 1.000000 \n");
    Print_Thick_Segment(0, 0, 10, 0, 0.005, 0);
    Print_Thick_Segment(0, 0, 10, 0, 2, 1);
    EXPECT_EQ(b.out.since(), " 1  0.000000 0.000000 10.000000 0.000000\n"
                             " 1  0.000000 0.000000 10.000000 0.000000\n");
}

TEST(Arc_Band, CornersEveryElevenAndAQuarterDegrees) {
    Block b;
    Print_Arc_Band(0, 0, 10, 0, 90, Sketch_Style.Grey, 11, Sketch_Style.Black, 0, 1);
    const std::string text = b.out.since();
    // k = 0 to 8: from (-10, 0) over the top to (0, 10).
    const std::vector<std::string> fill = Lines_Starting(text, " 18 9 ");
    ASSERT_EQ(fill.size(), 1u);
    EXPECT_EQ(fill[0].substr(0, 30), " 18 9 -10.000000 0.000000 -9.8");
    const std::vector<std::string> lines = Lines_Starting(text, " 1  ");
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[7], " 1  -1.950903 9.807853 -0.000000 10.000000");
    // The sweep is held at a full turn: 33 corners; below 0.001 nothing.
    Print_Arc_Band(0, 0, 10, 0, 1e9, -1, 11, Sketch_Style.Black, 0, 1);
    EXPECT_EQ(Lines_Starting(b.out.since(), " 1  ").size(), 32u);
    Print_Arc_Band(0, 0, 10, 0, 0.0005, 0, 11, 0, 0, 1);
    Print_Arc_Band(0, 0, 10, NAN, 90, 0, 11, 0, 0, 1);
    EXPECT_EQ(b.out.since(), "");
}

TEST(Bar_Label, FormatsByCountAndDiameter) {
    struct Case {
        int n;
        double d, s;
        const char* text;   // "" when nothing is written
        const char* box;    // blanks of the box
    };
    const Case cases[] = {
        {4, 2.0, 150, "4î20/150", "    "},
        {4, 2.05, 150, "4î20.5/150.0", "     "},
        {4, 2.0, 0, "4î20", "   "},
        {4, 2.05, 0, "4î20.5", "    "},
        {0, 2.0, 150, "î20/150", "   "},
        {0, 2.05, 150, "î20.5/150.0", "    "},
        {0, 2.0, 0.005, "", ""},
        {-1, 2.0, 150, "", ""},
        {4, 0.0005, 150, "", ""},
        {4, NAN, 150, "", ""},
    };
    for (const Case& c : cases) {
        Block b;
        Print_Bar_Label(10, 10, c.n, c.d, c.s);
        const std::string text = b.out.since();
        if (!c.text[0]) {
            EXPECT_EQ(text, "") << c.n << " " << c.d;
            continue;
        }
        const std::vector<std::string> texts = Quoted_Texts(text);
        ASSERT_EQ(texts.size(), 2u) << c.n << " " << c.d;
        EXPECT_EQ(texts[0], c.box);
        EXPECT_EQ(texts[1], To_Cp437(c.text));
        // The box is framed in its own group, then black and the centred text.
        EXPECT_NE(text.find("50 0 0 0\n 9 10.000000 10.000000 10.000000 10.000000 210 "), std::string::npos);
    }
}

}  // namespace
