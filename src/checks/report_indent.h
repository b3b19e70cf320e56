// The nesting of report lines in the checks: each nested block of formula lines stands 0.3 cm
// further in than the line that opens it.
#pragma once

#include <cstdio>

#include "frame/report_marks.h"
#include "report/paragraph_writer.h"

inline constexpr double Report_Indent_Step = 0.3;   // cm

inline void Raise_Report_Indent() { OLI_Set_Indent(OLI_Get_Indent() + Report_Indent_Step); }
inline void Lower_Report_Indent() { OLI_Set_Indent(OLI_Get_Indent() - Report_Indent_Step); }

// A block of formula lines under a description line: the description at detail 1 and 2 (its "%s"
// takes the line prefix), the lines below it nested at detail 2.
struct Report_Block {
    FILE* stream;
    int detail;
    bool on() const { return stream && detail >= 1; }
    // Without a description only the nesting begins.
    void begin(const char* description) const {
        if (on() && description) OLI_Printf(stream, description, Report_Line_Prefix);
        if (stream && detail >= 2) Raise_Report_Indent();
    }
    void end() const {
        if (stream && detail >= 2) Lower_Report_Indent();
    }
};

// A nested block that restores the indent it found (not a sum of steps), so that no rounding
// leaves a stray format change behind; without a stream it does nothing.
struct Report_Block_Indent {
    FILE* stream;
    double saved;
    explicit Report_Block_Indent(FILE* s) : stream(s), saved(s ? OLI_Get_Indent() : 0.0) {
        if (stream) OLI_Set_Indent(saved + Report_Indent_Step);
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
