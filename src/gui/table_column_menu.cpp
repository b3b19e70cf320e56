#include "gui/table_column_menu.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/cp437.h"
#include "platform/host/host_library.h"

namespace {

constexpr int Sheet_Half_Width = 163;    // the fill sheet is 326 x 238 px
constexpr int Sheet_Half_Height = 119;
constexpr int Label_Font = 4096;
constexpr int Note_Font = 4098;
constexpr int Title_Font = 11;
constexpr int Engraved = 2;
enum Fill_Code { Fill_Ok = 1, Fill_Break = 2, Fill_Choice = 3, Fill_First = 4, Fill_Last = 5 };

Context_Menu_Entry sort_entries[] = {
    {"aufsteigend", 1, nullptr, " ", 0, Sort_Table_Column_Ascending},
    {"absteigend", 1, nullptr, " ", 0, Sort_Table_Column_Descending},
};
const Context_Menu sort_menu = {2, 11, {1, 0, 1}, sort_entries};
Context_Menu_Entry column_entries[] = {
    {"Spalte sortieren", 0, &sort_menu, " ", 0, nullptr},
    {"Spalte belegen", 0, nullptr, " ", 0, Run_Column_Fill_Dialog},
};
const Context_Menu column_menu = {2, 16, {1, 0, 1}, column_entries};

// The table and column of the menu being run; the callbacks work on them.
int menu_table = -1;
Table_Column* menu_column = nullptr;

bool centre_known = false;
int centre_x = 0, centre_y = 0;

double Column_Value(const Table_Row_Node& row, const Table_Column& c) {
    double v = 0;
    std::memcpy(&v, row.record + c.offset, sizeof v);
    return v;
}

void Set_Column_Value(Table_Row_Node& row, const Table_Column& c, double v) { std::memcpy(row.record + c.offset, &v, sizeof v); }

// The column's double lies inside the table's records (Add_Table_Column checked it; a column handed
// from elsewhere is checked here).
bool Column_Fits(const Table_Slot& t, const Table_Column& c) {
    return c.offset >= 0 && c.offset <= t.record_size - static_cast<int>(sizeof(double));
}

// A row number as the sheet's "%5.0f" field shows it: rounded half away from zero, held in int range.
long long Shown_Row_Number(double v) {
    if (!std::isfinite(v)) return v > 0 ? LLONG_MAX : 0;
    const double r = std::round(v);
    return r >= 9.0e18 ? LLONG_MAX : r <= -9.0e18 ? LLONG_MIN : static_cast<long long>(r);
}

void Draw_Sheet_Texts(int x1, int y1) {
    struct Label {
        const char* text;
        int x, y, font;
    };
    const Label labels[] = {
        {"anwenden auf", 21, 60, Label_Font},
        {"erste Zeile", 21, 104, Label_Font},
        {"letzte Zeile", 168, 104, Label_Font},
        {"Startwert", 21, 141, Label_Font},
        {"(für erste Zeile)"_cp, 22, 153, Note_Font},
        {"Inkrement", 21, 173, Label_Font},
        {"(Zuwachs für jede weitere Zeile)"_cp, 22, 185, Note_Font},
    };
    for (const Label& l : labels) Draw_Funny_Text_to_PS(x1 + l.x, y1 + l.y, l.text, l.font, Engraved);
}

}  // namespace

void Run_Table_Column_Menu(int table, Table_Column* column) {
    if (!Table_Of(table) || !column) return;
    column_entries[0].active = column->sortable ? 1 : 0;
    column_entries[1].active = column->fillable ? 1 : 0;
    menu_table = table;
    menu_column = column;
    Menue_Manager(&column_menu);
    menu_table = -1;
    menu_column = nullptr;
}

void Sort_Table_Column(int table, const Table_Column& column, bool ascending) {
    Table_Slot* t = Table_Of(table);
    if (!t || !Column_Fits(*t, column)) return;
    const std::size_t size = static_cast<std::size_t>(t->record_size);
    unsigned char* swap = static_cast<unsigned char*>(std::malloc(size));
    if (!swap) return;
    for (Table_Row_Node* i = t->first_row; i; i = i->next) {
        double vi = Column_Value(*i, column);
        for (Table_Row_Node* j = i->next; j; j = j->next) {
            const double vj = Column_Value(*j, column);
            if (ascending ? vi > vj : vi < vj) {
                std::memcpy(swap, i->record, size);
                std::memcpy(i->record, j->record, size);
                std::memcpy(j->record, swap, size);
                vi = Column_Value(*i, column);
            }
        }
    }
    std::free(swap);
}

void Sort_Table_Column_Ascending() {
    if (menu_column) Sort_Table_Column(menu_table, *menu_column, true);
}

void Sort_Table_Column_Descending() {
    if (menu_column) Sort_Table_Column(menu_table, *menu_column, false);
}

void Fill_Table_Column(int table, const Table_Column& column, const Column_Fill& fill) {
    Table_Slot* t = Table_Of(table);
    if (!t || !Column_Fits(*t, column)) return;
    const long long first = fill.choice == 2 ? Shown_Row_Number(fill.first) : 1;
    const long long last = fill.choice == 2 ? Shown_Row_Number(fill.last) : LLONG_MAX;
    long long number = 1;
    for (Table_Row_Node* row = t->first_row; row; row = row->next, ++number)
        if (number >= first && number <= last)
            Set_Column_Value(*row, column, fill.start + static_cast<double>(number - first) * fill.increment);
}

void Get_Column_Fill_Centre(int* x, int* y) {
    if (x) *x = centre_known ? centre_x : NPIXEL_X / 2;
    if (y) *y = centre_known ? centre_y : NPIXEL_Y / 2;
}

void Run_Column_Fill_Dialog() {
    if (!Table_Of(menu_table) || !menu_column) return;
    const int table = menu_table;
    const Table_Column column = *menu_column;
    Get_Column_Fill_Centre(&centre_x, &centre_y);
    centre_known = true;
    int x1 = centre_x - Sheet_Half_Width, y1 = centre_y - Sheet_Half_Height;
    int x2 = centre_x + Sheet_Half_Width, y2 = centre_y + Sheet_Half_Height;
    Check_Prop_Sheet_Frames(&x1, &y1, &x2, &y2);
    centre_x = (x1 + x2) / 2;
    centre_y = (y1 + y2) / 2;

    const int buffering = pxBuff(1);
    Define_Prop_Sheet(x1, y1, x2, y2, 1, 1, "Tabellenspalte belegen", Title_Font, 1);
    Draw_Sheet_Texts(x1, y1);
    Column_Fill fill;
    const int whole = Add_Alternativ_Button_to_PS(x1 + 110, y1 + 50, 1, Fill_Choice, &fill.choice, 1, RADIO_BUTTON_LAYOUT);
    Add_Aligned_Connected_Text_to_Button_of_PS(whole, x1 + 128, y1 + 61, "gesamte Spalte", Label_Font, BLACK_CI, 0);
    const int range = Add_Alternativ_Button_to_PS(x1 + 110, y1 + 67, 1, Fill_Choice, &fill.choice, 2, RADIO_BUTTON_LAYOUT);
    Add_Aligned_Connected_Text_to_Button_of_PS(range, x1 + 128, y1 + 78, "Zeilenausschnitt", Label_Font, BLACK_CI, 0);
    const int first_field = Add_Float_to_PS(x1 + 90, y1 + 91, 5, "%5.0f", -1, Fill_First, &fill.first);
    const int last_field = Add_Float_to_PS(x1 + 237, y1 + 91, 5, "%5.0f", -1, Fill_Last, &fill.last);
    // The value fields are as wide as the column's own text of 1.0.
    const char* format = column.format.data();
    const int width = static_cast<int>(Format_Float_Text(format, 1.0).size());
    Add_Float_to_PS(x1 + 197, y1 + 133, width, format, 1, 0, &fill.start);
    Add_Float_to_PS(x1 + 197, y1 + 165, width, format, 1, 0, &fill.increment);
    Add_Single_Button_to_PS(x1 + 19, y1 + 210, 1, Fill_Break, "", SYMBOLIC_BREAK_RASTER, "");
    Add_Help_to_PS(x1 + 152, y1 + 210, 1, 0, "", "");
    Add_Single_Button_to_PS(x1 + 285, y1 + 210, 1, Fill_Ok, "", SYMBOLIC_OK_RASTER, "");
    msStCu(x1 + 27, y1 + 218);
    Set_Prop_Sheet_Edit_Float_Auto_Mode();
    Activate_Prop_Sheet();
    pxBuff(buffering);
    int dx = 0, dy = 0;
    Prop_Sheet_Displacement(&dx, &dy);

    for (;;) {
        const int code = Edit_Prop_Sheet();
        // The range fields take input only for a range of rows; a field corrected below is redrawn
        // with the activity it has.
        const int range_activity = fill.choice == 2 ? 1 : -1;
        if (code == Fill_Choice) {
            Change_Activity_PS(first_field, range_activity);
            Change_Activity_PS(last_field, range_activity);
        }
        if ((code == Fill_Choice || code == Fill_First) && fill.first > fill.last) {
            fill.last = fill.first;
            Change_Activity_PS(last_field, range_activity);
        }
        if (code == Fill_Last && fill.first > fill.last) {
            fill.first = fill.last;
            Change_Activity_PS(first_field, range_activity);
        }
        // The end of the input without a break code (0) ends the sheet as a break.
        if (code == Fill_Ok || code == Fill_Break || code == 0) {
            centre_x += dx;
            centre_y += dy;
            Undefine_Prop_Sheet();
            if (code == Fill_Ok) Fill_Table_Column(table, column, fill);
            return;
        }
    }
}
