#include "frame/table_cells.h"

#include <array>
#include <cmath>

#include "common/stream_print.h"
#include "frame/report_marks.h"

namespace {

constexpr std::array<const char*, Cell_Form_Count> Cell_Formats = {
    " %8.1lf", " %7.1lf", " %6.1lf", " %4.1lf", " %9.2lf", "%8.2lf", "%8.3lf",
};

// Values closer than this count as equal, and as zero.
constexpr double Cell_Tolerance = 0.0001;

}  // namespace

void Write_Cell_Value(FILE* stream, double value, int form) {
    if (form < 0 || form >= Cell_Form_Count) return;
    Print_To_Stream(stream, Cell_Formats[static_cast<std::size_t>(form)], value);
}

void Write_Governing_Cell(FILE* stream, double governing, double value, int decimals) {
    if (!stream) return;
    const bool three = decimals == 3;
    if (governing < -1.1) {
        Print_To_Stream(stream, three ? " %7.3lf" : " %7.2lf", value);
    } else if (value > Cell_Tolerance) {
        if (std::fabs(value - governing) <= Cell_Tolerance)
            Print_To_Stream(stream, three ? " ╬u%7.3lf╬r"_cp : " ╬u%7.2lf╬r"_cp, value);
        else
            Print_To_Stream(stream, three ? " %7.3lf" : " %7.2lf", value);
    } else if (value >= -Cell_Tolerance) {
        Print_To_Stream(stream, "    --- ");
    } else {
        Print_To_Stream(stream, "%s  Fehler%s", Colour_Tag_Red(), Colour_Tag_Reset());
    }
}

void Write_Table_Separator(FILE* stream, int index, int per_line, const char* text) {
    if (!stream) return;
    if (per_line <= 0) per_line = 3;
    if (index > 0) Print_To_Stream(stream, index % per_line == 0 ? "\n" : ";  ");
    Print_To_Stream(stream, "%s", text ? text : "");
}

void Write_Symbol_Graphic(FILE* stream, const char* name, double width, double height) {
    if (!stream || !name || !*name || width < 1 || height < 0.5) return;
    Print_To_Stream(stream, "#SHOWGRAFIC\n0 0 0\n0 0 0\n-1\n");
    Print_To_Stream(stream, "0 %lf 0 %lf\n", width, height);
    Print_To_Stream(stream, "27 0 %lf %%FONT%%\\%s.ocm\n", height, name);
    Print_To_Stream(stream, "-1\n");
}
