#include "common/host_bridge.h"

#include <cstdarg>

#include "common/stream_print.h"
#include "platform/host/host_library.h"

int Stdio_Fprintf(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = stream ? Print_To_Stream_V(stream, format, args) : -1;
    va_end(args);
    return n;
}

int Stdio_Fscanf(FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = stream ? std::vfscanf(stream, format, args) : EOF;
    va_end(args);
    return n;
}

int Stdio_Sscanf(const char* text, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = text ? std::vsscanf(text, format, args) : EOF;
    va_end(args);
    return n;
}

// The runtime's sprintf has no bound either; the table entry exists for the host's own callers,
// which pass buffers sized for their formats.
int Stdio_Sprintf(char* buffer, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int n = buffer ? std::vsprintf(buffer, format, args) : -1;
    va_end(args);
    return n;
}

const Stdio_Functions Stdio_Function_Table = {
    18,
    ::fopen, ::fclose, ::fread, ::fwrite, ::ferror,
    Stdio_Fscanf, Stdio_Fprintf,
    ::fseek, ::ftell, ::fsetpos, ::fgetpos, ::fgets, ::fgetc, ::fputs, ::fputc,
    ::ungetc,
    Stdio_Sscanf, Stdio_Sprintf,
};

void Register_Stdio_Table() { VEKSetStdioFctPtr(&Stdio_Function_Table); }

int Init_Host_Bridge() {
    Register_Stdio_Table();
    return Set_MouseWheel_Activity(1);
}
