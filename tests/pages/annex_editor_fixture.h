// The annex editor pages on the large test area: the running application with its description in
// a scratch EXEC, and the view area's own event handling on a script.
#pragma once

#include <filesystem>
#include <string>

#include "annex/annex_test_support.h"
#include "annex/application_table.h"
#include "gui/view_area_events.h"
#include "pages/input_part_fixture.h"
#include "platform/host/host_headless.h"

class Annex_Editor_Area : public Input_Part_Area {
  protected:
    Annex_Folders folders;

    // The running application: its number and its description (null: none, every row counts). No
    // description of an earlier call stays.
    void Use_Application(int number, const char* description) {
        std::filesystem::remove_all(folders.exec);
        std::filesystem::create_directories(folders.exec);
        const Application_State state{"Page", number, description, false};
        Use_Application_State(state, folders);
        NAD_Forget_Application_Table();
    }
    void SetUp() override {
        Input_Part_Area::SetUp();
        Use_Application(0, nullptr);
    }
    // Clicks the box of a check box.
    static std::string Click_Box(const View_Area_Item* box) {
        return "click " + std::to_string(box->x1 - 14) + " " + std::to_string(box->y1 - 4) + "\n";
    }
};
