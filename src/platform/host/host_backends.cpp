// The choice of the host stand-in's backend at the first use of the input:
//   VEK_HEADLESS=1                   headless, with the script of VEK_SCRIPT when one is named;
//   otherwise, a display opens       the window, with the script of VEK_SCRIPT when one is named;
//   otherwise, a script is named     headless on the script;
//   otherwise                        one line on standard error, and the process ends with exit code
//                                    0 at the first wait for input, as a window left without saving.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/host/host_headless.h"
#include "platform/host/host_sdl.h"
#include "platform/host/host_script.h"
#include "platform/host/host_trace.h"

namespace {

bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

// The script of the process, read once from VEK_SCRIPT.
Host_Script process_script;

void Read_Process_Script(const char* file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    if (in) text << in.rdbuf();
    process_script = Parse_Host_Script(text.str());
    if (!in) process_script.errors.insert(process_script.errors.begin(), std::string(file) + " nicht lesbar");
}

// Neither a display nor a script: there is nobody to give input.
int No_Input(Host_Event&, long long) { Host_End_Process(0); }

const Host_Backend No_Display_Backend = [] {
    Host_Backend b = Headless_Backend;
    b.name = "none";
    b.next_event = No_Input;
    return b;
}();

}  // namespace

void Host_Choose_Backend() {
    const bool scripted = Set("VEK_SCRIPT");
    if (scripted) Read_Process_Script(std::getenv("VEK_SCRIPT"));
    const Host_Script* script = scripted ? &process_script : nullptr;
    if (Set("VEK_HEADLESS") && std::string(std::getenv("VEK_HEADLESS")) == "1") {
        Host_Start_Input(Headless_Backend, script);
        return;
    }
    std::string reason;
    if (Sdl_Open_Window(reason)) {
        Host_Start_Input(Sdl_Backend, script);
        return;
    }
    if (scripted) {
        Host_Start_Input(Headless_Backend, script);
        return;
    }
    std::fprintf(stderr, "host: kein Fenster möglich (%s); ohne Anzeige steuert VEK_SCRIPT=Datei einen Lauf, das Programm endet\n",
                 reason.c_str());
    Host_Start_Input(No_Display_Backend, nullptr);
}
