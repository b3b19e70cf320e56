// The trace of a window-road run: one line of UTF-8 text for each thing the user would see or
// answer (drawn texts, sheets, codes returned by the sheet editor, message boxes and answers, help
// topics, viewer and printer calls, cursor shapes) and for the steps of a script. It is written to
// the file that the environment variable VEK_TRACE names, opened by the graphics mode, so the batch
// road never writes one; a headless run of the tests keeps it in memory. The line formats are listed
// in docs/host-screen.md. (Host_Trace of screen_raster.h is something else: the stand-in's own
// diagnostics on standard error.)
#pragma once

#include <string>
#include <string_view>

// Opens the file of VEK_TRACE for writing, once per process; nothing when the variable is unset or
// empty. A file that cannot be opened is reported on standard error and the run goes on untraced.
void Host_Open_Trace();

// True while trace lines are kept (a file is open or a run keeps them in memory).
bool Host_Tracing();

// Writes one line (UTF-8, without the line end) and flushes it, so that a run that ends abruptly
// keeps every line written so far.
void Host_Trace_Line(std::string_view line);

// A CP437 text as a trace line shows it: between double quotes, every byte as the character the
// screen draws for it (the sign map of src/common/cp437.h), control bytes as blanks.
std::string Trace_Text(std::string_view cp437);

// Keeps the trace lines in memory as well (tests); switching it on empties the memory.
void Host_Trace_To_Memory(bool on);
const std::string& Host_Trace_Memory();

// The line of a call of the report viewer ("viewer") or printer ("printer") with the component id
// and the report path.
void Host_Trace_Report_Call(const char* call, const char* component_id, const char* report_path);
