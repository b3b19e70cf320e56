// Graphic head records, embedded pictures with their descriptions, and the escape tools.
#include "report/embedded_pictures.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "common/cp437.h"
#include "report/escape_tools.h"
#include "report/graphic_head_records.h"
#include "report/report_capture.h"

namespace {

struct Environment_Value {
    std::string name;
    Environment_Value(const char* n, const char* value) : name(n) {
        if (value) setenv(n, value, 1);
        else unsetenv(n);
    }
    ~Environment_Value() { unsetenv(name.c_str()); }
};

// Bytes 0, 1, 2, ... of the length, written to a file of the folder.
std::string Picture_File(const Scratch_Dir& dir, const std::string& name, int length) {
    std::string bytes;
    for (int k = 0; k < length; ++k) bytes += static_cast<char>(k);
    Write_File(dir.file(name), bytes);
    return dir.file(name);
}

std::string Hex_Of(int from, int to) {
    std::string hex;
    static const char digits[] = "0123456789abcdef";
    for (int k = from; k < to; ++k) {
        hex += digits[k / 16];
        hex += digits[k % 16];
    }
    return hex;
}

int Two_Lines(FILE* stream, std::uintptr_t datum) {
    return std::fprintf(stream, "1 0 0\n %d\n", static_cast<int>(datum)) > 0;
}
int Refuse(FILE*, std::uintptr_t) { return 0; }

}  // namespace

TEST(GraphicHeadRecords, DefaultFlagsCallbacksAndKindThree) {
    EXPECT_EQ(Report_Of([](FILE* f) { EXPECT_EQ(OLI_Write_Graphic_Head(f, nullptr), 0); }),
              "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n1\n0 10 0 5\n");
    Graphic_Head_Format head = Default_Graphic_Head_Format;
    head.flags = Graphic_Head_Further_Values | 0x4;
    head.first_callback = Two_Lines;
    head.user_datum = 7;
    head.kind = 3;
    head.window[1] = 17.5;
    head.kind_3_value = 0.25;
    head.further[3] = 2;
    EXPECT_EQ(Report_Of([&](FILE* f) {
                  EXPECT_EQ(OLI_Write_Graphic_Head(f, &head), 0);
                  EXPECT_EQ(OLI_Write_Zero_Line(f), 0);
              }),
              "\n\n#SHOWGRAFIC\n1 0 0\n 7\n0 0 0\n-999 65540 3\n0 0 0 2\n0 17.5 0 5\n0.25\n0\n\n");
    head.second_callback = Refuse;
    EXPECT_EQ(Report_Of([&](FILE* f) { EXPECT_EQ(OLI_Write_Graphic_Head(f, &head), -1); }),
              "\n\n#SHOWGRAFIC\n1 0 0\n 7\n");
    EXPECT_EQ(OLI_Write_Graphic_Head(nullptr, nullptr), -1);
}

TEST(EmbeddedPictures, HexDumpsOfZeroSixtyFourAndSixtyFiveBytes) {
    Scratch_Dir dir;
    Picture_Options o = Default_Picture_Options;
    o.flags = Picture_Embedded;
    const struct {
        int length;
        std::string dump;
    } cases[] = {
        {0, "{}\n"},
        {64, "{" + Hex_Of(0, 64) + "\n}\n"},
        {65, "{" + Hex_Of(0, 64) + "\n" + Hex_Of(64, 65) + "}\n"},
    };
    for (const auto& c : cases) {
        const std::string path = Picture_File(dir, "bild" + std::to_string(c.length) + ".bmp", c.length);
        int result = -1;
        EXPECT_EQ(Report_Of([&](FILE* f) { result = OLI_Write_Picture(f, 2.5, 1, path.c_str(), &o); }),
                  "75 4096 2.5 1 «.bmp»\n"_cp + c.dump)
            << c.length;
        EXPECT_EQ(result, 0);
    }
}

TEST(EmbeddedPictures, OptionFieldsAndTheWholePathWhenNotEmbedded) {
    Picture_Options o = {0x0031, 150, {1.5, 2, 3, 4}};
    EXPECT_EQ(Report_Of([&](FILE* f) { EXPECT_EQ(OLI_Write_Picture(f, 1, 2, "/daten/bild.v2/pic", &o), 0); }),
              "75 49 1 2 150 1.5 2 «/daten/bild.v2/pic»\n"_cp);
    o.flags = 0x0004;
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Write_Picture(f, 1, 2, "a.png", &o); }), "75 4 1 2 3 4 «a.png»\n"_cp);
    EXPECT_EQ(Report_Of([&](FILE* f) { OLI_Write_Picture(f, 1, 2, "a.png", nullptr); }), "75 0 1 2 «a.png»\n"_cp);
}

TEST(EmbeddedPictures, OnlyARegularFileIsEmbeddedAndBadPathsAreRefused) {
    Scratch_Dir dir;
    std::filesystem::create_directories(dir.file("dir.v2"));
    std::filesystem::create_directories(dir.file("bilder.d"));
    Picture_File(dir, "dir.v2/pic", 3);
    Picture_Options o = Default_Picture_Options;
    o.flags = Picture_Embedded;
    const struct {
        std::string path;
        int result;
        std::string written;
    } cases[] = {
        {dir.file("dir.v2/pic"), 0, "75 4096 0 0 «»\n{000102}\n"_cp},   // the file name has no extension
        {dir.file("bilder.d"), -1, "75 4096 0 0 «.d»\n"_cp},            // a directory is not embedded
        {dir.file("dir.v2/missing"), -1, "75 4096 0 0 «»\n"_cp},
        {dir.file("x»y.bmp"_cp), -1, ""},                                // could not be read back: nothing
        {dir.file("x\ny.bmp"), -1, ""},
    };
    for (const auto& c : cases) {
        int result = 1;
        EXPECT_EQ(Report_Of([&](FILE* f) { result = OLI_Write_Picture(f, 0, 0, c.path.c_str(), &o); }), c.written)
            << c.path;
        EXPECT_EQ(result, c.result) << c.path;
    }
    EXPECT_EQ(OLI_Write_Picture(nullptr, 0, 0, "a.bmp", &o), -1);
    EXPECT_EQ(Report_Of([&](FILE* f) { EXPECT_EQ(OLI_Write_Picture(f, 0, 0, nullptr, &o), -1); }), "");
}

TEST(EmbeddedPictures, PictureInfoRoundTripAndBrokenDescriptions) {
    OLI_GRAPHIC_Picture_Info info = {"foto.jpg", {640, 480, 96}, {16.9333, 12.7}};
    const std::string text = Report_Of([&](FILE* f) { EXPECT_NE(OLI_Write_Picture_Info(f, &info), 0); });
    EXPECT_EQ(text, "OLI_GRAPHIC_Picture_Info\n«foto.jpg»\n640 480\n96\n16.9333 12.7000\n"_cp);
    {
        Text_Stream in(text);
        OLI_GRAPHIC_Picture_Info back{};
        EXPECT_NE(OLI_Read_Picture_Info(in.stream, &back), 0);
        EXPECT_STREQ(back.name, "foto.jpg");
        EXPECT_EQ(back.integers[0], 640);
        EXPECT_EQ(back.integers[2], 96);
        EXPECT_DOUBLE_EQ(back.values[1], 12.7);
    }
    EXPECT_EQ(Report_Of([](FILE* f) { OLI_Write_Picture_Info(f, nullptr); }),
              "OLI_GRAPHIC_Picture_Info\n«???»\n0 0\n300\n0.0000 0.0000\n"_cp);

    const struct {
        const char* name;
        std::string text;
        const char* read_name;
        int first;
    } broken[] = {
        {"OverLongWord", std::string(100, 'O') + "LI_GRAPHIC_Picture_Info «a» 1 2 3 4 5", "???", 0},
        {"KeywordWithTail", "OLI_GRAPHIC_Picture_InfoX «a» 1 2 3 4 5", "???", 0},
        {"NoGuillemet", "OLI_GRAPHIC_Picture_Info a 1 2 3 4 5", "???", 0},
        {"ShortNumbers", "OLI_GRAPHIC_Picture_Info «a» 7", "a", 7},
        {"NotANumber", "OLI_GRAPHIC_Picture_Info «a» 7 x 3 4 5", "a", 7},
        {"NameCutTo19", "OLI_GRAPHIC_Picture_Info «" + std::string(30, 'n') + "» 1 2 3 4 5", "nnnnnnnnnnnnnnnnnnn", 1},
        {"Empty", "", "???", 0},
    };
    for (const auto& b : broken) {
        Text_Stream in(To_Cp437(b.text));
        OLI_GRAPHIC_Picture_Info back = info;
        const int ok = OLI_Read_Picture_Info(in.stream, &back);
        EXPECT_EQ(ok != 0, std::string(b.name) == "NameCutTo19") << b.name;
        EXPECT_STREQ(back.name, b.read_name) << b.name;
        EXPECT_EQ(back.integers[0], b.first) << b.name;
    }
    OLI_GRAPHIC_Picture_Info bad = {"a»b", {0, 0, 0}, {0, 0}};
    bad.name[1] = static_cast<char>(175);
    EXPECT_EQ(Report_Of([&](FILE* f) { EXPECT_EQ(OLI_Write_Picture_Info(f, &bad), 0); }), "");
}

TEST(EmbeddedPictures, QueryRunsThePictureToolAndLeavesNoTemporaryFile) {
    Scratch_Dir exec, temp;
    Environment_Value temp_folder("TEMP", temp.path.c_str());
    const std::string tool = exec.file("ncvtinfo.exe");
    Write_File(tool, "#!/bin/sh\n"
                     "[ -f \"$1\" ] || exit 2\n"
                     "printf 'OLI_GRAPHIC_Picture_Info\\n\\256bild\\257\\n800 600\\n72\\n28.2222 21.1667\\n' > \"$2\"\n");
    std::filesystem::permissions(tool, std::filesystem::perms::owner_all);
    Write_File(exec.file("bild.bmp"), "BM");
    const auto leftovers = [&] { return std::distance(std::filesystem::directory_iterator(temp.path), {}); };

    OLI_GRAPHIC_Picture_Info info{};
    {
        Environment_Value no_exec("EXEC", nullptr);
        EXPECT_EQ(OLI_Query_Picture_Info(exec.file("bild.bmp").c_str(), &info), 0);
        EXPECT_STREQ(info.name, "???");
        EXPECT_EQ(leftovers(), 0);
    }
    Environment_Value with_exec("EXEC", exec.path.c_str());
    EXPECT_EQ(OLI_Query_Picture_Info(exec.file("bild.bmp").c_str(), &info), 1);
    EXPECT_STREQ(info.name, "bild");
    EXPECT_EQ(info.integers[1], 600);
    EXPECT_DOUBLE_EQ(info.values[0], 28.2222);
    EXPECT_EQ(leftovers(), 0);

    // The tool ends with a nonzero code: nothing read, nothing left.
    EXPECT_EQ(OLI_Query_Picture_Info(exec.file("fehlt.bmp").c_str(), &info), 0);
    EXPECT_STREQ(info.name, "???");
    EXPECT_EQ(leftovers(), 0);
    // The tool is missing.
    std::filesystem::remove(tool);
    EXPECT_EQ(OLI_Query_Picture_Info(exec.file("bild.bmp").c_str(), &info), 0);
    EXPECT_EQ(OLI_Query_Picture_Info(nullptr, &info), 0);
    EXPECT_EQ(leftovers(), 0);
}

TEST(EscapeTools, FormatShortFitsNinetyNineCharacters) {
    EXPECT_EQ(std::string(OLI_Format_Short("%s", std::string(99, 'a').c_str())), std::string(99, 'a'));
    EXPECT_STREQ(OLI_Format_Short("%s", std::string(100, 'a').c_str()), "");
    EXPECT_STREQ(OLI_Format_Short("%d kN", 12), "12 kN");
}

TEST(EscapeTools, StripEscapesKeepsThePlainCharacters) {
    const struct {
        std::string text;
        int strip, convert;
        std::string result;
    } cases[] = {
        {"{╬{C 255 0 0}ok╬{C}} M╬\\Ed╬r"_cp, 1, 0, "{ok} MEd"},
        {"ab╬"_cp, 1, 0, "ab"},                               // a lone escape at the end goes alone
        {"a╬{L 0 1\nb"_cp, 1, 0, "a\nb"},                     // the line feed ends the group and stays
        {"a╬{L 0 1"_cp, 1, 0, "a"},                           // open to the end: the rest goes
        {"Größe ²«»"_cp, 0, 1, "Gr\xF6\xDF" "e \xB2\xAB\xBB"},
        {"╔═╗│░"_cp, 0, 1, "+-+\xA6_"},
        {std::string("\x0F\x14\x15\xFF", 4), 0, 1, "\xA4\xB6\xA7 "},
        {"x╬bä╬r"_cp, 1, 1, "x\xE4"},
        {"╬b"_cp, 0, 0, "╬b"_cp},
    };
    for (const auto& c : cases) {
        std::string buffer = c.text;
        OLI_Strip_Escapes(buffer.data(), c.strip, c.convert);
        EXPECT_EQ(std::string(buffer.c_str()), c.result) << c.text;
    }
    OLI_Strip_Escapes(nullptr, 1, 1);
}
