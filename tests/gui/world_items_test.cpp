// World-coordinate items: what each adder puts into the page context's view area, and the pixels of
// polygons painted from their own copies.
#include "gui/world_items.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gui/page_context.h"
#include "gui/page_area_fixture.h"
#include "gui/view_area_fixture.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "material/point_transforms.h"
#include "platform/host/host_library.h"

namespace {

struct Line {
    int x1, y1, x2, y2;
    bool operator==(const Line&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Line& l) {
    return out << "(" << l.x1 << ", " << l.y1 << ")-(" << l.x2 << ", " << l.y2 << ")";
}

// The area of the painting fixture as the current page, text colour Ink and fill colour Paint, the
// default transform and world drawing on.
class World_Items : public Page_Area_Sheet {
  protected:
    // The items of one kind as corner pairs; every one must have the colour.
    std::vector<Line> Of(View_Item_Kind kind, int colour) const {
        std::vector<Line> out;
        for (const View_Area_Item& it : Items()) {
            if (it.kind != kind) continue;
            EXPECT_EQ(it.colour, colour);
            out.push_back({it.x1, it.y1, it.x2, it.y2});
        }
        return out;
    }
    std::vector<Line> Lines() const { return Of(View_Item_Kind::Line, Ink); }
    std::vector<Line> Rectangles() const { return Of(View_Item_Kind::Filled_Rectangle, Paint); }
};

TEST_F(World_Items, TransformMapsAndRoundsAndGoesBack) {
    Add_World_Line(1.4, 2.5, -1.5, 3);
    EXPECT_EQ(Lines(), (std::vector<Line>{{1, 3, -2, 3}}));

    // Scale 2, a quarter turn and the origin (10, -4): (3, 1) -> (2 - (-4), -(6 - 10)) = (6, 4).
    Set_Item_World_Transform(10, -4, 1.5707963267948966, 2);
    double x = 3, y = 1;
    World_To_Area(&x, &y);
    EXPECT_NEAR(x, 6, 1e-12);
    EXPECT_NEAR(y, 4, 1e-12);
    EXPECT_EQ(Get_World_Scale(), 2);
    EXPECT_NEAR(Get_World_Distance(0, 0, 1.5, 2), 5, 1e-12);

    // Back again for any scale but 0.
    for (const double s : {2.0, 0.37, -3.0, 1e-6}) {
        Set_Item_World_Transform(12.5, -7, 0.7, s);
        double u = -4.25, v = 9.5;
        World_To_Area(&u, &v);
        Area_To_World(&u, &v);
        EXPECT_NEAR(u, -4.25, 1e-6) << s;
        EXPECT_NEAR(v, 9.5, 1e-6) << s;
    }
}

TEST_F(World_Items, LinesOnlyWhileWorldDrawingIsOnFillsAlways) {
    const double xs[] = {0, 10, 20}, ys[] = {0, 10, 0};
    Set_World_Drawing(0);
    Add_World_Line(0, 0, 10, 10);
    Add_World_Frame(0, 0, 10, 10);
    Add_World_Polyline(3, xs, ys);
    Add_World_Circle(50, 50, 10);
    Add_World_Arc(50, 50, 10, 0, 1);
    Add_World_Dimension(2, 0, 0, 50, 0, 10);
    EXPECT_TRUE(Items().empty());
    Add_World_Rectangle(1.5, 2.5, 10.4, 20.6);
    Add_World_Polygon(3, xs, ys);
    EXPECT_EQ(Rectangles(), (std::vector<Line>{{2, 3, 10, 21}}));
    EXPECT_EQ(Items().size(), 2u);

    Set_World_Drawing(1);
    Add_World_Frame(0, 0, 10, 20);
    Add_World_Polyline(3, xs, ys);
    EXPECT_EQ(Lines(), (std::vector<Line>{{0, 0, 10, 0}, {10, 0, 10, 20}, {10, 20, 0, 20}, {0, 20, 0, 0},
                                          {0, 0, 10, 10}, {10, 10, 20, 0}}));

    // The colours are those of the context when the item is added.
    Set_Page_Fill_Colour(0x778899);
    Add_World_Rectangle(0, 0, 1, 1);
    EXPECT_EQ(Items().back().colour, 0x778899);
}

TEST_F(World_Items, CirclesAndArcs) {
    Add_World_Circle(200, 100, 50);
    std::vector<Line> lines = Lines();
    ASSERT_EQ(lines.size(), 72u);
    EXPECT_EQ(lines.front(), (Line{250, 100, 250, 104}));   // from 0 to 5 degrees
    EXPECT_EQ(lines[17].x2, 200);                              // 90 degrees
    EXPECT_EQ(lines[17].y2, 150);
    EXPECT_EQ(lines.back(), (Line{250, 96, 250, 100}));     // 355 degrees back to 0

    Clear_View_Area(area);
    Add_World_Arc(0, 0, 100, 1, 1);
    Add_World_Arc(0, 0, 100, 1, 0.5);
    EXPECT_TRUE(Items().empty());

    // A quarter: 17 steps of 5 degrees below 90 and the step onto 90 itself.
    Add_World_Arc(0, 0, 100, 0, Geometry_Half_Pi);
    lines = Lines();
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines.front(), (Line{100, 0, 100, 9}));
    EXPECT_EQ(lines.back(), (Line{9, 100, 0, 100}));

    // 92 degrees: the last step stops at 90, and the arc goes on to 92.
    Clear_View_Area(area);
    Add_World_Arc(0, 0, 100, 0, 92 * Geometry_Pi / 180);
    lines = Lines();
    ASSERT_EQ(lines.size(), 19u);
    EXPECT_EQ(lines.back(), (Line{0, 100, -3, 100}));

    // A sweep beyond the full turn keeps to 72 points, then runs to the end angle.
    Clear_View_Area(area);
    Add_World_Arc(0, 0, 100, 0, 10);
    lines = Lines();
    ASSERT_EQ(lines.size(), 72u);
    EXPECT_EQ(lines.back().x2, static_cast<int>(std::lround(100 * std::cos(10.0))));
    EXPECT_EQ(lines.back().y2, static_cast<int>(std::lround(100 * std::sin(10.0))));
}

TEST_F(World_Items, DisksCountTheirRectanglesInWholeSteps) {
    struct Case {
        double r;
        std::size_t rectangles;
    };
    for (const Case c : {Case{5, 16}, Case{9.99, 16}, Case{10, 32}, Case{99, 32}, Case{100, 64}, Case{150, 64}}) {
        Clear_View_Area(area);
        Add_World_Disk(200, 200, c.r);
        const std::vector<Line> rects = Rectangles();
        ASSERT_EQ(rects.size(), c.rectangles) << c.r;
        // The first is the vertical diameter; the last stands one step short of the horizontal one.
        const int R = static_cast<int>(std::lround(c.r));
        EXPECT_EQ(rects.front(), (Line{200, 200 + R, 200, 200 - R})) << c.r;
        const double t = (c.rectangles - 1) * (Geometry_Half_Pi / c.rectangles);
        EXPECT_EQ(rects.back().x1, static_cast<int>(std::lround(200 + c.r * std::sin(t)))) << c.r;
    }
}

TEST_F(World_Items, TwoPolygonsPaintEachTheirOwnPoints) {
    const double ax[] = {10, 50, 10}, ay[] = {10, 10, 50};
    const double bx[] = {100, 140, 140}, by[] = {10, 10, 50};
    Set_Page_Fill_Colour(0xFF0000);
    Add_World_Polygon(3, ax, ay);
    Set_Page_Fill_Colour(0x0000FF);
    Add_World_Polygon(3, bx, by);
    // Each painter box spans its polygon in area pixels and widens the content like a line.
    ASSERT_EQ(Items().size(), 2u);
    EXPECT_EQ(Of(View_Item_Kind::Painter_Box, 0), (std::vector<Line>{{10, 10, 50, 50}, {100, 10, 140, 50}}));
    const Scrollable_View_Area& a = Scrollable_View_Areas[static_cast<std::size_t>(area)];
    EXPECT_GE(a.content_width, 140);
    EXPECT_GE(a.content_height, 50);
    // The store keeps the last polygon.
    const World_Polygon_Points last = World_Polygon_Store();
    ASSERT_EQ(last.n, 3);
    EXPECT_EQ(std::vector<int>(last.x, last.x + 3), (std::vector<int>{100, 140, 140}));

    // The area shows content point (0, 0) at screen (100, 100); scrolled by (5, 8) it moves.
    for (const auto& [ox, oy] : {std::pair{0, 0}, std::pair{5, 8}}) {
        Paint_View_Area(ox, oy, 100, 100, 483, 383, area);
        const int X = 100 - ox, Y = 100 - oy;
        EXPECT_EQ(Host_Pixel(X + 15, Y + 15), 0xFF0000) << ox;
        EXPECT_EQ(Host_Pixel(X + 40, Y + 40), a.background) << ox;   // beyond the first's hypotenuse
        EXPECT_EQ(Host_Pixel(X + 135, Y + 15), 0x0000FF) << ox;
        EXPECT_EQ(Host_Pixel(X + 105, Y + 40), a.background) << ox;
    }
    // Clearing the area gives both copies back (the leak check of the sanitizer build sees it).
    Clear_View_Area(area);
    EXPECT_TRUE(Items().empty());
    Add_World_Polygon(3, ax, ay);
    Release_View_Area(area);
}

TEST_F(World_Items, DimensionsInTheirModes) {
    // Scale 2: the area points (20, 40) and (120, 40) are the world points (10, 20) and (60, 20);
    // the ticks reach 5 pixels before the line and 5 + 10 beyond it.
    Set_Item_World_Transform(0, 0, 0, 2);
    Add_World_Dimension(3, 20, 40, 120, 40, 10);
    const std::vector<Line> expected = {{20, 40, 120, 40}, {20, 35, 20, 55}, {120, 35, 120, 55}};
    EXPECT_EQ(Lines(), expected);
    // The same from world points, and with the y or x pair given as area pixels.
    struct Case {
        int mode;
        double x1, y1, x2, y2;
    };
    for (const Case c : {Case{2, 10, 20, 60, 20}, Case{0, 10, 40, 60, 40}, Case{1, 20, 20, 120, 20}}) {
        Clear_View_Area(area);
        Add_World_Dimension(c.mode, c.x1, c.y1, c.x2, c.y2, 10);
        EXPECT_EQ(Lines(), expected) << c.mode;
    }
    // Along y the ticks run across in x.
    Clear_View_Area(area);
    Set_Item_World_Transform(0, 0, 0, 1);
    Add_World_Dimension(2, 50, 10, 50, 60, 0);
    EXPECT_EQ(Lines(), (std::vector<Line>{{50, 10, 50, 60}, {55, 10, 45, 10}, {55, 60, 45, 60}}));
}

TEST_F(World_Items, NothingWithoutAnAreaOrAMappablePoint) {
    const double xs[] = {0, 10, 20}, ys[] = {0, 10, 0};
    const auto add_all = [&] {
        Add_World_Line(0, 0, 10, 10);
        Add_World_Frame(0, 0, 10, 10);
        Add_World_Rectangle(0, 0, 10, 10);
        Add_World_Polyline(3, xs, ys);
        Add_World_Circle(50, 50, 10);
        Add_World_Arc(50, 50, 10, 0, 1);
        Add_World_Disk(50, 50, 10);
        Add_World_Polygon(3, xs, ys);
        Add_World_Dimension(2, 0, 0, 50, 0, 10);
    };
    Select_Page_Context(-1);
    EXPECT_EQ(Get_Page_Area(), -1);
    add_all();
    EXPECT_TRUE(Items().empty());

    // A zero scale maps every world point onto the origin but cannot map back: the dimension of
    // area points and its ticks (5 / s) are left out.
    Select_Page_Context(area);
    Set_Page_Text_Colour(Ink);
    Set_Item_World_Transform(0, 0, 0, 0);
    Add_World_Dimension(3, 20, 40, 120, 40, 10);
    Add_World_Dimension(2, 20, 40, 120, 40, 10);
    const double nan = std::nan("");
    Set_Item_World_Transform(0, 0, 0, 1);
    Add_World_Line(nan, 0, 1, 1);
    Add_World_Rectangle(0, 0, INFINITY, 1);
    const double bad_x[] = {0, nan, 20};
    Add_World_Polygon(3, bad_x, ys);
    EXPECT_TRUE(Items().empty());

    // Far points are held at the ends of the int range.
    Add_World_Line(0, 0, 1e300, -1e300);
    EXPECT_EQ(Lines(), (std::vector<Line>{{0, 0, 2147483647, -2147483647 - 1}}));
}

TEST(Page_Context, SelectSetsTheAreaWithTheDefaults) {
    EXPECT_EQ(Get_Page_Area(), -1);
    EXPECT_EQ(Get_Page_Font(), 4096);
    Set_Page_Font(0x11000);
    Set_Page_Text_Colour(0x123456);
    Set_Page_Fill_Colour(0x654321);
    EXPECT_EQ(Get_Page_Font(), 0x11000);
    EXPECT_EQ(Get_Page_Text_Colour(), 0x123456);
    EXPECT_EQ(Get_Page_Fill_Colour(), 0x654321);
    Select_Page_Context(3);
    EXPECT_EQ(Get_Page_Area(), 3);
    EXPECT_EQ(Get_Page_Font(), 4096);
    EXPECT_EQ(Get_Page_Text_Colour(), Nearest_Color_Index(0, 0, 0));
    EXPECT_EQ(Get_Page_Fill_Colour(), Nearest_Color_Index(255, 255, 255));
    Select_Page_Context(-1);
}

}  // namespace
