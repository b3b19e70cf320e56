// An 800 x 600 screen with one sheet over it and every view area slot free. The host's short-key
// settings are the same for every view area test, so that whichever test creates the first area of
// the process reads these: Esc on, Enter on (" 1"), F1 not a number, jump missing.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/view_areas.h"
#include "platform/host/host_library.h"

// A 1024 x 768 screen without sheets and with every view area slot free, for whole dialogs.
inline void Open_Dialog_Screen() {
    Host_Open_Screen(1024, 768);
    Init_Prop_Sheets();
    Release_All_View_Areas();
}

class View_Area_Sheet : public testing::Test {
  protected:
    void SetUp() override {
        setenv("VEK_USER_UseSheetBreakShortKey", "1", 1);
        setenv("VEK_USER_UseSheetOkShortKey", " 1", 1);
        setenv("VEK_USER_UseSheetHelpShortKey", "ja", 1);
        unsetenv("VEK_USER_UseSheetJumpShortKey");
        Release_All_View_Areas();
        Host_Open_Screen(800, 600);
        Init_Prop_Sheets();
        Define_Prop_Sheet(0, 0, 799, 599, 0, 0, "Seite", 0, 1);
    }
    void TearDown() override {
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
    }
};

// An area at screen (100, 100) to (483, 383) (both sliders) without frame, for painting.
class View_Area_Painting_Sheet : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(100, 100, 500, 400, 1, 1);
        Set_View_Area_Frame(area, 0);
    }
};
