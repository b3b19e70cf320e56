// The export file of an internal-force import beside the position, its line count, the import's
// notice, and the plain copy of a text file.
#include "frame/import_info.h"

#include <gtest/gtest.h>

#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "test_support.h"

TEST(ImportInfo, ExportFileBesideThePosition) {
    Scratch_Dir dir;
    Set_Base_Path(dir.file("B001").c_str());
    EXPECT_EQ(Count_Export_Info_Lines(), 0);
    FILE* out = Open_Export_Info_File(0, 0);
    ASSERT_NE(out, nullptr);
    std::fputs("Bauteil: Rahmen 3\n\nStab 12\r\n\r\n", out);
    std::fputs((std::string(450, 'x') + "\nletzte").c_str(), out);
    std::fclose(out);
    EXPECT_TRUE(File_Exists(dir.file("B001.EXP")));
    // Four lines with text; the empty ones do not count, a long line counts once.
    EXPECT_EQ(Count_Export_Info_Lines(), 4);
    EXPECT_EQ(Open_Export_Info_File(1, 1), nullptr);
    EXPECT_FALSE(File_Exists(dir.file("B001.EXP")));
    EXPECT_STREQ(Get_Export_Base_Name(), "");
}

TEST(ImportInfo, NoticeNamesTheSourcePrograms) {
    const Import_Info_Text* info = Get_Import_Info_Text();
    EXPECT_STREQ(info->notice,
                 "Schnittgrößenimport aus\nTalvo-RIMO² (2D-Rahmen)\nTalvo-KESP² (3D-Stabtragwerk)\nTalvo-OBRAN (Durchlaufträger)"_cp);
    EXPECT_EQ(info->code, 10610);
    EXPECT_EQ(info->flags, 0);
}

TEST(ImportInfo, CopyTextFile) {
    Scratch_Dir dir;
    Write_File(dir.file("a.txt"), "erste\nzweite\n");
    EXPECT_EQ(Copy_Text_File(dir.file("a.txt").c_str(), dir.file("b.txt").c_str()), 0);
    EXPECT_EQ(Read_File(dir.file("b.txt")), "erste\nzweite\n");
    EXPECT_EQ(Copy_Text_File(dir.file("a.txt").c_str(), dir.file("a.txt").c_str()), 0);   // onto itself
    EXPECT_EQ(Read_File(dir.file("a.txt")), "erste\nzweite\n");
    EXPECT_EQ(Copy_Text_File(dir.file("missing").c_str(), dir.file("b.txt").c_str()), 1);
    EXPECT_EQ(Read_File(dir.file("b.txt")), "erste\nzweite\n");   // untouched
    EXPECT_EQ(Copy_Text_File(dir.file("a.txt").c_str(), dir.file("no/such/c.txt").c_str()), 1);
}
