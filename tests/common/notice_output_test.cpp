#include "common/notice_output.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "platform/host/host_library.h"
#include "report/remark_lists.h"
#include "test_support.h"

namespace {

TEST(NoticeOutput, ModesRouteTheText) {
    Clear_Host_Message_History();
    Set_Notice_Output_Mode(0);
    EXPECT_EQ(Print_Notice("^bFEHLER: %s!", "Datei fehlt"), 0);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(), "FEHLER: Datei fehlt!");

    Set_Notice_Output_Mode(3);
    Print_Notice("verworfen");
    EXPECT_EQ(Host_Message_History().size(), 1u);

    EXPECT_EQ(Set_Notice_Output_Mode(1), 1);
    testing::internal::CaptureStdout();
    Print_Notice("%d Schrauben", 4);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "4 Schrauben\n");
    EXPECT_EQ(Host_Message_History().size(), 1u);
    Set_Notice_Output_Mode(0);
}

TEST(NoticeOutput, EmptyFormatDoesNothingAndLongTextsAreCut) {
    Clear_Host_Message_History();
    Set_Notice_Output_Mode(0);
    Print_Notice("%s", "");
    EXPECT_EQ(Host_Message_History().size(), 1u);   // an empty text still is a notice
    Print_Notice(nullptr);
    EXPECT_EQ(Host_Message_History().size(), 1u);
    const std::string long_text(800, 'x');
    Print_Notice("%s", long_text.c_str());
    EXPECT_EQ(Host_Message_History().back(), std::string(500, 'x'));
    Print_Notice("^");   // a lone caret is not read past its end
    EXPECT_EQ(Host_Message_History().back(), "^");
}

TEST(NoticeOutput, OneNoticeInAnotherModeAndErrorNotices) {
    Clear_Host_Message_History();
    Set_Notice_Output_Mode(1);
    testing::internal::CaptureStdout();
    Print_Notice_In_Mode(0, "Version %.1f", 2.1);   // a box, not standard output
    Print_Notice("danach");                          // the mode in force is back
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "danach\n");
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(), "Version 2.1");

    Set_Notice_Output_Mode(0);
    Print_Error_Notice("Datei %s fehlt", "x.bak");
    EXPECT_EQ(Host_Message_History().back(), "FEHLER: Datei x.bak fehlt!");
    const std::string long_text(800, 'y');   // cut to 500 before it is framed, and the frame cut again
    Print_Error_Notice("%s", long_text.c_str());
    EXPECT_EQ(Host_Message_History().back(), "FEHLER: " + std::string(490, 'y'));
}

}  // namespace

namespace {

// Every test starts with notices on, mode 0, no console fallback and all queues free.
class NoticeQueues : public testing::Test {
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset() {
        Switch_Notices_On();
        Set_Notice_Console_Fallback(0);
        Set_Notice_Output_Mode(0);
        for (int q = 0; q < Notice_Queues; ++q) Close_Notice_Queue(q);
        Clear_Host_Message_History();
    }
    static std::vector<std::string> Rows(int queue) {
        std::vector<std::string> rows;
        for (int r = 0; r < Get_Notice_Queue_Count(queue); ++r) rows.emplace_back(Get_Notice_Queue_Row(queue, r));
        return rows;
    }
};

using Rows_List = std::vector<std::string>;

TEST_F(NoticeQueues, ModeTwoStoresEachNoticeOnceUnlessItIsVeryShort) {
    struct Case {
        const char* name;
        std::vector<const char*> notices;
        Rows_List rows;
    };
    const Case cases[] = {
        {"a notice that begins an earlier one is dropped",
         {"Fehler in Zeile 3", "Fehler"}, {"Fehler in Zeile 3\n"}},
        {"equal notices once", {"Fehler", "Fehler", "Fehler"}, {"Fehler\n"}},
        {"a longer notice after a shorter one is kept", {"Fehler", "Fehler in Zeile 3"}, {"Fehler\n", "Fehler in Zeile 3\n"}},
        {"one and two characters every time", {"ab", "ab", "a", "a"}, {"ab\n", "ab\n", "a\n", "a\n"}},
        {"style pairs are stored", {"^bFEHLER: x!", "^bFEHLER"}, {"^bFEHLER: x!\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int q = Open_Notice_Queue();
        ASSERT_EQ(q, 0);
        Set_Notice_Output_Mode(2);
        for (const char* notice : c.notices) Print_Notice("%s", notice);
        EXPECT_EQ(Rows(q), c.rows);
        EXPECT_EQ(Get_Current_Notice_Count(), static_cast<int>(c.rows.size()));
        Close_Notice_Queue(q);
    }
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(NoticeQueues, LongNoticesFitTheirRowAndGrowTheBlock) {
    const int q = Open_Notice_Queue();
    Set_Notice_Output_Mode(2);
    const std::string long_text(600, 'L');
    Print_Notice("%s", long_text.c_str());
    Print_Notice("%s", long_text.c_str());   // the same notice again, compared as stored
    ASSERT_EQ(Get_Notice_Queue_Count(q), 1);
    EXPECT_EQ(std::string(Get_Notice_Queue_Row(q, 0)), std::string(498, 'L') + "\n");

    // 25 distinct rows need three blocks of ten; every row stays readable.
    for (int k = 1; k < 25; ++k) Print_Notice("Zeile %02d %s", k, std::string(480, 'x').c_str());
    ASSERT_EQ(Get_Notice_Queue_Count(q), 25);
    EXPECT_EQ(std::string(Get_Notice_Queue_Row(q, 24)).substr(0, 9), "Zeile 24 ");
    EXPECT_EQ(std::string(Get_Notice_Queue_Row(q, 24)).size(), 490u);   // "Zeile 24 ", 480 x, newline
    EXPECT_EQ(Get_Notice_Queue_Row(q, 25), nullptr);
}

TEST_F(NoticeQueues, QueuesAreTakenLowestFirstAndRefusedWithCodes) {
    for (int k = 0; k < Notice_Queues; ++k) EXPECT_EQ(Open_Notice_Queue(), k);
    EXPECT_EQ(Open_Notice_Queue(), -1);   // the eleventh
    Close_Notice_Queue(3);
    Close_Notice_Queue(7);
    EXPECT_EQ(Open_Notice_Queue(), 3);

    struct Case {
        int queue;
        int code;
    };
    const Case cases[] = {{0, 0}, {7, 1}, {-1, 2}, {10, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.queue);
        EXPECT_EQ(Select_Notice_Queue(c.queue), c.code);
        EXPECT_EQ(Set_Notice_Queue_Title(c.queue, "Titel"), c.code);
        EXPECT_EQ(Get_Notice_Queue_Count(c.queue), 0);
    }
    const std::string long_title(300, 'T');
    Set_Notice_Queue_Title(0, long_title.c_str());
    EXPECT_EQ(std::string(Get_Notice_Queue_Title(0)), std::string(199, 'T'));
}

TEST_F(NoticeQueues, SelectingChoosesWhereQueuedNoticesGo) {
    const int a = Open_Notice_Queue();
    const int b = Open_Notice_Queue();   // current now
    Queue_Notice("in b %d", 1);
    EXPECT_EQ(Select_Notice_Queue(a), 0);
    Queue_Notice("in a");
    EXPECT_EQ(Rows(a), Rows_List{"in a\n"});
    EXPECT_EQ(Rows(b), Rows_List{"in b 1\n"});
    Close_Notice_Queue(a);   // the current queue is free: its notices are dropped
    Queue_Notice("verloren");
    EXPECT_EQ(Get_Current_Notice_Count(), 0);
    EXPECT_EQ(Rows(b), Rows_List{"in b 1\n"});
    EXPECT_TRUE(Host_Message_History().empty());
}

TEST_F(NoticeQueues, ClosingReleasesTheRowsAndEmptiesTheQueue) {
    Reset_Block_Count();
    const int q = Open_Notice_Queue();
    Set_Notice_Queue_Title(q, "Prüfung"_cp);
    for (int k = 0; k < 12; ++k) Queue_Notice("Hinweis %d", k);
    EXPECT_EQ(Get_Block_Count(), 1);
    Close_Notice_Queue(q);
    EXPECT_EQ(Get_Block_Count(), 0);
    EXPECT_EQ(Get_Notice_Queue_Count(q), 0);
    EXPECT_EQ(Get_Notice_Queue_Title(q), nullptr);

    // Reopened, the queue is empty and takes rows afresh.
    EXPECT_EQ(Open_Notice_Queue(), q);
    EXPECT_EQ(Get_Notice_Queue_Count(q), 0);
    EXPECT_EQ(std::string(Get_Notice_Queue_Title(q)), "");
    Queue_Notice("neu");
    EXPECT_EQ(Rows(q), Rows_List{"neu\n"});
}

TEST_F(NoticeQueues, SwitchedOffNothingIsPrintedShownOrAskedButStateIsManaged) {
    Switch_Notices_Off();
    testing::internal::CaptureStdout();
    EXPECT_EQ(Print_Notice("stumm"), 0);
    Set_Notice_Output_Mode(1);
    EXPECT_EQ(Print_Notice("stumm"), 0);
    Print_Hint_Notice_In_Mode(1, "stumm");
    const int q = Open_Notice_Queue();
    EXPECT_EQ(q, 0);
    Queue_Notice("nicht gespeichert");
    EXPECT_EQ(Get_Notice_Queue_Count(q), 0);
    EXPECT_EQ(Set_Notice_Queue_Title(q, "Titel"), 0);
    EXPECT_EQ(Confirm_Notice_Queue(), 1);
    EXPECT_EQ(Ask_Notice_Queue_Check("Nicht mehr fragen"), 0);
    Set_Notice_Output_Mode(0);
    EXPECT_EQ(Ask_Notice_Queue_1(), 0);
    Show_Current_Notice_Queue(0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(Host_Message_History().empty());

    // The mode set while off holds when the notices come back.
    Set_Notice_Output_Mode(1);
    Switch_Notices_On();
    testing::internal::CaptureStdout();
    Print_Notice("wieder da");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "wieder da\n");
}

TEST_F(NoticeQueues, OneNoticeInItsOwnModeAndTheFramedNotices) {
    const int q = Open_Notice_Queue();
    Set_Notice_Output_Mode(1);
    testing::internal::CaptureStdout();
    Print_Notice_In_Mode(2, "in die Liste");
    Print_Hint_Notice_In_Mode(2, "Wert %d zu klein", 3);
    Print_Warning_Notice_In_Mode(2, "Achtung");
    Print_Error_Notice_In_Mode(2, "kaputt");
    Print_Hint_Notice_In_Mode(-1, "Konsole");   // negative: the mode in force
    Print_Hint_Notice("auch Konsole");
    Print_Warning_Notice("Warnung");
    Print_Notice_In_Mode(2, "%s", "");           // an empty text is skipped
    Print_Notice("danach");
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "HINWEIS: Konsole.\nHINWEIS: auch Konsole.\nWARNUNG: Warnung!\ndanach\n");
    EXPECT_EQ(Rows(q), (Rows_List{"in die Liste\n", "^bHINWEIS: Wert 3 zu klein.\n", "^bWARNUNG: Achtung!\n",
                                  "^bFEHLER: kaputt!\n"}));
}

TEST_F(NoticeQueues, ConsoleFallbackTakesOverBoxAndSheetForGood) {
    Set_Notice_Console_Fallback(1);
    struct Case {
        int mode;
        bool to_console;
    };
    const Case cases[] = {{4, true}, {0, true}, {3, false}, {2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        Set_Notice_Output_Mode(c.mode);
        testing::internal::CaptureStdout();
        Print_Notice("^bErste Meldung");
        Print_Notice("zweite");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.to_console ? "Erste Meldung\nzweite\n" : "");
    }
    EXPECT_TRUE(Host_Message_History().empty());

    // A notice in mode 4 of its own goes to the console; the mode in force comes back.
    Set_Notice_Output_Mode(3);
    testing::internal::CaptureStdout();
    Print_Notice_In_Mode(4, "einmal");
    Print_Notice("verworfen");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "einmal\n");
}

TEST_F(NoticeQueues, ShownAsBoxOrOnTheConsoleTheRowsStayWhole) {
    const int q = Open_Notice_Queue();
    Queue_Notice("^bFEHLER: Blech zu dünn!"_cp);
    Queue_Notice("Schraube M16");
    Set_Notice_Queue_Symbol(q, 2);

    Show_Notice_Queue(q, 0);
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(), "FEHLER: Blech zu dünn!\nSchraube M16"_cp);
    EXPECT_EQ(Rows(q), (Rows_List{"^bFEHLER: Blech zu dünn!\n"_cp, "Schraube M16\n"}));

    testing::internal::CaptureStdout();
    Show_Notice_Queue(q, 1);
    Print_Notice("Modus bleibt");   // showing leaves its mode in force
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "FEHLER: Blech zu dünn!\n\nSchraube M16\n\nModus bleibt\n"_cp);

    Show_Notice_Queue(q + 1, 0);   // a free queue shows nothing
    EXPECT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Ask_Notice_Queue_0(), 0);   // mode 1: nothing is asked
    EXPECT_EQ(Host_Message_History().size(), 1u);

    Set_Notice_Output_Mode(0);
    EXPECT_EQ(Ask_Notice_Queue_1(), 0);   // without a screen every question is answered no
    ASSERT_EQ(Host_Message_History().size(), 2u);
    EXPECT_EQ(Host_Message_History().back(), "FEHLER: Blech zu dünn!\nSchraube M16"_cp);
    EXPECT_EQ(Get_Notice_Queue_Count(q), 2);
}

TEST_F(NoticeQueues, WithoutTheSheetModeFourShowsBoxes) {
    const int q = Open_Notice_Queue();
    Queue_Notice("Zeile 1");
    Set_Notice_Output_Mode(4);
    Print_Notice("^b^pfett\n");
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History().back(), "fett");
    EXPECT_EQ(Confirm_Notice_Queue(), 1);       // shown as a box, nothing ticked
    EXPECT_EQ(Ask_Notice_Queue_Check("Merken"), 0);
    EXPECT_EQ(Host_Message_History().size(), 3u);
    EXPECT_EQ(Host_Message_History().back(), "Zeile 1");
    EXPECT_EQ(Notice_Sheet().offer_check, 0);
    EXPECT_EQ(Notice_Sheet().check_label, nullptr);
    EXPECT_EQ(Get_Notice_Queue_Count(q), 1);
}

TEST_F(NoticeQueues, ReportWritesTheRowsAsBoldRemarksAndKeepsThem) {
    const int q = Open_Notice_Queue();
    Queue_Notice("Blech zu dünn"_cp);
    Queue_Notice("^bFEHLER: Rand!");
    Show_Notice_Queue(q, 0);   // the box must not shorten the stored rows
    const std::string written = Capture_Output([](std::FILE* report) { Print_Notice_Queue_To_Report(report); });

    const std::string expected = Capture_Output([](std::FILE* report) {
        OLI_Clear_Remark_List(4);
        OLI_Add_Remark(4, "%s", "╬bBlech zu dünn"_cp);
        OLI_Add_Remark(4, "%s", "╬b^bFEHLER: Rand!"_cp);
        OLI_Print_Remark_List(report, 4, -1.0);
    });
    EXPECT_FALSE(written.empty());
    EXPECT_EQ(written, expected);
    EXPECT_EQ(Get_Notice_Queue_Count(q), 2);

    // A closed queue writes nothing.
    Close_Notice_Queue(q);
    EXPECT_EQ(Capture_Output([](std::FILE* report) { Print_Notice_Queue_To_Report(report); }), "");
}

}  // namespace
