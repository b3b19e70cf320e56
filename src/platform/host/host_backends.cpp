// The choice of the host stand-in's backend at the first use of the input.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/host/host_headless.h"
#include "platform/host/host_script.h"
#include "platform/host/host_trace.h"

namespace {

bool Set(const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
}

// The script of the process, read once from VEK_SCRIPT.
Host_Script process_script;

}  // namespace

void Host_Choose_Backend() {
    const char* file = std::getenv("VEK_SCRIPT");
    if (Set("VEK_SCRIPT")) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream text;
        if (in) text << in.rdbuf();
        process_script = Parse_Host_Script(text.str());
        if (!in) process_script.errors.insert(process_script.errors.begin(), std::string(file) + " nicht lesbar");
    } else if (!(Set("VEK_HEADLESS") && std::string(std::getenv("VEK_HEADLESS")) == "1")) {
        std::fprintf(stderr,
                     "host: kein Fenster verfügbar, die Eingabe endet sofort (VEK_HEADLESS=1 mit VEK_SCRIPT=Datei "
                     "steuert einen Lauf ohne Bildschirm)\n");
    }
    Host_Start_Input(Headless_Backend, &process_script);
}
