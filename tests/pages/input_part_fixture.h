// A large view area on the test sheet, the screen palette filled, the activity pool empty, code
// edition 2025 and a fresh page for the selection caches; with finders for the items a part adds.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frame/code_edition.h"
#include "gui/view_area_events.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "pages/input_parts.h"
#include "platform/host/host_headless.h"
#include "sketches/screen_palette.h"

constexpr int Grey_192 = 0xC0C0C0;
constexpr int Grey_160 = 0xA0A0A0;
constexpr int Grey_130 = 0x828282;
constexpr int Blue = 0x0402FC;
constexpr int Brown = 0x804000;
constexpr int Green = 0x008000;
constexpr int Red = 0xFF0000;
constexpr int Black = 0;

class Input_Part_Area : public View_Area_Sheet {
  protected:
    int area = -1;
    int y = 100;

    void SetUp() override {
        View_Area_Sheet::SetUp();
        Init_Screen_Palette();
        area = Create_Scrollable_View_Area(0, 0, 780, 580, 1, 1);
        Set_Code_Edition(Code_Edition_2025);
        New_Page();
    }
    void TearDown() override {
        Set_Code_Edition(Code_Edition_2010);
        Set_Plate_Input_Style(0);
        View_Area_Sheet::TearDown();
    }
    int current_page = 0;
    // A page build: the area emptied, the pool reset, the counters at 0 and, for a page number other
    // than the last, the caches cleared. Without a number: a page of its own.
    void New_Page(int number = -1) {
        current_page = number >= 0 ? number : ++page_counter;
        Rebuild();
    }
    // The current page built again after an edit.
    void Rebuild() {
        Clear_View_Area(area);
        Reset_Field_Activity_Pool();
        Begin_Input_Part_Page(current_page);
        y = 100;
    }

    std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }

    // The first item of the kind whose text is the given one; null when there is none.
    const View_Area_Item* Find(View_Item_Kind kind, const std::string& text) {
        for (const View_Area_Item& it : Items())
            if (it.kind == kind && it.text == text) return &it;
        return nullptr;
    }
    const View_Area_Item* Text(const std::string& text) { return Find(View_Item_Kind::Text, text); }
    const View_Area_Item* Box(const std::string& label) { return Find(View_Item_Kind::Check_Box, label); }
    const View_Area_Item* Radio(const std::string& label) { return Find(View_Item_Kind::Radio_Button, label); }
    // The float field bound to the double.
    const View_Area_Item* Field(const double* value) {
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Float_Field && it.number == value) return &it;
        return nullptr;
    }
    // The choice list bound to the int (or the n-th choice list when bound is null).
    const View_Area_Item* List(const int* bound = nullptr, int n = 0) {
        for (const View_Area_Item& it : Items()) {
            if (it.kind != View_Item_Kind::Choice_List) continue;
            if (bound ? it.value == bound : n-- == 0) return &it;
        }
        return nullptr;
    }
    const View_Area_Item* First(View_Item_Kind kind) {
        for (const View_Area_Item& it : Items())
            if (it.kind == kind) return &it;
        return nullptr;
    }
    int Count(View_Item_Kind kind) {
        int n = 0;
        for (const View_Area_Item& it : Items()) n += it.kind == kind;
        return n;
    }
    // The texts of the items of one kind, in adding order.
    std::vector<std::string> Texts(View_Item_Kind kind = View_Item_Kind::Text) {
        std::vector<std::string> texts;
        for (const View_Area_Item& it : Items())
            if (it.kind == kind) texts.push_back(it.text);
        return texts;
    }
    // The texts in the subscript font (subscripts and small notes), in adding order.
    std::vector<std::string> Subscripts() {
        std::vector<std::string> s;
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Text && it.font == 4098) s.push_back(it.text);
        return s;
    }
    // The text shown by a choice list: the entry its bound index selects.
    static std::string Shown(const View_Area_Item* list) {
        if (!list || !list->value || *list->value < 0 || *list->value >= list->aux) return "";
        return list->entries[*list->value].text;
    }
    static bool Enabled(const View_Area_Item* it) { return it && it->enabled && *it->enabled != 0; }

    // Shows the area and handles one event on the script: 1 when a bound value changed. The area
    // stands at the screen's origin, so content and screen coordinates agree.
    int Handle(const std::string& script) {
        return Run_Headless(script, [&] {
                   Show_View_Area(area);
                   return Handle_View_Area_Event(area);
               })
            .exit_code;
    }
    // Clicks a field at its text, types the value and ends the editor chain.
    static std::string Type_Into(const View_Area_Item* field, const std::string& value) {
        return "click " + std::to_string(field->x1 + 10) + " " + std::to_string(field->y1 - 2) + "\ntype \"" + value +
               "\"\nkey Enter\nkey Esc\n";
    }

  private:
    static inline int page_counter = 1000;
};
