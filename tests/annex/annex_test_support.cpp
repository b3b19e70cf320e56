#include "annex/annex_test_support.h"

#include <stdlib.h>

#include <filesystem>

#include "annex/annex_file.h"

Annex_Folders::Annex_Folders(bool with_data, bool with_dram, bool with_exec) {
    const auto set = [](const char* variable, const std::string& path, bool on) {
        if (on) {
            std::filesystem::create_directories(path);
            setenv(variable, path.c_str(), 1);
        } else {
            unsetenv(variable);
        }
    };
    set("DATA", data, with_data);
    if (with_data) std::filesystem::create_directories(data + "/NAD");
    set("DRAM", dram, with_dram);
    set("EXEC", exec, with_exec);
}

std::unique_ptr<NAD_Record> Default_Record(int country_type, const char* name, int variant) {
    auto r = std::make_unique<NAD_Record>();
    r->country_type = country_type;
    r->user_flag = 0;
    r->variant = variant;
    NAD_Set_Record_Name(r.get(), name);
    NAD_Set_File_Block_Defaults(r.get());
    return r;
}

std::string Annex_Text(const NAD_Record& record) {
    std::FILE* f = std::tmpfile();
    NAD_Write_File(f, &record);
    std::rewind(f);
    std::string text;
    for (int c; (c = std::getc(f)) != EOF;) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

void Write_Annex_File(const std::string& path, const NAD_Record& record) { Write_File(path, Annex_Text(record)); }

Memory_Stream::Memory_Stream(const std::string& bytes) : stream(std::tmpfile()) {
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
    std::rewind(stream);
}

Memory_Stream::~Memory_Stream() { std::fclose(stream); }

std::string Memory_Stream::rest() const {
    std::string text;
    for (int c; (c = std::getc(stream)) != EOF;) text += static_cast<char>(c);
    return text;
}
