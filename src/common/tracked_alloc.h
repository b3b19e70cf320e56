// Tracked allocation: every heap block of the shared libraries is taken and given back here, with
// the caller's source file, line and a tag. This build forwards to the runtime's allocator and
// records nothing; a block may be released with Mem_Free or free alike.
#pragma once

#include <cstddef>

void* Mem_Alloc(const char* source, int line, const char* tag, std::size_t size);
void* Mem_Calloc(const char* source, int line, const char* tag, std::size_t count, std::size_t size);
void* Mem_Realloc(const char* source, int line, const char* tag, void* block, std::size_t size);
char* Mem_Strdup(const char* source, int line, const char* tag, const char* text);
void Mem_Free(const char* source, int line, const char* tag, void* block);

// Entry points of a recording build; here they do nothing.
int Mem_Tracking_Available();
int Mem_Tracked_Block_Count();
int Mem_Tracked_Bytes();
int Mem_Check_Block(const void* block);
void Mem_Start_Tracking();
void Mem_Stop_Tracking();
void Mem_Report_Tracking();

// Ends the program after the out-of-memory message (exit code 0). On the window road the message
// is a message box; on the batch road, where nobody could answer it, it goes to standard error.
[[noreturn]] void Abort_Out_Of_Memory();

// Shorthands that pass the caller's place.
#define MEM_ALLOC(size) Mem_Alloc(__FILE__, __LINE__, "null", (size))
#define MEM_CALLOC(count, size) Mem_Calloc(__FILE__, __LINE__, "null", (count), (size))
#define MEM_REALLOC(block, size) Mem_Realloc(__FILE__, __LINE__, "null", (block), (size))
#define MEM_STRDUP(text) Mem_Strdup(__FILE__, __LINE__, "null", (text))
#define MEM_FREE(block) Mem_Free(__FILE__, __LINE__, "null", (block))
