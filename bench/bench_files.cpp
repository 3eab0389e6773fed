// Copy and append speed: ZelFileCopy and ZelFileAppend against CopyFileW moving
// the same bytes, for 200 small files and (with --large) one 200 MB file.
// Prints each throughput ratio (library / CopyFileW; 1.0 is parity). Every
// file made here is deleted at the end.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "include/zwi51.h"

namespace {

constexpr int kSmallFiles = 200;
constexpr DWORD kSmallSize = 6000;
constexpr ULONGLONG kLargeSize = 200ULL << 20;
constexpr int kRounds = 5;

std::wstring Folder(const std::wstring& name) {
    WCHAR current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    return std::wstring(current) + L"\\bench-files-" + name;
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((folder + L"\\" + data.cFileName).c_str());
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

void EmptyFolder(const std::wstring& folder) {
    RemoveFolder(folder);
    CreateDirectoryW(folder.c_str(), nullptr);
}

bool WriteFilled(const std::wstring& path, ULONGLONG size, char seed) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(seed + i * 7);
    bool ok = true;
    for (ULONGLONG left = size; left && ok;) {
        const DWORD chunk = static_cast<DWORD>(std::min<ULONGLONG>(left, block.size()));
        DWORD written = 0;
        ok = WriteFile(file, block.data(), chunk, &written, nullptr) && written == chunk;
        left -= chunk;
    }
    CloseHandle(file);
    return ok;
}

// Runs the contenders in turn, kRounds times, so that disk write-back left by
// one falls on all alike; returns each one's best time in seconds (0 when a
// run failed). `prepare` runs untimed before every run.
std::vector<double> BestTimes(const std::function<void()>& prepare, const std::vector<std::function<bool()>>& work) {
    std::vector<double> best(work.size(), 1e30);
    for (int round = 0; round < kRounds; ++round) {
        for (size_t i = 0; i < work.size(); ++i) {
            prepare();
            const auto start = std::chrono::steady_clock::now();
            const bool ok = work[i]();
            const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
            if (!ok) {
                std::printf("  (a run failed)\n");
                best[i] = 0;
            } else if (best[i] > 0) {
                best[i] = std::min(best[i], took.count());
            }
        }
    }
    return best;
}

void Report(const char* what, double bytes, double library, double baseline) {
    if (library <= 0 || baseline <= 0) return;
    std::printf("%-34s %8.1f MB/s  CopyFileW %8.1f MB/s  ratio %.2fx\n", what, bytes / library / 1e6,
                bytes / baseline / 1e6, baseline / library);
}

void SmallFiles() {
    const std::wstring source = Folder(L"small-src"), target = Folder(L"small-dst");
    EmptyFolder(source);
    std::vector<std::wstring> names;
    for (int i = 0; i < kSmallFiles; ++i) {
        names.push_back(L"f" + std::to_wstring(i) + L".dat");
        WriteFilled(source + L"\\" + names.back(), kSmallSize + i, static_cast<char>(i));
    }
    const double bytes = double(kSmallSize) * kSmallFiles + kSmallFiles * (kSmallFiles - 1) / 2.0;
    const std::wstring pattern = source + L"\\*.dat";
    const std::wstring appended = target + L"\\all.dat";
    auto fresh = [&] { EmptyFolder(target); };

    const std::vector<double> times = BestTimes(fresh, {
        [&] {
            for (const std::wstring& name : names)
                if (!CopyFileW((source + L"\\" + name).c_str(), (target + L"\\" + name).c_str(), FALSE)) return false;
            return true;
        },
        [&] { return ZelFileCopy(pattern.c_str(), target.c_str()) == kSmallFiles; },
        [&] { return ZelFileAppend(pattern.c_str(), appended.c_str()) == kSmallFiles; },
    });
    Report("ZelFileCopy, 200 small files", bytes, times[1], times[0]);
    Report("ZelFileAppend, 200 small files", bytes, times[2], times[0]);
    RemoveFolder(target);
    RemoveFolder(source);
}

void LargeFile() {
    const std::wstring folder = Folder(L"large");
    EmptyFolder(folder);
    const std::wstring source = folder + L"\\large.dat", copied = folder + L"\\copy.dat";
    if (!WriteFilled(source, kLargeSize, 3)) {
        std::printf("cannot write the 200 MB file\n");
        RemoveFolder(folder);
        return;
    }
    auto fresh = [&] { DeleteFileW(copied.c_str()); };
    const std::vector<double> times = BestTimes(fresh, {
        [&] { return CopyFileW(source.c_str(), copied.c_str(), FALSE) != 0; },
        [&] { return ZelFileCopy(source.c_str(), copied.c_str()) == 1; },
        [&] { return ZelFileAppend(source.c_str(), copied.c_str()) == 1; },
    });
    Report("ZelFileCopy, one 200 MB file", double(kLargeSize), times[1], times[0]);
    Report("ZelFileAppend, one 200 MB file", double(kLargeSize), times[2], times[0]);
    RemoveFolder(folder);
}

}  // namespace

int main(int argc, char** argv) {
    const bool large = argc > 1 && std::string(argv[1]) == "--large";
    std::printf("best of %d rounds each\n", kRounds);
    SmallFiles();
    if (large) LargeFile();
    else std::printf("(run with --large for the 200 MB file)\n");
    return 0;
}
