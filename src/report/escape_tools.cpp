#include "report/escape_tools.h"

#include <array>
#include <cstdarg>
#include <cstdio>

namespace {

constexpr int Short_Buffer_Size = 100;
constexpr unsigned char Escape = 0xCE;

// Bytes 128 to 255: the OEM-to-ANSI mapping of code page 850 to Windows 1252, whose German letters,
// degree, squares and guillemets agree with code page 437; shades and blocks become "_", vertical
// lines the broken bar 0xA6, corners and junctions "+", horizontal lines "-".
constexpr std::array<unsigned char, 128> High_Half = {
    0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC, 0xC4, 0xC5,   // 0x80
    0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, 0xF8, 0xA3, 0xD8, 0xD7, 0x83,   // 0x90
    0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA, 0xBF, 0xAE, 0xAC, 0xBD, 0xBC, 0xA1, 0xAB, 0xBB,   // 0xA0
    0x5F, 0x5F, 0x5F, 0xA6, 0x2B, 0xC1, 0xC2, 0xC0, 0xA9, 0x2B, 0xA6, 0x2B, 0x2B, 0xA2, 0xA5, 0x2B,   // 0xB0
    0x2B, 0x2B, 0x2B, 0x2B, 0x2D, 0x2B, 0xE3, 0xC3, 0x2B, 0x2B, 0x2B, 0x2B, 0x2B, 0x2D, 0x2B, 0xA4,   // 0xC0
    0xF0, 0xD0, 0xCA, 0xCB, 0xC8, 0x69, 0xCD, 0xCE, 0xCF, 0x2B, 0x2B, 0x5F, 0x5F, 0xA6, 0xCC, 0x5F,   // 0xD0
    0xD3, 0xDF, 0xD4, 0xD2, 0xF5, 0xD5, 0xB5, 0xFE, 0xDE, 0xDA, 0xDB, 0xD9, 0xFD, 0xDD, 0xAF, 0xB4,   // 0xE0
    0xAD, 0xB1, 0x5F, 0xBE, 0xB6, 0xA7, 0xF7, 0xB8, 0xB0, 0xA8, 0xB7, 0xB9, 0xB3, 0xB2, 0x5F, 0x20,   // 0xF0
};

constexpr std::array<unsigned char, 256> Conversion = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 128; ++c) t[c] = static_cast<unsigned char>(c);
    t[0x0F] = 0xA4;   // the sun of the console font: currency sign
    t[0x14] = 0xB6;   // pilcrow
    t[0x15] = 0xA7;   // section sign
    for (int c = 0; c < 128; ++c) t[128 + c] = High_Half[c];
    return t;
}();

// The German texts keep their letters: ä ö ü Ä Ö Ü ß ° ² « ».
static_assert(Conversion[0x84] == 0xE4 && Conversion[0x94] == 0xF6 && Conversion[0x81] == 0xFC);
static_assert(Conversion[0x8E] == 0xC4 && Conversion[0x99] == 0xD6 && Conversion[0x9A] == 0xDC);
static_assert(Conversion[0xE1] == 0xDF && Conversion[0xF8] == 0xB0 && Conversion[0xFD] == 0xB2);
static_assert(Conversion[0xAE] == 0xAB && Conversion[0xAF] == 0xBB && Conversion[0xFF] == ' ');

void Strip(char* text) {
    char* out = text;
    const char* p = text;
    while (*p) {
        if (static_cast<unsigned char>(*p) != Escape) {
            *out++ = *p++;
            continue;
        }
        ++p;
        if (!*p) break;            // a lone escape byte at the very end
        if (*p != '{') {
            ++p;                   // the code byte
            continue;
        }
        while (*p && *p != '}' && *p != '\n') ++p;
        if (*p == '}') ++p;        // a line feed ends the group and stays
    }
    *out = '\0';
}

}  // namespace

const char* OLI_Format_Short(const char* format, ...) {
    static char buffer[Short_Buffer_Size];
    buffer[0] = '\0';
    if (!format) return buffer;
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0 || n >= Short_Buffer_Size) buffer[0] = '\0';
    return buffer;
}

unsigned char Report_To_Windows_Byte(unsigned char c) { return Conversion[c]; }

void OLI_Strip_Escapes(char* text, int strip, int convert) {
    if (!text) return;
    if (strip) Strip(text);
    if (convert)
        for (char* p = text; *p; ++p) *p = static_cast<char>(Conversion[static_cast<unsigned char>(*p)]);
}
