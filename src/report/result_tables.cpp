#include "report/result_tables.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "common/notice_output.h"
#include "material/rounding.h"
#include "platform/host/format_number.h"
#include "platform/printlist/print_list_library.h"
#include "report/layout_operations.h"
#include "report/older_paragraphs.h"
#include "report/table_legend.h"
#include "report/table_rules.h"

namespace {

constexpr std::size_t Heading_Line_Length = 399;
constexpr int Page_Flags_Before = 640;
constexpr int Page_Flags_After = 896;
constexpr double Space_Before = 0.1;
constexpr double Pull_Up_After = -0.4;
constexpr double Footnote_Pull_Up = -0.19;
constexpr double Footnote_Space_After = 0.15;
constexpr int Max_Decimals = 15;
constexpr int Format_No_Decimals = 16;
constexpr int Value_Cell_Width = 10;
constexpr int Value_Cell_Decimals = 2;

const char* const Sum_Sign = "▓"_cp;   // 178, the report font's sum sign

std::vector<Table_Column> Internal_Columns;
int Allocated_Columns = 0;
int Row_Limit = 0;

[[noreturn]] void Too_Few_Columns() {
    Set_Notice_Output_Mode(0);
    Print_Notice("%s", "Fehler in Funktion 'OliTabelle': zu wenig Spalten allociert! -> Programmabbruch");
    std::exit(0);
}

// The extreme-value kind of a mark; -1 marks nothing.
int Mark_Kind(int mark) {
    if (mark >= 0 && mark <= 3) return mark;
    if (mark == -1) return 1;
    if (mark == -2) return 3;
    return -1;
}

int Decimals_Of(const Table_Column& c) { return std::clamp(c.decimals, 0, Max_Decimals); }

bool Joined(const Table_Column& c) { return c.title[0] == '='; }

// What the writer knows about one column of the table.
struct Column_Plan {
    bool numeric = false;
    bool has_values = false;
    std::vector<double> values;        // per data row: the shown value
    int first_mark_row = -1;
    int second_mark_row = -1;
    int max_row = -1;
    int min_row = -1;
    std::vector<Cell_Content> cells;   // per shown row
    Cell_Content sum{"", Cell_Align::Right};
    int width = 0;
};

double Shown(const Table_Column& c, double v) {
    return Table_Marker_Text(v) ? v : Round_To_Decimals(v, Decimals_Of(c));
}

bool All_Zero(const std::vector<Column_Plan>& plans, const std::vector<Table_Column>& cols, int row) {
    bool any = false;
    for (std::size_t k = 0; k < plans.size(); ++k) {
        if (!plans[k].numeric || !plans[k].has_values) continue;
        any = true;
        if (Shown(cols[k], plans[k].values[static_cast<std::size_t>(row)]) != 0) return false;
    }
    return any;
}

int Sign(double v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

// A numeric column changes sign between two rows (markers take no part).
bool Sign_Changes(const std::vector<Column_Plan>& plans, const std::vector<Table_Column>& cols, int a, int b) {
    for (std::size_t k = 0; k < plans.size(); ++k) {
        if (!plans[k].numeric || !plans[k].has_values) continue;
        const double va = plans[k].values[static_cast<std::size_t>(a)];
        const double vb = plans[k].values[static_cast<std::size_t>(b)];
        if (Table_Marker_Text(va) || Table_Marker_Text(vb)) continue;
        if (Sign(Shown(cols[k], va)) * Sign(Shown(cols[k], vb)) < 0) return true;
    }
    return false;
}

bool Extreme_Row(const std::vector<Column_Plan>& plans, int row) {
    for (const Column_Plan& p : plans)
        if (p.numeric && (p.max_row == row || p.min_row == row)) return true;
    return false;
}

Cell_Content Sum_Of(const Table_Column& c, const Column_Plan& p, const std::vector<int>& order) {
    if (!p.numeric || !p.has_values) return {"", Cell_Align::Right};
    double sum = 0;
    for (const int r : order) {
        const double v = p.values[static_cast<std::size_t>(r)];
        if (v == Marker_Not_Determined) return {"n.e.", Cell_Align::Right};
        if (!Table_Marker_Text(v)) sum += v;
    }
    char buffer[Format_Number_Buffer_Size];
    return {formatNumber(sum, c.decimals == 0 ? Format_No_Decimals : 0, 0, 0, c.decimals, buffer), Cell_Align::Right};
}

std::string Cut_Heading(std::string line) {
    if (line.size() > Heading_Line_Length) line.resize(Heading_Line_Length);
    return line;
}

// Last column of the heading group that starts at k: the columns whose titles begin with "=".
std::size_t Group_End(const std::vector<Table_Column>& cols, std::size_t k) {
    std::size_t e = k;
    while (e + 1 < cols.size() && Joined(cols[e + 1])) ++e;
    return e;
}

int Group_Width(const std::vector<Column_Plan>& plans, std::size_t k, std::size_t e) {
    int w = static_cast<int>(e - k);
    for (std::size_t j = k; j <= e; ++j) w += plans[j].width;
    return w;
}

void Size_Columns(const std::vector<Table_Column>& cols, std::vector<Column_Plan>& plans, unsigned flags) {
    for (std::size_t k = 0; k < cols.size(); ++k) {
        const Table_Column& c = cols[k];
        Column_Plan& p = plans[k];
        int w = std::max(c.width, 0) + (Table_Column_Kind(c) == Column_Kind::Text ? 1 : 0);
        if ((flags & Table_Wide_Magnitude) && p.numeric && Mark_Kind(c.first_mark) == 2) ++w;
        const bool own_title = (k == 0 || !Joined(c)) && Group_End(cols, k) == k;   // a shared title is fitted below
        if (own_title) w = std::max(w, OLI_Display_Width(Column_Field(c.title).c_str()));
        w = std::max(w, OLI_Display_Width(Column_Field(c.unit).c_str()));
        w = std::max(w, OLI_Display_Width(Table_Third_Heading(c).c_str()));
        w = std::max(w, OLI_Display_Width(p.sum.text.c_str()));
        for (const Cell_Content& cell : p.cells) w = std::max(w, OLI_Display_Width(cell.text.c_str()));
        p.width = w;
    }
    // A shared title wider than its columns widens the last of them.
    for (std::size_t k = 0; k < cols.size(); k = Group_End(cols, k) + 1) {
        const std::size_t e = Group_End(cols, k);
        const int need = OLI_Display_Width(Column_Field(cols[k].title).c_str()) - Group_Width(plans, k, e);
        if (e > k && need > 0) plans[e].width += need;
    }
}

std::string Title_Line(const std::vector<Table_Column>& cols, const std::vector<Column_Plan>& plans) {
    std::string line;
    for (std::size_t k = 0; k < cols.size(); k = Group_End(cols, k) + 1) {
        const std::size_t e = Group_End(cols, k);
        line += " " + Pad_To_Width(Column_Field(cols[k].title), Group_Width(plans, k, e),
                                   e > k ? Cell_Align::Centre : Cell_Align::Left);
    }
    return Cut_Heading(line);
}

template <typename Text_Of>
std::string Heading_Line(const std::vector<Table_Column>& cols, const std::vector<Column_Plan>& plans, Text_Of text) {
    std::string line;
    for (std::size_t k = 0; k < cols.size(); ++k) line += " " + Pad_To_Width(text(cols[k]), plans[k].width, Cell_Align::Left);
    return Cut_Heading(line);
}

void Write_Captions(FILE* stream, const int* counts, const char* const* captions) {
    if (!counts || !captions) {
        Print_To_Stream(stream, "#SHOWTABLE\n 0 0 0\n");
        return;
    }
    const int a = std::max(counts[0], 0), b = std::max(counts[1], 0), c = std::max(counts[2], 0);
    Print_To_Stream(stream, "#SHOWTABLE\n %d %d %d\n", a, b, c);
    for (int j = 0; j < a + b + c; ++j) Print_To_Stream(stream, " %s\n", captions[j] ? captions[j] : "");
}

void Write_Footnotes(FILE* stream, int count, const char* const* footnotes) {
    if (count <= 0 || !footnotes) return;
    OLI_reserveSpaceCM(stream, static_cast<float>(count * Table_Line_Height));
    OLI_setYPositionCM(stream, 1, static_cast<float>(Footnote_Pull_Up));
    for (int j = 0; j < count; ++j) OLI_Caption_Line(stream, "%s", footnotes[j] ? footnotes[j] : "");
    OLI_setYPositionCM(stream, 1, static_cast<float>(Footnote_Space_After));
}

}  // namespace

void OLI_Allocate_Table_Columns(int count, Table_Column** columns) {
    if (count <= 0) {
        if (columns) Free_And_Null(columns);
        Internal_Columns.clear();
        Allocated_Columns = 0;
        return;
    }
    const auto n = static_cast<std::size_t>(count);
    Internal_Columns.assign(n, Default_Table_Column);
    if (columns) {
        *columns = static_cast<Table_Column*>(Realloc_Or_Exit(*columns, n * sizeof(Table_Column), 0));
        std::fill_n(*columns, n, Default_Table_Column);
    }
    Allocated_Columns = count;
}

int OLI_Allocated_Table_Columns() { return Allocated_Columns; }

void OLI_Set_Table_Row_Limit(int rows) { Row_Limit = rows; }

void OliTabelle(FILE* stream, int columns, int rows, const Table_Column* descriptors, const int* row_rules,
                const int* row_extra_rules, int selection, unsigned flags, const int* caption_counts,
                const char* const* captions, int footnote_count, const char* const* footnotes) {
    if (!stream || !descriptors || columns <= 0 || rows <= 0) return;
    if (columns > Allocated_Columns) Too_Few_Columns();
    std::copy_n(descriptors, columns, Internal_Columns.begin());
    const std::vector<Table_Column> cols(Internal_Columns.begin(), Internal_Columns.begin() + columns);
    const auto n_rows = static_cast<std::size_t>(rows);

    // The values of the numeric columns, then the rows shown and in which order.
    std::vector<Column_Plan> plans(cols.size());
    for (std::size_t k = 0; k < cols.size(); ++k) {
        Column_Plan& p = plans[k];
        p.numeric = Table_Column_Kind(cols[k]) == Column_Kind::Numeric;
        p.has_values = p.numeric && cols[k].values;
        if (!p.has_values) continue;
        p.values.resize(n_rows);
        for (int r = 0; r < rows; ++r) Table_Cell_Value(cols[k], r, p.values[static_cast<std::size_t>(r)]);
    }
    std::vector<int> order;
    std::vector<unsigned char> valid(n_rows, 0);
    for (int i = 0; i < rows; ++i) {
        const int r = (flags & Table_Reverse) ? rows - 1 - i : i;
        if ((flags & Table_Skip_Zero_Rows) && All_Zero(plans, cols, r)) continue;
        order.push_back(r);
        valid[static_cast<std::size_t>(r)] = 1;
    }

    // Extremes, cells with their legend names, sums and widths.
    bool with_sum = false;
    for (std::size_t k = 0; k < cols.size(); ++k) {
        const Table_Column& c = cols[k];
        Column_Plan& p = plans[k];
        if (p.has_values) {
            const int first = Mark_Kind(c.first_mark);
            const int second = Mark_Kind(c.second_mark);
            if (first >= 0) p.first_mark_row = OLI_Find_Extreme(first, rows, p.values.data(), valid.data());
            if (second >= 0 && (flags & Table_Second_Marking))
                p.second_mark_row = OLI_Find_Extreme(second, rows, p.values.data(), valid.data());
            p.max_row = OLI_Find_Extreme(0, rows, p.values.data(), valid.data());
            p.min_row = OLI_Find_Extreme(1, rows, p.values.data(), valid.data());
        }
        for (const int r : order) {
            Cell_Content cell = Table_Cell_Content(c, r);
            if (c.legend_key != 0 && !cell.text.empty())
                if (const char* name = Use_Legend_Entry(c.legend_key)) cell.text += "╬/"_cp + std::string(name) + "╬r"_cp;
            p.cells.push_back(std::move(cell));
        }
        if (c.sum) {
            with_sum = true;
            p.sum = Sum_Of(c, p, order);
        }
    }
    if (with_sum && !cols[0].sum) plans[0].sum = {Sum_Sign, Cell_Align::Left};
    Size_Columns(cols, plans, flags);

    // Head of the block.
    const bool page_flags = (flags & Table_Page_Flags) || (Row_Limit > 0 && rows >= Row_Limit);
    if (flags & Table_Reset_Page_Flags) OLI_setFlags(stream, Page_Flags_After);
    if (page_flags) OLI_setFlags(stream, Page_Flags_Before);
    if (!(flags & Table_No_Moves)) OLI_setYPositionCM(stream, 1, static_cast<float>(Space_Before));
    Write_Captions(stream, caption_counts, captions);

    const bool with_titles = std::any_of(cols.begin(), cols.end(), [&](const Table_Column& c) {
        return !Joined(c) && c.title[0] != '\0';
    });
    const int h = with_titles ? 2 : 1;
    const int f = (flags & Table_No_Third_Heading) ? 0 : 1;
    std::vector<int> tabs;
    int at = 0;
    for (std::size_t k = 0; k < cols.size(); ++k) {
        if (cols[k].tab) tabs.push_back(at);
        at += plans[k].width + 1;
    }
    Print_To_Stream(stream, " %d %d -1 -1 %d", h, f, static_cast<int>(tabs.size()));
    if (flags & Table_Header_Field) Print_To_Stream(stream, " 0 0 0 0 0 0 0 %d", 2);
    Print_To_Stream(stream, "\n");
    if (cols.size() > 1 && !tabs.empty()) {
        for (const int t : tabs) Print_To_Stream(stream, " %f", static_cast<double>(t));
        Print_To_Stream(stream, "\n");
    }
    if (h == 2) Print_To_Stream(stream, "%s\n", Title_Line(cols, plans).c_str());
    Print_To_Stream(stream, "%s\n",
                    Heading_Line(cols, plans, [](const Table_Column& c) { return Column_Field(c.unit); }).c_str());
    if (f) Print_To_Stream(stream, "%s\n", Heading_Line(cols, plans, Table_Third_Heading).c_str());

    // The rows with their marks and rules.
    for (std::size_t i = 0; i < order.size(); ++i) {
        const int r = order[i];
        const bool last = i + 1 == order.size();
        std::string line;
        for (std::size_t k = 0; k < cols.size(); ++k) {
            const Column_Plan& p = plans[k];
            const int mark = p.numeric && r == p.first_mark_row ? 1 : p.numeric && r == p.second_mark_row ? 2 : 0;
            line += Fit_Table_Cell(p.cells[i], p.width, mark);
        }
        Print_To_Stream(stream, "%s", line.c_str());

        bool rule = true;
        if (flags & Table_Sign_Rules)
            rule = i == 0 || last || Extreme_Row(plans, r) || Sign_Changes(plans, cols, r, last ? r : order[i + 1]);
        else if (flags & Table_Extreme_Rules)
            rule = Extreme_Row(plans, r);
        for (const Table_Column& c : cols)
            if (c.row_rules && c.row_rules[r]) rule = true;
        if (row_rules && row_rules[r] == 0) rule = false;

        if (row_extra_rules && row_extra_rules[r]) {
            Print_To_Stream(stream, "\n");
            OLI_Row_Rule(stream, 0.5);
        }
        if (rule && !last) OLI_Row_Rule(stream, 1.0);
        Print_To_Stream(stream, "\n");
    }
    if (with_sum) {
        std::string line;
        for (const Column_Plan& p : plans) line += " " + Pad_To_Width(p.sum.text, p.width, p.sum.align);
        Print_To_Stream(stream, "%s", line.c_str());
        OLI_Row_Rule(stream, 0.0);
        Print_To_Stream(stream, "\n");
    }
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    if (!(flags & Table_No_Moves)) OLI_setYPositionCM(stream, 1, static_cast<float>(Pull_Up_After));

    Print_Table_Legend(stream);
    Write_Footnotes(stream, footnote_count, footnotes);
    if (page_flags) OLI_setFlags(stream, Page_Flags_After);
}

void OLI_Init_Table_Settings(Table_Settings* settings, int rows) {
    if (!settings) return;
    *settings = Table_Settings{0, nullptr, 0, nullptr, nullptr, nullptr, -1, 0, nullptr};
    if (rows <= 0) return;
    settings->row_rules = static_cast<int*>(Realloc_Or_Exit(nullptr, static_cast<std::size_t>(rows) * sizeof(int), 0));
    std::fill_n(settings->row_rules, rows, 1);
    settings->rule_rows = rows;
}

void OLI_Free_Table_Settings(Table_Settings* settings) {
    if (!settings) return;
    Free_And_Null(&settings->row_rules);
    settings->rule_rows = 0;
}

void OLI_Table_With_Settings(FILE* stream, int rows, int columns, const Table_Column* descriptors,
                             const Table_Settings* settings) {
    Table_Settings fresh;
    const bool own = !settings;
    if (own) {
        OLI_Init_Table_Settings(&fresh, rows);
        settings = &fresh;
    }
    const int* rules = settings->rule_rows >= rows ? settings->row_rules : nullptr;
    OliTabelle(stream, columns, rows, descriptors, rules, settings->row_extra_rules, settings->selected_row,
               settings->flags, settings->caption_counts, settings->captions, settings->footnote_count,
               settings->footnotes);
    if (own) OLI_Free_Table_Settings(&fresh);
}

void OLI_Value_Table(FILE* stream, int names, int cases, const Value_Table_Entry* entries) {
    if (!stream || names <= 0 || cases < 0 || !entries) return;
    const auto text = [](const char* t) { return std::string(t ? t : ""); };
    std::vector<std::string> labels;
    int name_width = 0, unit_width = 0;
    for (int e = 0; e < names; ++e) {
        const bool group = text(entries[e].type) == "GEW";
        labels.push_back((group ? "╬u╬b"_cp : "╬b"_cp) + text(entries[e].name) + (group ? "╬r╬u"_cp : "╬r"_cp));
        name_width = std::max(name_width, OLI_Display_Width(labels.back().c_str()));
        unit_width = std::max(unit_width, OLI_Display_Width(text(entries[e].unit).c_str()));
    }
    OLI_setYPositionCM(stream, 1, static_cast<float>(Space_Before));
    Print_To_Stream(stream, "#SHOWTABLE\n 0 0 0\n 0 0 -1 -1 %d\n", cases + 1);
    double at = name_width + 1;
    Print_To_Stream(stream, " %f", at);
    for (int k = 0; k < cases; ++k) {
        at += (k == 0 ? unit_width : Value_Cell_Width) + 1;
        Print_To_Stream(stream, " %f", at);
    }
    Print_To_Stream(stream, "\n");

    Table_Column number = Default_Table_Column;
    std::snprintf(number.type, sizeof number.type, "%s", "");
    number.decimals = Value_Cell_Decimals;
    for (int e = 0; e < names; ++e) {
        Print_To_Stream(stream, " %s ", Pad_To_Width(labels[static_cast<std::size_t>(e)], name_width, Cell_Align::Left).c_str());
        Print_To_Stream(stream, " %s", Pad_To_Width(text(entries[e].unit), unit_width, Cell_Align::Left).c_str());
        number.values = entries[e].values;
        for (int k = 0; k < cases; ++k)
            Print_To_Stream(stream, "%s", OLI_Format_Table_Cell(number, k, Value_Cell_Width, 0).c_str());
        if (e + 1 < names) OLI_Row_Rule(stream, 1.0);
        Print_To_Stream(stream, "\n");
    }
    Print_To_Stream(stream, "#END_OF_TEXT\n");
    OLI_setYPositionCM(stream, 1, static_cast<float>(Pull_Up_After));
}
