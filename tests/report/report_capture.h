// A report stream on a scratch file with the program's stdio table registered, so that the report
// writers can be run and their output compared as one byte string.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

#include "common/host_bridge.h"
#include "report/paragraph_writer.h"
#include "test_support.h"

struct Report_Capture {
    Scratch_Dir dir;
    std::FILE* stream = nullptr;

    Report_Capture() {
        Register_Stdio_Table();
        stream = std::fopen(dir.file("report.OLI").c_str(), "w");
    }
    ~Report_Capture() {
        if (stream) std::fclose(stream);
    }
    Report_Capture(const Report_Capture&) = delete;
    Report_Capture& operator=(const Report_Capture&) = delete;

    // Everything written so far.
    std::string text() {
        std::fflush(stream);
        return Read_File(dir.file("report.OLI"));
    }
};

// The report text that print writes on a fresh report, with the open paragraph ended afterwards, so
// that the next capture opens a block of its own.
inline std::string Paragraph_Of(const std::function<void(std::FILE*)>& print) {
    Report_Capture report;
    print(report.stream);
    OLI_End_Paragraph(report.stream);
    return report.text();
}

// Everything that write puts on a fresh report stream, layout lines included.
inline std::string Report_Of(const std::function<void(std::FILE*)>& write) {
    Register_Stdio_Table();
    return Capture_Output(write);
}
