#include "platform/host/host_trace.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "common/cp437.h"

namespace {

struct File_Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

struct Trace_State {
    std::unique_ptr<std::FILE, File_Closer> file;
    bool opened = false;     // VEK_TRACE was looked at
    bool in_memory = false;
    std::string memory;
};

Trace_State trace;

}  // namespace

void Host_Open_Trace() {
    if (trace.opened) return;
    trace.opened = true;
    const char* name = std::getenv("VEK_TRACE");
    if (!name || !*name) return;
    trace.file.reset(std::fopen(name, "w"));
    if (!trace.file) std::fprintf(stderr, "host: VEK_TRACE=%s kann nicht geschrieben werden\n", name);
}

bool Host_Tracing() { return trace.file || trace.in_memory; }

void Host_Trace_Line(std::string_view line) {
    if (trace.file) {
        std::fprintf(trace.file.get(), "%.*s\n", static_cast<int>(line.size()), line.data());
        std::fflush(trace.file.get());
    }
    if (trace.in_memory) {
        trace.memory.append(line);
        trace.memory += '\n';
    }
}

std::string Trace_Text(std::string_view cp437) {
    std::string shown(cp437);
    for (char& c : shown)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return '"' + From_Cp437_Signs(shown) + '"';
}

void Host_Trace_To_Memory(bool on) {
    trace.in_memory = on;
    trace.memory.clear();
}

const std::string& Host_Trace_Memory() { return trace.memory; }

void Host_Trace_Report_Call(const char* call, const char* component_id, const char* report_path) {
    if (!Host_Tracing()) return;
    Host_Trace_Line(std::string(call ? call : "") + " " + Trace_Text(component_id ? component_id : "") + " " +
                    Trace_Text(report_path ? report_path : ""));
}
