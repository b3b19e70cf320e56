// Work arrays and result lists of the plane geometry routines.
//
// A result list is a pair of double arrays (x values, y values) that a routine hands to its caller
// through the addresses of the caller's two array pointers. The pointers may hold blocks of the
// counted allocator already (they are resized) or be null. The list grows as points arrive, so
// that every crossing finds a place; at the end it is cut to its count, and an empty list releases
// both blocks and leaves both pointers null. The caller releases a result with Free_And_Null.
// Every block comes from Realloc_Or_Exit, which ends the program when memory runs out.
//
// The fixed forms of the routines write into caller arrays of a stated room instead; the same
// list record serves them and never writes beyond that room.
#pragma once

// A counted double array that lives as long as its scope.
struct Work_Doubles {
    double* v = nullptr;
    explicit Work_Doubles(int n);
    ~Work_Doubles();
    Work_Doubles(const Work_Doubles&) = delete;
    Work_Doubles& operator=(const Work_Doubles&) = delete;
    double& operator[](int i) { return v[i]; }
};

struct Point_List {
    double** x = nullptr;   // the caller's array pointers of a growing list
    double** y = nullptr;
    double* fixed_x = nullptr;   // or the caller's arrays of fixed room
    double* fixed_y = nullptr;
    int count = 0;
    int capacity = 0;
    double X(int i) const { return fixed_x ? fixed_x[i] : (*x)[i]; }
    double Y(int i) const { return fixed_y ? fixed_y[i] : (*y)[i]; }
};

// A growing list over the caller's pointers, resized to room for `capacity` points (at least
// one). Null addresses give a list that takes no points.
Point_List Open_Point_List(double** x, double** y, int capacity);

// A list in the caller's arrays of `room` points; null arrays take no points.
Point_List Open_Fixed_Point_List(double* x, double* y, int room);

// Appends a point: a growing list doubles its room when full, a fixed list drops what finds no
// room.
void Append_Point(Point_List& list, double x, double y);

// Removes the last point.
void Drop_Last_Point(Point_List& list);

// Ends the list and returns its count. A growing list: empty, both arrays are released (null);
// otherwise they are cut to the count, or keep their room with keep_room set.
int Close_Point_List(Point_List& list, bool keep_room = false);
