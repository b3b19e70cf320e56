#include "report/combination_table.h"

#include <algorithm>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "platform/host/format_number.h"
#include "platform/printlist/print_list_library.h"
#include "report/paragraph_writer.h"
#include "report/result_tables.h"

namespace {

constexpr std::size_t Factor_Text_Length = 75;
constexpr std::size_t Name_Length = 29;
constexpr int Columns = 7;
constexpr int Many_Combinations = 10;
constexpr int Page_Flags_Before = 640;
constexpr int Page_Flags_After = 896;
constexpr int Factor_Flags = 882;   // trailing zeros removed
const char* const Unknown = "???";

std::vector<std::string> Factor_Texts;

std::string Factor(double f) {
    char buffer[Format_Number_Buffer_Size];
    return formatNumber(f, Factor_Flags, 20, 5, 2, buffer);
}

double Factor_At(const std::vector<double>& factors, int k) {
    return k < static_cast<int>(factors.size()) ? factors[static_cast<std::size_t>(k)] : 0.0;
}

std::string Case_Name(const Combination_Set& s, int k) {
    if (s.case_name) {
        const char* name = s.case_name(k);
        return name ? name : "";
    }
    const int number = k < static_cast<int>(s.case_numbers.size()) ? s.case_numbers[static_cast<std::size_t>(k)] : k + 1;
    return Format_Text("Lf%d", number);
}

std::string Factor_Text(const Combination_Set& s, const Load_Combination& c) {
    const bool second = s.second_factors_used != 0;
    const auto same = [&](int a, int b) {
        return Factor_At(c.factors, a) == Factor_At(c.factors, b) &&
               (!second || Factor_At(c.second_factors, a) == Factor_At(c.second_factors, b));
    };
    std::vector<bool> done(static_cast<std::size_t>(std::max(s.cases, 0)), false);
    std::string text;
    for (int i = 0; i < s.cases; ++i) {
        const double f = Factor_At(c.factors, i);
        if (done[static_cast<std::size_t>(i)] || f == 0) continue;
        std::string names;
        int members = 0;
        for (int j = i; j < s.cases; ++j) {
            if (done[static_cast<std::size_t>(j)] || !same(i, j)) continue;
            done[static_cast<std::size_t>(j)] = true;
            names += (members++ ? "+" : "") + Case_Name(s, j);
        }
        if (!text.empty()) text += "+";
        if (f != 1) text += Factor(f) + Times_Dot;
        const double f2 = Factor_At(c.second_factors, i);
        if (second && f2 != 1) text += Factor(f2) + Times_Dot;
        text += members > 1 ? "(" + names + ")" : names;
    }
    return text.substr(0, Factor_Text_Length);
}

// The texts of a column in one block of fixed stride (bytes), and the most characters one shows.
struct Text_Column {
    std::vector<char> block;
    int width = 0;
    int stride = 1;
};

Text_Column Column_Of(const std::vector<std::string>& texts, std::size_t length) {
    Text_Column t;
    std::vector<std::string> cut;
    for (const std::string& s : texts) {
        cut.push_back(s.substr(0, length));
        t.width = std::max(t.width, MT_String_Length(cut.back().c_str()));
        t.stride = std::max(t.stride, static_cast<int>(cut.back().size()) + 1);
    }
    t.block.assign(texts.size() * static_cast<std::size_t>(t.stride), '\0');
    for (std::size_t k = 0; k < cut.size(); ++k) cut[k].copy(t.block.data() + k * static_cast<std::size_t>(t.stride), cut[k].size());
    return t;
}

void Set_Text_Column(Table_Column& c, const char* title, const Text_Column& t) {
    std::snprintf(c.title, sizeof c.title, "%s", title);
    std::snprintf(c.unit, sizeof c.unit, "%s", "");
    std::snprintf(c.type, sizeof c.type, "%s", "TXT");
    c.width = t.width;
    c.decimals = t.stride;
    c.values = t.block.data();
}

}  // namespace

void OLI_Init_Combinations(int cases, int combinations, Combination_Set* set) {
    if (!set) return;
    *set = Combination_Set{};
    set->cases = std::max(cases, 0);
    for (int k = 1; k <= set->cases; ++k) set->case_numbers.push_back(k);
    const std::vector<double> ones(static_cast<std::size_t>(set->cases), 1.0);
    set->combinations.assign(static_cast<std::size_t>(std::max(combinations, 0)), Load_Combination{"", 0, ones, ones});
}

void OLI_Free_Combinations(Combination_Set* set) {
    if (set) *set = Combination_Set{};
}

const char* OLI_Combination_Text(int index) {
    if (index < 0 || index >= static_cast<int>(Factor_Texts.size())) return Unknown;
    return Factor_Texts[static_cast<std::size_t>(index)].c_str();
}

void OLI_Combination_Table(FILE* stream, Combination_Set* set) {
    if (!set) return;
    Factor_Texts.clear();
    std::vector<std::string> names, situations;
    for (const Load_Combination& c : set->combinations) {
        Factor_Texts.push_back(Factor_Text(*set, c));
        names.push_back(c.name);
        const char* situation = set->situation_name ? set->situation_name(c.situation) : nullptr;
        situations.emplace_back(situation ? situation : Unknown);
    }
    if (!stream) return;

    const int rows = static_cast<int>(set->combinations.size());
    if (rows > Many_Combinations) OLI_setFlags(stream, Page_Flags_Before);
    // Seven columns, without taking from the writer columns that a caller allocated.
    Table_Column* cols = nullptr;
    if (OLI_Allocated_Table_Columns() < Columns) OLI_Allocate_Table_Columns(Columns, nullptr);
    cols = static_cast<Table_Column*>(Realloc_Or_Exit(nullptr, Columns * sizeof(Table_Column), 0));
    std::fill_n(cols, Columns, Default_Table_Column);
    int n = 0;
    std::snprintf(cols[n].title, sizeof cols[n].title, "%s", "LK");
    cols[n++].width = 3;   // "ZZ"
    const Text_Column name_texts = Column_Of(names, Name_Length);
    const Text_Column situation_texts = Column_Of(situations, Factor_Text_Length);
    const Text_Column factor_texts = Column_Of(Factor_Texts, Factor_Text_Length);
    if (!set->no_name_column) Set_Text_Column(cols[n++], "Bezeichnung", name_texts);
    if (!set->no_situation_column) Set_Text_Column(cols[n++], "Bemessungssit.", situation_texts);
    Set_Text_Column(cols[n++], "Faktorisierung", factor_texts);
    OliTabelle(stream, n, rows, cols, nullptr, nullptr, -1, set->table_flags_9 ? 9 : 1, nullptr, nullptr, 0, nullptr);
    Free_And_Null(&cols);
    OLI_setFlags(stream, Page_Flags_After);
}
