// The choice lists of concrete classes and reinforcing-steel grades: rows, codes, flags and colours,
// and the look-ups of rows and codes.
#include "gui/grade_lists.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/counted_alloc.h"

namespace {

// Colour indexes are packed 0xRRGGBB colours.
constexpr int Green = 0x00A400, Orange = 0xEAA400, Black = 0x000000, Brown = 0x9B7E42, Blue = 0x0000FF;

struct Row {
    std::string text;
    int code, flags, colour;
    bool operator==(const Row&) const = default;
};

void PrintTo(const Row& r, std::ostream* os) {
    *os << '{' << r.text << ", " << r.code << ", " << r.flags << ", 0x" << std::hex << r.colour << std::dec << '}';
}

struct List_Deleter {
    void operator()(Grade_List* list) const { Free_Grade_List(list); }
};
using List = std::unique_ptr<Grade_List, List_Deleter>;

// The rows as the list holds them; every text slot must end in zeros up to the row width.
std::vector<Row> Rows_Of(const Grade_List& list) {
    std::vector<Row> rows;
    for (int k = 0; k < list.count; ++k) {
        const char* slot = list.texts + k * list.row_width;
        const std::string text(slot);
        EXPECT_LT(static_cast<int>(text.size()), list.row_width) << "row " << k;
        for (int b = static_cast<int>(text.size()); b < list.row_width; ++b) EXPECT_EQ(slot[b], 0) << "row " << k;
        rows.push_back({text, list.codes[k], list.flags[k], list.colours[k]});
    }
    return rows;
}

const std::vector<Row> Old_Classes = {
    {"B15", 0, 1, Green}, {"B25", 1, 1, Green}, {"B35", 2, 1, Green}, {"B45", 3, 1, Green}, {"B55", 4, 1, Green},
};
const std::vector<Row> Classes = {
    {"C12/15", 5, 0, Black},   {"C16/20", 6, 0, Black},   {"C20/25", 7, 0, Black},    {"C25/30", 8, 0, Black},
    {"C30/37", 9, 0, Black},   {"C35/45", 10, 0, Black},  {"C40/50", 11, 0, Black},   {"C45/55", 12, 0, Black},
    {"C50/60", 13, 0, Black},  {"C55/67", 14, 0, Black},  {"C60/75", 15, 0, Black},   {"C70/85", 16, 0, Black},
    {"C80/95", 17, 0, Black},  {"C90/105", 18, 0, Black}, {"C100/115", 19, 0, Black},
};
const std::vector<Row> Lightweight_Classes = {
    {"LC12/13", 5, 2, Brown},  {"LC16/18", 6, 2, Brown},  {"LC20/22", 7, 2, Brown},  {"LC25/28", 8, 2, Brown},
    {"LC30/33", 9, 2, Brown},  {"LC35/38", 10, 2, Brown}, {"LC40/44", 11, 2, Brown}, {"LC45/50", 12, 2, Brown},
    {"LC50/55", 13, 2, Brown}, {"LC55/60", 14, 2, Brown}, {"LC60/66", 15, 2, Brown},
};
const Row Separator = {"-------", -1, 0x1000, Orange};

std::vector<Row> Joined(std::initializer_list<std::vector<Row>> parts) {
    std::vector<Row> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(GradeLists, ConcreteListsHoldTheRowsOfTheirOptions) {
    struct Case {
        const char* name;
        int full, options;
        std::vector<Row> rows;
        int option_word;
    };
    const Case cases[] = {
        {"full with old, lightweight and free rows", 1, 1 | 2 | 4,
         Joined({Old_Classes, {Separator}, Classes, {Separator}, Lightweight_Classes, {Separator, {"frei", 20, 4, Blue}}}), 0},
        {"full without options", 1, 0, Classes, 0},
        {"full with the alpha_cc row only", 1, 8, Classes, 1},
        {"full with lightweight rows", 1, 2 | 8, Joined({Classes, {Separator}, Lightweight_Classes}), 1},
        {"not full, no options", 0, 0, {}, 0},
        {"not full with old classes and every other option", 0, 1 | 2 | 4, Old_Classes, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const List list(Make_Concrete_Grade_List(c.full, c.options));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->kind, c.full);
        EXPECT_EQ(list->options, c.option_word);
        EXPECT_EQ(list->row_width, 9);
        EXPECT_EQ(list->count, static_cast<int>(c.rows.size()));
        EXPECT_EQ(Rows_Of(*list), c.rows);
    }
}

TEST(GradeLists, RebarListsHoldTheOldGradesAndTheDuctilityClasses) {
    const std::vector<Row> old = {{"BSt 220/340", 0, 0x10, Green}, {"BSt 420 S", 1, 0x10, Green}, {"BSt 500 S", 2, 0x10, Green}};
    const Row free = {"frei", 5, 32, Blue};
    struct Case {
        int kind;
        std::vector<Row> rows;
    };
    const Case cases[] = {
        {0, old},
        {1, Joined({old, {Separator, {"BSt 500 (A)", 3, 0, Black}, {"BSt 500 (B)", 4, 0, Black}, Separator, free}})},
        {2, Joined({old, {Separator, {"B500A", 3, 0, Black}, {"B500B", 4, 0, Black}, Separator, free}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        const List list(Make_Rebar_Grade_List(c.kind));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->kind, c.kind);
        EXPECT_EQ(list->row_width, 13);
        EXPECT_EQ(list->count, static_cast<int>(c.rows.size()));
        EXPECT_EQ(Rows_Of(*list), c.rows);
    }
}

TEST(GradeLists, FindGradeRowMatchesCodeAndFlagMask) {
    const List list(Make_Concrete_Grade_List(1, 1 | 2 | 4));
    auto text = [&](int row) { return row < list->count ? std::string(list->texts + row * list->row_width) : "(none)"; };
    struct Case {
        int code, mask;
        std::string text;
    };
    const Case cases[] = {
        {5, 2, "LC12/13"},   // the lightweight class shares its code with C12/15
        {5, 0, "C12/15"},    // any flags: the first row of the code
        {15, 2, "LC60/66"},
        {1, 1, "B25"},
        {20, 4, "frei"},
        {19, 2, "(none)"},   // no lightweight C100/115
        {-1, 0x1000, "-------"},
        {21, 0, "(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.code << " mask " << c.mask);
        EXPECT_EQ(text(Find_Grade_Row(list.get(), c.code, c.mask)), c.text);
    }
    EXPECT_EQ(Find_Grade_Row(list.get(), 19, 2), list->count);
}

TEST(GradeLists, GetGradeCodeStepsUpFromSeparatorsAndRefusesRowsOutside) {
    const List list(Make_Concrete_Grade_List(1, 1 | 2 | 4));
    ASSERT_EQ(list->count, 35);
    struct Case {
        int row, code, flags;
    };
    const Case cases[] = {
        {0, 0, 1},         // B15
        {5, 4, 1},         // separator after the old classes: B55 above it
        {20, 19, 0},       // C100/115
        {21, 19, 0},       // separator before the lightweight classes
        {22, 5, 2},        // LC12/13
        {33, 15, 2},       // separator before "frei": LC60/66 above it
        {34, 20, 4},       // frei
        {35, -1, 0},        // at the count
        {36, -1, 0},
        {-1, -1, 0},       // a negative row names no material
        {-100, -1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.row);
        int code = 77, flags = 77;
        Get_Grade_Code(list.get(), c.row, &code, &flags);
        EXPECT_EQ(code, c.code);
        EXPECT_EQ(flags, c.flags);
    }
    int code = 77;
    Get_Grade_Code(list.get(), 21, &code, nullptr);   // the flags are optional
    EXPECT_EQ(code, 19);
}

TEST(GradeLists, FreeingAListGivesBackEveryBlock) {
    Reset_Block_Count();
    const int before = Get_Block_Count();
    for (int options : {0, 1 | 2 | 4}) Free_Grade_List(Make_Concrete_Grade_List(0, options));
    Free_Grade_List(Make_Rebar_Grade_List(1));
    Free_Grade_List(nullptr);
    EXPECT_EQ(Get_Block_Count(), before);
}

}  // namespace
