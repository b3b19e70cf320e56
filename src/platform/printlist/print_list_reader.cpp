#include "platform/printlist/print_list_reader.h"

#include <cmath>
#include <cstdlib>

#include "common/stream_print.h"

std::vector<std::string_view> Print_List_Words(std::string_view s) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < s.size() && s[i] != ' ' && s[i] != '\t') ++i;
        if (i > start) words.push_back(s.substr(start, i - start));
    }
    return words;
}

bool Print_List_Number(std::string_view word, double& value) {
    if (word.empty() || word.size() > 64) return false;
    const std::string text(word);
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && std::isfinite(value);
}

namespace {

constexpr std::size_t Kept_Warning_Texts = 50;
constexpr unsigned char Open_Quote = 174;    // «
constexpr unsigned char Close_Quote = 175;   // »

// Bounds beyond which a value is out of all reason for a page of A4 (cm unless said otherwise).
constexpr double Layout_Length_Limit = 100.0;
constexpr double Graphic_Coordinate_Limit = 1000.0;
constexpr double Table_Position_Limit = 1000.0;
constexpr long Count_Limit = 100;            // caption lines, heading lines, tab stops
constexpr long Dash_Count_Limit = 32;
constexpr long Integer_Limit = 1000000;      // style values, codes, indexes
constexpr std::size_t Picture_Byte_Limit = 32u << 20;

// The lines of the file, one at a time; a CR before the LF belongs to the line end.
struct Line_Source {
    std::string_view bytes;
    std::size_t pos = 0;
    int number = 0;

    bool At_End() const { return pos >= bytes.size(); }

    std::string_view Next() {
        const std::size_t end = bytes.find('\n', pos);
        std::string_view line = bytes.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? bytes.size() : end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        return line;
    }

    std::string_view Peek() const {
        Line_Source copy = *this;
        return copy.Next();
    }
};

bool Is_Blank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && Is_Blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && Is_Blank(s.back())) s.remove_suffix(1);
    return s;
}

bool To_Integer(std::string_view word, long& value, long limit = Integer_Limit) {
    double v = 0.0;
    if (!Print_List_Number(word, v) || v != std::floor(v) || std::fabs(v) > static_cast<double>(limit)) return false;
    value = static_cast<long>(v);
    return true;
}

// A flag word "0x%x"; a plain decimal number is accepted too.
bool To_Flags(std::string_view word, unsigned& flags) {
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        if (word.size() > 10) return false;
        const std::string text(word.substr(2));
        char* end = nullptr;
        const unsigned long v = std::strtoul(text.c_str(), &end, 16);
        if (end != text.c_str() + text.size() || text.empty() || text[0] == '-' || text[0] == '+') return false;
        flags = static_cast<unsigned>(v);
        return true;
    }
    long v = 0;
    if (!To_Integer(word, v, 0x7FFFFFFF) || v < 0) return false;
    flags = static_cast<unsigned>(v);
    return true;
}

// All words of the line as finite numbers; false when one is not.
bool Numbers_Of(std::string_view line, std::vector<double>& numbers) {
    numbers.clear();
    for (std::string_view w : Print_List_Words(line)) {
        double v = 0.0;
        if (!Print_List_Number(w, v)) return false;
        numbers.push_back(v);
    }
    return true;
}

bool Is_Integer(double v, long limit = Integer_Limit) {
    return v == std::floor(v) && std::fabs(v) <= static_cast<double>(limit);
}

// A unit code and a length within reason.
bool Length_Of(double unit, double value, Print_List_Length& length) {
    if (unit != 1.0 && unit != 2.0 && unit != 4.0) return false;
    if (std::fabs(value) > Layout_Length_Limit) return false;
    length = {static_cast<int>(unit), value};
    return true;
}

bool Length_Line(std::string_view line, Print_List_Length& length) {
    std::vector<double> v;
    return Numbers_Of(line, v) && v.size() == 2 && Length_Of(v[0], v[1], length);
}

bool Is_End_Marker(std::string_view line) { return Trimmed(line) == "-1"; }

bool Is_Block_Command(std::string_view line) { return !line.empty() && line[0] == '#'; }

struct Reader {
    Line_Source source;
    Print_List_Warnings& warnings;

    void Warn(int line, const std::string& text) { Add_Print_List_Warning(warnings, line, text); }

    // Skips to the "-1" that ends a format block or trailer, never past a block command.
    void Skip_To_End_Marker() {
        while (!source.At_End() && !Is_Block_Command(source.Peek()))
            if (Is_End_Marker(source.Next())) return;
    }

    // Skips to and over "#END_OF_TEXT", never past another block command.
    void Skip_To_End_Of_Text() {
        while (!source.At_End()) {
            const std::string_view line = source.Peek();
            if (Is_Block_Command(line)) {
                if (line == "#END_OF_TEXT") source.Next();
                return;
            }
            source.Next();
        }
    }

    // A text line of a block: false (with a warning) when it is too long to be a report line.
    bool Text_Within_Limit(std::string_view line) {
        if (line.size() <= Print_List_Text_Line_Limit) return true;
        Warn(source.number, Format_Text("Textzeile mit %zu Zeichen übersprungen", line.size()));
        return false;
    }

    static std::string Without_Leading_Blank(std::string_view line) {
        return std::string(!line.empty() && line[0] == ' ' ? line.substr(1) : line);
    }

    bool Read_Tab_List(Paragraph_Format_Read& format) {
        const std::vector<std::string_view> head = Print_List_Words(source.Next());
        unsigned kind = 0;
        if (head.empty() || !To_Flags(head[0], kind)) return false;
        format.tabs_set = true;
        if (kind == 0x2 && head.size() == 1) {
            Print_List_Length step;
            if (!Length_Line(source.Next(), step) || step.value <= 0.0) return false;
            format.uniform_tab_step = true;
            format.tabs.push_back(step);
            return true;
        }
        long n = 0;
        if (kind != 0x0 || head.size() != 2 || !To_Integer(head[1], n, Count_Limit) || n < 0) return false;
        for (long k = 0; k < n; ++k) {
            Print_List_Length stop;
            if (!Length_Line(source.Next(), stop)) return false;
            format.tabs.push_back(stop);
        }
        return true;
    }

    // The lines of a format block up to its "-1"; false (after skipping the block) when it is
    // malformed, the format then keeps its defaults.
    bool Read_Format_Block(Paragraph_Format_Read& format) {
        const int first_line = source.number + 1;
        if (Format_Fields(format)) return true;
        format = Paragraph_Format_Read{};
        Warn(first_line, "fehlerhafter Formatblock übersprungen");
        Skip_To_End_Marker();
        return false;
    }

    bool Format_Fields(Paragraph_Format_Read& format) {
        if (source.At_End() || Is_Block_Command(source.Peek())) return false;
        const std::vector<std::string_view> flag_words = Print_List_Words(source.Next());
        if (flag_words.size() != 1 || !To_Flags(flag_words[0], format.flags)) return false;
        // Lines of a caller's format callbacks have no fixed form: the block cannot be read.
        if (format.flags & 0x0003u) return false;
        long font = 0;
        const std::vector<std::string_view> font_words = Print_List_Words(source.Next());
        if (font_words.size() != 1 || !To_Integer(font_words[0], font)) return false;
        format.font = static_cast<int>(font);
        std::vector<double> v;
        if (format.flags & 0x0010u && !Length_Line(source.Next(), format.space_before)) return false;
        if (format.flags & 0x0020u) {
            if (!Numbers_Of(source.Next(), v) || v.size() != 4 || !Length_Of(v[0], v[1], format.first_indent) ||
                !Length_Of(v[2], v[3], format.second_indent))
                return false;
        }
        if (format.flags & 0x0040u && !Read_Tab_List(format)) return false;
        if (format.flags & 0x0400u) {
            if (!Numbers_Of(source.Next(), v) || v.size() != 1 || v[0] <= 0.0 || v[0] > 10.0) return false;
            format.scale = v[0];
        }
        if (format.flags & 0x0800u && !Length_Line(source.Next(), format.aux_distance)) return false;
        if (format.flags & 0x0200u) {
            if (!Numbers_Of(source.Next(), v) || v.size() != 2 || !Is_Integer(v[0]) || !Is_Integer(v[1]))
                return false;
        }
        return !source.At_End() && Is_End_Marker(source.Next());
    }

    Paragraph_Block Read_Paragraph() {
        Paragraph_Block block;
        Print_List_Length trailer_space;
        for (int formats = 0;; ++formats) {
            Paragraph_Run run;
            Read_Format_Block(run.format);
            run.space_before = formats == 0 ? run.format.space_before : trailer_space;
            bool ended = false;
            while (!source.At_End()) {
                const std::string_view line = source.Peek();
                if (Is_Block_Command(line)) {
                    if (line == "#END_OF_TEXT") {
                        source.Next();
                        ended = true;
                    }
                    break;
                }
                source.Next();
                if (!Text_Within_Limit(line)) continue;
                if (line.empty() || line[0] != ' ') {
                    Warn(source.number, "Textzeile ohne führendes Leerzeichen übersprungen");
                    continue;
                }
                run.lines.push_back(Without_Leading_Blank(line));
            }
            block.runs.push_back(std::move(run));
            if (!ended) {
                Warn(source.number, "Absatzblock ohne #END_OF_TEXT");
                return block;
            }
            // The trailer: its flags, the space when 0x1000, then a format block (0x0004) or "-1".
            unsigned flags = 0;
            const int trailer_line = source.number + 1;
            const std::vector<std::string_view> words =
                source.At_End() || Is_Block_Command(source.Peek()) ? std::vector<std::string_view>{}
                                                                    : Print_List_Words(source.Next());
            Print_List_Length space;
            if (words.size() != 1 || !To_Flags(words[0], flags) ||
                (flags & 0x1000u && !Length_Line(source.Next(), space))) {
                Warn(trailer_line, "fehlerhafter Absatzabschluss");
                Skip_To_End_Marker();
                return block;
            }
            if (flags & 0x0004u) {
                trailer_space = space;
                continue;
            }
            block.space_after = space;
            if (source.At_End() || !Is_End_Marker(source.Peek()))
                Warn(source.number + 1, "Absatzblock ohne abschließende -1");
            else
                source.Next();
            return block;
        }
    }

    // False when the table is skipped as a whole.
    bool Read_Table(int first_line, Table_Block& table) {
        std::vector<double> v;
        const std::string_view counts = source.At_End() ? std::string_view{} : source.Next();
        if (!Numbers_Of(counts, v) || v.size() != 3 || !Is_Integer(v[0], Count_Limit) ||
            !Is_Integer(v[1], Count_Limit) || !Is_Integer(v[2], Count_Limit) || v[0] < 0 || v[1] < 0 || v[2] < 0) {
            Warn(first_line, "Tabellenkopf fehlerhaft, Tabelle übersprungen");
            Skip_To_End_Of_Text();
            return false;
        }
        for (int g = 0; g < 3; ++g) {
            for (int k = 0; k < static_cast<int>(v[g]); ++k) {
                if (source.At_End() || Is_Block_Command(source.Peek())) {
                    Warn(source.number, "Tabelle unvollständig");
                    return true;
                }
                const std::string_view line = source.Next();
                if (Text_Within_Limit(line)) table.captions[g].push_back(Without_Leading_Blank(line));
            }
        }
        if (source.At_End() || Is_Block_Command(source.Peek())) {
            if (!source.At_End() && source.Peek() == "#END_OF_TEXT") source.Next();
            else Warn(source.number, "Tabelle ohne #END_OF_TEXT");
            return true;
        }
        std::vector<double> header;
        const int header_line = source.number + 1;
        if (!Numbers_Of(source.Next(), header) || header.size() < 4 || !Is_Integer(header[0], Count_Limit) ||
            !Is_Integer(header[1], Count_Limit) || header[0] < 0 || header[1] < 0 ||
            (header.size() >= 5 && (!Is_Integer(header[4], Count_Limit) || header[4] < 0))) {
            Warn(header_line, "Tabellenzeilenkopf fehlerhaft, Tabelle übersprungen");
            Skip_To_End_Of_Text();
            return false;
        }
        const int n = header.size() >= 5 ? static_cast<int>(header[4]) : 0;
        if (n > 0) {
            std::vector<double> positions;
            const int line = source.number + 1;
            if (source.At_End() || Is_Block_Command(source.Peek()) || !Numbers_Of(source.Next(), positions) ||
                static_cast<int>(positions.size()) != n) {
                Warn(line, "Tabulatorpositionen der Tabelle fehlerhaft");
            } else {
                for (double p : positions)
                    if (std::fabs(p) <= Table_Position_Limit) table.tab_positions.push_back(p);
            }
        }
        const int heading_lines = static_cast<int>(header[0] + header[1]);
        while (!source.At_End()) {
            const std::string_view line = source.Peek();
            if (Is_Block_Command(line)) {
                if (line == "#END_OF_TEXT") source.Next();
                else Warn(source.number, "Tabelle ohne #END_OF_TEXT");
                return true;
            }
            source.Next();
            if (!Text_Within_Limit(line)) continue;
            if (static_cast<int>(table.headings.size()) < heading_lines)
                table.headings.push_back(Without_Leading_Blank(line));
            else
                table.rows.push_back(Without_Leading_Blank(line));
        }
        Warn(source.number, "Tabelle ohne #END_OF_TEXT");
        return true;
    }

    // The caption flags of one group and their lines.
    bool Read_Caption_Group(Graphic_Block& block, int first) {
        std::vector<double> flags;
        if (source.At_End() || !Numbers_Of(source.Next(), flags) || flags.size() != 3) return false;
        for (int k = 0; k < 3; ++k) {
            if (flags[k] != 0.0 && flags[k] != 1.0) return false;
            if (flags[k] == 0.0) continue;
            if (source.At_End() || Is_Block_Command(source.Peek())) return false;
            const std::string_view line = source.Next();
            if (line.size() > Print_List_Text_Line_Limit) return false;
            block.caption_present[first + k] = true;
            block.captions[first + k] = Without_Leading_Blank(line);
        }
        return true;
    }

    // Head of a graphic block, the plain form ("-1" and the window) or the form written from a
    // format record ("-999 flags" and the kind before the window, with optional lines).
    bool Read_Graphic_Head(Graphic_Block& block) {
        if (!Read_Caption_Group(block, 0) || !Read_Caption_Group(block, 3) || source.At_End()) return false;
        std::vector<double> kind_line;
        if (!Numbers_Of(source.Next(), kind_line) || kind_line.empty()) return false;
        unsigned head_flags = 0;
        std::size_t k = 0;
        if (kind_line[0] == -999.0) {
            if (kind_line.size() < 2 || !Is_Integer(kind_line[1], 0x7FFFFFFF) || kind_line[1] < 0) return false;
            head_flags = static_cast<unsigned>(kind_line[1]);
            k = 2;
        }
        if (k >= kind_line.size()) {
            if (source.At_End() || !Numbers_Of(source.Next(), kind_line) || kind_line.size() != 1) return false;
            k = 0;
        }
        const double kind = kind_line[k];
        std::vector<double> v;
        if (kind != -1.0 && head_flags & 0x10000u && (!Numbers_Of(source.Next(), v) || v.size() != 4)) return false;
        if (source.At_End() || !Numbers_Of(source.Next(), v) || v.size() != 4) return false;
        for (double c : v)
            if (std::fabs(c) > Graphic_Coordinate_Limit) return false;
        block.x1 = v[0];
        block.x2 = v[1];
        block.y1 = v[2];
        block.y2 = v[3];
        if (kind == 3.0 && (!Numbers_Of(source.Next(), v) || v.size() != 1)) return false;
        return true;
    }

    // The hex dump "{…}" of an embedded picture, after its command line.
    bool Read_Picture_Dump(std::vector<unsigned char>& bytes) {
        if (source.At_End() || source.Peek().empty() || source.Peek()[0] != '{') {
            Warn(source.number, "eingebettetes Bild fehlt");
            return false;
        }
        bool valid = true;
        int high = -1;
        while (!source.At_End()) {
            const std::string_view peek = source.Peek();
            if (Is_Block_Command(peek) || (Is_End_Marker(peek) && peek.find('{') == std::string_view::npos)) break;
            const std::string_view line = source.Next();
            for (char c : line) {
                if (c == '{') continue;
                if (c == '}') {
                    if (!valid || high >= 0) Warn(source.number, "eingebettetes Bild fehlerhaft");
                    return valid && high < 0;
                }
                int d = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
                if (d < 0 || bytes.size() >= Picture_Byte_Limit) {
                    valid = false;
                    continue;
                }
                if (high < 0) {
                    high = d;
                } else {
                    bytes.push_back(static_cast<unsigned char>(high * 16 + d));
                    high = -1;
                }
            }
        }
        Warn(source.number, "eingebettetes Bild ohne Ende");
        return false;
    }

    // One command line; false when it is malformed.
    bool Parse_Command(std::string_view line, Graphic_Command& command) {
        std::string_view numbers_part = line;
        const std::size_t quote = line.find(static_cast<char>(Open_Quote));
        const bool quoted = quote != std::string_view::npos;
        if (quoted) {
            if (!Delimited_Text(line, command.text)) return false;
            numbers_part = line.substr(0, quote);
        }
        std::vector<std::string_view> words = Print_List_Words(numbers_part);
        long code = 0;
        if (words.empty() || !To_Integer(words[0], code)) return false;
        command.code = static_cast<int>(code);
        if (code == 27) {
            // " 27 x y %FONT%\name": the name after the folder macro.
            if (words.size() != 4 || words[3].substr(0, 7) != "%FONT%\\" || words[3].size() == 7) return false;
            command.text = std::string(words[3].substr(7));
            words.pop_back();
        }
        for (std::size_t k = 1; k < words.size(); ++k) {
            double v = 0.0;
            if (!Print_List_Number(words[k], v)) return false;
            command.values.push_back(v);
        }
        const std::vector<double>& v = command.values;
        const std::size_t n = v.size();
        auto coordinates = [&](std::size_t from, std::size_t count) {
            if (from + count > n) return false;
            for (std::size_t k = from; k < from + count; ++k)
                if (std::fabs(v[k]) > Graphic_Coordinate_Limit) return false;
            return true;
        };
        auto integers = [&](std::size_t count) {
            if (n != count) return false;
            for (double x : v)
                if (!Is_Integer(x)) return false;
            return true;
        };
        switch (code) {
            case 1:
            case 24:
                return !quoted && n == 4 && coordinates(0, 4);
            case 2:
            case 3:
                return quoted && n == 2 && coordinates(0, 2);
            case 9:
            case 10:
                return quoted && n == 5 && coordinates(0, 4) && Is_Integer(v[4]);
            case 4:
            case 7:
            case 8:
            case 20:
            case 62:
                return !quoted && integers(1);
            case 23:
                return !quoted && integers(2);
            case 6:
                return !quoted && n == 1 && v[0] >= 0.0 && v[0] <= 5.0;
            case 13:
                return !quoted && n == 1 && v[0] > 0.0 && v[0] <= 50.0;
            case 16:
                return !quoted && n == 1;
            case 14:
                return !quoted && (n == 1 || n == 2) && std::fabs(v[0]) <= 1e6;
            case 18: {
                if (quoted || n < 1 || !Is_Integer(v[0]) || v[0] < 1) return false;
                const std::size_t points = static_cast<std::size_t>(v[0]);
                return n == 1 + 2 * points && coordinates(1, 2 * points);
            }
            case 27:
                return n == 2 && coordinates(0, 2);
            case 30:
            case 31:
            case 52:
            case 53:
            case 59:
            case 60:
            case 61:
                return !quoted && n == 0;
            case 38: {
                if (quoted || n < 2 || !Is_Integer(v[0], Dash_Count_Limit) || v[0] < 0) return false;
                const std::size_t count = static_cast<std::size_t>(v[0]);
                if (n != count + 2 || v[n - 1] != 0.0) return false;
                for (std::size_t k = 1; k <= count; ++k)
                    if (v[k] < 0.0 || v[k] > 100.0) return false;
                return true;
            }
            case 50:
            case 51:
                return !quoted && integers(3);
            case 75:
                return quoted && n >= 3 && Is_Integer(v[0], 0x7FFFFFFF) && v[0] >= 0 && coordinates(1, 2) &&
                       Picture_Options_Valid(v);
            default:
                return false;
        }
    }

    // "75 flags first second" then the option values its flags announce.
    static bool Picture_Options_Valid(const std::vector<double>& v) {
        const auto flags = static_cast<unsigned>(v[0]);
        std::size_t expected = 3;
        if (flags & 0x0030u) expected += 1;
        if (flags & 0x0001u) expected += 2;
        if (flags & 0x000Eu) expected += 2;
        if (v.size() != expected) return false;
        for (std::size_t k = 3; k < v.size(); ++k)
            if (std::fabs(v[k]) > 100000.0) return false;
        return true;
    }

    Graphic_Block Read_Graphic(int first_line) {
        Graphic_Block block;
        if (!Read_Graphic_Head(block)) {
            // The block is skipped up to its end line " -1", which the head's own "-1" is not.
            Warn(first_line, "Kopf des Grafikblocks fehlerhaft, Block übersprungen");
            while (!source.At_End() && !Is_Block_Command(source.Peek()))
                if (source.Next() == " -1") break;
            return {};
        }
        while (!source.At_End()) {
            const std::string_view peek = source.Peek();
            if (Is_Block_Command(peek)) {
                Warn(source.number, "Grafikblock ohne abschließende -1");
                break;
            }
            const std::string_view line = source.Next();
            if (Is_End_Marker(line)) return block;
            if (Trimmed(line).empty()) continue;
            if (line.size() > Print_List_Graphic_Line_Limit) {
                Warn(source.number, Format_Text("Grafikzeile mit %zu Zeichen übersprungen", line.size()));
                continue;
            }
            Graphic_Command command;
            command.line = source.number;
            if (!Parse_Command(line, command)) {
                Warn(source.number, "Grafikbefehl übersprungen: " + std::string(Trimmed(line).substr(0, 40)));
                // A picture command that is malformed still owns the dump lines after it.
                const std::vector<std::string_view> words = Print_List_Words(line);
                if (!words.empty() && words[0] == "75" && !source.At_End() && !source.Peek().empty() &&
                    source.Peek()[0] == '{') {
                    std::vector<unsigned char> ignored;
                    Read_Picture_Dump(ignored);
                }
                continue;
            }
            if (command.code == 75 && static_cast<unsigned>(command.values[0]) & 0x1000u &&
                !Read_Picture_Dump(command.picture))
                command.picture.clear();
            block.commands.push_back(std::move(command));
        }
        if (source.At_End()) Warn(source.number, "Grafikblock ohne abschließende -1");
        return block;
    }

    bool Read_Layout(std::string_view line, Layout_Line& layout) {
        const std::vector<std::string_view> w = Print_List_Words(line);
        if (w.size() < 2) return false;
        const std::string_view call = w[1];
        const std::size_t n = w.size() - 2;
        auto length = [&](std::size_t k, double& x) {
            return Print_List_Number(w[k], x) && std::fabs(x) <= Layout_Length_Limit;
        };
        if (call == "setFlags") {
            unsigned flags = 0;
            layout.call = Layout_Call::Set_Flags;
            if (n != 1 || !To_Flags(w[2], flags)) return false;
            layout.integer = flags;
            return true;
        }
        if (call == "reserveSpaceCM") {
            layout.call = Layout_Call::Reserve_Space;
            return n == 1 && length(2, layout.a) && layout.a >= 0.0;
        }
        if (call == "setYPositionCM") {
            layout.call = Layout_Call::Set_Y_Position;
            return n == 2 && To_Integer(w[2], layout.integer) && layout.integer == 1 && length(3, layout.a);
        }
        if (call == "setMarginsCM") {
            layout.call = Layout_Call::Set_Margins;
            return n == 3 && To_Integer(w[2], layout.integer) && layout.integer == 1 && length(3, layout.a) &&
                   length(4, layout.b);
        }
        if (call == "storeYPosition" || call == "restoreYPosition") {
            layout.call = call == "storeYPosition" ? Layout_Call::Store_Y_Position : Layout_Call::Restore_Y_Position;
            return n == 1 && To_Integer(w[2], layout.integer, Count_Limit);
        }
        if (call == "resetMaxMargin" || call == "pushMargins") {
            layout.call = call == "resetMaxMargin" ? Layout_Call::Reset_Max_Margin : Layout_Call::Push_Margins;
            return n == 0;
        }
        if (call == "popMargins") {
            unsigned flags = 0;
            layout.call = Layout_Call::Pop_Margins;
            return n == 1 && To_Flags(w[2], flags);
        }
        if (call == "setBookmark") {
            layout.call = Layout_Call::Set_Bookmark;
            return n >= 1 && To_Integer(w[2], layout.integer) && Delimited_Text(line, layout.text);
        }
        return false;
    }

    std::vector<Print_List_Item> Read_All() {
        std::vector<Print_List_Item> items;
        while (!source.At_End()) {
            const std::string_view line = source.Next();
            const int at = source.number;
            if (Trimmed(line).empty()) continue;
            if (line.size() > Print_List_Text_Line_Limit) {
                Warn(at, Format_Text("Zeile mit %zu Zeichen übersprungen", line.size()));
                continue;
            }
            if (line == "#SHOWPARA") {
                items.push_back({at, Read_Paragraph()});
            } else if (line == "#SHOWTABLE") {
                Table_Block table;
                if (Read_Table(at, table)) items.push_back({at, std::move(table)});
            } else if (line == "#SHOWGRAFIC") {
                Graphic_Block block = Read_Graphic(at);
                if (block.x1 != block.x2 || block.y1 != block.y2 || !block.commands.empty())
                    items.push_back({at, std::move(block)});
            } else if (line == "#CONTENTS") {
                if (source.At_End() || Is_Block_Command(source.Peek())) {
                    Warn(at, "#CONTENTS ohne Text");
                    continue;
                }
                const std::string_view text = source.Next();
                if (Text_Within_Limit(text)) items.push_back({at, Contents_Line{Without_Leading_Blank(text)}});
            } else if (line == "#NEWPAGE") {
                items.push_back({at, New_Page{}});
            } else if (line.substr(0, 8) == "#LAYOUT ") {
                Layout_Line layout;
                if (Read_Layout(line, layout))
                    items.push_back({at, std::move(layout)});
                else
                    Warn(at, "Layoutzeile übersprungen: " + std::string(line.substr(0, 60)));
            } else {
                Warn(at, "unbekannte Zeile übersprungen: " + std::string(line.substr(0, 40)));
            }
        }
        return items;
    }
};

}  // namespace

void Add_Print_List_Warning(Print_List_Warnings& warnings, int line, const std::string& text) {
    ++warnings.count;
    if (warnings.texts.size() < Kept_Warning_Texts) warnings.texts.push_back(Format_Text("Zeile %d: %s", line, text.c_str()));
}

bool Delimited_Text(std::string_view line, std::string& text) {
    const std::size_t open = line.find(static_cast<char>(Open_Quote));
    const std::size_t close = line.rfind(static_cast<char>(Close_Quote));
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return false;
    text = std::string(line.substr(open + 1, close - open - 1));
    return true;
}

std::vector<Print_List_Item> Read_Print_List(std::string_view bytes, Print_List_Warnings& warnings) {
    Reader reader{Line_Source{bytes}, warnings};
    return reader.Read_All();
}
