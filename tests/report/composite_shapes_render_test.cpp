// The filled ring as the print-list viewer draws it: the hole stays blank inside the filled band.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/page_image.h"
#include "platform/printlist/print_list_renderer.h"
#include "report/composite_shapes.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "test_support.h"

namespace {

bool White(const Image& p, int x, int y) {
    return (p.pixels[static_cast<std::size_t>(y) * p.width + x] & 0xFFFFFF) == 0xFFFFFF;
}

// One graphic block of 10 by 10 cm at scale 1 with the drawing, rendered to a page image.
Image Render_Block(const std::function<void()>& draw) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 10, 10, 1, 1, 0, nullptr);
    OLI_Set_Fill_Pattern(1);
    draw();
    std::fputs(" -1\n", out.stream);
    Scratch_Dir dir;
    Print_List_Render_Options options;
    options.png_dir = dir.path;
    options.png_stem = "p";
    options.png_dpi = 50;
    Image page;
    if (Render_Print_List(out.text(), options).written) Load_Png(dir.file("p-1.png"), page);
    return page;
}

// The box of the pixels that are not white, below the page's head line.
struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
};
Box Drawn_Box(const Image& p) {
    Box b;
    for (int y = p.height / 12; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (!White(p, x, y)) {
                b.x1 = std::min(b.x1, x);
                b.y1 = std::min(b.y1, y);
                b.x2 = std::max(b.x2, x);
                b.y2 = std::max(b.y2, y);
            }
    return b;
}

TEST(Composite_Shapes_Rendered, RingLeavesItsHoleBlank) {
    const Image page = Render_Block([] { OLI_Fill_Ring(5, 5, 8, 4); });   // 8 cm ring, 4 cm hole
    ASSERT_GT(page.width, 0);
    const Box b = Drawn_Box(page);
    ASSERT_GT(b.x2, b.x1);
    const int cx = (b.x1 + b.x2) / 2, cy = (b.y1 + b.y2) / 2;
    const int r = (b.x2 - b.x1) / 2;   // outer radius in pixels; 8 cm at 50 dpi is about 157 wide
    EXPECT_NEAR(b.x2 - b.x1, 157, 4);
    EXPECT_NEAR(b.y2 - b.y1, 157, 4);
    EXPECT_TRUE(White(page, cx, cy));                  // the hole
    EXPECT_TRUE(White(page, cx + r * 4 / 10, cy));     // still inside the hole (radius 0.5 r)
    EXPECT_FALSE(White(page, cx + r * 3 / 4, cy));     // the band
    EXPECT_FALSE(White(page, cx, cy - r * 3 / 4));
}

}  // namespace
