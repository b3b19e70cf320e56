#include "report/remark_lists.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdarg>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"
#include "report/graphic_block.h"
#include "report/graphic_shapes.h"
#include "report/layout_operations.h"
#include "report/older_paragraphs.h"
#include "report/paragraph_writer.h"
#include "report/row_form.h"

namespace {

constexpr std::size_t Line_Size = 300;        // a line holds at most 299 characters
constexpr double Character_Width = 0.18;      // cm
constexpr double Blank_Line_Space = 0.19;
constexpr double Frame_Margin = 0.8;          // lines of frame above and below the text
constexpr double Frame_Reserve_Extra = 0.5;
constexpr double Frame_Indent = 0.3;
const char* const Missing_Line = "?????";

struct Remark_List {
    bool active = false;
    int kind = 1;
    int text_lines = 0;
    int blank_lines = 0;
    int widest = 0;
    std::vector<std::string> lines;
};

std::array<Remark_List, Remark_Lists> Lists;
std::array<double, 3> Column_Positions{};

bool Valid(int list) { return list >= 0 && list < Remark_Lists; }

bool Is_Blank(const std::string& line) { return line.find_first_not_of(' ') == std::string::npos; }

void Clear(int list, int kind) {
    if (!Valid(list)) return;
    Remark_List& L = Lists[static_cast<std::size_t>(list)];
    L.active = true;
    if (kind) L.kind = kind;
    L.text_lines = L.blank_lines = L.widest = 0;
    L.lines.clear();
}

// Columns a position (cm) stands in from the margin.
int Position_Characters(double position) { return static_cast<int>(std::lround(position / Character_Width)); }

void Write_Columns(Remark_List& L, FILE* stream) {
    OLI_Row_Form(L.kind, Column_Positions.data());
    for (const std::string& line : L.lines) {
        if (Is_Blank(line))
            OLI_Add_Paragraph_Space(Blank_Line_Space);
        else
            OLI_Row_Cell(stream, "%s", line.c_str());
    }
    OLI_End_Row_Form(stream);
    L.kind = 1;
}

void Write_Captions(const Remark_List& L, FILE* stream) {
    for (const std::string& line : L.lines) {
        if (Is_Blank(line))
            OLI_Caption_Line(stream, "%s", "");   // an empty line of its own
        else if (line[0] != '+')
            OLI_Caption_Line(stream, "%s", line.c_str());
    }
}

void Write_Table(const Remark_List& L, int style, FILE* stream) {
    Print_To_Stream(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1\n");
    for (std::size_t k = 0; k < L.lines.size(); ++k) {
        const std::string& line = L.lines[k];
        if (Is_Blank(line)) {
            Print_To_Stream(stream, " \n");
            continue;
        }
        const bool more = line[0] == '+';
        const char* rest = line.c_str() + (more ? 1 : 0);
        switch (style) {
        case 1:
            if (more) Print_To_Stream(stream, "   %s\n", rest);
            else Print_To_Stream(stream, " ╬/o╬r %s\n"_cp, rest);
            break;
        case 2:
            if (more) Print_To_Stream(stream, "    %s\n", rest);
            else Print_To_Stream(stream, " %2d %s\n", static_cast<int>(k) + 1, rest);
            break;
        case 3:
            if (more) Print_To_Stream(stream, "     %s !\n", rest);
            else Print_To_Stream(stream, " >>> %s !\n", rest);
            break;
        default: Print_To_Stream(stream, " %s\n", line.c_str()); break;
        }
    }
    Print_To_Stream(stream, "#END_OF_TEXT\n");
}

void Print_Framed(FILE* stream, int list, double width, bool table) {
    if (!stream || !Valid(list) || !Lists[static_cast<std::size_t>(list)].active) return;
    const Remark_List& L = Lists[static_cast<std::size_t>(list)];
    const double line_height = table ? Table_Line_Height : Text_Line_Height;
    const int rows = (L.text_lines + L.kind - 1) / L.kind;
    const double blank_height = L.kind == 1 && !table ? Text_Line_Height : Blank_Line_Space;
    const double height = (rows + Frame_Margin) * line_height + L.blank_lines * blank_height;
    if (width < 0) width = L.widest * Character_Width;

    OLI_reserveSpaceCM(stream, static_cast<float>(height + Frame_Reserve_Extra));
    const int slot = OLI_Store_Position(stream);
    OLI_Open_Graphic_Uniform(stream, 0, 0, width, height, 1.0, 0.0, nullptr);
    OLI_Draw_Rectangle(0, 0, width, height);
    Print_To_Stream(stream, " -1\n");
    if (slot >= 0) OLI_Restore_Position(stream, slot);
    OLI_setYPositionCM(stream, 1, static_cast<float>(Blank_Line_Space));
    const double left = OLI_Get_Left_Margin();
    OLI_Set_Left_Margin(stream, left + Frame_Indent);
    const int captions = table ? OLI_Set_Caption_Switch(1) : 0;
    OLI_Write_Remark_List(list, table ? 4 : 0, stream);
    if (table) OLI_Set_Caption_Switch(captions);
    OLI_Set_Left_Margin(stream, left);
}

}  // namespace

void OLI_Clear_Remark_List(int list) { Clear(list, 0); }

void OLI_Clear_Remark_List_2(int list, double first, double second) {
    if (!Valid(list)) return;
    Column_Positions[0] = first;
    Column_Positions[1] = second;
    Clear(list, 2);
}

void OLI_Clear_Remark_List_3(int list, double first, double second, double third) {
    if (!Valid(list)) return;
    Column_Positions = {first, second, third};
    Clear(list, 3);
}

int OLI_Remark_List_Active(int list) { return Valid(list) && Lists[static_cast<std::size_t>(list)].active ? 1 : 0; }

int OLI_Add_Remark(int list, const char* format, ...) {
    if (!OLI_Remark_List_Active(list) || !format) return -1;
    Remark_List& L = Lists[static_cast<std::size_t>(list)];
    if (L.lines.size() >= Remark_Slots) return -1;
    char text[Line_Size];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    L.lines.emplace_back(text);
    if (Is_Blank(L.lines.back())) return ++L.blank_lines;

    int width = MT_String_Length(text);
    if (L.kind == 2 && L.text_lines % 2 == 1) width += Position_Characters(Column_Positions[1]);
    if (L.kind == 3 && L.text_lines % 3 == 2) width += Position_Characters(Column_Positions[2]);
    ++L.text_lines;
    L.widest = std::max(L.widest, width);
    return L.widest;
}

const char* OLI_Get_Remark(int list, int line) {
    if (!OLI_Remark_List_Active(list)) return Missing_Line;
    const Remark_List& L = Lists[static_cast<std::size_t>(list)];
    if (line < 0 || line >= static_cast<int>(L.lines.size())) return Missing_Line;
    return L.lines[static_cast<std::size_t>(line)].c_str();
}

int OLI_Remark_Count(int list) {
    if (!Valid(list)) return 0;
    const Remark_List& L = Lists[static_cast<std::size_t>(list)];
    return L.text_lines + L.blank_lines;
}

void OLI_Drop_Remarks(int list, int n) {
    if (!Valid(list) || n <= 0) return;
    Remark_List& L = Lists[static_cast<std::size_t>(list)];
    L.lines.resize(L.lines.size() - static_cast<std::size_t>(std::min(n, L.text_lines)));
    L.blank_lines = static_cast<int>(std::count_if(L.lines.begin(), L.lines.end(), Is_Blank));
    L.text_lines = static_cast<int>(L.lines.size()) - L.blank_lines;
}

void OLI_Write_Remark_List(int list, int style, FILE* stream) {
    if (!stream || !OLI_Remark_List_Active(list)) return;
    Remark_List& L = Lists[static_cast<std::size_t>(list)];
    if (L.kind == 2 || L.kind == 3)
        Write_Columns(L, stream);
    else if (style == 4)
        Write_Captions(L, stream);
    else
        Write_Table(L, style, stream);
    L.active = false;
}

void OLI_Print_Remark_List(FILE* stream, int list, double width) { Print_Framed(stream, list, width, false); }

void OLI_Print_Remark_List_Table(FILE* stream, int list, double width) { Print_Framed(stream, list, width, true); }
