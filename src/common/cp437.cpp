#include "common/cp437.h"

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
