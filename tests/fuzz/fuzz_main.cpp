// A plain driver for the fuzz targets (tests/fuzz/*_fuzz.cpp), so they run
// without libFuzzer (./run fuzz builds them with libFuzzer instead).
//   target FILE...           runs the target once on each file
//   target DIR...            runs it on every file of the folders (a corpus),
//                            then mutates those inputs and the target's seeds
//   target                   mutates the target's seeds
//   target --write-seeds DIR writes the target's seeds into DIR as files
// Mutation runs for ZW_FUZZ_SECONDS seconds (default 5) or ZW_FUZZ_RUNS runs
// from generator seed ZW_FUZZ_SEED (default: the clock; printed, so that a
// run can be repeated). A target may give seeds by defining ZwFuzzSeed, which
// fills the index'th seed and returns 1, or returns 0 past the last.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int ZwFuzzSeed(int index, const std::uint8_t** data, std::size_t* size);

namespace {

void Run(const Bytes& input) { LLVMFuzzerTestOneInput(input.data(), input.size()); }

std::uint64_t EnvNumber(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

// One random edit of the kinds that break length-prefixed formats: bit flips,
// boundary values, inserted and deleted bytes, cuts, and splices with the
// tail of a seed.
void Mutate(Bytes& input, const std::vector<Bytes>& seeds, std::mt19937_64& random) {
    auto pick = [&](std::size_t bound) { return bound ? static_cast<std::size_t>(random() % bound) : 0; };
    auto at = [](const Bytes& bytes, std::size_t i) { return bytes.begin() + static_cast<std::ptrdiff_t>(i); };
    static const std::uint8_t kBoundaries[] = {0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
    const std::size_t i = pick(input.size());
    const Bytes& seed = seeds[pick(seeds.size())];
    switch (input.empty() ? 2 : pick(6)) {
    case 0: input[i] ^= static_cast<std::uint8_t>(1u << pick(8)); break;
    case 1: input[i] = kBoundaries[pick(sizeof kBoundaries)]; break;
    case 2: input.insert(at(input, pick(input.size() + 1)), static_cast<std::uint8_t>(random())); break;
    case 3: input.erase(at(input, i), at(input, std::min(input.size(), i + 1 + pick(16)))); break;
    case 4: input.resize(i); break;
    default:
        input.resize(i);
        input.insert(input.end(), at(seed, pick(seed.size() + 1)), seed.end());
    }
}

bool ReadFile(const std::filesystem::path& path, Bytes* bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    bytes->assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

int WriteSeeds(const char* folder) {
    std::filesystem::create_directories(folder);
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    int i = 0;
    for (; ZwFuzzSeed && ZwFuzzSeed(i, &data, &size); ++i) {
        std::ofstream file(std::filesystem::path(folder) / ("seed-" + std::to_string(i)), std::ios::binary);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    std::printf("fuzz: %d seeds written\n", i);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--write-seeds") return WriteSeeds(argv[2]);

    std::vector<Bytes> seeds;
    bool corpus = false;
    for (int i = 1; i < argc; ++i) {
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(argv[i])) {
            corpus = true;
            for (const auto& entry : std::filesystem::directory_iterator(argv[i]))
                if (entry.is_regular_file()) files.push_back(entry.path());
        } else {
            files.emplace_back(argv[i]);
        }
        for (const auto& path : files) {
            Bytes input;
            if (!ReadFile(path, &input)) {
                std::fprintf(stderr, "fuzz: cannot read %s\n", path.string().c_str());
                return 2;
            }
            Run(input);
            seeds.push_back(std::move(input));
        }
    }
    if (argc > 1 && !corpus) {
        std::printf("fuzz: %zu inputs ran\n", seeds.size());
        return 0;
    }

    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    for (int i = 0; ZwFuzzSeed && ZwFuzzSeed(i, &data, &size); ++i) seeds.emplace_back(data, data + size);
    if (seeds.empty()) seeds.emplace_back(64, 0);
    const std::uint64_t generatorSeed =
        EnvNumber("ZW_FUZZ_SEED", std::chrono::steady_clock::now().time_since_epoch().count());
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(EnvNumber("ZW_FUZZ_SECONDS", 5));
    const std::uint64_t maxRuns = EnvNumber("ZW_FUZZ_RUNS", 0);
    std::printf("fuzz: ZW_FUZZ_SEED=%llu, %zu seeds\n", static_cast<unsigned long long>(generatorSeed), seeds.size());
    std::fflush(stdout);

    std::mt19937_64 random(generatorSeed);
    std::uint64_t runs = 0;
    for (; runs < seeds.size(); ++runs) Run(seeds[runs]);
    while (maxRuns ? runs < maxRuns : std::chrono::steady_clock::now() < end) {
        Bytes input = seeds[random() % seeds.size()];
        for (int edits = 1 + static_cast<int>(random() % 8); edits > 0; --edits) Mutate(input, seeds, random);
        Run(input);
        ++runs;
    }
    std::printf("fuzz: %llu runs without a fault\n", static_cast<unsigned long long>(runs));
    return 0;
}
