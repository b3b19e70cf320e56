#include "annex/old_annex_text.h"

#include "common/cp437.h"
#include "common/stream_print.h"

std::string Old_Section_Parts(const Old_Section& s, bool with_name) {
    std::string text;
    if (with_name) text += To_Cp437(Format_Text(" %d «%s»\n", s.country_type, s.name.c_str()));
    text +=
        " 2 2 2 2 2 2 2 2 2 1.0 0 0 1.0 1.0\n"
        " 0.26 0.08 1.0 1.2 0.44 1.25 0.54 1.25\n"
        " 0.7 0.8 0.6 0.18 0.035 0.15 0.6 0.15 0.042 0.15\n"
        " 0.5 1.0 2.5 0 0.6 1.0 0.4 0.85 3.4 0.425\n"
        " 0.5 0.9 0.4 0.7 0.2 0.6 0.05 0.5\n"
        " 0 1 1.5 2.5 2.5 3 3.5 4 4.5 3.5 4 4.5\n"
        " 0 0 0 0 0 0 0 0 0 0 0 0\n"
        " 0\n";
    text += Format_Text(" EC3 Parameter\n %d\n EC3-1 Parameter\n 2 %.2f 1.0 1.25 1.0 1.0 1.25 0\n", s.ec3_variant,
                        s.gamma_M0);
    text += Format_Text(" EC3-8 Parameter\n 1 %.2f 1.0 1.0 1.0 1.1 1.1\n", s.gamma_M3);
    text += " EC5 Parameter\n 1 0\n 0\n 0 0.67 0.67 1.0\n";
    text += Format_Text(" Lastfaktoren %d\n", s.load_factor_flag);
    const int pairs = s.load_factor_flag > 0 ? 28 : 7;
    for (int k = 0; k < pairs; ++k) text += k == 0 ? Format_Text(" %.2f 1.0\n", s.gamma_G_sup) : " 1.0 0.0\n";
    for (int k = 0; k < 12; ++k) text += " 0.7 0.5 0.3\n";
    return text;
}

std::string Old_Section_Text(const Old_Section& s) { return "#NAD\n" + Old_Section_Parts(s); }
