// The recovery question after an irregular end, answered by scripts; its lines and symbol are read
// from the trace.
#include "gui/backup_recovery.h"

#include <gtest/gtest.h>

#include <string>

#include "common/data_backup_fixture.h"
#include "common/file_tools.h"
#include "common/notice_output.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

const std::string Recovery_Question =
    "question \"\" \"Es existiert noch eine temporäre Sicherung, die während\" "
    "\"der letzten Bearbeitung der Position angelegt wurde.\" "
    "\"Dies läßt auf einen irregulären Abbruch schließen.\" \"\" "
    "\"Soll die temporäre Sicherung anstelle der\" \"älteren regulären Sicherung geladen werden?\" "
    "symbol 3,1,0,0\n";

struct Recovery_Run {
    int result = 0;
    std::string trace;   // the sheet, question, answer and message lines
};

Recovery_Run Offer(const std::string& script) {
    Recovery_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&run] {
        Host_Open_Screen(400, 300);
        Init_Prop_Sheets();
        run.result = Offer_Temp_Backup_Recovery();
        return 0;
    });
    run.trace = Trace_Lines(headless.trace, {"sheet", "question", "answer", "message"});
    return run;
}

bool Backups_Present(const Backup_Folder& f) {
    return File_Exists(f.bak.c_str()) && File_Exists(f.clcbak.c_str()) && File_Exists(f.cmp.c_str());
}

bool Backups_Gone(const Backup_Folder& f) {
    return !File_Exists(f.bak.c_str()) && !File_Exists(f.clcbak.c_str()) && !File_Exists(f.cmp.c_str());
}

TEST(BackupRecovery, WithoutABackupNothingIsAsked) {
    Backup_Folder f;
    ASSERT_EQ(Write_Clc_Backup(), 0);
    const Recovery_Run run = Offer("");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.trace, "");
    EXPECT_TRUE(File_Exists(f.clcbak.c_str()));   // nothing removed either
}

TEST(BackupRecovery, AnEqualBackupIsRemovedWithoutAQuestion) {
    Backup_Folder f;
    ASSERT_EQ(Write_Temp_Backup(), 0);
    ASSERT_EQ(Write_Clc_Backup(), 0);
    const Recovery_Run run = Offer("");
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.trace, "");
    EXPECT_TRUE(Backups_Gone(f));
}

TEST(BackupRecovery, ADifferentBackupIsOfferedAndRemovedAfterTheAnswer) {
    struct Case {
        const char* script;
        int result;
        int value;   // the record after the answer
        const char* answer;
    };
    const Case cases[] = {
        {"answer yes\n", 1, 7, "answer yes\n"},
        {"answer no\n", 0, 8, "answer no\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        Backup_Folder f;
        ASSERT_EQ(Write_Temp_Backup(), 0);
        ASSERT_EQ(Write_Clc_Backup(), 0);
        record.value = 8;
        const Recovery_Run run = Offer(c.script);
        EXPECT_EQ(run.result, c.result);
        EXPECT_EQ(record.value, c.value);
        // Six lines: 25 + 14 + 6 * 16 + 14 + 22 + 12 = 183 px high; the first line's 55 characters
        // of 8 px would make the box wider than the 400 px screen less 20.
        EXPECT_EQ(run.trace, "sheet define 1 0,0,1,1 \"\"\n"
                             "sheet undefine 1\n"
                             "sheet define 1 10,58,389,240 \"\"\n" +
                                 Recovery_Question + c.answer + "sheet undefine 1\n");
        EXPECT_TRUE(Backups_Gone(f));
    }
}

// An unreadable backup after yes: the error notice, -1 so that the caller reloads its regular data,
// and the backups stay for another try.
TEST(BackupRecovery, AnUnreadableBackupIsReportedAndKept) {
    Backup_Folder f;
    ASSERT_EQ(Write_Clc_Backup(), 0);
    Write_File(f.bak, " 1.0 kaputt");
    Set_Notice_Output_Mode(0);
    const Recovery_Run run = Offer("answer yes\n");
    EXPECT_EQ(run.result, -1);
    EXPECT_NE(run.trace.find(Recovery_Question + "answer yes\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find("message \"\" \"FEHLER: Datensatz der temporären Sicherung nicht lesbar!!\"\n"),
              std::string::npos)
        << run.trace;
    EXPECT_TRUE(Backups_Present(f));
    EXPECT_EQ(Read_File(f.bak), " 1.0 kaputt");

    // A no at the next start removes them.
    EXPECT_EQ(Offer("answer no\n").result, 0);
    EXPECT_TRUE(Backups_Gone(f));
}

}  // namespace
