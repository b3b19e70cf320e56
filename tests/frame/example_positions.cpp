#include "example_positions.h"

#include "annex/annex_choice.h"
#include "common/cp437.h"
#include "test_support.h"

namespace {

void Only(Connection_Record& R, int bolted, int welded, int tension, int compression) {
    R.bolted_active = bolted;
    R.welded_active = welded;
    R.tension_active = tension;
    R.compression_active = compression;
}

// M20 10.9 (large width across flats) through plates 10 and 16 mm, S235, single shear, category A
// and D: F_v,Ed 60 kN and F_t,Ed 40 kN per bolt.
void Bolted(Connection_Record& R) {
    Default_Connection_Record(&R);
    Only(R, 1, 0, 0, 0);
    R.bolted.Tension_Category = Tension_Category_D;
    R.bolted.F_v_Ed = 60000.0;
    R.bolted.F_t_Ed = 40000.0;
}

// Two-sided fillet weld a = 4 mm, l_w = 200 mm joining a 10 mm plate to a 16 mm plate, S235,
// directional method under the section force N_Ed = 150 kN.
void Welded(Connection_Record& R) {
    Default_Connection_Record(&R);
    Only(R, 0, 1, 0, 0);
    R.welded.weld.l_w = 200.0;
    R.welded.N_Ed = 150000.0;
}

// Single outer bolt row on a column flange, flange 20 × 140 mm S235, M20 10.9: F_t,Ed 100 kN.
void T_Stub_Tension_Example(Connection_Record& R) {
    Default_Connection_Record(&R);
    Only(R, 0, 0, 1, 0);
    R.tension.F_t_Ed[0] = 100000.0;
}

// Base plate 20 × 250 × 400 mm S235 on C20/25 under a column plate 10 × 250 mm: F_c,Ed 200 kN.
void T_Stub_Compression_Example(Connection_Record& R) {
    Default_Connection_Record(&R);
    Only(R, 0, 0, 0, 1);
    R.compression.F_c_Ed = 200000.0;
}

void All_Four(Connection_Record& R) { Default_Connection_Record(&R); }

}  // namespace

const Example_Position Example_Positions[5] = {
    {"B001", "1", "Anschluss Träger an Stütze", All_Four},
    {"B002", "2", "Schraubenverbindung Laschenstoß", Bolted},
    {"B003", "3", "Kehlnahtanschluss Zugblech", Welded},
    {"B004", "4", "Stirnplatte Zugflansch", T_Stub_Tension_Example},
    {"B005", "5", "Stützenfuß unter Druck", T_Stub_Compression_Example},
};

std::string Example_Input_File(const Example_Position& example) {
    static Connection_Record R{};
    example.setup(R);
    NAD_Set_Annex_By_Name("Deutschland");
    return Capture_Output([&](FILE* s) {
        Write_Input_File(s, &R);
        NAD_Write_Input_Name(s);
    });
}

std::string Example_Position_File(const Example_Position& example) {
    return std::string("1\n") + example.number + "\n" + To_Cp437(example.title) + "\n";
}
