// The host stand-in's in-place editors on the demo sheet, its menus and its sign table, driven by
// headless scripts.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_headless.h"
#include "platform/host_demo_sheet.h"

TEST(HostEditors, TypingBackspaceEnterAgainstEscAndAnUnreadableNumberKept) {
    const Headless_Run_Result run = Run_Headless(
        "click 300 95\nkey Backspace Backspace Backspace\ntype \"355\"\nkey Enter\n"   // text: Stahl S355
        "click 300 135\nkey Backspace Backspace Backspace Backspace\ntype \"7,62\"\nkey Enter\n"   // 7.62
        "click 300 135\ntype \"x\"\nkey Enter\n"                        // "7.6x" does not read: kept
        "click 300 135\nkey Backspace Backspace\ntype \"9\"\nkey Esc\n"   // Esc: kept
        "click 300 95\ntype \"ABC\"\nkey Esc\n"                          // Esc: the text as it was
        "click 300 95\ntype \"0\"\nclick 100 150\n"                      // a click elsewhere keeps the edit
        "key Esc\n",
        [] {
            Open_Demo_Sheet();
            return Run_Demo_Sheet();
        });
    EXPECT_EQ(run.exit_code, 3);
    EXPECT_EQ(demo.codes, (std::vector<int>{20, 21, 21, 21, 20, 20, 100, 3}));
    EXPECT_EQ(demo.edit_results, (std::vector<int>{1, 1, 1, 0, 0, 0}));
    EXPECT_STREQ(demo.text, "Stahl S3550         ");   // padded to its 20 characters
    EXPECT_DOUBLE_EQ(demo.value, 7.62);
}

TEST(HostEditors, NumbersReadWithCommaOrPointAndNothingElse) {
    struct Case {
        const char* typed;
        double kept;
    };
    const Case cases[] = {
        {"3,5", 3.5},   {"-0.25", -0.25}, {" 12 ", 12},   {"1e3", 1000}, {"2,5E-1", 0.25},
        {"", 1.5},      {"1,2,3", 1.5},   {"0x10", 1.5},  {"inf", 1.5},  {"1e999", 1.5},
        {"-", 1.5},     {"1e", 1.5},      {"1.5.", 1.5},
    };
    for (const Case& c : cases) {
        const std::string script = "type \"" + std::string(c.typed) + "\"\nkey Enter\n";
        double value = 1.5;
        const Headless_Run_Result run = Run_Headless(script, [&] {
            Host_Open_Screen(400, 300);
            Init_Prop_Sheets();
            Define_Prop_Sheet(0, 0, 399, 299, 1, 0, "Zahl", 0, 1);
            Set_Prop_Sheet_Edit_Float_Auto_Mode();   // the typed text replaces "1.5"
            return Short_Edit_Float(50, 50, "%5.1f", &value);
        });
        EXPECT_EQ(run.exit_code, 1) << c.typed;
        EXPECT_DOUBLE_EQ(value, c.kept) << c.typed;
    }
}

TEST(HostEditors, TextKeysMoveTheCaretAndTheClipboardPastesUpToTheLength) {
    char buffer[9] = "AB      ";
    const Headless_Run_Result run = Run_Headless(
        "key Home\ntype \"x\"\nkey End Left Delete\nkey Ctrl+V\nkey Enter\n"
        "key Ctrl+C\nkey Esc\n",
        [&] {
            Host_Open_Screen(400, 300);
            VEKSetClipboardText("0123456789");
            // xAB, then End Left Delete: xA; the paste fills up to the 8 characters: xA012345.
            EXPECT_EQ(Short_Edit_Text(10, 10, buffer, 8, 0), 1);
            EXPECT_EQ(Short_Edit_Text(10, 10, buffer, 8, 0), 0);
            char copied[20];
            EXPECT_EQ(VEKGetClipboardText(copied, sizeof copied), 8);
            EXPECT_STREQ(copied, "xA012345");
            return 0;
        });
    EXPECT_STREQ(buffer, "xA012345");
}

namespace {

int chosen_callback = 0;
void First() { chosen_callback = 1; }
void Second() { chosen_callback = 2; }
void Inner() { chosen_callback = 3; }

const Context_Menu_Entry Inner_Entries[] = {{"Innen", 1, nullptr, "", 0, Inner}};
const Context_Menu Inner_Menu = {1, 10, {0, 0, 0}, Inner_Entries};
const Context_Menu_Entry Entries[] = {
    {"Sonderzeichen", 1, nullptr, "_SPEC", 0, First},
    {"Aus", 0, nullptr, "", 0, Second},
    {"Weiter", 1, &Inner_Menu, "", 0, nullptr},
};
const Context_Menu Menu = {3, 13, {0, 0, 0}, Entries};

}  // namespace

TEST(HostMenus, ScriptedPathRunsTheChosenCallbackAndNeverAnInactiveEntry) {
    struct Case {
        const char* script;
        int result, callback;
    };
    const Case cases[] = {
        {"menu 1\n", 1, 1},
        {"menu 2\n", 0, 0},     // inactive
        {"menu 3 1\n", 1, 3},   // along the sub-menu
        {"menu 3\n", 0, 0},     // a sub-menu is no choice
        {"menu 4\n", 0, 0},
        {"menu none\n", 0, 0},
        {"", 0, 0},             // nothing queued
    };
    for (const Case& c : cases) {
        chosen_callback = 0;
        const Headless_Run_Result run = Run_Headless(c.script, [] {
            Host_Open_Screen(400, 300);
            return Menue_Manager(&Menu);
        });
        EXPECT_EQ(run.exit_code, c.result) << c.script;
        EXPECT_EQ(chosen_callback, c.callback) << c.script;
    }
    const Headless_Run_Result run = Run_Headless("menu 1\nmenu 3 1\nmenu 2\n", [] {
        for (int k = 0; k < 3; ++k) Menue_Manager(&Menu);
        return 0;
    });
    EXPECT_EQ(run.trace, "menu 1 \"Sonderzeichen\"\nmenu 1 \"Innen\"\nmenu none\n");
}

TEST(HostMenus, ContextMenuOfTheDemoSheetRunsItsCallback) {
    const Headless_Run_Result run = Run_Headless(
        "click 100 150 right\nmenu 1\nspecial \"θ\"\n"
        "click 100 150 right\nmenu none\n"
        "key Esc\n",
        [] {
            Open_Demo_Sheet();
            return Run_Demo_Sheet();
        });
    EXPECT_EQ(demo.signs, "┌"_cp);   // θ of the sign map
    EXPECT_EQ(Trace_Lines(run.trace, {"menu", "special"}), "menu 1 \"Sonderzeichen\"\nspecial \"θ\"\nmenu none\n");
}

TEST(HostMenus, SignTableOffersTheSignMap) {
    const Headless_Run_Result run = Run_Headless("special \"α\"\nspecial 225\nspecial none\n", [] {
        EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 0xBA);   // α of the sign map
        EXPECT_EQ(Get_UserSelected_SpecialCharacter(), 0xE1);   // ß
        EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);
        EXPECT_EQ(Get_UserSelected_SpecialCharacter(), -1);     // nothing queued
        return 0;
    });
    EXPECT_EQ(run.trace, "special \"α\"\nspecial \"ß\"\nspecial none\nspecial none\n");
}
