// The T-stub in compression sketch on screen: the fit in the 452 by 160 box, flange and base plate
// with their dimensions, the error display, and a record left exactly as it was.
#include <gtest/gtest.h>

#include "checks/tstub_compression_test_support.h"
#include "pages/screen_sketch_support.h"
#include "pages/screen_sketches.h"
#include "sketches/screen_sketch_fixture.h"

namespace {

class Compression_Sketch : public Screen_Sketch_Test {};

// The record as the form holds it: F_c,Ed in kN.
T_Stub_Compression Editing(T_Stub_Compression T) {
    T.F_c_Ed *= 0.001;
    return T;
}

TEST_F(Compression_Sketch, FlangeFitsByHeightAndFillsTheBox) {
    // Flange 20 mm, c1 50, t_s 15, c2 60: W = 125 mm, H = 44 mm; in 452 by 160 the height decides,
    // s = 140/44, the frame ends at 20 + trunc(397.7) = 417 and is 160 high.
    T_Stub_Compression T = Test_Flange();
    T.plate.t = 20;
    T.c1 = 50;
    T.t_s = 15;
    T.c2 = 60;
    T = Editing(T);
    Sketch_Height = -1;
    Draw_T_Stub_Compression_Sketch(0, 0, 452, 160, &T);
    EXPECT_EQ(Sketch_Height, 160);
    EXPECT_EQ(Host_Pixel(417, 2), Sheet_Background);
    EXPECT_EQ(Host_Pixel(418, 2), White_Pixel);
    // Plate 20 s = 64 px under 1.2 t s = 76 px of column plate from y 10; concrete from 150 to 160.
    EXPECT_EQ(Host_Pixel(5, 155), Grey_224);
    EXPECT_EQ(Host_Pixel(5, 160), Grey_224);
    EXPECT_EQ(Host_Pixel(5, 150), Black_Pixel);
    EXPECT_EQ(Host_Pixel(100, 120), Lavender_196);
    EXPECT_EQ(Host_Pixel(190, 50), Lavender_213);   // column plate from 10 + 159 to 10 + 398 - 191
    EXPECT_EQ(Host_Pixel(169, 50), Black_Pixel);
    EXPECT_EQ(Host_Pixel(217, 50), Black_Pixel);
    EXPECT_EQ(Host_Pixel(166, 84), Grey_224);         // weld at the column plate's left foot
    // tf at x 20 from 86 to 150; c1 from 169 to 10, c2 from 408 to 217 and ts from 217 to 169 at 20.
    EXPECT_EQ(Texts(), "24 121 4096 0,0,0 \"tf\"\n"
                       "83 18 4096 0,0,0 \"c1\"\n"
                       "306 18 4096 0,0,0 \"c2\"\n"
                       "187 18 4096 0,0,0 \"ts\"\n");
}

TEST_F(Compression_Sketch, BasePlateDrawsItsProjectionWithoutWritingIt) {
    // c2 0 and l_p 300: the base plate with c1 50 and t_s 15 projects 235 mm right of the column
    // plate; the dimensions are tp, c1, ts and lp, and c2 stays 0 in the record.
    T_Stub_Compression T = Test_Base_Plate();
    T.plate.l = 300;
    T.c1 = 50;
    T.t_s = 15;
    T.c2 = 0;
    T = Editing(T);
    const std::string before = Record_Bytes(T);
    Draw_T_Stub_Compression_Sketch(0, 0, 452, 160, &T);
    EXPECT_EQ(Record_Bytes(T), before);
    EXPECT_EQ(T.c2, 0.0);
    // 300 by 44 mm: the width decides, s = 432/300; the column plate ends 235 s = 338 px before the
    // plate's right end at 10 + 432.
    const std::string texts = Texts();
    EXPECT_EQ(Occurrences(texts, "\"tp\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"c1\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"ts\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"lp\""), 1);
    EXPECT_EQ(Occurrences(texts, "\"c2\""), 0);
    EXPECT_EQ(Sketch_Height, 20 + 63);   // trunc(44 · 1.44) = 63
    EXPECT_EQ(Host_Pixel(10 + 72 + 5, 30), Lavender_213);
    EXPECT_EQ(Host_Pixel(10 + 94 + 2, 30), Sheet_Background);
}

TEST_F(Compression_Sketch, RefusedRecordShowsTheErrorAndStaysUnchanged) {
    // A flange needs c2 of at least 1 mm: c2 = 0.1 is refused by the input check.
    const struct {
        const char* name;
        T_Stub_Compression T;
    } cases[] = {
        {"c2 0.1", [] {
             T_Stub_Compression T = Test_Flange();
             T.c2 = 0.1;
             return T;
         }()},
        {"no thickness", [] {
             T_Stub_Compression T = Test_Base_Plate();
             T.plate.t = 0;
             return T;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open_White_Screen(640, 480);
        Host_Trace_To_Memory(true);
        T_Stub_Compression T = Editing(c.T);
        const std::string before = Record_Bytes(T);
        Draw_T_Stub_Compression_Sketch(10, 20, 462, 180, &T);
        EXPECT_EQ(Record_Bytes(T), before);
        EXPECT_EQ(Sketch_Height, 60);
        EXPECT_EQ(Texts(), "40 50 4097 255,0,0 \"Fehler in den Eingabedaten\"\n"
                           "40 70 4097 255,0,0 \"siehe Druckliste\"\n");
        EXPECT_EQ(Count_Pixels(10, 20, 462, 180, Sheet_Background), 0);
    }
}

TEST_F(Compression_Sketch, HundredRepaintsLeaveTheRecordByteIdentical) {
    T_Stub_Compression T = Editing(Test_Base_Plate());
    T.F_c_Ed = 0.1 + 0.2;   // a value whose ×1000 and ×0.001 would not come back exactly
    const std::string before = Record_Bytes(T);
    for (int i = 0; i < 100; ++i) Draw_T_Stub_Compression_Sketch(0, 0, 452, 160, &T);
    EXPECT_EQ(Record_Bytes(T), before);
}

}  // namespace
