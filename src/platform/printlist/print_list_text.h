// The in-line escapes of a print-list text line (the byte 0xCE and its code, or a group "╬{...}"),
// read into pieces of text with their attributes, tab jumps, rules and frames. The bytes become
// UTF-8 through the report font's signs of the CP437 seam.
//
//   ╬r ends the attribute begun last; ╬\ lowered and ╬/ raised small text; ╬H, ╬b and ╬B bold;
//   ╬_ and ╬u underlined; ╬S italic; ╬s an attribute that shows nothing; ╬@ nothing; ╬t the next
//   tab stop; ╬{C 1 r g b} colours the text from there, ╬{C 768} returns to black; ╬{╬L k a b f g}
//   a rule and ╬{╬R code a b f g} a frame; ╬{C 768} also ends the attributes begun after its
//   colour. Any other escape is skipped. Attributes and colour end with the line.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

struct Text_Attributes {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int shift = 0;                         // -1 lowered, +1 raised (small text)
};

struct Rgb8 {
    unsigned char r = 0, g = 0, b = 0;
};

enum class Piece_Kind { Text, Tab, Rule, Frame };

struct Text_Piece {
    Piece_Kind kind = Piece_Kind::Text;
    std::string text;                      // UTF-8
    Text_Attributes attributes;
    bool coloured = false;                 // colour of a ╬{C 1 r g b} in force
    Rgb8 colour;
    // Rule ╬{╬L k a b f g} and frame ╬{╬R code a b f g}: k or code, then a, b (cm from the left
    // edge of the row, -1 the edge itself) and f, g (height in the row, 0 top, 1 foot, -1 whole).
    std::array<double, 5> numbers{};
};

struct Split_Text {
    std::vector<Text_Piece> pieces;
    int malformed = 0;                     // groups left open or unreadable, skipped
};

Split_Text Split_Print_List_Text(std::string_view cp437);

// The text without its escapes, as UTF-8 (outline entries, captions of placeholders).
std::string Print_List_Plain_Text(std::string_view cp437);
