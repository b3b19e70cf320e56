// Whether a point picked with the mouse lies on a line segment, within a tolerance in pixels.
#pragma once

// 1 for x >= 0, -1 otherwise.
int Sign_Of(double x);

// The tolerance of Is_Near_Segment in pixels (3 at start).
void Set_Hit_Tolerance(int pixels);
int Get_Hit_Tolerance();

// 1 when the point (px, py) lies within the segment's bounding box widened by the tolerance on every
// side and no farther than the tolerance from the segment's line; 0 otherwise and for a segment of
// length 0.
int Is_Near_Segment(int x1, int y1, int x2, int y2, int px, int py);
