// Counted allocation of the tools library: resizing and zero-filled blocks that end the program
// with the notice "Speicher nicht aussreichend!" (exit code 0) when memory runs out, string and
// double-array copies, row tables, and a live-block counter as a diagnostic. Every block may
// carry an allocation pad of extra bytes. Blocks come from the tracked allocation layer.
#pragma once

#include <cstddef>

// The block resized to size + pad bytes; a null block is allocated fresh and counted. With zero
// set the whole block is cleared afterwards. A total of 0 bytes gives null and leaves the old
// block alone.
void* Realloc_Or_Exit(void* block, std::size_t size, int zero);

// A fresh zero-filled block of size + pad bytes, counted.
void* Calloc_Or_Exit(std::size_t size);

// A counted copy of the text; null for a null text or when memory runs out.
char* Strdup_Counted(const char* text);

// Resizes *array to n doubles (+ pad) and copies n values into it; n <= 0 only resizes. A size
// of nothing releases the block and leaves *array null.
void Copy_Double_Array(int n, double** array, const double* values);

// A table of doubles in one block: rows row addresses followed by the rows of columns doubles,
// each address set to its row. An existing table is resized. 0 rows or 0 columns give null and
// leave an existing table alone.
double** Alloc_Row_Table(double** table, int rows, int columns);

// Gives back a block of the library and uncounts it; a null block does nothing.
void Release_Counted_Block(void* block);

// Gives back the block the cursor points to (when there is one) and sets the cursor to null.
template <typename T>
void Free_And_Null(T** cursor) {
    if (!cursor) return;
    Release_Counted_Block(const_cast<void*>(static_cast<const void*>(*cursor)));
    *cursor = nullptr;
}

// The block; a null block ends the program with the out-of-memory notice.
void* Check_Allocation(void* block);

// Extra bytes added to every allocation of the library; negative values count as 0.
void Set_Allocation_Pad(int bytes);

// The live-block counter: blocks taken through the library less blocks given back.
void Reset_Block_Count();
int Get_Block_Count();
