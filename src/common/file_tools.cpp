#include "common/file_tools.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct File_Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File_Handle = std::unique_ptr<FILE, File_Closer>;

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

    const std::string temp_path = std::string(path) + ".tmp";
    {
        File_Handle f(std::fopen(temp_path.c_str(), "wb"));
        if (!f) return -1;
        const bool written = std::fwrite(out.data(), 1, out.size(), f.get()) == out.size();
        if (std::fclose(f.release()) != 0 || !written) {
            std::remove(temp_path.c_str());
            return -1;
        }
    }
    if (std::rename(temp_path.c_str(), path) != 0) {
        std::remove(temp_path.c_str());
        return -1;
    }
    return count;
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
