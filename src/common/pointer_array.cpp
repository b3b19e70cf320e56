#include "common/pointer_array.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "common/tracked_alloc.h"

namespace {

// The comparator of the sort in progress, called through the adapter below.
PtrArr_Compare Sort_Compare = nullptr;

int Compare_Slots(const void* a, const void* b) {
    const void* x = *static_cast<void* const*>(a);
    const void* y = *static_cast<void* const*>(b);
    if (!x || !y) return (x ? 0 : 1) - (y ? 0 : 1);   // null items last
    return Sort_Compare(x, y);
}

// The rank of an item against the key: a null slot stands above every key, as the sort puts null
// items last, and never reaches the comparator.
int Rank(PtrArr_Compare compare, const void* item, const void* key) { return item ? compare(item, key) : 1; }

// Resizes the vector to exactly the capacity; new slots null. False when memory runs out.
bool Resize(Pointer_Array* a, int capacity) {
    if (capacity > Pointer_Array_Limit) return false;
    void* block = MEM_REALLOC(a->items, sizeof(void*) * static_cast<std::size_t>(capacity));
    if (!block) return false;
    a->items = static_cast<void**>(block);
    if (capacity > a->capacity)
        std::memset(a->items + a->capacity, 0,
                    sizeof(void*) * static_cast<std::size_t>(capacity - a->capacity));
    a->capacity = capacity;
    a->count = std::min(a->count, capacity);
    return true;
}

// Room for the position p: the larger of p + 1 and capacity + 10.
bool Make_Room(Pointer_Array* a, int p) {
    if (p < a->capacity) return true;
    if (p >= Pointer_Array_Limit) return false;
    return Resize(a, std::max(p + 1, a->capacity + 10));
}

}  // namespace

Pointer_Array* PtrArr_New(int capacity) {
    auto* a = static_cast<Pointer_Array*>(MEM_ALLOC(sizeof(Pointer_Array)));
    if (!a) return nullptr;
    *a = Pointer_Array{};
    if (!PtrArr_Init(a, capacity)) {
        MEM_FREE(a);
        return nullptr;
    }
    return a;
}

int PtrArr_Init(Pointer_Array* a, int capacity) {
    if (!a) return 0;
    *a = Pointer_Array{};
    if (capacity <= 0) return 1;
    return Resize(a, capacity) ? 1 : 0;
}

void PtrArr_Free_Items(Pointer_Array* a) {
    if (!a) return;
    MEM_FREE(a->items);
    *a = Pointer_Array{};
}

void PtrArr_Delete(Pointer_Array* a) {
    if (!a) return;
    PtrArr_Free_Items(a);
    MEM_FREE(a);
}

int PtrArr_Reserve(Pointer_Array* a, int capacity) {
    if (!a) return 0;
    if (capacity < 1) {
        PtrArr_Free_Items(a);
        return 1;
    }
    return Resize(a, capacity) ? 1 : 0;
}

int PtrArr_Count(const Pointer_Array* a) { return a ? a->count : 0; }

int PtrArr_Capacity(const Pointer_Array* a) { return a ? a->capacity : 0; }

void* PtrArr_Get(const Pointer_Array* a, int index) {
    if (!a || index < 0 || index >= a->count) return nullptr;
    return a->items[index];
}

void* PtrArr_Set(Pointer_Array* a, int index, void* item) {
    if (!a || index < 0 || !Make_Room(a, index)) return nullptr;
    void* old = index < a->count ? a->items[index] : nullptr;
    a->items[index] = item;
    if (index >= a->count) a->count = index + 1;
    return old;
}

void* PtrArr_Insert(Pointer_Array* a, int index, void* item) {
    if (!a || index < 0) return nullptr;
    if (index >= a->count) {
        if (!Make_Room(a, index)) return nullptr;
        PtrArr_Set(a, index, item);
        return item;
    }
    if (!Make_Room(a, a->count)) return nullptr;
    std::memmove(a->items + index + 1, a->items + index,
                 sizeof(void*) * static_cast<std::size_t>(a->count - index));
    a->items[index] = item;
    ++a->count;
    return item;
}

void* PtrArr_Remove(Pointer_Array* a, int index) {
    if (!a || index < 0 || index >= a->count) return nullptr;
    void* item = a->items[index];
    std::memmove(a->items + index, a->items + index + 1,
                 sizeof(void*) * static_cast<std::size_t>(a->count - index - 1));
    --a->count;
    a->items[a->count] = nullptr;
    return item;
}

void PtrArr_Sort(Pointer_Array* a, PtrArr_Compare compare) {
    if (!a || !compare || a->count < 2) return;
    Sort_Compare = compare;
    std::qsort(a->items, static_cast<std::size_t>(a->count), sizeof(void*), Compare_Slots);
    Sort_Compare = nullptr;
}

void* PtrArr_Search_Sorted(const Pointer_Array* a, const void* key, PtrArr_Compare compare,
                           int* index) {
    auto found = [index](void* item, int i) {
        if (index) *index = i;
        return item;
    };
    if (!a || !compare || a->count < 1) return found(nullptr, 0);
    const int last = a->count - 1;
    int c = Rank(compare, a->items[last], key);
    if (c == 0) return found(a->items[last], last);
    if (c < 0) return found(nullptr, a->count);
    c = Rank(compare, a->items[0], key);
    if (c == 0) return found(a->items[0], 0);
    if (c > 0) return found(nullptr, 0);
    int lo = 0, hi = a->count;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        c = Rank(compare, a->items[mid], key);
        if (c == 0) return found(a->items[mid], mid);
        if (c < 0) lo = mid + 1;
        else hi = mid;
    }
    return found(nullptr, lo);
}

void* PtrArr_Find(const Pointer_Array* a, const void* key, PtrArr_Predicate predicate, int* index) {
    const int n = PtrArr_Count(a);
    for (int i = 0; predicate && i < n; ++i)
        if (a->items[i] && predicate(a->items[i], key)) {
            if (index) *index = i;
            return a->items[i];
        }
    if (index) *index = n;
    return nullptr;
}

void* PtrArr_Find_First(const Pointer_Array* a, const void* key, PtrArr_Slot_Predicate predicate,
                        int* index) {
    const int n = PtrArr_Count(a);
    for (int i = 0; predicate && i < n; ++i)
        if (a->items[i] && predicate(&a->items[i], key) == 0) {
            if (index) *index = i;
            return a->items[i];
        }
    if (index) *index = n;
    return nullptr;
}
