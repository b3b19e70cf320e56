#include "common/data_files.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <cstring>
#include <vector>

#include "common/counted_alloc.h"
#include "common/cp437.h"
#include "common/stream_print.h"
#include "common/notice_output.h"
#include "common/round_half_away.h"
#include "material/rounding.h"

namespace {

FILE* input = nullptr;
FILE* output = nullptr;
// Slot 0 the data version, above it the versions of the structures being read; the top is current.
std::vector<double> versions(1, 0.0);

constexpr int Section_Sign = 0x15;
constexpr int Pilcrow_Sign = 0x14;
constexpr char Blank_Stand_In = static_cast<char>(140);
constexpr const char* Empty_Text_Token = "!§$%&/()=?"_cp;
constexpr const char* Newer_Version_Notice = "Alte Programmversion -> kann Daten nicht lesen!";

// Outcome of reading one item.
enum Field_Read { Read_Whole = 0, Read_Failed = 1, Read_Cut = 2 };

bool Known_Type(char type) {
    return type == 'c' || type == 'd' || type == 'i' || type == 's' || type == 't';
}

bool Is_Text_Type(char type) { return type == 'c' || type == 's' || type == 't'; }

// Skips comments ('#' to the end of the line) and separators up to the next item, whose first byte
// stays unread. The section and pilcrow signs lie below '!' but may open a token.
void Skip_To_Item(FILE* f) {
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (c == '#') {
            while ((c = std::fgetc(f)) != EOF && c != '\n') {}
            continue;
        }
        if (c >= '!' || c == Section_Sign || c == Pilcrow_Sign) {
            std::ungetc(c, f);
            return;
        }
    }
}

// The bytes up to the next white space, as "%s" takes them, into the destination: cut and
// terminated when it is too short, the rest of the token consumed.
Field_Read Read_Token(FILE* f, std::span<char> destination) {
    std::size_t n = 0;
    bool any = false, cut = destination.empty();
    int c;
    while ((c = std::fgetc(f)) != EOF) {
        if (std::isspace(c)) {
            std::ungetc(c, f);
            break;
        }
        any = true;
        if (n + 1 < destination.size()) destination[n++] = static_cast<char>(c);
        else cut = true;
    }
    if (!destination.empty()) destination[n] = '\0';
    if (!any) return Read_Failed;
    return cut ? Read_Cut : Read_Whole;
}

template <typename T>
Field_Read Store_Value(std::span<char> destination, T value) {
    if (destination.size() < sizeof value) return Read_Failed;
    std::memcpy(destination.data(), &value, sizeof value);
    return Read_Whole;
}

// Copies the text into the destination, cut and terminated when it is too long.
Field_Read Store_Text(std::span<char> destination, const char* text) {
    if (destination.empty()) return Read_Failed;
    const std::size_t length = text ? std::strlen(text) : 0;
    const std::size_t n = std::min(length, destination.size() - 1);
    if (n) std::memcpy(destination.data(), text, n);
    destination[n] = '\0';
    return n < length ? Read_Cut : Read_Whole;
}

// A field that the file does not hold: an empty text, the default, or the default rounded.
Field_Read Store_Default(std::span<char> destination, char type, double default_value) {
    if (Is_Text_Type(type)) return Store_Text(destination, "");
    if (type == 'd') return Store_Value(destination, default_value);
    return Store_Value(destination, Round_Half_Away(default_value));
}

// Reads one field of the type at the stream's position.
Field_Read Read_Field_Now(std::span<char> destination, char type) {
    if (!input) return Read_Failed;
    Skip_To_Item(input);
    switch (type) {
    case 'c': {
        const int c = std::fgetc(input);
        if (c == EOF || destination.empty()) return Read_Failed;
        destination[0] = static_cast<char>(c);
        if (destination.size() > 1) destination[1] = '\0';
        return Read_Whole;
    }
    case 'd': {
        double value;
        if (std::fscanf(input, "%lf", &value) != 1) return Read_Failed;
        return Store_Value(destination, value);
    }
    case 'i': {
        int value;
        if (std::fscanf(input, "%d", &value) != 1) return Read_Failed;
        return Store_Value(destination, value);
    }
    case 's':
        return Read_Token(input, destination);
    default: {   // 't'
        const Field_Read r = Read_Token(input, destination);
        if (r == Read_Failed || destination.empty()) return r;
        if (std::strcmp(destination.data(), Empty_Text_Token) == 0) destination[0] = '\0';
        else Decode_Text_Token(destination);
        return r;
    }
    }
}

Field_Read Read_Field(std::span<char> destination, char type, double since, double default_value) {
    if (!Known_Type(type)) return Read_Failed;
    if (since > Get_Current_Version()) return Store_Default(destination, type, default_value);
    return Read_Field_Now(destination, type);
}

// Whether a field introduced in the since version is in the file, at two decimals.
bool In_File_At_Two_Decimals(double since) { return Round_To_Decimals(Get_Current_Version() - since, 2) >= 0.0; }

int Skip_Field(char type, double since) {
    char scratch[Text_Token_Limit + 2];
    return Read_Field(scratch, type, since, 0.0) == Read_Failed ? 1 : 0;
}

int Read_Version(double& slot, double program_version) {
    if (!input) return 1;
    Skip_To_Item(input);
    double value;
    if (std::fscanf(input, "%lf", &value) != 1) return 1;
    slot = value;
    if (value > program_version) {
        Print_Notice_In_Mode(0, "%s", Newer_Version_Notice);
        return 2;
    }
    return 0;
}

int Write(const char* format, auto... args) {
    if (!output) return 1;
    return Print_To_Stream(output, format, args...) < 0 ? 1 : 0;
}

bool Holds_Byte_Below_Bang(const char* text, bool blank_allowed) {
    for (const char* p = text; *p; ++p) {
        const auto c = static_cast<unsigned char>(*p);
        if (c < '!' && !(blank_allowed && c == ' ')) return true;
    }
    return false;
}

int Write_Text_Token(const char* text) {
    const std::size_t length = std::strlen(text);
    if (length > Text_Token_Limit || text[0] == '#' || Holds_Byte_Below_Bang(text, true)) return 1;
    if (length == 0) return Write(" %s ", Empty_Text_Token);
    char token[Text_Token_Limit + 1];
    std::memcpy(token, text, length + 1);
    Encode_Text_Token(token);
    return Write(" %s ", token);
}

}  // namespace

int Begin_Data_Read(FILE* stream, double program_version) {
    input = stream;
    versions.assign(1, 0.0);
    const int r = Read_Version(versions[0], program_version);
    if (r == 0 && versions[0] == -1.0) return -1;
    return r;
}

int Read_Structure_Version(double program_structure_version) {
    versions.push_back(0.0);
    return Read_Version(versions.back(), program_structure_version);
}

void Push_Structure_Version(double version) { versions.push_back(version); }

void End_Structure_Version() {
    if (versions.size() > 1) versions.pop_back();
}

double Get_Current_Version() { return versions.back(); }

void Set_Current_Version(double value) { versions.back() = value; }

int Read_Data_Field(std::span<char> destination, char type, double since, double default_value) {
    return Read_Field(destination, type, since, default_value) == Read_Whole ? 0 : 1;
}

int Skip_Data_Field(char type, double since) { return Skip_Field(type, since); }

int Skip_Current_Data_Field(char type) { return Skip_Field(type, Get_Current_Version()); }

int Read_Text_Field_Since(std::span<char> destination, double since, const char* default_text) {
    const Field_Read r = In_File_At_Two_Decimals(since) ? Read_Field_Now(destination, 't')
                                                        : Store_Text(destination, default_text);
    return r == Read_Whole ? 0 : 1;
}

int Read_Int_Value() {
    int value = 1;
    return Read_Field_Now(Field_Bytes(value), 'i') == Read_Whole ? value : 1;
}

int Read_Int_Field_Since(double since, double default_value) {
    if (since > Get_Current_Version()) return Round_Half_Away(default_value);
    return Read_Int_Value();
}

int Read_Data_Block(char** text, double since, const char* default_text) {
    if (!text) return 1;
    Free_And_Null(text);
    if (!In_File_At_Two_Decimals(since)) {
        if (!default_text) return 0;
        const std::size_t n = strnlen(default_text, Data_Block_Limit);
        *text = static_cast<char*>(Realloc_Or_Exit(nullptr, n + 1, 1));
        std::memcpy(*text, default_text, n);
        return 0;
    }
    int length;
    if (Read_Field_Now(Field_Bytes(length), 'i') != Read_Whole) return 1;
    if (length < 0 || length > Data_Block_Limit) return 1;
    if (length == 0) return 0;
    if (std::fgetc(input) == EOF) return 1;   // the one separator after the length
    char* block = static_cast<char*>(Realloc_Or_Exit(nullptr, static_cast<std::size_t>(length) + 1, 1));
    if (std::fread(block, 1, static_cast<std::size_t>(length), input) != static_cast<std::size_t>(length)) {
        Free_And_Null(&block);
        return 1;
    }
    *text = block;
    return 0;
}

int Decode_Text_Token(std::span<char> text) {
    const std::size_t length = strnlen(text.data(), text.size());
    for (std::size_t k = 0; k < length; ++k)
        if (text[k] == Blank_Stand_In) text[k] = ' ';
    if (length == 1 && text[0] == ' ') {
        text[0] = '\0';
        return 0;
    }
    return static_cast<int>(length);
}

long Tell_Data_Input() { return input ? std::ftell(input) : -1L; }

int Seek_Data_Input(long offset) { return input && std::fseek(input, offset, SEEK_SET) == 0 ? 0 : 1; }

FILE* Get_Data_Input_Stream() { return input; }

FILE* Get_Data_Output_Stream() { return output; }

int Begin_Data_Write(FILE* stream, double data_version) {
    output = stream;
    return Write(" %lf  # Datenversionsnummer\n", data_version);
}

int Write_Structure_Version(double version) { return Write(" %lf # Strukturversionsnummer\n", version); }

int Write_Data_Comment(const char* text) {
    if (!text || std::strchr(text, '\n')) return 1;
    return Write("# %s\n", text);
}

int Write_Data_Field(const void* value, char type) {
    if (!value) return 1;
    switch (type) {
    case 'c': {
        const char c = *static_cast<const char*>(value);
        if (static_cast<unsigned char>(c) < '!' || c == '#') return 1;
        return Write(" %c ", c);
    }
    case 'd':
        return Write(" %e ", *static_cast<const double*>(value));
    case 'i':
        return Write(" %d ", *static_cast<const int*>(value));
    case 's': {
        const char* text = static_cast<const char*>(value);
        if (!*text || *text == '#' || Holds_Byte_Below_Bang(text, false)) return 1;
        return Write(" %s ", text);
    }
    case 't':
        return Write_Text_Token(static_cast<const char*>(value));
    default:
        return 1;
    }
}

int Write_Placeholder_Field(char type) {
    switch (type) {
    case 'c': return Write(" %c ", '*');
    case 'd': return Write(" %e ", -1.0);
    case 'i': return Write(" %d ", 0);
    case 's':
    case 't': return Write(" %s ", "***");
    default: return 1;
    }
}

int Write_Data_Line_End() { return Write("%s", "\n"); }

int Write_Data_Block(const char* text) {
    const std::size_t length = text ? std::strlen(text) : 0;
    if (length > static_cast<std::size_t>(Data_Block_Limit)) return 1;
    if (Write(" %d ", static_cast<int>(length))) return 1;
    if (length && std::fwrite(text, 1, length, output) != length) return 1;
    return Write("%s", "\n");
}

int Encode_Text_Token(std::span<char> text) {
    std::size_t length = strnlen(text.data(), text.size());
    if (length == 0) {   // an empty text becomes a single blank, which the loop encodes as well
        if (text.size() < 2) return 0;
        text[0] = ' ';
        text[1] = '\0';
        length = 1;
    }
    for (std::size_t k = 0; k < length; ++k)
        if (text[k] == ' ') text[k] = Blank_Stand_In;
    return static_cast<int>(length);
}
