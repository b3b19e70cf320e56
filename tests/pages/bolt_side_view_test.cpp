// The fastener in side view of the screen sketches: washers, nut side, countersinks, tapped holes,
// anchors, rivets and pins, read back as pixels at 2 px per mm.
#include <gtest/gtest.h>

#include "pages/screen_sketches.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

constexpr int Green = 0xC4D9C4, Rose = 0xFFC4C4;

// M20 of the preloadable set at 2 px/mm: shank 40 px, washers 8 px thick and 74 px wide, head
// 26 px, nut 32 px, 70 px across corners, chamfer 6 px.
Fastener M20_Bolt() {
    Fastener f;
    Init_Fastener(&f);
    f.type = Fastener_Bolt;
    f.d = 20;
    f.t_k = 13;
    f.t_m = 16;
    f.t_p = 4;
    f.d_p = 37;
    f.d_e = 35.03;
    f.d_m = 30;
    f.washer_sides = 2;
    return f;
}

// Axis x 200, reference line y 200, plate a 30 px above it, c 0 and b 40 px below it.
constexpr int X = 200, Y = 200, A = 30, B = 40;

class Bolt_Side_View : public Screen_Sketch_Test {};

TEST_F(Bolt_Side_View, WashersUnderHeadOnlyWithWashersOnBothSides) {
    const struct {
        int washer_sides;
        bool head_washer;
    } cases[] = {{2, true}, {1, false}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.washer_sides);
        Open_White_Screen(400, 400);
        Fastener f = M20_Bolt();
        f.washer_sides = c.washer_sides;
        Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
        // Head-side washer from the shank's top 162 to the plate at 170, nut-side washer 240 to 248.
        EXPECT_EQ(Host_Pixel(230, 166) == Rose, c.head_washer);
        EXPECT_EQ(Host_Pixel(230, 244), Rose);
        // The nut hangs under the washer (248 to 278) and the chamfered end stands out below it:
        // shank top + 30 + 8 (+ 8) + 40 + 8 + 13 + 32, then the 6 px chamfer.
        EXPECT_EQ(Host_Pixel(230, 260), Green);
        const int end = (c.head_washer ? 162 : 170) + 38 + (c.head_washer ? 0 : -8) + 40 + 8 + 13 + 32 + 6;
        EXPECT_EQ(Host_Pixel(200, end - 1), Green);
        EXPECT_EQ(Host_Pixel(200, end + 1), White_Pixel);
    }
}

TEST_F(Bolt_Side_View, WithoutNutSideTheShankEndsFlushAndOpen) {
    // b = 0 (a T-stub flange): head, head-side washer, shank flush with the bottom of c, stroked on
    // its long sides only.
    Draw_Bolt_Side_View(X, Y, 2.0, M20_Bolt(), A, 0, 20, 0);
    EXPECT_EQ(Host_Pixel(230, 166), Rose);
    EXPECT_EQ(Host_Pixel(180, 210), Black_Pixel);
    EXPECT_EQ(Host_Pixel(220, 210), Black_Pixel);
    EXPECT_EQ(Host_Pixel(200, 220), Green);          // the end at y + c is not stroked
    EXPECT_EQ(Host_Pixel(200, 221), White_Pixel);
    EXPECT_EQ(Count_Pixels(0, 221, 399, 399, Rose), 0);
}

TEST_F(Bolt_Side_View, Countersinks) {
    // Head and nut countersunk 5 mm, countersink 30 mm: no washers, the shank flush with the
    // bottom of b, cones 60 px wide at the outer faces.
    Fastener f = M20_Bolt();
    f.countersunk = 1;
    f.t_ks = 5;
    f.t_ms = 5;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
    EXPECT_EQ(Count_Pixels(0, 0, 399, 399, Rose), 0);
    EXPECT_EQ(Host_Pixel(174, 172), Green);          // head cone, 60 px wide at 170
    EXPECT_EQ(Host_Pixel(174, 238), Green);          // nut cone, 60 px wide at 240
    EXPECT_EQ(Host_Pixel(200, 241), White_Pixel);
    EXPECT_EQ(Host_Pixel(200, 168), White_Pixel);
    // Head countersink only: the nut-side washer, the nut and the chamfered end below.
    Open_White_Screen(400, 400);
    f.t_ms = 0;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
    EXPECT_EQ(Host_Pixel(174, 172), Green);
    EXPECT_EQ(Host_Pixel(230, 244), Rose);
    EXPECT_EQ(Host_Pixel(230, 260), Green);
    EXPECT_EQ(Host_Pixel(200, 170 + 40 + 8 + 13 + 32 + 30 + 5), Green);
}

TEST_F(Bolt_Side_View, TappedHoleEndsAtTheScrewInDepth) {
    // Screw-in depth 15 mm = 30 px below the top of b (here c = 0): the chamfered tip at 230.
    Fastener f = M20_Bolt();
    f.tapped_hole = 1;
    f.l_e = 15;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
    EXPECT_EQ(Host_Pixel(200, 229), Green);
    EXPECT_EQ(Host_Pixel(200, 231), White_Pixel);
    EXPECT_EQ(Count_Pixels(0, 232, 399, 399, Green), 0);   // no nut
    EXPECT_EQ(Count_Pixels(0, 232, 399, 399, Rose), 0);
}

TEST_F(Bolt_Side_View, AnchorRodAndAnchorPlate) {
    // Anchor bolt embedded 60 mm: the rod ends 120 px below the top of the concrete b (c = 10 px of
    // grout), without chamfer, with its upper nut on the plate; no anchor plate for a threaded rod.
    Fastener f = M20_Bolt();
    f.type = Fastener_Anchor_Bolt;
    f.tapped_hole = 1;
    f.l_e = 60;
    f.anchorage = Anchorage_Threaded_Rod;
    f.d_h = 100;
    f.t_h = 20;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, 200, 10, 0);
    EXPECT_EQ(Host_Pixel(200, 328), Green);
    EXPECT_EQ(Host_Pixel(181, 330), Black_Pixel);     // flat end at y + c + 120
    EXPECT_EQ(Host_Pixel(200, 332), White_Pixel);
    EXPECT_EQ(Host_Pixel(280, 340), White_Pixel);
    EXPECT_EQ(Host_Pixel(230, 155), Green);           // upper nut on the washer at 162
    // With an anchor plate of 100 x 20 mm: 200 px wide, 40 px thick under the rod's end.
    Open_White_Screen(400, 400);
    f.anchorage = Anchorage_Anchor_Plate;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, 200, 10, 0);
    EXPECT_EQ(Host_Pixel(280, 340), Green);
    EXPECT_EQ(Host_Pixel(280, 371), White_Pixel);
}

TEST_F(Bolt_Side_View, RivetAndPin) {
    // Rivet hole 21 mm: shank 42 px, round heads of radius 8 + 21 px above 170 and below 240.
    Fastener rivet;
    Init_Fastener(&rivet);
    rivet.type = Fastener_Rivet;
    rivet.d_0 = 21;
    Draw_Bolt_Side_View(X, Y, 2.0, rivet, A, B, 0, 0);
    EXPECT_EQ(Host_Pixel(200, 150), Green);
    EXPECT_EQ(Host_Pixel(200, 260), Green);
    EXPECT_EQ(Host_Pixel(179, 200), Black_Pixel);
    EXPECT_EQ(Host_Pixel(200, 200), Green);
    EXPECT_EQ(Texts(), "194 163 4096 0,0,0 \"d0\"\n");
    // Pin 30 mm through a middle plate of 20 px, gaps of 4 px and outer plates of 10 px: from
    // 190 - 44 = 146 to 254, chamfered by 9 px.
    Open_White_Screen(400, 400);
    Host_Trace_To_Memory(true);
    Fastener pin;
    Init_Fastener(&pin);
    pin.type = Fastener_Pin;
    pin.d_pin = 30;
    Draw_Bolt_Side_View(X, Y, 2.0, pin, 20, 10, 0, 4);
    EXPECT_EQ(Host_Pixel(200, 140), Green);
    EXPECT_EQ(Host_Pixel(200, 260), Green);
    EXPECT_EQ(Host_Pixel(200, 264), White_Pixel);
    EXPECT_EQ(Texts(), "197 153 4096 0,0,0 \"d\"\n");
}

TEST_F(Bolt_Side_View, UnknownKindDrawsNothing) {
    Fastener f = M20_Bolt();
    f.type = 5;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
    f.type = -1;
    Draw_Bolt_Side_View(X, Y, 2.0, f, A, B, 0, 0);
    EXPECT_TRUE(Untouched(0, 0, 399, 399));
}

}  // namespace
