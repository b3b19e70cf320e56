#include "platform/host/host_headless.h"

#include <algorithm>

#include "platform/host/host_script.h"
#include "platform/host/host_trace.h"

namespace {

struct Headless_State {
    long long clock = 0;
    std::string clipboard;
};

Headless_State headless;

int Next_Event(Host_Event&, long long until) {
    if (until >= 0) headless.clock = std::max(headless.clock, until);
    return -1;
}

long long Clock() { return headless.clock; }
void Sleep_Until(long long time) { headless.clock = std::max(headless.clock, time); }
void Nothing() {}
void Nothing_With(int) {}
void Nothing_With(int, int) {}
void Nothing_With(int, int, int, int) {}
std::string Clipboard() { return headless.clipboard; }
void Set_Clipboard(const std::string& text) { headless.clipboard = text; }
void Set_Title(const std::string&) {}
bool No_Frame(std::vector<std::uint32_t>&, int&, int&) { return false; }

// The end of the process inside a test run.
struct Process_End {
    int code;
};

[[noreturn]] void Throw_Process_End(int code) { throw Process_End{code}; }

}  // namespace

const Host_Backend Headless_Backend = {
    "headless", false, Next_Event, Clock, Sleep_Until, Nothing, Nothing_With, Nothing_With, Nothing_With,
    Clipboard, Set_Clipboard, Set_Title, No_Frame,
};

Headless_Run_Result Run_Headless(const std::string& script_text, const std::function<int()>& body) {
    const Host_Script script = Parse_Host_Script(script_text);
    headless = Headless_State{};
    Host_Trace_To_Memory(true);
    Host_Start_Input(Headless_Backend, &script);
    Host_Set_Process_End_Hook(Throw_Process_End);
    Headless_Run_Result result;
    try {
        result.exit_code = body();
    } catch (const Process_End& end) {
        result.exit_code = end.code;
        result.process_ended = true;
    }
    Host_Set_Process_End_Hook(nullptr);
    Host_Start_Input(Headless_Backend, nullptr);
    result.trace = Host_Trace_Memory();
    Host_Trace_To_Memory(false);
    return result;
}
