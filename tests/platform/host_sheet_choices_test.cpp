// Radio buttons with connected texts on a sheet, the end keys of the in-place editors, and the mouse
// state a caller wrote itself, driven by headless scripts.
#include "platform/host/host_library.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/host/host_headless.h"

namespace {

class Sheet_Choices : public testing::Test {
  protected:
    void SetUp() override {
        Host_Open_Screen(640, 480);
        Init_Prop_Sheets();
    }
    void TearDown() override {
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
    }
};

// Two radios bound to one int at (100, 100) and (100, 120) with texts at (118, 111) and (118, 131),
// code 3; an OK button with code 1. The codes returned until OK, and the choice after each.
struct Radio_Run {
    std::vector<int> codes;
    std::vector<int> choices;
    std::string trace;
};

Radio_Run Run_Radios(const std::string& script, int second_activity) {
    Radio_Run r;
    int choice = 1;
    r.trace = Run_Headless(script, [&] {
                  Define_Prop_Sheet(50, 50, 400, 300, 0, 0, "Wahl", 0, 1);
                  const int a = Add_Alternativ_Button_to_PS(100, 100, 1, 3, &choice, 1, RADIO_BUTTON_LAYOUT);
                  Add_Aligned_Connected_Text_to_Button_of_PS(a, 118, 111, "gesamte Spalte", 4096, 0, 0);
                  const int b = Add_Alternativ_Button_to_PS(100, 120, second_activity, 3, &choice, 2, RADIO_BUTTON_LAYOUT);
                  Add_Aligned_Connected_Text_to_Button_of_PS(b, 118, 131, "Zeilenausschnitt", 4096, 0, 0);
                  Add_Single_Button_to_PS(300, 250, 1, 1, nullptr, SYMBOLIC_OK_RASTER, nullptr);
                  Activate_Prop_Sheet();
                  for (int k = 0; k < 10; ++k) {
                      const int code = Edit_Prop_Sheet();
                      r.codes.push_back(code);
                      r.choices.push_back(choice);
                      if (code == 1 || code == 0) break;
                  }
                  Undefine_Prop_Sheet();
                  return 0;
              }).trace;
    return r;
}

}  // namespace

TEST_F(Sheet_Choices, RadioTakesClicksOnItsCircleAndItsTextButNotWhileInactive) {
    struct Case {
        const char* script;
        int second_activity;
        std::vector<int> codes, choices;
    };
    const Case cases[] = {
        // The second circle, then the first text, then OK.
        {"click 105 125\nclick 130 107\nclick 310 260\n", 1, {3, 3, 1}, {2, 1, 1}},
        // The second text; a click beside both texts and circles returns nothing.
        {"click 140 128\nclick 95 140\nclick 310 260\n", 1, {3, 1}, {2, 2}},
        // An inactive radio takes neither its circle nor its text.
        {"click 105 125\nclick 140 128\nclick 310 260\n", -1, {1}, {1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const Radio_Run r = Run_Radios(c.script, c.second_activity);
        EXPECT_EQ(r.codes, c.codes);
        EXPECT_EQ(r.choices, c.choices);
    }
}

TEST_F(Sheet_Choices, SetRadioShowsItsDotAndInactiveTextIsGrey) {
    int choice = 2;
    Define_Prop_Sheet(50, 50, 400, 300, 0, 0, "Wahl", 0, 1);
    const int a = Add_Alternativ_Button_to_PS(100, 100, 1, 3, &choice, 1, RADIO_BUTTON_LAYOUT);
    const int b = Add_Alternativ_Button_to_PS(100, 120, -1, 3, &choice, 2, RADIO_BUTTON_LAYOUT);
    Add_Aligned_Connected_Text_to_Button_of_PS(b, 118, 131, "Zeilenausschnitt", 4096, 0, 0);
    Activate_Prop_Sheet();
    // The dot covers the circle's centre pixels (105..106, 104..107).
    EXPECT_EQ(Host_Pixel(105, 105), 0xFFFFFF);   // first: clear, white inside
    EXPECT_EQ(Host_Pixel(105, 125), 0x808080);   // second: set but inactive, grey dot
    auto has_ink = [](int x1, int y1, int x2, int y2, int colour) {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (Host_Pixel(x, y) == colour) return true;
        return false;
    };
    EXPECT_TRUE(has_ink(118, 120, 200, 133, 0x808080));
    EXPECT_FALSE(has_ink(118, 120, 200, 133, 0x000000));
    Change_Activity_PS(b, 1);   // redrawn at once: the dot and the text black
    EXPECT_EQ(Host_Pixel(105, 125), 0x000000);
    EXPECT_TRUE(has_ink(118, 120, 200, 133, 0x000000));
    (void)a;
}

TEST_F(Sheet_Choices, EditorsLeaveTheirEndKeyAndKeepTheTextOnUpAndDown) {
    struct Case {
        const char* keys;
        int result, key;
        double value;
    };
    const Case cases[] = {
        {"key Enter\n", 1, 13, 27},     {"key Esc\n", 0, 27, 5},   {"key Up\n", 0, 328, 27},
        {"key Down\n", 0, 336, 27},     {"click 600 400\n", 0, 0, 27},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        double value = 5;
        LAST_SHEET_EDIT_KEY = -1;
        const int result = Run_Headless(std::string("key Backspace Backspace Backspace Backspace\ntype \"27\"\n") + c.keys,
                                        [&] { return Short_Edit_Float(100, 100, "%6.2f", &value); })
                               .exit_code;
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(LAST_SHEET_EDIT_KEY, c.key);
        EXPECT_DOUBLE_EQ(value, c.value);

        char text[9] = "Stahl   ";
        LAST_SHEET_EDIT_KEY = -1;
        const int r2 = Run_Headless(std::string("type \"X\"\n") + c.keys, [&] { return Short_Edit_Text(100, 100, text, 8, 0); })
                           .exit_code;
        EXPECT_EQ(r2, c.result);
        EXPECT_EQ(LAST_SHEET_EDIT_KEY, c.key);
        EXPECT_STREQ(text, c.key == 27 ? "Stahl   " : "StahlX  ");
    }
}

TEST_F(Sheet_Choices, ButtonStateWrittenByTheCallerIsCorrectedByTheNextMouseEvent) {
    // The device's button is up: the caller's M_LEFT = 1 is answered at once by a release, and the
    // script's move still comes afterwards.
    std::vector<int> seen;
    Run_Headless("move 10 20\n", [&] {
        M_LEFT = 1;
        seen.push_back(Get_Mouse_Event());
        seen.push_back(M_LEFT);
        seen.push_back(Get_Mouse_Event());
        seen.push_back(M_XPOS);
        return 0;
    });
    EXPECT_EQ(seen, (std::vector<int>{0x1, 0, 0x20, 10}));
    // While the device's button is down, M_LEFT = 1 is the truth and the wait goes on to the release.
    seen.clear();
    Run_Headless("move 10 20\ndown\nmove 30 20\nup\n", [&] {
        while (!M_LEFT) Get_Mouse_Event();
        seen.push_back(Get_Mouse_Event());
        seen.push_back(M_XPOS);
        return 0;
    });
    EXPECT_EQ(seen, (std::vector<int>{0x20, 30}));
}
