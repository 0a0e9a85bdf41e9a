// Runs a fuzz target once over every seed and every kept reproducer, so that the normal test suite
// (with its own sanitizers) proves that no input the fuzzer ever found harmful is harmful again.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size);

int main() {
    namespace fs = std::filesystem;
    int inputs = 0;
    for (const char* folder : {TESSALIN_FUZZ_CORPUS, TESSALIN_FUZZ_REGRESSIONS}) {
        const fs::path dir = fs::path(TESSALIN_FUZZ_DIR) / folder;
        if (!fs::is_directory(dir)) continue;
        for (const fs::directory_entry& file : fs::directory_iterator(dir)) {
            if (!file.is_regular_file()) continue;
            const std::vector<uint8_t> bytes = tessalin::fuzz::ReadFile(file.path().string());
            std::printf("%s\n", file.path().filename().c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++inputs;
        }
    }
    std::printf("replayed %d inputs\n", inputs);
    return inputs > 0 ? 0 : 1;
}
