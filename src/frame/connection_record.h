// The one connection record of a position and its input file (component id + "_NN.INP"): the code
// edition, the partial factors, the uniform plate steel, the switches that choose the connection
// checks, the four connection records, the overall utilisation and the print settings.
//
// This unit and the report driver are the frame's upper floor: they hold and run the connection
// records of the checks, so they stand above the checks and sketches; the frame's lower units
// (plates, steel grades, partial factors, print settings, marks) stand below them.
#pragma once

#include <cstdio>

#include "checks/bolt_connection.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_tension.h"
#include "checks/weld_record.h"
#include "frame/print_settings.h"
#include "frame/safety_factors.h"
#include "frame/steel_grades.h"

// Version of the input file that this program writes.
inline constexpr int Input_File_Version = 1;

struct Connection_Record {
    int Code_Edition;                  // Code_Edition_Value of the position
    Safety_Factors factors;
    int uniform_steel;                 // 1: every plate takes the uniform material
    Plate_Material uniform_material;
    int copy_materials;                // kept in the switch line; always 0
    int verification;                  // 1: utilisations are computed and the result block written
    int bolted_active;
    Bolt_Connection bolted;
    int welded_active;
    Weld_Connection welded;
    int tension_active;
    T_Stub_Tension tension;
    int compression_active;
    T_Stub_Compression compression;
    double U_max;                      // overall utilisation; below −0.001 not determinable
    Print_Settings print;
};

// The record of the running position.
extern Connection_Record Connection;

// The empty record: code edition 0 (the current edition stays), factors from the annex, uniform
// steel off, verification off, all four connection types active and empty, default print settings.
// The remarks of the print settings must be a valid pointer (null in a fresh record).
void Init_Connection_Record(Connection_Record* record);
// The example position of a new input: edition 1 (made current), verification on, uniform material
// S235 and the example values of the four connections. Nothing for null.
void Default_Connection_Record(Connection_Record* record);

// The input file without its annex-name block, which the caller appends (NAD_Write_Input_Name).
// Result: 0 written, 1 when a write or a block failed.
int Write_Input_File(FILE* stream, const Connection_Record* record);
// Reads what Write_Input_File wrote (and the files of version 0, seven switches without the edition).
// A version below 0 gives the example record. Result: 0 read, 1 failed (the record then holds what
// was read up to the failure). The copy switch is 0 afterwards in every case.
int Read_Input_File(FILE* stream, Connection_Record* record);

// Loads Connection from the position's input file and activates the annex named in it. A missing
// file gives the empty record. An unreadable file ends the batch road at once with exit code 1 and
// the line "Lesefehler: <file>" on standard error; on the window road it shows the box "Lesefehler"
// and gives the example record.
void Load_Input_File();
// 1 after a load whose input file existed but could not be read (also one newer than the program),
// so that the record holds defaults in place of the user's data; 0 after any other load.
extern int Input_File_Load_Failed;

// Conversion of the four connection records between their editing form and their stored units,
// which the window road registers; without a registration both are no-ops. The batch road never
// calls them.
using Connection_Conversion = void (*)(Connection_Record* record);
void Set_Connection_Conversion(Connection_Conversion pack, Connection_Conversion unpack);
void Pack_Connection_Record(Connection_Record* record);
void Unpack_Connection_Record(Connection_Record* record);
// Called at the end of every load of the input file off the batch road, right before the unpack, so
// that the editing state kept across page rebuilds follows the loaded record; null for none.
using Input_Load_Hook = void (*)();
void Set_Input_Load_Hook(Input_Load_Hook hook);
