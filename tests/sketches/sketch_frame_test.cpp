#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "report/graphic_capture.h"
#include "sketches/sketch_frame.h"

namespace {

std::string Frame(double x, const Sketch_Frame_Layout& layout) {
    Graphic_Capture out;
    Open_Report_Sketch(out.stream, x, layout);
    Close_Report_Sketch(out.stream);
    return out.text();
}

Sketch_Frame_Layout Layout(double ext_x, double ext_y) {
    Sketch_Frame_Layout l;
    l.ext_x = l.fit_x = ext_x;
    l.ext_y = l.fit_y = ext_y;
    l.avail_y = 20.6;
    l.top = 0.4;
    return l;
}

TEST(SketchFrame, ScaleFollowsTheUserScale) {
    struct Case { double x; double k; };
    const Case cases[] = {
        {10, 0.01},           // 1:10
        {0.001, 100},         // exactly 0.001: 0.1/x without label
        {0, 100.0 / 750},     // automatic: 105 mm into 14 cm
        {-5, 100.0 / 750},
        {std::numeric_limits<double>::quiet_NaN(), 100.0 / 750},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_DOUBLE_EQ(Sketch_Scale(c.x, 105, 44, 20.6), c.k);
    }
}

TEST(SketchFrame, EmptyOrBrokenExtentsGiveAFiniteEmptyBlock) {
    // nothing to fit: the scale 1:1 (k = 100 cm per model unit), the window of the margins alone
    const std::string empty = Frame(0, Layout(0, 0));
    EXPECT_EQ(empty,
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-1.000000 1.000000 0.400000 -1.000000\n 30\n 52\n"
              " 8 6\n 7 9\n 4 1\n 38 0   0\n 31\n 53\n -1\n#LAYOUT setYPositionCM 1 -0.5\n");
    // an infinite user scale falls back to the automatic scale and writes no label
    const std::string infinite = Frame(std::numeric_limits<double>::infinity(), Layout(105, 44));
    EXPECT_EQ(Split_Lines(infinite).at(4), "-1.000000 15.000000 6.266667 -1.000000");
    EXPECT_EQ(infinite.find("nan"), std::string::npos);
    EXPECT_EQ(infinite.find(" 9 "), std::string::npos);
}

TEST(SketchFrame, LabelOnlyWhereTheLayoutAsksForIt) {
    Sketch_Frame_Layout l = Layout(105, 44);
    l.bottom = 0.4;
    const std::string with = Frame(10, l);
    EXPECT_NE(with.find(" 9 -1.000000 -0.400000 -1.000000 -0.400000 201 "), std::string::npos);
    l.label = false;
    EXPECT_EQ(Frame(10, l).find(" 9 "), std::string::npos);
}

}  // namespace
