#include "common/number_scan.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "test_support.h"

namespace {

// What the rest of the stream holds after a scan.
std::string Rest(FILE* f) {
    std::string rest;
    for (int c; (c = std::fgetc(f)) != EOF;) rest += static_cast<char>(c);
    return rest;
}

TEST(Scan_Stream, IntsBeyondTheirRangeAreRefusedNotWrapped) {
    struct Case {
        const char* text;
        int result;
        int a, b;          // the values after the scan (a and b start at -7)
        const char* rest;
    };
    const Case cases[] = {
        {"12 34\nx", 2, 12, 34, "\nx"},
        {"2147483647 -2147483648", 2, 2147483647, -2147483648, ""},
        // 2^32 + 1 would read as 1 with the library's "%d".
        {"4294967297 5", 0, -7, -7, " 5"},
        {"3 2147483648 9", 1, 3, -7, " 9"},
        {"3 -2147483649", 1, 3, -7, ""},
        {"3 99999999999999999999999999 9", 1, 3, -7, " 9"},
        {"3 x", 1, 3, -7, "x"},
        {"", EOF, -7, -7, ""},
        {"  \n", EOF, -7, -7, ""},
    };
    for (const Case& c : cases) {
        Text_Stream in(c.text);
        int a = -7, b = -7;
        EXPECT_EQ(Scan_Stream(in.stream, "%d%d", &a, &b), c.result) << c.text;
        EXPECT_EQ(a, c.a) << c.text;
        EXPECT_EQ(b, c.b) << c.text;
        EXPECT_EQ(Rest(in.stream), c.rest) << c.text;
    }
}

TEST(Scan_Stream, MixedFormatsReadAsTheLibraryReadsThem) {
    Text_Stream in("NAD/Version 12 «x» 1.5e2 abcdefgh 0x1F 7\n");
    int version = 0, hex = 0, last = 0;
    double value = 0;
    char word[5] = {};
    char skipped[8] = {};
    EXPECT_EQ(Scan_Stream(in.stream, "NAD/Version %d%*s%lf%4s%3s", &version, &value, word, skipped), 4);
    EXPECT_EQ(version, 12);
    EXPECT_DOUBLE_EQ(value, 150.0);
    EXPECT_STREQ(word, "abcd");
    EXPECT_STREQ(skipped, "efg");
    EXPECT_EQ(Scan_Stream(in.stream, "%*s %i %d ", &hex, &last), 2);
    EXPECT_EQ(hex, 31);
    EXPECT_EQ(last, 7);
    EXPECT_EQ(Rest(in.stream), "");

    Text_Stream other("NAD/Versio 1");
    version = -1;
    EXPECT_EQ(Scan_Stream(other.stream, "NAD/Version %d", &version), 0);
    EXPECT_EQ(version, -1);
}

TEST(Scan_Text, CountsConsumedCharactersAndRefusesWideInts) {
    int a = 0, b = 0, used = -1;
    EXPECT_EQ(Scan_Text(" 17 -4 rest", "%d%d%n", &a, &b, &used), 2);
    EXPECT_EQ(a, 17);
    EXPECT_EQ(b, -4);
    EXPECT_EQ(used, 6);

    a = b = 0;
    used = -1;
    EXPECT_EQ(Scan_Text("5 8589934597", "%d%d%n", &a, &b, &used), 1);
    EXPECT_EQ(a, 5);
    EXPECT_EQ(b, 0);
    EXPECT_EQ(used, -1);
    EXPECT_EQ(Scan_Text("", "%d", &a), EOF);
}

}  // namespace
