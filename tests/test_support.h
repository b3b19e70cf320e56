// Small fixtures shared by the tests: scratch folders, whole-file reads and runs of the executable.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

// A fresh folder under the system's temporary folder, removed with everything in it at scope end.
struct Scratch_Dir {
    std::string path;
    Scratch_Dir();
    ~Scratch_Dir();
    Scratch_Dir(const Scratch_Dir&) = delete;
    Scratch_Dir& operator=(const Scratch_Dir&) = delete;
    std::string file(const std::string& name) const { return path + "/" + name; }
};

std::string Read_File(const std::string& path);
void Write_File(const std::string& path, const std::string& bytes);   // creates the folders above it
bool File_Exists(const std::string& path);

// A file whose contents the test writes first, opened for reading; closed at scope end.
struct Text_Stream {
    Scratch_Dir dir;
    std::FILE* stream = nullptr;
    explicit Text_Stream(const std::string& bytes, const char* mode = "rb");
    ~Text_Stream();
};

// What the function writes to a fresh stream (a temporary file), byte for byte.
std::string Capture_Output(const std::function<void(std::FILE*)>& write);

struct Program_Run {
    int exit_code = -1;
    std::string out;   // standard output
    std::string err;   // standard error
};

// Runs the built program in the folder with the arguments. Each environment entry "NAME=value"
// is set, "NAME" alone is removed; everything else comes from the test's own environment.
Program_Run Run_Executable(const std::string& folder, const std::vector<std::string>& args,
                           const std::vector<std::string>& environment);
// The same for any program, found through PATH when the name holds no '/'.
Program_Run Run_Program_File(const std::string& program, const std::string& folder, const std::vector<std::string>& args,
                             const std::vector<std::string>& environment);
