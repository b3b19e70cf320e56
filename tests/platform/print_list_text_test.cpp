#include "platform/printlist/print_list_text.h"

#include <gtest/gtest.h>

#include "common/cp437.h"

namespace {

// The pieces in short: [text] with its marks, "b" bold, "i" italic, "u" underlined, "_" lowered,
// "^" raised, "#rrggbb" coloured; "<tab>", "<rule a b f g>", "<frame code a b f g>".
std::string Describe(const Split_Text& split) {
    std::string s;
    for (const Text_Piece& p : split.pieces) {
        if (p.kind == Piece_Kind::Tab) {
            s += "<tab>";
            continue;
        }
        if (p.kind != Piece_Kind::Text) {
            char buffer[96];
            std::snprintf(buffer, sizeof buffer, p.kind == Piece_Kind::Rule ? "<rule %g %g %g %g>" : "<frame %g %g %g %g %g>",
                          p.kind == Piece_Kind::Rule ? p.numbers[1] : p.numbers[0],
                          p.kind == Piece_Kind::Rule ? p.numbers[2] : p.numbers[1],
                          p.kind == Piece_Kind::Rule ? p.numbers[3] : p.numbers[2],
                          p.kind == Piece_Kind::Rule ? p.numbers[4] : p.numbers[3], p.numbers[4]);
            s += buffer;
            continue;
        }
        s += "[" + p.text + "]";
        if (p.attributes.bold) s += "b";
        if (p.attributes.italic) s += "i";
        if (p.attributes.underline) s += "u";
        if (p.attributes.shift < 0) s += "_";
        if (p.attributes.shift > 0) s += "^";
        if (p.coloured) {
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", p.colour.r, p.colour.g, p.colour.b);
            s += buffer;
        }
    }
    if (split.malformed) s += " !" + std::to_string(split.malformed);
    return s;
}

}  // namespace

TEST(Print_List_Text, EscapesBecomePiecesWithTheirAttributes) {
    struct Case {
        const char* line;                  // as the source writes it, converted to CP437
        const char* pieces;
    } cases[] = {
        {"M╬\\B,d╬r = 12", "[M][B,d]_[ = 12]"},
        {"cm╬/2╬r", "[cm][2]^"},
        {"a╬/.╬rb", "[a][.]^[b]"},
        {"╬H╬@1.1. Eingabe╬r", "[1.1. Eingabe]b"},
        {"╬b╬_fett und unterstrichen╬r nur fett╬r normal", "[fett und unterstrichen]bu[ nur fett]b[ normal]"},
        {"╬B1╬r ╬u2╬r ╬S3╬r ╬s4╬r5", "[1]b[ ][2]u[ ][3]i[ ][4][5]"},
        {"1.╬tTitel", "[1.]<tab>[Titel]"},
        {"x╬Qy╬", "[xy]"},                           // unknown escape and a lone escape byte at the end
        {"╬r╬rtext", "[text]"},                      // ends of attributes never begun
        {"╬{C 1 40 140 255}╬Hok╬{C 768} x", "[ok]b#288cff[ x]"},
        {"╬{C 1 300 -5 12}rot", "[rot]#ff000c"},     // components held in 0..255
        {"╬{C 2}a╬{C 1 1}b", "[ab] !2"},
        {"vor ╬{C 1 230 0 0 offen", "[vor ] !1"},
        {"╬{╬L 0 -1 -1 0.5 0.5 }", "<rule -1 -1 0.5 0.5>"},
        {"a ╬{╬R 3843 1 4 0 1 } b", "[a ]<frame 3843 1 4 0 1>[ b]"},
        {"╬{╬L 0 nan 1 1 1}╬{X}", " !2"},
        {"║ ╗ └ ╔ ╠ ╓ ┌ ╕ ▓ ú ê ╝ ┼ ┴ î ² · ≤ ≥ « » Ä ß",
         "[α β γ π σ τ θ ψ Σ Δ ⇒ χ λ\u0304 η ⌀ ² ³ ≤ ≥ « » Ä ß]"},
        {"Tab\tund\x01Steuerzeichen", "[Tab undSteuerzeichen]"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Describe(Split_Print_List_Text(To_Cp437(c.line))), c.pieces) << c.line;
}

TEST(Print_List_Text, PlainTextLeavesOutEveryEscape) {
    EXPECT_EQ(Print_List_Plain_Text("╬@1. Schraubenverbindung"_cp), "1. Schraubenverbindung");
    EXPECT_EQ(Print_List_Plain_Text("╬H╬@2.1. Eingabe für └╬\\M0╬r╬r"_cp), "2.1. Eingabe für γM0");
    EXPECT_EQ(Print_List_Plain_Text("1.╬tTitel ╬{C 1 1 2 3}x╬{C 768}"_cp), "1. Titel x");
}
