// The picture items of a view area (masks, images, image choice lists, images of check boxes) and
// bare nodes: what the adders store and grow, and how the items paint.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/bitmap_fixtures.h"
#include "platform/host/host_library.h"
#include "platform/printlist/tree_view_images.h"
#include "platform/screen_picture.h"
#include "test_support.h"

namespace {

constexpr int Black = 0, White = 0xFFFFFF, Grey = 0xBEBEBE, Background = 0xFFFBF0;
constexpr int Red = 0xFF0000, Blue = 0x0000FF;
const int on = 1, off = 0;

// An L of 3 x 4 pixels and a 2 x 2 square.
const unsigned char L_Rows[] = {0x80, 0x80, 0x80, 0xE0};
const Picture_Object L_Shape{3, 4, 1, L_Rows};
const unsigned char Square_Rows[] = {0xC0, 0xC0};
const Picture_Object Square{2, 2, 1, Square_Rows};

// A one-plane image of the L in red and a two-plane image: the L in red, the square in blue over it.
const int Red_Only[] = {Red};
const Picture_Object* const L_Planes[] = {&L_Shape};
const Tree_View_Image Red_L{1, Red_Only, 0, L_Planes};
const int Red_Blue[] = {Red, Blue};
const Picture_Object* const L_And_Square[] = {&L_Shape, &Square};
const Tree_View_Image Red_L_Blue_Square{2, Red_Blue, 0, L_And_Square};

// An area at screen (100, 100) to (483, 383) without frame, painted with origin (0, 0).
class PictureItems : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 1, 1);
        Set_View_Area_Frame(area, 0);
    }
    Scrollable_View_Area& A() { return Scrollable_View_Areas[static_cast<std::size_t>(area)]; }
    void Paint() { Paint_View_Area(0, 0, 100, 100, 483, 383, area); }
    std::string Picture(int x1, int y1, int x2, int y2) {
        return Screen_Picture(x1, y1, x2, y2, {{Red, 'r'}, {Blue, 'b'}, {Black, '#'}, {White, 'w'}, {Grey, 'g'}});
    }
};

TEST_F(PictureItems, PictureObjectPaintsItsMaskInItsColour) {
    Add_Picture_Object_to_View_Area(area, 40, 30, &L_Shape, Blue);
    EXPECT_EQ(A().items.back().x2, 42);   // spans x to x + width - 1
    EXPECT_EQ(A().items.back().y2, 33);
    EXPECT_EQ(A().content_width, 52);
    EXPECT_EQ(A().content_height, 43);
    Add_Picture_Object_to_View_Area(area, 60, 30, nullptr, Blue);   // nothing to paint
    Paint();
    EXPECT_EQ(Picture(139, 129, 143, 134), Rows({".....", ".b...", ".b...", ".b...", ".bbb.", "....."}));
}

TEST_F(PictureItems, DibImageIsCentredInItsRectangle) {
    // The rectangle 40..50 by 30..40 has its centre at content (45, 35), screen (145, 135): the L
    // covers 144..146 by 133..136, the square over it 144..145 by 134..135.
    Add_DIB_Image_to_View_Area(area, &Red_L_Blue_Square, 40, 30, 50, 40, 0);
    EXPECT_EQ(A().content_width, 60);
    EXPECT_EQ(A().content_height, 50);
    Add_DIB_Image_to_View_Area(area, nullptr, 60, 30, 70, 40, 0);   // no image: nothing, no fault
    pxFgc(0x123456);
    Paint();
    EXPECT_EQ(Picture(143, 132, 147, 137), Rows({".....", ".r...", ".bb..", ".bb..", ".rrr.", "....."}));
    EXPECT_EQ(pxQFgc(), 0x123456);
}

TEST_F(PictureItems, CheckImagesReplaceTheMasksByState) {
    struct Case {
        bool check;
        int value;
        bool set_image;   // the set image (red L with square) or the clear one (red L)
    };
    for (const Case c : {Case{true, 1, true}, Case{true, 0, false}, Case{false, 4, true}, Case{false, 3, false}}) {
        Clear_View_Area(area);
        int value = c.value;
        if (c.check) Add_Check_Box_to_View_Area(area, 40, 30, nullptr, 0, Black, &value, &on);
        else Add_Radio_Button_to_View_Area(area, 40, 30, nullptr, 0, Black, 4, &value, &on);
        Set_Check_Images(area, &Red_L_Blue_Square, &Red_L);
        Paint();
        // Centred on (X - 13, Y - 3) = (127, 127): the L at 126..128 by 125..128; no mask drawn.
        const std::string expected = c.set_image ? Rows({".....", ".r...", ".bb..", ".bb..", ".rrr.", "....."})
                                                 : Rows({".....", ".r...", ".r...", ".r...", ".rrr.", "....."});
        EXPECT_EQ(Picture(125, 124, 129, 129), expected) << c.check << c.value;
        EXPECT_EQ(Host_Pixel(120, 120), Background);
    }
}

TEST_F(PictureItems, CheckImagesOnlyRefineABoxOrRadio) {
    int value = 1;
    Add_Text_to_View_Area(area, 40, 30, "Text", 0, Black, 0);
    Set_Check_Images(area, &Red_L, &Red_L);
    EXPECT_EQ(A().items.back().image, nullptr);
    Add_Check_Box_to_View_Area(area, 40, 60, nullptr, 0, Black, &value, &on);
    Add_Line_to_View_Area(area, 0, 0, 1, 1, Black);
    Set_Check_Images(area, &Red_L, &Red_L);   // after a line: the box keeps its mask
    Paint();
    EXPECT_EQ(Host_Pixel(120, 150), Black);
}

// A bitmap of three rows of 4 x 2 pixels: red, blue, and black with a white pixel at its left.
class ImageChoiceList : public PictureItems {
  protected:
    Scratch_Dir dir;
    std::string file;
    void SetUp() override {
        PictureItems::SetUp();
        const std::vector<std::vector<std::uint32_t>> px = {
            {Red, Red, Red, Red},   {Red, Red, Red, Red},   {Blue, Blue, Blue, Blue},
            {Blue, Blue, Blue, Blue}, {White, Black, Black, Black}, {Black, Black, Black, Black}};
        file = dir.file("reihen.bmp");
        Write_File(file, Bmp(24, px));
    }
};

TEST_F(ImageChoiceList, AdderStoresTheRowsAndGrows) {
    int selected = 3;   // outside the three rows
    Add_Image_Choice_List_to_View_Area(area, 40, 30, file.c_str(), 4, 2, 3, 77, &selected, &on);
    const View_Area_Item& it = A().items.back();
    EXPECT_EQ(it.kind, View_Item_Kind::Image_Choice_List);
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(it.x2, 4);
    EXPECT_EQ(it.y2, 2);
    EXPECT_EQ(it.aux, 3);
    EXPECT_EQ(it.state, 77);
    EXPECT_EQ(A().content_width, 40 + 4 + 31);
    EXPECT_EQ(A().content_height, 30 + 2 + 16);
    Set_View_Item_Change_Callback(area, [](int, double*) {});
    EXPECT_NE(A().items.back().on_change, nullptr);
    selected = 2;
    Add_Image_Choice_List_to_View_Area(area, 40, 30, file.c_str(), 4, 2, 3, 0, &selected, &on);
    EXPECT_EQ(selected, 2);
}

TEST_F(ImageChoiceList, PaintsTheSelectedRowInItsBox) {
    int selected = 1, last = 2;
    // Enabled at content (40, 30) = screen (140, 130): white box 140..164 by 130..137, the row at
    // (143, 133), the dotted frame one pixel outside the box.
    Add_Image_Choice_List_to_View_Area(area, 40, 30, file.c_str(), 4, 2, 3, 0, &selected, &on);
    // Disabled at (40, 80): no box, so the row's white pixel shows the background through it.
    Add_Image_Choice_List_to_View_Area(area, 40, 80, file.c_str(), 4, 2, 3, 0, &last, &off);
    Paint();
    EXPECT_EQ(Picture(139, 129, 148, 136), Rows({"#.#.#.#.#.", ".wwwwwwwww", "#wwwwwwwww", ".wwwwwwwww", "#wwwbbbbww",
                                                 ".wwwbbbbww", "#wwwwwwwww", ".wwwwwwwww"}));
    EXPECT_EQ(Host_Pixel(164, 137), White);
    EXPECT_EQ(Host_Pixel(165, 138), Black);   // the frame's bottom right corner
    // The arrow box at the right end, 149..161, vertically centred on the box: 128..140.
    EXPECT_EQ(Picture(149, 128, 161, 128), Rows({"#############"}));
    EXPECT_EQ(Picture(149, 133, 161, 133), Rows({"#w#########w#"}));
    EXPECT_EQ(Picture(142, 182, 148, 184), Rows({".......", "..###..", ".####.."}));
    EXPECT_EQ(Host_Pixel(139, 179), Grey);   // the disabled frame
}

TEST_F(PictureItems, BareNodeSitsAtTheTailAndDrawsNothing) {
    EXPECT_EQ(Append_View_Area_Node(-1), nullptr);
    EXPECT_EQ(Append_View_Area_Node(19), nullptr);   // a free slot
    Add_Filled_Rectangle_to_View_Area(area, 0, 0, 10, 10, Red);
    View_Area_Item* node = Append_View_Area_Node(area);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node, &A().items.back());
    EXPECT_EQ(node->kind, View_Item_Kind::Bare_Node);
    EXPECT_EQ(A().items.size(), 2u);
    EXPECT_EQ(A().content_width, 10);
    Paint();
    EXPECT_EQ(Host_Pixel(105, 105), Red);
}

}  // namespace
