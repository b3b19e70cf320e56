#include "platform/printlist/print_list_fonts.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <string>

namespace {

constexpr const char* Font_Folder = "/usr/share/fonts/truetype/dejavu/";
constexpr double Small_Text = 0.8;         // size of lowered and raised text
constexpr double Lowered_By = 0.2;         // shares of the base size
constexpr double Raised_By = 0.35;
constexpr double Slant = 0.2;              // italic: horizontal shift per unit of height

struct Face_File {
    const char* file;
    const char* fallback_family;           // a system font when the file is missing
    cairo_font_weight_t weight;
};

constexpr std::array<Face_File, 4> Face_Files = {{
    {"DejaVuSans.ttf", "sans-serif", CAIRO_FONT_WEIGHT_NORMAL},
    {"DejaVuSans-Bold.ttf", "sans-serif", CAIRO_FONT_WEIGHT_BOLD},
    {"DejaVuSansMono.ttf", "monospace", CAIRO_FONT_WEIGHT_NORMAL},
    {"DejaVuSansMono-Bold.ttf", "monospace", CAIRO_FONT_WEIGHT_BOLD},
}};

// The four faces, loaded at the first use and kept for the process (cairo holds them while any
// surface draws with them).
cairo_font_face_t* Face(Font_Family family, bool bold) {
    static std::array<cairo_font_face_t*, 4> faces = [] {
        std::array<cairo_font_face_t*, 4> loaded{};
        FT_Library library = nullptr;
        const bool freetype = FT_Init_FreeType(&library) == 0;
        for (std::size_t k = 0; k < Face_Files.size(); ++k) {
            FT_Face face = nullptr;
            const std::string path = std::string(Font_Folder) + Face_Files[k].file;
            if (freetype && FT_New_Face(library, path.c_str(), 0, &face) == 0)
                loaded[k] = cairo_ft_font_face_create_for_ft_face(face, 0);
            else
                loaded[k] = cairo_toy_font_face_create(Face_Files[k].fallback_family, CAIRO_FONT_SLANT_NORMAL,
                                                       Face_Files[k].weight);
        }
        return loaded;
    }();
    return faces[(family == Font_Family::Mono ? 2 : 0) + (bold ? 1 : 0)];
}

double Size_Of(const Base_Font& font, const Text_Attributes& a) {
    return a.shift != 0 ? font.size * Small_Text : font.size;
}

double Shift_Of(const Base_Font& font, const Text_Attributes& a) {
    return a.shift < 0 ? font.size * Lowered_By : a.shift > 0 ? -font.size * Raised_By : 0.0;
}

void Select(cairo_t* cr, const Base_Font& font, const Text_Attributes& a) {
    const double size = Size_Of(font, a);
    cairo_set_font_face(cr, Face(font.family, font.bold || a.bold));
    cairo_matrix_t m;
    cairo_matrix_init(&m, size, 0.0, a.italic ? -Slant * size : 0.0, size, 0.0, 0.0);
    cairo_set_font_matrix(cr, &m);
}

// Calls the function for each run of the text: (run, false) for ordinary characters and
// (mark, true) for each combining mark (U+0300 to U+036F, the macron of λ̄ among them).
template <class F>
void For_Each_Run(std::string_view utf8, F&& f) {
    std::size_t start = 0;
    for (std::size_t i = 0; i + 1 < utf8.size(); ++i) {
        const auto b0 = static_cast<unsigned char>(utf8[i]), b1 = static_cast<unsigned char>(utf8[i + 1]);
        const bool mark = (b0 == 0xCC && b1 >= 0x80) || (b0 == 0xCD && b1 <= 0xAF);
        if (!mark) continue;
        if (i > start) f(utf8.substr(start, i - start), false);
        f(utf8.substr(i, 2), true);
        start = i + 2;
        ++i;
    }
    if (start < utf8.size()) f(utf8.substr(start), false);
}

double Advance(cairo_t* cr, std::string_view utf8) {
    const std::string text(utf8);
    cairo_text_extents_t e;
    cairo_text_extents(cr, text.c_str(), &e);
    return e.x_advance;
}

}  // namespace

Base_Font Print_List_Font(int number) {
    if (number == 5) return {Font_Family::Sans, true, 12.0};
    return {Font_Family::Sans, false, 10.0};
}

void Set_Print_List_Font_Options(cairo_t* cr) {
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

// A combining mark adds no width: it is drawn back over the character before it by its own
// advance, which is 0 in a proportional face and one cell in the fixed-pitch face.
double Text_Width(cairo_t* cr, const Base_Font& font, const Text_Attributes& attributes, std::string_view utf8) {
    if (utf8.empty()) return 0.0;
    Select(cr, font, attributes);
    double w = 0.0;
    For_Each_Run(utf8, [&](std::string_view run, bool mark) {
        if (!mark) w += Advance(cr, run);
    });
    return w;
}

double Character_Width(cairo_t* cr, const Base_Font& font) { return Text_Width(cr, font, {}, "0"); }

void Draw_Text(cairo_t* cr, const Base_Font& font, const Text_Attributes& attributes, double x, double baseline,
               std::string_view utf8, Rgb8 colour) {
    if (utf8.empty()) return;
    Select(cr, font, attributes);
    cairo_set_source_rgb(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0);
    const double y = baseline + Shift_Of(font, attributes);
    double at = x;
    For_Each_Run(utf8, [&](std::string_view run, bool mark) {
        const std::string text(run);
        const double advance = Advance(cr, run);
        cairo_move_to(cr, mark ? at - advance : at, y);
        cairo_show_text(cr, text.c_str());
        if (!mark) at += advance;
    });
    if (attributes.underline) {
        const double size = Size_Of(font, attributes);
        cairo_new_path(cr);
        cairo_set_line_width(cr, 0.06 * size);
        cairo_move_to(cr, x, y + 0.12 * size);
        cairo_line_to(cr, at, y + 0.12 * size);
        cairo_stroke(cr);
    }
    cairo_new_path(cr);
}

double Pieces_Width(cairo_t* cr, const Base_Font& font, const std::vector<Text_Piece>& pieces) {
    double w = 0.0;
    for (const Text_Piece& p : pieces) {
        if (p.kind == Piece_Kind::Text) w += Text_Width(cr, font, p.attributes, p.text);
        else if (p.kind == Piece_Kind::Tab) w += Text_Width(cr, font, p.attributes, " ");
    }
    return w;
}

void Draw_Pieces(cairo_t* cr, const Base_Font& font, const std::vector<Text_Piece>& pieces, double x,
                 double baseline, Rgb8 colour) {
    for (const Text_Piece& p : pieces) {
        if (p.kind == Piece_Kind::Text) {
            Draw_Text(cr, font, p.attributes, x, baseline, p.text, p.coloured ? p.colour : colour);
            x += Text_Width(cr, font, p.attributes, p.text);
        } else if (p.kind == Piece_Kind::Tab) {
            x += Text_Width(cr, font, p.attributes, " ");
        }
    }
}
