// The welded joint on screen: the plates of a T-joint or an in-line joint (with a packing plate), the
// fillet or butt welds with their dimensions, and one weld cross-section. Everything in screen pixels
// with integers, the caller having scaled and rounded the millimetres; every computed coordinate is
// cut to a whole pixel toward zero. Welds are light green, the base plate (plate 1) lavender 196, the
// attached plate (plate 2) lavender 213, a packing plate sand; outlines, dimensions and texts black.
// Dimensions are measure lines; their extension lines are dashed. Without dims no dimension and no
// dashed line is drawn.
#pragma once

// One weld cross-section. Mode 0: a triangle on a horizontal base; mode 2: the same or, with
// rotated, turned against a vertical joint line; any other mode draws nothing. With s = -1 when
// mirrored and +1 otherwise the corners are the root R = (x_root, y_base), the toe T = (x_root +
// s leg, y_base) and the apex A = (T_x - s apex_back, y_base - height); rotated: T = (x_root, y_base +
// s leg) and A = (x_root + height, T_y - s apex_back). Filled, outlined in line_width. Dimensions
// "a": mode 0 from R to the throat foot (T_x - s foot_back, y_base - foot_up) when both are above 0,
// else to the middle of A and T, label below; mode 2 (unless no_dimension) the leg, beneath the base
// line or, rotated, 20 px left of the joint line.
void Draw_Weld_Cross_Section(int x_root, int y_base, int leg, int height, int apex_back, int foot_up,
                             int foot_back, int mirrored, int mode, int no_dimension, int line_width,
                             int rotated, int dims);

// The plates of the joint, the base plate's top at y. In line (in_line nonzero): plate 1 (t_1 thick)
// left of the joint x = cx and plate 2 (t_2) right of it, each overhang wide, dimensioned "t<number>"
// or, without dims, labelled in the middle when the number is above 0. T-joint: the attached plate,
// t_2 thick, stands at the angle phi (radians, from the base plate's surface on the right) on a
// packing of t_p (when above 0) on the base plate of t_1; the base plate reaches overhang beyond the
// attached plate's foot, the attached plate shows height above the packing, and the packing is a
// parallelogram under the foot or, with a packing_overhang of 1 or more, a rectangle reaching that
// far beyond it.
void Draw_Weld_Joint_Plates(int cx, int y, int packing_overhang, int overhang, int height, int t_p, int t_1,
                            int t_2, int number_1, int number_2, double phi, int line_width, int in_line,
                            int dims);

// The welds of a fillet weld (weld_type 0) or butt weld (2) between the base plate (top at y) and the
// attached plate of thickness t centred on cx. theta (radians) is the included angle of the left
// corner. The caller decides whether the plates join in line and says so with theta 0: a butt weld
// is then drawn across the thickness t from y down, a fillet weld not at all. Every positive theta
// is a T-joint. Slot and plug welds (1, 3) draw nothing. sides: 0 both, 1 the
// left only, 2 the right only. A packing thicker than t_p_min raises the welds to its top and adds a
// weld at each packing end; without it a penetration e moves the fillet weld's root into the plate.
void Draw_Weld_Seams(int cx, int y, int a, int e, int t, int t_p, int t_p_min, int weld_type,
                     int full_penetration, int sides, double theta, int line_width, int dims);
