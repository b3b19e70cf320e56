#include "gui/table_editor.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/cp437.h"
#include "gui/table_icons.h"
#include "gui/view_area_events.h"
#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

constexpr const char* Default_Column_Format = "%14.8f";
constexpr int Hand_Cursor = 18;
constexpr int Tooltip_Font = 0x41006;
constexpr int Row_Number_Font = 4096;
constexpr int First_Row_Lift = 6;        // the first row's background starts this much higher
constexpr int Append_Line_Shortening = 5;
constexpr int Column_Head_Height = 25;   // the sort buttons above the first row belong to the box
constexpr int Key_Up = 328;
constexpr int Key_Down = 336;
constexpr int Top_Scroll_Margin = 9;     // Up scrolls when the new row is this close to the top edge
constexpr int Bottom_Scroll_Margin = 10;

std::array<Table_Slot, Table_Slots> slots;
bool slots_initialised = false;

Table_Row_Node* New_Row(const void* record, int size) {
    auto* row = static_cast<Table_Row_Node*>(std::calloc(1, sizeof(Table_Row_Node)));
    if (!row) return nullptr;
    row->record = static_cast<unsigned char*>(std::malloc(static_cast<std::size_t>(size > 0 ? size : 1)));
    if (!row->record) {
        std::free(row);
        return nullptr;
    }
    if (size > 0) std::memcpy(row->record, record, static_cast<std::size_t>(size));
    return row;
}

void Free_Row(Table_Row_Node* row) {
    if (!row) return;
    std::free(row->record);
    std::free(row);
}

// Links the new row after `after` (at the head for null).
void Link_After(Table_Slot& t, Table_Row_Node* after, Table_Row_Node* row) {
    row->previous = after;
    row->next = after ? after->next : t.first_row;
    if (row->next) row->next->previous = row;
    else t.last_row = row;
    if (after) after->next = row;
    else t.first_row = row;
    ++t.row_count;
}

// Unlinks and frees the row; an iteration standing on it goes on with the next row.
void Remove_Row(Table_Slot& t, Table_Row_Node* row) {
    if (row->previous) row->previous->next = row->next;
    else t.first_row = row->next;
    if (row->next) row->next->previous = row->previous;
    else t.last_row = row->previous;
    if (t.cursor == row) t.cursor = row->next;
    Free_Row(row);
    --t.row_count;
}

Table_Row_Node* Row_At(const Table_Slot& t, int position) {
    Table_Row_Node* row = t.first_row;
    for (int k = 1; row && k < position; ++k) row = row->next;
    return position >= 1 ? row : nullptr;
}

bool Maximum_Reached(const Table_Slot& t) { return t.max_rows > 0 && t.row_count >= t.max_rows; }

int Light_Grey() { return Nearest_Color_Index(232, 232, 232); }

// An icon over x1..x2, y1..y2 and, with a target, a hot spot over it storing the value.
void Add_Icon(int area, Table_Icon icon, int x1, int y1, int x2, int y2, int value, int* target, const char* tooltip) {
    Add_DIB_Image_to_View_Area(area, Table_Icon_Image(icon), x1, y1, x2, y2, 0);
    if (!target) return;
    Add_Hot_Spot_to_View_Area(area, x1, y1, x2, y2, value, target);
    Set_Hot_Spot_Cursor(area, Hand_Cursor);
    if (tooltip) Set_Hot_Spot_Tooltip(area, tooltip, Tooltip_Font, BLACK_CI, 0);
}

int Floor_Div(int a, int b) { return b > 0 ? (a >= 0 ? a / b : -((-a + b - 1) / b)) : 0; }

void Wait_For_Release() {
    while (M_LEFT && Get_Mouse_Event() != 0) {
    }
}

// Moves the mouse one row up or down so that the view area's next click opens the same cell in
// that row; near the area's edge the area scrolls one row and the mouse follows by the amount
// actually scrolled.
void Move_To_Next_Row(const Table_Slot& t, int step, int visible_height) {
    int ox = 0, oy = 0, sx = 0, sy = 0;
    Get_View_Area_Screen_Origin(t.area, &ox, &oy);
    Get_View_Area_Scroll_Origin(t.area, &sx, &sy);
    M_YPOS += step * t.row_height;
    M_LEFT = 1;
    const bool scroll = step < 0 ? M_YPOS - oy <= Top_Scroll_Margin && sy > 0
                                 : M_YPOS > oy + visible_height - t.row_height + Bottom_Scroll_Margin;
    if (!scroll) return;
    int dx = 0, dy = step * t.row_height;
    Scroll_View_Area_By(t.area, &dx, &dy);
    M_YPOS -= dy;
    Show_View_Area(t.area);
}

}  // namespace

Table_Slot* Table_Of(int table) {
    if (table < 0 || table >= Table_Slots || !slots_initialised) return nullptr;
    Table_Slot& t = slots[static_cast<std::size_t>(table)];
    return t.in_use ? &t : nullptr;
}

int Create_Table(int area, int top, int x, int x2, int row_height, int record_size, Table_Row_Painter painter) {
    if (!slots_initialised) {
        for (Table_Slot& t : slots) t = Table_Slot{};
        slots_initialised = true;
        Set_Table_Icon_Colours();
    }
    for (int k = 0; k < Table_Slots; ++k) {
        Table_Slot& t = slots[static_cast<std::size_t>(k)];
        if (t.in_use) continue;
        t = Table_Slot{};
        t.in_use = 1;
        t.area = area;
        t.top = top;
        t.x = x;
        t.x2 = x2;
        t.row_height = row_height;
        t.record_size = record_size > 0 ? record_size : 0;
        t.painter = painter;
        return k;
    }
    return -1;
}

void Set_Table_Row_Button(int table, int kind, int dx, int dy) {
    Table_Slot* t = Table_Of(table);
    if (!t) return;
    Table_Row_Control_Place* place = kind == Table_Delete_Button      ? &t->delete_button
                                     : kind == Table_Duplicate_Button ? &t->duplicate_button
                                     : kind == Table_Append_Line      ? &t->append_line
                                     : kind == Table_Row_Numbers      ? &t->row_numbers
                                                                      : nullptr;
    if (place) *place = {1, dx, dy};
}

void Set_Table_Max_Rows(int table, int n) {
    if (Table_Slot* t = Table_Of(table)) t->max_rows = n > 0 ? n : 0;
}

void Set_Table_Template_Row(int table, const void* record) {
    Table_Slot* t = Table_Of(table);
    if (!t || !record) return;
    if (t->template_row) {
        std::memcpy(t->template_row->record, record, static_cast<std::size_t>(t->record_size));
        return;
    }
    t->template_row = New_Row(record, t->record_size);
}

void Add_Table_Column(int table, int x, int y, int spare, int flags, const char* format, int offset) {
    Table_Slot* t = Table_Of(table);
    if (!t || offset < 0 || offset > t->record_size - static_cast<int>(sizeof(double))) return;
    auto* c = new (std::nothrow) Table_Column;
    if (!c) return;
    std::snprintf(c->format.data(), c->format.size(), "%s", format ? format : Default_Column_Format);
    c->x = x;
    c->y = y;
    c->spare = spare;
    c->offset = offset;
    c->sortable = flags & 1;
    c->fillable = flags & 2;
    if (t->last_column) t->last_column->next = c;
    else t->first_column = c;
    t->last_column = c;
}

void Append_Table_Row(int table, const void* record) {
    Table_Slot* t = Table_Of(table);
    if (!t || !record) return;
    if (Table_Row_Node* row = New_Row(record, t->record_size)) Link_After(*t, t->last_row, row);
}

void Clear_Table_Rows(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t) return;
    while (t->first_row) Remove_Row(*t, t->first_row);
    t->cursor = nullptr;
}

int Get_Table_Row_Count(int table) {
    const Table_Slot* t = Table_Of(table);
    return t ? t->row_count : 0;
}

void* Get_First_Table_Row(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t) return nullptr;
    t->cursor = t->first_row;
    return Get_Next_Table_Row(table);
}

void* Get_Next_Table_Row(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t || !t->cursor) return nullptr;
    Table_Row_Node* row = t->cursor;
    t->cursor = row->next;
    return row->record;
}

int Get_Table_Row_Number(int table, const void* record) {
    const Table_Slot* t = Table_Of(table);
    if (!t || !record) return 0;
    int k = 1;
    for (const Table_Row_Node* row = t->first_row; row; row = row->next, ++k)
        if (row->record == record) return k;
    return 0;
}

void Move_Table(int table, int top, int x) {
    Table_Slot* t = Table_Of(table);
    if (!t) return;
    const int dx = x - t->x, dy = top - t->top;
    t->x = x;
    t->top = top;
    t->x2 += dx;
    for (Table_Column* c = t->first_column; c; c = c->next) {
        c->x += dx;
        c->y += dy;
    }
}

void Build_Table_View(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t) return;
    const int area = t->area, x = t->x, rh = t->row_height;
    const bool full = Maximum_Reached(*t);
    int top = t->top;
    int number = 1;
    for (Table_Row_Node* row = t->first_row; row; row = row->next, ++number, top += rh) {
        Add_Filled_Rectangle_to_View_Area(area, x, number == 1 ? top - First_Row_Lift : top, t->x2, top + rh, Light_Grey());
        if (t->painter) t->painter(1, area, x, top, row->record);
        if (t->delete_button.on) {
            const int bx = x + t->delete_button.dx, by = top + t->delete_button.dy;
            Add_Icon(area, Table_Icon::Delete, bx, by, bx + 14, by + 16, number, &t->delete_request, "Zeile löschen"_cp);
        }
        if (t->duplicate_button.on) {
            const int bx = x + t->duplicate_button.dx, by = top + t->duplicate_button.dy;
            if (full) Add_Icon(area, Table_Icon::Duplicate_Greyed, bx, by, bx + 18, by + 16, 0, nullptr, nullptr);
            else Add_Icon(area, Table_Icon::Duplicate, bx, by, bx + 18, by + 16, number, &t->duplicate_request, "Zeile duplizieren");
        }
        if (t->row_numbers.on) {
            char text[16];
            std::snprintf(text, sizeof text, "%d:", number);
            Add_Text_to_View_Area(area, x + t->row_numbers.dx, top + t->row_numbers.dy, text, Row_Number_Font,
                                  Nearest_Color_Index(130, 130, 130), 1);
        }
    }
    if (t->append_line.on && !full) {
        Add_Filled_Rectangle_to_View_Area(area, x, top, t->x2, top + rh - Append_Line_Shortening, Light_Grey());
        const int bx = x + t->append_line.dx, by = top + t->append_line.dy;
        Add_Icon(area, Table_Icon::Append, bx, by, bx + 35, by + 16, Table_Append_Marker, &t->append_request,
                 "neue Zeile anfügen"_cp);
    }
    int column = 1;
    for (Table_Column* c = t->first_column; c; c = c->next, ++column) {
        Add_Icon(area, Table_Icon::Sort, c->x - 14, c->y - 8, c->x + 14, c->y + 8, column, &t->menu_request, nullptr);
    }
}

int Handle_Table_Event(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t) return 0;
    if (!M_LEFT) {
        Wait_On_View_Area(t->area);
        if (!M_LEFT) return 0;
    }
    int visible_width = 0, visible_height = 0;
    Inquire_View_Area_Size(t->area, &visible_width, &visible_height);
    // Set while the button state is the loop's own (a move by Up or Down), not the user's press.
    bool moved_by_key = false;
    while (M_LEFT) {
        int ox = 0, oy = 0, sx = 0, sy = 0;
        Get_View_Area_Screen_Origin(t->area, &ox, &oy);
        Get_View_Area_Scroll_Origin(t->area, &sx, &sy);
        const int rows = t->row_count + (t->append_line.on ? 1 : 0);
        const int bx1 = t->x + ox - sx, bx2 = t->x2 + ox - sx;
        const int by1 = t->top + oy - sy - (t->first_column ? Column_Head_Height : 0);
        const int by2 = t->top + oy - sy + rows * t->row_height;
        if (M_XPOS < bx1 || M_XPOS > bx2 || M_YPOS < by1 || M_YPOS > by2) {
            // A press the user never made must not reach the page.
            if (moved_by_key) M_LEFT = 0;
            return 0;
        }
        LAST_SHEET_EDIT_KEY = 0;
        if (Handle_View_Area_Event(t->area) == 0) {
            Wait_For_Release();
            return 1;
        }
        if (t->delete_request && t->delete_button.on) {
            if (Table_Row_Node* row = Row_At(*t, t->delete_request)) Remove_Row(*t, row);
            t->delete_request = 0;
            return 2;
        }
        if (t->duplicate_request && t->duplicate_button.on) {
            if (Table_Row_Node* row = Row_At(*t, t->duplicate_request))
                if (Table_Row_Node* copy = New_Row(row->record, t->record_size)) Link_After(*t, row, copy);
            t->duplicate_request = 0;
            return 2;
        }
        if (t->append_request && t->append_line.on) {
            // Without a template row there is nothing to copy.
            t->append_request = 0;
            if (!t->template_row) return 1;
            Append_Table_Row(table, t->template_row->record);
            return 2;
        }
        if (t->menu_request && t->first_column) {
            Table_Column* c = t->first_column;
            for (int k = 1; c && k < t->menu_request; ++k) c = c->next;
            t->menu_request = 0;
            if (c) Run_Table_Column_Menu(table, c);
            Show_View_Area(t->area);
            return 1;
        }
        const int key = LAST_SHEET_EDIT_KEY;
        LAST_SHEET_EDIT_KEY = 0;
        if (key != Key_Up && key != Key_Down) return 1;
        // Past the first or the last row the loop ends: the same column of the append line or the
        // sort buttons above the rows is no cell, and a click there would append a row or open the
        // column menu. The button state is the user's again.
        const int step = key == Key_Up ? -1 : 1;
        const int row_index = Floor_Div(M_YPOS - (t->top + oy - sy), t->row_height) + step;
        if (row_index < 0 || row_index >= t->row_count) {
            if (moved_by_key) M_LEFT = 0;
            return 1;
        }
        Move_To_Next_Row(*t, step, visible_height);
        moved_by_key = true;
    }
    return 0;
}

void Delete_Table(int table) {
    Table_Slot* t = Table_Of(table);
    if (!t) return;
    Clear_Table_Rows(table);
    Free_Row(t->template_row);
    for (Table_Column* c = t->first_column; c;) {
        Table_Column* next = c->next;
        delete c;
        c = next;
    }
    *t = Table_Slot{};
}

void Delete_Tables_Of_Area(int area) {
    for (int k = 0; k < Table_Slots; ++k)
        if (const Table_Slot* t = Table_Of(k); t && t->area == area) Delete_Table(k);
}
