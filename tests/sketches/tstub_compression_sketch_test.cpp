#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "checks/tstub_compression.h"
#include "common/cp437.h"
#include "report/graphic_capture.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_test_support.h"

namespace {

// A T-stub flange t 20, c1 50, c2 40, t_s 15 on C20/25, prepared: b_eff = 105 mm.
T_Stub_Compression Flange_20() {
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    T.plate.t = 20;
    T.plate.b = 200;
    T.c1 = 50;
    T.c2 = 40;
    T.t_s = 15;
    T.b_eff = 105;
    T.F_c_Ed = 50000;
    return T;
}

// A base plate 20 × 300 × 300 with c1 50 and a column plate 15 × 200.
T_Stub_Compression Base_Plate_300() {
    T_Stub_Compression T;
    Init_T_Stub_Compression(&T);
    T.plate.t = 20;
    T.plate.b = 300;
    T.plate.l = 300;
    T.c1 = 50;
    T.t_s = 15;
    T.b_s = 200;
    T.spread_ratio = 4;
    T.F_c_Ed = 300000;
    return T;
}

std::string Sketch(T_Stub_Compression T, double scale) {
    Graphic_Capture out;
    Print_T_Stub_Compression_Sketch(&T, out.stream, scale);
    return out.text();
}

// Everything after the head lines of the expected block: the content of the sketch drawn in the
// plate's layout (x_pl ... x_pr, column plate x_l ... x_r) for t = 20 mm, with u = 1/k.
void Compression_Content(Expected_Block& e, double u, double ext_x, double x_pl, double x_pr,
                         double x_l, double x_r) {
    const double xa = -0.6 * u, xb = ext_x + 0.6 * u;
    e.pen(2);
    // concrete band 0.3 cm beyond the face y = 44, and the face line
    e.fill(26).colour(110, 110, 110).polygon({{xb, 44}, {xa, 44}, {xa, 44 + 0.3 * u}, {xb, 44 + 0.3 * u}});
    e.black().line(xb, 44, xa, 44);
    // column plate up to 1.2 t = 24, its two long sides
    e.fill(59).colour(125, 125, 255).polygon({{x_l, 24}, {x_l, 0}, {x_r, 0}, {x_r, 24}});
    e.black().line(x_l, 24, x_l, 0).line(x_r, 0, x_r, 24);
    // welds, leg 0.25 t = 5
    e.fill(59).colour(30, 30, 255).polygon({{x_l, 19}, {x_l - 5, 24}, {x_l, 24}});
    e.black().closed({{x_l, 19}, {x_l - 5, 24}, {x_l, 24}});
    e.fill(59).colour(30, 30, 255).polygon({{x_r, 19}, {x_r + 5, 24}, {x_r, 24}});
    e.black().closed({{x_r, 19}, {x_r + 5, 24}, {x_r, 24}});
    // the plate
    e.fill(59).colour(30, 30, 255).polygon({{x_pl, 44}, {x_pl, 24}, {x_pr, 24}, {x_pr, 44}});
    e.black().closed({{x_pl, 44}, {x_pl, 24}, {x_pr, 24}, {x_pr, 44}});
    // t, c1, c2', t_s, B
    e.dimension(xa, 24, xa, 44, 2);
    e.dimension(x_l, 0, x_pl, 0, 2);
    e.dimension(x_pr, 0, x_r, 0, 2);
    e.dimension(x_r, 0, x_l, 0, 2);
    e.dimension(x_pr, -0.6 * u, x_pl, -0.6 * u, 2);
    e.pen(1).end();
}

TEST(TStubCompressionSketch, FlangeAtScaleTenIsTheWholeBlock) {
    const std::string block = Sketch(Flange_20(), 10);
    // head and scale label exactly as the print list carries them
    const std::string head =
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n-1.000000 2.050000 0.840000 -1.000000\n 30\n 52\n"
        " 8 6\n 7 9\n 4 1\n 38 0   0\n"
        "50 30 150 30\n"
        " 9 -1.000000 -1.000000 -1.000000 -1.000000 201 «Maßstab 1:10.0»\n"_cp
        "50 0 0 0\n";
    ASSERT_EQ(block.substr(0, std::min(block.size(), std::strlen(head.c_str()))), head);

    Expected_Block e(0.01, -100, 84, 205, -100);
    e.scale_label_ten();
    Compression_Content(e, 100, 105, 0, 105, 50, 65);
    EXPECT_EQ(block, e.str());
    // the five dimensions measure t, c1, c2, t_s and b_eff
    const std::vector<std::string> texts = Quoted_Texts(block);
    const std::vector<std::string> labels(texts.begin() + 1, texts.end());
    EXPECT_EQ(labels, (std::vector<std::string>{"20", " ", "50", " ", "40", " ", "15", " ", "105", " "}));
}

TEST(TStubCompressionSketch, AutomaticScaleWritesNoLabel) {
    const std::string block = Sketch(Flange_20(), 0);
    // 105 mm into 14 cm governs: 1:750, k = 100/750
    const double k = 100.0 / 750, u = 7.5;
    Expected_Block e(k, -u, 44 + 0.4 * u, 105 + u, -u);
    Compression_Content(e, u, 105, 0, 105, 50, 65);
    EXPECT_EQ(block, e.str());
    EXPECT_EQ(block.find("Maßstab"_cp), std::string::npos);
}

TEST(TStubCompressionSketch, ScaleOneThousandthIsOneToOneHundredthWithoutLabel) {
    const std::string block = Sketch(Flange_20(), 0.001);
    const std::vector<std::string> lines = Split_Lines(block);
    ASSERT_GT(lines.size(), 5u);
    // k = 100 cm per mm: the window is 1 cm beyond the drawing, 0.4 cm above it
    EXPECT_EQ(lines[4], "-1.000000 10501.000000 4400.400000 -1.000000");
    EXPECT_EQ(block.find("Maßstab"_cp), std::string::npos);
}

TEST(TStubCompressionSketch, BasePlateDimensionsItsRightProjection) {
    const std::string block = Sketch(Base_Plate_300(), 10);
    Expected_Block e(0.01, -100, 84, 400, -100);
    e.scale_label_ten();
    // plate 0 ... 300, column plate 50 ... 65, right projection 235
    Compression_Content(e, 100, 300, 0, 300, 50, 65);
    EXPECT_EQ(block, e.str());
    const std::vector<std::string> texts = Quoted_Texts(block);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "235"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "300"), texts.end());
}

TEST(TStubCompressionSketch, RefusedInputWritesNothing) {
    struct Case { const char* name; void (*spoil)(T_Stub_Compression&); };
    const Case cases[] = {
        // a flange needs c2 of at least 1 mm: 0.1 mm is refused by the input check
        {"c2 0.1", [](T_Stub_Compression& T) { T.c2 = 0.1; }},
        {"no thickness", [](T_Stub_Compression& T) { T.plate.t = 0; }},
        {"no column plate", [](T_Stub_Compression& T) { T.t_s = 0; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        T_Stub_Compression T = Flange_20();
        c.spoil(T);
        Graphic_Capture out;
        EXPECT_NE(Print_T_Stub_Compression_Sketch(&T, out.stream, 10), 0);
        EXPECT_EQ(out.text(), "");
    }
}

}  // namespace
