#include "common/stream_print.h"

#include <vector>

int Print_To_Stream_V(FILE* stream, const char* format, va_list args) {
    if (!stream || !format) return 0;
    return std::vfprintf(stream, format, args);
}

int Print_To_Stream(FILE* stream, const char* format, ...) {
    if (!stream) return 0;
    va_list args;
    va_start(args, format);
    const int n = Print_To_Stream_V(stream, format, args);
    va_end(args);
    return n;
}

std::string Format_Text_V(const char* format, va_list args) {
    if (!format) return {};
    char small[512];
    va_list again;
    va_copy(again, args);
    const int n = std::vsnprintf(small, sizeof small, format, args);
    if (n < 0) {
        va_end(again);
        return {};
    }
    if (static_cast<std::size_t>(n) < sizeof small) {
        va_end(again);
        return std::string(small, static_cast<std::size_t>(n));
    }
    std::vector<char> big(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(big.data(), big.size(), format, again);
    va_end(again);
    return std::string(big.data(), static_cast<std::size_t>(n));
}

std::string Format_Text(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string s = Format_Text_V(format, args);
    va_end(args);
    return s;
}
