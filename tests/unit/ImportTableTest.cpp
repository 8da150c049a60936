#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

#include "TestFiles.h"

namespace {

// Names of the libraries a program imports statically, lower-cased.
std::set<std::string> StaticImports(const std::wstring& exe)
{
    std::set<std::string> names;
    std::string image = testfiles::ReadBytes(exe);
    if (image.size() < sizeof(IMAGE_DOS_HEADER))
        return names;
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(image.data());
    if (dos->e_magic != IMAGE_DOS_SIGNATURE || dos->e_lfanew <= 0 ||
        static_cast<size_t>(dos->e_lfanew) + sizeof(IMAGE_NT_HEADERS) > image.size())
        return names;
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(image.data() + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const IMAGE_SECTION_HEADER* sections = IMAGE_FIRST_SECTION(nt);
    auto offsetOf = [&](DWORD rva) -> size_t {
        for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i) {
            const IMAGE_SECTION_HEADER& s = sections[i];
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return 0;
    };
    size_t at = offsetOf(dir.VirtualAddress);
    while (at && at + sizeof(IMAGE_IMPORT_DESCRIPTOR) <= image.size()) {
        auto* desc = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(image.data() + at);
        if (desc->Name == 0)
            break;
        size_t name = offsetOf(desc->Name);
        if (!name || name >= image.size())
            break;
        std::string text(image.c_str() + name);
        std::transform(text.begin(), text.end(), text.begin(), [](char c) { return static_cast<char>(tolower(c)); });
        names.insert(text);
        at += sizeof(IMAGE_IMPORT_DESCRIPTOR);
    }
    return names;
}

} // namespace

TEST(ImportTable, ProgramImportsOnlyLibrariesTheLoaderTakesFromTheSystem)
{
    const std::wstring exe = TestExeFolder() + L"Dezozi2.exe";
    std::set<std::string> imports = StaticImports(exe);
    ASSERT_TRUE(imports.count("kernel32.dll")) << "import table not read";
    // KnownDLLs, and comctl32, which the manifest binds to the system's copy.
    const std::set<std::string> allowed = {"kernel32.dll", "user32.dll", "gdi32.dll", "advapi32.dll",
                                           "shell32.dll", "shlwapi.dll", "ole32.dll", "oleaut32.dll",
                                           "msvcrt.dll", "setupapi.dll", "comdlg32.dll", "comctl32.dll"};
    for (const std::string& name : imports)
        EXPECT_TRUE(allowed.count(name)) << name << " is imported statically";
}

