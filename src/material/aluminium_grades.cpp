#include "material/aluminium_grades.h"

#include <array>
#include <cctype>
#include <cstddef>

#include "common/cp437.h"
#include "common/tracked_alloc.h"

namespace {

constexpr char Class_A[] = "A";
constexpr char Class_B[] = "B";
constexpr char Unknown_Text[] = "?????";

// One grade with the constants of every wrought alloy (EN 1999-1-1 3.2.5): E 70000 N/mm²,
// G 27000 N/mm², ν 0.3, α 23·10⁻⁶ 1/K.
constexpr Aluminium_Grade Grade_Row(int id, const char* name, const char* alloy, const char* temper,
                                    double t_min, double t_max, double f_o, double f_u, double a50,
                                    double f_o_haz, double f_u_haz, double rho_o_haz, double rho_u_haz,
                                    const char* buckling_class, double n_p) {
    return {id,  name, alloy, temper, t_min, t_max, 70000.0, 27000.0, 0.3, 2.3e-05,
            f_o, f_u,  a50,   f_o_haz, f_u_haz, rho_o_haz, rho_u_haz, buckling_class, n_p};
}

// EN 1999-1-1 Tables 3.2a (sheet, strip, plate), 3.2b (extrusions, drawn tubes) and 3.3 (forgings).
// Columns: id, name, alloy, temper, t_min, t_max, f_o, f_u, A50, f_o,haz, f_u,haz, ρ_o,haz, ρ_u,haz,
// buckling class, n_p. Thicknesses in mm, strengths in N/mm², A50 in %; ρ = HAZ value / base value
// to two decimals.
constexpr std::array<Aluminium_Grade, Aluminium_Grade_Count> Catalogue = {
    // Sheet, strip and plate.
    Grade_Row( 0, "3004 H14",               "3004",       "H14",                          0,    6, 180, 220,  1,  75, 155, 0.42, 0.70, Class_B, 23),
    Grade_Row( 1, "3004 H24/H34",           "3004",       "H24/H34",                      0,    6, 170, 220,  3,  75, 155, 0.44, 0.70, Class_B, 18),
    Grade_Row( 2, "3004 H16",               "3004",       "H16",                          0,    4, 200, 240,  1,  75, 155, 0.38, 0.65, Class_B, 25),
    Grade_Row( 3, "3004 H26/H36",           "3004",       "H26/H36",                      0,    3, 190, 240,  3,  75, 155, 0.39, 0.65, Class_B, 20),
    Grade_Row( 4, "3005 H14",               "3005",       "H14",                          0,    6, 150, 170,  1,  56, 115, 0.37, 0.68, Class_B, 38),
    Grade_Row( 5, "3005 H24",               "3005",       "H24",                          0,    6, 130, 170,  4,  56, 115, 0.43, 0.68, Class_B, 18),
    Grade_Row( 6, "3005 H16",               "3005",       "H16",                          0,    4, 175, 195,  1,  56, 115, 0.32, 0.59, Class_B, 43),
    Grade_Row( 7, "3005 H26",               "3005",       "H26",                          0,    3, 160, 195,  3,  56, 115, 0.35, 0.59, Class_B, 24),
    Grade_Row( 8, "3103 H14",               "3103",       "H14",                          0,   25, 120, 140,  2,  44,  90, 0.37, 0.64, Class_B, 31),
    Grade_Row( 9, "3103 H24",               "3103",       "H24",                          0, 12.5, 110, 140,  4,  44,  90, 0.40, 0.64, Class_B, 20),
    Grade_Row(10, "3103 H16",               "3103",       "H16",                          0,    4, 145, 160,  1,  44,  90, 0.30, 0.56, Class_B, 48),
    Grade_Row(11, "3103 H26",               "3103",       "H26",                          0,    4, 135, 160,  3,  44,  90, 0.33, 0.56, Class_B, 28),
    Grade_Row(12, "5005 O/H111",            "5005",       "O/H111",                       0,   50,  35, 100, 15,  35, 100, 1.00, 1.00, Class_B,  5),
    Grade_Row(13, "5005 H12",               "5005/5005A", "H12",                          0, 12.5,  95, 125,  2,  44, 100, 0.46, 0.80, Class_B, 18),
    Grade_Row(14, "5005 H22/H32",           "5005/5005A", "H22/H32",                      0, 12.5,  80, 125,  4,  44, 100, 0.55, 0.80, Class_B, 11),
    Grade_Row(15, "5005 H14",               "5005/5005A", "H14",                          0, 12.5, 120, 145,  2,  44, 100, 0.37, 0.69, Class_B, 25),
    Grade_Row(16, "5005 H24/H34",           "5005/5005A", "H24/H34",                      0, 12.5, 110, 145,  3,  44, 100, 0.40, 0.69, Class_B, 17),
    Grade_Row(17, "5052 H12",               "5052",       "H12",                          0,   40, 160, 210,  4,  80, 170, 0.50, 0.81, Class_B, 17),
    Grade_Row(18, "5052 H22/H32",           "5052",       "H22/H32",                      0,   40, 130, 210,  5,  80, 170, 0.62, 0.81, Class_B, 10),
    Grade_Row(19, "5052 H14",               "5052",       "H14",                          0,   25, 180, 230,  3,  80, 170, 0.44, 0.74, Class_B, 19),
    Grade_Row(20, "5052 H24/H34",           "5052",       "H24/H34",                      0,   25, 150, 230,  4,  80, 170, 0.53, 0.74, Class_B, 11),
    Grade_Row(21, "5049 O/H111",            "5049",       "O/H111",                       0,  100,  80, 190, 12,  80, 190, 1.00, 1.00, Class_B,  6),
    Grade_Row(22, "5049 H14",               "5049",       "H14",                          0,   25, 190, 240,  3, 100, 190, 0.53, 0.79, Class_B, 20),
    Grade_Row(23, "5049 H24/H34",           "5049",       "H24/H34",                      0,   25, 160, 240,  6, 100, 190, 0.63, 0.79, Class_B, 12),
    Grade_Row(24, "5454 O/H111",            "5454",       "O/H111",                       0,   80,  85, 215, 12,  85, 215, 1.00, 1.00, Class_B,  5),
    Grade_Row(25, "5454 H14",               "5454",       "H14",                          0,   25, 220, 270,  2, 105, 215, 0.48, 0.80, Class_B, 22),
    Grade_Row(26, "5454 H24/H34",           "5454",       "H24/H34",                      0,   25, 200, 270,  4, 105, 215, 0.53, 0.80, Class_B, 15),
    Grade_Row(27, "5754 O/H111",            "5754",       "O/H111",                       0,  100,  80, 190, 12,  80, 190, 1.00, 1.00, Class_B,  6),
    Grade_Row(28, "5754 H14",               "5754",       "H14",                          0,   25, 190, 240,  3, 100, 190, 0.53, 0.79, Class_B, 20),
    Grade_Row(29, "5754 H24/H34",           "5754",       "H24/H34",                      0,   25, 160, 240,  6, 100, 190, 0.63, 0.79, Class_B, 12),
    Grade_Row(30, "5083 O/H111 ≤ 50"_cp,    "5083",       "O/H111, t ≤ 50 mm"_cp,         0,   50, 125, 275, 11, 125, 275, 1.00, 1.00, Class_B,  6),
    Grade_Row(31, "5083 O/H111 > 50",       "5083",       "O/H111, t > 50 mm",       50.001,   80, 115, 270, 14, 115, 270, 1.00, 1.00, Class_B,  6),
    Grade_Row(32, "5083 H12",               "5083",       "H12",                          0,   40, 250, 305,  3, 155, 275, 0.62, 0.90, Class_B, 22),
    Grade_Row(33, "5083 H22/H32",           "5083",       "H22/H32",                      0,   40, 215, 305,  5, 155, 275, 0.72, 0.90, Class_B, 14),
    Grade_Row(34, "5083 H14",               "5083",       "H14",                          0,   25, 280, 340,  2, 155, 275, 0.55, 0.81, Class_A, 22),
    Grade_Row(35, "5083 H24/H34",           "5083",       "H24/H34",                      0,   25, 250, 340,  4, 155, 275, 0.62, 0.81, Class_A, 14),
    Grade_Row(36, "6061 T4/T451",           "6061",       "T4/T451",                      0, 12.5, 110, 205, 12,  95, 150, 0.86, 0.73, Class_B,  8),
    Grade_Row(37, "6061 T6/T651",           "6061",       "T6/T651",                      0, 12.5, 240, 290,  6, 115, 175, 0.48, 0.60, Class_A, 23),
    Grade_Row(38, "6061 T651",              "6061",       "T651",                    12.501,   80, 240, 290,  6, 115, 175, 0.48, 0.60, Class_A, 23),
    Grade_Row(39, "6082 T4/T451",           "6082",       "T4/T451",                      0, 12.5, 110, 205, 12, 100, 160, 0.91, 0.78, Class_B,  8),
    Grade_Row(40, "6082 T61/T6151",         "6082",       "T61/T6151",                    0, 12.5, 205, 280, 10, 125, 185, 0.61, 0.66, Class_A, 15),
    Grade_Row(41, "6082 T6151",             "6082",       "T6151",                   12.501,  100, 200, 275, 12, 125, 185, 0.63, 0.67, Class_A, 14),
    Grade_Row(42, "6082 T6/T651 ≤ 6"_cp,    "6082",       "T6/T651, t ≤ 6 mm"_cp,         0,    6, 260, 310,  6, 125, 185, 0.48, 0.60, Class_A, 25),
    Grade_Row(43, "6082 T6/T651 > 6",       "6082",       "T6/T651, t > 6 mm",        6.001, 12.5, 255, 300,  9, 125, 185, 0.49, 0.62, Class_A, 27),
    Grade_Row(44, "6082 T651",              "6082",       "T651",                    12.501,  100, 240, 295,  7, 125, 185, 0.52, 0.63, Class_A, 21),
    Grade_Row(45, "7020 T6",                "7020",       "T6",                           0, 12.5, 280, 350,  7, 205, 270, 0.73, 0.77, Class_A, 19),
    Grade_Row(46, "7020 T651",              "7020",       "T651",                    12.501,   40, 280, 350,  9, 205, 270, 0.73, 0.77, Class_A, 19),
    Grade_Row(47, "8011A H14",              "8011A",      "H14",                          0, 12.5, 110, 125,  2,  37,  85, 0.34, 0.68, Class_B, 33),
    Grade_Row(48, "8011A H24",              "8011A",      "H24",                          0, 12.5, 100, 125,  3,  37,  85, 0.37, 0.68, Class_B, 20),
    Grade_Row(49, "8011A H16",              "8011A",      "H16",                          0,    4, 130, 145,  1,  37,  85, 0.28, 0.59, Class_B, 33),
    Grade_Row(50, "8011A H26",              "8011A",      "H26",                          0,    4, 120, 145,  2,  37,  85, 0.31, 0.59, Class_B, 21),
    // Extruded profiles (EP, open EP/O, hollow EP/H), tubes (ET), rod and bar (ER/B), drawn tubes (DT).
    Grade_Row(51, "5083 O/H111/F/H112",     "5083",       "O/H111/F/H112",                0,  200, 110, 270, 12, 110, 270, 1.00, 1.00, Class_B,  5),
    // A50 and n_p of the drawn tubes 52, 53 and 56 are not confirmed.
    Grade_Row(52, "5083 H12/22/32",         "5083",       "H12/22/32",                    0,   10, 200, 280,  6, 135, 270, 0.68, 0.96, Class_B, 14),   // DT
    Grade_Row(53, "5083 H14/24/34",         "5083",       "H14/24/34",                    0,    5, 235, 300,  4, 135, 270, 0.57, 0.90, Class_A, 18),   // DT
    Grade_Row(54, "5454 O/H111/F/H112",     "5454",       "O/H111/F/H112",                0,   25,  85, 200, 16,  85, 200, 1.00, 1.00, Class_B,  5),
    Grade_Row(55, "5754 O/H111/F/H112",     "5754",       "O/H111/F/H112",                0,   25,  80, 180, 14,  80, 180, 1.00, 1.00, Class_B,  6),
    Grade_Row(56, "5754 H14/24/H34",        "5754",       "H14/24/H34",                   0,   10, 180, 240,  4, 100, 180, 0.56, 0.75, Class_B, 16),   // DT
    Grade_Row(57, "6060 T5 ≤ 5"_cp,         "6060",       "T5, t ≤ 5 mm"_cp,              0,    5, 120, 160,  8,  50,  80, 0.42, 0.50, Class_B, 17),
    Grade_Row(58, "6060 T5 > 5",            "6060",       "T5, t > 5 mm",             5.001,   25, 100, 140,  8,  50,  80, 0.50, 0.57, Class_B, 14),
    Grade_Row(59, "6060 T6 ≤ 15"_cp,        "6060",       "T6, t ≤ 15 mm"_cp,             0,   15, 140, 170,  8,  60, 100, 0.43, 0.59, Class_A, 24),
    Grade_Row(60, "6060 T6 ≤ 20"_cp,        "6060",       "T6, t ≤ 20 mm"_cp,             0,   20, 160, 215, 12,  60, 100, 0.38, 0.47, Class_A, 16),   // DT
    Grade_Row(61, "6060 T64",               "6060",       "T64",                          0,   15, 120, 180, 12,  60, 100, 0.50, 0.56, Class_A, 12),
    Grade_Row(62, "6060 T66 ≤ 3"_cp,        "6060",       "T66, t ≤ 3 mm"_cp,             0,    3, 160, 215,  8,  65, 110, 0.41, 0.51, Class_A, 16),
    Grade_Row(63, "6060 T66 > 3",           "6060",       "T66, t > 3 mm",            3.001,   25, 150, 195,  8,  65, 110, 0.43, 0.56, Class_A, 18),
    Grade_Row(64, "6061 T4 < 25",           "6061",       "T4, t < 25 mm",                0,   25, 110, 180, 15,  95, 150, 0.86, 0.83, Class_B,  8),
    Grade_Row(65, "6061 T4 ≤ 20"_cp,        "6061",       "T4, t ≤ 20 mm"_cp,             0,   20, 110, 205, 16,  95, 150, 0.86, 0.73, Class_B,  8),   // DT
    Grade_Row(66, "6061 T6 < 25",           "6061",       "T6, t < 25 mm",                0,   25, 240, 260,  8, 115, 175, 0.48, 0.67, Class_A, 55),
    Grade_Row(67, "6061 T6 ≤ 20"_cp,        "6061",       "T6, t ≤ 20 mm"_cp,             0,   20, 240, 290, 10, 115, 175, 0.48, 0.60, Class_A, 23),   // DT
    Grade_Row(68, "6063 T5 ≤ 3"_cp,         "6063",       "T5, t ≤ 3 mm"_cp,              0,    3, 130, 175,  8,  60, 100, 0.46, 0.57, Class_B, 16),
    Grade_Row(69, "6063 T5 > 3",            "6063",       "T5, t > 3 mm",             3.001,   25, 110, 160,  7,  60, 100, 0.55, 0.63, Class_B, 13),
    Grade_Row(70, "6063 T6 ≤ 25"_cp,        "6063",       "T6, t ≤ 25 mm"_cp,             0,   25, 160, 195,  8,  65, 110, 0.41, 0.56, Class_A, 24),
    Grade_Row(71, "6063 T6 ≤ 20"_cp,        "6063",       "T6, t ≤ 20 mm"_cp,             0,   20, 190, 220, 10,  65, 110, 0.34, 0.50, Class_A, 31),   // DT
    Grade_Row(72, "6063 T66 ≤ 10"_cp,       "6063",       "T66, t ≤ 10 mm"_cp,            0,   10, 200, 245,  8,  75, 130, 0.38, 0.53, Class_A, 22),
    Grade_Row(73, "6063 T66 > 10",          "6063",       "T66, t > 10 mm",          10.001,   25, 180, 225,  8,  75, 130, 0.42, 0.58, Class_A, 21),
    // n_p not confirmed (23 or 24).
    Grade_Row(74, "6063 T66 ≤ 20"_cp,       "6063",       "T66, t ≤ 20 mm"_cp,            0,   20, 195, 230, 10,  75, 130, 0.38, 0.57, Class_A, 24),   // DT
    Grade_Row(75, "6005A T6 ≤ 5"_cp,        "6005A",      "T6, t ≤ 5 mm"_cp,              0,    5, 225, 270,  8, 115, 165, 0.51, 0.61, Class_A, 25),   // EP/O
    Grade_Row(76, "6005A T6 ≤ 10"_cp,       "6005A",      "T6, t ≤ 10 mm"_cp,         5.001,   10, 215, 260,  8, 115, 165, 0.53, 0.63, Class_A, 24),   // EP/O
    Grade_Row(77, "6005A T6 > 10",          "6005A",      "T6, t > 10 mm",           10.001,   25, 200, 250,  8, 115, 165, 0.58, 0.66, Class_A, 20),   // EP/O
    Grade_Row(78, "6005A T6 ≤ 5"_cp,        "6005A",      "T6, t ≤ 5 mm"_cp,              0,    5, 215, 255,  8, 115, 165, 0.53, 0.65, Class_A, 26),   // EP/H, ET
    // t_max not confirmed: hollow profiles of this temper may run to 15 mm.
    Grade_Row(79, "6005A T6 > 5",           "6005A",      "T6, t > 5 mm",             5.001,   10, 200, 250,  8, 115, 165, 0.58, 0.66, Class_A, 20),   // EP/H, ET
    Grade_Row(80, "6106 T6",                "6106",       "T6",                           0,   10, 200, 250,  8,  95, 160, 0.48, 0.64, Class_A, 20),
    Grade_Row(81, "6082 T4",                "6082",       "T4",                           0,   25, 110, 205, 14, 100, 160, 0.91, 0.78, Class_B,  8),
    Grade_Row(82, "6082 T5",                "6082",       "T5",                           0,    5, 230, 270,  8, 125, 185, 0.54, 0.69, Class_B, 28),
    Grade_Row(83, "6082 T6 ≤ 5 (EP,ET)"_cp, "6082",       "T6, t ≤ 5 mm (EP,ET)"_cp,      0,    5, 250, 290,  8, 125, 185, 0.50, 0.64, Class_A, 32),
    Grade_Row(84, "6082 T6 > 5",            "6082",       "T6, t > 5 mm",             5.001,   15, 260, 310, 10, 125, 185, 0.48, 0.60, Class_A, 25),   // EP, ET
    Grade_Row(85, "6082 T6 ≤ 20"_cp,        "6082",       "T6, t ≤ 20 mm"_cp,             0,   20, 250, 295,  8, 125, 185, 0.50, 0.63, Class_A, 27),   // ER/B
    Grade_Row(86, "6082 T6 > 20",           "6082",       "T6, t > 20 mm",           20.001,  150, 260, 310,  8, 125, 185, 0.48, 0.60, Class_A, 25),   // ER/B
    Grade_Row(87, "6082 T6 ≤ 5 (DT)"_cp,    "6082",       "T6, t ≤ 5 mm (DT)"_cp,         0,    5, 255, 310,  8, 125, 185, 0.49, 0.60, Class_A, 22),
    Grade_Row(88, "6082 T6 > 5 (DT)",       "6082",       "T6, t > 5 mm (DT)",        5.001,   20, 240, 310, 10, 125, 185, 0.52, 0.60, Class_A, 17),
    Grade_Row(89, "7020 T6 ≤ 15"_cp,        "7020",       "T6, t ≤ 15 mm"_cp,             0,   15, 290, 350, 10, 205, 280, 0.71, 0.80, Class_A, 23),
    // f_u not confirmed: the product standard gives 340 for 15 < t ≤ 40.
    Grade_Row(90, "7020 T6 ≤ 40"_cp,        "7020",       "T6, t ≤ 40 mm"_cp,        15.001,   40, 275, 350, 10, 205, 280, 0.75, 0.80, Class_A, 19),
    Grade_Row(91, "7020 T6 ≤ 20"_cp,        "7020",       "T6, t ≤ 20 mm"_cp,             0,   20, 280, 350, 10, 205, 280, 0.73, 0.80, Class_A, 21),   // DT
    // Forgings, along (L) and across (T) the working direction; the values of 92 to 95 are not confirmed.
    Grade_Row(92, "5754 H112 (L)",          "5754",       "H112, längs"_cp,               0,  150,  80, 180, 15,  80, 180, 0.00, 0.00, Class_B,  0),
    Grade_Row(93, "5083 H112 (L)",          "5083",       "H112, längs"_cp,               0,  150, 120, 270, 12, 120, 270, 0.00, 0.00, Class_B,  0),
    Grade_Row(94, "5083 H112 (T)",          "5083",       "H112, transversal",            0,  150, 110, 260, 10, 110, 260, 0.00, 0.00, Class_B,  0),
    Grade_Row(95, "6082 T6 (L)",            "6082",       "T6, längs"_cp,                 0,  100, 260, 310,  6, 125, 185, 0.00, 0.00, Class_A,  0),
    Grade_Row(96, "6082 T6 (T)",            "6082",       "T6, transversal",              0,  100, 250, 290,  5, 125, 185, 0.00, 0.00, Class_A,  0),
};

constexpr bool Ids_Follow_Rows() {
    for (int i = 0; i < Aluminium_Grade_Count; ++i)
        if (Catalogue[i].id != i) return false;
    return true;
}
static_assert(Ids_Follow_Rows(), "every catalogue row carries its own row number as id");

constexpr Aluminium_Grade Default_Grade = {
    Aluminium_Grade_Count, Unknown_Text, Unknown_Text, Unknown_Text, 0.0, 10.0, 70000.0, 27000.0, 0.3, 2.3e-05,
    180.0, 220.0, 1.0, 75.0, 155.0, 0.42, 0.7, Class_A, 23.0,
};

// The user list: process-wide, grown in steps of ten entries, never released.
struct User_Grade_List {
    Aluminium_Grade* entries = nullptr;
    int count = 0;
    int capacity = 0;
};
User_Grade_List User_Grades;

constexpr int User_Number_Mask = 0x7fff;

int User_Id(Aluminium_Grade_Id id) { return Aluminium_User_Grade_Flag | (id & User_Number_Mask); }

// Position of the user grade with that code's number, -1 when there is none.
int Find_User_Grade(Aluminium_Grade_Id id) {
    const int wanted = User_Id(id);
    for (int i = 0; i < User_Grades.count; ++i)
        if (User_Grades.entries[i].id == wanted) return i;
    return -1;
}

// The grade a code names, null when it names none.
const Aluminium_Grade* Find_Grade(Aluminium_Grade_Id id) {
    const unsigned code = static_cast<unsigned>(id) & 0xffffu;
    if (code & Aluminium_User_Grade_Flag) {
        const int i = Find_User_Grade(id);
        return i < 0 ? nullptr : &User_Grades.entries[i];
    }
    return code < Aluminium_Grade_Count ? &Catalogue[code] : nullptr;
}

const char* Duplicate_Text(const char* text) {
    if (!text) return Unknown_Text;
    const char* copy = MEM_STRDUP(text);
    return copy ? copy : Unknown_Text;
}

void Free_Text(const char* text) {
    if (text && text != Unknown_Text) MEM_FREE(const_cast<char*>(text));
}

void Free_Texts(const Aluminium_Grade& g) {
    Free_Text(g.name);
    Free_Text(g.alloy);
    Free_Text(g.temper);
}

bool Is_Class_B_Text(const char* text) {
    return text && std::toupper(static_cast<unsigned char>(text[0])) == 'B' && text[1] == '\0';
}

// Makes room for one more entry; false when memory runs out, the list then unchanged.
bool Reserve_User_Entry() {
    if (User_Grades.count < User_Grades.capacity) return true;
    const int capacity = User_Grades.count + 10;
    void* grown = MEM_REALLOC(User_Grades.entries, static_cast<std::size_t>(capacity) * sizeof(Aluminium_Grade));
    if (!grown) return false;
    User_Grades.entries = static_cast<Aluminium_Grade*>(grown);
    User_Grades.capacity = capacity;
    return true;
}

}  // namespace

const Aluminium_Grade& Get_Aluminium_Grade(Aluminium_Grade_Id id) {
    const Aluminium_Grade* g = Find_Grade(id);
    return g ? *g : Default_Grade;
}

const char* Get_Aluminium_Grade_Name(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).name; }
const char* Get_Aluminium_Grade_Alloy(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).alloy; }
const char* Get_Aluminium_Grade_Temper(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).temper; }
double Get_Aluminium_Grade_T_Min(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).t_min; }
double Get_Aluminium_Grade_T_Max(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).t_max; }
double Get_Aluminium_Grade_Fo(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).f_o; }
double Get_Aluminium_Grade_Fu(Aluminium_Grade_Id id) { return Get_Aluminium_Grade(id).f_u; }

double Get_Aluminium_Grade_Moduli(Aluminium_Grade_Id id, double* g_out) {
    const Aluminium_Grade& g = Get_Aluminium_Grade(id);
    if (g_out) *g_out = g.G;
    return g.E;
}

int Is_Aluminium_Grade_Class_B(Aluminium_Grade_Id id) {
    const char* cls = Get_Aluminium_Grade(id).buckling_class;
    return cls && std::toupper(static_cast<unsigned char>(cls[0])) == 'B' ? 1 : 0;
}

int Put_Aluminium_User_Grade(const Aluminium_Grade* grade) {
    if (!grade) return 0;
    // The argument may be an entry of the list itself: take the record and its texts before the
    // list is grown or the entry's texts are freed.
    Aluminium_Grade entry = *grade;
    entry.id = User_Id(grade->id);
    entry.name = Duplicate_Text(grade->name);
    entry.alloy = Duplicate_Text(grade->alloy);
    entry.temper = Duplicate_Text(grade->temper);
    entry.buckling_class = Is_Class_B_Text(grade->buckling_class) ? Class_B : Class_A;

    int i = Find_User_Grade(entry.id);
    if (i >= 0) {
        Free_Texts(User_Grades.entries[i]);
    } else {
        if (!Reserve_User_Entry()) {
            Free_Texts(entry);
            return 0;
        }
        i = User_Grades.count++;
    }
    User_Grades.entries[i] = entry;
    return entry.id;
}

int Delete_Aluminium_User_Grade(Aluminium_Grade_Id id) {
    const int i = Find_User_Grade(id);
    if (i < 0) return 0;
    Free_Texts(User_Grades.entries[i]);
    for (int k = i + 1; k < User_Grades.count; ++k) User_Grades.entries[k - 1] = User_Grades.entries[k];
    --User_Grades.count;
    return 1;
}

void Clear_Aluminium_User_Grades() {
    for (int i = 0; i < User_Grades.count; ++i) Free_Texts(User_Grades.entries[i]);
    User_Grades.count = 0;
}

int Count_Aluminium_User_Grades() { return User_Grades.count; }

int Aluminium_User_Grade_Capacity() { return User_Grades.capacity; }

const Aluminium_Grade& Get_Aluminium_User_Grade_At(int position) {
    if (position < 0 || position >= User_Grades.count) return Default_Grade;
    return User_Grades.entries[position];
}

const Aluminium_Grade& Get_Default_Aluminium_Grade() { return Default_Grade; }
