// Fixtures of the annex library tests: a host folder tree with DATA, DRAM and EXEC set in the
// environment, records with the built-in defaults and annex files written from them.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "annex/annex_record.h"
#include "test_support.h"

// A scratch host tree. The folders given are created and their variables set; the others are removed
// from the environment.
struct Annex_Folders {
    Scratch_Dir dir;
    std::string data = dir.file("DATA");
    std::string dram = dir.file("DRAM");
    std::string exec = dir.file("EXEC");
    explicit Annex_Folders(bool with_data = true, bool with_dram = true, bool with_exec = true);
    std::string data_file(const std::string& name) const { return data + "/NAD/" + name; }
    std::string dram_file(const std::string& name) const { return dram + "/" + name; }
};

// Points DATA and EXEC at the shipped host tree: the built-in annex files and this program's
// application description.
void Use_Shipped_Host();

// An application of the host as the annex report tables see it: this program with its shipped
// description, an application without a description (every row counts), or an application number
// with a description of its own.
struct Application_State {
    const char* name;         // for the test name: letters, digits and '_'
    int number;               // the host's number of the running application; 0 for this program
    const char* description;  // text of its APP<nnnn>.DEF; null for none
    bool shipped;             // the shipped description of this program
};

// The application states that the report tables are checked over: the shipped description, none,
// and "#NADS 12" (a Eurocode mask without flag strings) under the numbers 100, 94, 220, 242 and 75.
extern const Application_State Application_States[7];

// Points the host at the shipped annex files and at the application state: its number in
// VEK_APPLICATION_NUMBER and its description in the scratch EXEC of the folders.
void Use_Application_State(const Application_State& state, const Annex_Folders& folders);

// A test run once per application state, with the host pointed at it before the test.
struct Application_State_Test : ::testing::TestWithParam<int> {
    Annex_Folders f;
    const Application_State& state() const { return Application_States[GetParam()]; }
    void SetUp() override { Use_Application_State(state(), f); }
};
// The name of the state for the test name.
std::string Application_State_Name(const ::testing::TestParamInfo<int>& info);

// Print-list pieces of the annex tables, CP437 shown as UTF-8:
// the head of a "Kapitel, Wert, Bedeutung" table;
extern const std::string Annex_Table_Head;
// a title block with its heading line and the annex name, then the move of the writing position;
std::string Annex_Title_Block(const std::string& heading, const std::string& annex);
// a caption block with its one line, then the move of the writing position;
std::string Annex_Caption_Block(const std::string& line);
// two tables side by side, the second from 9 cm on.
std::string Annex_Table_Pair(const std::string& left, const std::string& right);

// The text a report writer gives with the annex active as it stands, CP437 shown as UTF-8.
std::string Report_Text(void (*write)(std::FILE*));

// A record whose blocks all hold their built-in values, with the given header.
std::unique_ptr<NAD_Record> Default_Record(int country_type, const char* name, int variant);

// Every field of the block but its version set to a value of its own, different from every other
// field and from the built-in value, and kept exactly by the block's text form (two decimals where
// the form writes two, whole numbers for the deflection limits).
void Set_Distinct_Values(NAD_EC0_Block* block);
void Set_Distinct_Values(NAD_EC5_Block* block);
void Set_Distinct_Values(NAD_EC6_Block* block);
void Set_Distinct_Values(NAD_EC9_Block* block);

// The record written by the annex file writer.
std::string Annex_Text(const NAD_Record& record);
void Write_Annex_File(const std::string& path, const NAD_Record& record);

// A block set by its defaults operation.
template <typename Block>
Block Block_Set_By(void (*set)(Block*)) {
    Block b{};
    set(&b);
    return b;
}

// The text a block writer gives for the block.
template <typename Block, typename Result>
std::string Written_Text(Result (*write)(std::FILE*, const Block*), const Block& block);

// A stream over the bytes, positioned at their start; closed at scope end.
struct Memory_Stream {
    std::FILE* stream;
    explicit Memory_Stream(const std::string& bytes);
    ~Memory_Stream();
    Memory_Stream(const Memory_Stream&) = delete;
    Memory_Stream& operator=(const Memory_Stream&) = delete;
    operator std::FILE*() const { return stream; }
    std::string rest() const;  // what is left to read
};

template <typename Block, typename Result>
std::string Written_Text(Result (*write)(std::FILE*, const Block*), const Block& block) {
    Memory_Stream out("");
    write(out, &block);
    std::rewind(out);
    return out.rest();
}
