#include "platform/host/format_number.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

constexpr int Max_Decimals = 15;

// Half away from zero at the decimals. The scaling runs in long double (64-bit significand), so
// that a value that is an exact decimal tie in binary (0.125, 2.5) rounds up in magnitude instead
// of to even as printf would.
double Round_Half_Away(double value, int decimals) {
    const long double scale = std::pow(10.0L, decimals);
    const long double scaled = static_cast<long double>(value) * scale;
    if (!std::isfinite(scaled)) return value;   // too large for the scale: already whole
    return static_cast<double>(std::roundl(scaled) / scale);
}

char* Unknown(char* buffer) {
    std::strcpy(buffer, "?");
    return buffer;
}

}  // namespace

char* formatNumber(double value, int flags, int width, int mode, int decimals, char* buffer) {
    if (!buffer) return nullptr;
    if (!std::isfinite(value)) return Unknown(buffer);
    const int d = std::clamp(decimals, 0, Max_Decimals);
    const double v = Round_Half_Away(value, d);
    char text[Format_Number_Buffer_Size];
    const int n = std::snprintf(text, sizeof text, "%.*f", d, v == 0 ? 0.0 : v);   // no "-0"
    if (n < 0 || n >= Format_Number_Buffer_Size) return Unknown(buffer);

    if (flags & Format_Number_Trim) {
        if (std::strchr(text, '.')) {
            char* end = text + n;
            while (end[-1] == '0') --end;
            if (end[-1] == '.') --end;
            *end = '\0';
        }
        std::strcpy(buffer, text);
        return buffer;
    }
    const int w = std::clamp(width, 0, Format_Number_Buffer_Size - 1);
    std::snprintf(buffer, Format_Number_Buffer_Size, "%*s", w, text);
    return buffer;
}
