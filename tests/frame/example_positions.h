// The shipped example positions (examples/B001 to B005): the record each input file is written
// from, so that the files never drift from the writer.
#pragma once

#include <string>

#include "frame/connection_record.h"

struct Example_Position {
    const char* id;       // component id, "B001"
    const char* number;   // position number of the position file
    const char* title;    // position title (UTF-8)
    void (*setup)(Connection_Record& record);
};

// B001 the example record of a new input with all four types; B002 bolted; B003 welded; B004 T-stub
// in tension; B005 T-stub in compression.
extern const Example_Position Example_Positions[5];

// The input file (annex name "Deutschland" included) and the position file of an example, as bytes.
std::string Example_Input_File(const Example_Position& example);
std::string Example_Position_File(const Example_Position& example);
