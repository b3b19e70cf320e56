// Sections of the old single annex file NADs-EC2.DEF and of the annex record of old input files, as
// the tests of the migration and of the old annex list write them.
#pragma once

#include <string>

struct Old_Section {
    int country_type = 18;
    std::string name = "Deutschland";  // UTF-8; written in CP437
    int ec3_variant = 0;
    double gamma_M0 = 1.0;
    double gamma_M3 = 1.25;
    int load_factor_flag = 1;
    double gamma_G_sup = 1.35;  // first load factor
};

// The parts of a section after its "#NAD" line: country type and name, the EN 1992 part (version 0),
// the EN 1993 part with its variant line, the EN 1995 part (version 1) and the load factors.
std::string Old_Section_Parts(const Old_Section& s, bool with_name = true);

// A whole section of the old annex file.
std::string Old_Section_Text(const Old_Section& s);
