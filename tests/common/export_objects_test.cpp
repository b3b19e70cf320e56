// The exchange file: a hand-written file with the header object, objects of kinds 0, 1 and an
// unknown kind, a keyed record and the block ends read back and written again byte for byte; the
// object operations and local axes; damaged objects that must leave nothing behind.
#include "common/export_objects.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "common/cp437.h"
#include "common/keyed_records.h"
#include "test_support.h"

namespace {

struct Free_Object {
    void operator()(VEK_Export_Object* o) const { Free_VEK_Export_Object(o); }
};
using Object = std::unique_ptr<VEK_Export_Object, Free_Object>;

std::string Rest_Of(FILE* f) {
    std::string rest;
    for (int c; (c = std::fgetc(f)) != EOF;) rest += static_cast<char>(c);
    return rest;
}

// The object as the writer gives it.
std::string Written(const VEK_Export_Object* o) {
    return Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Export_Object(f, o), 1); });
}

const Param_Payload* Payload_Of(const VEK_Export_Object* o) { return static_cast<const Param_Payload*>(o->payload); }

// The blocks of the hand-written file.
const std::string Header_Block =
    "\n#DXP_HEADER\n"
    "\n0x2 1 «VEKExportObject_Header» 0 0\n0\n3 0 6\n 1 150 4711\n«Halle.vek»\n«Halle»\n«»\n«Stab»\n«»\n«1.0»\n"
    "\n0x1 1 «End_Of_VEKExportBlock» -1 0\n0\n0 0 0\n";
const std::string Object_With_Comment =
    "\n0x3 5 «Stütze» 7 1\nTXB15\n«Zeile 1\1Zeile 2»\n#EOC\n268435457\n1 2 0\n 4\n 1.500000e+00 -2.000000e-03\n"
    "TXB9\n«Anschluss»\n#DXP_OBJECT_EOC\n1\n0 1 1\n 2.500000e+00\n«HEA 200»\n\n#DXP_OBJECT_EOD\n";
const std::string Plain_Object = "\n0x4 2 «Knoten» 9 0\n0\n0 0 1\n«»\n";
// An object of a kind this reader does not know: its payload lines are passed over.
const std::string Foreign_Object_Head = "\n0x5 1 «Fremd» 3 0\n";
const std::string Foreign_Object =
    Foreign_Object_Head + "5\n1 0 0\n 8\n«fremde Nutzlast»\n#DXP_OBJECTS\n 1 2 3\n\n#DXP_OBJECT_EOD\n";
const std::string Objects_Block = "\n#DXP_OBJECTS\n" + Object_With_Comment + Plain_Object + Foreign_Object +
                                  "\n0x1 3 «End_Of_VEKExportBlock» -1 0\n0\n0 0 0\n";
const std::string Param_Block =
    "\n#DXP_PARAM\n\n<DXP\n-1|-1|3|0|0|0|2\n1 13 0\n 17\n"
    " 0.000000e+00 1.000000e+00 2.000000e+00 3.000000e+00 4.000000e+00 5.000000e+00 6.000000e+00 7.000000e+00"
    " 8.000000e+00 9.000000e+00 1.000000e+01 1.100000e+01 8.000000e-01\n"
    "\n0x1 4 «End_Of_VEKExportBlock» -1 0\n0\n0 0 0\n";

// Reads the objects of the current block up to and with its end object.
std::vector<Object> Read_Block_Objects(FILE* f) {
    std::vector<Object> objects;
    for (;;) {
        Object o(Read_VEK_Export_Object(f));
        if (!o) break;
        const bool end = o->header.type == Export_End_Type;
        objects.push_back(std::move(o));
        if (end) break;
    }
    return objects;
}

}  // namespace

TEST(ExchangeFile, HandWrittenFileReadsBackEqualAndIsWrittenAgainByteForByte) {
    const std::string file = To_Cp437(Header_Block + Objects_Block + Param_Block);
    Text_Stream in(file);

    ASSERT_EQ(Seek_VEK_Export_Block(in.stream, Export_Block_Header, 1), 1);
    Object header(Read_VEK_Export_Header(in.stream));
    ASSERT_TRUE(header);
    EXPECT_EQ(Get_VEK_Param_Int(&header->arrays, 2), 4711);
    EXPECT_STREQ(Get_VEK_Param_Text(&header->arrays, 0), "Halle.vek");
    EXPECT_EQ(Get_VEK_Param_Text(&header->arrays, 2), nullptr);
    std::vector<Object> header_end = Read_Block_Objects(in.stream);
    ASSERT_EQ(header_end.size(), 1u);

    ASSERT_EQ(Seek_VEK_Export_Block(in.stream, Export_Block_Objects, 0), 1);
    std::vector<Object> objects = Read_Block_Objects(in.stream);
    ASSERT_EQ(objects.size(), 4u);
    const VEK_Export_Object& column = *objects[0];
    EXPECT_EQ(column.header.type, 3);
    EXPECT_STREQ(column.header.name, "Stütze"_cp);
    EXPECT_STREQ(column.header.comment, "Zeile 1\nZeile 2");
    EXPECT_STREQ(Get_VEK_Export_Comment(&column), "Anschluss");
    EXPECT_EQ(column.arrays.double_count, 2);
    EXPECT_EQ(column.arrays.doubles[1], -0.002);
    ASSERT_EQ(column.ops, &Param_Payload_Ops);
    ASSERT_NE(column.payload, nullptr);
    EXPECT_EQ(Payload_Of(&column)->flags, 1);
    EXPECT_STREQ(Payload_Of(&column)->arrays.texts[0], "HEA 200");
    EXPECT_EQ(objects[1]->ops, nullptr);
    EXPECT_EQ(objects[1]->arrays.texts[0], nullptr);
    const VEK_Export_Object& foreign = *objects[2];
    EXPECT_EQ(foreign.ops, nullptr);
    EXPECT_EQ(foreign.payload, nullptr);
    EXPECT_EQ(Get_VEK_Param_Int(&foreign.arrays, 0), 8);
    EXPECT_EQ(objects[3]->header.number, 3);

    // The foreign payload's line "#DXP_OBJECTS" is not taken for a block: the reader stood behind it.
    Keyed_Record record;
    ASSERT_EQ(Read_Keyed_Record(in.stream, nullptr, &record), 1);
    EXPECT_EQ(record.keys[2], 3);
    EXPECT_EQ(Get_Record_Kmod(&record), 0.8);
    EXPECT_EQ(Get_Record_First_Int(&record), 17);
    std::vector<Object> param_end = Read_Block_Objects(in.stream);
    ASSERT_EQ(param_end.size(), 1u);

    // Written again, the file is the same, except that the unknown kind cannot be carried on: that
    // object is written without a kind and without its foreign payload.
    const std::string again = Capture_Output([&](FILE* f) {
        EXPECT_EQ(Write_VEK_Export_Block_Key(f, Export_Block_Header), 1);
        EXPECT_EQ(Write_VEK_Export_Header(f, header.get()), 1);
        EXPECT_EQ(Write_VEK_Export_Block_End(f, Export_Block_Header), 1);
        EXPECT_EQ(Write_VEK_Export_Block_Key(f, Export_Block_Objects), 1);
        for (int k = 0; k < 3; ++k) EXPECT_EQ(Write_VEK_Export_Object(f, objects[k].get()), 1);
        EXPECT_EQ(Write_VEK_Export_Block_End(f, Export_Block_Objects), 1);
        EXPECT_EQ(Write_VEK_Export_Block_Key(f, Export_Block_Param), 1);
        EXPECT_EQ(Write_Keyed_Record(f, &record), 1);
        EXPECT_EQ(Write_VEK_Export_Block_End(f, Export_Block_Param), 1);
    });
    const std::string foreign_again = Foreign_Object_Head + "0\n1 0 0\n 8\n";
    const std::string expected = To_Cp437(Header_Block + "\n#DXP_OBJECTS\n" + Object_With_Comment + Plain_Object +
                                          foreign_again + "\n0x1 3 «End_Of_VEKExportBlock» -1 0\n0\n0 0 0\n" +
                                          Param_Block);
    EXPECT_EQ(again, expected);
    Free_Keyed_Record_Arrays(&record);
}

TEST(ExchangeFile, CommentAndParameterPayloadSetTheKindLine) {
    Object o(New_VEK_Export_Object(3, 1, 2, "Platte", Param_Payload_Kind, nullptr));
    ASSERT_TRUE(o);
    ASSERT_EQ(Set_VEK_Export_Comment(o.get(), "Bemerkung"), 1);
    const std::string bytes = Written(o.get());
    EXPECT_EQ(bytes, "\n0x3 1 «Platte» 2 0\n268435457\n0 0 0\nTXB9\n«Bemerkung»\n#DXP_OBJECT_EOC\n0\n\n#DXP_OBJECT_EOD\n"_cp);
    Text_Stream in(bytes + "X");
    Object r(Read_VEK_Export_Object(in.stream));
    ASSERT_TRUE(r);
    EXPECT_STREQ(r->comment, "Bemerkung");
    ASSERT_EQ(r->ops, &Param_Payload_Ops);
    EXPECT_EQ(Payload_Of(r.get())->flags, 0);
    EXPECT_EQ(Rest_Of(in.stream), "X");

    ASSERT_EQ(Set_VEK_Export_Comment(o.get(), ""), 1);
    EXPECT_EQ(o->comment, nullptr);
    EXPECT_EQ(Set_VEK_Export_Comment(nullptr, "x"), 0);
}

TEST(ExchangeFile, EndObjectAndHeaderObject) {
    EXPECT_EQ(Capture_Output([](FILE* f) { EXPECT_EQ(Write_VEK_Export_Block_End(f, 3), 1); }),
              "\n0x1 3 «End_Of_VEKExportBlock» -1 0\n0\n0 0 0\n"_cp);
    EXPECT_EQ(Capture_Output([](FILE* f) { EXPECT_EQ(Write_VEK_Export_Block_Key(f, 9), 1); }), "\n#DXP_??????\n");

    setenv("VEK_CUROB_OBJECT_ID", "31", 1);
    setenv("VEK_CUROB_PROGRAMNAME", "Anschluss", 1);
    unsetenv("VEK_CUROB_FILERNAME");
    const std::string bytes = Capture_Output([](FILE* f) { EXPECT_EQ(Write_VEK_Export_Header(f, nullptr), 1); });
    unsetenv("VEK_CUROB_OBJECT_ID");
    unsetenv("VEK_CUROB_PROGRAMNAME");
    Text_Stream in(bytes);
    Object h(Read_VEK_Export_Header(in.stream));
    ASSERT_TRUE(h);
    EXPECT_STREQ(h->header.name, "VEKExportObject_Header");
    EXPECT_EQ(Get_VEK_Param_Int(&h->arrays, 0), 1);
    EXPECT_EQ(Get_VEK_Param_Int(&h->arrays, 2), 31);
    EXPECT_EQ(Get_VEK_Param_Text(&h->arrays, 0), nullptr);
    EXPECT_STREQ(Get_VEK_Param_Text(&h->arrays, 3), "Anschluss");

    // Another object in the place of the header is refused.
    for (const char* other : {"\n0x3 1 «X» 0 0\n0\n3 0 6\n 1 2 3\n«»\n«»\n«»\n«»\n«»\n«»\n", "\n0x2 1 «X» 0 0\n0\n3 0 5\n 1 2 3\n«»\n«»\n«»\n«»\n«»\n"}) {
        Text_Stream o(To_Cp437(other));
        EXPECT_EQ(Read_VEK_Export_Header(o.stream), nullptr) << other;
    }
}

TEST(ExchangeFile, DamagedObjectsGiveNull) {
    const char* cases[] = {
        "",                                                        // nothing
        "\n0x3 1 «A» 0 0\n",                                       // no kind line
        "\n0x3 1 «A» 0 0\n0\n2147483647 0 0\n",                    // count beyond the stream
        "\n0x3 1 «A» 0 0\n0\n-5 0 0\n",                            // negative count
        "\n0x3 1 «A» 0 1\nTXB2\n«ab»\n0\n0 0 0\n",                 // header comment without #EOC
        "\n0x3 1 «A» 0 0\n268435456\n0 0 0\nTXB1\n«c»\n",          // object comment without its end
        "\n0x3 1 «A» 0 1\nTXB2000000000\n#EOC\n0\n0 0 0\n",     // comment length beyond every limit
    };
    for (const char* c : cases) {
        Text_Stream in(To_Cp437(c));
        EXPECT_EQ(Object(Read_VEK_Export_Object(in.stream)), nullptr) << c;
    }
    // A parameter payload that cannot be read stays null; the reader still reaches the end line.
    Text_Stream in(To_Cp437("\n0x3 1 «A» 0 0\n1\n0 0 0\n1\n-5 0 0\n\n#DXP_OBJECT_EOD\nX"));
    Object o(Read_VEK_Export_Object(in.stream));
    ASSERT_TRUE(o);
    EXPECT_EQ(o->payload, nullptr);
    EXPECT_EQ(Rest_Of(in.stream), "X");
}

TEST(ExchangeFile, WriterRefusesAnObjectThatWouldNotReadBack) {
    Object o(New_VEK_Export_Object(3, 1, 2, "Platte", Param_Payload_Kind, nullptr));
    ASSERT_TRUE(o);
    auto* p = static_cast<Param_Payload*>(o->payload);
    p->flags = 1;
    const char* texts[] = {"erste\n<DXP"};
    ASSERT_EQ(Set_VEK_Param_Arrays(&p->arrays, nullptr, nullptr, 0, nullptr, nullptr, nullptr, 0, nullptr, texts,
                                   nullptr, 1, nullptr),
              1);
    EXPECT_EQ(Capture_Output([&](FILE* f) { EXPECT_EQ(Write_VEK_Export_Object(f, o.get()), 0); }), "");
}

TEST(ExchangeFile, FindByIdAndType) {
    Object a(New_VEK_Export_Object(3, 1, 10, "a", 0, nullptr));
    Object b(New_VEK_Export_Object(4, 1, 10, "b", 0, nullptr));
    Pointer_Array list;
    PtrArr_Set(&list, 0, a.get());
    PtrArr_Set(&list, 2, b.get());   // a null slot between
    const int key[2] = {10, 4};
    EXPECT_EQ(Find_VEKExportParam_Obj(key, &list), b.get());
    EXPECT_EQ(Lookup_VEK_Export_Object(3, 10, &list), a.get());
    testing::internal::CaptureStdout();
    const int missing[2] = {11, 3};
    EXPECT_EQ(Find_VEKExportParam_Obj(missing, &list), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Find_VEKExportParam_Obj: (type=3, ID=11) nicht gefunden\n");
    PtrArr_Free_Items(&list);
}

TEST(ExchangeFile, LocalAxes) {
    const double pi = std::acos(-1.0);
    struct Case {
        const char* name;
        int type;
        std::vector<double> doubles;
        int mode;
        int transpose;
        int result;
        std::vector<double> axes;
    };
    std::vector<double> type3(14, 0.0);
    type3[1] = 1, type3[2] = 2, type3[3] = 3;
    // Axes 4-12: a rotation of 90 degrees about z.
    const double turned[9] = {0, 1, 0, -1, 0, 0, 0, 0, 1};
    for (int k = 0; k < 9; ++k) type3[4 + k] = turned[k];
    std::vector<double> type3_half = type3;
    type3_half[13] = pi / 2;
    std::vector<double> type4 = {5, 6, 7, 1, 0, 0, 0, 0, 1, 0, -1, 0};
    const std::vector<double> unit = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    const Case cases[] = {
        {"type 3, mode 2, angle 0", 3, type3, 2, 0, 1, {1, 2, 3, 1, 0, 0, 0, 1, 0, 0, 0, 1}},
        {"type 3, mode 2, angle pi/2", 3, type3_half, 2, 0, 1, {1, 2, 3, 1, 0, 0, 0, 0, 1, 0, -1, 0}},
        {"type 3, own axes", 3, type3, 0, 0, 1, {1, 2, 3, 0, 1, 0, -1, 0, 0, 0, 0, 1}},
        {"type 3, own axes transposed", 3, type3, 0, 1, 1, {1, 2, 3, 0, -1, 0, 1, 0, 0, 0, 0, 1}},
        {"type 3, own axes turned by pi/2", 3, type3_half, 1, 0, 1, {1, 2, 3, 0, 0, 1, -1, 0, 0, 0, -1, 0}},
        {"type 4", 4, type4, 0, 0, 1, type4},
        {"type 4 transposed", 4, type4, 0, 1, 1, {5, 6, 7, 1, 0, 0, 0, 0, -1, 0, 1, 0}},
        {"type 3, too few doubles", 3, std::vector<double>(13, 9.0), 2, 0, 0, unit},
        {"type 4, too few doubles", 4, std::vector<double>(11, 9.0), 0, 0, 0, unit},
        {"other type", 5, type4, 0, 0, 1, unit},
    };
    for (const Case& c : cases) {
        Object o(New_VEK_Export_Object(c.type, 1, 1, "achsen", 0, nullptr));
        ASSERT_TRUE(o);
        ASSERT_EQ(Set_VEK_Param_Arrays(&o->arrays, nullptr, nullptr, 0, nullptr, c.doubles.data(), nullptr,
                                       static_cast<int>(c.doubles.size()), nullptr, nullptr, nullptr, 0, nullptr),
                  1);
        double axes[12];
        EXPECT_EQ(Get_Object_Local_Axes(o.get(), axes, c.mode, c.transpose), c.result) << c.name;
        for (int k = 0; k < 12; ++k) EXPECT_NEAR(axes[k], c.axes[k], 1e-12) << c.name << " value " << k;
    }
    double axes[12];
    EXPECT_EQ(Get_Object_Local_Axes(nullptr, axes, 0, 0), 0);
}

TEST(ExchangeFile, PayloadRecordAndTypedValues) {
    Object o(New_VEK_Export_Object(3, 1, 1, "stab", Param_Payload_Kind, nullptr));
    ASSERT_TRUE(o);
    Object_Payload_Record r;
    r.ints[4] = 5;
    r.doubles[7] = 8.5;
    r.text = "IPE 300";
    ASSERT_EQ(Set_Object_Payload_Record(o.get(), &r), 1);
    Object_Payload_Record back;
    ASSERT_EQ(Get_Object_Payload_Record(o.get(), &back), 1);
    EXPECT_EQ(back.ints[4], 5);
    EXPECT_EQ(back.doubles[7], 8.5);
    EXPECT_STREQ(back.text, "IPE 300");

    // A payload with fewer values leaves the rest at zero.
    auto* p = static_cast<Param_Payload*>(o->payload);
    ASSERT_EQ(Resize_VEK_Param_Arrays(&p->arrays, 2, 1, 0), 1);
    ASSERT_EQ(Get_Object_Payload_Record(o.get(), &back), 1);
    EXPECT_EQ(back.ints[4], 0);
    EXPECT_EQ(back.doubles[7], 0.0);
    EXPECT_EQ(back.text, nullptr);

    ASSERT_EQ(Set_Object_Payload_Record(o.get(), nullptr), 1);
    EXPECT_EQ(p->flags & 1, 0);
    ASSERT_EQ(Get_Object_Payload_Record(o.get(), &back), 1);
    EXPECT_EQ(back.text, nullptr);

    Object plain(New_VEK_Export_Object(3, 1, 1, "ohne", 0, nullptr));
    EXPECT_EQ(Get_Object_Payload_Record(plain.get(), &back), 0);
    EXPECT_EQ(Set_Object_Payload_Record(plain.get(), &r), 0);

    const int ints[] = {1, 2, 3};
    ASSERT_EQ(Set_VEK_Param_Arrays(&o->arrays, ints, nullptr, 3, nullptr, nullptr, nullptr, 0, nullptr, nullptr, nullptr,
                                   0, nullptr),
              1);
    EXPECT_EQ(Get_Object_Third_Int(o.get()), 3);
    EXPECT_EQ(Get_Typed_Object_Int(o.get(), 3, 1), 2);
    EXPECT_EQ(Get_Typed_Object_Int(o.get(), 4, 1), 0);
    EXPECT_EQ(Get_Typed_Object_Text(o.get(), 4, 0), Param_Empty_Text);
    const int two[] = {1, 2};
    ASSERT_EQ(Resize_VEK_Param_Arrays(&plain->arrays, 0, 0, 0), 1);
    ASSERT_EQ(Set_VEK_Param_Arrays(&plain->arrays, two, nullptr, 2, nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                   nullptr, 0, nullptr),
              1);
    EXPECT_EQ(Get_Object_Third_Int(plain.get()), 0);
    EXPECT_EQ(Get_Typed_Object_Int(plain.get(), 3, 0), 0);   // no payload
}
