#include "gui/page_context.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "common/text_width.h"
#include "gui/hover_help.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Label_Font = 4096;
constexpr int Style_Bits = 0x70000;   // bold and the two shadows
constexpr char Escape = '\xCE';       // the print list's escape byte

Page_Context context;

// Width of a piece of text in the current font.
int Piece_Width(std::string_view piece) {
    if (piece.empty()) return 0;
    const std::string copy(piece);
    return Get_Text_Width(copy.c_str());
}

// The visible part of an escape's payload: a colour escape (c) shows what follows its first blank
// (the colour numbers stay hidden), a bold escape (b) shows payloads of two characters or more, every
// other escape shows nothing.
std::string_view Visible_Payload(char letter, std::string_view payload) {
    if (letter == 'c' || letter == 'C') {
        const std::size_t blank = payload.find(' ');
        return blank == std::string_view::npos ? std::string_view{} : payload.substr(blank + 1);
    }
    if (letter == 'b' || letter == 'B') return payload.size() >= 2 ? payload : std::string_view{};
    return {};
}

}  // namespace

const int Page_Enabled = 1;
const int Page_Disabled = 0;

const Page_Context& Current_Page_Context() { return context; }

void Select_Page_Context(int area) {
    Clear_Hover_Lists();
    context.area = area;
    context.font = Label_Font;
    context.text_colour = Nearest_Color_Index(0, 0, 0);
    context.fill_colour = Nearest_Color_Index(255, 255, 255);
    context.hover_escape = -1;
    context.hover_left = -1000;
    context.hover_top = -1000;
    context.hover_dx = nullptr;
    context.hover_dy = nullptr;
    if (const Hover_Area* h = area >= 0 ? Find_Hover_Area(area) : nullptr) {
        context.hover_escape = h->escape;
        context.hover_left = h->x1;
        context.hover_top = h->y1;
        context.hover_dx = h->dx;
        context.hover_dy = h->dy;
    }
}

int Get_Page_Area() { return context.area; }
void Set_Page_Font(int font) { context.font = font; }
int Get_Page_Font() { return context.font; }
void Set_Page_Text_Colour(int colour) { context.text_colour = colour; }
int Get_Page_Text_Colour() { return context.text_colour; }
void Set_Page_Fill_Colour(int colour) { context.fill_colour = colour; }
int Get_Page_Fill_Colour() { return context.fill_colour; }
void Set_Read_Only_Background(int colour) { context.read_only_background = colour; }

int Get_Read_Only_Background() {
    if (context.read_only_background < 0) context.read_only_background = Nearest_Color_Index(220, 220, 220);
    return context.read_only_background;
}

void Set_Last_Page_Item(int x1, int y1, int x2, int y2, int state) {
    context.last_x1 = x1;
    context.last_y1 = y1;
    context.last_x2 = x2;
    context.last_y2 = y2;
    context.last_state = state;
}

// Plain text counts whole; an escape is 0xCE, its letter, the payload and a closing 0xCE with one
// letter after it. The closing pair never counts, and an escape left open (or a 0xCE as the last
// byte) ends the measurement. The text is only read, never changed.
int Get_Escaped_Text_Width(const char* text) {
    if (!text) return 0;
    std::string_view rest(text);
    int sum = 0;
    while (!rest.empty()) {
        const std::size_t open = rest.find(Escape);
        if (open == std::string_view::npos) return sum + Piece_Width(rest);
        sum += Piece_Width(rest.substr(0, open));
        if (open + 1 >= rest.size()) break;   // a trailing 0xCE: nothing follows
        const char letter = rest[open + 1];
        const std::string_view tail = rest.substr(open + 2);
        const std::size_t close = tail.find(Escape);
        sum += Piece_Width(Visible_Payload(letter, tail.substr(0, close)));
        if (close == std::string_view::npos) break;
        // The closing 0xCE and its letter are skipped; with at most that letter left, the text ends.
        rest = tail.size() - close > 2 ? tail.substr(close + 2) : std::string_view{};
    }
    return sum;
}

int Get_Label_Width(const char* text, int font) {
    Pop_RFont(font & ~Style_Bits);
    const int width = Get_Escaped_Text_Width(text);
    Push_RFont();
    const int style = font & Style_Bits ? 2 : 0;
    return width > 0 ? width + 3 + style : style;
}

int Get_Choice_Field_Width(const char* texts, int stride, int count, int font) {
    constexpr int Field_Extra = 33;   // the drop-down button and the field's margins
    if (!texts || count <= 0) return Field_Extra;
    int widest = 0;
    for (int i = 0; i < count; ++i)
        widest = std::max(widest, Get_Label_Width(texts + static_cast<std::ptrdiff_t>(i) * stride, font & ~Style_Bits));
    return widest - widest % 8 + Field_Extra;
}
