// The painting fixture's area as the current page of the page context: text colour Ink, fill colour
// Paint, the default world transform and world drawing on. Tear-down drops hover areas a test left
// registered and deselects the page.
#pragma once

#include <cstddef>
#include <vector>

#include "gui/hover_help.h"
#include "gui/page_context.h"
#include "gui/view_area_fixture.h"
#include "gui/world_items.h"

class Page_Area_Sheet : public View_Area_Painting_Sheet {
  protected:
    static constexpr int Ink = 0x102030, Paint = 0x405060;
    void SetUp() override {
        View_Area_Painting_Sheet::SetUp();
        Select_Page_Context(area);
        Set_Page_Text_Colour(Ink);
        Set_Page_Fill_Colour(Paint);
        Set_Item_World_Transform(0, 0, 0, 1);
        Set_World_Drawing(1);
    }
    void TearDown() override {
        while (Unregister_Hover_Area() > 0) {
        }
        Select_Page_Context(-1);
        View_Area_Painting_Sheet::TearDown();
    }
    const std::vector<View_Area_Item>& Items() const { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
};
