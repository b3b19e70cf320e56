// Reinforcing bars: the standard bar diameters.
#pragma once

#include <array>

// Standard reinforcing-bar diameters in metres. Indexes 0 to 9 run in ascending order from 6 to
// 32 mm; 18 and 22 mm follow at indexes 10 and 11. Stored reinforcement groups refer to a bar by
// its index here.
inline constexpr std::array<double, 12> Bar_Diameter_Table = {
    0.006, 0.008, 0.010, 0.012, 0.014, 0.016, 0.020, 0.025, 0.028, 0.032,
    0.018, 0.022,
};
