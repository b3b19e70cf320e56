#include "report/range_texts.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/printlist/print_list_library.h"
#include "report/layout_operations.h"
#include "report/literature_list.h"
#include "report/older_paragraphs.h"
#include "report/row_form.h"

namespace {

constexpr std::size_t Label_Length = 25;
constexpr std::size_t Text_Length = 200;
constexpr std::size_t Entry_Length = 235;
constexpr double Characters_Full_Width = 160;
constexpr double Character_Width = 0.18;   // cm of a range list character
constexpr int List_Font = 3;
constexpr float Space_Without_Entries = 0.19f;
constexpr float Space_After_Columns = 0.4f;
const char* const Entry_Gap = "     ";

struct Range_Entry {
    std::string label;
    std::string text;
    std::string entry;
};

std::vector<Range_Entry> Ranges;
std::size_t Saved_Count = 0;

std::string Cut(const char* text, std::size_t n) { return std::string(text ? text : "").substr(0, n); }

int Add(const char* label, const char* text, const std::string& extra) {
    Range_Entry e{Cut(label, Label_Length), Cut(text, Text_Length), {}};
    for (const Range_Entry& old : Ranges)
        if (old.label == e.label) return 0;
    e.entry = (e.label + "╬r - "_cp + e.text + "╬r"_cp + extra).substr(0, Entry_Length);
    Ranges.push_back(std::move(e));
    return static_cast<int>(Ranges.size());
}

}  // namespace

int OLI_Add_Range(const char* label, const char* text, const char* format, ...) {
    std::string extra;
    if (format) {
        va_list args;
        va_start(args, format);
        extra = Format_Text_V(format, args);
        va_end(args);
    }
    return Add(label, text, extra);
}

int OLI_Add_Range_Number(const char* format, const char* text, int number) {
    return Add(format ? Format_Text(format, number).c_str() : "", text, {});
}

int OLI_Add_Range_Reference(const char* label, const char* reference_format, const char* reference) {
    const int n = OLI_Add_Literature(reference);
    return Add(label, reference_format ? Format_Text(reference_format, n).c_str() : "", {});
}

int OLI_Add_Range_Reference_Number(const char* label_format, const char* reference_format, int number,
                                   const char* reference) {
    const std::string label = label_format ? Format_Text(label_format, number) : "";
    return OLI_Add_Range_Reference(label.c_str(), reference_format, reference);
}

void OLI_Clear_Ranges() { Ranges.clear(); }

int OLI_Range_Count() { return static_cast<int>(Ranges.size()); }

void OLI_Save_Range_Count() { Saved_Count = Ranges.size(); }

void OLI_Restore_Range_Count() {
    if (Saved_Count < Ranges.size()) Ranges.resize(Saved_Count);
}

void OLI_Drop_Ranges(int n) {
    if (n <= 0) return;
    Ranges.resize(Ranges.size() - std::min(Ranges.size(), static_cast<std::size_t>(n)));
}

const char* OLI_Range_Entry(int index) {
    if (index < 0 || index >= OLI_Range_Count()) return nullptr;
    return Ranges[static_cast<std::size_t>(index)].entry.c_str();
}

void OLI_Print_Ranges(FILE* stream) {
    if (!stream) return;
    if (Ranges.empty()) {
        OLI_setYPositionCM(stream, 1, Space_Without_Entries);
        return;
    }
    const double w = OLI_Get_Text_Width();
    const int c = static_cast<int>(std::lround(Characters_Full_Width * (w - OLI_Get_Left_Margin()) / w));
    std::string line;
    for (const Range_Entry& e : Ranges) {
        const std::string piece = e.entry + Entry_Gap;
        if (!line.empty() && MT_String_Length(line.c_str()) + MT_String_Length(piece.c_str()) > c) {
            OLI_Caption_Line(stream, "%s", line.c_str());
            line.clear();
        }
        line += piece;
    }
    OLI_Caption_Line(stream, "%s", line.c_str());
    OLI_setYPositionCM(stream, 1, Space_After_Columns);
}

void OLI_Print_Ranges_List(FILE* stream) {
    if (!stream) return;
    if (Ranges.empty()) {
        OLI_setYPositionCM(stream, 1, Space_Without_Entries);
        return;
    }
    int longest = 0;
    for (const Range_Entry& e : Ranges) longest = std::max(longest, MT_String_Length(e.label.c_str()));
    const int font = OLI_Get_Cell_Font();
    OLI_Set_Cell_Font(List_Font);
    OLI_Row_Form_2(0, (longest + 1) * Character_Width);
    for (const Range_Entry& e : Ranges) {
        OLI_Row_Cell(stream, "%s", e.label.c_str());
        OLI_Row_Cell(stream, "%s", e.text.c_str());
    }
    OLI_End_Row_Form(stream);
    OLI_Set_Cell_Font(font);
}
