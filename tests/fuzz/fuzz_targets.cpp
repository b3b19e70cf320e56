#include "fuzz/fuzz_targets.h"

#include <stdlib.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

#include "annex/annex_choice.h"
#include "annex/annex_file.h"
#include "annex/annex_list.h"
#include "annex/annex_record.h"
#include "annex/annex_sections.h"
#include "annex/application_table.h"
#include "annex/ec0_block.h"
#include "annex/ec1_block.h"
#include "annex/legacy_annex_list.h"
#include "annex/norm_titles.h"
#include "checks/bolt_connection.h"
#include "checks/tstub_compression.h"
#include "checks/tstub_tension.h"
#include "checks/weld_record.h"
#include "common/base_path.h"
#include "common/counted_alloc.h"
#include "common/data_files.h"
#include "common/export_objects.h"
#include "common/keyed_records.h"
#include "common/key_lines.h"
#include "common/text_blocks.h"
#include "common/version_texts.h"
#include "frame/connection_record.h"
#include "frame/plate.h"
#include "frame/print_settings.h"
#include "frame/report_driver.h"
#include "frame/safety_factors.h"
#include "frame/startup.h"
#include "material/material_records.h"
#include "platform/printlist/print_list_reader.h"
#include "platform/printlist/print_list_renderer.h"

namespace fs = std::filesystem;

namespace {

// The scratch host: made once per process, removed when the process ends normally.
struct Fuzz_Host {
    std::string root;
    Fuzz_Host() {
        std::string pattern = (fs::temp_directory_path() / "basis_fuzz_XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        root = pattern;
        std::error_code ec;
        fs::create_directories(root + "/DATA/NAD", ec);
        fs::create_directories(root + "/DRAM", ec);
        fs::create_directories(root + "/EXEC/Fuzz", ec);
        for (const char* name : {"Standard.NAD", "Deutschland.NAD", "WUSL-Tabs.def", "WUSL-Tabs.val"})
            fs::copy_file(fs::path(BASIS_SOURCE_DIR) / "host/DATA/NAD" / name, root + "/DATA/NAD/" + name,
                          fs::copy_options::overwrite_existing, ec);
        setenv("DATA", (root + "/DATA").c_str(), 1);
        setenv("DRAM", (root + "/DRAM").c_str(), 1);
        setenv("EXEC", (root + "/EXEC").c_str(), 1);
        // The batch road: notices of old blocks and annex warnings are never shown in a box.
        Refresh_Mode = 1;
    }
    ~Fuzz_Host() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

Fuzz_Host& Host() {
    static Fuzz_Host host;
    return host;
}

std::string Host_File(const std::string& relative) { return Host().root + "/" + relative; }

void Put_File(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void Remove_File(const std::string& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
}

// The bytes as a file of the scratch host, opened for reading as the program opens its text files.
struct Fuzz_Stream {
    FILE* f = nullptr;
    explicit Fuzz_Stream(std::string_view bytes) {
        const std::string path = Host_File("stream.dat");
        Put_File(path, bytes);
        f = std::fopen(path.c_str(), "r");
        if (!f) std::abort();
    }
    ~Fuzz_Stream() { std::fclose(f); }
    Fuzz_Stream(const Fuzz_Stream&) = delete;
    Fuzz_Stream& operator=(const Fuzz_Stream&) = delete;
};

// The print-list viewer's reader alone, and the reader with the layout of every page (drawn into
// pages in memory, no output file), which is a hundred times slower.
void Fuzz_Print_List(std::string_view bytes) {
    Print_List_Warnings warnings;
    (void)Read_Print_List(bytes, warnings);
}

void Fuzz_Print_List_Render(std::string_view bytes) { (void)Render_Print_List(bytes, Print_List_Render_Options{}); }

// A user annex file through the whole loader, with the EN 1991 values of its section.
void Fuzz_Annex_File(std::string_view bytes) {
    Host();
    std::error_code ec;
    fs::create_directories(Host_File("DRAM/NADS"), ec);
    Put_File(Host_File("DRAM/NADS/1.NAD"), bytes);
    NAD_Record record;
    NAD_Set_File_Block_Defaults(&record);
    (void)NAD_Load_Annex_File(1, "", &record);
    // A built-in annex of the same bytes takes the shipped EN 1991 values.
    Put_File(Host_File("DATA/NAD/Fuzz.NAD"), bytes);
    NAD_Record built_in;
    NAD_Set_File_Block_Defaults(&built_in);
    (void)NAD_Load_Annex_File(0, "Fuzz", &built_in);
}

// The EN 1991 table definitions, then the bytes as the user value file over those definitions and
// over the shipped ones. The empty annex name takes every section.
void Fuzz_EC1_Tables(std::string_view bytes) {
    Host();
    const std::string definitions = Host_File("DATA/NAD/WUSL-Tabs.def");
    NAD_EC1_Block shipped;
    (void)NAD_Load_EC1_Definitions(&shipped);
    const std::string kept = definitions + ".shipped";
    std::error_code ec;
    if (!fs::exists(kept)) fs::copy_file(definitions, kept, ec);
    Put_File(definitions, bytes);
    NAD_EC1_Block own;
    (void)NAD_Load_EC1_Definitions(&own);
    fs::copy_file(kept, definitions, fs::copy_options::overwrite_existing, ec);

    Put_File(Host_File("DRAM/WUSL-NADs.def"), bytes);
    for (NAD_EC1_Block* block : {&own, &shipped}) {
        NAD_Load_EC1_Values(1, "", block);
        NAD_Set_EC1_Kind(block, 1);
        NAD_Set_EC1_Kind(block, 0);
    }
}

// The old single annex file: the old annex list, the one-time migration into numbered annex files
// (in the scratch DRAM, which starts without the folder NADS) and the section search.
void Fuzz_Old_Annex_File(std::string_view bytes) {
    Host();
    Put_File(Host_File("DRAM/NADs-EC2.DEF"), bytes);
    NAD_Forget_Legacy_List();
    NAD_Load_Legacy_List();
    (void)NAD_Get_Legacy_Name();
    Remove_File(Host_File("DRAM/NADS"));
    Safeguard_Proper_Version();
    Remove_File(Host_File("DRAM/NADS"));
    Remove_File(Host_File("DRAM/NADs-EC2.DEF"));

    Fuzz_Stream s(bytes);
    int number = 0;
    while (NAD_Find_Section(s.f, "#EC", "#NAD", &number) == 1) {
    }
    NAD_EC0_Block ec0{};
    NAD_Set_EC0_Defaults(&ec0);
    std::rewind(s.f);
    (void)NAD_Read_EC0(s.f, &ec0, 0);
    NAD_Forget_Legacy_List();
}

// The annex of an input file as the frame reads it: the old local record behind "ACTIV_NAD_EC2",
// else the name behind "ACTIV_NADNAME", each activating its annex.
void Fuzz_Annex_Name(std::string_view bytes) {
    Host();
    NAD_Forget_Legacy_List();
    Fuzz_Stream s(bytes);
    if (NAD_Read_Legacy_Input(s.f))
        (void)NAD_Set_Annex_By_Name(NAD_Get_Legacy_Name());
    else
        (void)NAD_Read_Input_Name(s.f);
    (void)NAD_Get_Report_Name();
    NAD_Forget_Legacy_List();
}

// An application description EXEC/<folder>/APP<nnnn>.DEF and every relevance question on it.
void Fuzz_Application_Table(std::string_view bytes) {
    Host();
    Put_File(Host_File("EXEC/Fuzz/APP0150.DEF"), bytes);
    NAD_Forget_Application_Table();
    NAD_Read_Application_Table();
    for (int slot = -1; slot <= 10; ++slot)
        for (int position = -1; position <= 40; ++position) (void)NAD_Test_Parameter_Flag(slot, position);
    (void)NAD_Application_Has_Flags();
    (void)NAD_Application_Mask();
    NAD_Forget_Application_Table();
}

// The position file, and the first line of the bytes as the component id that names the files.
void Fuzz_Position_File(std::string_view bytes) {
    Host();
    const std::string path = Host_File("POS1_01.TXT");
    Put_File(path, bytes);
    (void)Read_Position_Info(path.c_str());
    const std::string id(bytes.substr(0, bytes.find('\n')));
    (void)Set_Base_Path(id.c_str());
    (void)Get_Base_Directory();
    char name[Base_Path_Limit + 1];
    (void)Build_Base_File_Name(name, "_01.INP", sizeof name);
    (void)Get_Base_File_Name("_01.OLI");
    (void)Base_File_Exists("_01.INP");
    (void)Set_Base_Path("");
}

// The version file of a program folder and the version words read from it.
void Fuzz_Version_File(std::string_view bytes) {
    Host();
    Put_File(Host_File("EXEC/Fuzz/VERSION"), bytes);
    const char* text = Read_Version_File("Fuzz");
    int first = 0, second = 0;
    char suffix[4] = {};
    if (text) {
        const std::string copy = text;
        Parse_Version_Word(copy.c_str(), &first, &second, suffix);
        (void)Compare_Version_Texts(copy.c_str(), "Version 1.00 a");
    }
    (void)Get_Program_Version_Number("Fuzz");
}

// Key lines, «» strings, delimited strings, bounded lines and number lines over one stream: every
// character that starts a step chooses the next reader, so the readers meet each other's leftovers.
void Fuzz_Key_Lines(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    char name[Guillemet_Name_Size];
    char text[Guillemet_Text_Size];
    char buffer[300];
    double values[12];
    int ints[12];
    int number = 0;
    // The searches that rewind read the whole stream again; a few of them cover their paths, and
    // more would only make the run quadratic in the input's size.
    int rewinds = 0;
    for (int c; (c = std::fgetc(s.f)) != EOF;) {
        switch (static_cast<unsigned char>(c) % 16) {
            case 0:
                if (++rewinds <= 4) (void)Find_Key_Line("#EC3", s.f, &number);
                break;
            case 1: (void)Seek_Key_Line(s.f, "#NAD", 0); break;
            case 2:
                if (++rewinds <= 4) (void)Seek_Key_Line(s.f, "#DXP_HEADER", 1);
                break;
            case 3: (void)Read_Guillemet_String(s.f, name); break;
            case 4: (void)Read_Guillemet_Text(s.f, text); break;
            case 5: (void)Read_Delimited_String(s.f, buffer, 5, '(', ')'); break;
            case 6: (void)Read_Delimited_String(s.f, buffer, sizeof buffer, '"', '"'); break;
            case 7: (void)Read_Line_Bounded(s.f, buffer, 4); break;
            case 8: (void)Read_Line_Bounded(s.f, buffer, sizeof buffer); break;
            case 9: (void)Read_Line_Stripped(buffer, 8, s.f); break;
            case 10: (void)Skip_Rest_Of_Line(s.f); break;
            case 11: (void)Skip_Blanks(s.f); break;
            case 12: (void)Read_Double_Line(s.f, values, 12); break;
            case 13: (void)Read_Int_Line(s.f, ints, 12); break;
            case 14: (void)Read_Double_Values(s.f, values, 12); break;
            default: (void)Read_Int_Values(s.f, ints, 12); break;
        }
    }
    (void)Find_Key_Line("", s.f, nullptr);
}

// The host's exchange file: every character that starts a step chooses the next reader (objects,
// the header object, keyed records, bare arrays and headers, text blocks, block searches), so the
// readers meet each other's leftovers; everything read is released.
void Fuzz_Exchange_File(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    int rewinds = 0;
    const int pattern[Record_Key_Count] = {-1, -1, -1, -1, -1, -1, 1};
    for (int c; (c = std::fgetc(s.f)) != EOF;) {
        switch (static_cast<unsigned char>(c) % 8) {
            case 0: Free_VEK_Export_Object(Read_VEK_Export_Object(s.f)); break;
            case 1: Free_VEK_Export_Object(Read_VEK_Export_Header(s.f)); break;
            case 2: {
                Keyed_Record record;
                (void)Read_Keyed_Record(s.f, c & 8 ? pattern : nullptr, &record);
                Free_Keyed_Record_Arrays(&record);
                break;
            }
            case 3: {
                VEK_Param_Arrays arrays;
                (void)Read_VEK_Param_Arrays(s.f, c & 8 ? 2 : 0, c & 16 ? -1 : 1, 0, &arrays, c & 1);
                Free_VEK_Param_Arrays(&arrays);
                break;
            }
            case 4: {
                VEK_Param_Header header;
                (void)Read_VEK_Param_Header(s.f, &header);
                Free_VEK_Param_Header(&header);
                break;
            }
            case 5: std::free(Read_Text_Block(s.f)); break;
            case 6: {
                int keys[Record_Key_Count];
                (void)Read_Record_Keys(s.f, keys);
                break;
            }
            default:
                if (++rewinds <= 4) (void)Seek_VEK_Export_Block(s.f, Export_Block_Objects, 1);
                break;
        }
    }
}

// The input file as the batch road takes it: the connection blocks, then the annex behind them
// (the old local record or the name), and, when the blocks were read, the computation of every
// active check without a report, which works on whatever values the file held.
void Fuzz_Input_File(std::string_view bytes) {
    Host();
    NAD_Forget_Legacy_List();
    Fuzz_Stream s(bytes);
    Connection_Record record{};
    Init_Connection_Record(&record);
    const int failed = Read_Input_File(s.f, &record);
    if (NAD_Read_Legacy_Input(s.f))
        (void)NAD_Set_Annex_By_Name(NAD_Get_Legacy_Name());
    else
        (void)NAD_Read_Input_Name(s.f);
    if (!failed) Run_Connection_Checks(&record, nullptr);
    Init_Print_Settings(&record.print);   // frees the remarks
    NAD_Forget_Legacy_List();
}

// The connection blocks of the input file, each read into its record as the frame reads it.
void Fuzz_Bolt_Connection(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    Bolt_Connection connection{};
    Init_Bolt_Connection(&connection);
    (void)Read_Bolt_Connection(s.f, &connection, 1);
}

void Fuzz_Weld_Connection(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    Weld_Connection connection{};
    Init_Weld_Connection(&connection);
    (void)Read_Weld_Connection(s.f, &connection);
}

void Fuzz_T_Stub_Tension(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    T_Stub_Tension tstub{};
    Init_T_Stub_Tension(&tstub);
    (void)Read_T_Stub_Tension(s.f, &tstub);
}

void Fuzz_T_Stub_Compression(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    T_Stub_Compression tstub{};
    Init_T_Stub_Compression(&tstub);
    (void)Read_T_Stub_Compression(s.f, &tstub);
}

// The frame's own blocks of the input file: print settings with the preliminary remarks, partial
// factors and a plate.
void Fuzz_Frame_Blocks(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    Print_Settings settings{};
    Init_Print_Settings(&settings);
    (void)Read_Print_Settings(s.f, &settings);
    Safety_Factors factors{};
    Init_Safety_Factors(&factors);
    (void)Read_Safety_Factors(s.f, &factors);
    Plate plate{};
    Init_Plate(&plate);
    (void)Read_Plate(s.f, &plate);
    Init_Print_Settings(&settings);   // frees the remarks
}

// A versioned data file of the material dialogs: the data version, a concrete and a steel record
// (each with or without its structure version), a text field since a version and a data block.
void Fuzz_Data_File(std::string_view bytes) {
    Fuzz_Stream s(bytes);
    if (Begin_Data_Read(s.f, 2.0) != 0) return;
    Concrete_Material concrete{};
    Rebar_Material steel{};
    (void)Read_Concrete_Material(&concrete);
    (void)Read_Rebar_Material(&steel);
    char text[56];
    (void)Read_Text_Field_Since(text, 1.0, "frei");
    char* block = nullptr;
    (void)Read_Data_Block(&block, 0.0, nullptr);
    Free_And_Null(&block);
}

constexpr std::array Targets = {
    Fuzz_Target{"print_list", Fuzz_Print_List},
    Fuzz_Target{"print_list_render", Fuzz_Print_List_Render},
    Fuzz_Target{"annex_file", Fuzz_Annex_File},
    Fuzz_Target{"ec1_tables", Fuzz_EC1_Tables},
    Fuzz_Target{"old_annex_file", Fuzz_Old_Annex_File},
    Fuzz_Target{"annex_name", Fuzz_Annex_Name},
    Fuzz_Target{"application_table", Fuzz_Application_Table},
    Fuzz_Target{"position_file", Fuzz_Position_File},
    Fuzz_Target{"version_file", Fuzz_Version_File},
    Fuzz_Target{"key_lines", Fuzz_Key_Lines},
    Fuzz_Target{"exchange_file", Fuzz_Exchange_File},
    Fuzz_Target{"input_file", Fuzz_Input_File},
    Fuzz_Target{"bolt_connection", Fuzz_Bolt_Connection},
    Fuzz_Target{"weld_connection", Fuzz_Weld_Connection},
    Fuzz_Target{"tstub_tension", Fuzz_T_Stub_Tension},
    Fuzz_Target{"tstub_compression", Fuzz_T_Stub_Compression},
    Fuzz_Target{"frame_blocks", Fuzz_Frame_Blocks},
    Fuzz_Target{"data_file", Fuzz_Data_File},
};

}  // namespace

std::span<const Fuzz_Target> Fuzz_Targets() { return Targets; }

const Fuzz_Target* Find_Fuzz_Target(std::string_view name) {
    for (const Fuzz_Target& t : Targets)
        if (name == t.name) return &t;
    return nullptr;
}

const std::string& Fuzz_Host_Root() { return Host().root; }
