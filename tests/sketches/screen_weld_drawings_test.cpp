// The welded joint on screen: weld cross-sections, fillet and butt welds in T-joints and in line,
// packing plates and the joint's plates, read back as pixels and traced labels.
#include <gtest/gtest.h>

#include <numbers>

#include "sketches/screen_sketch_fixture.h"
#include "sketches/screen_weld_drawings.h"

namespace {

constexpr double Pi = std::numbers::pi;
constexpr int Weld_Green = 0xC4D9C4, Lavender_213 = 0xD5D5FF, Lavender_196 = 0xC4C4FF, Sand = 0xE4E4C4;

class Weld_Drawings : public Screen_Sketch_Test {};

TEST_F(Weld_Drawings, CrossSectionByModeAndForm) {
    // Mode 1 draws nothing.
    Draw_Weld_Cross_Section(100, 100, 20, 20, 20, 0, 0, 0, 1, 0, 1, 0, 1);
    EXPECT_TRUE(Untouched(60, 60, 140, 140));
    EXPECT_EQ(Texts(), "");
    // Mode 0, not mirrored: root (100, 100), toe (120, 100), apex (100, 80); never turned.
    Draw_Weld_Cross_Section(100, 100, 20, 20, 20, 0, 0, 0, 0, 0, 1, 1, 0);
    EXPECT_EQ(Host_Pixel(104, 96), Weld_Green);
    EXPECT_EQ(Host_Pixel(120, 100), Black_Pixel);
    EXPECT_EQ(Host_Pixel(100, 80), Black_Pixel);
    EXPECT_EQ(Host_Pixel(116, 84), White_Pixel);
    EXPECT_EQ(Host_Pixel(96, 96), White_Pixel);
    // Mode 2 turned and mirrored: root (300, 200), toe (300, 180), apex (320, 200).
    Draw_Weld_Cross_Section(300, 200, 20, 20, 20, 0, 0, 1, 2, 0, 1, 1, 0);
    EXPECT_EQ(Host_Pixel(304, 196), Weld_Green);
    EXPECT_EQ(Host_Pixel(300, 180), Black_Pixel);
    EXPECT_EQ(Host_Pixel(320, 200), Black_Pixel);
    EXPECT_EQ(Host_Pixel(296, 196), White_Pixel);
}

TEST_F(Weld_Drawings, CrossSectionDimensions) {
    // Mode 0 with a throat foot: from the root to (toe - foot_back, base - foot_up), label below the
    // middle; without one to the middle of apex and toe.
    Draw_Weld_Cross_Section(100, 100, 16, 16, 16, 8, 8, 0, 0, 0, 1, 0, 1);
    Draw_Weld_Cross_Section(200, 100, 16, 16, 16, 0, 8, 0, 0, 0, 1, 0, 1);
    // Mode 2 below the base line from the right end to the left one; turned: 20 px left of the joint.
    Draw_Weld_Cross_Section(300, 100, 16, 16, 16, 0, 0, 0, 2, 0, 1, 0, 1);
    Draw_Weld_Cross_Section(400, 100, 16, 16, 16, 0, 0, 0, 2, 0, 1, 1, 1);
    // No dimension for no_dimension in mode 2, and none at all without dims.
    Draw_Weld_Cross_Section(500, 100, 16, 16, 16, 0, 0, 0, 2, 1, 1, 0, 1);
    Draw_Weld_Cross_Section(100, 300, 16, 16, 16, 8, 8, 0, 0, 0, 1, 0, 0);
    EXPECT_EQ(Texts(), "101 106 4096 0,0,0 \"a\"\n"     // to (108, 92): middle (104, 96)
                       "201 106 4096 0,0,0 \"a\"\n"     // to (208, 92) of apex (200, 84), toe (216, 100)
                       "305 118 4096 0,0,0 \"a\"\n"     // (316, 120) to (300, 120), above it
                       "384 111 4096 0,0,0 \"a\"\n");   // (380, 100) to (380, 116), right of it
    EXPECT_GT(Count_Pixels(316, 121, 316, 125, Black_Pixel), 0);   // dashed extension lines to 125
    EXPECT_EQ(Count_Pixels(516, 101, 516, 125, Black_Pixel), 0);
}

TEST_F(Weld_Drawings, FilletLegsFollowTheCornerAngles) {
    // Plate 20 px thick on (200, 200), throat 12 px. At 90 degrees both legs are 12 √2 = 16 px; at
    // 60 degrees the plate's foot is 23.1 px wide, the left (60°) corner has legs of 12 / cos 30° = 13
    // px and the right (120°) corner 12 / cos 60° = 24 px.
    const struct {
        double theta;
        int left_toe, right_toe;   // the outermost black pixels on the base line
    } cases[] = {{Pi / 2, 190 - 16, 210 + 16}, {Pi / 3, 188 - 13, 211 + 24}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.theta);
        Open_White_Screen(400, 400);
        Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 0, 0, 0, c.theta, 1, 0);
        EXPECT_EQ(Host_Pixel(c.left_toe, 200), Black_Pixel);
        EXPECT_EQ(Host_Pixel(c.left_toe - 1, 200), White_Pixel);
        EXPECT_EQ(Host_Pixel(c.right_toe, 200), Black_Pixel);
        EXPECT_EQ(Host_Pixel(c.right_toe + 1, 200), White_Pixel);
    }
    // At 90 degrees the apex stands 16 px up the face.
    Open_White_Screen(400, 400);
    Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 0, 0, 0, Pi / 2, 1, 0);
    EXPECT_EQ(Host_Pixel(190, 184), Black_Pixel);
    EXPECT_EQ(Host_Pixel(190, 183), White_Pixel);
    EXPECT_EQ(Host_Pixel(186, 197), Weld_Green);
}

TEST_F(Weld_Drawings, SidesChooseTheWelds) {
    const struct {
        int sides;
        bool left, right;
    } cases[] = {{0, true, true}, {1, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sides);
        Open_White_Screen(400, 400);
        Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 0, 0, c.sides, Pi / 2, 1, 0);
        EXPECT_EQ(Host_Pixel(186, 197) == Weld_Green, c.left);
        EXPECT_EQ(Host_Pixel(214, 197) == Weld_Green, c.right);
    }
}

TEST_F(Weld_Drawings, PenetrationMovesTheRootIntoThePlateAndIsDimensioned) {
    // e 5 px: the left root at 195, toe at 179; the right root at 205, toe at 221.
    Draw_Weld_Seams(200, 200, 12, 5, 20, 0, 0, 0, 0, 0, Pi / 2, 1, 1);
    EXPECT_EQ(Host_Pixel(179, 200), Black_Pixel);
    EXPECT_EQ(Host_Pixel(178, 200), White_Pixel);
    EXPECT_EQ(Host_Pixel(221, 200), Black_Pixel);
    const std::string texts = Texts();
    // "e" between the moved root and the face's foot, 20 px under the base line.
    EXPECT_NE(texts.find("189 218 4096 0,0,0 \"e\"\n"), std::string::npos) << texts;
    EXPECT_NE(texts.find("204 218 4096 0,0,0 \"e\"\n"), std::string::npos) << texts;
}

TEST_F(Weld_Drawings, PackingAboveItsThresholdRaisesTheWeldsAndAddsEndWelds) {
    // Packing 8 px under a threshold of 20 px: welds stay on the base plate.
    Draw_Weld_Seams(200, 200, 12, 0, 20, 8, 20, 0, 0, 0, Pi / 2, 1, 0);
    EXPECT_EQ(Host_Pixel(186, 197), Weld_Green);
    EXPECT_TRUE(Untouched(140, 185, 170, 199));
    // Threshold 0: the welds stand on the packing's top (y 192), and a weld 16 px in legs at each
    // packing end 2a = 24 px beyond the faces (x 166 and 234), on the base plate.
    Open_White_Screen(400, 400);
    Draw_Weld_Seams(200, 200, 12, 0, 20, 8, 0, 0, 0, 0, Pi / 2, 1, 0);
    EXPECT_EQ(Host_Pixel(190, 176), Black_Pixel);   // apex 16 px above 192
    EXPECT_EQ(Host_Pixel(186, 189), Weld_Green);
    EXPECT_EQ(Host_Pixel(150, 200), Black_Pixel);   // toe of the left end weld
    EXPECT_EQ(Host_Pixel(162, 197), Weld_Green);
    EXPECT_EQ(Host_Pixel(166, 184), Black_Pixel);   // its apex on the packing's end face
    EXPECT_EQ(Host_Pixel(238, 197), Weld_Green);
    EXPECT_EQ(Host_Pixel(250, 200), Black_Pixel);
}

TEST_F(Weld_Drawings, InLineButtGrooves) {
    // Joint line x 200 across 20 px from y 100; grooves bevelled into the right plate.
    const struct {
        int full, sides;
        bool top, bottom;    // a groove from the top face, from the bottom face
        int probe_x;         // inside a groove of its legs: 20, 10 or 6 px
        const char* texts;
    } cases[] = {
        {1, 2, false, true, 215, ""},
        {1, 1, true, false, 215, ""},
        {1, 0, true, true, 206, ""},
        {0, 0, true, true, 202, "184 106 4096 0,0,0 \"a\"\n184 120 4096 0,0,0 \"a\"\n"},
        {0, 2, false, true, 202, "184 120 4096 0,0,0 \"a\"\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.full << " " << c.sides);
        Open_White_Screen(400, 400);
        Host_Trace_To_Memory(true);
        Draw_Weld_Seams(200, 100, 6, 0, 20, 0, 0, 2, c.full, c.sides, 0.0, 1, 1);
        // A groove from the top covers (probe, 103) but not (probe, 117); one from the bottom the other.
        EXPECT_EQ(Host_Pixel(c.probe_x, 103) == Weld_Green, c.top);
        EXPECT_EQ(Host_Pixel(c.probe_x, 117) == Weld_Green, c.bottom);
        EXPECT_EQ(Texts(), c.texts);
    }
}

TEST_F(Weld_Drawings, SlotPlugAndFilletWithoutAngleDrawNothing) {
    Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 1, 0, 0, Pi / 2, 1, 1);
    Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 3, 0, 0, Pi / 2, 1, 1);
    Draw_Weld_Seams(200, 200, 12, 0, 20, 0, 0, 0, 0, 0, 0.0, 1, 1);
    EXPECT_TRUE(Untouched(0, 0, 639, 479));
}

TEST_F(Weld_Drawings, RightAngledJointPlatesAndTheirLabels) {
    // Attached plate 20 px thick, 60 px shown, standing upright on the base plate (20 px, overhang 40).
    Draw_Weld_Joint_Plates(200, 200, 0, 40, 60, 0, 20, 20, 1, 2, Pi / 2, 1, 0, 1);
    EXPECT_EQ(Host_Pixel(200, 150), Lavender_213);
    EXPECT_EQ(Host_Pixel(190, 150), Black_Pixel);
    EXPECT_EQ(Host_Pixel(210, 150), Black_Pixel);
    EXPECT_EQ(Host_Pixel(200, 140), Lavender_213);   // its upper end stays open
    EXPECT_EQ(Host_Pixel(160, 210), Lavender_196);
    EXPECT_EQ(Host_Pixel(150, 210), Lavender_196);   // the base plate's ends stay open
    EXPECT_EQ(Host_Pixel(160, 200), Black_Pixel);
    EXPECT_EQ(Host_Pixel(160, 220), Black_Pixel);
    // "t1" upright at the base plate's left part, "t2" horizontally across the attached plate.
    EXPECT_EQ(Texts(), "174 213 4096 0,0,0 \"t1\"\n194 168 4096 0,0,0 \"t2\"\n");
}

TEST_F(Weld_Drawings, InclinedPlateOnAPacking) {
    // phi 120 degrees: the plate leans left, 60 px up it is 34.6 px further left. A packing of 10 px
    // as a parallelogram under its foot, dimensioned "tp".
    const double phi = 2 * Pi / 3;
    Draw_Weld_Joint_Plates(200, 200, 0, 40, 60, 10, 20, 20, 1, 2, phi, 1, 0, 1);
    // Foot 23.1 px wide from x_l + 10 cot 120° = 188.45 - 5.77 at y 190.
    EXPECT_EQ(Host_Pixel(195, 185), Lavender_213);
    EXPECT_EQ(Host_Pixel(160, 135), Lavender_213);   // 55 px up: 31.8 px further left
    EXPECT_EQ(Host_Pixel(200, 135), White_Pixel);
    EXPECT_EQ(Host_Pixel(196, 195), Sand);
    const std::string texts = Texts();
    EXPECT_NE(texts.find("\"tp\""), std::string::npos);
    EXPECT_NE(texts.find("\"t2\""), std::string::npos);
}

TEST_F(Weld_Drawings, InLinePlatesLabelledInsideWithoutDimensions) {
    // Plate 1 30 px thick left of x 200, plate 2 20 px right of it, 45 px each.
    Draw_Weld_Joint_Plates(200, 100, 0, 45, 0, 0, 30, 20, 2, 1, 0.0, 1, 1, 0);
    EXPECT_EQ(Host_Pixel(170, 125), Lavender_196);
    EXPECT_EQ(Host_Pixel(230, 115), Lavender_213);
    EXPECT_EQ(Host_Pixel(230, 125), White_Pixel);
    EXPECT_EQ(Host_Pixel(200, 110), Black_Pixel);
    EXPECT_EQ(Texts(), "172 118 4096 0,0,0 \"t2\"\n216 113 4096 0,0,0 \"t1\"\n");
    // A plate number of 0 writes no label.
    Open_White_Screen(400, 400);
    Host_Trace_To_Memory(true);
    Draw_Weld_Joint_Plates(200, 100, 0, 45, 0, 0, 30, 20, 0, 0, 0.0, 1, 1, 0);
    EXPECT_EQ(Texts(), "");
}

}  // namespace
