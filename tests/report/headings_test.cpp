// Chapter numbering and headings: numbers, outline entries and the heading paragraphs as they stand
// in the report file.
#include "report/headings.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "report/graphic_block.h"
#include "report/paragraph_writer.h"
#include "report/report_capture.h"

namespace {

// The chapter set-up of every report head: numbers inline (or none), outline entries on all six
// levels, outline groups only for level 1; width selector 1 gives narrow number columns.
void Report_Head_Numbering(int mode, int width_selector = 0) {
    OLI_Reset_Chapters(0, width_selector, mode);
    OLI_Set_Bookmark_Depth(6);
    OLI_Set_Bookmark_Group_Depth(1);
}

// Numbers inline with the given outline depth and group limit.
void Outline_Limits(int depth, int group_limit) {
    OLI_Reset_Chapters(0, 0, 1);
    OLI_Set_Bookmark_Depth(depth);
    OLI_Set_Bookmark_Group_Depth(group_limit);
}

// The outline codes in the order they were written.
std::vector<int> Bookmark_Codes(const std::string& text) {
    std::vector<int> codes;
    const std::regex line("#LAYOUT setBookmark (-?[0-9]+) ");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), line); it != std::sregex_iterator(); ++it)
        codes.push_back(std::stoi((*it)[1]));
    return codes;
}

}  // namespace

TEST(Headings, NumbersInlineChapterAndSection) {
    Report_Capture report;
    Report_Head_Numbering(1);
    OLI_Chapter_Heading_Code(report.stream, 1, 0, "%s", "Schraubenverbindung");
    OLI_Chapter_Heading(report.stream, 2, "Eingabe %d", 2);
    EXPECT_EQ(report.text(),
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#LAYOUT setBookmark 0 «╬@1. Schraubenverbindung»\n"
              "\n#SHOWPARA\n0x0\n5\n-1\n"
              " ╬@1. Schraubenverbindung\n"
              "#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
              "#LAYOUT setYPositionCM 1 0.1\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#LAYOUT setBookmark 0 «╬@1.1. Eingabe 2»\n"
              "\n#SHOWPARA\n0x0\n4\n-1\n"
              " ╬H╬@1.1. Eingabe 2╬r\n"
              "#END_OF_TEXT\n0x0\n-1\n"_cp);
}

TEST(Headings, NumberingOverLevels) {
    Report_Capture report;
    Report_Head_Numbering(1);
    const struct { int level; const char* number; } steps[] = {
        {1, "1."}, {2, "1.1."}, {2, "1.2."}, {1, "2."}, {2, "2.1."}, {3, "2.1.1."}, {7, "2.1.1.0.0.1."}, {2, "2.2."},
    };
    for (const auto& s : steps) {
        OLI_Chapter_Heading(report.stream, s.level, "T");
        EXPECT_STREQ(OLI_Get_Last_Chapter_Number(), s.number) << s.level;
    }
    EXPECT_EQ(OLI_Get_Chapter_Counter(6), 0);
}

TEST(Headings, LevelThreeDirectlyAfterTheFirstChapter) {
    Report_Capture report;
    Report_Head_Numbering(1);
    OLI_Chapter_Heading(report.stream, 1, "Kapitel");
    OLI_Chapter_Heading(report.stream, 3, "Tief");
    EXPECT_STREQ(OLI_Get_Last_Chapter_Number(), "1.0.1.");
    EXPECT_NE(report.text().find(" ╬H╬@1.0.1. Tief╬r\n"_cp), std::string::npos);
}

TEST(Headings, SuppressedNumbering) {
    Report_Capture report;
    Report_Head_Numbering(3);
    OLI_Chapter_Heading_Code(report.stream, 1, 0, "Vorschriften");
    EXPECT_EQ(OLI_Get_Last_Chapter_Number(), nullptr);
    EXPECT_EQ(OLI_Get_Chapter_Counter(1), 1);
    EXPECT_EQ(report.text(),
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#LAYOUT setBookmark 0 «Vorschriften»\n"
              "\n#SHOWPARA\n0x0\n5\n-1\n"
              " Vorschriften\n"
              "#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
              "#LAYOUT setYPositionCM 1 0.1\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"_cp);
}

TEST(Headings, NoNumbersWithoutInlineResetsTheLeftMargin) {
    Report_Capture report;
    Report_Head_Numbering(2);
    OLI_Chapter_Heading_No_Bookmark(report.stream, 2, "Abschnitt");
    EXPECT_EQ(report.text(),
              "#LAYOUT setMarginsCM 1 0 0\n"
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "\n#SHOWPARA\n0x0\n4\n-1\n"
              " ╬HAbschnitt╬r\n"
              "#END_OF_TEXT\n0x0\n-1\n"
              "#LAYOUT setMarginsCM 1 0 0\n"_cp);
}

TEST(Headings, TabStopFormPutsTheTitleBehindTheNumberColumns) {
    Report_Capture report;
    Report_Head_Numbering(0, 1);   // number columns of 0.28 cm
    OLI_Chapter_Heading_Code(report.stream, 1, 0, "Ergebnis");
    OLI_Chapter_Heading_Code(report.stream, 2, 0, "Details");
    EXPECT_EQ(report.text(),
              "#LAYOUT setMarginsCM 1 0 0\n"
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#LAYOUT setBookmark 0 «╬@1. Ergebnis»\n"
              "\n#SHOWPARA\n0x40\n5\n0x0 1\n1 0.63\n-1\n"
              " ╬@1.╬tErgebnis\n"
              "#END_OF_TEXT\n0x1000\n2 0.1\n-1\n"
              "#LAYOUT setYPositionCM 1 0.1\n"
              "#LAYOUT setMarginsCM 1 0.63 0\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"
              "#LAYOUT setMarginsCM 1 0 0\n"
              "#LAYOUT setYPositionCM 1 0.254\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#LAYOUT setBookmark 0 «╬@1.1. Details»\n"
              "\n#SHOWPARA\n0x40\n4\n0x0 1\n1 0.91\n-1\n"
              " ╬H╬@1.1.╬tDetails╬r\n"
              "#END_OF_TEXT\n0x0\n-1\n"
              "#LAYOUT setMarginsCM 1 0.91 0\n"_cp);
}

TEST(Headings, TabPositionFollowsTheDeepestLevel) {
    // Deepest level 3 adds 0.3, level 4 adds 0.2, any other 0.35 to the number columns.
    const struct { int level; const char* margin; } cases[] = {
        {3, "#LAYOUT setMarginsCM 1 1.14 0\n"},   // 3 × 0.28 + 0.3
        {4, "#LAYOUT setMarginsCM 1 1.32 0\n"},   // 4 × 0.28 + 0.2
        {5, "#LAYOUT setMarginsCM 1 1.75 0\n"},   // 5 × 0.28 + 0.35
    };
    Report_Capture report;
    OLI_Reset_Chapters(0, 1, 0);
    for (const auto& c : cases) {
        OLI_Chapter_Heading(report.stream, c.level, "X");
        const std::string text = report.text();
        EXPECT_EQ(text.substr(text.size() - std::string(c.margin).size()), c.margin) << c.level;
    }
}

TEST(Headings, WideColumnsFromTheSelectors) {
    Report_Capture report;
    OLI_Reset_Chapters(2, 1, 0);
    const int wide[] = {2, 2, 2, 2, 2, 2};
    OLI_Set_Chapter_Number_Widths(wide);   // only the first two (the deepest level) become wide
    OLI_Chapter_Heading(report.stream, 1, "A");
    EXPECT_NE(report.text().find("#LAYOUT setMarginsCM 1 1.31 0\n"), std::string::npos);   // 2 × 0.48 + 0.35
    OLI_Chapter_Heading(report.stream, 3, "B");
    EXPECT_NE(report.text().find("#LAYOUT setMarginsCM 1 1.54 0\n"), std::string::npos);   // 0.96 + 0.28 + 0.3
}

TEST(Headings, UnnumberedHeadingRestoresTheFont) {
    Report_Capture report;
    Report_Head_Numbering(1);
    OLI_Set_Font(6);
    OLI_Chapter_Heading(report.stream, 0, "Hinweis %s", "zum Anschluss");
    EXPECT_EQ(OLI_Get_Font(), 6);
    EXPECT_EQ(OLI_Get_Chapter_Counter(1), 0);
    EXPECT_EQ(report.text(),
              "#LAYOUT setYPositionCM 1 0.114\n"
              "\n#SHOWPARA\n0x0\n4\n-1\n"
              " ╬HHinweis zum Anschluss╬r\n"
              "#END_OF_TEXT\n0x0\n-1\n"_cp);
}

TEST(Headings, OutlineGroupsOfLevelOne) {
    Report_Capture report;
    Report_Head_Numbering(1);
    for (int k = 0; k < 3; ++k) OLI_Chapter_Heading(report.stream, 1, "Kapitel");
    EXPECT_EQ(Bookmark_Codes(report.text()), (std::vector<int>{16, 17, 16, 17, 16}));
}

TEST(Headings, GroupHeadingClosesTheDeeperGroups) {
    Report_Capture report;
    Outline_Limits(6, 3);
    OLI_Chapter_Heading(report.stream, 1, "A");
    OLI_Chapter_Heading(report.stream, 2, "B");
    OLI_Chapter_Heading(report.stream, 3, "C");
    OLI_Chapter_Heading(report.stream, 4, "D");   // deeper than the group limit: a plain entry
    OLI_Chapter_Heading(report.stream, 1, "E");
    EXPECT_EQ(Bookmark_Codes(report.text()), (std::vector<int>{16, 16, 16, 0, 17, 17, 17, 16}));
    OLI_Close_Bookmark_Groups(report.stream);
    OLI_Close_Bookmark_Groups(report.stream);   // the last group level stays: closes again
    EXPECT_EQ(Bookmark_Codes(report.text()), (std::vector<int>{16, 16, 16, 0, 17, 17, 17, 16, 17, 17}));
}

TEST(Headings, OutlineDepthLimitsTheEntries) {
    Report_Capture report;
    Outline_Limits(2, 1);
    OLI_Chapter_Heading(report.stream, 1, "A");
    OLI_Chapter_Heading(report.stream, 2, "B");
    OLI_Chapter_Heading(report.stream, 3, "C");
    EXPECT_EQ(Bookmark_Codes(report.text()), (std::vector<int>{16, 0}));
}

TEST(Headings, CountingAdvancesAndWritesOnlyTheOutline) {
    Report_Capture report;
    Report_Head_Numbering(1);
    OLI_Count_Chapter_Heading(report.stream, 1, "A");
    OLI_Count_Chapter_Heading(report.stream, 2, "B");
    EXPECT_EQ(OLI_Get_Chapter_Counter(2), 1);
    EXPECT_EQ(report.text(),
              "#LAYOUT setBookmark 16 «╬@1. A»\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"
              "#LAYOUT setBookmark 0 «╬@1.1. B»\n"_cp);
    OLI_Chapter_Heading(report.stream, 2, "C");   // written again after counting
    EXPECT_NE(report.text().find(" ╬H╬@1.2. C╬r\n"_cp), std::string::npos);
}

TEST(Headings, NullStreamOrNegativeLevelLeavesTheCounters) {
    Report_Capture report;
    Report_Head_Numbering(1);
    OLI_Chapter_Heading(nullptr, 1, "A");
    OLI_Count_Chapter_Heading(nullptr, 2, "B");
    OLI_Chapter_Heading(report.stream, -1, "C");
    EXPECT_EQ(OLI_Get_Chapter_Counter(1), 0);
    EXPECT_EQ(OLI_Get_Chapter_Counter(2), 0);
    EXPECT_EQ(report.text(), "");
}

TEST(Headings, LongTitleIsCutTo254Characters) {
    Report_Capture report;
    Report_Head_Numbering(1);
    const std::string title(300, 'x');
    OLI_Chapter_Heading(report.stream, 1, "%s", title.c_str());
    const std::string line = " ╬@1. "_cp + title.substr(0, 254 - 5) + "\n";
    EXPECT_NE(report.text().find(line), std::string::npos);
}

TEST(Headings, CounterAccessClampsTheLevel) {
    EXPECT_EQ(OLI_Set_Chapter_Counter(0, 5), 5);
    EXPECT_EQ(OLI_Get_Chapter_Counter(1), 5);
    EXPECT_EQ(OLI_Next_Chapter_Counter(-3), 6);
    EXPECT_EQ(OLI_Set_Chapter_Counter(9, 2), 2);
    EXPECT_EQ(OLI_Get_Chapter_Counter(6), 2);
    EXPECT_STREQ(OLI_Get_Last_Chapter_Number(), "???");   // no heading written yet
}

TEST(Headings, GraphicFormOfOlderPrintLists) {
    Report_Capture report;
    OLI_Set_Format_Level(334);
    Report_Head_Numbering(0, 1);
    OLI_Chapter_Heading_Code(report.stream, 1, 0, "Titel");
    OLI_Chapter_Heading_Code(report.stream, 2, 0, "Schnitt");
    EXPECT_EQ(report.text(),
              "#LAYOUT setMarginsCM 1 0 0\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              " 0.000000 17.000000 0.000000 0.800000\n"
              " 7 5\n"
              " 2 0.000000 0.200000 «1.»\n"
              " 2 0.630000 0.200000 «Titel»\n"
              " -1\n"
              "#LAYOUT setBookmark 0 «╬@1. Titel»\n"
              "#LAYOUT setBookmark 15 «»\n"
              "#LAYOUT setYPositionCM 1 -0.6\n"
              "#LAYOUT setMarginsCM 1 0.63 0\n"
              "#LAYOUT setYPositionCM 1 -0.19\n"
              "#LAYOUT setMarginsCM 1 0 0\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              " 0.000000 17.000000 0.000000 0.700000\n"
              " 7 4\n"
              " 2 0.000000 0.100000 «1.»\n"
              " 2 0.280000 0.100000 «1.»\n"
              " 2 0.910000 0.100000 «Schnitt»\n"
              " 2 0.010000 0.110000 «1.»\n"
              " 2 0.290000 0.110000 «1.»\n"
              " 2 0.920000 0.110000 «Schnitt»\n"
              " -1\n"
              "#LAYOUT setBookmark 0 «╬@1.1. Schnitt»\n"
              "#LAYOUT setBookmark 15 «»\n"
              "#LAYOUT setYPositionCM 1 -0.6\n"
              "#LAYOUT setMarginsCM 1 0.91 0\n"_cp);
}

TEST(Headings, GraphicFormEndsAnOpenParagraphFirst) {
    Report_Capture report;
    OLI_Set_Format_Level(300);
    Report_Head_Numbering(1);
    OLI_Reset_Paragraph_Format();
    OLI_Printf(report.stream, "Text davor");
    OLI_Chapter_Heading_No_Bookmark(report.stream, 4, "Unterpunkt");
    EXPECT_EQ(report.text(),
              "\n#SHOWPARA\n0x0\n4\n-1\n Text davor\n#END_OF_TEXT\n0x0\n-1\n"
              "#LAYOUT reserveSpaceCM 3\n"
              "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n"
              " 0.000000 17.000000 0.000000 0.700000\n"
              " 7 4\n"
              " 2 0.000000 0.100000 «0.0.0.1. Unterpunkt»\n"
              " -1\n"
              "#LAYOUT setYPositionCM 1 -0.6\n"_cp);
}
