#include "common/text_trim.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

constexpr int Static_Text_Size = 512;

bool Is_White(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

int Replace_Character(char* text, char from, char to) {
    if (!text) return 0;
    int n = 0;
    for (; text[n]; ++n)
        if (text[n] == from) text[n] = to;
    return n;
}

}  // namespace

int Trim_String(char* text, int flags) {
    if (!text || !*text) return 0;
    std::size_t n = std::strlen(text);
    if (flags & Trim_Trailing)
        while (n > 0 && Is_White(text[n - 1])) --n;
    text[n] = '\0';
    if (flags & Trim_Leading) {
        std::size_t k = 0;
        while (k < n && Is_White(text[k])) ++k;
        std::memmove(text, text + k, n - k + 1);
        n -= k;
    }
    return static_cast<int>(n);
}

int Copy_String_Trimmed(const char* text, char* buffer, int size, int flags) {
    if (!buffer || size < 1) return 0;
    const std::size_t width = static_cast<std::size_t>(size - 1);
    const std::size_t n = text ? strnlen(text, width) : 0;
    if (n > 0) std::memcpy(buffer, text, n);
    buffer[n] = '\0';
    std::size_t length = static_cast<std::size_t>(Trim_String(buffer, flags & (Trim_Leading | Trim_Trailing)));
    if (flags & Pad_To_Width) {
        std::memset(buffer + length, ' ', width - length);
        length = width;
        buffer[length] = '\0';
    }
    return static_cast<int>(length);
}

const char* Trim_Blanks_Static(const char* text) {
    static char copy[Static_Text_Size];
    const std::size_t n = text ? strnlen(text, Static_Text_Size - 1) : 0;
    if (n > 0) std::memcpy(copy, text, n);
    copy[n] = '\0';
    copy[Trimmed_Length(copy)] = '\0';
    const char* p = copy;
    while (*p == ' ') ++p;
    return p;
}

const char* Pad_Blanks_Static(const char* text, int width) {
    static char padded[Static_Text_Size];
    const std::size_t w = static_cast<std::size_t>(std::clamp(width, 0, Static_Text_Size - 1));
    const std::size_t n = text ? strnlen(text, w) : 0;
    if (n > 0) std::memcpy(padded, text, n);
    std::memset(padded + n, ' ', w - n);
    padded[w] = '\0';
    return padded;
}

int Trimmed_Length(const char* text) {
    if (!text) return 0;
    std::size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') --n;
    return static_cast<int>(n);
}

int Blanks_To_Question_Marks(char* text) { return Replace_Character(text, ' ', '?'); }

int Question_Marks_To_Blanks(char* text) { return Replace_Character(text, '?', ' '); }
