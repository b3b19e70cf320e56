#include "test_support.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

Scratch_Dir::Scratch_Dir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "basis_test_XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
}

Scratch_Dir::~Scratch_Dir() {
    std::error_code ec;
    std::filesystem::remove_all(path, ec);
}

std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void Write_File(const std::string& path, const std::string& bytes) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    std::error_code ec;
    if (!parent.empty()) std::filesystem::create_directories(parent, ec);
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

bool File_Exists(const std::string& path) { return std::filesystem::exists(path); }

Text_Stream::Text_Stream(const std::string& bytes, const char* mode) {
    Write_File(dir.file("stream.txt"), bytes);
    stream = std::fopen(dir.file("stream.txt").c_str(), mode);
}

Text_Stream::~Text_Stream() {
    if (stream) std::fclose(stream);
}

std::string Capture_Output(const std::function<void(std::FILE*)>& write) {
    std::FILE* f = std::tmpfile();
    if (!f) std::abort();
    write(f);
    std::fflush(f);
    std::rewind(f);
    std::string bytes;
    for (int c; (c = std::fgetc(f)) != EOF;) bytes += static_cast<char>(c);
    std::fclose(f);
    return bytes;
}

namespace {

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

}  // namespace

Program_Run Run_Executable(const std::string& folder, const std::vector<std::string>& args,
                           const std::vector<std::string>& environment) {
    return Run_Program_File(BASIS_EXECUTABLE, folder, args, environment);
}

Program_Run Run_Program_File(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                             const std::vector<std::string>& environment) {
    Scratch_Dir capture;
    std::string command = "cd " + Quote(folder) + " && env";
    // env takes its removals before its settings.
    for (const std::string& e : environment)
        if (e.find('=') == std::string::npos) command += " -u " + Quote(e);
    for (const std::string& e : environment)
        if (e.find('=') != std::string::npos) command += " " + Quote(e);
    command += " " + Quote(program);
    for (const std::string& a : args) command += " " + Quote(a);
    command += " >" + Quote(capture.file("out")) + " 2>" + Quote(capture.file("err")) + " </dev/null";
    const int status = std::system(command.c_str());
    Program_Run run;
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = Read_File(capture.file("out"));
    run.err = Read_File(capture.file("err"));
    return run;
}
