// Keyed result records of the host's exchange file and the component tables of member and node
// results.
//
// A record is written as an empty line, the line "<DXP", the seven keys joined by "|" (for example
// -1|-1|3|0|0|0|2) and its values as parameter arrays. The seventh key is the result kind: 0 and 2
// take the member table, 1 and 3 the node table. In a search pattern -1 stands for any value.
#pragma once

#include <cstdio>

#include "common/param_objects.h"

inline constexpr int Record_Key_Count = 7;

struct Component_Entry {
    const char* name;
    const char* unit;
    int key;
};

struct Component_Table {
    int type;
    int count;
    const Component_Entry* entries;
};

struct Keyed_Record {
    int keys[Record_Key_Count] = {-1, -1, -1, -1, -1, -1, -1};
    VEK_Param_Arrays values;
    // Fields of the embedding program, zero at creation and not read here.
    int user_a = 0;
    int user_b = 0;
    void* user_data = nullptr;
    const Component_Table* table = nullptr;   // own table, or null for the table of its kind
};

// Records -----------------------------------------------------------------------------------------

// All keys -1 and empty arrays; null when memory runs out.
Keyed_Record* New_Keyed_Record();
// Keys -1, arrays emptied.
void Init_Keyed_Record(Keyed_Record* record);
// As Init, and the further fields and the own table zeroed.
void Reset_Keyed_Record(Keyed_Record* record);
int Resize_Keyed_Record_Arrays(Keyed_Record* record, int ints, int doubles, int texts);
void Free_Keyed_Record_Arrays(Keyed_Record* record);
void Free_Keyed_Record(Keyed_Record* record);

// The "<DXP" line, the key line, and the whole record. 1 or 0.
int Write_Keyed_Record_Key(FILE* stream);
int Write_Record_Keys(FILE* stream, const int* keys);
int Write_Keyed_Record(FILE* stream, const Keyed_Record* record);
// Sets all seven keys to -1 and reads "%d" followed by "|" or the line end (LF or CR LF); after the
// seventh key the rest of the line is skipped. 1 read; 0 for any other character or a missing number.
int Read_Record_Keys(FILE* stream, int* keys);
// The next line "<DXP" (from the start when rewind is set). 1 found, 0 not.
int Seek_Keyed_Record(FILE* stream, int rewind);
// 1 when every key of the pattern is -1 or equals the record's key; a null pattern matches, a null
// record does not.
int Record_Keys_Match(const Keyed_Record* record, const int* pattern);
// From the current position, the first record whose keys match the pattern: its keys and arrays
// (sized by the file). 1 found and read; 0 at the end of the stream, for a bad key line or arrays
// that cannot be read.
int Read_Keyed_Record(FILE* stream, const int* pattern, Keyed_Record* record);

// Key i from 0 to 6, else 0.
int Get_Record_Key(const int* keys, int i);
int Get_Keyed_Record_Int(const Keyed_Record* record, int i);
double Get_Keyed_Record_Double(const Keyed_Record* record, int i);
const char* Get_Keyed_Record_Text(const Keyed_Record* record, int i);

// Component tables --------------------------------------------------------------------------------

// The member table for kinds 0 and 2, the node table for 1 and 3, null otherwise.
const Component_Table* Get_Component_Table(int kind);
const Component_Table* Get_Record_Component_Table(const Keyed_Record* record);
// The entry's index (or the entry) of the component key; -1 (null) when absent.
int Find_Component_Index(const Component_Table* table, int component_key);
const Component_Entry* Find_Component(const Component_Table* table, int component_key);
// Fills n doubles: with a key list, value i is the record's double at the index of key i in its
// table (0 when the key is not there); without one, double i. 1; 0 with zeros for a null record, or
// with a key list for a record without a usable table.
int Get_Record_Components(const Keyed_Record* record, const int* component_keys, int n, double* values);
// Double 12 (kmod) for kinds 2 and 3, else 0; int 0 for kinds 2 and 3, else 0.
double Get_Record_Kmod(const Keyed_Record* record);
int Get_Record_First_Int(const Keyed_Record* record);
