#include "common/round_half_away.h"

#include <climits>
#include <cmath>

int Round_Half_Away(double value) {
    const double r = std::round(value);
    if (std::isnan(r)) return 0;
    if (r <= static_cast<double>(INT_MIN)) return INT_MIN;
    if (r >= static_cast<double>(INT_MAX)) return INT_MAX;
    return static_cast<int>(r);
}
