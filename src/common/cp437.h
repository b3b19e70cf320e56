// Code page 437: the one conversion point between the readable UTF-8 literals of the source and the
// CP437 bytes of every file, report line and message the program writes.
//
// Source literals are written with the characters that the files hold, e.g. "Größe", "≤", "«", and
// the print-list escape byte 0xCE as "╬". The report font shows some box-drawing positions as Greek
// letters ("║" is its α, "╗" its β); those are written with their CP437 glyphs. The one extension:
// "γ", which CP437 lacks, stands for 0xC0, the report font's γ; "§" is CP437's glyph of byte 0x15.
//
//   OLI_Printf(report, "%sBreite b = %.1lf mm ≤ %.1lf mm\n"_cp, ...);   // converted at compile time
//   std::string s = To_Cp437(utf8_text);                                 // converted at run time
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace cp437_detail {

// Unicode code points of the bytes 0x80 to 0xFF.
inline constexpr char32_t High_Half[128] = {
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'å', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ì', U'Ä', U'Å',
    U'É', U'æ', U'Æ', U'ô', U'ö', U'ò', U'û', U'ù', U'ÿ', U'Ö', U'Ü', U'¢', U'£', U'¥', U'₧', U'ƒ',
    U'á', U'í', U'ó', U'ú', U'ñ', U'Ñ', U'ª', U'º', U'¿', U'⌐', U'¬', U'½', U'¼', U'¡', U'«', U'»',
    U'░', U'▒', U'▓', U'│', U'┤', U'╡', U'╢', U'╖', U'╕', U'╣', U'║', U'╗', U'╝', U'╜', U'╛', U'┐',
    U'└', U'┴', U'┬', U'├', U'─', U'┼', U'╞', U'╟', U'╚', U'╔', U'╩', U'╦', U'╠', U'═', U'╬', U'╧',
    U'╨', U'╤', U'╥', U'╙', U'╘', U'╒', U'╓', U'╫', U'╪', U'┘', U'┌', U'█', U'▄', U'▌', U'▐', U'▀',
    U'α', U'ß', U'Γ', U'π', U'Σ', U'σ', U'µ', U'τ', U'Φ', U'Θ', U'Ω', U'δ', U'∞', U'φ', U'ε', U'∩',
    U'≡', U'±', U'≥', U'≤', U'⌠', U'⌡', U'÷', U'≈', U'°', U'∙', U'·', U'√', U'ⁿ', U'²', U'■', U'\u00A0',
};

// Code points that share a byte with a glyph of the table.
struct Alias { char32_t code; unsigned char byte; };
inline constexpr Alias Aliases[] = {
    {U'γ', 0xC0},   // report font's gamma
    {U'β', 0xE1},   // CP437 draws ß and β alike
    {U'μ', 0xE6},   // Greek mu and micro sign
    {U'Ω', 0xEA},   // ohm sign
    {U'∅', 0xED},   // empty set drawn as phi
    {U'§', 0x15},   // section sign: CP437's own glyph of the control position 0x15
};

// Decodes one UTF-8 sequence at text[i]; advances i. Returns 0xFFFFFFFF for a broken sequence.
constexpr char32_t Decode_Utf8(std::string_view text, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(text[i++]);
    if (b0 < 0x80) return b0;
    int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
    if (extra < 0) return 0xFFFFFFFF;
    char32_t c = b0 & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size()) return 0xFFFFFFFF;
        const auto b = static_cast<unsigned char>(text[i++]);
        if ((b & 0xC0) != 0x80) return 0xFFFFFFFF;
        c = (c << 6) | (b & 0x3F);
    }
    return c;
}

// The CP437 byte of a code point; -1 when CP437 has none.
constexpr int Byte_Of(char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    for (int k = 0; k < 128; ++k)
        if (High_Half[k] == c) return 0x80 + k;
    for (const Alias& a : Aliases)
        if (a.code == c) return a.byte;
    return -1;
}

constexpr std::size_t Encoded_Length(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); ++n) Decode_Utf8(text, i);
    return n;
}

// Compile-time literal: a text that CP437 cannot hold is a compile error (the throw is not constant).
template <std::size_t N>
struct Utf8_Literal {
    char text[N]{};
    constexpr Utf8_Literal(const char (&s)[N]) {
        for (std::size_t k = 0; k < N; ++k) text[k] = s[k];
    }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

template <Utf8_Literal S>
struct Cp437_Literal {
    static constexpr std::size_t Length = Encoded_Length(S.view());
    static constexpr std::array<char, Length + 1> Bytes = [] {
        std::array<char, Length + 1> out{};
        std::string_view in = S.view();
        std::size_t o = 0;
        for (std::size_t i = 0; i < in.size();) {
            const int b = Byte_Of(Decode_Utf8(in, i));
            if (b < 0) throw "character has no code page 437 byte";
            out[o++] = static_cast<char>(b);
        }
        return out;
    }();
};

// Positions that the screen fonts and the print-list viewer draw as technical signs instead of
// CP437's own glyph: the parallel and transverse signs of the weld stresses, the implication arrow,
// per mille, the diameter sign and the Greek letters of the formulas (those of the annex tables
// among them). The mark is a combining sign drawn over the letter where the viewer shows it: the
// bar of the relative slenderness λ̄.
struct Sign {
    unsigned char byte;
    char32_t code;
    char32_t mark = 0;
};
inline constexpr Sign Display_Signs[] = {
    {0x86, U'∥'}, {0x87, U'⊥'}, {0x88, U'⇒'}, {0x89, U'‰'}, {0x8C, U'⌀'}, {0xA3, U'Δ'},
    {0xB0, U'θ'}, {0xB2, U'Σ'}, {0xB8, U'ψ'}, {0xBA, U'α'}, {0xBB, U'β'}, {0xBC, U'χ'},
    {0xBE, U'ε'}, {0xC0, U'γ'}, {0xC1, U'η'}, {0xC5, U'λ', U'\u0304'}, {0xC6, U'μ'}, {0xC7, U'ν'},
    {0xC9, U'π'}, {0xCB, U'ρ'}, {0xCC, U'σ'}, {0xD6, U'τ'}, {0xDA, U'θ'}, {0xFA, U'³'},
};

}  // namespace cp437_detail

// The character that a screen or the print-list viewer shows for a CP437 byte: the technical sign
// of the display sign map where there is one, otherwise CP437's own character (umlauts, ß, ≤, ≥, ²).
// Bytes below 0x80 are ASCII.
constexpr char32_t Cp437_Display_Code_Point(unsigned char byte) {
    for (const cp437_detail::Sign& s : cp437_detail::Display_Signs)
        if (s.byte == byte) return s.code;
    return byte < 0x80 ? byte : cp437_detail::High_Half[byte - 0x80];
}

// "text"_cp: the CP437 bytes of a UTF-8 literal, converted at compile time, zero-terminated.
template <cp437_detail::Utf8_Literal S>
constexpr const char* operator""_cp() {
    return cp437_detail::Cp437_Literal<S>::Bytes.data();
}

// Run-time conversions. A character that CP437 lacks becomes '?'; every byte converts back.
std::string To_Cp437(std::string_view utf8);
std::string From_Cp437(std::string_view bytes);

// Typed or pasted text: a character that CP437 lacks is left out, never replaced, so that no
// stand-in byte reaches a text or a file.
std::string To_Cp437_Typed(std::string_view utf8);

// UTF-8 of CP437 bytes as the screen and the print-list viewer show them: each byte's display
// character with the mark of its sign.
std::string From_Cp437_Signs(std::string_view bytes);

// The Windows character set (code page 1252) and HTML. Each returns a static text of at most 511
// bytes, overwritten by the next call of the same conversion; a null text gives "".
// Windows_To_Cp437 and Cp437_To_Windows map the German letters Ä Ö Ü ß ä ö ü between the two code
// pages and keep every other byte; Replace_Apostrophes turns every "'" into the Windows acute accent
// (byte 180).
const char* Windows_To_Cp437(const char* text);
const char* Cp437_To_Windows(const char* text);
const char* Replace_Apostrophes(const char* text);
// The CP437 letters ä ö ü Ä Ö Ü ß as the HTML entities "&auml;" … "&szlig;"; copying stops once the
// output is longer than 503 characters.
const char* Cp437_To_Html(const char* text);
