// The dialog "Ausdrucksteuerung": the items of its page, the line breaking of the remarks, and
// scripted runs of the dialog with the remarks editor on the headless host.
#include "pages/print_settings_page.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "common/cp437.h"
#include "common/tracked_alloc.h"
#include "frame/field_clamps.h"
#include "gui/view_areas.h"
#include "pages/form_fixture.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"
#include "gui/sheet_trace.h"
#include "sketches/screen_palette.h"

namespace {

char* Heap_Text(const std::string& text) {
    char* p = static_cast<char*>(MEM_CALLOC(text.size() + 1, 1));
    std::memcpy(p, text.c_str(), text.size());
    return p;
}

// A settings record with its defaults; the remarks are released at the end.
struct Settings : Print_Settings {
    Settings() : Print_Settings{} { Init_Print_Settings(this); }
    ~Settings() { Init_Print_Settings(this); }
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;
};

class Print_Settings_Page : public Form_Area {};

// Every item of the page, its place and what it is bound to, in adding order.
TEST_F(Print_Settings_Page, ItemsAndPositions) {
    Settings S;
    Remarks_Line_Count = 3;
    Draw_Print_Settings_Page(&S, area);
    auto bound = [&S](const View_Area_Item& it) -> std::string {
        if (it.value == &S.graphics) return " -> graphics";
        if (it.value == &S.input_parameters) return " -> input_parameters";
        if (it.value == &S.safety_factors) return " -> safety_factors";
        if (it.value == &S.extra_information) return " -> extra_information";
        if (it.value == &S.annex_parameters) return " -> annex_parameters";
        if (it.value == &S.standards) return " -> standards";
        if (it.value == &S.detail_level) return " -> detail_level = " + std::to_string(it.state);
        if (it.value == &S.suppress_numbering) return " -> suppress_numbering";
        if (it.number == &S.sketch_scale) return " -> sketch_scale";
        return "";
    };
    auto kind = [](View_Item_Kind k) -> std::string {
        switch (k) {
            case View_Item_Kind::Text: return "text";
            case View_Item_Kind::Bitmap: return "bitmap";
            case View_Item_Kind::Check_Box: return "check";
            case View_Item_Kind::Radio_Button: return "radio";
            case View_Item_Kind::Float_Field: return "float";
            case View_Item_Kind::Filled_Rectangle: return "fill";
            case View_Item_Kind::Hot_Spot: return "spot";
            default: return std::to_string(static_cast<int>(k));
        }
    };
    std::string shown;
    for (const View_Area_Item& it : Items()) {
        std::string line = kind(it.kind) + " " + std::to_string(it.x1) + "," + std::to_string(it.y1);
        if (it.kind == View_Item_Kind::Filled_Rectangle) line += "-" + std::to_string(it.x2) + "," + std::to_string(it.y2);
        if (it.has_text) line += " \"" + it.text + "\"";
        shown += line + bound(it) + "\n";
    }
    EXPECT_EQ(shown, "fill 10,5-340,25\n"
                     "text 35,20 \"Eingabeprotokoll\"\n"
                     "fill 30,33-50,52\n"
                     "bitmap 35,38 \"act_but.bmp\"\n"
                     "text 55,47 \"Vorbemerkungen\"\n"
                     "spot 35,38 \"Vorbemerkungen\"\n"
                     "text 175,47 \"(3 Zeilen)\"\n"
                     "check 55,69 \"Grafik\" -> graphics\n"
                     "text 95,69 \"im Maßstab  1 :\"\n"_cp
                     "float 195,69 \"%5.1f\" -> sketch_scale\n"
                     "check 55,91 \"Eingabeparameter\" -> input_parameters\n"
                     "check 55,113 \"Materialsicherheitsbeiwerte\" -> safety_factors\n"
                     "check 55,135 \"zusätzliche Informationen\" -> extra_information\n"_cp
                     "check 55,157 \"Parameter des nationalen Anhangs\" -> annex_parameters\n"
                     "check 55,179 \"Vorschriften\" -> standards\n"
                     "fill 10,196-340,216\n"
                     "text 35,211 \"Ergebnisse\"\n"
                     "radio 55,238 \"ausführlich\" -> detail_level = 2\n"_cp
                     "radio 55,256 \"standard\" -> detail_level = 1\n"
                     "radio 55,274 \"minimal\" -> detail_level = 0\n"
                     "check 55,301 \"Abschnittsnummerierung unterdrücken\" -> suppress_numbering\n"_cp);
    const View_Area_Item* scale = Field_Of(&S.sketch_scale);
    ASSERT_NE(scale, nullptr);
    EXPECT_EQ(scale->on_change, &Clamp_Not_Negative);
    EXPECT_EQ(Items()[0].colour, Nearest_RGB_Color(203, 248, 235));
    EXPECT_EQ(Items()[2].colour, Screen_Palette.Cream);

    // Without "Grafik" the scale is not offered.
    S.graphics = 0;
    Draw_Print_Settings_Page(&S, area);
    EXPECT_EQ(Field_Of(&S.sketch_scale), nullptr);
    EXPECT_EQ(Find("im Maßstab  1 :"_cp), nullptr);
}

// Without a click on the remarks button nothing is edited, but long lines are broken and the line
// breaks counted.
TEST(Edit_Preliminary_Remarks, LongLinesBreakAtTheirLastBlankAmongTheFirst110) {
    const std::string w10 = "aaaa bbbb ";            // 10 characters, a blank at its end
    const std::string w110 = std::string(110, 'x');  // no blank at all
    const std::string line130 = w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10 + w10;
    struct Case {
        const char* what;
        std::string text, broken;
        int lines;
    };
    const Case cases[] = {
        {"110 characters stay", std::string(105, 'y') + " abcd\n", std::string(105, 'y') + " abcd\n", 1},
        {"130 characters break at the blank at position 109", line130 + "\n",
         line130.substr(0, 109) + "\n" + line130.substr(110) + "\n", 2},
        {"the rest is scanned too", line130 + line130 + "\n",
         line130.substr(0, 109) + "\n" + (line130 + line130).substr(110, 109) + "\n" + (line130 + line130).substr(220) + "\n", 3},
        {"a line without a blank stays and ends the scan", w110 + "z\n" + line130 + "\n", w110 + "z\n" + line130 + "\n", 2},
        {"a last line without a line break stays", line130, line130, 0},
        {"short lines are counted", "eins\nzwei\n\n", "eins\nzwei\n\n", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings S;
        S.remarks = Heap_Text(c.text);
        Remarks_Button_Flag = 0;
        EXPECT_EQ(Edit_Preliminary_Remarks(&S), 0);
        EXPECT_EQ(std::string(S.remarks), c.broken);
        EXPECT_EQ(Remarks_Line_Count, c.lines);
    }
    Settings none;
    Remarks_Line_Count = 7;
    EXPECT_EQ(Edit_Preliminary_Remarks(&none), 0);
    EXPECT_EQ(none.remarks, nullptr);
    EXPECT_EQ(Remarks_Line_Count, 0);
}

// ---- scripted runs of the dialog on a 1024 x 768 screen ----

struct Dialog_Run {
    std::string trace;   // sheets, codes, drawn texts and help
};

Dialog_Run Run_Dialog(Print_Settings* S, const std::string& script) {
    setenv("EXEC", BASIS_SOURCE_DIR "/host/EXEC", 1);
    Dialog_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Init_Screen_Palette();
        Release_All_View_Areas();
        EXPECT_EQ(Edit_Print_Settings(S), 0);
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
        return 0;
    });
    run.trace = Trace_Lines(headless.trace, {"sheet", "text", "help"});
    return run;
}

// Where the dialog and the editor stand: a first run of each without input finds them, since both
// reopen where they were left. The dialog's view area starts 10 px inside and 42 px below its top.
struct Dialog_Points {
    Traced_Sheet dialog, editor;
    Dialog_Points() {
        Settings S;
        dialog = Defined_Sheet(Run_Dialog(&S, "").trace);
        // Into the editor, and out of it with Esc, and out of the dialog with Esc.
        editor = Defined_Sheet(Run_Dialog(&S, remarks() + "key Esc\nkey Esc\n").trace, 1);
    }
    std::string at(int x, int y) const { return Click(dialog.x1 + 10 + x, dialog.y1 + 42 + y); }
    std::string remarks() const { return at(60, 45); }
    std::string grafik() const { return at(60, 65); }
    std::string ok() const { return Click(dialog.x2 - 25, dialog.y2 - 18); }
    std::string cancel() const { return Click(dialog.x1 + 29, dialog.y2 - 18); }
    // In the editor: into its text field, to the end, type, out onto its hint texts, confirm.
    std::string type_remarks(const std::string& text) const {
        const int ax = editor.x1 + 5, ay = editor.y1 + 34, aw = editor.x2 - 5 - ax;
        return remarks() + Click(ax + 300, ay + 72) + "key Ctrl+End\ntype \"" + text + "\"\n" + Click(ax + 150, ay + 12) +
               Click(ax + aw - 40 + 18, ay + 33);
    }
};

TEST(Edit_Print_Settings, DialogOf370By585AroundItsRememberedCentre) {
    Settings S;
    const Traced_Sheet first = Defined_Sheet(Run_Dialog(&S, "").trace);
    EXPECT_EQ(first.x2 - first.x1 + 1, 370);
    EXPECT_EQ(first.y2 - first.y1 + 1, 585);
    // Moved by its title bar and left with OK, it opens there again.
    const Dialog_Run moved = Run_Dialog(&S, "drag " + std::to_string(first.x1 + 100) + " " + std::to_string(first.y1 + 10) + " " +
                                                std::to_string(first.x1 + 140) + " " + std::to_string(first.y1 + 30) +
                                                "\nkey Enter\n");
    EXPECT_NE(moved.trace.find("moved 40,20"), std::string::npos) << moved.trace;
    const Traced_Sheet again = Defined_Sheet(Run_Dialog(&S, "").trace);
    EXPECT_EQ(again.x1, first.x1 + 40);
    EXPECT_EQ(again.y1, first.y1 + 20);
    EXPECT_EQ(again.x2 - again.x1 + 1, 370);
}

// The items are bound to the settings: a change stands whichever way the dialog is left.
TEST(Edit_Print_Settings, ChangesAreKeptWhicheverButtonEndsTheDialog) {
    const Dialog_Points p;
    const std::string ends[] = {p.ok(), p.cancel(), "key Esc\n", "key Enter\n"};
    for (const std::string& end : ends) {
        SCOPED_TRACE(end);
        Settings S;
        ASSERT_EQ(S.graphics, 1);
        Run_Dialog(&S, p.grafik() + end);
        EXPECT_EQ(S.graphics, 0);
    }
}

// The load-combination field of other applications passes through the dialog's choice unchanged
// in meaning: a positive value means the governing combination (1).
TEST(Edit_Print_Settings, LoadCombinationFieldSurvivesTheDialog) {
    const struct {
        int stored, after;
    } cases[] = {{1, 1}, {0, 0}, {-3, -3}, {4, 1}};
    for (const auto& c : cases) {
        Settings S;
        S.load_combination_detail = c.stored;
        Run_Dialog(&S, "key Enter\n");
        EXPECT_EQ(S.load_combination_detail, c.after) << c.stored;
    }
}

// The remarks button opens the editor; what it confirms becomes the remarks when it holds 5
// characters or more (the editor's text ends with its line end), and the page shows the count.
TEST(Edit_Print_Settings, RemarksFromTheEditor) {
    const Dialog_Points p;
    const std::string w10 = "aaaa bbbb ";
    std::string line130;
    for (int k = 0; k < 13; ++k) line130 += w10;
    struct Case {
        const char* what;
        std::string typed;
        const char* remarks;   // null: none
        std::string expected;
        const char* count;
    };
    const Case cases[] = {
        {"four characters give none", "abc", nullptr, "", "(0 Zeilen)"},
        {"five are kept", "abcd", "", "abcd\n", "(1 Zeilen)"},
        {"a long line breaks", line130, "", line130.substr(0, 109) + "\n" + line130.substr(110) + "\n", "(2 Zeilen)"},
        {"old remarks are edited", "X", "Alt\n", "AltX\n", "(1 Zeilen)"},
        {"old remarks shortened below five are dropped", "", "ab\n", "", "(0 Zeilen)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Settings S;
        if (c.remarks && *c.remarks) S.remarks = Heap_Text(c.remarks);
        const Dialog_Run run = Run_Dialog(&S, p.type_remarks(c.typed) + p.ok());
        EXPECT_NE(run.trace.find("\"Vorbemerkungen\"\n"), std::string::npos);   // the editor's title
        if (c.expected.empty()) {
            EXPECT_EQ(S.remarks, nullptr);
        } else {
            ASSERT_NE(S.remarks, nullptr);
            EXPECT_EQ(std::string(S.remarks), c.expected);
        }
        // The page drawn after the editor shows the new count.
        const std::size_t editor_gone = run.trace.find("sheet undefine 2");
        ASSERT_NE(editor_gone, std::string::npos) << run.trace;
        EXPECT_NE(run.trace.find(std::string("\"") + c.count + "\"", editor_gone), std::string::npos) << run.trace;
        EXPECT_EQ(Remarks_Button_Flag, 0);
    }
}

// Cancelling the editor leaves the remarks as they were.
TEST(Edit_Print_Settings, CancelledEditorKeepsTheRemarks) {
    const Dialog_Points p;
    Settings S;
    S.remarks = Heap_Text("Bestehende Bemerkung\n");
    Run_Dialog(&S, p.remarks() + "key Esc\n" + p.ok());
    ASSERT_NE(S.remarks, nullptr);
    EXPECT_STREQ(S.remarks, "Bestehende Bemerkung\n");
}

}  // namespace
