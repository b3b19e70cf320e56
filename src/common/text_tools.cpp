#include "common/text_tools.h"

#include <cstring>

char* Copy_String_Bounded(char* destination, const char* source, int size) {
    if (!destination || !source || size < 1) return destination;
    const auto limit = static_cast<std::size_t>(size);
    const std::size_t n = strnlen(source, limit - 1);
    std::memmove(destination, source, n);
    std::memset(destination + n, 0, limit - n);
    return destination;
}

char* Copy_Padded(char* destination, const char* source, int width) {
    if (!destination || width < 1) return destination;
    const auto w = static_cast<std::size_t>(width);
    const std::size_t n = source ? strnlen(source, w) : 0;
    if (n > 0) std::memmove(destination, source, n);
    std::memset(destination + n, ' ', w - n);
    destination[w] = '\0';
    return destination;
}

int Trim_Trailing_Blanks(char* text) {
    if (!text) return 0;
    int i = static_cast<int>(std::strlen(text)) - 1;
    for (; i >= 0; --i) {
        if (text[i] == ' ')
            text[i] = '\0';
        else if (text[i] != '\n' && text[i] != '\r')
            break;
    }
    return i;
}
