#include "annex/ec0_block.h"

#include <cstddef>

#include "annex/annex_io.h"
#include "annex/annex_record.h"
#include "annex/annex_sections.h"
#include "common/number_scan.h"
#include "common/stream_print.h"

namespace {

constexpr int Written_Version = 5;

// Buildings, persistent and transient situation, gamma_F,sup / gamma_F,inf: permanent, variable,
// liquid pressure and machinery, restraint, prestress, accidental actions, earthquake.
constexpr double Building_Gamma[NAD_EC0_Situations][NAD_EC0_Building_Actions][2] = {
    {{1.35, 1.0}, {1.5, 0}, {1.35, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {1.0, 1.0}, {0, 0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {1.0, 1.0}},
    {{1.0, 1.0}, {1.0, 0}, {1.0, 0}, {1.0, 0}, {1.0, 1.0}, {0, 0}, {0, 0}},
};

// psi_0, psi_1, psi_2, psi_2E: A/B, C/D, E, F, G, H, snow up to and above 1000 m, wind, temperature,
// settlements, other actions.
constexpr double Building_Psi[NAD_EC0_Building_Categories][4] = {
    {0.7, 0.5, 0.3, 0.3}, {0.7, 0.7, 0.6, 0.6}, {1.0, 0.9, 0.8, 0.8}, {0.7, 0.7, 0.6, 0.6},
    {0.7, 0.5, 0.3, 0.3}, {0, 0, 0, 0},         {0.5, 0.2, 0, 0.5},   {0.7, 0.5, 0.2, 0.5},
    {0.6, 0.2, 0, 0},     {0.6, 0.5, 0, 0},     {1.0, 1.0, 1.0, 1.0}, {0.8, 0.7, 0.5, 0.5},
};

// Bridges, persistent situation: permanent, prestress linear / non-linear / local, settlement linear
// / non-linear, road traffic, pedestrian traffic, rail traffic groups 11-31, groups 16, 17 and SW/2,
// variable, execution, temperature, accidental, earthquake.
constexpr double Bridge_Gamma_Persistent[NAD_EC0_Bridge_Actions][2] = {
    {1.35, 1.0}, {1.0, 1.0}, {1.0, 1.0}, {1.2, 1.0}, {1.2, 0}, {1.35, 0}, {1.5, 0}, {1.5, 0},
    {1.45, 0},   {1.2, 0},   {1.5, 0},   {1.5, 0},   {1.5, 0}, {0, 0},    {0, 0},
};

constexpr double Road_Psi[NAD_EC0_Road_Rows][3] = {
    {0.75, 0.75, 0}, {0.4, 0.4, 0}, {0.4, 0.4, 0}, {0, 0.75, 0}, {0, 0, 0},      {0, 0.4, 0}, {0, 0, 0},
    {0, 0, 0},       {0.6, 0.2, 0}, {0.8, 0, 0},   {1.0, 0, 0},  {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0},
};

// gr1, Q_fwk, gr2, F_wk, T_k, Q_Sn,k, Q_c.
constexpr double Foot_Psi[NAD_EC0_Foot_Rows][3] = {
    {0.4, 0.4, 0}, {0, 0, 0}, {0, 0, 0}, {0.3, 0.2, 0}, {0.6, 0.6, 0.5}, {0.8, 0, 0}, {1.0, 0, 1.0},
};

// LM 71, SW/0, SW/2, unloaded train, HSLM, nosing, service walkways, operating train, earth pressure,
// aerodynamic actions, groups gr11-gr17, gr21-gr27, gr31, aerodynamic actions, maintenance loads,
// F_wk, F_W**, T_k, Q_Sn,k, Q_c. A negative psi_1 marks the rows that the report prints as "a".
constexpr double Rail_Psi[NAD_EC0_Rail_Rows][3] = {
    {0.8, -0.1, 0}, {0.8, -0.1, 0}, {0, 1.0, 0},   {1.0, 0, 0},   {1.0, 1.0, 0},  {1.0, 0.8, 0},
    {0.8, 0.5, 0},  {1.0, 1.0, 0},  {0.8, -0.2, 0}, {0.8, 0.5, 0}, {0.8, 0.8, 0},  {0.8, 0.8, 0},
    {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0},  {0.8, 0.8, 0}, {0.8, 0.8, 0},  {0.8, 0.7, 0},
    {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0},  {0.8, 0.7, 0}, {0.8, 0.7, 0},  {0.8, 0.6, 0},
    {0.8, 0.5, 0},  {0.8, 0.5, 0},  {0.75, 0.5, 0}, {1.0, 0, 0},   {0.6, 0.6, 0.5}, {0.8, 0, 0},
    {1.0, 0, 1.0},
};

constexpr double Rail_A[3] = {0.8, 0.7, 0.6};

// The row of the pedestrian traffic, missing from bridge tables of version 3 and older (0-based).
constexpr int Pedestrian_Row = 7;

void Read_Pair(FILE* s, double* pair) { (void)Scan_Stream(s, "%lf%lf", &pair[0], &pair[1]); }

void Read_Triple(FILE* s, double* t) { (void)Scan_Stream(s, "%lf%lf%lf", &t[0], &t[1], &t[2]); }

bool Differ(double a, double b) { return NAD_Differ(a, b); }

// Whether any pair of corresponding values of two tables of the same shape differs.
bool Differ(const auto& a, const auto& b) {
    for (std::size_t k = 0; k < std::size(a); ++k)
        if (Differ(a[k], b[k])) return true;
    return false;
}

}  // namespace

void NAD_Set_EC0_Defaults(NAD_EC0_Block* b) {
    if (!b) return;
    *b = NAD_EC0_Block{};
    for (int s = 0; s < NAD_EC0_Situations; ++s)
        for (int r = 0; r < NAD_EC0_Building_Actions; ++r)
            for (int k = 0; k < 2; ++k) b->building_gamma[s][r][k] = Building_Gamma[s][r][k];
    for (int r = 0; r < NAD_EC0_Building_Categories; ++r)
        for (int k = 0; k < 4; ++k) b->building_psi[r][k] = Building_Psi[r][k];
    for (int r = 0; r < NAD_EC0_Bridge_Actions; ++r) {
        for (int k = 0; k < 2; ++k) b->bridge_gamma[0][r][k] = Bridge_Gamma_Persistent[r][k];
        // Accidental, earthquake and serviceability: 1.0/1.0 for permanent actions and prestress,
        // 1.0/0 for the variable actions, 0/0 for accidental actions and earthquake.
        const double sup = r < 13 ? 1.0 : 0.0;
        const double inf = r < 4 ? 1.0 : 0.0;
        for (int s = 1; s < NAD_EC0_Situations; ++s) {
            b->bridge_gamma[s][r][0] = sup;
            b->bridge_gamma[s][r][1] = inf;
        }
    }
    for (int r = 0; r < NAD_EC0_Road_Rows; ++r)
        for (int k = 0; k < 3; ++k) b->road_psi[r][k] = Road_Psi[r][k];
    for (int r = 0; r < NAD_EC0_Foot_Rows; ++r)
        for (int k = 0; k < 3; ++k) b->foot_psi[r][k] = Foot_Psi[r][k];
    for (int r = 0; r < NAD_EC0_Rail_Rows; ++r)
        for (int k = 0; k < 3; ++k) b->rail_psi[r][k] = Rail_Psi[r][k];
    for (int k = 0; k < 3; ++k) b->rail_a[k] = Rail_A[k];
}

int NAD_Write_EC0(FILE* s, const NAD_EC0_Block* b) {
    if (!s || !b) return 0;
    int bad = 0;
    for (const auto& table : b->building_gamma)
        for (const auto& pair : table) bad |= Print_To_Stream(s, " %.2f %.2f\n", pair[0], pair[1]) < 0;
    for (const auto& row : b->building_psi) bad |= Print_To_Stream(s, " %.2f %.2f %.2f\n", row[0], row[1], row[2]) < 0;
    bad |= Print_To_Stream(s, " %d\n", Written_Version) < 0;
    for (const auto& table : b->bridge_gamma)
        for (const auto& pair : table) bad |= Print_To_Stream(s, " %.2f %.2f\n", pair[0], pair[1]) < 0;
    for (const auto& row : b->road_psi) bad |= Print_To_Stream(s, " %.2f %.2f %.2f\n", row[0], row[1], row[2]) < 0;
    for (const auto& row : b->foot_psi) bad |= Print_To_Stream(s, " %.2f %.2f %.2f\n", row[0], row[1], row[2]) < 0;
    for (const auto& row : b->rail_psi) bad |= Print_To_Stream(s, " %.2f %.2f %.2f\n", row[0], row[1], row[2]) < 0;
    bad |= Print_To_Stream(s, " %.2f %.2f %.2f\n", b->rail_a[0], b->rail_a[1], b->rail_a[2]) < 0;
    for (const auto& row : b->building_psi) bad |= Print_To_Stream(s, " %.2f", row[3]) < 0;
    return bad;
}

int NAD_Read_EC0(FILE* s, NAD_EC0_Block* b, int mode) {
    if (!s || !b) return 1;
    int section_version = 1;
    if (mode == 0 && NAD_Find_Section(s, " Lastfaktoren", "#NAD", &section_version) != 1) {
        if (NAD_Trace_Switch) Print_To_Stream(stdout, " EC0:            (failed)\n");
        return 1;
    }
    if (NAD_Trace_Switch) Print_To_Stream(stdout, " EC0: version=%2d  (ok)\n", section_version);

    // Older sections carry only the persistent building table.
    const int tables = section_version > 0 ? NAD_EC0_Situations : 1;
    for (int t = 0; t < tables; ++t)
        for (auto& pair : b->building_gamma[t]) Read_Pair(s, pair);
    for (auto& row : b->building_psi) Read_Triple(s, row);

    b->version = 2;
    if (Scan_Stream(s, "%d", &b->version) != 1) return 1;

    for (auto& table : b->bridge_gamma) {
        if (b->version >= 4) {
            for (auto& pair : table) Read_Pair(s, pair);
        } else {
            // Stored without the pedestrian row, which then takes the values of road traffic.
            for (int r = 0; r < NAD_EC0_Bridge_Actions; ++r)
                if (r != Pedestrian_Row) Read_Pair(s, table[r]);
            table[Pedestrian_Row][0] = table[Pedestrian_Row - 1][0];
            table[Pedestrian_Row][1] = table[Pedestrian_Row - 1][1];
        }
    }
    for (auto& row : b->road_psi) Read_Triple(s, row);
    for (auto& row : b->foot_psi) Read_Triple(s, row);
    for (auto& row : b->rail_psi) Read_Triple(s, row);
    Read_Triple(s, b->rail_a);
    if (b->version >= 5)
        for (auto& row : b->building_psi) (void)Scan_Stream(s, "%lf", &row[3]);
    return 0;
}

int NAD_Compare_EC0(const NAD_EC0_Block* a, const NAD_EC0_Block* b) {
    if (!a || !b) return 1;
    const bool differ = Differ(a->building_gamma, b->building_gamma) || Differ(a->building_psi, b->building_psi) ||
                        Differ(a->bridge_gamma, b->bridge_gamma) || Differ(a->road_psi, b->road_psi) ||
                        Differ(a->foot_psi, b->foot_psi) || Differ(a->rail_psi, b->rail_psi) ||
                        Differ(a->rail_a, b->rail_a);
    return differ ? 1 : 0;
}

void NAD_Copy_EC0(NAD_EC0_Block* target, const NAD_EC0_Block* source) { NAD_Copy_Except_Version(target, source); }
