// Helpers of the screen sketch tests: the painted box's background, and a record's bytes so that a
// test can see that painting left the record exactly as it was.
#pragma once

#include <cstring>
#include <string>

inline constexpr int Sheet_Background = 0xECE9D8;
inline constexpr int Green_196 = 0xC4D9C4, Lavender_213 = 0xD5D5FF, Lavender_196 = 0xC4C4FF, Sand = 0xE4E4C4;
inline constexpr int Grey_224 = 0xE0E0E0, Grey_233 = 0xE9E9E9, Peach = 0xFFE7CE, Rose_196 = 0xFFC4C4;

// The texts of the input-error display of a box whose top left corner is (0, 0).
inline const std::string Input_Error_Texts = "30 30 4097 255,0,0 \"Fehler in den Eingabedaten\"\n"
                                             "30 50 4097 255,0,0 \"siehe Druckliste\"\n";

template <class Record>
std::string Record_Bytes(const Record& r) {
    std::string bytes(sizeof r, '\0');
    std::memcpy(bytes.data(), &r, sizeof r);
    return bytes;
}

// How often the text holds what.
inline int Occurrences(const std::string& text, const std::string& what) {
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
    return n;
}
