// A stack of periodic callbacks for the host's property sheets: the host calls the active one now
// and then while a sheet waits. Pushing, popping, suspending and resuming hand the callback in
// force to the host (none when the stack is empty or suspended).
#pragma once

#include "platform/host/host_library.h"

void Push_Periodic_Callback(Sheet_Periodic_Callback callback);   // on top, active
void Pop_Periodic_Callback();        // removes the top (never below empty), active, hands the new top
void Suspend_Periodic_Callbacks();   // inactive, hands none
void Resume_Periodic_Callbacks();    // active, hands the top
void Clear_Periodic_Callbacks();     // empties the stack, hands none
