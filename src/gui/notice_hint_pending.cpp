// Placeholder until the hint notices land: "^bHINWEIS: text." delivered in the mode.
#include <cstdarg>
#include <cstdio>

#include "common/notice_output.h"

int Print_Hint_Notice_In_Mode(int mode, const char* format, ...) {
    char text[501];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format ? format : "", args);
    va_end(args);
    return Print_Notice_In_Mode(mode, "^bHINWEIS: %s.", text);
}
