// The program-hints page: the count of switched-off hints in words, the reactivation button and
// its effect at the next build.
#include "gui/program_hints_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "gui/page_context.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_library.h"

namespace {

class ProgramHintsPage : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 610, 410, 1, 1);
    }
    void TearDown() override {
        Select_Page_Context(-1);
        View_Area_Sheet::TearDown();
    }
    std::vector<View_Area_Item>& Items() { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }
    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Text) texts.push_back(it.text);
        return texts;
    }
    View_Area_Item* Button() {
        for (View_Area_Item& it : Items())
            if (it.kind == View_Item_Kind::Picture_Button) return &it;
        return nullptr;
    }
    void Build(int* switches, int width) {
        Clear_View_Area(area);
        Draw_Program_Hints_Page(area, switches, width);
    }
};

const std::vector<std::string> Explanation = {
    "Programmhinweise",
    "Programmhinweise machen den Anwender darauf aufmerksam, dass die",
    "aktuellen Einstellungen entweder den Anwendungsvoraussetzungen nicht",
    "entsprechen oder zu ungültigen bzw. außergewöhnlichen Ergebnissen"_cp,
    "führen."_cp,
};

std::vector<std::string> Page_Texts(const char* verb, const char* count) {
    std::vector<std::string> texts = {std::string("Von insgesamt vier möglichen Programmhinweisen "_cp) + verb, count,
                                      "deaktiviert."};
    texts.insert(texts.end(), Explanation.begin(), Explanation.end());
    return texts;
}

TEST_F(ProgramHintsPage, AllHintsOnOffersNothingToReactivate) {
    int switches[4] = {1, 1, 1, 1};
    Build(switches, 500);
    EXPECT_EQ(Texts(), Page_Texts("ist", "keiner"));
    View_Area_Item* button = Button();
    ASSERT_TRUE(button);
    EXPECT_EQ(*button->enabled, 0);
    EXPECT_EQ(button->second_text, "0 Hinweis wieder aktivieren");
    EXPECT_EQ(button->text, "but_hinweise_reaktivieren.bmp");
    EXPECT_EQ(button->x1, 144);   // (500 - 212) / 2
    EXPECT_EQ(button->y1, 130);
    EXPECT_EQ(button->state, 0);  // frames from the top row
}

TEST_F(ProgramHintsPage, LinesAreCentredOnThePage) {
    int switches[4] = {1, 0, 1, 1};
    Build(switches, 501);
    ASSERT_GE(Items().size(), 3u);
    const std::string first = "Von insgesamt vier möglichen Programmhinweisen ist"_cp;
    for (const View_Area_Item& it : Items()) {
        if (it.kind != View_Item_Kind::Text || it.text != first) continue;
        EXPECT_EQ(it.x1, static_cast<int>(std::lround((501 - Get_Label_Width(first.c_str(), 4096)) / 2.0)));
        EXPECT_EQ(it.y1, 50);
    }
    EXPECT_EQ(Button()->x1, 145);   // 144.5 rounded up
    EXPECT_EQ(Texts()[1], "einer");
}

TEST_F(ProgramHintsPage, ClickSwitchesEveryHintOnAtTheNextBuild) {
    int switches[4] = {1, 0, 1, 0};
    Build(switches, 500);
    EXPECT_EQ(Texts(), Page_Texts("sind", "zwei"));
    View_Area_Item* button = Button();
    ASSERT_TRUE(button);
    EXPECT_EQ(*button->enabled, 1);
    EXPECT_EQ(button->second_text, "2 Hinweise wieder aktivieren");
    // The click stores the button's own value into its target.
    ASSERT_TRUE(button->value);
    *button->value = button->font;
    Build(switches, 500);
    EXPECT_EQ(std::vector<int>(switches, switches + 4), std::vector<int>({1, 1, 1, 1}));
    EXPECT_EQ(Texts(), Page_Texts("ist", "keiner"));
    // Once: switching a hint off again shows it off.
    switches[2] = 0;
    Build(switches, 500);
    EXPECT_EQ(Texts()[1], "einer");
}

}  // namespace
