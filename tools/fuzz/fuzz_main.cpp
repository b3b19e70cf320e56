// Entry of one libFuzzer executable: hands every input to the reader target named at build time
// (FUZZ_TARGET_NAME, one of the table in tests/fuzz/fuzz_targets.cpp).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const Fuzz_Target* target = [] {
        const Fuzz_Target* t = Find_Fuzz_Target(FUZZ_TARGET_NAME);
        if (!t) {
            std::fprintf(stderr, "unknown fuzz target %s\n", FUZZ_TARGET_NAME);
            std::abort();
        }
        return t;
    }();
    target->run(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
