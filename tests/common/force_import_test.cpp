// The import of internal-force sets with stand-in tools in a scratch EXEC and TEMP: both result-file
// forms, set counts that do not fit, archived components, stale files that must not be read, and the
// question whether to take the same component again.
#include "common/force_import.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <string>

#include "common/cp437.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "test_support.h"

namespace {

// A set object as the tool writes it.
std::string Set_Object(int number, const char* name) {
    return "\n0x3 " + std::to_string(number) + " «" + name + "» " + std::to_string(number) + " 0\n0\n0 0 0\n";
}

// One result of the multi-set form with n sets: n × 6 values k, k + 1, …, then number, factor, texts.
std::string Multi_Result(int n, int k, const char* text) {
    std::string line;
    for (int v = 0; v < n * 6; ++v) line += std::to_string(k + v) + ".5 ";
    return line + std::to_string(k) + " 1.35 «" + text + "» «»\n";
}

const std::string Single_File =
    "V:1\n2 3\n1.5 2.5 3.5 7 1.35 «LF 1» «»\n4.5 5.5 6.5 8 1.5 «LF 2» «Stab 3»\n"
    "2 Info\n«a» «b» «c» «d» «e»\n«» «» «» «» «Ende»\n";

// TEMP also names the system's temporary folder, where every scratch folder is made: it is set back
// before the scratch folder goes.
struct Saved_Environment {
    std::string temp, exec;
    bool had_temp = false, had_exec = false;
    Saved_Environment() {
        if (const char* t = std::getenv("TEMP")) had_temp = true, temp = t;
        if (const char* e = std::getenv("EXEC")) had_exec = true, exec = e;
    }
    ~Saved_Environment() {
        had_temp ? setenv("TEMP", temp.c_str(), 1) : unsetenv("TEMP");
        had_exec ? setenv("EXEC", exec.c_str(), 1) : unsetenv("EXEC");
    }
};

struct Force_Import : ::testing::Test {
    Scratch_Dir dir;
    Saved_Environment saved;
    std::string exec, temp;
    Component_Record frame;   // a component without archive

    void SetUp() override {
        exec = dir.file("EXEC");
        temp = dir.file("TEMP");
        std::filesystem::create_directories(exec);
        std::filesystem::create_directories(temp);
        setenv("EXEC", exec.c_str(), 1);
        setenv("TEMP", temp.c_str(), 1);
        // The selection tool records its arguments and hands over the prepared result file.
        Tool("schnittgroessenauswahl",
             "echo \"$@\" > \"$TEMP/args\"\n"
             "[ -f \"$1\" ] && echo data >> \"$TEMP/args\"\n"
             "[ -f '" + dir.file("result.txt") + "' ] && cp '" + dir.file("result.txt") + "' \"$TEMP/schnittgroessenauswahl.txt\"\n"
             "exit 0\n");
        frame = Component("Rahmen", dir.file("Rahmen"));
    }
    void TearDown() override { Free_Imported_Results(); }

    void Tool(const std::string& name, const std::string& body) {
        Write_File(exec + "/" + name, "#!/bin/sh\n" + body);
        std::filesystem::permissions(exec + "/" + name, std::filesystem::perms::owner_all);
    }
    static Component_Record Component(const char* name, const std::string& path) {
        Component_Record c;
        std::strcpy(c.texts[0], name);
        std::strcpy(c.texts[1], path.c_str());
        return c;
    }
    void Result_File(const std::string& text) { Write_File(dir.file("result.txt"), To_Cp437(text)); }
    std::string Args() { return File_Exists(temp + "/args") ? Read_File(temp + "/args") : "<not run>"; }

    // Runs the import headless (questions answered by the script); its result.
    int Run(const std::string& script, const std::function<int()>& import) {
        int result = -1;
        Run_Headless(script, [&] {
            Host_Open_Screen(1024, 768);
            Init_Prop_Sheets();
            result = import();
            return 0;
        });
        return result;
    }
};

}  // namespace

TEST_F(Force_Import, MultiSetFormWithItsSetObjects) {
    Result_File("MULTICUT\n2\n" + Set_Object(1, "LK 1") + Set_Object(2, "LK 2") + "RESULTS\n1 2\n" +
                Multi_Result(2, 10, "Schnitt 1") + Multi_Result(2, 20, "Schnitt 2") + Multi_Result(2, 30, "Schnitt 3"));
    const char* extra[] = {"Stab 3", "x=1.5"};
    EXPECT_EQ(Run("", [&] { return Import_BeamCutMultiResults0(&frame, 1, 2, 3, 4, 2, extra); }), 3);
    EXPECT_EQ(Args(), dir.file("Rahmen") + ".EX2 1 2 3 4 2 Stab 3 x=1.5\n");
    EXPECT_FALSE(File_Exists(temp + "/schnittgroessenauswahl.txt"));   // removed after use
    EXPECT_EQ(Get_Result_Count(), 3);
    EXPECT_EQ(Get_Result_Value_Count(), 12);
    EXPECT_EQ(Get_Set_Result_Count(0), 1);
    EXPECT_EQ(Get_Set_Result_Count(1), 2);
    ASSERT_NE(Get_Imported_Set_Object(1), nullptr);
    EXPECT_STREQ(Get_Imported_Set_Object(1)->header.name, "LK 2");
    float values[12];
    ASSERT_EQ(Get_Result_Values(2, values), 1);
    EXPECT_FLOAT_EQ(values[0], 30.5f);
    EXPECT_FLOAT_EQ(values[11], 41.5f);
    EXPECT_EQ(Get_Result_Number(1), 20);
    EXPECT_FLOAT_EQ(Get_Result_Factor(1), 1.35f);
    EXPECT_STREQ(Get_Result_Text(1, 0), "Schnitt 2");
    EXPECT_EQ(Get_Result_Text(1, 1), nullptr);   // «» is kept as no text
    EXPECT_STREQ(Get_Current_Component_Path(), dir.file("Rahmen").c_str());

    // Outside the table.
    EXPECT_EQ(Get_Result_Values(3, values), 0);
    EXPECT_EQ(Get_Result_Number(-1), 0);
    EXPECT_EQ(Get_Result_Factor(3), 0.0f);
    EXPECT_EQ(Get_Result_Text(0, 7), nullptr);
    EXPECT_EQ(Get_Imported_Set_Object(2), nullptr);
    EXPECT_EQ(Get_Set_Result_Count(10), 0);
}

TEST_F(Force_Import, SingleForm) {
    Result_File(Single_File);
    EXPECT_EQ(Run("", [&] { return Import_Force_Results(&frame, 5, 6, 7, 8); }), 2);
    EXPECT_EQ(Args(), dir.file("Rahmen") + ".EX2 5 6 7 8\n");
    EXPECT_EQ(Get_Result_Value_Count(), 3);
    float values[3];
    ASSERT_EQ(Get_Result_Values(1, values), 1);
    EXPECT_FLOAT_EQ(values[2], 6.5f);
    EXPECT_STREQ(Get_Result_Text(1, 1), "Stab 3");
    EXPECT_STREQ(Get_Result_Text(0, 2), "a");
    EXPECT_STREQ(Get_Result_Text(0, 6), "e");
    EXPECT_EQ(Get_Result_Text(1, 2), nullptr);
    EXPECT_STREQ(Get_Result_Text(1, 6), "Ende");
}

TEST_F(Force_Import, FilesThatDoNotFitLeaveAnInvalidTable) {
    struct Case {
        const char* name;
        std::string file;
        bool multi;
    };
    const Case cases[] = {
        {"set count differs from n", "MULTICUT\n3\n" + Set_Object(1, "a") + Set_Object(2, "b") + Set_Object(3, "c") +
                                         "RESULTS\n0 0 0\n", true},
        {"result count beyond the file", "MULTICUT\n2\n" + Set_Object(1, "a") + Set_Object(2, "b") +
                                             "RESULTS\n2147483647 1\n", true},
        {"negative result count", "MULTICUT\n2\n" + Set_Object(1, "a") + Set_Object(2, "b") + "RESULTS\n-5 1\n", true},
        {"missing RESULTS", "MULTICUT\n2\n" + Set_Object(1, "a") + Set_Object(2, "b"), true},
        {"damaged set object", "MULTICUT\n2\n" + Set_Object(1, "a") + "\n0x3 2 «b» 2 0\n0\n-5 0 0\nRESULTS\n0 0\n", true},
        {"short result", "MULTICUT\n2\n" + Set_Object(1, "a") + Set_Object(2, "b") + "RESULTS\n1 0\n1.5 2.5\n", true},
        {"info count differs", "V:1\n1 1\n1.5 7 1.35 «a» «»\n2 Info\n«» «» «» «» «»\n", false},
        {"values per result 0", "V:1\n1 0\n7 1.35 «a» «»\n1 Info\n«» «» «» «» «»\n", false},
        {"counts beyond int", "V:1\n99999999999 1\n", false},
    };
    for (const Case& c : cases) {
        Result_File(c.file);
        const int n = Run("", [&] {
            return c.multi ? Import_BeamCutMultiResults0(&frame, 0, 0, 0, 0, 2, nullptr)
                           : Import_Force_Results(&frame, 0, 0, 0, 0);
        });
        EXPECT_EQ(n, 0) << c.name;
        EXPECT_EQ(Get_Result_Count(), 0) << c.name;
        EXPECT_EQ(Get_Result_Number(0), 0) << c.name;
        EXPECT_EQ(Get_Imported_Set_Object(0), nullptr) << c.name;
    }
    // Without sets the key line alone gives an empty valid table.
    Result_File("MULTICUT\n0\nRESULTS\n");
    EXPECT_EQ(Run("", [&] { return Import_BeamCutMultiResults0(&frame, 0, 0, 0, 0, 0, nullptr); }), 0);
    EXPECT_EQ(Args(), dir.file("Rahmen") + ".EX2 0 0 0 0\n");
}

TEST_F(Force_Import, MoreThanTenSetsAreRefusedBeforeTheToolRuns) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(Run("", [&] { return Import_BeamCutMultiResults0(&frame, 0, 0, 0, 0, 11, nullptr); }), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Import_BeamCutMultiResults0: n=11 ? to much :-(\n");
    EXPECT_EQ(Args(), "<not run>");
}

TEST_F(Force_Import, StaleResultIsNeverRead) {
    // A result of an earlier run lies in TEMP; this run's tool writes nothing.
    Write_File(temp + "/schnittgroessenauswahl.txt", To_Cp437(Single_File));
    EXPECT_EQ(Run("", [&] { return Import_Force_Results(&frame, 0, 0, 0, 0); }), 0);
    EXPECT_NE(Args(), "<not run>");
    EXPECT_EQ(Get_Result_Count(), 0);
    // Without TEMP nothing runs.
    unsetenv("TEMP");
    std::filesystem::remove(temp + "/args");
    Result_File(Single_File);
    EXPECT_EQ(Run("", [&] { return Import_Force_Results(&frame, 0, 0, 0, 0); }), 0);
    EXPECT_EQ(Args(), "<not run>");
}

TEST_F(Force_Import, ArchivedComponentIsExtractedAndRemovedAfterwards) {
    // The archive tool writes the member into the folder of its -o switch.
    Tool("7za", "for a; do case \"$a\" in -o*) out=\"${a#-o}\";; esac; done\necho daten > \"$out/AAAA.EX2\"\n");
    Write_File(dir.file("Halle.7z"), "archiv");
    Component_Record hall = Component("Halle", dir.file("Halle"));
    hall.archive = 1;
    std::strcpy(hall.archive_path, dir.file("Halle.7z").c_str());
    Write_File(temp + "/AAAA.EX2", "veraltet");
    Result_File(Single_File);
    EXPECT_EQ(Run("", [&] { return Import_Force_Results(&hall, 1, 1, 1, 1); }), 2);
    EXPECT_EQ(Args(), temp + "/AAAA.EX2 1 1 1 1\ndata\n");
    EXPECT_FALSE(File_Exists(temp + "/AAAA.EX2"));

    // An extraction that fails gives 0 and runs no tool.
    Tool("7za", "exit 2\n");
    std::filesystem::remove(temp + "/args");
    EXPECT_EQ(Run("", [&] { return Import_Force_Results(&hall, 1, 1, 1, 1); }), 0);
    EXPECT_EQ(Args(), "<not run>");
}

TEST_F(Force_Import, SameComponentAgainOrANewPick) {
    Result_File(Single_File);
    ASSERT_EQ(Run("", [&] { return Import_Force_Results(&frame, 0, 0, 0, 0); }), 2);
    // Yes: the current component again.
    EXPECT_EQ(Run("answer yes\n", [] { return Import_Force_Results(nullptr, 0, 0, 0, 0); }), 2);
    EXPECT_EQ(Args(), dir.file("Rahmen") + ".EX2 0 0 0 0\n");
    // No: the component selection picks another one (« and » are the bytes 174 and 175, octal 256 and 257).
    Tool("bauteilauswahl", "printf '1 2 \\256Stuetze\\257 \\256" + dir.file("Stuetze") +
                               "\\257 \\256\\257 \\256\\257 \\256\\257 \\256\\257 0' > \"$TEMP/bauteilauswahl.txt\"\n");
    EXPECT_EQ(Run("answer no\n", [] { return Import_Force_Results(nullptr, 0, 0, 0, 0); }), 2);
    EXPECT_EQ(Args(), dir.file("Stuetze") + ".EX2 0 0 0 0\n");
    EXPECT_STREQ(Get_Current_Component_Path(), dir.file("Stuetze").c_str());
    EXPECT_TRUE(Check_Force_Selection_Tool());
    unsetenv("EXEC");
    EXPECT_FALSE(Check_Force_Selection_Tool());
}
