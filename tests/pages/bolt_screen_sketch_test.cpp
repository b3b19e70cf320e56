// The bolted connection sketch on screen: the centred fit of the M20 joint, plates without end
// distances, a single bolt, slotted holes, injection resin, anchor bolts, pins, unchecked plates,
// the error display and a record (and the page's editing flags) left exactly as they were.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "checks/bolt_test_support.h"
#include "checks/pin_test_support.h"
#include "pages/connection_forms.h"
#include "pages/page_edit_flags.h"
#include "pages/screen_sketch_support.h"
#include "pages/screen_sketches.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

class Bolt_Sketch : public Screen_Sketch_Test {};

// M20 of own dimensions k 13, t_p 4 and m 16 mm with washers on both sides, through plate 1 of
// 15 mm and plate 2 of 20 mm, e1,1 = e1,2 = 40 mm, p1 = 60 mm, one shear plane.
Bolt_Connection M20_Joint() {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8, [](Fastener& f) {
        f.non_standard_size = 1;
        f.d = 20;
        f.delta_d = 2;
        f.A = 314.16;
        f.A_s = 245;
        f.d_s = 30;
        f.d_e = 33;
        f.t_k = 13;
        f.t_m = 16;
        f.t_p = 4;
        f.d_p = 37;
        f.washer_sides = 2;
    });
    C.plate_1 = Test_Plate(15);
    C.plate_2 = Test_Plate(20);
    C.e_11 = C.e_12 = 40;
    C.p_1 = 60;
    return C;
}

// The record as the form holds it.
Bolt_Connection Editing(Bolt_Connection C) {
    Unpack_Bolt_Connection(&C);
    return C;
}

// The drawn texts by label: the label's position "x y" in the trace, one per occurrence.
std::string Label_Positions(const std::string& texts, const std::string& label) {
    std::istringstream in(texts);
    std::string line, out;
    while (std::getline(in, line))
        if (line.size() > label.size() + 2 && line.compare(line.size() - label.size() - 2, label.size() + 2,
                                                           "\"" + label + "\"") == 0) {
            std::istringstream fields(line);
            std::string x, y;
            fields >> x >> y;
            out += x + " " + y + "\n";
        }
    return out;
}

TEST_F(Bolt_Sketch, M20JointIsCentredWhenTheHeightDecides) {
    // H = 13 + 20 + 6.5 + 15 + 4 + 4 + 16 + 3 = 81.5 mm, W = 60 + 80 + 40 = 180 mm: s = 180/81.5,
    // the frame moves right by trunc((422 - 397.5) / 2) = 12 px and ends at 12 + 20 + 397.
    Bolt_Connection C = Editing(M20_Joint());
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Sketch_Height, 200);
    EXPECT_EQ(Host_Pixel(11, 100), White_Pixel);
    EXPECT_EQ(Host_Pixel(12, 100), Sheet_Background);
    EXPECT_EQ(Host_Pixel(429, 2), Sheet_Background);
    EXPECT_EQ(Host_Pixel(430, 2), White_Pixel);
    const std::string texts = Texts();
    for (const char* label : {"t1", "t2", "e1,1", "e1,2", "p1"})
        EXPECT_EQ(Occurrences(texts, std::string("\"") + label + "\""), 1) << label;
    // Plate 1 (33 px) above the reference line 81 with its closed end at 22 + 132 - 88 = 66; "e1,1"
    // runs along its middle (y 65).
    EXPECT_EQ(Count_Pixels(66, 50, 66, 60, Black_Pixel), 11);
    EXPECT_EQ(Host_Pixel(60, 60), Sheet_Background);
    EXPECT_EQ(Host_Pixel(75, 60), Lavender_213);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Green_196), 0);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Rose_196), 0);
    EXPECT_EQ(Count_Pixels(0, 0, 442, 200, Grey_224), 0);
}

TEST_F(Bolt_Sketch, WithoutEndDistancesThePlatesRunThroughTheFrame) {
    Bolt_Connection C = M20_Joint();
    C.e_11 = C.e_12 = 0;
    C = Editing(C);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"e1,1\""), 0);
    EXPECT_EQ(Occurrences(texts, "\"e1,2\""), 0);
    EXPECT_EQ(Occurrences(texts, "\"p1\""), 1);
    // Both ends of plate 1 open: no black across its thickness at the frame's inner edges.
    EXPECT_EQ(Count_Pixels(22, 50, 22, 79, Black_Pixel), 0);
    EXPECT_EQ(Count_Pixels(66, 50, 66, 79, Black_Pixel), 0);
    EXPECT_EQ(Count_Pixels(418, 52, 418, 77, Black_Pixel), 0);
}

TEST_F(Bolt_Sketch, SingleBoltHasNoPitch) {
    Bolt_Connection C = M20_Joint();
    C.p_1 = 0;
    C = Editing(C);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"p1\""), 0);
    EXPECT_EQ(Occurrences(texts, "\"e1,1\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"e1,2\""), 1);
    // W = 120 mm: the frame moves right by trunc((422 - 120 s) / 2) = 78 px.
    EXPECT_EQ(Host_Pixel(77, 100), White_Pixel);
    EXPECT_EQ(Host_Pixel(78, 100), Sheet_Background);
}

TEST_F(Bolt_Sketch, SlotInTheForceDirectionWidensTheHolesAndIsDimensioned) {
    const struct {
        int hole_type;
        bool dlang;
    } cases[] = {{Hole_Normal, false}, {Hole_Short_Slot_Parallel, true}, {Hole_Long_Slot_Parallel, true},
                 {Hole_Short_Slot_Transverse, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hole_type);
        Open_White_Screen(640, 480);
        Host_Trace_To_Memory(true);
        Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8, [&](Fastener& f) { f.hole_type = c.hole_type; });
        C.plate_1 = Test_Plate(15);
        C.plate_2 = Test_Plate(20);
        C.e_11 = C.e_12 = 60;
        C.p_1 = 80;
        C = Editing(C);
        Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
        const std::string positions = Label_Positions(Texts(), "dlang");
        EXPECT_EQ(!positions.empty(), c.dlang) << positions;
        if (!c.dlang) continue;
        // The hole's width as the label's centring shows it is the dimension's own length.
        EXPECT_EQ(Occurrences(positions, "\n"), 1);
    }
}

TEST_F(Bolt_Sketch, InjectionBoltsShowTheResin) {
    Bolt_Connection C = M20_Joint();
    C.fastener.type = Fastener_Injection_Bolt;
    C = Editing(C);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Peach), 0);
    Open_White_Screen(640, 480);
    Bolt_Connection B = Editing(M20_Joint());
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &B);
    EXPECT_EQ(Count_Pixels(0, 0, 442, 200, Peach), 0);
}

TEST_F(Bolt_Sketch, UncheckedPlate2IsGrey) {
    Bolt_Connection C = Editing(M20_Joint());
    Page_Edit_Flags.plate_2_unchecked = 1;
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Grey_224), 0);
    Page_Edit_Flags.plate_2_unchecked = 0;
    Open_White_Screen(640, 480);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Count_Pixels(0, 0, 442, 200, Grey_224), 0);
}

TEST_F(Bolt_Sketch, AnchorEndDistanceStandsBelowTheFrame) {
    Bolt_Connection C = Test_Anchor_Joint(2);
    C.e_11 = 100;
    C.p_1 = 150;
    C.packing = 1;
    C.t_p = 30;
    C = Editing(C);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    ASSERT_GT(Sketch_Height, 60);
    const std::string texts = Texts();
    const std::string e11 = Label_Positions(texts, "e1,1");
    ASSERT_FALSE(e11.empty()) << texts;
    std::istringstream fields(e11);
    int x = 0, y = 0;
    fields >> x >> y;
    EXPECT_GT(y, Sketch_Height);
    for (const char* label : {"tp", "tf", "tm"})
        EXPECT_EQ(Occurrences(texts, std::string("\"") + label + "\""), 1) << label;
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Grey_233), 0);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Sand), 0);
}

TEST_F(Bolt_Sketch, PinInTheForkOfEyeBar2) {
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Editing(Test_Pin_Joint(&factors));
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"d\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"d0\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"t1\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"t2\""), 2);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Green_196), 0);
    EXPECT_GT(Count_Pixels(0, 0, 442, 200, Lavender_213), 0);
}

TEST_F(Bolt_Sketch, RefusedInputShowsTheErrorAndLeavesTheRecord) {
    Bolt_Connection C = M20_Joint();
    C.plate_1.t = 0;
    C.F_v_Ed = 123456.7;
    C = Editing(C);
    const std::string before = Record_Bytes(C);
    Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Record_Bytes(C), before);
    EXPECT_EQ(Sketch_Height, 60);
    EXPECT_EQ(Texts(), Input_Error_Texts);
}

TEST_F(Bolt_Sketch, RepaintsLeaveRecordAndEditingFlagsAsTheyWere) {
    // A pin joint whose geometry option the user set to "Möglichkeit B", forces and areas that the
    // conversions would not bring back exactly, and a slotted hole's length.
    Safety_Factors factors = Test_Safety_Factors();
    Bolt_Connection C = Editing(Test_Pin_Joint(&factors));
    Page_Edit_Flags.pin_geometry_checked = 1;
    Page_Edit_Flags.pin_geometry_option = 2;
    C.F_v_Ed = 0.1 + 0.2;
    C.A_net = 1.0 / 3.0;
    const std::string before = Record_Bytes(C), flags_before = Record_Bytes(Page_Edit_Flags);
    for (int i = 0; i < 100; ++i) Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &C);
    EXPECT_EQ(Record_Bytes(C), before);
    EXPECT_EQ(Record_Bytes(Page_Edit_Flags), flags_before);
    EXPECT_EQ(Page_Edit_Flags.pin_geometry_option, 2);

    Bolt_Connection B = M20_Joint();
    B.fastener.hole_type = Hole_Long_Slot_Parallel;
    B = Editing(B);
    B.fastener.slot_length = 41.3;
    const std::string bolt_before = Record_Bytes(B);
    for (int i = 0; i < 100; ++i) Draw_Bolt_Connection_Sketch(0, 0, 442, 200, &B);
    EXPECT_EQ(Record_Bytes(B), bolt_before);
}

}  // namespace
