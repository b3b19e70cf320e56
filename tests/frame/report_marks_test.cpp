// Report marks, verdicts, tolerant relation signs and message lines with their colour tags.
#include "frame/report_marks.h"

#include <gtest/gtest.h>

#include <string>

#include "common/cp437.h"
#include "report/paragraph_writer.h"
#include "report/report_capture.h"

namespace {

const std::string Red = "╬{C 1 230 0 0}"_cp;
const std::string Blue = "╬{C 1 40 140 255}"_cp;
const std::string Violet = "╬{C 1 165 75 165}"_cp;
const std::string Grey = "╬{C 1 110 110 110}"_cp;
const std::string Reset = "╬{C 768}"_cp;

struct Text_Case {
    const char* name;
    const char* (*text)();
    std::string expected;
};

const Text_Case Marks[] = {
    {"Mark_Ok", Mark_Ok, Blue + "╬Hok"_cp + Reset},
    {"Mark_Not_Ok", Mark_Not_Ok, Red + "╬Hnicht ok !!"_cp + Reset},
    {"Mark_EC3_Condition", Mark_EC3_Condition, Violet + "EC 3-Bedingung !!" + Reset},
    {"Mark_Error", Mark_Error, Red + "╬H!!"_cp + Reset},
    {"Mark_Warning", Mark_Warning, Violet + "╬H!!"_cp + Reset},
    {"Mark_Note_Ok", Mark_Note_Ok, Violet + "ok" + Reset},
};

const Text_Case Verdicts_And_Tags[] = {
    {"Verdict_Verified", Verdict_Verified, Blue + "Nachweis erbracht" + Reset},
    {"Verdict_Not_Verified", Verdict_Not_Verified, Red + "Tragfähigkeit nicht gewährleistet !!"_cp + Reset},
    {"Verdict_Not_Determinable", Verdict_Not_Determinable, Red + "Tragfähigkeit nicht ermittelbar !!"_cp + Reset},
    {"Colour_Tag_Grey", Colour_Tag_Grey, Grey},
    {"Colour_Tag_Violet", Colour_Tag_Violet, Violet},
    {"Colour_Tag_Blue", Colour_Tag_Blue, Blue},
    {"Colour_Tag_Red", Colour_Tag_Red, Red},
    {"Colour_Tag_Reset", Colour_Tag_Reset, Reset},
};

}  // namespace

TEST(Report_Marks, EveryMarkVerdictAndTag) {
    for (const Text_Case& c : Marks) EXPECT_EQ(c.text(), c.expected) << c.name;
    for (const Text_Case& c : Verdicts_And_Tags) EXPECT_EQ(c.text(), c.expected) << c.name;
}

TEST(Report_Marks, RepeatedCallsGiveEqualTexts) {
    const std::string first = Mark_Ok();
    EXPECT_EQ(first, Mark_Ok());
}

TEST(Report_Marks, SuppressionEmptiesTheMarksOnly) {
    EXPECT_EQ(Set_Mark_Suppression(1), 1);
    for (const Text_Case& c : Marks) EXPECT_STREQ(c.text(), "") << c.name;
    for (const Text_Case& c : Verdicts_And_Tags) EXPECT_EQ(c.text(), c.expected) << c.name;
    Set_Mark_Suppression(0);
    EXPECT_EQ(Mark_Ok(), Marks[0].expected);
}

TEST(Report_Marks, CompareSignsAtTheirTolerance) {
    const std::string red_less = Red + "╬H<╬r"_cp + Reset;
    const std::string red_greater = Red + "╬H>╬r"_cp + Reset;
    const struct { double a, b; std::string at_least, at_most; } cases[] = {
        {10.0005, 10.0, "=", "="},
        {9.998, 10.0, red_less, "<"},
        {10.002, 10.0, ">", red_greater},
        {10.0 - 0.001, 10.0, "=", "="},     // both limits of the band belong to it
        {10.0 + 0.001, 10.0, "=", "="},
        {9.9985, 10.0, red_less, "<"},      // just outside the band
        {10.0015, 10.0, ">", red_greater},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Compare_Sign_At_Least(c.a, c.b), c.at_least) << c.a;
        EXPECT_EQ(Compare_Sign_At_Most(c.a, c.b), c.at_most) << c.a;
    }
}

TEST(Report_Marks, MarkedTextsUpTo200Characters) {
    const std::string t200(200, 'a');
    const std::string t201(201, 'a');
    EXPECT_EQ(Mark_Red_Text(t200.c_str()), Red + "╬H"_cp + t200 + " !!" + Reset);
    EXPECT_EQ(Mark_Violet_Text("Randabstand"), Violet + "Randabstand" + Reset);
    EXPECT_EQ(Mark_Grey_Text("Hinweis"), Grey + "Hinweis" + Reset);
    EXPECT_EQ(Mark_Red_Text(t201.c_str()), Marks[1].expected);
    EXPECT_EQ(Mark_Violet_Text(t201.c_str()), Marks[1].expected);
    EXPECT_EQ(Mark_Grey_Text(t201.c_str()), Marks[1].expected);
}

TEST(Report_Marks, SharedConstants) {
    EXPECT_STREQ(Report_Line_Prefix, "");
    EXPECT_STREQ(Times_Dot, "\xCE/.\xCEr");
    EXPECT_STREQ(Subscript_Perpendicular, "s");
    EXPECT_STREQ(Subscript_Parallel, "p");
    double first = 0.0, second = 0.0;
    Get_Default_Value_Pair(0, &first, &second);
    EXPECT_EQ(first, 18.0);
    EXPECT_EQ(second, 24.0);
    Get_Default_Value_Pair(0, nullptr, nullptr);
}

TEST(Report_Marks, MessageLines) {
    Report_Capture report;
    OLI_Reset_Paragraph_Format();
    FILE* f = report.stream;
    Write_Error_Text_Line(f, "Blechdicke zu gering");
    Write_Note_Line(f, "Randabstand beachten");
    Write_Not_Verified_Line(f, "Abschnitt 3");
    Write_Not_Verified_Line(f, "");
    Write_Calculation_Error_Line(f, "Lochleibung");
    Write_Data_Check_Error_Line(f, nullptr);
    Write_Ok_Line(f, "Abstände"_cp);
    Write_Not_Performed_Line(f, "Gleitfestigkeit");
    Write_Not_Performed_Line(f, nullptr);
    OLI_End_Paragraph(f);
    const std::string error = Red + "╬H!!"_cp + Reset;
    const std::string warning = Violet + "╬H!!"_cp + Reset;
    EXPECT_EQ(report.text(),
              "\n#SHOWPARA\n0x0\n4\n-1\n" +
              (" " + Red + "Blechdicke zu gering" + Reset + " " + error + "\n") +
              (" " + Violet + "Randabstand beachten !" + Reset + "\n") +
              (" ╬HDer Nachweis konnte nicht erbracht werden, s. Abschnitt 3 "_cp + error + "\n") +
              (" ╬HDer Nachweis konnte nicht erbracht werden "_cp + error + "\n") +
              (" ╬H"_cp + Red + "Fehler bei der Berechnung Lochleibung" + Reset + " " + error + "\n") +
              (" ╬H"_cp + Red + "Fehler beim Datencheck" + Reset + " " + error + "\n") +
              (" Abstände  "_cp + Blue + "╬Hok"_cp + Reset + "\n") +
              (" Gleitfestigkeit: Berechnung nicht durchgeführt "_cp + warning + "\n") +
              (" Berechnung nicht durchgeführt "_cp + warning + "\n") +
              "#END_OF_TEXT\n0x0\n-1\n");
}

TEST(Report_Marks, FootnoteOnceAfterTheFlagIsSet) {
    Report_Capture report;
    OLI_Reset_Paragraph_Format();
    Write_EC3_Condition_Footnote(report.stream);   // flag clear: nothing
    EC3_Condition_Footnote_Flag = 1;
    Write_EC3_Condition_Footnote(nullptr);         // no report: the flag stays
    EXPECT_EQ(EC3_Condition_Footnote_Flag, 1);
    Write_EC3_Condition_Footnote(report.stream);
    Write_EC3_Condition_Footnote(report.stream);
    EXPECT_EQ(EC3_Condition_Footnote_Flag, 0);
    OLI_End_Paragraph(report.stream);
    EXPECT_EQ(report.text(), "\n#SHOWPARA\n0x0\n4\n-1\n " + Violet +
                                 "Bedingung nach EC 3-1-8 sollte eingehalten werden" + Reset +
                                 "\n#END_OF_TEXT\n0x0\n-1\n");
}
