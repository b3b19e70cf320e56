#include <gtest/gtest.h>

#include "checks/bolt_test_support.h"
#include "common/cp437.h"
#include "report/graphic_colours.h"
#include "report/graphic_shapes.h"
#include "report/section_markers.h"
#include "sketches/report_sketches.h"
#include "sketches/sketch_test_support.h"

namespace {

// Pin d_p 30 in holes of 31, eye bar 1 of 10 mm between two fork plates of 12 mm, gap 2 mm,
// e1,1 40, e2,1 35, geometry option g.
Bolt_Connection Pin_Joint(int g) {
    Bolt_Connection C;
    Init_Bolt_Connection(&C);
    C.fastener.type = Fastener_Pin;
    C.fastener.d_pin = 30;
    C.fastener.d_0 = 31;
    C.fastener.material_index = Fastener_Material_Table_0;
    C.plate_1 = Test_Plate(10.0);
    C.plate_2 = Test_Plate(12.0);
    C.delta_t = 2;
    C.e_11 = 40;
    C.e_21 = 35;
    C.pin_geometry = g;
    C.F_v_Ed = 100000;
    return C;
}

std::string Sketch(Bolt_Connection C, double scale) {
    Graphic_Capture out;
    EXPECT_EQ(Print_Bolt_Connection_Sketch(&C, out.stream, scale), 0);
    return out.text();
}

// The section of the pin joint at 1:10 up to the pin, with the end distance e: x_p = 36 + e,
// y_m = 38.5, H = 77; eye bars in the colours given.
void Pin_Section(Expected_Block& e, double ed, int r1, int g1, int b1, int r2, int g2, int b2,
                 bool dimensioned, double ext_x) {
    const double xp = 16 + 1.5 * ed, xh = xp - 15.5, xr = xp + 15.5;
    e.pen(2);
    e.fill(59).colour(r1, g1, b1).polygon({{xp - ed, 33.5}, {xp - ed, 43.5}, {xh, 43.5}, {xh, 33.5}});
    e.black().closed({{xp - ed, 33.5}, {xp - ed, 43.5}, {xh, 43.5}, {xh, 33.5}});
    if (dimensioned) e.dimension(xp, -60, xp - ed, -60, 2);
    e.fill(59).colour(r1, g1, b1).rectangle(xr, 33.5, ext_x, 43.5).black();
    e.line(xr, 43.5, xr, 33.5).line(xr, 33.5, ext_x, 33.5).line(ext_x, 43.5, xr, 43.5);
    e.dimension(ext_x + 60, 33.5, ext_x + 60, 43.5, 0);
    e.text((xr + ext_x) / 2, 38.5, "1");
    // fork ends right of the pin: upper 45.5 ... 57.5, lower 19.5 ... 31.5
    e.fill(59).colour(r2, g2, b2).polygon({{xr, 45.5}, {xr, 57.5}, {xp + ed, 57.5}, {xp + ed, 45.5}});
    e.black().closed({{xr, 45.5}, {xr, 57.5}, {xp + ed, 57.5}, {xp + ed, 45.5}});
    e.text((xr + xp + ed) / 2, 51.5, "2");
    e.fill(59).colour(r2, g2, b2).polygon({{xr, 19.5}, {xr, 31.5}, {xp + ed, 31.5}, {xp + ed, 19.5}});
    e.black().closed({{xr, 19.5}, {xr, 31.5}, {xp + ed, 31.5}, {xp + ed, 19.5}});
    e.text((xr + xp + ed) / 2, 25.5, "2");
    if (dimensioned) e.dimension(xp + ed, -60, xp, -60, 2);
    // the fork's root, cut at x = 0 where a white line takes its outline away
    const double xm = 7 + ed / 2, xq = 14 + ed / 2;
    e.fill(59).colour(r2, g2, b2);
    e.polygon({{xh, 45.5}, {xq, 45.5}, {xq, 31.5}, {xh, 31.5}, {xh, 19.5}, {xm, 19.5}, {ed / 2, 26.5},
               {0, 26.5}, {0, 50.5}, {ed / 2, 50.5}, {xm, 57.5}, {xh, 57.5}});
    e.black().closed({{xh, 45.5}, {xq, 45.5}, {xq, 31.5}, {xh, 31.5}, {xh, 19.5}, {xm, 19.5}, {ed / 2, 26.5},
                      {0, 26.5}, {0, 50.5}, {ed / 2, 50.5}, {xm, 57.5}, {xh, 57.5}});
    e.colour(255, 255, 255).line(0, 26.5, 0, 50.5).black();
    e.dimension(xp + ed + 100, 19.5, xp + ed + 100, 31.5, -2);
    e.dimension(xp + ed + 100, 45.5, xp + ed + 100, 57.5, 2);
    e.dimension(ext_x + 60, 31.5, ext_x + 60, 33.5, -2);
    e.dimension(ext_x + 60, 43.5, ext_x + 60, 45.5, 2);
    e.pen(1);
    // the pin from 4.5 to 72.5, chamfered by 4.5
    e.pen(2).fill(34).colour(30, 150, 30);
    e.polygon({{xp - 15, 9}, {xp - 10.5, 4.5}, {xp + 10.5, 4.5}, {xp + 15, 9}, {xp + 15, 68}, {xp + 10.5, 72.5},
               {xp - 10.5, 72.5}, {xp - 15, 68}});
    e.black().closed({{xp - 15, 9}, {xp - 10.5, 4.5}, {xp + 10.5, 4.5}, {xp + 15, 9}, {xp + 15, 68},
                      {xp + 10.5, 72.5}, {xp - 10.5, 72.5}, {xp - 15, 68}});
    e.dimension(xp - 15, 38.5, xp + 15, 38.5, 2);
    e.dimension(xp - 15.5, 72.5, xp + 15.5, 72.5, 2);
    e.pen(1);
}

TEST(PinSketch, OptionAIsTheWholeBlockWithThePlanView) {
    const std::string block = Sketch(Pin_Joint(1), 10);
    // x_p 76, ext 136 × (77 + 70)
    Expected_Block e(0.01, -100, 307, 236, -100);
    e.scale_label_ten();
    Pin_Section(e, 40, 30, 30, 255, 30, 30, 255, true, 136);
    // plan view from Y0 = 77 + 1.2 cm, the eye's half disc about x 71
    e.call([] { OLI_Draw_Section_Marker(35, 40.5, 137, 40.5, 0.2, "A", "A"); });
    e.font(4).raw(" 9 0.000000 1.970000 0.000000 1.970000 201 «Schnitt A-A»\n"_cp);
    e.pen(2).fill(59).colour(30, 30, 255);
    e.call([] { OLI_Fill_Sector(71, 232, 70, 90, 180); });
    e.rectangle(71, 267, 136, 197).black();
    e.dashed().line(71, 197, 71, 267).solid();
    e.fill(0).colour(255, 255, 255);
    e.call([] { OLI_Fill_Circle(76, 232, 31); });
    e.black();
    e.call([] { OLI_Draw_Arc(71, 232, 70, 90, 180); });
    e.line(71, 267, 136, 267).line(71, 197, 136, 197);
    e.call([] { OLI_Draw_Arc(76, 232, 31, 0, 360); });
    e.dimension(71, 137, 36, 137, 2);
    e.dimension(76, 232, 36, 232, 2);
    e.dimension(196, 197, 196, 232, 0);
    e.dimension(196, 232, 196, 267, 0);
    e.pen(1).end();
    EXPECT_EQ(block, e.str());
}

TEST(PinSketch, WithoutPlanViewTheEndDistanceAndDimensionsFollowTheOption) {
    struct Case { int g; double e; bool dimensioned; };
    // g = 0: e = 1.5 d0 = 46.5, no e1,1 dimensions; g < 0: e1,1 but still no dimensions or plan
    const Case cases[] = {{0, 46.5, false}, {-1, 40, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.g);
        const std::string block = Sketch(Pin_Joint(c.g), 10);
        const double ext_x = 16 + 3 * c.e;   // 3 Δt + t1 + 3 e
        Expected_Block e(0.01, -100, 77 + 160, ext_x + 100, -100);
        e.scale_label_ten();
        Pin_Section(e, c.e, 30, 30, 255, 30, 30, 255, c.dimensioned, ext_x);
        e.end();
        EXPECT_EQ(block, e.str());
    }
}

TEST(PinSketch, EyeBarsOhneNachweisAreGrey) {
    Bolt_Connection C = Pin_Joint(1);
    C.options |= Bolt_Option_Plate_1_Unverified | Bolt_Option_Plate_2_Unverified;
    const std::string block = Sketch(C, 10);
    EXPECT_EQ(block.find("50 30 30 255\n"), std::string::npos);   // no blue part left
    // the four eye-bar pieces, the fork's root and the eye in plan
    std::size_t grey = 0;
    for (std::size_t p = 0; (p = block.find("50 110 110 110\n", p)) != std::string::npos; ++p) ++grey;
    EXPECT_EQ(grey, 6u);
}

}  // namespace
