// The head of a "#SHOWGRAFIC" block written from a format record: two head lines (each from a
// callback or "0 0 0"), the head flags, the kind, further values, the window and, for kind 3, one
// more value. The numbered commands of the block follow as the graphic writers write them.
#pragma once

#include <cstdint>
#include <cstdio>

// A head callback writes the lines of one head line; nonzero means success.
using Graphic_Head_Callback = int (*)(FILE* stream, std::uintptr_t user_datum);

inline constexpr std::uint32_t Graphic_Head_Further_Values = 0x10000;

struct Graphic_Head_Format {
    std::uint32_t flags;                  // nonzero: written as "-999 <flags> " before the kind
    Graphic_Head_Callback first_callback;
    Graphic_Head_Callback second_callback;
    std::int32_t kind;
    double window[4];
    double kind_3_value;                  // written only for kind 3
    double further[4];                    // written only with Graphic_Head_Further_Values
    std::uintptr_t user_datum;            // handed to the callbacks
};

inline constexpr Graphic_Head_Format Default_Graphic_Head_Format = {
    0, nullptr, nullptr, 1, {0, 10, 0, 5}, 50, {0, 0, 0, 0}, 0,
};

// Writes the head (a null head: the default). 0 on success; -1 for a null stream, a failed write or
// a callback that returned 0.
int OLI_Write_Graphic_Head(FILE* stream, const Graphic_Head_Format* head);
// The line "0" and an empty line.
int OLI_Write_Zero_Line(FILE* stream);
