#include "common/number_words.h"

#include <string>

#include "common/cp437.h"
#include "common/stream_print.h"

namespace {

const char* const Error_Word = "-Fehler-";

// Words for 2 to 19; 1 depends on whether it stands alone.
const char* const Unit_Words[20] = {
    nullptr,    nullptr,      "zwei",       "drei",           "vier",
    "fünf"_cp,  "sechs",      "sieben",     "acht",           "neun",
    "zehn",     "elf",        "zwölf"_cp,   "dreizehn",       "vierzehn",
    "fünfzehn"_cp, "sechszehn", "siebzehn", "achtzehn",       "neunzehn",
};

const char* const Tens_Words[10] = {
    nullptr,   nullptr,  "zwanzig",  "dreissig", "vierzig",
    "fünfzig"_cp, "sechzig", "siebzig", "achtzig", "neunzig",
};

// The words of n without blanks; `alone` makes a final 1 "eins" (a number standing by itself,
// not the multiplier of "tausend" or "millionen").
std::string Words(unsigned int n, int alone) {
    if (n == 0) return {};
    if (n < 20) return Get_Number_Word(static_cast<int>(n), alone);
    if (n < 100) {
        const unsigned int units = n % 10;
        std::string s = units ? std::string(Get_Number_Word(static_cast<int>(units), 0)) + "und"
                              : std::string();
        return s + Get_Tens_Word(static_cast<int>(n));
    }
    if (n < 1000)
        return std::string(Get_Number_Word(static_cast<int>(n / 100), 0)) + "hundert" +
               Words(n % 100, alone);
    if (n < 1000000) return Words(n / 1000, 0) + "tausend" + Words(n % 1000, alone);
    if (n < 1000000000) {
        const unsigned int millions = n / 1000000;
        return (millions == 1 ? std::string("einemillion") : Words(millions, 0) + "millionen") +
               Words(n % 1000000, alone);
    }
    const unsigned int milliards = n / 1000000000;
    return (milliards == 1 ? std::string("einemilliarde") : Words(milliards, 0) + "milliarden") +
           Words(n % 1000000000, alone);
}

}  // namespace

const char* Format_Int_List(int count, const int* values) {
    static std::string list;
    list.clear();
    if (count < 1 || !values) return list.c_str();
    for (int i = 0; i < count;) {
        // A run ends before the last value, which never joins one.
        int last = i;
        while (last + 1 < count - 1 &&
               static_cast<long long>(values[last + 1]) == static_cast<long long>(values[last]) + 1)
            ++last;
        if (i > 0) list += last + 1 >= count ? " und " : ", ";
        list += last > i ? Format_Text("%d bis %d", values[i], values[last])
                         : Format_Text("%d", values[i]);
        i = last + 1;
    }
    return list.c_str();
}

const char* Get_Number_Word(int n, int alone) {
    if (n == 1) return alone ? "eins" : "ein";
    if (n >= 2 && n <= 19) return Unit_Words[n];
    return Error_Word;
}

const char* Get_Tens_Word(int n) {
    const int tens = n / 10;
    if (tens >= 2 && tens <= 9) return Tens_Words[tens];
    return Error_Word;
}

const char* Number_To_German_Words(unsigned int n) {
    static std::string text;
    if (n == 0) return "Null";
    if (n >= 4294967286u) return "Zahl zu gross";
    text = Words(n, 1);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text.c_str();
}

const char* Get_Count_Word(int n) {
    static std::string text;
    if (n == 0) return "keiner";
    if (n == 1) return "einer";
    if (n >= 2 && n <= 9) return Unit_Words[n];
    text = Format_Text("%d", n);
    return text.c_str();
}
