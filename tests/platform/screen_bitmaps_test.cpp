// The host stand-in's bitmap files: decoding, the name search, transparent and partial copies, the
// placeholder of a missing or broken file, and PNG dumps of the screen.
#include "platform/host/screen_bitmaps.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/host/screen_png.h"
#include "platform/host/screen_surface.h"
#include "platform/bitmap_fixtures.h"
#include "platform/screen_picture.h"
#include "test_support.h"

namespace {

bool Decode(const std::string& file, Host_Bitmap& picture) {
    return Decode_Bmp({reinterpret_cast<const unsigned char*>(file.data()), file.size()}, picture);
}

// The sprite of the blit tests, 4 x 3, grey 192,192,192 where it is transparent.
constexpr std::uint32_t G = 0xC0C0C0, R = 0xFF0000, B = 0x0000FF;
const std::vector<std::vector<std::uint32_t>> Sprite = {{G, R, R, G}, {R, B, B, R}, {G, R, R, G}};

// EXEC and DATA pointing into a scratch folder.
struct Host_Folders {
    Scratch_Dir dir;
    Host_Folders() {
        setenv("EXEC", dir.file("EXEC").c_str(), 1);
        setenv("DATA", dir.file("DATA").c_str(), 1);
    }
    std::string program(const std::string& name) const { return dir.file("EXEC/Talvo-EC301/" + name); }
    std::string data(const std::string& name) const { return dir.file("DATA/" + name); }
};

}  // namespace

TEST(Bitmap_Decoding, EveryDepthBottomUpAndTopDown) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::uint32_t> pixels;   // rows from the top
    };
    const std::vector<std::uint32_t> two = {0x000000, 0xFF8000};
    std::vector<std::uint32_t> sixteen, full;
    for (std::uint32_t k = 0; k < 16; ++k) sixteen.push_back(k * 0x111111);
    for (std::uint32_t k = 0; k < 256; ++k) full.push_back(k << 8);
    const Case cases[] = {
        {"1 bit", Bmp(1, {{1, 0, 1}, {0, 1, 1}}, two), {0xFF8000, 0, 0xFF8000, 0, 0xFF8000, 0xFF8000}},
        {"1 bit, 9 wide", Bmp(1, {{0, 0, 0, 0, 0, 0, 0, 0, 1}}, two), {0, 0, 0, 0, 0, 0, 0, 0, 0xFF8000}},
        {"4 bits", Bmp(4, {{15, 3, 0}, {1, 2, 14}}, sixteen), {0xFFFFFF, 0x333333, 0, 0x111111, 0x222222, 0xEEEEEE}},
        {"8 bits", Bmp(8, {{255, 1, 128}}, full), {0x00FF00, 0x000100, 0x008000}},
        {"8 bits, short palette", Bmp(8, {{2, 0, 7}}, {0x0A0B0C, 0x010203, 0x112233}), {0x112233, 0x0A0B0C, 0}},
        {"24 bits", Bmp(24, {{0x102030, 0xA0B0C0, 0xFFFFFF}, {0x010203, 0, 0x808080}}),
         {0x102030, 0xA0B0C0, 0xFFFFFF, 0x010203, 0, 0x808080}},
        {"24 bits, top down", Bmp(24, {{0x102030, 0xA0B0C0}, {0x010203, 0}}, {}, true), {0x102030, 0xA0B0C0, 0x010203, 0}},
        {"32 bits", Bmp(32, {{0x102030}, {0xFEDCBA}}), {0x102030, 0xFEDCBA}},
    };
    for (const Case& c : cases) {
        Host_Bitmap p;
        ASSERT_TRUE(Decode(c.file, p)) << c.name;
        EXPECT_EQ(p.pixels, c.pixels) << c.name;
        EXPECT_EQ(static_cast<std::size_t>(p.width * p.height), c.pixels.size()) << c.name;
    }
}

TEST(Bitmap_Decoding, BrokenHeadersAreRefusedWithoutReadingPastTheEnd) {
    const std::string good = Bmp(24, Sprite);
    Host_Bitmap p;
    ASSERT_TRUE(Decode(good, p));
    for (std::size_t n = 0; n < good.size(); ++n) EXPECT_FALSE(Decode(good.substr(0, n), p)) << n;

    struct Case {
        const char* name;
        std::size_t at;
        int bytes;
        std::uint32_t value;
    };
    const Case cases[] = {
        {"signature", 0, 2, 0x4D42 + 1},
        {"offset past the end", 10, 4, 100000},
        {"offset inside the header", 10, 4, 20},
        {"core header", 14, 4, 12},
        {"header beyond the file", 14, 4, 0xFFFFFFF0},
        {"zero width", 18, 4, 0},
        {"negative width", 18, 4, 0xFFFFFFFD},
        {"huge width", 18, 4, 20000},
        {"zero height", 22, 4, 0},
        {"huge height", 22, 4, 0x80000000},
        {"two planes", 26, 2, 2},
        {"16 bits", 28, 2, 16},
        {"run-length compressed", 30, 4, 1},
        {"width beyond the pixel data", 18, 4, 5000},
    };
    for (const Case& c : cases) {
        std::string bad = good;
        if (c.bytes == 2) Put16(bad, c.at, c.value);
        else Put32(bad, c.at, c.value);
        EXPECT_FALSE(Decode(bad, p)) << c.name;
    }
    // 16384 x 1025 pixels of one bit: the file holds its rows, but the picture would pass 16 million pixels.
    std::string large = Bmp(1, {{0}}, {0, 0xFFFFFF});
    Put32(large, 18, 16384);
    Put32(large, 22, 1025);
    large.resize(54 + 8 + 2048 * 1025, '\0');
    EXPECT_FALSE(Decode(large, p));
    std::string palette = Bmp(8, {{0, 1}}, {0, 0xFFFFFF});
    Put32(palette, 46, 300);   // more colours than 8 bits can index
    EXPECT_FALSE(Decode(palette, p));
    Put32(palette, 46, 256);   // a full palette would overlap the pixels
    EXPECT_FALSE(Decode(palette, p));
}

TEST(Bitmap_Drawing, PartialTransparentCopyOfAToolbarSprite) {
    Host_Folders folders;
    // Two sprites side by side; the second is copied with grey 192,192,192 transparent.
    std::vector<std::vector<std::uint32_t>> sheet = Sprite;
    for (std::size_t y = 0; y < sheet.size(); ++y) sheet[y].insert(sheet[y].begin(), {B, B, B, B});
    Write_File(folders.program("Buttons.bmp"), Bmp(24, sheet));
    Open_White_Screen(12, 8);
    const auto picture = [] { return Screen_Picture(0, 0, 11, 7, {{R, 'r'}, {B, 'b'}, {G, 'g'}}); };
    pxDrawPartialTransparentDIB("Buttons.bmp", 4, 0, 7, 2, 2, 1, 5, 3, 201, -1, 192, 192, 192);
    EXPECT_EQ(picture(), Rows({
                             "............",
                             "...rr.......",
                             "..rbbr......",
                             "...rr.......",
                             "............",
                             "............",
                             "............",
                             "............",
                         }));
    // Opaque with another operation or without a transparent colour; off-screen targets are cut.
    Open_White_Screen(12, 8);
    pxDrawPartialTransparentDIB("Buttons.bmp", 4, 0, 7, 2, -2, 5, 1, 7, 210, -1, 192, 192, 192);
    pxDrawPartialTransparentDIB("Buttons.bmp", 4, 0, 7, 2, 8, 5, 11, 7, 201, -1, -1, -1, -1);
    EXPECT_EQ(picture(), Rows({
                             "............",
                             "............",
                             "............",
                             "............",
                             "............",
                             "rg......grrg",
                             "br......rbbr",
                             "rg......grrg",
                         }));
    // A negative far corner makes the source as large as the target: 0,0 at the target's size.
    Open_White_Screen(12, 8);
    pxDrawPartialTransparentDIB("Buttons.bmp", 0, 0, -1, -1, 1, 1, 8, 3, 201, -1, 192, 192, 192);
    EXPECT_EQ(picture(), Rows({
                             "............",
                             ".bbbb.rr....",
                             ".bbbbrbbr...",
                             ".bbbb.rr....",
                             "............",
                             "............",
                             "............",
                             "............",
                         }));
}

TEST(Bitmap_Drawing, WholePictureStretchedIntoTheTarget) {
    Host_Folders folders;
    Write_File(folders.data("NAD/sprite.bmp"), Bmp(24, Sprite));
    Open_White_Screen(10, 8);
    pxDrawTransparentDIB("NAD\\sprite.bmp", 1, 1, 8, 6, 201, -1, 192, 192, 192);   // twice the size
    EXPECT_EQ(Screen_Picture(0, 0, 9, 7, {{R, 'r'}, {B, 'b'}}), Rows({
                                                                   "..........",
                                                                   "...rrrr...",
                                                                   "...rrrr...",
                                                                   ".rrbbbbrr.",
                                                                   ".rrbbbbrr.",
                                                                   "...rrrr...",
                                                                   "...rrrr...",
                                                                   "..........",
                                                               }));
    Open_White_Screen(10, 8);
    pxDrawDIB("NAD\\sprite.bmp", 6, 5);   // at its own size, opaque
    EXPECT_EQ(Screen_Picture(6, 5, 9, 7, {{R, 'r'}, {B, 'b'}, {G, 'g'}}), Rows({"grrg", "rbbr", "grrg"}));
}

TEST(Bitmap_Names, ProgramFolderBeforeDataFolder) {
    Host_Folders folders;
    Write_File(folders.data("NAD/Buttons.bmp"), Bmp(24, {{R}}));
    EXPECT_EQ(Resolve_Bitmap_Path("NAD\\Buttons.bmp"), folders.data("NAD/Buttons.bmp"));
    Write_File(folders.program("NAD/Buttons.bmp"), Bmp(24, {{B}}));
    EXPECT_EQ(Resolve_Bitmap_Path("NAD\\Buttons.bmp"), folders.program("NAD/Buttons.bmp"));
    EXPECT_EQ(Resolve_Bitmap_Path(folders.data("NAD/Buttons.bmp").c_str()), folders.data("NAD/Buttons.bmp"));
    EXPECT_EQ(Resolve_Bitmap_Path("missing.bmp"), "");
    EXPECT_EQ(Resolve_Bitmap_Path(""), "");
    EXPECT_EQ(Resolve_Bitmap_Path(nullptr), "");
    unsetenv("EXEC");
    unsetenv("DATA");
    EXPECT_EQ(Resolve_Bitmap_Path("NAD\\Buttons.bmp"), "");
}

TEST(Bitmap_Names, MatchWithoutRegardToCaseWhenNoFileMatchesExactly) {
    Host_Folders folders;
    Write_File(folders.program("TextButtonBg.bmp"), Bmp(24, {{R}}));
    Write_File(folders.data("NAD/Flags/EuroFlags.bmp"), Bmp(24, {{B}}));
    Write_File(folders.data("Glory3.bmp"), Bmp(24, {{B}}));
    Write_File(folders.program("glory3.BMP"), Bmp(24, {{R}}));
    struct Case {
        const char* name;
        std::string found;
    };
    const Case cases[] = {
        {"textbuttonbg.bmp", folders.program("TextButtonBg.bmp")},
        {"TEXTBUTTONBG.BMP", folders.program("TextButtonBg.bmp")},
        {"TextButtonBg.bmp", folders.program("TextButtonBg.bmp")},
        {"nad\\flags\\EUROFLAGS.bmp", folders.data("NAD/Flags/EuroFlags.bmp")},   // folder by folder
        {"Glory3.bmp", folders.data("Glory3.bmp")},   // an exact match in the data folder comes first
        {"GLORY3.bmp", folders.program("glory3.BMP")},
        {"TextButtonBg_ro.bmp", ""},
        {"nad\\missing\\EuroFlags.bmp", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Resolve_Bitmap_Path(c.name), c.found) << c.name;
    // A picture found so is drawn, not its placeholder.
    Open_White_Screen(4, 4);
    pxDrawTransparentDIB("textbuttonbg.bmp", 0, 0, 3, 3, 0, -1, -1, -1, -1);
    EXPECT_EQ(Host_Pixel(2, 2), static_cast<int>(R));
}

TEST(Bitmap_Drawing, MissingOrBrokenFileDrawsAFramedPlaceholder) {
    Host_Folders folders;
    Write_File(folders.program("kaputt.bmp"), Bmp(24, Sprite).substr(0, 60));
    for (const char* name : {"fehlt.bmp", "kaputt.bmp"}) {
        Open_White_Screen(60, 30);
        testing::internal::CaptureStderr();
        pxDrawTransparentDIB(name, 5, 5, 44, 19, 201, -1, 192, 192, 192);
        pxDrawPartialTransparentDIB(name, 0, 0, 3, 3, 5, 5, 44, 19, 201, -1, 192, 192, 192);
        const std::string trace = testing::internal::GetCapturedStderr();
        EXPECT_NE(trace.find(name), std::string::npos) << name;
        EXPECT_EQ(trace.find(name), trace.rfind(name)) << "traced once: " << name;
        // Frame on the target's edges, light grey inside, the name in black inside the frame.
        const std::string shown = Screen_Picture(4, 4, 45, 20, {{0x808080, 'f'}, {0xE0E0E0, ' '}, {0, '#'}});
        const std::string frame = std::string(40, 'f');
        EXPECT_EQ(shown.substr(43, 43), "." + frame + ".\n") << name;
        EXPECT_EQ(shown.substr(43 * 15, 43), "." + frame + ".\n") << name;
        EXPECT_EQ(shown.substr(43 * 16, 43), std::string(42, '.') + "\n") << name;
        for (int row = 2; row < 15; ++row) {
            EXPECT_EQ(shown.substr(43 * row, 2), ".f") << name << row;
            EXPECT_EQ(shown.substr(43 * row + 40, 3), "f.\n") << name << row;
        }
        EXPECT_NE(shown.find('#'), std::string::npos) << name;
        EXPECT_EQ(Host_Pixel(7, 7), 0xE0E0E0) << name;   // the text starts 2 px inside the frame
    }
}

TEST(Screen_Png, DumpReadsBackPixelForPixel) {
    Scratch_Dir dir;
    Exit_Grafik_Mode();
    EXPECT_EQ(Host_Dump_Screen_PNG(dir.file("none.png").c_str()), 0);   // no graphics mode
    Open_White_Screen(37, 23);
    pxFgc(Nearest_RGB_Color(4, 2, 252));
    pxRect(3, 4, 20, 10);
    pxFgc(Nearest_RGB_Color(255, 219, 183));
    pxLine(0, 22, 36, 0);
    pxFgc(0x010203);
    pxDot(36, 22);
    const std::string path = dir.file("screen.png");
    ASSERT_EQ(Host_Dump_Screen_PNG(path.c_str()), 1);
    EXPECT_EQ(Host_Dump_Screen_PNG(dir.file("missing/screen.png").c_str()), 0);

    cairo_surface_t* png = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    ASSERT_EQ(cairo_image_surface_get_width(png), 37);
    ASSERT_EQ(cairo_image_surface_get_height(png), 23);
    EXPECT_EQ(cairo_image_surface_get_format(png), CAIRO_FORMAT_RGB24);
    const unsigned char* data = cairo_image_surface_get_data(png);
    const int stride = cairo_image_surface_get_stride(png);
    int differing = 0;
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) {
            const auto word = *reinterpret_cast<const std::uint32_t*>(data + y * stride + 4 * x) & 0xFFFFFF;
            if (static_cast<int>(word) != Host_Pixel(x, y)) ++differing;
        }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(Host_Pixel(5, 5), 0x0402FC);
    EXPECT_EQ(Host_Pixel(36, 22), 0x010203);
    cairo_surface_destroy(png);
}

namespace {

// EXEC and DATA set to the repository's host folders.
struct Shipped_Host {
    Shipped_Host() {
        setenv("EXEC", (std::string(BASIS_SOURCE_DIR) + "/host/EXEC").c_str(), 1);
        setenv("DATA", (std::string(BASIS_SOURCE_DIR) + "/host/DATA").c_str(), 1);
    }
};

Host_Bitmap Shipped(const char* name) {
    Host_Bitmap p;
    const std::string path = Resolve_Bitmap_Path(name);
    const std::string bytes = Read_File(path);
    EXPECT_FALSE(path.empty()) << name;
    EXPECT_TRUE(Decode(bytes, p)) << name;
    return p;
}

int Count_Colour(int x1, int y1, int x2, int y2, int colour) {
    int n = 0;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) n += Host_Pixel(x, y) == colour;
    return n;
}

}  // namespace

TEST(Shipped_Bitmaps, EveryNamedPictureHoldsTheRectanglesThatArePickedFromIt) {
    Shipped_Host host;
    struct Case {
        const char* name;
        int min_width, min_height;   // the farthest source pixel cut from it, plus one
        int key, key_x;              // the colour drawn transparent, in the first row at key_x
    };
    const Case cases[] = {
        {"Buttons.bmp", 552, 202, 0xDBD5CB, 0},           // tab strip 552 x 48; sprites to x 343, y 201
        {"act_but.bmp", 14, 14, 0xFFFBF0, 0},
        {"UComment.bmp", 62, 66, 0xFFFBF0, 0},
        {"Glory3.bmp", 144, 108, 0xFFFBF0, 0},            // four 36-px frames in rows 0, 36, 72
        {"schweisslast.bmp", 291, 151, 0xFFFFFF, 0},
        {"tools\\bemop_fcd.bmp", 221, 193, 0xEFFDEE, 0},  // stress-strain pictures of the free materials
        {"tools\\bemop_fyk.bmp", 217, 142, 0xEFFDEE, 0},
        {"NAD\\Buttons.bmp", 320, 639, 0xD4D0C8, 0},      // rows 435, 458, 577, 587, 598
        {"NAD\\EuroFlags.bmp", 26, 380, 0xFFFBF0, 25},    // 25 x 19 flags of types 0 to 19
        // The dialog pages' buttons: the text-button backgrounds are drawn opaque (no key checked),
        // the import strip's frames are 51 px wide in rows 0, 36 and 76, the explorer's 38 px at row 250.
        {"textbuttonbg.bmp", 400, 18, 0, 1 << 20},
        {"TextButtonBg_ro.bmp", 400, 18, 0, 1 << 20},
        {"TextButtonBgInaktive.bmp", 400, 18, 0, 1 << 20},
        {"TextButtonBgInaktive_ro.bmp", 400, 18, 0, 1 << 20},
        {"SniGrImportButton.bmp", 204, 112, 0xFFFFFF, 0},
        {"SniTalvo.bmp", 55, 14, 0xFFFFFF, 0},
        {"deskbuts.bmp", 152, 288, 0xFFFBF0, 0},
    };
    for (const Case& c : cases) {
        const Host_Bitmap p = Shipped(c.name);
        EXPECT_GE(p.width, c.min_width) << c.name;
        EXPECT_GE(p.height, c.min_height) << c.name;
        if (p.width > c.key_x) {
            EXPECT_EQ(static_cast<int>(p.pixels[c.key_x]), c.key) << c.name;
        }
    }
    // The delete button's row lies on 198, 222, 228; each frame of the picture buttons holds a drawing.
    const Host_Bitmap import = Shipped("SniGrImportButton.bmp");
    ASSERT_EQ(import.width, 204);
    EXPECT_EQ(import.pixels[36 * 204 + 0], 0xC6DEE4u);
    const Host_Bitmap desk = Shipped("deskbuts.bmp");
    struct Strip {
        const Host_Bitmap& picture;
        int row, width, height;
        std::uint32_t key;
    };
    for (const Strip& s : {Strip{import, 0, 51, 33, 0xFFFFFF}, Strip{import, 36, 51, 36, 0xC6DEE4}, Strip{import, 76, 51, 36, 0xFFFFFF},
                           Strip{desk, 250, 38, 38, 0xFFFBF0}})
        for (int f = 0; f < 4; ++f) {
            int drawn = 0;
            for (int y = s.row; y < s.row + s.height; ++y)
                for (int x = f * s.width; x < (f + 1) * s.width; ++x)
                    drawn += s.picture.pixels[static_cast<std::size_t>(y) * s.picture.width + x] != s.key;
            EXPECT_GT(drawn, s.width * s.height / 2) << s.row << " frame " << f;
        }
    // The toolbar sprites lie on 192, 192, 192 and each state's picture holds a drawing.
    const Host_Bitmap buttons = Shipped("Buttons.bmp");
    ASSERT_EQ(buttons.width, 552);
    EXPECT_EQ(buttons.pixels[51 * 552 + 0], 0xC0C0C0u);
    for (const int sx : {1, 87, 130, 173, 216, 259, 302})
        for (const int sy : {51, 89, 127, 165}) {
            int drawn = 0;
            for (int y = sy; y < sy + 37; ++y)
                for (int x = sx; x < sx + 42; ++x) drawn += buttons.pixels[static_cast<std::size_t>(y) * 552 + x] != 0xC0C0C0u;
            EXPECT_GT(drawn, 100) << sx << "," << sy;
        }
}

TEST(Shipped_Bitmaps, MainWindowBackgroundAndToolbarAtTheirCoordinates) {
    Shipped_Host host;
    unsetenv("VEK_SCREEN");
    Init_Grafik_Mode();
    testing::internal::CaptureStderr();
    // The window's background with the tab strip, then the seven toolbar icons from x1 = NPIXEL_X -
    // 321 with their offsets (the first at x1 - 10), each on the host face colour.
    pxFgc(GetVEKColor(-1));
    pxRect(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1);
    pxDrawPartialTransparentDIB("Buttons.bmp", 0, 0, -1, -1, 6, 7, 557, 54, 201, -1, 219, 213, 203);
    const int x1 = NPIXEL_X - 321, offsets[] = {-10, 45, 90, 135, 180, 225, 270}, sprites[] = {302, 259, 216, 1, 87, 130, 173};
    for (int k = 0; k < 7; ++k) {
        const int x = x1 + offsets[k], y = 3 + 6;
        pxFgc(GetVEKColor(-1));
        pxRect(x, y, x + 41, y + 36);
        pxDrawPartialTransparentDIB("Buttons.bmp", sprites[k], 51, sprites[k] + 41, 51 + 36, x, y, x + 41, y + 36, 201, -1,
                                    192, 192, 192);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");   // nothing missing
    EXPECT_EQ(Count_Colour(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0xDBD5CB), 0);   // the strip's key left out
    EXPECT_EQ(Count_Colour(0, 0, NPIXEL_X - 1, NPIXEL_Y - 1, 0xC0C0C0), 0);   // the sprites' key left out
    EXPECT_GT(Count_Colour(6, 7, 557, 54, 0x000000), 200);                    // the tab captions
    for (int k = 0; k < 7; ++k) {
        const int x = x1 + offsets[k];
        EXPECT_GT(42 * 37 - Count_Colour(x, 9, x + 41, 45, 0xD4D0C8), 100) << k;
    }
    EXPECT_EQ(Count_Colour(0, 55, NPIXEL_X - 1, NPIXEL_Y - 1, 0xD4D0C8), NPIXEL_X * (NPIXEL_Y - 55));
}
