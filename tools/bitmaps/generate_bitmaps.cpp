// Draws the program's own bitmap files with the host stand-in's screen primitives and writes them
// as 24-bit Windows bitmaps:
//
//   bitmap_generator HOST_FOLDER
//
// writes, under HOST_FOLDER, EXEC/Talvo-EC301/{Buttons,act_but,UComment,Glory3,schweisslast}.bmp,
// EXEC/Talvo-EC301/but_hinweise_reaktivieren.bmp, the stress-strain pictures
// EXEC/Talvo-EC301/tools/{bemop_fcd,bemop_fyk}.bmp and
// DATA/NAD/{Buttons,EuroFlags}.bmp with the pictures of the annex editor pages (NAD_Func*.bmp, the
// EN 1990 tables, EC5ZerazNads.bmp), and the dialog pages' button pictures. Every picture sits at the source coordinates and sizes at which
// the pages cut it, on the colour that the pages draw transparent. The output depends only on this
// program and the stand-in, so a run reproduces the committed files byte for byte.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/screen_fonts.h"
#include "platform/host/screen_surface.h"
#include "pages/annex_editor_ec0_tables.h"

namespace {

// Colours of the drawings (0xRRGGBB).
constexpr int Black = 0x000000, White = 0xFFFFFF, Grey_64 = 0x404040, Grey_128 = 0x808080, Grey_160 = 0xA0A0A0,
              Grey_200 = 0xC8C8C8, Grey_224 = 0xE0E0E0;
constexpr int Face = 0xECE9D8, Blue = 0x1E4FA0, Light_Blue = 0x8CB4E8, Red = 0xC83232, Light_Red = 0xF08C8C,
              Green = 0x2E8B3A, Light_Green = 0x9CD49C, Yellow = 0xF0C828, Plate_1 = 0xC4C4FF, Plate_2 = 0xD5D5FF,
              Weld = 0xC4D9C4, Paper = 0xFFFFFF;
// Backgrounds that the pages draw transparent.
constexpr int Strip_Key = 0xDBD5CB;    // 219, 213, 203: tab strip of the main window
constexpr int Sprite_Key = 0xC0C0C0;   // 192, 192, 192: toolbar sprites
constexpr int Area_Key = 0xFFFBF0;     // 255, 251, 240: the view areas' background
constexpr int Host_Key = 0xD4D0C8;     // 212, 208, 200: the annex sheets' buttons

[[noreturn]] void Fail(const std::string& text) {
    std::fprintf(stderr, "generate_bitmaps: %s\n", text.c_str());
    std::exit(1);
}

void Put16(std::vector<unsigned char>& b, unsigned v) {
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>(v >> 8 & 0xFF));
}

void Put32(std::vector<unsigned char>& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// The screen as a bottom-up 24-bit bitmap file.
void Write_Bmp(const std::filesystem::path& path) {
    const int w = NPIXEL_X, h = NPIXEL_Y;
    const std::uint32_t stride = static_cast<std::uint32_t>((w * 3 + 3) / 4 * 4);
    std::vector<unsigned char> b;
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + stride * h);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(w));
    Put32(b, static_cast<std::uint32_t>(h));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, stride * h);
    Put32(b, 2835);   // 72 dpi
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const auto c = static_cast<std::uint32_t>(Host_Pixel(x, y));
            b.push_back(static_cast<unsigned char>(c & 0xFF));
            b.push_back(static_cast<unsigned char>(c >> 8 & 0xFF));
            b.push_back(static_cast<unsigned char>(c >> 16 & 0xFF));
        }
        for (std::uint32_t k = static_cast<std::uint32_t>(w) * 3; k < stride; ++k) b.push_back(0);
    }
    std::filesystem::create_directories(path.parent_path());
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    if (!out || std::fwrite(b.data(), 1, b.size(), out) != b.size() || std::fclose(out) != 0)
        Fail("cannot write " + path.string());
}

void New_Picture(int width, int height, int background) {
    Host_Open_Screen(width, height);
    pxFgc(background);
    pxRect(0, 0, width - 1, height - 1);
    Init_RFont();
}

void Fill(int x1, int y1, int x2, int y2, int colour) {
    pxFgc(colour);
    pxRect(x1, y1, x2, y2);
}

void Frame(int x1, int y1, int x2, int y2, int colour) {
    pxFgc(colour);
    pxLine(x1, y1, x2, y1);
    pxLine(x2, y1, x2, y2);
    pxLine(x2, y2, x1, y2);
    pxLine(x1, y2, x1, y1);
}

void Line(int x1, int y1, int x2, int y2, int colour, int width = 1) {
    pxFgc(colour);
    pxTkLn(x1, y1, x2, y2, width);
}

void Polygon(std::initializer_list<int> points, int colour) {
    std::vector<int> xs, ys;
    for (auto p = points.begin(); p + 1 < points.end(); p += 2) xs.push_back(p[0]), ys.push_back(p[1]);
    pxFgc(colour);
    pxFill(static_cast<int>(xs.size()), xs.data(), ys.data());
}

void Disc(int x, int y, int r, int colour) {
    pxFgc(colour);
    pxArc(x, y, r, 0, 360, 1);
}

void Circle(int x, int y, int r, int colour) {
    pxFgc(colour);
    pxCrcl(x, y, r);
}

// A CP437 text with its first cell at x and its letters on the baseline y.
void Text(int x, int y, int font, int colour, const char* text) {
    Pop_RFont(font);
    pxFgc(colour);
    pxText(x, y, text, static_cast<int>(std::string(text).size()));
    Push_RFont();
}

void Centred_Text(int cx, int y, int font, int colour, const char* text) {
    Pop_RFont(font);
    const int width = RFONT_WIDTH * static_cast<int>(std::string(text).size());
    Push_RFont();
    Text(cx - width / 2, y, font, colour, text);
}

// Arrow from (x1, y1) to (x2, y2) with a filled head at the second end.
void Arrow(int x1, int y1, int x2, int y2, int colour, int width = 2) {
    Line(x1, y1, x2, y2, colour, width);
    const double dx = x2 - x1, dy = y2 - y1, n = std::max(1e-9, std::hypot(dx, dy));
    const double ux = dx / n, uy = dy / n;
    const int bx = static_cast<int>(std::lround(x2 - 9 * ux)), by = static_cast<int>(std::lround(y2 - 9 * uy));
    const int px = static_cast<int>(std::lround(4 * -uy)), py = static_cast<int>(std::lround(4 * ux));
    Polygon({x2, y2, bx + px, by + py, bx - px, by - py}, colour);
}

// ---------------------------------------------------------------------------------------------
// The main window's Buttons.bmp: the tab strip (0, 0) to (551, 47) on 219, 213, 203, then the
// toolbar sprites of 42 x 37 on 192, 192, 192.

constexpr int Tab_Pitch = 71;
constexpr int Tab_Centre = 33;   // the first tab's centre in the strip

void Tab_Icon(int tab, int cx) {
    const int x = cx - 7, y = 4;   // a 14 x 14 field
    switch (tab) {
        case 0:   // general settings: a sheet with lines
            Fill(x + 2, y, x + 11, y + 13, Paper);
            Frame(x + 2, y, x + 11, y + 13, Grey_64);
            for (int k = 0; k < 4; ++k) Line(x + 4, y + 3 + 3 * k, x + 9, y + 3 + 3 * k, Blue);
            break;
        case 1:   // bolted connection: a bolt with head and nut
            Fill(x + 1, y + 1, x + 12, y + 3, Grey_64);
            Fill(x + 5, y + 4, x + 8, y + 12, Grey_128);
            Fill(x + 3, y + 6, x + 10, y + 7, Plate_1);
            Fill(x + 2, y + 10, x + 11, y + 12, Grey_64);
            break;
        case 2:   // welded connection: two plates and a fillet weld
            Fill(x, y, x + 3, y + 13, Plate_1);
            Fill(x + 4, y + 7, x + 13, y + 10, Plate_2);
            Polygon({x + 4, y + 6, x + 4, y + 2, x + 8, y + 6}, Green);
            Frame(x, y, x + 3, y + 13, Grey_64);
            Frame(x + 4, y + 7, x + 13, y + 10, Grey_64);
            break;
        default: {   // T-stub: flange and web, with the force pulling or pressing
            Fill(x + 1, y + 9, x + 12, y + 11, Plate_1);
            Fill(x + 6, y + 3, x + 7, y + 8, Plate_2);
            Frame(x + 1, y + 9, x + 12, y + 11, Grey_64);
            if (tab == 3) Arrow(x + 10, y + 7, x + 10, y, Red, 1);
            else Arrow(x + 10, y, x + 10, y + 7, Red, 1);
            break;
        }
    }
}

void Draw_Tab_Strip() {
    struct Caption {
        const char* line1;
        const char* line2;
    };
    const Caption captions[] = {
        {"allgemein", ""}, {"Schrauben", ""}, {"Schweißen"_cp, ""}, {"T-Stummel", "Zug"}, {"T-Stummel", "Druck"},
    };
    for (int k = 0; k < 5; ++k) {
        const int cx = Tab_Centre + Tab_Pitch * k;
        Tab_Icon(k, cx);
        Centred_Text(cx, 30, 0x1000, Black, captions[k].line1);
        Centred_Text(cx, 42, 0x1000, Black, captions[k].line2);
    }
    Text(372, 22, 0x1001, Blue, "Basisverbindungen");
    Text(372, 38, 0x1000, Grey_64, "EN 1993-1-8");
}

enum class Sprite_State { normal, hover, disabled, pressed };

// One toolbar icon in a 28 x 28 field at (x, y); ink maps each colour for the state.
using Ink = int (*)(int);
int Coloured(int c) { return c; }
int Greyed(int c) { return c == Paper || c == White ? Grey_224 : Grey_160; }

void Toolbar_Icon(int icon, int x, int y, Ink ink) {
    switch (icon) {
        case 0:   // drucken: a printer with a sheet
            Fill(x + 7, y + 2, x + 20, y + 10, ink(Paper));
            Frame(x + 7, y + 2, x + 20, y + 10, ink(Grey_64));
            Fill(x + 2, y + 10, x + 25, y + 20, ink(Grey_128));
            Frame(x + 2, y + 10, x + 25, y + 20, ink(Grey_64));
            Fill(x + 6, y + 17, x + 21, y + 26, ink(Paper));
            Frame(x + 6, y + 17, x + 21, y + 26, ink(Grey_64));
            for (int k = 0; k < 2; ++k) Line(x + 9, y + 20 + 3 * k, x + 18, y + 20 + 3 * k, ink(Blue));
            Fill(x + 21, y + 12, x + 23, y + 13, ink(Green));
            break;
        case 1:   // sichern: a diskette
            Fill(x + 3, y + 2, x + 24, y + 25, ink(Blue));
            Fill(x + 7, y + 2, x + 20, y + 10, ink(Grey_224));
            Fill(x + 15, y + 3, x + 18, y + 9, ink(Grey_64));
            Fill(x + 6, y + 14, x + 21, y + 25, ink(Paper));
            for (int k = 0; k < 3; ++k) Line(x + 8, y + 17 + 3 * k, x + 19, y + 17 + 3 * k, ink(Light_Blue));
            Frame(x + 3, y + 2, x + 24, y + 25, ink(Grey_64));
            break;
        case 2:   // Hilfe: a question mark in a blue disc
            Disc(x + 14, y + 14, 12, ink(Blue));
            Circle(x + 14, y + 14, 12, ink(Grey_64));
            Text(x + 10, y + 19, 0x1001, ink(White), "?");
            Text(x + 11, y + 19, 0x1001, ink(White), "?");
            break;
        case 3:   // Ende: a door and an arrow leading out
            Fill(x + 3, y + 2, x + 15, y + 26, ink(Grey_224));
            Frame(x + 3, y + 2, x + 15, y + 26, ink(Grey_64));
            Polygon({x + 3, y + 2, x + 11, y + 5, x + 11, y + 26, x + 3, y + 26}, ink(0x8B5A2B));
            Fill(x + 9, y + 14, x + 10, y + 15, ink(Yellow));
            Arrow(x + 14, y + 14, x + 26, y + 14, ink(Red), 3);
            break;
        case 4:   // Vorschau: a page under a magnifying glass
            Fill(x + 3, y + 1, x + 19, y + 24, ink(Paper));
            Frame(x + 3, y + 1, x + 19, y + 24, ink(Grey_64));
            for (int k = 0; k < 5; ++k) Line(x + 6, y + 5 + 3 * k, x + 16, y + 5 + 3 * k, ink(Grey_128));
            Line(x + 19, y + 19, x + 26, y + 26, ink(0x8B5A2B), 3);
            Disc(x + 15, y + 15, 6, ink(Light_Blue));
            Circle(x + 15, y + 15, 6, ink(Grey_64));
            Circle(x + 15, y + 15, 7, ink(Grey_64));
            break;
        case 5:   // Druckeinstellung: a page with slide controls
            Fill(x + 2, y + 1, x + 18, y + 24, ink(Paper));
            Frame(x + 2, y + 1, x + 18, y + 24, ink(Grey_64));
            for (int k = 0; k < 3; ++k) {
                const int ly = y + 8 + 6 * k, kx = x + 8 + 5 * ((k + 1) % 3);
                Line(x + 12, ly, x + 26, ly, ink(Grey_64));
                Fill(kx + 6, ly - 2, kx + 8, ly + 2, ink(Red));
            }
            for (int k = 0; k < 4; ++k) Line(x + 5, y + 5 + 5 * k, x + 10, y + 5 + 5 * k, ink(Grey_128));
            break;
        default:   // nationaler Anhang: a document with the letters NA and a blue band
            Fill(x + 4, y + 1, x + 23, y + 26, ink(Paper));
            Frame(x + 4, y + 1, x + 23, y + 26, ink(Grey_64));
            Fill(x + 5, y + 2, x + 22, y + 7, ink(Blue));
            for (int k = 0; k < 5; ++k) Disc(x + 8 + 3 * k, y + 4, 0, ink(Yellow));
            Text(x + 6, y + 18, 0x1001, ink(Black), "NA");
            for (int k = 0; k < 2; ++k) Line(x + 7, y + 21 + 3 * k, x + 20, y + 21 + 3 * k, ink(Grey_128));
            break;
    }
}

void Toolbar_Sprite(int icon, int sx, int sy, Sprite_State state) {
    const int x1 = sx, y1 = sy, x2 = sx + 41, y2 = sy + 36;
    int dx = 0;
    if (state == Sprite_State::hover || state == Sprite_State::pressed) {
        const bool raised = state == Sprite_State::hover;
        Fill(x1 + 1, y1 + 1, x2 - 1, y2 - 1, raised ? 0xF4F2EA : 0xC8C4BA);
        Frame(x1, y1, x2, y2, Grey_128);
        pxFgc(raised ? White : Grey_64);
        pxLine(x1 + 1, y1 + 1, x2 - 1, y1 + 1);
        pxLine(x1 + 1, y1 + 1, x1 + 1, y2 - 1);
        pxFgc(raised ? Grey_160 : White);
        pxLine(x1 + 1, y2 - 1, x2 - 1, y2 - 1);
        pxLine(x2 - 1, y1 + 1, x2 - 1, y2 - 1);
        dx = raised ? 0 : 1;
    }
    if (state == Sprite_State::disabled) {
        Toolbar_Icon(icon, sx + 8, sy + 5, [](int) { return White; });
        Toolbar_Icon(icon, sx + 7, sy + 4, Greyed);
        return;
    }
    Toolbar_Icon(icon, sx + 7 + dx, sy + 4 + dx, Coloured);
}

void Draw_Main_Buttons(const std::filesystem::path& folder) {
    New_Picture(552, 202, Sprite_Key);
    Fill(0, 0, 551, 47, Strip_Key);
    Draw_Tab_Strip();
    // Sprite x by icon: drucken, sichern, Hilfe, Ende, Vorschau, Druckeinstellung, nationaler Anhang.
    const int sprite_x[] = {1, 87, 130, 173, 216, 259, 302};
    const Sprite_State states[] = {Sprite_State::normal, Sprite_State::hover, Sprite_State::disabled, Sprite_State::pressed};
    const int rows[] = {51, 89, 127, 165};
    for (int icon = 0; icon < 7; ++icon)
        for (int s = 0; s < 4; ++s) Toolbar_Sprite(icon, sprite_x[icon], rows[s], states[s]);
    Write_Bmp(folder / "Buttons.bmp");
}

// ---------------------------------------------------------------------------------------------
// Picture buttons: four frames of the button's size side by side, disabled, normal, hover, pressed.

enum Frame_Kind { Disabled = 0, Normal = 1, Hover = 2, Pressed = 3 };

// A round button of 36 x 36 with its symbol: 0 cancel, 1 help, 2 confirm.
void Round_Button(int symbol, int x, int y, Frame_Kind kind) {
    const int base[] = {Red, Blue, Green}, light[] = {Light_Red, Light_Blue, Light_Green};
    const int d = kind == Pressed ? 1 : 0;
    const int cx = x + 17 + d, cy = y + 17 + d;
    const int disc = kind == Disabled ? Grey_200 : kind == Hover ? light[symbol] : base[symbol];
    const int mark = kind == Disabled ? Grey_224 : White;
    Disc(cx + 1, cy + 1, 15, kind == Disabled ? Grey_224 : Grey_160);   // shadow
    Disc(cx, cy, 15, disc);
    Circle(cx, cy, 15, kind == Disabled ? Grey_160 : Grey_64);
    if (kind != Disabled && kind != Pressed) Disc(cx - 5, cy - 6, 3, kind == Hover ? White : light[symbol]);   // gloss
    switch (symbol) {
        case 0:
            Line(cx - 7, cy - 7, cx + 7, cy + 7, mark, 3);
            Line(cx - 7, cy + 7, cx + 7, cy - 7, mark, 3);
            break;
        case 1:
            Centred_Text(cx, cy + 5, 0x1001, mark, "?");
            Centred_Text(cx + 1, cy + 5, 0x1001, mark, "?");
            break;
        default:
            Line(cx - 8, cy, cx - 3, cy + 6, mark, 3);
            Line(cx - 3, cy + 6, cx + 8, cy - 7, mark, 3);
            break;
    }
}

void Draw_Glory(const std::filesystem::path& folder) {
    New_Picture(144, 108, Area_Key);
    for (int symbol = 0; symbol < 3; ++symbol)
        for (int f = 0; f < 4; ++f) Round_Button(symbol, 36 * f, 36 * symbol, static_cast<Frame_Kind>(f));
    Write_Bmp(folder / "Glory3.bmp");
}

void Draw_Action_Button(const std::filesystem::path& folder) {
    New_Picture(14, 14, Area_Key);
    Fill(1, 1, 12, 12, Blue);
    Frame(0, 1, 13, 12, Grey_64);
    Frame(1, 0, 12, 13, Grey_64);
    Polygon({5, 3, 10, 6, 10, 7, 5, 10}, White);
    Write_Bmp(folder / "act_but.bmp");
}

// The program-hints page's reactivation button, four frames of 212 x 21 side by side on the view
// areas' background: a hint sign (an "i" in a green disc) and the label on a framed face.
void Draw_Hints_Button(const std::filesystem::path& folder) {
    New_Picture(4 * 212, 21, Area_Key);
    for (int f = 0; f < 4; ++f) {
        const auto kind = static_cast<Frame_Kind>(f);
        const int x = 212 * f, d = kind == Pressed ? 1 : 0;
        Fill(x, 0, x + 211, 20, kind == Hover ? 0xF4F2EA : kind == Pressed ? 0xC8C4BA : Face);
        Frame(x, 0, x + 211, 20, kind == Disabled ? Grey_160 : kind == Hover ? Green : Grey_64);
        pxFgc(kind == Pressed ? Grey_128 : White);
        pxLine(x + 1, 1, x + 210, 1);
        pxLine(x + 1, 1, x + 1, 19);
        Disc(x + 14 + d, 10 + d, 7, kind == Disabled ? Grey_200 : Green);
        Centred_Text(x + 14 + d, 15 + d, 0x1000, White, "i");
        Centred_Text(x + 114 + d, 15 + d, 0x1000, kind == Disabled ? Grey_160 : Black, "Hinweise reaktivieren");
    }
    Write_Bmp(folder / "but_hinweise_reaktivieren.bmp");
}

void Draw_User_Comment(const std::filesystem::path& folder) {
    New_Picture(62, 66, Area_Key);
    Fill(8, 10, 48, 62, Grey_160);   // shadow
    Fill(5, 7, 45, 59, Paper);
    Frame(5, 7, 45, 59, Grey_64);
    for (int k = 0; k < 8; ++k) Line(9, 17 + 5 * k, 41, 17 + 5 * k, Light_Blue);
    for (int k = 0; k < 6; ++k) {   // spiral binding
        Circle(10 + 6 * k, 6, 2, Grey_64);
        Fill(9 + 6 * k, 7, 11 + 6 * k, 9, Grey_64);
    }
    Text(9, 26, 0x1002, Blue, "Notiz");
    // The pencil, lying across the sheet towards the lower left.
    Polygon({56, 14, 60, 18, 31, 47, 27, 43}, Yellow);
    Polygon({27, 43, 31, 47, 24, 50}, 0xE8C8A0);
    Polygon({24, 50, 26, 48, 27, 49}, Black);
    Polygon({56, 14, 60, 18, 61, 17, 57, 13}, Light_Red);
    Line(27, 43, 56, 14, Grey_64);
    Line(31, 47, 60, 18, Grey_64);
    Write_Bmp(folder / "UComment.bmp");
}

// The welded connection's plate forces: the attached plate, welded to the base plate, loaded at its
// free end by N, V∥, V⊥, M∥ and M⊥.
void Draw_Weld_Loads(const std::filesystem::path& folder) {
    New_Picture(291, 151, White);
    Fill(30, 12, 45, 138, Plate_1);
    Frame(30, 12, 45, 138, Black);
    Fill(46, 66, 190, 80, Plate_2);
    Frame(46, 66, 190, 80, Black);
    Polygon({46, 65, 46, 55, 56, 65}, Weld);
    Line(46, 55, 56, 65, Black);
    Polygon({46, 81, 46, 91, 56, 81}, Weld);
    Line(46, 91, 56, 81, Black);
    Text(70, 98, 0x1000, Grey_64, "Blech 2");
    Text(4, 150, 0x1000, Grey_64, "Blech 1");
    // N along the plate, V⊥ across it, V∥ out of the drawing (towards the viewer).
    Arrow(196, 73, 248, 73, Red);
    Text(252, 78, 0x1001, Red, "N");
    Arrow(190, 86, 190, 132, Red);
    Text(196, 128, 0x1001, Red, "V\x87");
    Circle(214, 40, 7, Red);
    Circle(214, 40, 6, Red);
    Disc(214, 40, 2, Red);
    Text(225, 45, 0x1001, Red, "V\x86");
    // M∥ turning about the axis of the weld, M⊥ as a moment vector with a double head.
    pxFgc(Blue);
    for (int k = 0; k < 2; ++k) pxArc(150, 73, 22 + k, 30, 120, 0);
    Polygon({126, 62, 123, 73, 133, 69}, Blue);
    Text(140, 44, 0x1001, Blue, "M\x86");
    Arrow(270, 130, 270, 95, Blue);
    Arrow(270, 112, 270, 88, Blue);
    Text(250, 146, 0x1001, Blue, "M\x87");
    Write_Bmp(folder / "schweisslast.bmp");
}

// ---------------------------------------------------------------------------------------------
// The waiting pictures in EXEC/Talvo-EC301, twelve frames side by side each.

// animsandclock.bmp: frames of 31 x 62 on 192, 192, 192; the sand runs from the upper bulb into the
// lower one over frames 0 to 10, frame 11 shows the glass turned half way.
void Draw_Sand_Clock(const std::filesystem::path& folder) {
    constexpr int W = 31, H = 62, Sand = 0xD8A838;
    New_Picture(12 * W, H, Sprite_Key);
    for (int k = 0; k < 12; ++k) {
        const int x = k * W;
        if (k == 11) {   // turning: the glass lies on its side
            Fill(x + 2, 27, x + 28, 34, Grey_128);
            Polygon({x + 4, 28, x + 15, 30, x + 15, 31, x + 4, 33}, Light_Blue);
            Polygon({x + 26, 28, x + 15, 30, x + 15, 31, x + 26, 33}, Light_Blue);
            continue;
        }
        Fill(x + 3, 2, x + 27, 5, Grey_128);     // caps
        Fill(x + 3, 56, x + 27, 59, Grey_128);
        Polygon({x + 5, 6, x + 25, 6, x + 16, 30, x + 14, 30}, Light_Blue);    // upper bulb
        Polygon({x + 14, 31, x + 16, 31, x + 25, 55, x + 5, 55}, Light_Blue);  // lower bulb
        const int top = 6 + 24 * k / 10;          // surface of the sand above
        if (top < 30) Polygon({x + 5 + (top - 6) * 9 / 24, top, x + 25 - (top - 6) * 9 / 24, top, x + 16, 30, x + 14, 30}, Sand);
        const int heap = 55 - 24 * k / 10;        // surface of the heap below
        if (heap < 55) Polygon({x + 5 + (55 - heap) * 9 / 24, heap, x + 25 - (55 - heap) * 9 / 24, heap, x + 25, 55, x + 5, 55}, Sand);
        if (k < 10) Line(x + 15, 30, x + 15, heap, Sand);   // the running thread of sand
        Line(x + 5, 6, x + 14, 30, Grey_64);
        Line(x + 25, 6, x + 16, 30, Grey_64);
        Line(x + 14, 31, x + 5, 55, Grey_64);
        Line(x + 16, 31, x + 25, 55, Grey_64);
    }
    Write_Bmp(folder / "animsandclock.bmp");
}

// Anima2.bmp: frames of 84 x 84 at (1 + 85 k, 1), framed grey on white; twelve dots on a circle,
// the bright one moving on by one dot per frame with a fading tail.
void Draw_Busy_Animation(const std::filesystem::path& folder) {
    constexpr int Side = 84, Pitch = 85;
    New_Picture(1 + 12 * Pitch, Side + 2, Grey_200);
    for (int k = 0; k < 12; ++k) {
        const int x = 1 + k * Pitch, cx = x + Side / 2, cy = 1 + Side / 2;
        Fill(x, 1, x + Side - 1, Side, White);
        for (int d = 0; d < 12; ++d) {
            const double a = d * std::numbers::pi / 6;
            const int px = cx + static_cast<int>(std::lround(28 * std::sin(a)));
            const int py = cy - static_cast<int>(std::lround(28 * std::cos(a)));
            const int behind = (k - d + 12) % 12;   // 0: the bright dot
            const int colour = behind == 0 ? Blue : behind == 1 ? 0x4A78C0 : behind == 2 ? Light_Blue : Grey_224;
            Disc(px, py, 6, colour);
        }
    }
    Write_Bmp(folder / "Anima2.bmp");
}

// ---------------------------------------------------------------------------------------------
// The dialog pages' buttons in EXEC/Talvo-EC301: the text-button backgrounds (512 x 18, the same in
// every column, so that a button of any width shows them alike whether stretched or cut), the
// import and delete strip SniGrImportButton.bmp (frames of 51 px: row 0 33 high on white, row 36
// 36 high on 198, 222, 228, row 76 36 high on white), the product mark SniTalvo.bmp (55 x 14 on
// white) and deskbuts.bmp with the explorer button (frames of 38 x 38 at row 250 on 255, 251, 240).

constexpr int Delete_Key = 0xC6DEE4;   // 198, 222, 228: behind the delete button
constexpr int Off_White = 0xFDFDFD;    // white that is drawn, on strips that leave white out

// A background from the top colour to the bottom colour, row by row.
void Text_Button_Background(const std::filesystem::path& folder, const char* file, int top, int bottom) {
    constexpr int W = 512, H = 18;
    New_Picture(W, H, top);
    for (int y = 0; y < H; ++y) {
        auto mix = [&](int shift) {
            const int a = top >> shift & 0xFF, b = bottom >> shift & 0xFF;
            return (a + (b - a) * y / (H - 1)) << shift;
        };
        Fill(0, y, W - 1, y, mix(16) | mix(8) | mix(0));
    }
    Write_Bmp(folder / file);
}

void Draw_Text_Button_Backgrounds(const std::filesystem::path& folder) {
    Text_Button_Background(folder, "TextButtonBg.bmp", 0xFAF9F4, 0xDCD8CC);
    Text_Button_Background(folder, "TextButtonBg_ro.bmp", 0xF2F7FF, 0xBCD2F0);
    Text_Button_Background(folder, "TextButtonBgInaktive.bmp", 0xF0F0F0, 0xE4E4E4);
    Text_Button_Background(folder, "TextButtonBgInaktive_ro.bmp", 0xF4F4F4, 0xE8E8E8);
}

// The face of a picture button frame from (x, y), w x h, on the strip's background: a rounded
// plate, raised when hovered, sunk when pressed, pale when disabled. Returns the shift of the symbol.
int Picture_Button_Face(int x, int y, int w, int h, Frame_Kind kind) {
    const int fill = kind == Disabled ? 0xF0F0F0 : kind == Hover ? 0xF4F8FF : kind == Pressed ? 0xD8D4CA : Face;
    Fill(x + 2, y + 1, x + w - 3, y + h - 2, fill);
    Fill(x + 1, y + 2, x + w - 2, y + h - 3, fill);
    pxFgc(kind == Disabled ? Grey_200 : kind == Hover ? Blue : Grey_128);
    pxLine(x + 2, y, x + w - 3, y);
    pxLine(x + 2, y + h - 1, x + w - 3, y + h - 1);
    pxLine(x, y + 2, x, y + h - 3);
    pxLine(x + w - 1, y + 2, x + w - 1, y + h - 3);
    pxDot(x + 1, y + 1), pxDot(x + w - 2, y + 1), pxDot(x + 1, y + h - 2), pxDot(x + w - 2, y + h - 2);
    pxFgc(kind == Pressed ? Grey_160 : Off_White);
    pxLine(x + 2, y + 1, x + w - 3, y + 1);
    pxLine(x + 1, y + 2, x + 1, y + h - 3);
    return kind == Pressed ? 1 : 0;
}

// Ink of a symbol: its own colour, or a pale grey on a disabled frame; paper is never the white
// that the strip leaves out.
int Symbol_Ink(Frame_Kind kind, int colour) {
    if (kind == Disabled) return colour == Paper ? 0xF8F8F8 : Grey_200;
    return colour == Paper ? Off_White : colour;
}

// A sheet of paper from (x1, y1) to (x2, y2) with rows ruled 4 px apart from y1 + 4, 2 px in from its sides.
void Ruled_Sheet(int x1, int y1, int x2, int y2, int rows, Frame_Kind kind) {
    Fill(x1, y1, x2, y2, Symbol_Ink(kind, Paper));
    Frame(x1, y1, x2, y2, Symbol_Ink(kind, Grey_64));
    for (int k = 0; k < rows; ++k) Line(x1 + 2, y1 + 4 + 4 * k, x2 - 2, y1 + 4 + 4 * k, Symbol_Ink(kind, Grey_128));
}

// Row 0: values taken over from a component of the host: a component box with an arrow to a table.
void Host_Import_Symbol(int x, int y, Frame_Kind kind) {
    Fill(x + 4, y + 8, x + 22, y + 22, Symbol_Ink(kind, Light_Blue));
    Frame(x + 4, y + 8, x + 22, y + 22, Symbol_Ink(kind, Blue));
    Text(x + 6, y + 19, 0x1002, Symbol_Ink(kind, Blue), "VEK");
    Arrow(x + 23, y + 15, x + 32, y + 15, Symbol_Ink(kind, Green), 2);
    Ruled_Sheet(x + 34, y + 6, x + 46, y + 24, 4, kind);
}

// Row 36: all load cases deleted: a list of rows struck through with a red cross.
void Delete_Symbol(int x, int y, Frame_Kind kind) {
    Ruled_Sheet(x + 12, y + 6, x + 33, y + 29, 5, kind);
    Line(x + 27, y + 16, x + 41, y + 30, Symbol_Ink(kind, Red), 3);
    Line(x + 27, y + 30, x + 41, y + 16, Symbol_Ink(kind, Red), 3);
}

// Row 76: values read from a text file: a sheet marked "ASCII" with an arrow into a table.
void File_Import_Symbol(int x, int y, Frame_Kind kind) {
    Polygon({x + 3, y + 6, x + 23, y + 6, x + 28, y + 11, x + 28, y + 29, x + 3, y + 29}, Symbol_Ink(kind, Paper));
    Frame(x + 3, y + 6, x + 28, y + 29, Symbol_Ink(kind, Grey_64));
    Text(x + 4, y + 21, 0x1002, Symbol_Ink(kind, Black), "ASCII");
    Arrow(x + 29, y + 18, x + 36, y + 18, Symbol_Ink(kind, Green), 2);
    Ruled_Sheet(x + 37, y + 9, x + 47, y + 27, 4, kind);
}

void Draw_Import_Buttons(const std::filesystem::path& folder) {
    constexpr int W = 51;
    New_Picture(4 * W, 112, White);
    Fill(0, 36, 4 * W - 1, 71, Delete_Key);
    for (int f = 0; f < 4; ++f) {
        const auto kind = static_cast<Frame_Kind>(f);
        const int x = W * f;
        int d = Picture_Button_Face(x, 0, W, 33, kind);
        Host_Import_Symbol(x + d, 0 + d, kind);
        d = Picture_Button_Face(x, 36, W, 36, kind);
        Delete_Symbol(x + d, 36 + d, kind);
        d = Picture_Button_Face(x, 76, W, 36, kind);
        File_Import_Symbol(x + d, 76 + d, kind);
    }
    Write_Bmp(folder / "SniGrImportButton.bmp");
}

void Draw_Product_Mark(const std::filesystem::path& folder) {
    New_Picture(55, 14, White);
    Fill(0, 2, 3, 11, Red);
    Text(6, 11, 0x1001, Blue, "Talvo");
    Text(7, 11, 0x1001, Blue, "Talvo");
    Line(6, 13, 54, 13, Red);
    Write_Bmp(folder / "SniTalvo.bmp");
}

// deskbuts.bmp: the explorer button at row 250, a folder under a magnifying glass.
void Draw_Desk_Buttons(const std::filesystem::path& folder) {
    constexpr int W = 38, Row = 250;
    New_Picture(4 * W, Row + W, Area_Key);
    for (int f = 0; f < 4; ++f) {
        const auto kind = static_cast<Frame_Kind>(f);
        const int x = W * f, d = Picture_Button_Face(x, Row, W, W, kind), y = Row + d;
        Polygon({x + d + 5, y + 10, x + d + 13, y + 10, x + d + 16, y + 13, x + d + 30, y + 13, x + d + 30, y + 29, x + d + 5, y + 29},
                Symbol_Ink(kind, Yellow));
        Frame(x + d + 5, y + 13, x + d + 30, y + 29, Symbol_Ink(kind, 0x8B5A2B));
        Disc(x + d + 21, y + 20, 6, Symbol_Ink(kind, Light_Blue));
        Circle(x + d + 21, y + 20, 6, Symbol_Ink(kind, Grey_64));
        Line(x + d + 25, y + 25, x + d + 32, y + 32, Symbol_Ink(kind, Grey_64), 3);
    }
    Write_Bmp(folder / "deskbuts.bmp");
}

// ---------------------------------------------------------------------------------------------
// The annex sheets' NAD\Buttons.bmp on 212, 208, 200: text buttons of 80 x 22 at rows 435
// ("abbrechen") and 458 ("ok"), the selection badge of 42 x 8 at row 577, the edit button of 9 x 7
// at row 587 and the document button of 40 x 41 at row 598, each in four frames.

void Framed_Face(int x1, int y1, int x2, int y2, Frame_Kind kind) {
    Fill(x1, y1, x2, y2, kind == Hover ? 0xF4F2EA : kind == Pressed ? 0xC8C4BA : Face);
    Frame(x1, y1, x2, y2, kind == Disabled ? Grey_160 : kind == Hover ? Blue : Grey_64);
    pxFgc(kind == Pressed ? Grey_128 : White);
    pxLine(x1 + 1, y1 + 1, x2 - 1, y1 + 1);
    pxLine(x1 + 1, y1 + 1, x1 + 1, y2 - 1);
}

void Text_Button(const char* label, int y, Frame_Kind kind) {
    const int x = 80 * kind, d = kind == Pressed ? 1 : 0;
    Framed_Face(x + 1, y + 1, x + 78, y + 20, kind);
    Centred_Text(x + 40 + d, y + 15 + d, 0x1000, kind == Disabled ? Grey_160 : Black, label);
}

void Draw_Annex_Buttons(const std::filesystem::path& folder) {
    New_Picture(320, 639, Host_Key);
    for (int f = 0; f < 4; ++f) {
        const auto kind = static_cast<Frame_Kind>(f);
        const int d = kind == Pressed ? 1 : 0;
        Text_Button("abbrechen", 435, kind);
        Text_Button("ok", 458, kind);
        // Selection badge: a small bar with the letters of the annex.
        const int bx = 42 * f;
        Fill(bx + 1, 577, bx + 40, 584, kind == Disabled ? Grey_200 : Blue);
        Text(bx + 12, 583, 0x1002, kind == Disabled ? White : Yellow, "NAD");
        // Edit button: a pencil stroke on a small face.
        const int ex = 9 * f;
        Fill(ex, 587, ex + 8, 593, kind == Hover ? 0xF4F2EA : Face);
        Frame(ex, 587, ex + 8, 593, kind == Disabled ? Grey_160 : Grey_64);
        Line(ex + 2 + d, 591 + d, ex + 6 + d, 589 + d, kind == Disabled ? Grey_160 : Red);
        // Document button: a sheet with a flag and a pointing arrow.
        const int x = 40 * f;
        Framed_Face(x, 598, x + 39, 638, kind);
        Fill(x + 9 + d, 602 + d, x + 27 + d, 632 + d, kind == Disabled ? Grey_224 : Paper);
        Frame(x + 9 + d, 602 + d, x + 27 + d, 632 + d, kind == Disabled ? Grey_160 : Grey_64);
        Fill(x + 12 + d, 606 + d, x + 24 + d, 611 + d, kind == Disabled ? Grey_200 : Black);
        Fill(x + 12 + d, 612 + d, x + 24 + d, 616 + d, kind == Disabled ? Grey_160 : Red);
        Fill(x + 12 + d, 617 + d, x + 24 + d, 621 + d, kind == Disabled ? Grey_200 : Yellow);
        Arrow(x + 33 + d, 634 + d, x + 23 + d, 624 + d, kind == Disabled ? Grey_160 : Blue, 2);
    }
    Write_Bmp(folder / "Buttons.bmp");
}

// Flags of the annex list, 25 x 19 at rows 19 t for country type t: 18 Germany's tricolour, 19 the
// European standard set (twelve stars on blue), 17 the local definitions, the others a plain field
// with their number.
void Draw_Flags(const std::filesystem::path& folder) {
    New_Picture(26, 380, Area_Key);
    for (int t = 0; t < 20; ++t) {
        const int y = 19 * t;
        switch (t) {
            case 18:
                Fill(0, y, 24, y + 5, Black);
                Fill(0, y + 6, 24, y + 12, 0xDD0000);
                Fill(0, y + 13, 24, y + 18, 0xFFCE00);
                break;
            case 19:
                Fill(0, y, 24, y + 18, 0x003399);
                for (int k = 0; k < 12; ++k) {
                    const double a = k * 3.14159265358979323846 / 6;
                    pxFgc(0xFFCC00);
                    pxDot(12 + static_cast<int>(std::lround(6 * std::cos(a))), y + 9 - static_cast<int>(std::lround(6 * std::sin(a))));
                }
                break;
            case 17:
                Fill(0, y, 24, y + 18, Paper);
                Centred_Text(12, y + 12, 0x1002, Red, "LOK");
                break;
            default: {
                Fill(0, y, 24, y + 18, 0xDCE6F0);
                char number[4];
                std::snprintf(number, sizeof number, "%d", t);
                Centred_Text(12, y + 12, 0x1002, Blue, number);
                break;
            }
        }
        Frame(0, y, 24, y + 18, Grey_64);
    }
    Write_Bmp(folder / "EuroFlags.bmp");
}


// ---------------------------------------------------------------------------------------------
// The annex editor pages' pictures in DATA/NAD: the formula pictures NAD_Func*.bmp of the EN 1992
// page (176 x 36 on white, which the page draws transparent), the table pictures of the EN 1990 page
// (drawn from the page's own table layout, so that its fields stand on the cells) and the sprite
// sheet EC5ZerazNads.bmp of the EN 1995 page (nine strips on 255, 251, 240).

// A formula picture: the clause's formula on one or two lines in the screen's technical signs.
void Formula_Picture(const std::filesystem::path& folder, const char* file, const char* line1, const char* line2) {
    New_Picture(176, 36, White);
    Frame(0, 0, 175, 35, Grey_200);
    Fill(1, 1, 3, 34, Light_Blue);
    Text(8, line2 ? 15 : 22, 0x1000, Black, line1);
    if (line2) Text(8, 30, 0x1000, Black, line2);
    Write_Bmp(folder / file);
}

void Draw_Formula_Pictures(const std::filesystem::path& folder) {
    struct Formula {
        const char* file;
        const char* line1;
        const char* line2;
    };
    const Formula formulas[] = {
        {"NAD_Func1.bmp", "δ ≥ k1 + k2∙xu/d"_cp, "δ ≥ k3 + k4∙xu/d"_cp},
        {"NAD_Func2a.bmp", "vmin = x/γc∙k^1.5∙fck^0.5"_cp, nullptr},
        {"NAD_Func2b.bmp", "Ç = x ∙ (1 - fck/250)"_cp, nullptr},
        {"NAD_Func2c.bmp", "vl,min=x/γc∙k^1.5∙flck^0.5"_cp, nullptr},
        {"NAD_Func2d.bmp", "Çl = x ∙ ┴1 ∙ (1 - flck/250)"_cp, nullptr},
        {"NAD_Func3a.bmp", "As,min = x ∙ NEd / fyd"_cp, "As,min ≥ min A ∙ Ac"_cp},
        {"NAD_Func3b.bmp", "As,vmin = x ∙ Ac"_cp, nullptr},
        {"NAD_Func4.bmp", "┼c = Grenzwert oder"_cp, "┼c = 2 - x∙(┌/100)"_cp},
        {"NAD_Func5.bmp", "As,min = x∙fctm/fyk∙bt∙d"_cp, "As,min ≥ 0.0013 ∙ bt ∙ d"_cp},
        {"NAD_Func6.bmp", "╦w,min = x ∙ √fck / fyk"_cp, nullptr},
        {"NAD_Func7a.bmp", "Ç1 = x ∙ (1 - fck/250)"_cp, nullptr},
        {"NAD_Func7b.bmp", "Ç1l = x∙┴1∙(1 - flck/250)"_cp, nullptr},
        {"NAD_Func8.bmp", "┼lim = x / √n"_cp, "n = NEd / (Ac ∙ fcd)"_cp},
    };
    for (const Formula& f : formulas) Formula_Picture(folder, f.file, f.line1, f.line2);
}

// ---------------------------------------------------------------------------------------------
// The stress-strain pictures of the free materials in EXEC/Talvo-EC301/tools, on 239, 253, 238
// (drawn transparent): the concrete's parabola-rectangle law with f_cd, 221 x 193, beside the rows
// of its parameters; the reinforcing steel's bilinear law with hardening, 217 x 142.
constexpr int Material_Key = 0xEFFDEE;

// A symbol with its index below right; returns the x after the index.
int Indexed(int x, int y, int colour, const char* symbol, const char* index) {
    Text(x, y, 0x1000, colour, symbol);
    const int after = x + 6 * static_cast<int>(std::string(symbol).size());
    Text(after + 1, y + 3, 0x1002, colour, index);
    return after + 1 + 5 * static_cast<int>(std::string(index).size()) + 1;
}

void Dashed(int x1, int y1, int x2, int y2, int colour) {
    const double n = std::max(1.0, std::hypot(x2 - x1, y2 - y1));
    for (double t = 0; t < n; t += 6) {
        const double u = std::min(n, t + 3);
        Line(static_cast<int>(std::lround(x1 + (x2 - x1) * t / n)), static_cast<int>(std::lround(y1 + (y2 - y1) * t / n)),
             static_cast<int>(std::lround(x1 + (x2 - x1) * u / n)), static_cast<int>(std::lround(y1 + (y2 - y1) * u / n)),
             colour);
    }
}

void Draw_Concrete_Law(const std::filesystem::path& folder) {
    New_Picture(221, 193, Material_Key);
    // f_cd = alpha_cc * f_ck / gamma_c
    int x = Indexed(6, 14, Black, "f", "cd");
    Text(x + 2, 14, 0x1000, Black, "=");
    x = Indexed(x + 14, 14, Black, "α"_cp, "cc");
    Text(x + 1, 14, 0x1000, Black, "∙"_cp);
    x = Indexed(x + 9, 14, Black, "f", "ck");
    Text(x + 1, 14, 0x1000, Black, "/");
    Indexed(x + 9, 14, Black, "γ"_cp, "c");
    // sigma_c = f_cd [1 - (1 - eps_c / eps_c2)^n]
    x = Indexed(6, 32, Grey_64, "σ"_cp, "c");
    Text(x + 2, 32, 0x1000, Grey_64, "=");
    x = Indexed(x + 14, 32, Grey_64, "f", "cd");
    Text(x, 32, 0x1000, Grey_64, "[1-(1-");
    x = Indexed(x + 36, 32, Grey_64, "ε"_cp, "c");
    Text(x, 32, 0x1000, Grey_64, "/");
    x = Indexed(x + 6, 32, Grey_64, "ε"_cp, "c2");
    Text(x, 32, 0x1000, Grey_64, ")");
    Text(x + 6, 28, 0x1002, Grey_64, "n");
    Text(x + 11, 32, 0x1000, Grey_64, "]");

    const int ox = 24, oy = 168, top = 72, peak_x = 112, end_x = 184;
    Arrow(ox, oy, ox, 44, Grey_64, 1);
    Arrow(ox, oy, 212, oy, Grey_64, 1);
    Indexed(ox + 6, 52, Black, "σ"_cp, "c");
    Indexed(196, oy - 12, Black, "ε"_cp, "c");
    // The parabola up to eps_c2 (n = 2), the plateau to eps_cu2.
    int px = ox, py = oy;
    for (int k = 1; k <= 44; ++k) {
        const double e = k / 44.0;
        const int nx = ox + static_cast<int>(std::lround(e * (peak_x - ox)));
        const int ny = oy - static_cast<int>(std::lround((1 - (1 - e) * (1 - e)) * (oy - top)));
        Line(px, py, nx, ny, Blue, 2);
        px = nx, py = ny;
    }
    Line(peak_x, top, end_x, top, Blue, 2);
    Line(end_x, top, end_x, oy, Blue, 1);
    Dashed(ox, top, peak_x, top, Grey_128);
    Dashed(peak_x, top, peak_x, oy, Grey_128);
    Indexed(ox - 20, top + 4, Black, "f", "cd");
    Indexed(peak_x - 8, oy + 14, Black, "ε"_cp, "c2");
    Indexed(end_x - 12, oy + 14, Black, "ε"_cp, "cu2");
    Write_Bmp(folder / "bemop_fcd.bmp");
}

void Draw_Rebar_Law(const std::filesystem::path& folder) {
    New_Picture(217, 142, Material_Key);
    // f_yd = f_yk / gamma_s
    int x = Indexed(6, 14, Black, "f", "yd");
    Text(x + 2, 14, 0x1000, Black, "=");
    x = Indexed(x + 14, 14, Black, "f", "yk");
    Text(x + 1, 14, 0x1000, Black, "/");
    Indexed(x + 9, 14, Black, "γ"_cp, "s");

    const int ox = 24, oy = 118, yield_x = 56, yield_y = 58, end_x = 180, end_y = 42;
    Arrow(ox, oy, ox, 26, Grey_64, 1);
    Arrow(ox, oy, 210, oy, Grey_64, 1);
    Indexed(ox + 6, 34, Black, "σ"_cp, "s");
    Indexed(194, oy - 12, Black, "ε"_cp, "s");
    Line(ox, oy, yield_x, yield_y, Blue, 2);
    Line(yield_x, yield_y, end_x, end_y, Blue, 2);
    Dashed(ox, yield_y, yield_x, yield_y, Grey_128);
    Dashed(ox, end_y, end_x, end_y, Grey_128);
    Dashed(end_x, end_y, end_x, oy, Grey_128);
    Indexed(ox - 22, yield_y + 4, Black, "f", "yk");
    Indexed(ox - 22, end_y + 4, Black, "f", "tk");
    Indexed(end_x - 10, oy + 14, Black, "ε"_cp, "uk");
    Indexed(yield_x - 12, 96, Red, "E", "s");
    Write_Bmp(folder / "bemop_fyk.bmp");
}

// One picture of the EN 1990 page with every table that stands in it.
void EC0_Picture(const std::filesystem::path& folder, const char* file) {
    const int height = NAD_EC0_Picture_Height(file);
    New_Picture(NAD_EC0_Picture_Width, height, White);
    for (int t = 0; t < NAD_EC0_Table_Count; ++t) {
        if (std::string(NAD_EC0_Table_File(t)) != file) continue;
        const int top = NAD_EC0_Table_Top(t), bottom = top + NAD_EC0_Table_Height(t) - 1;
        Fill(0, top, NAD_EC0_Picture_Width - 1, top + NAD_EC0_Title_Height - 1, 0x53D9BE);
        Text(4, top + 13, 0x1001, Black, NAD_EC0_Table_Title(t));
        const int head = top + NAD_EC0_Title_Height;
        Fill(0, head, NAD_EC0_Picture_Width - 1, head + NAD_EC0_Head_Height - 1, 0xDCF5EE);
        Text(4, head + 12, 0x1000, Black, "Einwirkung");
        const int columns = NAD_EC0_Table_Columns(t);
        for (int c = 0; c < columns; ++c) {
            const int x = NAD_EC0_Value_X + c * NAD_EC0_Column_Pitch;
            static const char* const gamma[2] = {"F,sup", "F,inf"};
            static const char* const psi[4] = {"0", "1", "2", "2E"};
            Text(x, head + 12, 0x1000, Black, columns == 2 ? "γ"_cp : "╕"_cp);
            Text(x + 7, head + 14, 0x1002, Black, columns == 2 ? gamma[c] : psi[c]);
        }
        for (int k = 0; k < NAD_EC0_Table_Rows(t); ++k) {
            const int y = NAD_EC0_Row_Top(t, k);
            Line(0, y, NAD_EC0_Picture_Width - 1, y, Grey_224);
            Text(4, y + 11, 0x1002, Black, NAD_EC0_Table_Label(t, k).c_str());
            if (const char* more = NAD_EC0_Table_Continuation(t, k)) Text(4, y + 11 + NAD_EC0_Line_Height, 0x1002, Black, more);
        }
        Line(NAD_EC0_Value_X - 3, head, NAD_EC0_Value_X - 3, bottom, Grey_160);
        Frame(0, top, NAD_EC0_Picture_Width - 1, bottom, Grey_128);
    }
    Write_Bmp(folder / std::filesystem::path(std::string(file).substr(4)));   // the name behind "NAD\"
}

void Draw_EC0_Pictures(const std::filesystem::path& folder) {
    for (const char* file : {"NAD\\NAD-Kbws.bmp", "NAD\\NAD_bridge_str_b.bmp", "NAD\\NAD_bridge_ausser.bmp",
                             "NAD\\NAD_bridge_erdbeben.bmp", "NAD\\NAD_bridge_gebrauch.bmp", "NAD\\NAD_bridge_str_psi.bmp",
                             "NAD\\NAD_bridge_fuss_psi.bmp", "NAD\\NAD_bridge_bahn_psi.bmp"})
        EC0_Picture(folder, file);
}

// A strip of the EN 1995 sprite sheet: a panel with its rule's heading and lines; the sketch is
// drawn by the caller into the panel's right part.
void EC5_Panel(int top, int width, int height, const char* heading, std::initializer_list<const char*> lines) {
    Fill(0, top, width - 1, top + height - 1, Paper);
    Frame(0, top, width - 1, top + height - 1, Grey_128);
    Fill(1, top + 1, width - 2, top + 16, 0xDCF5EE);
    Text(6, top + 13, 0x1001, Black, heading);
    int y = top + 32;
    for (const char* line : lines) {
        Text(8, y, 0x1000, Grey_64, line);
        y += 15;
    }
}

void Draw_EC5_Sprites(const std::filesystem::path& folder) {
    New_Picture(376, 1049, Area_Key);
    EC5_Panel(0, 368, 130, "Modifikationsbeiwerte k mod", {"Klasse der Lasteinwirkungsdauer", "ständig, lang, mittel, kurz,"_cp,
                                                           "sehr kurz", "je Nutzungsklasse 1, 2, 3"});
    for (int k = 0; k < 5; ++k) Fill(250, 100 - 14 * k, 262 + 18 * k, 108 - 14 * k, Light_Green);   // growing bars
    EC5_Panel(142, 368, 95, "Verformungsbeiwerte k def", {"Kriechen je Nutzungsklasse", "w fin = w inst (1 + k def)"});
    Arrow(300, 170, 300, 220, Red);
    EC5_Panel(244, 368, 60, "Grenzwerte der Durchbiegung", {"w  ≤  l / x"_cp});
    Line(200, 280, 340, 280, Grey_64, 3);
    Polygon({200, 282, 196, 290, 204, 290}, Grey_64);
    Polygon({340, 282, 336, 290, 344, 290}, Grey_64);
    pxFgc(Blue);
    pxArc(270, 230, 72, 255, 30, 0);
    EC5_Panel(310, 368, 105, "Rissfaktor k cr", {"wirksame Breite", "b ef = k cr ∙ b"_cp});
    Fill(240, 340, 300, 400, Plate_1);
    Frame(240, 340, 300, 400, Grey_64);
    Fill(250, 340, 290, 400, Plate_2);
    Line(240, 405, 300, 405, Red);
    Text(262, 412, 0x1002, Red, "b");
    EC5_Panel(418, 368, 123, "Torsion k shape", {"k shape = 1 + x h/b", "jedoch höchstens max"_cp});
    Fill(260, 445, 300, 525, Plate_1);
    Frame(260, 445, 300, 525, Grey_64);
    Text(305, 490, 0x1002, Blue, "h");
    Text(276, 535, 0x1002, Blue, "b");
    EC5_Panel(540, 376, 157, "Netto-Enddurchbiegung", {"w net,fin = w inst + w creep - w c", "charakteristische oder",
                                                       "quasiständige Kombination"_cp});
    Line(210, 660, 350, 660, Grey_64, 2);
    pxFgc(Red);
    pxArc(280, 560, 120, 235, 70, 0);
    EC5_Panel(700, 376, 129, "Kippschlankheit (Brettschichtholz)", {"bezogene Kippschlankheit", "┼ rel,m mit Faktor"_cp,
                                                                  "nach NCI Zu 6.3.3(2)"});
    Fill(260, 760, 340, 768, Plate_1);
    Arrow(300, 740, 300, 758, Red, 1);
    EC5_Panel(832, 376, 112, "Materialsicherheitsbeiwerte", {"γM Vollholz, Brettschichtholz"_cp, "außergewöhnlich, Brandschutz"_cp});
    EC5_Panel(940, 376, 109, "Regeln des nationalen Anhangs", {"Tabellen NA.1, NA.4, NA.15", "NA.7, NA.11, NA.20, NA.21",
                                                               "γM der Holzwerkstoffe"_cp});
    Write_Bmp(folder / "EC5ZerazNads.bmp");
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) Fail("usage: bitmap_generator HOST_FOLDER");
    const std::filesystem::path host = argv[1];
    const std::filesystem::path program = host / "EXEC" / "Talvo-EC301", annex = host / "DATA" / "NAD";
    Draw_Main_Buttons(program);
    Draw_Action_Button(program);
    Draw_Hints_Button(program);
    Draw_User_Comment(program);
    Draw_Glory(program);
    Draw_Weld_Loads(program);
    Draw_Concrete_Law(program / "tools");
    Draw_Rebar_Law(program / "tools");
    Draw_Sand_Clock(program);
    Draw_Busy_Animation(program);
    Draw_Text_Button_Backgrounds(program);
    Draw_Import_Buttons(program);
    Draw_Product_Mark(program);
    Draw_Desk_Buttons(program);
    Draw_Annex_Buttons(annex);
    Draw_Flags(annex);
    Draw_Formula_Pictures(annex);
    Draw_EC0_Pictures(annex);
    Draw_EC5_Sprites(annex);
    Exit_Grafik_Mode();
    return 0;
}
