// Notice output of the shared libraries: where their problem reports go. This unit holds the
// output mode and the delivery of one notice; the notice queues and the notice sheet are not
// part of it yet.
#pragma once

// Chooses where Print_Notice sends its texts and returns the mode: 1 standard output, 3 nowhere,
// every other value a message box of the host library (modes 2 and 4, the notice queue and the
// notice sheet, are shown as a message box until those exist).
int Set_Notice_Output_Mode(int mode);

// Formats one notice (at most 500 characters) and delivers it as the output mode says; leading
// "^x" style pairs are stepped over. An empty or missing format does nothing. The text is formed
// on the stack, so a notice about exhausted memory needs no further allocation. Result 0.
int Print_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));

// As Print_Notice, with the output mode switched to `mode` for this one text and restored after it.
int Print_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));

// As Print_Notice_In_Mode, the text delivered as "^bHINWEIS: text.".
int Print_Hint_Notice_In_Mode(int mode, const char* format, ...) __attribute__((format(printf, 2, 3)));

// Formats the text (at most 500 characters) and delivers "^bFEHLER: text!" through Print_Notice.
int Print_Error_Notice(const char* format, ...) __attribute__((format(printf, 1, 2)));
