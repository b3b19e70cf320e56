#include "common/base_path.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "test_support.h"

TEST(Base_Path, KeepsAtMost260CharactersAndFindsTheDirectory) {
    const std::string id261(261, 'a');
    EXPECT_EQ(std::string(Set_Base_Path(id261.c_str())), std::string(260, 'a'));

    struct Case { const char* id; const char* directory; };
    const Case cases[] = {
        {"D:abc", "D:"},
        {"D:\\pos\\B1", "D:\\pos"},
        {"/work/pos/B1", "/work/pos"},
        {"pos/sub\\B1", "pos/sub"},
    };
    for (const Case& c : cases) {
        Set_Base_Path(c.id);
        EXPECT_STREQ(Get_Base_Directory(), c.directory) << c.id;
    }
    Set_Base_Path("B1");
    EXPECT_EQ(std::string(Get_Base_Directory()), std::filesystem::current_path().string());
    EXPECT_STREQ(Set_Base_Path(nullptr), "");
}

TEST(Base_Path, JoinedNamesOver260AreRefused) {
    const std::string base(255, 'b');
    Set_Base_Path(base.c_str());
    EXPECT_EQ(Get_Base_File_Name("_01.INP"), nullptr);        // 262 characters
    ASSERT_NE(Get_Base_File_Name("_01.I"), nullptr);          // exactly 260
    EXPECT_EQ(std::string(Get_Base_File_Name("_01.I")), base + "_01.I");
    EXPECT_EQ(Open_Base_File("_01.INP", "r"), nullptr);
    EXPECT_EQ(Base_File_Exists("_01.INP"), 0);
    EXPECT_EQ(Remove_Base_File("_01.INP"), 1);
    EXPECT_EQ(Rename_Base_File("_01.I", "_01.INP"), 0);
    EXPECT_EQ(Copy_Base_File("_01.I", "_01.INP", 1), 0);
    EXPECT_EQ(Remove_Base_Files_Matching("_0*.INPX"), -1);
}

TEST(Base_Path, BuildIntoCallersBufferNeverOverruns) {
    Set_Base_Path("abcdefg");
    char buffer[10];
    EXPECT_EQ(Build_Base_File_Name(buffer, "xyz", sizeof buffer), nullptr);  // 10 characters
    EXPECT_STREQ(buffer, "abcdefgxy");
    EXPECT_EQ(Build_Base_File_Name(buffer, "xy", sizeof buffer), buffer);    // 9 characters
    EXPECT_STREQ(buffer, "abcdefgxy");
    EXPECT_EQ(Build_Base_File_Name(nullptr, "x", 10), nullptr);
}

TEST(Base_Path, FileOperationsOnJoinedNames) {
    Scratch_Dir dir;
    Set_Base_Path(dir.file("B001").c_str());
    FILE* f = Open_Base_File("_01.INP", "w");
    ASSERT_NE(f, nullptr);
    std::fputs("1\n", f);
    std::fclose(f);
    EXPECT_EQ(Base_File_Exists("_01.INP"), 1);
    EXPECT_EQ(Copy_Base_File("_01.INP", "_02.INP", 1), 1);
    EXPECT_EQ(Rename_Base_File("_02.INP", "_03.INP"), 1);
    EXPECT_EQ(Read_File(dir.file("B001_03.INP")), "1\n");
    Write_File(dir.file("B001_01.BAK"), "x");
    EXPECT_EQ(Remove_Base_Files_Matching("_0?.INP"), 2);
    EXPECT_EQ(Base_File_Exists("_01.INP"), 0);
    EXPECT_EQ(Base_File_Exists("_01.BAK"), 1);
    EXPECT_EQ(Remove_Base_File("_01.BAK"), 0);
    EXPECT_EQ(Remove_Base_File("_01.BAK"), 1);
    EXPECT_EQ(Remove_Base_Files_Matching("_*.XYZ"), 0);
}

TEST(Position_File, ThreeLineAndOneLineForms) {
    Scratch_Dir dir;
    struct Case { const char* content; int result; const char* number; const char* title; };
    const std::string long_title(60, 'T');
    const std::string with_long = "7\n12a\n" + long_title + "\n";
    const std::string cut_title = long_title.substr(0, 50);
    const Case cases[] = {
        {"7\n12a\nHalle Nord\n", 0, "12a", "Halle Nord"},
        {"7\r\n12a\r\nHalle Nord\r\n", 0, "12a", "Halle Nord"},
        {"12a:Halle Nord\n", 0, "12a", "Halle Nord"},
        {"12a:Halle Nord", 0, "12a", "Halle Nord"},
        {"7\n1234567890\nHalle Nord\n", 0, "123456", "Halle Nord"},
        {with_long.c_str(), 0, "12a", cut_title.c_str()},
        {"7\n12a\n", 1, "12a", ""},
        {"12a\n", 0, "12a", ""},
        {"1234567:Titel", 0, "123456", "Titel"},
        {"", 1, "", ""},
    };
    for (const Case& c : cases) {
        Write_File(dir.file("B001_01.TXT"), c.content);
        EXPECT_EQ(Read_Position_Info(dir.file("B001_01.TXT").c_str()), c.result) << c.content;
        EXPECT_STREQ(Position_Info.number, c.number) << c.content;
        EXPECT_STREQ(Position_Info.title, c.title) << c.content;
    }
    EXPECT_EQ(Read_Position_Info(dir.file("missing.TXT").c_str()), 1);
    EXPECT_STREQ(Position_Info.number, "");
}

TEST(Temp_Files, FiveSlotsAtMost) {
    Scratch_Dir dir;
    setenv("TEMP", dir.path.c_str(), 1);
    FILE* open[5];
    for (FILE*& f : open) {
        f = Open_Temp_File("w+");
        ASSERT_NE(f, nullptr);
    }
    EXPECT_EQ(Open_Temp_File("w+"), nullptr);
    FILE* other = std::tmpfile();
    EXPECT_EQ(Close_Temp_File(other), 0);
    std::fclose(other);
    for (FILE* f : open) EXPECT_EQ(Close_Temp_File(f), 1);
    EXPECT_TRUE(std::filesystem::is_empty(dir.path));
    char name[261];
    ASSERT_EQ(Make_Temp_File_Name(name), name);
    EXPECT_EQ(std::string(name).rfind(dir.path + "/VEK", 0), 0u);
}

TEST(Number_Lists, OneLineAndAcrossLines) {
    {
        Text_Stream in("3 x 5\n0x1F 017 9\n");
        int v[3] = {9, 9, 9};
        EXPECT_EQ(Read_Int_Line(in.stream, v, 3), 1);
        EXPECT_EQ(v[0], 3);
        EXPECT_EQ(v[1], 0);
        EXPECT_EQ(v[2], 0);
        EXPECT_EQ(Read_Int_Line(in.stream, v, 3), 1);
        EXPECT_EQ(v[0], 31);
        EXPECT_EQ(v[1], 15);
        EXPECT_EQ(v[2], 9);
        EXPECT_EQ(Read_Int_Line(in.stream, v, 3), 0);
        EXPECT_EQ(v[0], 0);
    }
    {
        Text_Stream in("1.5kN 2e3\r\n");
        double v[3];
        EXPECT_EQ(Read_Double_Line(in.stream, v, 3), 1);
        EXPECT_DOUBLE_EQ(v[0], 1.5);
        EXPECT_DOUBLE_EQ(v[1], 2000.0);
        EXPECT_DOUBLE_EQ(v[2], 0.0);
    }
    {
        Text_Stream in("1 2\n3\nx 4");
        double v[5];
        EXPECT_EQ(Read_Double_Values(in.stream, v, 5), 3);
        EXPECT_DOUBLE_EQ(v[2], 3.0);
        EXPECT_DOUBLE_EQ(v[3], 0.0);
        int w[2];
        EXPECT_EQ(Read_Int_Values(nullptr, w, 2), 0);
    }
}
