// One weld section of the weld report sketch, drawn into the open graphic block.
#pragma once

// side 0 opens to the right of the corner (x, y), side 1 to the left: P2 = (x, y) the corner,
// P1 = (x ± dx, y) and P0 = (x ± (dx − e), y − dy). mode is the weld type: 0 a fillet weld with its
// throat dimension (foot p below and q inside P1 when both are given, else the middle of P0-P1),
// 2 a butt seam, turned by 90° about P2 with turn, with its depth dimension o/2 beside it unless
// full; other modes draw nothing. outline_only leaves the fill out.
void Print_Weld_Triangle(int side, int mode, int full, double o, double x, double y, double dx,
                         double dy, double e, double p, double q, int turn, int dimension,
                         int outline_only);
