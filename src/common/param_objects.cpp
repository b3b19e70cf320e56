#include "common/param_objects.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>

#include "common/base_path.h"
#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "common/text_blocks.h"
#include "common/tracked_alloc.h"

const char* const Param_Empty_Text = "";

namespace {

constexpr char Close_Mark = "»"_cp[0];

// Resizes one value array to n entries, the new ones zero. False when memory runs out.
template <typename T>
bool Resize_Values(T*& values, int old_count, int n) {
    if (n == old_count) return true;
    if (n == 0) {
        MEM_FREE(values);
        values = nullptr;
        return true;
    }
    T* grown = static_cast<T*>(MEM_REALLOC(values, static_cast<std::size_t>(n) * sizeof(T)));
    if (!grown) return false;
    for (int k = old_count; k < n; ++k) grown[k] = T{};
    values = grown;
    return true;
}

void Release_Texts(VEK_Param_Arrays* a, int from) {
    for (int k = from; k < a->text_count; ++k) {
        MEM_FREE(a->texts[k]);
        a->texts[k] = nullptr;
    }
}

// Stores a copy of the text in the slot, releasing the text it held. False when memory runs out.
bool Replace_Text(char*& slot, const char* text) {
    bool failed = false;
    char* copy = Param_Text_Copy(text, failed);
    if (failed) return false;
    MEM_FREE(slot);
    slot = copy;
    return true;
}

// The count a file may promise: not negative, and each of the values takes at least one byte of
// what is left in the stream (together with the other counts of the record).
bool Count_Fits(long long count, long long bytes_left) { return count >= 0 && (bytes_left < 0 || count <= bytes_left); }

// The largest target position of a kind: the index list's largest entry, or n - 1.
int Highest_Target(const int* target_index, int n) {
    int top = -1;
    for (int i = 0; i < n; ++i) top = std::max(top, target_index ? target_index[i] : i);
    return top;
}

}  // namespace

bool Param_Text_Is_Writable(const char* text) {
    return !text || !std::strpbrk(text, std::string{Close_Mark, '\n', '\r'}.c_str());
}

char* Param_Text_Copy(const char* text, bool& failed) {
    failed = false;
    if (!text || !*text) return nullptr;
    char* copy = MEM_STRDUP(text);
    failed = copy == nullptr;
    return copy;
}

// Header ------------------------------------------------------------------------------------------

int Init_VEK_Param_Header(VEK_Param_Header* header) {
    if (!header) return 0;
    *header = VEK_Param_Header{};
    return 1;
}

int Set_VEK_Param_Header(int type, int number, int id, const char* name, VEK_Param_Header* header) {
    if (!header) return 0;
    header->type = type;
    header->number = number;
    header->id = id;
    return Replace_Text(header->name, name) ? 1 : 0;
}

int Set_VEK_Param_Comment(char* text, VEK_Param_Header* header) {
    if (!header) return 0;
    if (header->comment != text) MEM_FREE(header->comment);
    header->comment = text;
    return 1;
}

void Free_VEK_Param_Header(VEK_Param_Header* header) {
    if (!header) return;
    MEM_FREE(header->name);
    MEM_FREE(header->comment);
    header->name = nullptr;
    header->comment = nullptr;
}

int Write_VEK_Param_Header(FILE* stream, const VEK_Param_Header* header) {
    if (!stream || !header || !Param_Text_Is_Writable(header->name)) return 0;
    const char* comment = header->comment && *header->comment ? header->comment : nullptr;
    if (comment && std::strchr(comment, Close_Mark)) return 0;
    if (Print_To_Stream(stream, "0x%x %d «%s» %d %d\n"_cp, static_cast<unsigned>(header->type), header->number,
                        header->name ? header->name : "", header->id, comment ? 1 : 0) < 0)
        return 0;
    if (comment && (!Write_Text_Block(stream, comment) || Print_To_Stream(stream, "#EOC\n") < 0)) return 0;
    return 1;
}

int Read_VEK_Param_Header(FILE* stream, VEK_Param_Header* header) {
    if (!header) return 0;
    Free_VEK_Param_Header(header);
    Init_VEK_Param_Header(header);
    if (!stream || Scan_Stream(stream, " %i%d", &header->type, &header->number) != 2) return 0;
    std::string name;
    Read_Guillemet_Whole(stream, name);
    int rest[2] = {0, 0};
    Read_Int_Line(stream, rest, 2);
    header->id = rest[0];
    if (!Replace_Text(header->name, name.c_str())) return 0;
    if (rest[1] & 1) {
        header->comment = Read_Text_Block(stream);
        if (!header->comment || !Seek_Key_Line(stream, "#EOC", 0)) return 0;
    }
    return 1;
}

// Arrays ------------------------------------------------------------------------------------------

int Init_VEK_Param_Arrays(VEK_Param_Arrays* arrays) {
    if (!arrays) return 0;
    *arrays = VEK_Param_Arrays{};
    return 1;
}

int Resize_VEK_Param_Arrays(VEK_Param_Arrays* a, int ints, int doubles, int texts) {
    if (!a) return 0;
    ints = std::max(ints, 0);
    doubles = std::max(doubles, 0);
    texts = std::max(texts, 0);
    if (!Resize_Values(a->ints, a->int_count, ints)) return 0;
    a->int_count = ints;
    if (!Resize_Values(a->doubles, a->double_count, doubles)) return 0;
    a->double_count = doubles;
    if (texts < a->text_count) Release_Texts(a, texts);
    if (!Resize_Values(a->texts, a->text_count, texts)) {
        // The texts beyond the new count are already released; the slots stay for a later resize.
        a->text_count = std::min(a->text_count, texts);
        return 0;
    }
    a->text_count = texts;
    return 1;
}

void Free_VEK_Param_Arrays(VEK_Param_Arrays* a) {
    if (!a) return;
    Release_Texts(a, 0);
    MEM_FREE(a->ints);
    MEM_FREE(a->doubles);
    MEM_FREE(a->texts);
    *a = VEK_Param_Arrays{};
}

void Clear_VEK_Param_Arrays(VEK_Param_Arrays* a) {
    if (!a) return;
    std::fill_n(a->ints, a->int_count, 0);
    std::fill_n(a->doubles, a->double_count, 0.0);
    Release_Texts(a, 0);
}

int Copy_VEK_Param_Arrays(VEK_Param_Arrays* target, const VEK_Param_Arrays* source) {
    if (!target) return 0;
    if (target == source) return 1;
    if (!source) return Resize_VEK_Param_Arrays(target, 0, 0, 0);
    if (!Resize_VEK_Param_Arrays(target, source->int_count, source->double_count, source->text_count)) return 0;
    std::copy_n(source->ints, source->int_count, target->ints);
    std::copy_n(source->doubles, source->double_count, target->doubles);
    for (int k = 0; k < source->text_count; ++k)
        if (!Replace_Text(target->texts[k], source->texts[k])) return 0;
    return 1;
}

int Param_Arrays_Have_Values(const VEK_Param_Arrays* a) {
    if (!a) return 0;
    const bool any = std::any_of(a->ints, a->ints + a->int_count, [](int v) { return v != 0; }) ||
                     std::any_of(a->doubles, a->doubles + a->double_count, [](double v) { return v != 0; }) ||
                     std::any_of(a->texts, a->texts + a->text_count, [](const char* t) { return t != nullptr; });
    return any ? 1 : 0;
}

int Write_VEK_Param_Arrays(FILE* stream, const VEK_Param_Arrays* a) {
    if (!stream || !a) return 0;
    const int ints = a->ints ? a->int_count : 0;
    const int doubles = a->doubles ? a->double_count : 0;
    const int texts = a->texts ? a->text_count : 0;
    for (int k = 0; k < texts; ++k)
        if (!Param_Text_Is_Writable(a->texts[k])) return 0;
    bool ok = Print_To_Stream(stream, "%d %d %d\n", ints, doubles, texts) >= 0;
    if (ints) {
        for (int k = 0; k < ints; ++k) ok = ok && Print_To_Stream(stream, " %d", a->ints[k]) >= 0;
        ok = ok && std::fputc('\n', stream) != EOF;
    }
    if (doubles) {
        for (int k = 0; k < doubles; ++k) ok = ok && Print_To_Stream(stream, " %.6e", a->doubles[k]) >= 0;
        ok = ok && std::fputc('\n', stream) != EOF;
    }
    for (int k = 0; k < texts; ++k)
        ok = ok && Write_Guillemet_String(stream, a->texts[k]) == 0 && std::fputc('\n', stream) != EOF;
    return ok ? 1 : 0;
}

int Read_VEK_Param_Arrays(FILE* stream, int ints, int doubles, int texts, VEK_Param_Arrays* a, int flags) {
    if (!a) return 0;
    Free_VEK_Param_Arrays(a);
    if (!stream) return 0;
    int in_file[3] = {0, 0, 0};
    const int asked[3] = {ints, doubles, texts};
    for (int k = 0; k < 3; ++k)
        if (asked[k] >= 0 && Scan_Stream(stream, " %d", &in_file[k]) != 1) return 0;
    const long long left = Stream_Bytes_Left(stream);
    const long long total = static_cast<long long>(in_file[0]) + in_file[1] + in_file[2];
    if (!Count_Fits(in_file[0], left) || !Count_Fits(in_file[1], left) || !Count_Fits(in_file[2], left) ||
        !Count_Fits(total, left))
        return 0;
    const bool by_file = flags & 1;
    if (!Resize_VEK_Param_Arrays(a, by_file ? in_file[0] : ints, by_file ? in_file[1] : doubles,
                                 by_file ? in_file[2] : texts))
        return 0;
    for (int k = 0; k < in_file[0]; ++k) {
        int v = 0;
        if (Scan_Stream(stream, " %d", &v) != 1) return 0;
        if (k < a->int_count) a->ints[k] = v;
    }
    for (int k = 0; k < in_file[1]; ++k) {
        double v = 0;
        if (Scan_Stream(stream, " %lf", &v) != 1) return 0;
        if (k < a->double_count) a->doubles[k] = v;
    }
    std::string text;
    for (int k = 0; k < in_file[2]; ++k) {
        // A text that does not begin with « reads as empty; the end of the stream fails the read.
        if (Read_Guillemet_Whole(stream, text) < 0 && std::feof(stream)) return 0;
        if (k < a->text_count && !Replace_Text(a->texts[k], text.c_str())) return 0;
    }
    return 1;
}

int Get_VEK_Param_Arrays(const VEK_Param_Arrays* a, int* int_target, const int* int_defaults, int n_ints,
                         double* double_target, const double* double_defaults, int n_doubles,
                         const char** text_target, const char* const* text_defaults, int n_texts) {
    if (!a) return 0;
    for (int k = 0; int_target && k < n_ints; ++k)
        int_target[k] = k < a->int_count ? a->ints[k] : int_defaults ? int_defaults[k] : 0;
    for (int k = 0; double_target && k < n_doubles; ++k)
        double_target[k] = k < a->double_count ? a->doubles[k] : double_defaults ? double_defaults[k] : 0.0;
    for (int k = 0; text_target && k < n_texts; ++k) {
        const char* t = k < a->text_count ? a->texts[k] : text_defaults ? text_defaults[k] : Param_Empty_Text;
        text_target[k] = t ? t : Param_Empty_Text;
    }
    return 1;
}

int Set_VEK_Param_Arrays(VEK_Param_Arrays* a, const int* int_source, const int* int_source_index, int n_ints,
                         const int* int_target_index, const double* double_source, const int* double_source_index,
                         int n_doubles, const int* double_target_index, const char* const* text_source,
                         const int* text_source_index, int n_texts, const int* text_target_index) {
    if (!a) return 0;
    const int top_int = int_source ? Highest_Target(int_target_index, n_ints) : -1;
    const int top_double = double_source ? Highest_Target(double_target_index, n_doubles) : -1;
    const int top_text = text_source ? Highest_Target(text_target_index, n_texts) : -1;
    if (top_int == INT_MAX || top_double == INT_MAX || top_text == INT_MAX) return 0;
    if (!Resize_VEK_Param_Arrays(a, std::max(a->int_count, top_int + 1), std::max(a->double_count, top_double + 1),
                                 std::max(a->text_count, top_text + 1)))
        return 0;
    auto place = [](const int* source_index, const int* target_index, int i, int& from, int& to) {
        from = source_index ? source_index[i] : i;
        to = target_index ? target_index[i] : i;
        return from >= 0 && to >= 0;
    };
    int from = 0, to = 0;
    for (int i = 0; int_source && i < n_ints; ++i)
        if (place(int_source_index, int_target_index, i, from, to)) a->ints[to] = int_source[from];
    for (int i = 0; double_source && i < n_doubles; ++i)
        if (place(double_source_index, double_target_index, i, from, to)) a->doubles[to] = double_source[from];
    for (int i = 0; text_source && i < n_texts; ++i)
        if (place(text_source_index, text_target_index, i, from, to) && !Replace_Text(a->texts[to], text_source[from]))
            return 0;
    return 1;
}

int Get_VEK_Param_Int(const VEK_Param_Arrays* a, int i) { return a && i >= 0 && i < a->int_count ? a->ints[i] : 0; }

double Get_VEK_Param_Double(const VEK_Param_Arrays* a, int i) {
    return a && i >= 0 && i < a->double_count ? a->doubles[i] : 0.0;
}

const char* Get_VEK_Param_Text(const VEK_Param_Arrays* a, int i) {
    return a && i >= 0 && i < a->text_count ? a->texts[i] : Param_Empty_Text;
}
