#pragma once
#include <string>

// Where the result files and the resume loader live and what the loader
// starts again. The defaults are those of the running program; tests point
// them at folders of their own.
struct SessionPaths {
    // The Windows directory: result files (no trailing backslash).
    std::wstring WindowsFolder;
    // The loader's copy in the Windows temporary folder (no trailing backslash).
    std::wstring LoaderFolder;
    // The program started again after the restart.
    std::wstring ProgramPath;
    // The program's folder, holding "Pavv2Load" and "OvTaskSched.dll" (trailing backslash).
    std::wstring ProgramFolder;

    static SessionPaths ForThisProgram();
    // The folder the loader's copy goes into (the parent of LoaderFolder).
    std::wstring LoaderParent() const;
    std::wstring LoaderPath() const { return LoaderFolder + L"\\Loading.exe"; }
    std::wstring DescriptionPath() const { return LoaderFolder + L"\\Ovcd_Load.ini"; }
    std::wstring DiscLoaderFolder() const { return ProgramFolder + L"Pavv2Load"; }
};
