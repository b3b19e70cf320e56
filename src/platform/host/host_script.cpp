#include "platform/host/host_script.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <deque>

#include "common/cp437.h"
#include "platform/host/host_trace.h"
#include "platform/host/screen_png.h"

namespace {

constexpr int Longest_Wait = 3600000;     // one hour of clock per wait command
constexpr int Drag_Step = 10;             // pixels per move of a drag

struct Key_Name {
    const char* name;
    int code;
};
constexpr Key_Name Key_Names[] = {
    {"Esc", 27},        {"Enter", 13},      {"Backspace", 8},  {"Tab", 9},         {"Space", 32},
    {"F1", 315},        {"Home", 327},      {"Up", 328},       {"PageUp", 329},    {"Left", 331},
    {"Right", 333},     {"End", 335},       {"Down", 336},     {"PageDown", 337},  {"Delete", 339},
    {"Ctrl+End", 373},  {"Ctrl+Home", 375}, {"Ctrl+A", 1},     {"Ctrl+C", 3},      {"Ctrl+V", 22},
    {"Ctrl+X", 24},
};

bool Same_Word(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y)); });
}

bool Parse_Int(std::string_view word, int& value) {
    if (word.empty()) return false;
    const char* first = word.data();
    if (*first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, word.data() + word.size(), value);
    return ec == std::errc() && end == word.data() + word.size();
}

// A line split into words; a word in double quotes may hold blanks and the escapes \" \\ \n.
struct Words {
    std::vector<std::string> items;
    std::vector<bool> quoted;
    std::string error;
};

Words Split(std::string_view line) {
    Words w;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
            continue;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size()) {
                    const char e = line[i++];
                    word += e == 'n' ? '\n' : e;
                } else {
                    word += c;
                }
            }
            if (!closed) w.error = "Anführungszeichen nicht geschlossen";
            w.items.push_back(word);
            w.quoted.push_back(true);
        } else {
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') word += line[i++];
            w.items.push_back(word);
            w.quoted.push_back(false);
        }
    }
    return w;
}

// The byte of one character as the sign table shows it: a sign of the sign map first (α is 0xBA
// there), else its CP437 byte; -1 for anything else. Where two positions show one letter (θ at 0xB0
// in the annex tables and at 0xDA in the formulas) the higher one, the formulas', is typed.
int Sign_Byte(std::string_view utf8) {
    std::size_t i = 0;
    if (utf8.empty()) return -1;
    const char32_t c = cp437_detail::Decode_Utf8(utf8, i);
    if (i != utf8.size()) return -1;
    int byte = -1;
    for (const cp437_detail::Sign& s : cp437_detail::Display_Signs)
        if (s.code == c) byte = s.byte;
    return byte >= 0 ? byte : cp437_detail::Byte_Of(c);
}

struct Op_Name {
    const char* name;
    Script_Command::Op op;
};
constexpr Op_Name Op_Names[] = {
    {"move", Script_Command::Move},     {"down", Script_Command::Down},   {"up", Script_Command::Up},
    {"click", Script_Command::Click},   {"drag", Script_Command::Drag},   {"wheel", Script_Command::Wheel},
    {"key", Script_Command::Key},       {"type", Script_Command::Type},   {"paste", Script_Command::Paste},
    {"wait", Script_Command::Wait},     {"answer", Script_Command::Answer}, {"special", Script_Command::Special},
    {"menu", Script_Command::Menu},     {"dump", Script_Command::Dump},   {"mark", Script_Command::Mark},
    {"close", Script_Command::Close},
};

// Reads the words after the command into the command; an error text, or empty.
std::string Read_Arguments(Script_Command& c, const Words& w, std::string_view line) {
    const std::vector<std::string>& a = w.items;
    const std::size_t n = a.size() - 1;
    const auto numbers = [&](std::size_t from, std::size_t count) -> bool {
        for (std::size_t k = from; k < from + count; ++k) {
            int v = 0;
            if (k >= a.size() || !Parse_Int(a[k], v)) return false;
            c.numbers.push_back(v);
        }
        return true;
    };
    const auto button = [&](std::size_t k) -> bool {
        if (k >= a.size() || Same_Word(a[k], "left")) c.numbers.push_back(0);
        else if (Same_Word(a[k], "right")) c.numbers.push_back(1);
        else return false;
        return k + 1 >= a.size();
    };
    switch (c.op) {
        case Script_Command::Move:
            return n == 2 && numbers(1, 2) ? "" : "erwartet: move X Y";
        case Script_Command::Down:
        case Script_Command::Up:
            return n <= 1 && button(1) ? "" : "erwartet: down|up [left|right]";
        case Script_Command::Click:
            return n >= 2 && n <= 3 && numbers(1, 2) && button(3) ? "" : "erwartet: click X Y [left|right]";
        case Script_Command::Drag:
            return n == 4 && numbers(1, 4) ? "" : "erwartet: drag X1 Y1 X2 Y2";
        case Script_Command::Wheel:
            return n == 1 && numbers(1, 1) ? "" : "erwartet: wheel N";
        case Script_Command::Key:
            if (n == 0) return "erwartet: key NAME ...";
            for (std::size_t k = 1; k < a.size(); ++k) {
                const int code = Host_Key_Code(a[k]);
                if (code < 0) return "unbekannte Taste \"" + a[k] + "\"";
                c.numbers.push_back(code);
            }
            return "";
        case Script_Command::Type:
        case Script_Command::Paste:
            if (n != 1 || !w.quoted[1]) return "erwartet: " + std::string(c.op == Script_Command::Type ? "type" : "paste") + " \"TEXT\"";
            c.text = To_Cp437_Typed(a[1]);
            if (c.text.size() != To_Cp437(a[1]).size()) return "Zeichen ohne CP437-Code";
            return "";
        case Script_Command::Wait:
            if (n != 1 || !numbers(1, 1) || c.numbers[0] < 0 || c.numbers[0] > Longest_Wait)
                return "erwartet: wait MS (0 bis 3600000)";
            return "";
        case Script_Command::Answer:
            if (n == 1 && Same_Word(a[1], "yes")) c.numbers.push_back(1);
            else if (n == 1 && Same_Word(a[1], "no")) c.numbers.push_back(0);
            else return "erwartet: answer yes|no";
            return "";
        case Script_Command::Special: {
            if (n != 1) return "erwartet: special ZEICHEN|NUMMER|none";
            int v = 0;
            if (!w.quoted[1] && Same_Word(a[1], "none")) c.numbers.push_back(-1);
            else if (!w.quoted[1] && Parse_Int(a[1], v) && v >= 0 && v <= 255) c.numbers.push_back(v);
            else if (const int b = Sign_Byte(a[1]); b >= 0) c.numbers.push_back(b);
            else return "erwartet: special ZEICHEN|NUMMER|none";
            return "";
        }
        case Script_Command::Menu:
            if (n == 1 && Same_Word(a[1], "none")) return "";
            if (n == 0 || !numbers(1, n)) return "erwartet: menu N ...|none";
            for (const int v : c.numbers)
                if (v < 0) return "erwartet: menu N ...|none";
            if (c.numbers.size() == 1 && c.numbers[0] == 0) c.numbers.clear();
            return "";
        case Script_Command::Dump:
            if (n != 1) return "erwartet: dump DATEI.png";
            c.text = a[1];
            return "";
        case Script_Command::Mark: {
            const std::size_t at = line.find_first_not_of(" \t", line.find("mark") + 4);
            c.text = at == std::string_view::npos ? "" : std::string(line.substr(at));
            while (!c.text.empty() && (c.text.back() == '\r' || c.text.back() == ' ')) c.text.pop_back();
            return "";
        }
        case Script_Command::Close:
            return n == 0 ? "" : "erwartet: close";
    }
    return "unbekannter Befehl";
}

// The feeder's state.
struct Feeder {
    const Host_Script* script = nullptr;
    const Host_Backend* backend = nullptr;
    std::size_t next = 0;            // the next command
    long long gate = 0;              // no command runs before the clock reads this
    std::deque<Host_Event> events;   // of the command that ran last
    std::deque<int> answers;
    std::deque<int> specials;
    std::deque<std::vector<int>> menus;
};

Feeder feeder;

void Report(const std::string& text) {
    std::fprintf(stderr, "host: Skript %s\n", text.c_str());
    if (Host_Tracing()) Host_Trace_Line("script " + text);
}

Host_Event Pointer_Event(Host_Event::Kind kind, int x, int y) {
    Host_Event e;
    e.kind = kind;
    e.x = x;
    e.y = y;
    return e;
}

void Queue_Move(int x, int y) { feeder.events.push_back(Pointer_Event(Host_Event::Move, x, y)); }

void Queue_Button(Host_Event::Kind kind, int button) {
    Host_Event e = Pointer_Event(kind, 0, 0);
    e.at_pointer = true;
    e.button = button;
    feeder.events.push_back(e);
}

void Queue_Key(int code) {
    Host_Event e;
    e.kind = Host_Event::Key;
    e.amount = code;
    feeder.events.push_back(e);
}

void Run(const Script_Command& c) {
    const std::vector<int>& v = c.numbers;
    switch (c.op) {
        case Script_Command::Move: Queue_Move(v[0], v[1]); break;
        case Script_Command::Down: Queue_Button(Host_Event::Press, v[0]); break;
        case Script_Command::Up: Queue_Button(Host_Event::Release, v[0]); break;
        case Script_Command::Click:
            Queue_Move(v[0], v[1]);
            Queue_Button(Host_Event::Press, v[2]);
            Queue_Button(Host_Event::Release, v[2]);
            break;
        case Script_Command::Drag: {
            Queue_Move(v[0], v[1]);
            Queue_Button(Host_Event::Press, 0);
            const long long dx = static_cast<long long>(v[2]) - v[0], dy = static_cast<long long>(v[3]) - v[1];
            const long long steps = std::max<long long>(1, (std::max(std::llabs(dx), std::llabs(dy)) + Drag_Step - 1) / Drag_Step);
            for (long long k = 1; k <= steps && k <= 10000; ++k)
                Queue_Move(static_cast<int>(v[0] + dx * k / steps), static_cast<int>(v[1] + dy * k / steps));
            Queue_Move(v[2], v[3]);
            Queue_Button(Host_Event::Release, 0);
            break;
        }
        case Script_Command::Wheel: {
            Host_Event e;
            e.kind = Host_Event::Wheel;
            e.amount = v[0];
            feeder.events.push_back(e);
            break;
        }
        case Script_Command::Key:
            for (const int code : v) Queue_Key(code);
            break;
        case Script_Command::Paste:
            Host_Set_Clipboard(c.text);
            Queue_Key(22);
            break;
        case Script_Command::Type:
            for (const char ch : c.text) Queue_Key(ch == '\n' ? 13 : static_cast<unsigned char>(ch));
            break;
        case Script_Command::Wait: feeder.gate = feeder.backend->clock_ms() + v[0]; break;
        case Script_Command::Answer: feeder.answers.push_back(v[0]); break;
        case Script_Command::Special: feeder.specials.push_back(v[0]); break;
        case Script_Command::Menu: feeder.menus.push_back(v); break;
        case Script_Command::Dump:
            if (Host_Tracing()) Host_Trace_Line("dump " + Trace_Text(To_Cp437(c.text)));
            if (!Host_Dump_Screen_PNG(c.text.c_str())) Report("Zeile " + std::to_string(c.line) + ": " + c.text + " nicht geschrieben");
            break;
        case Script_Command::Mark:
            if (Host_Tracing()) Host_Trace_Line("mark " + c.text);
            break;
        case Script_Command::Close: {
            Host_Event e;
            e.kind = Host_Event::Close;
            feeder.events.push_back(e);
            break;
        }
    }
}

}  // namespace

int Host_Key_Code(std::string_view name) {
    for (const Key_Name& k : Key_Names)
        if (Same_Word(name, k.name)) return k.code;
    int code = 0;
    if (Parse_Int(name, code) && code >= 0 && code <= 0xFFFF) return code;
    return -1;
}

Host_Script Parse_Host_Script(std::string_view text) {
    Host_Script s;
    int number = 0;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(at, end - at);
        at = end + 1;
        ++number;
        const Words w = Split(line);
        if (w.items.empty() || w.items[0].starts_with('#')) continue;
        std::string error = w.error;
        Script_Command c{Script_Command::Close, number, {}, {}};
        const auto op = std::find_if(std::begin(Op_Names), std::end(Op_Names), [&](const Op_Name& o) { return !w.quoted[0] && w.items[0] == o.name; });
        if (op == std::end(Op_Names)) error = "unbekannter Befehl \"" + w.items[0] + "\"";
        if (error.empty()) {
            c.op = op->op;
            error = Read_Arguments(c, w, line);
        }
        if (error.empty()) s.commands.push_back(std::move(c));
        else s.errors.push_back("Zeile " + std::to_string(number) + ": " + error);
    }
    return s;
}

void Script_Start(const Host_Script* script, const Host_Backend& backend) {
    feeder = Feeder{};
    feeder.script = script;
    feeder.backend = &backend;
    if (!script) return;
    for (const std::string& e : script->errors) Report(e);
}

bool Script_Running() { return feeder.script != nullptr; }

int Script_Next_Event(Host_Event& event, long long until) {
    if (!feeder.script) return -1;
    for (;;) {
        if (!feeder.events.empty()) {
            event = feeder.events.front();
            feeder.events.pop_front();
            return 1;
        }
        const long long now = feeder.backend->clock_ms();
        if (feeder.gate > now) {
            if (until >= 0 && until < feeder.gate) {
                feeder.backend->sleep_until(until);
                return 0;
            }
            feeder.backend->sleep_until(feeder.gate);
        }
        if (feeder.next >= feeder.script->commands.size()) return -1;
        Run(feeder.script->commands[feeder.next++]);
    }
}

namespace {

// A choice written right after the action that opens its box or menu is queued when it is needed:
// the choice commands that stand next in the script run at once.
void Queue_Choices_Ahead() {
    if (!feeder.script) return;
    const std::vector<Script_Command>& commands = feeder.script->commands;
    while (feeder.next < commands.size()) {
        const Script_Command::Op op = commands[feeder.next].op;
        if (op != Script_Command::Answer && op != Script_Command::Special && op != Script_Command::Menu) break;
        Run(commands[feeder.next++]);
    }
}

}  // namespace

int Script_Take_Answer() {
    Queue_Choices_Ahead();
    if (feeder.answers.empty()) return -1;
    const int a = feeder.answers.front();
    feeder.answers.pop_front();
    return a;
}

bool Script_Take_Special(int& byte) {
    Queue_Choices_Ahead();
    if (feeder.specials.empty()) return false;
    byte = feeder.specials.front();
    feeder.specials.pop_front();
    return true;
}

bool Script_Take_Menu_Path(std::vector<int>& path) {
    Queue_Choices_Ahead();
    if (feeder.menus.empty()) return false;
    path = feeder.menus.front();
    feeder.menus.pop_front();
    return true;
}
