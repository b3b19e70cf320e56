// Keyed result records: the key line in its forms, the search by pattern across records of other
// kinds, and the components picked through the member and node tables.
#include "common/keyed_records.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/cp437.h"
#include "test_support.h"

namespace {

struct Record : Keyed_Record {
    ~Record() { Free_VEK_Param_Arrays(&values); }
};

std::vector<int> Keys_Of(const int* k) { return std::vector<int>(k, k + Record_Key_Count); }

}  // namespace

TEST(KeyedRecords, KeyLineForms) {
    struct Case {
        const char* line;
        int result;
        std::vector<int> keys;
        const char* rest;
    };
    const Case cases[] = {
        {"1|2|3\nX", 1, {1, 2, 3, -1, -1, -1, -1}, "X"},
        {"1|2|3\r\nX", 1, {1, 2, 3, -1, -1, -1, -1}, "X"},
        {"-1|-1|3|0|0|0|2\nX", 1, {-1, -1, 3, 0, 0, 0, 2}, "X"},
        {"1|2|3|4|5|6|7|8|9\nX", 1, {1, 2, 3, 4, 5, 6, 7}, "X"},
        {"1|2|3|4|5|6|7\r\nX", 1, {1, 2, 3, 4, 5, 6, 7}, "X"},
        {"1;2\n", 0, {1, -1, -1, -1, -1, -1, -1}, nullptr},
        {"1|x\n", 0, {1, -1, -1, -1, -1, -1, -1}, nullptr},
        {"1|2\rX", 0, {1, 2, -1, -1, -1, -1, -1}, nullptr},
        {"", 0, {-1, -1, -1, -1, -1, -1, -1}, nullptr},
    };
    for (const Case& c : cases) {
        Text_Stream in(c.line);
        int keys[Record_Key_Count];
        EXPECT_EQ(Read_Record_Keys(in.stream, keys), c.result) << c.line;
        EXPECT_EQ(Keys_Of(keys), c.keys) << c.line;
        if (c.rest) {
            EXPECT_EQ(std::fgetc(in.stream), c.rest[0]) << c.line;
        }
    }
}

TEST(KeyedRecords, PatternSkipsRecordsOfOtherKinds) {
    Record member, node;
    member.keys[0] = 4;
    member.keys[6] = 0;
    node.keys[0] = 5;
    node.keys[6] = 1;
    const double values[] = {1.5, 2.5};
    ASSERT_EQ(Set_VEK_Param_Arrays(&node.values, nullptr, nullptr, 0, nullptr, values, nullptr, 2, nullptr, nullptr,
                                   nullptr, 0, nullptr),
              1);
    const std::string file = Capture_Output([&](FILE* f) {
        EXPECT_EQ(Write_Keyed_Record(f, &member), 1);
        EXPECT_EQ(Write_Keyed_Record(f, &node), 1);
    });
    EXPECT_EQ(file, "\n<DXP\n4|-1|-1|-1|-1|-1|0\n0 0 0\n\n<DXP\n5|-1|-1|-1|-1|-1|1\n0 2 0\n 1.500000e+00 2.500000e+00\n");

    const int any[Record_Key_Count] = {-1, -1, -1, -1, -1, -1, -1};
    const int nodes[Record_Key_Count] = {-1, -1, -1, -1, -1, -1, 1};
    const int missing[Record_Key_Count] = {6, -1, -1, -1, -1, -1, -1};
    struct Case {
        const char* name;
        const int* pattern;
        int result;
        int first_key;
    };
    const Case cases[] = {{"any", any, 1, 4}, {"null pattern", nullptr, 1, 4}, {"nodes", nodes, 1, 5}, {"none", missing, 0, 6}};
    for (const Case& c : cases) {
        Text_Stream in(file);
        Record r;
        EXPECT_EQ(Read_Keyed_Record(in.stream, c.pattern, &r), c.result) << c.name;
        if (c.result) {
            EXPECT_EQ(r.keys[0], c.first_key) << c.name;
        }
    }
    Text_Stream in(file);
    Record r;
    ASSERT_EQ(Read_Keyed_Record(in.stream, nodes, &r), 1);
    EXPECT_EQ(Get_Keyed_Record_Double(&r, 1), 2.5);
    EXPECT_EQ(Read_Keyed_Record(in.stream, nullptr, &r), 0);   // nothing after it

    EXPECT_EQ(Record_Keys_Match(nullptr, any), 0);
    Text_Stream bad("\n<DXP\n1;2\n\n<DXP\n1|2\n0 0 0\n");
    EXPECT_EQ(Read_Keyed_Record(bad.stream, nullptr, &r), 0);
}

TEST(KeyedRecords, ComponentsThroughTheTableOfTheKind) {
    Record r;
    r.keys[6] = 0;
    std::vector<double> d(13);
    for (int k = 0; k < 13; ++k) d[k] = 10.0 + k;
    ASSERT_EQ(Set_VEK_Param_Arrays(&r.values, nullptr, nullptr, 0, nullptr, d.data(), nullptr, 13, nullptr, nullptr,
                                   nullptr, 0, nullptr),
              1);
    double v[2];
    const int n_and_kmod[] = {6, 24};
    ASSERT_EQ(Get_Record_Components(&r, n_and_kmod, 2, v), 1);
    EXPECT_EQ(v[0], 16.0);
    EXPECT_EQ(v[1], 22.0);
    const int node_key[] = {12};
    ASSERT_EQ(Get_Record_Components(&r, node_key, 1, v), 1);
    EXPECT_EQ(v[0], 0.0);
    ASSERT_EQ(Get_Record_Components(&r, nullptr, 2, v), 1);
    EXPECT_EQ(v[1], 11.0);

    r.keys[6] = 7;   // a kind without a table
    v[0] = 5;
    EXPECT_EQ(Get_Record_Components(&r, n_and_kmod, 1, v), 0);
    EXPECT_EQ(v[0], 0.0);
    EXPECT_EQ(Get_Record_Components(nullptr, nullptr, 1, v), 0);
    EXPECT_EQ(Get_Record_Kmod(&r), 0.0);
    r.keys[6] = 3;
    EXPECT_EQ(Get_Record_Kmod(&r), 22.0);

    const Component_Table* nodes = Get_Component_Table(3);
    ASSERT_NE(nodes, nullptr);
    EXPECT_EQ(nodes->count, 13);
    EXPECT_STREQ(Find_Component(nodes, 18)->name, "APr");
    EXPECT_EQ(Find_Component_Index(nodes, 6), -1);
    EXPECT_STREQ(Find_Component(Get_Component_Table(2), 7)->name, "V┴"_cp);
    EXPECT_STREQ(Find_Component(Get_Component_Table(0), 3)->unit, "ë"_cp);
    EXPECT_EQ(Get_Component_Table(4), nullptr);
    EXPECT_EQ(Get_Record_Key(r.keys, 6), 3);
    EXPECT_EQ(Get_Record_Key(r.keys, 7), 0);
}
