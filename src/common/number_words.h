// Integer lists and numbers in German words, for texts of the tools library. The texts live in
// static storage owned by each operation, overwritten by its next call; they are code page 437.
#pragma once

// The values in their order as "%d", separated by ", ", a run of consecutive values (each one
// more than the one before) written as first " bis " last, the last separator " und "; the last
// value never joins a run: 1, 2, 3, 4, 7 gives "1 bis 4 und 7". Empty for no values.
const char* Format_Int_List(int count, const int* values);

// "ein" ("eins" when alone) for 1, "zwei" ... "neunzehn" for 2 to 19, "-Fehler-" otherwise.
const char* Get_Number_Word(int n, int alone);

// "zwanzig" ... "neunzig" for n / 10 from 2 to 9, "-Fehler-" otherwise.
const char* Get_Tens_Word(int n);

// The number in German words without blanks, first letter upper-cased: "Einundzwanzig",
// "Einhunderteins", "Zweimillionen"; "Null" for 0, "Zahl zu gross" from 4294967286 on.
const char* Number_To_German_Words(unsigned int n);

// "keiner", "einer", "zwei" ... "neun" for 0 to 9; other numbers as "%d".
const char* Get_Count_Word(int n);
