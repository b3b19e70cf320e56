// Shapes shared by the immediate world drawing and the world items, independent of how a line is
// drawn or added.
#pragma once

// The four sides of the rectangle with the corners (x1, y1) and (x2, y2), in the order
// (x1, y1)-(x2, y1), (x2, y1)-(x2, y2), (x2, y2)-(x1, y2), (x1, y2)-(x1, y1).
template <typename Line>
void For_Rectangle_Sides(double x1, double y1, double x2, double y2, Line line) {
    line(x1, y1, x2, y1);
    line(x2, y1, x2, y2);
    line(x2, y2, x1, y2);
    line(x1, y2, x1, y1);
}
