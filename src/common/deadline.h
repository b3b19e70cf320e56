// A deadline on the host's clock: the toolbar asks whether a second has passed since the mouse came
// to rest. The clock is the host's elapsed time (monotonic wall time, or the virtual clock of a
// headless run), never the processor time, which stands still while the program waits for input.
#pragma once

// The deadline becomes the clock now plus the seconds.
void Set_Deadline(double seconds);
// 1 once the clock has reached the deadline, else 0; 1 before any deadline was set.
int Check_Deadline();
