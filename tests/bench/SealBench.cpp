// What the seal costs: SHA-256 through CNG over a disc's setups, next to
// sha256sum on the same files (measured by tools/bench/seal-bench.sh, which
// makes the disc), and the check of one item against one item's run.
//
//     seal_bench.exe DISC_FOLDER [SHA256SUM_MS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "BenchClock.h"
#include "config/DiscSealFile.h"
#include "config/SetupItem.h"
#include "config/SealScope.h"
#include "engine/SealCheck.h"
#include "services/Sha256Hasher.h"

namespace {

unsigned long long SizeOf(const std::wstring& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// The stand-in setup of the folder started and waited for: the least an item's run spends on it.
double SetupLifeMs(const std::wstring& setup)
{
    std::wstring command = L"\"" + setup + L"\" -s";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, 60000);
    const double life = NowMs() - start;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return life;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) {
        fwprintf(stderr, L"usage: seal_bench.exe DISC_FOLDER [SHA256SUM_MS]\n");
        return 2;
    }
    std::wstring root = argv[1];
    if (root.back() != L'\\')
        root += L'\\';
    const double sumMs = argc > 2 ? _wtof(argv[2]) : 0.0;
    const SealScope scope(root);
    const auto files = scope.Files();
    unsigned long long bytes = 0;
    for (const std::wstring& file : files)
        bytes += SizeOf(root + file);
    // The largest item folder of the catalogue.
    std::wstring largestFolder;
    unsigned long long itemBytes = 0;
    for (const std::wstring& folder : scope.Roots()) {
        unsigned long long size = 0;
        for (const std::wstring& file : scope.FilesUnder(folder))
            size += SizeOf(root + file);
        const bool hasSetup = GetFileAttributesW((root + folder + L"\\OvraSetup.exe").c_str()) != INVALID_FILE_ATTRIBUTES;
        if (hasSetup && size > itemBytes) {
            itemBytes = size;
            largestFolder = folder;
        }
    }
    const double megabytes = static_cast<double>(bytes) / (1024.0 * 1024.0);
    Sha256Hasher hasher;
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        const double start = NowMs();
        const auto found = scope.Hash(files, hasher);
        best = std::min(best, NowMs() - start);
        if (round == 0) {
            DiscSeal seal;
            for (const FoundFile& file : found)
                seal.Add(file.path, file.hex);
            if (!DiscSealFile::Save(root, seal)) {
                fwprintf(stderr, L"seal_bench: can not write the seal\n");
                return 1;
            }
        }
    }
    const double cngRate = megabytes / (best / 1000.0);
    wprintf(L"files: %zu, %.1f MB\n", files.size(), megabytes);
    wprintf(L"CNG (Sha256Hasher): %.0f ms, %.1f MB/s\n", best, cngRate);
    if (sumMs > 0) {
        const double sumRate = megabytes / (sumMs / 1000.0);
        wprintf(L"sha256sum:          %.0f ms, %.1f MB/s\n", sumMs, sumRate);
        wprintf(L"ratio: %.2f of sha256sum (bar: at least 0.50)\n", cngRate / sumRate);
    }

    SetupItem item;
    item.ItemNo = 1;
    item.Title = L"Largest item";
    item.Path = largestFolder;
    SealCheck check(root);
    double checkMs = 1e30;
    for (int round = 0; round < 3; ++round) {
        const double start = NowMs();
        const bool ok = check.CheckItem(item) == SealCheck::Verdict::Matches;
        checkMs = std::min(checkMs, NowMs() - start);
        if (!ok) {
            fwprintf(stderr, L"seal_bench: %ls does not match its seal\n", largestFolder.c_str());
            return 1;
        }
    }
    // Every item's run pauses 1 s after its setup, whatever the setup does.
    const double setupMs = SetupLifeMs(root + largestFolder + L"\\OvraSetup.exe");
    const double runMs = setupMs + 1000.0 + checkMs;
    wprintf(L"largest item %ls (%.1f MB): check %.0f ms; its run at least %.0f ms "
            L"(setup %.0f ms, pause 1000 ms, check): share %.1f %%\n",
            largestFolder.c_str(), static_cast<double>(itemBytes) / (1024.0 * 1024.0), checkMs, runMs, setupMs,
            100.0 * checkMs / runMs);
    return 0;
}
