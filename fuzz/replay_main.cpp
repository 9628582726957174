// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a fuzz target over the files of its corpus, so that every input a fuzzer once found stays a
// regression test in the ordinary build: replay FILE_OR_FOLDER...
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char* argv[]) {
    int inputs = 0;
    for (int arg = 1; arg < argc; ++arg) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[arg])) {
            for (const auto& entry : std::filesystem::directory_iterator(argv[arg]))
                files.push_back(entry.path());
        } else {
            files.emplace_back(argv[arg]);
        }
        for (const auto& file : files) {
            std::ifstream in(file, std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    return inputs > 0 ? 0 : 1;
}
