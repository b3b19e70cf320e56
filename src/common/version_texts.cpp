#include "common/version_texts.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "annex/norm_titles.h"
#include "common/file_tools.h"
#include "common/number_scan.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"

namespace {

// Where the sibling cross-section program lies under the host's program directory.
constexpr const char* Cross_Section_Program = "%s/QUERSCHNITT/QUERSCHNITT.EXE";

struct Version_Word {
    int first = 0;
    int second = 0;
    char suffix[4] = {'?', '?', '?', '\0'};
};

std::string Last_Word(const char* text) {
    std::size_t end = std::strlen(text);
    while (end > 0 && text[end - 1] == ' ') --end;
    std::size_t start = end;
    while (start > 0 && text[start - 1] != ' ') --start;
    return std::string(text + start, end - start);
}

Version_Word Read_Version_Word(const char* text) {
    Version_Word w;
    if (!text) return w;
    const std::string word = Last_Word(text);
    char sep1 = 0, sep2 = 0;
    char suffix[5] = {};
    const int read = Scan_Text(word.c_str(), "%d%c%d%c%4s", &w.first, &sep1, &w.second, &sep2,
                                 suffix);
    if (read < 1) w.first = 0;
    if (read < 3) w.second = 0;
    if (read == 5) {
        std::memset(w.suffix, 0, sizeof w.suffix);
        std::memcpy(w.suffix, suffix, strnlen(suffix, 3));
    }
    return w;
}

int Sign(int v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

}  // namespace

void Parse_Version_Word(const char* text, int* first, int* second, char* suffix) {
    const Version_Word w = Read_Version_Word(text);
    if (first) *first = w.first;
    if (second) *second = w.second;
    if (suffix) std::memcpy(suffix, w.suffix, sizeof w.suffix);
}

int Compare_Version_Texts(const char* a, const char* b) {
    const Version_Word va = Read_Version_Word(a);
    const Version_Word vb = Read_Version_Word(b);
    if (va.second != vb.second) return va.second > vb.second ? 1 : -1;
    if (va.first != vb.first) return va.first > vb.first ? 1 : -1;
    return Sign(std::strcmp(va.suffix, vb.suffix));
}

int Get_Program_Version_Number(const char* program_folder) {
    static int last_number = 0;
    const char* text = Read_Version_File(program_folder);
    if (!text) return last_number;
    last_number = std::strchr(text, ' ') ? Read_Version_Word(text).second : 0;
    return last_number;
}

int Probe_Cross_Section_Program() {
    static int answer = -1;
    if (answer < 0) {
        const char* exec = VEKGetEnv("EXEC");
        answer = exec && File_Exists(Format_Text(Cross_Section_Program, exec).c_str()) ? 1 : 0;
    }
    return answer;
}
