#include "checks/check_report_text.h"

#include <cstdio>

std::string Para_Indent(double cm) {
    char text[64];
    if (cm == 0.0)
        std::snprintf(text, sizeof text, "#END_OF_TEXT\n0x4\n0x0\n4\n-1\n");
    else
        std::snprintf(text, sizeof text, "#END_OF_TEXT\n0x4\n0x20\n4\n2 %g 2 0\n-1\n", cm);
    return text;
}
