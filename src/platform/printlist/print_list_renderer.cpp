#include "platform/printlist/print_list_renderer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>

#include "platform/printlist/print_list_fonts.h"
#include "platform/printlist/print_list_graphics.h"
#include "platform/printlist/print_list_page.h"
#include "platform/printlist/print_list_text.h"

namespace {

constexpr double Line_Spacing = 1.25;      // line height as a multiple of the font size
constexpr double Ascent = 0.95;            // baseline below the top of a line, times the size
constexpr double Default_Tab_Step = 1.25 * Points_Per_Cm;
constexpr double Smallest_Text_Width = 1.0 * Points_Per_Cm;
constexpr double Rule_Width = 0.5;         // points: table rules, frames, the heading rule
constexpr std::size_t Margin_Stack_Limit = 64;
// Space under a table or graphic block: the writers move back by 0.4 to 0.6 cm after them (after a
// report sketch, an annex table's title and caption, a value table), so that what follows goes on
// right under the block.
constexpr double Block_Gap = 0.5 * Points_Per_Cm;

// Where the tabs of a line stand: stops (absolute x in points) or a uniform step from the left
// margin; past the last stop a tab is one blank.
struct Tab_Set {
    double origin = 0.0;
    std::vector<double> stops;
    double step = 0.0;
};

struct Line_Item {
    double x;
    const Text_Piece* piece;
    std::string text;                      // the word or blanks of the piece
};

struct Renderer {
    Print_List_Render_Result& result;
    Print_List_Output out;
    double y = Body_Top;
    bool fresh = true;                     // nothing drawn on the body of this page yet
    bool stopped = false;                  // the page limit was reached
    double margin_left = 0.0, margin_right = 0.0;   // cm, of setMarginsCM
    std::vector<std::pair<double, double>> margin_stack;
    std::map<long, std::pair<int, double>> stored_positions;   // index: page, y
    std::vector<int> outline_groups;       // PDF ids of the open outline groups
    int line = 0;                          // file line of the item being drawn

    explicit Renderer(Print_List_Render_Result& r) : result(r) {}

    void Warn(const std::string& text) { Add_Print_List_Warning(result.warnings, line, text); }

    double Left() const { return Page_Margin_Left + margin_left * Points_Per_Cm; }
    double Right() const { return Page_Width - Page_Margin_Right - margin_right * Points_Per_Cm; }

    // A page that is still empty is not broken: what does not fit starts at its top instead.
    void New_Page() {
        if (stopped) return;
        if (fresh) {
            y = Body_Top;
            return;
        }
        if (out.pages >= Print_List_Page_Limit) {
            Warn("mehr als " + std::to_string(Print_List_Page_Limit) + " Seiten, der Rest fehlt");
            stopped = true;
            return;
        }
        Finish_Page(out);
        Begin_Page(out);
        y = Body_Top;
        fresh = true;
    }

    // Breaks the page when less than the height remains below the writing position.
    void Need(double height) {
        if (y + height > Body_Bottom) New_Page();
    }

    void Move_To(double to) { y = std::clamp(to, Body_Top, Body_Bottom); }

    double Length(const Print_List_Length& length, const Base_Font& font) {
        return length.unit == 1 ? length.value * Character_Width(out.cr, font) : length.value * Points_Per_Cm;
    }

    // Lays out one text line in the font: it wraps at blanks between first_x (first line) or
    // next_x (continuation lines) and right, drawing each finished line at the writing position.
    struct Line_Layout {
        Renderer& r;
        Base_Font font;
        double next_x, right, height;
        Tab_Set tabs;
        std::vector<Line_Item> items;
        std::vector<const Text_Piece*> decorations;
        double x;
        bool start = true;                 // no word on this output line yet
        bool after_wrap = false;           // the line was wrapped and no word followed yet

        double Next_Tab(double at, const Text_Piece& p) const {
            for (double s : tabs.stops)
                if (s > at + 0.01) return s;
            if (tabs.step > 0.0) return tabs.origin + tabs.step * (std::floor((at - tabs.origin) / tabs.step + 1e-6) + 1.0);
            return at + Text_Width(r.out.cr, font, p.attributes, " ");
        }

        void Emit() {
            r.Need(height);
            if (r.stopped) {
                items.clear();
                decorations.clear();
                return;
            }
            const double top = r.y;
            const double baseline = top + font.size * Ascent;
            for (const Text_Piece* p : decorations) r.Decoration(*p, top, height);   // under the text
            for (const Line_Item& item : items)
                Draw_Text(r.out.cr, font, item.piece->attributes, item.x, baseline, item.text,
                          item.piece->coloured ? item.piece->colour : Rgb8{});
            items.clear();
            decorations.clear();
            r.y = top + height;
            r.fresh = false;
            x = next_x;
            start = true;
            after_wrap = true;
        }

        // One word, broken between characters when it is wider than a whole line.
        void Word(const Text_Piece& p, std::string_view word) {
            double w = Text_Width(r.out.cr, font, p.attributes, word);
            if (x + w > right && !start) Emit();
            if (x + w > right && w > right - next_x) {
                std::size_t cut = 0;
                double used = 0.0;
                for (std::size_t i = 0; i < word.size();) {
                    std::size_t n = 1;
                    while (i + n < word.size() && (static_cast<unsigned char>(word[i + n]) & 0xC0) == 0x80) ++n;
                    const double cw = Text_Width(r.out.cr, font, p.attributes, word.substr(i, n));
                    if (x + used + cw > right && i > cut) {
                        items.push_back({x, &p, std::string(word.substr(cut, i - cut))});
                        Emit();
                        cut = i;
                        used = 0.0;
                    }
                    used += cw;
                    i += n;
                }
                word = word.substr(cut);
                w = used;
            }
            items.push_back({x, &p, std::string(word)});
            x += w;
            start = false;
            after_wrap = false;
        }

        void Piece(const Text_Piece& p) {
            if (p.kind == Piece_Kind::Tab) {
                const double to = Next_Tab(x, p);
                if (to > right && !start) {
                    Emit();
                    return;
                }
                x = to;
                start = false;
                after_wrap = false;
                return;
            }
            if (p.kind != Piece_Kind::Text) {
                decorations.push_back(&p);
                return;
            }
            const std::string_view text = p.text;
            for (std::size_t i = 0; i < text.size();) {
                const bool blank = text[i] == ' ';
                std::size_t j = i;
                while (j < text.size() && (text[j] == ' ') == blank) ++j;
                const std::string_view part = text.substr(i, j - i);
                if (!blank) {
                    Word(p, part);
                } else if (!after_wrap) {
                    // Blanks that begin the source line indent it; those after a wrap are dropped.
                    items.push_back({x, &p, std::string(part)});
                    x += Text_Width(r.out.cr, font, p.attributes, part);
                }
                i = j;
            }
        }
    };

    // A rule or a frame of a table row, drawn over the row from top to top + height.
    void Decoration(const Text_Piece& p, double top, double height) {
        cairo_t* cr = out.cr;
        const double left = Left(), right = Right();
        auto x_of = [&](double cm, double edge) { return cm < 0.0 ? edge : std::min(left + cm * Points_Per_Cm, right); };
        auto y_of = [&](double f, double edge) { return f < 0.0 ? edge : top + std::clamp(f, 0.0, 1.0) * height; };
        const double xa = x_of(p.numbers[1], left), xb = x_of(p.numbers[2], right);
        const double ya = y_of(p.numbers[3], top), yb = y_of(p.numbers[4], top + height);
        const Rgb8 c = p.coloured ? p.colour : Rgb8{};
        cairo_save(cr);
        cairo_set_line_width(cr, Rule_Width);
        if (p.kind == Piece_Kind::Rule) {
            cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
            cairo_move_to(cr, xa, ya);
            cairo_line_to(cr, xb, yb);
            cairo_stroke(cr);
        } else {
            cairo_rectangle(cr, std::min(xa, xb), std::min(ya, yb), std::fabs(xb - xa), std::fabs(yb - ya));
            if (p.numbers[0] >= 3840.0) {
                // A filled frame: the colour lightened three quarters to white, so that the row's
                // text stays readable on it.
                auto light = [](unsigned char v) { return (v + 3.0 * 255.0) / (4.0 * 255.0); };
                cairo_set_source_rgb(cr, light(c.r), light(c.g), light(c.b));
                cairo_fill_preserve(cr);
            }
            cairo_set_source_rgb(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0);
            cairo_stroke(cr);
        }
        cairo_restore(cr);
    }

    void Text_Line(std::string_view cp437, const Base_Font& font, double first_x, double next_x, double height,
                   const Tab_Set& tabs) {
        const Split_Text split = Split_Print_List_Text(cp437);
        if (split.malformed) Warn("fehlerhafte Steuerfolge im Text übersprungen");
        Line_Layout layout{*this, font, next_x, std::max(Right(), first_x + Smallest_Text_Width), height, tabs,
                           {}, {}, first_x};
        for (const Text_Piece& p : split.pieces) layout.Piece(p);
        layout.Emit();
    }

    Tab_Set Paragraph_Tabs(const Paragraph_Format_Read& format, const Base_Font& font) {
        Tab_Set tabs;
        tabs.origin = Left();
        if (format.uniform_tab_step) {
            const double step = Length(format.tabs[0], font);
            tabs.step = step > 0.0 ? step : Default_Tab_Step;
        } else if (!format.tabs_set) {
            tabs.step = Default_Tab_Step;
        }
        if (!format.uniform_tab_step)
            for (const Print_List_Length& t : format.tabs) tabs.stops.push_back(Left() + Length(t, font));
        std::sort(tabs.stops.begin(), tabs.stops.end());
        return tabs;
    }

    void Paragraph(const Paragraph_Block& block) {
        Base_Font font = Print_List_Font(4);
        for (const Paragraph_Run& run : block.runs) {
            font = Print_List_Font(run.format.font);
            font.size *= run.format.scale;
            Move_To(y + Length(run.space_before, font));
            // Indents stay on the page, with at least the smallest width of text right of them.
            const double widest = Right() - Smallest_Text_Width;
            const double first = std::clamp(Left() + Length(run.format.first_indent, font), 0.0, widest);
            const double next = std::clamp(first + Length(run.format.second_indent, font), 0.0, widest);
            const double height = font.size * Line_Spacing + Length(run.format.aux_distance, font);
            const Tab_Set tabs = Paragraph_Tabs(run.format, font);
            for (const std::string& text : run.lines) {
                if (text == "#NEWPAGE") New_Page();
                else Text_Line(text, font, first, next, std::max(height, 1.0), tabs);
            }
        }
        Move_To(y + Length(block.space_after, font));
    }

    void Table(const Table_Block& table) {
        const Base_Font title = Print_List_Font(5);
        const Base_Font caption = {Font_Family::Sans, true, 10.0};
        const Base_Font heading = {Font_Family::Mono, true, Table_Font.size};
        const Tab_Set none{Left(), {}, 0.0};
        for (std::size_t g = 0; g < table.captions.size(); ++g) {
            const Base_Font& f = g == 0 ? title : caption;
            for (const std::string& text : table.captions[g])
                Text_Line(text, f, Left(), Left(), f.size * Line_Spacing, none);
        }
        Tab_Set tabs{Left(), {}, 0.0};
        const double unit = Character_Width(out.cr, Table_Font);
        for (double p : table.tab_positions) tabs.stops.push_back(Left() + p * unit);
        std::sort(tabs.stops.begin(), tabs.stops.end());
        const double height = Table_Font.size * Line_Spacing;
        for (const std::string& text : table.headings) Text_Line(text, heading, Left(), Left(), height, tabs);
        if (!table.headings.empty() && !stopped) {
            cairo_set_source_rgb(out.cr, 0.0, 0.0, 0.0);
            cairo_set_line_width(out.cr, Rule_Width);
            cairo_move_to(out.cr, Left(), y);
            cairo_line_to(out.cr, Right(), y);
            cairo_stroke(out.cr);
        }
        for (const std::string& text : table.rows) Text_Line(text, Table_Font, Left(), Left(), height, tabs);
        Move_To(y + Block_Gap);
    }

    void Graphic(const Graphic_Block& block) {
        const Base_Font font = Print_List_Font(4);
        const double line_height = font.size * Line_Spacing;
        const Tab_Set none{Left(), {}, 0.0};
        for (int k = 0; k < 3; ++k)
            if (block.caption_present[k]) Text_Line(block.captions[k], font, Left(), Left(), line_height, none);
        const double height = Graphic_Block_Height(block);
        Need(height);
        if (stopped) return;
        Draw_Graphic_Block(out.cr, block, Left(), y, result.warnings);
        fresh = false;
        Move_To(y + height + Block_Gap);
        for (int k = 3; k < 6; ++k)
            if (block.caption_present[k]) Text_Line(block.captions[k], font, Left(), Left(), line_height, none);
    }

    void Bookmark(const Layout_Line& l) {
        std::string text = Print_List_Plain_Text(l.text);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        text.erase(0, text.find_first_not_of(' ') == std::string::npos ? text.size() : text.find_first_not_of(' '));
        switch (l.integer) {
            case 0:
            case 16: {
                const int parent = outline_groups.empty() ? 0 : outline_groups.back();
                const int id = Add_Pdf_Outline(out, parent, text, y, l.integer == 16);
                result.outline.push_back({static_cast<int>(outline_groups.size()) + 1, out.pages, text});
                if (l.integer == 16) outline_groups.push_back(id);
                break;
            }
            case 17:
                if (outline_groups.empty()) Warn("Gliederungsgruppe geschlossen, die nicht offen ist");
                else outline_groups.pop_back();
                break;
            case 15: break;
            default: Warn("unbekannter Lesezeichencode " + std::to_string(l.integer)); break;
        }
    }

    void Layout(const Layout_Line& l) {
        switch (l.call) {
            case Layout_Call::Set_Flags:
            case Layout_Call::Reset_Max_Margin: break;
            case Layout_Call::Reserve_Space:
                if (Body_Bottom - y < l.a * Points_Per_Cm) New_Page();
                break;
            case Layout_Call::Set_Y_Position: Move_To(y + l.a * Points_Per_Cm); break;
            case Layout_Call::Set_Margins:
                if (l.a < 0.0 || l.b < 0.0 ||
                    (l.a + l.b) * Points_Per_Cm > Page_Width - Page_Margin_Left - Page_Margin_Right - Smallest_Text_Width)
                    Warn("Ränder außerhalb der Seite übersprungen");
                else {
                    margin_left = l.a;
                    margin_right = l.b;
                }
                break;
            case Layout_Call::Store_Y_Position: stored_positions[l.integer] = {out.pages, y}; break;
            case Layout_Call::Restore_Y_Position: {
                const auto it = stored_positions.find(l.integer);
                if (it == stored_positions.end()) Warn("Position " + std::to_string(l.integer) + " nicht gespeichert");
                else if (it->second.first == out.pages) y = it->second.second;
                break;
            }
            case Layout_Call::Push_Margins:
                if (margin_stack.size() < Margin_Stack_Limit) margin_stack.emplace_back(margin_left, margin_right);
                else Warn("Ränderstapel voll");
                break;
            case Layout_Call::Pop_Margins:
                if (margin_stack.empty()) {
                    Warn("Ränderstapel leer");
                    break;
                }
                std::tie(margin_left, margin_right) = margin_stack.back();
                margin_stack.pop_back();
                break;
            case Layout_Call::Set_Bookmark: Bookmark(l); break;
        }
    }

    void Item(const Print_List_Item& item) {
        line = item.line;
        const Print_List_Content& c = item.content;
        if (const auto* p = std::get_if<Paragraph_Block>(&c)) Paragraph(*p);
        else if (const auto* t = std::get_if<Table_Block>(&c)) Table(*t);
        else if (const auto* g = std::get_if<Graphic_Block>(&c)) Graphic(*g);
        else if (const auto* l = std::get_if<Layout_Line>(&c)) Layout(*l);
        else if (const auto* h = std::get_if<Contents_Line>(&c)) out.running_head = h->text;
        else New_Page();
    }
};

}  // namespace

Print_List_Render_Result Render_Print_List(std::string_view bytes, const Print_List_Render_Options& options) {
    Print_List_Render_Result result;
    result.read = true;
    const std::vector<Print_List_Item> items = Read_Print_List(bytes, result.warnings);
    Renderer r(result);
    r.out.pdf_path = options.pdf_path;
    r.out.png_dir = options.png_dir;
    r.out.png_stem = options.png_stem;
    r.out.png_dpi = options.png_dpi;
    if (!Open_Output(r.out)) {
        result.error = r.out.error;
        return result;
    }
    Begin_Page(r.out);
    for (const Print_List_Item& item : items) {
        r.Item(item);
        if (r.stopped) break;
    }
    Finish_Page(r.out);
    result.written = Close_Output(r.out);
    result.error = r.out.error;
    result.pages = r.out.pages;
    return result;
}

Print_List_Render_Result Render_Print_List_File(const std::string& path, const Print_List_Render_Options& options) {
    std::string bytes;
    bool read = false;
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), std::fclose);
    if (file) {
        char buffer[65536];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;) bytes.append(buffer, n);
        read = !std::ferror(file.get());   // a folder opens but cannot be read
    }
    if (!read) {
        Print_List_Render_Result result;
        result.error = "Die Druckliste " + path + " kann nicht gelesen werden.";
        return result;
    }
    return Render_Print_List(bytes, options);
}

std::string Print_List_Pdf_Path(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    const std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
        return path + ".pdf";
    return path.substr(0, dot) + ".pdf";
}
