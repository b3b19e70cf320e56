// Text blocks: the bytes written for texts of every chunk count, and a reader that never stores more
// than the declared length, stops at the first character that starts no chunk and refuses counts
// the stream cannot hold.
#include "common/text_blocks.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "common/cp437.h"
#include "test_support.h"

namespace {

const std::string Open = "«"_cp;
const std::string Close = "»"_cp;

std::string Chunk(const std::string& body) { return Open + body + Close + "\n"; }

struct Free_Text {
    void operator()(char* t) const { std::free(t); }
};
using Text = std::unique_ptr<char, Free_Text>;

// What the reader gives for the bytes (null as "<null>") and what it leaves in the stream.
std::pair<std::string, std::string> Read_Back(const std::string& bytes) {
    Text_Stream in(bytes);
    Text text(Read_Text_Block(in.stream));
    std::string rest;
    for (int c; (c = std::fgetc(in.stream)) != EOF;) rest += static_cast<char>(c);
    return {text ? std::string(text.get()) : "<null>", rest};
}

}  // namespace

TEST(TextBlocks, WriterSplitsIntoChunksOfAHundredWithLineEndsAsByteOne) {
    const std::string x100(100, 'x'), y100(100, 'y'), z50(50, 'z');
    struct Case {
        const char* name;
        const char* text;   // null: no text
        std::string bytes;
    };
    const std::string t100 = x100, t101 = x100 + "q", t250 = x100 + y100 + z50;
    const Case cases[] = {
        {"null", nullptr, "TXB0\n"},
        {"empty", "", "TXB0\n"},
        {"two letters and a line end", "ab\n", "TXB3\n" + Chunk("ab\1")},
        {"exactly one chunk", t100.c_str(), "TXB100\n" + Chunk(x100)},
        {"one over", t101.c_str(), "TXB101\n" + Chunk(x100) + Chunk("q")},
        {"two and a half", t250.c_str(), "TXB250\n" + Chunk(x100) + Chunk(y100) + Chunk(z50)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Text_Block(f, c.text), 1); }), c.bytes) << c.name;
        const std::string expected = c.text && *c.text ? c.text : "<null>";
        EXPECT_EQ(Read_Back(c.bytes).first, expected) << c.name;
    }
}

TEST(TextBlocks, ReaderKeepsInStepOnDamagedBlocks) {
    struct Case {
        const char* name;
        std::string bytes;
        std::string text;   // "<null>" for none
        std::string rest;   // left in the stream (the line end of the last chunk read stays)
    };
    const Case cases[] = {
        {"byte 1 is a line end", "  \nTXB3\n" + Chunk("a\1b"), "a\nb", "\n"},
        {"chunk beyond the length is cut", "TXB3\n" + Chunk("abcdef") + "#EOC\n", "abc", "\n#EOC\n"},
        {"second chunk beyond the length is cut", "TXB4\n" + Chunk("ab") + Chunk("cdef") + "x", "abcd", "\nx"},
        {"early end keeps what was read", "TXB5\n" + Chunk("ab") + "#EOC\n", "ab", "#EOC\n"},
        {"length 0", "TXB0\n" + Chunk("ab"), "<null>", "\n" + Chunk("ab")},
        {"negative length", "TXB-3\n" + Chunk("abc"), "<null>", "\n" + Chunk("abc")},
        {"no header", "XB3\n" + Chunk("abc"), "<null>", "B3\n" + Chunk("abc")},
        {"length beyond the stream", "TXB11\n" + Chunk("abc"), "<null>", "\n" + Chunk("abc")},
        {"length beyond the limit", "TXB2000000000\n", "<null>", "\n"},
        {"length above int", "TXB99999999999\n", "<null>", "\n"},
    };
    for (const Case& c : cases) {
        const auto [text, rest] = Read_Back(c.bytes);
        EXPECT_EQ(text, c.text) << c.name;
        EXPECT_EQ(rest, c.rest) << c.name;
    }
}

TEST(TextBlocks, WriterRefusesATextThatWouldNotReadBack) {
    const std::string text = "Stütze »A«"_cp;
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_Text_Block(f, text.c_str()), 0); }), "");
    EXPECT_EQ(Write_Text_Block(nullptr, "a"), 0);
}

TEST(TextBlocks, SizeAndRelease) {
    EXPECT_EQ(Get_Text_Size_With_Terminator(nullptr), 0u);
    EXPECT_EQ(Get_Text_Size_With_Terminator(""), 1u);
    EXPECT_EQ(Get_Text_Size_With_Terminator("abc"), 4u);
    void* block = std::malloc(8);
    EXPECT_EQ(Free_If_Set(block), nullptr);
    EXPECT_EQ(Free_If_Set(nullptr), nullptr);
}
