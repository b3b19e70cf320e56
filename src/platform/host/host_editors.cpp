// The in-place editors of the host stand-in.
#include "platform/host/host_editors.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/host/host_drawing.h"
#include "platform/host/host_events.h"
#include "platform/host/host_input.h"
#include "platform/host/host_sheet_state.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Editor_Events = 0x2 | 0x8 | 0x10000;
constexpr int Editor_Font = 0;
constexpr int Cell = 8;                        // the editor font's advance
constexpr std::size_t Float_Length = 40;       // characters of a number being typed
constexpr std::size_t Longest_Text = 4096;
constexpr int Least_Float_Width = 8;

struct Line_Editor {
    std::string text;        // CP437
    std::size_t limit = 0;   // longest text
    int visible = 1;         // characters shown
    std::size_t caret = 0;
    std::size_t first = 0;   // first character shown
    bool all_selected = false;
    Screen_Rect box{0, 0, -1, -1};
};

void Keep_Caret_Visible(Line_Editor& ed) {
    if (ed.caret < ed.first) ed.first = ed.caret;
    if (ed.caret > ed.first + ed.visible) ed.first = ed.caret - ed.visible;
}

void Draw(const Line_Editor& ed) {
    const Widget_Drawing plain;
    Fill_Rect(ed.box, Field_Colour);
    Frame_Rect(ed.box, Text_Colour);
    pxView(ed.box.x1 + 1, ed.box.y1 + 1, ed.box.x2 - 1, ed.box.y2 - 1);
    const std::string shown = ed.text.substr(std::min(ed.first, ed.text.size()), static_cast<std::size_t>(ed.visible));
    const int x = ed.box.x1 + 8, base = ed.box.y1 + 14;
    if (ed.all_selected && !shown.empty())
        Fill_Rect({x, ed.box.y1 + 3, x + Cell * static_cast<int>(shown.size()) - 1, ed.box.y1 + 16}, Selection_Colour);
    Draw_Text(x, base, shown, Editor_Font, Text_Colour);
    const int cx = x + Cell * static_cast<int>(ed.caret - ed.first) - 1;
    pxFgc(Caret_Colour);
    pxLine(cx, ed.box.y1 + 3, cx, ed.box.y1 + 17);
}

void Insert(Line_Editor& ed, const std::string& bytes) {
    if (ed.all_selected) {
        ed.text.clear();
        ed.caret = 0;
        ed.all_selected = false;
    }
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) < 32 || ed.text.size() >= ed.limit) continue;
        ed.text.insert(ed.caret++, 1, c);
    }
}

// Runs the editor: 1 Enter, 0 Esc or the end of the input (nothing kept), -1 a click elsewhere or
// Up or Down (kept; the click is put back). The ending key goes to LAST_SHEET_EDIT_KEY.
int Run(Line_Editor& ed) {
    LAST_SHEET_EDIT_KEY = 0;
    const std::size_t size = static_cast<std::size_t>(pxQSvR(ed.box.x1, ed.box.y1, ed.box.x2, ed.box.y2));
    std::vector<unsigned char> under(size);
    pxSvRc(ed.box.x1, ed.box.y1, ed.box.x2, ed.box.y2, under.data());
    int result = 0;
    for (;;) {
        Keep_Caret_Visible(ed);
        Draw(ed);
        Host_Event e;
        if (Host_Wait(Editor_Events, 0, &e) == 0) break;
        if (e.kind == Host_Event::Press) {
            if (e.button == 0 && Contains(ed.box, M_XPOS, M_YPOS)) {
                const long long at = static_cast<long long>(ed.first) + (M_XPOS - (ed.box.x1 + 8) + Cell / 2) / Cell;
                ed.caret = static_cast<std::size_t>(std::clamp<long long>(at, 0, static_cast<long long>(ed.text.size())));
                ed.all_selected = false;
                continue;
            }
            Host_Unget_Event(e);
            result = -1;
            break;
        }
        const int key = getkey();
        if (key == 13 || key == 27 || key == 328 || key == 336) LAST_SHEET_EDIT_KEY = key;
        if (key == 13) {
            result = 1;
            break;
        }
        if (key == 27) break;
        if (key == 328 || key == 336) {
            result = -1;
            break;
        }
        switch (key) {
            case 8:
                if (ed.all_selected) Insert(ed, "");
                else if (ed.caret > 0) ed.text.erase(--ed.caret, 1);
                break;
            case 339:
                if (ed.all_selected) Insert(ed, "");
                else if (ed.caret < ed.text.size()) ed.text.erase(ed.caret, 1);
                break;
            case 331: ed.caret = ed.caret > 0 ? ed.caret - 1 : 0; break;
            case 333: ed.caret = std::min(ed.caret + 1, ed.text.size()); break;
            case 327: ed.caret = 0; break;
            case 335: ed.caret = ed.text.size(); break;
            case 3: Host_Set_Clipboard(ed.text); break;
            case 22: Insert(ed, Host_Clipboard()); break;
            default:
                if (key >= 32 && key <= 255) Insert(ed, std::string(1, static_cast<char>(key)));
                break;
        }
        if (key >= 327 && key <= 335) ed.all_selected = false;
    }
    pxStRc(under.data());
    return result;
}

// A text that reads as a decimal number: blanks, a sign, digits with at most one decimal sign ("."
// or ","), an exponent, blanks. No hexadecimal, infinity or NaN.
bool Read_Number(const std::string& text, double& value) {
    std::string t;
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) t += text[i++];
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            t += c;
            ++digits;
        } else if ((c == '.' || c == ',') && !point) {
            t += '.';
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        t += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) t += text[i++];
        int exponent_digits = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            t += text[i++];
            ++exponent_digits;
        }
        if (exponent_digits == 0) return false;
    }
    while (i < text.size() && text[i] == ' ') ++i;
    if (i != text.size()) return false;
    const double v = std::strtod(t.c_str(), nullptr);
    if (!std::isfinite(v)) return false;
    value = v;
    return true;
}

// A printf format with exactly one conversion, and that one of a double.
bool Float_Format(const char* format) {
    if (!format) return false;
    int conversions = 0;
    for (const char* p = format; *p; ++p) {
        if (*p != '%') continue;
        if (p[1] == '%') {
            ++p;
            continue;
        }
        ++p;
        while (*p && std::strchr("-+ #0123456789.l", *p)) ++p;
        if (!*p || !std::strchr("fFeEgG", *p)) return false;
        ++conversions;
    }
    return conversions == 1;
}

std::string Formatted(const char* format, double value) {
    char text[512];
    const int n = std::snprintf(text, sizeof text, format, value);
    return n < 0 ? std::string() : std::string(text, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof text - 1));
}

std::string Trimmed(const std::string& s) {
    const std::size_t a = s.find_first_not_of(' ');
    if (a == std::string::npos) return "";
    return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

Screen_Rect Box_At(int x, int y, int visible) { return {Held(x), Held(y), Held(x) + 16 + Cell * visible, Held(y) + 20}; }

int scroll_length = 0;

}  // namespace

int LAST_SHEET_EDIT_KEY = 0;

std::string Format_Float_Text(const char* format, double value) { return Formatted(Float_Format(format) ? format : "%g", value); }

int Short_Edit_Float(int x, int y, const char* format, double* value) {
    if (!value) return 0;
    const char* f = Float_Format(format) ? format : "%g";
    Line_Editor ed;
    ed.limit = Float_Length;
    ed.visible = std::max(Least_Float_Width, static_cast<int>(Formatted(f, 0.0).size()));
    ed.text = Trimmed(Formatted(f, *value)).substr(0, Float_Length);
    ed.caret = ed.text.size();
    ed.all_selected = Top_Sheet_Float_Auto() && !ed.text.empty();
    ed.box = Box_At(x, y, ed.visible);
    const int r = Run(ed);
    double typed = 0;
    if (r != 0 && Read_Number(ed.text, typed)) *value = typed;
    return r == 1 ? 1 : 0;
}

void Set_Short_Edit_Text_Scrollmode(int length) { scroll_length = std::max(length, 0); }

int Short_Edit_Text(int x, int y, char* buffer, int visible_width, int) {
    const int scroll = scroll_length;
    scroll_length = 0;
    if (!buffer) return 0;
    Line_Editor ed;
    ed.visible = std::clamp(visible_width, 1, static_cast<int>(Longest_Text));
    ed.limit = static_cast<std::size_t>(scroll > 0 ? std::min(scroll, static_cast<int>(Longest_Text)) : ed.visible);
    const std::size_t had = strnlen(buffer, ed.limit);
    std::string text(buffer, had);
    text.erase(text.find_last_not_of(' ') + 1);
    ed.text = text;
    ed.caret = ed.text.size();
    ed.box = Box_At(x, y, ed.visible);
    const int r = Run(ed);
    if (r != 0) {
        std::string out = ed.text;
        if (out.size() < had) out.append(had - out.size(), ' ');
        std::memcpy(buffer, out.data(), out.size());
        buffer[out.size()] = '\0';
    }
    return r == 1 ? 1 : 0;
}
