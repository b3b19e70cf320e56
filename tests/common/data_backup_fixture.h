// One small record that a test program stores through the data-file kit, with the reader and writer
// callbacks of the backups, and its backups named in a scratch folder.
#pragma once

#include <cstdio>
#include <string>

#include "common/data_backups.h"
#include "common/data_files.h"
#include "test_support.h"

struct Small_Record {
    int value = 0;
};
inline Small_Record record;
inline bool writer_fails_halfway = false;

// The record as a data file; a failing writer stops after the data version.
inline int Write_Small_Record(FILE* f) {
    if (Begin_Data_Write(f, 1.0)) return 1;
    if (writer_fails_halfway) return 1;
    return Write_Data_Field(&record.value, 'i');
}

inline int Read_Small_Record(FILE* f) {
    if (Begin_Data_Read(f, 1.0) != 0) return 1;
    return Read_Data_Field(Field_Bytes(record.value), 'i', 0.0, 0);
}

inline const std::string Small_Record_Seven = " 1.000000  # Datenversionsnummer\n 7 ";

// The backups of the position B001, extension "_01", in a fresh folder; the record holds 7.
struct Backup_Folder {
    Scratch_Dir dir;
    std::string base = dir.file("B001");
    std::string bak = base + "_01.bak", clcbak = base + "_01.clcbak", cmp = base + "_01.cmp";
    std::string data = base + "_01.INP";

    Backup_Folder() {
        record.value = 7;
        writer_fails_halfway = false;
        Set_Backup_Names(Read_Small_Record, Write_Small_Record, base.c_str(), "_01", data.c_str(), nullptr);
    }
};
