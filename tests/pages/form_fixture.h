// A view area wide enough for a connection form (1000 x 560 on a 1024 x 600 screen), the screen
// palette filled, the pool and the editing variables fresh; and lookups of the items a form added.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/view_area_items.h"
#include "gui/view_areas.h"
#include "pages/page_edit_flags.h"
#include "platform/host/host_library.h"
#include "sketches/screen_palette.h"

class Form_Area : public testing::Test {
  protected:
    int area = -1;
    void SetUp() override {
        Release_All_View_Areas();
        Host_Open_Screen(1024, 600);
        Init_Prop_Sheets();
        Define_Prop_Sheet(0, 0, 1023, 599, 0, 0, "Seite", 0, 1);
        Init_Screen_Palette();
        Reset_Field_Activity_Pool();
        Page_Edit_Flags = Page_Edit_Flags_Record{};
        area = Create_Scrollable_View_Area(10, 10, 1010, 570, 1, 1);
    }
    void TearDown() override {
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        Exit_Grafik_Mode();
    }
    const std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
    // The first item whose text is exactly the given CP437 text; null when none.
    const View_Area_Item* Find(const std::string& text, View_Item_Kind kind = View_Item_Kind::Text) {
        for (const View_Area_Item& item : Items())
            if (item.kind == kind && item.has_text && item.text == text) return &item;
        return nullptr;
    }
    int Count(const std::string& text) {
        int n = 0;
        for (const View_Area_Item& item : Items())
            if (item.has_text && item.text == text) ++n;
        return n;
    }
    // The float field bound to the variable; null when none.
    const View_Area_Item* Field_Of(const double* value) {
        for (const View_Area_Item& item : Items())
            if (item.kind == View_Item_Kind::Float_Field && item.number == value) return &item;
        return nullptr;
    }
    const View_Area_Item* Bound_To(const int* value, View_Item_Kind kind) {
        for (const View_Area_Item& item : Items())
            if (item.kind == kind && item.value == value) return &item;
        return nullptr;
    }
};
