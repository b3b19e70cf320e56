// A growable array of untyped item pointers with set, insert, remove, sort, sorted search and
// linear search. The array never owns its items: no operation releases an item. The vector of
// item pointers comes from the tracked allocation layer.
//
// Invariant: 0 <= count <= capacity; the slots from count to capacity are null. When a position p
// at or beyond the capacity must be stored, the capacity becomes the larger of p + 1 and
// capacity + 10. A vector of more than Pointer_Array_Limit slots counts as exhausted memory.
#pragma once

inline constexpr int Pointer_Array_Limit = 1 << 26;

struct Pointer_Array {
    void** items = nullptr;   // null while the capacity is 0
    int count = 0;            // items in use, positions 0 to count - 1
    int capacity = 0;         // length of the vector
};

// Comparison of two items (not their addresses): negative, 0 or positive.
using PtrArr_Compare = int (*)(const void* a, const void* b);
// Linear search: nonzero when the item matches the key.
using PtrArr_Predicate = int (*)(const void* item, const void* key);
// Linear search handed the address of the item's slot and the key: 0 for a match.
using PtrArr_Slot_Predicate = int (*)(void* const* slot, const void* key);

// A new array with that capacity (0 or less: no vector) and count 0; null when memory runs out.
Pointer_Array* PtrArr_New(int capacity);
// The same in place: 1, or 0 when memory runs out (the array is then empty).
int PtrArr_Init(Pointer_Array* a, int capacity);
// Releases the vector; count and capacity 0. The array record stays the caller's.
void PtrArr_Free_Items(Pointer_Array* a);
// Releases the vector and the record of an array from PtrArr_New.
void PtrArr_Delete(Pointer_Array* a);
// Below 1: releases the vector. Otherwise the vector gets exactly that capacity (new slots null,
// the count cut to it). 1, or 0 when memory runs out (the array unchanged).
int PtrArr_Reserve(Pointer_Array* a, int capacity);

int PtrArr_Count(const Pointer_Array* a);
int PtrArr_Capacity(const Pointer_Array* a);
// The item, null outside 0 to count - 1.
void* PtrArr_Get(const Pointer_Array* a, int index);

// Stores the item at the index, growing by the rule; a position at or past the count makes the
// count index + 1 (the positions between stay null). Returns the item it replaced, null when the
// position was beyond the count; a negative index or exhausted memory stores nothing and gives
// null.
void* PtrArr_Set(Pointer_Array* a, int index, void* item);
// Below the count the items from the index on move up by one; at or past the count as
// PtrArr_Set. Returns the item, null for a negative index or exhausted memory.
void* PtrArr_Insert(Pointer_Array* a, int index, void* item);
// Removes the item at the index, moves the later ones down and nulls the freed last slot; the
// removed item, null outside 0 to count - 1.
void* PtrArr_Remove(Pointer_Array* a, int index);

// Sorts the items with the comparator; null items sort after all others. One sort at a time.
void PtrArr_Sort(Pointer_Array* a, PtrArr_Compare compare);
// Binary search in an array sorted by compare(item, key): the equal item and its index, or null
// and the index at which the key would be inserted. index may be null. Null slots rank above every
// key (as the sort puts them last) and are never handed to the comparator.
void* PtrArr_Search_Sorted(const Pointer_Array* a, const void* key, PtrArr_Compare compare,
                           int* index);
// The first item for which predicate(item, key) is nonzero, with its index; null and the count
// when none. Null slots are passed over, never handed to the predicate.
void* PtrArr_Find(const Pointer_Array* a, const void* key, PtrArr_Predicate predicate, int* index);
// The same walk with a predicate on the item's slot that returns 0 for a match.
void* PtrArr_Find_First(const Pointer_Array* a, const void* key, PtrArr_Slot_Predicate predicate,
                        int* index);
