#include "common/cp437.h"

#include <array>
#include <cstring>

namespace {

void Append_Utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char32_t Code_Point_Of(unsigned char b) { return b < 0x80 ? b : cp437_detail::High_Half[b - 0x80]; }

// The combining mark of each byte's sign, 0 for none.
constexpr std::array<char32_t, 256> Sign_Marks = [] {
    std::array<char32_t, 256> marks{};
    for (const cp437_detail::Sign& s : cp437_detail::Display_Signs) marks[s.byte] = s.mark;
    return marks;
}();

// The CP437 bytes of a UTF-8 text; a character without a byte becomes `missing`, or is left out
// when `missing` is negative.
std::string Encode(std::string_view utf8, int missing) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const int b = cp437_detail::Byte_Of(cp437_detail::Decode_Utf8(utf8, i));
        if (b >= 0) out.push_back(static_cast<char>(b));
        else if (missing >= 0) out.push_back(static_cast<char>(missing));
    }
    return out;
}

}  // namespace

std::string To_Cp437(std::string_view utf8) { return Encode(utf8, '?'); }

std::string To_Cp437_Typed(std::string_view utf8) { return Encode(utf8, -1); }

std::string From_Cp437(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) Append_Utf8(out, Code_Point_Of(static_cast<unsigned char>(ch)));
    return out;
}

std::string From_Cp437_Signs(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        Append_Utf8(out, Cp437_Display_Code_Point(b));
        if (Sign_Marks[b]) Append_Utf8(out, Sign_Marks[b]);
    }
    return out;
}

namespace {

constexpr std::size_t Conversion_Size = 512;
using Conversion_Buffer = std::array<char, Conversion_Size>;

// The German letters: CP437 byte, Windows byte, HTML entity.
struct German_Letter {
    unsigned char cp437, windows;
    const char* html;
};
constexpr German_Letter German_Letters[] = {
    {0x8E, 196, "&Auml;"}, {0x99, 214, "&Ouml;"}, {0x9A, 220, "&Uuml;"}, {0xE1, 223, "&szlig;"},
    {0x84, 228, "&auml;"}, {0x94, 246, "&ouml;"}, {0x81, 252, "&uuml;"},
};

// A copy of at most 511 bytes of the text, each byte passed through the map.
template <typename Map>
const char* Convert_Bytes(Conversion_Buffer& out, const char* text, Map map) {
    std::size_t n = 0;
    for (; text && text[n] && n + 1 < Conversion_Size; ++n)
        out[n] = static_cast<char>(map(static_cast<unsigned char>(text[n])));
    out[n] = '\0';
    return out.data();
}

}  // namespace

const char* Windows_To_Cp437(const char* text) {
    static Conversion_Buffer out;
    return Convert_Bytes(out, text, [](unsigned char b) {
        for (const German_Letter& g : German_Letters)
            if (g.windows == b) return g.cp437;
        return b;
    });
}

const char* Cp437_To_Windows(const char* text) {
    static Conversion_Buffer out;
    return Convert_Bytes(out, text, [](unsigned char b) {
        for (const German_Letter& g : German_Letters)
            if (g.cp437 == b) return g.windows;
        return b;
    });
}

const char* Replace_Apostrophes(const char* text) {
    static Conversion_Buffer out;
    return Convert_Bytes(out, text, [](unsigned char b) { return b == '\'' ? static_cast<unsigned char>(180) : b; });
}

const char* Cp437_To_Html(const char* text) {
    // 503 characters and one entity of at most 7 fit the buffer with the terminator.
    constexpr std::size_t Limit = 503;
    static_assert(Limit + 7 < Conversion_Size);
    static Conversion_Buffer out;
    std::size_t n = 0;
    for (const char* p = text; p && *p && n <= Limit; ++p) {
        const char* entity = nullptr;
        for (const German_Letter& g : German_Letters)
            if (g.cp437 == static_cast<unsigned char>(*p)) entity = g.html;
        if (!entity) {
            out[n++] = *p;
            continue;
        }
        const std::size_t len = std::strlen(entity);
        std::memcpy(out.data() + n, entity, len);
        n += len;
    }
    out[n] = '\0';
    return out.data();
}
