#include "annex/annex_io.h"

#include <cctype>

#include "platform/host/host_library.h"

NAD_File NAD_Open(const std::string& path, const char* mode) {
    if (path.empty() || !mode) return NAD_File();
    return NAD_File(std::fopen(path.c_str(), mode));
}

std::string NAD_Host_Path(const char* variable, const std::string& relative) {
    const char* folder = VEKGetEnv(variable);
    if (!folder || !*folder) return std::string();
    return std::string(folder) + "/" + relative;
}

int NAD_Read_Word(FILE* stream, std::string& word, std::size_t limit) {
    word.clear();
    if (!stream) return 0;
    int c;
    while ((c = std::getc(stream)) != EOF && std::isspace(c)) {
    }
    if (c == EOF) return 0;
    do {
        if (word.size() < limit) word += static_cast<char>(c);
    } while ((c = std::getc(stream)) != EOF && !std::isspace(c));
    if (c != EOF) std::ungetc(c, stream);
    return 1;
}
