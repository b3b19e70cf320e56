#include "gui/notice_output.h"

#include <cstdarg>
#include <cstdio>

#include "platform/host/host_library.h"

namespace {

int Notice_Output_Mode = 0;

constexpr int Notice_Length = 500;

// A notice may begin with pairs of a caret and a letter (font switches of the notice sheet).
const char* Skip_Escape_Pairs(const char* text) {
    while (text[0] == '^' && text[1] != '\0') text += 2;
    return text;
}

}  // namespace

int Set_Notice_Output_Mode(int mode) {
    Notice_Output_Mode = mode;
    return mode;
}

int Print_Notice(const char* format, ...) {
    if (!format || !*format) return 0;
    char text[Notice_Length + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);

    switch (Notice_Output_Mode) {
    case 1:
        std::fprintf(stdout, "%s\n", Skip_Escape_Pairs(text));
        std::fflush(stdout);
        break;
    case 3:
        break;
    default:
        PrintMessage("%s", Skip_Escape_Pairs(text));
        break;
    }
    return 0;
}
