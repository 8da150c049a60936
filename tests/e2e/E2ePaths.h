#pragma once
#include <string>

// Where the build, the demo disc and the program's state files are, seen from the test exe.
class E2ePaths {
public:
    // The folder of the running test exe (build/<preset>/bin), with a trailing backslash.
    static std::wstring BinDir();
    // The source tree (from DEZ_SOURCE_DIR, as a Wine path), with a trailing backslash.
    static std::wstring SourceDir();
    // The generated demo disc (build/demo-disc), with a trailing backslash.
    static std::wstring DemoDiscDir();
    // The Windows directory, with a trailing backslash.
    static std::wstring WindowsDir();
    // The program's diagnostic log in the Windows directory's Logs folder.
    static std::wstring ProgramLog();
    static std::wstring TempDir();

    // "/a/b" -> "Z:\a\b"; Windows paths stay as they are.
    static std::wstring FromUnixPath(const std::wstring& path);
    static std::wstring WithSlash(const std::wstring& folder);
};
