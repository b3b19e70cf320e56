#include "common/tracked_alloc.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/cp437.h"
#include "common/run_state.h"
#include "platform/host/host_library.h"

void* Mem_Alloc(const char*, int, const char*, std::size_t size) { return std::malloc(size); }

void* Mem_Calloc(const char*, int, const char*, std::size_t count, std::size_t size) {
    return std::calloc(count, size);
}

void* Mem_Realloc(const char*, int, const char*, void* block, std::size_t size) {
    return std::realloc(block, size);
}

namespace {

// The C runtime's string copy as the allocation wrappers expect it: a new copy of the text, null when
// memory runs out. Linux's C library has no function of this name.
char* _strdup(const char* text) {
    const std::size_t n = std::strlen(text) + 1;
    char* copy = static_cast<char*>(std::malloc(n));
    if (copy) std::memcpy(copy, text, n);
    return copy;
}

}  // namespace

char* Mem_Strdup(const char*, int, const char*, const char* text) { return text ? _strdup(text) : nullptr; }

void Mem_Free(const char*, int, const char*, void* block) { std::free(block); }

int Mem_Tracking_Available() { return 1; }
int Mem_Tracked_Block_Count() { return 0; }
int Mem_Tracked_Bytes() { return 0; }
int Mem_Check_Block(const void*) { return 0; }
void Mem_Start_Tracking() {}
void Mem_Stop_Tracking() {}
void Mem_Report_Tracking() {}

void Abort_Out_Of_Memory() {
    static const char* const lines[] = {
        "Die Aktion erfordert eine Speicherkapazität, die"_cp,
        "vom Rechner zur Zeit nicht zur Verfügung gestellt"_cp,
        "wird. Die Sitzung muß leider abgebrochen werden."_cp,
    };
    if (Refresh_Mode) {
        for (const char* line : lines) std::fprintf(stderr, "%s\n", From_Cp437(line).c_str());
    } else {
        Init_Message();
        for (const char* line : lines) Fill_Message(line);
        Draw_Message();
    }
    std::exit(0);
}
