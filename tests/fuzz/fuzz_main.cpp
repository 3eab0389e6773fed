// A plain driver for the fuzz targets (tests/fuzz/*_fuzz.cpp), so they run
// without libFuzzer:
//
//   archive_fuzz FILE...   runs the target once on each file
//   archive_fuzz           mutates the target's seeds at random for
//                          ZW_FUZZ_SECONDS seconds (default 5) or ZW_FUZZ_RUNS
//                          runs, with generator seed ZW_FUZZ_SEED (default: the
//                          clock; printed so that a run can be repeated)
//
// A target may give seed inputs by defining
//   extern "C" int ZwFuzzSeed(int index, const uint8_t** data, size_t* size);
// which fills the index'th seed and returns 1, or returns 0 past the last.
// When a run crashes under the sanitizers (or aborts), the input is saved as
// fuzz-crash.bin in the working folder.
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size);
extern "C" __attribute__((weak)) void __sanitizer_set_death_callback(void (*callback)(void));

namespace {

const std::vector<std::uint8_t>* g_current = nullptr;

void SaveCurrentInput() {
    if (!g_current) return;
    if (std::FILE* f = std::fopen("fuzz-crash.bin", "wb")) {
        std::fwrite(g_current->data(), 1, g_current->size(), f);
        std::fclose(f);
        std::fprintf(stderr, "fuzz: input saved as fuzz-crash.bin (%zu bytes)\n", g_current->size());
    }
}

extern "C" void OnAbort(int) {
    SaveCurrentInput();
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

std::vector<std::vector<std::uint8_t>> Seeds() {
    std::vector<std::vector<std::uint8_t>> seeds;
    if (ZwFuzzSeed) {
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
        for (int i = 0; ZwFuzzSeed(i, &data, &size); ++i) seeds.emplace_back(data, data + size);
    }
    if (seeds.empty()) seeds.emplace_back(64, 0);
    return seeds;
}

// One random edit of the kinds that break length-prefixed formats: bit
// flips, boundary values, inserted and deleted bytes, copied ranges, cuts.
void Mutate(std::vector<std::uint8_t>& input, const std::vector<std::vector<std::uint8_t>>& seeds,
            std::mt19937_64& random) {
    auto pick = [&](std::size_t bound) { return bound ? static_cast<std::size_t>(random() % bound) : 0; };
    static const std::uint8_t kInteresting[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    switch (pick(8)) {
    case 0:
        if (!input.empty()) input[pick(input.size())] ^= static_cast<std::uint8_t>(1u << pick(8));
        break;
    case 1:
        if (!input.empty()) input[pick(input.size())] = kInteresting[pick(sizeof kInteresting)];
        break;
    case 2:
        if (!input.empty()) input[pick(input.size())] = static_cast<std::uint8_t>(random());
        break;
    case 3:
        input.insert(input.begin() + static_cast<std::ptrdiff_t>(pick(input.size() + 1)),
                     static_cast<std::uint8_t>(random()));
        break;
    case 4:
        if (!input.empty()) {
            std::size_t at = pick(input.size());
            std::size_t n = 1 + pick(std::min<std::size_t>(16, input.size() - at));
            input.erase(input.begin() + static_cast<std::ptrdiff_t>(at),
                        input.begin() + static_cast<std::ptrdiff_t>(at + n));
        }
        break;
    case 5:
        if (!input.empty() && input.size() < 1 << 16) {
            std::size_t from = pick(input.size());
            std::size_t n = 1 + pick(std::min<std::size_t>(64, input.size() - from));
            std::vector<std::uint8_t> piece(input.begin() + static_cast<std::ptrdiff_t>(from),
                                            input.begin() + static_cast<std::ptrdiff_t>(from + n));
            input.insert(input.begin() + static_cast<std::ptrdiff_t>(pick(input.size() + 1)), piece.begin(),
                         piece.end());
        }
        break;
    case 6:
        input.resize(pick(input.size() + 1));
        break;
    default: {
        // Splice: the head of this input with the tail of a seed.
        const auto& other = seeds[pick(seeds.size())];
        std::size_t keep = pick(input.size() + 1);
        std::size_t from = pick(other.size() + 1);
        input.resize(keep);
        input.insert(input.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
    }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(SaveCurrentInput);
    std::signal(SIGABRT, OnAbort);

    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "fuzz: cannot read %s\n", argv[i]);
                return 2;
            }
            std::vector<std::uint8_t> input((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
            g_current = &input;
            LLVMFuzzerTestOneInput(input.data(), input.size());
            g_current = nullptr;
        }
        std::printf("fuzz: %d inputs ran\n", argc - 1);
        return 0;
    }

    const auto seeds = Seeds();
    const std::uint64_t generatorSeed =
        EnvNumber("ZW_FUZZ_SEED", static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    const std::uint64_t seconds = EnvNumber("ZW_FUZZ_SECONDS", 5);
    const std::uint64_t maxRuns = EnvNumber("ZW_FUZZ_RUNS", 0);
    std::printf("fuzz: ZW_FUZZ_SEED=%llu, %zu seeds\n", static_cast<unsigned long long>(generatorSeed), seeds.size());
    std::fflush(stdout);

    std::mt19937_64 random(generatorSeed);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    std::uint64_t runs = 0;
    for (const auto& seed : seeds) {
        g_current = &seed;
        LLVMFuzzerTestOneInput(seed.data(), seed.size());
        ++runs;
    }
    std::vector<std::uint8_t> input;
    while (maxRuns ? runs < maxRuns : std::chrono::steady_clock::now() < end) {
        input = seeds[random() % seeds.size()];
        int edits = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < edits; ++i) Mutate(input, seeds, random);
        g_current = &input;
        LLVMFuzzerTestOneInput(input.data(), input.size());
        ++runs;
    }
    g_current = nullptr;
    std::printf("fuzz: %llu runs without a fault\n", static_cast<unsigned long long>(runs));
    return 0;
}
