#include "common/pointer_array.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// Named items; the array holds their addresses.
struct Item {
    const char* name;
};
Item A{"A"}, B{"B"}, X{"X"};

int Compare_Names(const void* a, const void* b) {
    return std::strcmp(static_cast<const Item*>(a)->name, static_cast<const Item*>(b)->name);
}

// The names in order, "-" for a null slot, over the whole capacity.
std::string Slots(const Pointer_Array& a) {
    std::string s;
    for (int i = 0; i < a.capacity; ++i) s += a.items[i] ? static_cast<Item*>(a.items[i])->name : "-";
    return s;
}

// An array that releases its vector at the end of the test.
struct Array {
    Pointer_Array a;
    Array() { PtrArr_Init(&a, 0); }
    ~Array() { PtrArr_Free_Items(&a); }
};

TEST(Pointer_Array, SetGrowsByTheRule) {
    Array t;
    EXPECT_EQ(PtrArr_Set(&t.a, 4, &A), nullptr);
    EXPECT_EQ(PtrArr_Capacity(&t.a), 10);   // max(4 + 1, 0 + 10)
    EXPECT_EQ(PtrArr_Count(&t.a), 5);
    EXPECT_EQ(Slots(t.a), "----A-----");
    EXPECT_EQ(PtrArr_Set(&t.a, 4, &B), &A);   // the replaced item
    EXPECT_EQ(PtrArr_Set(&t.a, 25, &X), nullptr);
    EXPECT_EQ(PtrArr_Capacity(&t.a), 26);     // max(25 + 1, 10 + 10)
    EXPECT_EQ(PtrArr_Count(&t.a), 26);
    EXPECT_EQ(PtrArr_Get(&t.a, 25), &X);
    EXPECT_EQ(PtrArr_Get(&t.a, 26), nullptr);
    EXPECT_EQ(PtrArr_Get(&t.a, -1), nullptr);
    // A negative index or a position beyond the limit stores nothing.
    EXPECT_EQ(PtrArr_Set(&t.a, -1, &A), nullptr);
    EXPECT_EQ(PtrArr_Set(&t.a, Pointer_Array_Limit, &A), nullptr);
    EXPECT_EQ(PtrArr_Insert(&t.a, 2000000000, &A), nullptr);
    EXPECT_EQ(PtrArr_Count(&t.a), 26);
}

TEST(Pointer_Array, InsertAndRemoveShiftTheItems) {
    Array t;
    PtrArr_Insert(&t.a, 0, &A);
    PtrArr_Insert(&t.a, 1, &B);
    EXPECT_EQ(PtrArr_Insert(&t.a, 0, &X), &X);
    EXPECT_EQ(Slots(t.a).substr(0, 4), "XAB-");
    EXPECT_EQ(PtrArr_Remove(&t.a, 1), &A);
    EXPECT_EQ(Slots(t.a).substr(0, 3), "XB-");   // the freed last slot is null
    EXPECT_EQ(PtrArr_Count(&t.a), 2);
    EXPECT_EQ(PtrArr_Remove(&t.a, 2), nullptr);
    EXPECT_EQ(PtrArr_Insert(&t.a, -1, &A), nullptr);
    // Inserting into a full array grows it first.
    Array full;
    PtrArr_Reserve(&full.a, 2);
    PtrArr_Insert(&full.a, 0, &A);
    PtrArr_Insert(&full.a, 1, &B);
    PtrArr_Insert(&full.a, 1, &X);
    EXPECT_EQ(PtrArr_Capacity(&full.a), 12);
    EXPECT_EQ(Slots(full.a).substr(0, 4), "AXB-");
}

TEST(Pointer_Array, SortPutsNullItemsLast) {
    Array t;
    PtrArr_Set(&t.a, 0, &X);
    PtrArr_Set(&t.a, 2, &A);
    PtrArr_Sort(&t.a, Compare_Names);
    EXPECT_EQ(Slots(t.a).substr(0, 3), "AX-");
}

TEST(Pointer_Array, SearchSortedGivesTheItemOrTheInsertionPlace) {
    Array t;
    Item items[5] = {{"B"}, {"D"}, {"F"}, {"H"}, {"K"}};
    for (Item& i : items) PtrArr_Insert(&t.a, t.a.count, &i);
    struct Case {
        const char* key;
        const Item* found;
        int index;
    };
    const Case cases[] = {{"C", nullptr, 1}, {"A", nullptr, 0}, {"Z", nullptr, 5},
                          {"B", &items[0], 0}, {"K", &items[4], 4}, {"F", &items[2], 2},
                          {"G", nullptr, 3}, {"H", &items[3], 3}};
    for (const Case& c : cases) {
        Item key{c.key};
        int index = -7;
        EXPECT_EQ(PtrArr_Search_Sorted(&t.a, &key, Compare_Names, &index), c.found) << c.key;
        EXPECT_EQ(index, c.index) << c.key;
    }
    Array empty;
    int index = -7;
    Item key{"A"};
    EXPECT_EQ(PtrArr_Search_Sorted(&empty.a, &key, Compare_Names, &index), nullptr);
    EXPECT_EQ(index, 0);
}

int Name_Is(const void* item, const void* key) {
    return std::strcmp(static_cast<const Item*>(item)->name, static_cast<const char*>(key)) == 0;
}

int Slot_Name_Differs(void* const* slot, const void* key) {
    return std::strcmp(static_cast<const Item*>(*slot)->name, static_cast<const char*>(key));
}

TEST(Pointer_Array, LinearSearches) {
    Array t;
    PtrArr_Insert(&t.a, 0, &A);
    PtrArr_Insert(&t.a, 1, &B);
    int index = -1;
    EXPECT_EQ(PtrArr_Find(&t.a, "B", Name_Is, &index), &B);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(PtrArr_Find(&t.a, "Q", Name_Is, &index), nullptr);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(PtrArr_Find_First(&t.a, "A", Slot_Name_Differs, &index), &A);
    EXPECT_EQ(index, 0);
    EXPECT_EQ(PtrArr_Find_First(&t.a, "Q", Slot_Name_Differs, &index), nullptr);
    EXPECT_EQ(index, 2);
}

TEST(Pointer_Array, ReserveNewAndDelete) {
    Pointer_Array* a = PtrArr_New(3);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(PtrArr_Capacity(a), 3);
    EXPECT_EQ(PtrArr_Count(a), 0);
    PtrArr_Set(a, 2, &A);
    EXPECT_EQ(PtrArr_Reserve(a, 2), 1);   // the count is cut to the capacity
    EXPECT_EQ(PtrArr_Count(a), 2);
    EXPECT_EQ(PtrArr_Reserve(a, 0), 1);   // releases the vector
    EXPECT_EQ(a->items, nullptr);
    EXPECT_EQ(PtrArr_Capacity(a), 0);
    EXPECT_EQ(PtrArr_Reserve(a, Pointer_Array_Limit + 1), 0);
    PtrArr_Delete(a);
    Pointer_Array* none = PtrArr_New(0);
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->items, nullptr);
    PtrArr_Delete(none);
}

}  // namespace

TEST(Pointer_Array, NullSlotsNeverReachTheComparatorOrPredicate) {
    // Sorted with the null slot last; the comparators and predicates here would fail on null.
    Array t;
    PtrArr_Set(&t.a, 0, &X);
    PtrArr_Set(&t.a, 2, &A);
    PtrArr_Sort(&t.a, Compare_Names);
    struct Case {
        const char* key;
        const Item* found;
        int index;
    };
    const Case cases[] = {{"Z", nullptr, 2}, {"X", &X, 1}, {"A", &A, 0}, {"B", nullptr, 1}, {"0", nullptr, 0}};
    for (const Case& c : cases) {
        Item key{c.key};
        int index = -7;
        EXPECT_EQ(PtrArr_Search_Sorted(&t.a, &key, Compare_Names, &index), c.found) << c.key;
        EXPECT_EQ(index, c.index) << c.key;
    }
    Array gap;
    PtrArr_Set(&gap.a, 0, &A);
    PtrArr_Set(&gap.a, 2, &B);   // position 1 stays null
    int index = -1;
    EXPECT_EQ(PtrArr_Find(&gap.a, "B", Name_Is, &index), &B);
    EXPECT_EQ(index, 2);
    EXPECT_EQ(PtrArr_Find_First(&gap.a, "Q", Slot_Name_Differs, &index), nullptr);
    EXPECT_EQ(index, 3);
}
