#include "report/headings.h"

#include <algorithm>
#include <cstdarg>
#include <cstring>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"
#include "report/graphic_block.h"
#include "report/paragraph_writer.h"

Chapter_State_Record Chapter_State = {
    {0, 0, 0, 0, 0, 0}, 3, {1, 1, 1, 1, 1, 1}, {0.0, 0.0, 0.0, 0.0, 0.0, 0.0},
    0, 0, 2, 3, -1, 1, "???", 0.0f, 0.0f,
};

namespace {

constexpr std::size_t Title_Buffer_Size = 255;       // a title or heading line holds 254 characters
constexpr int Graphic_Form_Highest_Level = 334;      // format levels up to this use the graphic form
constexpr double Narrow_Column = 0.28;
constexpr double Wide_Column = 0.48;

constexpr float Space_Before_Heading = 0.254f;
constexpr float Space_Before_Unnumbered = 0.114f;
constexpr float Reserve_For_Heading = 3.0f;
constexpr float Space_After_Chapter = 0.1f;
constexpr float Pull_Up_After_Chapter = -0.19f;
constexpr float Pull_Up_After_Graphic = -0.6f;

struct Heading_Request {
    int level;          // 1..6
    int code;           // outline code
    bool outline;       // write an outline entry
};

// The composed heading: the number text, the line printed and the outline text.
struct Heading_Text {
    std::string number;
    std::string line;
    std::string outline;
};

int Clamp_Level(int level) { return std::clamp(level, 1, Chapter_Levels); }

double Column_Width(int selector) { return selector == 1 ? Narrow_Column : Wide_Column; }

bool Tab_Stop_Form() { return !Chapter_State.numbers_inline && !Chapter_State.no_numbers; }

// Left edge of the title in the tab-stop form: the number columns of the levels in use plus a gap.
double Tab_Position() {
    const int d = Chapter_State.deepest;
    double sum = 0.0;
    for (int k = 0; k < std::min(d, Chapter_Levels); ++k) sum += Chapter_State.widths[k];
    return sum + (d == 3 ? 0.3 : d == 4 ? 0.2 : 0.35);
}

// A composed line must fit the 254 characters of a heading; a cut never leaves a lone escape byte.
void Cut_To_Heading_Length(std::string& text) {
    if (text.size() < Title_Buffer_Size) return;
    text.resize(Title_Buffer_Size - 1);
    if (static_cast<unsigned char>(text.back()) == 0xCE) text.pop_back();
}

void Set_Left_Margin(FILE* stream, float left) {
    Chapter_State.left_margin = left;
    OLI_setMarginsCM(stream, 1, left, Chapter_State.right_margin);
}

// Steps 1 and 2 of every numbered heading: the deepest level and the counters.
void Advance_Counters(int L) {
    Chapter_State.deepest = std::max({Chapter_State.deepest, 1, L});
    ++Chapter_State.counters[L - 1];
    for (int k = L; k < Chapter_Levels; ++k) Chapter_State.counters[k] = 0;
}

Heading_Text Compose(int L, const char* title) {
    Heading_Text h;
    if (Chapter_State.no_numbers) {
        h.line = h.outline = title;
        return h;
    }
    for (int k = 0; k < L; ++k) h.number += Format_Text("%d.", Chapter_State.counters[k]);
    std::snprintf(Chapter_State.last_number, sizeof Chapter_State.last_number, "%s", h.number.c_str());
    h.outline = "╬@"_cp + h.number + " " + title;
    h.line = Chapter_State.numbers_inline ? h.outline : "╬@"_cp + h.number + "╬t"_cp + title;
    Cut_To_Heading_Length(h.line);
    Cut_To_Heading_Length(h.outline);
    return h;
}

void Write_Outline(FILE* stream, const Heading_Request& r, const Heading_Text& h) {
    if (r.outline && r.level <= Chapter_State.bookmark_depth) OLI_setBookmark(stream, r.code, h.outline.c_str());
}

// Level 0: the title emphasised in font 4, no number, no outline entry; the caller's font returns.
void Unnumbered_Heading(FILE* stream, const char* title) {
    const int font = OLI_Get_Font();
    OLI_setYPositionCM(stream, 1, Space_Before_Unnumbered);
    if (font != 4) OLI_Set_Font(4);
    OLI_Printf(stream, "╬H%s╬r\n"_cp, title);
    OLI_End_Paragraph(stream);
    if (font != 4) OLI_Set_Font(font);
}

// The text form: the heading is a paragraph of its own, level 1 in font 5 with 0.1 cm after it,
// deeper levels emphasised in font 4.
void Text_Heading(FILE* stream, const Heading_Request& r, const char* title) {
    const int L = r.level;
    const bool chapter = L == 1;
    Advance_Counters(L);
    if (Chapter_State.write_switch) {
        if (!Chapter_State.numbers_inline) Set_Left_Margin(stream, 0.0f);
        OLI_setYPositionCM(stream, 1, Space_Before_Heading);
        OLI_reserveSpaceCM(stream, Reserve_For_Heading);
    }
    const Heading_Text h = Compose(L, title);
    Write_Outline(stream, r, h);
    if (!Chapter_State.write_switch) return;

    const double tab = Tab_Position();
    OLI_Set_Font(chapter ? 5 : 4);
    if (Tab_Stop_Form()) OLI_Set_Tab_Stops(17, nullptr, &tab, 1);
    if (chapter) {
        OLI_Printf(stream, "%s\n", h.line.c_str());
        OLI_Add_Paragraph_Space(Space_After_Chapter);
        OLI_End_Paragraph(stream);
        OLI_setYPositionCM(stream, 1, Space_After_Chapter);
    } else {
        OLI_Printf(stream, "╬H%s╬r\n"_cp, h.line.c_str());
        OLI_End_Paragraph(stream);
    }
    if (!Chapter_State.numbers_inline) Set_Left_Margin(stream, Tab_Stop_Form() ? static_cast<float>(tab) : 0.0f);
}

// The graphic form of older print-list generations: the heading drawn as a small graphic block.
void Graphic_Heading(FILE* stream, const Heading_Request& r, const char* title) {
    const int L = r.level;
    const bool chapter = L == 1;
    Advance_Counters(L);
    const Heading_Text h = Compose(L, title);
    const double tab = Tab_Position();
    if (Chapter_State.write_switch) {
        // A graphic block never stands inside an open paragraph block.
        OLI_End_Paragraph(stream);
        if (!Chapter_State.numbers_inline) Set_Left_Margin(stream, 0.0f);
        OLI_reserveSpaceCM(stream, Reserve_For_Heading);

        struct Piece { double x; std::string text; };
        std::vector<Piece> pieces;
        if (Tab_Stop_Form()) {
            for (int k = 0; k < L; ++k)
                pieces.push_back({k * Chapter_State.widths[k], Format_Text("%d.", Chapter_State.counters[k])});
            pieces.push_back({tab, title});
        } else {
            pieces.push_back({0.0, Chapter_State.numbers_inline ? h.number + " " + title : std::string(title)});
        }
        const double y = chapter ? 0.2 : 0.1;
        Print_To_Stream(stream, "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n");
        Print_To_Stream(stream, "%d\n", -1);
        Print_To_Stream(stream, " %lf %lf %lf %lf\n", 0.0, 17.0, 0.0, chapter ? 0.8 : 0.7);
        Print_To_Stream(stream, " 7 %d\n", chapter ? 5 : 4);
        for (const Piece& p : pieces) Print_To_Stream(stream, " 2 %lf %lf «%s»\n"_cp, p.x, y, p.text.c_str());
        if (L == 2 || L == 3)   // drawn twice, a hair apart, for emphasis
            for (const Piece& p : pieces)
                Print_To_Stream(stream, " 2 %lf %lf «%s»\n"_cp, p.x + 0.01, y + 0.01, p.text.c_str());
        Print_To_Stream(stream, " -1\n");
    }
    if (r.outline && L <= Chapter_State.bookmark_depth) {
        OLI_setBookmark(stream, r.code, h.outline.c_str());
        OLI_setBookmark(stream, Bookmark_Graphic_Follow, "");
    }
    if (!Chapter_State.write_switch) return;
    OLI_setYPositionCM(stream, 1, Pull_Up_After_Graphic);
    if (!Chapter_State.numbers_inline) Set_Left_Margin(stream, Tab_Stop_Form() ? static_cast<float>(tab) : 0.0f);
}

// Outline groups: a heading of a level up to the group limit closes the groups at its own level and
// below and opens a new one.
int Group_Code(FILE* stream, int L) {
    const int limit = std::min(Chapter_State.bookmark_depth - 1, Chapter_State.group_limit);
    if (L < 1 || L > limit) return Bookmark_Plain;
    for (int k = L; k <= Chapter_State.last_group_level; ++k) OLI_setBookmark(stream, Bookmark_Close_Group, nullptr);
    Chapter_State.last_group_level = L;
    return Bookmark_Open_Group;
}

enum class Outline_Kind { Groups, Caller_Code, None };

void Heading(FILE* stream, int level, Outline_Kind kind, int code, const char* format, va_list args) {
    if (!stream || level < 0) return;
    char title[Title_Buffer_Size] = "";
    if (format) std::vsnprintf(title, sizeof title, format, args);
    if (level == 0) {
        Unnumbered_Heading(stream, title);
        return;
    }
    Heading_Request r{Clamp_Level(level), code, kind != Outline_Kind::None};
    if (kind == Outline_Kind::Groups) r.code = Group_Code(stream, r.level);
    if (Print_List_Format_Level <= Graphic_Form_Highest_Level)
        Graphic_Heading(stream, r, title);
    else
        Text_Heading(stream, r, title);
    if (r.level == 1) OLI_setYPositionCM(stream, 1, Pull_Up_After_Chapter);
}

}  // namespace

void OLI_Reset_Chapters(int deepest, int width_selector, int mode) {
    Chapter_State.counters.fill(0);
    Chapter_State.deepest = std::min(deepest, Chapter_Levels);
    Chapter_State.width_selectors.fill(width_selector);
    Chapter_State.widths.fill(Column_Width(width_selector));
    Chapter_State.numbers_inline = mode & 1;
    Chapter_State.no_numbers = (mode >> 1) & 1;
    Chapter_State.last_group_level = -1;
}

void OLI_Set_Bookmark_Depth(int level) { Chapter_State.bookmark_depth = level; }

void OLI_Set_Bookmark_Group_Depth(int level) { Chapter_State.group_limit = level; }

void OLI_Chapter_Heading(FILE* stream, int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Heading(stream, level, Outline_Kind::Groups, Bookmark_Plain, format, args);
    va_end(args);
}

void OLI_Chapter_Heading_Code(FILE* stream, int level, int code, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Heading(stream, level, Outline_Kind::Caller_Code, code, format, args);
    va_end(args);
}

void OLI_Chapter_Heading_No_Bookmark(FILE* stream, int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Heading(stream, level, Outline_Kind::None, Bookmark_Plain, format, args);
    va_end(args);
}

void OLI_Count_Chapter_Heading(FILE* stream, int level, const char* format, ...) {
    va_list args;
    va_start(args, format);
    const int write = Chapter_State.write_switch;
    Chapter_State.write_switch = 0;
    Heading(stream, level, Outline_Kind::Groups, Bookmark_Plain, format, args);
    Chapter_State.write_switch = write;
    va_end(args);
}

void OLI_Close_Bookmark_Groups(FILE* stream) {
    for (int k = 0; k < Chapter_State.last_group_level; ++k) OLI_setBookmark(stream, Bookmark_Close_Group, nullptr);
}

int OLI_Get_Chapter_Counter(int level) { return Chapter_State.counters[Clamp_Level(level) - 1]; }

int OLI_Set_Chapter_Counter(int level, int value) { return Chapter_State.counters[Clamp_Level(level) - 1] = value; }

int OLI_Next_Chapter_Counter(int level) { return ++Chapter_State.counters[Clamp_Level(level) - 1]; }

void OLI_Set_Chapter_Number_Widths(const int* selectors) {
    if (selectors)
        for (int k = 0; k < std::min(Chapter_State.deepest, Chapter_Levels); ++k)
            Chapter_State.width_selectors[k] = selectors[k];
    for (int k = 0; k < Chapter_Levels; ++k) Chapter_State.widths[k] = Column_Width(Chapter_State.width_selectors[k]);
}

const char* OLI_Get_Last_Chapter_Number() { return Chapter_State.no_numbers ? nullptr : Chapter_State.last_number; }
