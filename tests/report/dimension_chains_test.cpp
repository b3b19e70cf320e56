#include "report/dimension_chains.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/tracked_alloc.h"
#include "material/point_transforms.h"
#include "report/dimension_lines.h"
#include "report/graphic_block.h"
#include "report/graphic_capture.h"

namespace {

// What a drawing writes into a fresh block over (0, 0) to (100, 100) at scale 1, so that a chain
// and the dimensions it stands for start from the same state.
std::string Drawn(const std::function<void()>& draw) {
    Graphic_Capture out;
    OLI_Open_Graphic(out.stream, 0, 0, 100, 100, 1, 1, 0, nullptr);
    out.set_mark();
    draw();
    return out.since();
}

// A set filled with the points; whatever a chain leaves in it is released at the end.
struct Point_Set {
    Dimension_Point_Set set;
    explicit Point_Set(std::initializer_list<std::pair<double, double>> points) {
        PtrArr_Init(&set, 0);
        for (const auto& [x, y] : points) EXPECT_EQ(OLI_Add_Dimension_Point(&set, x, y), 1);
    }
    ~Point_Set() {
        for (int i = 0; i < set.count; ++i) MEM_FREE(set.items[i]);
        PtrArr_Free_Items(&set);
    }
    const double* point(int i) const { return static_cast<const double*>(set.items[i]); }
};

TEST(Axis_Dimension_Chain, HorizontalLeftToRightSkipsDuplicates) {
    Point_Set s({{30, 5}, {0, 6}, {10, 7}, {10, 8}});
    double result = -1;
    const std::string chain = Drawn([&] {
        result = OLI_Draw_Axis_Dimension_Chain(&s.set, "mm", 2, 0, 0.1, 0, 0);
    });
    const std::string links = Drawn([] {
        OLI_Draw_Dimension(0, 0, 10, 0, 0.1, 0);
        OLI_Draw_Dimension(10, 0, 30, 0, 0.1, 0);
    });
    EXPECT_EQ(chain, links);
    EXPECT_EQ(result, 0);   // both labels fit
    // The set is consumed: empty, no vector, every point released (the leak check sees it).
    EXPECT_EQ(s.set.count, 0);
    EXPECT_EQ(s.set.items, nullptr);
    // It can be filled again.
    EXPECT_EQ(OLI_Add_Dimension_Point(&s.set, 1, 2), 1);
}

TEST(Axis_Dimension_Chain, UnknownTypeLeavesTheSet) {
    Point_Set s({{30, 5}, {0, 6}, {10, 7}, {10, 8}});
    std::string text = Drawn([&] { EXPECT_EQ(OLI_Draw_Axis_Dimension_Chain(&s.set, "mm", 4, 0, 0.1, 0, 0), 0); });
    EXPECT_EQ(text, "");
    ASSERT_EQ(s.set.count, 4);
    EXPECT_EQ(s.point(0)[0], 30);
    EXPECT_EQ(s.point(3)[1], 8);
    // Fewer than two points: nothing either.
    Point_Set one({{1, 1}});
    text = Drawn([&] { EXPECT_EQ(OLI_Draw_Axis_Dimension_Chain(&one.set, "mm", 2, 0, 0.1, 0, 0), 0); });
    EXPECT_EQ(text, "");
    EXPECT_EQ(one.set.count, 1);
}

TEST(Axis_Dimension_Chain, VerticalDownwardsAtTheCoordinate) {
    Point_Set s({{1, 10}, {2, 40}, {3, 25}});
    const std::string chain = Drawn([&] { OLI_Draw_Axis_Dimension_Chain(&s.set, "mm", 1, 50, 0.1, 0, 0); });
    const std::string links = Drawn([] {
        OLI_Draw_Dimension(50, 40, 50, 25, 0.1, 0);
        OLI_Draw_Dimension(50, 25, 50, 10, 0.1, 0);
    });
    EXPECT_EQ(chain, links);
}

TEST(Dimension_Chain, PointsProjectedOntoTheLine) {
    // The line through (0, 0) at pi/4: (0, 2) and (2, 0) both fall on (1, 1).
    Point_Set mm({{0, 2}, {2, 0}});
    const std::string zero = Drawn([&] {
        EXPECT_EQ(OLI_Draw_Dimension_Chain(&mm.set, "mm", 0, 0, Geometry_Pi / 4, 0.1, 0, 0), 0);
    });
    EXPECT_EQ(zero, " 30\n 52\n 31\n 53\n");   // a zero-length dimension: its empty group only
    EXPECT_EQ(mm.set.count, 0);
    Point_Set metre({{0, 2}, {2, 0}});
    EXPECT_EQ(Drawn([&] { OLI_Draw_Dimension_Chain(&metre.set, "m", 0, 0, Geometry_Pi / 4, 0.1, 0, 0); }), "");
    EXPECT_EQ(metre.set.count, 0);
    // A horizontal line at y = 3: the points keep their x and take y = 3, sorted by x.
    Point_Set h({{20, 7}, {5, -1}});
    const std::string chain = Drawn([&] { OLI_Draw_Dimension_Chain(&h.set, "mm", 0, 3, 0, 0.1, 0, 0); });
    EXPECT_EQ(chain, Drawn([] { OLI_Draw_Dimension(5, 3, 20, 3, 0.1, 0); }));
}

TEST(Dimension_Chain, VerticalLineOrderedByY) {
    Point_Set s({{1, 30}, {2, 10}, {3, 20}});
    const std::string chain = Drawn([&] { OLI_Draw_Dimension_Chain(&s.set, "m", 5, 0, Geometry_Half_Pi, 0.1, 0, 0); });
    const std::string links = Drawn([] {
        OLI_Draw_Metre_Dimension(5, 10, 5, 20, 0.1);
        OLI_Draw_Metre_Dimension(5, 20, 5, 30, 0.1);
    });
    EXPECT_EQ(chain, links);
    // The same points on a line pointing downwards are ordered the same way.
    Point_Set down({{1, 30}, {2, 10}, {3, 20}});
    EXPECT_EQ(Drawn([&] { OLI_Draw_Dimension_Chain(&down.set, "m", 5, 0, 3 * Geometry_Half_Pi, 0.1, 0, 0); }),
              links);
}

TEST(Dimension_Chain, UnitTextChoosesTheForm) {
    // "cm" with unit 10: 125 units read 12 with the half mark; with unit 0 no link at all.
    Point_Set cm({{0, 0}, {125, 0}});
    EXPECT_EQ(Drawn([&] { OLI_Draw_Sorted_Dimension_Chain(&cm.set, "cm", 0, 0, 0, 0.1, 10, 0, 2); }),
              Drawn([] { Draw_Unit_Dimension(0, 0, 125, 0, 0.1, 10, 0); }));
    Point_Set none({{0, 0}, {125, 0}});
    EXPECT_EQ(Drawn([&] { OLI_Draw_Sorted_Dimension_Chain(&none.set, "cm", 0, 0, 0, 0.1, 0, 0, 2); }), "");
    EXPECT_EQ(none.set.count, 0);
    // No unit text: metre dimensions.
    Point_Set metre({{0, 0}, {1.457, 0}});
    EXPECT_EQ(Drawn([&] { OLI_Draw_Sorted_Dimension_Chain(&metre.set, nullptr, 0, 0, 0, 0.1, 0, 0, 2); }),
              Drawn([] { OLI_Draw_Metre_Dimension(0, 0, 1.457, 0, 0.1); }));
}

TEST(Sorted_Dimension_Chain, SortTypes) {
    struct Case {
        int type;
        std::vector<double> xs;   // expected x order of the links' ends
    };
    const Case cases[] = {{1, {30, 20, 10}}, {2, {10, 20, 30}}, {7, {20, 10, 30}}};
    for (const Case& c : cases) {
        Point_Set s({{20, 0}, {10, 0}, {30, 0}});
        const std::string chain = Drawn([&] { OLI_Draw_Sorted_Dimension_Chain(&s.set, "mm", 0, 0, 0, 0.1, 0, 0, c.type); });
        const std::string links = Drawn([&] {
            OLI_Draw_Dimension(c.xs[0], 0, c.xs[1], 0, 0.1, 0);
            OLI_Draw_Dimension(c.xs[1], 0, c.xs[2], 0, 0.1, 0);
        });
        EXPECT_EQ(chain, links) << c.type;
    }
}

TEST(Dimension_Point_Comparators, ExactOrder) {
    const double p[2] = {1, 2}, q[2] = {1, 3};
    EXPECT_EQ(Compare_Points_X_Ascending(p, q), 0);
    EXPECT_EQ(Compare_Points_X_Descending(p, q), 0);
    EXPECT_EQ(Compare_Points_Y_Ascending(p, q), -1);
    EXPECT_EQ(Compare_Points_Y_Descending(p, q), 1);
    const double r[2] = {0.5, 2};
    EXPECT_EQ(Compare_Points_X_Ascending(p, r), 1);
    EXPECT_EQ(Compare_Points_X_Descending(p, r), -1);
}

TEST(Metre_Dimension_Chain, ProjectedOrderedAndCallerArraysKept) {
    const double x[3] = {3, 1, 2}, y[3] = {1, -1, 0.5};
    const std::string chain = Drawn([&] { OLI_Draw_Metre_Dimension_Chain(3, x, y, 0, 0, 4, 0, 0.1); });
    const std::string links = Drawn([] {
        OLI_Draw_Metre_Dimension(1, 0, 2, 0, 0.1);
        OLI_Draw_Metre_Dimension(2, 0, 3, 0, 0.1);
    });
    EXPECT_EQ(chain, links);
    EXPECT_EQ(x[0], 3);
    EXPECT_EQ(y[1], -1);
    // From the right end of the line the order runs the other way: the first link's dimension
    // line starts beyond x = 3 and the second one's beyond x = 2.
    const std::vector<std::string> back =
        Split_Lines(Drawn([&] { OLI_Draw_Metre_Dimension_Chain(3, x, y, 4, 0, 0, 0, 0.1); }));
    ASSERT_EQ(back.size(), 30u);   // two dimensions of 15 lines
    EXPECT_EQ(back[4].substr(0, 13), " 1  3.100000 ");
    EXPECT_EQ(back[19].substr(0, 13), " 1  2.100000 ");
    // One point: nothing drawn, the scratch arrays released.
    EXPECT_EQ(Drawn([&] { OLI_Draw_Metre_Dimension_Chain(1, x, y, 0, 0, 4, 0, 0.1); }), "");
}

}  // namespace
