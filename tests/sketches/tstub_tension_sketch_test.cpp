#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "checks/bolt_test_support.h"
#include "checks/tstub_tension.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "report/graphic_capture.h"
#include "report/graphic_shapes.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_test_support.h"

namespace {

// A column flange t_f 20 (S235) with one row of two M20 8.8 bolts (normal set: e 32.95, k 12.5,
// h_w 3, Δd 2): e 40, m 45, e1 35.
T_Stub_Tension Column_Flange() {
    T_Stub_Tension T;
    Default_T_Stub_Tension(&T);
    T.bolts_per_row = 2;
    T.row_count = 1;
    T.location = T_Stub_Column_Flange;
    T.e = 40;
    T.m = 45;
    T.e_1 = 35;
    T.p = 0;
    T.flange = Test_Plate(20.0);
    T.flange.l = 300;
    T.fastener.class_index = Bolt_Class_8_8;
    T.fastener.large_width = 0;
    T.fastener.slip_resistant = 0;
    return T;
}

std::string Sketch(T_Stub_Tension T, double scale, int view) {
    Graphic_Capture out;
    EXPECT_EQ(Print_T_Stub_Tension_Sketch(&T, out.stream, scale, view), 0);
    return out.text();
}

TEST(TStubTensionSketch, SectionOfTheColumnFlangeIsTheWholeBlock) {
    const std::string block = Sketch(Column_Flange(), 10, 1);
    // ρ 6.667, r 7.5, D_h 24; X1 210, Y1 66.5; the label at (−u, −0.4 u)
    Expected_Block e(0.01, -100, 106.5, 310, -40);
    e.scale_label_ten(-0.4);
    e.pen(2);
    // flange 1.5 ... 208.5 between 46.5 and 66.5, holes 24 wide at 41.5 and 168.5
    e.fill(59).colour(30, 30, 255).polygon({{1.5, 66.5}, {1.5, 46.5}, {29.5, 46.5}, {29.5, 66.5}});
    e.black().closed({{1.5, 66.5}, {1.5, 46.5}, {29.5, 46.5}, {29.5, 66.5}});
    e.fill(59).colour(30, 30, 255).polygon({{180.5, 66.5}, {180.5, 46.5}, {208.5, 46.5}, {208.5, 66.5}});
    e.black().closed({{180.5, 66.5}, {180.5, 46.5}, {208.5, 46.5}, {208.5, 66.5}});
    e.fill(59).colour(30, 30, 255).polygon({{53.5, 66.5}, {53.5, 46.5}, {156.5, 46.5}, {156.5, 66.5}}).black();
    // web 2 (t_f − r) = 25 from 92.5 to 117.5
    e.fill(59).colour(30, 30, 255).polygon({{92.5, 46.5}, {92.5, 0}, {117.5, 0}, {117.5, 46.5}}).black();
    // root fillets r 7.5: centres (85, 39) and (125, 39)
    const double c[9] = {1, 0.98078528040323, 0.92387953251129, 0.83146961230255, 0.70710678118655,
                         0.55557023301960, 0.38268343236509, 0.19509032201613, 0};
    e.fill(59).colour(30, 30, 255);
    e.polygon({{92.5, 46.5}, {85 + 7.5 * c[0], 39 + 7.5 * c[8]}, {85 + 7.5 * c[1], 39 + 7.5 * c[7]},
               {85 + 7.5 * c[2], 39 + 7.5 * c[6]}, {85 + 7.5 * c[3], 39 + 7.5 * c[5]},
               {85 + 7.5 * c[4], 39 + 7.5 * c[4]}, {85 + 7.5 * c[5], 39 + 7.5 * c[3]},
               {85 + 7.5 * c[6], 39 + 7.5 * c[2]}, {85 + 7.5 * c[7], 39 + 7.5 * c[1]}, {85, 46.5}});
    e.black();
    for (int j = 0; j < 8; ++j)
        e.line(85 + 7.5 * c[j], 39 + 7.5 * c[8 - j], 85 + 7.5 * c[j + 1], 39 + 7.5 * c[7 - j]);
    e.fill(59).colour(30, 30, 255);
    e.polygon({{117.5, 46.5}, {125 - 7.5 * c[8], 39 + 7.5 * c[0]}, {125 - 7.5 * c[7], 39 + 7.5 * c[1]},
               {125 - 7.5 * c[6], 39 + 7.5 * c[2]}, {125 - 7.5 * c[5], 39 + 7.5 * c[3]},
               {125 - 7.5 * c[4], 39 + 7.5 * c[4]}, {125 - 7.5 * c[3], 39 + 7.5 * c[5]},
               {125 - 7.5 * c[2], 39 + 7.5 * c[6]}, {125 - 7.5 * c[1], 39 + 7.5 * c[7]}, {117.5, 39}});
    e.black();
    for (int j = 0; j < 8; ++j)
        e.line(125 - 7.5 * c[8 - j], 39 + 7.5 * c[j], 125 - 7.5 * c[7 - j], 39 + 7.5 * c[j + 1]);
    // edges of the middle piece and the web faces below the fillets
    e.line(53.5, 66.5, 156.5, 66.5).line(53.5, 66.5, 53.5, 46.5).line(53.5, 46.5, 85, 46.5);
    e.line(92.5, 39, 92.5, 0).line(156.5, 66.5, 156.5, 46.5).line(156.5, 46.5, 125, 46.5);
    e.line(117.5, 39, 117.5, 0);
    // m-points at 86.5 and 123.5, dashed
    e.dashed().pen(1);
    e.line(85, 46.5, 86.5, 46.5).line(86.5, 46.5, 86.5, 0);
    e.line(125, 46.5, 123.5, 46.5).line(123.5, 46.5, 123.5, 0);
    e.pen(2).solid();
    // t_f, e, m
    e.dimension(-60, 46.5, -60, 66.5, 2);
    e.dimension(41.5, 25, 1.5, 25, 2);
    e.dimension(86.5, 25, 41.5, 25, 2);
    // the shanks through the flange, flush with its top; no backing plates
    for (double x : {41.5, 168.5}) {
        e.pen(2).fill(34).colour(30, 150, 30);
        e.polygon({{x - 10, 46.5}, {x - 10, 66.5}, {x + 10, 66.5}, {x + 10, 46.5}});
        e.black().line(x - 10, 46.5, x - 10, 66.5).line(x + 10, 46.5, x + 10, 66.5).pen(1);
    }
    e.pen(2).pen(1).pen(2).pen(1);
    e.pen(1).end();
    EXPECT_EQ(block, e.str());
    const std::vector<std::string> texts = Quoted_Texts(block);
    const std::vector<std::string> labels(texts.begin() + 1, texts.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"20", " ", "40", " ", "45", " "}));
}

TEST(TStubTensionSketch, PlanOfTheColumnFlangeIsTheWholeBlock) {
    const std::string block = Sketch(Column_Flange(), 10, 0);
    const double rho = 20.0 / 3, y_b = rho - 7.5, Y0 = 35 + 35 + rho, y_1 = y_b + 35;
    Expected_Block e(0.01, -100, Y0 + 40, 310, -40);   // no label in the plan
    e.pen(2);
    e.fill(59).colour(30, 30, 255).polygon({{0, y_b}, {0, Y0}, {210, Y0}, {210, y_b}}).black();
    e.line(0, y_b, 0, Y0).line(210, y_b, 210, Y0).line(0, y_b, 210, y_b);
    // the web band 91 ... 119, the traces of the web faces dashed at 85 and 125, the fillets' ends
    // solid at 83.5 and 126.5
    e.fill(59).colour(125, 125, 255).rectangle(91, y_b, 119, Y0).black();
    e.line(91, y_b, 91, Y0).line(119, y_b, 119, Y0).line(91, y_b, 119, y_b);
    e.pen(1).dashed().line(85, y_b, 85, Y0).line(125, y_b, 125, Y0);
    e.solid().line(83.5, y_b, 83.5, Y0).line(126.5, y_b, 126.5, Y0);
    e.pen(2);
    e.dimension(-60, y_b, -60, y_1, 2);
    const double h = 0.433 * 32.95;
    for (double x : {40.0, 170.0}) {
        e.pen(2).fill(34).colour(30, 150, 30);
        e.polygon({{x - 16.475, y_1}, {x - 8.2375, y_1 + h}, {x + 8.2375, y_1 + h}, {x + 16.475, y_1},
                   {x + 8.2375, y_1 - h}, {x - 8.2375, y_1 - h}});
        e.black().closed({{x - 16.475, y_1}, {x - 8.2375, y_1 + h}, {x + 8.2375, y_1 + h}, {x + 16.475, y_1},
                          {x + 8.2375, y_1 - h}, {x - 8.2375, y_1 - h}});
        e.pen(1).dashed();
        e.call([x, y_1] { OLI_Draw_Arc(x, y_1, 20, 0, 360); });
        e.solid();
    }
    e.pen(1).raw(" 38 4 0.28 0.05 0.04 0.05 0\n");
    e.line(0, y_b, 0, Y0).line(0, Y0, 210, Y0).line(210, Y0, 210, y_b).line(210, y_b, 0, y_b);
    e.pen(3).colour(110, 110, 110).line(-2.25, y_1, 212.25, y_1).black().pen(1).solid();
    e.end();
    EXPECT_EQ(block, e.str());
}

TEST(TStubTensionSketch, GivenLengthsWriteNoPlan) {
    T_Stub_Tension T = Column_Flange();
    T.lengths_given = 1;
    T.sum_l_eff_1 = 200;
    T.sum_l_eff_2 = 250;
    Graphic_Capture out;
    EXPECT_EQ(Print_T_Stub_Tension_Sketch(&T, out.stream, 10, 0), 0);
    EXPECT_EQ(out.text(), "");
    // view 1 still comes, framed by its own extents 210 × 66.5
    const std::string block = Sketch(T, 0, 1);
    EXPECT_EQ(Split_Lines(block).at(4), Format_Text("%lf %lf %lf %lf", -1.0, 225.0 / 15, 72.5 / 15, -0.4));
}

std::vector<std::string> Labels(const std::string& block) {
    std::vector<std::string> labels;
    for (const std::string& t : Quoted_Texts(block))
        if (t != " " && t.find("1:") == std::string::npos) labels.push_back(t);
    return labels;
}

// An end plate between the beam flanges with rows of four bolts: e 40, w 60, m 45, e1 35.
T_Stub_Tension Four_Bolt_End_Plate() {
    T_Stub_Tension T = Column_Flange();
    T.location = T_Stub_End_Plate;
    T.bolts_per_row = 4;
    T.w = 60;
    T.t_w = 0;
    return T;
}

// The end-plate extension l_f 200 with two bolts: e 40 to the side edges, e1 30, m1 40.
T_Stub_Tension Extension() {
    T_Stub_Tension T = Column_Flange();
    T.location = T_Stub_Extension;
    T.e_1 = 30;
    T.m_1 = 40;
    T.flange.l = 200;
    return T;
}

TEST(TStubTensionSketch, SectionVariants) {
    struct Case {
        const char* name;
        std::function<void(T_Stub_Tension&)> set;
        int shanks;                       // green fills of the bolts
        int olive;                        // backing-plate fills
        std::vector<std::string> labels;  // dimension labels in order
    };
    const Case cases[] = {
        // four bolts with t_w 0: the web is drawn 2 (t_f − r) = 25 thick and dimensioned
        {"four bolts, t_w 0", [](T_Stub_Tension&) {}, 4, 0, {"20", "40", "60", "45", "25"}},
        // a given web of 12 mm
        {"four bolts, t_w 12", [](T_Stub_Tension& T) { T.t_w = 12; }, 4, 0, {"20", "40", "60", "45", "12"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        T_Stub_Tension T = Four_Bolt_End_Plate();
        c.set(T);
        const std::string block = Sketch(T, 0, 1);
        EXPECT_EQ(Count(block, "50 30 150 30\n"), c.shanks);
        EXPECT_EQ(Count(block, "50 128 128 0\n"), c.olive);
        EXPECT_EQ(Labels(block), c.labels);
    }
}

TEST(TStubTensionSketch, BackingPlatesRaiseTheFlange) {
    T_Stub_Tension T = Column_Flange();
    T.backing_plate = 1;
    T.t_bp = 8;
    const std::string section = Sketch(T, 10, 1);
    // the flange's underside at 3 (k + h_w) + 3 t_bp = 70.5, the shanks from 8 below it
    EXPECT_NE(section.find(" 18 4 0.015000 0.905000 0.015000 0.705000 0.295000 0.705000 0.295000 0.905000 \n"),
              std::string::npos);
    EXPECT_NE(section.find(" 18 4 0.315000 0.625000 0.315000 0.905000 0.515000 0.905000 0.515000 0.625000 \n"),
              std::string::npos);
    EXPECT_EQ(Count(section, "50 128 128 0\n"), 4);   // two plates per bolt
    const std::vector<std::string> labels = Labels(section);
    EXPECT_EQ(std::count(labels.begin(), labels.end(), "8"), 2);   // one thickness per bolt
    // in plan one olive plate per bolt and row
    EXPECT_EQ(Count(Sketch(T, 10, 0), "50 128 128 0\n"), 2);
    // not with four bolts (the end plate) even with the switch set
    T_Stub_Tension F = Four_Bolt_End_Plate();
    F.backing_plate = 1;
    F.t_bp = 8;
    EXPECT_EQ(Count(Sketch(F, 10, 1), "50 128 128 0\n"), 0);
}

TEST(TStubTensionSketch, ExtensionWithTwoBolts) {
    const std::string section = Sketch(Extension(), 0, 1);
    // E = e1 30, M = m1 40: the web welds instead of root fillets
    EXPECT_EQ(Count(section, " 18 3 "), 2);
    EXPECT_EQ(Labels(section), (std::vector<std::string>{"20", "30", "40"}));
    const std::string plan = Sketch(Extension(), 0, 0);
    // the plan keeps 1.6 cm below y = 0 for the l_f and e rows
    const std::vector<std::string> lines = Split_Lines(plan);
    EXPECT_EQ(lines.at(4).substr(lines.at(4).rfind(' ')), " -1.600000");
    EXPECT_EQ(Labels(plan), (std::vector<std::string>{"200", "30", "40", "40"}));
    EXPECT_EQ(Count(plan, "50 110 110 110\n 1  "), 1);   // the trace through the left bolt
}

TEST(TStubTensionSketch, ExtensionWithFourBoltsDrawsTwoAndTheBeamFlange) {
    T_Stub_Tension T = Extension();
    T.bolts_per_row = 4;
    T.w = 60;
    T.flange.l = 300;   // 2 (e + w) + d_p = 237 mm must fit
    T.web = Test_Plate(12.0);
    T.web.l = 300;
    const std::string section = Sketch(T, 0, 1);
    // E = e1, M = m1, the web is the beam flange t_st = 12 and is dimensioned
    EXPECT_EQ(Count(section, "50 30 150 30\n"), 2);
    EXPECT_EQ(Labels(section), (std::vector<std::string>{"20", "30", "40", "12"}));
}

TEST(TStubTensionSketch, LStubDrawsTheLeftHalf) {
    T_Stub_Tension T = Extension();
    T.l_stub = 1;
    const std::string section = Sketch(T, 0, 1);
    EXPECT_EQ(Count(section, "50 30 150 30\n"), 1);   // the left bolt only
    EXPECT_EQ(Count(section, " 18 3 "), 1);            // the left weld only
    EXPECT_EQ(Labels(section), (std::vector<std::string>{"20", "30", "40"}));
}

TEST(TStubTensionSketch, PlanVariants) {
    struct Case {
        const char* name;
        std::function<void(T_Stub_Tension&)> set;
        std::vector<std::string> labels;   // dimension labels and row numbers in order
        int trace;                         // the grey section trace (its colour always comes)
        int light_red;                     // stiffener strips
    };
    const Case cases[] = {
        {"three rows", [](T_Stub_Tension& T) { T.row_count = 3; T.p = 70; T.single_row = 0; },
         {"35", "1", "1", "2", "2", "70", "3", "3", "70"}, 0, 0},
        {"next to a stiffener",
         [](T_Stub_Tension& T) { T.row_next_to_stiffener = 1; T.m_2 = 50; T.flange.l = 300; },
         {"35", "50"}, 1, 1},
        // e1 = 0: the row stands 2 D_h above the bottom edge without a dimension
        {"no free end", [](T_Stub_Tension& T) { T.e_1 = 0; }, {}, 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        T_Stub_Tension T = Column_Flange();
        c.set(T);
        const std::string block = Sketch(T, 10, 0);
        EXPECT_EQ(Labels(block), c.labels);
        EXPECT_EQ(Count(block, "50 110 110 110\n 1  "), c.trace);
        EXPECT_EQ(Count(block, "50 255 100 100\n"), c.light_red);
    }
}

TEST(TStubTensionSketch, PlanOfTheEndPlate) {
    struct Case {
        const char* name;
        std::function<void(T_Stub_Tension&)> set;
        std::vector<std::string> labels;
        int top_edge;   // the thick line of the plate's top edge with a free end
    };
    const Case cases[] = {
        {"free end", [](T_Stub_Tension&) {}, {"35"}, 1},
        {"compression flange follows", [](T_Stub_Tension& T) { T.e_1 = 0; }, {}, 0},
        // next to the beam flange: m2 from the flange's dashed line 2r above the bottom edge
        {"next to the beam flange",
         [](T_Stub_Tension& T) { T.row_next_to_stiffener = 1; T.inner_row = 1; T.m_2 = 50; }, {"50", "35"}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        T_Stub_Tension T = Four_Bolt_End_Plate();
        c.set(T);
        const std::string block = Sketch(T, 10, 0);
        EXPECT_EQ(Labels(block), c.labels);
        EXPECT_EQ(Count(block, " 4 3\n 1  "), c.top_edge);
    }
}

TEST(TStubTensionSketch, RefusedInputWritesNothing) {
    T_Stub_Tension T = Column_Flange();
    T.flange.t = 0;
    for (int view : {1, 0}) {
        Graphic_Capture out;
        EXPECT_NE(Print_T_Stub_Tension_Sketch(&T, out.stream, 10, view), 0);
        EXPECT_EQ(out.text(), "");
    }
}

}  // namespace
