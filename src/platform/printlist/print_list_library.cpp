#include "platform/printlist/print_list_library.h"

#include <cstdarg>

#include "common/cp437.h"
#include "common/host_bridge.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

// The library writes on streams of the program's runtime through the registered table; before
// any registration it uses the runtime directly.
int Write_Layout_Line(FILE* stream, const char* format, ...) {
    if (!stream) return 0;
    va_list args;
    va_start(args, format);
    const std::string line = Format_Text_V(format, args);
    va_end(args);
    const int n = VEK_STDIO_FCT ? VEK_STDIO_FCT->fprintf_fn(stream, "%s", line.c_str())
                                : std::fputs(line.c_str(), stream);
    return n < 0 ? -1 : 0;
}

}  // namespace

int OLI_setFlags(FILE* stream, int flags) {
    return Write_Layout_Line(stream, "#LAYOUT setFlags 0x%x\n", static_cast<unsigned>(flags));
}

int OLI_setLayout(FILE* stream, int layout) { return Write_Layout_Line(stream, "#LAYOUT setLayout %d\n", layout); }

int OLI_reserveSpaceCM(FILE* stream, float height) {
    return Write_Layout_Line(stream, "#LAYOUT reserveSpaceCM %.6g\n", static_cast<double>(height));
}

int OLI_setYPositionCM(FILE* stream, int mode, float distance) {
    return Write_Layout_Line(stream, "#LAYOUT setYPositionCM %d %.6g\n", mode, static_cast<double>(distance));
}

int OLI_setMarginsCM(FILE* stream, int mode, float left, float right) {
    return Write_Layout_Line(stream, "#LAYOUT setMarginsCM %d %.6g %.6g\n", mode, static_cast<double>(left),
                             static_cast<double>(right));
}

int OLI_setMarginsChar(FILE* stream, int mode, float margin, int left_chars, int gap_chars, int right_chars) {
    return Write_Layout_Line(stream, "#LAYOUT setMarginsChar 0x%x %.6g %d %d %d\n", static_cast<unsigned>(mode),
                             static_cast<double>(margin), left_chars, gap_chars, right_chars);
}

int OLI_storeYPosition(FILE* stream, int index) {
    return Write_Layout_Line(stream, "#LAYOUT storeYPosition %d\n", index);
}

int OLI_restoreYPosition(FILE* stream, int index) {
    return Write_Layout_Line(stream, "#LAYOUT restoreYPosition %d\n", index);
}

int OLI_resetMaxMargin(FILE* stream) { return Write_Layout_Line(stream, "#LAYOUT resetMaxMargin\n"); }

int OLI_setBookmark(FILE* stream, int code, const char* text) {
    return Write_Layout_Line(stream, "#LAYOUT setBookmark %d «%s»\n"_cp, code, text ? text : "");
}

int OLI_pushMargins(FILE* stream) { return Write_Layout_Line(stream, "#LAYOUT pushMargins\n"); }

int OLI_popMargins(FILE* stream, int flags) {
    return Write_Layout_Line(stream, "#LAYOUT popMargins 0x%x\n", static_cast<unsigned>(flags));
}

int OLI_setConvertionFlags(FILE* stream, int flags) {
    return Write_Layout_Line(stream, "#LAYOUT setConvertionFlags %d\n", flags);
}

int MT_String_Length(const char* text) {
    if (!text) return 0;
    constexpr unsigned char Escape = 0xCE;
    int n = 0;
    for (const char* p = text; *p;) {
        if (static_cast<unsigned char>(*p) != Escape) {
            ++n;
            ++p;
            continue;
        }
        ++p;                                   // the escape byte
        if (*p == '{') {
            while (*p && *p != '}') ++p;       // a tag runs to its closing brace
            if (*p) ++p;
        } else if (*p) {
            ++p;                               // the code character
        }
    }
    return n;
}
