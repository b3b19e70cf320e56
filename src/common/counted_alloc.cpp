#include "common/counted_alloc.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "common/tracked_alloc.h"
#include "common/notice_output.h"

namespace {

int Live_Blocks = 0;
int Allocation_Pad = 0;

[[noreturn]] void Exit_Out_Of_Memory() {
    Print_Notice("Speicher nicht aussreichend!");
    std::exit(0);
}

// size + pad; a total that no allocator can give (beyond the largest object) counts as exhausted.
std::size_t Padded_Size(std::size_t size) {
    const auto pad = static_cast<std::size_t>(Allocation_Pad);
    if (size > static_cast<std::size_t>(PTRDIFF_MAX) - pad) Exit_Out_Of_Memory();
    return size + pad;
}

}  // namespace

void* Realloc_Or_Exit(void* block, std::size_t size, int zero) {
    const std::size_t total = Padded_Size(size);
    if (total == 0) return nullptr;
    void* resized = MEM_REALLOC(block, total);
    if (!resized) Exit_Out_Of_Memory();
    if (!block) ++Live_Blocks;
    if (zero) std::memset(resized, 0, total);
    return resized;
}

void* Calloc_Or_Exit(std::size_t size) {
    const std::size_t total = Padded_Size(size);
    void* block = MEM_CALLOC(1, total > 0 ? total : 1);
    if (!block) Exit_Out_Of_Memory();
    ++Live_Blocks;
    return block;
}

char* Strdup_Counted(const char* text) {
    char* copy = MEM_STRDUP(text);
    if (copy) ++Live_Blocks;
    return copy;
}

void Copy_Double_Array(int n, double** array, const double* values) {
    if (!array) return;
    const std::size_t count = n > 0 ? static_cast<std::size_t>(n) : 0;
    if (count > static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(double)) Exit_Out_Of_Memory();
    auto* resized = static_cast<double*>(Realloc_Or_Exit(*array, count * sizeof(double), 0));
    if (!resized) {
        Free_And_Null(array);
        return;
    }
    *array = resized;
    if (count > 0 && values) std::memmove(resized, values, count * sizeof(double));
}

double** Alloc_Row_Table(double** table, int rows, int columns) {
    if (rows <= 0 || columns <= 0) return nullptr;
    const auto r = static_cast<std::size_t>(rows);
    const auto c = static_cast<std::size_t>(columns);
    const std::size_t limit = static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(double);
    if (c > limit / r || r * c > limit - r) Exit_Out_Of_Memory();
    const std::size_t bytes = r * sizeof(double*) + r * c * sizeof(double);
    auto** resized = static_cast<double**>(Realloc_Or_Exit(table, bytes, 0));
    auto* first_row = reinterpret_cast<double*>(resized + r);
    for (std::size_t i = 0; i < r; ++i) resized[i] = first_row + i * c;
    return resized;
}

void Release_Counted_Block(void* block) {
    if (!block) return;
    MEM_FREE(block);
    --Live_Blocks;
}

void* Check_Allocation(void* block) {
    if (!block) Exit_Out_Of_Memory();
    return block;
}

void Set_Allocation_Pad(int bytes) { Allocation_Pad = bytes > 0 ? bytes : 0; }

void Reset_Block_Count() { Live_Blocks = 0; }

int Get_Block_Count() { return Live_Blocks; }
