#include "platform/printlist/print_list_text.h"

#include <algorithm>
#include <cmath>

#include "common/cp437.h"
#include "platform/printlist/print_list_reader.h"

namespace {

constexpr unsigned char Escape = 0xCE;
constexpr std::size_t Attribute_Depth_Limit = 32;

enum class Attribute { Bold, Italic, Underline, Lowered, Raised, None };

struct Splitter {
    Split_Text out;
    std::vector<Attribute> stack;
    std::string bytes;                     // CP437 text of the piece being gathered
    bool coloured = false;
    Rgb8 colour;
    std::size_t colour_depth = 0;          // attributes open when the colour began

    Text_Attributes Current() const {
        Text_Attributes a;
        for (Attribute k : stack) {
            if (k == Attribute::Bold) a.bold = true;
            if (k == Attribute::Italic) a.italic = true;
            if (k == Attribute::Underline) a.underline = true;
            if (k == Attribute::Lowered) a.shift = -1;
            if (k == Attribute::Raised) a.shift = 1;
        }
        return a;
    }

    Text_Piece Styled(Piece_Kind kind) const {
        Text_Piece p;
        p.kind = kind;
        p.attributes = Current();
        p.coloured = coloured;
        p.colour = colour;
        return p;
    }

    void Flush() {
        if (bytes.empty()) return;
        Text_Piece p = Styled(Piece_Kind::Text);
        p.text = From_Cp437_Signs(bytes);
        out.pieces.push_back(std::move(p));
        bytes.clear();
    }

    void Push(Attribute a) {
        Flush();
        if (stack.size() < Attribute_Depth_Limit) stack.push_back(a);
    }

    void Pop() {
        Flush();
        if (!stack.empty()) stack.pop_back();
    }

    // Five numbers of a rule or frame group after its letter.
    bool Group_Numbers(std::string_view rest, std::array<double, 5>& numbers) {
        const std::vector<std::string_view> words = Print_List_Words(rest);
        if (words.size() != numbers.size()) return false;
        for (std::size_t k = 0; k < words.size(); ++k)
            if (!Print_List_Number(words[k], numbers[k]) || std::fabs(numbers[k]) > 100000.0) return false;
        return true;
    }

    void Group(std::string_view g) {
        if (!g.empty() && g[0] == 'C') {
            const std::vector<std::string_view> words = Print_List_Words(g.substr(1));
            double v[4] = {};
            if (words.size() > 4) {
                ++out.malformed;
                return;
            }
            for (std::size_t k = 0; k < words.size(); ++k)
                if (!Print_List_Number(words[k], v[k])) {
                    ++out.malformed;
                    return;
                }
            if (words.size() == 1 && v[0] == 768.0) {
                // The end of a colour also ends the attributes begun inside it ("╬{C 1 …}╬Hok╬{C 768}").
                Flush();
                coloured = false;
                if (stack.size() > colour_depth) stack.resize(colour_depth);
            } else if (words.size() == 4 && v[0] == 1.0) {
                auto c = [](double x) { return static_cast<unsigned char>(std::clamp(x, 0.0, 255.0)); };
                Flush();
                coloured = true;
                colour = {c(v[1]), c(v[2]), c(v[3])};
                colour_depth = stack.size();
            } else {
                ++out.malformed;
            }
            return;
        }
        if (g.size() >= 2 && static_cast<unsigned char>(g[0]) == Escape && (g[1] == 'L' || g[1] == 'R')) {
            Text_Piece p = Styled(g[1] == 'L' ? Piece_Kind::Rule : Piece_Kind::Frame);
            if (!Group_Numbers(g.substr(2), p.numbers)) {
                ++out.malformed;
                return;
            }
            Flush();
            out.pieces.push_back(std::move(p));
            return;
        }
        ++out.malformed;
    }

    void Run(std::string_view line) {
        for (std::size_t i = 0; i < line.size();) {
            const auto b = static_cast<unsigned char>(line[i++]);
            if (b != Escape) {
                if (b == '\t') bytes.push_back(' ');
                else if (b >= 0x20) bytes.push_back(static_cast<char>(b));
                continue;
            }
            if (i >= line.size()) break;
            const char code = line[i++];
            switch (code) {
                case '{': {
                    const std::size_t close = line.find('}', i);
                    if (close == std::string_view::npos) {
                        ++out.malformed;
                        i = line.size();
                        break;
                    }
                    Group(line.substr(i, close - i));
                    i = close + 1;
                    break;
                }
                case 'r': Pop(); break;
                case '\\': Push(Attribute::Lowered); break;
                case '/': Push(Attribute::Raised); break;
                case 'H':
                case 'b':
                case 'B': Push(Attribute::Bold); break;
                case '_':
                case 'u': Push(Attribute::Underline); break;
                case 'S': Push(Attribute::Italic); break;
                case 's': Push(Attribute::None); break;
                case 't':
                    Flush();
                    out.pieces.push_back(Styled(Piece_Kind::Tab));
                    break;
                default: break;    // ╬@ and every unknown escape show nothing
            }
        }
        Flush();
    }
};

}  // namespace

Split_Text Split_Print_List_Text(std::string_view cp437) {
    Splitter s;
    s.Run(cp437);
    return std::move(s.out);
}

std::string Print_List_Plain_Text(std::string_view cp437) {
    std::string text;
    for (const Text_Piece& p : Split_Print_List_Text(cp437).pieces)
        if (p.kind == Piece_Kind::Text) text += p.text;
        else if (p.kind == Piece_Kind::Tab) text += ' ';
    return text;
}
