// Scripts of the host stand-in: reading commands, their errors, key names, and the commands that
// act on the run itself (paste, dump, mark).
#include "platform/host/host_script.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "test_support.h"

TEST(HostScript, CommandsAreReadWithTheirArguments) {
    struct Case {
        const char* line;
        Script_Command::Op op;
        std::vector<int> numbers;
        std::string text;
    };
    const Case cases[] = {
        {"move 10 -20", Script_Command::Move, {10, -20}, ""},
        {"down", Script_Command::Down, {0}, ""},
        {"up right", Script_Command::Up, {1}, ""},
        {"click 5 6 right", Script_Command::Click, {5, 6, 1}, ""},
        {"drag 1 2 3 4", Script_Command::Drag, {1, 2, 3, 4}, ""},
        {"wheel -3", Script_Command::Wheel, {-3}, ""},
        {"key esc Enter F1 ctrl+home 65", Script_Command::Key, {27, 13, 315, 375, 65}, ""},
        {"type \"Größe \\\"a\\\"\\n\"", Script_Command::Type, {}, "Größe \"a\"\n"_cp},
        {"paste \"σ ≤ 1\"", Script_Command::Paste, {}, "σ ≤ 1"_cp},
        {"wait 250", Script_Command::Wait, {250}, ""},
        {"answer no", Script_Command::Answer, {0}, ""},
        {"special \"Δ\"", Script_Command::Special, {0xA3}, ""},
        {"special none", Script_Command::Special, {-1}, ""},
        {"menu 3 1", Script_Command::Menu, {3, 1}, ""},
        {"menu 0", Script_Command::Menu, {}, ""},
        {"dump bild.png", Script_Command::Dump, {}, "bild.png"},
        {"mark   Schritt 2 ", Script_Command::Mark, {}, "Schritt 2"},
        {"close", Script_Command::Close, {}, ""},
    };
    for (const Case& c : cases) {
        const Host_Script s = Parse_Host_Script(c.line);
        ASSERT_EQ(s.commands.size(), 1u) << c.line;
        EXPECT_TRUE(s.errors.empty()) << c.line;
        EXPECT_EQ(s.commands[0].op, c.op) << c.line;
        EXPECT_EQ(s.commands[0].numbers, c.numbers) << c.line;
        EXPECT_EQ(s.commands[0].text, c.text) << c.line;
    }
}

TEST(HostScript, LinesThatCannotBeReadAreReportedAndSkipped) {
    const Host_Script s = Parse_Host_Script(
        "# a comment\n"
        "\n"
        "jump 1 2\n"
        "move 1\n"
        "click 1 2 middle\n"
        "key Foo\n"
        "wait -5\n"
        "type \"€\"\n"
        "type unquoted\n"
        "answer maybe\n"
        "special 256\n"
        "menu 1 -2\n"
        "paste \"open\n"
        "wheel 1.5\n"
        "close\n");
    ASSERT_EQ(s.commands.size(), 1u);
    EXPECT_EQ(s.commands[0].line, 15);
    EXPECT_EQ(s.errors, (std::vector<std::string>{
                            "Zeile 3: unbekannter Befehl \"jump\"",
                            "Zeile 4: erwartet: move X Y",
                            "Zeile 5: erwartet: click X Y [left|right]",
                            "Zeile 6: unbekannte Taste \"Foo\"",
                            "Zeile 7: erwartet: wait MS (0 bis 3600000)",
                            "Zeile 8: Zeichen ohne CP437-Code",
                            "Zeile 9: erwartet: type \"TEXT\"",
                            "Zeile 10: erwartet: answer yes|no",
                            "Zeile 11: erwartet: special ZEICHEN|NUMMER|none",
                            "Zeile 12: erwartet: menu N ...|none",
                            "Zeile 13: Anführungszeichen nicht geschlossen",
                            "Zeile 14: erwartet: wheel N",
                        }));
}

TEST(HostScript, KeyNamesGiveTheHostKeyCodes) {
    const std::pair<const char*, int> keys[] = {
        {"Esc", 27},       {"Enter", 13},     {"Backspace", 8},  {"Tab", 9},         {"Space", 32},
        {"F1", 315},       {"Home", 327},     {"Up", 328},       {"PageUp", 329},    {"Left", 331},
        {"Right", 333},    {"End", 335},      {"Down", 336},     {"PageDown", 337},  {"Delete", 339},
        {"Ctrl+End", 373}, {"Ctrl+Home", 375}, {"Ctrl+A", 1},    {"Ctrl+C", 3},      {"Ctrl+V", 22},
        {"Ctrl+X", 24},    {"132", 132},      {"F2", -1},        {"-1", -1},         {"70000", -1},
    };
    for (const auto& [name, code] : keys) EXPECT_EQ(Host_Key_Code(name), code) << name;
}

TEST(HostScript, PasteDumpAndMarkActWhenTheirTurnComes) {
    Scratch_Dir dir;
    const std::string png = dir.file("schirm.png");
    const Headless_Run_Result run = Run_Headless(
        "mark Anfang\npaste \"Maß\"\ndump " + png + "\nbogus\nmark Ende\n", [&] {
            Host_Open_Screen(64, 64);
            EXPECT_EQ(getkey(), 22);   // the paste's Ctrl+V, after the clipboard was filled
            char text[8];
            EXPECT_EQ(VEKGetClipboardText(text, sizeof text), 3);
            EXPECT_STREQ(text, "Maß"_cp);
            EXPECT_FALSE(File_Exists(png));   // not yet: the dump comes at the next wait
            Get_Mouse_Event();
            return 0;
        });
    EXPECT_TRUE(File_Exists(png));
    EXPECT_EQ(run.trace, "script Zeile 4: unbekannter Befehl \"bogus\"\nmark Anfang\ndump \"" + png +
                             "\"\nmark Ende\nend of input\nclose request\n");
}
