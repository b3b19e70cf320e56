// Information about an import of internal forces from other programs of the host: the export file
// that the exporting component leaves beside the position (base path + ".EXP"), its lines, and the
// notice naming the programs that internal forces can come from; with a plain copy of a text file.
#pragma once

#include <cstdio>

struct Import_Info_Text {
    const char* notice;
    int code;
    int flags;
};

// With remove set the export file is deleted and null returned; otherwise it is opened for reading
// (read set) or writing. Null when it cannot be opened.
FILE* Open_Export_Info_File(int remove, int read);
// The non-empty lines of the export file; 0 without one.
int Count_Export_Info_Lines();
// The notice of the import and its two numbers 10610 and 0.
const Import_Info_Text* Get_Import_Info_Text();
// The name between the base path and ".EXP": empty.
const char* Get_Export_Base_Name();
// Byte-for-byte copy of the source to the target (see Copy_File). 0, or 1 when the source does not
// exist or cannot be read, or the target cannot be written.
int Copy_Text_File(const char* source, const char* target);
