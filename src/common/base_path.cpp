#include "common/base_path.h"

#include <stdlib.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "common/number_scan.h"
#include "common/run_state.h"
#include "platform/host/host_library.h"

Position_Info_Record Position_Info = {};

namespace {

struct Base_Path_Record {
    char path[Base_Path_Limit + 1] = {};
    unsigned length = 0;
    char directory[Base_Path_Limit + 1] = {};
    char joined[Base_Path_Limit + 1] = {};
};
Base_Path_Record base;

// The joined name, or an empty optional-like result: false when it exceeds the limit.
bool Join(const char* suffix, std::string& name) {
    name = base.path;
    if (suffix) name += suffix;
    return name.size() <= Base_Path_Limit;
}

void Copy_Cut(char* field, std::size_t field_size, const std::string& text) {
    const std::size_t n = std::min(text.size(), field_size - 1);
    std::memcpy(field, text.data(), n);
    field[n] = '\0';
}

}  // namespace

const char* Set_Base_Path(const char* id) {
    base = Base_Path_Record{};
    if (!id) return base.path;
    const std::string kept(id, strnlen(id, Base_Path_Limit));
    Copy_Cut(base.path, sizeof base.path, kept);
    base.length = static_cast<unsigned>(kept.size());

    const std::size_t slash = kept.find_last_of("/\\");
    const std::size_t colon = kept.find_last_of(':');
    if (slash != std::string::npos) {
        Copy_Cut(base.directory, sizeof base.directory, kept.substr(0, slash));
    } else if (colon != std::string::npos) {
        Copy_Cut(base.directory, sizeof base.directory, kept.substr(0, colon + 1));
    } else {
        std::array<char, 4096> cwd{};
        if (getcwd(cwd.data(), cwd.size())) Copy_Cut(base.directory, sizeof base.directory, cwd.data());
    }
    return base.path;
}

const char* Get_Base_Path() { return base.path; }

const char* Get_Base_Directory() { return base.directory; }

char* Build_Base_File_Name(char* buffer, const char* suffix, std::size_t size) {
    if (!buffer || size < 1) return nullptr;
    std::string name;
    Join(suffix, name);
    Copy_Cut(buffer, size, name);
    return name.size() < size ? buffer : nullptr;
}

const char* Get_Base_File_Name(const char* suffix) {
    std::string name;
    const bool fits = Join(suffix, name);
    Copy_Cut(base.joined, sizeof base.joined, name);
    return fits ? base.joined : nullptr;
}

FILE* Open_Base_File(const char* suffix, const char* mode) {
    std::string name;
    if (!Join(suffix, name) || !mode) return nullptr;
    return std::fopen(name.c_str(), mode);
}

int Base_File_Exists(const char* suffix) {
    std::string name;
    if (!Join(suffix, name)) return 0;
    return access(name.c_str(), F_OK) == 0 ? 1 : 0;
}

int Remove_Base_File(const char* suffix) {
    std::string name;
    if (!Join(suffix, name)) return 1;
    return std::remove(name.c_str()) == 0 ? 0 : 1;
}

int Copy_Base_File(const char* from_suffix, const char* to_suffix, int flag) {
    std::string from, to;
    if (!Join(from_suffix, from) || !Join(to_suffix, to)) return 0;
    return VEKCopyFile(from.c_str(), to.c_str(), flag) ? 1 : 0;
}

int Rename_Base_File(const char* from_suffix, const char* to_suffix) {
    std::string from, to;
    if (!Join(from_suffix, from) || !Join(to_suffix, to)) return 0;
    return std::rename(from.c_str(), to.c_str()) == 0 ? 1 : 0;
}

int Remove_Base_Files_Matching(const char* pattern_suffix) {
    std::string pattern;
    if (!Join(pattern_suffix, pattern)) return -1;
    std::size_t name_start = pattern.find_last_of("/\\");
    if (name_start != std::string::npos) {
        ++name_start;
    } else {
        const std::size_t colon = pattern.find(':');
        name_start = colon == std::string::npos ? 0 : colon + 1;
    }
    int count = 0;
    DOS_Find_Record found{};
    for (int r = DOSFindFirstFile(pattern.c_str(), &found); r == 0; r = DOSFindNext(&found)) {
        const std::string path = pattern.substr(0, name_start) + found.name;
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(path, ec);
        if (ec || full.string().size() > Base_Path_Limit) continue;
        std::remove(full.c_str());
        ++count;
    }
    DOSFindClose(&found);
    return count;
}

// A unique name in the host's TEMP folder (the system's temporary folder when TEMP is not set):
// the file is created to reserve the name and removed again at once.
char* Make_Temp_File_Name(char* buffer) {
    if (!buffer) return nullptr;
    const char* folders[] = {VEKGetEnv("TEMP"), std::getenv("TMPDIR"), "/tmp"};
    for (const char* folder : folders) {
        if (!folder || !*folder) continue;
        std::string name = std::string(folder) + "/VEKXXXXXX";
        if (name.size() > Base_Path_Limit) continue;
        const int fd = mkstemp(name.data());
        if (fd < 0) continue;
        close(fd);
        unlink(name.c_str());
        std::memcpy(buffer, name.c_str(), name.size() + 1);
        return buffer;
    }
    return nullptr;
}

namespace {

struct Temp_File_Slot {
    FILE* stream = nullptr;
    char path[Base_Path_Limit + 1] = {};
};
std::array<Temp_File_Slot, 5> temp_slots;

}  // namespace

FILE* Open_Temp_File(const char* mode) {
    for (Temp_File_Slot& slot : temp_slots) {
        if (slot.stream) continue;
        if (!mode || !Make_Temp_File_Name(slot.path)) return nullptr;
        slot.stream = std::fopen(slot.path, mode);
        return slot.stream;
    }
    return nullptr;
}

int Close_Temp_File(FILE* stream) {
    if (!stream) return 0;
    for (Temp_File_Slot& slot : temp_slots) {
        if (slot.stream != stream) continue;
        const bool closed = std::fclose(stream) == 0;
        slot.stream = nullptr;
        std::remove(slot.path);
        slot.path[0] = '\0';
        return closed ? 1 : 0;
    }
    return 0;
}

namespace {

// One line of at most 199 characters, without its line end; false without a line.
bool Read_Number_Line(FILE* stream, std::string& line) {
    char buffer[200];
    if (!stream || !std::fgets(buffer, sizeof buffer, stream)) return false;
    line = buffer;
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    return true;
}

// Walks a line: skip white space, convert, skip the rest of the token; stops at the first failure.
template <typename T, typename Convert>
int Parse_Line(FILE* stream, T* values, int n, Convert convert) {
    std::string line;
    if (!Read_Number_Line(stream, line)) {
        for (int k = 0; values && k < n; ++k) values[k] = 0;
        return 0;
    }
    if (n <= 0 || !values) return 1;
    const char* p = line.c_str();
    int k = 0;
    while (k < n) {
        while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
        char* end = nullptr;
        const T v = convert(p, &end);
        if (!*p || end == p) break;
        values[k++] = v;
        p = end;
        while (*p && !std::isspace(static_cast<unsigned char>(*p))) ++p;
    }
    for (; k < n; ++k) values[k] = 0;
    return 1;
}

}  // namespace

int Read_Double_Line(FILE* stream, double* values, int n) {
    return Parse_Line(stream, values, n, [](const char* p, char** end) { return std::strtod(p, end); });
}

int Read_Int_Line(FILE* stream, int* values, int n) {
    // "%i": a leading 0x reads hexadecimal, a leading 0 octal. A number beyond the range of int ends
    // the list as a word that does not convert would, instead of being taken modulo 2^32.
    return Parse_Line(stream, values, n, [](const char* p, char** end) {
        errno = 0;
        const long v = std::strtol(p, end, 0);
        if (errno == ERANGE || v < INT_MIN || v > INT_MAX) {
            *end = const_cast<char*>(p);
            return 0;
        }
        return static_cast<int>(v);
    });
}

int Read_Double_Values(FILE* stream, double* values, int n) {
    if (!stream || !values || n <= 0) return 0;
    int k = 0;
    while (k < n && Scan_Stream(stream, " %lf", &values[k]) == 1) ++k;
    for (int j = k; j < n; ++j) values[j] = 0;
    return k;
}

int Read_Int_Values(FILE* stream, int* values, int n) {
    if (!stream || !values || n <= 0) return 0;
    int k = 0;
    while (k < n && Scan_Stream(stream, " %i", &values[k]) == 1) ++k;
    for (int j = k; j < n; ++j) values[j] = 0;
    return k;
}

namespace {

// A whole line without its line end (LF or CRLF); false at end of file.
bool Read_Whole_Line(FILE* f, std::string& line) {
    line.clear();
    int c;
    bool any = false;
    while ((c = std::fgetc(f)) != EOF) {
        any = true;
        if (c == '\n') break;
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return any;
}

}  // namespace

int Read_Position_Info(const char* path) {
    Position_Info = {};
    if (!path) return 1;
    FILE* f = std::fopen(path, "r");
    if (!f) return 1;
    std::string line1, line2, line3;
    int result = 1;
    if (!Read_Whole_Line(f, line1)) {
        result = 1;
    } else if (Read_Whole_Line(f, line2)) {
        // Three-line form: a first line the host keeps for itself, the number, the title.
        Copy_Cut(Position_Info.number, sizeof Position_Info.number, line2);
        if (Read_Whole_Line(f, line3)) {
            Copy_Cut(Position_Info.title, sizeof Position_Info.title, line3);
            result = 0;
        }
    } else {
        // One-line form: number, a colon, title.
        const std::size_t colon = line1.find(':');
        Copy_Cut(Position_Info.number, sizeof Position_Info.number, line1.substr(0, colon));
        if (colon != std::string::npos)
            Copy_Cut(Position_Info.title, sizeof Position_Info.title, line1.substr(colon + 1));
        result = 0;
    }
    std::fclose(f);
    return result;
}

int Read_Position_File(const char* id) {
    if (!id) return 1;
    const std::string name = std::string(id, strnlen(id, 4)) + Position_File_Suffix;
    return Read_Position_Info(name.c_str());
}
