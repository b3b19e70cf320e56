// Painting of view area items: pixel pictures of the masks and field frames, the trace for the
// texts drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/bitmap_fixtures.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "platform/screen_picture.h"
#include "sketches/screen_palette.h"
#include "test_support.h"

namespace {

constexpr int White = 0xFFFFFF, Black = 0, Grey = 0xBEBEBE, Background = 0xFFFBF0;
const int on = 1, off = 0;

// An area at screen (100, 100) to (483, 383) without frame, painted directly with origin (ox, oy);
// the trace of the texts drawn.
class Painting : public View_Area_Painting_Sheet {
  protected:
    std::string Paint(int ox = 0, int oy = 0) {
        const Headless_Run_Result run = Run_Headless("", [&] {
            Paint_View_Area(ox, oy, 100, 100, 483, 383, area);
            return 0;
        });
        return Trace_Lines(run.trace, {"text"});
    }
};

std::string Rows(std::initializer_list<const char*> rows) {
    std::string s;
    for (const char* r : rows) s += std::string(r) + "\n";
    return s;
}

TEST_F(Painting, CheckBoxAndRadioMasksForEveryState) {
    struct Case {
        bool check;
        int value;
        std::string picture;
    };
    const std::string box_clear = Rows({"#############", "#############", "##.........##", "##.........##", "##.........##",
                                        "##.........##", "##.........##", "##.........##", "##.........##", "##.........##",
                                        "##.........##", "#############", "#############"});
    const std::string box_set = Rows({"#############", "#############", "##.........##", "##.......#.##", "##......##.##",
                                      "##.#...###.##", "##.##.###..##", "##.#####...##", "##..###....##", "##...#.....##",
                                      "##.........##", "#############", "#############"});
    const std::string circle_set = Rows({"....####....", "..########..", ".###....###.", ".##......##.", "##...##...##",
                                         "##..####..##", "##..####..##", "##...##...##", ".##......##.", ".###....###.",
                                         "..########..", "....####...."});
    const std::string circle_clear = Rows({"....####....", "..########..", ".###....###.", ".##......##.", "##........##",
                                           "##........##", "##........##", "##........##", ".##......##.", ".###....###.",
                                           "..########..", "....####...."});
    const Case cases[] = {{true, 0, box_clear}, {true, 5, box_set}, {false, 2, circle_set}, {false, 1, circle_clear}};
    for (const Case& c : cases) {
        Clear_View_Area(area);
        int value = c.value;
        if (c.check) Add_Check_Box_to_View_Area(area, 40, 30, nullptr, 0, Black, &value, &on);
        else Add_Radio_Button_to_View_Area(area, 40, 30, nullptr, 0, Black, 2, &value, &on);
        Paint();
        // The item at content (40, 30) stands at screen (140, 130): mask from x 120, y 120.
        EXPECT_EQ(Screen_Picture(120, 120, c.check ? 132 : 131, c.check ? 132 : 131), c.picture) << c.value;
    }
}

TEST_F(Painting, LabelsGreyWhenDisabledAndBoldTwice) {
    int value = 1;
    Add_Check_Box_to_View_Area(area, 40, 30, "Aus", 0x10000, 0x0000FF, &value, &off);
    Add_Radio_Button_to_View_Area(area, 40, 60, "An", 0, 0x0000FF, 1, &value, &on);
    EXPECT_EQ(Paint(), "text 0 140 130 0 190,190,190 \"Aus\"\n"
                       "text 0 141 130 0 190,190,190 \"Aus\"\n"
                       "text 0 140 160 0 0,0,255 \"An\"\n");
    EXPECT_EQ(Host_Pixel(120, 120), Grey);   // the disabled box in the same grey
    EXPECT_EQ(Host_Pixel(124, 150), 0x0000FF);
}

TEST_F(Painting, FloatFieldBoxAndFrameEnabledAndDisabled) {
    double value = 2.5;   // "%4.1f": " 2.5", four 8-px characters, w = 32
    Add_Float_Field_to_View_Area(area, 40, 30, &value, "%4.1f", 0, 0x800000, &on);
    Add_Float_Field_to_View_Area(area, 40, 80, &value, "%4.1f", 0, 0x800000, &off);
    EXPECT_EQ(Paint(), "text 0 140 130 0 128,0,0 \" 2.5\"\n"
                       "text 0 140 180 0 128,0,0 \" 2.5\"\n");
    // Enabled: white X - 6 .. X + w + 6 by Y - 13 .. Y + 5; the dotted black frame runs along its
    // top and bottom rows and one pixel outside its sides (X - 7 and X + w + 7).
    const std::string enabled_corner = Rows({"#w#w#", ".wwww", "#wwww", ".wwww"});
    EXPECT_EQ(Screen_Picture(133, 117, 137, 120, {{Black, '#'}, {White, 'w'}}), enabled_corner);
    EXPECT_EQ(Screen_Picture(176, 117, 179, 120, {{Black, '#'}, {White, 'w'}}), Rows({"w#w#", "www.", "www#", "www."}));
    EXPECT_EQ(Host_Pixel(178, 130), White);   // X + w + 6
    EXPECT_EQ(Host_Pixel(134, 135), White);   // Y + 5
    EXPECT_EQ(Host_Pixel(134, 136), Background);
    // Disabled: no box, the frame grey.
    EXPECT_EQ(Screen_Picture(133, 167, 137, 170, {{Grey, 'g'}, {White, 'w'}}), Rows({"g.g.g", ".....", "g....", "....."}));
}

TEST_F(Painting, AFieldBoundToInactiveIsReadOnly) {
    Init_Screen_Palette();
    double value = 1.5;
    Add_Float_Field_to_View_Area(area, 40, 30, &value, "%4.1f", 0, Black, &Screen_Palette.Inactive);
    Reset_Field_Activity_Pool();
    Add_Float_Field_to_View_Area(area, 40, 80, &value, "%4.1f", 0, Black, Take_Field_Activity_Slot(Screen_Palette.Active));
    Paint();
    EXPECT_EQ(Host_Pixel(134, 125), Background);   // no white box, as disabled
    EXPECT_EQ(Host_Pixel(133, 117), Grey);
    EXPECT_EQ(Host_Pixel(134, 175), White);
    EXPECT_EQ(Host_Pixel(133, 167), Black);
}

TEST_F(Painting, FieldsCutTheirTexts) {
    double value = 12345.678;   // "%5.1f" gives "12345.7"
    char text[] = "Stahl S235 mit Text ";
    Add_Float_Field_to_View_Area(area, 40, 30, &value, "%5.1f", 0, Black, &on);
    Add_Text_Field_to_View_Area(area, 40, 60, text, 0, Black, &on);
    Set_Text_Field_Width(area, 8);
    Add_Text_Field_to_View_Area(area, 40, 90, text, 0, Black, &off);
    Set_Field_Disabled_Text(area, "gesperrt");
    EXPECT_EQ(Paint(), "text 0 140 130 0 0,0,0 \"12345\"\n"
                       "text 0 140 160 0 0,0,0 \"Stahl S2\"\n"
                       "text 0 140 190 4096 0,0,0 \"gesperrt\"\n");
}

TEST_F(Painting, ChoiceListCutAtItsFieldAndEmptyListShowsNoText) {
    const Choice_List_Entry entries[] = {{0x008000, "eine sehr lange Bezeichnung"}};
    int selected = 0;
    Add_Choice_List_to_View_Area(area, 40, 30, entries, 0, 4, 1, &selected, &on);   // 32 px wide
    int none = 0;
    Add_Choice_List_to_View_Area(area, 40, 80, entries, 0, 4, 0, &none, &on);
    const std::string trace = Paint();
    EXPECT_EQ(trace, "text 0 140 130 0 0,128,0 \"eine sehr lange Bezeichnung\"\n");
    // The text is clipped at X + w + 6 = 178: green up to there, none beyond within the box.
    bool green_beyond = false, green_within = false;
    for (int y = 117; y <= 135; ++y)
        for (int x = 140; x <= 200; ++x) {
            if (Host_Pixel(x, y) != 0x008000) continue;
            (x > 178 ? green_beyond : green_within) = true;
        }
    EXPECT_TRUE(green_within);
    EXPECT_FALSE(green_beyond);
    // The arrow box stays at X + w + 10 .. X + w + 22, Y - 10 .. Y + 2, for both lists.
    const std::string arrow = Rows({"#############", "#...........#", "#...........#", "#...........#", "#...........#",
                                    "#.#########.#", "#..#######..#", "#...#####...#", "#....###....#", "#.....#.....#",
                                    "#...........#", "#...........#", "#############"});
    EXPECT_EQ(Screen_Picture(182, 120, 194, 132), arrow);
    EXPECT_EQ(Screen_Picture(182, 170, 194, 182), arrow);
    EXPECT_EQ(Host_Pixel(196, 170), White);   // the empty list's field box up to X + w + 24
}

TEST_F(Painting, TextsCulledByTheirBaseline) {
    struct Case {
        int y;   // content baseline; the area is 283 high, origin 0
        bool drawn;
    };
    for (const Case c : {Case{283 + 12, true}, Case{283 + 13, false}, Case{0, true}, Case{-1, false}}) {
        Clear_View_Area(area);
        Add_Text_to_View_Area(area, 10, c.y, "Zeile", 0, Black, 0);
        EXPECT_EQ(Paint().empty(), !c.drawn) << c.y;
    }
    // Scrolled: a text at content 400 with origin 200 stands at screen 300.
    Clear_View_Area(area);
    Add_Text_to_View_Area(area, 10, 400, "Zeile", 0, Black, 0);
    EXPECT_EQ(Paint(5, 200), "text 0 105 300 0 0,0,0 \"Zeile\"\n");
}

TEST_F(Painting, PictureButtonShowsFrameZeroWhenDisabled) {
    Scratch_Dir dir;
    // Four 2 x 2 frames side by side: disabled red, normal green, hover blue, pressed white.
    std::vector<std::vector<std::uint32_t>> px(2, std::vector<std::uint32_t>(8));
    const std::uint32_t frames[4] = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 8; ++x) px[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = frames[x / 2];
    const std::string file = dir.file("knopf.bmp");
    Write_File(file, Bmp(24, px));
    int bound = 0;
    Add_Picture_Button_to_View_Area(area, 10, 10, 2, 2, file.c_str(), 0, 0x123456, 18, nullptr, 1, &bound, &off);
    Add_Picture_Button_to_View_Area(area, 20, 10, 2, 2, file.c_str(), 0, 0x123456, 18, nullptr, 1, &bound, &on);
    Paint();
    EXPECT_EQ(Host_Pixel(110, 110), 0xFF0000);
    EXPECT_EQ(Host_Pixel(111, 111), 0xFF0000);
    EXPECT_EQ(Host_Pixel(120, 110), 0x00FF00);
}

TEST_F(Painting, ItemsInAddingOrderAndTheCallersStateBack) {
    Add_Filled_Rectangle_to_View_Area(area, 0, 0, 50, 50, 0xFF0000);
    Add_Filled_Rectangle_to_View_Area(area, 25, 25, 75, 75, 0x0000FF);
    Add_Line_to_View_Area(area, 1000, 1000, 2000, 2000, Black);   // wholly outside: skipped
    pxFgc(0x00FF00);
    pxView(0, 0, 50, 50);
    Paint();
    EXPECT_EQ(Host_Pixel(110, 110), 0xFF0000);
    EXPECT_EQ(Host_Pixel(130, 130), 0x0000FF);   // the later one on top
    EXPECT_EQ(Host_Pixel(180, 180), Background);
    EXPECT_EQ(pxQFgc(), 0x00FF00);
    int x1, y1, x2, y2;
    pxQVwp(&x1, &y1, &x2, &y2);
    EXPECT_EQ(x2, 50);
}

}  // namespace
