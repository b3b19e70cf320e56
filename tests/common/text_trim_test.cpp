#include "common/text_trim.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(TextTrim, TrimString) {
    struct Case {
        const char* text;
        int flags;
        int length;
        const char* result;
    };
    const Case cases[] = {
        {"  ab c \t\n", Trim_Leading | Trim_Trailing, 4, "ab c"},
        {"  ab c \t\n", Trim_Leading, 7, "ab c \t\n"},
        {"  ab c \t\n", Trim_Trailing, 6, "  ab c"},
        {"  ab c \t\n", 0, 9, "  ab c \t\n"},
        {" \t \r\n", Trim_Leading | Trim_Trailing, 0, ""},
        {" \t ", Trim_Leading, 0, ""},
        {"", Trim_Leading | Trim_Trailing, 0, ""},
    };
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(Trim_String(text.data(), c.flags), c.length) << '"' << c.text << '"';
        EXPECT_STREQ(text.c_str(), c.result) << '"' << c.text << '"';
    }
    EXPECT_EQ(Trim_String(nullptr, 3), 0);
}

TEST(TextTrim, CopyStringTrimmed) {
    struct Case {
        const char* text;
        int size;
        int flags;
        int length;
        const char* result;
    };
    const Case cases[] = {
        // Only the first size - 1 characters are copied, then trimmed.
        {"  Deutschland  ", 8, Trim_Leading | Trim_Trailing, 5, "Deuts"},
        {"  Deutschland  ", 8, Trim_Leading | Trim_Trailing | Pad_To_Width, 7, "Deuts  "},
        {" S 235 ", 20, Trim_Trailing, 6, " S 235"},
        {" S 235 ", 20, 0, 7, " S 235 "},
        {"S355", 8, Pad_To_Width, 7, "S355   "},
        {nullptr, 5, Pad_To_Width, 4, "    "},
        {nullptr, 5, 0, 0, ""},
        {"abc", 1, Pad_To_Width, 0, ""},
    };
    for (const Case& c : cases) {
        std::vector<char> buffer(static_cast<std::size_t>(c.size), 'Z');  // exact size for ASan
        EXPECT_EQ(Copy_String_Trimmed(c.text, buffer.data(), c.size, c.flags), c.length);
        EXPECT_STREQ(buffer.data(), c.result);
    }
    char buffer[4] = "old";
    EXPECT_EQ(Copy_String_Trimmed("abc", nullptr, 4, 0), 0);
    EXPECT_EQ(Copy_String_Trimmed("abc", buffer, 0, 0), 0);
    EXPECT_STREQ(buffer, "old");
}

TEST(TextTrim, TrimBlanksStatic) {
    EXPECT_STREQ(Trim_Blanks_Static("  S 235 JR  "), "S 235 JR");
    EXPECT_STREQ(Trim_Blanks_Static("\tS 235 \t "), "\tS 235 \t");
    EXPECT_STREQ(Trim_Blanks_Static("    "), "");
    EXPECT_STREQ(Trim_Blanks_Static(""), "");
    EXPECT_STREQ(Trim_Blanks_Static(nullptr), "");
    const std::string long_text = "  " + std::string(600, 'a');
    EXPECT_EQ(std::string(Trim_Blanks_Static(long_text.c_str())), std::string(509, 'a'));
}

TEST(TextTrim, PadBlanksStatic) {
    EXPECT_STREQ(Pad_Blanks_Static("S235", 6), "S235  ");
    EXPECT_STREQ(Pad_Blanks_Static("S235JR", 4), "S235");
    EXPECT_STREQ(Pad_Blanks_Static("S235", 0), "");
    EXPECT_STREQ(Pad_Blanks_Static(nullptr, 3), "   ");
    EXPECT_EQ(std::string(Pad_Blanks_Static("x", 511)), "x" + std::string(510, ' '));
    // Widths outside 0 to 511 are held to that range.
    EXPECT_EQ(std::string(Pad_Blanks_Static("x", 600)), "x" + std::string(510, ' '));
    EXPECT_STREQ(Pad_Blanks_Static("x", -3), "");
}

TEST(TextTrim, TrimmedLengthCountsBlanksOnly) {
    EXPECT_EQ(Trimmed_Length("ab  "), 2);
    EXPECT_EQ(Trimmed_Length("a\t "), 2);
    EXPECT_EQ(Trimmed_Length(" a"), 2);
    EXPECT_EQ(Trimmed_Length("   "), 0);
    EXPECT_EQ(Trimmed_Length(""), 0);
    EXPECT_EQ(Trimmed_Length(nullptr), 0);
}

TEST(TextTrim, QuestionMarkCodingOfBlanks) {
    std::string text = "S 235 JR?";
    EXPECT_EQ(Blanks_To_Question_Marks(text.data()), 9);
    EXPECT_EQ(text, "S?235?JR?");
    EXPECT_EQ(Question_Marks_To_Blanks(text.data()), 9);
    EXPECT_EQ(text, "S 235 JR ");
    EXPECT_EQ(Blanks_To_Question_Marks(nullptr), 0);
    EXPECT_EQ(Question_Marks_To_Blanks(nullptr), 0);
}
