// Placeholder until the sheet editor's call-always function lands: keeps the function and the switch
// but never calls it.
#include "platform/host/host_events.h"

namespace {
Call_Allways_Function pending_function = nullptr;
int pending_on = 0;
}  // namespace

void Define_Call_Allways_Function(Call_Allways_Function function) { pending_function = function; }
void Activate_Call_Allways_Function(int on) { pending_on = on; }
