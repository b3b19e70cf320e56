#include "common/file_tools.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "common/cp437.h"
#include "platform/host/host_messages.h"

namespace {

bool Read_Whole_File(const char* path, std::string& text) {
    File_Handle f(std::fopen(path, "rb"));
    if (!f) return false;
    char chunk[4096];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, f.get())) > 0) text.append(chunk, n);
    return !std::ferror(f.get());
}

// Replaces within one line (without its line feed); the replaced text is not searched again.
int Replace_In_Line(std::string& line, const std::string& pattern, const char* replacement) {
    const std::size_t replacement_length = std::strlen(replacement);
    int count = 0;
    for (std::size_t at = line.find(pattern); at != std::string::npos;
         at = line.find(pattern, at + replacement_length)) {
        line.replace(at, pattern.size(), replacement);
        ++count;
    }
    return count;
}

}  // namespace

int Replace_In_File(const char* path, const char* pattern, const char* replacement) {
    if (!path || !pattern || !replacement || !*pattern) return -1;
    std::string text;
    if (!Read_Whole_File(path, text)) return -1;

    std::string out;
    out.reserve(text.size());
    const std::string wanted(pattern);
    int count = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        std::string line = text.substr(start, stop - start);
        count += Replace_In_Line(line, wanted, replacement);
        out += line;
        if (end != std::string::npos) out += '\n';
        start = stop + 1;
    }

    const auto write = [&out](FILE* f) { return std::fwrite(out.data(), 1, out.size(), f) == out.size() ? 0 : 1; };
    if (Write_File_Replacing(path, write) != 0) return -1;
    return count;
}

int Write_File_Replacing(const char* path, const std::function<int(FILE*)>& writer) {
    if (!path || !writer) return 1;
    const std::string temp_path = std::string(path) + ".tmp";
    File_Handle f(std::fopen(temp_path.c_str(), "wb"));
    if (!f) return 1;
    const bool written = writer(f.get()) == 0;
    const bool closed = std::fclose(f.release()) == 0;
    if (!written || !closed || std::rename(temp_path.c_str(), path) != 0) {
        std::remove(temp_path.c_str());
        return 1;
    }
    return 0;
}

int Copy_File(const char* target, const char* source) {
    if (!target || !source) return 1;
    File_Handle from(std::fopen(source, "rb"));
    if (!from) return 1;
    struct stat a, b;
    if (stat(source, &a) == 0 && stat(target, &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino) return 0;
    return Write_File_Replacing(target, [&from](FILE* to) {
        char chunk[4096];
        std::size_t n;
        while ((n = std::fread(chunk, 1, sizeof chunk, from.get())) > 0)
            if (std::fwrite(chunk, 1, n, to) != n) return 1;
        return std::ferror(from.get()) ? 1 : 0;
    });
}

std::time_t Get_File_Time(const char* path) {
    struct stat info;
    if (!path || stat(path, &info) != 0) return -1;
    return info.st_mtime;
}

int File_Exists(const char* path) {
    struct stat info;
    return path && stat(path, &info) == 0 ? 1 : 0;
}

int Check_File_Name(const char* name, int message) {
    if (!name) return 0;
    const char* reason = nullptr;
    if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
        reason = "Eine Datei darf weder '.' noch '..' heißen!"_cp;
    else if (std::strpbrk(name, "\\/:*?\"<>|"))
        reason = "Unzulässige Zeichen (\\/:*?\"<>|) im Dateinamen!"_cp;
    if (!reason) return 1;
    if (message) {
        Init_Message();
        Fill_Message(reason);
        Draw_Message();
    }
    return 0;
}
