#include "common/deadline.h"

#include "platform/host/host_library.h"

namespace {

double deadline = 0.0;   // seconds on the host's clock

double Now_Seconds() { return static_cast<double>(Host_Clock_Ms()) * 0.001; }

}  // namespace

void Set_Deadline(double seconds) { deadline = Now_Seconds() + seconds; }

int Check_Deadline() { return Now_Seconds() >= deadline ? 1 : 0; }
