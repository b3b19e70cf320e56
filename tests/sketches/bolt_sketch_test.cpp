#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "checks/bolt_test_support.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/graphic_capture.h"
#include "sketches/fastener_views.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_test_support.h"

namespace {

// M20 8.8 (d 20, Δd 2, e 32.95, k 12.5, m 19, h_w 3, d_w 37) through plates of 10 and 12 mm,
// e1,1 40, e1,2 50, p1 70, one shear plane, category A.
Bolt_Connection M20_Joint() {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.plate_2 = Test_Plate(12.0);
    C.e_11 = 40;
    C.e_12 = 50;
    C.e_21 = 40;
    C.e_22 = 40;
    C.p_1 = 70;
    C.F_v_Ed = 50000;
    return C;
}

std::string Sketch(Bolt_Connection C, double scale, int* result = nullptr) {
    Graphic_Capture out;
    const int r = Print_Bolt_Connection_Sketch(&C, out.stream, scale);
    if (result) *result = r;
    return out.text();
}

// A hexagon seen across its corners (width w, c = w/12), upper face at y, flanks from y − cu down
// to y − cu − L, chamfers cl and cu, with its two corner edges at x ± w/4 and their V marks.
void Hexagon(Expected_Block& e, double x, double y, double L, double cl, double cu, double w) {
    const double r = w / 2, c = w / 12, yu = y - cu, yl = yu - L, yf = yl - cl;
    e.fill(34).colour(30, 150, 30);
    e.polygon({{x - r, yu}, {x - r, yl}, {x - r + c, yf}, {x + r - c, yf}, {x + r, yl}, {x + r, yu},
               {x + r - c, y}, {x - r + c, y}});
    e.black().closed({{x - r, yu}, {x - r, yl}, {x - r + c, yf}, {x + r - c, yf}, {x + r, yl},
                      {x + r, yu}, {x + r - c, y}, {x - r + c, y}});
    e.line(x - w / 4, yu, x - w / 4, yl).line(x + w / 4, yu, x + w / 4, yl);
    if (cl > 0)
        for (double xe : {x - w / 4, x + w / 4}) e.line(xe, yl, xe - c, yf).line(xe, yl, xe + c, yf);
    if (cu > 0)
        for (double xe : {x - w / 4, x + w / 4}) e.line(xe, yu, xe - c, y).line(xe, yu, xe + c, y);
}

// The M20 of the joint in side view at x: head under the face 15.5, shank to 65.75 and its end at
// 68.75, thread from 31.5 (the middle of plate 2), washer 37.5 to 40.5, nut to 59.5.
void M20_Side_View(Expected_Block& e, double x, bool emphasised) {
    const int pen = emphasised ? 2 : 1;
    e.pen(pen).fill(34).colour(30, 150, 30);
    e.polygon({{x - 10, 15.5}, {x - 10, 65.75}, {x - 7, 68.75}, {x + 7, 68.75}, {x + 10, 65.75}, {x + 10, 15.5}});
    e.black().closed(
        {{x - 10, 15.5}, {x - 10, 65.75}, {x - 7, 68.75}, {x + 7, 68.75}, {x + 10, 65.75}, {x + 10, 15.5}});
    e.pen(1);
    e.line(x - 10, 31.5, x + 10, 31.5).line(x - 10, 65.75, x + 10, 65.75);
    e.line(x - 7, 31.5, x - 7, 68.75).line(x + 7, 31.5, x + 7, 68.75);
    e.line(x - 7, 31.5, x - 10, 28.5).line(x + 7, 31.5, x + 10, 28.5);
    e.pen(pen);
    e.fill(26).colour(255, 50, 50).polygon({{x - 18.5, 37.5}, {x - 18.5, 40.5}, {x + 18.5, 40.5}, {x + 18.5, 37.5}});
    e.black().closed({{x - 18.5, 37.5}, {x - 18.5, 40.5}, {x + 18.5, 40.5}, {x + 18.5, 37.5}});
    Hexagon(e, x, 59.5, 0.7 * 19, 0.15 * 19, 0.15 * 19, 32.95);   // nut, m 19
    Hexagon(e, x, 15.5, 10, 2.5, 0, 32.95);                        // head, 0.8 k and 0.2 k
    if (emphasised) {
        // "M20 " under the head, hanging from 3 − 0.05 cm
        e.font(7).raw(Format_Text(" 9 %lf -0.020000 %lf -0.020000 226 «M20 »\n"_cp, x / 100, x / 100));
        e.font(9);
    }
    e.pen(1);
}

TEST(BoltSketch, M20PairAtScaleTenIsTheWholeBlock) {
    ASSERT_EQ(M20_Joint().fastener.t_m, 19.0);   // the table's nut height of the normal set
    const std::string block = Sketch(M20_Joint(), 10);
    // extents 205 × 65.75 mm; margins 1 cm, 1.6 cm on top
    Expected_Block e(0.01, -100, 225.75, 305, -100);
    e.scale_label_ten();
    e.pen(2);
    auto piece = [&](int r, int g, int b, double xa, double xb, double lo, double hi, bool left, bool right) {
        e.fill(59).colour(r, g, b).rectangle(xa, lo, xb, hi).black();
        e.line(xa, lo, xb, lo);
        if (right) e.line(xb, lo, xb, hi);
        e.line(xb, hi, xa, hi);
        if (left) e.line(xa, hi, xa, lo);
    };
    // plate 1 (blue) 15.5 ... 25.5 from 20, holes 22 wide at 60 and 130, running out at 205
    piece(30, 30, 255, 20, 49, 15.5, 25.5, true, true);
    e.dimension(60, -60, 20, -60, 2);
    piece(30, 30, 255, 71, 119, 15.5, 25.5, true, true);
    e.dimension(130, -60, 60, -60, 0);
    piece(30, 30, 255, 141, 205, 15.5, 25.5, true, false);
    e.dimension(265, 15.5, 265, 25.5, 0);
    e.text(173, 20.5, "1");
    // plate 2 (light blue) 25.5 ... 37.5 from 0 to 180
    piece(125, 125, 255, 141, 180, 25.5, 37.5, true, true);
    e.dimension(180, -60, 130, -60, 2);
    piece(125, 125, 255, 71, 119, 25.5, 37.5, true, true);
    e.dimension(130, -60, 60, -60, 2);
    piece(125, 125, 255, 0, 49, 25.5, 37.5, false, true);
    e.dimension(-60, 25.5, -60, 37.5, 2);
    e.text(24.5, 31.5, "2");
    e.pen(1);
    M20_Side_View(e, 60, true);
    M20_Side_View(e, 130, false);
    e.end();
    EXPECT_EQ(block, e.str());
    EXPECT_EQ(Fastener_Emphasis, 1);   // restored after the second bolt
}

// The dimension labels of a block (every quoted text but the scale label), without the blank
// superscripts.
std::vector<std::string> Dimension_Labels(const std::string& block) {
    std::vector<std::string> labels;
    for (const std::string& t : Quoted_Texts(block))
        if (t != " " && t.find("1:") == std::string::npos && t != "1" && t != "2" && t != "M20 ")
            labels.push_back(t);
    return labels;
}

TEST(BoltSketch, VariantsOfTheJoint) {
    struct Case {
        const char* name;
        std::function<void(Bolt_Connection&)> set;
        std::function<void(const std::string&)> check;
    };
    const Case cases[] = {
        {"no distances: one bolt at 3d, plates run out of both sides",
         [](Bolt_Connection& C) { C.e_11 = C.e_12 = C.p_1 = 0; C.spacing_off = 1; },
         [](const std::string& b) {
             // 6d = 120 wide; only the thicknesses are dimensioned
             EXPECT_EQ(Split_Lines(b).at(4), "-1.000000 2.200000 2.257500 -1.000000");
             EXPECT_EQ(Dimension_Labels(b), (std::vector<std::string>{"10", "12"}));
             EXPECT_EQ(b.find(" 1  0.000000 0.155000 0.000000"), std::string::npos);   // no end lines
             EXPECT_EQ(b.find(" 1  1.200000 0.255000 1.200000"), std::string::npos);
             EXPECT_EQ(Count(b, "\xAEM20 \xAF"), 1);
         }},
        {"no shear category: no e1,2 dimension",
         [](Bolt_Connection& C) { C.Shear_Category = Shear_Category_None; },
         [](const std::string& b) {
             EXPECT_EQ(Dimension_Labels(b), (std::vector<std::string>{"40", "70", "10", "70", "12"}));
         }},
        {"oversize hole: 24 wide and dimensioned above",
         [](Bolt_Connection& C) { C.fastener.hole_type = Hole_Oversize; C.fastener.hole_enlargement = 4; },
         [](const std::string& b) {
             EXPECT_NE(b.find(" 24  0.720000 0.155000 1.180000 0.255000\n"), std::string::npos);
             EXPECT_EQ(Dimension_Labels(b).back(), "24");
         }},
        {"short slot in the force direction: d + 6",
         [](Bolt_Connection& C) {
             C.fastener.hole_type = Hole_Short_Slot_Parallel;
             C.fastener.hole_enlargement = 6;
             C.spacing_off = 1;
         },
         [](const std::string& b) {
             EXPECT_NE(b.find(" 24  0.730000 0.155000 1.170000 0.255000\n"), std::string::npos);
             EXPECT_EQ(Dimension_Labels(b).back(), "26");
         }},
        {"short slot across the force: the normal width, no hole dimension",
         [](Bolt_Connection& C) { C.fastener.hole_type = Hole_Short_Slot_Transverse; C.spacing_off = 1; },
         [](const std::string& b) {
             EXPECT_NE(b.find(" 24  0.710000 0.155000 1.190000 0.255000\n"), std::string::npos);
             EXPECT_EQ(Dimension_Labels(b).back(), "12");
         }},
        {"two shear planes with packing: two plates 2, two packings, e1,2 twice",
         [](Bolt_Connection& C) { C.shear_planes = 2; C.packing = 1; C.t_p = 5; C.plate_1 = Test_Plate(20.0); },
         [](const std::string& b) {
             EXPECT_EQ(Count(b, "50 125 125 255\n"), 6);
             EXPECT_EQ(Count(b, "50 128 128 0\n"), 6);
             const std::vector<std::string> labels = Dimension_Labels(b);
             EXPECT_EQ(std::count(labels.begin(), labels.end(), "50"), 2);
             EXPECT_EQ(std::count(labels.begin(), labels.end(), "5"), 2);
             EXPECT_EQ(std::count(labels.begin(), labels.end(), "12"), 2);
         }},
        {"tapped hole: no nut, ext_y less 0.15 d + h_w + m",
         [](Bolt_Connection& C) { C.fastener.tapped_hole = 1; C.fastener.l_e = 20; C.plate_2 = Test_Plate(30.0); },
         [](const std::string& b) {
             // 10 + 30 + 18.75 = 58.75 mm high; the shank ends at 25.5 + l_e = 45.5 in plate 2
             EXPECT_EQ(Split_Lines(b).at(4), "-1.000000 3.050000 2.187500 -1.000000");
             EXPECT_NE(b.find(" 18 6 0.500000 0.155000 0.500000 0.425000 0.530000 0.455000 0.670000 0.455000 "
                              "0.700000 0.425000 0.700000 0.155000 \n"),
                       std::string::npos);
             EXPECT_EQ(Count(b, "50 255 50 50\n"), 0);   // no washer under a nut
             EXPECT_EQ(Count(b, " 18 8 "), 2);            // the two heads only
         }},
        {"plates ohne Nachweis are grey",
         [](Bolt_Connection& C) { C.options |= Bolt_Option_Plate_1_Unverified | Bolt_Option_Plate_2_Unverified; },
         [](const std::string& b) {
             EXPECT_EQ(Count(b, "50 110 110 110\n"), 6);
             EXPECT_EQ(Count(b, "50 30 30 255\n"), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bolt_Connection C = M20_Joint();
        c.set(C);
        int result = -1;
        const std::string block = Sketch(C, 10, &result);
        ASSERT_EQ(result, 0);
        c.check(block);
    }
}

TEST(BoltSketch, InjectionBoltsShowTheirResin) {
    Bolt_Connection C = M20_Joint();
    C.fastener.type = Fastener_Injection_Bolt;
    C.fastener.hole_type = Hole_Normal;
    Derive_Fastener_Data(&C.fastener, nullptr, 0);
    const std::string block = Sketch(C, 10);
    // the preloadable set (washer 4 mm): the stack from 16.5; two brown rectangles beside each
    // shank from there to the top of plate 2 at 38.5
    ASSERT_EQ(C.fastener.t_p, 4.0);
    EXPECT_EQ(Count(block, "50 128 64 0\n"), 2);
    EXPECT_NE(block.find(" 24  0.490000 0.165000 0.500000 0.385000\n"), std::string::npos);
    EXPECT_NE(block.find(" 24  0.700000 0.165000 0.710000 0.385000\n"), std::string::npos);
}

TEST(BoltSketch, AnchorPairInConcrete) {
    Bolt_Connection C = Test_Anchor_Joint(7);
    C.e_11 = 80;
    C.p_1 = 150;
    C.packing = 1;
    C.t_p = 20;
    const std::string block = Sketch(C, 10);
    // base plate with both ends drawn, grout in three pieces, one concrete polygon with two holes
    EXPECT_EQ(Count(block, " 18 12 "), 1);
    EXPECT_EQ(Count(block, "50 128 128 0\n"), 3);
    EXPECT_EQ(Count(block, "50 110 110 110\n"), 1);
    const std::vector<std::string> labels = Dimension_Labels(block);
    EXPECT_NE(std::find(labels.begin(), labels.end(), "200"), labels.end());   // embedment ℓ_e
}

TEST(BoltSketch, RefusedInputWritesNothing) {
    Bolt_Connection C = M20_Joint();
    C.plate_1.t = 0;
    Graphic_Capture out;
    EXPECT_NE(Print_Bolt_Connection_Sketch(&C, out.stream, 10), 0);
    EXPECT_EQ(out.text(), "");
}

}  // namespace
