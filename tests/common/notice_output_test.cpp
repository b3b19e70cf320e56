#include "common/notice_output.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/host/host_library.h"

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
