// A fresh folder under /tmp for one test, removed with everything in it when the test ends, and
// byte-exact writing and reading of files inside it.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

struct Temp_Folder {
    std::string path;

    explicit Temp_Folder(const std::string& prefix) {
        std::string pattern = "/tmp/" + prefix + "_XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("no temporary folder");
        path = pattern;
    }
    ~Temp_Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    Temp_Folder(const Temp_Folder&) = delete;
    Temp_Folder& operator=(const Temp_Folder&) = delete;

    std::string operator/(const std::string& relative) const { return path + "/" + relative; }

    // Writes the file, creating the folders above it.
    void Write(const std::string& relative, const std::string& text) const {
        const std::filesystem::path file = *this / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }

    std::string Read(const std::string& relative) const {
        std::ifstream in(*this / relative, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
};
