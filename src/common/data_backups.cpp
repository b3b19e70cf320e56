#include "common/data_backups.h"

#include <cstring>
#include <memory>
#include <string>

#include "common/base_path.h"
#include "common/file_tools.h"

namespace {

// A file name of the backup state. A name that was too long is named but not usable.
struct Kept_Name {
    bool named = false;
    std::string path;

    const char* Usable() const { return named && !path.empty() ? path.c_str() : nullptr; }
};

Kept_Name Name_Of(const std::string& path) {
    Kept_Name n;
    n.named = true;
    if (path.size() <= static_cast<std::size_t>(Backup_Name_Limit)) n.path = path;
    return n;
}

Kept_Name Name_If_Given(const char* base, const char* rest) {
    return rest ? Name_Of(std::string(base) + rest) : Kept_Name{};
}

struct Backup_State {
    bool switched_on = true;
    Data_Callback reader = nullptr;
    Data_Callback writer = nullptr;
    Kept_Name temp_backup, clc_backup, comparison, data_file, second_file;
    Kept_Name copy_target, copy_source;   // the names of the last Copy_Base_Data_File
};
Backup_State state;

void Keep_Names(Data_Callback reader, Data_Callback writer, const char* base, const char* extension) {
    state.reader = reader;
    state.writer = writer;
    const std::string stem = std::string(base ? base : "") + (extension ? extension : "");
    state.temp_backup = Name_Of(stem + ".bak");
    state.clc_backup = Name_Of(stem + ".clcbak");
    state.comparison = Name_Of(stem + ".cmp");
}

int Write_Through_Writer(const char* path) {
    if (!state.switched_on || !path || !state.writer) return 1;
    return Write_File_Replacing(path, state.writer) == 0 ? 0 : 1;
}

void Remove_Kept(const Kept_Name& name) {
    if (state.switched_on && name.Usable()) std::remove(name.Usable());
}

}  // namespace

void Set_Backup_Names(Data_Callback reader, Data_Callback writer, const char* base, const char* extension,
                      const char* data_file, const char* second_file) {
    Keep_Names(reader, writer, base, extension);
    state.data_file = Name_If_Given("", data_file);
    state.second_file = Name_If_Given("", second_file);
}

void Set_Backup_Names_With_Files(Data_Callback reader, Data_Callback writer, const char* base,
                                 const char* extension, const char* data_suffix, const char* second_suffix) {
    Keep_Names(reader, writer, base, extension);
    state.data_file = Name_If_Given(base ? base : "", data_suffix);
    state.second_file = Name_If_Given(base ? base : "", second_suffix);
}

void Switch_Backups_Off() { state.switched_on = false; }

int Backups_Switched_On() { return state.switched_on ? 1 : 0; }

Data_Callback Get_Backup_Reader() { return state.reader; }

int Temp_Backup_Exists() { return Path_Exists(state.temp_backup.Usable()); }

int Write_Data_To_File(const char* path) { return Write_Through_Writer(path); }

int Write_Temp_Backup() { return Write_Through_Writer(state.temp_backup.Usable()); }

int Write_Clc_Backup() { return Write_Through_Writer(state.clc_backup.Usable()); }

FILE* Open_Temp_Backup() {
    const char* path = state.temp_backup.Usable();
    return state.switched_on && path ? std::fopen(path, "rb") : nullptr;
}

int Read_Data_From_File(Data_Callback reader, const char* path) {
    if (!reader || !path) return 1;
    File_Handle f(std::fopen(path, "rb"));
    return f ? reader(f.get()) : 1;
}

int Read_Temp_Backup(Data_Callback reader) { return Read_Data_From_File(reader, state.temp_backup.Usable()); }

int Read_Clc_Backup(Data_Callback reader) { return Read_Data_From_File(reader, state.clc_backup.Usable()); }

int Files_Differ(const char* path_a, const char* path_b) {
    if (!path_a || !path_b) return 1;
    File_Handle a(std::fopen(path_a, "rb")), b(std::fopen(path_b, "rb"));
    if (!a || !b) return 1;
    char chunk_a[4096], chunk_b[4096];
    for (;;) {
        const std::size_t n = std::fread(chunk_a, 1, sizeof chunk_a, a.get());
        const std::size_t m = std::fread(chunk_b, 1, sizeof chunk_b, b.get());
        if (n != m || std::memcmp(chunk_a, chunk_b, n) != 0) return 1;
        if (n == 0) return std::ferror(a.get()) || std::ferror(b.get()) ? 1 : 0;
    }
}

int Data_Differs_From_File(const char* path) {
    if (!path || Write_Through_Writer(state.comparison.Usable()) != 0) return 1;
    return Files_Differ(state.comparison.Usable(), path);
}

int Data_Differs_From_Temp_Backup() { return Data_Differs_From_File(state.temp_backup.Usable()); }

int Data_Differs_From_Data_File() { return Data_Differs_From_File(state.data_file.Usable()); }

int Data_Differs_From_Clc_Backup() {
    if (state.second_file.named && !Path_Exists(state.second_file.Usable())) return 1;
    return Data_Differs_From_File(state.clc_backup.Usable());
}

int Remove_Temp_Backup() {
    Remove_Kept(state.temp_backup);
    return 0;
}

int Remove_Clc_Backup() {
    Remove_Kept(state.clc_backup);
    return 0;
}

int Remove_All_Backups() {
    Remove_Kept(state.temp_backup);
    Remove_Kept(state.clc_backup);
    Remove_Kept(state.comparison);
    return 0;
}

int Path_Exists(const char* path) { return File_Exists(path); }

int Copy_Base_Data_File(const char* target_suffix, const char* source_suffix) {
    const char* target = Get_Base_File_Name(target_suffix);
    state.copy_target = target ? Name_Of(target) : Kept_Name{};
    const char* source = Get_Base_File_Name(source_suffix);
    state.copy_source = source ? Name_Of(source) : Kept_Name{};
    if (!state.copy_target.Usable() || !state.copy_source.Usable()) return 1;
    return Copy_File(state.copy_target.Usable(), state.copy_source.Usable());
}
