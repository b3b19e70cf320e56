#include "report/row_form.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/rounding.h"
#include "report/layout_operations.h"
#include "report/older_paragraphs.h"
#include "report/paragraph_writer.h"

namespace {

constexpr int Max_Cells = 3;

struct Row_Form_State {
    int cell_font = 7;
    int count = 0;               // cells per row
    int next = -1;               // index of the next cell; -1 without a form
    bool active = false;
    bool end_previous = false;   // the paragraph of the previous form ends before the next cell
    bool first_at_margin = false;
    std::array<double, Max_Cells> positions{};
};

Row_Form_State Row;

const char* const Cell_Tab = "╬t"_cp;

// The cell font and the tab stops of the form.
void Apply_Form() {
    OLI_Set_Font(Row.cell_font);
    const int skip = Row.first_at_margin ? 1 : 0;
    OLI_Set_Tab_Stops(2, nullptr, Row.positions.data() + skip, Row.count - skip);
}

void Set_Form(int count, const double* positions) {
    if (!positions) return;
    const int n = std::clamp(count, 1, Max_Cells);
    if (Row.active) Row.end_previous = true;
    Row.count = n;
    std::copy(positions, positions + n, Row.positions.begin());
    Row.first_at_margin = Round_To_Decimals(positions[0], 2) == 0;
    Row.next = 0;
    Row.active = true;
    if (!Row.end_previous) Apply_Form();
}

int Write_Cell(FILE* stream, const std::string& text) {
    if (!stream) return Row.next;
    if (Row.end_previous) {
        OLI_End_Paragraph(stream);
        Row.end_previous = false;
        Apply_Form();
    }
    if (!Row.active) {
        OLI_Print_As_Text(stream, Cell_Tab + text + "\n");
        return -1;
    }
    OLI_Set_Font(Row.cell_font);
    const bool at_margin = Row.next == 0 && Row.first_at_margin;
    OLI_Print_As_Text(stream, (at_margin ? "" : Cell_Tab) + text);
    if (++Row.next >= Row.count) {
        OLI_Printf(stream, "\n");
        Row.next = 0;
    }
    return Row.next;
}

// A double in the caller's format for one value.
std::string Value_Text(const char* format, double value) { return format ? Format_Text(format, value) : ""; }

}  // namespace

int OLI_Set_Cell_Font(int font) { return Row.cell_font = font; }

int OLI_Get_Cell_Font() { return Row.cell_font; }

void OLI_Row_Form(int count, const double* positions) { Set_Form(count, positions); }

void OLI_Row_Form_2(double first, double second) {
    const double p[] = {first, second};
    Set_Form(2, p);
}

void OLI_Row_Form_3(double first, double second, double third) {
    const double p[] = {first, second, third};
    Set_Form(3, p);
}

int OLI_Row_Cell(FILE* stream, const char* format, ...) {
    if (!stream || !format) return Row.next;
    va_list args;
    va_start(args, format);
    const std::string text = Format_Text_V(format, args);
    va_end(args);
    return Write_Cell(stream, text);
}

int OLI_Row_Cells_3(FILE* stream, const char* first, const char* second, const char* format, ...) {
    if (!stream || !format) return Row.next;
    va_list args;
    va_start(args, format);
    const std::string third = Format_Text_V(format, args);
    va_end(args);
    Write_Cell(stream, first ? first : "");
    Write_Cell(stream, second ? second : "");
    return Write_Cell(stream, third);
}

void OLI_Formula_Row(FILE* stream, const char* name, const char* symbol, const char* format_a, double a,
                     int relation, const char* format_b, double b) {
    if (!stream) return;
    const std::string value = Value_Text(format_a, a) + Format_Text(" %c ", relation) + Value_Text(format_b, b);
    OLI_Row_Cells_3(stream, name, symbol, "%s", value.c_str());
}

void OLI_Formula_Row_Marked(FILE* stream, const char* name, const char* symbol, const char* format_a, double a,
                            int relation, const char* format_b, double b, int ok, const char* suffix) {
    if (!stream) return;
    if (ok) {
        OLI_Formula_Row(stream, name, symbol, format_a, a, relation, format_b, b);
        return;
    }
    const std::string bold = "╬b"_cp;
    const std::string value = bold + Value_Text(format_a, a) + bold + Format_Text(" %c ", relation) + bold +
                              Value_Text(format_b, b) + bold + "  " + (suffix ? suffix : "");
    OLI_Row_Cells_3(stream, name, symbol, "%s", value.c_str());
    OLI_Add_Paragraph_Space(-Text_Line_Height);
    const double indent = OLI_Get_Indent();
    OLI_Set_Indent(OLI_Get_Text_Width());
    OLI_Printf(stream, "╬b!!\n"_cp);
    OLI_Set_Indent(indent);
}

void OLI_Row_Space(FILE* stream, double lines) {
    if (stream) OLI_Add_Paragraph_Space(lines * Text_Line_Height);
}

void OLI_End_Row_Form(FILE* stream) {
    if (stream) OLI_End_Paragraph(stream);
    Row.count = 0;
    Row.next = -1;
    Row.active = false;
    Row.end_previous = false;
    Row.first_at_margin = false;
}
