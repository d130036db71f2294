// Runs a fuzz target over kept inputs without libFuzzer, so any compiler builds it and the
// test suite replays the seed corpora (under the sanitizers in their build). Arguments are
// files or folders of files; options starting with '-' (libFuzzer's) are ignored.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t n);

namespace {

bool esegui(const std::filesystem::path& file) {
    std::ifstream f(file, std::ios::binary);
    if (!f) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> dati((std::istreambuf_iterator<char>(f)),
                                 std::istreambuf_iterator<char>());
    std::fprintf(stderr, "running %s (%zu bytes)\n", file.c_str(), dati.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(dati.data()), dati.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    int eseguiti = 0;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        const fs::path p(argv[i]);
        std::vector<fs::path> file;
        if (fs::is_directory(p)) {
            for (const auto& e : fs::directory_iterator(p))
                if (e.is_regular_file())
                    file.push_back(e.path());
            std::sort(file.begin(), file.end());
        } else {
            file.push_back(p);
        }
        for (const auto& f : file) {
            if (!esegui(f))
                return 1;
            ++eseguiti;
        }
    }
    // An empty or missing corpus would pass silently.
    if (eseguiti == 0) {
        std::fprintf(stderr, "no input to run\n");
        return 1;
    }
    std::fprintf(stderr, "%d inputs ran\n", eseguiti);
    return 0;
}
