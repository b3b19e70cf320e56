// The lines of a nested block of a check stand 0.3 cm further in than its heading. The block
// restores the indent it found (not a sum of steps), so that no rounding leaves a stray format
// change behind; without a stream it does nothing.
#pragma once

#include <cstdio>

#include "report/paragraph_writer.h"

inline constexpr double Report_Block_Indent_Step = 0.3;   // cm

struct Report_Block_Indent {
    FILE* stream;
    double saved;
    explicit Report_Block_Indent(FILE* s) : stream(s), saved(s ? OLI_Get_Indent() : 0.0) {
        if (stream) OLI_Set_Indent(saved + Report_Block_Indent_Step);
    }
    // Ends the block before the scope does.
    void close() {
        if (stream) OLI_Set_Indent(saved);
        stream = nullptr;
    }
    ~Report_Block_Indent() { close(); }
    Report_Block_Indent(const Report_Block_Indent&) = delete;
    Report_Block_Indent& operator=(const Report_Block_Indent&) = delete;
};
