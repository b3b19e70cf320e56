// Versioned data files: the writer's bytes, reading by version with defaults, bounded tokens and
// data blocks.
#include "common/data_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "common/notice_output.h"
#include "platform/host/host_library.h"
#include "test_support.h"

namespace {

// A concrete record as a program stores it: data version 2.1, one structure of version 1.2.
void Write_Concrete_Fixture(FILE* f) {
    const double f_ck = 25000.0;
    const int n = 3;
    EXPECT_EQ(Begin_Data_Write(f, 2.1), 0);
    EXPECT_EQ(Write_Data_Comment("Beton"), 0);
    EXPECT_EQ(Write_Structure_Version(1.2), 0);
    EXPECT_EQ(Write_Data_Field("C25/30", 't'), 0);
    EXPECT_EQ(Write_Data_Field(&f_ck, 'd'), 0);
    EXPECT_EQ(Write_Data_Field(&n, 'i'), 0);
    EXPECT_EQ(Write_Data_Field("a b", 't'), 0);
    EXPECT_EQ(Write_Data_Field("", 't'), 0);
    EXPECT_EQ(Write_Placeholder_Field('d'), 0);
    EXPECT_EQ(Write_Data_Line_End(), 0);
    EXPECT_EQ(Write_Data_Block("x#y\n"), 0);
}

const std::string Concrete_Fixture_Bytes =
    " 2.100000  # Datenversionsnummer\n# Beton\n 1.200000 # Strukturversionsnummer\n"
    " C25/30  2.500000e+04  3  a\x8C" "b  !\x15$%&/()=?  -1.000000e+00 \n 4 x#y\n\n";

// The fields of the fixture read back in order; `where` names the file's variant in a failure.
void Expect_Concrete_Fixture_Read(FILE* f, const char* where) {
    SCOPED_TRACE(where);
    char name[56], blank_text[56], empty_text[56];
    double f_ck = 0, placeholder = 0;
    int n = 0;
    char* block = nullptr;
    ASSERT_EQ(Begin_Data_Read(f, 2.1), 0);
    ASSERT_EQ(Read_Structure_Version(1.2), 0);
    EXPECT_DOUBLE_EQ(Get_Current_Version(), 1.2);
    EXPECT_EQ(Read_Data_Field(name, 't', 1.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(f_ck), 'd', 1.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(n), 'i', 1.2, 0), 0);
    EXPECT_EQ(Read_Data_Field(blank_text, 't', 1.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(empty_text, 't', 1.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(placeholder), 'd', 1.0, 0), 0);
    EXPECT_EQ(Read_Data_Block(&block, 1.0, nullptr), 0);
    End_Structure_Version();
    EXPECT_DOUBLE_EQ(Get_Current_Version(), 2.1);
    EXPECT_STREQ(name, "C25/30");
    EXPECT_EQ(f_ck, 25000.0);
    EXPECT_EQ(n, 3);
    EXPECT_STREQ(blank_text, "a b");
    EXPECT_STREQ(empty_text, "");
    EXPECT_EQ(placeholder, -1.0);
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "x#y\n");
    Free_And_Null(&block);
}

TEST(DataFiles, WriterBytesAndTheirReadBack) {
    const std::string bytes = Capture_Output(Write_Concrete_Fixture);
    EXPECT_EQ(bytes, Concrete_Fixture_Bytes);
    Text_Stream file(bytes);
    Expect_Concrete_Fixture_Read(file.stream, "as written");
    EXPECT_EQ(Get_Data_Input_Stream(), file.stream);
}

// Comments, blank lines, tabs and CRLF line ends may stand between any two items.
TEST(DataFiles, CommentsAndSeparatorsBetweenEveryTwoItems) {
    const std::string text =
        "# Kopf\r\n\r\n 2.100000# Datenversion\r\n#\n\t1.2 # Struktur\n# Name:\n C25/30\t# f_ck\n"
        "2.5e4 #n\n 3 # Text mit Blank\n a\x8C" "b #leer\n !\x15$%&/()=?\n#Platzhalter\n -1 \n# Block\n 4 x#y\n\n# Ende";
    Text_Stream file(text);
    Expect_Concrete_Fixture_Read(file.stream, "with comments");
}

TEST(DataFiles, VersionChecks) {
    struct Case {
        const char* file;
        double program_version;
        int result;
        bool notice;
    };
    const Case cases[] = {
        {" 2.100000  # Datenversionsnummer\n", 2.0, 2, true},   // written by a newer program
        {" 2.100000  # Datenversionsnummer\n", 2.1, 0, false},
        {" 2.100000  # Datenversionsnummer\n", 3.0, 0, false},
        {" -1.000000  # Datenversionsnummer\n", 2.0, -1, false},
        {"# nur ein Kommentar\n", 2.0, 1, false},
        {" Beton\n", 2.0, 1, false},
    };
    Set_Notice_Output_Mode(1);   // the version notice must still come as a box
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        Clear_Host_Message_History();
        Text_Stream file(c.file);
        EXPECT_EQ(Begin_Data_Read(file.stream, c.program_version), c.result);
        if (c.notice) {
            ASSERT_EQ(Host_Message_History().size(), 1u);
            EXPECT_EQ(Host_Message_History()[0], "Alte Programmversion -> kann Daten nicht lesen!");
        } else {
            EXPECT_TRUE(Host_Message_History().empty());
        }
    }

    // A structure newer than the program gives 2 with the same notice; an unreadable one gives 1
    // and stays pushed, so that End_Structure_Version balances it.
    Clear_Host_Message_History();
    Text_Stream file(" 2.0\n 1.5 # Struktur\n 1.0\n xyz\n");
    ASSERT_EQ(Begin_Data_Read(file.stream, 2.0), 0);
    EXPECT_EQ(Read_Structure_Version(1.2), 2);
    EXPECT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Read_Structure_Version(1.2), 0);
    EXPECT_EQ(Read_Structure_Version(1.2), 1);
    EXPECT_EQ(Get_Current_Version(), 0.0);
    End_Structure_Version();
    EXPECT_EQ(Get_Current_Version(), 1.0);
    Set_Notice_Output_Mode(0);
}

// Fields introduced after the structure's version take the caller's default and consume nothing;
// the text and block readers test at two decimals, the others exactly.
TEST(DataFiles, SinceVersionDefaultsConsumeNothing) {
    Text_Stream file(" 1.0\n 2.000000 # Struktur\n 7 \n");
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    ASSERT_EQ(Read_Structure_Version(3.0), 0);
    const long at = Tell_Data_Input();

    double d = 0;
    int i = 0;
    char text[8] = "alt";
    char* block = nullptr;
    EXPECT_EQ(Read_Data_Field(Field_Bytes(d), 'd', 3.0, 4.5), 0);
    EXPECT_EQ(d, 4.5);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'i', 2.004, 2.5), 0);   // 2.004 > 2: not in the file
    EXPECT_EQ(i, 3);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'i', 3.0, -2.5), 0);
    EXPECT_EQ(i, -3);
    EXPECT_EQ(Read_Data_Field(text, 't', 3.0, 0), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(Read_Int_Field_Since(2.5, 2.5), 3);
    EXPECT_EQ(Read_Text_Field_Since(text, 2.01, "B500B"), 0);
    EXPECT_STREQ(text, "B500B");
    EXPECT_EQ(Read_Text_Field_Since(text, 2.01, nullptr), 0);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(Read_Text_Field_Since(text, 2.01, "zu langer Text"), 1);   // cut to the destination
    EXPECT_STREQ(text, "zu lang");
    EXPECT_EQ(Read_Data_Block(&block, 2.01, "Vorgabe"), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "Vorgabe");
    EXPECT_EQ(Read_Data_Block(&block, 2.01, nullptr), 0);
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(Skip_Data_Field('d', 2.5), 0);
    EXPECT_EQ(Tell_Data_Input(), at);

    // At two decimals 2.004 is not above 2.0: the text reader takes the token.
    EXPECT_EQ(Read_Text_Field_Since(text, 2.004, "B500B"), 0);
    EXPECT_STREQ(text, "7");
    EXPECT_EQ(Read_Int_Value(), 1);   // nothing left to read
}

TEST(DataFiles, TokensAreBoundedByTheirDestination) {
    // A 200-character name into a 56-byte field: cut, terminated, the rest consumed, and the next
    // field read as it stands.
    Text_Stream file(" 1.0\n " + std::string(200, 'N') + " 42 " + std::string(300, 's') + " 8\n");
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    char name[56];
    std::memset(name, '?', sizeof name);
    EXPECT_EQ(Read_Data_Field(name, 't', 0.0, 0), 1);
    EXPECT_EQ(std::string(name), std::string(55, 'N'));
    EXPECT_EQ(Read_Int_Value(), 42);
    EXPECT_EQ(Skip_Current_Data_Field('s'), 0);   // a skip drops a long token whole
    EXPECT_EQ(Read_Int_Value(), 8);

    int i = 0;
    Text_Stream numbers(" 1.0 2.5 3 x");
    ASSERT_EQ(Begin_Data_Read(numbers.stream, 1.0), 0);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'd', 0.0, 0), 1);   // an int cannot take a double
    EXPECT_EQ(i, 0);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'i', 0.0, 0), 0);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'q', 0.0, 0), 1);   // no such type
    EXPECT_EQ(Read_Data_Field(Field_Bytes(i), 'i', 0.0, 0), 1);   // "x" is no int
}

// The section and pilcrow signs lie below '!' but may open a token; the writer's empty-text token
// holds one inside.
TEST(DataFiles, SectionAndPilcrowSignsMayOpenAToken) {
    Text_Stream file(" 1.0\n\x15" "3\t\x14" "Absatz \x15 !\x15$%&/()=? \x8C");
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    char s[16], t[16], c[2], empty[16], blank[16];
    EXPECT_EQ(Read_Data_Field(s, 's', 0.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(t, 't', 0.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(c, 'c', 0.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(empty, 't', 0.0, 0), 0);
    EXPECT_EQ(Read_Data_Field(blank, 't', 0.0, 0), 0);
    EXPECT_STREQ(s, "\x15" "3");
    EXPECT_STREQ(t, "\x14" "Absatz");
    EXPECT_STREQ(c, "\x15");
    EXPECT_STREQ(empty, "");
    EXPECT_STREQ(blank, "");   // a single blank stands for an empty text

    char encoded[8] = "";
    EXPECT_EQ(Encode_Text_Token(encoded), 1);
    EXPECT_STREQ(encoded, "\x8C");
    std::strcpy(encoded, "a b c");
    EXPECT_EQ(Encode_Text_Token(encoded), 5);
    EXPECT_STREQ(encoded, "a\x8C" "b\x8C" "c");
    EXPECT_EQ(Decode_Text_Token(encoded), 5);
    EXPECT_STREQ(encoded, "a b c");
}

TEST(DataFiles, NestedStructuresHaveNoDepthLimit) {
    const std::string bytes = Capture_Output([](FILE* f) {
        Begin_Data_Write(f, 2.0);
        for (int k = 1; k <= 25; ++k) {
            Write_Structure_Version(k);
            Write_Data_Field(&k, 'i');
        }
    });
    Text_Stream file(bytes);
    ASSERT_EQ(Begin_Data_Read(file.stream, 2.0), 0);
    for (int k = 1; k <= 25; ++k) {
        ASSERT_EQ(Read_Structure_Version(25.0), 0);
        EXPECT_EQ(Read_Int_Field_Since(k, -1), k);
    }
    for (int k = 25; k >= 1; --k) {
        EXPECT_EQ(Get_Current_Version(), k);
        End_Structure_Version();
    }
    EXPECT_EQ(Get_Current_Version(), 2.0);
    End_Structure_Version();   // the data version stays
    EXPECT_EQ(Get_Current_Version(), 2.0);
    Set_Current_Version(1.5);
    EXPECT_EQ(Get_Current_Version(), 1.5);
    Push_Structure_Version(0.0);   // a record without a version of its own: nothing is read
    EXPECT_EQ(Get_Current_Version(), 0.0);
    End_Structure_Version();
    EXPECT_EQ(Get_Current_Version(), 1.5);
}

TEST(DataFiles, DataBlocksAreKeptByteForByte) {
    const std::string data("a\r\nb\0c\x8C", 7);
    Text_Stream file(" 1.0\n 7 " + data + "\n 0 \n 3 xyz\n");
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    char* block = Strdup_Counted("alt");
    EXPECT_EQ(Read_Data_Block(&block, 0.0, nullptr), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, 7), data);
    EXPECT_EQ(block[7], '\0');
    EXPECT_EQ(Read_Data_Block(&block, 0.0, "Vorgabe"), 0);   // length 0: null, the old text released
    EXPECT_EQ(block, nullptr);
    EXPECT_EQ(Read_Data_Block(&block, 0.0, nullptr), 0);
    ASSERT_NE(block, nullptr);
    EXPECT_STREQ(block, "xyz");
    Free_And_Null(&block);
    EXPECT_EQ(Read_Data_Block(nullptr, 0.0, nullptr), 1);
}

TEST(DataFiles, BadBlockLengthsGiveNull) {
    const char* files[] = {" 1.0 -1 x\n", " 1.0 1048577 x\n", " 1.0 20 nur zehn\n", " 1.0 5", " 1.0 viel"};
    for (const char* text : files) {
        SCOPED_TRACE(text);
        Text_Stream file(text);
        ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
        char* block = Strdup_Counted("alt");
        const int live = Get_Block_Count();
        EXPECT_EQ(Read_Data_Block(&block, 0.0, nullptr), 1);
        EXPECT_EQ(block, nullptr);
        EXPECT_EQ(Get_Block_Count(), live - 1);   // the old text released, nothing else kept
    }
}

TEST(DataFiles, WritersRefuseValuesThatWouldNotReadBack) {
    struct Case {
        const char* what;
        char type;
        const void* value;
    };
    const char tab = '\t', blank = ' ', hash = '#', bang = '!';
    const std::string long_text(255, 't');
    const Case refused[] = {
        {"c tab", 'c', &tab},
        {"c blank", 'c', &blank},
        {"c comment sign", 'c', &hash},
        {"s empty", 's', ""},
        {"s with blank", 's', "a b"},
        {"s with line end", 's', "a\nb"},
        {"s with section sign", 's', "\x15" "3"},
        {"s opening a comment", 's', "#3"},
        {"t of 255 characters", 't', long_text.c_str()},
        {"t with tab", 't', "a\tb"},
        {"t with line end", 't', "a\nb"},
        {"t opening a comment", 't', "#3 Stütze"_cp},
        {"unknown type", 'x', "a"},
        {"no value", 'd', nullptr},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.what);
        const std::string bytes = Capture_Output([&c](FILE* f) {
            Begin_Data_Write(f, 1.0);
            EXPECT_EQ(Write_Data_Field(c.value, c.type), 1);
        });
        EXPECT_EQ(bytes, " 1.000000  # Datenversionsnummer\n");
    }
    const std::string bytes = Capture_Output([](FILE* f) {
        Begin_Data_Write(f, 1.0);
        EXPECT_EQ(Write_Data_Comment("zwei\nZeilen"), 1);
        EXPECT_EQ(Write_Placeholder_Field('x'), 1);
        const std::string block(Data_Block_Limit + 1, 'b');
        EXPECT_EQ(Write_Data_Block(block.c_str()), 1);
    });
    EXPECT_EQ(bytes, " 1.000000  # Datenversionsnummer\n");

    // The limits themselves are written and read back.
    const std::string longest(254, 'L');
    const std::string written = Capture_Output([&](FILE* f) {
        Begin_Data_Write(f, 1.0);
        EXPECT_EQ(Write_Data_Field(&bang, 'c'), 0);
        EXPECT_EQ(Write_Data_Field(longest.c_str(), 't'), 0);
        EXPECT_EQ(Write_Data_Field("a#b", 's'), 0);
        EXPECT_EQ(Write_Data_Block(nullptr), 0);
        for (const char type : {'c', 'd', 'i', 's', 't'}) EXPECT_EQ(Write_Placeholder_Field(type), 0);
    });
    EXPECT_EQ(written, " 1.000000  # Datenversionsnummer\n !  " + longest + "  a#b  0 \n *  -1.000000e+00  0  ***  *** ");
    Text_Stream file(written);
    ASSERT_EQ(Begin_Data_Read(file.stream, 1.0), 0);
    char c[2], t[256], s[8];
    EXPECT_EQ(Read_Data_Field(c, 'c', 0, 0), 0);
    EXPECT_EQ(Read_Data_Field(t, 't', 0, 0), 0);
    EXPECT_EQ(Read_Data_Field(s, 's', 0, 0), 0);
    EXPECT_STREQ(c, "!");
    EXPECT_EQ(std::string(t), longest);
    EXPECT_STREQ(s, "a#b");

    EXPECT_EQ(Begin_Data_Write(nullptr, 1.0), 1);   // no stream: every writer fails
    EXPECT_EQ(Write_Data_Line_End(), 1);
}

}  // namespace
