#include "material/index_sort.h"

#include <cmath>
#include <cstdlib>

#include "common/counted_alloc.h"
#include "material/rounding.h"

namespace {

// Key arrays of the sort in progress, read by the keyed comparisons.
const double* Double_Keys = nullptr;
const int* Int_Keys = nullptr;

// Values closer than this are one value for the sorts.
constexpr double Key_Tolerance = 0.00001;

int Compare_Tolerant(double a, double b) {
    const double d = a - b;
    if (d > -Key_Tolerance && d < Key_Tolerance) return 0;
    return a > b ? 1 : -1;
}

int Compare_Exact(int a, int b) { return a > b ? 1 : a < b ? -1 : 0; }

int Entry(const void* p) { return *static_cast<const int*>(p); }
double Value(const void* p) { return *static_cast<const double*>(p); }

template <typename T>
T* Counted_Array(int n) {
    return static_cast<T*>(Realloc_Or_Exit(nullptr, static_cast<std::size_t>(n) * sizeof(T), 0));
}

}  // namespace

int Compare_Keyed_Ascending(const void* a, const void* b) {
    return Compare_Tolerant(Double_Keys[Entry(a)], Double_Keys[Entry(b)]);
}

int Compare_Keyed_Descending(const void* a, const void* b) {
    return Compare_Tolerant(Double_Keys[Entry(b)], Double_Keys[Entry(a)]);
}

int Compare_Keyed_Int_Ascending(const void* a, const void* b) {
    return Compare_Exact(Int_Keys[Entry(a)], Int_Keys[Entry(b)]);
}

int Compare_Keyed_Int_Descending(const void* a, const void* b) {
    return Compare_Exact(Int_Keys[Entry(b)], Int_Keys[Entry(a)]);
}

int Compare_Doubles_Ascending(const void* a, const void* b) {
    return Compare_Tolerant(Value(a), Value(b));
}

int Compare_Doubles_Descending(const void* a, const void* b) {
    return Compare_Tolerant(Value(b), Value(a));
}

void Sort_Index_By_Value(int n, const double* keys, int* index, int ascending) {
    if (n < 1 || !keys || !index) return;
    Double_Keys = keys;
    for (int i = 0; i < n; ++i) index[i] = i;
    std::qsort(index, static_cast<std::size_t>(n), sizeof(int),
               ascending ? Compare_Keyed_Ascending : Compare_Keyed_Descending);
}

void Sort_Index_Ascending(const double* keys, int* index, int n) {
    Sort_Index_By_Value(n, keys, index, 1);
}

void Sort_Index_By_Int_Value(int n, const int* keys, int* index, int ascending) {
    if (n < 1 || !keys || !index) return;
    Int_Keys = keys;
    for (int i = 0; i < n; ++i) index[i] = i;
    std::qsort(index, static_cast<std::size_t>(n), sizeof(int),
               ascending ? Compare_Keyed_Int_Ascending : Compare_Keyed_Int_Descending);
}

void Sort_Doubles(int n, double* values, int ascending) {
    if (n < 1 || !values) return;
    std::qsort(values, static_cast<std::size_t>(n), sizeof(double),
               ascending ? Compare_Doubles_Ascending : Compare_Doubles_Descending);
}

// A value is kept when it differs at the given decimals from its sorted predecessor (not from the
// last value kept), so a chain of close values collapses to its first one.
int Sort_Unique_Values(int n, double* values, int ascending, int decimals) {
    if (n < 1 || !values) return 0;
    Sort_Doubles(n, values, ascending);
    double* kept = Counted_Array<double>(n);
    int count = 0;
    kept[count++] = values[0];
    for (int j = 1; j < n; ++j)
        if (Round_To_Decimals(std::fabs(values[j] - values[j - 1]), decimals) != 0)
            kept[count++] = values[j];
    for (int j = 0; j < count; ++j) values[j] = kept[j];
    Free_And_Null(&kept);
    return count;
}

void Sort_Value_Pairs(int n, double* first, int ascending, double* second, int by_second,
                      int decimals) {
    if (n < 1 || !first || !second) return;
    double* first_copy = Counted_Array<double>(n);
    double* second_copy = Counted_Array<double>(n);
    int* order = Counted_Array<int>(n);
    double* run_keys = Counted_Array<double>(n);
    int* run_order = Counted_Array<int>(n);
    int* run_entries = Counted_Array<int>(n);
    for (int i = 0; i < n; ++i) {
        first_copy[i] = first[i];
        second_copy[i] = second[i];
    }
    Sort_Index_By_Value(n, first_copy, order, ascending);

    if (by_second > 0) {
        auto same_first = [&](int p, int q) {
            return Round_To_Decimals(std::fabs(first_copy[order[q]] - first_copy[order[p]]),
                                     decimals) == 0;
        };
        int p = 0;
        while (p < n - 1) {
            int last = p;
            while (last + 1 < n && same_first(last, last + 1)) ++last;
            if (last == p) {
                ++p;
                continue;
            }
            // Order the run by its second values, ascending whatever the first direction.
            const int len = last - p + 1;
            for (int k = 0; k < len; ++k) {
                run_entries[k] = order[p + k];
                run_keys[k] = second_copy[order[p + k]];
            }
            Sort_Index_By_Value(len, run_keys, run_order, 1);
            for (int k = 0; k < len; ++k) order[p + k] = run_entries[run_order[k]];
            p = last;
        }
    }
    for (int i = 0; i < n; ++i) {
        first[i] = first_copy[order[i]];
        second[i] = second_copy[order[i]];
    }
    Free_And_Null(&first_copy);
    Free_And_Null(&second_copy);
    Free_And_Null(&order);
    Free_And_Null(&run_keys);
    Free_And_Null(&run_order);
    Free_And_Null(&run_entries);
}

void Swap_Doubles(double* a, double* b) {
    if (!a || !b) return;
    const double t = *a;
    *a = *b;
    *b = t;
}

void Swap_Floats(float* a, float* b) {
    if (!a || !b) return;
    const float t = *a;
    *a = *b;
    *b = t;
}

int Find_Extreme_Index(int n, const double* values, int largest) {
    if (n < 2 || !values) return 0;
    int best = 0;
    for (int i = 1; i < n; ++i) {
        if (largest ? values[i] > values[best] : values[i] < values[best]) best = i;
    }
    return best;
}
