#include "report/table_cells.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "common/cp437.h"
#include "common/stream_print.h"
#include "material/reinforcing_bars.h"
#include "platform/host/format_number.h"
#include "platform/printlist/print_list_library.h"

namespace {

constexpr std::size_t Longest_Text_Cell = 999;    // longer texts show "?"
constexpr double Area_Zero = 1e-8;                // cm²: a smaller area shows "-"
constexpr int Format_No_Decimals = 16;            // formatNumber flag passed for 0 decimals

const char* const Diameter_Sign = "î"_cp;         // 0x8C, the report font's diameter sign

bool Starts_With(const char* text, const char* head) { return std::strncmp(text, head, std::strlen(head)) == 0; }

std::string Type_Of(const Table_Column& c) { return Column_Field(c.type); }

bool Is_Hidden_Marker(double v) {
    return v == Marker_Not_Determined || v == Marker_Automatic || v == Marker_Dashes || v == Marker_Blank;
}

double Magnitude_Key(int kind, double v) { return kind >= 2 ? std::fabs(v) : v; }

// The text of row of a "TXT" column, bounded by its stride.
std::string Text_Of(const Table_Column& c, int row) {
    const int stride = std::max(c.width, c.decimals);
    if (!c.values || stride <= 0) return {};
    const char* p = static_cast<const char*>(c.values) + static_cast<std::size_t>(row) * static_cast<std::size_t>(stride);
    return std::string(p, strnlen(p, static_cast<std::size_t>(stride)));
}

Cell_Content Text_Cell(const Table_Column& c, int row) {
    const std::string text = Text_Of(c, row);
    if (text.size() > Longest_Text_Cell) return {" ?", Cell_Align::Left};
    // Cut to the width in shown characters: markup bytes do not count.
    const std::size_t markup = text.size() - static_cast<std::size_t>(MT_String_Length(text.c_str()));
    const std::size_t keep = static_cast<std::size_t>(std::max(c.width, 0)) + markup;
    return {" " + text.substr(0, keep), Cell_Align::Left};
}

Cell_Content Character_Cell(const Table_Column& c, int row) {
    if (!c.values) return {"", Cell_Align::Centre};
    const char ch = static_cast<const char*>(c.values)[row];
    return {ch ? std::string(1, ch) : std::string(), Cell_Align::Centre};
}

Cell_Content Reinforcement_Cell(const Table_Column& c, int row) {
    if (!c.values) return {"", Cell_Align::Right};
    const Reinforcement_Group& g = static_cast<const Reinforcement_Group*>(c.values)[row];
    if (g.count == 0) return {"", Cell_Align::Right};
    if (g.count < 0) return {"---  ", Cell_Align::Right};
    const bool known = g.diameter_index >= 0 && g.diameter_index < static_cast<int>(Bar_Diameter_Table.size());
    const std::string d = known ? Format_Text("%.0f", Bar_Diameter_Table[static_cast<std::size_t>(g.diameter_index)] * 1000)
                                : "?";
    const std::string text =
        g.bundle_size >= 2
            ? Format_Text(" ╬b%s%d %s %s %der Bnd.╬r"_cp, "╬u"_cp, g.count, Diameter_Sign, d.c_str(), g.bundle_size)
            : Format_Text(" ╬b%s%d %s %s╬r"_cp, "╬u"_cp, g.count, Diameter_Sign, d.c_str());
    return {text, Cell_Align::Right};
}

Cell_Content Row_Number_Cell(const Table_Column& c, int row) {
    char buffer[Format_Number_Buffer_Size];
    const int first = c.decimals > 1 ? c.decimals : 1;
    return {formatNumber(static_cast<double>(first) + row, Format_No_Decimals, 0, 0, 0, buffer), Cell_Align::Right};
}

Cell_Content Numeric_Cell(const Table_Column& c, int row) {
    double v = 0;
    if (!Table_Cell_Value(c, row, v)) return {"", Cell_Align::Right};
    if (const char* marker = Table_Marker_Text(v)) return {marker, Cell_Align::Right};
    if (Column_Field(c.unit).find("cm╬/2"_cp) != std::string::npos && std::fabs(v) <= Area_Zero) return {"-", Cell_Align::Centre};
    char buffer[Format_Number_Buffer_Size];
    return {formatNumber(v, c.decimals == 0 ? Format_No_Decimals : 0, 0, 0, c.decimals, buffer), Cell_Align::Right};
}

}  // namespace

Column_Kind Table_Column_Kind(const Table_Column& c) {
    const std::string type = Type_Of(c);
    if (Starts_With(type.c_str(), "TXT")) return Column_Kind::Text;
    if (Starts_With(type.c_str(), "GEW")) return Column_Kind::Reinforcement;
    if (type == "CHAR") return Column_Kind::Character;
    if (type == "ZZ") return Column_Kind::Row_Number;
    return Column_Kind::Numeric;
}

int OLI_Column_Type_Code(const Table_Column* column) {
    return column && Table_Column_Kind(*column) == Column_Kind::Numeric ? 1 : 0;
}

int OLI_Display_Width(const char* text) {
    if (!text) return 0;
    // Characters of lowered and raised text count 0.8: the width is (5 n - small) / 5, truncated.
    int small = 0;
    bool inside = false;
    for (const char* p = text; *p; ++p) {
        if (static_cast<unsigned char>(*p) != 0xCE) {
            if (inside) ++small;
            continue;
        }
        if (!*++p) break;
        if (*p == '\\' || *p == '/') inside = true;
        else if (*p == 'r') inside = false;
        else if (*p == '{') {
            while (p[1] && p[1] != '}') ++p;
            if (p[1]) ++p;
        }
    }
    return (5 * MT_String_Length(text) - small) / 5;
}

int OLI_Find_Extreme(int kind, int count, const double* values, const unsigned char* valid) {
    if (kind < 0 || kind > 3 || !values) return -1;
    int found = -1;
    for (int i = 0; i < count; ++i) {
        const double v = values[i];
        if ((valid && !valid[i]) || Is_Hidden_Marker(v) || std::isnan(v)) continue;
        if (found < 0) {
            found = i;
            continue;
        }
        const double key = Magnitude_Key(kind, v);
        const double best = Magnitude_Key(kind, values[found]);
        if (kind == 0 || kind == 2 ? key > best : key < best) found = i;
    }
    return found;
}

bool Table_Cell_Value(const Table_Column& c, int row, double& value) {
    if (!c.values) return false;
    double v;
    if (c.stride > 0)
        std::memcpy(&v, static_cast<const char*>(c.values) + static_cast<std::size_t>(row) * static_cast<std::size_t>(c.stride),
                    sizeof v);
    else
        v = static_cast<const double*>(c.values)[row];
    value = Table_Marker_Text(v) ? v : v * c.factor;
    return true;
}

const char* Table_Marker_Text(double v) {
    if (v == Marker_Minus_Infinity) return "-∞ "_cp;
    if (v == Marker_Infinity) return " ∞ "_cp;
    if (v == Marker_Not_Determined) return "n.e.";
    if (v == Marker_Automatic) return "auto";
    if (v == Marker_Dashes) return "---";
    if (v == Marker_Blank) return "   ";
    return nullptr;
}

std::string Table_Third_Heading(const Table_Column& c) {
    const std::string type = Type_Of(c);
    switch (Table_Column_Kind(c)) {
    case Column_Kind::Text:
    case Column_Kind::Reinforcement: return type.size() > 4 ? type.substr(4) : std::string();
    case Column_Kind::Numeric: return type;
    default: return {};
    }
}

Cell_Content Table_Cell_Content(const Table_Column& column, int row) {
    switch (Table_Column_Kind(column)) {
    case Column_Kind::Text: return Text_Cell(column, row);
    case Column_Kind::Character: return Character_Cell(column, row);
    case Column_Kind::Reinforcement: return Reinforcement_Cell(column, row);
    case Column_Kind::Row_Number: return Row_Number_Cell(column, row);
    default: return Numeric_Cell(column, row);
    }
}

std::string Pad_To_Width(const std::string& text, int width, Cell_Align align) {
    const int pad = std::max(width - OLI_Display_Width(text.c_str()), 0);
    const int before = align == Cell_Align::Right ? pad : align == Cell_Align::Centre ? pad / 2 : 0;
    return std::string(static_cast<std::size_t>(before), ' ') + text +
           std::string(static_cast<std::size_t>(pad - before), ' ');
}

std::string Fit_Table_Cell(const Cell_Content& content, int width, int mark) {
    const std::string field = Pad_To_Width(content.text, width, content.align);
    if (mark == 1) return " ╬u"_cp + field + "╬r"_cp;
    if (mark == 2) return " ╬b"_cp + field + "╬r"_cp;
    return " " + field;
}

std::string OLI_Format_Table_Cell(const Table_Column& column, int row, int width, int mark) {
    return Fit_Table_Cell(Table_Cell_Content(column, row), width, mark);
}
