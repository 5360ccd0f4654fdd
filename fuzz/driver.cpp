// Runs a fuzz target without libFuzzer: every file of its corpus, then a
// bounded number of deterministic mutations of them (bit flips, truncations,
// duplicated and inserted bytes, overwritten counts). A crash, a sanitizer
// report or a hang past ctest's time-out fails the test.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
uint64_t g_s = 12345;
uint64_t Rnd() {
    g_s ^= g_s << 13;
    g_s ^= g_s >> 7;
    g_s ^= g_s << 17;
    return g_s;
}

std::vector<uint8_t> Mutate(std::vector<uint8_t> d) {
    int steps = 1 + int(Rnd() % 4);
    for (int i = 0; i < steps; ++i) {
        switch (Rnd() % 6) {
        case 0: if (!d.empty()) d[Rnd() % d.size()] ^= uint8_t(1u << (Rnd() % 8)); break;
        case 1: if (!d.empty()) d.resize(Rnd() % d.size()); break;
        case 2: if (!d.empty()) d[Rnd() % d.size()] = uint8_t(Rnd()); break;
        case 3: d.insert(d.begin() + long(d.empty() ? 0 : Rnd() % d.size()), uint8_t(Rnd())); break;
        case 4: if (d.size() >= 4) { // a large count or length
                    size_t p = Rnd() % (d.size() - 3);
                    uint32_t v = (Rnd() & 1) ? 0xFFFFFFFFu : uint32_t(Rnd());
                    std::memcpy(&d[p], &v, 4);
                } break;
        case 5: if (d.size() > 2) { size_t a = Rnd() % d.size(), n = Rnd() % (d.size() - a);
                    d.insert(d.end(), d.begin() + long(a), d.begin() + long(a + n)); } break;
        }
    }
    return d;
}
} // namespace

int main(int argc, char** argv) {
    std::string dir;
    long runs = 1000;
    double seconds = 10;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--runs" && i + 1 < argc) runs = std::atol(argv[++i]);
        else if (a == "--seconds" && i + 1 < argc) seconds = std::atof(argv[++i]);
        else dir = a;
    }
    std::vector<std::vector<uint8_t>> corpus;
    if (DIR* h = opendir(dir.c_str())) {
        std::vector<std::string> names;
        while (dirent* e = readdir(h))
            if (e->d_name[0] != '.') names.push_back(e->d_name);
        closedir(h);
        std::sort(names.begin(), names.end());
        for (auto& n : names) {
            std::ifstream in(dir + "/" + n, std::ios::binary);
            corpus.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
    }
    if (corpus.empty()) corpus.push_back({});
    for (auto& c : corpus) LLVMFuzzerTestOneInput(c.data(), c.size());
    auto start = std::chrono::steady_clock::now();
    long done = 0;
    for (; done < runs; ++done) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > seconds) break;
        auto m = Mutate(corpus[Rnd() % corpus.size()]);
        LLVMFuzzerTestOneInput(m.data(), m.size());
    }
    std::printf("%zu corpus inputs and %ld mutations ran without a fault\n", corpus.size(), done);
    return 0;
}
