#include "common/trace_timing.h"

#include <array>
#include <cstdarg>
#include <cstdio>
#include <ctime>

#include "common/stream_print.h"

namespace {

constexpr int Timing_Slots = 100;

bool Trace_On = true;
bool Timing_On = false;
bool Slots_Cleared = false;
std::array<long, Timing_Slots> Start_Clock{};
std::array<long, Timing_Slots> Stop_Clock{};

long Clock_Milliseconds() {
    return static_cast<long>(static_cast<double>(std::clock()) * 1000.0 / CLOCKS_PER_SEC);
}

bool Is_Slot(int slot) { return slot >= 0 && slot < Timing_Slots; }

}  // namespace

void Set_Trace_Switch(int value) { Trace_On = value != 0; }

int Print_Trace(const char* format, ...) {
    if (!Trace_On || !format) return 0;
    va_list args;
    va_start(args, format);
    const int n = Print_To_Stream_V(stdout, format, args);
    va_end(args);
    std::fflush(stdout);
    return n;
}

void Set_Timing(int value) {
    if (value) {
        Timing_On = true;
        Print_Trace("\n>> Rechenzeitmessung aktiviert\n");
    } else {
        if (Timing_On) Print_Trace("\n>> Rechenzeitmessung deaktiviert\n");
        Timing_On = false;
    }
}

void Start_Timing(int slot) {
    if (!Timing_On || !Is_Slot(slot)) return;
    if (!Slots_Cleared) {
        Start_Clock.fill(0);
        Stop_Clock.fill(0);
        Slots_Cleared = true;
    }
    Start_Clock[slot] = Clock_Milliseconds();
}

void Stop_Timing(int slot, const char* label) {
    if (!Timing_On || !Is_Slot(slot)) return;
    Stop_Clock[slot] = Clock_Milliseconds();
    const double seconds = (Stop_Clock[slot] - Start_Clock[slot]) * 0.001;
    if (label)
        Print_Trace(">> Rechenzeit %2d: %10.2f sec (%s)\n", slot, seconds, label);
    else
        Print_Trace(">> Rechenzeit %2d: %10.2f sec\n", slot, seconds);
}
