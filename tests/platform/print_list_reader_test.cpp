#include "platform/printlist/print_list_reader.h"

#include <gtest/gtest.h>

#include "common/cp437.h"

namespace {

std::vector<Print_List_Item> Read(const std::string& text, Print_List_Warnings& warnings) {
    return Read_Print_List(text, warnings);
}

template <class T>
const T& Item(const std::vector<Print_List_Item>& items, std::size_t k) {
    static const T none{};
    if (k >= items.size() || !std::holds_alternative<T>(items[k].content)) {
        ADD_FAILURE() << "item " << k << " is not of the expected kind";
        return none;
    }
    return std::get<T>(items[k].content);
}

}  // namespace

// A block with a format change: the first format's space before, the trailer's space before the
// second format, its indents, tab stops and the final trailer's space after.
TEST(Print_List_Reader, ParagraphBlockWithAFormatChange) {
    Print_List_Warnings w;
    const auto items = Read(
        "\n#SHOWPARA\n0x10\n4\n2 0.25\n-1\n a\n"
        "#END_OF_TEXT\n0x1004\n2 0.3\n0xc60\n5\n2 0.3 1 2\n0x0 2\n2 1.5\n1 4\n0.8\n2 0.05\n-1\n b\n  c\n"
        "#END_OF_TEXT\n0x1000\n2 0.1\n-1\n",
        w);
    ASSERT_EQ(items.size(), 1u);
    EXPECT_EQ(items[0].line, 2);
    const auto& p = Item<Paragraph_Block>(items, 0);
    ASSERT_EQ(p.runs.size(), 2u);
    EXPECT_EQ(p.runs[0].format.font, 4);
    EXPECT_EQ(p.runs[0].space_before.value, 0.25);
    EXPECT_EQ(p.runs[0].lines, std::vector<std::string>{"a"});
    const Paragraph_Run& b = p.runs[1];
    EXPECT_EQ(b.space_before.value, 0.3);
    EXPECT_EQ(b.format.font, 5);
    EXPECT_EQ(b.format.flags, 0xc60u);
    EXPECT_EQ(b.format.first_indent.value, 0.3);
    EXPECT_EQ(b.format.second_indent.unit, 1);
    EXPECT_EQ(b.format.second_indent.value, 2.0);
    EXPECT_TRUE(b.format.tabs_set);
    EXPECT_FALSE(b.format.uniform_tab_step);
    ASSERT_EQ(b.format.tabs.size(), 2u);
    EXPECT_EQ(b.format.tabs[0].value, 1.5);
    EXPECT_EQ(b.format.tabs[1].unit, 1);
    EXPECT_EQ(b.format.scale, 0.8);
    EXPECT_EQ(b.format.aux_distance.value, 0.05);
    EXPECT_EQ(b.lines, (std::vector<std::string>{"b", " c"}));
    EXPECT_EQ(p.space_after.value, 0.1);
    EXPECT_EQ(w.count, 0);
}

TEST(Print_List_Reader, TabStepClearedListAndTheTwoIntegers) {
    Print_List_Warnings w;
    const auto items = Read("#SHOWPARA\n0x240\n4\n0x2\n2 3\n7 8\n-1\n x\n#END_OF_TEXT\n0x4\n0x40\n4\n0x0 0\n-1\n y\n"
                            "#END_OF_TEXT\n0x0\n-1\n",
                            w);
    const auto& p = Item<Paragraph_Block>(items, 0);
    ASSERT_EQ(p.runs.size(), 2u);
    EXPECT_TRUE(p.runs[0].format.uniform_tab_step);
    ASSERT_EQ(p.runs[0].format.tabs.size(), 1u);
    EXPECT_EQ(p.runs[0].format.tabs[0].value, 3.0);
    EXPECT_TRUE(p.runs[1].format.tabs_set);
    EXPECT_TRUE(p.runs[1].format.tabs.empty());
    EXPECT_EQ(w.count, 0);
}

// The report head: layout lines, the contents line and the version table, as the head writes them.
TEST(Print_List_Reader, ReportHeadAndLayoutLines) {
    Print_List_Warnings w;
    const auto items = Read("#LAYOUT reserveSpaceCM 16\n#CONTENTS\n POS. 12a: Halle Nord\n#LAYOUT storeYPosition 1\n"
                            "#LAYOUT setMarginsCM 1 12 0\n#SHOWTABLE\n0 0 0\n0 0 -1 -1\n ╬SEC301 BV 1.00\n#END_OF_TEXT\n"
                            "#LAYOUT restoreYPosition 1\n#LAYOUT setYPositionCM 1 -0.19\n"
                            "#LAYOUT setBookmark 16 «╬@1. Titel «a»»\n#LAYOUT setFlags 0x380\n#NEWPAGE\n"_cp,
                            w);
    ASSERT_EQ(items.size(), 10u);
    EXPECT_EQ(Item<Layout_Line>(items, 0).a, 16.0);
    EXPECT_EQ(Item<Contents_Line>(items, 1).text, "POS. 12a: Halle Nord");
    EXPECT_EQ(Item<Layout_Line>(items, 2).call, Layout_Call::Store_Y_Position);
    const auto& margins = Item<Layout_Line>(items, 3);
    EXPECT_EQ(margins.call, Layout_Call::Set_Margins);
    EXPECT_EQ(margins.a, 12.0);
    EXPECT_EQ(margins.b, 0.0);
    const auto& table = Item<Table_Block>(items, 4);
    EXPECT_EQ(table.rows, std::vector<std::string>{"╬SEC301 BV 1.00"_cp});
    EXPECT_TRUE(table.headings.empty());
    EXPECT_EQ(Item<Layout_Line>(items, 5).integer, 1);
    EXPECT_EQ(Item<Layout_Line>(items, 6).a, -0.19);
    const auto& bookmark = Item<Layout_Line>(items, 7);
    EXPECT_EQ(bookmark.integer, 16);
    EXPECT_EQ(bookmark.text, "╬@1. Titel «a»"_cp);   // from the first « to the last »
    EXPECT_EQ(Item<Layout_Line>(items, 8).integer, 0x380);
    EXPECT_TRUE(std::holds_alternative<New_Page>(items[9].content));
    EXPECT_EQ(w.count, 0);
}

// An annex table: its title and caption groups, the header with its tab positions, the heading
// line and the rows.
TEST(Print_List_Reader, TableGroupsHeaderAndRows) {
    Print_List_Warnings w;
    const auto items = Read("#SHOWTABLE\n1 1 1\n Titel\n Deutschland\n EN 1993-1-1\n1 0 -1 -1 2\n 12 42\n"
                            " Kapitel      Wert\n 6.1(1)       1.00\n \n#END_OF_TEXT\n"
                            "#SHOWTABLE\n 0 1 0\n Literatur und Normen:\n0 0 -1 -1\n#END_OF_TEXT\n",
                            w);
    ASSERT_EQ(items.size(), 2u);
    const auto& t = Item<Table_Block>(items, 0);
    EXPECT_EQ(t.captions[0], std::vector<std::string>{"Titel"});
    EXPECT_EQ(t.captions[1], std::vector<std::string>{"Deutschland"});
    EXPECT_EQ(t.captions[2], std::vector<std::string>{"EN 1993-1-1"});
    EXPECT_EQ(t.tab_positions, (std::vector<double>{12, 42}));
    EXPECT_EQ(t.headings, std::vector<std::string>{"Kapitel      Wert"});
    EXPECT_EQ(t.rows, (std::vector<std::string>{"6.1(1)       1.00", ""}));
    const auto& literature = Item<Table_Block>(items, 1);
    EXPECT_EQ(literature.captions[1], std::vector<std::string>{"Literatur und Normen:"});
    EXPECT_TRUE(literature.rows.empty());
    EXPECT_EQ(w.count, 0);
}

// Both forms of the graphic head, captions, and every command with the numbers it carries.
TEST(Print_List_Reader, GraphicHeadsAndCommands) {
    Print_List_Warnings w;
    const auto items = Read(
        "#SHOWGRAFIC\n 1 0 0\n oben\n 0 1 0\n unten\n-1\n -1.0 13.1 4.0 -1.0\n"
        " 1  0.1 0.2 0.3 0.4\n 2 1 2 «a»\n 10 1 2 1 2 466 «b ╬\\c╬r»\n 18 3 0 0 1 0 0 1 \n 20  64\n20 0\n"
        " 38 2 0.1 0.1 0\n 38 0   0\n50 165 75 165\n 14 30.000000 0\n 27 1.5 2.5 %FONT%\\DURCHM.OCM\n 30\n 52\n"
        "61\n62 7\n59\n60\n 53\n 31\n 23 1 0\n 16 0.05\n -1\n"
        "\n\n#SHOWGRAFIC\n0 0 0\n0 0 0\n-999 65536 3\n1 2 3 4\n0 17 0 0.8\n50\n 7 5\n -1\n"_cp,
        w);
    ASSERT_EQ(items.size(), 2u);
    const auto& g = Item<Graphic_Block>(items, 0);
    EXPECT_TRUE(g.caption_present[0]);
    EXPECT_EQ(g.captions[0], "oben");
    EXPECT_TRUE(g.caption_present[4]);
    EXPECT_EQ(g.captions[4], "unten");
    EXPECT_EQ(g.x1, -1.0);
    EXPECT_EQ(g.x2, 13.1);
    EXPECT_EQ(g.y1, 4.0);
    EXPECT_EQ(g.y2, -1.0);
    std::string codes;
    for (const Graphic_Command& c : g.commands) codes += std::to_string(c.code) + " ";
    EXPECT_EQ(codes, "1 2 10 18 20 20 38 38 50 14 27 30 52 61 62 59 60 53 31 23 16 ");
    EXPECT_EQ(g.commands[0].values, (std::vector<double>{0.1, 0.2, 0.3, 0.4}));
    EXPECT_EQ(g.commands[1].text, "a");
    EXPECT_EQ(g.commands[2].values, (std::vector<double>{1, 2, 1, 2, 466}));
    EXPECT_EQ(g.commands[2].text, "b ╬\\c╬r"_cp);
    EXPECT_EQ(g.commands[3].values.size(), 7u);
    EXPECT_EQ(g.commands[5].values, std::vector<double>{0});
    EXPECT_EQ(g.commands[7].values, (std::vector<double>{0, 0}));
    EXPECT_EQ(g.commands[10].text, "DURCHM.OCM");
    EXPECT_EQ(g.commands[10].values, (std::vector<double>{1.5, 2.5}));
    const auto& h = Item<Graphic_Block>(items, 1);
    EXPECT_EQ(h.x2, 17.0);
    EXPECT_EQ(h.y2, 0.8);
    ASSERT_EQ(h.commands.size(), 1u);
    EXPECT_EQ(w.count, 0);
}

// The picture command with its hex dump over several lines.
TEST(Print_List_Reader, EmbeddedPictureDump) {
    Print_List_Warnings w;
    const auto items = Read(
        "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 5 5 0\n75 4116 1 2 300 3 2 «.bmp»\n{00ff10\n7f}\n 1  0 0 1 1\n -1\n"_cp, w);
    const auto& g = Item<Graphic_Block>(items, 0);
    ASSERT_EQ(g.commands.size(), 2u);
    EXPECT_EQ(g.commands[0].code, 75);
    EXPECT_EQ(g.commands[0].text, ".bmp");
    EXPECT_EQ(g.commands[0].picture, (std::vector<unsigned char>{0x00, 0xff, 0x10, 0x7f}));
    EXPECT_EQ(g.commands[1].code, 1);
    EXPECT_EQ(w.count, 0);
}

// Malformed input: each case is skipped with the stated number of warnings, the rest is read.
TEST(Print_List_Reader, MalformedLinesAreSkippedAndCounted) {
    const std::string long_text = " " + std::string(10000, 'x') + "\n";
    struct Case {
        const char* name;
        std::string text;
        int warnings;
        std::size_t items;
    } cases[] = {
        {"unknown line", "hallo\n#NEWPAGE\n", 1, 1},
        {"unknown layout call", "#LAYOUT flyTo 3\n#LAYOUT setYPositionCM 2 1\n#LAYOUT reserveSpaceCM -1\n", 3, 0},
        {"number not finite", "#LAYOUT reserveSpaceCM inf\n#LAYOUT setMarginsCM 1 nan 0\n", 2, 0},
        {"absurd length", "#LAYOUT setYPositionCM 1 1e9\n", 1, 0},
        {"bookmark without text", "#LAYOUT setBookmark 0 Titel\n", 1, 0},
        {"contents without text", "#CONTENTS\n#NEWPAGE\n", 1, 1},
        {"long top-level line", "#LAYOUT " + std::string(10000, 'y') + "\n#NEWPAGE\n", 1, 1},
        {"long text line", "#SHOWPARA\n0x0\n4\n-1\n a\n" + long_text + " b\n#END_OF_TEXT\n0x0\n-1\n", 1, 1},
        {"text line without blank", "#SHOWPARA\n0x0\n4\n-1\nx\n#END_OF_TEXT\n0x0\n-1\n", 1, 1},
        {"paragraph cut short", "#SHOWPARA\n0x0\n4\n-1\n a\n", 1, 1},
        {"paragraph before a new block", "#SHOWPARA\n0x0\n4\n-1\n a\n#SHOWPARA\n0x0\n4\n-1\n b\n#END_OF_TEXT\n0x0\n-1\n",
         1, 2},
        {"format block with callback lines", "#SHOWPARA\n0x1\nwas auch immer\n4\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n", 1, 1},
        {"format block unreadable", "#SHOWPARA\n0x10\n4\n7 0.5\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n", 1, 1},
        {"tab list too long", "#SHOWPARA\n0x40\n4\n0x0 101\n-1\n a\n#END_OF_TEXT\n0x0\n-1\n", 1, 1},
        {"trailer unreadable", "#SHOWPARA\n0x0\n4\n-1\n a\n#END_OF_TEXT\nzz\n-1\n#NEWPAGE\n", 1, 2},
        {"final -1 missing", "#SHOWPARA\n0x0\n4\n-1\n a\n#END_OF_TEXT\n0x0\n#NEWPAGE\n", 1, 2},
        {"table head unreadable", "#SHOWTABLE\n0 x 0\n a\n#END_OF_TEXT\n#NEWPAGE\n", 1, 1},
        {"table cut short", "#SHOWTABLE\n0 0 2\n a\n", 1, 1},
        {"table without end", "#SHOWTABLE\n0 0 0\n0 0 -1 -1\n a\n", 1, 1},
        {"graphic head unreadable", "#SHOWGRAFIC\n 0 0\n-1\n0 1 0 1\n 1  0 0 1 1\n -1\n", 1, 0},
        {"window absurd", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1e9 0 1\n -1\n", 1, 0},
        {"graphic cut short", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n 1  0 0 1 1\n", 1, 1},
        {"graphic before a new block", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n 1  0 0 1 1\n#NEWPAGE\n", 1, 2},
        {"coordinates not finite", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n 1  nan 0 1 1\n 1  0 -nan 1 1\n"
                                   " 24  0 0 inf 1\n 1  0 0 1 1\n -1\n",
         3, 1},
        {"unknown and malformed commands",
         "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n 99 1 2\n 18 1000000 1 2\n 18 2 0 0 1\n 13 -0.2\n 38 3 0.1 0\n"
         " 2 0 0 ohne Text\n 9 0 0 0 0 210.5 «a»\n 4\n 1  0 0 1 1\n -1\n",
         8, 1},
        {"picture dump without end", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n75 4096 0 0 «.bmp»\n{0011\n -1\n", 1, 1},
        {"picture dump with bad digits", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n75 4096 0 0 «.bmp»\n{00zz11}\n -1\n", 1,
         1},
        {"picture options malformed", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n75 4097 0 0 «.bmp»\n{0011}\n -1\n", 1, 1},
        {"long graphic line", "#SHOWGRAFIC\n 0 0 0\n 0 0 0\n-1\n0 1 1 0\n 18 " + std::string(1000001, '1') + "\n -1\n",
         1, 1},
    };
    for (const Case& c : cases) {
        Print_List_Warnings w;
        const auto items = Read(To_Cp437(c.text), w);
        EXPECT_EQ(w.count, c.warnings) << c.name;
        EXPECT_EQ(items.size(), c.items) << c.name;
        EXPECT_EQ(w.texts.size(), static_cast<std::size_t>(c.warnings)) << c.name;
    }
}

TEST(Print_List_Reader, WarningsKeepTheirLineAndAtMostFiftyTexts) {
    Print_List_Warnings w;
    std::string text = "#NEWPAGE\nx\n";
    for (int k = 0; k < 60; ++k) text += "?\n";
    Read(text, w);
    EXPECT_EQ(w.count, 61);
    ASSERT_EQ(w.texts.size(), 50u);
    EXPECT_EQ(w.texts[0], "Zeile 2: unbekannte Zeile übersprungen: x");
}
