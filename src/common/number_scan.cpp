#include "common/number_scan.h"

#include <cctype>
#include <climits>
#include <cstdarg>
#include <cstring>
#include <string>

namespace {

// One piece of a format: the literal text before a conversion and the conversion itself.
struct Conversion {
    std::string piece;        // literal text and the conversion, as the library scanner takes it
    bool assigns = false;     // takes a pointer and counts in the result
    bool is_count = false;    // "%n"
    bool is_int = false;      // "%d" or "%i" without a length modifier: read as long and checked
};

// Splits off the next piece of the format; false when only literal text (or nothing) is left, which
// then stands in piece.
bool Next_Conversion(const char*& f, Conversion& c) {
    c = Conversion{};
    while (*f) {
        if (*f != '%') {
            c.piece += *f++;
            continue;
        }
        if (f[1] == '%') {
            c.piece += "%%";
            f += 2;
            continue;
        }
        const char* start = f++;
        const bool suppressed = *f == '*';
        if (suppressed) ++f;
        while (std::isdigit(static_cast<unsigned char>(*f))) ++f;
        const char* length = f;
        while (*f && std::strchr("hlLqjzt", *f)) ++f;
        const char conversion = *f;
        if (!conversion) {
            c.piece.append(start, f);
            return false;
        }
        if (conversion == '[') {
            ++f;
            if (*f == '^') ++f;
            if (*f == ']') ++f;
            while (*f && *f != ']') ++f;
        }
        if (*f) ++f;
        c.assigns = !suppressed && conversion != 'n';
        c.is_count = !suppressed && conversion == 'n';
        c.is_int = c.assigns && length == f - 1 && (conversion == 'd' || conversion == 'i');
        if (c.is_int) {
            c.piece.append(start, f - 1);
            c.piece += 'l';
            c.piece += conversion;
        } else {
            c.piece.append(start, f);
        }
        return true;
    }
    return false;
}

// The scanner over a stream or a text: one piece at a time, with "%n" appended so that both a match
// and the characters it consumed are known.
struct Source {
    FILE* stream = nullptr;
    const char* text = nullptr;
    int consumed = 0;

    // Result: the library scanner's result; used is -1 when the piece did not match to its end.
    int Scan(const std::string& piece, void* target, int& used) {
        const std::string with_count = piece + "%n";
        used = -1;
        int n;
        if (stream)
            n = target ? std::fscanf(stream, with_count.c_str(), target, &used)
                       : std::fscanf(stream, with_count.c_str(), &used);
        else
            n = target ? std::sscanf(text + consumed, with_count.c_str(), target, &used)
                       : std::sscanf(text + consumed, with_count.c_str(), &used);
        if (used >= 0) consumed += used;
        return n;
    }
};

int Scan_Pieces(Source& source, const char* format, va_list args) {
    int assigned = 0;
    Conversion c;
    for (const char* f = format; Next_Conversion(f, c);) {
        if (c.is_count) {
            int used = -1;
            source.Scan(c.piece.substr(0, c.piece.size() - 2), nullptr, used);
            if (used < 0) return assigned;
            *va_arg(args, int*) = source.consumed;
            continue;
        }
        void* target = c.assigns ? va_arg(args, void*) : nullptr;
        long wide = 0;
        int used = -1;
        const int n = source.Scan(c.piece, c.is_int ? &wide : target, used);
        if (used < 0) return n == EOF && assigned == 0 ? EOF : assigned;
        if (c.is_int) {
            if (wide < INT_MIN || wide > INT_MAX) return assigned;
            *static_cast<int*>(target) = static_cast<int>(wide);
        }
        if (c.assigns) ++assigned;
    }
    // Literal text after the last conversion (often white space) is matched as the scanner would.
    if (!c.piece.empty()) {
        int used = -1;
        source.Scan(c.piece, nullptr, used);
    }
    return assigned;
}

}  // namespace

int Scan_Stream(FILE* stream, const char* format, ...) {
    if (!stream || !format) return EOF;
    Source source;
    source.stream = stream;
    va_list args;
    va_start(args, format);
    const int n = Scan_Pieces(source, format, args);
    va_end(args);
    return n;
}

int Scan_Text(const char* text, const char* format, ...) {
    if (!text || !format) return EOF;
    Source source;
    source.text = text;
    va_list args;
    va_start(args, format);
    const int n = Scan_Pieces(source, format, args);
    va_end(args);
    return n;
}
