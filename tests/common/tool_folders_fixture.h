// A scratch host with EXEC and TEMP folders of its own, and tool scripts in EXEC.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "test_support.h"

struct Tool_Folders {
    Scratch_Dir dir;
    std::string exec = dir.file("EXEC"), temp = dir.file("TEMP");
    Tool_Folders() {
        std::filesystem::create_directories(exec);
        std::filesystem::create_directories(temp);
        setenv("EXEC", exec.c_str(), 1);
        setenv("TEMP", temp.c_str(), 1);
    }
    // An executable shell script named tool in EXEC.
    void Tool(const std::string& tool, const std::string& body) const {
        const std::string path = exec + "/" + tool;
        Write_File(path, "#!/bin/sh\n" + body);
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    }
};
