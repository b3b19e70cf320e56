// Replays every stored fuzz input through its reader: the seed files under tests/fuzz/corpus/<target>
// and every finding of the fuzzer under tests/fuzz/regressions/<target>. A reader passes when it comes
// back: the sanitizers of the build (with leak detection) turn an overrun, undefined behaviour or a
// leak into a failure. The scratch host's shipped files must come out of every run unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace fs = std::filesystem;

namespace {

const fs::path Fuzz_Inputs = fs::path(BASIS_SOURCE_DIR) / "tests/fuzz";

std::string Bytes_Of(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

std::vector<fs::path> Inputs_Of(const std::string& kind, const std::string& target) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Fuzz_Inputs / kind / target, ec))
        if (entry.is_regular_file()) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Path and contents of every file below a folder.
std::map<std::string, std::string> Snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::recursive_directory_iterator(folder, ec))
        if (entry.is_regular_file()) files[entry.path().string()] = Bytes_Of(entry.path());
    return files;
}

class Fuzz_Replay : public testing::TestWithParam<const char*> {};

TEST_P(Fuzz_Replay, EveryStoredInputEndsCleanly) {
    const Fuzz_Target* target = Find_Fuzz_Target(GetParam());
    ASSERT_NE(target, nullptr);
    const fs::path data_nad = fs::path(Fuzz_Host_Root()) / "DATA/NAD";
    const auto shipped = Snapshot(data_nad);
    std::size_t replayed = 0;
    for (const char* kind : {"corpus", "regressions"})
        for (const fs::path& input : Inputs_Of(kind, target->name)) {
            SCOPED_TRACE(input.string());
            target->run(Bytes_Of(input));
            ++replayed;
            // A reader never writes the shipped data (the harness alone restores what it replaced).
            for (const auto& [path, bytes] : shipped)
                ASSERT_EQ(Bytes_Of(path), bytes) << path;
        }
    // Every target keeps at least one seed, so a renamed folder cannot silently replay nothing.
    EXPECT_GT(replayed, 0u);
}

std::vector<const char*> Target_Names() {
    std::vector<const char*> names;
    for (const Fuzz_Target& t : Fuzz_Targets()) names.push_back(t.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Readers, Fuzz_Replay, testing::ValuesIn(Target_Names()),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// Every folder of stored inputs belongs to a target, so no input lies where nothing replays it.
TEST(Fuzz_Inputs, EveryFolderNamesATarget) {
    for (const char* kind : {"corpus", "regressions"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(Fuzz_Inputs / kind, ec))
            if (entry.is_directory())
                EXPECT_NE(Find_Fuzz_Target(entry.path().filename().string()), nullptr) << entry.path();
    }
}

}  // namespace
