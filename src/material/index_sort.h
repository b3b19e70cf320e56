// Index sorts and extreme values: sorts of double arrays and of index arrays by double or int
// keys, a sort that drops repeated values, a sort of value pairs, two swaps, and the index of the
// largest or smallest value of an array. Double keys closer than 0.00001 compare equal (so the
// order among them is not defined); int keys compare exactly. Arrays are the caller's; a count
// below 1 leaves every array untouched.
#pragma once

// Index sorts: index[i] = i for 0 <= i < n, then ordered so that keys[index[0]], keys[index[1]],
// ... ascend (flag nonzero) or descend (flag 0). The keys are not changed.
void Sort_Index_Ascending(const double* keys, int* index, int n);
void Sort_Index_By_Value(int n, const double* keys, int* index, int ascending);
void Sort_Index_By_Int_Value(int n, const int* keys, int* index, int ascending);

// Sorts the values themselves.
void Sort_Doubles(int n, double* values, int ascending);

// Sorts the values and moves to the front those that differ at the given decimals from their
// sorted predecessor; returns their number. Entries behind keep their sorted values.
int Sort_Unique_Values(int n, double* values, int ascending, int decimals);

// Sorts the pairs (first[i], second[i]) by the first values; with by_second > 0 each run of first
// values equal at the given decimals is ordered by its second values, always ascending.
void Sort_Value_Pairs(int n, double* first, int ascending, double* second, int by_second,
                      int decimals);

void Swap_Doubles(double* a, double* b);
void Swap_Floats(float* a, float* b);

// Index of the largest (flag nonzero) or smallest (flag 0) value; the first occurrence wins and
// a value that is not a number is never taken. 0 for fewer than two values.
int Find_Extreme_Index(int n, const double* values, int largest);

// Comparisons handed to qsort. The keyed ones compare the keys of two index entries through the
// key array of the sort in progress.
int Compare_Keyed_Ascending(const void* a, const void* b);
int Compare_Keyed_Descending(const void* a, const void* b);
int Compare_Keyed_Int_Ascending(const void* a, const void* b);
int Compare_Keyed_Int_Descending(const void* a, const void* b);
int Compare_Doubles_Ascending(const void* a, const void* b);
int Compare_Doubles_Descending(const void* a, const void* b);
