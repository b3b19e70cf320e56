#include "report/member_diagrams.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"

namespace {

struct Block {
    Graphic_Capture out;
    explicit Block(double scale = 1) {
        OLI_Open_Graphic(out.stream, 0, -50, 100, 50, scale, scale, 0, nullptr);
        out.set_mark();
    }
};

// A member from (0, 0) to (40, 0) with stations every 10 units.
struct Diagram_Fixture {
    Member_Diagram d;
    explicit Diagram_Fixture(std::vector<double> values) {
        OLI_Init_Member_Diagram(&d, static_cast<int>(values.size()));
        d.x2 = 10.0 * (values.size() - 1);
        for (std::size_t i = 0; i < values.size(); ++i) {
            d.positions[i] = 10.0 * i;
            d.values[i] = values[i];
        }
    }
    ~Diagram_Fixture() { OLI_Free_Member_Diagram(&d); }
};

std::vector<std::string> Lines_Starting(const std::string& text, const std::string& start) {
    std::vector<std::string> out;
    for (const std::string& l : Split_Lines(text))
        if (l.rfind(start, 0) == 0) out.push_back(l);
    return out;
}

TEST(Member_Diagram, LabelsAtTheEndsAndAtEveryExtremeWithSignCircles) {
    Block block;
    Diagram_Fixture f({0, 5, 3, 6, 0});
    OLI_Draw_Member_Diagram(&f.d);
    const std::string text = block.out.since();
    const std::vector<std::string> texts = Quoted_Texts(text);
    const std::vector<std::string> expected = {"0.00", "5.00", "+", "3.00", "+", "6.00", "+", "0.00"};
    EXPECT_EQ(texts, expected);
    // Side flag 1: the ordinates lie to the right of the member (below it), labels 0.3 beyond.
    const std::vector<std::string> labels = Lines_Starting(text, " 9 ");
    ASSERT_EQ(labels.size(), 8u);
    EXPECT_EQ(labels[0], " 9 0.000000 0.300000 0.000000 0.300000 210 " + std::string("«0.00»"_cp));
    EXPECT_EQ(labels[1], " 9 10.000000 -5.300000 10.000000 -5.300000 210 " + std::string("«5.00»"_cp));
    // The sign circle sits in the middle of the ordinate of 5.
    EXPECT_EQ(labels[2], " 9 10.000000 -2.500000 10.000000 -2.500000 210 " + std::string("«+»"_cp));
    // The area: ordinates, then the end and the start of the member.
    const std::vector<std::string> areas = Lines_Starting(text, " 18 7 ");
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0], " 18 7 0.000000 0.000000 10.000000 -5.000000 20.000000 -3.000000 "
                        "30.000000 -6.000000 40.000000 0.000000 40.000000 0.000000 "
                        "0.000000 0.000000 ");
    // Member line (pen 3) and the dashed fibre 0.1 cm to the right.
    const std::vector<std::string> lines = Split_Lines(text);
    ASSERT_GE(lines.size(), 6u);
    const std::vector<std::string> tail(lines.end() - 6, lines.end());
    const std::vector<std::string> expected_tail = {
        " 38 0   0", " 4 3", " 1  0.000000 0.000000 40.000000 0.000000",
        " 4 1",      " 38 2 0.1 0.1 0", " 1  0.000000 -0.100000 40.000000 -0.100000"};
    EXPECT_EQ(tail, expected_tail);
    EXPECT_EQ(lines[0], " 38 0   0");
    EXPECT_EQ(lines[1], " 4 1");
    EXPECT_EQ(lines[2], " 20  11");
}

TEST(Member_Diagram, SideFlagZeroPutsTheAreaLeftOfTheMember) {
    Block block;
    Diagram_Fixture f({0, 5, 3, 6, 0});
    f.d.side = 0;
    f.d.fibre = 0;
    f.d.fill_pattern = -1;
    f.d.decimals = 42;   // held to 9
    OLI_Draw_Member_Diagram(&f.d);
    const std::string text = block.out.since();
    EXPECT_EQ(Lines_Starting(text, " 20  11").size(), 0u);
    EXPECT_EQ(Lines_Starting(text, " 18 7 ")[0],
              " 18 7 0.000000 0.000000 10.000000 5.000000 20.000000 3.000000 30.000000 6.000000 "
              "40.000000 0.000000 40.000000 0.000000 0.000000 0.000000 ");
    EXPECT_EQ(Quoted_Texts(text)[1], "5.000000000");
    EXPECT_EQ(Split_Lines(text).back(), " 1  0.000000 0.000000 40.000000 0.000000");
}

TEST(Member_Diagram, RefusalsDrawNothing) {
    Block block(0.001);   // 40 units are 0.04 cm: too short on paper
    Diagram_Fixture f({0, 5, 3});
    OLI_Draw_Member_Diagram(&f.d);
    EXPECT_EQ(block.out.since(), "");
    Graphic_State.y_scale = 1;
    f.d.values[1] = NAN;
    OLI_Draw_Member_Diagram(&f.d);
    EXPECT_EQ(block.out.since(), "");
    f.d.values[1] = 5;
    f.d.count = 0;
    OLI_Draw_Member_Diagram(&f.d);
    EXPECT_EQ(block.out.since(), "");
}

TEST(Member_Diagram, RecordOperationsOwnTheirArrays) {
    Diagram_Fixture a({1, 2, 3});
    std::strcpy(a.d.name, "Biegemoment");   // 11 characters
    Member_Diagram b;
    OLI_Init_Member_Diagram(&b, 1);
    EXPECT_EQ(b.fill_pattern, 11);
    EXPECT_EQ(b.decimals, 2);
    EXPECT_EQ(b.values[0], 0);
    OLI_Copy_Member_Diagram(&b, &a.d);
    ASSERT_EQ(b.count, 3);
    EXPECT_NE(b.values, a.d.values);
    EXPECT_EQ(b.values[2], 3);
    EXPECT_EQ(b.positions[2], 20);
    EXPECT_STREQ(b.name, "Biegemoment");
    // A source without stations frees the target's arrays.
    Member_Diagram empty;
    OLI_Init_Member_Diagram(&empty, 0);
    EXPECT_EQ(empty.values, nullptr);
    OLI_Copy_Member_Diagram(&b, &empty);
    EXPECT_EQ(b.count, 0);
    EXPECT_EQ(b.values, nullptr);
    EXPECT_EQ(b.positions, nullptr);
    OLI_Free_Member_Diagram(&b);
}

TEST(Bold_Text, FourTimesAHundredthOfACentimetreApart) {
    Block block(0.1);
    OLI_Draw_Bold_Text(10, 20, "M");
    EXPECT_EQ(block.out.since(), " 2 1.000000 2.000000 «M»\n 2 1.010000 2.000000 «M»\n"
                                 " 2 1.000000 2.010000 «M»\n 2 1.010000 2.010000 «M»\n"_cp);
}

// A diagram over x 0..10 and y 0..5 on 5 by 5 cm with margins 0.5: scales 0.4 and 0.8.
Diagram_Settings Small_Settings() {
    Diagram_Settings s;
    OLI_Init_Diagram_Settings(&s);
    s.x_max = 10;
    s.y_max = 5;
    return s;
}

TEST(Diagram, OpenWritesWindowAxesArrowheadsAndTitles) {
    Graphic_Capture out;
    Diagram_Settings s = Small_Settings();
    std::strcpy(s.x_title, "x");
    std::strcpy(s.y_title, "y");
    ASSERT_EQ(OLI_Open_Diagram(out.stream, &s), 0);
    OLI_End_Diagram();
    EXPECT_EQ(out.text(),
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              "-0.500000 4.500000 -0.500000 4.500000\n"
              " 13 0.250000\n 16 2.000000\n 38 0   0\n"
              " 1  0.000000 0.000000 4.000000 0.000000\n"
              " 18 3 4.200000 0.000000 4.000000 0.100000 4.000000 -0.100000 \n"
              " 14 0.000000 0\n 10 4.300000 0.000000 4.300000 0.000000 209 «x»\n"
              " 4 2\n 13 0.250000\n 38 0   0\n"
              " 1  0.000000 0.000000 0.000000 4.000000\n"
              " 18 3 0.000000 4.200000 -0.100000 4.000000 0.100000 4.000000 \n"
              " 14 0.000000 0\n 10 0.000000 4.250000 0.000000 4.250000 226 «y»\n"
              " -1\n"_cp);
}

TEST(Diagram, TickLabelDecimalsFollowTheStep) {
    struct Case {
        double step;
        const char* first_label;
        std::size_t ticks;
    };
    const Case cases[] = {{0.05, "0.05", 199}, {0.5, "0.5", 19}, {2, "2", 4}};
    for (const Case& c : cases) {
        Graphic_Capture out;
        Diagram_Settings s = Small_Settings();
        s.x_tick = c.step;
        ASSERT_EQ(OLI_Open_Diagram(out.stream, &s), 0);
        const std::vector<std::string> texts = Quoted_Texts(out.text());
        ASSERT_EQ(texts.size(), 2 + c.ticks) << c.step;   // both titles and the tick labels
        EXPECT_EQ(texts[1], c.first_label) << c.step;
    }
}

TEST(Diagram, TickLinesLabelsAndGrid) {
    Graphic_Capture out;
    Diagram_Settings s = Small_Settings();
    s.x_min = -2;
    s.x_max = 8;
    s.x_tick = 4;
    s.grid = 1;
    ASSERT_EQ(OLI_Open_Diagram(out.stream, &s), 0);
    const std::string text = out.text();
    // Scales 0.4 and 0.8. -4 lies below x min: the one tick is 4, at 1.6 cm; its label 0.2 cm
    // below the axis, left-aligned; the tick 0.1 cm to either side; the grid over y 0..5.
    const std::string tick =
        " 13 0.200000\n 9 1.600000 -0.200000 1.600000 -0.200000 202 «4»\n 4 2\n 38 0   0\n"
        " 1  1.600000 -0.100000 1.600000 0.100000\n 4 1\n 38 2 0.03 0.05 0\n"
        " 1  1.600000 0.000000 1.600000 4.000000\n 4 2\n"_cp;
    EXPECT_NE(text.find(tick), std::string::npos) << text;
    EXPECT_EQ(Quoted_Texts(text).size(), 3u);
}

TEST(Diagram, RefusedOpeningWritesNothingAndClosesNothing) {
    struct Case {
        const char* name;
        void (*spoil)(Diagram_Settings&);
    };
    const Case cases[] = {
        {"empty x range", [](Diagram_Settings& s) { s.x_max = s.x_min; }},
        {"margins fill the paper", [](Diagram_Settings& s) { s.left = 4.5; }},
        {"value not finite", [](Diagram_Settings& s) { s.y_max = NAN; }},
        {"tick step far too fine", [](Diagram_Settings& s) { s.x_tick = 1e-12; }},
    };
    for (const Case& c : cases) {
        Graphic_Capture out;
        Diagram_Settings s = Small_Settings();
        c.spoil(s);
        EXPECT_EQ(OLI_Open_Diagram(out.stream, &s), 1) << c.name;
        OLI_End_Diagram();
        const double x[2] = {1, 2}, y[2] = {1, 2};
        OLI_Plot_Curve(out.stream, 2, x, y, 1, 0, 5, 5);
        EXPECT_EQ(out.text(), "") << c.name;
    }
}

// A diagram opened on no stream: the curve plots are allowed.
void Allow_Curves() {
    Diagram_Settings s = Small_Settings();
    ASSERT_EQ(OLI_Open_Diagram(nullptr, &s), 0);
}

TEST(Plot_Curve, OriginAlwaysInsideWithOneCentimetreMargin) {
    Allow_Curves();
    Graphic_Capture out;
    const double x[3] = {2, 4, 5}, y[3] = {1, 3, 2};
    OLI_Plot_Curve(out.stream, 3, x, y, 1, 0, 10, 6);   // x 0..5 on 10 cm, y 0..3 on 6 cm
    EXPECT_EQ(out.text(),
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              "-1.000000 11.000000 -1.000000 7.000000\n"
              " 1  0.000000 0.000000 10.000000 0.000000\n"
              " 1  0.000000 0.000000 0.000000 6.000000\n"
              " 1  4.000000 2.000000 8.000000 6.000000\n"
              " 1  8.000000 6.000000 10.000000 4.000000\n"
              " -1\n");
    // Reversed directions swap the window's ends.
    out.set_mark();
    OLI_Plot_Curve(out.stream, 3, x, y, 0, 1, 10, 6);
    const std::vector<std::string> reversed = Split_Lines(out.since());
    ASSERT_GT(reversed.size(), 4u);
    EXPECT_EQ(reversed[4], "11.000000 -1.000000 7.000000 -1.000000");
}

TEST(Plot_Curve, ZeroRangeOrBadValueWritesNothing) {
    Allow_Curves();
    Graphic_Capture out;
    const double x[2] = {0, 0}, y[2] = {1, 2};
    OLI_Plot_Curve(out.stream, 2, x, y, 1, 0, 10, 6);   // all x 0
    const double nx[2] = {1, NAN};
    OLI_Plot_Curve(out.stream, 2, nx, y, 1, 0, 10, 6);
    OLI_Plot_Curve(out.stream, 2, y, y, 1, 0, INFINITY, 6);
    EXPECT_EQ(out.text(), "");
}

}  // namespace
