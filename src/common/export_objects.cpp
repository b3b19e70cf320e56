#include "common/export_objects.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>

#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "common/text_blocks.h"
#include "common/tracked_alloc.h"
#include "platform/host/host_library.h"

namespace {

constexpr const char* Object_Comment_End = "#DXP_OBJECT_EOC";
constexpr const char* Object_End = "#DXP_OBJECT_EOD";
constexpr const char* End_Object_Name = "End_Of_VEKExportBlock";
constexpr const char* Header_Object_Name = "VEKExportObject_Header";

void Free_Param_Payload_Op(void* payload, const VEK_Export_Ops*) { Free_Param_Payload(payload); }
int Write_Param_Payload_Op(FILE* stream, const void* payload, const VEK_Export_Ops*) {
    return Write_Param_Payload(stream, payload);
}

// Writes through a memory stream first, so that a writer that refuses or fails halfway leaves the
// target untouched. 1 when the writer gave 1 and all bytes reached the stream.
int Write_All_Or_Nothing(FILE* stream, const std::function<int(FILE*)>& writer) {
    if (!stream) return 0;
    char* bytes = nullptr;
    std::size_t size = 0;
    FILE* memory = open_memstream(&bytes, &size);
    if (!memory) return 0;
    const int ok = writer(memory);
    const bool closed = std::fclose(memory) == 0;
    const bool written = ok == 1 && closed && std::fwrite(bytes, 1, size, stream) == size;
    std::free(bytes);
    return written ? 1 : 0;
}

int Write_Object_Parts(FILE* s, const VEK_Export_Object* o) {
    const int kind = o->ops ? o->ops->kind : 0;
    const char* comment = o->comment && *o->comment ? o->comment : nullptr;
    if (!Write_VEK_Param_Header(s, &o->header)) return 0;
    if (Print_To_Stream(s, "%d\n", kind | (comment ? Export_Comment_Flag : 0)) < 0) return 0;
    if (!Write_VEK_Param_Arrays(s, &o->arrays)) return 0;
    if (comment && (!Write_Text_Block(s, comment) || Print_To_Stream(s, "%s\n", Object_Comment_End) < 0)) return 0;
    if (o->ops && o->ops->write && !o->ops->write(s, o->payload, o->ops)) return 0;
    if (kind != 0 && Print_To_Stream(s, "\n%s\n", Object_End) < 0) return 0;
    return 1;
}

const Param_Payload* Param_Payload_Of(const VEK_Export_Object* o) {
    return o && o->ops == &Param_Payload_Ops ? static_cast<const Param_Payload*>(o->payload) : nullptr;
}

void Rotate_About_First_Axis(double* axis, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    const double y = axis[1], z = axis[2];
    axis[1] = y * c - z * s;
    axis[2] = y * s + z * c;
}

}  // namespace

const VEK_Export_Ops Param_Payload_Ops = {Param_Payload_Kind, Create_Param_Payload, Free_Param_Payload_Op,
                                          Read_Param_Payload, Write_Param_Payload_Op};

// Objects -----------------------------------------------------------------------------------------

VEK_Export_Object* New_VEK_Export_Object(int type, int number, int id, const char* name, int kind, void* payload) {
    auto* o = static_cast<VEK_Export_Object*>(MEM_ALLOC(sizeof(VEK_Export_Object)));
    if (!o) return nullptr;
    new (o) VEK_Export_Object{};
    if (!Set_VEK_Param_Header(type, number, id, name, &o->header)) {
        Free_VEK_Export_Object(o);
        return nullptr;
    }
    if (kind == Param_Payload_Kind) {
        o->ops = &Param_Payload_Ops;
        o->payload = payload ? payload : o->ops->create(o);
        if (!o->payload) {
            Free_VEK_Export_Object(o);
            return nullptr;
        }
    } else {
        o->payload = payload;
    }
    return o;
}

void Free_VEK_Export_Object(VEK_Export_Object* o) {
    if (!o) return;
    if (o->ops && o->ops->free) o->ops->free(o->payload, o->ops);
    Free_VEK_Param_Header(&o->header);
    Free_VEK_Param_Arrays(&o->arrays);
    MEM_FREE(o->comment);
    MEM_FREE(o);
}

int Set_VEK_Export_Comment(VEK_Export_Object* o, const char* text) {
    if (!o) return 0;
    bool failed = false;
    char* copy = Param_Text_Copy(text, failed);
    if (failed) return 0;
    MEM_FREE(o->comment);
    o->comment = copy;
    return 1;
}

const char* Get_VEK_Export_Comment(const VEK_Export_Object* o) { return o ? o->comment : nullptr; }

int Write_VEK_Export_Object(FILE* stream, const VEK_Export_Object* o) {
    if (!o) return 0;
    return Write_All_Or_Nothing(stream, [o](FILE* s) {
        return std::fputc('\n', s) != EOF ? Write_Object_Parts(s, o) : 0;
    });
}

VEK_Export_Object* Read_VEK_Export_Object(FILE* stream) {
    if (!stream) return nullptr;
    VEK_Export_Object* o = New_VEK_Export_Object(0, 0, 0, nullptr, 0, nullptr);
    if (!o) return nullptr;
    int kind = 0;
    bool ok = Read_VEK_Param_Header(stream, &o->header) && Scan_Stream(stream, " %d", &kind) == 1;
    if (ok && (kind & Export_Comment_Flag)) {
        kind &= ~Export_Comment_Flag;
        ok = Read_VEK_Param_Arrays(stream, 0, 0, 0, &o->arrays, 1);
        if (ok) {
            o->comment = Read_Text_Block(stream);
            ok = Seek_Key_Line(stream, Object_Comment_End, 0);
        }
    } else if (ok) {
        ok = Read_VEK_Param_Arrays(stream, 0, 0, 0, &o->arrays, 1);
    }
    if (!ok) {
        Free_VEK_Export_Object(o);
        return nullptr;
    }
    if (kind == Param_Payload_Kind) {
        o->ops = &Param_Payload_Ops;
        o->payload = o->ops->read(stream, o);
    }
    // Kinds other than 0 end with their end line; a payload this reader does not know is passed over.
    if (kind != 0) Seek_Key_Line(stream, Object_End, 0);
    return o;
}

VEK_Export_Object* Make_VEK_Export_Header() {
    VEK_Export_Object* o = New_VEK_Export_Object(Export_Header_Type, 1, 0, Header_Object_Name, 0, nullptr);
    if (!o) return nullptr;
    const int ints[3] = {1, CurOb_Application_Number(), CurOb_Object_Id()};
    const char* texts[6] = {CurOb_Filername(),  CurOb_Basicname(),     CurOb_Suffixname(),
                            CurOb_Programname(), CurOb_Programstring(), CurOb_Versionstring()};
    if (!Resize_VEK_Param_Arrays(&o->arrays, 3, 0, 6) ||
        !Set_VEK_Param_Arrays(&o->arrays, ints, nullptr, 3, nullptr, nullptr, nullptr, 0, nullptr, texts, nullptr, 6,
                              nullptr)) {
        Free_VEK_Export_Object(o);
        return nullptr;
    }
    return o;
}

int Write_VEK_Export_Header(FILE* stream, const VEK_Export_Object* object) {
    if (object) return Write_VEK_Export_Object(stream, object);
    VEK_Export_Object* header = Make_VEK_Export_Header();
    const int ok = Write_VEK_Export_Object(stream, header);
    Free_VEK_Export_Object(header);
    return ok;
}

VEK_Export_Object* Read_VEK_Export_Header(FILE* stream) {
    VEK_Export_Object* o = Read_VEK_Export_Object(stream);
    if (o && o->header.type == Export_Header_Type && o->arrays.int_count == 3 && o->arrays.double_count == 0 &&
        o->arrays.text_count == 6)
        return o;
    Free_VEK_Export_Object(o);
    return nullptr;
}

const char* VEK_Export_Block_Key(int block) {
    switch (block) {
        case Export_Block_Header: return "#DXP_HEADER";
        case Export_Block_Checks: return "#DXP_EINWNCHW";
        case Export_Block_Objects: return "#DXP_OBJECTS";
        case Export_Block_Param: return "#DXP_PARAM";
        default: return "#DXP_??????";
    }
}

int Write_VEK_Export_Block_Key(FILE* stream, int block) {
    return Print_To_Stream(stream, "\n%s\n", VEK_Export_Block_Key(block)) > 0 ? 1 : 0;
}

int Seek_VEK_Export_Block(FILE* stream, int block, int rewind) {
    return Seek_Key_Line(stream, VEK_Export_Block_Key(block), rewind);
}

int Write_VEK_Export_Block_End(FILE* stream, int block) {
    // One end object for the process; only its number changes from block to block.
    static VEK_Export_Object* end = New_VEK_Export_Object(Export_End_Type, 0, -1, End_Object_Name, 0, nullptr);
    if (!end) return 0;
    end->header.number = block;
    return Write_VEK_Export_Object(stream, end);
}

VEK_Export_Object* Lookup_VEK_Export_Object(int type, int id, const Pointer_Array* objects) {
    const int key[2] = {id, type};
    return static_cast<VEK_Export_Object*>(PtrArr_Find(
        objects, key,
        [](const void* item, const void* k) {
            const auto* o = static_cast<const VEK_Export_Object*>(item);
            const int* key = static_cast<const int*>(k);
            return o && o->header.id == key[0] && o->header.type == key[1] ? 1 : 0;
        },
        nullptr));
}

VEK_Export_Object* Find_VEKExportParam_Obj(const int* key, const Pointer_Array* objects) {
    if (!key) return nullptr;
    VEK_Export_Object* o = Lookup_VEK_Export_Object(key[1], key[0], objects);
    if (!o) std::printf("Find_VEKExportParam_Obj: (type=%d, ID=%d) nicht gefunden\n", key[1], key[0]);
    return o;
}

int Get_Object_Local_Axes(const VEK_Export_Object* o, double* axes, int mode, int transpose) {
    if (!o || !axes) return 0;
    const double defaults[12] = {0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1};
    std::memcpy(axes, defaults, sizeof defaults);
    const VEK_Param_Arrays& a = o->arrays;
    const double* d = a.doubles;
    if (o->header.type == 3) {
        const bool turned = mode == 1 || mode == 2;
        if (a.double_count < (turned ? 14 : 13)) return 0;
        std::memcpy(axes, d + 1, 3 * sizeof(double));
        const double angle = turned ? d[13] : 0;
        if (mode == 2) {
            if (std::fabs(angle) > 1e-10) {
                const double c = std::cos(angle), s = std::sin(angle);
                const double second[3] = {0, c, s}, third[3] = {0, -s, c};
                std::memcpy(axes + 6, second, sizeof second);
                std::memcpy(axes + 9, third, sizeof third);
            }
        } else {
            std::memcpy(axes + 3, d + 4, 9 * sizeof(double));
            if (mode == 1 && std::fabs(angle) > 1e-10)
                for (int k = 0; k < 3; ++k) Rotate_About_First_Axis(axes + 3 + 3 * k, angle);
        }
    } else if (o->header.type == 4) {
        if (a.double_count < 12) return 0;
        std::memcpy(axes, d, 12 * sizeof(double));
    }
    if (transpose == 1)
        for (int r = 0; r < 3; ++r)
            for (int c = r + 1; c < 3; ++c) std::swap(axes[3 + 3 * r + c], axes[3 + 3 * c + r]);
    return 1;
}

int Get_Object_Payload_Record(const VEK_Export_Object* o, Object_Payload_Record* record) {
    if (record) *record = Object_Payload_Record{};
    if (!o || !o->payload) return 0;
    const Param_Payload* p = Param_Payload_Of(o);
    if (record && p && o->header.type == 3 && (p->flags & 1)) {
        for (int k = 0; k < 5; ++k) record->ints[k] = Get_VEK_Param_Int(&p->arrays, k);
        for (int k = 0; k < 8; ++k) record->doubles[k] = Get_VEK_Param_Double(&p->arrays, k);
        record->text = p->arrays.text_count > 0 ? p->arrays.texts[0] : nullptr;
    }
    return 1;
}

int Set_Object_Payload_Record(VEK_Export_Object* o, const Object_Payload_Record* record) {
    auto* p = const_cast<Param_Payload*>(Param_Payload_Of(o));
    if (!p || o->header.type != 3) return 0;
    const Object_Payload_Record values = record ? *record : Object_Payload_Record{};
    if (!Resize_VEK_Param_Arrays(&p->arrays, 5, 8, 1) ||
        !Set_VEK_Param_Arrays(&p->arrays, values.ints, nullptr, 5, nullptr, values.doubles, nullptr, 8, nullptr,
                              &values.text, nullptr, 1, nullptr))
        return 0;
    p->flags = record ? p->flags | 1 : p->flags & ~1;
    return 1;
}

int Get_Typed_Object_Int(const VEK_Export_Object* o, int type, int i) {
    return o && o->payload && o->header.type == type ? Get_VEK_Param_Int(&o->arrays, i) : 0;
}

double Get_Typed_Object_Double(const VEK_Export_Object* o, int type, int i) {
    return o && o->payload && o->header.type == type ? Get_VEK_Param_Double(&o->arrays, i) : 0.0;
}

const char* Get_Typed_Object_Text(const VEK_Export_Object* o, int type, int i) {
    return o && o->payload && o->header.type == type ? Get_VEK_Param_Text(&o->arrays, i) : Param_Empty_Text;
}

int Get_Object_Third_Int(const VEK_Export_Object* o) {
    return o && (o->header.type == 3 || o->header.type == 4) ? Get_VEK_Param_Int(&o->arrays, 2) : 0;
}

// Parameter payload ---------------------------------------------------------------------------------

void* Create_Param_Payload(VEK_Export_Object* object) {
    if (!object) return nullptr;
    auto* p = static_cast<Param_Payload*>(MEM_ALLOC(sizeof(Param_Payload)));
    if (p) new (p) Param_Payload{};
    return p;
}

void Free_Param_Payload(void* payload) {
    auto* p = static_cast<Param_Payload*>(payload);
    if (!p) return;
    Free_VEK_Param_Arrays(&p->arrays);
    MEM_FREE(p);
}

void* Read_Param_Payload(FILE* stream, VEK_Export_Object* object) {
    auto* p = static_cast<Param_Payload*>(Create_Param_Payload(object));
    if (!p) return nullptr;
    if (Scan_Stream(stream, " %d", &p->flags) != 1 ||
        ((p->flags & 1) && !Read_VEK_Param_Arrays(stream, 0, 0, 0, &p->arrays, 1))) {
        Free_Param_Payload(p);
        return nullptr;
    }
    return p;
}

int Write_Param_Payload(FILE* stream, const void* payload) {
    const auto* p = static_cast<const Param_Payload*>(payload);
    if (!stream || !p || Print_To_Stream(stream, "%d\n", p->flags) < 0) return 0;
    return (p->flags & 1) ? Write_VEK_Param_Arrays(stream, &p->arrays) : 1;
}
