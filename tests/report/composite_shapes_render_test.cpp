// The filled ring as the print-list viewer draws it: the hole stays blank inside the filled band.
#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "platform/printlist/print_list_renderer.h"
#include "report/composite_shapes.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"
#include "report/graphic_colours.h"
#include "test_support.h"

namespace {

struct Page {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    bool white(int x, int y) const { return (pixels[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF) == 0xFFFFFF; }
};

// One graphic block of 10 by 10 cm at scale 1 with the drawing, rendered to a page image.
Page Render_Block(const std::function<void()>& draw) {
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
    Page page;
    if (!Render_Print_List(out.text(), options).written) return page;
    cairo_surface_t* s = cairo_image_surface_create_from_png(dir.file("p-1.png").c_str());
    if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
        cairo_surface_flush(s);
        page.width = cairo_image_surface_get_width(s);
        page.height = cairo_image_surface_get_height(s);
        const int stride = cairo_image_surface_get_stride(s);
        const unsigned char* data = cairo_image_surface_get_data(s);
        for (int y = 0; y < page.height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::size_t>(y) * stride);
            page.pixels.insert(page.pixels.end(), row, row + page.width);
        }
    }
    cairo_surface_destroy(s);
    return page;
}

// The box of the pixels that are not white, below the page's head line.
struct Box {
    int x1 = 1 << 30, y1 = 1 << 30, x2 = -1, y2 = -1;
};
Box Drawn_Box(const Page& p) {
    Box b;
    for (int y = p.height / 12; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (!p.white(x, y)) {
                b.x1 = std::min(b.x1, x);
                b.y1 = std::min(b.y1, y);
                b.x2 = std::max(b.x2, x);
                b.y2 = std::max(b.y2, y);
            }
    return b;
}

TEST(Composite_Shapes_Rendered, RingLeavesItsHoleBlank) {
    const Page page = Render_Block([] { OLI_Fill_Ring(5, 5, 8, 4); });   // 8 cm ring, 4 cm hole
    ASSERT_GT(page.width, 0);
    const Box b = Drawn_Box(page);
    ASSERT_GT(b.x2, b.x1);
    const int cx = (b.x1 + b.x2) / 2, cy = (b.y1 + b.y2) / 2;
    const int r = (b.x2 - b.x1) / 2;   // outer radius in pixels; 8 cm at 50 dpi is about 157 wide
    EXPECT_NEAR(b.x2 - b.x1, 157, 4);
    EXPECT_NEAR(b.y2 - b.y1, 157, 4);
    EXPECT_TRUE(page.white(cx, cy));                  // the hole
    EXPECT_TRUE(page.white(cx + r * 4 / 10, cy));     // still inside the hole (radius 0.5 r)
    EXPECT_FALSE(page.white(cx + r * 3 / 4, cy));     // the band
    EXPECT_FALSE(page.white(cx, cy - r * 3 / 4));
}

}  // namespace
