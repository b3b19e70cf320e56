#include "gui/text_editor.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "common/tracked_alloc.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Line_Pitch = 14;        // px from baseline to baseline
constexpr int First_Baseline = 16;    // px below the box's top
constexpr int Text_Inset = 7;         // px from the box's left edge to the text
constexpr int Wrap_Margin = 20;       // a line wraps when wider than the box less this
constexpr int Initial_Lines = 50;     // line table entries at creation; it grows fourfold
constexpr int Drag_Threshold = 6;     // px the mouse moves before a press becomes a drag
constexpr int Drag_Step_Ms = 50;      // pause per line scrolled while dragging past the box
constexpr int Clipboard_Bytes = 5000;   // at most this much of the clipboard is read, terminator included

// Event masks: left release; left and right press, wheel and keys; mouse move, left release and
// the periodic wake-up while the button is held.
constexpr int Left_Release = 0x1;
constexpr int Left_Press = 0x2;
constexpr int Right_Press = 0x8;
constexpr int Editing_Events = 0x1400a;
constexpr int Drag_Events = 0x40000021;

// Control characters of the editing keys.
constexpr int Key_Select_All = 1, Key_Copy = 3, Key_Backspace = 8, Key_Enter = 13, Key_Paste = 22, Key_Cut = 24;
constexpr int Key_Home = 327, Key_Up = 328, Key_Page_Up = 329, Key_Left = 331, Key_Right = 333, Key_End = 335, Key_Down = 336,
              Key_Page_Down = 337, Key_Delete = 339, Key_Ctrl_End = 373, Key_Ctrl_Home = 375;

Text_Editor_State* current_editor = nullptr;

const Context_Menu_Entry Special_Character_Entry{"Sonderzeichen", 1, nullptr, "_SPEC", 0, Insert_Special_Character};
const Context_Menu Special_Character_Menu{1, 13, {0, 0, 0}, &Special_Character_Entry};

struct Clip {
    int x1, y1, x2, y2;
};

Clip Current_Clip() {
    Clip c{};
    pxQVwp(&c.x1, &c.y1, &c.x2, &c.y2);
    return c;
}

// Clips to the rectangle within the current clip; false, with the clip unchanged, when the two do
// not meet (the library would take the crossed corners of an empty meet for a rectangle).
bool Clip_Within(int x1, int y1, int x2, int y2) {
    const Clip c = Current_Clip();
    const Clip r{std::max(c.x1, x1), std::max(c.y1, y1), std::min(c.x2, x2), std::min(c.y2, y2)};
    if (r.x1 > r.x2 || r.y1 > r.y2) return false;
    pxView(r.x1, r.y1, r.x2, r.y2);
    return true;
}

// The pixel width of n characters from p in the editor's font: 8 n - 3 for font 0 (0 for none),
// else the host's text extent.
int Measure(const Text_Editor_State& s, const char* p, int n) {
    if (n <= 0) return 0;
    if (s.font == 0) return 8 * n - 3;
    Pop_RFont(s.font);
    Text_Extent e{};
    pxQTxX(p, n, 0, 0, &e);
    Push_RFont();
    return e.right - e.left;
}

// The pieces below work on a laid-out text: rendering lays it out.
bool Laid_Out(const Text_Editor_State& s) { return s.text && !s.lines.empty(); }

int Count(const Text_Editor_State& s) { return static_cast<int>(s.lines.size()); }
int Line_Start(const Text_Editor_State& s, int i) { return s.lines[static_cast<std::size_t>(i)]; }
// The offset of the text's last character: the caret never goes behind it.
int Last_Character(const Text_Editor_State& s) { return std::max(0, s.length - 1); }
int Baseline(const Text_Editor_State& s, int line) { return s.y1 + First_Baseline + Line_Pitch * (line - s.first); }
bool Has_Selection(const Text_Editor_State& s) { return s.selection_start < s.selection_end; }
void Clear_Selection(Text_Editor_State& s) { s.selection_start = s.selection_end = 0; }

// The characters of a line as drawn: without its final newline.
int Drawn_End(const Text_Editor_State& s, int line) {
    const int end = Line_Start(s, line + 1);
    return end > Line_Start(s, line) && s.text[end - 1] == '\n' ? end - 1 : end;
}

// The width of a line's text from its start to the offset.
int Width_To(const Text_Editor_State& s, int line, int offset) {
    const int a = Line_Start(s, line);
    return Measure(s, s.text + a, offset - a);
}

// Where the line starting at p ends: after a newline, at the text's end, or, once its first k
// characters are wider than the limit, after the last blank of its first m characters (m = k, or
// k + 1 with the newline that follows), else after those m characters.
int Line_End(const Text_Editor_State& s, int p, int limit) {
    const char* t = s.text;
    if (t[p] == '\n') return p + 1;
    for (int k = 1;; ++k) {
        if (Measure(s, t + p, k) > limit) {
            const int m = t[p + k] == '\n' ? k + 1 : k;
            for (int j = m; j >= 1; --j)
                if (t[p + j - 1] == ' ') return p + j;
            return p + m;
        }
        if (t[p + k] == '\n') return p + k + 1;
        if (p + k >= s.length) return p + k;
    }
}

// Lays the text out into the line table; the last entry is the text's end.
void Lay_Out(Text_Editor_State& s, int limit) {
    s.lines.clear();
    int p = 0;
    try {
        for (;;) {
            if (s.lines.size() == s.lines.capacity()) s.lines.reserve(4 * std::max<std::size_t>(s.lines.capacity(), 1));
            s.lines.push_back(p);
            if (p >= s.length) break;
            p = Line_End(s, p, limit);
        }
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
}

// The selection's part on the line, filled from baseline - 10 to baseline + 2.
void Fill_Selection(const Text_Editor_State& s, int line, int baseline, int selection_colour) {
    const int a = Line_Start(s, line), next = Line_Start(s, line + 1);
    if (!Has_Selection(s) || s.selection_start > next || s.selection_end < a) return;
    const int end = Drawn_End(s, line);
    const int from = s.selection_start > a ? Width_To(s, line, std::min(s.selection_start, end)) : 0;
    const int to = Width_To(s, line, std::min(s.selection_end, end));
    pxFgc(selection_colour);
    pxRect(s.x1 + 8 + from, baseline - 10, s.x1 + 8 + to, baseline + 2);
}

void Render(Text_Editor_State& s, int x1, int y1, int x2, int y2) {
    if (!s.text) return;
    static const int selection_colour = Nearest_Color_Index(153, 180, 209);
    const Clip saved = Current_Clip();
    const int colour = pxQFgc();
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.visible = (y2 - y1 - 22) / Line_Pitch;
    Lay_Out(s, x2 - x1 - Wrap_Margin);
    if (Clip_Within(x1 + 1, y1 + 1, x2 - 1, y2 - 1)) {
        pxFgc(s.background);
        pxRect(x1 + 1, y1 + 1, x2 - 1, y2 - 1);
        Pop_RFont(s.font);
        for (int i = s.first; i <= s.first + s.visible && i < Count(s) - 1; ++i) {
            const int baseline = Baseline(s, i);
            Fill_Selection(s, i, baseline, selection_colour);
            pxFgc(s.text_colour);
            const int a = Line_Start(s, i);
            pxText(x1 + Text_Inset, baseline, s.text + a, Drawn_End(s, i) - a);
        }
        Push_RFont();
    }
    s.caret_x = 0;
    pxFgc(colour);
    pxView(saved.x1, saved.y1, saved.x2, saved.y2);
}

void Render(Text_Editor_State& s) { Render(s, s.x1, s.y1, s.x2, s.y2); }

// The caret's line: the first whose successor starts after the caret.
int Caret_Line(const Text_Editor_State& s) {
    for (int i = 0; i <= Count(s) - 2; ++i)
        if (Line_Start(s, i + 1) > s.caret) return i;
    return std::max(0, Count(s) - 1);
}

void Erase_Caret(Text_Editor_State& s) {
    if (s.caret_x == 0) return;
    pxFgc(s.background);
    pxLine(s.caret_x, s.caret_y - 10, s.caret_x, s.caret_y + 4);
    s.caret_x = 0;
}

void Keep_Caret_In_Text(Text_Editor_State& s) { s.caret = std::clamp(s.caret, 0, Last_Character(s)); }

// The column walk of Up and Down: the first position of the line whose boundary (its text's width
// before it plus 2) reaches the column, or its newline, or the text's end. A wrapped line shorter
// than the column takes its last character, before the break, so the caret stays on that line.
int Position_At_Column(const Text_Editor_State& s, int line, int column) {
    const int a = Line_Start(s, line);
    const int next = line + 1 < Count(s) ? Line_Start(s, line + 1) : s.length;
    for (int p = a; p < next; ++p) {
        if (s.text[p] == '\n' || p >= s.length) return p;
        if (Width_To(s, line, p) + 2 >= column) return p;
    }
    return next > a ? next - 1 : a;
}

// Inserts one character at the caret, 13 stored as 10; nothing when the text is full.
void Insert_Character(Text_Editor_State& s, int c) {
    Delete_Text_Editor_Selection(s);
    if (s.length >= s.max_length) return;
    std::memmove(s.text + s.caret + 1, s.text + s.caret, static_cast<std::size_t>(s.length - s.caret + 1));
    s.text[s.caret] = static_cast<char>(c == Key_Enter ? '\n' : c);
    ++s.caret;
    ++s.length;
}

// Removes the n characters from p, zeroing the bytes freed behind the text.
void Remove(Text_Editor_State& s, int p, int n) {
    std::memmove(s.text + p, s.text + p + n, static_cast<std::size_t>(s.length - p - n + 1));
    std::memset(s.text + s.length - n + 1, 0, static_cast<std::size_t>(n));
    s.length -= n;
}

void Redraw_Caret(Text_Editor_State& s) {
    Erase_Caret(s);
    Render(s);
    Scroll_Text_Editor_To_Caret(s);
    Draw_Text_Editor_Caret(s);
}

// The selection onto the clipboard; skipped when its buffer cannot be had.
void Copy_Selection(const Text_Editor_State& s) {
    if (!Has_Selection(s)) return;
    const auto n = static_cast<std::size_t>(s.selection_end - s.selection_start);
    char* copy = static_cast<char*>(std::calloc(n + 1, 1));
    if (!copy) return;
    std::memcpy(copy, s.text + s.selection_start, n);
    VEKSetClipboardText(copy);
    std::free(copy);
}

// Inserts the clipboard's text (at most 5000 bytes read) while the text has room. A carriage
// return before a line feed is one line end, not two.
void Paste(Text_Editor_State& s) {
    Delete_Text_Editor_Selection(s);
    char* buffer = static_cast<char*>(std::calloc(Clipboard_Bytes, 1));
    if (!buffer) return;
    VEKGetClipboardText(buffer, Clipboard_Bytes);
    buffer[Clipboard_Bytes - 1] = 0;
    for (const char* p = buffer; *p && s.length < s.max_length; ++p)
        if (!(p[0] == '\r' && p[1] == '\n')) Insert_Character(s, static_cast<unsigned char>(*p));
    std::free(buffer);
}

void Select_All(Text_Editor_State& s) {
    s.selection_start = 0;
    s.selection_end = Last_Character(s);
    s.caret = s.selection_end;
    Scroll_Text_Editor_To_Caret(s);
    Render(s);
    Draw_Text_Editor_Caret(s);
}

// Home, End, Ctrl+Home and Ctrl+End: the selection goes, the caret jumps.
void Jump(Text_Editor_State& s, int key) {
    Clear_Selection(s);
    Render(s);
    const int line = Caret_Line(s);
    if (key == Key_Home) s.caret = Line_Start(s, line);
    if (key == Key_End) s.caret = line + 1 < Count(s) - 1 ? Line_Start(s, line + 1) - 1 : Last_Character(s);
    if (key == Key_Ctrl_Home) s.caret = 0;
    if (key == Key_Ctrl_End) s.caret = Last_Character(s);
    Keep_Caret_In_Text(s);
    Scroll_Text_Editor_To_Caret(s);
    Draw_Text_Editor_Caret(s);
}

void Handle_Key(Text_Editor_State& s, int key) {
    switch (key) {
        case Key_Select_All: Select_All(s); return;
        case Key_Copy: Copy_Selection(s); return;
        case Key_Cut:
            Copy_Selection(s);
            Delete_Text_Editor_Selection(s);
            return;
        case Key_Home:
        case Key_End:
        case Key_Ctrl_Home:
        case Key_Ctrl_End: Jump(s, key); return;
        case Key_Up: Move_Text_Editor_Caret(0, -1, s); return;
        case Key_Down: Move_Text_Editor_Caret(0, 1, s); return;
        case Key_Page_Up: Move_Text_Editor_Caret(0, -s.visible, s); return;
        case Key_Page_Down: Move_Text_Editor_Caret(0, s.visible, s); return;
        case Key_Left: Move_Text_Editor_Caret(-1, 0, s); return;
        case Key_Right: Move_Text_Editor_Caret(1, 0, s); return;
        case Key_Paste: Paste(s); break;
        case Key_Backspace:
            if (Has_Selection(s)) {
                Delete_Text_Editor_Selection(s);
            } else if (s.caret > 0) {
                --s.caret;
                Remove(s, s.caret, 1);
            }
            break;
        case Key_Delete:
            if (Has_Selection(s)) Delete_Text_Editor_Selection(s);
            else if (s.caret < Last_Character(s)) Remove(s, s.caret, 1);
            break;
        default:
            if (key == Key_Enter || (key >= 32 && key <= 255)) Insert_Character(s, key);
            break;
    }
    Redraw_Caret(s);
}

void Handle_Wheel(Text_Editor_State& s) {
    if (M_SCROLL < 0 && s.first + s.visible < Count(s) - 2) {
        ++s.first;
        Move_Text_Editor_Caret(0, 1, s);
    } else if (M_SCROLL > 0 && s.first > 0) {
        --s.first;
        Move_Text_Editor_Caret(0, -1, s);
    }
    Render(s);
    Draw_Text_Editor_Caret(s);
    M_SCROLL = 0;
}

// A press inside the box: the caret to the mouse, then, while the button is held, a drag selects
// from the press point to the mouse and scrolls a line per step while the mouse stands at or past
// the box's top or bottom.
void Handle_Press(Text_Editor_State& s) {
    Erase_Caret(s);
    Place_Text_Editor_Caret_At_Mouse(s);
    Draw_Text_Editor_Caret(s);
    const int anchor = s.caret, px = M_XPOS, py = M_YPOS;
    bool dragging = false;
    VEK_Message_Record record;
    while (M_LEFT && !getkeymask()) {
        InitVEKMessage(&record);
        record.wait = Drag_Step_Ms;
        GetVEKMessage(Drag_Events, &record);
        if (!M_LEFT || getkeymask()) break;
        if (!dragging && std::abs(M_XPOS - px) < Drag_Threshold && std::abs(M_YPOS - py) < Drag_Threshold) continue;
        dragging = true;
        if (M_YPOS >= s.y2 && s.first + s.visible < Count(s) - 2) {
            ++s.first;
            Render(s);
            VEKSleep(Drag_Step_Ms);
        } else if (M_YPOS <= s.y1 && s.first > 0) {
            --s.first;
            Render(s);
            VEKSleep(Drag_Step_Ms);
        }
        Place_Text_Editor_Caret_At_Mouse(s);
        if (s.caret != anchor) {
            s.selection_start = std::min(anchor, s.caret);
            s.selection_end = std::max(anchor, s.caret);
            Render(s);
        }
    }
    if (!dragging || !Has_Selection(s)) {
        Clear_Selection(s);
        Render(s);
        Draw_Text_Editor_Caret(s);
    }
}

bool Inside_Box(const Text_Editor_State& s, int x, int y) { return x >= s.x1 && x <= s.x2 && y >= s.y1 && y <= s.y2; }

}  // namespace

void Text_Editor_State_Deleter::operator()(Text_Editor_State* state) const { delete state; }

Text_Editor_State* Create_Text_Editor_State(char* text, int max_length, int text_colour, int background) {
    Text_Editor_State* s = new (std::nothrow) Text_Editor_State;
    if (!s) Abort_Out_Of_Memory();
    try {
        s->lines.reserve(Initial_Lines);
    } catch (const std::bad_alloc&) {
        Abort_Out_Of_Memory();
    }
    s->text = text;
    s->max_length = std::max(0, max_length);
    s->length = text ? static_cast<int>(strnlen(text, static_cast<std::size_t>(s->max_length))) : 0;
    s->text_colour = text_colour;
    s->background = background;
    return s;
}

void Render_Text_Editor(const View_Area_Item& item, int x1, int y1, int x2, int y2) {
    Text_Editor_State* s = item.editor.get();
    if (!s || !s->text) return;
    s->owner = &item;
    Render(*s, x1, y1, x2, y2);
}

void Draw_Text_Editor_Caret(Text_Editor_State& s) {
    static const int blue = Nearest_Color_Index(0, 0, 255);
    if (!Laid_Out(s)) return;
    Erase_Caret(s);
    const int line = Caret_Line(s);
    if (line < s.first || line > s.first + s.visible) return;
    const int a = line < Count(s) ? Line_Start(s, line) : s.length;
    const int x = s.x1 + Text_Inset + (s.caret != a ? Measure(s, s.text + a, s.caret - a) + 2 : 0);
    const int y = Baseline(s, line);
    pxFgc(blue);
    pxLine(x, y - 10, x, y + 4);
    s.caret_x = x;
    s.caret_y = y;
}

void Draw_Text_Editor_Gauges(const Text_Editor_State& s) {
    static const int length_colour = Nearest_Color_Index(255, 140, 140);
    static const int position_colour = Nearest_Color_Index(88, 199, 143);
    if (s.max_length > 0) {
        pxFgc(length_colour);
        pxRect(s.x1 + 2, s.y2 - 3, s.x1 + 2 + static_cast<int>(static_cast<double>(s.length) / s.max_length * (s.x2 - s.x1 - 7)),
               s.y2 - 2);
    }
    const int count = Count(s);
    if (s.visible < count && count > 1) {
        const double h = s.y2 - s.y1 - 4;
        pxFgc(position_colour);
        pxRect(s.x2 - 3, s.y1 + 2 + static_cast<int>(static_cast<double>(s.first) / (count - 1) * h), s.x2 - 2,
               s.y1 + 2 + static_cast<int>(static_cast<double>(s.first + s.visible + 1) / (count - 1) * h));
    }
}

void Scroll_Text_Editor_To_Caret(Text_Editor_State& s) {
    if (!Laid_Out(s)) return;
    const int line = Caret_Line(s);
    if (s.first > line) {
        s.first = line;
        Render(s);
    }
    if (line - s.visible > s.first) {
        s.first = line - s.visible;
        Render(s);
    }
}

void Place_Text_Editor_Caret_At_Mouse(Text_Editor_State& s) {
    if (!Laid_Out(s)) return;
    const int line = std::max(0, (M_YPOS - s.y1 - Text_Inset) / Line_Pitch + s.first);
    if (line >= Count(s) - 1) {
        s.caret = Last_Character(s);
        return;
    }
    const int a = Line_Start(s, line), next = Line_Start(s, line + 1);
    const int d = M_XPOS - s.x1 - Text_Inset;
    const auto boundary = [&](int k) { return Measure(s, s.text + a, k) + 2; };
    int k = 0;
    for (;; ++k) {
        if (a + k >= next) {
            k = next - a - 1;   // past a wrapped line: its last character
            break;
        }
        if (s.text[a + k] == '\n' || a + k >= s.length || d < boundary(k)) {
            if (k > 0 && std::abs(d - boundary(k - 1)) < std::abs(d - boundary(k))) --k;
            break;
        }
    }
    s.caret = a + std::max(0, k);
    Keep_Caret_In_Text(s);
}

void Move_Text_Editor_Caret(int characters, int lines, Text_Editor_State& s) {
    if (!s.text) return;
    Clear_Selection(s);
    Render(s);
    Draw_Text_Editor_Caret(s);
    s.caret += characters;
    Keep_Caret_In_Text(s);
    const int line = Caret_Line(s);
    const bool blocked = (lines < 0 && line == 0) || (lines > 0 && line >= Count(s) - 2);
    if (lines != 0 && !blocked) {
        const int column = Width_To(s, line, s.caret);
        const int target = std::clamp(line + lines, 0, Count(s) - 1);
        s.caret = Position_At_Column(s, target, column);
    }
    Keep_Caret_In_Text(s);
    Scroll_Text_Editor_To_Caret(s);
    Draw_Text_Editor_Caret(s);
}

void Delete_Text_Editor_Selection(Text_Editor_State& s) {
    if (!Laid_Out(s) || !Has_Selection(s)) return;
    const int from = std::clamp(s.selection_start, 0, s.length);
    const int to = std::clamp(s.selection_end, from, s.length);
    Remove(s, from, to - from);
    Clear_Selection(s);
    s.caret = from;
    Render(s);
    Scroll_Text_Editor_To_Caret(s);
    Draw_Text_Editor_Caret(s);
    s.length = static_cast<int>(std::strlen(s.text));
}

void Insert_Special_Character() {
    const int c = Get_UserSelected_SpecialCharacter();
    if (c >= 0 && current_editor) Insert_Character(*current_editor, c);
}

int Edit_Multi_Line_Text(const View_Area_Item& item, int ax1, int ay1, int ax2, int ay2, int x1, int y1, int x2, int y2) {
    Text_Editor_State* state = item.editor.get();
    if (!state || !item.buffer || (item.enabled && *item.enabled == 0)) return 0;
    Text_Editor_State& s = *state;
    const Clip saved = Current_Clip();
    if (!Clip_Within(ax1, ay1, ax2, ay2) || !Clip_Within(x1, y1, x2, y2)) {
        pxView(saved.x1, saved.y1, saved.x2, saved.y2);
        return 0;
    }
    s.x1 = x1;
    s.y1 = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.text_colour = item.colour;
    s.background = item.aux;
    s.text = item.buffer;
    s.owner = &item;
    s.length = static_cast<int>(strnlen(s.text, static_cast<std::size_t>(s.max_length)));
    current_editor = &s;
    Pop_RFont(s.font);
    Render(s);
    Place_Text_Editor_Caret_At_Mouse(s);
    Draw_Text_Editor_Caret(s);
    Draw_Text_Editor_Gauges(s);
    GetVEKMessage(Left_Release, nullptr);
    for (;;) {
        if (hitkey() < 0) {
            const int r = GetVEKMessage(Editing_Events, nullptr);
            if (getkeymask()) break;
            if (M_SCROLL != 0) {
                Handle_Wheel(s);
            } else if ((r & Left_Press) && M_LEFT) {
                if (!Inside_Box(s, M_XPOS, M_YPOS)) break;
                Handle_Press(s);
            } else if (r & Right_Press) {
                Menue_Manager(&Special_Character_Menu);
                Render(s);
                Scroll_Text_Editor_To_Caret(s);
                Draw_Text_Editor_Caret(s);
            }
        }
        if (hitkey() >= 0) Handle_Key(s, getkey());
        Draw_Text_Editor_Gauges(s);
    }
    Erase_Caret(s);
    s.first = 0;
    Clear_Selection(s);
    Render(s);
    Push_RFont();
    pxView(saved.x1, saved.y1, saved.x2, saved.y2);
    current_editor = nullptr;
    return 0;
}

int Get_Text_Extent_Width(const char* text, int n) {
    if (!text || n <= 0) return 0;
    if (current_editor && current_editor->font == 0) return 8 * n - 3;
    Text_Extent e{};
    pxQTxX(text, n, 0, 0, &e);
    return e.right - e.left;
}

void Measure_Text_Prefix(const char* text, int n, Text_Extent* extent) {
    if (!extent) return;
    *extent = Text_Extent{};
    if (!text || n <= 0) return;
    if (current_editor && current_editor->font == 0) {
        pxQTxX(text, n, 0, 0, extent);
        extent->right = extent->left + 8 * n - 3;
        return;
    }
    pxQTxX(text, n, 0, 0, extent);
}
