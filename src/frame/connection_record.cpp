#include "frame/connection_record.h"

#include <cstdlib>
#include <memory>

#include "annex/annex_choice.h"
#include "annex/legacy_annex_list.h"
#include "common/base_path.h"
#include "common/cp437.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"
#include "frame/startup.h"
#include "platform/host/host_messages.h"

Connection_Record Connection{};

namespace {

Connection_Conversion Pack_Hook = nullptr;
Connection_Conversion Unpack_Hook = nullptr;
Input_Load_Hook Load_Hook = nullptr;

struct File_Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File_Handle = std::unique_ptr<FILE, File_Closer>;

// Example values of a new position's bolted connection (mm): M20 10.9 with the large width across
// flats through plates of 10 and 16 mm, so that tension category E (preloaded) is possible.
void Default_Bolt_Example(Bolt_Connection& B) {
    Default_Fastener(&B.fastener);
    B.plate_1.t = 10.0;
    B.plate_2.t = 16.0;
    B.Tension_Category = B.fastener.large_width ? Tension_Category_E : Tension_Category_D;
    B.e_11 = 50.0;
    B.e_12 = 40.0;
    B.e_21 = 30.0;
    B.e_22 = 30.0;
    B.p_1 = 70.0;
    B.p_2 = 80.0;
}

// A base plate 20 × 250 × 400 mm under a column plate 10 × 250 mm, spread c1 40 mm.
void Default_Compression_Example(T_Stub_Compression& C) {
    C.plate.t = 20.0;
    C.plate.b = 250.0;
    C.plate.l = 400.0;
    C.c1 = 40.0;
    C.c2 = 0.0;
    C.t_s = 10.0;
    C.b_s = 250.0;
}

}  // namespace

void Init_Connection_Record(Connection_Record* record) {
    if (!record) return;
    Connection_Record& R = *record;
    R.Code_Edition = Code_Edition_2010;
    Init_Safety_Factors(&R.factors);
    R.factors.use_annex = 1;
    Fill_Safety_Factors_From_NAD(R.factors.source, R.factors.gamma_M);
    R.uniform_steel = 0;
    Init_Plate_Material(&R.uniform_material);
    R.copy_materials = 0;
    R.verification = 0;
    R.bolted_active = 1;
    Init_Bolt_Connection(&R.bolted);
    R.welded_active = 1;
    Init_Weld_Connection(&R.welded);
    R.tension_active = 1;
    Init_T_Stub_Tension(&R.tension);
    R.compression_active = 1;
    Init_T_Stub_Compression(&R.compression);
    R.U_max = 0.0;
    Init_Print_Settings(&R.print);
}

void Default_Connection_Record(Connection_Record* record) {
    if (!record) return;
    Connection_Record& R = *record;
    Init_Connection_Record(&R);
    R.Code_Edition = Code_Edition_2025;
    Set_Code_Edition(Code_Edition_2025);
    R.uniform_steel = 0;
    R.verification = 1;
    R.copy_materials = 0;
    Default_Plate_Material(&R.uniform_material);
    Default_Bolt_Example(R.bolted);
    Default_Weld_Connection(&R.welded);
    Default_T_Stub_Tension(&R.tension);
    Default_Compression_Example(R.compression);
}

int Write_Input_File(FILE* stream, const Connection_Record* record) {
    if (!stream || !record) return 1;
    const Connection_Record& R = *record;
    int failed = 0;
    failed |= Print_To_Stream(stream, " %d\n", Input_File_Version) < 0;
    // The copy switch is never set by the program and is written as 0.
    failed |= Print_To_Stream(stream, " %d %d %d %d %d %d %d %d\n", R.Code_Edition, R.bolted_active,
                              R.welded_active, R.tension_active, R.compression_active, 0, R.verification,
                              R.uniform_steel) < 0;
    failed |= Write_Safety_Factors(stream, &R.factors) != 0;
    failed |= Write_Plate_Material(stream, &R.uniform_material) != 0;
    failed |= Write_Bolt_Connection(stream, &R.bolted) != 0;
    failed |= Write_Weld_Connection(stream, &R.welded) != 0;
    failed |= Write_T_Stub_Tension(stream, &R.tension) != 0;
    failed |= Write_T_Stub_Compression(stream, &R.compression) != 0;
    failed |= Write_Print_Settings(stream, &R.print) != 0;
    return failed ? 1 : 0;
}

namespace {

int Read_Input_Body(FILE* stream, Connection_Record& R) {
    int version = 0;
    if (Scan_Stream(stream, "%d", &version) != 1) return 1;
    if (version < 0) {
        Default_Connection_Record(&R);
        return 0;
    }
    if (!Check_File_Version(version, Input_File_Version, 0)) return 1;
    if (version > 0) {
        if (Scan_Stream(stream, "%d", &R.Code_Edition) != 1) return 1;
        Set_Code_Edition(R.Code_Edition);
    }
    if (Scan_Stream(stream, "%d%d%d%d%d%d%d", &R.bolted_active, &R.welded_active, &R.tension_active,
                    &R.compression_active, &R.copy_materials, &R.verification, &R.uniform_steel) != 7)
        return 1;
    if (Read_Safety_Factors(stream, &R.factors)) return 1;
    if (Read_Plate_Material(stream, &R.uniform_material)) return 1;
    if (Read_Bolt_Connection(stream, &R.bolted, R.bolted_active)) return 1;
    if (Read_Weld_Connection(stream, &R.welded)) return 1;
    if (Read_T_Stub_Tension(stream, &R.tension)) return 1;
    if (Read_T_Stub_Compression(stream, &R.compression)) return 1;
    if (Read_Print_Settings(stream, &R.print)) return 1;
    // Files of version 0 stem from a program that always printed these two.
    if (version == 0) {
        R.print.intermediate_results = 1;
        R.print.explanatory_sketches = 1;
    }
    return 0;
}

}  // namespace

int Read_Input_File(FILE* stream, Connection_Record* record) {
    if (!record) return 1;
    Init_Connection_Record(record);
    const int result = stream ? Read_Input_Body(stream, *record) : 1;
    record->copy_materials = 0;
    return result;
}

int Input_File_Load_Failed = 0;

void Load_Input_File() {
    Input_File_Load_Failed = 0;
    File_Handle file(Open_Base_File(Input_File_Suffix, "r"));
    if (!file) {
        Init_Connection_Record(&Connection);
    } else {
        if (Read_Input_File(file.get(), &Connection) > 0) {
            if (Refresh_Mode) {
                // The host reads exit code 1 as "done"; the line tells a batch user what happened.
                std::fprintf(stderr, "Lesefehler: %s\n", Get_Base_File_Name(Input_File_Suffix));
                std::exit(1);
            }
            Input_File_Load_Failed = 1;
            Init_Message();
            Set_Message_Title("Lesefehler");
            Fill_Message("Die Daten können nicht gelesen werden!"_cp);
            Fill_Message("Der Datenzustand wird auf");
            Fill_Message("voreingestellte Werte gesetzt!");
            Draw_Message();
            Default_Connection_Record(&Connection);
        }
        // The annex name stands after the blocks; old files carry a whole annex record instead.
        if (NAD_Read_Legacy_Input(file.get()))
            NAD_Set_Annex_By_Name(NAD_Get_Legacy_Name());
        else
            NAD_Read_Input_Name(file.get());
    }
    if (!Refresh_Mode) {
        if (Load_Hook) Load_Hook();
        Unpack_Connection_Record(&Connection);
    }
}

void Set_Connection_Conversion(Connection_Conversion pack, Connection_Conversion unpack) {
    Pack_Hook = pack;
    Unpack_Hook = unpack;
}

void Set_Input_Load_Hook(Input_Load_Hook hook) { Load_Hook = hook; }

void Pack_Connection_Record(Connection_Record* record) {
    if (record && Pack_Hook) Pack_Hook(record);
}

void Unpack_Connection_Record(Connection_Record* record) {
    if (record && Unpack_Hook) Unpack_Hook(record);
}
