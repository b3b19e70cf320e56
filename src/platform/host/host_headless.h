// The headless backend of the host stand-in: no window and no person; the input is a script of user
// actions (host_script.h) and the clock is virtual: it starts at 0 and moves only through pauses
// (VEKSleep, Wait_Seconds), the script's waits and the periodic wake-ups, each at once. The clipboard
// is kept in memory. It is chosen by VEK_HEADLESS=1 or a script in VEK_SCRIPT, or by a test run.
#pragma once

#include <functional>
#include <string>

#include "platform/host/host_input.h"

extern const Host_Backend Headless_Backend;

// A test run: the body runs headless on the script text, with the trace kept in memory (and
// written to VEK_TRACE's file when one is open). The end of the process inside the body (a close
// that the close callback allowed, the guard after the end of the input) returns here instead:
// the program's frames are left as by an exception and release what they hold on the way.
struct Headless_Run_Result {
    int exit_code = 0;            // the body's result, or the code the process would have ended with
    bool process_ended = false;   // the body ended the process
    std::string trace;            // the trace lines written during the run
};
Headless_Run_Result Run_Headless(const std::string& script, const std::function<int()>& body);
