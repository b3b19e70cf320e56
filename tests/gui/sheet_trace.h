// Where the scripted sheet tests find a sheet: its rectangle as the trace of a run shows it, and
// the script line of a click.
#pragma once

#include <sstream>
#include <string>

struct Traced_Sheet {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The rectangle of the n-th sheet defined in a trace (from 0); all 0 when there is none.
inline Traced_Sheet Defined_Sheet(const std::string& trace, int n = 0) {
    std::size_t at = std::string::npos;
    for (int k = 0; k <= n; ++k) {
        at = trace.find("sheet define", at == std::string::npos ? 0 : at + 1);
        if (at == std::string::npos) return {};
    }
    std::istringstream in(trace.substr(at));
    std::string sheet, define, depth;
    char comma = 0;
    Traced_Sheet r;
    in >> sheet >> define >> depth >> r.x1 >> comma >> r.y1 >> comma >> r.x2 >> comma >> r.y2;
    return r;
}

inline std::string Click(int x, int y) { return "click " + std::to_string(x) + " " + std::to_string(y) + "\n"; }
