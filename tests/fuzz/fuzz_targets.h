// The file readers as fuzz targets: each target hands a file's bytes to one reader exactly as the
// program does (a stream opened on a file of those bytes, or the file placed where the reader looks
// for it in a scratch host folder) and releases everything read. The same table drives the libFuzzer
// executables (tools/fuzz/fuzz_main.cpp) and the replay test of the stored inputs.
#pragma once

#include <span>
#include <string>
#include <string_view>

struct Fuzz_Target {
    const char* name;                      // also the folder of its inputs under tests/fuzz/
    void (*run)(std::string_view bytes);
};

std::span<const Fuzz_Target> Fuzz_Targets();
// Null for an unknown name.
const Fuzz_Target* Find_Fuzz_Target(std::string_view name);

// The scratch host of the process: DATA (with copies of the shipped annex files of DATA/NAD), DRAM
// and EXEC in a fresh temporary folder, named by the environment variables. Removed at process end.
const std::string& Fuzz_Host_Root();
