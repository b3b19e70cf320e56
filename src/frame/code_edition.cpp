#include "frame/code_edition.h"

#include <cctype>
#include <cstring>

#include "annex/norm_titles.h"
#include "common/cp437.h"
#include "frame/startup.h"
#include "platform/host/host_library.h"

int Current_Code_Edition = Code_Edition_2010;

void Set_Code_Edition(int edition) {
    Current_Code_Edition = edition;
    NAD_Set_Code_Edition(edition);
}

int Check_File_Version(int file_version, int program_version, int import_flag) {
    if (file_version <= program_version || file_version > 9998) return 1;
    if (!Refresh_Mode) {
        PrintMessage("%s", import_flag
                         ? "!! ACHTUNG !!\nDie Importdatei ist aktueller als die Programmversion\n"
                           "Bitte fordern Sie eine neue Programmversion an."_cp
                         : "!! ACHTUNG !!\nDie Eingabedatei ist aktueller als die Programmversion\n"
                           "Bitte aktualisieren Sie das Programm."_cp);
    }
    return 0;
}

int Encode_Blanks(char* text) {
    for (char* p = text; p && *p; ++p)
        if (*p == ' ') *p = '~';
    return 1;
}

int Decode_Blanks(char* text) {
    if (!text || !*text) return 0;
    bool only_tildes = true;
    for (char* p = text; *p; ++p) {
        if (*p == '~')
            *p = ' ';
        else
            only_tildes = false;
    }
    return only_tildes ? 0 : 1;
}

int Trim_Blanks(char* text) {
    if (!text || !*text) return 0;
    std::size_t n = std::strlen(text);
    while (n > 0 && text[n - 1] == ' ') text[--n] = '\0';
    std::size_t lead = 0;
    while (text[lead] == ' ') ++lead;
    if (lead > 0) std::memmove(text, text + lead, n - lead + 1);
    return 1;
}

int Remove_All_Blanks(char* text) {
    if (!text) return 0;
    Trim_Blanks(text);
    if (!*text) return 0;
    char* out = text;
    for (const char* p = text; *p; ++p)
        if (*p != ' ') *out++ = *p;
    *out = '\0';
    return 1;
}

void Pad_With_Blanks(char* text, std::size_t size) {
    if (!text || size == 0) return;
    const std::size_t n = strnlen(text, size - 1);
    std::memset(text + n, ' ', size - 1 - n);
    text[size - 1] = '\0';
}

void Upcase_Text(char* text) {
    for (char* p = text; p && *p; ++p) *p = static_cast<char>(std::toupper(static_cast<unsigned char>(*p)));
}

void Copy_Text_Limited(char* target, const char* source, std::size_t size) {
    if (!target || !source || !*target || !*source || size <= 1) return;
    const std::size_t n = strnlen(source, size - 1);
    std::memcpy(target, source, n);
    target[n] = '\0';
}
