#include "platform/printlist/tree_view_images.h"

#include <gtest/gtest.h>

#include "platform/screen_picture.h"

namespace {

// Planes that cannot be drawn are left out, the others still drawn, and the caller's colour kept.
TEST(TreeViewImage, SkipsPlanesItCannotDraw) {
    Open_White_Screen(20, 20);
    const unsigned char wide_rows[] = {0xFF, 0xFF};
    const unsigned char dot[] = {0x80};
    const Picture_Object too_wide{9, 2, 1, wide_rows};   // 9 px in a 1-byte row
    const Picture_Object no_rows{1, 1, 1, nullptr};
    const Picture_Object one_dot{1, 1, 1, dot};
    const Picture_Object* const planes[] = {&too_wide, nullptr, &no_rows, &one_dot};
    const int colours[] = {0xFF0000, 0xFF0000, 0xFF0000, 0x0000FF};
    const Tree_View_Image image{4, colours, 0, planes};
    pxFgc(0x00FF00);
    Draw_TreeViewImage(&image, 10, 10);
    Draw_TreeViewImage(nullptr, 10, 10);
    EXPECT_EQ(Screen_Picture(8, 8, 12, 12, {{0xFF0000, 'r'}, {0x0000FF, 'b'}}),
              Rows({".....", ".....", "..b..", ".....", "....."}));
    EXPECT_EQ(pxQFgc(), 0x00FF00);
    Exit_Grafik_Mode();
}

}  // namespace
