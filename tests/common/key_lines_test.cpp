#include "common/key_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/cp437.h"

namespace {

struct File_Closer {
    void operator()(FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<FILE, File_Closer>;

// A stream that holds the given bytes, positioned at their start.
File Stream_Of(const std::string& bytes) {
    File f(std::tmpfile());
    std::fwrite(bytes.data(), 1, bytes.size(), f.get());
    std::rewind(f.get());
    return f;
}

// What is left to read in the stream.
std::string Rest_Of(FILE* f) {
    std::string rest;
    for (int c; (c = std::getc(f)) != EOF;) rest += static_cast<char>(c);
    return rest;
}

// Everything the stream holds.
std::string Contents_Of(FILE* f) {
    std::fflush(f);
    std::rewind(f);
    return Rest_Of(f);
}

const std::string Open(std::string("«"_cp));
const std::string Close(std::string("»"_cp));

}  // namespace

// The National Annex file names its active annex in the line after the key line.
TEST(KeyLines, AnnexNameFollowsItsKeyLine) {
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string e = eol;
        File f = Stream_Of("VERSION 3" + e + "ACTIV_NADNAME" + e + "  " + Open + "Deutschland" + Close + e);
        Rest_Of(f.get());  // the search rewinds first
        ASSERT_EQ(Find_Key_Line("ACTIV_NADNAME", f.get(), nullptr), 1) << "line end " << (e.size() == 2 ? "CRLF" : "LF");
        char name[Guillemet_Name_Size];
        EXPECT_EQ(Read_Guillemet_String(f.get(), name), 11);
        EXPECT_STREQ(name, "Deutschland");
        EXPECT_EQ(Rest_Of(f.get()), e);
    }
}

TEST(KeyLines, FindKeyLineMatchesLineStartsAndReadsTheNumber) {
    struct Case {
        const char* text;
        const char* key;
        int found;
        int number;  // -7: left unchanged
        const char* rest;
    };
    const Case cases[] = {
        {"A 1\n#EC3 2\nnext\n", "#EC3", 1, 2, "next\n"},
        {"A 1\r\n#EC3 2\r\nnext\r\n", "#EC3", 1, 2, "next\r\n"},
        {"#EC3 -4\n", "#EC3", 1, -4, ""},
        {"#EC3\nx\n", "#EC3", 1, -7, "x\n"},
        {"#EC3\r\nx\r\n", "#EC3", 1, -7, "x\r\n"},
        {"#EC3abc\nx\n", "#EC3", 1, -7, "x\n"},
        {"#EC3 99999999999\n", "#EC3", 1, -7, ""},
        {"a\n#EC3 5", "#EC3", 1, 5, ""},
        {"#EC31 8\n#EC3 9\n", "#EC3", 1, 1, "#EC3 9\n"},
        {"first\nsecond\n", "", 1, -7, "second\n"},
        {"x #EC3 1\n#EC\n", "#EC3", 0, -7, ""},
        {"A\r\nB\r\n", "B\r", 0, -7, ""},
        {"", "A", 0, -7, ""},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        int number = -7;
        EXPECT_EQ(Find_Key_Line(c.key, f.get(), &number), c.found) << c.text;
        EXPECT_EQ(number, c.number) << c.text;
        EXPECT_EQ(Rest_Of(f.get()), c.rest) << c.text;
    }
    File f = Stream_Of("#EC3 2\n");
    EXPECT_EQ(Find_Key_Line(nullptr, f.get(), nullptr), 0);
    EXPECT_EQ(Find_Key_Line("#EC3", nullptr, nullptr), 0);
}

// Lines are tested in pieces of 510 characters; a key line that fits is read with its line end.
TEST(KeyLines, FindKeyLineOnLongLines) {
    const std::string fits(510, 'k');
    for (const char* eol : {"\n", "\r\n"}) {
        File f = Stream_Of("x\n" + fits + eol + "body\n");
        EXPECT_EQ(Find_Key_Line("kkk", f.get(), nullptr), 1);
        EXPECT_EQ(Rest_Of(f.get()), "body\n");
    }
    // The second piece of an over-long line begins at its 511th character.
    File f = Stream_Of(std::string(510, 'x') + "#K 3 tail\nbody\n");
    int number = 0;
    EXPECT_EQ(Find_Key_Line("#K", f.get(), &number), 1);
    EXPECT_EQ(number, 3);
    EXPECT_EQ(Rest_Of(f.get()), "body\n");

    File g = Stream_Of(std::string(509, 'x') + "#K 3\n");
    EXPECT_EQ(Find_Key_Line("#K", g.get(), nullptr), 0);

    // After an over-long key line the stream stands behind its first piece.
    File h = Stream_Of("#K" + std::string(520, 'y') + "\nbody\n");
    EXPECT_EQ(Find_Key_Line("#K", h.get(), nullptr), 1);
    EXPECT_EQ(Rest_Of(h.get()), std::string(12, 'y') + "\nbody\n");
}

TEST(KeyLines, SeekKeyLineAfterAShorterLine) {
    for (const char* eol : {"\n", "\r\n"}) {
        const std::string e = eol;
        File f = Stream_Of("0123456789" + e + "#DXP_HEADER 1" + e + "body" + e);
        EXPECT_EQ(Seek_Key_Line(f.get(), "#DXP_HEADER", 1), 1);
        EXPECT_EQ(Rest_Of(f.get()), "body" + e);
    }
    // A line that holds the key and nothing more.
    File f = Stream_Of("ab\r\n#B\r\nx");
    EXPECT_EQ(Seek_Key_Line(f.get(), "#B", 1), 1);
    EXPECT_EQ(Rest_Of(f.get()), "x");
    // A final line shorter than the key.
    File g = Stream_Of("#B");
    EXPECT_EQ(Seek_Key_Line(g.get(), "#BX", 1), 0);
}

TEST(KeyLines, SeekKeyLineFindsSuccessiveBlocks) {
    File f = Stream_Of("#B 1\na\n#B 2\nb\n#C\n");
    EXPECT_EQ(Seek_Key_Line(f.get(), "#B", 1), 1);
    char line[16];
    Read_Line_Bounded(f.get(), line, sizeof line);
    EXPECT_STREQ(line, "a");
    EXPECT_EQ(Seek_Key_Line(f.get(), "#B", 0), 1);
    EXPECT_EQ(Rest_Of(f.get()), "b\n#C\n");
    EXPECT_EQ(Seek_Key_Line(f.get(), "#B", 0), 0);
    EXPECT_EQ(Seek_Key_Line(f.get(), "#B", 1), 1);
    EXPECT_EQ(Rest_Of(f.get()), "a\n#B 2\nb\n#C\n");

    EXPECT_EQ(Seek_Key_Line(nullptr, "#B", 1), 0);
    EXPECT_EQ(Seek_Key_Line(f.get(), nullptr, 1), 0);
    EXPECT_EQ(Seek_Key_Line(f.get(), "", 1), 0);
}

// Only the first 100 characters of a key are compared.
TEST(KeyLines, SeekKeyLineComparesAtMostAHundredCharacters) {
    const std::string head(100, 'k');
    File f = Stream_Of(std::string(99, 'k') + "\n" + head + "OTHER\nbody\n");
    EXPECT_EQ(Seek_Key_Line(f.get(), (head + "EXTRA").c_str(), 1), 1);
    EXPECT_EQ(Rest_Of(f.get()), "body\n");
}

TEST(KeyLines, SkipRestOfLineAndSkipBlanks) {
    File f = Stream_Of("abc\r\nnext\nlast");
    EXPECT_EQ(Skip_Rest_Of_Line(f.get()), '\n');
    EXPECT_EQ(Rest_Of(f.get()), "next\nlast");
    File g = Stream_Of("\nX");
    EXPECT_EQ(Skip_Rest_Of_Line(g.get()), '\n');
    EXPECT_EQ(Rest_Of(g.get()), "X");
    File h = Stream_Of("abc");
    EXPECT_EQ(Skip_Rest_Of_Line(h.get()), EOF);

    File b = Stream_Of(" \t\r\n  x y");
    EXPECT_EQ(Skip_Blanks(b.get()), 'x');
    EXPECT_EQ(Rest_Of(b.get()), " y");
    File e = Stream_Of(" \n\t ");
    EXPECT_EQ(Skip_Blanks(e.get()), EOF);
    EXPECT_EQ(Skip_Blanks(nullptr), EOF);
    EXPECT_EQ(Skip_Rest_Of_Line(nullptr), EOF);
}

TEST(GuillemetStrings, ReadName) {
    struct Case {
        std::string text;
        int length;
        std::string name;
        std::string rest;
    };
    const std::string letters(150, 'n');
    const Case cases[] = {
        {"   x" + Open + "abc" + Close, 0, "", Open + "abc" + Close},
        {Open + letters, 99, letters.substr(0, 99), letters.substr(100)},
        {Open + "abc", 3, "abc", ""},
        {"\r\n\t " + Open + "Nationaler Anhang" + Close + " rest", 17, "Nationaler Anhang", " rest"},
        {Open + Close + "x", 0, "", "x"},
        {Open + letters.substr(0, 99) + Close + "x", 99, letters.substr(0, 99), "x"},
        {Open + letters.substr(0, 100) + Close + "x", 99, letters.substr(0, 99), Close + "x"},
        {"", 0, "", ""},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        std::vector<char> name(Guillemet_Name_Size, 'Z');  // exact size: an overrun shows under ASan
        EXPECT_EQ(Read_Guillemet_String(f.get(), name.data()), c.length) << c.text;
        EXPECT_EQ(std::string(name.data()), c.name) << c.text;
        EXPECT_EQ(Rest_Of(f.get()), c.rest) << c.text;
    }
    char name[4] = "old";
    EXPECT_EQ(Read_Guillemet_String(nullptr, name), 0);
    EXPECT_STREQ(name, "");
}

TEST(GuillemetStrings, ReadText) {
    const std::string letters(300, 't');
    struct Case {
        std::string text;
        int length;
        std::string result;
        std::string rest;
    };
    const Case cases[] = {
        {Open + letters + Close, 255, letters.substr(0, 255), letters.substr(255) + Close},
        {" \n" + Open + "Zeile 1\nZeile 2" + Close + "\n", 15, "Zeile 1\nZeile 2", "\n"},
        {Open + "offen", 5, "offen", ""},
        {"  x" + Open, -1, "", Open},
        {"", -1, "", ""},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        std::vector<char> text(Guillemet_Text_Size, 'Z');
        EXPECT_EQ(Read_Guillemet_Text(f.get(), text.data()), c.length) << c.text;
        EXPECT_EQ(std::string(text.data()), c.result) << c.text;
        EXPECT_EQ(Rest_Of(f.get()), c.rest) << c.text;
    }
    char text[4] = "old";
    EXPECT_EQ(Read_Guillemet_Text(nullptr, text), -1);
    EXPECT_STREQ(text, "");
}

TEST(GuillemetStrings, WriteName) {
    File f(std::tmpfile());
    EXPECT_EQ(Write_Guillemet_String(f.get(), "Deutschland"), 0);
    EXPECT_EQ(Write_Guillemet_String(f.get(), nullptr), 0);
    EXPECT_EQ(Write_Guillemet_String(f.get(), ""), 0);
    EXPECT_EQ(Contents_Of(f.get()), "\xAE" "Deutschland\xAF\xAE\xAF\xAE\xAF");
    EXPECT_EQ(Write_Guillemet_String(nullptr, "x"), 1);

    // A stream that cannot be written.
    const std::string path = testing::TempDir() + "guillemet_read_only.txt";
    File(std::fopen(path.c_str(), "w"));  // creates the file empty
    File r(std::fopen(path.c_str(), "r"));
    ASSERT_TRUE(r);
    EXPECT_EQ(Write_Guillemet_String(r.get(), "x"), 1);
    EXPECT_EQ(Write_Delimited_String(r.get(), "x", '(', ')'), 1);
    std::remove(path.c_str());
}

TEST(DelimitedStrings, Read) {
    struct Case {
        const char* text;
        int size;
        char open, close;
        int result;
        const char* stored;
        const char* rest;
    };
    const Case cases[] = {
        {"  'abcdefgh' rest", 5, '\'', '\'', 4, "abcd", " rest"},
        {"'abc' x", 10, '\'', '\'', 3, "abc", " x"},
        {"\n\t(a b)z", 10, '(', ')', 3, "a b", "z"},
        {"x'abc'", 10, '\'', '\'', 0, "", "'abc'"},
        {"'abc", 10, '\'', '\'', 3, "abc", ""},
        {"'abcdefgh", 5, '\'', '\'', 4, "abcd", ""},
        {"'abc'z", 1, '\'', '\'', 0, "", "z"},
        {"''", 10, '\'', '\'', 0, "", ""},
        {"   ", 10, '\'', '\'', 0, "", ""},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        std::vector<char> buffer(static_cast<std::size_t>(c.size), 'Z');
        EXPECT_EQ(Read_Delimited_String(f.get(), buffer.data(), c.size, c.open, c.close), c.result) << c.text;
        EXPECT_STREQ(buffer.data(), c.stored) << c.text;
        EXPECT_EQ(Rest_Of(f.get()), c.rest) << c.text;
    }
    File f = Stream_Of("'a'");
    char buffer[4] = "old";
    EXPECT_EQ(Read_Delimited_String(f.get(), nullptr, 4, '\'', '\''), -1);
    EXPECT_EQ(Read_Delimited_String(f.get(), buffer, 0, '\'', '\''), -1);
    EXPECT_EQ(Read_Delimited_String(nullptr, buffer, 4, '\'', '\''), -1);
    EXPECT_STREQ(buffer, "");
}

TEST(DelimitedStrings, Write) {
    File f(std::tmpfile());
    EXPECT_EQ(Write_Delimited_String(f.get(), "bild.bmp", '"', '"'), 0);
    EXPECT_EQ(Write_Delimited_String(f.get(), nullptr, '(', ')'), 0);
    EXPECT_EQ(Contents_Of(f.get()), "\"bild.bmp\"()");
    EXPECT_EQ(Write_Delimited_String(nullptr, "x", '(', ')'), 1);
}

TEST(BoundedLines, ReadLineBounded) {
    struct Case {
        const char* text;
        int size;
        int result;
        const char* stored;
        const char* rest;
    };
    const Case cases[] = {
        {"abcdef\nnext", 4, 4, "abc", "next"},
        {"abcdef\r\nnext", 4, 4, "abc", "next"},
        {"abc\nnext", 4, 4, "abc", "next"},
        {"abc\r\nnext", 4, 4, "abc", "next"},
        {"abc\r\nnext", 10, 4, "abc", "next"},
        {"a\rb\nnext", 10, 4, "a\rb", "next"},
        {"abcdef", 4, 4, "abc", ""},
        {"abc", 10, 4, "abc", ""},
        {"\nnext", 10, 1, "", "next"},
        {"\r\nnext", 10, 1, "", "next"},
        {"", 10, 1, "", ""},
        {"abc\nnext", 1, 1, "", "next"},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        std::vector<char> buffer(static_cast<std::size_t>(c.size), 'Z');
        EXPECT_EQ(Read_Line_Bounded(f.get(), buffer.data(), c.size), c.result) << c.text;
        EXPECT_STREQ(buffer.data(), c.stored) << c.text;
        EXPECT_EQ(Rest_Of(f.get()), c.rest) << c.text;
    }
    char buffer[4] = "old";
    EXPECT_EQ(Read_Line_Bounded(nullptr, nullptr, 4), -1);
    EXPECT_EQ(Read_Line_Bounded(nullptr, buffer, 0), -1);
    EXPECT_EQ(Read_Line_Bounded(nullptr, buffer, 4), 1);
    EXPECT_STREQ(buffer, "");
}

TEST(BoundedLines, ReadLineStrippedLeavesTheRestOfALongLine) {
    struct Case {
        const char* text;
        int size;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"one\r\ntwo\n\nlast", 64, {"one", "two", "", "last"}},
        {"abcdefg\nx", 4, {"abc", "def", "g", "x"}},
        {"abc\ndef\n", 4, {"abc", "def"}},
        {"abc\r\ndef\r\n", 4, {"abc", "def"}},
        {"abc\rdef\n", 4, {"abc", "\rde", "f"}},
        {"ab\r", 4, {"ab\r"}},
        {"abc\r", 4, {"abc", "\r"}},
        {"", 4, {}},
    };
    for (const Case& c : cases) {
        File f = Stream_Of(c.text);
        std::vector<char> buffer(static_cast<std::size_t>(c.size), 'Z');
        std::vector<std::string> lines;
        while (const char* line = Read_Line_Stripped(buffer.data(), c.size, f.get())) {
            ASSERT_EQ(line, buffer.data());
            lines.emplace_back(line);
            ASSERT_LT(lines.size(), 10u) << c.text;
        }
        EXPECT_EQ(lines, c.lines) << c.text;
    }
    File f = Stream_Of("abc\n");
    char buffer[4];
    EXPECT_EQ(Read_Line_Stripped(nullptr, 4, f.get()), nullptr);
    EXPECT_EQ(Read_Line_Stripped(buffer, 0, f.get()), nullptr);
    EXPECT_EQ(Read_Line_Stripped(buffer, 4, nullptr), nullptr);
}
