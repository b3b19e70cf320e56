// Trace output and run-time measurement of the tools library. Trace lines go to standard output
// while the trace switch is on (from process start); the measurement keeps 100 slots of processor
// clock readings in milliseconds and prints the time between a start and a stop.
#pragma once

// Nonzero switches trace lines on, zero off.
void Set_Trace_Switch(int value);

// While tracing: prints to standard output, flushes and returns the characters printed; else 0.
int Print_Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Nonzero switches the measurement on (and says so); zero switches it off and, when it was on,
// says so.
void Set_Timing(int value);

// While measuring and for slots 0 to 99: Start_Timing keeps the processor clock (the first start
// clears all slots); Stop_Timing keeps it too and prints the seconds in between with the label.
void Start_Timing(int slot);
void Stop_Timing(int slot, const char* label);
