// Markup substitution: the open attributes are opened again after each replacement.
#include "report/markup_substitution.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"

TEST(MarkupSubstitution, ReplacesAndReopensTheAttributesOpenAtEachOccurrence) {
    const struct {
        const char* name;
        std::string text;
        const char* pattern;
        int size;
        std::string expected;
    } cases[] = {
        {"BoldReopened", "╬bm²╬r"_cp, "²"_cp, 100, "╬bm╬/2╬r╬b╬r"_cp},
        {"ClosedBeforeStaysClosed", "╬bx╬r m²"_cp, "²"_cp, 100, "╬bx╬r m╬/2╬r"_cp},
        {"SeveralInTableOrder", "╬s╬\\i╬bm²"_cp, "²"_cp, 100, "╬s╬\\i╬bm╬/2╬r╬\\╬b╬s"_cp},
        {"EachOccurrenceSeesItsOwnAttributes", "A²╬uB²"_cp, "²"_cp, 100, "A╬/2╬r╬uB╬/2╬r╬u"_cp},
        {"WithoutThePatternUnchanged", "abc", "²"_cp, 100, "abc"},
        {"WithoutThePatternCut", "abcdef", "²"_cp, 4, "abc"},
        {"EmptyPatternReplacesNothing", "abc", "", 100, "abc"},
        {"ResultCutToSizeLessOne", "x²y"_cp, "²"_cp, 6, "x╬/2╬"_cp},
    };
    for (const auto& c : cases) {
        std::vector<char> buffer(static_cast<std::size_t>(c.size) + 8, 'Z');
        std::copy(c.text.begin(), c.text.end(), buffer.begin());
        buffer[c.text.size()] = '\0';
        OLI_Replace_Markup(buffer.data(), c.pattern, "╬/2╬r"_cp, c.size);
        EXPECT_EQ(std::string(buffer.data()), c.expected) << c.name;
        if (c.text.size() < static_cast<std::size_t>(c.size)) {
            EXPECT_EQ(buffer[static_cast<std::size_t>(c.size)], 'Z') << c.name << ": wrote past the size";
        }
    }
}

TEST(MarkupSubstitution, APatternRecurringThroughAFullTextIsCutNotOverrun) {
    // 254 superscripts at size 255 become 1270 bytes of markup, cut to 254.
    std::vector<char> buffer(255 + 1, 'Z');
    std::fill(buffer.begin(), buffer.begin() + 254, '\xFD');
    buffer[254] = '\0';
    OLI_Replace_Markup(buffer.data(), "²"_cp, "╬/2╬r"_cp, 255);
    std::string expected;
    for (int k = 0; k < 51; ++k) expected += "╬/2╬r"_cp;
    expected.resize(254);
    EXPECT_EQ(std::string(buffer.data()), expected);
    EXPECT_EQ(buffer[255], 'Z');
}

TEST(MarkupSubstitution, AttributeIsOpenAfterItsEscapeUntilTheNextEnd) {
    const std::string text = "╬bab╬rc╬bd"_cp;
    const char* t = text.c_str();
    const auto at = [&](char c) { return t + text.find(c, 2) + 1; };   // just after the character
    EXPECT_TRUE(OLI_Is_Open_B(t, at('a')));
    EXPECT_FALSE(OLI_Is_Open_B(t, at('c')));
    EXPECT_TRUE(OLI_Is_Open_B(t, at('d')));
    EXPECT_FALSE(OLI_Is_Open_B(t, t + 1));          // the escape has not been read whole
    EXPECT_FALSE(OLI_Is_Open_S(t, at('d')));
    EXPECT_TRUE(OLI_Is_Attribute_Open(t, "╬b"_cp, t + text.size()));
    const std::string lowered = "M╬\\Ed"_cp;
    EXPECT_TRUE(OLI_Is_Open_Lowered(lowered.c_str(), lowered.c_str() + lowered.size()));
    EXPECT_FALSE(OLI_Is_Open_Raised(lowered.c_str(), lowered.c_str() + lowered.size()));
    EXPECT_TRUE(OLI_Is_Open_Underscore("╬_x"_cp, "╬_x"_cp + 3));
    EXPECT_FALSE(OLI_Is_Attribute_Open(nullptr, "╬b"_cp, t));
    EXPECT_FALSE(OLI_Is_Attribute_Open(t, nullptr, t + 3));
}
