// Writes the glyph tables of the host stand-in's screen faces (src/platform/host/screen_font_tables.cpp)
// from the X11 misc-fixed faces in BDF form:
//
//   generate_font_tables OUT.cpp 8x13.bdf 8x13B.bdf 6x13.bdf 5x8.bdf
//
// Every face gets 256 glyphs, one per CP437 byte, each the face's glyph of the character that the
// screen shows for the byte (Cp437_Display_Code_Point). Glyph rows are one byte wide, the leftmost
// pixel in bit 7; row 0 is the top of the cell, which spans the face's ascent rows down to the
// baseline row (BDF row y = 0, on which the letters stand) and its descent rows below. Control bytes
// (below 0x20 and 0x7F) stay blank. The bold face lacks a few signs (∥, ⊥, ⇒, ⌀ and the box-drawing
// characters); those take the regular face's glyph, since a widened stroke would close the gap of
// ∥. A character that a face lacks altogether takes the face's default glyph. The output depends
// only on the input files, so a run on the same faces reproduces the committed file byte for byte.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "common/cp437.h"

namespace {

struct Glyph {
    int w = 0, h = 0, xoff = 0, yoff = 0;
    std::vector<std::uint32_t> rows;   // BDF rows, top first, leftmost pixel in the highest used bit
};

struct Bdf_Face {
    int width = 0, ascent = 0, descent = 0, default_char = 0;
    std::string copyright;
    std::map<int, Glyph> glyphs;
};

[[noreturn]] void Fail(const std::string& text) {
    std::fprintf(stderr, "generate_font_tables: %s\n", text.c_str());
    std::exit(1);
}

Bdf_Face Read_Bdf(const std::string& path) {
    std::ifstream in(path);
    if (!in) Fail("cannot read " + path);
    Bdf_Face face;
    std::string line;
    int encoding = -1;
    Glyph glyph;
    bool in_bitmap = false;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        std::string key;
        words >> key;
        if (in_bitmap) {
            if (key == "ENDCHAR") {
                in_bitmap = false;
                if (encoding >= 0) face.glyphs[encoding] = glyph;
                continue;
            }
            // A row of hex digits, padded to whole bytes: keep the w leftmost bits.
            const std::uint32_t bits = static_cast<std::uint32_t>(std::stoul(key, nullptr, 16));
            const int padded = static_cast<int>(key.size()) * 4;
            glyph.rows.push_back(bits >> (padded - glyph.w));
            continue;
        }
        if (key == "FONTBOUNDINGBOX") words >> face.width;
        else if (key == "FONT_ASCENT") words >> face.ascent;
        else if (key == "FONT_DESCENT") words >> face.descent;
        else if (key == "DEFAULT_CHAR") words >> face.default_char;
        else if (key == "COPYRIGHT") face.copyright = line.substr(line.find('"'));
        else if (key == "STARTCHAR") glyph = Glyph{}, encoding = -1;
        else if (key == "ENCODING") words >> encoding;
        else if (key == "BBX") words >> glyph.w >> glyph.h >> glyph.xoff >> glyph.yoff;
        else if (key == "BITMAP") in_bitmap = true;
    }
    if (face.width < 1 || face.width > 8 || face.ascent < 1 || face.descent < 0)
        Fail("unexpected metrics in " + path);
    return face;
}

// The glyph placed in the face's cell: height rows of one byte, leftmost pixel in bit 7.
std::vector<std::uint8_t> Cell(const Bdf_Face& face, const Glyph& g) {
    const int height = face.ascent + face.descent;
    std::vector<std::uint8_t> cell(height, 0);
    for (int j = 0; j < g.h && j < static_cast<int>(g.rows.size()); ++j) {
        const int r = face.ascent - g.yoff - g.h + j;   // BDF row j lies at yoff + h - 1 - j above the baseline
        if (r < 0 || r >= height) continue;
        for (int i = 0; i < g.w; ++i) {
            const int x = g.xoff + i;
            if (x < 0 || x >= face.width) continue;
            if (g.rows[j] >> (g.w - 1 - i) & 1) cell[r] |= static_cast<std::uint8_t>(0x80 >> x);
        }
    }
    return cell;
}

struct Face_Output {
    const char* name;
    const char* table;
    Bdf_Face bdf;
    const Bdf_Face* fallback;   // face whose glyphs stand in for missing ones
};

std::string Utf8(char32_t c) {
    std::string out;
    if (c < 0x80) out += static_cast<char>(c);
    else if (c < 0x800) out += static_cast<char>(0xC0 | c >> 6), out += static_cast<char>(0x80 | (c & 0x3F));
    else
        out += static_cast<char>(0xE0 | c >> 12), out += static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            out += static_cast<char>(0x80 | (c & 0x3F));
    return out;
}

void Write_Face(std::FILE* out, const Face_Output& f) {
    const Bdf_Face& face = f.bdf;
    const int height = face.ascent + face.descent;
    std::fprintf(out, "constexpr std::uint8_t %s[256 * %d] = {\n", f.table, height);
    for (int b = 0; b < 256; ++b) {
        const char32_t c = Cp437_Display_Code_Point(static_cast<unsigned char>(b));
        std::vector<std::uint8_t> cell(height, 0);
        std::string note;
        if (b >= 0x20 && b != 0x7F) {
            if (auto it = face.glyphs.find(static_cast<int>(c)); it != face.glyphs.end()) {
                cell = Cell(face, it->second);
            } else if (f.fallback && f.fallback->glyphs.count(static_cast<int>(c))) {
                cell = Cell(*f.fallback, f.fallback->glyphs.at(static_cast<int>(c)));
                note = ", regular glyph";
            } else if (auto d = face.glyphs.find(face.default_char); d != face.glyphs.end()) {
                cell = Cell(face, d->second);
                note = ", default glyph";
                std::fprintf(stderr, "%s: U+%04X missing, default glyph used\n", f.name, static_cast<unsigned>(c));
            }
        }
        std::fprintf(out, "   ");
        for (std::uint8_t row : cell) std::fprintf(out, " 0x%02X,", row);
        if (b < 0x20 || b == 0x7F)
            std::fprintf(out, "  // 0x%02X control, blank\n", b);
        else
            std::fprintf(out, "  // 0x%02X U+%04X '%s'%s\n", b, static_cast<unsigned>(c), Utf8(c).c_str(), note.c_str());
    }
    std::fprintf(out, "};\n\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 6) Fail("usage: generate_font_tables OUT.cpp 8x13.bdf 8x13B.bdf 6x13.bdf 5x8.bdf");
    std::vector<Face_Output> faces = {
        {"8x13", "Face_8x13", Read_Bdf(argv[2]), nullptr},
        {"8x13B", "Face_8x13B", Read_Bdf(argv[3]), nullptr},
        {"6x13", "Face_6x13", Read_Bdf(argv[4]), nullptr},
        {"5x8", "Face_5x8", Read_Bdf(argv[5]), nullptr},
    };
    faces[1].fallback = &faces[0].bdf;
    for (const Face_Output& f : faces)
        if (f.bdf.copyright.find("Public domain") == std::string::npos) Fail(std::string(f.name) + " is not the public-domain face");

    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) Fail(std::string("cannot write ") + argv[1]);
    std::fprintf(out,
                 "// Glyph tables of the host stand-in's screen faces. Generated by\n"
                 "// tools/font_tables/generate_font_tables.cpp (make generate) from the X11 misc-fixed faces 8x13,\n"
                 "// 8x13B, 6x13 and 5x8; do not edit by hand.\n"
                 "//\n"
                 "// Licence of the misc-fixed faces: %s\n"
                 "//\n"
                 "// One glyph per CP437 byte, the character that the screen shows for it; each glyph is the cell's\n"
                 "// rows from the top, one byte per row, the leftmost pixel in bit 7.\n"
                 "#include \"platform/host/screen_font_tables.h\"\n\n"
                 "namespace {\n\n",
                 faces[0].bdf.copyright.c_str());
    for (const Face_Output& f : faces) Write_Face(out, f);
    std::fprintf(out, "}  // namespace\n\nconst Screen_Face Screen_Faces[Screen_Face_Count] = {\n");
    for (const Face_Output& f : faces)
        std::fprintf(out, "    {\"%s\", %d, %d, %d, %s},\n", f.name, f.bdf.width, f.bdf.ascent, f.bdf.descent, f.table);
    std::fprintf(out, "};\n");
    return std::fclose(out) == 0 ? 0 : 1;
}
