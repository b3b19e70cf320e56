// Factor-table column sets: the columns of a table of factors (symbol with index, unit, width and
// gap), their header above the table, and the legend that explains each symbol beside it. Column
// positions are pixels from the table's left edge; the headers draw into the page context's area.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <new>

#include "common/counted_alloc.h"
#include "common/text_tools.h"
#include "gui/page_fields.h"
#include "gui/world_items.h"
#include "platform/host/host_library.h"

namespace {

// Resizes the block to n columns and fills the columns from `from` on with the defaults.
Factor_Column* Grow_Columns(Factor_Column* columns, int from, int n) {
    auto* grown = static_cast<Factor_Column*>(Realloc_Or_Exit(columns, sizeof(Factor_Column) * static_cast<std::size_t>(n), 0));
    for (int i = from; i < n; ++i) {
        new (&grown[i]) Factor_Column{};
        grown[i].x = 68 * i;
    }
    return grown;
}

int Columns_End(int n, const Factor_Column* columns) {
    const Factor_Column& last = columns[n - 1];
    return last.x + last.width + last.gap;
}

// Headings (with their indexes) centred over their columns, shifted by `shift`, `rise` pixels above
// y; units 15 above y; a rule 9 above y from x to `rule_end`. Leaves font 4096 and black.
void Draw_Header(int x, int y, int n, const Factor_Column* columns, int shift, int rise, int rule_end) {
    const int black = Nearest_Color_Index(0, 0, 0);
    Set_Page_Font(0x11000);
    Set_Page_Text_Colour(black);
    for (int i = 0; i < n; ++i) {
        const int cx = x + columns[i].x + static_cast<int>(std::lround(columns[i].width / 2.0)) - shift;
        Add_Aligned_Symbol_Label(cx, y - rise, columns[i].heading, columns[i].index, 2, 4, &Page_Enabled);
    }
    Set_Page_Font(4096);
    Set_Page_Text_Colour(Nearest_Color_Index(160, 160, 164));
    for (int i = 0; i < n; ++i) {
        const int cx = x + columns[i].x + static_cast<int>(std::lround(columns[i].width / 2.0));
        if (columns[i].unit[0]) Add_Aligned_Label(cx, y - 15, columns[i].unit, 2, 4, &Page_Enabled);
    }
    Set_Page_Text_Colour(black);
    Set_World_Drawing(1);
    Add_World_Line(x, y - 9, rule_end, y - 9);
}

}  // namespace

void Init_Factor_Columns(Factor_Column_Set* set, int n, Factor_Column** columns) {
    if (set) {
        Free_And_Null(&set->columns);
        set->third = 0;
        set->switch_1 = set->switch_2 = 1;
        set->sixth = set->seventh = 0;
        set->count = 0;
        set->capacity = 0;
        set->line_end = -1;
    }
    if (columns && n > 0) *columns = Grow_Columns(*columns, 0, n);
}

void Init_Factor_Column_Set(Factor_Column_Set* set, int n) {
    if (!set) return;
    Factor_Column* own = set->columns;
    *set = Factor_Column_Set{};
    if (n > 0) {
        set->columns = Grow_Columns(own, 0, n);
        set->capacity = n;
    } else {
        Free_And_Null(&own);
    }
}

void Clear_Factor_Column_Set(Factor_Column_Set* set) {
    if (!set) return;
    set->count = 0;
    set->capacity = 0;
    Free_And_Null(&set->columns);
}

int Get_Factor_Table_Width(const Factor_Column_Set* set) {
    if (!set) return 0;
    int width = set->left_offset + 8;
    for (int i = 0; i < set->count; ++i) width += set->columns[i].width + set->columns[i].gap;
    return width;
}

Factor_Column* Add_Factor_Column(Factor_Column_Set* set, const char* description, const char* heading,
                                 const char* index, const char* unit, int setting, int width, int gap) {
    if (!set) return nullptr;
    if (set->count >= set->capacity || !set->columns) {
        const int capacity = std::max({set->count + 1, 2 * set->capacity, 4});
        set->columns = Grow_Columns(set->columns, std::min(set->count, set->capacity), capacity);
        set->capacity = capacity;
    }
    Factor_Column& column = set->columns[set->count];
    Copy_String_Bounded(column.description, description, sizeof column.description);
    Copy_String_Bounded(column.heading, heading, sizeof column.heading);
    Copy_String_Bounded(column.index, index, sizeof column.index);
    Copy_String_Bounded(column.unit, unit, sizeof column.unit);
    column.x = Get_Factor_Table_Width(set);
    column.setting = setting;
    column.width = width;
    column.gap = gap;
    ++set->count;
    return &column;
}

void Draw_Factor_Header(int x, int y, int ignored, int n, const Factor_Column* columns) {
    if (Get_Page_Area() < 0 || n <= 0 || !columns) return;
    Draw_Header(x, y, n, columns, 0, 31, x + Columns_End(n, columns));
}

void Draw_Factor_Set_Header(int x, int y, const Factor_Column_Set* set) {
    if (Get_Page_Area() < 0 || !set || set->count <= 0 || !set->columns) return;
    const int font = Get_Page_Font(), colour = Get_Page_Text_Colour();
    const bool units = std::any_of(set->columns, set->columns + set->count, [](const Factor_Column& c) { return c.unit[0] != 0; });
    // The line end counts from the table's left edge, as the column positions do.
    const int end = std::max(Columns_End(set->count, set->columns), set->line_end);
    Draw_Header(x, y, set->count, set->columns, 4, units ? 31 : 16, x + end);
    Set_Page_Font(font);
    Set_Page_Text_Colour(colour);
}

void Draw_Factor_Legend(int x, int y, int n, const Factor_Column* columns) {
    if (Get_Page_Area() < 0 || n <= 0 || !columns) return;
    int e = 50;
    for (int i = 0; i < n; ++i)
        if (columns[i].description[0])
            e = std::max(e, 8 * static_cast<int>(std::strlen(columns[i].heading)) + 6 * static_cast<int>(std::strlen(columns[i].index)) + 5);
    Set_Page_Font(4096);
    Set_Page_Text_Colour(Nearest_Color_Index(128, 128, 128));
    for (int i = 0; i < n; ++i) {
        if (!columns[i].description[0]) continue;
        Add_Symbol_Label(x, y, columns[i].heading, columns[i].index, &Page_Enabled);
        Add_Label(x + e, y, columns[i].description, &Page_Enabled);
        y += 18;
    }
}
