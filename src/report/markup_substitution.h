// Markup substitution of the older paragraph writer: plain characters of a text become print-list
// markup (the superscript "²" becomes raised text "╬/2╬r"). The escape "╬r" ends every open text
// attribute, so after each replacement the attributes that the surrounding text had opened (lowered,
// raised, "╬_", "╬u", "╬b", "╬s") are opened again.
#pragma once

#include <string>
#include <string_view>

// Nonzero when the attribute of the two-byte escape is open at the position (a pointer into the
// text, at most its end): its last occurrence lies wholly before the position and no "╬r" starts
// after that occurrence and before the position.
int OLI_Is_Attribute_Open(const char* text, const char* escape, const char* position);
int OLI_Is_Open_Lowered(const char* text, const char* position);     // "╬\"
int OLI_Is_Open_Raised(const char* text, const char* position);      // "╬/"
int OLI_Is_Open_Underscore(const char* text, const char* position);  // "╬_"
int OLI_Is_Open_B(const char* text, const char* position);           // "╬b"
int OLI_Is_Open_S(const char* text, const char* position);           // "╬s"

// Replaces in place every occurrence of the pattern by the replacement, followed by the escapes of
// the attributes open at that occurrence in the unchanged text, and keeps at most size - 1 bytes of
// the result (the rest of the size bytes zero-filled). However often the pattern recurs, the work
// text grows as needed before it is cut. An empty or null pattern replaces nothing (the text is
// still cut); a null text or a size below 1 does nothing.
void OLI_Replace_Markup(char* text, const char* pattern, const char* replacement, int size);

// The same substitution without a size limit.
std::string Replace_Markup(std::string_view text, std::string_view pattern, std::string_view replacement);
