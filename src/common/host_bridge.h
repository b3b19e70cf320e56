// The bridge to the host library: the table of the program's own stdio functions that the host and
// print-list libraries use on streams the program opened, and the start-up hook that registers it.
#pragma once

#include <cstdint>
#include <cstdio>

// Fixed layout: the count 18, then the entries in this order. The print-list writer calls the
// fprintf entry (the seventh) with the report stream.
struct Stdio_Functions {
    std::int32_t count;
    FILE* (*fopen_fn)(const char* name, const char* mode);
    int (*fclose_fn)(FILE* stream);
    std::size_t (*fread_fn)(void* buffer, std::size_t size, std::size_t n, FILE* stream);
    std::size_t (*fwrite_fn)(const void* buffer, std::size_t size, std::size_t n, FILE* stream);
    int (*ferror_fn)(FILE* stream);
    int (*fscanf_fn)(FILE* stream, const char* format, ...);
    int (*fprintf_fn)(FILE* stream, const char* format, ...);
    int (*fseek_fn)(FILE* stream, long offset, int origin);
    long (*ftell_fn)(FILE* stream);
    int (*fsetpos_fn)(FILE* stream, const fpos_t* position);
    int (*fgetpos_fn)(FILE* stream, fpos_t* position);
    char* (*fgets_fn)(char* buffer, int size, FILE* stream);
    int (*fgetc_fn)(FILE* stream);
    int (*fputs_fn)(const char* text, FILE* stream);
    int (*fputc_fn)(int c, FILE* stream);
    int (*ungetc_fn)(int c, FILE* stream);
    int (*sscanf_fn)(const char* text, const char* format, ...);
    int (*sprintf_fn)(char* buffer, const char* format, ...);
};

extern const Stdio_Functions Stdio_Function_Table;

// The four formatted entries: variadic wrappers over the formatting engine.
int Stdio_Fprintf(FILE* stream, const char* format, ...);
int Stdio_Fscanf(FILE* stream, const char* format, ...);
int Stdio_Sscanf(const char* text, const char* format, ...);
int Stdio_Sprintf(char* buffer, const char* format, ...);

// Hands the table to the host library.
void Register_Stdio_Table();

// Start-up hook: registers the table and switches the mouse wheel on; returns the host's answer.
int Init_Host_Bridge();
