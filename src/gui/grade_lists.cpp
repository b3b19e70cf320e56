// Choice lists of concrete classes (DIN 1045 (1988), DIN 1045-1 / EN 1992 normal and lightweight
// concrete, a free entry) and of reinforcing-steel grades. Each list holds its rows' texts in fixed
// slots of row_width bytes and, per row, a colour, flags and the material code that the material
// records (material/material_records.h) are initialised from.
#include "gui/grade_lists.h"

#include <algorithm>
#include <cstring>

#include "common/counted_alloc.h"
#include "platform/host/screen_surface.h"

namespace {

constexpr int Concrete_Row_Width = 9;   // "C100/115" and its terminator
constexpr int Rebar_Row_Width = 13;     // "BSt 220/340" and its terminator
constexpr const char* Separator_Text = "-------";

constexpr const char* Old_Concrete_Texts[] = {"B15", "B25", "B35", "B45", "B55"};
constexpr const char* Concrete_Texts[] = {"C12/15", "C16/20", "C20/25", "C25/30",  "C30/37",
                                          "C35/45", "C40/50", "C45/55", "C50/60",  "C55/67",
                                          "C60/75", "C70/85", "C80/95", "C90/105", "C100/115"};
constexpr const char* Lightweight_Texts[] = {"LC12/13", "LC16/18", "LC20/22", "LC25/28", "LC30/33", "LC35/38",
                                             "LC40/44", "LC45/50", "LC50/55", "LC55/60", "LC60/66"};
constexpr const char* Old_Rebar_Texts[] = {"BSt 220/340", "BSt 420 S", "BSt 500 S"};

// Material codes: DIN 1045 (1988) classes 0 to 4, the classes of DIN 1045-1 and EN 1992 from 5 on
// (a lightweight class shares the code of the normal class in the same row of its table), the free
// concrete 20; reinforcing steel 0 to 2 old grades, 3 and 4 the ductility classes A and B, 5 free.
constexpr int First_Class_Code = 5;
constexpr int Free_Concrete_Code = 20;
constexpr int First_Ductile_Rebar_Code = 3;
constexpr int Free_Rebar_Code = 5;

struct Row {
    const char* text;
    int code;
    int flags;
    int colour;
};

// Rows are gathered first and copied into the list's blocks once their number is known.
struct Row_Builder {
    Row rows[40] = {};
    int count = 0;
    void add(const char* text, int code, int flags, int colour) { rows[count++] = {text, code, flags, colour}; }
    void separator(int colour) { add(Separator_Text, -1, Grade_Separator, colour); }
};

Grade_List* Make_Grade_List(int kind, int options, int row_width, const Row_Builder& b) {
    auto* list = static_cast<Grade_List*>(Calloc_Or_Exit(sizeof(Grade_List)));
    list->kind = kind;
    list->options = options;
    list->count = b.count;
    list->row_width = row_width;
    // At least one byte each, so that an empty list still holds valid (never read) blocks.
    const std::size_t n = static_cast<std::size_t>(std::max(b.count, 1));
    list->texts = static_cast<char*>(Calloc_Or_Exit(n * static_cast<std::size_t>(row_width)));
    list->colours = static_cast<int*>(Calloc_Or_Exit(n * sizeof(int)));
    list->flags = static_cast<int*>(Calloc_Or_Exit(n * sizeof(int)));
    list->codes = static_cast<int*>(Calloc_Or_Exit(n * sizeof(int)));
    for (int k = 0; k < b.count; ++k) {
        char* slot = list->texts + k * row_width;
        std::strncpy(slot, b.rows[k].text, static_cast<std::size_t>(row_width - 1));
        list->colours[k] = b.rows[k].colour;
        list->flags[k] = b.rows[k].flags;
        list->codes[k] = b.rows[k].code;
    }
    return list;
}

int Old_Grade_Colour() { return Nearest_Color_Index(0, 164, 0); }
int Separator_Colour() { return Nearest_Color_Index(234, 164, 0); }
int Free_Grade_Colour() { return Nearest_Color_Index(0, 0, 255); }

}  // namespace

Grade_List* Make_Concrete_Grade_List(int full, int options) {
    Row_Builder b;
    if (options & 1) {
        for (int k = 0; k < 5; ++k) b.add(Old_Concrete_Texts[k], k, Grade_Old_Concrete, Old_Grade_Colour());
        if (full) b.separator(Separator_Colour());
    }
    if (full) {
        for (int k = 0; k < 15; ++k) b.add(Concrete_Texts[k], First_Class_Code + k, 0, BLACK_CI);
        if (options & 2) {
            b.separator(Separator_Colour());
            const int brown = Nearest_Color_Index(155, 126, 66);
            for (int k = 0; k < 11; ++k) b.add(Lightweight_Texts[k], First_Class_Code + k, Grade_Lightweight, brown);
        }
        if (options & 4) {
            b.separator(Separator_Colour());
            b.add("frei", Free_Concrete_Code, Grade_Free_Concrete, Free_Grade_Colour());
        }
    }
    return Make_Grade_List(full, (options & 8) ? 1 : 0, Concrete_Row_Width, b);
}

Grade_List* Make_Rebar_Grade_List(int kind) {
    Row_Builder b;
    for (int k = 0; k < 3; ++k) b.add(Old_Rebar_Texts[k], k, Grade_Old_Rebar, Old_Grade_Colour());
    if (kind != 0) {
        b.separator(Separator_Colour());
        b.add(kind == 2 ? "B500A" : "BSt 500 (A)", First_Ductile_Rebar_Code, 0, BLACK_CI);
        b.add(kind == 2 ? "B500B" : "BSt 500 (B)", First_Ductile_Rebar_Code + 1, 0, BLACK_CI);
        b.separator(Separator_Colour());
        b.add("frei", Free_Rebar_Code, Grade_Free_Rebar, Free_Grade_Colour());
    }
    return Make_Grade_List(kind, 0, Rebar_Row_Width, b);
}

int Find_Grade_Row(const Grade_List* list, int code, int mask) {
    if (!list) return 0;
    for (int k = 0; k < list->count; ++k)
        if (list->codes[k] == code && (mask == 0 || (list->flags[k] & mask))) return k;
    return list->count;
}

void Get_Grade_Code(const Grade_List* list, int row, int* code, int* flags) {
    // A row outside the list (negative included) names no material.
    if (!list || row < 0 || row >= list->count) {
        if (code) *code = -1;
        if (flags) *flags = 0;
        return;
    }
    while (row > 0 && (list->flags[row] & Grade_Separator)) --row;
    if (code) *code = list->codes[row];
    if (flags) *flags = list->flags[row];
}

void Free_Grade_List(Grade_List* list) {
    if (!list) return;
    Free_And_Null(&list->texts);
    Free_And_Null(&list->colours);
    Free_And_Null(&list->flags);
    Free_And_Null(&list->codes);
    Release_Counted_Block(list);
}
