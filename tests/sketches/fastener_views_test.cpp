#include <gtest/gtest.h>

#include "checks/bolt_test_support.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "sketches/fastener_views.h"
#include "sketches/sketch_style.h"
#include "sketches/sketch_test_support.h"

namespace {

// The lines that one side view writes into a block at scale 1 (cm = mm), u = 10.
std::string Side_View(const Fastener& f, double T1, double t2, double tp, int thread, int emphasis) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, -10, 100, 100, -10, 1, 1, 0, nullptr);
    OLI_Set_Graphic_Verbose(1);
    Init_Sketch_Style();
    out.set_mark();
    Set_Fastener_Emphasis(emphasis);
    Print_Bolt_Side_View(nullptr, 10, 60, 25.5, f, T1, t2, tp, 0, thread);
    Set_Fastener_Emphasis(1);
    return out.since();
}

Fastener M20() { return Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8).fastener; }

TEST(FastenerViews, ThreadStartsInThePartThatTheShearPlaneLeaves) {
    // shank from the face under the head at 15.5; the thread starts in the middle of the upper part
    // (31.5) or, with the thread in the shear plane, in the middle of the lower part (20.5)
    const std::string shank = Side_View(M20(), 10, 12, 0, 0, 1);
    EXPECT_NE(shank.find(" 1  50.000000 31.500000 70.000000 31.500000\n"), std::string::npos);
    const std::string thread = Side_View(M20(), 10, 12, 0, 1, 1);
    EXPECT_NE(thread.find(" 1  50.000000 20.500000 70.000000 20.500000\n"), std::string::npos);
    EXPECT_EQ(thread.find(" 1  50.000000 31.500000 70.000000 31.500000\n"), std::string::npos);
    // the label hangs under the head at 3 − 0.05 u
    EXPECT_NE(shank.find(" 7 7\n 9 60.000000 2.500000 60.000000 2.500000 226 \xAEM20 \xAF\n 7 9\n"),
              std::string::npos);
}

TEST(FastenerViews, EmphasisAndStandardSizeDecidePenAndLabel) {
    Fastener own = M20();
    own.non_standard_size = 1;
    struct Case { const char* name; Fastener f; int emphasis; int pen_2; bool label; };
    const Case cases[] = {
        {"emphasised", M20(), 1, 2, true},
        {"second bolt", M20(), 0, 0, false},
        {"size not standardised", own, 1, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string lines = Side_View(c.f, 10, 12, 0, 0, c.emphasis);
        EXPECT_EQ(Count(lines, " 4 2\n"), c.pen_2);
        EXPECT_EQ(lines.find("\xAEM20 \xAF") != std::string::npos, c.label);
        EXPECT_EQ(lines.substr(lines.size() - 5), " 4 1\n");
    }
}

TEST(FastenerViews, WithoutUpperPartOnlyTheShankThroughTheLowerPart) {
    const std::string lines = Side_View(M20(), 10, 0, 0, 0, 1);
    // shank 50 ... 70 from the face 15.5 to the top 25.5, its two side lines, nothing else
    EXPECT_EQ(lines,
              " 4 2\n 20  34\n50 30 150 30\n"
              " 18 4 50.000000 15.500000 50.000000 25.500000 70.000000 25.500000 70.000000 15.500000 \n"
              "50 0 0 0\n"
              " 1  50.000000 15.500000 50.000000 25.500000\n"
              " 1  70.000000 15.500000 70.000000 25.500000\n"
              " 4 1\n");
}

TEST(FastenerViews, KindAboveFourDrawsNothing) {
    Fastener f = M20();
    f.type = 5;
    EXPECT_EQ(Side_View(f, 10, 12, 0, 0, 1), "");
}

TEST(FastenerViews, EmphasisSetterStoresTheSwitch) {
    Set_Fastener_Emphasis(0);
    EXPECT_EQ(Fastener_Emphasis, 0);
    Set_Fastener_Emphasis(1);
    EXPECT_EQ(Fastener_Emphasis, 1);
}

}  // namespace
