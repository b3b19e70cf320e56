#include "platform/printlist/print_list_graphics.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/host/screen_bitmaps.h"
#include "platform/printlist/print_list_fonts.h"
#include "platform/printlist/print_list_page.h"

namespace {

constexpr double Thin_Pen = 0.02 * Points_Per_Cm;      // 0.2 mm
constexpr double Wide_Pen = 0.05 * Points_Per_Cm;      // 0.5 mm
constexpr double Smallest_Font = 0.5;                  // points
constexpr double Placeholder_Font = 6.0;
constexpr double Placeholder_Padding = 1.5;
constexpr double Default_Picture_Side = 2.0 * Points_Per_Cm;
constexpr double Picture_Side_Limit = 100.0;           // cm
constexpr std::size_t Group_Depth_Limit = 256;

struct Graphic_State {
    Rgb8 colour;
    int fill_pattern = 0;
    std::vector<double> dash;              // points
    double line_width = Thin_Pen;
    int font = 4;
    double text_height = 0.0;              // cm of the capitals; 0: the font's own size
    double angle = 0.0;                    // degrees
    std::vector<double> group_angles;
};

struct Block_Painter {
    cairo_t* cr;
    const Graphic_Block& block;
    double left, top;
    double sx, sy;                         // +1 or -1: direction of the axes on paper
    Print_List_Warnings& warnings;
    Graphic_State state;

    double X(double x) const { return left + sx * (x - block.x1) * Points_Per_Cm; }
    double Y(double y) const { return top + sy * (block.y1 - y) * Points_Per_Cm; }

    void Source(bool fill) const {
        auto c = [fill](unsigned char v) { return (fill ? (v + 255.0) / 2.0 : v) / 255.0; };
        cairo_set_source_rgb(cr, c(state.colour.r), c(state.colour.g), c(state.colour.b));
    }

    void Stroke() const {
        Source(false);
        cairo_set_line_width(cr, state.line_width);
        cairo_set_dash(cr, state.dash.empty() ? nullptr : state.dash.data(), static_cast<int>(state.dash.size()), 0.0);
        cairo_stroke(cr);
    }

    void Fill() const {
        if (state.fill_pattern == 0) {
            cairo_new_path(cr);
            return;
        }
        Source(true);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_fill(cr);
    }

    Base_Font Text_Font() const {
        Base_Font font = Print_List_Font(state.font);
        if (state.text_height > 0.0) font.size = state.text_height * Points_Per_Cm / Capital_Height;
        font.size = std::max(font.size, Smallest_Font);
        return font;
    }

    // A text with its anchor: h 0 left end, 8 middle, 24 right end; v 1 baseline, 2 middle of the
    // capitals, 4 their top; the angle in degrees counter-clockwise.
    void Text(double x, double y, double angle, int h, int v, const std::string& cp437) const {
        const Split_Text split = Split_Print_List_Text(cp437);
        const Base_Font font = Text_Font();
        const double w = Pieces_Width(cr, font, split.pieces);
        const double cap = font.size * Capital_Height;
        const double dx = h == 0 ? 0.0 : h == 8 ? -w / 2.0 : -w;
        const double dy = v == 1 ? 0.0 : v == 2 ? cap / 2.0 : cap;
        cairo_save(cr);
        cairo_translate(cr, X(x), Y(y));
        cairo_rotate(cr, -std::fmod(angle, 360.0) * std::numbers::pi / 180.0);
        Draw_Pieces(cr, font, split.pieces, dx, dy, state.colour);
        cairo_restore(cr);
    }

    void Anchored_Text(const Graphic_Command& c, double angle) {
        int code = static_cast<int>(c.values[4]);
        if (code >= 456) {
            code -= 256;
            angle += 90.0;
        }
        const int v = code - 200 > 0 ? (code - 200) & 7 : 0;
        const int h = code - 200 - v;
        if ((v != 1 && v != 2 && v != 4) || (h != 0 && h != 8 && h != 24)) {
            Add_Print_List_Warning(warnings, c.line, "unbekannter Textanker, Text zentriert");
            Text(c.values[0], c.values[1], angle, 8, 2, c.text);
            return;
        }
        Text(c.values[0], c.values[1], angle, h, v, c.text);
    }

    // A frame with a name in small type, its lower left corner at the page point.
    void Placeholder(double px, double py, double w, double h, const std::string& utf8) const {
        const Base_Font font = {Font_Family::Sans, false, Placeholder_Font};
        const double text_w = Text_Width(cr, font, {}, utf8);
        if (w <= 0.0) w = text_w + 2 * Placeholder_Padding;
        if (h <= 0.0) h = Placeholder_Font + 2 * Placeholder_Padding;
        cairo_save(cr);
        cairo_set_dash(cr, nullptr, 0, 0.0);
        cairo_set_source_rgb(cr, 0.0, 0.0, 0.0);
        cairo_set_line_width(cr, Thin_Pen);
        cairo_rectangle(cr, px, py - h, w, h);
        cairo_stroke(cr);
        cairo_rectangle(cr, px, py - h, w, h);
        cairo_clip(cr);
        Draw_Text(cr, font, {}, px + Placeholder_Padding, py - h + Placeholder_Padding + Placeholder_Font * 0.75,
                  utf8, {});
        cairo_restore(cr);
    }

    // The embedded bitmap, or its placeholder: the picture occupies x to x + w and y to y + h.
    void Picture(const Graphic_Command& c) const {
        const auto flags = static_cast<unsigned>(c.values[0]);
        std::size_t k = 3;
        double dpi = 300.0, scale_x = 1.0, scale_y = 1.0, w_cm = 0.0, h_cm = 0.0;
        if (flags & 0x0030u) dpi = c.values[k++];
        if (flags & 0x0001u) {
            scale_x = c.values[k];
            scale_y = c.values[k + 1];
            k += 2;
        }
        if (flags & 0x000Eu) {
            w_cm = c.values[k];
            h_cm = c.values[k + 1];
        }
        Host_Bitmap image;
        const bool decoded = !c.picture.empty() && Decode_Bmp(c.picture, image);
        if (!(flags & 0x000Eu) && decoded && dpi > 0.0 && scale_x > 0.0 && scale_y > 0.0) {
            w_cm = image.width / dpi * 2.54 * scale_x;
            h_cm = image.height / dpi * 2.54 * scale_y;
        }
        const bool sized = w_cm > 0.0 && h_cm > 0.0 && w_cm <= Picture_Side_Limit && h_cm <= Picture_Side_Limit;
        const double x = c.values[1], y = c.values[2];
        const double px = std::min(X(x), X(x + (sized ? w_cm : 0.0)));
        const double py = std::max(Y(y), Y(y + (sized ? h_cm : 0.0)));
        const double pw = sized ? w_cm * Points_Per_Cm : Default_Picture_Side;
        const double ph = sized ? h_cm * Points_Per_Cm : Default_Picture_Side;
        if (!decoded) {
            if (!c.picture.empty()) Add_Print_List_Warning(warnings, c.line, "eingebettetes Bild nicht lesbar");
            Placeholder(px, py, pw, ph, Print_List_Plain_Text(c.text));
            return;
        }
        cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
        cairo_surface_flush(surface);
        unsigned char* data = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int row = 0; row < image.height && data; ++row)
            std::copy_n(image.pixels.data() + static_cast<std::size_t>(row) * image.width, image.width,
                        reinterpret_cast<std::uint32_t*>(data + static_cast<std::size_t>(row) * stride));
        cairo_surface_mark_dirty(surface);
        cairo_save(cr);
        cairo_translate(cr, px, py - ph);
        cairo_scale(cr, pw / image.width, ph / image.height);
        cairo_set_source_surface(cr, surface, 0.0, 0.0);
        // Enlarged pixels stay sharp squares; the edge pixels repeat instead of fading out.
        cairo_pattern_t* pattern = cairo_get_source(cr);
        cairo_pattern_set_extend(pattern, CAIRO_EXTEND_PAD);
        if (pw > image.width || ph > image.height) cairo_pattern_set_filter(pattern, CAIRO_FILTER_NEAREST);
        cairo_rectangle(cr, 0.0, 0.0, image.width, image.height);
        cairo_fill(cr);
        cairo_restore(cr);
        cairo_surface_destroy(surface);
    }

    void Command(const Graphic_Command& c) {
        const std::vector<double>& v = c.values;
        switch (c.code) {
            case 1:
                cairo_move_to(cr, X(v[0]), Y(v[1]));
                cairo_line_to(cr, X(v[2]), Y(v[3]));
                Stroke();
                break;
            case 2: Text(v[0], v[1], 0.0, 0, 1, c.text); break;
            case 3: Text(v[0], v[1], state.angle, 0, 1, c.text); break;
            case 9: Anchored_Text(c, 0.0); break;
            case 10: Anchored_Text(c, state.angle); break;
            case 4: state.line_width = v[0] == 2.0 ? Wide_Pen : Thin_Pen; break;
            case 6: state.line_width = v[0] * Points_Per_Cm; break;
            case 7: state.font = static_cast<int>(v[0]); break;
            case 13: state.text_height = v[0]; break;
            case 14: state.angle = std::fmod(v[0], 360.0); break;
            case 18: {
                const auto n = static_cast<std::size_t>(v[0]);
                for (std::size_t k = 0; k < n; ++k)
                    cairo_line_to(cr, X(v[1 + 2 * k]), Y(v[2 + 2 * k]));
                cairo_close_path(cr);
                Fill();
                break;
            }
            case 20: state.fill_pattern = static_cast<int>(v[0]); break;
            case 24: {
                const double x1 = X(v[0]), y1 = Y(v[1]), x2 = X(v[2]), y2 = Y(v[3]);
                cairo_rectangle(cr, std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1));
                Fill();
                break;
            }
            case 27: Placeholder(X(v[0]), Y(v[1]), 0.0, 0.0, Print_List_Plain_Text(c.text)); break;
            case 30:
                if (state.group_angles.size() < Group_Depth_Limit) state.group_angles.push_back(state.angle);
                else Add_Print_List_Warning(warnings, c.line, "Gruppen zu tief geschachtelt");
                break;
            case 31:
                if (state.group_angles.empty()) {
                    Add_Print_List_Warning(warnings, c.line, "Gruppenende ohne Gruppe");
                    break;
                }
                state.angle = state.group_angles.back();
                state.group_angles.pop_back();
                break;
            case 38: {
                state.dash.clear();
                double total = 0.0;
                for (std::size_t k = 1; k + 1 < v.size(); ++k) {
                    state.dash.push_back(v[k] * Points_Per_Cm);
                    total += v[k];
                }
                if (total <= 0.0) state.dash.clear();   // " 38 0   0" and all-zero lengths: solid
                break;
            }
            case 50: {
                auto c8 = [](double x) { return static_cast<unsigned char>(std::clamp(x, 0.0, 255.0)); };
                state.colour = {c8(v[0]), c8(v[1]), c8(v[2])};
                break;
            }
            case 75: Picture(c); break;
            default: break;    // 8, 16, 23, 51, 52, 53, 59 to 62: nothing to draw
        }
    }
};

}  // namespace

double Graphic_Block_Width(const Graphic_Block& block) { return std::fabs(block.x2 - block.x1) * Points_Per_Cm; }

double Graphic_Block_Height(const Graphic_Block& block) { return std::fabs(block.y1 - block.y2) * Points_Per_Cm; }

void Draw_Graphic_Block(cairo_t* cr, const Graphic_Block& block, double left, double top,
                        Print_List_Warnings& warnings) {
    Block_Painter painter{cr,   block, left, top, block.x2 >= block.x1 ? 1.0 : -1.0, block.y1 > block.y2 ? 1.0 : -1.0,
                          warnings, {}};
    cairo_save(cr);
    cairo_rectangle(cr, 0.0, Body_Top, Page_Width, Body_Bottom - Body_Top);
    cairo_clip(cr);
    cairo_new_path(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (const Graphic_Command& c : block.commands) painter.Command(c);
    cairo_restore(cr);
}
