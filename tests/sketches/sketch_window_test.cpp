// Every report sketch as the print-list reader sees it: one graphic block and the layout line, no
// warning, no non-finite number, and every stroke and fill inside the block's window.
#include <gtest/gtest.h>

#include <functional>
#include <variant>

#include "checks/bolt_test_support.h"
#include "checks/weld_test_support.h"
#include "platform/printlist/print_list_reader.h"
#include "report/graphic_capture.h"
#include "sketches/report_sketches.h"

namespace {

struct Sketch_Case {
    const char* name;
    std::function<void(FILE*)> draw;
};

// Tolerance on paper (cm): the ticks and dots of dimensions stand 0.1 cm beyond their points.
constexpr double Paper_Tolerance = 0.2;

void Expect_Inside_Window(const std::string& text) {
    Print_List_Warnings warnings;
    const std::vector<Print_List_Item> items = Read_Print_List(text, warnings);
    EXPECT_EQ(warnings.count, 0) << (warnings.texts.empty() ? "" : warnings.texts[0]);
    ASSERT_EQ(items.size(), 2u);
    const auto* block = std::get_if<Graphic_Block>(&items[0].content);
    ASSERT_NE(block, nullptr);
    const auto* layout = std::get_if<Layout_Line>(&items[1].content);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(layout->call, Layout_Call::Set_Y_Position);
    EXPECT_DOUBLE_EQ(layout->a, -0.5);
    EXPECT_EQ(text.find("nan"), std::string::npos);
    EXPECT_EQ(text.find("inf"), std::string::npos);

    const double x_lo = block->x1 - Paper_Tolerance, x_hi = block->x2 + Paper_Tolerance;
    const double y_lo = block->y2 - Paper_Tolerance, y_hi = block->y1 + Paper_Tolerance;
    for (const Graphic_Command& c : block->commands) {
        std::size_t first = 0;
        if (c.code == 18) first = 1;
        else if (c.code != 1 && c.code != 24) continue;
        for (std::size_t k = first; k + 1 < c.values.size(); k += 2) {
            EXPECT_GE(c.values[k], x_lo) << "line " << c.line;
            EXPECT_LE(c.values[k], x_hi) << "line " << c.line;
            EXPECT_GE(c.values[k + 1], y_lo) << "line " << c.line;
            EXPECT_LE(c.values[k + 1], y_hi) << "line " << c.line;
        }
    }
}

Bolt_Connection M20_Joint(double e11, double e12, double p1) {
    Bolt_Connection C = Test_Bolt_Joint(Bolt_Size_M20, Bolt_Class_8_8);
    C.e_11 = e11;
    C.e_12 = e12;
    C.e_21 = C.e_22 = 40;
    C.p_1 = p1;
    C.spacing_off = 1;
    return C;
}

TEST(SketchWindow, EverySketchStaysInsideItsWindow) {
    const Sketch_Case cases[] = {
        {"bolt pair", [](FILE* s) { auto C = M20_Joint(40, 50, 70); Print_Bolt_Connection_Sketch(&C, s, 0); }},
        // edges between 0.001 and 0.1 mm run out 3d beyond the bolt, and the window follows
        {"open edges 0.05", [](FILE* s) { auto C = M20_Joint(0.05, 0.05, 70); Print_Bolt_Connection_Sketch(&C, s, 10); }},
        {"no distances", [](FILE* s) { auto C = M20_Joint(0, 0, 0); Print_Bolt_Connection_Sketch(&C, s, 0); }},
        {"anchor pair", [](FILE* s) {
             auto C = Test_Anchor_Joint(7);
             C.e_11 = 80;
             C.p_1 = 150;
             C.packing = 1;
             C.t_p = 20;
             Print_Bolt_Connection_Sketch(&C, s, 0);
         }},
        {"pin with plan view", [](FILE* s) {
             Bolt_Connection C;
             Init_Bolt_Connection(&C);
             C.fastener.type = Fastener_Pin;
             C.fastener.d_pin = 30;
             C.fastener.d_0 = 31;
             C.plate_1 = Test_Plate(10.0);
             C.plate_2 = Test_Plate(12.0);
             C.delta_t = 2;
             C.e_11 = 40;
             C.e_21 = 35;
             C.pin_geometry = 1;
             Print_Bolt_Connection_Sketch(&C, s, 0);
         }},
        {"weld at 60 degrees", [](FILE* s) { Weld_Fixture f; f.c.weld.theta = 60; Print_Weld_Connection_Sketch(f.c, s, 0); }},
        {"butt weld at 45 degrees", [](FILE* s) {
             Weld_Fixture f;
             f.c.weld.type = Weld_Butt;
             f.c.weld.theta = 45;
             f.c.weld.full_penetration = 1;
             Print_Weld_Connection_Sketch(f.c, s, 0);
         }},
    };
    for (const Sketch_Case& c : cases) {
        SCOPED_TRACE(c.name);
        Graphic_Capture out;
        c.draw(out.stream);
        Expect_Inside_Window(out.text());
    }
}

}  // namespace
