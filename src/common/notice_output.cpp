#include "common/notice_output.h"

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

namespace {

// Formats and delivers one notice in the mode in force; the text is formed on the stack.
void Deliver_Notice(const char* format, va_list args) {
    if (!format || !*format) return;
    char text[Notice_Length + 1];
    std::vsnprintf(text, sizeof text, format, args);

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
}

}  // namespace

int Print_Notice(const char* format, ...) {
    va_list args;
    va_start(args, format);
    Deliver_Notice(format, args);
    va_end(args);
    return 0;
}

int Print_Notice_In_Mode(int mode, const char* format, ...) {
    const int kept = Notice_Output_Mode;
    Notice_Output_Mode = mode;
    va_list args;
    va_start(args, format);
    Deliver_Notice(format, args);
    va_end(args);
    Notice_Output_Mode = kept;
    return 0;
}

int Print_Error_Notice(const char* format, ...) {
    if (!format) return 0;
    char text[Notice_Length + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return Print_Notice("^bFEHLER: %s!", text);
}
