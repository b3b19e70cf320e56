// Material rows of the dialog pages and the dialogs that define a free concrete or reinforcing
// steel: the rows each class adds, the links, the automatic modulus, the density range and what a
// break or an accept leaves in the caller's record.
#include "gui/grade_lists.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "gui/dialog_engine.h"
#include "gui/page_context.h"
#include "gui/view_area_fixture.h"
#include "gui/view_areas.h"
#include "platform/host/host_headless.h"
#include "platform/host/host_library.h"
#include "platform/host_demo_sheet.h"

namespace {

struct List_Deleter {
    void operator()(Grade_List* list) const { Free_Grade_List(list); }
};
using List = std::unique_ptr<Grade_List, List_Deleter>;

std::vector<View_Area_Item>& Items_Of(int area) { return Scrollable_View_Areas[static_cast<std::size_t>(area)].items; }

const View_Area_Item* Find_Text(int area, const std::string& text) {
    for (const View_Area_Item& it : Items_Of(area))
        if (it.kind == View_Item_Kind::Text && it.text == text) return &it;
    return nullptr;
}

const View_Area_Item* Find_Field(int area, const double* value) {
    for (const View_Area_Item& it : Items_Of(area))
        if (it.kind == View_Item_Kind::Float_Field && it.number == value) return &it;
    return nullptr;
}

const View_Area_Item* Find_Kind(int area, View_Item_Kind kind) {
    for (const View_Area_Item& it : Items_Of(area))
        if (it.kind == kind) return &it;
    return nullptr;
}

// The text a float field shows.
std::string Shown(const View_Area_Item& field) {
    char text[64];
    std::snprintf(text, sizeof text, field.text.c_str(), *field.number);
    return text;
}

int Row_Of(const Grade_List& list, const char* text) {
    for (int k = 0; k < list.count; ++k)
        if (std::string(list.texts + k * list.row_width) == text) return k;
    return -1;
}

Concrete_Material C25_30() {
    Concrete_Material c{};
    Init_Concrete_Material(&c, 3, 0, 2200.0);
    return c;
}

class MaterialRows : public View_Area_Sheet {
  protected:
    int area = -1;
    void SetUp() override {
        View_Area_Sheet::SetUp();
        area = Create_Scrollable_View_Area(10, 10, 610, 510, 1, 1);
        Select_Page_Context(area);
    }
    void TearDown() override {
        Set_Material_Link_Mode(0);
        Select_Page_Context(-1);
        View_Area_Sheet::TearDown();
    }
};

TEST_F(MaterialRows, GradeRowsLabelTheirChoiceAndLeaveSeparators) {
    const List concrete(Make_Concrete_Grade_List(1, 1 | 2 | 4));
    const List rebar(Make_Rebar_Grade_List(1));
    struct Case {
        const char* name;
        std::function<int(int*)> add;
        const Grade_List* list;
        int selected_in, selected_out;
        std::string label;
    };
    const Case cases[] = {
        {"concrete on a separator", [&](int* s) { return Add_Concrete_Grade_Row(0, 30, 40, 0, concrete.get(), s); },
         concrete.get(), 5, 4, "Betongüte"_cp},
        {"concrete on a class", [&](int* s) { return Add_Concrete_Grade_Row(0, 30, 40, 0, concrete.get(), s); },
         concrete.get(), 9, 9, "Betongüte"_cp},
        {"rebar on the last separator", [&](int* s) { return Add_Rebar_Grade_Row(0, 30, 40, 0, rebar.get(), s); },
         rebar.get(), 6, 5, "Stahlgüte"_cp},
        {"rebar outside the list", [&](int* s) { return Add_Rebar_Grade_Row(0, 30, 40, 0, rebar.get(), s); },
         rebar.get(), 12, 12, "Stahlgüte"_cp},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear_View_Area(area);
        int selected = c.selected_in;
        EXPECT_EQ(c.add(&selected), 0);
        const View_Area_Item* label = Find_Text(area, c.label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->x1, 30);
        EXPECT_EQ(label->y1, 40);
        EXPECT_EQ(label->x2, 2) << "shadow style";
        const View_Area_Item* choice = Find_Kind(area, View_Item_Kind::Choice_List);
        ASSERT_NE(choice, nullptr);
        EXPECT_EQ(choice->x1, 30 + 75 + 7);
        EXPECT_EQ(choice->aux, c.list->count);
        EXPECT_EQ(choice->value, &selected);
        if (c.selected_in < c.list->count) {
            EXPECT_EQ(selected, c.selected_out);
        }
    }
}

TEST_F(MaterialRows, ConcreteClassesAddDensityAndAlphaRows) {
    const List plain(Make_Concrete_Grade_List(1, 1 | 2 | 4));
    const List with_alpha(Make_Concrete_Grade_List(1, 2 | 8));
    const std::string density_unit = "kg/m·"_cp;
    struct Case {
        const char* name;
        const Grade_List* list;
        const char* grade;   // nullptr: the selection lies outside the list
        int height;
        bool density, alpha;
    };
    const Case cases[] = {
        {"normal class", plain.get(), "C25/30", 0, false, false},
        {"old class", plain.get(), "B25", 0, false, false},
        {"lightweight class", plain.get(), "LC20/22", 23, true, false},
        {"normal class with alpha", with_alpha.get(), "C30/37", 23, false, true},
        {"lightweight class with alpha", with_alpha.get(), "LC12/13", 46, true, true},
        // The choice list takes a selection outside the list back to the first row, C12/15.
        {"outside the list", with_alpha.get(), nullptr, 23, false, true},
    };
    const int x = 110, y = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear_View_Area(area);
        Concrete_Material concrete = C25_30();
        int selected = c.grade ? Row_Of(*c.list, c.grade) : c.list->count + 3;
        EXPECT_EQ(Add_Concrete_Grade_With_Parameters(area, x, y, &concrete, c.list, &selected), c.height * 65536 + c.height);
        if (!c.grade) {
            EXPECT_EQ(selected, 0);
        }

        const View_Area_Item* density = Find_Field(area, &concrete.density);
        EXPECT_EQ(density != nullptr, c.density);
        if (density) {
            EXPECT_EQ(density->x1, x + 7);
            EXPECT_EQ(density->y1, y + 23);
            EXPECT_EQ(density->text, "%8.1f");
            const View_Area_Item* label = Find_Text(area, "Rohdichte");
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->x1, x - 75);
            EXPECT_EQ(label->y1, y + 23);
            const View_Area_Item* unit = Find_Text(area, density_unit);
            ASSERT_NE(unit, nullptr);
            EXPECT_EQ(unit->x1, x + 79 + 3);
        }
        const View_Area_Item* alpha = Find_Field(area, &concrete.alpha_cc);
        EXPECT_EQ(alpha != nullptr, c.alpha);
        if (alpha) {
            EXPECT_EQ(alpha->x1, x + 7);
            EXPECT_EQ(alpha->y1, y + c.height);   // the last row added
            EXPECT_EQ(alpha->text, "%8.3f");
            EXPECT_NE(Find_Text(area, "║"_cp), nullptr);
        }
    }
}

TEST_F(MaterialRows, FreeGradesShowABlueLinkInLinkMode) {
    const List concrete_list(Make_Concrete_Grade_List(1, 4));
    const List rebar_list(Make_Rebar_Grade_List(1));
    Concrete_Material concrete = C25_30();
    Rebar_Material rebar{};
    Init_Rebar_Material(&rebar, 1);
    Set_Material_Link_Mode(1);
    const int blue = Nearest_Color_Index(0, 0, 255), black = Nearest_Color_Index(0, 0, 0);
    struct Case {
        const char* name;
        std::function<int()> add;
        int height;
        const char* link;
        int x, y;
    };
    int concrete_free = Row_Of(*concrete_list, "frei"), rebar_free = Row_Of(*rebar_list, "frei");
    const Case cases[] = {
        {"concrete", [&] { return Add_Concrete_Grade_With_Parameters(area, 110, 40, &concrete, concrete_list.get(), &concrete_free); },
         23 * 65536 + 23, "-> Betonparameter definieren", 35, 63},
        {"rebar", [&] { return Add_Rebar_Grade_With_Parameters(area, 30, 40, &rebar, rebar_list.get(), &rebar_free); }, 23,
         "-> Stahlparameter definieren", 30, 63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear_View_Area(area);
        Set_Page_Text_Colour(Nearest_Color_Index(255, 0, 0));
        EXPECT_EQ(c.add(), c.height);
        const View_Area_Item* link = Find_Text(area, c.link);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->x1, c.x);
        EXPECT_EQ(link->y1, c.y);
        EXPECT_EQ(link->colour, blue);
        const View_Area_Item* spot = Find_Kind(area, View_Item_Kind::Hot_Spot);
        ASSERT_NE(spot, nullptr);
        EXPECT_NE(spot->target, nullptr);
        EXPECT_EQ(Get_Page_Text_Colour(), black);
        EXPECT_EQ(Find_Kind(area, View_Item_Kind::Bitmap), nullptr) << "no parameter picture in link mode";
    }
    // Other steel grades add nothing below the row.
    int grade = Row_Of(*rebar_list, "BSt 500 (B)");
    EXPECT_EQ(Add_Rebar_Grade_With_Parameters(area, 30, 40, &rebar, rebar_list.get(), &grade), 0);
}

// Without the link, a free grade draws its parameters and their picture right under the row.
TEST_F(MaterialRows, FreeGradesDrawTheirParametersWithoutTheLink) {
    const List concrete_list(Make_Concrete_Grade_List(1, 4 | 8));
    const List rebar_list(Make_Rebar_Grade_List(2));
    Concrete_Material concrete = C25_30();
    Rebar_Material rebar{};
    Init_Rebar_Material(&rebar, 0);
    int concrete_free = Row_Of(*concrete_list, "frei"), rebar_free = Row_Of(*rebar_list, "frei");
    struct Case {
        const char* name;
        std::function<int()> add;
        int height;
        const char* picture;
        int x1, y1, x2, y2;       // of the picture
        const char* first_label;  // and where the first parameter row stands
        int label_x, label_y;
    };
    const Case cases[] = {
        {"concrete, labelled", [&] { return Add_Labelled_Concrete_Grade(area, 35, 40, &concrete, concrete_list.get(), &concrete_free); },
         183 * 65536 + 183, "tools\\bemop_fcd.bmp", 235, 6, 455, 198, "Rohdichte", 35, 63},
        {"rebar", [&] { return Add_Rebar_Grade_With_Parameters(area, 30, 40, &rebar, rebar_list.get(), &rebar_free); }, 107,
         "tools\\bemop_fyk.bmp", 250, 40, 466, 181, "f", 30, 63},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Clear_View_Area(area);
        EXPECT_EQ(c.add(), c.height);
        const View_Area_Item* picture = Find_Kind(area, View_Item_Kind::Bitmap);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->text, c.picture);
        EXPECT_EQ(std::vector<int>({picture->x1, picture->y1, picture->x2, picture->y2}),
                  std::vector<int>({c.x1, c.y1, c.x2, c.y2}));
        EXPECT_EQ(picture->colour, Nearest_Color_Index(239, 253, 238));
        const View_Area_Item* label = Find_Text(area, c.first_label);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->x1, c.label_x);
        EXPECT_EQ(label->y1, c.label_y);
        EXPECT_EQ(Find_Kind(area, View_Item_Kind::Hot_Spot), nullptr);
    }
}

// ---------------------------------------------------------------------------------------------
// Inside dialogs, on a 1024 x 768 screen where the first dialog is centred on (512, 384).

struct Dialog_Run {
    int result = -1;
    std::string sheets;   // the "sheet define" lines
};

Dialog_Run Run_Scripted(const std::string& script, const std::function<int()>& body) {
    Dialog_Run run;
    const Headless_Run_Result headless = Run_Headless(script, [&] {
        Host_Open_Screen(1024, 768);
        Init_Prop_Sheets();
        Release_All_View_Areas();
        run.result = body();
        Release_All_View_Areas();
        Exit_Prop_Sheets();
        return 0;
    });
    run.sheets = Trace_Lines(headless.trace, {"sheet define"});
    return run;
}

// A one-page dialog of the test whose builder gets the page's area; accepted after the first pass.
int Run_Test_Page(void (*builder)(int area, int table), int preset_code = 200) {
    Dialog_Description description;
    Init_Dialog_Description(&description);
    description.width = 600;
    description.height = 400;
    description.preset_code = preset_code;
    Dialog_Page page;
    Init_Dialog_Pages(1, &page);
    page.builder = builder;
    return Run_Dialog(&description, &page);
}

class MaterialDialogs : public testing::Test {
  protected:
    void SetUp() override {
        setenv("EXEC", BASIS_SOURCE_DIR "/host/EXEC", 1);   // the pictures of the parameter pages
        setenv("VEK_USER_UseSheetBreakShortKey", "1", 1);
        setenv("VEK_USER_UseSheetOkShortKey", " 1", 1);
    }
    void TearDown() override { Set_Material_Link_Mode(0); }
};

TEST_F(MaterialDialogs, FreeConcreteOpensOnC2530AndABreakKeepsTheCallersRecord) {
    Concrete_Material mine{};
    Init_Concrete_Material(&mine, 6, 1, 1600.0);   // LC35/38 of 1600 kg/m³, named by the caller
    std::snprintf(mine.name, sizeof mine.name, "Leichtbeton Halle 3");
    mine.e_cm = 12345678.0;
    const Concrete_Material before = mine;

    const Dialog_Run broken = Run_Scripted("key Esc\n", [&] { return Edit_Free_Concrete(&mine); });
    EXPECT_EQ(broken.result, 0);
    EXPECT_EQ(std::memcmp(&mine, &before, sizeof mine), 0);
    // Page area 440 x 220: 456 x 296 with margins, title bar and button row.
    EXPECT_EQ(broken.sheets, "sheet define 1 284,236,739,531 \"Freie Definition des Betons\"\n");

    const Dialog_Run accepted = Run_Scripted("key Enter\n", [&] { return Edit_Free_Concrete(&mine); });
    EXPECT_EQ(accepted.result, 1);
    const Concrete_Material c25 = C25_30();
    EXPECT_STREQ(mine.name, c25.name);
    EXPECT_EQ(mine.lightweight, 0);
    EXPECT_DOUBLE_EQ(mine.density, 2200.0);
    EXPECT_DOUBLE_EQ(mine.f_ck, 25000.0);
    EXPECT_DOUBLE_EQ(mine.alpha_cc, c25.alpha_cc);
    EXPECT_DOUBLE_EQ(mine.eps_c2, c25.eps_c2);
    EXPECT_DOUBLE_EQ(mine.eps_cu2, c25.eps_cu2);
    EXPECT_DOUBLE_EQ(mine.n, c25.n);
    // The automatic modulus in kN/m², not a thousandth of it.
    EXPECT_NEAR(mine.e_cm, 26662629.1, 0.05);
}

TEST_F(MaterialDialogs, FreeRebarOpensOnBSt500AAndABreakKeepsTheCallersRecord) {
    Rebar_Material mine{};
    Init_Rebar_Material(&mine, 1);
    mine.f_yk = 420000.0;
    const Rebar_Material before = mine;

    const Dialog_Run broken = Run_Scripted("key Esc\n", [&] { return Edit_Free_Rebar(&mine); });
    EXPECT_EQ(broken.result, 0);
    EXPECT_EQ(std::memcmp(&mine, &before, sizeof mine), 0);
    // Page area 470 x 170: 486 x 246.
    EXPECT_EQ(broken.sheets, "sheet define 1 269,261,754,506 \"Freie Definition des Stahls\"\n");

    const Dialog_Run accepted = Run_Scripted("key Enter\n", [&] { return Edit_Free_Rebar(&mine); });
    EXPECT_EQ(accepted.result, 1);
    EXPECT_STREQ(mine.name, "BSt 500 (A)");
    EXPECT_DOUBLE_EQ(mine.f_yk, 500000.0);
    EXPECT_DOUBLE_EQ(mine.f_tk, 525000.0);
    EXPECT_DOUBLE_EQ(mine.eps_uk, 0.025);
    EXPECT_DOUBLE_EQ(mine.e_s, 2e8);
}

// What the concrete page showed at its first build.
Concrete_Material Page_Concrete;
std::vector<std::string> Page_Shows;
int Page_Modulus_Enabled = -1;

void Concrete_Page(int area, int) {
    EXPECT_EQ(Draw_Concrete_Parameters(area, 20, 0, &Page_Concrete), 183);
    Page_Shows.clear();
    for (const double* v : {&Page_Concrete.f_ck, &Page_Concrete.eps_c2, &Page_Concrete.eps_cu2, &Page_Concrete.e_cm}) {
        const View_Area_Item* field = Find_Field(area, v);
        Page_Shows.push_back(field ? Shown(*field) : "(none)");
        if (v == &Page_Concrete.e_cm && field) Page_Modulus_Enabled = *field->enabled;
    }
    const View_Area_Item* picture = Find_Kind(area, View_Item_Kind::Bitmap);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->text, "tools\\bemop_fcd.bmp");
}

TEST_F(MaterialDialogs, AutomaticModulusFollowsFckInDisplayUnits) {
    struct Case {
        double f_ck;               // kN/m²
        const char* shown_fck;
        const char* shown_ecm;     // MN/m²
        double stored_ecm;         // kN/m²
    };
    const Case cases[] = {
        {25000.0, "   25.00", " 26662.6", 26662629.1},
        {30000.0, "   30.00", " 28309.4", 28309361.1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.f_ck);
        Page_Concrete = C25_30();
        Page_Concrete.f_ck = c.f_ck;
        Page_Concrete.e_cm = 1.0;   // whatever it held, the automatic modulus replaces it
        const Dialog_Run run = Run_Scripted("", [] { return Run_Test_Page(Concrete_Page); });
        EXPECT_EQ(run.result, 1);
        // Strains in per mille without their sign.
        EXPECT_EQ(Page_Shows, (std::vector<std::string>{c.shown_fck, "   2.000", "   3.500", c.shown_ecm}));
        EXPECT_EQ(Page_Modulus_Enabled, 0) << "read-only while automatic";
        EXPECT_DOUBLE_EQ(Page_Concrete.f_ck, c.f_ck);
        EXPECT_NEAR(Page_Concrete.e_cm, c.stored_ecm, 0.05);
        EXPECT_DOUBLE_EQ(Page_Concrete.eps_c2, -0.002);
    }
}

// The density range applied by the field's change callback after edits.
std::vector<double> Density_After_Edits;

void Density_Page(int area, int) {
    static double density = 2000.0;
    static const int enabled = 1;   // the item reads it while it paints
    EXPECT_EQ(Add_Density_Field(40, 30, &density, &enabled), 79);
    const View_Area_Item& field = Items_Of(area).back();
    ASSERT_EQ(field.number, &density);
    ASSERT_NE(field.on_change, nullptr);
    Density_After_Edits.clear();
    for (double typed : {450.0, 2500.0, 1600.0, 500.0, 2200.0}) {
        density = typed;
        field.on_change(0, &density);
        Density_After_Edits.push_back(density);
    }
}

TEST_F(MaterialDialogs, DensityIsHeldBetween500And2200AfterAnEdit) {
    const Dialog_Run run = Run_Scripted("", [] { return Run_Test_Page(Density_Page); });
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(Density_After_Edits, (std::vector<double>{500.0, 2200.0, 1600.0, 500.0, 2200.0}));
}

// A page with a free concrete row in link mode: the first build clicks the link and asks for the
// page to be built again, which opens the dialog.
const Grade_List* Link_List = nullptr;
Concrete_Material Link_Concrete;
int Link_Selected = 0;
std::vector<int> Link_Choice_Fields;   // choice fields on the outer page at the end of each build
int Link_Result = -1;

void Link_Page(int area, int) {
    Link_Result = Add_Concrete_Grade_With_Parameters(area, 110, 40, &Link_Concrete, Link_List, &Link_Selected);
    int choices = 0;
    for (const View_Area_Item& it : Items_Of(area)) {
        if (it.kind == View_Item_Kind::Choice_List) ++choices;
        if (Link_Choice_Fields.empty() && it.kind == View_Item_Kind::Hot_Spot) {
            *it.target = it.own_value;   // the click
            Request_Page_Rebuild();
        }
    }
    Link_Choice_Fields.push_back(choices);
}

TEST_F(MaterialDialogs, ALinkClickedOnThePageOpensTheDialogAtTheNextBuild) {
    const List list(Make_Concrete_Grade_List(1, 4));
    Link_List = list.get();
    Link_Selected = Row_Of(*list, "frei");
    Link_Concrete = Concrete_Material{};
    Link_Choice_Fields.clear();
    Set_Material_Link_Mode(1);
    // The inner dialog takes Enter, the outer one then Esc.
    const Dialog_Run run = Run_Scripted("key Enter\nkey Esc\n", [] { return Run_Test_Page(Link_Page, -1); });
    EXPECT_EQ(run.result, 0);
    EXPECT_NE(run.sheets.find("sheet define 2 284,236,739,531 \"Freie Definition des Betons\"\n"), std::string::npos)
        << run.sheets;
    EXPECT_DOUBLE_EQ(Link_Concrete.f_ck, 25000.0);
    EXPECT_EQ(Link_Result, 23 * 65536 + 23);
    // The build that opened the dialog still drew its choice field on the outer page.
    ASSERT_GE(Link_Choice_Fields.size(), 2u);
    EXPECT_EQ(Link_Choice_Fields[1], 1);
}

}  // namespace
