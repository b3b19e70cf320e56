#include "annex/ec1_block.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <new>

#include "annex/annex_io.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr const char* Definition_File = "NAD/WUSL-Tabs.def";  // under DATA
constexpr const char* Builtin_Value_File = "NAD/WUSL-Tabs.val";  // under DATA
constexpr const char* User_Value_File = "WUSL-NADs.def";  // under DRAM
constexpr int List_Number = 99;  // "~TAB99": the list, not a table
constexpr std::size_t Unit_Word_Limit = 50;

bool Starts_With(const std::string& line, const char* key) { return line.compare(0, std::strlen(key), key) == 0; }

// Reads one line of at most NAD_EC1_Line_Limit characters without its line end (the rest of a longer
// line is skipped). Result: false at the end of the file.
bool Read_Line(FILE* s, std::string& text) {
    const int c = std::getc(s);
    if (c == EOF) return false;
    std::ungetc(c, s);
    char line[NAD_EC1_Line_Limit + 1];
    Read_Line_Bounded(s, line, sizeof line);
    text = line;
    return true;
}

// The int that the text begins with (after white space), when it holds one in range.
bool Parse_Int(const char* text, int& value) {
    char* stop = nullptr;
    errno = 0;
    const long v = std::strtol(text, &stop, 10);
    if (stop == text || errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

// The number behind the key of a table line ("#TAB3", "~TAB99"); false when none converts.
bool Table_Number(const std::string& line, int& n) { return Parse_Int(line.c_str() + 4, n); }

NAD_EC1_Table* Table(const NAD_EC1_Block& b, int n) {
    return n >= 1 && n <= NAD_EC1_Table_Count ? b.tables[n - 1].get() : nullptr;
}

// One table of the definition file, from the line after its key. Null when a line is missing, a
// number does not convert, the size lies outside 1 to NAD_EC1_Max_Cells or memory is short.
std::unique_ptr<NAD_EC1_Table> Read_Table_Definition(FILE* s) {
    std::unique_ptr<NAD_EC1_Table> t(new (std::nothrow) NAD_EC1_Table);
    if (!t) return nullptr;
    if (!Read_Line(s, t->title) || !Read_Line(s, t->second_line)) return nullptr;
    int* L = t->layout;
    if (Scan_Stream(s, "%d%d%d%d", &L[0], &L[1], &L[2], &L[3]) != 4) return nullptr;
    if (Scan_Stream(s, "%d%d%d%d", &L[4], &L[5], &L[6], &L[7]) != 4) return nullptr;
    if (Scan_Stream(s, "%d%d", &t->rows, &t->columns) != 2) return nullptr;
    if (!NAD_Read_Word(s, t->unit_word, Unit_Word_Limit)) return nullptr;
    // Right and bottom become width and height.
    if (__builtin_sub_overflow(L[4], L[0], &L[4]) || __builtin_sub_overflow(L[5], L[1], &L[5])) return nullptr;
    if (t->rows < 1 || t->columns < 1 || static_cast<long long>(t->rows) * t->columns > NAD_EC1_Max_Cells)
        return nullptr;
    t->values.assign(static_cast<std::size_t>(t->rows) * static_cast<std::size_t>(t->columns), 0.0);
    return t;
}

// "~DATA": a form number and the two values.
bool Read_Data(FILE* s, NAD_EC1_Block& b) {
    int form = 0;
    int d[2] = {};
    if (Scan_Stream(s, "%d%d%d", &form, &d[0], &d[1]) != 3) return false;
    b.data[0] = d[0];
    b.data[1] = d[1];
    return true;
}

// "~TAB<n>": the current text and the values of a table the block defines.
bool Read_Table_Values(FILE* s, NAD_EC1_Table& t) {
    std::string text;
    if (!Read_Line(s, text)) return false;
    std::vector<double> values(t.values.size());
    for (double& v : values)
        if (Scan_Stream(s, "%lf", &v) != 1) return false;
    t.current_text = std::move(text);
    t.values = std::move(values);
    t.has_values = 1;
    return true;
}

// "~TAB99": a count (at most the ten places of the list), a spare number and the list.
bool Read_List(FILE* s, NAD_EC1_Block& b) {
    int count = 0;
    int spare = 0;
    if (Scan_Stream(s, "%d%d", &count, &spare) != 2) return false;
    count = std::clamp(count, 0, NAD_EC1_Table_Count);
    int list[NAD_EC1_Table_Count];
    for (int k = 0; k < count; ++k)
        if (Scan_Stream(s, "%d", &list[k]) != 1) return false;
    std::copy(list, list + count, b.tab99);
    return true;
}

// Drops the values of table n when the block defines it.
void Drop_Values(NAD_EC1_Block& b, int n) {
    NAD_EC1_Table* table = Table(b, n);
    if (!table) return;
    table->current_text.clear();
    table->has_values = 0;
}

bool Same_Size(const NAD_EC1_Table& a, const NAD_EC1_Table& b) {
    return a.rows == b.rows && a.columns == b.columns && a.values.size() == b.values.size();
}

}  // namespace

int NAD_Load_EC1_Definitions(NAD_EC1_Block* b) {
    if (!b) return 0;
    const NAD_File f = NAD_Open(NAD_Host_Path("DATA", Definition_File), "r");
    if (!f) return 0;
    NAD_Free_EC1_Tables(b);
    std::fill(std::begin(b->tab99), std::end(b->tab99), 0);
    int count = 0;
    std::string line;
    while (Read_Line(f.get(), line)) {
        int n = 0;
        if (!Starts_With(line, "#TAB") || !Table_Number(line, n) || n < 1 || n > NAD_EC1_Table_Count) continue;
        std::unique_ptr<NAD_EC1_Table> table = Read_Table_Definition(f.get());
        if (!table) break;
        b->tables[n - 1] = std::move(table);
        ++count;
    }
    return count;
}

void NAD_Set_EC1_Defaults(NAD_EC1_Block* block) {
    if (!block) return;
    block->data[0] = 2;
    block->data[1] = 2;
    NAD_Load_EC1_Values(0, "EC-Standardparameter", block);
}

void NAD_Load_EC1_Values(int annex_number, const char* annex_name, NAD_EC1_Block* block) {
    const std::string path = annex_number != 0 ? NAD_Host_Path("DRAM", User_Value_File)
                                               : NAD_Host_Path("DATA", Builtin_Value_File);
    NAD_Find_EC1_Section(path.c_str(), annex_name, block);
}

int NAD_Find_EC1_Section(const char* file_name, const char* annex_name, NAD_EC1_Block* b) {
    if (!file_name || !annex_name || !b) return 0;
    const NAD_File f = NAD_Open(file_name, "r");
    if (!f) return 0;
    int sections = 0;
    std::string line;
    while (Read_Line(f.get(), line)) {
        if (!Starts_With(line, "#NAD")) continue;
        if (!Read_Line(f.get(), line)) break;
        if (!Starts_With(line, annex_name)) continue;
        int kind = 0;
        if (Scan_Stream(f.get(), "%d", &kind) == 1) b->kind = kind;
        NAD_Read_EC1_Values(f.get(), b);
        ++sections;
    }
    return sections;
}

int NAD_Read_EC1_Values(FILE* s, NAD_EC1_Block* b) {
    if (!s || !b) return 1;
    int result = 0;
    std::string line;
    for (;;) {
        const long at = std::ftell(s);
        if (!Read_Line(s, line)) break;
        if (Starts_With(line, "#NAD")) {
            // The next section begins: leave its key line to the caller.
            if (at >= 0) std::fseek(s, at, SEEK_SET);
            break;
        }
        bool complete = true;
        int n = 0;
        if (Starts_With(line, "~DATA")) {
            complete = Read_Data(s, *b);
        } else if (Starts_With(line, "~TAB") && Table_Number(line, n)) {
            if (n == List_Number)
                complete = Read_List(s, *b);
            else if (NAD_EC1_Table* table = Table(*b, n))
                complete = Read_Table_Values(s, *table);
        }
        if (!complete) result = 1;
    }
    return result;
}

void NAD_Set_EC1_Kind(NAD_EC1_Block* block, int variant) {
    if (!block) return;
    block->kind = variant != 0 ? 2 : 1;
    Drop_Values(*block, variant != 0 ? 9 : 8);
}

int NAD_Write_EC1_Values(FILE* s, const NAD_EC1_Block* b) {
    if (!s || !b) return 0;
    int bad = 0;
    bad |= Print_To_Stream(s, "~DATA\n") < 0;
    bad |= Print_To_Stream(s, "%d %d %d\n\n", 1, b->data[0], b->data[1]) < 0;
    for (int n = 1; n <= NAD_EC1_Table_Count; ++n) {
        const NAD_EC1_Table* t = Table(*b, n);
        if (!t || !t->has_values) continue;
        bad |= Print_To_Stream(s, "~TAB%d\n", n) < 0;
        bad |= Print_To_Stream(s, "%s\n", t->current_text.c_str()) < 0;
        for (int r = 0; r < t->rows; ++r) {
            for (int c = 0; c < t->columns; ++c) {
                const std::size_t k = static_cast<std::size_t>(r) * t->columns + c;
                bad |= Print_To_Stream(s, " %6.3f", k < t->values.size() ? t->values[k] : 0.0) < 0;
            }
            bad |= Print_To_Stream(s, "\n") < 0;
        }
        bad |= Print_To_Stream(s, "\n") < 0;
    }
    bad |= Print_To_Stream(s, "~TAB99\n %d 0", NAD_EC1_Table_Count) < 0;
    for (int v : b->tab99) bad |= Print_To_Stream(s, " %d", v) < 0;
    bad |= Print_To_Stream(s, "\n\n") < 0;
    return bad;
}

int NAD_Store_EC1_Values(int append, const char* annex_name, const NAD_EC1_Block* b) {
    if (!b) return 0;
    const NAD_File f = NAD_Open(NAD_Host_Path("DRAM", User_Value_File), append ? "a" : "w");
    if (!f) return 0;
    int bad = 0;
    bad |= Print_To_Stream(f.get(), "#NAD\n%s\n%d\n\n", annex_name ? annex_name : "", b->kind) < 0;
    bad |= NAD_Write_EC1_Values(f.get(), b);
    bad |= std::fflush(f.get()) != 0 || std::ferror(f.get());
    return bad ? 0 : 1;
}

int NAD_Compare_EC1(const NAD_EC1_Block* a, const NAD_EC1_Block* b) {
    if (!a || !b) return 1;
    for (int n = 1; n <= NAD_EC1_Table_Count; ++n) {
        const NAD_EC1_Table* ta = Table(*a, n);
        const NAD_EC1_Table* tb = Table(*b, n);
        if (!ta || !tb) continue;
        if ((ta->has_values != 0) != (tb->has_values != 0)) return 1;
        if (!ta->has_values) continue;
        if (!Same_Size(*ta, *tb)) return 1;
        for (std::size_t k = 0; k < ta->values.size(); ++k)
            if (NAD_Differ(ta->values[k], tb->values[k])) return 1;
    }
    if (!std::equal(std::begin(a->tab99), std::end(a->tab99), std::begin(b->tab99))) return 1;
    return a->data[0] != b->data[0] || a->data[1] != b->data[1] ? 1 : 0;
}

void NAD_Copy_EC1(NAD_EC1_Block* target, const NAD_EC1_Block* source) {
    if (!target || !source) return;
    for (int n = 1; n <= NAD_EC1_Table_Count; ++n) {
        NAD_EC1_Table* t = Table(*target, n);
        const NAD_EC1_Table* s = Table(*source, n);
        if (!t || !s || !Same_Size(*t, *s)) continue;
        t->values = s->values;
        t->has_values = s->has_values;
    }
    std::copy(std::begin(source->tab99), std::end(source->tab99), std::begin(target->tab99));
    target->data[0] = source->data[0];
    target->data[1] = source->data[1];
}

void NAD_Free_EC1_Tables(NAD_EC1_Block* block) {
    if (!block) return;
    for (auto& table : block->tables) table.reset();
}
