// The pin joint in the bolt sketch: eye bar 1 between the two plates of the fork (eye bar 2), the
// pin across all three and, with a geometry option, the plan view "Schnitt A-A" of eye bar 1.
#pragma once

#include <cstdio>

#include "checks/bolt_connection.h"

struct Pin_Sketch_Geometry {
    double e;          // end distance drawn: 1.5 d0 without geometry option, else e1,1
    double x_p;        // pin axis
    double y_m;        // middle plane of eye bar 1
    double H;          // height of the section
    double ext_x, ext_y;
};

Pin_Sketch_Geometry Pin_Sketch_Layout(const Bolt_Connection& c);

// The content of the block, between the frame's head and end; u = 1/k.
void Print_Pin_Sketch_Content(const Bolt_Connection& c, const Pin_Sketch_Geometry& g, double u);
