#include "gui/table_icons.h"

#include <array>
#include <vector>

#include "platform/host/screen_surface.h"

namespace {

constexpr int Icon_Height = 16;
constexpr int Most_Colours = 7;

struct Rgb {
    int r, g, b;
};

// One picture as drawn: a digit k paints the pixel in the picture's colour k (from 1), '.' leaves
// it. `plane_of` maps a digit to the plane that carries it, so that the greyed duplicate button
// shares the drawing of the duplicate button with its own colours.
struct Icon_Art {
    int width;
    int colour_count;
    std::array<Rgb, Most_Colours> rgb;
    bool by_rgb;   // the duplicate button's colours come from Nearest_RGB_Color
    const std::array<const char*, Icon_Height>* rows;
    std::array<int, Most_Colours + 1> plane_of;   // digit -> plane, from 1; 0 unused
};

// A waste bin in yellow and ochre under a lid with a handle.
constexpr std::array<const char*, Icon_Height> Delete_Rows = {
    ".............", "....11111....", "...1.....1...", "1111111111111", "1222222222221", "1111111111111",
    ".12334344551.", ".12314314351.", ".12314314351.", ".12314314351.", ".12314314351.", ".12314314351.",
    ".12314314351.", ".12334344551.", "..111111111..", ".............",
};
// A grey sheet behind a white sheet with blue lines, a red cross with pink edges at its corner.
constexpr std::array<const char*, Icon_Height> Duplicate_Rows = {
    "11111111.........", "15555551.........", "15555551.........", "15511111111......",
    "1551222222221....", "1551233332221....", "1551222222221....", "1111233332221....",
    "...1222222221....", "...1233332221....", "...122222222.444.", "...12333322.46664",
    "...1222222244666.", "...1111111.46664.", "...........4666..", "............444..",
};
// A red cross before an empty row.
constexpr std::array<const char*, Icon_Height> Append_Rows = {
    "...................................", "...................................",
    "..........1111111111111111111111111", "..333.....1222222222222222222222221",
    "..333.....1222222222222222222222221", "3333333...1222222222222222222222221",
    "3333333...1222222222222222222222221", "..333.....1222222222222222222222221",
    "..333.....1222222222222222222222221", "..........1111111111111111111111111",
    "...................................", "...................................",
    "...................................", "...................................",
    "...................................", "...................................",
};
// A raised sand-coloured key with an arrow up (blue head, teal stem) and an arrow down (cyan).
constexpr std::array<const char*, Icon_Height> Sort_Rows = {
    "222222222222222222222222221", "266666666666666666666666651", "266666663666666666666666651",
    "266666633366666666666666651", "266666333336666666777666651", "266663333333666666777666651",
    "266666644466666666777666651", "266666644466666666777666651", "266666644466666666777666651",
    "266666644466666777777777651", "266666644466666677777776651", "266666666666666667777766651",
    "266666666666666666777666651", "266666666666666666676666651", "255555555555555555555555551",
    "111111111111111111111111111",
};

constexpr std::array<Icon_Art, 5> Arts = {{
    {13, 5, {{{0, 0, 0}, {255, 255, 255}, {255, 255, 0}, {239, 195, 0}, {224, 160, 64}}}, false, &Delete_Rows,
     {0, 0, 1, 2, 3, 4, 0, 0}},
    {17, 6, {{{0, 0, 0}, {255, 255, 255}, {0, 0, 255}, {255, 138, 138}, {187, 187, 187}, {255, 0, 0}}}, true,
     &Duplicate_Rows, {0, 0, 1, 2, 3, 4, 5, 0}},
    // Greyed: the outline in the darkest grey, the back sheet light, the lines and the cross in pale
    // blues, the paper nearly white.
    {17, 5, {{{208, 208, 208}, {240, 240, 240}, {64, 160, 192}, {128, 192, 192}, {176, 176, 176}}}, false,
     &Duplicate_Rows, {0, 4, 1, 3, 2, 0, 2, 0}},
    {35, 3, {{{0, 0, 0}, {255, 255, 255}, {255, 0, 0}}}, false, &Append_Rows, {0, 0, 1, 2, 0, 0, 0, 0}},
    {27, 7, {{{0, 0, 0}, {255, 255, 255}, {0, 0, 255}, {0, 128, 128}, {128, 128, 128}, {200, 200, 170}, {0, 160, 192}}},
     false, &Sort_Rows, {0, 0, 1, 2, 3, 4, 5, 6}},
}};

struct Built_Icon {
    std::array<int, Most_Colours> colours{};
    std::array<std::vector<unsigned char>, Most_Colours> bits;
    std::array<Picture_Object, Most_Colours> planes{};
    std::array<const Picture_Object*, Most_Colours> plane_pointers{};
    Tree_View_Image image;
};

std::array<Built_Icon, 5>& Built() {
    static std::array<Built_Icon, 5> icons = [] {
        std::array<Built_Icon, 5> out;
        for (std::size_t k = 0; k < Arts.size(); ++k) {
            const Icon_Art& art = Arts[k];
            Built_Icon& b = out[k];
            const int bytes = (art.width + 7) / 8;
            for (int p = 0; p < art.colour_count; ++p) {
                b.bits[p].assign(static_cast<std::size_t>(bytes * Icon_Height), 0);
                b.planes[p] = {art.width, Icon_Height, bytes, b.bits[p].data()};
                b.plane_pointers[p] = &b.planes[p];
            }
            for (int r = 0; r < Icon_Height; ++r)
                for (int c = 0; c < art.width; ++c) {
                    const char ch = (*art.rows)[r][c];
                    if (ch < '1' || ch > '7') continue;
                    const int p = art.plane_of[ch - '0'];
                    b.bits[p][static_cast<std::size_t>(r * bytes + c / 8)] |= static_cast<unsigned char>(0x80 >> (c % 8));
                }
            b.image = {art.colour_count, b.colours.data(), 0, b.plane_pointers.data()};
        }
        return out;
    }();
    return icons;
}

}  // namespace

void Set_Table_Icon_Colours() {
    for (std::size_t k = 0; k < Arts.size(); ++k)
        for (int p = 0; p < Arts[k].colour_count; ++p) {
            const Rgb& c = Arts[k].rgb[p];
            Built()[k].colours[p] = Arts[k].by_rgb ? Nearest_RGB_Color(c.r, c.g, c.b) : Nearest_Color_Index(c.r, c.g, c.b);
        }
}

const Tree_View_Image* Table_Icon_Image(Table_Icon icon) { return &Built()[static_cast<std::size_t>(icon)].image; }
