// Parameter objects: the header line and value arrays byte for byte, the accessors at and beyond
// their bounds, and readers that fail cleanly on counts and texts a file cannot hold.
#include "common/param_objects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/cp437.h"
#include "test_support.h"

namespace {

// A header or arrays record released at scope end.
struct Header : VEK_Param_Header {
    ~Header() { Free_VEK_Param_Header(this); }
};
struct Arrays : VEK_Param_Arrays {
    ~Arrays() { Free_VEK_Param_Arrays(this); }
};

std::string Rest_Of(FILE* f) {
    std::string rest;
    for (int c; (c = std::fgetc(f)) != EOF;) rest += static_cast<char>(c);
    return rest;
}

}  // namespace

TEST(ParamHeader, WritesTheTypeInHexadecimalAndReadsItInEitherForm) {
    Header h;
    ASSERT_EQ(Set_VEK_Param_Header(18, 1, 7, "Stütze"_cp, &h), 1);
    const std::string line = "0x12 1 «Stütze» 7 0\n"_cp;
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Header(f, &h), 1); }), line);
    for (const std::string& bytes : {line, std::string("18 1 «Stütze» 7 0\n"_cp)}) {
        Text_Stream in(bytes);
        Header r;
        ASSERT_EQ(Read_VEK_Param_Header(in.stream, &r), 1) << bytes;
        EXPECT_EQ(r.type, 18);
        EXPECT_EQ(r.number, 1);
        EXPECT_EQ(r.id, 7);
        EXPECT_STREQ(r.name, "Stütze"_cp);
        EXPECT_EQ(r.comment, nullptr);
    }
}

TEST(ParamHeader, CommentTravelsAsTextBlockUpToItsEndLine) {
    Header h;
    ASSERT_EQ(Set_VEK_Param_Header(3, 2, 9, "Riegel", &h), 1);
    ASSERT_EQ(Set_VEK_Param_Comment(strdup("Zeile 1\nZeile 2"), &h), 1);
    const std::string bytes = "0x3 2 «Riegel» 9 1\nTXB15\n«Zeile 1\1Zeile 2»\n#EOC\n"_cp;
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Header(f, &h), 1); }), bytes);
    Text_Stream in(bytes + "next");
    Header r;
    ASSERT_EQ(Read_VEK_Param_Header(in.stream, &r), 1);
    EXPECT_STREQ(r.comment, "Zeile 1\nZeile 2");
    EXPECT_EQ(Rest_Of(in.stream), "next");
}

TEST(ParamHeader, DamagedHeadersFailAndNamesAreReadWhole) {
    const std::string long_name(150, 'n');
    struct Case {
        const char* name;
        std::string bytes;
        int result;
        const char* rest;   // what stays in the stream; null: not looked at
    };
    const Case cases[] = {
        {"no ID and flags", "0x5 3 «A»\nX", 1, "X"},
        {"missing number", "0x5 «A» 1 0\n", 0, nullptr},
        {"long name stays in step", "0x5 3 «" + long_name + "» 4 0\nX", 1, "X"},
        {"comment without end line", "0x5 3 «A» 4 1\nTXB1\n«c»\n", 0, ""},
        {"comment block missing", "0x5 3 «A» 4 1\n#EOC\n", 0, "EOC\n"},
    };
    for (const Case& c : cases) {
        Text_Stream in(To_Cp437(c.bytes));
        Header r;
        EXPECT_EQ(Read_VEK_Param_Header(in.stream, &r), c.result) << c.name;
        if (c.rest) {
            EXPECT_EQ(Rest_Of(in.stream), c.rest) << c.name;
        }
    }
    Text_Stream in(To_Cp437("0x5 3 «" + long_name + "» 4 0\n"));
    Header r;
    ASSERT_EQ(Read_VEK_Param_Header(in.stream, &r), 1);
    EXPECT_EQ(std::string(r.name), long_name);
    EXPECT_EQ(r.id, 4);
}

TEST(ParamHeader, WriterRefusesNamesThatWouldNotReadBack) {
    for (const char* name : {"a»b", "a\nb", "a\rb"}) {
        Header h;
        ASSERT_EQ(Set_VEK_Param_Header(1, 1, 1, To_Cp437(name).c_str(), &h), 1);
        EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Header(f, &h), 0); }), "") << name;
    }
    Header h;
    ASSERT_EQ(Set_VEK_Param_Header(1, 1, 1, "a", &h), 1);
    ASSERT_EQ(Set_VEK_Param_Comment(strdup(To_Cp437("x»y").c_str()), &h), 1);
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Header(f, &h), 0); }), "");
}

TEST(ParamArrays, WriteAndReadSizedByTheFile) {
    Arrays a;
    const int ints[] = {3, -4};
    const char* texts[] = {"Gurt"};
    ASSERT_EQ(Set_VEK_Param_Arrays(&a, ints, nullptr, 2, nullptr, nullptr, nullptr, 0, nullptr, texts, nullptr, 1,
                                   nullptr),
              1);
    const std::string bytes = "2 0 1\n 3 -4\n«Gurt»\n"_cp;
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Arrays(f, &a), 1); }), bytes);
    Text_Stream in(bytes);
    Arrays r;
    ASSERT_EQ(Read_VEK_Param_Arrays(in.stream, 0, 0, 0, &r, 1), 1);
    ASSERT_EQ(r.int_count, 2);
    EXPECT_EQ(r.ints[0], 3);
    EXPECT_EQ(r.ints[1], -4);
    EXPECT_EQ(r.double_count, 0);
    ASSERT_EQ(r.text_count, 1);
    EXPECT_STREQ(r.texts[0], "Gurt");
}

TEST(ParamArrays, CallerCountsSizeTheArraysAndAllValuesAreRead) {
    const std::string bytes = "3 2 2\n 1 2 3\n 1.5e+00 2.5e+00\n«a»\n«»\nX"_cp;
    {
        Text_Stream in(bytes);
        Arrays r;
        ASSERT_EQ(Read_VEK_Param_Arrays(in.stream, 1, 4, 1, &r, 0), 1);
        EXPECT_EQ(r.int_count, 1);
        EXPECT_EQ(r.ints[0], 1);
        ASSERT_EQ(r.double_count, 4);
        EXPECT_EQ(r.doubles[1], 2.5);
        EXPECT_EQ(r.doubles[3], 0.0);
        ASSERT_EQ(r.text_count, 1);
        EXPECT_STREQ(r.texts[0], "a");
        EXPECT_EQ(Rest_Of(in.stream), "\nX");
    }
    {
        // A negative caller count is not read from the stream: here the doubles.
        Text_Stream in("1 2\n 7\n«b»\n«c»\n"_cp);
        Arrays r;
        ASSERT_EQ(Read_VEK_Param_Arrays(in.stream, 0, -1, 0, &r, 1), 1);
        EXPECT_EQ(r.int_count, 1);
        EXPECT_EQ(r.double_count, 0);
        ASSERT_EQ(r.text_count, 2);
        EXPECT_STREQ(r.texts[1], "c");
    }
}

TEST(ParamArrays, HostileCountsAndTextsFailCleanly) {
    const std::string long_text(150, 't');
    struct Case {
        const char* name;
        std::string bytes;
        int result;
    };
    const Case cases[] = {
        {"int count at the int limit", "2147483647 0 0\n 1 2\n", 0},
        {"negative count", "-5 0 0\n", 0},
        {"counts that overflow a sum", "2147483647 2147483647 2147483647\n", 0},
        {"count beyond the bytes left", "0 0 9\n«a»\n", 0},
        {"missing int", "2 0 0\n 1\n", 0},
        {"word for a double", "0 1 0\n zwei\n", 0},
        {"missing text at the end", "0 0 2\n«a»", 0},
        {"text without marks reads as empty", "0 0 1\nx\n", 1},
    };
    for (const Case& c : cases) {
        Text_Stream in(To_Cp437(c.bytes));
        Arrays r;
        EXPECT_EQ(Read_VEK_Param_Arrays(in.stream, 0, 0, 0, &r, 1), c.result) << c.name;
    }
    // A long text is read whole, so the values behind it stay in step.
    Text_Stream in(To_Cp437("1 0 2\n 5\n«" + long_text + "»\n«nach»\n"));
    Arrays r;
    ASSERT_EQ(Read_VEK_Param_Arrays(in.stream, 0, 0, 0, &r, 1), 1);
    EXPECT_EQ(std::string(r.texts[0]), long_text);
    EXPECT_STREQ(r.texts[1], "nach");
}

TEST(ParamArrays, WriterRefusesTextsThatWouldNotReadBack) {
    for (const char* text : {"a»b", "erste\nzweite", "<DXP\r"}) {
        Arrays a;
        const std::string t = To_Cp437(text);
        const char* texts[] = {t.c_str()};
        ASSERT_EQ(Set_VEK_Param_Arrays(&a, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, texts, nullptr,
                                       1, nullptr),
                  1);
        EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Param_Arrays(f, &a), 0); }), "") << text;
    }
}

TEST(ParamArrays, AccessorsStayInsideTheArrays) {
    Arrays a;
    ASSERT_EQ(Resize_VEK_Param_Arrays(&a, 2, 1, 2), 1);
    a.ints[1] = 9;
    a.doubles[0] = 2.5;
    const char* texts[] = {"eins"};
    ASSERT_EQ(Set_VEK_Param_Arrays(&a, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, texts, nullptr, 1,
                                   nullptr),
              1);
    EXPECT_EQ(Get_VEK_Param_Int(&a, 1), 9);
    EXPECT_EQ(Get_VEK_Param_Int(&a, -1), 0);
    EXPECT_EQ(Get_VEK_Param_Int(&a, 2), 0);
    EXPECT_EQ(Get_VEK_Param_Double(&a, 0), 2.5);
    EXPECT_EQ(Get_VEK_Param_Double(&a, 1), 0.0);
    EXPECT_STREQ(Get_VEK_Param_Text(&a, 0), "eins");
    EXPECT_EQ(Get_VEK_Param_Text(&a, 1), nullptr);            // an absent entry
    EXPECT_EQ(Get_VEK_Param_Text(&a, 2), Param_Empty_Text);   // outside the array
    EXPECT_EQ(Get_VEK_Param_Text(&a, -3), Param_Empty_Text);
    EXPECT_EQ(Get_VEK_Param_Int(nullptr, 0), 0);

    int i[4];
    double d[2];
    const char* t[3];
    const int int_defaults[4] = {0, 0, 7, 8};
    ASSERT_EQ(Get_VEK_Param_Arrays(&a, i, int_defaults, 4, d, nullptr, 2, t, nullptr, 3), 1);
    EXPECT_EQ(i[1], 9);
    EXPECT_EQ(i[2], 7);
    EXPECT_EQ(i[3], 8);
    EXPECT_EQ(d[1], 0.0);
    EXPECT_STREQ(t[0], "eins");
    EXPECT_EQ(t[1], Param_Empty_Text);
    EXPECT_EQ(t[2], Param_Empty_Text);
}

TEST(ParamArrays, SetGrowsToTheLargestTargetAndSkipsNegativeIndexes) {
    Arrays a;
    const int one[] = {42};
    const int at5[] = {5};
    ASSERT_EQ(Set_VEK_Param_Arrays(&a, one, nullptr, 1, at5, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr),
              1);
    ASSERT_EQ(a.int_count, 6);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(a.ints[k], 0) << k;
    EXPECT_EQ(a.ints[5], 42);

    // Source positions picked by index, a negative target skipped; the array never shrinks.
    const double values[] = {1.0, 2.0, 3.0};
    const int from[] = {2, 0, 1};
    const int to[] = {0, -1, 1};
    ASSERT_EQ(Set_VEK_Param_Arrays(&a, nullptr, nullptr, 0, nullptr, values, from, 3, to, nullptr, nullptr, 0, nullptr),
              1);
    ASSERT_EQ(a.double_count, 2);
    EXPECT_EQ(a.doubles[0], 3.0);
    EXPECT_EQ(a.doubles[1], 2.0);
    EXPECT_EQ(a.int_count, 6);
}

TEST(ParamArrays, ResizeCopyClearAndValues) {
    Arrays a;
    const char* texts[] = {"a", "b", "c"};
    ASSERT_EQ(Set_VEK_Param_Arrays(&a, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, texts, nullptr, 3,
                                   nullptr),
              1);
    ASSERT_EQ(Resize_VEK_Param_Arrays(&a, -2, 0, 1), 1);
    EXPECT_EQ(a.int_count, 0);
    EXPECT_EQ(a.ints, nullptr);
    ASSERT_EQ(a.text_count, 1);
    ASSERT_EQ(Resize_VEK_Param_Arrays(&a, 0, 0, 3), 1);
    EXPECT_STREQ(a.texts[0], "a");
    EXPECT_EQ(a.texts[2], nullptr);
    EXPECT_EQ(Param_Arrays_Have_Values(&a), 1);

    Arrays b;
    ASSERT_EQ(Copy_VEK_Param_Arrays(&b, &a), 1);
    ASSERT_EQ(b.text_count, 3);
    EXPECT_NE(b.texts[0], a.texts[0]);
    EXPECT_STREQ(b.texts[0], "a");

    Clear_VEK_Param_Arrays(&a);
    EXPECT_EQ(a.text_count, 3);
    EXPECT_EQ(a.texts[0], nullptr);
    EXPECT_EQ(Param_Arrays_Have_Values(&a), 0);
    ASSERT_EQ(Copy_VEK_Param_Arrays(&b, nullptr), 1);
    EXPECT_EQ(b.text_count, 0);
    EXPECT_EQ(b.texts, nullptr);
}
