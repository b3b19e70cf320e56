// The welded connection sketch on screen: fillet welds with and without packing, welds on both
// sides at 60 degrees, the in-line butt joint, the plug weld in plan, the error display and the
// record left exactly as it was.
#include <gtest/gtest.h>

#include <string>

#include "checks/weld_record.h"
#include "pages/screen_sketch_support.h"
#include "pages/screen_sketches.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

class Weld_Sketch : public Screen_Sketch_Test {};

// A fillet weld a 5 mm at 90 degrees on both sides of plate 2 (12 mm) standing on plate 1 (20 mm),
// in editing form with a plate force of 12.5 kN.
Weld_Connection Fillet_Joint() {
    Weld_Connection C;
    Default_Weld_Connection(&C);
    C.weld.type = Weld_Fillet;
    C.weld.a = 5;
    C.weld.theta = 90;
    C.weld.l_w = 0;
    C.plate1.t = 20;
    C.plate2.t = 12;
    C.N_Ed = 12.5;
    return C;
}

TEST_F(Weld_Sketch, FilletWeldFitsByHeight) {
    // z = 7.07 mm, V = O = 30 mm: H 50 mm, W 72 mm; 3.6 px/mm, the frame ends at 20 + trunc(259.2).
    Weld_Connection C = Fillet_Joint();
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Sketch_Height, 200);
    EXPECT_EQ(Host_Pixel(279, 2), Sheet_Background);
    EXPECT_EQ(Host_Pixel(280, 2), White_Pixel);
    // Base plate 72 px thick from y 118 to 190 around the centre x 139; plate 2 43 px wide on it.
    EXPECT_EQ(Host_Pixel(50, 150), Lavender_196);
    EXPECT_EQ(Host_Pixel(139, 80), Lavender_213);
    // Welds of legs 18 √2 = 25 px beside the plate's foot at 117 and 160.
    EXPECT_EQ(Host_Pixel(110, 116), Green_196);
    EXPECT_EQ(Host_Pixel(170, 116), Green_196);
    EXPECT_EQ(Host_Pixel(90, 116), Sheet_Background);
    EXPECT_EQ(Host_Pixel(187, 116), Sheet_Background);
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"t1\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"t2\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"a\""), 2);
}

TEST_F(Weld_Sketch, PackingAboveTheThroatsThresholdWidensTheJoint) {
    // A packing of 10 mm exceeds t_p,min = 7.07 mm: PO = 10 mm, V = O = 40 mm, H 70 mm, W 92 mm;
    // s = 180/70 and the frame ends at 20 + trunc(236.6).
    Weld_Connection C = Fillet_Joint();
    C.packing = 1;
    C.t_p = 10;
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Host_Pixel(256, 2), Sheet_Background);
    EXPECT_EQ(Host_Pixel(257, 2), White_Pixel);
    EXPECT_NE(Texts().find("\"tp\""), std::string::npos);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Sand), 0);
}

TEST_F(Weld_Sketch, WeldsOnBothSidesAtSixtyDegreesTakeTheObtuseCornersLeg) {
    // t1 5 mm, a 5 mm at 60 degrees: the obtuse corner's leg a / cos 60° = 10 mm makes V = 12 mm
    // (H 17 mm, W 2 · 12 + 13.86 mm); on one side the leg 5.77 mm gives V = 7.5 mm (H 12.5 mm,
    // W 28.86 mm). The height decides either way: the frame ends at 20 + trunc(W · 180/H).
    const struct {
        int side;
        int right_edge;
    } cases[] = {{Weld_Two_Sided, 20 + 400}, {Weld_One_Sided_Left, 20 + 415}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.side);
        Open_White_Screen(640, 480);
        Weld_Connection C = Fillet_Joint();
        C.plate1.t = 5;
        C.weld.theta = 60;
        C.side = c.side;
        Draw_Weld_Connection_Sketch(0, 0, 620, 200, &C);
        EXPECT_EQ(Host_Pixel(c.right_edge, 2), Sheet_Background);
        EXPECT_EQ(Host_Pixel(c.right_edge + 1, 2), White_Pixel);
    }
}

TEST_F(Weld_Sketch, InLineButtJointSwapsLabelsForTheThickerPlate2) {
    // Butt weld at 0 degrees, plate 1 10 mm, plate 2 20 mm: in line, 60 mm wide and 20 mm high;
    // s = 422/60, the frame 160 high. The thicker plate 2 stands left and is labelled "t2".
    // One side from the right (sides 2): one groove over the thin plate's thickness from its bottom.
    Weld_Connection C = Fillet_Joint();
    C.weld.type = Weld_Butt;
    C.weld.theta = 0;
    C.weld.full_penetration = 1;
    C.plate1.t = 10;
    C.plate2.t = 20;
    C.side = Weld_One_Sided_Right;
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Sketch_Height, 160);
    EXPECT_EQ(Texts(), "34 82 4096 0,0,0 \"t2\"\n416 47 4096 0,0,0 \"t1\"\n");
    // Plates from y 9: the left 141 px thick, the right 70 px; the groove from (221, 79) up to
    // (221, 9) and across the bottom to (291, 79).
    EXPECT_EQ(Host_Pixel(230, 70), Green_196);
    EXPECT_EQ(Host_Pixel(280, 15), Lavender_213);
    EXPECT_EQ(Host_Pixel(100, 120), Lavender_196);
}

TEST_F(Weld_Sketch, ButtWeldAtAHundredthOfADegreeIsATJoint) {
    // 0.01 degrees is above the in-line limit of 0.001 degrees: the joint and its grooves are drawn
    // as a T-joint (partial penetration, "a" below the base plate), never with the in-line grooves
    // and their "a" 20 px left of the joint line (x 221 - 16).
    Weld_Connection C = Fillet_Joint();
    C.weld.type = Weld_Butt;
    C.weld.theta = 0.01;
    C.weld.full_penetration = 0;
    C.weld.a = 4;
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"a\""), 2);
    EXPECT_EQ(Occurrences(texts, "\n205 "), 0);
    EXPECT_NE(texts.rfind("205 ", 0), 0u);
}

TEST_F(Weld_Sketch, PlugWeldWithLengthEqualToItsDiameterIsAFullCircle) {
    // d = l = 20 mm: 80 by 40 mm, s 4.5, the frame to 380, centre (190, 100); the weld a disc of
    // radius 45 px; plate 1 (with the hole) offset right of plate 2 by half a diameter. A plug
    // weld in a 10 mm plate is 10 mm thick in a hole of at least 18 mm.
    Weld_Connection C = Fillet_Joint();
    C.plate1.t = 10;
    C.weld.type = Weld_Plug;
    C.weld.d = 20;
    C.weld.l = 20;
    C.weld.a = 10;
    C.side = Weld_One_Sided_Left;
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    for (const auto& [x, y] : {std::pair{170, 80}, {210, 120}, {220, 85}, {165, 115}, {195, 95}})
        EXPECT_EQ(Host_Pixel(x, y), Green_196) << x << "," << y;
    EXPECT_EQ(Host_Pixel(300, 100), Lavender_196);
    EXPECT_EQ(Host_Pixel(70, 100), Lavender_213);
    EXPECT_EQ(Host_Pixel(260, 20), Lavender_213);
    EXPECT_EQ(Texts(), "192 78 4096 0,0,0 \"d\"\n190 98 4096 0,0,0 \"l\"\n257 103 4096 0,0,0 \"Blech 1\"\n");
}

TEST_F(Weld_Sketch, SlotWeldShowsTheLowerPlateInsideTheRing) {
    // Slot 20 by 60 mm (at least 4 t wide in a 5 mm plate), throat 3 mm: the ring of weld 3 √2 mm
    // wide around the lower plate.
    Weld_Connection C = Fillet_Joint();
    C.plate1.t = 5;
    C.weld.type = Weld_Slot;
    C.weld.d = 20;
    C.weld.l = 60;
    C.weld.a = 3;
    C.side = Weld_One_Sided_Left;
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    // 120 by 40 mm: s = 422/120; centre (221, 80); D 70, L 211, S 70; the ring 16 px wide.
    EXPECT_EQ(Host_Pixel(240, 85), Lavender_213);
    EXPECT_EQ(Host_Pixel(240, 50), Green_196);
    EXPECT_EQ(Host_Pixel(240, 112), Green_196);
    EXPECT_NE(Texts().find("\"a\""), std::string::npos);
}

TEST_F(Weld_Sketch, FailingCheckShowsTheErrorAndLeavesTheForces) {
    Weld_Connection C = Fillet_Joint();
    C.plate1.t = 0;
    C.V_par_Ed = 3.3;
    C.F_w_Ed = 0.7;
    const std::string before = Record_Bytes(C);
    Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Record_Bytes(C), before);
    EXPECT_EQ(Sketch_Height, 60);
    EXPECT_EQ(Texts(), Input_Error_Texts);
}

TEST_F(Weld_Sketch, HundredRepaintsLeaveTheRecordByteIdentical) {
    Weld_Connection C = Fillet_Joint();
    C.weld.l_w = 120;   // forces on the weld are totals over the effective length
    C.force_mode = Weld_Line_Forces;
    C.F_sigma_perp = 0.1 + 0.2;
    C.F_tau_par = 7.77;
    const std::string before = Record_Bytes(C);
    for (int i = 0; i < 100; ++i) Draw_Weld_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Record_Bytes(C), before);
}

}  // namespace
