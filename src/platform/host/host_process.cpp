// The host process calls of the stand-in: user settings, the private data folder and the clipboard.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "common/cp437.h"
#include "platform/host/host_input.h"
#include "platform/host/host_library.h"

namespace {

// Copies at most size - 1 bytes and the terminator; the bytes copied.
int Copy_Bounded(const std::string& text, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

// The temporary private folder of the process; removed at the end when it is empty.
std::string private_folder;

void Remove_Private_Folder() {
    std::error_code ec;
    if (!private_folder.empty() && std::filesystem::is_empty(private_folder, ec)) std::filesystem::remove(private_folder, ec);
}

}  // namespace

int VEKGetUserString(const char* name, char* buffer, int size) {
    Copy_Bounded("", buffer, size);
    if (!name || !*name) return 0;
    const char* value = std::getenv((std::string("VEK_USER_") + name).c_str());
    if (!value) return 0;
    Copy_Bounded(To_Cp437(value), buffer, size);
    return 1;
}

const char* CurOb_Privat_Datapath() {
    const char* dram = std::getenv("DRAM");
    if (dram && *dram) return dram;
    if (private_folder.empty()) {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "vek-privat-XXXXXX").string();
        if (ec) pattern = "/tmp/vek-privat-XXXXXX";
        if (mkdtemp(pattern.data())) {
            private_folder = pattern;
            std::atexit(Remove_Private_Folder);
        }
    }
    return private_folder.empty() ? "." : private_folder.c_str();
}

int VEKSetClipboardText(const char* text) {
    Host_Set_Clipboard(text ? text : "");
    return 1;
}

int VEKGetClipboardText(char* buffer, int size) { return Copy_Bounded(Host_Clipboard(), buffer, size); }
