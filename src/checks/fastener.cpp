#include "checks/fastener.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "frame/code_edition.h"

namespace {

constexpr int Fastener_Block_Version = 9;
constexpr double Compare_Tolerance = 0.01;   // mm, N/mm², N: what the input fields can show

// The row, or null outside the table.
const Bolt_Size_Row* Size_Row(int index) { return Is_Bolt_Size_Index(index) ? &Bolt_Size_Table[index] : nullptr; }
const Bolt_Class_Row* Class_Row(int index) {
    return Is_Bolt_Class_Index(index) ? &Bolt_Class_Table[index] : nullptr;
}

const char* Material_Name(const std::array<Fastener_Material_Row, 2>& table, int index) {
    return index >= 0 && index < static_cast<int>(table.size()) ? table[index].name : "";
}

// One dimension of the bolt set: the preloadable set with large width across flats from M12 on,
// else the normal set; the fallback outside the table.
double Set_Value(int size_index, double fallback, int large_width, double Bolt_Set_Dimensions::*value) {
    const Bolt_Size_Row* row = Size_Row(size_index);
    if (!row) return fallback;
    return (large_width && size_index >= Bolt_Size_First_HV ? row->hv : row->normal).*value;
}

double Shank_Diameter(const Bolt_Size_Row& row, int fitted) { return fitted ? row.d + 1.0 : row.d; }

// One line of values of the file block, read whole: a line that holds fewer values than its
// version asks for fails, instead of taking the missing values from the lines that follow.
class Value_Line {
public:
    // Skips the rest of the current line and reads the next one. Result: false at end of file or
    // for a line too long for the buffer (its values would be cut).
    bool Next(FILE* file) {
        const int size = static_cast<int>(text_.size());
        Read_Line_Bounded(file, text_.data(), size);
        cursor_ = text_.data();
        if (std::feof(file)) return false;
        return Read_Line_Bounded(file, text_.data(), size) < size;
    }
    // Converts count values from where the previous conversion ended; the format ends with "%n".
    template <typename... Values>
    bool Scan(const char* format, int count, Values*... values) {
        int used = -1;
        if (Scan_Text(cursor_, format, values..., &used) != count || used < 0) return false;
        cursor_ += used;
        return true;
    }

private:
    std::array<char, 2048> text_{};   // a line of 37 values is about 400 characters
    const char* cursor_ = text_.data();
};

}  // namespace

// ---------------------------------------------------------------------------------------------
// Names

const char* Get_Bolt_Class_Name(int class_index) {
    static char name[16];
    name[0] = '\0';
    if (const Bolt_Class_Row* row = Class_Row(class_index))
        std::snprintf(name, sizeof name, Is_Stainless_Bolt_Class(class_index) ? "%.0lf" : "%.1lf", row->number);
    return name;
}

const char* Get_Bolt_Size_Name(int size_index) {
    static char name[16];
    name[0] = '\0';
    if (const Bolt_Size_Row* row = Size_Row(size_index)) std::snprintf(name, sizeof name, "M%.0lf", row->d);
    return name;
}

const char* Get_Rivet_Steel_Name(int material_index) { return Material_Name(Rivet_Steel_Table, material_index); }
const char* Get_Pin_Material_Name(int material_index) { return Material_Name(Pin_Material_Table, material_index); }
const char* Get_Anchor_Rebar_Name(int material_index) { return Material_Name(Anchor_Rebar_Table, material_index); }

const char* Get_Hole_Type_Name(int hole_type, int slip_resistant) {
    static constexpr const char* names[] = {
        "normales Lochspiel",
        "übergroßes Loch"_cp,
        "kurzes Langloch quer zur Kraftrichtung"_cp,
        "kurzes Langloch in Kraftrichtung"_cp,
        "großes Langloch quer zur Kraftrichtung"_cp,
        "großes Langloch in Kraftrichtung"_cp,
    };
    // Edition 2010 knows one slot length for bolts that are not slip-resistant.
    static constexpr const char* names_2010[] = {
        "normales Lochspiel",
        "übergroßes Loch"_cp,
        "Langloch quer zur Kraftrichtung"_cp,
        "Langloch in Kraftrichtung"_cp,
        "",
        "",
    };
    if (hole_type < 0 || hole_type > Hole_Long_Slot_Parallel) return "";
    return Current_Code_Edition == Code_Edition_2010 && !slip_resistant ? names_2010[hole_type] : names[hole_type];
}

// ---------------------------------------------------------------------------------------------
// Table accessors

double Get_Bolt_Class_Yield_Strength(int class_index, double fallback) {
    const Bolt_Class_Row* row = Class_Row(class_index);
    return row ? row->f_yb : fallback;
}

double Get_Bolt_Class_Tensile_Strength(int class_index, double fallback) {
    const Bolt_Class_Row* row = Class_Row(class_index);
    return row ? row->f_ub : fallback;
}

double Get_Bolt_Class_Elongation(int class_index, double d, double L, double fallback) {
    const Bolt_Class_Row* row = Class_Row(class_index);
    if (!row) return fallback;
    if (!Is_Stainless_Bolt_Class(class_index)) return row->elongation;
    if (L <= 0.001) return fallback;
    // Stainless bolts: the elongation depends on the ratio of diameter to clamping length.
    constexpr double factor[] = {0.6, 0.4, 0.3};   // classes 50, 70, 80
    return factor[class_index - Bolt_Class_Stainless_50] * d / L * 100.0;
}

double Get_Bolt_Nominal_Clearance(int size_index, double fallback, int fitted, int clearance_2mm, int oversize) {
    const Bolt_Size_Row* row = Size_Row(size_index);
    if (!row) return fallback;
    if (fitted) return 0.0;
    if (oversize) return row->oversize;
    if (clearance_2mm) return 2.0;
    return row->delta_d;
}

double Get_Bolt_Shank_Diameter(int size_index, double fallback, int fitted) {
    const Bolt_Size_Row* row = Size_Row(size_index);
    return row ? Shank_Diameter(*row, fitted) : fallback;
}

double Get_Bolt_Shank_Area(int size_index, double fallback, int fitted) {
    const Bolt_Size_Row* row = Size_Row(size_index);
    if (!row) return fallback;
    const double d = Shank_Diameter(*row, fitted);
    return std::numbers::pi / 4.0 * d * d;
}

double Get_Bolt_Stress_Area(int size_index, double fallback) {
    const Bolt_Size_Row* row = Size_Row(size_index);
    return row ? row->A_s_cm2 * 100.0 : fallback;
}

double Get_Bolt_Width_Across_Flats(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::d_s);
}
double Get_Bolt_Width_Across_Corners(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::d_e);
}
double Get_Bolt_Washer_Thickness(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::t_p);
}
double Get_Bolt_Washer_Diameter(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::d_p);
}
double Get_Bolt_Head_Height(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::t_k);
}
double Get_Bolt_Nut_Height(int size_index, double fallback, int large_width) {
    return Set_Value(size_index, fallback, large_width, &Bolt_Set_Dimensions::t_m);
}

double Get_Fastener_Hole_Diameter(const Fastener& f) {
    if (f.type == Fastener_Rivet) return f.d_0;
    if (f.hole_type == Hole_Oversize) return f.d + f.hole_enlargement;
    return f.d + f.delta_d;
}

double Get_Fastener_Min_Edge_Distance(const Fastener& f) {
    return (Is_Slotted_Hole(f.hole_type) ? 1.5 : 1.2) * Get_Fastener_Hole_Diameter(f);
}

double Get_Fastener_Min_End_Distance(const Fastener& f) { return 1.2 * Get_Fastener_Hole_Diameter(f); }
double Get_Fastener_Min_Spacing_P1(const Fastener& f) { return 2.2 * Get_Fastener_Hole_Diameter(f); }
double Get_Fastener_Min_Spacing_P2(const Fastener& f) { return 2.4 * Get_Fastener_Hole_Diameter(f); }

// ---------------------------------------------------------------------------------------------
// Record operations

void Init_Fastener(Fastener* fastener) {
    if (!fastener) return;
    *fastener = Fastener{};
    Init_Plate_Material(&fastener->material);
}

void Copy_Fastener(const Fastener* source, Fastener* target) {
    if (!source || !target) return;
    *target = *source;
    Copy_Plate_Material(&source->material, &target->material);
}

int Compare_Fastener(const Fastener* a, const Fastener* b) {
    if (!a || !b) return 0;
    const Fastener& A = *a;
    const Fastener& B = *b;
    const bool switches_equal =
        A.type == B.type && A.class_index == B.class_index && A.slip_resistant == B.slip_resistant &&
        A.hole_type == B.hole_type && A.clearance_2mm == B.clearance_2mm && A.large_width == B.large_width &&
        A.countersunk == B.countersunk && A.tapped_hole == B.tapped_hole && A.size_index == B.size_index &&
        A.own_strengths == B.own_strengths && A.non_standard_size == B.non_standard_size &&
        A.replaceable == B.replaceable && A.material_index == B.material_index && A.fitted == B.fitted &&
        A.anchorage == B.anchorage && A.suitability_tests == B.suitability_tests;
    if (!switches_equal) return 0;
    // Every entered length, strength and force; own strengths and the dimensions of a non-standard
    // size are entered values too.
    const double Fastener::*values[] = {
        &Fastener::hole_enlargement, &Fastener::t_ks, &Fastener::t_ms, &Fastener::d_m, &Fastener::l_e,
        &Fastener::d_h, &Fastener::t_h, &Fastener::d_0, &Fastener::d_pin, &Fastener::f_b_resin,
        &Fastener::F_pC_given, &Fastener::f_yb, &Fastener::f_ub, &Fastener::elongation, &Fastener::d,
        &Fastener::delta_d, &Fastener::A, &Fastener::A_s, &Fastener::d_s, &Fastener::d_e, &Fastener::t_p,
        &Fastener::d_p, &Fastener::t_k, &Fastener::t_m,
    };
    for (const double Fastener::*v : values)
        if (std::fabs(A.*v - B.*v) > Compare_Tolerance) return 0;
    return Compare_Plate_Material(&A.material, &B.material);
}

// ---------------------------------------------------------------------------------------------
// File block

int Write_Fastener(FILE* file, const Fastener* fastener) {
    if (!file || !fastener) return 1;
    const Fastener& F = *fastener;
    const bool failed =
        Print_To_Stream(file, " %d\n", Fastener_Block_Version) < 0 ||
        // The 28 values of block version 1 ...
        Print_To_Stream(file, " %d %d %d %d %lf %d %d %d %d %d", F.type, F.class_index, F.slip_resistant,
                        F.hole_type, F.t_ks, F.large_width, F.fitted, F.size_index, F.own_strengths,
                        F.non_standard_size) < 0 ||
        Print_To_Stream(file, " %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf %lf", F.f_yb, F.f_ub,
                        F.d, F.delta_d, F.d_0, F.A, F.A_s, F.d_s, F.d_e, F.t_p, F.d_p, F.t_k, F.t_m, F.f_b_resin,
                        F.hole_enlargement, F.d_pin) < 0 ||
        Print_To_Stream(file, " %d %d", F.replaceable, F.material_index) < 0 ||
        // ... and those of versions 2 to 7.
        Print_To_Stream(file, " %d %lf %lf %lf %lf %d %d %lf %d\n", F.countersunk, F.t_ms, F.d_m, F.elongation,
                        F.F_pC_given, F.washer_sides, F.tapped_hole, F.l_e, F.clearance_2mm) < 0 ||
        Write_Plate_Material(file, &F.material) != 0 ||
        Print_To_Stream(file, " %d %lf %lf %d\n", F.anchorage, F.d_h, F.t_h, F.suitability_tests) < 0;
    return failed ? 1 : 0;
}

int Read_Fastener(FILE* file, Fastener* fastener) {
    if (!file || !fastener) return 1;
    Fastener& F = *fastener;
    int version = 0;
    if (Scan_Stream(file, "%d", &version) != 1) return 1;
    if (!Check_File_Version(version, Fastener_Block_Version, 0)) return 1;
    Value_Line line;
    if (!line.Next(file)) return 1;
    if (!line.Scan("%d%d%d%d%lf%d%d%d%d%d %lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%lf%d%d%n", 28, &F.type,
                   &F.class_index, &F.slip_resistant, &F.hole_type, &F.t_ks, &F.large_width, &F.fitted,
                   &F.size_index, &F.own_strengths, &F.non_standard_size, &F.f_yb, &F.f_ub, &F.d, &F.delta_d,
                   &F.d_0, &F.A, &F.A_s, &F.d_s, &F.d_e, &F.t_p, &F.d_p, &F.t_k, &F.t_m, &F.f_b_resin,
                   &F.hole_enlargement, &F.d_pin, &F.replaceable, &F.material_index))
        return 1;
    // The first blocks numbered the sizes from M12 on.
    if (version < 1) F.size_index += Bolt_Size_M12;
    if (version >= 2 && !line.Scan("%d%lf%lf%n", 3, &F.countersunk, &F.t_ms, &F.d_m)) return 1;
    if (version >= 3 && !line.Scan("%lf%n", 1, &F.elongation)) return 1;
    if (version >= 4 && !line.Scan("%lf%n", 1, &F.F_pC_given)) return 1;
    if (version >= 5 && !line.Scan("%d%n", 1, &F.washer_sides)) return 1;
    if (version >= 6 && !line.Scan("%d%lf%n", 2, &F.tapped_hole, &F.l_e)) return 1;
    if (version >= 7 && !line.Scan("%d%n", 1, &F.clearance_2mm)) return 1;
    if (Read_Plate_Material(file, &F.material) != 0) return 1;
    if (version < 8) {
        F.anchorage = Anchorage_Threaded_Rod;
        F.d_h = 100.0;
        F.t_h = 20.0;
    } else if (!line.Next(file) || !line.Scan("%d%lf%lf%n", 3, &F.anchorage, &F.d_h, &F.t_h)) {
        return 1;
    }
    if (version < 9)
        F.suitability_tests = 0;
    else if (!line.Scan("%d%n", 1, &F.suitability_tests))
        return 1;
    return 0;
}
