#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "checks/weld_test_support.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/graphic_capture.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_test_support.h"

namespace {

std::string Sketch(Weld_Connection& c, double scale, int expected_result = 0) {
    Graphic_Capture out;
    EXPECT_EQ(Print_Weld_Connection_Sketch(c, out.stream, scale), expected_result);
    return out.text();
}

TEST(WeldSketch, TwoSidedFilletAtNinetyDegreesIsTheWholeBlock) {
    Weld_Fixture f;   // a = 4 between plates of 10 mm, both sides
    const std::string block = Sketch(f.c, 10);
    // z = 4·√2, M = 1.5·10 = 15 = H = K: 40 × 25 mm; x0 = 20, y0 = 15
    Expected_Block e(0.01, -100, 65, 140, -100);
    e.scale_label_ten();
    e.pen(2);
    e.fill(59).colour(30, 30, 255).rectangle(0, 15, 40, 25).black();
    e.line(0, 25, 40, 25).line(0, 15, 40, 15);
    e.text(20, 20, "1");
    e.dimension(100, 15, 100, 25, 2);
    e.fill(59).colour(125, 125, 255).polygon({{15, 15}, {15, 0}, {25, 0}, {25, 15}}).black();
    e.line(15, 15, 25, 15).line(15, 15, 15, 0).line(25, 15, 25, 0);
    e.text(20, 7.5, "2");
    e.dimension(25, -60, 15, -60, 2);   // plate 2 at the bottom margin
    e.pen(1).pen(2);
    const double z = 4 * std::sqrt(2.0), h = 2 * std::sqrt(2.0);
    // left seam (side 1) with its throat from the corner to the foot on the hypotenuse
    e.fill(34).colour(30, 150, 30).polygon({{15, 15 - z}, {15 - z, 15}, {15, 15}});
    e.black().closed({{15, 15 - z}, {15 - z, 15}, {15, 15}});
    e.dimension(15, 15, 15 - z + h, 15 - h, 2);
    // right seam (side 0) without dimension at a right angle
    e.fill(43).colour(30, 150, 30).polygon({{25, 15 - z}, {25 + z, 15}, {25, 15}});
    e.black().closed({{25, 15 - z}, {25 + z, 15}, {25, 15}});
    e.pen(1).end();
    EXPECT_EQ(block, e.str());
}

TEST(WeldSketch, TwoSidedFilletAtSixtyDegreesIsTheWholeBlock) {
    Weld_Fixture f;
    f.c.weld.theta = 60;
    const std::string block = Sketch(f.c, 10);
    const double s3 = std::sqrt(3.0);
    // β 60°, γ 120°: z = a·sec 60° = 8 < 15 = H = K; ext_x = 10/sin 60° + 30, ext_y = 25
    const double w2 = 20 / s3, ext_x = w2 + 30, x0 = ext_x / 2;
    const double xl = x0 - w2 / 2, xr = xl + w2;   // 15 and 15 + w2
    Expected_Block e(0.01, -100, 65, ext_x + 100, -100);
    e.scale_label_ten();
    e.pen(2);
    e.fill(59).colour(30, 30, 255).rectangle(0, 15, ext_x, 25).black();
    e.line(0, 25, ext_x, 25).line(0, 15, ext_x, 15);
    e.text(x0, 20, "1");
    e.dimension(ext_x + 60, 15, ext_x + 60, 25, 2);
    // plate 2 leans left going down: its faces drop 15 mm over 15/√3 mm
    const double P1x = xl - 15 / s3, P2x = P1x + w2;
    e.fill(59).colour(125, 125, 255).polygon({{xl, 15}, {P1x, 0}, {P2x, 0}, {xr, 15}}).black();
    e.line(xl, 15, xr, 15).line(xl, 15, P1x, 0).line(xr, 15, P2x, 0);
    e.text((xl + P2x) / 2, 7.5, "2");
    e.dimension(P2x, 0, P2x - 10 * s3 / 2, 5, 2);   // across the plate at its cut end
    e.pen(1).pen(2);
    // left seam: legs a·sec 30° along plate 1 and 4 mm down plate 2's face
    const double zl = 8 / s3;
    e.fill(34).colour(30, 150, 30).polygon({{xl - zl / 2, 11}, {xl - zl, 15}, {xl, 15}});
    e.black().closed({{xl - zl / 2, 11}, {xl - zl, 15}, {xl, 15}});
    e.dimension(xl, 15, xl - zl + (zl - 2 * s3), 13, 2);
    // right seam: legs 2a = 8 along plate 1 and along the face of plate 2
    e.fill(43).colour(30, 150, 30).polygon({{xr - 4, 15 - 4 * s3}, {xr + 8, 15}, {xr, 15}});
    e.black().closed({{xr - 4, 15 - 4 * s3}, {xr + 8, 15}, {xr, 15}});
    e.dimension(xr + 2, 15 - 2 * s3, xr, 15, 2);
    e.pen(1).end();
    EXPECT_EQ(block, e.str());
}

TEST(WeldSketch, ButtWeldInLineDrawsTheThickerPlateLeft) {
    Weld_Fixture f(12, 20);
    f.c.weld.type = Weld_Butt;
    f.c.weld.theta = 0;
    f.c.weld.full_penetration = 1;
    f.c.weld.a = 12;
    const std::string block = Sketch(f.c, 10);
    // T1 = 20 (plate 2, left, "2"), T2 = 12 (plate 1, right, "1"): 60 × 20 mm
    Expected_Block e(0.01, -100, 60, 160, -100);
    e.scale_label_ten();
    e.pen(2);
    e.fill(59).colour(125, 125, 255).rectangle(0, 0, 30, 20).black();
    e.line(0, 0, 30, 0).line(30, 20, 0, 20).line(30, 0, 30, 20);
    e.text(15, 10, "2");
    e.fill(59).colour(30, 30, 255).rectangle(30, 0, 60, 12).black();
    e.line(30, 0, 60, 0).line(60, 12, 30, 12).line(30, 0, 30, 12);
    e.text(45, 6, "1");
    e.dimension(-60, 0, -60, 20, 2);
    e.dimension(120, 0, 120, 12, 2);
    e.pen(1).pen(2);
    // a double-bevel seam into the thinner plate, no dimension for full penetration
    e.fill(34).colour(30, 150, 30).polygon({{36, 0}, {30, 0}, {30, 6}}).black().closed({{36, 0}, {30, 0}, {30, 6}});
    e.fill(43).colour(30, 150, 30).polygon({{36, 12}, {30, 12}, {30, 6}}).black().closed({{36, 12}, {30, 12}, {30, 6}});
    e.pen(1).end();
    EXPECT_EQ(block, e.str());
}

// Dimension groups of a block: every group mark after the frame's own.
int Dimensions(const std::string& block) { return Count(block, " 30\n 52\n") - 1; }

TEST(WeldSketch, VariantsOfTheSection) {
    struct Case {
        const char* name;
        std::function<void(Weld_Connection&)> set;
        int filled_seams;   // filled triangles; outlined ones are checked on their own
        int dimensions;
    };
    const Case cases[] = {
        // plate thicknesses, the left throat; the right seam at 90° has none
        {"two-sided at 90°", [](Weld_Connection&) {}, 2, 3},
        {"one-sided right at 60°", [](Weld_Connection& c) { c.side = Weld_One_Sided_Right; c.weld.theta = 60; }, 1, 3},
        {"one-sided right at 90°", [](Weld_Connection& c) { c.side = Weld_One_Sided_Right; }, 1, 2},
        {"one-sided left, eccentricity considered", [](Weld_Connection& c) { c.side = Weld_One_Sided_Left; }, 1, 3},
        // without the eccentricity moment the other seam stands as an outline
        {"one-sided left, no eccentricity",
         [](Weld_Connection& c) { c.side = Weld_One_Sided_Left; c.flags &= ~Weld_Flag_Eccentricity; }, 1, 3},
        // a thick packing plate stands out 2a with two packing welds, the left one dimensioned
        {"thick packing plate", [](Weld_Connection& c) { c.packing = 1; c.t_p = 10; }, 4, 5},
        // a thin one continues the faces of plate 2 and the seams bridge it
        {"thin packing plate", [](Weld_Connection& c) { c.packing = 1; c.t_p = 3; }, 2, 4},
        {"penetration 0.1 mm", [](Weld_Connection& c) { c.weld.e = 0.1; }, 2, 3},
        // above 0.1 mm the left seam adds the throat outside the plate and the penetration
        {"penetration 2 mm", [](Weld_Connection& c) { c.weld.e = 2; }, 2, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Weld_Fixture f;
        c.set(f.c);
        const std::string block = Sketch(f.c, 0);
        const int triangles = Count(block, " 18 3 ");
        EXPECT_EQ(triangles, c.filled_seams);
        EXPECT_EQ(Count(block, "50 30 150 30\n"), c.filled_seams);   // green fills only
        EXPECT_EQ(Dimensions(block), c.dimensions);
    }
}

TEST(WeldSketch, OneSidedRightWeldLeansPlateTwoToTheRight) {
    Weld_Fixture f;
    f.c.side = Weld_One_Sided_Right;
    f.c.weld.theta = 60;
    const std::string block = Sketch(f.c, 10);
    // β = 120°: |cot β| H = 8.66 < H = 15 = K; plate 2's faces run down to the right by 15/√3
    const double s3 = std::sqrt(3.0), w2 = 20 / s3, ext_x = w2 + 30, xl = ext_x / 2 - w2 / 2;
    const std::string plate_2 = Format_Text(" 18 4 %lf %lf %lf %lf %lf %lf %lf %lf \n", xl / 100, 0.15,
                                            (xl + 15 / s3) / 100, 0.0, (xl + 15 / s3 + w2) / 100, 0.0,
                                            (xl + w2) / 100, 0.15);
    EXPECT_NE(block.find(plate_2), std::string::npos);
}

TEST(WeldSketch, OutlineOnlySeamHasNoFill) {
    Weld_Fixture f;
    f.c.side = Weld_One_Sided_Left;
    f.c.flags &= ~Weld_Flag_Eccentricity;
    const std::string block = Sketch(f.c, 10);
    // the right seam at x 25: its outline follows plate 2's lines without a fill before it
    const double z = 4 * std::sqrt(2.0);
    const std::string outline = Format_Text(" 1  %lf %lf %lf %lf\n 1  %lf %lf %lf %lf\n", 0.25,
                                            (15 - z) / 100, (25 + z) / 100, 0.15, (25 + z) / 100, 0.15,
                                            0.25, 0.15);
    const std::size_t at = block.find(outline);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(block.substr(at - 9, 9), "50 0 0 0\n");
    EXPECT_EQ(Count(block, " 20  43\n"), 0);   // the right seam's fill pattern never comes
}

TEST(WeldSketch, SlotAndPlugInPlan) {
    struct Case { const char* name; int type; double d, l, a; int light_blue; const char* throat; };
    const Case cases[] = {
        // a plug with l = d is a full disc of two half-discs; the dimension l equals d
        {"plug l = d", Weld_Plug, 20, 20, 10, 1, "a = 10.0 mm"},
        // a slot adds its unwelded core inside the seam of leg a·√2
        {"slot", Weld_Slot, 40, 100, 4, 2, "a = 4.0 mm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Weld_Fixture f;
        f.c.weld.type = c.type;
        f.c.weld.d = c.d;
        f.c.weld.l = c.l;
        f.c.weld.a = c.a;
        const std::string block = Sketch(f.c, 10);
        // 3d + l by 2d
        EXPECT_EQ(Split_Lines(block).at(4),
                  Format_Text("%lf %lf %lf %lf", -1.0, (3 * c.d + c.l + 100) / 100, (2 * c.d + 40) / 100, -1.0));
        EXPECT_EQ(Count(block, "50 125 125 255\n"), c.light_blue);
        const std::vector<std::string> texts = Quoted_Texts(block);
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.throat), texts.end());
        EXPECT_NE(std::find(texts.begin(), texts.end(), Format_Text("%.0f", c.l)), texts.end());
        EXPECT_EQ(Count(block, " 24  "), c.type == Weld_Slot ? 4 : 3);   // members, hole, core
    }
}

TEST(WeldSketch, ButtWeldJustAboveZeroIsDrawnAsSection) {
    // below 0.001° in line; from there on a section throughout, plates and seams alike
    Weld_Fixture f;
    f.c.weld.type = Weld_Butt;
    f.c.weld.theta = 0.05;
    f.c.weld.full_penetration = 1;
    const std::string block = Sketch(f.c, 0);
    EXPECT_EQ(Count(block, " 18 4 "), 1);   // plate 2 as a section polygon
    EXPECT_EQ(Count(block, " 24  "), 1);    // plate 1 only, no in-line plate
    EXPECT_EQ(Count(block, " 18 3 "), 2);
}

TEST(WeldSketch, RefusedInputWritesNothing) {
    struct Case { const char* name; void (*spoil)(Weld_Connection&); };
    const Case cases[] = {
        {"plate 1 without thickness", [](Weld_Connection& c) { c.plate1.t = 0; }},
        {"unknown weld type", [](Weld_Connection& c) { c.weld.type = 7; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Weld_Fixture f;
        c.spoil(f.c);
        Graphic_Capture out;
        EXPECT_NE(Print_Weld_Connection_Sketch(f.c, out.stream, 10), 0);
        EXPECT_EQ(out.text(), "");
    }
}

}  // namespace
