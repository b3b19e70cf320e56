#include "report/embedded_pictures.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

#include "common/base_path.h"
#include "common/key_lines.h"
#include "common/stream_print.h"
#include "platform/host/host_library.h"
#include "report/paragraph_writer.h"

namespace {

constexpr char Open_Name = static_cast<char>(174);    // «
constexpr char Close_Name = static_cast<char>(175);   // »
constexpr int Bytes_Per_Line = 64;
constexpr std::uint32_t Option_Integer = 0x0030;
constexpr std::uint32_t Option_First_Values = 0x0001;
constexpr std::uint32_t Option_Last_Values = 0x000E;
const char* const Info_Keyword = "OLI_GRAPHIC_Picture_Info";
const char* const Picture_Tool = "ncvtinfo.exe";

struct File_Closer {
    void operator()(FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<FILE, File_Closer>;

// A name between « and » on a line of its own cannot hold these.
bool Fits_Between_Guillemets(std::string_view text) { return text.find_first_of("\xAE\xAF\r\n") == std::string_view::npos; }

std::string Extension(const char* path) {
    const std::string_view p = path;
    const std::size_t slash = p.find_last_of("/\\");
    const std::string_view file = slash == std::string_view::npos ? p : p.substr(slash + 1);
    const std::size_t dot = file.rfind('.');
    return dot == std::string_view::npos ? std::string() : std::string(file.substr(dot));
}

int Write_Dump(FILE* stream, const char* path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return -1;
    const File f(std::fopen(path, "rb"));
    if (!f) return -1;
    if (OLI_Write_Markup(stream, "{") != 0) return -1;
    static constexpr char Hex[] = "0123456789abcdef";
    std::string line;
    int n = 0;
    for (int c; (c = std::fgetc(f.get())) != EOF;) {
        line += Hex[c >> 4];
        line += Hex[c & 0xF];
        if (++n % Bytes_Per_Line != 0) continue;
        line += '\n';
        if (OLI_Write_Markup(stream, "%s", line.c_str()) != 0) return -1;
        line.clear();
    }
    const bool read_error = std::ferror(f.get()) != 0;
    if (OLI_Write_Markup(stream, "%s}\n", line.c_str()) != 0) return -1;
    return read_error ? -1 : 0;
}

// One blank-separated word of at most 63 characters.
bool Read_Word(FILE* file, char (&word)[64]) { return std::fscanf(file, " %63s", word) == 1; }

bool Read_Int(FILE* file, std::int32_t& value) {
    char word[64];
    if (!Read_Word(file, word)) return false;
    char* end = nullptr;
    errno = 0;
    const long v = std::strtol(word, &end, 10);
    if (*end != '\0' || errno != 0 || v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

bool Read_Double(FILE* file, double& value) {
    char word[64];
    if (!Read_Word(file, word)) return false;
    char* end = nullptr;
    const double v = std::strtod(word, &end);
    if (*end != '\0') return false;
    value = v;
    return true;
}

// The name: white space, then « (anything else fails), at most 19 characters up to ».
bool Read_Name(FILE* file, char (&name)[20]) {
    int c;
    while ((c = std::fgetc(file)) != EOF && std::isspace(c)) {
    }
    if (c != static_cast<unsigned char>(Open_Name)) return false;
    std::ungetc(c, file);
    return Read_Delimited_String(file, name, sizeof name, Open_Name, Close_Name) >= 0;
}

}  // namespace

int OLI_Write_Picture(FILE* stream, double first, double second, const char* path, const Picture_Options* options) {
    if (!stream || !path || !Fits_Between_Guillemets(path)) return -1;
    const Picture_Options& o = options ? *options : Default_Picture_Options;
    std::string line = Format_Text("75 %d %.6g %.6g", static_cast<int>(o.flags), first, second);
    if (o.flags & Option_Integer) line += Format_Text(" %d", o.integer);
    if (o.flags & Option_First_Values) line += Format_Text(" %.6g %.6g", o.values[0], o.values[1]);
    if (o.flags & Option_Last_Values) line += Format_Text(" %.6g %.6g", o.values[2], o.values[3]);
    const bool embedded = (o.flags & Picture_Embedded) != 0;
    const std::string name = embedded ? Extension(path) : path;
    if (OLI_Write_Markup(stream, "%s ", line.c_str()) != 0) return -1;
    if (Write_Delimited_String(stream, name.c_str(), Open_Name, Close_Name) != 0) return -1;
    if (OLI_Write_Markup(stream, "\n") != 0) return -1;
    return embedded ? Write_Dump(stream, path) : 0;
}

int OLI_Write_Picture_Info(FILE* stream, const OLI_GRAPHIC_Picture_Info* info) {
    const OLI_GRAPHIC_Picture_Info& i = info ? *info : Default_Picture_Info;
    const std::string name(i.name, strnlen(i.name, sizeof i.name - 1));
    if (!stream || !Fits_Between_Guillemets(name)) return 0;
    const bool ok = Print_To_Stream(stream, "%s\n", Info_Keyword) > 0 &&
                    Write_Delimited_String(stream, name.c_str(), Open_Name, Close_Name) == 0 &&
                    Print_To_Stream(stream, "\n%d %d\n%d\n%.4f %.4f\n", i.integers[0], i.integers[1], i.integers[2],
                                    i.values[0], i.values[1]) > 0;
    return ok ? 1 : 0;
}

int OLI_Read_Picture_Info(FILE* file, OLI_GRAPHIC_Picture_Info* info) {
    if (!info) return 0;
    *info = Default_Picture_Info;
    char word[64];
    if (!file || !Read_Word(file, word) || std::strcmp(word, Info_Keyword) != 0) return 0;
    if (!Read_Name(file, info->name)) return 0;
    for (std::int32_t& v : info->integers)
        if (!Read_Int(file, v)) return 0;
    for (double& v : info->values)
        if (!Read_Double(file, v)) return 0;
    return 1;
}

int OLI_Query_Picture_Info(const char* path, OLI_GRAPHIC_Picture_Info* info) {
    if (info) *info = Default_Picture_Info;
    if (!path || !info) return 0;
    char temp[Base_Path_Limit + 1];
    if (!Make_Temp_File_Name(temp)) return 0;
    struct Remove_On_Return {
        const char* path;
        ~Remove_On_Return() { VEKRemoveFile(path); }
    } remove{temp};

    const char* exec = VEKGetEnv("EXEC");
    if (!exec || !*exec) return 0;
    const std::string tool = std::string(exec) + "/" + Picture_Tool;
    const char* const argv[] = {tool.c_str(), path, temp, nullptr};
    if (VEKSpawnv(0, tool.c_str(), argv) != 0) return 0;
    const File result(std::fopen(temp, "r"));
    return result && OLI_Read_Picture_Info(result.get(), info) ? 1 : 0;
}
