#include "common/keyed_records.h"

#include <algorithm>
#include <iterator>
#include <new>

#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "common/tracked_alloc.h"

namespace {

constexpr const char* Record_Key_Line = "<DXP";

// Displacements in mm, rotations in mrad (the host font shows byte 0x89 as its unit), forces in kN and
// moments in kN/m; the name bytes 0xC1 and 0xD3 are the host font's subscripts of the two cross
// section axes.
constexpr Component_Entry Member_Components[] = {
    {"ul", "mm", 0},         {"um", "mm", 1},         {"un", "mm", 2},      {"vl", "ë"_cp, 3},
    {"vm", "ë"_cp, 4},       {"vn", "ë"_cp, 5},       {"N", "kN", 6},       {"V┴"_cp, "kN", 7},
    {"V╙"_cp, "kN", 8},      {"T", "kN/m", 9},        {"M┴"_cp, "kN/m", 10}, {"M╙"_cp, "kN/m", 11},
    {"kmod", "-", 24},
};
constexpr Component_Entry Node_Components[] = {
    {"ur", "mm", 12},   {"us", "mm", 13},   {"ut", "mm", 14},   {"vr", "ë"_cp, 15},   {"vs", "ë"_cp, 16},
    {"vt", "ë"_cp, 17}, {"APr", "kN", 18},  {"APs", "kN", 19},  {"APt", "kN", 20},    {"AMr", "kN/m", 21},
    {"AMs", "kN/m", 22}, {"AMt", "kN/m", 23}, {"kmod", "-", 24},
};
constexpr Component_Table Member_Table = {2, static_cast<int>(std::size(Member_Components)), Member_Components};
constexpr Component_Table Node_Table = {2, static_cast<int>(std::size(Node_Components)), Node_Components};
static_assert(std::size(Member_Components) == 13 && std::size(Node_Components) == 13);

int Kind_Of(const Keyed_Record* r) { return r->keys[Record_Key_Count - 1]; }
bool Kind_Carries_Kmod(const Keyed_Record* r) { return Kind_Of(r) == 2 || Kind_Of(r) == 3; }

}  // namespace

Keyed_Record* New_Keyed_Record() {
    auto* r = static_cast<Keyed_Record*>(MEM_ALLOC(sizeof(Keyed_Record)));
    if (r) new (r) Keyed_Record{};
    return r;
}

void Init_Keyed_Record(Keyed_Record* r) {
    if (!r) return;
    std::fill(std::begin(r->keys), std::end(r->keys), -1);
    Free_VEK_Param_Arrays(&r->values);
}

void Reset_Keyed_Record(Keyed_Record* r) {
    if (!r) return;
    Init_Keyed_Record(r);
    r->user_a = 0;
    r->user_b = 0;
    r->user_data = nullptr;
    r->table = nullptr;
}

int Resize_Keyed_Record_Arrays(Keyed_Record* r, int ints, int doubles, int texts) {
    return r ? Resize_VEK_Param_Arrays(&r->values, ints, doubles, texts) : 0;
}

void Free_Keyed_Record_Arrays(Keyed_Record* r) {
    if (r) Free_VEK_Param_Arrays(&r->values);
}

void Free_Keyed_Record(Keyed_Record* r) {
    if (!r) return;
    Free_VEK_Param_Arrays(&r->values);
    MEM_FREE(r);
}

int Write_Keyed_Record_Key(FILE* stream) { return Print_To_Stream(stream, "\n%s\n", Record_Key_Line) > 0 ? 1 : 0; }

int Write_Record_Keys(FILE* stream, const int* k) {
    if (!stream || !k) return 0;
    return Print_To_Stream(stream, "%d|%d|%d|%d|%d|%d|%d\n", k[0], k[1], k[2], k[3], k[4], k[5], k[6]) > 0 ? 1 : 0;
}

int Write_Keyed_Record(FILE* stream, const Keyed_Record* r) {
    if (!stream || !r) return 0;
    return Write_Keyed_Record_Key(stream) && Write_Record_Keys(stream, r->keys) &&
                   Write_VEK_Param_Arrays(stream, &r->values)
               ? 1
               : 0;
}

int Read_Record_Keys(FILE* stream, int* keys) {
    if (!keys) return 0;
    std::fill_n(keys, Record_Key_Count, -1);
    if (!stream) return 0;
    for (int k = 0; k < Record_Key_Count; ++k) {
        char c = 0;
        if (Scan_Stream(stream, "%d%c", &keys[k], &c) != 2) return 0;
        if (c == '\r') {
            const int next = std::getc(stream);
            if (next == '\n') return 1;
            return 0;
        }
        if (c == '\n') return 1;
        if (k == Record_Key_Count - 1) {
            Skip_Rest_Of_Line(stream);
            return 1;
        }
        if (c != '|') return 0;
    }
    return 1;
}

int Seek_Keyed_Record(FILE* stream, int rewind) { return Seek_Key_Line(stream, Record_Key_Line, rewind); }

int Record_Keys_Match(const Keyed_Record* r, const int* pattern) {
    if (!r) return 0;
    if (!pattern) return 1;
    for (int k = 0; k < Record_Key_Count; ++k)
        if (pattern[k] != -1 && pattern[k] != r->keys[k]) return 0;
    return 1;
}

int Read_Keyed_Record(FILE* stream, const int* pattern, Keyed_Record* r) {
    if (!stream || !r) return 0;
    while (Seek_Keyed_Record(stream, 0)) {
        if (!Read_Record_Keys(stream, r->keys)) return 0;
        if (Record_Keys_Match(r, pattern)) return Read_VEK_Param_Arrays(stream, 0, 0, 0, &r->values, 1);
    }
    return 0;
}

int Get_Record_Key(const int* keys, int i) { return keys && i >= 0 && i < Record_Key_Count ? keys[i] : 0; }

int Get_Keyed_Record_Int(const Keyed_Record* r, int i) { return r ? Get_VEK_Param_Int(&r->values, i) : 0; }

double Get_Keyed_Record_Double(const Keyed_Record* r, int i) { return r ? Get_VEK_Param_Double(&r->values, i) : 0.0; }

const char* Get_Keyed_Record_Text(const Keyed_Record* r, int i) {
    return r ? Get_VEK_Param_Text(&r->values, i) : Param_Empty_Text;
}

const Component_Table* Get_Component_Table(int kind) {
    switch (kind) {
        case 0:
        case 2: return &Member_Table;
        case 1:
        case 3: return &Node_Table;
        default: return nullptr;
    }
}

const Component_Table* Get_Record_Component_Table(const Keyed_Record* r) {
    return r ? Get_Component_Table(Kind_Of(r)) : nullptr;
}

int Find_Component_Index(const Component_Table* table, int component_key) {
    if (!table) return -1;
    for (int k = 0; k < table->count; ++k)
        if (table->entries[k].key == component_key) return k;
    return -1;
}

const Component_Entry* Find_Component(const Component_Table* table, int component_key) {
    const int k = Find_Component_Index(table, component_key);
    return k < 0 ? nullptr : &table->entries[k];
}

int Get_Record_Components(const Keyed_Record* r, const int* component_keys, int n, double* values) {
    if (values) std::fill_n(values, std::max(n, 0), 0.0);
    if (!r || !values) return 0;
    if (!component_keys) {
        for (int i = 0; i < n; ++i) values[i] = Get_VEK_Param_Double(&r->values, i);
        return 1;
    }
    const Component_Table* table = r->table ? r->table : Get_Record_Component_Table(r);
    if (!table) return 0;
    for (int i = 0; i < n; ++i) {
        const int k = Find_Component_Index(table, component_keys[i]);
        values[i] = k < 0 ? 0.0 : Get_VEK_Param_Double(&r->values, k);
    }
    return 1;
}

double Get_Record_Kmod(const Keyed_Record* r) {
    return r && Kind_Carries_Kmod(r) ? Get_VEK_Param_Double(&r->values, 12) : 0.0;
}

int Get_Record_First_Int(const Keyed_Record* r) { return r && Kind_Carries_Kmod(r) ? Get_VEK_Param_Int(&r->values, 0) : 0; }
