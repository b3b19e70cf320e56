// Numeric, choice and check fields of the kit's dialog pages, and the factor-table column sets whose
// headers and legends stand above and beside tables. Fields take a Field_State instead of an enabled
// flag, show values in display units through the dialog's scaled-value registry and edit integers
// through their double proxies.
#pragma once

#include "gui/page_context.h"

struct Grade_List;

// Numeric fields: c characters occupy c * 8 + 15 pixels from x; each returns that width, or 0 when no
// area is current or c is 0 or less.
int Add_Float_Field(int x, int y, double* value, int c, int d, const Field_State* state);
int Add_Coloured_Float_Field(int x, int y, double* value, int c, int d, int colour, const Field_State* state);
int Add_Scaled_Float_Field(int x, int y, double* value, double factor, int c, int d, const Field_State* state);
int Add_Int_Field(int x, int y, int* integer, int c, const Field_State* state);
int Add_Clamped_Int_Field(int x, int y, int* integer, int c, int minimum, int maximum, const Field_State* state);
int Add_Checked_Float_Field(int x, int y, double* value, double factor, int c, int d, double minimum, double maximum,
                            const char* name, const Field_State* state);
int Add_Labelled_Float_Field(int x, int y, const char* label, double* value, int c, int d, const char* unit,
                             const Field_State* state);
int Add_Symbol_Float_Field(int x, int y, const char* symbol, const char* index, double* value, double factor, int c,
                           int d, const char* unit, const Field_State* state);

// Choice fields and check boxes.
int Add_Choice_Field(int x, int y, const char* texts, const int* colours, int stride, int count, int* selected,
                     const Field_State* state);
int Add_Grade_Choice_Field(int x, int y, const Grade_List* list, int* selected, const Field_State* state);
int Add_State_Check_Box(int x, int y, const char* label, int* value, const Field_State* state);

// Factor tables.
struct Factor_Column {
    char description[101] = "Welcher Faktor ?";
    char heading[51] = "???";
    char index[11] = {};
    char unit[21] = "???";
    int x = 0;          // 68 * column number by default
    int setting = 6;    // kept, never read
    int width = 63;
    int gap = 5;
};

struct Factor_Column_Set {
    int first = 0;
    int left_offset = 0;
    int third = 0;
    int switch_1 = 1;
    int switch_2 = 1;
    int sixth = 0;
    int seventh = 0;
    int count = 0;
    Factor_Column* columns = nullptr;   // owned by the set
    int capacity = 0;
    int line_end = -1;
};

void Init_Factor_Columns(Factor_Column_Set* set, int n, Factor_Column** columns);
void Init_Factor_Column_Set(Factor_Column_Set* set, int n);
void Clear_Factor_Column_Set(Factor_Column_Set* set);
int Get_Factor_Table_Width(const Factor_Column_Set* set);
Factor_Column* Add_Factor_Column(Factor_Column_Set* set, const char* description, const char* heading,
                                 const char* index, const char* unit, int setting, int width, int gap);
void Draw_Factor_Header(int x, int y, int ignored, int n, const Factor_Column* columns);
void Draw_Factor_Set_Header(int x, int y, const Factor_Column_Set* set);
void Draw_Factor_Legend(int x, int y, int n, const Factor_Column* columns);
