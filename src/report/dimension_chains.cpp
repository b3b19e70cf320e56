#include "report/dimension_chains.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/counted_alloc.h"
#include "common/tracked_alloc.h"
#include "material/index_sort.h"
#include "material/line_intersections.h"
#include "material/point_transforms.h"
#include "material/rounding.h"
#include "report/dimension_lines.h"

namespace {

constexpr double Coincident = 0.00001;   // model units along the chain

double* Point_Of(void* item) { return static_cast<double*>(item); }
const double* Point_Of(const void* item) { return static_cast<const double*>(item); }

int Sign(double d) { return d < 0 ? -1 : d > 0 ? 1 : 0; }

// x ascending; x within 0.00001 (as projected points of a vertical line are) by y ascending.
int Compare_Points_X_Then_Y(const void* a, const void* b) {
    const double dx = Point_Of(a)[0] - Point_Of(b)[0];
    if (dx <= -Coincident || dx >= Coincident) return Sign(dx);
    return Compare_Points_Y_Ascending(a, b);
}

// One link dimensioned in the form that the unit text selects.
double Draw_Link(const char* unit_text, const double* p, const double* q, double size, double unit,
                 int placement) {
    if (!p || !q) return 0;
    if (unit_text && std::strcmp(unit_text, "mm") == 0)
        return OLI_Draw_Dimension(p[0], p[1], q[0], q[1], size, placement);
    if (unit_text && std::strcmp(unit_text, "cm") == 0) {
        if (unit > -Coincident && unit < Coincident) return 0;
        return Draw_Unit_Dimension(p[0], p[1], q[0], q[1], size, unit, placement);
    }
    return OLI_Draw_Metre_Dimension(p[0], p[1], q[0], q[1], size);
}

// Links between neighbours in the set's order, each point released after its pair; then the
// last point and the item vector. Result: the largest link result.
double Draw_Links_And_Release(Dimension_Point_Set* set, const char* unit_text, double size,
                              double unit, int placement) {
    double largest = 0;
    const int n = set->count;
    for (int i = 0; i + 1 < n; ++i) {
        largest = std::max(largest, Draw_Link(unit_text, Point_Of(set->items[i]),
                                              Point_Of(set->items[i + 1]), size, unit, placement));
        MEM_FREE(set->items[i]);
        set->items[i] = nullptr;
    }
    MEM_FREE(set->items[n - 1]);
    PtrArr_Free_Items(set);
    return largest;
}

double Draw_Chain(Dimension_Point_Set* set, const char* unit_text, double x0, double y0,
                  double angle, double size, double unit, int placement, PtrArr_Compare order) {
    if (!set || set->count < 2) return 0;
    // Each point is projected orthogonally onto the line: in the line's frame its y becomes
    // that of the line's point.
    double X0 = x0, Y0 = y0;
    Transform_Points(&X0, &Y0, 1, 0, 0, angle, 1);
    for (int i = 0; i < set->count; ++i) {
        double* p = Point_Of(set->items[i]);
        if (!p) continue;
        Transform_Points(&p[0], &p[1], 1, 0, 0, angle, 1);
        p[1] = Y0;
        Untransform_Points(&p[0], &p[1], 1, 0, 0, angle, 1);
    }
    if (order) PtrArr_Sort(set, order);
    return Draw_Links_And_Release(set, unit_text, size, unit, placement);
}

}  // namespace

int OLI_Add_Dimension_Point(Dimension_Point_Set* set, double x, double y) {
    if (!set) return 0;
    auto* p = static_cast<double*>(MEM_ALLOC(2 * sizeof(double)));
    if (!p) return 0;
    p[0] = x;
    p[1] = y;
    if (!PtrArr_Insert(set, set->count, p)) {
        MEM_FREE(p);
        return 0;
    }
    return 1;
}

int Compare_Points_X_Descending(const void* a, const void* b) {
    return -Sign(Point_Of(a)[0] - Point_Of(b)[0]);
}

int Compare_Points_X_Ascending(const void* a, const void* b) {
    return Sign(Point_Of(a)[0] - Point_Of(b)[0]);
}

int Compare_Points_Y_Descending(const void* a, const void* b) {
    return -Sign(Point_Of(a)[1] - Point_Of(b)[1]);
}

int Compare_Points_Y_Ascending(const void* a, const void* b) {
    return Sign(Point_Of(a)[1] - Point_Of(b)[1]);
}

double OLI_Draw_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, double x0,
                                double y0, double angle, double size, double unit, int placement) {
    return Draw_Chain(set, unit_text, x0, y0, angle, size, unit, placement,
                      Compare_Points_X_Then_Y);
}

double OLI_Draw_Sorted_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, double x0,
                                       double y0, double angle, double size, double unit,
                                       int placement, int sort_type) {
    constexpr PtrArr_Compare Orders[] = {nullptr, Compare_Points_X_Descending,
                                         Compare_Points_X_Ascending, Compare_Points_Y_Descending,
                                         Compare_Points_Y_Ascending};
    const PtrArr_Compare order = sort_type >= 1 && sort_type <= 4 ? Orders[sort_type] : nullptr;
    return Draw_Chain(set, unit_text, x0, y0, angle, size, unit, placement, order);
}

double OLI_Draw_Axis_Dimension_Chain(Dimension_Point_Set* set, const char* unit_text, int type,
                                     double c, double size, double unit, int placement) {
    if (!set || set->count < 2 || type < 0 || type > 3) return 0;
    constexpr PtrArr_Compare Orders[] = {Compare_Points_X_Descending, Compare_Points_Y_Descending,
                                         Compare_Points_X_Ascending, Compare_Points_Y_Ascending};
    PtrArr_Sort(set, Orders[type]);
    const bool horizontal = type == 0 || type == 2;
    const int along = horizontal ? 0 : 1;   // the coordinate that runs along the chain
    const int fixed = 1 - along;
    double largest = 0;
    const int n = set->count;
    for (int i = 0; i + 1 < n; ++i) {
        double* p = Point_Of(set->items[i]);
        double* q = Point_Of(set->items[i + 1]);
        if (p && q) {
            const double d = q[along] - p[along];
            if (d <= -Coincident || d >= Coincident) {
                p[fixed] = c;
                q[fixed] = c;
                largest = std::max(largest, Draw_Link(unit_text, p, q, size, unit, placement));
            }
        }
        MEM_FREE(p);
        set->items[i] = nullptr;
    }
    MEM_FREE(set->items[n - 1]);
    PtrArr_Free_Items(set);
    return largest;
}

void OLI_Draw_Metre_Dimension_Chain(int n, const double* x, const double* y, double xa, double ya,
                                    double xb, double yb, double size) {
    if (n < 1 || !x || !y) return;
    double* px = nullptr;
    double* py = nullptr;
    Copy_Double_Array(n, &px, x);
    Copy_Double_Array(n, &py, y);
    Project_Points_On_Line(n, px, py, xa, ya, xb, yb);
    int* index = static_cast<int*>(Realloc_Or_Exit(nullptr, sizeof(int) * n, 1));
    if (Round_To_Decimals(std::fabs(xb - xa), 5) != 0)
        Sort_Index_By_Value(n, px, index, xa < xb);
    else
        Sort_Index_By_Value(n, py, index, yb > ya);
    for (int i = 0; i + 1 < n; ++i)
        OLI_Draw_Metre_Dimension(px[index[i]], py[index[i]], px[index[i + 1]], py[index[i + 1]],
                                 size);
    Free_And_Null(&px);
    Free_And_Null(&py);
    Free_And_Null(&index);
}
