#include "report/markup_substitution.h"

#include <array>
#include <cstring>

#include "common/cp437.h"
#include "common/text_tools.h"

namespace {

// The attributes that a replacement opens again, in this order.
const std::array<std::string_view, 6> Restored_Attributes = {
    "╬\\"_cp, "╬/"_cp, "╬_"_cp, "╬u"_cp, "╬b"_cp, "╬s"_cp,
};
const std::string_view Attribute_End = "╬r"_cp;

// The attribute is open at the end of the head of a text.
bool Is_Open(std::string_view head, std::string_view escape) {
    if (escape.empty()) return false;
    const std::size_t opened = head.rfind(escape);
    if (opened == std::string_view::npos) return false;
    const std::size_t ended = head.rfind(Attribute_End);
    return ended == std::string_view::npos || ended < opened;
}

int Is_Open_At(const char* text, std::string_view escape, const char* position) {
    if (!text || !position || position < text) return 0;
    const std::size_t n = strnlen(text, static_cast<std::size_t>(position - text));
    return Is_Open(std::string_view(text, n), escape) ? 1 : 0;
}

}  // namespace

int OLI_Is_Attribute_Open(const char* text, const char* escape, const char* position) {
    return escape ? Is_Open_At(text, escape, position) : 0;
}

int OLI_Is_Open_Lowered(const char* text, const char* position) {
    return Is_Open_At(text, Restored_Attributes[0], position);
}

int OLI_Is_Open_Raised(const char* text, const char* position) {
    return Is_Open_At(text, Restored_Attributes[1], position);
}

int OLI_Is_Open_Underscore(const char* text, const char* position) {
    return Is_Open_At(text, Restored_Attributes[2], position);
}

int OLI_Is_Open_B(const char* text, const char* position) { return Is_Open_At(text, Restored_Attributes[4], position); }

int OLI_Is_Open_S(const char* text, const char* position) { return Is_Open_At(text, Restored_Attributes[5], position); }

std::string Replace_Markup(std::string_view text, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size() + replacement.size());
    std::size_t from = 0;
    for (std::size_t at; (at = text.find(pattern, from)) != std::string_view::npos; from = at + pattern.size()) {
        out.append(text.substr(from, at - from));
        out.append(replacement);
        for (std::string_view escape : Restored_Attributes)
            if (Is_Open(text.substr(0, at), escape)) out.append(escape);
    }
    out.append(text.substr(from));
    return out;
}

void OLI_Replace_Markup(char* text, const char* pattern, const char* replacement, int size) {
    if (!text || size < 1) return;
    const std::string result = Replace_Markup(std::string_view(text, strnlen(text, static_cast<std::size_t>(size))),
                                              pattern ? pattern : "", replacement ? replacement : "");
    Copy_String_Bounded(text, result.c_str(), size);
}
