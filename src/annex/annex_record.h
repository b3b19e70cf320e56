// The National Annex record and the active annex. The library keeps exactly one annex active for the
// whole process: a static record with one block of nationally determined parameters per Eurocode,
// loaded over the built-in defaults from the annex file of the active name. Every query goes through
// the accessors below, which first make sure that an annex is active ("Deutschland" by default).
#pragma once

#include "annex/ec0_block.h"
#include "annex/ec1_block.h"
#include "annex/ec2_block.h"
#include "annex/ec3_block.h"
#include "annex/ec5_block.h"
#include "annex/ec6_block.h"
#include "annex/ec9_block.h"

// Country type of an annex. Any other number is the country of a user annex, written by the annex
// editor; it chooses the flag shown for the annex.
enum NAD_Country_Type {
    NAD_Country_Local = 17,     // "lokale Definitionen": a record kept inside an old input file
    NAD_Country_Germany = 18,   // "Deutschland"
    NAD_Country_Standard = 19,  // "EC-Standardparameter": the built-in defaults
};

// Names of the built-in annexes and of the local record of old input files.
inline constexpr const char* NAD_Name_Germany = "Deutschland";
inline constexpr const char* NAD_Name_Standard = "EC-Standardparameter";
inline constexpr const char* NAD_Name_Local = "lokale Definitionen";

inline constexpr int NAD_Name_Size = 28;  // 27 characters and the terminator

struct NAD_Record {
    int country_type = -1;    // NAD_Country_Type; -1 until the record is first set
    int user_flag = -1;       // 1 read from a numbered user annex file, 0 otherwise
    int variant = -1;         // variant of the annex file header; nonzero switches the German rules on
    char name[NAD_Name_Size] = {};
    NAD_EC0_Block ec0{};
    NAD_EC1_Block ec1{};
    NAD_EC2_Block ec2{};
    NAD_EC3_Block ec3{};
    NAD_EC5_Block ec5{};
    NAD_EC6_Block ec6{};
    NAD_EC9_Block ec9{};
};

// Diagnostic trace of activation and reading on standard output; off.
extern int NAD_Trace_Switch;

// Start-up hook, called once by main before anything else of the library; nothing needs preparing.
void NAD_Init_Library(int kind);

// Blocks of the active annex; never null.
NAD_EC0_Block* NAD_Get_EC0();
NAD_EC1_Block* NAD_Get_EC1();
NAD_EC2_Block* NAD_Get_EC2();
NAD_EC3_Block* NAD_Get_EC3();
NAD_EC5_Block* NAD_Get_EC5();
NAD_EC6_Block* NAD_Get_EC6();
NAD_EC9_Block* NAD_Get_EC9();
int NAD_Get_Variant();

// The name of the active annex (never null), its country type, and the name as the report shows it:
// a user annex followed by " (benutzerdefiniert)" (a static text that the next call overwrites).
const char* NAD_Get_Active_Name();
int NAD_Get_Active_Type();
const char* NAD_Get_Report_Name();

// Loads the annex of the active name into the active record over the built-in defaults; a name that
// is not in the annex list is replaced by "Deutschland". Result: 1 when an annex file was read.
int NAD_Prepare_Active_Annex();

// Resets the active record to the built-in defaults ("EC-Standard", country type 19).
void NAD_Reset_Record();

// Loads the wind and snow values of the section "DIN 1055-(4+5)" into the active EN 1991 block.
void NAD_Load_DIN_1055_Values();

// Library state next to the record, for the units of the library: the active name as it stands,
// without the lazy start (null when none is active), and the setter (a copy of the text; null
// forgets it).
const char* NAD_Current_Active_Name();
void NAD_Set_Active_Name(const char* name);
// The active record as it stands, without the lazy start.
NAD_Record* NAD_Active_Record();

// Stores the name in the record's name field, cut to 27 characters.
void NAD_Set_Record_Name(NAD_Record* record, const char* name);
