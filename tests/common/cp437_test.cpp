#include "common/cp437.h"

#include <gtest/gtest.h>

TEST(Cp437, LiteralsConvertAtCompileTime) {
    EXPECT_EQ(std::string("Größe ≤ 5 m²"_cp), "Gr\x94\xE1" "e \xF3 5 m\xFD");
    EXPECT_EQ(std::string("«Deutschland»"_cp), "\xAE" "Deutschland\xAF");
    EXPECT_EQ(std::string("╬bF╬r γ ║ ╗ î"_cp), "\xCE" "bF\xCEr \xC0 \xBA \xBB \x8C");
    EXPECT_EQ(std::string("ÄÖÜäöüß"_cp), "\x8E\x99\x9A\x84\x94\x81\xE1");
    EXPECT_EQ(std::string("!§$%&/()=?"_cp), "!\x15$%&/()=?");   // the section sign at CP437's 0x15
    EXPECT_EQ(To_Cp437("§ 3"), "\x15 3");
}

TEST(Cp437, RunTimeConversionRoundTrips) {
    const std::string utf8 = "Schweißnaht «α» ≥ 1,0 · Öl";
    const std::string bytes = To_Cp437(utf8);
    EXPECT_EQ(bytes, "Schwei\xE1naht \xAE\xE0\xAF \xF2 1,0 \xFA \x99l");
    EXPECT_EQ(From_Cp437(bytes), utf8);
    EXPECT_EQ(To_Cp437("€"), "?");
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        EXPECT_EQ(To_Cp437(From_Cp437(one)), one) << b;
    }
}

// The report font's signs: every listed byte shows its sign, every other byte its CP437 glyph.
TEST(Cp437, ReportFontSignsShowTheFormulaSigns) {
    EXPECT_EQ(From_Cp437_Signs("\x86\x87\x88\x89\x8C\xA3\xB0\xB2\xB8\xBA\xBB\xBC\xBE\xC0\xC1\xC5\xC6\xC7\xC9\xCB\xCC\xD6\xDA\xFA"),
              "∥⊥⇒‰⌀Δθ" "Σψαβχεγη" "λ\u0304μνπρστθ³");
    EXPECT_EQ(From_Cp437_Signs("Größe ≤ 5 m² «Ä» ß"_cp), "Größe ≤ 5 m² «Ä» ß");
    EXPECT_EQ(From_Cp437_Signs(std::string("\xCE\xB1\xDB", 3)), "╬▒█");   // the escape byte and unmapped box signs
    EXPECT_EQ(Cp437_Display_Code_Point(0xC5), U'λ');                 // the screen draws the letter alone
}

TEST(Cp437, DisplaySignsReplaceTheirPositionsOnly) {
    struct Case {
        unsigned char byte;
        char32_t shown;
    };
    const Case cases[] = {
        {0x86, U'∥'}, {0x87, U'⊥'}, {0x88, U'⇒'}, {0x89, U'‰'}, {0x8C, U'⌀'}, {0xA3, U'Δ'},
        {0xB2, U'Σ'}, {0xBA, U'α'}, {0xBB, U'β'}, {0xBE, U'ε'}, {0xC0, U'γ'}, {0xC6, U'μ'},
        {0xCC, U'σ'}, {0xD6, U'τ'}, {0xDA, U'θ'}, {0xFA, U'³'},
        // CP437's own characters stay.
        {'A', U'A'}, {0x8E, U'Ä'}, {0xE1, U'ß'}, {0xF3, U'≤'}, {0xF2, U'≥'}, {0xFD, U'²'},
        {0xE0, U'α'}, {0xAE, U'«'}, {0xCE, U'╬'}, {0x85, U'à'}, {0xFB, U'√'},
    };
    for (const Case& c : cases) EXPECT_EQ(Cp437_Display_Code_Point(c.byte), c.shown) << int(c.byte);
}

TEST(CodePageConversion, GermanLettersBetweenCp437WindowsAndHtml) {
    EXPECT_STREQ(Cp437_To_Html("Größe"_cp), "Gr&ouml;&szlig;e");
    EXPECT_STREQ(Cp437_To_Html("ÄÖÜäöüß"_cp), "&Auml;&Ouml;&Uuml;&auml;&ouml;&uuml;&szlig;");
    // The Windows bytes of Ä Ö Ü ß ä ö ü and back, every other byte kept.
    const char windows[] = "\xC4\xD6\xDC\xDF\xE4\xF6\xFC \xE9 a";
    EXPECT_EQ(std::string(Windows_To_Cp437(windows)), std::string("\x8E\x99\x9A\xE1\x84\x94\x81 \xE9 a"));
    EXPECT_EQ(std::string(Cp437_To_Windows("\x8E\x99\x9A\xE1\x84\x94\x81 \x82 a")), std::string("\xC4\xD6\xDC\xDF\xE4\xF6\xFC \x82 a"));
    const std::string german = "Schweißnaht, Blechdicke für Ösen und Ärmel: Übergröße"_cp;
    const std::string there = Cp437_To_Windows(german.c_str());
    EXPECT_EQ(std::string(Windows_To_Cp437(there.c_str())), german);
    EXPECT_STREQ(Replace_Apostrophes("l'arc 'x'"), "l\xB4" "arc \xB4x\xB4");
}

TEST(CodePageConversion, LongTextsAreCutAndNullGivesEmpty) {
    const std::string a600(600, 'a');
    EXPECT_EQ(std::string(Windows_To_Cp437(a600.c_str())).size(), 511u);
    EXPECT_EQ(std::string(Cp437_To_Windows(a600.c_str())).size(), 511u);
    EXPECT_EQ(std::string(Replace_Apostrophes(a600.c_str())).size(), 511u);
    EXPECT_EQ(std::string(Cp437_To_Html(a600.c_str())).size(), 504u);
    std::string sz600;
    for (int k = 0; k < 600; ++k) sz600 += "ß"_cp;
    const std::string html = Cp437_To_Html(sz600.c_str());
    EXPECT_EQ(html.size(), 504u);   // 72 entities of 7
    EXPECT_EQ(html.substr(497), "&szlig;");
    // An entity that starts at 503 characters is still written whole: 503 'a' and one ü.
    const std::string edge = std::string(503, 'a') + "üa"_cp;
    EXPECT_EQ(std::string(Cp437_To_Html(edge.c_str())), std::string(503, 'a') + "&uuml;");
    for (const char* r : {Windows_To_Cp437(nullptr), Cp437_To_Windows(nullptr), Cp437_To_Html(nullptr),
                          Replace_Apostrophes(nullptr)})
        EXPECT_STREQ(r, "");
}
