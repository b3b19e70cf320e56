#include "annex/annex_sections.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "annex/annex_record.h"
#include "common/key_lines.h"
#include "common/stream_print.h"

namespace {

constexpr int Section_Line_Size = 300;  // 299 characters and the terminator

bool Starts_With(const char* line, const char* key) { return std::strncmp(line, key, std::strlen(key)) == 0; }

// Stores the int that the text begins with (after white space) when it holds one in range.
void Store_Number(const char* text, int* number) {
    char* stop = nullptr;
    errno = 0;
    const long v = std::strtol(text, &stop, 10);
    if (stop != text && errno == 0 && v >= INT_MIN && v <= INT_MAX) *number = static_cast<int>(v);
}

}  // namespace

int NAD_Find_Section(FILE* stream, const char* header, const char* stop_key, int* number) {
    if (!stream || !header) return 0;
    const long start = std::ftell(stream);
    char line[Section_Line_Size];
    for (;;) {
        const int c = std::getc(stream);
        if (c == EOF) {
            std::clearerr(stream);
            if (start >= 0) std::fseek(stream, start, SEEK_SET);
            return 0;
        }
        std::ungetc(c, stream);
        Read_Line_Bounded(stream, line, Section_Line_Size);
        if (Starts_With(line, header)) {
            if (number) Store_Number(line + std::strlen(header), number);
            return 1;
        }
        if (stop_key && *stop_key && Starts_With(line, stop_key)) {
            if (start >= 0) std::fseek(stream, start, SEEK_SET);
            return 2;
        }
        // The trace shows every line that holds text besides its line end; empty lines are left out.
        if (NAD_Trace_Switch && line[0] != '\0') Print_To_Stream(stdout, "***** Spooling *****: %s\n", line);
    }
}
