// The host stand-in's message boxes and help on the window road: small sheets that a script answers.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include "common/cp437.h"
#include "platform/host/host_headless.h"
#include "platform/host/screen_raster.h"
#include "platform/host_demo_sheet.h"

namespace {

int Ask(const char* title, const char* line) {
    Init_Message();
    Set_Message_Title(title);
    Fill_Message(line);
    return Answer_is_Yes(1);
}

}  // namespace

TEST(HostMessages, QuestionsTakeTheScriptedAnswerAndSayYesWithoutOne) {
    Clear_Host_Message_History();
    const Headless_Run_Result run = Run_Headless("answer no\nclick 274 250\nanswer no\n", [] {
        Open_Demo_Sheet();
        EXPECT_EQ(Ask("", "Aktuelle Bearbeitung abbrechen?"), 0);   // queued before
        EXPECT_EQ(Edit_Prop_Sheet(), 2);
        EXPECT_EQ(Ask("Frage", "Trotzdem überschreiben?"_cp), 0);     // queued right after the click
        EXPECT_EQ(Ask("", "Aktuelle Bearbeitung abbrechen?"), 1);   // none queued: yes
        return 0;
    });
    // A box of one line is 25 + 14 + 16 + 14 + 22 + 12 = 103 px high, 40 px wider than its widest
    // line and at least 260: 31 characters of 8 px give 288 px at x 56, 23 characters 260 px at x 70.
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet", "question", "answer"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "sheet define 2 56,98,343,200 \"\"\n"
              "question \"\" \"Aktuelle Bearbeitung abbrechen?\"\n"
              "answer no\n"
              "sheet undefine 2\n"
              "sheet 1 code 2\n"
              "sheet define 2 70,98,329,200 \"Frage\"\n"
              "question \"Frage\" \"Trotzdem überschreiben?\"\n"
              "answer no\n"
              "sheet undefine 2\n"
              "sheet define 2 56,98,343,200 \"\"\n"
              "question \"\" \"Aktuelle Bearbeitung abbrechen?\"\n"
              "answer yes\n"
              "sheet undefine 2\n");
    ASSERT_EQ(Host_Message_History().size(), 3u);
    EXPECT_EQ(Host_Message_History()[1], "Frage\nTrotzdem überschreiben?"_cp);
}

TEST(HostMessages, BoxesShowTheirLinesAndLeaveTheScreenAsItWas) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_Demo_Sheet();
        const std::vector<std::uint32_t> before = Screen_Surface().pixels;
        Init_Message();
        Fill_Message("Der aktuelle Datenzustand wurde temporär gesichert."_cp);
        Draw_Message();
        PrintMessage("Schraubenabstand %s < %.1lf mm\nzweite Zeile", "e1", 24.5);
        EXPECT_EQ(Screen_Surface().pixels, before);
        return 0;
    });
    // 51 characters of 8 px and 40 px of margin would be 448 px: held at the screen's width less 20;
    // two lines of at most 29 characters: 272 px wide and 119 px high.
    EXPECT_EQ(Trace_Lines(run.trace, {"sheet", "message"}),
              "sheet define 1 20,20,379,279 \"Demo\"\n"
              "sheet define 2 10,98,389,200 \"\"\n"
              "message \"\" \"Der aktuelle Datenzustand wurde temporär gesichert.\"\n"
              "sheet undefine 2\n"
              "sheet define 2 64,90,335,208 \"\"\n"
              "message \"\" \"Schraubenabstand e1 < 24.5 mm\" \"zweite Zeile\"\n"
              "sheet undefine 2\n");
    // The lines are drawn 20 px inside the box, the first baseline 49 px below its top.
    EXPECT_NE(run.trace.find("text 0 30 147 0 0,0,0 \"Der aktuelle Datenzustand wurde temporär gesichert.\"\n"),
              std::string::npos);
}

TEST(HostMessages, HelpTracesTheTopicAndNamesTheFile) {
    const Headless_Run_Result run = Run_Headless("", [] {
        Open_Demo_Sheet();
        Init_Helpview(".", "VEVO_150.HLP");
        Helpview("ec301_stummel_zug");
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"help", "message"}),
              "help file \"VEVO_150.HLP\"\n"
              "help \"ec301_stummel_zug\"\n"
              "message \"Hilfe\" \"Hilfethema: ec301_stummel_zug\" \"Die Hilfedatei VEVO_150.HLP wird nicht mitgeliefert.\"\n");
}

TEST(HostMessages, SymbolIsTracedWithTheNextBoxOnly) {
    Clear_Host_Message_History();
    const Headless_Run_Result run = Run_Headless("answer no\n", [] {
        Open_Demo_Sheet();
        Set_Message_Symbol(3, 1, 0, 0);
        EXPECT_EQ(Ask("", "Laden?"), 0);
        EXPECT_EQ(Ask("", "Nochmals?"), 1);
        return 0;
    });
    EXPECT_EQ(Trace_Lines(run.trace, {"question"}),
              "question \"\" \"Laden?\" symbol 3,1,0,0\n"
              "question \"\" \"Nochmals?\"\n");
    ASSERT_EQ(Host_Message_History().size(), 2u);
    EXPECT_EQ(Host_Message_History()[0], "Laden?");   // the text of the box is unchanged
}

namespace {
const char* const Patience = "................... Bitte etwas Geduld ...................";
}  // namespace

TEST(HostMessages, StandingBoxStaysUntilQuitAndPutsTheScreenBack) {
    std::vector<std::uint32_t> before, standing, after;
    int returned_at = -1;
    const Headless_Run_Result run = Run_Headless("", [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        pxFgc(0x336699);
        pxRect(0, 0, 1023, 767);
        before = Screen_Surface().pixels;
        Init_Message();
        for (int k = 0; k < 6; ++k) Fill_Message(" ");
        Fill_Message(Patience);
        Fill_Message(" ");
        Set_Message_Symbol(2, 1, 0, 0);
        Show_Message();
        returned_at = static_cast<int>(Host_Clock_Ms());   // never waits, even for a scripted answer
        standing = Screen_Surface().pixels;
        Quit_Message();
        after = Screen_Surface().pixels;
        Quit_Message();   // nothing shown any more: nothing to put back
        return 0;
    });
    EXPECT_EQ(returned_at, 0);
    // Eight lines of 16 px centred on y 384: 320 to 447. 58 characters of 8 px and 40 px of margin:
    // 504 px from x 260; the text of the seventh line centred, baseline 320 + 6 * 16 + 12.
    auto at = [&](int x, int y) { return standing[static_cast<std::size_t>(y) * 1024 + x]; };
    const std::uint32_t face = 0xD4D0C8;
    EXPECT_EQ(at(259, 384), 0x336699u);
    EXPECT_EQ(at(764, 384), 0x336699u);
    EXPECT_EQ(at(512, 319), 0x336699u);
    EXPECT_EQ(at(512, 448), 0x336699u);
    EXPECT_EQ(at(262, 322), face);
    EXPECT_EQ(at(761, 445), face);
    EXPECT_EQ(at(512, 440), face);   // the blank last line: room for a status strip
    EXPECT_EQ(at(261, 400), 0xFFFFFFu);   // the raised frame: light inside the left edge,
    EXPECT_EQ(at(763, 400), 0x404040u);   // dark along the right one
    EXPECT_NE(run.trace.find("text 0 280 428 0 0,0,0 \"" + std::string(Patience) + "\"\n"), std::string::npos) << run.trace;
    EXPECT_EQ(Trace_Lines(run.trace, {"message"}),
              "message shown \"\" \" \" \" \" \" \" \" \" \" \" \" \" \"" + std::string(Patience) + "\" \" \" symbol 2,1,0,0\n"
              "message quit\n");
    EXPECT_TRUE(after == before);
}

TEST(HostMessages, SecondStandingBoxReplacesTheFirstAndBatchRoadWritesToStandardError) {
    std::vector<std::uint32_t> before, after;
    Run_Headless("", [&] {
        Host_Open_Screen(640, 480);
        before = Screen_Surface().pixels;
        Init_Message();
        Fill_Message("erste Meldung, recht lang und breit");
        Show_Message();
        Init_Message();
        Fill_Message("zweite");
        Fill_Message("mit zwei Zeilen");
        Show_Message();   // the first box goes before the second is drawn
        Quit_Message();
        after = Screen_Surface().pixels;
        return 0;
    });
    EXPECT_TRUE(after == before);

    Exit_Grafik_Mode();
    Clear_Host_Message_History();
    testing::internal::CaptureStderr();
    Init_Message();
    Fill_Message("Bitte warten");
    Show_Message();
    Quit_Message();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bitte warten\n");
    ASSERT_EQ(Host_Message_History().size(), 1u);
    EXPECT_EQ(Host_Message_History()[0], "Bitte warten");
}
