#include "material/point_lists.h"

#include <climits>
#include <cstddef>

#include "common/counted_alloc.h"

namespace {

double* Resize_Doubles(double* block, int n) {
    return static_cast<double*>(
        Realloc_Or_Exit(block, static_cast<std::size_t>(n > 0 ? n : 1) * sizeof(double), 0));
}

}  // namespace

Work_Doubles::Work_Doubles(int n) : v(Resize_Doubles(nullptr, n)) {}

Work_Doubles::~Work_Doubles() { Free_And_Null(&v); }

Point_List Open_Point_List(double** x, double** y, int capacity) {
    Point_List list;
    if (!x || !y) return list;
    list.x = x;
    list.y = y;
    list.capacity = capacity > 0 ? capacity : 1;
    *x = Resize_Doubles(*x, list.capacity);
    *y = Resize_Doubles(*y, list.capacity);
    return list;
}

Point_List Open_Fixed_Point_List(double* x, double* y, int room) {
    Point_List list;
    if (!x || !y) return list;
    list.fixed_x = x;
    list.fixed_y = y;
    list.capacity = room > 0 ? room : 0;
    return list;
}

void Append_Point(Point_List& list, double x, double y) {
    if (list.fixed_x) {
        if (list.count >= list.capacity) return;
        list.fixed_x[list.count] = x;
        list.fixed_y[list.count] = y;
        ++list.count;
        return;
    }
    if (!list.x) return;
    if (list.count == list.capacity) {
        // Doubling within the int range; a full int range counts as exhausted memory.
        if (list.capacity == INT_MAX) Check_Allocation(nullptr);
        const int room = list.capacity > INT_MAX / 2 ? INT_MAX : 2 * list.capacity;
        *list.x = Resize_Doubles(*list.x, room);
        *list.y = Resize_Doubles(*list.y, room);
        list.capacity = room;
    }
    (*list.x)[list.count] = x;
    (*list.y)[list.count] = y;
    ++list.count;
}

void Drop_Last_Point(Point_List& list) {
    if (list.count > 0) --list.count;
}

int Close_Point_List(Point_List& list, bool keep_room) {
    if (!list.x) return list.count;
    if (list.count == 0) {
        Free_And_Null(list.x);
        Free_And_Null(list.y);
    } else if (!keep_room && list.count < list.capacity) {
        *list.x = Resize_Doubles(*list.x, list.count);
        *list.y = Resize_Doubles(*list.y, list.count);
        list.capacity = list.count;
    }
    return list.count;
}
