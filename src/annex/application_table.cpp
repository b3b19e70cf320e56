#include "annex/application_table.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "annex/annex_io.h"
#include "common/cp437.h"
#include "common/key_lines.h"
#include "common/number_scan.h"
#include "platform/host/host_library.h"

namespace {

constexpr char Open_Mark = "«"_cp[0];
constexpr char Close_Mark = "»"_cp[0];

std::vector<NAD_Application_Entry> rows;
int current_row = 0;
bool row_found = false;
int current_mask = 0;
int cached_number = -1;
int all_rows = 0;
bool table_read = false;

// Upper case of the ASCII letters; other bytes stay.
std::string Upper_Case(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

// The text behind the key on the first line that starts with it; the stream then stands at the start
// of the next line. False when no line starts with the key.
bool Find_Key_Text(FILE* f, const char* key, std::string& rest) {
    std::rewind(f);
    char line[Key_Line_Piece + 1];
    const std::size_t n = std::strlen(key);
    while (std::feof(f) == 0) {
        const int c = std::getc(f);
        if (c == EOF) break;
        std::ungetc(c, f);
        Read_Line_Bounded(f, line, sizeof line);
        if (std::strncmp(line, key, n) == 0) {
            rest = line + n;
            return true;
        }
    }
    return false;
}

// A «» name that stands on the key line behind the key or else on the next line; the fallback when
// the key or the name is missing.
std::string Keyed_Name(FILE* f, const char* key, const std::string& fallback) {
    std::string rest;
    if (!Find_Key_Text(f, key, rest)) return fallback;
    const std::size_t open = rest.find(Open_Mark);
    if (open != std::string::npos) {
        const std::size_t close = rest.find(Close_Mark, open + 1);
        const std::string name = rest.substr(open + 1, close == std::string::npos ? close : close - open - 1);
        return name.empty() ? fallback : name.substr(0, Guillemet_Name_Size - 1);
    }
    char name[Guillemet_Name_Size];
    return Read_Guillemet_String(f, name) > 0 ? std::string(name) : fallback;
}

// The words of a "#NADS" line: those behind the number on the key line, then those of the following
// lines, at most ten in all.
std::vector<std::string> Flag_Words(FILE* f, const char* rest_of_key_line) {
    std::vector<std::string> words;
    std::string word;
    for (const char* p = rest_of_key_line; *p && words.size() < 10;) {
        while (*p && std::isspace(static_cast<unsigned char>(*p))) ++p;
        const char* start = p;
        while (*p && !std::isspace(static_cast<unsigned char>(*p))) ++p;
        if (p > start) words.emplace_back(start, p);
    }
    while (words.size() < 10 && NAD_Read_Word(f, word)) words.push_back(word);
    return words;
}

// The number of a description file APP<nnnn>.DEF: an int of at most four characters (sign included)
// from the fourth character on, after white space; 0 when none converts.
int File_Number(const char* file_name) {
    int n = 0;
    if (std::strlen(file_name) < 3 || Scan_Text(file_name + 3, "%4d", &n) != 1) return 0;
    return n;
}

// Reads one description file into a new row; files without annex use are left out.
void Read_Description(const std::string& folder, const char* folder_name, const char* file_name) {
    const int number = File_Number(file_name);
    if (number <= 0 || static_cast<int>(rows.size()) >= NAD_Application_Limit) return;
    const NAD_File f = NAD_Open(folder + "/" + file_name, "r");
    if (!f) return;
    std::string rest;
    if (!Find_Key_Text(f.get(), "#NADS", rest)) return;
    char* after_number = nullptr;
    errno = 0;
    const long value = std::strtol(rest.c_str(), &after_number, 10);
    if (after_number == rest.c_str() || errno != 0 || value == 0 || value < INT_MIN || value > INT_MAX) return;
    const int nads = static_cast<int>(value);

    NAD_Application_Entry row;
    if (nads < 0) {
        row.has_flags = 1;
        const std::vector<std::string> words = Flag_Words(f.get(), after_number);
        for (std::size_t slot = 0; slot < words.size(); ++slot) {
            const std::string& word = words[slot];
            if (word.size() > 1 || word == "1") {
                row.mask |= 1 << slot;
                row.flag_strings[slot] = word;
            }
        }
    } else {
        row.mask = nads;
    }
    row.name = Upper_Case(Keyed_Name(f.get(), "#NAME", folder_name));
    row.service = Keyed_Name(f.get(), "#SERVICE", "Bauteil");
    row.service = Keyed_Name(f.get(), "#GROUP", row.service);
    row.number = number;
    rows.push_back(std::move(row));
}

}  // namespace

void NAD_Read_Application_Table() {
    if (table_read) return;
    const std::string exec = NAD_Host_Path("EXEC", "");
    if (exec.empty()) return;
    DOS_Find_Record dir_found{};
    for (int d = DOSFindFirstDirectory((exec + "*.*").c_str(), &dir_found); d == 0; d = DOSFindNext(&dir_found)) {
        const std::string folder = exec + dir_found.name;
        DOS_Find_Record file_found{};
        for (int f = DOSFindFirstFile((folder + "/APP*.DEF").c_str(), &file_found); f == 0;
             f = DOSFindNext(&file_found))
            Read_Description(folder, dir_found.name, file_found.name);
        DOSFindClose(&file_found);
    }
    DOSFindClose(&dir_found);
    cached_number = -1;
    NAD_Find_Application();
    table_read = true;
}

void NAD_Forget_Application_Table() {
    rows.clear();
    current_row = 0;
    row_found = false;
    current_mask = 0;
    cached_number = -1;
    all_rows = 0;
    table_read = false;
}

namespace {

// No row applies: every parameter counts.
void Take_No_Row() {
    row_found = false;
    current_row = 0;
    cached_number = 0;
    current_mask = NAD_All_Eurocodes_Mask;
    all_rows = 1;
}

}  // namespace

int NAD_Find_Application() {
    if (cached_number >= 0) return cached_number;
    const int number = CurOb_Application_Number();
    if (number != 0) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].number != number) continue;
            current_row = static_cast<int>(i);
            row_found = true;
            current_mask = rows[i].mask;
            cached_number = number;
            all_rows = 0;
            return number;
        }
    }
    Take_No_Row();
    return 0;
}

int NAD_Current_Application_Row() {
    NAD_Find_Application();
    return row_found ? current_row : -1;
}

void NAD_Choose_Application_Row(int index) {
    if (index < 0 || index >= static_cast<int>(rows.size())) {
        Take_No_Row();
        return;
    }
    const NAD_Application_Entry& row = rows[static_cast<std::size_t>(index)];
    current_row = index;
    row_found = true;
    current_mask = row.mask;
    cached_number = row.number;
    all_rows = 0;
}

bool NAD_Test_Parameter_Flag(int slot, int position) {
    if (!row_found || slot < 0 || slot > 9) return true;
    const std::string& flags = rows[current_row].flag_strings[slot];
    if (flags.empty()) return true;
    return position >= 0 && position < static_cast<int>(flags.size()) && flags[position] != '0';
}

int NAD_Application_Has_Flags() { return !row_found || rows[current_row].has_flags ? 1 : 0; }

int NAD_Application_All_Rows() { return all_rows; }

int NAD_Application_Mask() { return current_mask; }

int NAD_Get_Application_Count() { return static_cast<int>(rows.size()); }

const NAD_Application_Entry* NAD_Get_Application_Entry(int index) {
    return index >= 0 && index < static_cast<int>(rows.size()) ? &rows[index] : nullptr;
}
