// The T-stub in tension sketch on screen: the column-flange example with its root radii, four bolts
// at the end-plate extension, backing plates by location, the L-stub, the error display and a record
// (and the page's editing flags) left exactly as they were.
#include <gtest/gtest.h>

#include <string>

#include "checks/tstub_tension.h"
#include "pages/connection_forms.h"
#include "pages/page_edit_flags.h"
#include "pages/screen_sketch_support.h"
#include "pages/screen_sketches.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

class T_Stub_Tension_Sketch : public Screen_Sketch_Test {
  protected:
    // The number of separate runs of the colour along the row y of the box, black lines inside a run
    // (a bolt's axis) not splitting it: the bolts by their washers.
    static int Runs(int y, int colour) {
        int runs = 0;
        bool inside = false;
        for (int x = 0; x <= 442; ++x) {
            const int pixel = Host_Pixel(x, y);
            const bool hit = pixel == colour;
            runs += hit && !inside;
            inside = hit || (inside && pixel == Black_Pixel);
        }
        return runs;
    }
};

// A column flange (location 0) of 20 mm with one row of two bolts, e = 40 and m = 50 mm; the
// default M20 10.9 of the preloadable set (washer 4 mm, head 12.5 mm); 50 kN per bolt.
T_Stub_Tension Column_Flange() {
    T_Stub_Tension T;
    Default_T_Stub_Tension(&T);
    T.location = 0;
    T.bolts_per_row = 2;
    T.e = 40;
    T.m = 50;
    T.flange.t = 20;
    T.F_t_Ed[0] = 50000;
    return T;
}

// The end-plate extension (location 2) with four bolts per row, e1 45, m1 35 and w 80 mm.
T_Stub_Tension Extension_Four_Bolts(double t_st) {
    T_Stub_Tension T = Column_Flange();
    T.location = 2;
    T.bolts_per_row = 4;
    T.e_1 = 45;
    T.m_1 = 35;
    T.w = 80;
    T.web.t = t_st;
    T.flange.l = 400;
    return T;
}

T_Stub_Tension Editing(T_Stub_Tension T) {
    Unpack_T_Stub_Tension(&T);
    return T;
}

TEST_F(T_Stub_Tension_Sketch, ColumnFlangeFitsByWidthWithRootRadii) {
    // r = min(50/6, 2 · 20/3) = 8.33 mm, web 2 (20 - 8.33) mm: W = 216.7 mm, H = 2 (4 + 12.5) + 20 =
    // 53 mm. The width decides: s = 417/216.7, the frame 25 + trunc(102.0) high; the fillets have the
    // radius 16 px in the corners of the web faces (200, 73) and (246, 73).
    T_Stub_Tension T = Editing(Column_Flange());
    Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
    EXPECT_EQ(Sketch_Height, 127);
    EXPECT_EQ(Host_Pixel(2, 127), Sheet_Background);
    EXPECT_EQ(Host_Pixel(2, 128), White_Pixel);
    EXPECT_EQ(Texts(), "50 18 4096 0,0,0 \"e\"\n"
                       "137 18 4096 0,0,0 \"m\"\n"
                       "29 95 4096 0,0,0 \"tf\"\n");
    EXPECT_EQ(Host_Pixel(198, 71), Lavender_196);
    EXPECT_EQ(Host_Pixel(195, 68), Black_Pixel);   // the arc at 45 degrees about (184, 57)
    EXPECT_EQ(Host_Pixel(187, 60), Sheet_Background);
    EXPECT_EQ(Host_Pixel(248, 71), Lavender_196);
    EXPECT_EQ(Host_Pixel(259, 60), Sheet_Background);
    EXPECT_EQ(Host_Pixel(223, 40), Lavender_196);   // the rolled web
    EXPECT_EQ(Runs(112 - 39 - 3, Rose_196), 2);      // two washers on the flange
}

TEST_F(T_Stub_Tension_Sketch, FourBoltsAtTheExtensionAreDrawnAsTwo) {
    const struct {
        double t_st;
        bool tst;
    } cases[] = {{12, true}, {0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.t_st);
        Open_White_Screen(640, 480);
        Host_Trace_To_Memory(true);
        T_Stub_Tension T = Editing(Extension_Four_Bolts(c.t_st));
        ASSERT_EQ(Page_Edit_Flags.four_bolts_per_row, 1);
        Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
        ASSERT_GT(Sketch_Height, 60);
        const std::string texts = Texts();
        EXPECT_EQ(Occurrences(texts, "\"e1\""), 1);
        EXPECT_EQ(Occurrences(texts, "\"m1\""), 1);
        EXPECT_EQ(Occurrences(texts, "\"w\""), 0);
        EXPECT_EQ(Occurrences(texts, "\"e\""), 0);
        EXPECT_EQ(Occurrences(texts, "\"tst\""), c.tst ? 1 : 0);
        EXPECT_EQ(Occurrences(texts, "\"tw\""), 0);
        // The web is a welded plate; two bolts, each with its washer.
        EXPECT_GT(Count_Pixels(0, 0, 442, 200, Lavender_213), 0);
        int washers = 0;
        for (int y = 0; y <= 200 && !washers; ++y) washers = Runs(y, Rose_196);
        EXPECT_EQ(washers, 2);
    }
}

TEST_F(T_Stub_Tension_Sketch, BackingPlatesOnlyAtTheColumnFlange) {
    // A backing plate of 10 mm raises the heads at location 0 (H 73 mm, frame 25 + trunc(140.5)) and
    // is dimensioned "tp"; between the beam flanges (location 1) it is left out.
    const struct {
        int location;
        int height;
        bool backing;
    } cases[] = {{0, 165, true}, {1, 127, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.location);
        Open_White_Screen(640, 480);
        Host_Trace_To_Memory(true);
        T_Stub_Tension T = Column_Flange();
        T.location = c.location;
        T.backing_plate = 1;
        T.t_bp = 10;
        T = Editing(T);
        Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
        EXPECT_EQ(Sketch_Height, c.height);
        EXPECT_EQ(Occurrences(Texts(), "\"tp\""), c.backing ? 1 : 0);
        EXPECT_EQ(Count_Pixels(0, 0, 442, 200, Peach) > 0, c.backing);
        // Location 1 welds a plate: fillet welds and a web of lavender 213.
        EXPECT_EQ(Count_Pixels(0, 0, 442, 200, Lavender_213) > 0, c.location == 1);
    }
}

TEST_F(T_Stub_Tension_Sketch, LStubDrawsTheLeftHalfOnly) {
    // At the extension with the L-stub switch: W = 2 (45 + 35 + 6.67) + 23.3 mm keeps the whole
    // width for the scale (s = 417/196.7); the flange ends at the web's right face, XC + 25 = 248.
    T_Stub_Tension T = Column_Flange();
    T.location = 2;
    T.l_stub = 1;
    T.e_1 = 45;
    T.m_1 = 35;
    T.flange.l = 250;
    T = Editing(T);
    Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
    EXPECT_EQ(Sketch_Height, 137);
    EXPECT_EQ(Host_Pixel(240, 117), Lavender_196);
    EXPECT_EQ(Host_Pixel(260, 117), Sheet_Background);
    EXPECT_EQ(Host_Pixel(400, 117), Sheet_Background);
    int washers = 0;
    for (int y = 0; y <= 200 && !washers; ++y) washers = Runs(y, Rose_196);
    EXPECT_EQ(washers, 1);
}

TEST_F(T_Stub_Tension_Sketch, RefusedInputShowsTheErrorAndLeavesTheRecord) {
    // Four bolts at the extension need 2 (e + w) + d_p < l_f: 277 mm in a 250 mm flange is refused.
    T_Stub_Tension T = Extension_Four_Bolts(12);
    T.flange.l = 250;
    T = Editing(T);
    const std::string before = Record_Bytes(T);
    Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
    EXPECT_EQ(Record_Bytes(T), before);
    EXPECT_EQ(Sketch_Height, 60);
    EXPECT_EQ(Texts(), Input_Error_Texts);
}

TEST_F(T_Stub_Tension_Sketch, RepaintsLeaveRecordAndEditingFlagsAsTheyWere) {
    // The row count typed as 2.6 is turned into 2 rows only by the tab's own pack.
    T_Stub_Tension T = Column_Flange();
    T.row_count = 3;
    T.F_t_Ed[1] = 33333.3;
    T.F_t_Ed[2] = 0.1;
    T = Editing(T);
    Page_Edit_Flags.row_count = 2.6;
    const std::string before = Record_Bytes(T), flags_before = Record_Bytes(Page_Edit_Flags);
    for (int i = 0; i < 100; ++i) Draw_T_Stub_Tension_Sketch(0, 0, 442, 200, &T);
    EXPECT_EQ(Record_Bytes(T), before);
    EXPECT_EQ(Record_Bytes(Page_Edit_Flags), flags_before);
}

}  // namespace
